#pragma once
// Base64 (RFC 4648, standard alphabet, "=" padding, no line breaks). Encoding only: the
// program never turns Base64 back into clear text.

#include <string>
#include <string_view>

namespace mail {

// Every byte 0..255 of `bytes` is encoded as itself; text is passed as its UTF-8 bytes.
std::string Base64Encode(std::string_view bytes);

}  // namespace mail
