#pragma once
// Text of list files: written as UTF-8; read as UTF-8 (with or without a byte-order mark),
// as UTF-16 when a byte-order mark says so (some spreadsheet programs save text that way),
// and otherwise as Windows-1252, the code page of rosters saved by the older Windows program.

#include <string>
#include <string_view>

namespace files {

bool IsValidUtf8(std::string_view bytes);

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control characters of the same value, so nothing is ever dropped.
std::string Windows1252ToUtf8(std::string_view bytes);

struct DecodedText {
  std::string text;     // UTF-8, without the byte-order mark
  std::string problem;  // why the bytes are not text we can read; empty when they are
};

// NUL characters never belong in a list: bytes holding them that no byte-order mark explains
// (UTF-16 saved without one, binary files) are refused rather than read as garbage names.
DecodedText DecodeListText(std::string_view bytes);

}  // namespace files
