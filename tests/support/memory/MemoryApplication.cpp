// In-memory application: see MemoryApplication.h.
#include "memory/MemoryApplication.h"

#include <algorithm>

#include "calls/CallerActions.h"

namespace ringlook::ui {

void MemoryApplication::Restore() {
  minimized_ = false;
  ++restores_;
}

void MemoryApplication::RaiseWithoutActivating(Form& /*form*/) {
  if (minimized_) Restore();
  ++raises_;
}

MessageAnswer MemoryApplication::MessageBox(std::string_view text, MessageKind kind) {
  boxes_.push_back({std::string(text), kind});
  if (answers_.empty()) return kind == MessageKind::Confirmation ? MessageAnswer::No : MessageAnswer::Ok;
  Answer next = std::move(answers_.front());
  answers_.pop_front();
  if (next.whileOpen) next.whileOpen();
  return next.answer;
}

void MemoryApplication::AnswerNextBox(MessageAnswer answer, std::function<void()> whileOpen) {
  answers_.push_back({answer, std::move(whileOpen)});
}

bool MemoryApplication::Call(std::string_view address) {
  const std::string scheme(calls::SchemeOf(address));
  if (std::find(callSchemes_.begin(), callSchemes_.end(), scheme) == callSchemes_.end()) return false;
  called_.emplace_back(address);
  return true;
}

SaveResult MemoryApplication::SaveFile(std::string_view /*suggestedName*/, std::string_view bytes) {
  if (saveResult_ == SaveResult::Saved) savedBytes_.assign(bytes);
  return saveResult_;
}

}  // namespace ringlook::ui
