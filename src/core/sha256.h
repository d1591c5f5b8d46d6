#pragma once
// SHA-256 (FIPS 180-4), for the sign-in's proof key; not for passwords.

#include <array>
#include <cstdint>
#include <string_view>

namespace mail {

std::array<std::uint8_t, 32> Sha256(std::string_view bytes);

}  // namespace mail
