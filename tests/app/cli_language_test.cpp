// hollymoor-cli speaks the language of the user's locale: usage errors, help, reports and the
// reasons the plain libraries give. The locale is named in LANG alone, which the program reads
// itself, so no locale needs to be installed on the machine.

#include <gtest/gtest.h>

#include "app/cli_runner.h"
#include "support/smtp_server.h"

namespace cli_test {
namespace {

using testing_support::SmtpServer;

TEST(CliLanguage, UsageErrorsAndHelpFollowTheLocale) {
  CliSandbox box;
  box.locale = "de_DE.UTF-8";
  CliResult r = box.RunBare({"bogus"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err, "hollymoor-cli: unbekannter Befehl 'bogus' (siehe --help)\n");
  r = box.RunBare({"draw"});
  EXPECT_EQ(r.err, "hollymoor-cli: 'draw' braucht ROSTER.hmr\n");

  r = box.RunBare({"--help"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out.rfind("Aufruf: hollymoor-cli [--data-dir DIR]", 0), 0u) << r.out;
  EXPECT_TRUE(Has(r.out, "\n  draw      einmal auslosen, ohne etwas zu senden\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "\nGlobale Optionen:\n  --data-dir DIR  wo \"Saved\"")) << r.out;
  // A command's summary starts its help as a sentence.
  r = box.RunBare({"send", "--help"});
  EXPECT_TRUE(Has(r.out,
                  "\n\nAuslosen & senden: ungesehen auslosen, archivieren und alle "
                  "benachrichtigen.\n"))
      << r.out;
  EXPECT_TRUE(Has(r.out, "\nOptionen:\n  --subject S ")) << r.out;

  // What scripts read stays as it is: the settings' names and the drawn pairs.
  r = box.Run({"settings", "--show"});
  EXPECT_EQ(r.out.rfind("UseSMTP=0\nSMTPServer=\n", 0), 0u) << r.out;
  EXPECT_TRUE(Has(r.out, "\nPasswordStored=none\n")) << r.out;
  const auto pair =
      box.Write("pair.hmr",
                ListFile({{"Ann", "ann@example.org", "", ""}, {"Bob", "bob@example.org", "", ""}}));
  r = box.Run({"draw", "--reveal", pair.string()});
  EXPECT_TRUE(Has(r.out, "\nAnn -> Bob\nBob -> Ann\n")) << r.out;

  box.locale = "pl_PL.UTF-8";
  r = box.RunBare({"draw", "--seed"});
  EXPECT_EQ(r.err, "hollymoor-cli: opcja '--seed' wymaga wartości (N)\n");
  // English where the user asked for a language the program does not have.
  box.locale = "sv_SE.UTF-8";
  r = box.RunBare({"bogus"});
  EXPECT_EQ(r.err, "hollymoor-cli: unknown command 'bogus' (see --help)\n");
}

TEST(CliLanguage, ReportsAndLibraryReasonsFollowTheLocale) {
  CliSandbox box;
  box.locale = "fr_FR.UTF-8";
  const auto pair = box.Write("pair.hmr", ListFile({{"Ann", "ann@example.org", "2", ""},
                                                    {"Bob", "bob@example.org", "1", ""}}));
  CliResult r = box.Run({"check", pair.string()});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_EQ(r.out,
            "2 participants\naucun tirage n'est possible : personne ne peut offrir à Ann "
            "(tous les autres l'excluent)\n");

  // The list reader's reason, and the delivery ledger's.
  box.locale = "de_DE.UTF-8";
  const auto bad =
      box.Write("bad.hmr", ListFile({{"Ann", "ann@example.org", "", ""}, {"Bob", "bob", "", ""}}));
  r = box.Run({"draw", bad.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err,
                  "Zeile 2: die E-Mail-Adresse \"bob\" sieht nicht wie eine E-Mail-Adresse "
                  "aus"))
      << r.err;
  // An archived drawing: each row names the receiver's row.
  const auto three = box.Write("three.hmr",
                               "\"\",\"Ann\",\"ann@example.org\",\"2\",\"\"\r\n"
                               "\"\",\"Bob\",\"bob@example.org\",\"3\",\"\"\r\n"
                               "\"\",\"Cy\",\"cy@example.org\",\"1\",\"\"\r\n");
  r = box.Run({"resend", "--pending", three.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(
      Has(r.err, "hollymoor-cli: resend: kein Versandprotokoll neben [" + three.string() + "]\n"))
      << r.err;
}

// The settings checks and the system mailer's failures reach the terminal translated too.
TEST(CliLanguage, SettingsAndMailerReasonsFollowTheLocale) {
  CliSandbox box;
  box.locale = "es_ES.UTF-8";
  CliResult r = box.Run({"settings", "--set", "UseSMTP=1", "--set", "SMTPServer=smtp.example.org",
                         "--set", "SMTPAccountName=alice@example.org", "--set", "SMTPUserName=Al"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "settings: Nombre SMTP no válido, debe tener más de 2 caracteres\n"))
      << r.err;

  box.locale = "de_DE.UTF-8";
  r = box.Run({"settings", "--set", "UseSMTP=0", "--set", "MailerCommand=/bin/false"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto two =
      box.Write("two.hmr",
                ListFile({{"Ann", "ann@example.org", "", ""}, {"Bob", "bob@example.org", "", ""}}));
  r = box.Run({"send", two.string()});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "Anmeldung beim MAPI-E-Mail-Programm...\n")) << r.err;
  EXPECT_TRUE(Has(r.err,
                  "send: 0 von 2 Nachrichten angenommen; nicht benachrichtigt: Ann (abgelehnt: "
                  "Das Mailprogramm [/bin/false] scheiterte mit Exit-Status 1), Bob (nicht "
                  "versucht)\n"))
      << r.err;
}

// The senders' summary goes to standard output in any language, the progress to standard error.
TEST(CliLanguage, TranslatedSendSummaryIsTheCommandsOutput) {
  SmtpServer server(testing_support::SmtpServerOptions{});
  ASSERT_EQ(server.error(), "");
  CliSandbox box;
  box.locale = "nl_NL.UTF-8";
  CliResult r =
      box.Run({"settings", "--set", "UseSMTP=1", "--set",
               "SMTPServer=127.0.0.1:" + std::to_string(server.port()), "--set",
               "SMTPAccountName=alice@example.org", "--set", "SMTPUserName=Alice", "--set",
               "ServerRequiresAuthentication=0", "--set", "AllowUnencryptedSMTP=1"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto three = box.Write("three.hmr", ListFile({{"Ann", "ann@example.org", "", ""},
                                                      {"Bob", "bob@example.org", "", ""},
                                                      {"Cy", "cy@example.org", "", ""}}));
  r = box.Run({"send", three.string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "3 e-mails verzonden naar\nAnn;Bob;Cy;\n");
  EXPECT_TRUE(Has(r.err, "gearchiveerd: ")) << r.err;
  EXPECT_FALSE(Has(r.err, "e-mails verzonden naar")) << r.err;
}

}  // namespace
}  // namespace cli_test
