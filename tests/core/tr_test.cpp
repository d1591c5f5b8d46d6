#include "core/tr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Arg, FillsPlaceholdersInAnyOrderInOnePass) {
  EXPECT_EQ(core::Arg("Sending email %1 of %2 to %3 ...", {"2", "6", "Fay"}),
            "Sending email 2 of 6 to Fay ...");
  // A translation may put them in another order.
  EXPECT_EQ(core::Arg("An %3: Nachricht %1 von %2", {"2", "6", "Fay"}),
            "An Fay: Nachricht 2 von 6");
  // A value's own "%2" is not filled again; unknown placeholders and lone signs stay.
  EXPECT_EQ(core::Arg("%1 and %2", {"100%2", "x"}), "100%2 and x");
  EXPECT_EQ(core::Arg("50% of %1, %4", {"all"}), "50% of all, %4");
  EXPECT_EQ(core::Arg("%", {}), "%");
}

class TrTest : public ::testing::Test {
 protected:
  void TearDown() override { core::SetTranslator({}); }
};

TEST_F(TrTest, TextsStayAsWrittenWithoutATranslator) {
  EXPECT_EQ(core::Tr("Menu", "&File"), "&File");
  EXPECT_EQ(core::TrIn("de", "Menu", "&File"), "&File");
  EXPECT_STREQ(core::TrNoop("Menu", "&Edit"), "&Edit");
}

TEST_F(TrTest, AsksTheInstalledTranslatorAndFallsBackToTheSource) {
  std::string asked_language;
  core::SetTranslator([&](std::string_view language, const char* context, const char* text) {
    asked_language = language;
    if (std::string(context) == "Menu" && std::string(text) == "&File")
      return std::string(language == "fr" ? "&Fichier" : "&Datei");
    return std::string();
  });
  EXPECT_EQ(core::Tr("Menu", "&File"), "&Datei");
  EXPECT_EQ(asked_language, "");
  EXPECT_EQ(core::TrIn("fr", "Menu", "&File"), "&Fichier");
  EXPECT_EQ(asked_language, "fr");
  // Another context, or a text nobody translated, comes back as written.
  EXPECT_EQ(core::Tr("Toolbar", "&File"), "&File");
  EXPECT_EQ(core::Tr("Menu", "E&xit"), "E&xit");
  core::SetTranslator({});
  EXPECT_EQ(core::Tr("Menu", "&File"), "&File");
}

}  // namespace
