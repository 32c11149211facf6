// What the main window and the dialogs share: a top-level widget that is also
// the form interface. Left, Top, Width and Height are the outer frame, as the
// layouts were designed; OnActivate runs on every activation, OnShow each time
// the program shows the window (not when it comes back from the task bar).
#pragma once

#include <QAccessible>
#include <QShowEvent>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include "qt/Cp1252.h"
#include "ui/Form.h"

namespace ringlook::qt {

template <typename Widget>
class QtForm : public Widget, public ui::Form {
 public:
  explicit QtForm(Qt::WindowFlags flags) : Widget(nullptr, flags) {}

  [[nodiscard]] std::string Caption() const override { return ToCp1252(this->windowTitle()); }
  void SetCaption(std::string_view caption) override { this->setWindowTitle(FromCp1252(caption)); }
  [[nodiscard]] bool Visible() const override { return this->isVisible(); }
  void Show() override { this->show(); }
  [[nodiscard]] int Left() const override { return this->x(); }
  [[nodiscard]] int Top() const override { return this->y(); }
  void SetLeft(int left) override { this->move(left, this->y()); }
  void SetTop(int top) override { this->move(this->x(), top); }
  [[nodiscard]] int Width() const override { return this->frameGeometry().width(); }
  [[nodiscard]] int Height() const override { return this->frameGeometry().height(); }
  // Until the window manager has framed the window, the style's idea of a title bar.
  [[nodiscard]] int TitleBarHeight() const override {
    const int framed = this->geometry().top() - this->frameGeometry().top();
    return framed > 0 ? framed : this->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  }
  void FreezeWidthAndMinimumHeight() override {
    this->setFixedWidth(this->width());
    this->setMinimumHeight(this->height());
  }
  void Activate() override {
    this->raise();
    this->activateWindow();
  }
  // Told to the shown window at once, without re-creating it as setWindowFlags
  // would (which hides the window and shows it again).
  void SetStaysOnTop(bool onTop) override {
    Qt::WindowFlags flags = this->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    this->overrideWindowFlags(flags);
    if (QWindow* window = this->windowHandle()) window->setFlag(Qt::WindowStaysOnTopHint, onTop);
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::WindowActivate && OnActivate) OnActivate();
    if (event->type() == QEvent::WindowTitleChange) {
      // The caption is the window's accessible name; Qt does not tell a screen reader it changed.
      QAccessibleEvent renamed(this, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&renamed);
    }
    return Widget::event(event);
  }
  void showEvent(QShowEvent* event) override {
    if (!event->spontaneous() && OnShow) OnShow();
    Widget::showEvent(event);
  }
  // Whether a close request may go ahead.
  [[nodiscard]] bool MayClose() const { return !OnCloseQuery || OnCloseQuery(); }
};

}  // namespace ringlook::qt
