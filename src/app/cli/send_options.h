#pragma once
// What the sending commands share: the settings, the send dialog's values as the options
// leave them, and the data folder.

#include <string>

#include "app/cli/context.h"
#include "mail/send_values.h"
#include "settings/mail_settings.h"

namespace cli {

mail::MailSettings LoadSettings(Context& ctx);

// What frmSend would leave after Send: its defaults, changed where the options say so.
mail::SendValues NotificationValues(Context& ctx, const mail::MailSettings& settings);

// Creates the data folder; ends the command when it cannot be used.
void PrepareDataDir(const Context& ctx);

}  // namespace cli
