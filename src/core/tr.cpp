#include "core/tr.h"

#include <mutex>
#include <utility>

namespace core {

namespace {

std::mutex& TranslatorMutex() {
  static std::mutex mutex;
  return mutex;
}

Translator& Installed() {
  static Translator translator;
  return translator;
}

}  // namespace

void SetTranslator(Translator translator) {
  std::lock_guard lock(TranslatorMutex());
  Installed() = std::move(translator);
}

std::string TrIn(std::string_view language, const char* context, const char* text) {
  std::lock_guard lock(TranslatorMutex());
  if (Installed()) {
    std::string translated = Installed()(language, context, text);
    if (!translated.empty()) return translated;
  }
  return text;
}

std::string Tr(const char* context, const char* text) { return TrIn({}, context, text); }

std::string Arg(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
      if (index < values.size()) {
        out += *(values.begin() + index);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace core
