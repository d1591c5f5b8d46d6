#include "ui/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/base64.h"
#include "core/ui_port.h"
#include "settings/provider_presets.h"
#include "settings/registry.h"
#include "settings/settings_form.h"
#include "ui/help_config.h"
#include "ui/qt_ui.h"
#include "ui/signin_box.h"
#include "ui/url_link.h"

namespace ui {

// Providers' submission servers: one on 587 with STARTTLS, the rest on 465, where the
// connection is TLS from the start (port 25 is blocked by most networks for submission).
const char* const kSmtpServerPresets[7] = {
    "smtp.gmail.com:587",
    "smtp.mail.yahoo.com:465",
    "smtp.aol.com:465",
    "smtp.comcast.net:465",
    "smtp.zoho.com:465",
    "mail.gmx.com:465",
    QT_TRANSLATE_NOOP("ui::SettingsDialog", "< type one in>")};

std::string SmtpServersPage() {
  std::string page = help_config::kHomePageUrl;
  if (!page.empty() && page.back() != '/') page += '/';
  return page + "smtp-servers.htm";
}

namespace {

constexpr const char* kAdvice = QT_TRANSLATE_NOOP(
    "ui::SettingsDialog",
    "Choose MAPI when your default mail program is a MAPI mail client such as Microsoft Outlook "
    "or Outlook Express; on this system the MAPI choice hands every message to the system's "
    "mailer (a sendmail-compatible program). Otherwise choose SMTP.\n\n"
    "Your outgoing (SMTP) server's name is in your mail program's account set-up or on your "
    "provider's support pages. It usually looks like \"mail.\" or \"smtp.\" followed by your "
    "provider's domain, for example mail.example.com or smtp.example.net.");

QString Q(const std::string& s) { return QString::fromStdString(s); }

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

SettingsDialog::SettingsDialog(mail::MailSettings& settings, mail::SettingsStore& store,
                               QWidget* parent, mail::SecretStore* keyring)
    : QDialog(parent), settings_(settings), store_(store), keyring_(keyring) {
  setObjectName("frmSettings");
  setWindowTitle(tr("Settings"));
  setModal(true);

  auto* frame2 = Named(new QGroupBox(tr("Email Type"), this), "Frame2");
  opt_smtp_ =
      Named(new QRadioButton(tr("Send email using my SMTP email server"), frame2), "optSend_1");
  opt_mapi_ = Named(new QRadioButton(tr("Send email using my MAPI email client program"), frame2),
                    "optSend_0");
  auto* type_layout = new QVBoxLayout(frame2);
  type_layout->addWidget(opt_smtp_);
  type_layout->addWidget(opt_mapi_);

  auto* frame1 = Named(new QGroupBox(tr("SMTP Settings:"), this), "Frame1");
  labels_[1] = Named(new QLabel(tr("Your Outgoing mail (SMTP) Server:"), frame1), "Label1");
  server_ = Named(new QComboBox(frame1), "cboSMTPServer");
  server_->setEditable(true);
  server_->setInsertPolicy(QComboBox::NoInsert);
  for (const char* preset : kSmtpServerPresets) server_->addItem(tr(preset));
  labels_[3] = Named(new QLabel(tr("example: mail.example.com"), frame1), "Label3");
  labels_[2] = Named(new QLabel(tr("Your email address:"), frame1), "Label2");
  account_name_ = Named(new QLineEdit(frame1), "txtAccountName");
  labels_[4] = Named(new QLabel(tr("example: yourname@example.com"), frame1), "Label4");
  provider_hint_ = Named(new QLabel(frame1), "lblProviderHint");
  from_warning_ = Named(new QLabel(frame1), "lblFromWarning");
  for (QLabel* label : {provider_hint_, from_warning_}) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->hide();
  }
  labels_[5] = Named(new QLabel(tr("Your name:"), frame1), "Label5");
  user_name_ = Named(new QLineEdit(frame1), "txtUserName");
  requires_auth_ = Named(new QCheckBox(tr("My SMTP Server Requires Authentication"), frame1),
                         "chkServerRequiresAuthentication");
  labels_[6] = Named(new QLabel(tr("Your email password:"), frame1), "Label6");
  password_ = Named(new QLineEdit(frame1), "txtAccountPassword");
  password_->setEchoMode(QLineEdit::Password);
  password_->setStyleSheet("lineedit-password-character: 42");  // masked with "*"
  allow_unencrypted_ =
      Named(new QCheckBox(tr("Allow sending without encryption (WARNING: your password and every "
                             "message, the whole drawing, can then be read on the network)"),
                          frame1),
            "chkAllowUnencryptedSMTP");
  allow_unencrypted_->setToolTip(
      tr("Only for a server on your own machine or network that offers no STARTTLS."));
  auto* link = Named(new URLLink(frame1), "URLLink1");
  link->SetText(tr("List of SMTP Servers"));
  link->SetURL(QString::fromStdString(SmtpServersPage()));
  link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // keeps the height of its text

