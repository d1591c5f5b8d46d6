// Feeds arbitrary bytes to the contacts reader as an exported file would reach it. Besides the
// sanitizers, it checks what the address book relies on: every entry has a name and one
// plausible address, and the result is whole UTF-8 text.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mail/contacts/contacts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const mail::ContactsLoad load = mail::ParseContacts(bytes);
  if (load.skipped < 0) std::abort();
  for (const mail::Contact& c : load.contacts) {
    if (c.name.empty() || !mail::LooksLikeAddress(c.address)) std::abort();
    if (!mail::IsValidUtf8(c.name) || !mail::IsValidUtf8(c.address)) std::abort();
    if (c.name.find_first_of("\r\n\t") != std::string::npos) std::abort();
  }
  return 0;
}
