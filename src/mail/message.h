#pragma once
// The texts of the two kinds of e-mail: drawing notifications and free-form messages.
// Line ends are CR LF; typed texts go out as typed.

#include <string>
#include <string_view>

#include "mail/send_values.h"

namespace mail {

// The product's web page named in every message's closing block, unless the program was
// configured with another (the window passes its configured home page).
inline constexpr std::string_view kProductWebPage = "http://www.example.com/hollymoor/";

// The closing block of every message (the main window's MessageFooter), in the program's
// language or the one named ("de").
std::string BuildMessageFooter(std::string_view web_page = kProductWebPage,
                               std::string_view language = {});

// Subject of either kind: the name of the participant the message goes to, a space, MailSubject.
std::string MessageSubject(std::string_view person_name, std::string_view mail_subject);

// The notification for one giver: head, the receiver's name, the notes block, the event
// details when there are any, the footer.
std::string NotificationText(const SendValues& values, std::string_view receiver_name,
                             std::string_view receiver_notes, std::string_view footer);

// The event details as lines of a notification ("Budget: 20 EUR" ...), each ended by CR LF;
// empty fields are left out, and no details give the empty text.
std::string EventDetailsText(const EventDetails& event, std::string_view language = {});

// A free-form message: MailBody followed directly by the footer.
std::string FreeFormText(const SendValues& values, std::string_view footer);

// Opens the message a giver gets when a change to the drawing gave them a new receiver, so
// they know which of two messages to trust.
std::string ReplacementNotice(std::string_view language = {});

// Where a message to a participant goes: TestAddress in test mode, else the participant's
// own address (both untrimmed).
std::string RecipientAddress(const SendValues& values, std::string_view participant_address);

}  // namespace mail
