// The caller list as a CSV file that a Dutch spreadsheet opens as it is: UTF-8
// with a byte-order mark, ";" between fields, the header
// "Naam;Markering;Detail;Nummer", and quotes where a field needs them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ringlook::calls {

// One field: decoded from Windows-1252, guarded and quoted. A field that
// begins as a formula would ("=", "+", "-", "@", a tab or a carriage return;
// but the note marker "-" alone)
// gets an apostrophe first, which spreadsheets read as "this is text"; digits
// with a leading zero are written as the text formula ="0201234567", the one
// form that keeps the zero when the file is opened by a double click.
std::string CsvField(std::string_view bytes);

// The file's bytes for the list's lines, top to bottom; lines of blanks only
// (the end of a history list) are left out.
std::string CallerListCsv(const std::vector<std::string>& lines);

// The file name the save dialog offers for the date-time days: "Ringlook-YYYY-MM-DD.csv".
std::string CsvFileName(double days);

}  // namespace ringlook::calls
