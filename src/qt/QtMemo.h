// A multi-line text field on QPlainTextEdit. Its text is the core's: lines
// joined by CR LF, and the length limit counts those two bytes per line break,
// for typing, pasting, dropping and input methods alike. What the user puts in
// is typable text (Cp1252.h), so what it shows is what it sends.
#pragma once

#include <QPlainTextEdit>

#include "qt/QtControl.h"
#include "ui/Edit.h"

namespace ringlook::qt {

class QtMemo : public QtControl<QPlainTextEdit, ui::Memo> {
 public:
  // maxLength 0: no limit. The limit holds for the user, not for SetText.
  explicit QtMemo(QWidget* parent, int maxLength = 0);

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] bool ReadOnly() const override { return isReadOnly(); }
  void SetReadOnly(bool readOnly) override { setReadOnly(readOnly); }
  [[nodiscard]] ui::Colour Background() const override { return background_; }
  void SetBackground(ui::Colour colour) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // The longest start of incoming (typable) that fits in what the limit leaves, counting
  // the selection it replaces as free.
  [[nodiscard]] QString Fitting(const QString& incoming) const;

  int maxLength_;
  ui::Colour background_ = ui::Colour::Window;
};

}  // namespace ringlook::qt
