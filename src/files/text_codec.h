#pragma once
// Text of list files: written as UTF-8; read as UTF-8 when the bytes are valid UTF-8, and
// otherwise as Windows-1252, the code page of rosters saved by the older Windows program.

#include <string>
#include <string_view>

namespace files {

bool IsValidUtf8(std::string_view bytes);

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control characters of the same value, so nothing is ever dropped.
std::string Windows1252ToUtf8(std::string_view bytes);

// A leading UTF-8 byte-order mark is dropped.
std::string DecodeListText(std::string_view bytes);

}  // namespace files
