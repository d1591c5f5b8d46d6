#pragma once
// The desktop's "open" verb: hands a web address or a file to the program the desktop
// associates with it (browser, HTML viewer). The Qt implementation is ui::QtShell; tests use
// a recording fake.

#include <string>

namespace roster {

class Shell {
 public:
  struct Error {
    int number = 0;
    std::string description;
  };

  virtual ~Shell() = default;
  // True when the desktop accepted the request. It says nothing about whether the page or
  // file then opened; false means the request could not be made, and LastError() says why.
  virtual bool Open(const std::string& target) = 0;
  virtual Error LastError() const { return {}; }
};

}  // namespace roster
