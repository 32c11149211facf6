// Main window: see QtMainForm.h.
#include "qt/QtMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>

#include "qt/QtKeys.h"

namespace ringlook::qt {

QtMainForm::QtMainForm() : QtForm(Qt::Window) {
  // Keys reach the focused control first; only an application filter sees them before it.
  QApplication::instance()->installEventFilter(this);
}

ui::ModalResult QtMainForm::ShowModal() {
  result_ = ui::ModalResult::None;
  setWindowModality(Qt::ApplicationModal);
  show();
  QEventLoop loop;
  modalLoop_ = &loop;
  loop.exec(QEventLoop::DialogExec);
  modalLoop_ = nullptr;
  setWindowModality(Qt::NonModal);
  return result_;
}

void QtMainForm::Close(ui::ModalResult result) {
  result_ = result;
  close();
}

bool QtMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !OnKeyDown) return false;
  // A key travels from the focused control up through its parents; it is
  // previewed once, when it reaches the first of them.
  QWidget* first = QApplication::focusWidget();
  if (first == nullptr) first = this;
  if (watched != first || first->window() != this) return false;
  const auto& press = static_cast<const QKeyEvent&>(*event);
  // The menu key's own event comes by itself; Shift+F10 is its other way on Windows desktops.
  if (press.key() == Qt::Key_F10 && press.modifiers() == Qt::ShiftModifier && contextMenu_ != nullptr) {
    OpenContextMenu(true, QCursor::pos());
    return true;
  }
  int key = VirtualKey(press);
  if (key == 0) return false;
  OnKeyDown(key, ShiftStateOf(press));
  return key == 0;
}

void QtMainForm::contextMenuEvent(QContextMenuEvent* event) {
  if (contextMenu_ == nullptr) {
    event->ignore();
    return;
  }
  OpenContextMenu(event->reason() == QContextMenuEvent::Keyboard, event->globalPos());
  event->accept();
}

void QtMainForm::OpenContextMenu(bool byKeyboard, const QPoint& globalPos) {
  QPoint at = globalPos;
  if (list_ != nullptr) {
    QWidget* lines = list_->viewport();
    int index = -1;
    if (byKeyboard) {
      index = list_->ItemIndex();
      // Beside the line it works on, since the pointer may be anywhere.
      if (index >= 0) at = lines->mapToGlobal(list_->visualRect(list_->model()->index(index, 0)).center());
    } else if (lines->rect().contains(lines->mapFromGlobal(globalPos))) {
      index = list_->indexAt(lines->mapFromGlobal(globalPos)).row();
    }
    if (list_->OnPopup) list_->OnPopup(index);
  }
  contextMenu_->popup(at);
}

void QtMainForm::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

void QtMainForm::hideEvent(QHideEvent* event) {
  // Minimising hides the window too; only a real hide ends a modal showing.
  if (modalLoop_ != nullptr && !event->spontaneous()) modalLoop_->quit();
  QtForm::hideEvent(event);
}

}  // namespace ringlook::qt
