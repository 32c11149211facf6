// The in-memory application: records what the logic asked of the desktop
// (title, restores, raises, message boxes, help), answers message boxes from
// a script, with events going on while a box is "open", and has the screens a
// test gives it (none at first, as where the desktop places windows itself).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "memory/ManualEventLoop.h"
#include "ui/Application.h"

namespace ringlook::ui {

class MemoryApplication : public Application {
 public:
  explicit MemoryApplication(ManualEventLoop& loop) : loop_(loop) {}

  [[nodiscard]] std::string Title() const override { return title_; }
  void SetTitle(std::string_view title) override { title_.assign(title); }
  void Minimize() override { minimized_ = true; }
  void Restore() override;
  [[nodiscard]] bool Minimized() const override { return minimized_; }
  void RaiseWithoutActivating(Form& form) override;
  void NotifyCall(std::string_view name, std::string_view number, bool alert) override {
    notifications_.push_back(std::string(alert ? "! " : "") + std::string(name) + " " + std::string(number));
  }
  void NotifyText(std::string_view text) override { notifications_.emplace_back(text); }
  void ShowRecentCallers(const std::vector<calls::RecentCaller>& callers) override { recent_ = callers; }
  MessageAnswer MessageBox(std::string_view text, MessageKind kind) override;
  void Beep() override { ++beeps_; }
  void SetClipboardText(std::string_view text) override { clipboard_.assign(text); }
  void OpenAddress(std::string_view url) override { opened_.emplace_back(url); }
  void ShowHelpContext(int context) override { help_.push_back("context " + std::to_string(context)); }
  void ShowHelpTopic(std::string_view topic) override { help_.push_back("topic " + std::string(topic)); }
  [[nodiscard]] int LogicalDpi() const override { return dpi_; }
  [[nodiscard]] std::vector<Rect> Screens() const override { return screens_; }
  void ProcessEvents(std::uint64_t deadlineTick) override { loop_.ProcessEvents(deadlineTick); }
  void Terminate() override { terminated_ = true; }
  [[nodiscard]] bool ReportsWake() const override { return reportsWake_; }
  bool Call(std::string_view address) override;
  SaveResult SaveFile(std::string_view suggestedName, std::string_view bytes) override;

  // The answer to the next message box; the action runs while it is open.
  void AnswerNextBox(MessageAnswer answer, std::function<void()> whileOpen = {});
  void SetLogicalDpi(int dpi) { dpi_ = dpi; }
  // As a platform that tells of the wake (OnWake) does.
  void SetReportsWake(bool reports) { reportsWake_ = reports; }
  // The desktop's screens from now on; OnScreensChanged tells the program.
  void SetScreens(std::vector<Rect> screens) { screens_ = std::move(screens); }
  // The schemes the desktop has a program for ("tel" at first).
  void SetCallSchemes(std::vector<std::string> schemes) { callSchemes_ = std::move(schemes); }
  // What the next save does: Saved keeps the bytes.
  void SetSaveResult(SaveResult result) { saveResult_ = result; }

  struct ShownBox {
    std::string text;
    MessageKind kind;
  };
  [[nodiscard]] const std::vector<ShownBox>& Boxes() const { return boxes_; }
  [[nodiscard]] int Restores() const { return restores_; }
  [[nodiscard]] int Raises() const { return raises_; }
  [[nodiscard]] int Beeps() const { return beeps_; }
  [[nodiscard]] const std::string& Clipboard() const { return clipboard_; }
  [[nodiscard]] const std::vector<std::string>& OpenedAddresses() const { return opened_; }
  // The call addresses a program took.
  [[nodiscard]] const std::vector<std::string>& Called() const { return called_; }
  // The bytes of the last save that went ahead.
  [[nodiscard]] const std::string& SavedBytes() const { return savedBytes_; }
  [[nodiscard]] const std::vector<std::string>& HelpShown() const { return help_; }
  [[nodiscard]] bool Terminated() const { return terminated_; }
  // Each call's notification as its name, a blank and its number, "! " first
  // for an alert; the program's own as their text.
  [[nodiscard]] const std::vector<std::string>& Notifications() const { return notifications_; }
  // The tray's last callers, as the program last listed them.
  [[nodiscard]] const std::vector<calls::RecentCaller>& RecentCallers() const { return recent_; }

 private:
  struct Answer {
    MessageAnswer answer;
    std::function<void()> whileOpen;
  };
  ManualEventLoop& loop_;
  std::string title_;
  bool minimized_ = false;
  bool terminated_ = false;
  bool reportsWake_ = false;
  int restores_ = 0;
  int raises_ = 0;
  int beeps_ = 0;
  int dpi_ = 96;
  std::vector<Rect> screens_;
  std::string clipboard_;
  std::vector<std::string> opened_;
  std::vector<std::string> help_;
  std::vector<std::string> notifications_;
  std::vector<calls::RecentCaller> recent_;
  std::vector<std::string> callSchemes_{"tel"};
  std::vector<std::string> called_;
  SaveResult saveResult_ = SaveResult::Saved;
  std::string savedBytes_;
  std::vector<ShownBox> boxes_;
  std::deque<Answer> answers_;
};

}  // namespace ringlook::ui
