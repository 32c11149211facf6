// Drives the whole dispatch on the in-memory windows with arbitrary texts: the
// first byte picks the settings (pop-up, search bar open, messages window
// open), the rest is split into texts at each 0x01 0x02 pair. The first text
// is dispatched; every later one arrives while a dispatch waits in a modal loop
// (the messages window, the nickname box) or, when none waits, after it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "HeadlessProgram.h"

namespace {

constexpr std::string_view kTextSeparator = "\x01\x02";

std::deque<std::string> Texts(std::string_view input) {
  std::deque<std::string> texts;
  for (std::size_t at = input.find(kTextSeparator); at != std::string_view::npos; at = input.find(kTextSeparator)) {
    texts.emplace_back(input.substr(0, at));
    input.remove_prefix(at + kTextSeparator.size());
  }
  texts.emplace_back(input);
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace ringlook;
  const std::uint8_t settings = data[0];
  std::deque<std::string> texts = Texts(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  HeadlessProgram program;
  program.setupControls.Edit2.SetText("Jan");
  program.Connect();
  program.setupControls.CheckBox2.SetChecked((settings & 1U) != 0);
  program.mainControls.Panel2.SetVisible((settings & 2U) != 0);
  if ((settings & 4U) != 0) program.msgControls.Self.Show();
  program.mainControls.ListBox1.Add(std::string(66, ' ') + "0612345678");

  // A text waiting to arrive is dispatched inside whichever modal loop opens next.
  auto nextInside = [&] {
    if (texts.empty()) return;
    std::string text = std::move(texts.front());
    texts.pop_front();
    program.main.Dispatch(std::move(text));
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    program.msgControls.Self.WhenShownModal([&](ui::MemoryForm& window) {
      nextInside();
      window.Close(ui::ModalResult::Cancel);
    });
    program.app.AnswerNextBox(ui::MessageAnswer::Ok, nextInside);
  }
  while (!texts.empty()) nextInside();
  return 0;
}
