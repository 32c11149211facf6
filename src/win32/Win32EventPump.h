// The message loop of the Win32 front end, shared by the main loop, every modal
// window and Pauze: each message first meets the key preview of the window it
// belongs to and the dialog keys (Tab between controls), then is dispatched.
//
// WM_QUIT is taken out of the queue and remembered, so that a nested loop that
// meets it does not spin on a quit message it keeps posting back.
#pragma once

#include <cstdint>
#include <functional>

#include "ports/Clock.h"
#include "win32/Win32Api.h"

namespace ringlook::win32 {

// The window that previews keys typed anywhere inside it, and the handler.
// Returns true when the key was consumed.
using KeyPreview = std::function<bool(HWND root, int key, bool alt)>;
void SetKeyPreview(KeyPreview preview);

void HandleMessage(MSG& message);
// Handles every message waiting now.
void HandlePending();
// Handles pending messages; when none waits, sleeps until the next message or
// until the clock's tick reaches deadlineTick, whichever comes first.
void ProcessEventsUntil(const Clock& clock, std::uint64_t deadlineTick);
// Runs the loop until done() holds or the program was asked to quit.
void RunUntil(const std::function<bool()>& done);

void RequestQuit();

}  // namespace ringlook::win32
