#include "ui/info_options.h"

#include <iostream>
#include <string_view>

#include "core/tr.h"

namespace ui {

namespace {

constexpr const char* kHelp =
    core::TrNoop("InfoOptions",
                 "Usage: hollymoor [OPTION]...\n"
                 "Organise a Secret Santa gift exchange: keep the roster, set who must not draw\n"
                 "whom, draw at random and e-mail every giver their receiver.\n"
                 "\n"
                 "  -h, --help     show this help and exit\n"
                 "      --version  show the program's version and exit\n"
                 "\n"
                 "Other options are those of the Qt toolkit (for example -platform, -style).\n");

}  // namespace

InfoOption AskedInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "--version") return InfoOption::kVersion;
    if (arg == "--help" || arg == "-h") return InfoOption::kHelp;
  }
  return InfoOption::kNone;
}

int HandleInfoOptions(int argc, char** argv, std::ostream& out) {
  switch (AskedInfoOption(argc, argv)) {
    case InfoOption::kVersion:
      out << "hollymoor " << HOLLYMOOR_VERSION << "\n";
      return 0;
    case InfoOption::kHelp:
      out << core::Tr("InfoOptions", kHelp);
      return 0;
    case InfoOption::kNone:
      break;
  }
  return -1;
}

int HandleInfoOptions(int argc, char** argv) { return HandleInfoOptions(argc, argv, std::cout); }

}  // namespace ui
