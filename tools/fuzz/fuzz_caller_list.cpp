// Formats arbitrary records into the caller list and applies arbitrary change
// notices to it. Besides crashes, a change notice must never add or remove a
// line, and must leave every line of another number exactly as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "HeadlessProgram.h"
#include "calls/CallerLine.h"
#include "net/Messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ringlook;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  HeadlessProgram program;
  ui::MemoryListBox& list = program.mainControls.ListBox1;
  // Records up to the first blank line, change notices after it.
  const std::size_t split = input.find("\n\n");
  std::string_view records = input.substr(0, split);
  const std::string_view notices = split == std::string_view::npos ? std::string_view() : input.substr(split + 2);
  while (!records.empty()) {
    const std::size_t end = records.find('\n');
    list.Insert(0, program.main.ListBoxTrim(net::CallerRecord::Read(records.substr(0, end))));
    records = end == std::string_view::npos ? std::string_view() : records.substr(end + 1);
  }
  std::string_view rest = notices;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view notice = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const net::ChangeNotice change = net::ReadChangeNotice(notice);
    const std::vector<std::string> before = list.Lines();
    program.main.Wijzig(change);
    if (list.Lines().size() != before.size()) __builtin_trap();
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (calls::LineNumber(before[i]) != change.Number && list.Lines()[i] != before[i]) __builtin_trap();
    }
  }
  return 0;
}
