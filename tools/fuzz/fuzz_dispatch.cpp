// Drives the whole dispatch on the in-memory windows with arbitrary texts: the
// first byte picks the settings (pop-up, search bar open, messages window
// open, edit dialog waiting for the entry of 0612), the rest is split into
// texts at each 0x01 0x02 pair. The first text is dispatched; every later one
// arrives while a dispatch waits in a modal loop (the messages window, the
// nickname box) or, when none waits, after it. Besides crashes, what each text
// does itself, apart from the texts dispatched inside it, must hold: a MSG adds
// no line to the list, no text adds more than one message block, and only the
// awaited number's REPLYGET fills the edit dialog, once.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "HeadlessProgram.h"
#include "common/Text.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace {

using namespace ringlook;

constexpr std::string_view kTextSeparator = "\x01\x02";
constexpr std::string_view kAwaitedNumber = "0612";

std::deque<std::string> Texts(std::string_view input) {
  std::deque<std::string> texts;
  for (std::size_t at = input.find(kTextSeparator); at != std::string_view::npos; at = input.find(kTextSeparator)) {
    texts.emplace_back(input.substr(0, at));
    input.remove_prefix(at + kTextSeparator.size());
  }
  texts.emplace_back(input);
  return texts;
}

struct EditState {
  std::string number, name, note;
  bool alert = false;
  bool ok = false;
  bool operator==(const EditState&) const = default;
};

EditState EditOf(const ui::MemoryFormEdit& dialog) {
  return {dialog.Edit2.Text(), dialog.Edit1.Text(), dialog.Memo1.Text(), dialog.CheckBox1.Checked(),
          dialog.Button2.Enabled()};
}

// What the texts dispatched inside one text did.
struct Inside {
  int lines = 0;
  int blocks = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t settings = data[0];
  std::deque<std::string> texts = Texts(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  HeadlessProgram program;
  program.setupControls.Edit2.SetText("Jan");
  program.Connect();
  program.setupControls.CheckBox2.SetChecked((settings & 1U) != 0);
  program.mainControls.Panel2.SetVisible((settings & 2U) != 0);
  if ((settings & 4U) != 0) program.msgControls.Self.Show();
  bool awaiting = (settings & 8U) != 0;
  if (awaiting) program.edit.Prepare(kAwaitedNumber, false);
  program.mainControls.ListBox1.Add(std::string(66, ' ') + "0612345678");

  const ui::MemoryListBox& list = program.mainControls.ListBox1;
  const ui::MemoryRichView& view = program.msgControls.RichOntvang;
  const ui::MemoryFormEdit& dialog = program.editControls;
  int fills = 0;
  std::vector<Inside> open;
  auto dispatch = [&](const std::string& text) {
    const int linesBefore = list.Count();
    const int blocksBefore = view.Appends();
    const EditState editBefore = EditOf(dialog);
    const int fillsBefore = fills;
    const bool reply = net::HasKeyword(text, net::kReplyGet);
    const net::NumberRecord entry = net::ReadNumberRecord(net::DropThrough(text, net::kFieldSeparator));
    const bool fill = reply && awaiting && TrimmedView(entry.Number) == kAwaitedNumber;
    if (fill) {
      awaiting = false;
      ++fills;
    }
    open.emplace_back();
    program.main.Dispatch(text);
    const Inside inside = open.back();
    open.pop_back();
    const int lines = list.Count() - linesBefore;
    const int blocks = view.Appends() - blocksBefore;
    if (!open.empty()) {
      open.back().lines += lines;
      open.back().blocks += blocks;
    }
    if (net::HasKeyword(text, net::kMsg) && lines - inside.lines > 0) __builtin_trap();
    if (blocks - inside.blocks > 1) __builtin_trap();
    if (fill) {
      const EditState filled{entry.Number, entry.Name, entry.Note, editBefore.alert || entry.Flag == net::kFlagAlert,
                             true};
      if (EditOf(dialog) != filled) __builtin_trap();
    } else if (fills == fillsBefore && EditOf(dialog) != editBefore) {
      __builtin_trap();
    }
  };

  // A text waiting to arrive is dispatched inside whichever modal loop opens next.
  auto nextInside = [&] {
    if (texts.empty()) return;
    const std::string text = std::move(texts.front());
    texts.pop_front();
    dispatch(text);
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
