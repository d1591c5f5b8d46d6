#include "mail/test_message.h"

#include "settings/provider_replies.h"

namespace mail {

SendValues TestMessageValues() {
  SendValues values;
  values.SendConfirmed = true;
  values.MailSubject = kTestMessageSubject;
  values.MailBody = kTestMessageBody;
  return values;
}

std::string TestMessageResult(const std::string& address, const DeliveryOutcome* outcome,
                              bool* accepted) {
  *accepted = outcome && outcome->state == DeliveryState::kAccepted;
  if (*accepted) return "The test message to " + address + " was accepted for delivery.";
  std::string reason = outcome ? outcome->reply : std::string();
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  std::string text = "The test message to " + address + " was not delivered" +
                     (reason.empty() ? "." : ": " + reason);
  const std::string advice = AdviceForReply(reason);
  if (!advice.empty() && reason.find(advice) == std::string::npos) text += "\n" + advice;
  return text;
}

}  // namespace mail
