// `cmake --install` into a temporary prefix: the program, its help pages and its desktop
// entry land where a desktop looks for them, and the installed program finds its help.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ui/help_paths.h"
#include "ui/info_options.h"

namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& command, int& status) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  std::array<char, 512> buf;
  while (size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
  status = pclose(pipe);
  return out;
}

std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prefix_ = fs::temp_directory_path() / ("hollymoor-install-" + std::to_string(getpid()));
    fs::remove_all(prefix_);
  }
  void TearDown() override { fs::remove_all(prefix_); }
  fs::path prefix_;
};

TEST_F(InstallTest, PrefixHoldsProgramHelpAndDesktopEntry) {
  int status = -1;
  std::string log = Shell(std::string(HM_CMAKE_COMMAND) + " --install " + Quote(HM_BINARY_DIR) +
                              " --prefix " + Quote(prefix_) + " 2>&1",
                          status);
  ASSERT_EQ(status, 0) << log;

  const fs::path bin = prefix_ / "bin" / "hollymoor";
  const fs::path help = prefix_ / "share" / "hollymoor" / "help";
  EXPECT_TRUE(fs::is_regular_file(bin));
  for (const char* page : {ui::kHelpPageSetup, ui::kHelpPageBasics, ui::kHelpPageReSend,
                           ui::kHelpPageHistory, "help.css", "images/main-window.png"})
    EXPECT_TRUE(fs::is_regular_file(help / page)) << page;
  // One reverse-DNS name ties the icon, the desktop entry and the AppStream metadata together.
  const std::string id = "com.example.Hollymoor";
  EXPECT_TRUE(fs::is_regular_file(prefix_ / "share/icons/hicolor/scalable/apps" / (id + ".svg")));
  EXPECT_TRUE(fs::is_regular_file(prefix_ / "share/metainfo" / (id + ".metainfo.xml")));
  EXPECT_TRUE(fs::is_regular_file(prefix_ / "share/man/man1/hollymoor-cli.1.gz"));

  std::ifstream desktop(prefix_ / "share" / "applications" / (id + ".desktop"));
  ASSERT_TRUE(desktop.good());
  std::stringstream entry;
  entry << desktop.rdbuf();
  EXPECT_EQ(entry.str().rfind("[Desktop Entry]\n", 0), 0u);
  for (const char* line :
       {"\nType=Application\n", "\nExec=hollymoor %f\n", "\nIcon=com.example.Hollymoor\n",
        "\nMimeType=application/x-hollymoor-list;\n"})
    EXPECT_NE(entry.str().find(line), std::string::npos) << line;
  // The desktop's MIME database learns the type the entry declares from this file.
  std::ifstream mime(prefix_ / "share" / "mime" / "packages" / "hollymoor.xml");
  std::stringstream types;
  types << mime.rdbuf();
  EXPECT_NE(types.str().find("<mime-type type=\"application/x-hollymoor-list\">"),
            std::string::npos);
  EXPECT_NE(types.str().find("<glob pattern=\"*.hmr\"/>"), std::string::npos);

  // The installed program finds its pages from its own folder, wherever the prefix is.
  EXPECT_EQ(ui::FindHelpDir(bin.parent_path()), help.lexically_normal());
  // A development build finds the copy beside its program.
  const fs::path build_app = fs::path(HM_BINARY_DIR) / "src" / "app";
  EXPECT_EQ(ui::FindHelpDir(build_app), (build_app / "help").lexically_normal());

  // --version and --help need no display.
  std::string env = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
  EXPECT_EQ(Shell(env + Quote(bin) + " --version", status),
            std::string("hollymoor ") + HOLLYMOOR_VERSION + "\n");
  EXPECT_EQ(status, 0);
  EXPECT_NE(Shell(env + Quote(bin) + " --help", status).find("--version"), std::string::npos);
  EXPECT_EQ(status, 0);
  // The help speaks the locale's language, from the translations installed with it.
  const std::string german =
      Shell(env + "-u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 " + Quote(bin) + " --help",
            status);
  EXPECT_EQ(german.rfind("Aufruf: hollymoor [OPTION]...\n", 0), 0u) << german;
  EXPECT_NE(german.find("--version  die Version des Programms anzeigen"), std::string::npos);
  EXPECT_EQ(status, 0);
}

TEST(InfoOptionsTest, OnlyTheInformationalOptionsEndTheProgram) {
  std::ostringstream out;
  char prog[] = "hollymoor", style[] = "-style", fusion[] = "fusion", version[] = "--version",
       dashdash[] = "--";
  char* plain[] = {prog, style, fusion};
  EXPECT_EQ(ui::HandleInfoOptions(3, plain, out), -1);
  char* after_end[] = {prog, dashdash, version};
  EXPECT_EQ(ui::HandleInfoOptions(3, after_end, out), -1);
  EXPECT_TRUE(out.str().empty());
  char* asked[] = {prog, style, fusion, version};
  EXPECT_EQ(ui::HandleInfoOptions(4, asked, out), 0);
  EXPECT_EQ(out.str(), "hollymoor 3.1.12\n");
}

}  // namespace
