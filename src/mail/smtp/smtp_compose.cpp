#include "mail/smtp/smtp_compose.h"

#include "mail/message.h"
#include "mail/wire_message.h"

namespace mail {

SmtpComposer WireComposer(const MailSettings& settings, const SendValues& values,
                          const std::string& message_footer, const roster::Clock& clock) {
  return [&settings, &values, &message_footer, &clock](const SmtpMessageRequest& r) {
    OutgoingMessage m;
    m.from_name = settings.SMTPUserName;
    m.from_address = settings.SMTPAccountName;
    m.to_name = r.giver_name;
    m.to_address = r.recipient;
    m.subject = MessageSubject(r.giver_name, values.MailSubject);
    m.text = r.free_form
                 ? FreeFormText(values, message_footer)
                 : NotificationText(values, r.receiver_name, r.receiver_notes, message_footer);
    return BuildWireMessage(m, clock);
  };
}

}  // namespace mail
