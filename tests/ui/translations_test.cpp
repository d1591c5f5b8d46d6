// The programs in another language: the window from the locale's translation, Qt's own texts
// beside ours, and the e-mail's language picked in the send dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <fstream>

#include "settings/file_settings_store.h"
#include "support/qt_helpers.h"
#include "ui/main_window.h"
#include "ui/run_progress.h"
#include "ui/send_dialogs.h"
#include "ui/settings_dialog.h"
#include "ui/translator.h"
#include "ui/url_link.h"

namespace {

using testing_support::Find;

class TranslationsTest : public ::testing::Test {
 protected:
  // As the programs start: in English here, as the locale has no translation.
  TranslationsTest() { ui::InstallTranslations(QLocale::c(), ui::FindTranslationsDir()); }
  ~TranslationsTest() override {
    ui::SetModalHandler(nullptr);
    ui::InstallTranslations(QLocale::c(), ui::FindTranslationsDir());
  }
};

TEST_F(TranslationsTest, GermanLocaleGivesGermanWindowAndQtTexts) {
  ASSERT_EQ(ui::InstallTranslations(QLocale("de_AT"), ui::FindTranslationsDir()), "de");
  EXPECT_EQ(ui::CurrentLanguage(), "de");
  testing_support::TempDir dir;
  ui::MainWindow window(ui::AppPaths{dir.path(), dir.path() / "settings.ini", {}});
  window.Form_Load();
  EXPECT_EQ(Find<QMenu>(window, "mnuFile")->title(), "&Datei");
  EXPECT_EQ(Find<QAction>(window, "mnuSaveAs")->text(), "Liste speichern &unter...");
  // (the window gives captions without an access key one of their own)
  EXPECT_TRUE(Find<QAction>(window, "mnuCalculateView")->text().contains("Auslosen && anzeigen"));
  EXPECT_EQ(Find<QLabel>(window, "Panel1")->text(), "Bereit");
  // Qt's own texts (standard buttons, context menus) come from its German translation.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");

  // Back to the source texts once the locale has none.
  EXPECT_EQ(ui::InstallTranslations(QLocale::c(), ui::FindTranslationsDir()), "en");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(TranslationsTest, EveryShippedLanguageIsOfferedByItsOwnName) {
  const QStringList codes = ui::AvailableLanguages(ui::FindTranslationsDir());
  EXPECT_EQ(codes, QStringList({"en", "de", "es", "fr", "nl", "pl"}));
  EXPECT_EQ(ui::LanguageName("fr"), QString::fromUtf8("Français"));
  EXPECT_EQ(ui::LanguageName("pl"), "Polski");
}

TEST_F(TranslationsTest, SendDialogSwitchesUntouchedTextsToTheChosenLanguage) {
  mail::SendValues values;
  ui::QtSendDialogs dialogs(nullptr);
  ui::SetModalHandler([&](QDialog& d) {
    auto* language = Find<QComboBox>(d, "cboLanguage");
    EXPECT_EQ(language->currentData().toString(), "en");  // the program's language
    Find<QPlainTextEdit>(d, "txtBody")->setPlainText("Dinner at eight.\n");
    language->setCurrentIndex(language->findData("de"));
    EXPECT_EQ(Find<QLineEdit>(d, "txtSubject")->text(), "Deine Wichtel-Informationen");
    EXPECT_EQ(Find<QLineEdit>(d, "txtTrailer")->text(), QString::fromUtf8("Du bist Wichtel für"));
    EXPECT_EQ(Find<QPlainTextEdit>(d, "txtBody")->toPlainText(), "Dinner at eight.\n");
    Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  ASSERT_TRUE(dialogs.ShowSend(values, {}));
  EXPECT_EQ(values.Language, "de");
  EXPECT_EQ(values.MailSubject, "Deine Wichtel-Informationen");
  EXPECT_EQ(values.MailBody, "Dinner at eight.\r\n");

  // The next send starts from the language chosen last; back to English restores its texts.
  ui::SetModalHandler([&](QDialog& d) {
    auto* language = Find<QComboBox>(d, "cboLanguage");
    EXPECT_EQ(language->currentData().toString(), "de");
    language->setCurrentIndex(language->findData("en"));
    EXPECT_EQ(Find<QLineEdit>(d, "txtSubject")->text(), "Your Secret Santa Information Enclosed");
    Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  ASSERT_TRUE(dialogs.ShowSend(values, {}));
  EXPECT_EQ(values.Language, "en");
}

TEST_F(TranslationsTest, GermanSettingsDialogTranslatesItsWordsButNotTheServers) {
  ASSERT_EQ(ui::InstallTranslations(QLocale("de_DE"), ui::FindTranslationsDir()), "de");
  testing_support::TempDir dir;
  mail::FileSettingsStore store(dir.path() / "settings.ini");
  mail::MailSettings settings;
  settings.SMTPAccountPassword = "c2VjcmV0";
  ui::SettingsDialog d(settings, store, nullptr);
  EXPECT_EQ(d.windowTitle(), "Einstellungen");
  EXPECT_EQ(Find<QRadioButton>(d, "optSend_1")->text(),
            QString::fromUtf8("E-Mails über meinen SMTP-Server senden"));
  EXPECT_EQ(Find<QPushButton>(d, "cmdSaveSettings")->text(), "&Speichern");
  EXPECT_EQ(Find<QLabel>(d, "Label1")->text(), "Ihr Postausgangsserver (SMTP):");
  EXPECT_EQ(Find<QLineEdit>(d, "txtAccountPassword")->placeholderText(),
            "Ein Passwort ist gespeichert; geben Sie ein neues ein, um es zu ersetzen");
  EXPECT_EQ(Find<ui::URLLink>(d, "URLLink1")->Text(), "Liste von SMTP-Servern");
  auto* presets = Find<QComboBox>(d, "cboSMTPServer");
  ASSERT_EQ(presets->count(), 7);
  EXPECT_EQ(presets->itemText(0), "smtp.gmail.com:587");  // host names stay as they are
  EXPECT_EQ(presets->itemText(6), "< selbst eingeben>");
}

TEST_F(TranslationsTest, GermanProgressDialogCountsAndStopsInGerman) {
  ASSERT_EQ(ui::InstallTranslations(QLocale("de_DE"), ui::FindTranslationsDir()), "de");
  QWidget parent;
  ui::RunProgress progress(&parent);
  bool stopped = false;
  progress.Begin(3, [&] { stopped = true; });
  progress.OnDeliveryState(0, {mail::DeliveryState::kInFlight, {}});
  progress.OnDeliveryState(1, {mail::DeliveryState::kInFlight, {}});
  QProgressDialog* dialog = progress.dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->labelText(), "Nachricht 2 von 3 wird gesendet");
  ASSERT_NE(dialog->findChild<QPushButton*>(), nullptr);
  EXPECT_EQ(dialog->findChild<QPushButton*>()->text(), "Abbrechen");
  dialog->findChild<QPushButton*>()->click();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(dialog->labelText(), "Wird nach der gerade gesendeten Nachricht beendet (2 von 3)...");
}

// The plain libraries' texts reach the window's boxes in German too, the file in its place.
TEST_F(TranslationsTest, GermanWindowExplainsADamagedListFileInGerman) {
  ASSERT_EQ(ui::InstallTranslations(QLocale("de_DE"), ui::FindTranslationsDir()), "de");
  testing_support::TempDir dir;
  const std::filesystem::path list = dir.path() / "eins.hmr";
  std::ofstream(list, std::ios::binary) << "\"\",\"Ann\",\"ann@example.org\",\"\",\"\"\r\n";
  ui::MainWindow window(ui::AppPaths{dir.path(), dir.path() / "settings.ini", {}});
  window.Form_Load();
  testing_support::MessageBoxCatcher boxes;
  EXPECT_FALSE(window.OpenListFile(list));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  const std::string& text = boxes.boxes[0].text;
  EXPECT_TRUE(text.starts_with("Fehler beim Prüfen der Dateiversion der Datei [" + list.string() +
                               "] in Zeile "))
      << text;
  EXPECT_TRUE(text.ends_with("\nEine Liste braucht mindestens zwei Teilnehmer.")) << text;
}

}  // namespace
