#include "ui/send_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/tr.h"
#include "roster/validation.h"
#include "ui/qt_ui.h"
#include "ui/translator.h"

namespace ui {

namespace {

constexpr const char* kContext = "SendDialog";
constexpr const char* kSubjectTip = QT_TRANSLATE_NOOP(
    "SendDialog", "The email subject line.  You can change the wording if you desire.");
constexpr const char* kBodyTip = QT_TRANSLATE_NOOP(
    "SendDialog",
    "The email message text.  You can add any additional information here that you would like "
    "everyone to recieve.");
constexpr const char* kTrailerTip = QT_TRANSLATE_NOOP(
    "SendDialog",
    "The email message trailer.  This line identifies the person you are a Secret Santa for.   "
    "Change this to read some thing different if you desire.");
constexpr const char* kTestTip = QT_TRANSLATE_NOOP(
    "SendDialog",
    "Allows you to send a trial test to a single email address.  For example your own email "
    "address.");
constexpr const char* kPersonsName = QT_TRANSLATE_NOOP("SendDialog", "<Person's Name>");

QString Translated(const char* text) { return QCoreApplication::translate(kContext, text); }

// The default texts of a notification in the language of the e-mail.
QString DefaultText(const std::string& language, const char* text) {
  return QString::fromStdString(core::TrIn(language, "Message", text)).replace("\r\n", "\n");
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* Label(const char* text, const char* tip, const char* name, QWidget* parent) {
  auto* label = Named(new QLabel(Translated(text), parent), name);
  label->setToolTip(Translated(tip));
  return label;
}

QLineEdit* Fixed(const char* name, QWidget* parent) {
  auto* box = Named(new QLineEdit(Translated(kPersonsName), parent), name);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(box->text()) + 16);
  return box;
}

// One line of widgets; the one given `stretch` takes the spare width.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, QWidget* stretch) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : widgets) row->addWidget(w, w == stretch ? 1 : 0);
  return row;
}

// Multi-line boxes hold "\n"; the typed texts go on with CR LF line ends.
std::string WithCrLf(const QString& text) {
  QString s = text;
  s.replace('\n', "\r\n");
  return s.toStdString();
}

QHBoxLayout* Buttons(QDialog* dialog, const std::function<void()>& send,
                     const std::function<void()>& cancel) {
  auto* send_button = Named(
      new QPushButton(Translated(QT_TRANSLATE_NOOP("SendDialog", "&Send")), dialog), "cmdSend");
  auto* cancel_button = Named(
      new QPushButton(Translated(QT_TRANSLATE_NOOP("SendDialog", "&Cancel")), dialog), "cmdCancel");
  QObject::connect(send_button, &QPushButton::clicked, dialog, send);
  QObject::connect(cancel_button, &QPushButton::clicked, dialog, cancel);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(send_button);
  row->addWidget(cancel_button);
  return row;
}

}  // namespace

