#include "platform/files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

using testing_support::ReadAll;
using testing_support::WriteAll;

TEST(PlatformFilesTest, NewFilesAreNeverOpenedOverOldOnes) {
  testing_support::TempDir dir;
  const auto path = dir.path() / "new file ü.txt";
  std::FILE* f = platform::CreateNewFile(path, true);
  ASSERT_NE(f, nullptr);
  std::fputs("first", f);
  EXPECT_TRUE(platform::SyncToDisk(f));
  std::fclose(f);
  EXPECT_EQ(platform::CreateNewFile(path, false), nullptr);
  EXPECT_EQ(ReadAll(path), "first");
  EXPECT_TRUE(platform::IsWritableRegularFile(path));
  EXPECT_FALSE(platform::IsWritableRegularFile(dir.path()));
  EXPECT_FALSE(platform::IsWritableRegularFile(dir.path() / "missing"));

  std::FILE* in = platform::OpenForReading(path);
  ASSERT_NE(in, nullptr);
  char buf[8] = {};
  EXPECT_EQ(std::fread(buf, 1, sizeof buf, in), 5u);
  std::fclose(in);
}

TEST(PlatformFilesTest, ReplacingPutsTheNewFileInPlaceOfTheOld) {
  testing_support::TempDir dir;
  WriteAll(dir.path() / "list.txt", "old");
  WriteAll(dir.path() / "list.txt.tmp", "new");
  EXPECT_TRUE(platform::MoveIntoPlace(dir.path() / "list.txt.tmp", dir.path() / "list.txt"));
  EXPECT_EQ(ReadAll(dir.path() / "list.txt"), "new");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "list.txt.tmp"));
  EXPECT_FALSE(platform::MoveIntoPlace(dir.path() / "gone", dir.path() / "list.txt"));
  EXPECT_EQ(ReadAll(dir.path() / "list.txt"), "new");
}

TEST(PlatformFilesTest, AtomicReplaceLeavesOnlyTheWholeNewFile) {
  testing_support::TempDir dir;
  const auto path = dir.path() / "settings ü.ini";
  EXPECT_TRUE(platform::ReplaceFileAtomically(path, "first"));
  WriteAll(path, "old");
  const std::string big(100000, 'x');
  EXPECT_TRUE(platform::ReplaceFileAtomically(path, big));
  EXPECT_EQ(ReadAll(path), big);
  // No temporary file is left beside it.
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.exists();
  EXPECT_EQ(entries, 1);
#ifndef _WIN32
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
  // A folder that is not there: nothing written, nothing left.
  EXPECT_FALSE(platform::ReplaceFileAtomically(dir.path() / "gone" / "x.ini", "text"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));
}

TEST(PlatformFilesTest, AppendsLandAtTheEndOfWhatIsThere) {
  testing_support::TempDir dir;
  const auto path = dir.path() / "record.txt";
  for (const char* line : {"one\n", "two\n"}) {
    const int fd = platform::OpenForAppend(path);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(platform::WriteSome(fd, line, 4), 4);
    EXPECT_TRUE(platform::SyncFile(fd));
    platform::CloseFile(fd);
  }
  EXPECT_EQ(ReadAll(path), "one\ntwo\n");
  EXPECT_TRUE(platform::SyncFolder(dir.path()));
  EXPECT_LT(platform::OpenForAppend(dir.path() / "gone" / "record.txt"), 0);
}

}  // namespace
