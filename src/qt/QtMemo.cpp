// Multi-line text field: see QtMemo.h.
#include "qt/QtMemo.h"

#include <QMimeData>

#include "qt/Cp1252.h"
#include "qt/FieldColour.h"
#include "qt/QtKeys.h"

namespace ringlook::qt {

namespace {

// Takes the character at `at` and returns the bytes it takes in the core's text:
// a line break (CR LF, or any one break character) two, a character outside
// the basic plane one.
qsizetype CostOf(QStringView text, qsizetype& at) {
  const QChar c = text.at(at++);
  if (c == u'\r' && at < text.size() && text.at(at) == u'\n') ++at;
  if (c.isHighSurrogate() && at < text.size() && text.at(at).isLowSurrogate()) ++at;
  return IsLineBreak(c) ? 2 : 1;
}

qsizetype LengthOf(QStringView text) {
  qsizetype length = 0;
  for (qsizetype at = 0; at < text.size();) length += CostOf(text, at);
  return length;
}

}  // namespace

QtMemo::QtMemo(QWidget* parent, int maxLength) : QtControl(parent), maxLength_(maxLength) {}

std::string QtMemo::Text() const {
  // The raw text keeps no-break spaces, which the plain-text export turns into blanks.
  QString raw = document()->toRawText();
  raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return ToCp1252(raw);
}

void QtMemo::SetText(std::string_view text) {
  // A number's note is sent with its first 1024 characters at most, so what
  // the logic reads back of a longer text is all there.
  QString plain = FromCp1252(text, kShownTextLength);
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(plain);
}

void QtMemo::SetBackground(ui::Colour colour) {
  background_ = colour;
  ApplyFieldColour(*this, colour);
}

QString QtMemo::Fitting(const QString& incoming) const {
  if (maxLength_ <= 0) return incoming;
  const qsizetype used = LengthOf(document()->toRawText()) - LengthOf(textCursor().selectedText());
  qsizetype room = maxLength_ - used;
  qsizetype at = 0;
  while (at < incoming.size()) {
    qsizetype next = at;
    room -= CostOf(incoming, next);
    if (room < 0) break;
    at = next;
  }
  return incoming.left(at);
}

void QtMemo::keyPressEvent(QKeyEvent* event) {
  const auto typed = TypedCharacter(*event);
  if (typed && OnKeyPress) {
    char key = *typed;
    OnKeyPress(key);
    if (key == 0) {
      event->accept();
      return;
    }
  }
  // A key that types what the code page cannot hold (or an accent apart) puts in its typable form.
  if (const QString text = TypedText(*event); !typed && !text.isEmpty() && !isReadOnly()) {
    event->accept();
    if (const QString typable = Fitting(TypableText(text, true)); !typable.isEmpty()) insertPlainText(typable);
    return;
  }
  if (typed && *typed != '\b' && *typed != '\x1b' && !isReadOnly()) {
    const QString inserted = *typed == '\r' ? QStringLiteral("\n") : event->text();
    if (Fitting(inserted).size() < inserted.size()) {
      event->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void QtMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  QMimeData fitting;
  fitting.setText(Fitting(TypableText(source->text(), true)));
  QPlainTextEdit::insertFromMimeData(&fitting);
}

void QtMemo::inputMethodEvent(QInputMethodEvent* event) {
  const QString fitting = Fitting(TypableText(event->commitString(), true));
  if (fitting == event->commitString()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent cut(event->preeditString(), event->attributes());
  cut.setCommitString(fitting, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&cut);
}

}  // namespace ringlook::qt
