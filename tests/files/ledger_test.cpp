#include "files/ledger.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using files::LedgerEntry;
using mail::DeliveryState;
using testing_support::ReadAll;
using testing_support::WriteAll;

class LedgerTest : public ::testing::Test {
 protected:
  mail::Deliveries Three() {
    mail::Deliveries d(3);
    const char* names[] = {"Ann", "Bo\tBaker", "Cy \\ Zoë"};
    for (int i = 0; i < 3; ++i) {
      d[i].giver_row = i + 1;
      d[i].name = names[i];
      d[i].address = "secret-address-" + std::to_string(i) + "@example.org";
      d[i].text = "You are Secret Santa for Receiver" + std::to_string(i);
    }
    return d;
  }
  files::LedgerContents Read() {
    std::string error;
    auto contents = files::ReadLedger(path_, error);
    EXPECT_TRUE(contents) << error;
    return contents.value_or(files::LedgerContents{});
  }
  std::vector<DeliveryState> States(const std::vector<LedgerEntry>& entries) {
    std::vector<DeliveryState> out;
    for (const auto& e : entries) out.push_back(e.outcome.state);
    return out;
  }

  testing_support::TempDir dir_;
  fs::path path_ = dir_.path() / "20261205-1807.ledger";
  std::string error_;
};

