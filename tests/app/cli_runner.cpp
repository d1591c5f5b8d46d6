#include "app/cli_runner.h"

#include <QElapsedTimer>
#include <QProcess>
#include <fstream>
#include <sstream>

namespace cli_test {

CliSandbox::CliSandbox() { std::filesystem::create_directories(data_dir()); }

std::filesystem::path CliSandbox::Write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path path = dir() / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

CliResult CliSandbox::Run(const std::vector<std::string>& args, const std::string& input,
                          int timeout_ms) const {
  std::vector<std::string> all = {"--data-dir", data_dir().string(), "--config",
                                  config_file().string()};
  all.insert(all.end(), args.begin(), args.end());
  return RunBare(all, input, timeout_ms);
}

CliResult CliSandbox::RunKilledWhen(const std::vector<std::string>& args,
                                    const std::function<bool()>& kill_when, int timeout_ms) const {
  std::vector<std::string> all = {"--data-dir", data_dir().string(), "--config",
                                  config_file().string()};
  all.insert(all.end(), args.begin(), args.end());
  return RunBare(all, {}, timeout_ms, kill_when);
}

CliResult CliSandbox::RunReading(const std::vector<std::string>& args,
                                 const std::function<void(const std::string&)>& on_output,
                                 int timeout_ms) const {
  QProcess process;
  QStringList list = {"--data-dir", QString::fromStdString(data_dir().string()), "--config",
                      QString::fromStdString(config_file().string())};
  for (const std::string& a : args) list << QString::fromStdString(a);
  process.setProcessEnvironment(Environment());
  process.start(QString::fromUtf8(HM_CLI_PATH), list);
  CliResult result;
  if (!process.waitForStarted(10000)) return result;
  process.closeWriteChannel();
  QElapsedTimer clock;
  clock.start();
  while (!process.waitForFinished(20) && clock.elapsed() < timeout_ms) {
    const QByteArray more = process.readAllStandardOutput();
    if (more.isEmpty()) continue;
    result.out += more.toStdString();
    on_output(result.out);
  }
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(5000);
    result.err = "timed out";
    return result;
  }
  result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  result.out += process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  return result;
}

QProcessEnvironment CliSandbox::Environment() const {
  // Keep the user's own folders out of reach even if an option were missing.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", QString::fromStdString(dir().string()));
  env.insert("XDG_DATA_HOME", QString::fromStdString((dir() / "xdg-data").string()));
  env.insert("XDG_CONFIG_HOME", QString::fromStdString((dir() / "xdg-config").string()));
  if (!use_keyring) env.insert("HOLLYMOOR_KEYRING", "none");
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(name);
  env.insert("LANG", QString::fromStdString(locale));
  return env;
}

CliResult CliSandbox::RunBare(const std::vector<std::string>& args, const std::string& input,
                              int timeout_ms, const std::function<bool()>& kill_when) const {
  QProcess process;
  QStringList list;
  for (const std::string& a : args) list << QString::fromStdString(a);
  process.setProcessEnvironment(Environment());
  process.start(QString::fromUtf8(HM_CLI_PATH), list);
  CliResult result;
  if (!process.waitForStarted(10000)) return result;
  process.write(input.data(), static_cast<qint64>(input.size()));
  process.closeWriteChannel();
  if (kill_when) {
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(10) && clock.elapsed() < timeout_ms) {
      if (kill_when()) {
        process.kill();
        break;
      }
    }
  }
  if (!process.waitForFinished(timeout_ms)) {
    process.kill();
    process.waitForFinished(5000);
    result.err = "timed out";
    return result;
  }
  result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  return result;
}

std::string ListFile(const std::vector<Person>& people) {
  std::string out;
  for (const Person& p : people)
    out += "\"" + p.exclusions + "\",\"" + p.name + "\",\"" + p.email + "\",\"\",\"" + p.notes +
           "\"\r\n";
  return out;
}

std::vector<std::pair<std::string, std::string>> ParsePairs(const std::string& out) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    const std::size_t arrow = line.find(" -> ");
    if (arrow != std::string::npos)
      pairs.emplace_back(line.substr(0, arrow), line.substr(arrow + 4));
  }
  return pairs;
}

}  // namespace cli_test
