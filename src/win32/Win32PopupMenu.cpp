// Context menus: see Win32PopupMenu.h.
#include "win32/Win32PopupMenu.h"

namespace ringlook::win32 {

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
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Win32MenuItem& item = *items_[i];
    if (!item.Visible()) continue;
    if (item.Caption() == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(menu, MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED), i + 1, item.Caption().c_str());
    }
  }
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window, nullptr));
  DestroyMenu(menu);
  if (chosen > 0 && chosen <= items_.size() && items_[chosen - 1]->OnClick) items_[chosen - 1]->OnClick();
}

}  // namespace ringlook::win32
