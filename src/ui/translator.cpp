#include "ui/translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>
#include <map>
#include <memory>
#include <system_error>
#include <vector>

#include "core/tr.h"

#ifndef HM_BUILD_QM_DIR
#define HM_BUILD_QM_DIR ""
#endif
#ifndef HM_INSTALLED_QM_DIR
#define HM_INSTALLED_QM_DIR ""
#endif
#ifndef HM_QM_DIR_UNDER_PREFIX
#define HM_QM_DIR_UNDER_PREFIX "share/hollymoor/translations"
#endif

namespace ui {

namespace {

constexpr const char* kPrefix = "hollymoor_";

struct State {
  std::filesystem::path dir;
  QString language = QStringLiteral("en");
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
  // Other languages, loaded the first time a text is asked for in them (e-mail in a language
  // that is not the program's).
  std::map<QString, std::unique_ptr<QTranslator>> others;
};

State& Current() {
  static State state;
  return state;
}

QString QmPath(const std::filesystem::path& dir, const QString& code) {
  return QString::fromStdString((dir / (kPrefix + code.toStdString() + ".qm")).string());
}

// Answers core::Tr from the installed translators; "" when there is no translation.
std::string Translate(std::string_view language, const char* context, const char* text) {
  State& s = Current();
  const QString code = QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size()));
  if (code.isEmpty() || code == s.language) {
    if (s.language == QLatin1String("en")) return {};
    return QCoreApplication::translate(context, text).toStdString();
  }
  if (code == QLatin1String("en")) return text;
  auto it = s.others.find(code);
  if (it == s.others.end()) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QmPath(s.dir, code))) translator.reset();
    it = s.others.emplace(code, std::move(translator)).first;
  }
  if (!it->second) return {};
  return it->second->translate(context, text).toStdString();
}

}  // namespace

std::filesystem::path FindTranslationsDir() {
  namespace fs = std::filesystem;
  const fs::path program_dir = QCoreApplication::applicationDirPath().toStdString();
  const std::vector<fs::path> candidates = {program_dir.parent_path() / HM_QM_DIR_UNDER_PREFIX,
                                            fs::path(HM_INSTALLED_QM_DIR),
                                            fs::path(HM_BUILD_QM_DIR)};
  for (const fs::path& dir : candidates) {
    std::error_code ec;
    if (!dir.empty() && fs::is_regular_file(dir / (std::string(kPrefix) + "de.qm"), ec)) return dir;
  }
  return candidates.front();
}

QString InstallTranslations(const QLocale& locale, const std::filesystem::path& dir) {
  State& s = Current();
  if (s.program) QCoreApplication::removeTranslator(s.program.get());
  if (s.qt) QCoreApplication::removeTranslator(s.qt.get());
  s.program.reset();
  s.qt.reset();
  s.others.clear();
  s.dir = dir;
  s.language = QStringLiteral("en");
  auto program = std::make_unique<QTranslator>();
  // Tries the locale's languages in order of preference ("de_AT", then "de").
  if (program->load(locale, QStringLiteral("hollymoor"), QStringLiteral("_"),
                    QString::fromStdString(dir.string()))) {
    s.language = QFileInfo(program->filePath()).completeBaseName().mid(int(strlen(kPrefix)));
    QCoreApplication::installTranslator(program.get());
    s.program = std::move(program);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      s.qt = std::move(qt);
    }
  }
  core::SetTranslator(Translate);
  return s.language;
}

QStringList AvailableLanguages(const std::filesystem::path& dir) {
  QStringList codes{QStringLiteral("en")};
  const QStringList files = QDir(QString::fromStdString(dir.string()))
                                .entryList({QString(kPrefix) + "*.qm"}, QDir::Files, QDir::Name);
  for (const QString& file : files)
    codes << QFileInfo(file).completeBaseName().mid(int(strlen(kPrefix)));
  return codes;
}

QString LanguageName(const QString& code) {
  // Each in its own words, so a reader finds their language whatever the program speaks.
  static const std::map<QString, QString> kNames = {{"en", "English"},
                                                    {"de", "Deutsch"},
                                                    {"fr", QString::fromUtf8("Français")},
                                                    {"es", QString::fromUtf8("Español")},
                                                    {"nl", "Nederlands"},
                                                    {"pl", "Polski"}};
  const auto it = kNames.find(code);
  return it == kNames.end() ? code : it->second;
}

QString CurrentLanguage() { return Current().language; }

}  // namespace ui
