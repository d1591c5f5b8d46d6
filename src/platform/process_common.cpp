#include "platform/process_common.h"

#include <algorithm>

namespace platform::internal {

std::optional<std::filesystem::path> ProgramToRun(const std::vector<std::string>& argv,
                                                  ProcessRun& run) {
  if (argv.empty()) {
    run.error = "no mailer command";
    return std::nullopt;
  }
  std::optional<std::filesystem::path> program = FindProgram(argv[0]);
  if (!program) run.error = "[" + argv[0] + "] is not an executable program";
  return program;
}

std::optional<std::filesystem::path> SearchList(
    std::string_view list, char separator,
    const std::function<std::optional<std::filesystem::path>(std::string_view entry)>& try_entry) {
  while (true) {
    const std::size_t end = list.find(separator);
    if (auto found = try_entry(list.substr(0, end))) return found;
    if (end == std::string_view::npos) return std::nullopt;
    list.remove_prefix(end + 1);
  }
}

void KeepOutput(ProcessRun& run, const char* data, std::size_t size) {
  const std::size_t room = kProcessOutputCap - std::min(kProcessOutputCap, run.output.size());
  run.output.append(data, std::min(room, size));
}

}  // namespace platform::internal
