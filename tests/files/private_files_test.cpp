// With an ordinary umask, everything that holds the drawing or the login is readable by its
// owner alone, and a planted link never redirects a write.
#include "core/private_files.h"

#include <sys/stat.h>

#include "files/history.h"
#include "files/list_file.h"
#include "files_fixture.h"

namespace files_test {
namespace {

unsigned Mode(const fs::path& p) {
  struct stat st {};
  EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
  return st.st_mode & 07777;
}

class PrivateFilesTest : public FilesFixture {
 protected:
  void SetUp() override { old_umask_ = ::umask(022); }
  void TearDown() override { ::umask(old_umask_); }
  mode_t old_umask_ = 0;
};

TEST_F(PrivateFilesTest, ArchivesAndListsAreCreatedPrivateAndEarlierFilesTightened) {
  Add("Ann");
  Add("Bo");
  roster_.grid().SetTextMatrix(1, roster::kColResult, "2");
  roster_.grid().SetTextMatrix(2, roster::kColResult, "1");
  const fs::path data = dir_.path() / "new" / "data";
  ASSERT_TRUE(core::EnsurePrivateFolder(data));
  EXPECT_EQ(Mode(data), 0700u);
  EXPECT_EQ(Mode(data.parent_path()), 0700u);

  roster::ManualClock clock{std::chrono::system_clock::now()};
  files::SaveDrawingHistory(roster_, clock, data);
  EXPECT_TRUE(ui_.boxes.empty());
  const fs::path history = data / files::kHistoryFolder;
  EXPECT_EQ(Mode(history), 0700u);
  int files_seen = 0;
  for (const auto& e : fs::directory_iterator(history)) {
    EXPECT_EQ(Mode(e.path()), 0600u) << e.path();
    ++files_seen;
  }
  EXPECT_EQ(files_seen, 3);  // the list, the log and the ledger; no temporary left behind

  // A list saved over a file another program left world-readable.
  const fs::path list = File("family.hmr", "old");
  fs::permissions(list, fs::perms(0644));
  files::SaveParticipantFile(roster_, list, false);
  EXPECT_EQ(Mode(list), 0600u);
  EXPECT_NE(ReadAll(list), "old");

  // An existing folder of ours is tightened too.
  const fs::path loose = dir_.path() / "loose";
  fs::create_directory(loose);
  fs::permissions(loose, fs::perms(0755));
  ASSERT_TRUE(core::EnsurePrivateFolder(loose));
  EXPECT_EQ(Mode(loose), 0700u);
}

TEST_F(PrivateFilesTest, ALinkInPlaceOfAFileIsNeverFollowed) {
  const fs::path victim = File("victim.txt", "keep me");
  fs::permissions(victim, fs::perms(0644));
  const fs::path link = dir_.path() / "smtp_session.log";
  fs::create_symlink(victim, link);
  // The session log is opened only through a private regular file.
  EXPECT_FALSE(core::PreparePrivateFile(link));
  EXPECT_EQ(core::CreatePrivateFile(link), -1);
  EXPECT_EQ(Mode(victim), 0644u);

  // An atomic save replaces the link itself; what it pointed at stays as it was.
  Add("Ann");
  files::SaveParticipantFile(roster_, link, false);
  EXPECT_FALSE(fs::is_symlink(link));
  EXPECT_EQ(Mode(link), 0600u);
  EXPECT_EQ(ReadAll(victim), "keep me");

  // A loose log from an earlier version is tightened before it is written again.
  const fs::path log = File("old.log", "earlier run");
  fs::permissions(log, fs::perms(0644));
  EXPECT_TRUE(core::PreparePrivateFile(log));
  EXPECT_EQ(Mode(log), 0600u);
  EXPECT_FALSE(core::PreparePrivateFile(dir_.path()));  // not a regular file
}

}  // namespace
}  // namespace files_test
