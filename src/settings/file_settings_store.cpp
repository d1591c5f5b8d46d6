#include "settings/file_settings_store.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/ascii_text.h"
#include "platform/files.h"

namespace mail {

namespace {

// Type number for a line whose value is neither a quoted string nor a 32-bit integer.
constexpr int kTypeUnknown = 3;

std::string_view Trim(std::string_view s) { return core::TrimView(s, " \t\r"); }

bool IsValidName(std::string_view name) {
  if (name.empty() || Trim(name) != name) return false;
  if (name.front() == ';' || name.front() == '#' || name.front() == '[') return false;
  for (unsigned char c : name)
    if (c == '=' || c < 0x20 || c == 0x7F) return false;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A whole quoted string with its escapes; false when the value is not one.
bool Unquote(std::string_view v, std::string* out) {
  if (v.size() < 2 || v.front() != '"' || v.back() != '"') return false;
  out->clear();
  for (size_t i = 1; i + 1 < v.size(); ++i) {
    char c = v[i];
    if (c == '"') return false;
    if (c != '\\') {
      *out += c;
      continue;
    }
    if (++i + 1 >= v.size()) return false;
    switch (v[i]) {
      case '\\':
        *out += '\\';
        break;
      case '"':
        *out += '"';
        break;
      case 'n':
        *out += '\n';
        break;
      case 'r':
        *out += '\r';
        break;
      case 't':
        *out += '\t';
        break;
      case 'x': {
        if (i + 3 >= v.size()) return false;
        int hi = HexDigit(v[i + 1]), lo = HexDigit(v[i + 2]);
        if (hi < 0 || lo < 0) return false;
        *out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default:
        return false;
    }
  }
  return true;
}

std::string Quote(const std::string& s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\x";
          out += kHex[c >> 4];
          out += kHex[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

class FileKey : public SettingsKey {
 public:
  FileKey(std::filesystem::path path, SettingsEntries entries)
      : path_(std::move(path)), entries_(std::move(entries)) {}

  int Query(const std::string& name, StoredValue* value) override {
    for (const auto& [n, v] : entries_) {
      if (n == name) {
        *value = v;
        return kStatusOk;
      }
    }
    return kStatusNotFound;
  }

  int Set(const std::string& name, const StoredValue& value) override {
    if (!IsValidName(name) || (value.type != kTypeString && value.type != kTypeInt32))
      return kStatusInvalidName;
    SettingsEntries updated = entries_;
    bool found = false;
    for (auto& [n, v] : updated) {
      if (n == name) {
        v = value;
        found = true;
      }
    }
    if (!found) updated.emplace_back(name, value);
    int status = WriteAtomically(FormatSettingsFile(updated));
    if (status == kStatusOk) entries_ = std::move(updated);
    return status;
  }

 private:
  int WriteAtomically(const std::string& text) {
    std::error_code ec;
    // A linked settings file (kept with other dotfiles, say) is replaced where it lives.
    std::filesystem::path target = path_;
    if (std::filesystem::is_symlink(path_, ec)) {
      target = std::filesystem::weakly_canonical(path_, ec);
      if (ec) return kStatusWriteFault;
    }
    std::filesystem::path dir = target.parent_path();
    if (!dir.empty() && !std::filesystem::exists(dir, ec)) {
      std::filesystem::create_directories(dir, ec);
      if (ec) return kStatusWriteFault;
      platform::RestrictFolderToOwner(dir);
    }
    if (!platform::ReplaceFileAtomically(target, text)) return kStatusWriteFault;
    return kStatusOk;
  }

  std::filesystem::path path_;
  SettingsEntries entries_;
};

}  // namespace

std::string FormatSettingsFile(const SettingsEntries& entries) {
  std::string out =
      "; Hollymoor settings. Quoted values are strings, bare numbers 32-bit integers.\n";
  for (const auto& [name, value] : entries) {
    out += name;
    out += '=';
    if (value.type == kTypeString)
      out += Quote(value.text);
    else if (value.type == kTypeInt32)
      out += std::to_string(value.number);
    else
      out += value.text;
    out += '\n';
  }
  return out;
}

SettingsEntries ParseSettingsFile(const std::string& text) {
  SettingsEntries entries;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string_view l = Trim(line);
    if (l.empty() || l.front() == ';' || l.front() == '#' || l.front() == '[') continue;
    size_t eq = l.find('=');
    if (eq == std::string_view::npos) continue;
    std::string name(Trim(l.substr(0, eq)));
    std::string_view raw = Trim(l.substr(eq + 1));
    if (!IsValidName(name)) continue;
    StoredValue value;
    int32_t number = 0;
    auto [end, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), number);
    if (Unquote(raw, &value.text)) {
      value.type = kTypeString;
    } else if (!raw.empty() && ec == std::errc() && end == raw.data() + raw.size()) {
      value.type = kTypeInt32;
      value.number = number;
    } else {
      value.type = kTypeUnknown;
      value.text = std::string(raw);
    }
    bool replaced = false;
    for (auto& [n, v] : entries) {
      if (n == name) {
        v = value;
        replaced = true;
      }
    }
    if (!replaced) entries.emplace_back(std::move(name), std::move(value));
  }
  return entries;
}

int FileSettingsStore::OpenKey(std::unique_ptr<SettingsKey>* key) {
  key->reset();
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(path_, ec);
  if (st.type() == std::filesystem::file_type::not_found) {
    // Not there yet: it is created by the first write.
    *key = std::make_unique<FileKey>(path_, SettingsEntries{});
    return kStatusOk;
  }
  if (ec) return kStatusAccessDenied;
  // Full access or none: a settings file marked read-only (or not ours to write) is left alone,
  // as is anything that is not a plain file.
  if (!platform::IsWritableRegularFile(path_)) return kStatusAccessDenied;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return kStatusAccessDenied;
  std::ostringstream text;
  text << in.rdbuf();
  *key = std::make_unique<FileKey>(path_, ParseSettingsFile(text.str()));
  return kStatusOk;
}

}  // namespace mail