TEST_F(LedgerTest, RunIsReadBackWithEveryOutcomeAndNamesGiversOnly) {
  {
    auto ledger = files::LedgerWriter::Start(path_, Three(), error_);
    ASSERT_TRUE(ledger) << error_;
    ledger->OnDeliveryState(0, {DeliveryState::kInFlight, {}});
    ledger->OnDeliveryState(0, {DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(1, {DeliveryState::kInFlight, {}});
    ledger->OnDeliveryState(1, {DeliveryState::kRefused, "550 5.1.1 no such\r\nuser"});
    ledger->Finish();
    EXPECT_TRUE(ledger->error().empty());
  }
  const files::LedgerContents c = Read();
  EXPECT_TRUE(c.finished);
  EXPECT_EQ(c.skipped_lines, 0);
  ASSERT_EQ(c.entries.size(), 3u);
  EXPECT_EQ(c.entries[1].name, "Bo\tBaker");
  EXPECT_EQ(c.entries[2].name, "Cy \\ Zoë");
  EXPECT_EQ(c.entries[2].giver_row, 3);
  EXPECT_EQ(States(c.entries), (std::vector{DeliveryState::kAccepted, DeliveryState::kRefused,
                                            DeliveryState::kNotAttempted}));
  EXPECT_EQ(c.entries[1].outcome.reply, "550 5.1.1 no such\r\nuser");

  const auto missing = files::NotAccepted(c.entries);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(files::DescribeEntry(missing[0]), "Bo\tBaker (refused: 550 5.1.1 no such\r\nuser)");
  EXPECT_EQ(files::DescribeEntry(missing[1]), "Cy \\ Zoë (not attempted)");

  const std::string bytes = ReadAll(path_);
  EXPECT_EQ(bytes.find("secret-address"), std::string::npos);
  EXPECT_EQ(bytes.find("Receiver"), std::string::npos);
#ifndef _WIN32  // no owner modes there: the profile folder's access list applies
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
#endif
}

TEST_F(LedgerTest, DeliveryInFlightIsOnDiskBeforeTheMessageAndOutcomesFollowInGroups) {
  auto ledger = files::LedgerWriter::Start(path_, Three(), error_);
  ASSERT_TRUE(ledger);
  // The deliveries are recorded before anything is sent.
  EXPECT_EQ(Read().entries.size(), 3u);
  ledger->OnDeliveryState(0, {DeliveryState::kInFlight, {}});
  EXPECT_EQ(Read().entries[0].outcome.state, DeliveryState::kUnconfirmed);  // a cut run
  ledger->OnDeliveryState(0, {DeliveryState::kAccepted, {}});
  ledger->OnDeliveryState(1, {DeliveryState::kInFlight, {}});
  // The next in-flight record carries the earlier outcome with it.
  EXPECT_EQ(States(Read().entries),
            (std::vector{DeliveryState::kAccepted, DeliveryState::kUnconfirmed,
                         DeliveryState::kNotAttempted}));
  EXPECT_FALSE(Read().finished);
  // Ending the run leaves nothing in flight.
  ledger->Finish();
  EXPECT_EQ(ledger->entries()[1].outcome.state, DeliveryState::kUnconfirmed);
  EXPECT_TRUE(Read().finished);
}

TEST_F(LedgerTest, TornOrDamagedRecordsAreSkippedAndBadFilesNamed) {
  {
    auto ledger = files::LedgerWriter::Start(path_, Three(), error_);
    ledger->OnDeliveryState(0, {DeliveryState::kInFlight, {}});
    ledger->OnDeliveryState(0, {DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(1, {DeliveryState::kInFlight, {}});
  }
  std::string bytes = ReadAll(path_);
  // A power cut in the middle of the last line, after a damaged one.
  WriteAll(path_, bytes + "S\t9\taccepted\t\nS\t1\tacc");
  files::LedgerContents c = Read();
  EXPECT_EQ(c.skipped_lines, 1);
  EXPECT_TRUE(c.finished);  // the writer's destructor recorded the end
  EXPECT_EQ(States(c.entries), (std::vector{DeliveryState::kAccepted, DeliveryState::kUnconfirmed,
                                            DeliveryState::kNotAttempted}));

  // A run that stopped while starting its record reached nobody.
  WriteAll(path_, "hollymoor-le");
  EXPECT_TRUE(Read().entries.empty());
  WriteAll(path_, "");
  EXPECT_TRUE(Read().entries.empty());

  std::string error;
  WriteAll(path_, "\"1\",\"Ann\"\r\n");
  EXPECT_FALSE(files::ReadLedger(path_, error));
  EXPECT_EQ(error, "[" + path_.string() + "] is not a delivery ledger");
  EXPECT_FALSE(files::ReadLedger(dir_.path() / "none.ledger", error));
  EXPECT_EQ(error,
            "cannot read the delivery ledger [" + (dir_.path() / "none.ledger").string() + "]");
}

TEST_F(LedgerTest, RecordedRunIsNeverOverwritten) {
  { auto ledger = files::LedgerWriter::Start(path_, Three(), error_); }
  const std::string first = ReadAll(path_);
  EXPECT_FALSE(files::LedgerWriter::Start(path_, Three(), error_));
  EXPECT_EQ(error_, "the delivery ledger [" + path_.string() + "] already holds a run");
  EXPECT_EQ(ReadAll(path_), first);
  EXPECT_FALSE(files::LedgerWriter::Start(dir_.path() / "no" / "x.ledger", Three(), error_));
  EXPECT_TRUE(error_.starts_with("cannot write the delivery ledger ["));
  EXPECT_EQ(files::LedgerPathFor(dir_.path() / "20261205-1807_2.hmr"),
            dir_.path() / "20261205-1807_2.ledger");
}

}  // namespace

namespace {

TEST_F(LedgerTest, ReSendGoesOnInTheEarlierLedgerAsDurablyAsAFirstRun) {
  {
    auto ledger = files::LedgerWriter::Start(path_, Three(), error_);
    ASSERT_TRUE(ledger) << error_;
    ledger->OnDeliveryState(0, {DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(1, {DeliveryState::kRefused, "550 no such user"});
    ledger->OnDeliveryState(2, {DeliveryState::kUnconfirmed, {}});
  }
  // The first run was cut short in the middle of a line.
  WriteAll(path_, ReadAll(path_) + "S\t2\tacc");
  EXPECT_FALSE(files::LedgerWriter::Start(path_, Three(), error_));

  // The re-send tries Ann (the organiser's choice), Bo, a stranger who happens to share Cy's
  // row, Cy, and Di, whom the first run did not list.
  mail::Deliveries again = Three();
  again.insert(again.begin() + 2, {3, "Somebody Else", {}, {}, {}});
  again.push_back({4, "Di", {}, {}, {}});
  {
    auto ledger = files::LedgerWriter::Continue(path_, again, error_);
    ASSERT_TRUE(ledger) << error_;
    ledger->OnDeliveryState(0, {DeliveryState::kInFlight, {}});
    ledger->OnDeliveryState(0, {DeliveryState::kRefused, "451 later"});
    ledger->OnDeliveryState(1, {DeliveryState::kInFlight, {}});
    ledger->OnDeliveryState(1, {DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(2, {DeliveryState::kInFlight, {}});
    // Bo's outcome is on disk before the message after the next one goes out; Cy's message
    // is recorded as in flight before it goes: a kill here leaves Cy to be sent again.
    ledger->OnDeliveryState(3, {DeliveryState::kInFlight, {}});
    files::LedgerContents c = Read();
    EXPECT_FALSE(c.finished);
    EXPECT_EQ(c.skipped_lines, 1);  // the torn line
    ASSERT_EQ(c.entries.size(), 5u);
    EXPECT_EQ(States(c.entries),
              (std::vector{DeliveryState::kAccepted, DeliveryState::kAccepted,
                           DeliveryState::kUnconfirmed, DeliveryState::kUnconfirmed,
                           DeliveryState::kNotAttempted}));
    EXPECT_EQ(c.entries[3].name, "Somebody Else");
    EXPECT_EQ(c.entries[4].name, "Di");
    ledger->OnDeliveryState(3, {DeliveryState::kRefused, "550 gone"});
    ledger->OnDeliveryState(4, {DeliveryState::kInFlight, {}});
    ledger->OnDeliveryState(4, {DeliveryState::kAccepted, {}});
  }
  files::LedgerContents c = Read();
  EXPECT_TRUE(c.finished);
  EXPECT_EQ(States(c.entries), (std::vector{DeliveryState::kAccepted, DeliveryState::kAccepted,
                                            DeliveryState::kRefused, DeliveryState::kUnconfirmed,
                                            DeliveryState::kAccepted}));
  EXPECT_EQ(c.entries[2].outcome.reply, "550 gone");

  // A re-send of a drawing whose run never began starts its ledger.
  const fs::path fresh = dir_.path() / "20261205-1808.ledger";
  WriteAll(fresh, "");
  ASSERT_TRUE(files::LedgerWriter::Continue(fresh, again, error_)) << error_;
  std::string error;
  EXPECT_EQ(files::ReadLedger(fresh, error)->entries.size(), 5u);
  WriteAll(fresh, "not a ledger\n");
  EXPECT_FALSE(files::LedgerWriter::Continue(fresh, again, error_));
  EXPECT_NE(error_.find("20261205-1808.ledger"), std::string::npos) << error_;
}

TEST(NotNotifiedText, NamesEachMissingPersonWithTheReason) {
  const std::vector<LedgerEntry> entries = {
      {1, "Ann", {DeliveryState::kAccepted, {}}},
      {2, "Bo", {DeliveryState::kRefused, "550 5.1.1 no such user"}},
      {3, "Cy", {DeliveryState::kUnconfirmed, {}}},
      {4, "Di", {DeliveryState::kNotAttempted, "451 4.2.0 greylisted"}},
      {5, "Ed", {DeliveryState::kNotAttempted, {}}}};
  EXPECT_EQ(files::NotNotifiedText(entries, false),
            "These participants were not notified:\nBo;Cy;Di;Ed;\n\n"
            "Bo: refused, 550 5.1.1 no such user\n"
            "Cy: the connection ended before the server confirmed the message\n"
            "Di: not sent (last try: 451 4.2.0 greylisted)\n"
            "Ed: not sent\n");
  EXPECT_TRUE(files::NotNotifiedText(entries, true)
                  .ends_with("\nRe-Send Previous Drawing with the newest file in History and mark "
                             "them to send their "
                             "notifications again."));
  EXPECT_EQ(files::NotNotifiedText({entries[0]}, true), "");
}

}  // namespace
