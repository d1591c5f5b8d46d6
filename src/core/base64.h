#pragma once
// Base64 (RFC 4648, standard alphabet, "=" padding, no line breaks on output).

#include <string>
#include <string_view>

namespace mail {

// Every byte 0..255 of `bytes` is encoded as itself; text is passed as its UTF-8 bytes.
std::string Base64Encode(std::string_view bytes);

// Forgiving on purpose: stored passwords and folded vCard values carry padding, white space and
// line breaks, so every character outside the alphabet is skipped, and trailing bits that do not
// make a whole byte are dropped.
std::string Base64Decode(std::string_view text);

}  // namespace mail
