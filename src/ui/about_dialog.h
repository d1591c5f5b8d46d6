#pragma once
// frmAbout: the program's title, version, a legal notice and a link to the product's page.

#include <QDialog>
#include <string>

#include "core/shell_port.h"

class QLabel;
class QPushButton;

namespace ui {
class URLLink;
}

namespace ui {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // `shell` opens the link (the desktop's when null).
  AboutDialog(const std::string& version_text, const std::string& home_page,
              roster::Shell* shell = nullptr, QWidget* parent = nullptr);

 private:
  void Form_Load(const std::string& version_text, const std::string& home_page);

  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QLabel* lblDisclaimer_;
  URLLink* URLLink1_;
  QPushButton* cmdOK_;
};

}  // namespace ui
