// The application on Win32. Its own window, hidden behind a zero size, owns
// the five windows and carries the task-bar entry, whose text is the
// application title; so the main window's caption stays as it is. Minimising
// the application minimises that window, which hides the windows it owns, and
// restoring it brings them back. Message boxes, the beep, the clipboard,
// opening addresses, the Dutch help, and the nested event processing that
// Pauze relies on.
#pragma once

#include <memory>
#include <string>

#include "ports/Clock.h"
#include "ui/Application.h"
#include "win32/Win32Form.h"
#include "win32/Win32HelpWindow.h"
#include "win32/Win32PopupMenu.h"

namespace ringlook::win32 {

class Win32Application : public Win32Window, public ui::Application {
 public:
  explicit Win32Application(const Clock& clock);
  ~Win32Application() override;
  Win32Application(const Win32Application&) = delete;
  Win32Application& operator=(const Win32Application&) = delete;

  // The main window: its minimise button minimises the application. The
  // tray's menu offers entries (its context menu) after the last callers.
  void AttachMainForm(Win32Form& mainForm, const Win32PopupMenu* entries = nullptr);
  // Puts the task-bar entry on screen and shows the main window.
  void ShowMainForm();

  [[nodiscard]] std::string Title() const override { return title_; }
  void SetTitle(std::string_view title) override;
  void Minimize() override;
  void Restore() override;
  [[nodiscard]] bool Minimized() const override;
  void RaiseWithoutActivating(ui::Form& form) override;
  // A balloon from the notification area; nothing where there is none.
  // Its click shows the call's line (balloons offer no buttons of their own).
  void NotifyCall(std::string_view name, std::string_view number, bool alert) override;
  void NotifyText(std::string_view text) override;
  void ShowRecentCallers(const std::vector<calls::RecentCaller>& callers) override;
  ui::MessageAnswer MessageBox(std::string_view text, ui::MessageKind kind) override;
  void Beep() override;
  void SetClipboardText(std::string_view text) override;
  // Web and mail addresses only: nothing else is handed to the shell.
  void OpenAddress(std::string_view url) override;
  void ShowHelpContext(int context) override;
  void ShowHelpTopic(std::string_view topic) override;
  [[nodiscard]] int LogicalDpi() const override;
  // Each monitor's work area, the primary first.
  [[nodiscard]] std::vector<ui::Rect> Screens() const override;
  void ProcessEvents(std::uint64_t deadlineTick) override;
  void Terminate() override;
  // WM_POWERBROADCAST tells of the wake.
  [[nodiscard]] bool ReportsWake() const override { return true; }
  bool Call(std::string_view address) override;
  ui::SaveResult SaveFile(std::string_view suggestedName, std::string_view bytes) override;

  // The tray's menu: the last callers (each a menu of "Wijzigen",
  // "Terugbellen" and "Doorgeven..."), "Toon Ringlook", the main window's
  // context-menu entries but the caller group, "Afsluiten".
  [[nodiscard]] Win32PopupMenu TrayMenu();

  // Null until help was first asked for.
  [[nodiscard]] const Win32HelpWindow* Help() const { return help_.get(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The window that takes the focus for the application: the dialog last
  // active in it, or the main window.
  [[nodiscard]] HWND Target() const;
  [[nodiscard]] HWND BoxOwner() const;
  void ForOwnedForms(bool hide) const;
  Win32HelpWindow& HelpWindow();

  const Clock& clock_;
  Win32Form* mainForm_ = nullptr;
  std::string title_;
  std::unique_ptr<Win32HelpWindow> help_;
  void UpdateTrayTip();
  void ShowBalloon(std::string_view title, std::string_view text, DWORD flags);

  bool trayIcon_ = false;
  const Win32PopupMenu* entries_ = nullptr;
  std::vector<calls::RecentCaller> recentCallers_;
  std::string balloonNumber_;
};

}  // namespace ringlook::win32
