#pragma once
// What the two send dialogs leave behind for the senders to read.

#include <string>

namespace mail {

struct SendValues {
  bool SendConfirmed = false;
  std::string MailSubject;
  std::string MailBody;
  std::string MailTrailer;
  bool TestMode = false;
  std::string TestAddress;
};

}  // namespace mail
