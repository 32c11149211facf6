// The help in Dutch: the program's manual in a window of its own, read-only,
// opened at the main window's section for F1 (context 100) and at its
// contents for the menu item. The manual is the HTML resource RINGLOOK_HELP
// of the program, shown as text.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "win32/Win32RichView.h"
#include "win32/Win32Window.h"

namespace ringlook::win32 {

class Win32HelpWindow : public Win32Window {
 public:
  Win32HelpWindow();
  ~Win32HelpWindow() override;

  void ShowContext(int context);
  // The manual's one topic is its contents, where an unknown topic opens too.
  void ShowTopic(std::string_view topic);

  [[nodiscard]] const Win32RichView& View() const { return *view_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowAnchor(const std::string& anchor);

  std::unique_ptr<Win32RichView> view_;
  std::map<std::string, long> anchors_;
};

}  // namespace ringlook::win32
