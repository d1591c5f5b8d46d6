// The Help menu, the about box, the update-check command and the resizer on frmMain.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <filesystem>

#include "support/qt_helpers.h"
#include "ui/help_paths.h"
#include "ui/qt_resizer.h"
#include "ui/translator.h"
#include "ui/url_link.h"
#include "ui/wire_help.h"

namespace {

namespace fs = std::filesystem;

// Holds the answer back until the test releases it, like a slow server.
struct HeldHttp : roster::HttpPort {
  bool IsInternetConnected() override { return true; }
  void PostHttpForm(const std::string&, const std::string&, const std::string& body,
                    std::function<void(std::string)> done) override {
    bodies.push_back(body);
    pending = std::move(done);
  }
  void PostHttpsForm(const std::string& host, const std::string& path, const std::string& body,
                     std::function<void(std::string)> done) override {
    PostHttpForm(host, path, body, std::move(done));
  }
  std::vector<std::string> bodies;
  std::function<void(std::string)> pending;
};

fs::path SourceHelpDir() {
  return fs::path(qEnvironmentVariable("HM_SOURCE_DIR").toStdString()) / "help";
}

class HelpMenuTest : public testing_support::WindowTest {
 protected:
  HelpMenuTest() : WindowTest(SourceHelpDir()) {
    help_ = window_.findChild<ui::HelpCommands*>("HelpCommands");
    EXPECT_TRUE(fs::is_regular_file(help_dir_ / ui::kHelpPageBasics)) << help_dir_;
    help_->SetShell(&shell_);
  }