SendDialog::SendDialog(mail::SendValues& values, const mail::MailSettings& settings,
                       QWidget* parent)
    : QDialog(parent), values_(values) {
  setObjectName("frmSend");
  setModal(true);
  values_.SendConfirmed = false;
  setWindowTitle(
      Translated(QT_TRANSLATE_NOOP("SendDialog", "Send Email Notifications to Participants")));

  language_ = values_.Language.empty() ? CurrentLanguage().toStdString() : values_.Language;
  subject_ =
      Named(new QLineEdit(DefaultText(language_, mail::kDefaultMailSubject), this), "txtSubject");
  body_ = Named(new QPlainTextEdit(this), "txtBody");
  body_->setPlainText(DefaultText(language_, mail::kDefaultMailBody));
  trailer_ =
      Named(new QLineEdit(DefaultText(language_, mail::kDefaultMailTrailer), this), "txtTrailer");
  languages_ = Named(new QComboBox(this), "cboLanguage");
  for (const QString& code : AvailableLanguages(FindTranslationsDir()))
    languages_->addItem(LanguageName(code), code);
  languages_->setCurrentIndex(std::max(0, languages_->findData(QString::fromStdString(language_))));
  languages_->setToolTip(Translated(QT_TRANSLATE_NOOP(
      "SendDialog", "The language of the message texts; texts you changed stay as typed.")));
  connect(languages_, &QComboBox::currentIndexChanged, this, [this] { cboLanguage_Click(); });
  test_mode_ =
      Named(new QCheckBox(Translated(QT_TRANSLATE_NOOP(
                              "SendDialog", "TestMode: Send all emails to this email addess")),
                          this),
            "chkSendOption");
  test_mode_->setToolTip(Translated(kTestTip));
  test_address_ = Named(new QLineEdit(QString::fromStdString(settings.SMTPAccountName), this),
                        "txtTestEmailAddress");
  test_address_->setEnabled(false);
  auto event_box = [this](const std::string& text, const char* name, const char* hint) {
    auto* box = Named(new QLineEdit(QString::fromStdString(text), this), name);
    box->setPlaceholderText(Translated(hint));
    return box;
  };
  budget_ =
      event_box(values_.Event.Budget, "txtBudget", QT_TRANSLATE_NOOP("SendDialog", "e.g. 20 EUR"));
  event_date_ = event_box(values_.Event.Date, "txtEventDate",
                          QT_TRANSLATE_NOOP("SendDialog", "e.g. 24 December, 6 pm"));
  place_ = event_box(values_.Event.Place, "txtPlace",
                     QT_TRANSLATE_NOOP("SendDialog", "e.g. the community hall"));
  reply_by_ =
      event_box(values_.Event.ReplyBy, "txtReplyBy", QT_TRANSLATE_NOOP("SendDialog", "optional"));

  auto* layout = new QVBoxLayout(this);
  auto* language_row = new QHBoxLayout;
  language_row->addWidget(
      new QLabel(Translated(QT_TRANSLATE_NOOP("SendDialog", "Language of the email")), this));
  language_row->addWidget(languages_);
  language_row->addStretch();
  layout->addLayout(language_row);
  layout->addWidget(
      Label(QT_TRANSLATE_NOOP("SendDialog", "Subject Line"), kSubjectTip, "Label1", this));
  layout->addLayout(Row({Fixed("txtFixedSubject", this), subject_}, subject_));
  layout->addWidget(
      Label(QT_TRANSLATE_NOOP("SendDialog", "Messge Text"), kBodyTip, "Label2", this));
  layout->addWidget(body_, 1);
  layout->addWidget(
      Label(QT_TRANSLATE_NOOP("SendDialog", "Message Trailer"), kTrailerTip, "Label4", this));
  layout->addLayout(Row({trailer_, Fixed("txtFixedTrailer", this)}, trailer_));
  // Added under the notes of every notification; empty fields add nothing.
  layout->addWidget(
      new QLabel(Translated(QT_TRANSLATE_NOOP(
                     "SendDialog", "Event details (added to every message when filled in)")),
                 this));
  auto* details = new QGridLayout;
  details->addWidget(new QLabel(Translated(QT_TRANSLATE_NOOP("SendDialog", "Budget")), this), 0, 0);
  details->addWidget(budget_, 0, 1);
  details->addWidget(new QLabel(Translated(QT_TRANSLATE_NOOP("SendDialog", "Date")), this), 0, 2);
  details->addWidget(event_date_, 0, 3);
  details->addWidget(new QLabel(Translated(QT_TRANSLATE_NOOP("SendDialog", "Place")), this), 1, 0);
  details->addWidget(place_, 1, 1);
  details->addWidget(new QLabel(Translated(QT_TRANSLATE_NOOP("SendDialog", "Reply by")), this), 1,
                     2);
  details->addWidget(reply_by_, 1, 3);
  layout->addLayout(details);
  layout->addLayout(Row({test_mode_, test_address_}, test_address_));
  layout->addLayout(Buttons(
      this, [this] { cmdSend_Click(); }, [this] { cmdCancel_Click(); }));
  connect(test_mode_, &QCheckBox::clicked, this, [this] { chkSendOption_Click(); });
  resize(560, 420);
}

void SendDialog::chkSendOption_Click() { test_address_->setEnabled(test_mode_->isChecked()); }

void SendDialog::cboLanguage_Click() {
  const std::string chosen = languages_->currentData().toString().toStdString();
  // Texts still as the program wrote them follow the language; typed ones are the user's.
  auto follow = [&](auto* box, const char* text, auto get, auto set) {
    if ((box->*get)() == DefaultText(language_, text)) (box->*set)(DefaultText(chosen, text));
  };
  follow(subject_, mail::kDefaultMailSubject, &QLineEdit::text, &QLineEdit::setText);
  follow(trailer_, mail::kDefaultMailTrailer, &QLineEdit::text, &QLineEdit::setText);
  follow(body_, mail::kDefaultMailBody, &QPlainTextEdit::toPlainText,
         &QPlainTextEdit::setPlainText);
  language_ = chosen;
}

