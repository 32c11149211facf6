// Child controls: see Win32Child.h.
#include "win32/Win32Child.h"

#include <commctrl.h>

namespace ringlook::win32 {

namespace {
constexpr char kControlProperty[] = "Ringlook.Control";
constexpr char kNameProperty[] = "Ringlook.Name";
constexpr UINT_PTR kSubclassId = 1;
int nextId = 100;  // ids 1 and 2 are IDOK and IDCANCEL, which the dialog keys send
}  // namespace

Win32Child::Win32Child(HWND parent, const char* className, const char* name, DWORD style, DWORD exStyle, RECT bounds,
                       const char* text) {
  window_ =
      CreateWindowExA(exStyle, className, text, WS_CHILD | style, bounds.left, bounds.top, bounds.right - bounds.left,
                      bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)),
                      GetModuleHandleA(nullptr), nullptr);
  SetPropA(window_, kControlProperty, this);
  SetName(window_, name);
  SendMessageA(window_, WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
}

Win32Child::~Win32Child() {
  if (IsWindow(window_) == FALSE) return;
  RemoveWindowSubclass(window_, &Win32Child::SubclassProcedure, kSubclassId);
  RemovePropA(window_, kControlProperty);
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropA(window_, kNameProperty)));
  if (atom != 0) GlobalDeleteAtom(atom);
  DestroyWindow(window_);
}

Win32Child* Win32Child::Of(HWND window) {
  return window != nullptr ? static_cast<Win32Child*>(GetPropA(window, kControlProperty)) : nullptr;
}

void Win32Child::Subclass() {
  SetWindowSubclass(window_, &Win32Child::SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT Win32Child::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Child::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  LRESULT result = 0;
  const bool handled =
      Guarded([&] { return reinterpret_cast<Win32Child*>(self)->Subclassed(message, wParam, lParam, result); }, true);
  return handled ? result : DefSubclassProc(window, message, wParam, lParam);
}

void SetName(HWND window, const char* name) {
  if (name != nullptr && *name != '\0') {
    SetPropA(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(name))));
  }
}

std::string NameOf(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, kNameProperty)));
  char name[256] = {};
  return atom != 0 && GlobalGetAtomNameA(atom, name, sizeof name) > 0 ? std::string(name) : std::string();
}

HWND FindByName(HWND root, const char* name) {
  if (NameOf(root) == name) return root;
  struct Search {
    const char* name;
    HWND found;
  } search{name, nullptr};
  EnumChildWindows(
      root,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (NameOf(child) != s->name) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool OwnEnabled(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_DISABLED) == 0; }

bool OwnVisible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

RECT BoundsInParent(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

}  // namespace ringlook::win32
