// The record-list reading two ways, on the same text. The program's moves through
// one buffer by views; the literal copy-the-rest reading copies what is left into
// a new string after each record, as a naive reader would. Both read every
// record's fields, so they differ only in how the rest is kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::bench {

// The program's reading of a list (the text after the keyword): records and
// fields. Returns the bytes of the fields read, so the work cannot be left out.
inline std::size_t ReadRecordsAndFields(std::string_view list) {
  std::size_t fields = 0;
  net::ReadRecordList(list, [&](std::string_view record) {
    const net::CallerRecord r = net::CallerRecord::Read(record);
    fields += r.Name.size() + r.Flag.size() + r.Detail.size() + r.Number.size() + r.TodayCount.size();
    return true;
  });
  return fields;
}

// The same records and fields, with the rest copied after every record.
inline std::size_t ReadCopyingTheRest(std::string_view list) {
  // The record list's own rule: a rest of 10 bytes or fewer holds no record.
  constexpr std::size_t kShortestList = 10;
  std::string rest(list);
  std::size_t fields = 0;
  while (rest.size() > kShortestList) {
    const net::CallerRecord r = net::CallerRecord::Read(net::FieldBefore(rest, net::kRecordSeparator));
    fields += r.Name.size() + r.Flag.size() + r.Detail.size() + r.Number.size() + r.TodayCount.size();
    if (rest.find(net::kRecordSeparator) == std::string::npos) break;
    rest = std::string(net::DropThrough(rest, net::kRecordSeparator));
  }
  return fields;
}

}  // namespace ringlook::bench
