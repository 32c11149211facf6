// Accessible roles of our own widgets: see Accessibility.h.
#include "qt/Accessibility.h"

#include <QAccessibleWidget>

#include "qt/HelpWindow.h"
#include "qt/MessagesAccessible.h"
#include "qt/QtMainForm.h"
#include "qt/QtPanel.h"
#include "qt/QtRichView.h"
#include "qt/QtStatusBar.h"

namespace ringlook::qt {

namespace {

// Named by the caption: Qt would name a minimised window by its icon text,
// which here is the application title (a caller's name), not the window's.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

  [[nodiscard]] QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return widget()->windowTitle();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* OurRoles(const QString& className, QObject* object) {
  // Qt offers each class name of the object's chain in turn, most derived first.
  if (className == QLatin1String(QtMainForm::staticMetaObject.className()) ||
      className == QLatin1String(HelpWindow::staticMetaObject.className())) {
    return new WindowAccessible(static_cast<QWidget*>(object));
  }
  if (className == QLatin1String(QtStatusBar::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
  }
  if (className == QLatin1String("QTextBrowser")) {
    if (auto* view = dynamic_cast<QtRichView*>(object)) return MessagesViewAccessible(view);
  }
  if (className == QLatin1String(QtPanel::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() { QAccessible::installFactory(OurRoles); }

}  // namespace ringlook::qt
