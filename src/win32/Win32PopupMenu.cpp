// Context menus: see Win32PopupMenu.h.
#include "win32/Win32PopupMenu.h"

namespace ringlook::win32 {

namespace {

// Appends menu's visible items to handle; a chosen item's command is its place in chosen, plus one.
void Append(HMENU handle, const Win32PopupMenu& menu, std::vector<const Win32MenuItem*>& chosen) {
  for (const auto& owned : menu.Items()) {
    const Win32MenuItem& item = *owned;
    if (!item.Visible()) continue;
    const UINT state = item.Enabled() ? MF_ENABLED : MF_GRAYED;
    if (item.Caption() == "-") {
      AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    } else if (const Win32PopupMenu* submenu = item.SubmenuIfAny()) {
      // Destroyed with the menu it is in.
      HMENU own = CreatePopupMenu();
      Append(own, *submenu, chosen);
      AppendMenuA(handle, MF_POPUP | state, reinterpret_cast<UINT_PTR>(own), item.Caption().c_str());
    } else {
      chosen.push_back(&item);
      AppendMenuA(handle, MF_STRING | state, chosen.size(), item.Caption().c_str());
    }
  }
}

}  // namespace

Win32MenuItem::Win32MenuItem(std::string name, std::string caption, bool visible)
    : name_(std::move(name)), caption_(std::move(caption)), visible_(visible) {}

Win32MenuItem::~Win32MenuItem() = default;

Win32PopupMenu& Win32MenuItem::Submenu() {
  if (!submenu_) submenu_ = std::make_unique<Win32PopupMenu>(name_);
  return *submenu_;
}

Win32MenuItem& Win32PopupMenu::Add(const char* name, const char* caption, bool visible) {
  items_.push_back(std::make_unique<Win32MenuItem>(name, caption, visible));
  return *items_.back();
}

std::vector<std::string> Win32PopupMenu::Shown() const {
  std::vector<std::string> shown;
  for (const auto& item : items_) {
    if (item->Visible()) shown.push_back(item->Caption());
  }
  return shown;
}

void Win32PopupMenu::Popup(HWND window, POINT at) const {
  HMENU menu = CreatePopupMenu();
  std::vector<const Win32MenuItem*> chosen;
  Append(menu, *this, chosen);
  const auto command = static_cast<std::size_t>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window, nullptr));
  DestroyMenu(menu);
  if (command > 0 && command <= chosen.size() && chosen[command - 1]->OnClick) chosen[command - 1]->OnClick();
}

}  // namespace ringlook::win32
