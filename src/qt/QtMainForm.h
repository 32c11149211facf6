// The main window. It previews every key pressed in it before the focused
// control does (OnKeyDown; a key set to 0 goes no further), opens its context
// menu on a right click anywhere that no control claims for itself, and asks
// OnCloseQuery before it closes, however the close was asked for.
#pragma once

#include <QEventLoop>
#include <QMenu>
#include <QWidget>

#include "qt/QtForm.h"

namespace ringlook::qt {

class QtMainForm : public QtForm<QWidget> {
  // its class name gives it the window role (Accessibility.h)
  Q_OBJECT

 public:
  QtMainForm();

  ui::ModalResult ShowModal() override;
  void Close(ui::ModalResult result) override;

  void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }
  [[nodiscard]] QMenu* ContextMenu() const { return contextMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QMenu* contextMenu_ = nullptr;
  QEventLoop* modalLoop_ = nullptr;
  ui::ModalResult result_ = ui::ModalResult::None;
};

}  // namespace ringlook::qt
