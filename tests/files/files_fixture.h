#pragma once
// Shared pieces of the list-file and archive tests: a roster on a scripted desktop, a
// scripted file-dialog port and a throw-away data folder.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/file_dialogs.h"
#include "roster/roster_fixture.h"
#include "support/temp_dir.h"

namespace files_test {

namespace fs = std::filesystem;
using testing_support::Strings;

class FakeFileDialogs : public files::FileDialogs {
 public:
  std::optional<fs::path> ShowOpen(const files::FileDialogRequest& r) override {
    return Answer(r, false);
  }
  std::optional<fs::path> ShowSave(const files::FileDialogRequest& r) override {
    return Answer(r, true);
  }
  files::LoadOptions ShowLoadOptions(const files::LoadOptions& prepared) override {
    shown_options.push_back(prepared);
    return choose_options ? choose_options(prepared) : prepared;  // Continue as prepared
  }

  std::deque<std::optional<fs::path>> answers;  // nothing = Cancel
  std::vector<files::FileDialogRequest> requests;
  std::vector<bool> was_save;
  std::vector<files::LoadOptions> shown_options;
  std::function<files::LoadOptions(const files::LoadOptions&)> choose_options;

 private:
  std::optional<fs::path> Answer(const files::FileDialogRequest& r, bool save) {
    requests.push_back(r);
    was_save.push_back(save);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

class FilesFixture : public testing_support::RosterFixture {
 protected:
  // Writes a file under the throw-away folder and returns its path.
  fs::path File(const fs::path& name, const std::string& bytes) {
    fs::create_directories((dir_.path() / name).parent_path());
    WriteAll(dir_.path() / name, bytes);
    return dir_.path() / name;
  }

  FakeFileDialogs dialogs_;
  TempDir dir_;
};

}  // namespace files_test
