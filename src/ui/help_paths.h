#pragma once
// Where the local help pages are: found from the program's own folder, so an installed copy
// works wherever its prefix was moved, and a development build finds the copy beside it.

#include <filesystem>

namespace ui {

// The first folder holding the help pages among: <program_dir>/../share/hollymoor/help (an
// installed program), <program_dir>/help (a build tree, or a copy unpacked in one folder),
// and the configured install prefix's help folder. When none holds them, the first of these,
// so messages name where the pages were expected.
std::filesystem::path FindHelpDir(const std::filesystem::path& program_dir);

// The same for the running program (needs a QCoreApplication).
std::filesystem::path FindHelpDir();

// The page in the program's language when the help has it (help_dir/de/page), else the English
// one (help_dir/page).
std::filesystem::path LocalizedHelpPage(const std::filesystem::path& help_dir, const char* page);

// The four local demo pages, by menu item.
inline constexpr const char* kHelpPageSetup = "email-setup.htm";
inline constexpr const char* kHelpPageBasics = "the-basics.htm";
inline constexpr const char* kHelpPageReSend = "resend-prev-drawing.htm";
inline constexpr const char* kHelpPageHistory = "view-history-log.htm";

}  // namespace ui
