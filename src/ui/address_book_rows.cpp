#include "ui/address_book_rows.h"

#include <algorithm>

#include "core/tr.h"

namespace ui {

namespace {

namespace mb = roster::mb;

constexpr const char* kLogonFailure = core::TrNoop(
    "Dialogs",
    "Error Failed to Logon to MAPI Email Client, This function may not be available if your "
    "email client does not support MAPI, You must add the information by using the manual "
    "addition.");

template <typename Fn>
void IgnoreError(Fn fn) {
  try {
    fn();
  } catch (const mail::MailClientError&) {
  }
}

}  // namespace

void AddFromAddressBook(roster::Roster& roster, mail::MapiDelivery& mapi) {
  roster::Ui& ui = roster.ui();
  mail::MailClient& client = mapi.client();
  if (!roster.MapiLoggedOn) {
    try {
      mapi.MapiLogon();
    } catch (const mail::MailClientError&) {
      ui.MsgBox(core::Tr("Dialogs", kLogonFailure), mb::kCritical);
      return;
    }
  }
  if (!roster.MapiLoggedOn) return;

  // From here on a failing step is passed over; a cancelled book leaves no recipients.
  ui.SetStatusText(core::Tr("Status", "Select participants from AddressBook to Add"));
  IgnoreError([&] { client.Compose(); });
  IgnoreError([&] { client.Show(); });
  int n = 0;
  IgnoreError([&] { n = client.RecipCount(); });
  n = std::clamp(n, 0, roster::kMaxParticipants - roster.ParticipantCount());

  roster::Grid& g = roster.grid();
  const bool empty = g.Rows() == 2 && g.TextMatrix(1, roster::kColName).empty();
  // An empty roster keeps its blank placeholder row when nobody was chosen.
  if (n > 0 || !empty) {
    const int first = empty ? 1 : g.Rows();
    g.SetRedraw(false);
    g.SetRows(first + n);
    for (int r = first; r < g.Rows(); ++r) {
      IgnoreError([&] { client.SetRecipIndex(r - first); });
      g.SetTextMatrix(r, roster::kColNumber, std::to_string(roster.NextParticipantNumber));
      ++roster.NextParticipantNumber;
      g.SetTextMatrix(r, roster::kColExclusions, "");
      g.SetCellForeAt(r, roster::kColExclusions, roster::kRed);
      IgnoreError([&] { g.SetTextMatrix(r, roster::kColName, client.RecipDisplayName()); });
      g.SetCellForeAt(r, roster::kColName, roster::kBlue);
      IgnoreError([&] {
        std::string address = client.RecipAddress();
        if (address.compare(0, 5, "SMTP:") == 0) address.erase(0, 5);
        g.SetTextMatrix(r, roster::kColEmail, std::move(address));
      });
      g.SetCellForeAt(r, roster::kColEmail, roster::kBlue);
      g.SetCellColors(r, roster::kColResult, roster::kHiddenColor, roster::kHiddenColor);
      g.SetCellForeAt(r, roster::kColNotes, 0);
    }
    g.SetRedraw(true);
    // The current row ends on the last one filled, as filling row by row would leave it.
    if (n > 0) g.SetRow(g.Rows() - 1);
  }
  roster.UpdateButtonEnables(false);
  ui.SetStatusText(core::Tr("Status", "Ready"));
}

}  // namespace ui
