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
#include <QPushButton>
#include <QToolBar>

#include "support/qt_helpers.h"
#include "ui/main_window.h"
#include "ui/send_dialogs.h"
#include "ui/translator.h"

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

}  // namespace
