// The application on Qt: the task-bar title is the main window's icon text (and
// a tray icon's tool tip where the desktop has a tray), so the caption stays
// as it is; the program's icon; the tray icon, whose click brings the main
// window up and whose menu holds the main window's context-menu entries; call
// notifications; message boxes, help, clipboard and opening addresses; the
// nested event processing Pauze relies on.
//
// Raising without activating uses raise() on a window that is never activated
// by being shown (Qt::WA_ShowWithoutActivating), rather than switching
// Qt::WindowStaysOnTopHint on and off: changing that hint re-creates the
// native window on X11, which flickers and can lose its position.
#pragma once

#include <QSystemTrayIcon>
#include <memory>

#include "ports/Clock.h"
#include "qt/DesktopNotifications.h"
#include "qt/HelpWindow.h"
#include "qt/QtMainForm.h"
#include "qt/SleepWatch.h"
#include "qt/TrayMenu.h"
#include "ui/Application.h"

namespace ringlook::qt {

class QtApplication : public ui::Application {
 public:
  // bus: where the notification service is looked for.
  QtApplication(QtMainForm& mainForm, const Clock& clock, QDBusConnection bus = QDBusConnection::sessionBus());
  ~QtApplication() override;
  QtApplication(const QtApplication&) = delete;
  QtApplication& operator=(const QtApplication&) = delete;

  [[nodiscard]] std::string Title() const override { return title_; }
  void SetTitle(std::string_view title) override;
  void Minimize() override;
  void Restore() override;
  [[nodiscard]] bool Minimized() const override;
  void RaiseWithoutActivating(ui::Form& form) override;
  // A desktop notification, or else the tray's balloon; nothing without either.
  void NotifyCall(std::string_view name, std::string_view number, bool alert) override;
  void NotifyText(std::string_view text) override;
  void ShowRecentCallers(const std::vector<calls::RecentCaller>& callers) override;
  ui::MessageAnswer MessageBox(std::string_view text, ui::MessageKind kind) override;
  void Beep() override;
  void SetClipboardText(std::string_view text) override;
  // Web and mail addresses only: nothing else is handed to the desktop.
  void OpenAddress(std::string_view url) override;
  void ShowHelpContext(int context) override;
  void ShowHelpTopic(std::string_view topic) override;
  [[nodiscard]] int LogicalDpi() const override;
  // None on Wayland, where the compositor places the windows.
  [[nodiscard]] std::vector<ui::Rect> Screens() const override;
  void ProcessEvents(std::uint64_t deadlineTick) override;
  void Terminate() override;
  // Where logind is on the system bus: it tells of the wake.
  [[nodiscard]] bool ReportsWake() const override { return sleepWatch_.Available(); }
  bool Call(std::string_view address) override;
  ui::SaveResult SaveFile(std::string_view suggestedName, std::string_view bytes) override;

  // X11 activates a window the program shows; a Wayland compositor may
  // withhold that (focus-stealing prevention, a start at log-on, no seat).
  [[nodiscard]] static bool PromisesActivation();
  // Whether the program can restore and raise its own window: not on Wayland.
  [[nodiscard]] static bool WindowsComeBack();

  [[nodiscard]] const QSystemTrayIcon& TrayIcon() const { return tray_; }
  // The tray icon's menu, also where the desktop has no tray to show it.
  [[nodiscard]] TrayMenu& Menu() const { return *trayMenu_; }
  // Null until help was first asked for.
  [[nodiscard]] const HelpWindow* Help() const { return help_.get(); }

 private:
  HelpWindow& HelpWindowRef();
  void BringUp();
  void ShowToolTip();

  QtMainForm& mainForm_;
  const Clock& clock_;
  std::string title_;
  std::string lastCaller_;
  std::string balloonNumber_;
  DesktopNotifications notifications_;
  SleepWatch sleepWatch_;
  std::unique_ptr<TrayMenu> trayMenu_;
  // Shown whenever the desktop has a tray: one that comes up after the program
  // (started at log-on before the panel) gets the icon then.
  QSystemTrayIcon tray_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace ringlook::qt