  fs::path help_dir_ = SourceHelpDir();
  ui::HelpCommands* help_ = nullptr;
  testing_support::RecordingShell shell_;
  std::vector<std::string>& opened_ = shell_.opened;
};

TEST_F(HelpMenuTest, DemoAndWebItemsOpenTheirPages) {
  const ui::HelpLinks links = ui::DefaultHelpLinks();
  auto page = [&](const char* name) {
    return QUrl::fromLocalFile(QString::fromStdString((help_dir_ / name).string())).toString();
  };
  const std::vector<std::pair<const char*, std::string>> items = {
      {"mnuDemoSetup", page("email-setup.htm").toStdString()},
      {"mnuDemoGettingStarted", page("the-basics.htm").toStdString()},
      {"mnuDemoReSending", page("resend-prev-drawing.htm").toStdString()},
      {"mnuDemoViewHistory", page("view-history-log.htm").toStdString()},
      {"mnuWebSite", links.home_page},
      {"mnuHLMRFAQ", links.faq_page},
      {"mnuHLMRSupport", links.support_page}};
  for (const auto& [item, target] : items) {
    window_.RunCommand(item);
    EXPECT_EQ(opened_.back(), target) << item;
  }
  EXPECT_EQ(opened_.size(), items.size());
  EXPECT_EQ(opened_[0].rfind("file:///", 0), 0u);
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(HelpMenuTest, DemoPagesOpenInTheProgramsLanguageElseInEnglish) {
  auto url = [](const fs::path& file) {
    return QUrl::fromLocalFile(QString::fromStdString(file.string())).toString().toStdString();
  };
  ASSERT_EQ(ui::InstallTranslations(QLocale("de_DE"), ui::FindTranslationsDir()), "de");
  window_.RunCommand("mnuDemoGettingStarted");
  EXPECT_EQ(opened_.back(), url(help_dir_ / "de" / "the-basics.htm"));
  window_.RunCommand("mnuDemoSetup");
  EXPECT_EQ(opened_.back(), url(help_dir_ / "de" / "email-setup.htm"));
  ASSERT_EQ(ui::InstallTranslations(QLocale("fr_BE"), ui::FindTranslationsDir()), "fr");
  window_.RunCommand("mnuDemoViewHistory");
  EXPECT_EQ(opened_.back(), url(help_dir_ / "fr" / "view-history-log.htm"));
  ui::InstallTranslations(QLocale::c(), ui::FindTranslationsDir());
  window_.RunCommand("mnuDemoViewHistory");
  EXPECT_EQ(opened_.back(), url(help_dir_ / "view-history-log.htm"));
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST(LocalizedHelpPageTest, APageNotYetTranslatedOpensInEnglish) {
  testing_support::TempDir dir;
  fs::create_directories(dir.path() / "de");
  testing_support::WriteAll(dir.path() / "the-basics.htm", "<html></html>");
  testing_support::WriteAll(dir.path() / "email-setup.htm", "<html></html>");
  testing_support::WriteAll(dir.path() / "de" / "the-basics.htm", "<html></html>");
  ASSERT_EQ(ui::InstallTranslations(QLocale("de_DE"), ui::FindTranslationsDir()), "de");
  EXPECT_EQ(ui::LocalizedHelpPage(dir.path(), "the-basics.htm"),
            dir.path() / "de" / "the-basics.htm");
  EXPECT_EQ(ui::LocalizedHelpPage(dir.path(), "email-setup.htm"), dir.path() / "email-setup.htm");
  ui::InstallTranslations(QLocale::c(), ui::FindTranslationsDir());
  EXPECT_EQ(ui::LocalizedHelpPage(dir.path(), "the-basics.htm"), dir.path() / "the-basics.htm");
}

struct HelpMenuMissingPagesTest : testing_support::WindowTest {
  HelpMenuMissingPagesTest() : WindowTest("/nonexistent/help") {}
};

TEST_F(HelpMenuMissingPagesTest, MissingPageIsNamedInAMessage) {
  testing_support::RecordingShell shell;
  window_.findChild<ui::HelpCommands*>("HelpCommands")->SetShell(&shell);
  window_.RunCommand("mnuDemoSetup");
  EXPECT_TRUE(shell.opened.empty());
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text,
            "Unable to find the help page [/nonexistent/help/email-setup.htm]");
  EXPECT_EQ(boxes_.boxes[0].style, roster::mb::kCritical);
}

TEST_F(HelpMenuTest, DemoPageTheDesktopCannotOpenIsReported) {
  shell_.succeed = false;
  window_.RunCommand("mnuDemoGettingStarted");
  window_.RunCommand("mnuWebSite");  // web pages stay silent
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "Unable to open the help page [" +
                                      (help_dir_ / "the-basics.htm").string() +
                                      "]: File not found");
}

TEST_F(HelpMenuTest, AboutBoxShowsTitleVersionNoticeAndLink) {
  bool shown = false;
  ui::SetModalHandler([&](QDialog& d) {
    shown = true;
    EXPECT_EQ(d.objectName(), "frmAbout");
    EXPECT_EQ(d.windowTitle(), "About Hollymoor");
    EXPECT_EQ(d.parentWidget(), &window_);
    EXPECT_EQ(d.findChild<QLabel*>("lblTitle")->text(), "Hollymoor");
    EXPECT_EQ(d.findChild<QLabel*>("lblVersion")->text(), "3.1.12");
    EXPECT_GT(d.findChild<QLabel*>("lblDisclaimer")->text().size(), 40);
    auto* link = d.findChild<ui::URLLink*>("URLLink1");
    EXPECT_NE(link, nullptr);
    if (link) {
      EXPECT_EQ(link->URL().toStdString(), ui::DefaultHelpLinks().home_page);
      link->lblURL_MouseDown(Qt::LeftButton);
    }
    d.findChild<QPushButton*>("cmdOK")->click();
    return d.result();
  });
  window_.RunCommand("mnuAbout");
  EXPECT_TRUE(shown);
  EXPECT_EQ(opened_, std::vector<std::string>{ui::DefaultHelpLinks().home_page});
  EXPECT_FALSE(window_.windowIcon().pixmap(32).isNull());
}

TEST_F(HelpMenuTest, CheckCommandRunsInTheBackgroundOnceAtATime) {
  HeldHttp http;
  help_->SetHttp(&http);
  window_.MailSettings.SMTPAccountName = "elf@example.org";
  window_.RunCommand("mnuCheckNewVersion");
  window_.RunCommand("mnuCheckNewVersion");  // still waiting for the first answer
  ASSERT_EQ(http.bodies, std::vector<std::string>{"UserEmail=elf%40example.org"});
  EXPECT_TRUE(help_->CheckRunning());
  EXPECT_TRUE(boxes_.boxes.empty());
  http.pending("VERSION=3.1.12,");
  EXPECT_FALSE(help_->CheckRunning());
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "You have the most recent version of Hollymoor\n");
}

TEST_F(HelpMenuTest, ResizingTheWindowScalesTheGridAndLeavesTheBarsAlone) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  auto* grid = window_.findChild<QTableView*>("MSFlexGrid");
  auto* toolbar = window_.findChild<QToolBar*>("Toolbar");
  auto* hook = window_.findChild<ui::ResizerHook*>("ControlResizer");
  ASSERT_NE(hook, nullptr);
  QWidget* area = grid->parentWidget();
  // The pass a settle timer would run is run at once, so a loaded machine cannot delay it
  // past the checks.
  hook->Form_Resize();
  const QRect g0 = grid->geometry(), t0 = toolbar->geometry();
  const QSize a0 = area->size();

  window_.resize(window_.width() + 270, window_.height() + 200);
  ASSERT_TRUE(QTest::qWaitFor([&] { return area->size() != a0; }, 10000));
  hook->Form_Resize();
  // The grid grows with the area it fills (the resizer's rounding is its own test's business).
  const QSize grown = area->size() - a0;
  ASSERT_GT(grown.width(), a0.width() / 10);
  EXPECT_EQ(grid->pos(), g0.topLeft());
  EXPECT_NEAR(grid->width() - g0.width(), grown.width(), a0.width() / 50 + 1);
  EXPECT_NEAR(grid->height() - g0.height(), grown.height(), a0.height() / 50 + 1);
  EXPECT_EQ(toolbar->pos(), t0.topLeft());
  EXPECT_EQ(toolbar->height(), t0.height());
}

}  // namespace
