// A context menu whose items can be hidden: the menu is built from the visible
// items each time it opens (Windows menus have no hidden items), and the chosen
// item's OnClick runs. A caption "-" is a separator; an item with a menu of
// its own opens that menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/MenuItem.h"
#include "win32/Win32Api.h"

namespace ringlook::win32 {

class Win32PopupMenu;

class Win32MenuItem : public ui::MenuItem {
 public:
  Win32MenuItem(std::string name, std::string caption, bool visible);
  ~Win32MenuItem() override;
  Win32MenuItem(const Win32MenuItem&) = delete;
  Win32MenuItem& operator=(const Win32MenuItem&) = delete;

  [[nodiscard]] bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  [[nodiscard]] const std::string& Name() const { return name_; }
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  // The item's own menu, made on first asking.
  Win32PopupMenu& Submenu();
  // Null for a plain item.
  [[nodiscard]] const Win32PopupMenu* SubmenuIfAny() const { return submenu_.get(); }

 private:
  std::string name_;
  std::string caption_;
  bool visible_;
  bool enabled_ = true;
  std::unique_ptr<Win32PopupMenu> submenu_;
};

class Win32PopupMenu {
 public:
  explicit Win32PopupMenu(std::string name) : name_(std::move(name)) {}

  Win32MenuItem& Add(const char* name, const char* caption, bool visible = true);
  // Opens at a point on the screen, owned by window, and runs the chosen item.
  void Popup(HWND window, POINT at) const;

  [[nodiscard]] const std::string& Name() const { return name_; }
  [[nodiscard]] const std::vector<std::unique_ptr<Win32MenuItem>>& Items() const { return items_; }
  // The captions of the visible items, in order, as the menu shows them.
  [[nodiscard]] std::vector<std::string> Shown() const;

 private:
  std::string name_;
  std::vector<std::unique_ptr<Win32MenuItem>> items_;
};

}  // namespace ringlook::win32
