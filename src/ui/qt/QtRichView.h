// The messages view on a read-only QTextBrowser: the text is plain, the web and
// mail addresses in it are marked as links, and a left press on one selects
// the address and hands its exact text to OnUrlClick. Nothing is opened here.
#pragma once

#include <QTextBrowser>

#include "ui/RichView.h"
#include "ui/qt/QtControl.h"
#include "ui/qt/WebAddresses.h"

namespace ringlook::qt {

class QtRichView : public QtControl<QTextBrowser, ui::RichView> {
 public:
  explicit QtRichView(QWidget* parent);

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  void AppendLines(std::string_view text) override;
  // Lines as shown: a wrapped paragraph counts each of its lines, as the
  // platform's rich edit control counts them.
  [[nodiscard]] int LineCount() const override;
  void ScrollLines(int lines) override;
  [[nodiscard]] std::string SelectedText() const override;
  void ClearSelection() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Marks the addresses from position to the end, which begins a line, as links.
  void MarkAddressesFrom(int position);

  QList<TextRange> addresses_;  // in order
  bool linkPressed_ = false;
};

}  // namespace ringlook::qt
