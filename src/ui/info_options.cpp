#include "ui/info_options.h"

#include <iostream>
#include <string_view>

namespace ui {

int HandleInfoOptions(int argc, char** argv, std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "--version") {
      out << "hollymoor " << HOLLYMOOR_VERSION << "\n";
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      out << "Usage: hollymoor [OPTION]...\n"
             "Organise a Secret Santa gift exchange: keep the roster, set who must not draw\n"
             "whom, draw at random and e-mail every giver their receiver.\n"
             "\n"
             "  -h, --help     show this help and exit\n"
             "      --version  show the program's version and exit\n"
             "\n"
             "Other options are those of the Qt toolkit (for example -platform, -style).\n";
      return 0;
    }
  }
  return -1;
}

int HandleInfoOptions(int argc, char** argv) { return HandleInfoOptions(argc, argv, std::cout); }

}  // namespace ui
