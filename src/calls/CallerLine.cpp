// The caller list line: see CallerLine.h.
#include "calls/CallerLine.h"

#include "common/Text.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::calls {

namespace {
constexpr std::size_t kNameWidth = 38;
constexpr std::size_t kDetailWidth = 16;
constexpr std::size_t kMiddleEnd = 65;
constexpr std::size_t kChangeKeptFrom = 41;
constexpr std::size_t kReadBackLimit = 200;

// Name column, marker and blank: the start every line and every change shares.
std::string LineStart(std::string_view name, std::string_view flag) {
  std::string line = PadRight(FirstChars(name, kNameColumn), kNameWidth);
  line += Marker(flag);
  line += ' ';
  return line;
}
}  // namespace

std::string Marker(std::string_view flag) {
  if (flag == net::kFlagPlain) return " ";
  if (flag == net::kFlagNote) return "-";
  if (flag == net::kFlagAlert) return "x";
  return std::string(flag);
}

CallerLine FormatCallerRecord(std::string_view record) {
  CallerLine out;
  out.Name = net::NextField(record);
  out.Flag = net::NextField(record);
  std::string line = LineStart(out.Name, out.Flag);
  line += FirstChars(net::NextField(record), kDetailWidth);
  // Cut, then pad: a missing or longer marker must not move the number.
  line = PadRight(FirstChars(line, kMiddleEnd), kNumberPosition - 1);
  line += net::NextField(record);
  out.TodayCount = net::NextField(record);
  out.Line = std::move(line);
  return out;
}

std::string ChangedLine(std::string_view oldLine, std::string_view newName, std::string_view newFlag) {
  return LineStart(newName, newFlag) + std::string(CopyFrom(oldLine, kChangeKeptFrom, kReadBackLimit));
}

std::string LineNumber(std::string_view line) { return Trimmed(CopyFrom(line, kNumberPosition - 1, kReadBackLimit)); }

std::string LineName(std::string_view line) { return Trimmed(FirstChars(line, kNameColumn)); }

}  // namespace ringlook::calls
