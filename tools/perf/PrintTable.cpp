// The table of figures: see Measure.h.
#include <cstdio>

#include "Measure.h"

namespace ringlook::perf {

void PrintTable(const std::vector<Row>& rows) {
  std::printf("%-60s %12s %12s %9s  %-26s %s\n", "figure", "value", "floor", "ratio", "budget", "");
  for (const Row& row : rows) {
    const char* verdict = row.Budget.empty() ? "" : (row.Pass ? "pass" : "FAIL");
    std::printf("%-60s %8.1f %-3s %8.1f %-3s %9.2f  %-26s %s\n", row.Figure.c_str(), row.Value, row.Unit.c_str(),
                row.Floor, row.Unit.c_str(), row.Ratio, row.Budget.empty() ? "-" : row.Budget.c_str(), verdict);
    if (!row.Note.empty()) std::printf("    %s\n", row.Note.c_str());
  }
}

}  // namespace ringlook::perf
