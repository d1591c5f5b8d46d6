#include "ui/about_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/url_link.h"
#include "ui/wire_help.h"

namespace ui {

namespace {
constexpr const char* kAppTitle = "Hollymoor";
constexpr const char* kDisclaimer = QT_TRANSLATE_NOOP(
    "Dialogs",
    "This program is provided \"as is\", without warranty of any kind, express or implied. "
    "The authors are not liable for any claim, damage or other liability arising from its "
    "use, including e-mail that is delayed, lost or delivered to the wrong person. Keep a "
    "copy of your list files and of the History folder.");
constexpr const char* kUpdateNote = QT_TRANSLATE_NOOP(
    "Dialogs",
    "Checking for a newer version sends your e-mail address (from Setup) to the update server.");
}  // namespace

AboutDialog::AboutDialog(const std::string& version_text, const std::string& home_page,
                         roster::Shell* shell, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmAbout");
  setModal(true);
  setWindowIcon(ProgramIcon());

  lblTitle_ = new QLabel(this);
  lblTitle_->setObjectName("lblTitle");
  QFont title_font = lblTitle_->font();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.6);
  title_font.setBold(true);
  lblTitle_->setFont(title_font);

  lblVersion_ = new QLabel(this);
  lblVersion_->setObjectName("lblVersion");
  lblVersion_->setTextFormat(Qt::PlainText);

  lblDisclaimer_ = new QLabel(this);
  lblDisclaimer_->setObjectName("lblDisclaimer");
  lblDisclaimer_->setWordWrap(true);

  auto* update_note = new QLabel(QCoreApplication::translate("Dialogs", kUpdateNote), this);
  update_note->setObjectName("lblUpdateNote");
  update_note->setWordWrap(true);

  URLLink1_ = new URLLink(this, shell);
  URLLink1_->setObjectName("URLLink1");

  cmdOK_ = new QPushButton("OK", this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTitle_);
  layout->addWidget(lblVersion_);
  layout->addSpacing(8);
  layout->addWidget(URLLink1_);
  layout->addSpacing(8);
  layout->addWidget(lblDisclaimer_);
  layout->addWidget(update_note);
  layout->addLayout(buttons);
  setMinimumWidth(380);

  Form_Load(version_text, home_page);
}

void AboutDialog::Form_Load(const std::string& version_text, const std::string& home_page) {
  setWindowTitle(QCoreApplication::translate("Dialogs", "About %1").arg(kAppTitle));
  lblTitle_->setText(kAppTitle);
  lblVersion_->setText(QString::fromStdString(version_text));
  lblDisclaimer_->setText(QCoreApplication::translate("Dialogs", kDisclaimer));
  // The link shows the address it opens, so a distributor's address reads right too.
  URLLink1_->SetURL(QString::fromStdString(home_page));
  URLLink1_->SetText(QString::fromStdString(home_page));
}

}  // namespace ui
