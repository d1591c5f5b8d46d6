#pragma once
// Where the desktop-mail path finds people to add: on this platform a picker over a contacts
// file (ui/), in tests a scripted fake.

#include <optional>
#include <vector>

#include "mail/contacts/contacts.h"

namespace mail {

class AddressBook {
 public:
  virtual ~AddressBook() = default;
  // Lets the user choose people; nothing when the user cancels.
  virtual std::optional<std::vector<Contact>> Choose() = 0;
};

}  // namespace mail
