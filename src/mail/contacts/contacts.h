#pragma once
// Contacts files exported by mail clients and phones: vCard (2.1, 3.0, 4.0) and the CSV
// layouts of the common webmail and desktop clients. The address book of the desktop-mail
// path reads them; one contact is one person with one address, so a card with three addresses
// gives three contacts.

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

struct Contact {
  std::string name;     // UTF-8; the address itself when the entry has no name
  std::string address;  // a bare address: "someone@example.org"

  bool operator==(const Contact&) const = default;
};
// For test failure messages.
inline std::ostream& operator<<(std::ostream& os, const Contact& c) {
  return os << '{' << c.name << " <" << c.address << ">}";
}

struct ContactsLoad {
  std::vector<Contact> contacts;
  int skipped = 0;    // cards or rows that gave no usable address
  std::string error;  // set only when the file could not be read at all
};

// Reads any supported layout; the format is told from the content, not the file name.
// Broken entries are skipped and counted, the rest is kept.
ContactsLoad ParseContacts(std::string_view data);
ContactsLoad ParseVCards(std::string_view utf8);
ContactsLoad ParseContactsCsv(std::string_view utf8);

// No address book comes near this; a larger "contacts file" is refused unread.
inline constexpr std::uintmax_t kMaxContactsFileBytes = 64u << 20;

// Reads a regular file of at most kMaxContactsFileBytes. Pipes, devices and folders are
// refused without being opened: opening a FIFO would wait for a writer forever.
ContactsLoad LoadContactsFile(const std::filesystem::path& path);

// Text helpers shared by the two parsers.
// Converts a file's bytes to UTF-8: a UTF-8 or UTF-16 byte-order mark is honoured, text that
// is not valid UTF-8 is taken as Windows-1252.
std::string DecodeContactsText(std::string_view bytes);
// Converts text in the named character set (as a vCard CHARSET parameter gives it) to UTF-8.
std::string ConvertCharset(std::string_view bytes, std::string_view charset);
bool IsValidUtf8(std::string_view s);
// A name fit for one roster cell: line breaks, tabs and runs of spaces become one space.
std::string CleanName(std::string_view name);
// A plausible single address: one "@" with text on both sides, no spaces or angle brackets.
bool LooksLikeAddress(std::string_view s);

}  // namespace mail
