#include "roster/deliveries.h"

#include "mail/message.h"

namespace roster {

namespace {

mail::Delivery For(const Grid& grid, int row, const mail::SendValues& values,
                   bool use_test_address) {
  mail::Delivery d;
  d.giver_row = row;
  d.name = grid.TextMatrix(row, kColName);
  const std::string& own = grid.TextMatrix(row, kColEmail);
  d.address = use_test_address ? mail::RecipientAddress(values, own) : own;
  d.subject = mail::MessageSubject(d.name, values.MailSubject);
  return d;
}

}  // namespace

mail::DeliveryRun DrawingDeliveries(const Roster& roster, const mail::SendValues& values) {
  const Grid& grid = roster.grid();
  mail::DeliveryRun run;
  run.resend = roster.ReSendMode;
  run.participants = grid.Rows() - 1;
  if (values.TestMode) run.test_address = mail::RecipientAddress(values, {});
  mail::SendValues replacing = values;
  replacing.MailBody = mail::ReplacementNotice(values.Language) + values.MailBody;
  for (int row = 1; row < grid.Rows(); ++row) {
    if (run.resend && !roster.IsMarked(row)) continue;
    int receiver = 0;
    if (!ParseNumber(grid.TextMatrix(row, kColResult), receiver) || receiver < 1 ||
        receiver >= grid.Rows())
      throw mail::DeliveryListError("Row " + std::to_string(row) + " holds no drawn receiver",
                                    run.resend);
    mail::Delivery d = For(grid, row, values, true);
    d.text = mail::NotificationText(roster.ReplacesEarlierMessage(row) ? replacing : values,
                                    grid.TextMatrix(receiver, kColName),
                                    grid.TextMatrix(receiver, kColNotes), roster.MessageFooter);
    run.deliveries.push_back(std::move(d));
  }
  return run;
}

mail::DeliveryRun MessageDeliveries(const Roster& roster, const mail::SendValues& values,
                                    bool use_test_address) {
  const Grid& grid = roster.grid();
  mail::DeliveryRun run;
  run.participants = grid.Rows() - 1;
  if (use_test_address && values.TestMode) run.test_address = mail::RecipientAddress(values, {});
  const std::string text = mail::FreeFormText(values, roster.MessageFooter);
  for (int row = 1; row < grid.Rows(); ++row) {
    mail::Delivery d = For(grid, row, values, use_test_address);
    d.text = text;
    run.deliveries.push_back(std::move(d));
  }
  return run;
}

}  // namespace roster
