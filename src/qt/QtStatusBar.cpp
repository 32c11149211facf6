// Status bar: see QtStatusBar.h.
#include "qt/QtStatusBar.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "qt/Cp1252.h"

namespace ringlook::qt {

namespace {

// Room between two panels, as the platform's status bars leave it.
constexpr int kGap = 2;
// Between the one-pixel edge of a panel and its text.
constexpr int kIndent = 2;

// A sunken panel is a thin shaded frame. A raised one is drawn as the style
// draws a button: on most desktops a one-pixel light edge is lost against the
// window colour, and a raised panel is what the user clicks to connect.
class StatusPanel : public QLabel {
 public:
  explicit StatusPanel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(kIndent);
    SetRaised(false);
  }
  // The width that shows all of the current text.
  [[nodiscard]] int FittingWidth() const { return fontMetrics().horizontalAdvance(text()) + 2 + 2 * kIndent; }
  [[nodiscard]] bool Raised() const { return raised_; }
  void SetRaised(bool raised) {
    raised_ = raised;
    setFrameStyle(raised ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMargin(raised ? 1 : 0);
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (raised_) {
      QStylePainter painter(this);
      QStyleOptionButton button;
      button.initFrom(this);
      button.state |= QStyle::State_Raised;
      painter.drawPrimitive(QStyle::PE_PanelButtonCommand, button);
    }
    QLabel::paintEvent(event);
  }

 private:
  bool raised_ = false;
};

StatusPanel& AsPanel(QLabel& label) { return static_cast<StatusPanel&>(label); }

}  // namespace

QtStatusBar::QtStatusBar(QWidget* parent, std::vector<int> widths)
    : QWidget(parent), widths_(std::move(widths)), texts_(widths_.size()) {
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    auto* panel = new StatusPanel(this);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panels_.push_back(panel);
  }
}

QLabel* QtStatusBar::Panel(int panel) const {
  return panel >= 0 && static_cast<std::size_t>(panel) < panels_.size() ? panels_[static_cast<std::size_t>(panel)]
                                                                        : nullptr;
}

std::string QtStatusBar::PanelText(int panel) const {
  return Panel(panel) ? texts_[static_cast<std::size_t>(panel)] : std::string();
}

void QtStatusBar::SetPanelText(int panel, std::string_view text) {
  QLabel* label = Panel(panel);
  if (!label) return;
  std::string& current = texts_[static_cast<std::size_t>(panel)];
  // Every record of a history sets the count it already shows.
  if (current == text) return;
  current.assign(text);
  const QString shown = FromCp1252(text, kShownLineLength);
  // The text is also the accessible name: a label tells a screen reader of a
  // new text only while it has no name of its own.
  label->setText(shown);
}

ui::Bevel QtStatusBar::PanelBevel(int panel) const {
  QLabel* label = Panel(panel);
  return label && AsPanel(*label).Raised() ? ui::Bevel::Raised : ui::Bevel::Lowered;
}

void QtStatusBar::SetPanelBevel(int panel, ui::Bevel bevel) {
  if (QLabel* label = Panel(panel)) AsPanel(*label).SetRaised(bevel == ui::Bevel::Raised);
}

void QtStatusBar::WidenToTexts() {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    widths_[i] = std::max(widths_[i], AsPanel(*panels_[i]).FittingWidth() + kGap);
  }
  LayOutPanels();
}

void QtStatusBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutPanels();
}

void QtStatusBar::LayOutPanels() {
  int left = 0;
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    const bool last = i + 1 == panels_.size();
    const int panelWidth = last ? std::max(widths_[i], width() - left) : widths_[i] - kGap;
    panels_[i]->setGeometry(left, kGap, panelWidth, height() - kGap);
    left += widths_[i];
  }
}

void QtStatusBar::mousePressEvent(QMouseEvent* event) {
  // Taking the press makes the release come here too.
  event->setAccepted(event->button() == Qt::LeftButton);
}

void QtStatusBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
}

}  // namespace ringlook::qt
