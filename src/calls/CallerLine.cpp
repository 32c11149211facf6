// The caller list line: see CallerLine.h.
#include "calls/CallerLine.h"

#include "common/Text.h"
#include "net/Fields.h"

namespace ringlook::calls {

namespace {
constexpr std::size_t kNameWidth = 38;
constexpr std::size_t kDetailWidth = 16;
constexpr std::size_t kMiddleEnd = 65;
constexpr std::size_t kChangeKeptFrom = 41;
constexpr std::size_t kReadBackLimit = 200;

// Name column, marker and blank: the start every line and every change shares.
void AppendLineStart(std::string& line, std::string_view name, std::string_view flag) {
  const std::string_view shown = FirstChars(name, kNameColumn);
  line.append(shown).append(kNameWidth - shown.size(), ' ');
  line += Marker(flag);
  line += ' ';
}
}  // namespace

std::string Marker(std::string_view flag) {
  if (flag == net::kFlagPlain) return " ";
  if (flag == net::kFlagNote) return "-";
  if (flag == net::kFlagAlert) return "x";
  return std::string(flag);
}

// Built in place, in one buffer: a history of 100,000 calls makes as many lines.
std::string FormatCallerRecord(const net::CallerRecord& caller) {
  std::string line;
  line.reserve(kNumberPosition - 1 + caller.Number.size());
  AppendLineStart(line, caller.Name, caller.Flag);
  line += FirstChars(caller.Detail, kDetailWidth);
  // Cut, then pad: a missing or longer marker must not move the number.
  if (line.size() > kMiddleEnd) line.resize(kMiddleEnd);
  line.resize(kNumberPosition - 1, ' ');
  line += caller.Number;
  return line;
}

std::string FormatCallerRecord(std::string_view record) { return FormatCallerRecord(net::CallerRecord::Read(record)); }

std::string ChangedLine(std::string_view oldLine, std::string_view newName, std::string_view newFlag) {
  std::string line;
  AppendLineStart(line, newName, newFlag);
  return line.append(CopyFrom(oldLine, kChangeKeptFrom, kReadBackLimit));
}

std::string LineNumber(std::string_view line) { return Trimmed(CopyFrom(line, kNumberPosition - 1, kReadBackLimit)); }

std::string LineName(std::string_view line) { return Trimmed(FirstChars(line, kNameColumn)); }

std::string LineMarker(std::string_view line) { return Trimmed(CopyFrom(line, kNameWidth + 1, 1)); }

std::string LineDetail(std::string_view line) { return Trimmed(CopyFrom(line, kChangeKeptFrom, kDetailWidth)); }

}  // namespace ringlook::calls
