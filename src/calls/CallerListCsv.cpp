// The caller list as CSV: see CallerListCsv.h.
#include "calls/CallerListCsv.h"

#include <algorithm>

#include "calls/CallerLine.h"
#include "common/LocalTime.h"
#include "common/Text.h"

namespace ringlook::calls {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// The note marker "-" alone computes nothing, and reads better bare.
bool BeginsAsFormula(std::string_view text) {
  return !text.empty() && text != "-" && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

bool LeadingZeroDigits(std::string_view text) {
  return text.size() > 1 && text.front() == '0' &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string CsvField(std::string_view bytes) {
  std::string text = Utf8FromCp1252(bytes);
  if (BeginsAsFormula(text)) {
    text.insert(0, 1, '\'');
  } else if (LeadingZeroDigits(text)) {
    text = "=\"" + text + "\"";
  }
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CallerListCsv(const std::vector<std::string>& lines) {
  std::string csv(kByteOrderMark);
  csv.append("Naam;Markering;Detail;Nummer").append(kLineEnd);
  for (const std::string& line : lines) {
    if (TrimmedView(line).empty()) continue;
    csv.append(CsvField(LineName(line)))
        .append(";")
        .append(CsvField(LineMarker(line)))
        .append(";")
        .append(CsvField(LineDetail(line)))
        .append(";")
        .append(CsvField(LineNumber(line)))
        .append(kLineEnd);
  }
  return csv;
}

std::string CsvFileName(double days) { return "Ringlook-" + IsoDate(days) + ".csv"; }

}  // namespace ringlook::calls
