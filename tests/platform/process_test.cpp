#include "platform/process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using platform::RunProcess;
using std::chrono::milliseconds;

unsigned long Checksum(const std::string& s) {
  unsigned long sum = 0;
  for (unsigned char c : s) sum = sum * 31 + c;
  return sum;
}

TEST(ProcessTest, WholeInputArrivesAndArgumentsArriveAsGiven) {
  std::string input(300000, 'x');  // more than a pipe holds
  input += "\r\nlast line\n";
  const std::vector<std::string> argv = {HM_TEST_CHILD, "echo", "a b",      "",
                                         "q\"uote",     "tr\\", "back\\\"", "ü"};
  const platform::ProcessRun run = RunProcess(argv, input, milliseconds(20000));
  ASSERT_TRUE(run.started) << run.error;
  EXPECT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_status, 3);
  EXPECT_EQ(run.output, std::to_string(input.size()) + " " + std::to_string(Checksum(input)) +
                            "\n[a b]\n[]\n[q\"uote]\n[tr\\]\n[back\\\"]\n[ü]\ndone\n");
}

TEST(ProcessTest, EndsAreReportedWithoutHanging) {
  // Stops reading at once: the unread input must not block the run.
  platform::ProcessRun run =
      RunProcess({HM_TEST_CHILD, "exit", "75"}, std::string(300000, 'x'), milliseconds(20000));
  EXPECT_TRUE(run.started);
  EXPECT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_status, 75);

  run = RunProcess({HM_TEST_CHILD, "flood"}, "", milliseconds(20000));
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, std::string(platform::kProcessOutputCap, 'y'));

  const auto start = std::chrono::steady_clock::now();
  run = RunProcess({HM_TEST_CHILD, "sleep", "30000"}, "", milliseconds(300));
  EXPECT_TRUE(run.started);
  EXPECT_TRUE(run.timed_out);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
}

TEST(ProcessTest, AProgramThatIsNotThereIsNotStarted) {
  const platform::ProcessRun run =
      RunProcess({"hm-no-such-program-here", "x"}, "input", milliseconds(1000));
  EXPECT_FALSE(run.started);
  EXPECT_EQ(run.error, "[hm-no-such-program-here] is not an executable program");
  EXPECT_FALSE(platform::FindProgram("hm-no-such-program-here"));
  EXPECT_FALSE(RunProcess({}, "", milliseconds(1000)).started);
  EXPECT_TRUE(platform::FindProgram(HM_TEST_CHILD));
}

void SetPath(const std::string& value) {
#ifdef _WIN32
  _putenv_s("PATH", value.c_str());
#else
  setenv("PATH", value.c_str(), 1);
#endif
}

TEST(ProcessTest, ABareNameIsLookedUpInEachFolderOfThePathInTurn) {
  const std::filesystem::path child(HM_TEST_CHILD);
  const char* old = std::getenv("PATH");
  const std::string saved = old ? old : "";
#ifdef _WIN32
  const char separator = ';';
  const std::string name = child.stem().string();  // found through PATHEXT
#else
  const char separator = ':';
  const std::string name = child.filename().string();
#endif
  SetPath("/hm-no-such-folder" + std::string(1, separator) + child.parent_path().string());
  const auto found = platform::FindProgram(name);
  SetPath(child.parent_path().string() + "-not");
  const auto missing = platform::FindProgram(name);
  SetPath(saved);
  ASSERT_TRUE(found);
  EXPECT_TRUE(std::filesystem::equivalent(*found, child));
  EXPECT_FALSE(missing);
}

}  // namespace
