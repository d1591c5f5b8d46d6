#pragma once
// What the two send dialogs leave behind for the senders to read.

#include <string>

namespace mail {

// What frmSend shows before anything is typed (the texts of a send left at its defaults).
inline constexpr char kDefaultMailSubject[] = "Your Secret Santa Information Enclosed";
inline constexpr char kDefaultMailBody[] =
    "Important Secret Santa Message!!\r\n"
    "\r\n"
    "The person you have been choosen to be a Secret Santa for\r\n"
    " is named at the end of this email message\r\n";
inline constexpr char kDefaultMailTrailer[] = "You are a Secret Santa for";

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
};

}  // namespace mail
