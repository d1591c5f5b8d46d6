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

}  // namespace
