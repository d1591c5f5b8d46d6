#pragma once
// A roster on a scripted desktop, and the helpers the roster and file tests share.

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <string>
#include <vector>

#include "roster/roster.h"
#include "support/fake_ui.h"

namespace testing_support {

using Strings = std::vector<std::string>;

class RosterFixture : public ::testing::Test {
 protected:
  RosterFixture() : roster_(ui_) {
    roster_.SetupGrid();
    roster_.UpdateButtonEnables(false);
  }
  // A participant whose address is the name in lower case at example.org.
  void Add(const std::string& name, const std::string& exclusions = "",
           const std::string& notes = "") {
    std::string address = name;
    for (char& c : address) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    roster_.AddParticipant(exclusions, name, address + "@example.org", notes, true);
  }
  // P1 ... Pn.
  void Fill(int n) {
    for (int i = 1; i <= n; ++i) Add("P" + std::to_string(i));
  }
  // Presses the name cells of these rows, as the mouse would.
  void Press(std::initializer_list<int> rows) {
    for (int r : rows) roster_.MSFlexGrid_MouseDown(r, roster::kColName);
  }
  const std::string& Cell(int r, int c) const { return roster_.grid().TextMatrix(r, c); }
  // One column of every row below the headers.
  Strings Column(int c) const {
    Strings out;
    for (int r = 1; r < roster_.grid().Rows(); ++r) out.push_back(Cell(r, c));
    return out;
  }
  int Count() const { return roster_.ParticipantCount(); }
  bool On(const char* command) const { return roster_.commands().Enabled(command); }
  Strings Texts() const {
    Strings out;
    for (const auto& b : ui_.boxes) out.push_back(b.text);
    return out;
  }

  FakeUi ui_;
  roster::Roster roster_;
};

}  // namespace testing_support
