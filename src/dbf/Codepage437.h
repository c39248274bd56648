#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dbf::cp437
{

// Converts code page 437 bytes to UTF-8.
std::string toUtf8(std::string_view bytes);

// Converts UTF-8 to code page 437. Returns the offending character (as UTF-8)
// in `unmappable` and std::nullopt when the text holds one that code page 437
// cannot store; invalid UTF-8 counts as unmappable too.
std::optional<std::string> fromUtf8(std::string_view utf8, std::string* unmappable = nullptr);

// Upper-cases one code page 437 byte: a to z, and the accented letters that
// have an upper-case form in the code page.
unsigned char upper(unsigned char c);

} // namespace dbf::cp437
