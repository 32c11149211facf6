// Main window: see QtMainForm.h.
#include "qt/QtMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>

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
  contextMenu_->popup(event->globalPos());
  event->accept();
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
