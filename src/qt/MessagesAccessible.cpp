// The messages view's accessible side: see MessagesAccessible.h.
#include "qt/MessagesAccessible.h"

#include <QPointer>
#include <QScrollBar>

#include "qt/QtRichView.h"

namespace ringlook::qt {

namespace {

QRect ScreenRect(const QtRichView& view, int start, int end) {
  QTextCursor from(view.document());
  from.setPosition(start);
  QTextCursor to(view.document());
  to.setPosition(end);
  const QRect area = view.cursorRect(from).united(view.cursorRect(to));
  return QRect(view.viewport()->mapToGlobal(area.topLeft()), area.size());
}

// One address: a link, named by its text, that a press opens as a click does.
class LinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  LinkAccessible(QtRichView* view, int index) : view_(view), index_(index) {}

  [[nodiscard]] bool isValid() const override { return view_ != nullptr && index_ < view_->Addresses().size(); }
  [[nodiscard]] QObject* object() const override { return nullptr; }
  [[nodiscard]] QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  [[nodiscard]] QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
  [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  [[nodiscard]] QString text(QAccessible::Text kind) const override {
    if (!isValid() || kind != QAccessible::Name) return {};
    const TextRange range = view_->Addresses()[index_];
    return view_->document()->toPlainText().mid(range.start, range.length);
  }
  void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
  [[nodiscard]] QRect rect() const override {
    if (!isValid()) return {};
    const TextRange range = view_->Addresses()[index_];
    return ScreenRect(*view_, static_cast<int>(range.start), static_cast<int>(range.start + range.length));
  }
  [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Link; }
  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.linked = true;
    state.readOnly = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid()) view_->OpenAddress(index_);
  }
  [[nodiscard]] QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

 private:
  QPointer<QtRichView> view_;
  int index_;
};

class ViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ViewAccessible(QtRichView* view) : QAccessibleWidget(view, QAccessible::EditableText), view_(view) {}

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.focusable = true;
    return state;
  }
  // The scroll bars and viewport first, as Qt gives them, then the links.
  [[nodiscard]] int childCount() const override {
    return QAccessibleWidget::childCount() + static_cast<int>(view_->Addresses().size());
  }
  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    return view_->LinkAccessibleAt(index - widgets, [this](int link) { return new LinkAccessible(view_, link); });
  }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    const int widgets = QAccessibleWidget::childCount();
    for (int link = 0; link < view_->Addresses().size(); ++link) {
      if (this->child(widgets + link) == child) return widgets + link;
    }
    return QAccessibleWidget::indexOfChild(child);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    const QTextCursor cursor = view_->textCursor();
    *startOffset = selectionIndex == 0 && cursor.hasSelection() ? cursor.selectionStart() : 0;
    *endOffset = selectionIndex == 0 && cursor.hasSelection() ? cursor.selectionEnd() : 0;
  }
  [[nodiscard]] int selectionCount() const override { return view_->textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int /*selectionIndex*/) override { view_->ClearSelection(); }
  void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override {
    QTextCursor cursor(view_->document());
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    view_->setTextCursor(cursor);
  }
  [[nodiscard]] int cursorPosition() const override { return view_->textCursor().position(); }
  void setCursorPosition(int position) override {
    QTextCursor cursor(view_->document());
    cursor.setPosition(position);
    view_->setTextCursor(cursor);
  }
  [[nodiscard]] QString text(int startOffset, int endOffset) const override {
    return view_->document()->toPlainText().mid(startOffset, endOffset - startOffset);
  }
  [[nodiscard]] int characterCount() const override { return view_->document()->characterCount() - 1; }
  [[nodiscard]] QRect characterRect(int offset) const override { return ScreenRect(*view_, offset, offset + 1); }
  [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
    return view_->cursorForPosition(view_->viewport()->mapFromGlobal(point)).position();
  }
  void scrollToSubstring(int startIndex, int /*endIndex*/) override {
    QTextCursor start(view_->document());
    start.setPosition(startIndex);
    const QRect at = view_->cursorRect(start);
    if (at.top() >= 0 && at.bottom() <= view_->viewport()->height()) return;
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->value() + at.top());
  }
  [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = offset;
    *endOffset = offset;
    return {};
  }

  using QAccessibleWidget::text;

 private:
  QtRichView* view_;
};

}  // namespace

QAccessibleInterface* MessagesViewAccessible(QtRichView* view) { return new ViewAccessible(view); }

}  // namespace ringlook::qt
