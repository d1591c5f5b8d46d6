#include "mail/message.h"

#include "core/tr.h"

namespace mail {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr const char* kSentUsing =
    core::TrNoop("Message", "This message was sent to you using the Hollymoor");
constexpr const char* kGetYourCopy = core::TrNoop("Message", "Get Your copy at %1");

// The footer a window built in the program's language, with its two fixed lines in the
// language of the e-mail; one that does not hold them (typed by hand) goes out as it is.
std::string FooterIn(std::string_view footer, const std::string& language) {
  std::string out(footer);
  if (language.empty()) return out;
  auto swap = [&out](const std::string& from, const std::string& to) {
    const std::size_t at = out.find(from);
    if (at != std::string::npos && from != to) out.replace(at, from.size(), to);
  };
  swap(core::Tr("Message", kSentUsing), core::TrIn(language, "Message", kSentUsing));
  const std::string program_prefix = core::Arg(core::Tr("Message", kGetYourCopy), {""});
  const std::string language_prefix =
      core::Arg(core::TrIn(language, "Message", kGetYourCopy), {""});
  swap(kCrLf.data() + program_prefix, kCrLf.data() + language_prefix);
  return out;
}

}  // namespace

std::string BuildMessageFooter(std::string_view web_page, std::string_view language) {
  std::string footer;
  footer += kCrLf;
  footer += kCrLf;
  footer += std::string(65, '=');
  footer += kCrLf;
  footer += core::TrIn(language, "Message", kSentUsing);
  footer += kCrLf;
  footer += core::Arg(core::TrIn(language, "Message", kGetYourCopy), {web_page});
  footer += kCrLf;
  footer += kCrLf;
  return footer;
}

std::string ReplacementNotice(std::string_view language) {
  return core::TrIn(
      language, "Message",
      core::TrNoop("Message",
                   "This message replaces the Secret Santa message you received earlier.\r\n"
                   "The drawing has changed: please disregard the earlier message and give to "
                   "the\r\n"
                   "person named in this one.\r\n"
                   "\r\n"));
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
  text += core::Arg(
      core::TrIn(
          values.Language, "Message",
          core::TrNoop("Message", "Notes, Gift Suggestions, or Special Instructions for %1:")),
      {receiver_name});
  text += kCrLf;
  text += receiver_notes;
  if (!values.Event.Empty()) {
    text += kCrLf;
    text += kCrLf;
    text += EventDetailsText(values.Event, values.Language);
  }
  text += FooterIn(footer, values.Language);
  return text;
}

std::string EventDetailsText(const EventDetails& event, std::string_view language) {
  std::string text;
  auto line = [&](const char* label, const std::string& value) {
    if (value.empty()) return;
    text += core::Arg(core::TrIn(language, "Message", label), {value});
    text += kCrLf;
  };
  line(core::TrNoop("Message", "Gift budget: %1"), event.Budget);
  line(core::TrNoop("Message", "Date of the exchange: %1"), event.Date);
  line(core::TrNoop("Message", "Place: %1"), event.Place);
  line(core::TrNoop("Message", "Please reply by: %1"), event.ReplyBy);
  return text;
}

std::string FreeFormText(const SendValues& values, std::string_view footer) {
  std::string text = values.MailBody;
  text += FooterIn(footer, values.Language);
  return text;
}

std::string RecipientAddress(const SendValues& values, std::string_view participant_address) {
  return values.TestMode ? values.TestAddress : std::string(participant_address);
}

}  // namespace mail
