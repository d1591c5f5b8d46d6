// hollymoor-cli slips: the PDF read back with Poppler's pdftotext, page by page.

#include <gtest/gtest.h>

#include <QProcess>
#include <regex>

#include "app/cli_runner.h"
#include "support/smtp_server.h"

namespace cli_test {
namespace {

namespace fs = std::filesystem;

// The text pdftotext finds on one page (1-based).
std::string PageText(const fs::path& pdf, int page) {
  QProcess p;
  p.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                        QString::fromStdString(pdf.string()), "-"});
  if (!p.waitForFinished(20000) || p.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext failed on page " << page << ": "
                  << p.readAllStandardError().toStdString();
    return {};
  }
  return p.readAllStandardOutput().toStdString();
}

int Pages(const fs::path& pdf) {
  QProcess p;
  p.start("pdfinfo", {QString::fromStdString(pdf.string())});
  p.waitForFinished(20000);
  std::smatch m;
  const std::string info = p.readAllStandardOutput().toStdString();
  return std::regex_search(info, m, std::regex("Pages:\\s+([0-9]+)")) ? std::stoi(m[1]) : -1;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Nine people in one loop: P1 gives to P2, ..., P9 to P1; P(k)'s notes are "likes k".
std::string NineArchived() {
  std::string out;
  for (int k = 1; k <= 9; ++k)
    out += "\"\",\"P" + std::to_string(k) + "\",\"p" + std::to_string(k) + "@example.org\",\"P" +
           std::to_string(k % 9 + 1) + "\",\"likes " + std::to_string(k) + "\"\r\n";
  return out;
}

TEST(CliSlips, OutsidesShowOnlyGiversAndEachInsideHidesItsReceiver) {
  CliSandbox box;
  const fs::path archive = box.Write("nine.hmr", NineArchived());
  const fs::path pdf = box.dir() / "slips.pdf";
  CliResult r = box.Run({"slips", archive.string(), "--out", pdf.string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "9 slips written to " + pdf.string() + "\n");
  // Eight slips to a sheet: two sheets, each an outside page and an inside page.
  ASSERT_EQ(Pages(pdf), 4);
  const std::string outside = PageText(pdf, 1);
  for (int k = 1; k <= 8; ++k) EXPECT_TRUE(Has(outside, "P" + std::to_string(k))) << outside;
  EXPECT_FALSE(Has(outside, "P9"));
  EXPECT_FALSE(Has(outside, "Secret Santa for"));
  EXPECT_FALSE(Has(outside, "likes"));
  const std::string inside = PageText(pdf, 2);
  EXPECT_EQ(Count(inside, "You are a Secret Santa for"), 8);
  // P8 gives to P9, whose notes come with the name.
  EXPECT_TRUE(Has(inside, "P9")) << inside;
  EXPECT_TRUE(Has(inside, "likes 9"));
  EXPECT_FALSE(Has(inside, "likes 1"));  // nobody on the first sheet gives to P1
  EXPECT_TRUE(Has(PageText(pdf, 3), "P9"));
  EXPECT_TRUE(Has(PageText(pdf, 4), "likes 1"));  // P9 gives to P1
}

TEST(CliSlips, ChosenGiversOnlyAndClearErrors) {
  CliSandbox box;
  const fs::path archive = box.Write("nine.hmr", NineArchived());
  const fs::path pdf = box.dir() / "two.pdf";
  CliResult r =
      box.Run({"slips", archive.string(), "--to", "P3", "--to", "P7", "--out", pdf.string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  ASSERT_EQ(Pages(pdf), 2);
  const std::string outside = PageText(pdf, 1), inside = PageText(pdf, 2);
  EXPECT_TRUE(Has(outside, "P3") && Has(outside, "P7")) << outside;
  EXPECT_FALSE(Has(outside, "P4") || Has(outside, "P8"));
  EXPECT_TRUE(Has(inside, "P4") && Has(inside, "P8") && Has(inside, "likes 4")) << inside;
  EXPECT_EQ(Count(inside, "You are a Secret Santa for"), 2);

  r = box.Run({"slips", archive.string(), "--to", "Zed", "--out", pdf.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "nobody named 'Zed'")) << r.err;
  r = box.Run({"slips", archive.string()});
  EXPECT_EQ(r.exit_code, 2);
  r = box.Run({"slips", archive.string(), "--out", (box.dir() / "no" / "such" / "s.pdf").string()});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "cannot write")) << r.err;
}

// Sends a drawing of three through `server`; the archive's path.
fs::path SendThree(CliSandbox& box, const testing_support::SmtpServer& server) {
  CliResult r = box.Run({"settings", "--set", "UseSMTP=1", "--set", "AllowUnencryptedSMTP=1",
                         "--set", "SMTPServer=127.0.0.1:" + std::to_string(server.port()), "--set",
                         "SMTPAccountName=alice@example.org", "--set", "SMTPUserName=Alice",
                         "--set", "ServerRequiresAuthentication=0"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  box.Run({"send", box.Write("three.hmr", ListFile({{"Ann", "ann@example.org", "", ""},
                                                    {"Bob", "bob@example.org", "", ""},
                                                    {"Cat", "cat@example.org", "", ""}}))
                       .string()});
  for (const auto& e : fs::directory_iterator(box.data_dir() / "History"))
    if (e.path().extension() == ".hmr") return e.path();
  return {};
}

TEST(CliSlips, PendingPrintsTheGiversNoMessageReached) {
  CliSandbox box;
  testing_support::SmtpServer refusing(
      {.scripted = true, .script_args = {"--reject", "RCPT:1:550 5.1.1 unknown"}});
  ASSERT_EQ(refusing.error(), "");
  const fs::path archive = SendThree(box, refusing);
  ASSERT_FALSE(archive.empty());
  const fs::path pdf = box.dir() / "pending.pdf";
  CliResult r = box.Run({"slips", archive.string(), "--pending", "--out", pdf.string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  // The refused address costs Ann's message only: hers is the one slip.
  EXPECT_EQ(r.out, "1 slips written to " + pdf.string() + "\n");
  EXPECT_EQ(Count(PageText(pdf, 2), "You are a Secret Santa for"), 1);

  CliSandbox reached;
  testing_support::SmtpServer accepting({});
  ASSERT_EQ(accepting.error(), "");
  const fs::path sent = SendThree(reached, accepting);
  r = reached.Run({"slips", sent.string(), "--pending", "--out", pdf.string()});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "everybody was reached; no slips written\n");
  // An archive without a ledger cannot say who was reached.
  r = box.Run({"slips", box.Write("nine.hmr", NineArchived()).string(), "--pending", "--out",
               pdf.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "no delivery ledger")) << r.err;
}

}  // namespace
}  // namespace cli_test