void SendDialog::cmdSend_Click() {
  // Every notification goes to the test address then: one that cannot receive them would
  // lose the whole drawing's mail.
  if (test_mode_->isChecked()) {
    QtUi ui(this);
    if (!roster::ValidateEmailAddress(ui, test_address_->text().toStdString())) {
      test_address_->setFocus();
      return;
    }
  }
  values_.SendConfirmed = true;
  values_.Language = language_;
  values_.MailSubject = subject_->text().toStdString();
  values_.MailBody = WithCrLf(body_->toPlainText());
  values_.MailTrailer = trailer_->text().toStdString();
  values_.TestMode = test_mode_->isChecked();
  values_.TestAddress = test_address_->text().toStdString();
  values_.Event = {
      budget_->text().trimmed().toStdString(), event_date_->text().trimmed().toStdString(),
      place_->text().trimmed().toStdString(), reply_by_->text().trimmed().toStdString()};
  accept();
}

void SendDialog::cmdCancel_Click() {
  values_.SendConfirmed = false;
  reject();
}

SendMessageDialog::SendMessageDialog(mail::SendValues& values, QWidget* parent)
    : QDialog(parent), values_(values) {
  setObjectName("frmSendMessage");
  setModal(true);
  values_.SendConfirmed = false;
  setWindowTitle(
      Translated(QT_TRANSLATE_NOOP("SendDialog", "Send an Email Message to Participants")));

  auto* note = Named(new QPlainTextEdit(this), "Text1");
  note->setPlainText(Translated(QT_TRANSLATE_NOOP(
      "SendDialog",
      "NOTE: This email will not include Secret Santa information, it is intended to allow you "
      "to send out \n"
      "informational messages to the participants.  For Example you may want to send out an "
      "informational email \n"
      "to participants notifying them of a Secret Santa drawing they will be a part of.\n")));
  note->setReadOnly(true);
  note->setMaximumHeight(90);
  subject_ = Named(new QLineEdit(this), "txtSubject");
  body_ = Named(new QPlainTextEdit(this), "txtBody");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(
      Label(QT_TRANSLATE_NOOP("SendDialog", "Subject Line"), kSubjectTip, "Label1", this));
  layout->addLayout(Row({Fixed("txtFixedSubject", this), subject_}, subject_));
  layout->addWidget(
      Label(QT_TRANSLATE_NOOP("SendDialog", "Message Text to send"), kBodyTip, "Label2", this));
  layout->addWidget(body_, 1);
  layout->addLayout(Buttons(
      this, [this] { cmdSend_Click(); }, [this] { cmdCancel_Click(); }));
  resize(560, 420);
}

void SendMessageDialog::cmdSend_Click() {
  if (subject_->text().trimmed().isEmpty() || body_->toPlainText().trimmed().isEmpty()) {
    const int answer = ShowMessageBox(
        this,
        Translated(QT_TRANSLATE_NOOP("SendDialog",
                                     "The subject line or the message text is empty.\nSend "
                                     "the message to every participant anyway?"))
            .toStdString(),
        roster::mb::kYesNo | roster::mb::kQuestion, roster::kDefaultTitle);
    if (answer != roster::mb::kYes) return;
  }
  values_.SendConfirmed = true;
  values_.MailSubject = subject_->text().toStdString();
  values_.MailBody = WithCrLf(body_->toPlainText());
  accept();
}

void SendMessageDialog::cmdCancel_Click() {
  values_.SendConfirmed = false;
  reject();
}

const mail::SendValues& ShowFrmSend(QWidget* owner, mail::SendValues& values,
                                    const mail::MailSettings& settings) {
  SendDialog dialog(values, settings, owner);
  ExecModal(dialog);
  return values;
}

const mail::SendValues& ShowFrmSendMessage(QWidget* owner, mail::SendValues& values) {
  SendMessageDialog dialog(values, owner);
  ExecModal(dialog);
  return values;
}

}  // namespace ui