  auto* grid = new QGridLayout(frame1);
  grid->addWidget(labels_[1], 0, 0);
  grid->addWidget(server_, 0, 1);
  grid->addWidget(labels_[3], 1, 1);
  grid->addWidget(labels_[2], 2, 0);
  grid->addWidget(account_name_, 2, 1);
  grid->addWidget(labels_[4], 3, 1);
  grid->addWidget(labels_[5], 4, 0);
  grid->addWidget(user_name_, 4, 1);
  grid->addWidget(requires_auth_, 5, 0, 1, 2);
  grid->addWidget(labels_[6], 6, 0);
  grid->addWidget(password_, 6, 1);
  grid->addWidget(allow_unencrypted_, 7, 0, 1, 2);
  grid->addWidget(provider_hint_, 8, 0, 1, 2);
  grid->addWidget(from_warning_, 9, 0, 1, 2);
  grid->addWidget(link, 10, 0, 1, 2);

  auto* advice = Named(new QPlainTextEdit(tr(kAdvice), this), "Text1");
  advice->setReadOnly(true);
  advice->setMinimumHeight(140);
  advice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* save = Named(new QPushButton(tr("&Save"), this), "cmdSaveSettings");
  auto* cancel = Named(new QPushButton(tr("&Cancel"), this), "cmdCancel");
  save->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);

  signin_ = new SignInBox(
      settings_, store_, keyring_, [this] { return CurrentEntries(); }, this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame2);
  layout->addWidget(frame1);
  layout->addWidget(signin_);
  layout->addWidget(advice);
  layout->addLayout(buttons);

  // Form_Load: show the record as it stands, with the enabled states its choices give.
  (settings_.UseSMTP ? opt_smtp_ : opt_mapi_)->setChecked(true);
  requires_auth_->setChecked(settings_.ServerRequiresAuthentication);
  allow_unencrypted_->setChecked(settings_.AllowUnencryptedSMTP);
  server_->setEditText(Q(settings_.SMTPServer));
  account_name_->setText(Q(settings_.SMTPAccountName));
  // The stored form is never shown or saved back: the box starts empty and says whether a
  // password is kept.
  password_->clear();
  if (!settings_.SMTPAccountPassword.empty())
    password_->setPlaceholderText(tr("A password is stored; type a new one to replace it"));
  user_name_->setText(Q(settings_.SMTPUserName));
  optSend_Click(settings_.UseSMTP ? 1 : 0);

