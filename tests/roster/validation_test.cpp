#include "roster/validation.h"

#include <gtest/gtest.h>

#include "support/fake_ui.h"

namespace {

using testing_support::FakeUi;

TEST(ValidationTest, NamesMustBeNonEmptyAndFreeOfQuotes) {
  FakeUi ui;
  EXPECT_TRUE(roster::ValidateUserName(ui, "   "));
  EXPECT_TRUE(roster::ValidateUserName(ui, "Zoë O'Neil"));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(roster::ValidateUserName(ui, ""));
  EXPECT_FALSE(roster::ValidateUserName(ui, "Bob \"the builder\""));
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0].text,
            "Invalid User Name Entry:\nUser Name can not contain any of these characters [\"]");
  EXPECT_EQ(ui.boxes[0].style, roster::mb::kCritical);
}

TEST(ValidationTest, AddressRuleBoundaries) {
  FakeUi ui;
  struct Case {
    const char* address;
    bool ok;
  } cases[] = {
      {"a@bc.de", false},     // one character before "@"
      {"ab@c.de", true},      // two before, dot after
      {"ab@.cd", true},       // the dot may follow the "@" directly
      {"ab@cd.", true},       // nothing is checked after the dot
      {"ab@cd", false},       // no dot after "@", and too short
      {"abc@defg", false},    // no dot after "@"
      {"a.b@cdef", false},    // the only dot is before "@"
      {"@abc.de", false},     // "@" first
      {"ab@c.d", true},       // exactly six characters
      {"a@b.c", false},       // five characters
      {"ab cd@x y.z", true},  // spaces are not checked
  };
  for (const Case& c : cases) {
    ui.boxes.clear();
    EXPECT_EQ(roster::ValidateEmailAddress(ui, c.address), c.ok) << c.address;
    EXPECT_EQ(ui.boxes.empty() ? "" : ui.boxes[0].text, c.ok ? "" : "Invalid Email Address Entry")
        << c.address;
  }
}

TEST(ValidationTest, RemoveSubstringRemovesEveryOccurrenceAndChangesItsArgument) {
  std::string s = "say \"hi\" to \"\"me\"";
  EXPECT_EQ(roster::RemoveSubstring(s, "\""), "say hi to me");
  EXPECT_EQ(s, "say hi to me");
  std::string nested = "aabb";
  EXPECT_EQ(roster::RemoveSubstring(nested, "ab"), "");  // removal exposes another "ab"
}

}  // namespace
