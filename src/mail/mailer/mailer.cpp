#include "mail/mailer/mailer.h"

#include "platform/process.h"

namespace mail {

std::vector<std::string> SplitCommand(std::string_view command) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  char quote = 0;
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char c = command[i];
    if (quote) {
      if (c == quote)
        quote = 0;
      else if (c == '\\' && quote == '"' && i + 1 < command.size())
        word += command[++i];
      else
        word += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
      in_word = true;
    } else if (c == '\\' && i + 1 < command.size()) {
      word += command[++i];
      in_word = true;
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(std::move(word));
  return words;
}

std::optional<std::filesystem::path> FindExecutable(const std::string& program) {
  return platform::FindProgram(program);
}

MailerRun RunMailer(const std::vector<std::string>& argv, std::string_view input,
                    std::chrono::milliseconds timeout) {
  return platform::RunProcess(argv, input, timeout);
}

}  // namespace mail
