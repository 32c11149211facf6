// Small helpers over the Windows API: see Win32Api.h.
#include "win32/Win32Api.h"

#include <vector>

namespace ringlook::win32 {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

void SetWindowText(HWND window, std::string_view text) { SetWindowTextA(window, std::string(text).c_str()); }

std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = length > 0 && text != nullptr ? std::string(text, length) : "Error " + std::to_string(code);
  LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) result.pop_back();
  return result;
}

void ReportUnhandled(const char* what) {
  MessageBoxA(GetActiveWindow(), what, "Ringlook", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace ringlook::win32
