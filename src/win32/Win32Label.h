// A caption on a STATIC control; the logic never talks to it.
#pragma once

#include "win32/Win32Child.h"

namespace ringlook::win32 {

class Win32Label : public Win32Child {
 public:
  Win32Label(HWND parent, const char* name, const char* caption, RECT bounds)
      : Win32Child(parent, "STATIC", name, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, bounds, caption) {}
};

}  // namespace ringlook::win32
