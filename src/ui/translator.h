#pragma once
// The programs' languages: finds the compiled translations, installs the one for the system
// locale together with Qt's own, and gives the plain C++ libraries (core::Tr) the same texts.
// Both the desktop program and hollymoor-cli call InstallTranslations at start-up.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace ui {

// The folder with hollymoor_<language>.qm: installed beside the program's prefix
// (<program_dir>/../share/hollymoor/translations), the configured prefix, else the build tree's.
std::filesystem::path FindTranslationsDir();

// Loads and installs the translation for locale (and Qt's qtbase one), and the core::Tr hook.
// Returns the language code in use: "en" when the program speaks English (no file needed).
QString InstallTranslations(const QLocale& locale, const std::filesystem::path& dir);

// The language codes the program can speak, "en" first, then those with a .qm file in dir.
QStringList AvailableLanguages(const std::filesystem::path& dir);

// A language's own name for a list ("Deutsch", "English").
QString LanguageName(const QString& code);

// The language the program is speaking ("en" until InstallTranslations found another).
QString CurrentLanguage();

}  // namespace ui
