// Messages view: see QtRichView.h.
#include "ui/qt/QtRichView.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/qt/Cp1252.h"

namespace ringlook::qt {

namespace {

std::string CoreText(QString text) {
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return ToCp1252(text);
}

// Under a text longer than the view shows.
const QString kCutNote = QStringLiteral("\n(ingekort)");

QString ShownText(std::string_view text) {
  QString shown = FromCp1252(text, kShownTextLength);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (text.size() > kShownTextLength) shown += kCutNote;
  return shown;
}

}  // namespace

QtRichView::QtRichView(QWidget* parent) : QtControl(parent) {
  setReadOnly(true);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
}

std::string QtRichView::Text() const { return CoreText(document()->toRawText()); }

void QtRichView::SetText(std::string_view text) {
  setPlainText(ShownText(text));
  addresses_.clear();
  MarkAddressesFrom(0);
}

void QtRichView::AppendLines(std::string_view text) {
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  // No address spans a line break, so only one in the last line can run on into the new text.
  const int lastLine = end.block().position();
  end.insertText(ShownText(text), QTextCharFormat());
  MarkAddressesFrom(lastLine);
}

int QtRichView::LineCount() const {
  // Lays the document out to its end before the lines are counted.
  document()->documentLayout()->blockBoundingRect(document()->lastBlock());
  int lines = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    lines += std::max(1, block.layout()->lineCount());
  }
  return lines;
}

void QtRichView::ScrollLines(int lines) {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->value() + lines * fontMetrics().lineSpacing());
}

std::string QtRichView::SelectedText() const { return CoreText(textCursor().selectedText()); }

void QtRichView::ClearSelection() {
  // setTextCursor scrolls to the cursor, which would undo a scroll just made to
  // bring the newest lines into sight.
  const int shown = verticalScrollBar()->value();
  QTextCursor cursor = textCursor();
  cursor.clearSelection();
  setTextCursor(cursor);
  verticalScrollBar()->setValue(shown);
}

void QtRichView::MarkAddressesFrom(int position) {
  while (!addresses_.isEmpty() && addresses_.back().start >= position) addresses_.removeLast();
  QTextCursor rest(document());
  rest.setPosition(position);
  rest.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  rest.setCharFormat(QTextCharFormat());
  for (TextRange address : FindWebAddresses(rest.selectedText())) {
    address.start += position;
    addresses_.append(address);
    QTextCursor range(document());
    range.setPosition(static_cast<int>(address.start));
    range.setPosition(static_cast<int>(address.start + address.length), QTextCursor::KeepAnchor);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(range.selectedText());
    link.setForeground(palette().color(QPalette::Link));
    link.setFontUnderline(true);
    range.mergeCharFormat(link);
  }
}

void QtRichView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && !anchorAt(at).isEmpty()) {
    const qsizetype position = cursorForPosition(at).position();
    for (const TextRange& address : addresses_) {
      if (position < address.start || position > address.start + address.length) continue;
      QTextCursor range(document());
      range.setPosition(static_cast<int>(address.start));
      range.setPosition(static_cast<int>(address.start + address.length), QTextCursor::KeepAnchor);
      // The selection stays: it is how the address is read, and what the user sees.
      setTextCursor(range);
      linkPressed_ = true;
      event->accept();
      try {
        if (OnUrlClick) OnUrlClick(SelectedText());
      } catch (...) {
        // A failure while handling a link click has no visible effect by design.
      }
      return;
    }
  }
  QTextBrowser::mousePressEvent(event);
}

void QtRichView::mouseReleaseEvent(QMouseEvent* event) {
  if (linkPressed_ && event->button() == Qt::LeftButton) {
    linkPressed_ = false;
    event->accept();
    return;
  }
  QTextBrowser::mouseReleaseEvent(event);
}

}  // namespace ringlook::qt
