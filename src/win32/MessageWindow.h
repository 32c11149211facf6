// A hidden message-only window: where timer expiries, socket notifications and
// name lookups arrive as window messages on the user-interface thread. Its
// handler sees WM_TIMER and the messages from WM_USER on.
#pragma once

#include <functional>

#include "win32/Win32Api.h"

namespace ringlook::win32 {

class MessageWindow {
 public:
  using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

  explicit MessageWindow(Handler handler);
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  [[nodiscard]] HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  HWND window_ = nullptr;
};

}  // namespace ringlook::win32
