#pragma once
// The composer a session uses in the program: each delivery inside the wire message shared
// with the desktop-mail path.

#include "core/clock.h"
#include "mail/smtp/smtp_engine.h"
#include "settings/mail_settings.h"

namespace mail {

// Both arguments are read when a message is composed, so they must outlive the session.
SmtpComposer WireComposer(const MailSettings& settings, const roster::Clock& clock);

}  // namespace mail
