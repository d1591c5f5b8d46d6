#pragma once
// The desktop's "open" verb through QDesktopServices: web addresses go to the browser,
// local paths and file: URLs to the program associated with the file.

#include "core/shell_port.h"

namespace ui {

class QtShell : public roster::Shell {
 public:
  bool Open(const std::string& target) override;
  Error LastError() const override { return error_; }

 private:
  Error error_;
};

}  // namespace ui
