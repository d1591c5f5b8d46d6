#pragma once
// The composer a session uses in the program: the documented message texts inside the wire
// message shared with the desktop-mail path.

#include <string>

#include "core/clock.h"
#include "mail/send_values.h"
#include "mail/smtp/smtp_engine.h"
#include "settings/mail_settings.h"

namespace mail {

// All arguments are read when a message is composed, so they must outlive the session.
SmtpComposer WireComposer(const MailSettings& settings, const SendValues& values,
                          const std::string& message_footer, const roster::Clock& clock);

}  // namespace mail
