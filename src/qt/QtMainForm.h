// The main window. It previews every key pressed in it before the focused
// control does (OnKeyDown; a key set to 0 goes no further), opens its context
// menu on a right click anywhere that no control claims for itself, and on the
// menu key or Shift+F10 at the list's selected line, telling the list first
// over which line it opens (OnPopup), and asks OnCloseQuery before it closes,
// however the close was asked for.
#pragma once

#include <QEventLoop>
#include <QMenu>
#include <QWidget>

#include "qt/QtForm.h"
#include "qt/QtListBox.h"

namespace ringlook::qt {

class QtMainForm : public QtForm<QWidget> {
  // its class name gives it the window role (Accessibility.h)
  Q_OBJECT

 public:
  QtMainForm();

  ui::ModalResult ShowModal() override;
  void Close(ui::ModalResult result) override;

  // list: the caller list, told over which of its lines the menu opens.
  void SetContextMenu(QMenu* menu, QtListBox* list = nullptr) {
    contextMenu_ = menu;
    list_ = list;
  }
  [[nodiscard]] QMenu* ContextMenu() const { return contextMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void OpenContextMenu(bool byKeyboard, const QPoint& globalPos);

  QMenu* contextMenu_ = nullptr;
  QtListBox* list_ = nullptr;
  QEventLoop* modalLoop_ = nullptr;
  ui::ModalResult result_ = ui::ModalResult::None;
};

}  // namespace ringlook::qt
