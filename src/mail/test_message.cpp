#include "mail/test_message.h"

#include "core/ascii_text.h"
#include "core/tr.h"
#include "settings/provider_replies.h"

namespace mail {

SendValues TestMessageValues() {
  SendValues values;
  values.SendConfirmed = true;
  values.MailSubject = kTestMessageSubject;
  values.MailBody = kTestMessageBody;
  return values;
}

std::string TestMessageObstacle(const MailSettings& settings) {
  const std::string_view address = core::TrimView(settings.SMTPAccountName);
  if (address.find('@') == std::string_view::npos || address.size() < 3)
    return core::Tr("Mail",
                    "The test message goes to your own e-mail address. Enter it as the sender's "
                    "address first.");
  return {};
}

std::string TestMessageResult(const std::string& address, const DeliveryOutcome* outcome,
                              bool* accepted) {
  *accepted = outcome && outcome->state == DeliveryState::kAccepted;
  if (*accepted)
    return core::Arg(core::Tr("Mail", "The test message to %1 was accepted for delivery."),
                     {address});
  std::string reason = outcome ? outcome->reply : std::string();
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  std::string text =
      reason.empty()
          ? core::Arg(core::Tr("Mail", "The test message to %1 was not delivered."), {address})
          : core::Arg(core::Tr("Mail", "The test message to %1 was not delivered: %2"),
                      {address, reason});
  const std::string advice = AdviceForReply(reason);
  if (!advice.empty() && reason.find(advice) == std::string::npos) text += "\n" + advice;
  return text;
}

}  // namespace mail
