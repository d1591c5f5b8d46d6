#include "mail/smtp/smtp_compose.h"

#include "mail/wire_message.h"

namespace mail {

SmtpComposer WireComposer(const MailSettings& settings, const roster::Clock& clock) {
  return [&settings, &clock](const Delivery& d) {
    OutgoingMessage m;
    m.from_name = settings.SMTPUserName;
    m.from_address = settings.SMTPAccountName;
    m.to_name = d.name;
    m.to_address = d.address;
    m.subject = d.subject;
    m.text = d.text;
    return BuildWireMessage(m, clock);
  };
}

}  // namespace mail
