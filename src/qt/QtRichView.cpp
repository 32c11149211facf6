// Messages view: see QtRichView.h.
#include "qt/QtRichView.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "qt/Cp1252.h"

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
  // Enter on a link that Tab moved to; a click is taken on the press, below.
  connect(this, &QTextBrowser::anchorClicked, this, [this] {
    const int at = textCursor().selectionStart();
    for (int i = 0; i < addresses_.size(); ++i) {
      if (at >= addresses_[i].start && at < addresses_[i].start + addresses_[i].length) OpenAddress(i);
    }
  });
}

QtRichView::~QtRichView() { ForgetLinksFrom(0); }

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

void QtRichView::ForgetLinksFrom(qsizetype index) {
  while (static_cast<qsizetype>(linkIds_.size()) > index) {
    if (linkIds_.back() != 0) QAccessible::deleteAccessibleInterface(linkIds_.back());
    linkIds_.pop_back();
  }
}

QAccessibleInterface* QtRichView::LinkAccessibleAt(int index,
                                                   const std::function<QAccessibleInterface*(int)>& make) const {
  if (index < 0 || index >= addresses_.size()) return nullptr;
  if (linkIds_.size() <= static_cast<std::size_t>(index)) linkIds_.resize(static_cast<std::size_t>(index) + 1, 0);
  QAccessible::Id& id = linkIds_[static_cast<std::size_t>(index)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(make(index));
  return QAccessible::accessibleInterface(id);
}

void QtRichView::OpenAddress(int index) {
  if (index < 0 || index >= addresses_.size()) return;
  const TextRange& address = addresses_[index];
  QTextCursor range(document());
  range.setPosition(static_cast<int>(address.start));
  range.setPosition(static_cast<int>(address.start + address.length), QTextCursor::KeepAnchor);
  // The selection stays: it is how the address is read, and what the user sees.
  setTextCursor(range);
  try {
    if (OnUrlClick) OnUrlClick(SelectedText());
  } catch (...) {
    // A failure while handling a link click has no visible effect by design.
  }
}

void QtRichView::MarkAddressesFrom(int position) {
  while (!addresses_.isEmpty() && addresses_.back().start >= position) addresses_.removeLast();
  ForgetLinksFrom(addresses_.size());
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
    for (int i = 0; i < addresses_.size(); ++i) {
      if (position < addresses_[i].start || position > addresses_[i].start + addresses_[i].length) continue;
      linkPressed_ = true;
      event->accept();
      OpenAddress(i);
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
