// The status bar on the common controls' status window: panels of fixed
// widths, the last reaching to the right edge, each sunken or (SBT_POPOUT)
// raised. A left click anywhere on it is OnClick.
#pragma once

#include <vector>

#include "ui/StatusBar.h"
#include "win32/Win32Child.h"

namespace ringlook::win32 {

class Win32StatusBar : public Win32Child, public ui::StatusBar {
 public:
  Win32StatusBar(HWND parent, const char* name, std::vector<int> widths);

  [[nodiscard]] std::string PanelText(int panel) const override;
  void SetPanelText(int panel, std::string_view text) override;
  [[nodiscard]] ui::Bevel PanelBevel(int panel) const override;
  void SetPanelBevel(int panel, ui::Bevel bevel) override;
  bool Notify(const NMHDR& header, LRESULT& result) override;

  // Widens every panel that its current text does not fit (in a font wider than
  // the one the widths were designed for); meant for the start texts, so that
  // the panels do not move later as the texts change.
  void WidenToTexts();
  // Keeps it along the bottom of its parent; its height is its own.
  void FitToParent();
  [[nodiscard]] int Height() const;

 private:
  [[nodiscard]] bool Exists(int panel) const { return panel >= 0 && panel < static_cast<int>(texts_.size()); }
  void Show(int panel) const;
  void SetParts() const;

  std::vector<int> widths_;
  std::vector<std::string> texts_;
  std::vector<ui::Bevel> bevels_;
};

}  // namespace ringlook::win32
