// A dialog on QDialog. Escape does not close it and no button is its default,
// so only its buttons and (where it has one) the close box end it; every way of
// closing asks OnCloseQuery first. The close box closes with Cancel.
#pragma once

#include <QDialog>

#include "qt/QtForm.h"

namespace ringlook::qt {

class QtDialogForm : public QtForm<QDialog> {
 public:
  explicit QtDialogForm(Qt::WindowFlags flags) : QtForm(flags) {}

  ui::ModalResult ShowModal() override;
  void Close(ui::ModalResult result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace ringlook::qt
