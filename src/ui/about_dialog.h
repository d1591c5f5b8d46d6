#pragma once
// frmAbout: the program's title, version, a legal notice and a link to the product's page.

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace ui {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const std::string& version_text, const std::string& home_page,
              QWidget* parent = nullptr);

 private:
  void Form_Load(const std::string& version_text, const std::string& home_page);

  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QLabel* lblDisclaimer_;
  QWidget* link_;
  QPushButton* cmdOK_;
};

}  // namespace ui
