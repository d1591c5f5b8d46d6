#pragma once
// What starting a program and collecting its output have in common on every system; used by
// the POSIX and the Windows RunProcess only.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process.h"

namespace platform::internal {

// The program argv[0] names, or nothing with run.error saying why it cannot be run.
std::optional<std::filesystem::path> ProgramToRun(const std::vector<std::string>& argv,
                                                  ProcessRun& run);

// Tries each entry of a PATH-like list in order (empty entries too), and gives the first path
// `try_entry` finds.
std::optional<std::filesystem::path> SearchList(
    std::string_view list, char separator,
    const std::function<std::optional<std::filesystem::path>(std::string_view entry)>& try_entry);

// Adds what the program printed to run.output, keeping no more than kProcessOutputCap bytes.
void KeepOutput(ProcessRun& run, const char* data, std::size_t size);

}  // namespace platform::internal
