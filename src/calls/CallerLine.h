// The fixed-width list line of one call: the name column (38), the marker, the
// first 16 bytes of the detail, blanks to position 66, and the number from
// position 67 on. The line is the only copy of a call the client keeps, so the
// number is found again by that fixed position.
#pragma once

#include <string>
#include <string_view>

#include "net/Messages.h"

namespace ringlook::calls {

inline constexpr std::size_t kNameColumn = 37;
inline constexpr std::size_t kNumberPosition = 67;

// " " for "0", "-" for "1", "x" for "2"; any other flag stands as it is.
std::string Marker(std::string_view flag);

// One call's line.
std::string FormatCallerRecord(const net::CallerRecord& caller);
// The line of a record's text.
std::string FormatCallerRecord(std::string_view record);

// The line after a change notice: the new name and marker, the old line from
// position 41 on (at most 200 bytes), so the detail and the number stay put.
std::string ChangedLine(std::string_view oldLine, std::string_view newName, std::string_view newFlag);

// The number: the line from position 66, at most 200 bytes, trimmed.
std::string LineNumber(std::string_view line);
// The name: the first 37 bytes, trimmed.
std::string LineName(std::string_view line);
// The marker (position 39) and the detail (41 to 56), trimmed.
std::string LineMarker(std::string_view line);
std::string LineDetail(std::string_view line);

}  // namespace ringlook::calls
