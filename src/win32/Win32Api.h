// The Windows headers as the Win32 layer includes them: the "A" functions on
// bytes in the platform's code page (Windows-1252 here), Winsock 2 before
// windows.h, and no min/max macros.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <winsock2.h>
// After Winsock 2, which windows.h would otherwise follow with the old winsock.h.
#include <windows.h>

// The layer calls the "A" functions by their own names; these two macros would
// rename the core's Application::MessageBox and the helper below.
#undef MessageBox
#undef SetWindowText

#include <exception>
#include <string>
#include <string_view>

namespace ringlook::win32 {

// The platform's code page, named where a conversion must not depend on the system's.
constexpr UINT kCodePage = 1252;

// A window's text as bytes.
std::string WindowText(HWND window);
void SetWindowText(HWND window, std::string_view text);

// The system's text for an error code, without the line break it ends with.
std::string SystemErrorText(DWORD code);

// Shows an error that no handler caught, as the application's general error
// report does, and lets the event in which it happened end there: exceptions
// must not travel through the system's window procedures.
void ReportUnhandled(const char* what);

template <typename Body, typename Result>
Result Guarded(Body&& body, Result onError) {
  try {
    return body();
  } catch (const std::exception& e) {
    ReportUnhandled(e.what());
  } catch (...) {
    ReportUnhandled("Unknown error");
  }
  return onError;
}

}  // namespace ringlook::win32
