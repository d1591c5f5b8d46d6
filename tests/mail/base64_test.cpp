#include "mail/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A straightforward bit-by-bit reference, independent of the grouping the encoder uses.
std::string ReferenceBase64(const std::string& in) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bits;
  for (unsigned char c : in)
    for (int b = 7; b >= 0; --b) bits += ((c >> b) & 1) ? '1' : '0';
  while (bits.size() % 6) bits += '0';
  std::string out;
  for (size_t i = 0; i < bits.size(); i += 6)
    out += alphabet[std::stoi(bits.substr(i, 6), nullptr, 2)];
  while (out.size() % 4) out += '=';
  return out;
}

TEST(Base64Encode, Rfc4648TestVectors) {
  EXPECT_EQ(mail::Base64Encode(""), "");
  EXPECT_EQ(mail::Base64Encode("f"), "Zg==");
  EXPECT_EQ(mail::Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(mail::Base64Encode("foo"), "Zm9v");
  EXPECT_EQ(mail::Base64Encode("foob"), "Zm9vYg==");
  EXPECT_EQ(mail::Base64Encode("fooba"), "Zm9vYmE=");
  EXPECT_EQ(mail::Base64Encode("foobar"), "Zm9vYmFy");
}

TEST(Base64Encode, HighBytesInEveryPositionOfEveryLengthUpToFive) {
  // Each byte 0x80..0xFF at each position of inputs of length 1..5, the rest filled with 'a'
  // (and NUL), so sign extension or a multi-byte conversion would show.
  for (size_t len = 1; len <= 5; ++len) {
    for (size_t pos = 0; pos < len; ++pos) {
      for (int byte = 0x80; byte <= 0xFF; ++byte) {
        for (char fill : {'a', '\0'}) {
          std::string in(len, fill);
          in[pos] = static_cast<char>(byte);
          ASSERT_EQ(mail::Base64Encode(in), ReferenceBase64(in))
              << "len " << len << " pos " << pos << " byte " << byte;
        }
      }
    }
  }
  EXPECT_EQ(mail::Base64Encode("\xFF\xFF\xFF"), "////");
  EXPECT_EQ(mail::Base64Encode(std::string("\0", 1)), "AA==");
  EXPECT_EQ(mail::Base64Encode("\xC3\xA9"), "w6k=");  // UTF-8 "é" stays two bytes
}

TEST(Base64Encode, LengthAndPaddingFollowTheGroupCount) {
  for (size_t len = 0; len <= 40; ++len) {
    std::string in(len, '\x5A');
    std::string out = mail::Base64Encode(in);
    EXPECT_EQ(out.size(), (len + 2) / 3 * 4);
    size_t pad = out.size() - out.find_last_not_of('=') - 1;
    EXPECT_EQ(pad, len == 0 ? 0u : (3 - len % 3) % 3) << len;
  }
}

}  // namespace
