// The status bar: panels of fixed widths, the last one reaching to the right
// edge, each raised or sunken around its text. A panel's text is also its
// accessible name, and a change is told, so a screen reader can follow the
// state. A left click anywhere on the bar is OnClick.
#pragma once

#include <QLabel>
#include <QWidget>
#include <vector>

#include "ui/StatusBar.h"

namespace ringlook::qt {

class QtStatusBar : public QWidget, public ui::StatusBar {
  // its class name gives it the status-bar role (Accessibility.h)
  Q_OBJECT

 public:
  QtStatusBar(QWidget* parent, std::vector<int> widths);

  [[nodiscard]] std::string PanelText(int panel) const override;
  void SetPanelText(int panel, std::string_view text) override;
  [[nodiscard]] ui::Bevel PanelBevel(int panel) const override;
  void SetPanelBevel(int panel, ui::Bevel bevel) override;

  // Widens every panel that its current text does not fit (in a desktop font
  // wider than the one the widths were designed for); meant for the start
  // texts, so that the panels do not move later as the texts change.
  void WidenToTexts();

  [[nodiscard]] int PanelCount() const { return static_cast<int>(panels_.size()); }
  [[nodiscard]] QLabel& PanelLabel(int panel) const { return *panels_.at(static_cast<std::size_t>(panel)); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  [[nodiscard]] QLabel* Panel(int panel) const;
  void LayOutPanels();

  std::vector<int> widths_;
  std::vector<QLabel*> panels_;
  std::vector<std::string> texts_;
};

}  // namespace ringlook::qt
