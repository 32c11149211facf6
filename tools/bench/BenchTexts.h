// Server texts the benchmarks read: record lists of a chosen size.
#pragma once

#include <string>

namespace ringlook::bench {

// A HISTORY text (or another record-list message) of `records` calls; as the
// server sends it, every record carries the same count of today's calls.
inline std::string RecordListText(int records, const std::string& keyword = "HISTORY") {
  std::string text = keyword + "^";
  const std::string count = std::to_string(records);
  for (int i = 0; i < records; ++i) {
    text += "Bakkerij De Korenaar " + std::to_string(i) + "^" + std::to_string(i % 3) + "^Lijn 2 " +
            std::to_string(i % 17) + "^0" + std::to_string(100000000 + i) + "^" + count + "^~";
  }
  return text;
}

}  // namespace ringlook::bench
