#pragma once
// The test message to the sender's own address, shared by the settings dialog's button and
// `hollymoor-cli settings --test`: a free-form message to the sender alone, no roster file, no
// archive, and its result in plain words.

#include <string>

#include "mail/delivery.h"
#include "mail/send_values.h"
#include "settings/mail_settings.h"

namespace mail {

inline constexpr char kTestMessageSubject[] = "Hollymoor test message";
inline constexpr char kTestMessageBody[] =
    "This is a test message from Hollymoor. It reached you, so your mail settings work.\r\n";

// The send values of the test message (the free-form run's subject and text, confirmed).
SendValues TestMessageValues();

// Why no test message can go out with `settings`, in plain words; empty when it can. It goes to
// the sender's own address, so that address must be there.
std::string TestMessageObstacle(const MailSettings& settings);

// "The test message to ADDRESS was accepted for delivery." or why it was not, with the
// provider's advice line when its reply has one. `outcome` null: the run never got to it.
std::string TestMessageResult(const std::string& address, const DeliveryOutcome* outcome,
                              bool* accepted);

}  // namespace mail
