// Dialog: see QtDialogForm.h.
#include "qt/QtDialogForm.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace ringlook::qt {

ui::ModalResult QtDialogForm::ShowModal() { return static_cast<ui::ModalResult>(exec()); }

void QtDialogForm::Close(ui::ModalResult result) {
  if (MayClose()) done(static_cast<int>(result));
}

void QtDialogForm::keyPressEvent(QKeyEvent* event) {
  // QDialog would reject on Escape, past OnCloseQuery; these dialogs have no cancel key.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void QtDialogForm::closeEvent(QCloseEvent* event) {
  if (!isVisible()) {
    event->accept();
    return;
  }
  if (!MayClose()) {
    event->ignore();
    return;
  }
  done(static_cast<int>(ui::ModalResult::Cancel));
  event->accept();
}

}  // namespace ringlook::qt
