// In-memory window: see MemoryForm.h.
#include "memory/MemoryForm.h"

namespace ringlook::ui {

void MemoryForm::Show() {
  if (!visible_ && OnShow) OnShow();
  visible_ = true;
  if (OnActivate) OnActivate();
}

ModalResult MemoryForm::ShowModal() {
  // As on the desktop: a window closed by a handler that has not returned yet is
  // still in its modal showing, and cannot be shown modally a second time.
  if (inModalShowing_) return ModalResult::None;
  inModalShowing_ = true;
  ++modalShowings_;
  result_ = ModalResult::None;
  Show();
  // A refused close keeps the dialog open for the next scripted action; with none
  // left, a second refusal means nobody can close it, and the showing ends.
  int refusalsWithoutScript = 0;
  while (visible_) {
    if (!script_.empty()) {
      auto action = std::move(script_.front());
      script_.pop_front();
      action(*this);
    } else if (refusalsWithoutScript++ == 0) {
      Close(ModalResult::Cancel);
    } else {
      visible_ = false;
    }
  }
  inModalShowing_ = false;
  return result_;
}

void MemoryForm::Close(ModalResult result) {
  if (OnCloseQuery && !OnCloseQuery()) return;
  result_ = result;
  visible_ = false;
}

}  // namespace ringlook::ui
