// In-memory controls: see MemoryControls.h.
#include "memory/MemoryControls.h"

#include <algorithm>

#include "common/Text.h"

namespace ringlook::ui {

namespace {
bool InRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }
}  // namespace

std::string MemoryListBox::Item(int index) const {
  return InRange(index, lines_.size()) ? lines_[static_cast<std::size_t>(index)] : std::string();
}

void MemoryListBox::Insert(int index, std::string_view line) {
  const auto at = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), 0, lines_.size());
  lines_.emplace(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
  if (selected_ >= static_cast<int>(at)) ++selected_;
}

void MemoryListBox::SetItem(int index, std::string_view line) {
  if (InRange(index, lines_.size())) lines_[static_cast<std::size_t>(index)].assign(line);
}

void MemoryListBox::Clear() {
  lines_.clear();
  selected_ = -1;
}

void MemoryListBox::SetItemIndex(int index) { selected_ = InRange(index, lines_.size()) ? index : -1; }

std::string MemoryComboBox::Item(int index) const {
  return InRange(index, items_.size()) ? items_[static_cast<std::size_t>(index)] : std::string();
}

void MemoryComboBox::Add(std::string_view item) {
  std::string entry(item);
  auto at = std::upper_bound(items_.begin(), items_.end(), entry, LessIgnoringCase);
  const auto pos = static_cast<int>(at - items_.begin());
  items_.insert(at, std::move(entry));
  if (selected_ >= pos) ++selected_;
}

void MemoryComboBox::Clear() {
  items_.clear();
  selected_ = -1;
}

void MemoryComboBox::SetItemIndex(int index) { selected_ = InRange(index, items_.size()) ? index : -1; }

std::string MemoryStatusBar::PanelText(int panel) const {
  return InRange(panel, texts_.size()) ? texts_[static_cast<std::size_t>(panel)] : std::string();
}

void MemoryStatusBar::SetPanelText(int panel, std::string_view text) {
  if (InRange(panel, texts_.size())) texts_[static_cast<std::size_t>(panel)].assign(text);
}

Bevel MemoryStatusBar::PanelBevel(int panel) const {
  return InRange(panel, bevels_.size()) ? bevels_[static_cast<std::size_t>(panel)] : Bevel::Lowered;
}

void MemoryStatusBar::SetPanelBevel(int panel, Bevel bevel) {
  if (InRange(panel, bevels_.size())) bevels_[static_cast<std::size_t>(panel)] = bevel;
}

void MemoryRichView::SetText(std::string_view text) {
  text_.assign(text);
  selected_.clear();
  firstVisibleLine_ = 0;
}

void MemoryRichView::AppendLines(std::string_view text) {
  text_.append(text);
  ++appends_;
}

int MemoryRichView::LineCount() const {
  int lines = 1;
  for (std::size_t at = text_.find("\r\n"); at != std::string::npos; at = text_.find("\r\n", at + 2)) ++lines;
  return lines;
}

}  // namespace ringlook::ui