  connect(opt_smtp_, &QRadioButton::clicked, this, [this] { optSend_Click(1); });
  connect(opt_mapi_, &QRadioButton::clicked, this, [this] { optSend_Click(0); });
  connect(requires_auth_, &QCheckBox::clicked, this,
          [this] { chkServerRequiresAuthentication_Click(); });
  connect(save, &QPushButton::clicked, this, [this] { cmdSaveSettings_Click(); });
  connect(account_name_, &QLineEdit::textEdited, this, [this] { ApplyPresetForAddress(); });
  connect(server_, &QComboBox::editTextChanged, this, [this] { UpdateFromWarning(); });
  connect(signin_, &SignInBox::accountChanged, this, [this] { UpdateFromWarning(); });
  UpdateFromWarning();
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::ApplyPresetForAddress() {
  const std::optional<mail::ProviderPreset> preset =
      mail::PresetForAddress(account_name_->text().toStdString());
  provider_hint_->setVisible(preset.has_value());
  if (preset) {
    provider_hint_->setText(Q(preset->hint));
    server_->setEditText(Q(preset->server));
    requires_auth_->setChecked(true);
    UpdatePasswordEnabled();
    if (preset->auth_method == mail::kAuthMethodOAuth2)
      signin_->SuggestProvider(preset->oauth_provider);
  }
  UpdateFromWarning();
}

void SettingsDialog::UpdateFromWarning() {
  const std::string signed_in =
      settings_.SMTPAuthMethod == mail::kAuthMethodOAuth2 ? settings_.OAuthAccount : "";
  const std::string warning = mail::FromMismatchWarning(
      account_name_->text().toStdString(), server_->currentText().toStdString(), signed_in);
  from_warning_->setText(Q(warning));
  from_warning_->setVisible(!warning.empty());
}

void SettingsDialog::SetSmtpFieldsEnabled(bool enabled) {
  for (int i = 1; i <= 6; ++i) labels_[i]->setEnabled(enabled);
  server_->setEnabled(enabled);
  account_name_->setEnabled(enabled);
  user_name_->setEnabled(enabled);
  password_->setEnabled(enabled);
  requires_auth_->setEnabled(enabled);
  allow_unencrypted_->setEnabled(enabled);
}

void SettingsDialog::UpdatePasswordEnabled() {
  bool enabled = opt_smtp_->isChecked() && requires_auth_->isChecked();
  password_->setEnabled(enabled);
  labels_[6]->setEnabled(enabled);
}

void SettingsDialog::optSend_Click(int index) {
  SetSmtpFieldsEnabled(index == 1);
  if (index == 1) UpdatePasswordEnabled();
}

void SettingsDialog::chkServerRequiresAuthentication_Click() { UpdatePasswordEnabled(); }

void SettingsDialog::cmdSaveSettings_Click() {
  mail::SettingsForm form;
  form.smtp_selected = opt_smtp_->isChecked();
  form.server = server_->currentText().toStdString();
  form.account_name = account_name_->text().toStdString();
  form.user_name = user_name_->text().toStdString();
  form.password_box = password_->text().toStdString();
  form.requires_authentication = requires_auth_->isChecked();
  mail::SecretAccess secrets{keyring_, [this](const std::string& question) {
                               return ShowMessageBox(this, question,
                                                     roster::mb::kYesNo | roster::mb::kQuestion,
                                                     roster::kDefaultTitle) == roster::mb::kYes;
                             }};
  std::string message = mail::SaveSettings(store_, settings_, form, secrets);
  if (!message.empty()) {
    ShowMessageBox(this, message, roster::mb::kCritical, roster::kDefaultTitle);
    return;
  }
  if (opt_smtp_->isChecked()) {
    settings_.AllowUnencryptedSMTP = allow_unencrypted_->isChecked();
    mail::SaveRegistryValue(store_, mail::kValueAllowUnencryptedSMTP,
                            static_cast<int32_t>(settings_.AllowUnencryptedSMTP ? 1 : 0),
                            mail::kTypeInt32);
    signin_->Save();
  }
  accept();
}

void SettingsDialog::SetDataDir(const std::filesystem::path& data_dir) {
  signin_->SetDataDir(data_dir);
}

mail::MailSettings SettingsDialog::CurrentEntries() const {
  mail::MailSettings entries = settings_;
  entries.UseSMTP = opt_smtp_->isChecked();
  entries.SMTPServer = server_->currentText().toStdString();
  entries.SMTPAccountName = account_name_->text().toStdString();
  entries.SMTPUserName = user_name_->text().toStdString();
  entries.ServerRequiresAuthentication = requires_auth_->isChecked();
  entries.AllowUnencryptedSMTP = allow_unencrypted_->isChecked();
  // A password typed but not saved is tried; an empty box means the stored one.
  if (!password_->text().isEmpty())
    entries.SMTPAccountPassword = mail::Base64Encode(password_->text().toStdString());
  return entries;
}

}  // namespace ui
