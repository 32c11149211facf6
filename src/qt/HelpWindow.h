// The help window: the Dutch manual shipped inside the program, opened at the
// section for a help context (100: the main window, F1) or a topic
// ("Imported_Topic1", from the Help menu item: the contents).
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace ringlook::qt {

class HelpWindow : public QWidget {
  // its class name gives it the window role (Accessibility.h)
  Q_OBJECT

 public:
  HelpWindow();

  void ShowContext(int context);
  void ShowTopic(const QString& topic);

  // The section the window was last opened at.
  [[nodiscard]] const QString& Anchor() const { return anchor_; }
  [[nodiscard]] const QTextBrowser& Browser() const { return *browser_; }

 private:
  void ShowAnchor(const QString& anchor);

  QTextBrowser* browser_;
  QString anchor_;
};

}  // namespace ringlook::qt
