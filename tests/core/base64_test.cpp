#include "core/base64.h"

#include <gtest/gtest.h>

namespace {

// Bit-by-bit reference, independent of the encoder's grouping.
std::string Reference(const std::string& in) {
  const char* abc = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bits, out;
  for (unsigned char c : in)
    for (int b = 7; b >= 0; --b) bits += ((c >> b) & 1) ? '1' : '0';
  while (bits.size() % 6) bits += '0';
  for (size_t i = 0; i < bits.size(); i += 6) out += abc[std::stoi(bits.substr(i, 6), nullptr, 2)];
  while (out.size() % 4) out += '=';
  return out;
}

TEST(Base64Encode, Rfc4648TestVectors) {
  const char* vectors[][2] = {{"", ""},
                              {"f", "Zg=="},
                              {"fo", "Zm8="},
                              {"foo", "Zm9v"},
                              {"foob", "Zm9vYg=="},
                              {"fooba", "Zm9vYmE="},
                              {"foobar", "Zm9vYmFy"}};
  for (auto& v : vectors) EXPECT_EQ(mail::Base64Encode(v[0]), v[1]);
}

TEST(Base64Encode, EveryHighByteInEveryPositionOfLengthsOneToFive) {
  for (size_t len = 1; len <= 5; ++len)
    for (size_t pos = 0; pos < len; ++pos)
      for (int byte = 0x80; byte <= 0xFF; ++byte)
        for (char fill : {'a', '\0'}) {
          std::string in(len, fill);
          in[pos] = static_cast<char>(byte);
          ASSERT_EQ(mail::Base64Encode(in), Reference(in)) << len << " " << pos << " " << byte;
        }
  EXPECT_EQ(mail::Base64Encode("\xFF\xFF\xFF"), "////");
  EXPECT_EQ(mail::Base64Encode("\xC3\xA9"), "w6k=");  // UTF-8 "é" stays two bytes
}

TEST(Base64Decode, UndoesTheEncoderForEveryByteAndLength) {
  std::string all;
  for (int byte = 0; byte <= 0xFF; ++byte) all += static_cast<char>(byte);
  for (size_t len = 0; len <= all.size(); len += 37) {
    std::string in = all.substr(all.size() - len);
    ASSERT_EQ(mail::Base64Decode(mail::Base64Encode(in)), in) << len;
  }
  for (auto& v : {"", "f", "fo", "foo", "foob", "fooba", "foobar"})
    EXPECT_EQ(mail::Base64Decode(mail::Base64Encode(v)), v);
}

TEST(Base64Decode, SkipsLineBreaksSpacesAndStrayCharacters) {
  EXPECT_EQ(mail::Base64Decode("Zm9v\r\n YmFy"), "foobar");
  EXPECT_EQ(mail::Base64Decode("Zm9v\tY*m!E="), "fooba");
  EXPECT_EQ(mail::Base64Decode("Zg"), "f");  // padding left out
  EXPECT_EQ(mail::Base64Decode("Z"), "");    // six bits make no byte
  EXPECT_EQ(mail::Base64Decode("===="), "");
  EXPECT_EQ(mail::Base64Decode("w6k="), "\xC3\xA9");
}

}  // namespace
