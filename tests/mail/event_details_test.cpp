#include "mail/event_details.h"

#include <gtest/gtest.h>

#include "settings/file_settings_store.h"
#include "support/temp_dir.h"

namespace {

using testing_support::TempDir;

TEST(EventDetails, ARosterRemembersItsOwnDetailsAndOthersFallBackToTheDefault) {
  TempDir dir;
  mail::FileSettingsStore store(dir.path() / "settings.ini");
  const auto party = dir.path() / "party.hmr";
  const auto office = dir.path() / "office.hmr";

  // Nothing saved anywhere: every field empty.
  EXPECT_TRUE(mail::EventDetailsFor(party, store).Empty());

  mail::SaveDefaultEventDetails(store, {"20 EUR", "", "", ""});
  const mail::EventDetails own{"30 EUR", "24 Dec\nevening", "Grandma's = home", ""};
  ASSERT_TRUE(mail::SaveRosterEventDetails(party, own));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "party.hmr.event"));

  const mail::EventDetails back = mail::EventDetailsFor(party, store);
  EXPECT_EQ(back.Budget, "30 EUR");
  EXPECT_EQ(back.Date, "24 Dec evening");  // one line per field
  EXPECT_EQ(back.Place, "Grandma's = home");
  EXPECT_EQ(back.ReplyBy, "");
  EXPECT_EQ(mail::EventDetailsFor(office, store).Budget, "20 EUR");

  // A roster in a folder that is gone: nothing is written, and nothing is read back.
  EXPECT_FALSE(mail::SaveRosterEventDetails(dir.path() / "gone" / "x.hmr", own));
  EXPECT_FALSE(mail::LoadRosterEventDetails(dir.path() / "gone" / "x.hmr"));
}

}  // namespace
