// The ledger speaks to people in their language, but its file keeps its own words: a ledger
// written in one language is read back in any other.

#include <gtest/gtest.h>

#include <map>

#include "core/tr.h"
#include "files/ledger.h"
#include "support/temp_dir.h"

namespace {

using mail::DeliveryState;

class LedgerLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::SetTranslator([](std::string_view, const char* context, const char* text) {
      static const std::map<std::string, std::string> german = {
          {"refused", "abgelehnt"},
          {"not attempted", "nicht versucht"},
          {"%1 (%2: %3)", "%1 (%2: %3)"},
          {"%1: refused, %2", "%1: abgelehnt, %2"},
          {"%1: not sent", "%1: nicht gesendet"},
          {"These participants were not notified:\n%1", "Nicht benachrichtigt:\n%1"}};
      const auto it = german.find(text);
      return std::string(context) == "Ledger" && it != german.end() ? it->second : std::string();
    });
  }
  void TearDown() override { core::SetTranslator({}); }

  testing_support::TempDir dir_;
};

TEST_F(LedgerLanguageTest, PeopleReadTheirLanguageTheFileKeepsItsOwnWords) {
  const auto path = dir_.path() / "20261206-0900.ledger";
  mail::Deliveries deliveries(2);
  deliveries[0] = {1, "Ann", "ann@example.org", {}, {}};
  deliveries[1] = {2, "Bob", "bob@example.org", {}, {}};
  std::string error;
  {
    auto ledger = files::LedgerWriter::Start(path, deliveries, error);
    ASSERT_TRUE(ledger) << error;
    ledger->OnDeliveryState(0, {DeliveryState::kRefused, "550 unknown user"});
    ledger->Finish();
  }
  const std::string bytes = testing_support::ReadAll(path);
  EXPECT_NE(bytes.find("\trefused\t"), std::string::npos) << bytes;
  EXPECT_EQ(bytes.find("abgelehnt"), std::string::npos) << bytes;

  const auto contents = files::ReadLedger(path, error);
  ASSERT_TRUE(contents) << error;
  ASSERT_EQ(contents->entries.size(), 2u);
  EXPECT_EQ(contents->entries[0].outcome.state, DeliveryState::kRefused);
  EXPECT_EQ(files::DescribeEntry(contents->entries[0]), "Ann (abgelehnt: 550 unknown user)");
  EXPECT_EQ(files::NotNotifiedText(contents->entries, false),
            "Nicht benachrichtigt:\nAnn;Bob;\n\nAnn: abgelehnt, 550 unknown user\nBob: nicht "
            "gesendet\n");
}

}  // namespace
