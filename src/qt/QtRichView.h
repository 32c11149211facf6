// The messages view on a read-only QTextBrowser: the text is plain, the web and
// mail addresses in it are marked as links, and a left press on one, or Enter
// on one reached with Tab, selects the address and hands its exact text to
// OnUrlClick. Nothing is opened here.
#pragma once

#include <QAccessible>
#include <QTextBrowser>
#include <functional>
#include <vector>

#include "qt/AddressFinder.h"
#include "qt/QtControl.h"
#include "ui/RichView.h"

namespace ringlook::qt {

class QtRichView : public QtControl<QTextBrowser, ui::RichView> {
 public:
  explicit QtRichView(QWidget* parent);
  ~QtRichView() override;
  QtRichView(const QtRichView&) = delete;
  QtRichView& operator=(const QtRichView&) = delete;

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  void AppendLines(std::string_view text) override;
  // Lines as shown: a wrapped paragraph counts each of its lines, as the
  // platform's rich edit control counts them.
  [[nodiscard]] int LineCount() const override;
  void ScrollLines(int lines) override;
  [[nodiscard]] std::string SelectedText() const override;
  void ClearSelection() override;

  // The addresses marked as links, in order.
  [[nodiscard]] const QList<TextRange>& Addresses() const { return addresses_; }
  // Selects address index and hands it to OnUrlClick, as a click on it does.
  void OpenAddress(int index);
  // The accessible link of address index, made by make once and kept until the address goes.
  QAccessibleInterface* LinkAccessibleAt(int index, const std::function<QAccessibleInterface*(int)>& make) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Marks the addresses from position to the end, which begins a line, as links.
  void MarkAddressesFrom(int position);

  // Drops the accessible links of the addresses from index on.
  void ForgetLinksFrom(qsizetype index);

  QList<TextRange> addresses_;  // in order
  mutable std::vector<QAccessible::Id> linkIds_;
  bool linkPressed_ = false;
};

}  // namespace ringlook::qt
