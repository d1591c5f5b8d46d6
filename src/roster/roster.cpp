#include "roster/roster.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <list>
#include <unordered_map>

#include "core/tr.h"

namespace roster {

const char* const kGridFormat =
    "   #    |<Exclusion # "
    "|<Participant Name                "
    "|<Email Address                     "
    "|<Secret Santa For                   "
    "|<Notes                                                                                  ";

bool ParseNumber(const std::string& text, int& value) {
  if (text.empty()) return false;
  int v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  value = v;
  return true;
}

namespace {

// Calls fn(token) for every comma-separated token of list, and rebuilds the list from what fn
// returns; a returned nullptr drops the token.
template <typename Fn>
std::string RewriteTokens(const std::string& list, Fn fn) {
  std::string out;
  out.reserve(list.size());
  bool first = true;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = list.find(',', start);
    std::string_view token(list.data() + start,
                           (comma == std::string::npos ? list.size() : comma) - start);
    if (const std::string* replaced = fn(token)) {
      if (!first) out += ',';
      out += *replaced;
      first = false;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

struct MenuItem {
  const char* name;
  const char* caption;
};

// Every menu item with its caption, in menu order.
constexpr MenuItem kMenuItems[] = {
    {"mnuFile", core::TrNoop("Menu", "&File")},
    {"mnuNew", core::TrNoop("Menu", "Ne&w List")},
    {"mnuOpen", core::TrNoop("Menu", "&Open List...")},
    {"mnuSave", core::TrNoop("Menu", "&Save List...")},
    {"mnuSep1", "-"},
    {"mnuExit", core::TrNoop("Menu", "E&xit")},
    {"mnuEdit", core::TrNoop("Menu", "&Edit")},
    {"mnuAddParticipants", core::TrNoop("Menu", "Add Participants")},
    {"mnuAddressBook", core::TrNoop("Menu", "Using Address Book...")},
    {"mnuManualAddition", core::TrNoop("Menu", "Using Manual Entry...")},
    {"mnuEditParticipant", core::TrNoop("Menu", "Edit Participant...")},
    {"mnuDeleteParticipant", core::TrNoop("Menu", "Delete Participant...")},
    {"mnuSep2", "-"},
    {"mnuSetGroupExclusion", core::TrNoop("Menu", "Set Group Exclusion")},
    {"mnuSetIndividualExclusion", core::TrNoop("Menu", "Set Individual Exclusion")},
    {"mnuClearSelected", core::TrNoop("Menu", "Clear Selected")},
    {"mnuClearExclusions", core::TrNoop("Menu", "Clear Exclusions")},
    {"mnuTools", core::TrNoop("Menu", "&Tools")},
    {"mnuCalculateView", core::TrNoop("Menu", "Calculate && View")},
    {"mnuCalculateSend", core::TrNoop("Menu", "Calculate && Send ...")},
    {"mnuDrawingOptions", core::TrNoop("Menu", "Drawing &Options...")},
    {"mnuSendMessage", core::TrNoop("Menu", "Send Participants an Email...")},
    {"mnuReSendList", core::TrNoop("Menu", "Re-Send Previous Drawing...")},
    {"mnuViewDrawingLog", core::TrNoop("Menu", "View Previous Drawing's Information")},
    {"mnuAddLateParticipant", core::TrNoop("Menu", "Add Late Participant...")},
    {"mnuRemoveFromDrawing", core::TrNoop("Menu", "Remove Participant from Drawing...")},
    {"mnuPrintSlips", core::TrNoop("Menu", "Print Sealed Slips...")},
    {"mnuSetup", core::TrNoop("Menu", "&Setup...")},
    {"mnuHelp", core::TrNoop("Menu", "&Help")},
    {"mnuDemos", core::TrNoop("Menu", "Demos")},
    {"mnuDemoSetup", core::TrNoop("Menu", "Setup")},
    {"mnuDemoGettingStarted", core::TrNoop("Menu", "Getting Started (The Basics)")},
    {"mnuDemoReSending", core::TrNoop("Menu", "Re-Sending Previous Drawing")},
    {"mnuDemoViewHistory", core::TrNoop("Menu", "Viewing HTML history File")},
    {"mnuWebSite", core::TrNoop("Menu", "Website...")},
    {"mnuHLMRFAQ", core::TrNoop("Menu", "WebSite FAQ...")},
    {"mnuHLMRSupport", core::TrNoop("Menu", "WebSite Support...")},
    {"mnuCheckNewVersion", core::TrNoop("Menu", "&Check For Updated Version")},
    {"mnuAbout", core::TrNoop("Menu", "&About...")},
};

struct ToolButton {
  const char* key;
  int image;
  const char* tool_tip;
};

constexpr ToolButton kToolButtons[] = {
    {"NEW", 1, core::TrNoop("Toolbar", "New List")},
    {"OPEN", 2, core::TrNoop("Toolbar", "Open List")},
    {"SAVE", 3, core::TrNoop("Toolbar", "Save List")},
    {"PAB", 4, core::TrNoop("Toolbar", "Add participants from address book")},
    {"ADD", 5, core::TrNoop("Toolbar", "Add participants")},
    {"DEL", 6, core::TrNoop("Toolbar", "Delete participant ")},
    {"EDIT", 7, core::TrNoop("Toolbar", "Edit participant ")},
    {"SETIND", 8, core::TrNoop("Toolbar", "Set Individual Exclusion")},
    {"SETGRP", 9, core::TrNoop("Toolbar", "Set Group Exclusion")},
    {"CLR", 10, core::TrNoop("Toolbar", "Clear Exclusions")},
    {"CALCVIEW", 11, core::TrNoop("Toolbar", "Calculate && View")},
    {"CALCSEND", 12, core::TrNoop("Toolbar", "Calculate && Send")},
};

}  // namespace

Roster::Roster(Ui& ui) : ui_(ui), random_(std::make_unique<Xoshiro256>(SeedFromSystem())) {
  DefineCommands();
}

void Roster::DefineCommands() {
  for (const MenuItem& m : kMenuItems) {
    const bool separator = std::string_view(m.caption) == "-";
    commands_.Define(m.name, {true, separator ? m.caption : core::Tr("Menu", m.caption), {}, 0});
  }
  for (const ToolButton& b : kToolButtons)
    commands_.Define(b.key, {true, {}, core::Tr("Toolbar", b.tool_tip), b.image});
}

void Roster::SetupGrid() {
  grid_.SetRows(2);
  grid_.SetCols(kColumnCount);
  grid_.SetFixedCols(1);
  grid_.SetFixedRows(1);
  grid_.SetFormatString(kGridFormat);
}

int Roster::ParticipantCount() const {
  int rows = grid_.Rows();
  if (rows == 2 && grid_.TextMatrix(1, kColName).empty()) return 0;
  return rows - 1;
}

void Roster::AddParticipant(const std::string& exclusions, const std::string& name,
                            const std::string& email, const std::string& notes, bool update) {
  grid_.SetCol(kColName);
  grid_.SetRow(1);
  int r;
  if (grid_.Rows() == 2 && grid_.TextMatrix(1, kColName).empty()) {
    r = 1;
  } else {
    r = grid_.Rows();
    grid_.SetRows(r + 1);
  }
  grid_.SetRow(r);
  grid_.SetCol(kColNumber);
  grid_.SetText(std::to_string(NextParticipantNumber));
  ++NextParticipantNumber;
  grid_.SetCol(kColExclusions);
  grid_.SetCellForeColor(kRed);
  grid_.SetText(exclusions);
  grid_.SetCol(kColName);
  grid_.SetCellForeColor(kBlue);
  grid_.SetText(name);
  grid_.SetCol(kColEmail);
  grid_.SetCellForeColor(kBlue);
  grid_.SetText(email);
  grid_.SetCol(kColResult);
  grid_.SetCellBackColor(kHiddenColor);
  grid_.SetCellForeColor(kHiddenColor);
  grid_.SetCol(kColNotes);
  grid_.SetCellForeColor(0);
  grid_.SetText(notes);
  if (update) UpdateButtonEnables(false);
}

void Roster::RemoveParticipant() {
  grid_.SetCol(kColNumber);
  const std::string removed = grid_.Text();
  grid_.RemoveItem(EditRow);
  // One pass over every list instead of one search per row: the same lists result.
  for (int i = 1; i < grid_.Rows(); ++i) {
    const std::string& list = grid_.TextMatrix(i, kColExclusions);
    if (list.empty() || removed.empty()) continue;
    bool dropped = false;
    std::string rewritten = RewriteTokens(list, [&](std::string_view token) -> const std::string* {
      static thread_local std::string keep;
      if (!dropped && token == removed) {
        dropped = true;
        return nullptr;
      }
      keep.assign(token);
      return &keep;
    });
    if (dropped) grid_.SetTextMatrix(i, kColExclusions, std::move(rewritten));
  }
  grid_.SetCol(kColExclusions);
  ReOrderParticipants();
  NextParticipantNumber = grid_.Rows();
}

void Roster::ReOrderParticipants() {
  // Renumbering row r from o to r replaces o by r in every list, row after row. Instead of
  // scanning every list per row, compose those replacements into one map and apply it once.
  std::unordered_map<std::string, std::list<std::string>> groups;  // current value -> originals
  auto touch = [&](const std::string& v) -> std::list<std::string>& {
    auto [it, inserted] = groups.try_emplace(v);
    if (inserted) it->second.push_back(v);
    return it->second;
  };
  int o = 0;
  bool any = false;
  for (int r = 1; r < grid_.Rows(); ++r) {
    grid_.SetCol(kColNumber);
    grid_.SetRow(r);
    ParseNumber(grid_.Text(), o);  // a non-number leaves o as it was
    if (o == r) continue;
    grid_.SetText(std::to_string(r));
    std::list<std::string>& from = touch(std::to_string(o));
    std::list<std::string>& to = touch(std::to_string(r));
    to.splice(to.end(), from);
    any = true;
  }
  if (!any) return;
  std::unordered_map<std::string, std::string> final_value;
  for (auto& [value, originals] : groups)
    for (const std::string& orig : originals)
      if (orig != value) final_value.emplace(orig, value);
  if (final_value.empty()) return;

  for (int q = 1; q < grid_.Rows(); ++q) {
    const std::string& list = grid_.TextMatrix(q, kColExclusions);
    if (list.empty()) continue;
    bool changed = false;
    std::string key;
    std::string rewritten = RewriteTokens(list, [&](std::string_view token) -> const std::string* {
      static thread_local std::string keep;
      key.assign(token);
      auto it = final_value.find(key);
      if (it != final_value.end()) {
        changed = true;
        return &it->second;
      }
      keep.assign(token);
      return &keep;
    });
    if (changed) grid_.SetTextMatrix(q, kColExclusions, std::move(rewritten));
  }
  grid_.SetCol(kColExclusions);
}

bool Roster::ReplacesEarlierMessage(int row) const {
  return std::find(replacing_rows_.begin(), replacing_rows_.end(), row) != replacing_rows_.end();
}

void Roster::ClearList() {
  NextParticipantNumber = 1;
  replacing_rows_.clear();
  grid_.SetRows(2);
  grid_.SetRow(1);
  grid_.SetCol(kColNumber);
  grid_.SetText("1");
  for (int c = 1; c < grid_.Cols(); ++c) {
    grid_.SetCol(c);
    grid_.SetText("");
  }
  UpdateButtonEnables(false);
}

void Roster::UpdateButtonEnables(bool bDisableAll) {
  static constexpr const char* kRosterCommands[] = {"mnuAddressBook",
                                                    "PAB",
                                                    "mnuManualAddition",
                                                    "ADD",
                                                    "mnuSave",
                                                    "SAVE",
                                                    "mnuCalculateView",
                                                    "CALCVIEW",
                                                    "mnuCalculateSend",
                                                    "CALCSEND",
                                                    "mnuSendMessage",
                                                    "mnuSetGroupExclusion",
                                                    "SETGRP",
                                                    "mnuSetIndividualExclusion",
                                                    "SETIND",
                                                    "mnuClearSelected",
                                                    "mnuClearExclusions",
                                                    "CLR",
                                                    "mnuEditParticipant",
                                                    "EDIT",
                                                    "mnuDeleteParticipant",
                                                    "DEL"};
  for (const char* name : kRosterCommands) commands_.SetEnabled(name, false);

  if (ReSendMode) {
    commands_.SetEnabled("CALCVIEW", true);
    commands_.SetToolTip("CALCVIEW", core::Tr("Toolbar", "Cancel Re-Send"));
    commands_.SetImage("CALCVIEW", 13);
    commands_.SetEnabled("CALCSEND", true);
    commands_.SetToolTip("CALCSEND", core::Tr("Toolbar", "Re-Send..."));
    commands_.SetImage("CALCSEND", 14);
    commands_.SetEnabled("mnuReSendList", true);
    commands_.SetCaption("mnuReSendList", core::Tr("Menu", "Cancel Re-Send"));
    grid_.SetToolTipText(core::Tr("Roster", "Single click Participant Name to select for Re-Send"));
    return;
  }

  commands_.SetToolTip("CALCVIEW", core::Tr("Toolbar", "Calculate && View"));
  commands_.SetImage("CALCVIEW", 11);
  commands_.SetToolTip("CALCSEND", core::Tr("Toolbar", "Calculate && Send"));
  commands_.SetImage("CALCSEND", 12);
  commands_.SetEnabled("mnuReSendList", true);
  commands_.SetCaption("mnuReSendList", core::Tr("Menu", "Re-Send Previous Drawing..."));
  grid_.SetToolTipText("");
  if (!bDisableAll) {
    for (const char* name : {"mnuManualAddition", "ADD", "mnuAddressBook", "PAB"})
      commands_.SetEnabled(name, true);
  }
  grid_.SetCol(kColName);
  const bool name_present = !grid_.Text().empty();
  if (grid_.Rows() >= 2 && name_present) {
    for (const char* name : {"mnuSave", "SAVE", "mnuClearExclusions", "CLR"})
      commands_.SetEnabled(name, true);
  }
  if (grid_.Rows() >= 3 && name_present) {
    for (const char* name :
         {"mnuCalculateView", "CALCVIEW", "mnuCalculateSend", "CALCSEND", "mnuSendMessage"})
      commands_.SetEnabled(name, true);
  }
}

}  // namespace roster
