#pragma once
// The two delivery paths of the desktop program, assembled without a window: the Qt SMTP
// sender (run to its end under the event loop) and the system-mailer path. The command line
// only counts what they report; every message is composed, sent and logged by them.

#include <memory>
#include <string>
#include <vector>

#include "app/cli/context.h"
#include "core/clock.h"
#include "files/run_record.h"
#include "mail/mailer/mailer_client.h"
#include "mail/mailer/mapi_delivery.h"
#include "mail/send_values.h"
#include "roster/roster.h"
#include "settings/file_settings_store.h"
#include "settings/mail_settings.h"

namespace ui {
class SmtpRunner;
}

namespace cli {

// Ends the command with kExitBadInput when the chosen path cannot work at all (SMTP entries
// that the session would refuse, no sign-in where one is chosen, a mailer that is not
// installed), before anything is drawn.
void RequireUsableSettings(const mail::MailSettings& settings);

class Delivery {
 public:
  Delivery(Context& ctx, roster::Roster& roster, const mail::MailSettings& settings,
           mail::SendValues& values);
  ~Delivery();

  // Each runs to the end of the run (the SMTP run under the event loop).
  void SmtpSendDrawing();
  void MapiSendDrawing();
  void SendMessage();  // by the path the settings choose

  // Where each run records what became of its messages.
  files::RunRecord& record() { return record_; }

 private:
  class CountingClient;
  void RunSmtp(bool free_form);
  void BeginRecord(const std::vector<int>& rows);
  // Ends the record: nothing stays in flight.
  void FinishRecord();

  roster::Roster& roster_;
  // A copy: a renewed sign-in token goes into it (and into the settings file's store).
  mail::MailSettings settings_;
  mail::FileSettingsStore store_;
  mail::SendValues& values_;
  roster::SystemClock clock_;
  std::unique_ptr<ui::SmtpRunner> runner_;
  std::unique_ptr<mail::MailerClient> mailer_;
  std::unique_ptr<CountingClient> counting_;
  std::unique_ptr<mail::MapiDelivery> mapi_;
  std::vector<int> planned_;  // rows the MAPI path sends to, in order
  bool used_smtp_ = false;
  files::RunRecord record_;
};

// The rows a drawing run sends to: every row, or in re-send mode the marked ones.
std::vector<int> RowsToNotify(const roster::Roster& roster);

}  // namespace cli
