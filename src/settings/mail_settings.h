#pragma once
// The in-memory mail settings, loaded at start-up and changed by the settings dialog.
// SMTPAccountPassword holds the Base64 text, never the clear password.

#include <string>

namespace mail {

struct MailSettings {
  bool UseSMTP = false;
  bool ServerRequiresAuthentication = false;
  std::string SMTPServer;
  std::string SMTPUserName;
  std::string SMTPAccountName;
  std::string SMTPAccountPassword;
  // Lets a run go on without encryption when the server offers no STARTTLS (off: such a
  // server gets no login and no message).
  bool AllowUnencryptedSMTP = false;
  // This platform's desktop-mail path: a sendmail-compatible command, run without a shell.
  std::string MailerCommand = "/usr/sbin/sendmail -t -oi";
};

}  // namespace mail
