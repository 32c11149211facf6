// The application as the logic sees it: its task-bar title, minimising and
// restoring, message boxes, the screens, and the nested event processing that
// Pauze, modal dialogs and message boxes rely on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calls/RecentCallers.h"
#include "ui/ScreenPlacement.h"

namespace ringlook::ui {

class Form;

enum class MessageKind { Error, Information, Confirmation };

enum class MessageAnswer { Ok, Yes, No };
enum class SaveResult { Saved, Cancelled, Failed };

class Application {
 public:
  virtual ~Application() = default;

  [[nodiscard]] virtual std::string Title() const = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void Minimize() = 0;
  virtual void Restore() = 0;
  [[nodiscard]] virtual bool Minimized() const = 0;
  // Restores when minimised, then puts form above all windows and at once back in
  // the normal layer, without activating, moving or resizing it.
  virtual void RaiseWithoutActivating(Form& form) = 0;
  // A desktop notification of a call the window popped up for, urgent for an
  // alert caller; nothing where the desktop cannot show one. Clicked, it
  // raises OnShowCall; where the desktop offers actions, its "Wijzigen" raises
  // OnEditCall and its "Terugbellen" OnCallBack.
  virtual void NotifyCall(std::string_view name, std::string_view number, bool alert) = 0;
  // A desktop notification of the program's own, such as a lost link; clicked,
  // it raises OnShowCall with no number. Nothing where the desktop cannot show one.
  virtual void NotifyText(std::string_view text) = 0;
  // Today's last callers, newest first: the tray's menu lists them (each with
  // "Wijzigen", "Terugbellen" and "Doorgeven...": OnEditCall, OnCallBack,
  // OnPassOn) and its tool tip names the newest.
  virtual void ShowRecentCallers(const std::vector<calls::RecentCaller>& callers) = 0;
  // A Confirmation box has Yes and No; the others have Ok. Events go on meanwhile.
  virtual MessageAnswer MessageBox(std::string_view text, MessageKind kind) = 0;
  virtual void Beep() = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // Hands a web or mail address (http, https, ftp, mailto; "www." as http) to
  // the desktop; anything else, a file or a program above all, is ignored.
  virtual void OpenAddress(std::string_view url) = 0;
  virtual void ShowHelpContext(int context) = 0;
  virtual void ShowHelpTopic(std::string_view topic) = 0;
  // Screen resolution in pixels per logical inch.
  [[nodiscard]] virtual int LogicalDpi() const = 0;
  // The screens' available areas (without the task bar), the primary first;
  // none where the desktop places the windows itself.
  [[nodiscard]] virtual std::vector<Rect> Screens() const = 0;
  // Handles pending events; when none is pending, sleeps until the next event or
  // until the tick deadline, whichever comes first. Never spins.
  virtual void ProcessEvents(std::uint64_t deadlineTick) = 0;
  // Ends the main event loop.
  virtual void Terminate() = 0;
  // Whether the platform raises OnWake; elsewhere a wake is noticed otherwise, or not at all.
  [[nodiscard]] virtual bool ReportsWake() const { return false; }
  // Hands a call address (tel:, sip:...) to the program the desktop has for
  // its scheme; false, and nothing handed on, where it has none.
  virtual bool Call(std::string_view address) = 0;
  // Asks where to save, offering suggestedName and asking before it replaces a
  // file, and writes bytes whole or not at all.
  virtual SaveResult SaveFile(std::string_view suggestedName, std::string_view bytes) = 0;

  // The user asked, outside the main window, to see a call's line, or to
  // change its number's directory entry.
  std::function<void(const std::string& number)> OnShowCall;
  std::function<void(const std::string& number)> OnEditCall;
  // The machine woke from sleep.
  std::function<void()> OnWake;
  // A screen went away or changed while the program runs.
  std::function<void()> OnScreensChanged;
  // From a notification or the tray: call a caller back, or pass the call on.
  std::function<void(const std::string& number)> OnCallBack;
  std::function<void(const calls::RecentCaller& caller)> OnPassOn;
};

}  // namespace ringlook::ui
