#include "mail/message.h"

namespace mail {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}

std::string BuildMessageFooter(std::string_view web_page) {
  std::string footer;
  footer += kCrLf;
  footer += kCrLf;
  footer += std::string(65, '=');
  footer += kCrLf;
  footer += "This message was sent to you using the Hollymoor";
  footer += kCrLf;
  footer += "Get Your copy at ";
  footer += web_page;
  footer += kCrLf;
  footer += kCrLf;
  return footer;
}

std::string MessageSubject(std::string_view person_name, std::string_view mail_subject) {
  std::string subject(person_name);
  subject += ' ';
  subject += mail_subject;
  return subject;
}

std::string NotificationText(const SendValues& values, std::string_view receiver_name,
                             std::string_view receiver_notes, std::string_view footer) {
  std::string text = values.MailBody;
  text += kCrLf;
  // Ten near-empty lines push the receiver's name well below the opening text.
  for (int i = 0; i < 10; ++i) {
    text += "    :";
    text += kCrLf;
  }
  text += values.MailTrailer;
  text += ' ';
  text += receiver_name;
  text += kCrLf;
  text += kCrLf;
  text += "Notes, Gift Suggestions, or Special Instructions for ";
  text += receiver_name;
  text += ':';
  text += kCrLf;
  text += receiver_notes;
  if (!values.Event.Empty()) {
    text += kCrLf;
    text += kCrLf;
    text += EventDetailsText(values.Event);
  }
  text += footer;
  return text;
}

std::string EventDetailsText(const EventDetails& event) {
  std::string text;
  auto line = [&](std::string_view label, const std::string& value) {
    if (value.empty()) return;
    text += label;
    text += value;
    text += kCrLf;
  };
  line("Gift budget: ", event.Budget);
  line("Date of the exchange: ", event.Date);
  line("Place: ", event.Place);
  line("Please reply by: ", event.ReplyBy);
  return text;
}

std::string FreeFormText(const SendValues& values, std::string_view footer) {
  std::string text = values.MailBody;
  text += footer;
  return text;
}

std::string RecipientAddress(const SendValues& values, std::string_view participant_address) {
  return values.TestMode ? values.TestAddress : std::string(participant_address);
}

}  // namespace mail
