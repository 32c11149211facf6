// Byte-text helpers shared by every subsystem: texts are 8-bit bytes in the
// server's code page, positions count from 1, comparisons are byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace ringlook {

// Removes every leading and trailing byte whose value is 0 to 32; inner bytes stay.
std::string_view TrimmedView(std::string_view text);
std::string Trimmed(std::string_view text);

// Replaces only the bytes a to z by A to Z; accented letters stay as they are.
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
std::string UpperCased(std::string_view text);

// The first n bytes of text, or the whole text when it is shorter.
std::string_view FirstChars(std::string_view text, std::size_t n);

// The bytes from 1-based position pos on, at most n of them (empty past the end).
std::string_view CopyFrom(std::string_view text, std::size_t pos, std::size_t n);

// ASCII-only case-insensitive equality, as used for socket targets and value names.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// ASCII-only case-insensitive ordering, byte for byte: the order of a sorted list.
bool LessIgnoringCase(std::string_view a, std::string_view b);

// Signed decimal integer conversion; false for empty, junk or out-of-range text.
bool ParseInt(std::string_view text, int& value);

// The bytes read as Windows-1252, written as UTF-8; the five bytes the code
// page leaves undefined stand for the C1 controls of the same value.
std::string Utf8FromCp1252(std::string_view bytes);

}  // namespace ringlook
