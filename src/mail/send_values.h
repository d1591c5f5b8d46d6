#pragma once
// What the two send dialogs leave behind for the senders to read.

#include <string>

#include "core/tr.h"

namespace mail {

// What frmSend shows before anything is typed (the texts of a send left at its defaults), in
// English; core::TrIn(language, "Message", ...) gives them in the language of the e-mail.
inline constexpr const char* kDefaultMailSubject =
    core::TrNoop("Message", "Your Secret Santa Information Enclosed");
inline constexpr const char* kDefaultMailBody =
    core::TrNoop("Message",
                 "Important Secret Santa Message!!\r\n"
                 "\r\n"
                 "The person you have been choosen to be a Secret Santa for\r\n"
                 " is named at the end of this email message\r\n");
inline constexpr const char* kDefaultMailTrailer =
    core::TrNoop("Message", "You are a Secret Santa for");

// Budget, date and place of the exchange, and a reply-by date; any may be empty.
struct EventDetails {
  std::string Budget;
  std::string Date;
  std::string Place;
  std::string ReplyBy;

  bool Empty() const { return Budget.empty() && Date.empty() && Place.empty() && ReplyBy.empty(); }
};

struct SendValues {
  bool SendConfirmed = false;
  std::string MailSubject;
  std::string MailBody;
  std::string MailTrailer;
  bool TestMode = false;
  std::string TestAddress = {};
  EventDetails Event = {};
  // The language of the e-mail's own texts (a code such as "de"); "" = the program's language.
  std::string Language = {};
};

}  // namespace mail
