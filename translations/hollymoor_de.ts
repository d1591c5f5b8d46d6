<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>unbekannte Sprache &apos;%1&apos; (verfügbar: %2)</translation>
    </message>
    <message>
        <source>--seed needs a whole number, not &apos;%1&apos;</source>
        <translation>--seed braucht eine ganze Zahl, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; changing that one</source>
        <translation>die neueste Version dieser Auslosung ist [%1]; diese wird geändert</translation>
    </message>
    <message>
        <source>notified:%1</source>
        <translation>benachrichtigt:%1</translation>
    </message>
    <message>
        <source>archived: %1 (and .htm)</source>
        <translation>archiviert: %1 (und .htm)</translation>
    </message>
    <message>
        <source>%1: not notified:%2</source>
        <translation>%1: nicht benachrichtigt:%2</translation>
    </message>
    <message>
        <source>to notify them: %1</source>
        <translation>um sie zu benachrichtigen: %1</translation>
    </message>
    <message>
        <source>%1: no change keeps every exclusion: %2</source>
        <translation>%1: keine Änderung hält alle Ausschlüsse ein: %2</translation>
    </message>
    <message>
        <source>%1: --%2 is required</source>
        <translation>%1: --%2 ist erforderlich</translation>
    </message>
    <message>
        <source>only a full redraw can include %1: add them to the roster and use hollymoor-cli send</source>
        <translation>nur eine vollständig neue Auslosung kann %1 aufnehmen: in die Liste eintragen und hollymoor-cli send verwenden</translation>
    </message>
    <message>
        <source>join: the change could not be archived; nothing was sent</source>
        <translation>join: die Änderung konnte nicht archiviert werden; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>leave: nobody named &apos;%1&apos; in [%2]</source>
        <translation>leave: niemand namens &apos;%1&apos; in [%2]</translation>
    </message>
    <message>
        <source>only a full redraw can go on without %1: remove them from the roster and use hollymoor-cli send</source>
        <translation>nur eine vollständig neue Auslosung kommt ohne %1 aus: aus der Liste entfernen und hollymoor-cli send verwenden</translation>
    </message>
    <message>
        <source>leave: the change could not be archived; nothing was sent</source>
        <translation>leave: die Änderung konnte nicht archiviert werden; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>unbekannter Befehl &apos;%1&apos; (siehe --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos; for &apos;%2&apos;</source>
        <translation>unbekannte Option &apos;--%1&apos; für &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>unbekannte Option &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; takes no value</source>
        <translation>Option &apos;--%1&apos; nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value (%2)</source>
        <translation>Option &apos;--%1&apos; braucht einen Wert (%2)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; given more than once</source>
        <translation>Option &apos;--%1&apos; mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>kein Befehl angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; braucht %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; for &apos;%2&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos; für &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>[answered %1]</source>
        <translation>[beantwortet mit %1]</translation>
    </message>
    <message>
        <source>the SMTP settings are incomplete (server, address and name are needed); see hollymoor-cli settings --help</source>
        <translation>die SMTP-Einstellungen sind unvollständig (Server, Adresse und Name werden gebraucht); siehe hollymoor-cli settings --help</translation>
    </message>
    <message>
        <source>the SMTP server&apos;s port is not a number: [%1]</source>
        <translation>der Port des SMTP-Servers ist keine Zahl: [%1]</translation>
    </message>
    <message>
        <source>sign-in: %1</source>
        <translation>Anmeldung: %1</translation>
    </message>
    <message>
        <source>not signed in with %1: run hollymoor-cli login first (or choose SMTPAuthMethod=password)</source>
        <translation>nicht bei %1 angemeldet: zuerst hollymoor-cli login ausführen (oder SMTPAuthMethod=password wählen)</translation>
    </message>
    <message>
        <source>the system mailer [%1] is not installed; install one or choose SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</source>
        <translation>das Mailprogramm des Systems [%1] ist nicht installiert; eines installieren oder SMTP wählen (hollymoor-cli settings --set UseSMTP=1 ...)</translation>
    </message>
    <message>
        <source>warning: the re-send is not in the earlier ledger: %1</source>
        <translation type="vanished">Warnung: der erneute Versand steht nicht im früheren Versandprotokoll: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>warning: the sign-in could not be renewed: %1</source>
        <translation>Warnung: die Anmeldung konnte nicht erneuert werden: %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>nobody can give to %1 (everybody else excludes them)</source>
        <translation>niemand kann %1 beschenken (alle anderen schließen diese Person aus)</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody</source>
        <translation>%1 kann niemanden beschenken</translation>
    </message>
    <message>
        <source>%1 can not give to anybody</source>
        <translation>%1 können niemanden beschenken</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receiver</source>
        <translation>%1 können nur %2 beschenken: %3 Schenkende für %4 Beschenkten</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receivers</source>
        <translation>%1 können nur %2 beschenken: %3 Schenkende für %4 Beschenkte</translation>
    </message>
    <message>
        <source>%1 can only give among themselves, so no single loop can include everybody</source>
        <translation>%1 können sich nur gegenseitig beschenken, daher kann kein einzelner Kreis alle einschließen</translation>
    </message>
    <message>
        <source>no single loop runs through everybody (every possible drawing was counted)</source>
        <translation>kein einzelner Kreis führt durch alle (jede mögliche Auslosung wurde gezählt)</translation>
    </message>
    <message>
        <source>every possible drawing has two people drawing each other (every possible drawing was counted)</source>
        <translation>in jeder möglichen Auslosung ziehen sich zwei Personen gegenseitig (jede mögliche Auslosung wurde gezählt)</translation>
    </message>
    <message>
        <source>the roster has no participants</source>
        <translation>die Liste hat keine Teilnehmer</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>%1: empty name</source>
        <translation>%1: leerer Name</translation>
    </message>
    <message>
        <source>%1: invalid e-mail address &quot;%2&quot;</source>
        <translation>%1: ungültige E-Mail-Adresse &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: exclusion &quot;%2&quot; names no participant</source>
        <translation>%1: Ausschluss &quot;%2&quot; nennt keinen Teilnehmer</translation>
    </message>
    <message>
        <source>%1 participant</source>
        <translation>%1 Teilnehmer</translation>
    </message>
    <message>
        <source>%1 participants</source>
        <translation>%1 Teilnehmer</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
    <message>
        <source>no drawing exists: %1</source>
        <translation>keine Auslosung möglich: %1</translation>
    </message>
    <message>
        <source>a drawing exists</source>
        <translation>eine Auslosung ist möglich</translation>
    </message>
    <message>
        <source>draw: --seed needs a whole number, not &apos;%1&apos;</source>
        <translation>draw: --seed braucht eine ganze Zahl, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>draw: the roster has no participants</source>
        <translation>draw: die Liste hat keine Teilnehmer</translation>
    </message>
    <message>
        <source>reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>A drawing was found for %1 participants (not shown; use --reveal).</source>
        <translation>Für %1 Teilnehmer wurde eine Auslosung gefunden (nicht angezeigt; --reveal verwenden).</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>%1: --avoid-years needs a whole number from 0 to 5, not &apos;%2&apos;</source>
        <translation>%1: --avoid-years braucht eine ganze Zahl von 0 bis 5, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawing in %2</source>
        <translation>Hinweis: nur %1 frühere Auslosung in %2</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawings in %2</source>
        <translation>Hinweis: nur %1 frühere Auslosungen in %2</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawing</source>
        <translation>Paare aus %1 früheren Auslosung gemieden</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawings</source>
        <translation>Paare aus %1 früheren Auslosungen gemieden</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>ein einziger Kreis</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>keine gegenseitigen Paare</translation>
    </message>
    <message>
        <source>all options together</source>
        <translation>alle Optionen zusammen</translation>
    </message>
    <message>
        <source>a drawing exists (%1)</source>
        <translation>eine Auslosung ist möglich (%1)</translation>
    </message>
    <message>
        <source>unknown: none found within %1 seconds</source>
        <translation>unbekannt: innerhalb von %1 Sekunden keine gefunden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>cannot read [%1]: %2</source>
        <translation>[%1] kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read [%1]: it is a folder</source>
        <translation>[%1] kann nicht gelesen werden: es ist ein Ordner</translation>
    </message>
    <message>
        <source>cannot read [%1]</source>
        <translation>[%1] kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the message text [%1]</source>
        <translation>der Nachrichtentext [%1] kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>--test-address is empty</source>
        <translation>--test-address ist leer</translation>
    </message>
    <message>
        <source>cannot use the data folder [%1]</source>
        <translation>der Datenordner [%1] kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>%1: %2 of %3 messages accepted; not notified: %4</source>
        <translation>%1: %2 von %3 Nachrichten angenommen; nicht benachrichtigt: %4</translation>
    </message>
    <message>
        <source>%1: the drawing could not be archived, so nothing was sent</source>
        <translation>%1: die Auslosung konnte nicht archiviert werden, daher wurde nichts gesendet</translation>
    </message>
    <message>
        <source>send: the roster has no participants</source>
        <translation>send: die Liste hat keine Teilnehmer</translation>
    </message>
    <message>
        <source>resend: name the participants with --to, or give --pending (not both)</source>
        <translation>resend: die Teilnehmer mit --to nennen oder --pending angeben (nicht beides)</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; re-sending from that one</source>
        <translation>die neueste Version dieser Auslosung ist [%1]; von dieser wird erneut gesendet</translation>
    </message>
    <message>
        <source>resend: %1</source>
        <translation>resend: %1</translation>
    </message>
    <message>
        <source>Everyone in [%1] was notified; nothing to re-send.</source>
        <translation>Alle in [%1] wurden benachrichtigt; nichts erneut zu senden.</translation>
    </message>
    <message>
        <source>resend: nobody named &apos;%1&apos; in [%2]</source>
        <translation>resend: niemand namens &apos;%1&apos; in [%2]</translation>
    </message>
    <message>
        <source>message: --subject and --body-file are required</source>
        <translation>message: --subject und --body-file sind erforderlich</translation>
    </message>
    <message>
        <source>message: the roster has no participants</source>
        <translation>message: die Liste hat keine Teilnehmer</translation>
    </message>
    <message>
        <source>settings: %1 must be 1 or 0, not &apos;%2&apos;</source>
        <translation>settings: %1 muss 1 oder 0 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>settings: unknown setting &apos;%1&apos; (see hollymoor-cli settings --help)</source>
        <translation>settings: unbekannte Einstellung &apos;%1&apos; (siehe hollymoor-cli settings --help)</translation>
    </message>
    <message>
        <source>settings: no password on standard input</source>
        <translation>settings: kein Passwort auf der Standardeingabe</translation>
    </message>
    <message>
        <source>the settings did not read back as written</source>
        <translation>die Einstellungen ließen sich nicht so zurücklesen, wie sie geschrieben wurden</translation>
    </message>
    <message>
        <source>settings: %1 must be one of %2, not &apos;%3&apos;</source>
        <translation>settings: %1 muss eines von %2 sein, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>settings: %1</translation>
    </message>
    <message>
        <source>settings: --test changes nothing; run it on its own</source>
        <translation>settings: --test ändert nichts; allein ausführen</translation>
    </message>
    <message>
        <source>settings: --allow-file-secret goes with --password-stdin</source>
        <translation>settings: --allow-file-secret gehört zu --password-stdin</translation>
    </message>
    <message>
        <source>settings: --set needs NAME=VALUE, not &apos;%1&apos;</source>
        <translation>settings: --set braucht NAME=WERT, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>settings: the password is not taken on the command line; use --password-stdin</source>
        <translation>settings: das Passwort wird nicht auf der Befehlszeile angenommen; --password-stdin verwenden</translation>
    </message>
    <message>
        <source>settings: MailerCommand is empty</source>
        <translation>settings: MailerCommand ist leer</translation>
    </message>
    <message>
        <source>settings: no system keyring is available, so the password was not saved; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>settings: kein Schlüsselbund des Systems verfügbar, daher wurde das Passwort nicht gespeichert; mit --allow-file-secret erneut ausführen, um es in der Einstellungsdatei aufzubewahren (nur für Sie lesbar)</translation>
    </message>
    <message>
        <source>warning: SMTP may now send the login and every message unencrypted when the server offers no STARTTLS</source>
        <translation>Warnung: SMTP darf nun die Anmeldung und jede Nachricht unverschlüsselt senden, wenn der Server kein STARTTLS anbietet</translation>
    </message>
    <message>
        <source>settings: could not write [%1]: %2</source>
        <translation>settings: [%1] konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>login: --provider must be microsoft, google or custom, not &apos;%1&apos;</source>
        <translation>login: --provider muss microsoft, google oder custom sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: name the provider with --provider microsoft, google or custom</source>
        <translation>login: den Anbieter mit --provider microsoft, google oder custom nennen</translation>
    </message>
    <message>
        <source>login: --timeout needs a whole number of seconds, not &apos;%1&apos;</source>
        <translation>login: --timeout braucht eine ganze Zahl von Sekunden, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: %1</source>
        <translation>login: %1</translation>
    </message>
    <message>
        <source>Open this address to sign in: %1</source>
        <translation>Zum Anmelden diese Adresse öffnen: %1</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>keine Antwort vom Browser innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>login: %1; nothing was changed</source>
        <translation>login: %1; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>login: no system keyring is available, so the sign-in was not kept; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>login: kein Schlüsselbund des Systems verfügbar, daher wurde die Anmeldung nicht aufbewahrt; mit --allow-file-secret erneut ausführen, um sie in der Einstellungsdatei aufzubewahren (nur für Sie lesbar)</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the settings file.</source>
        <translation>Bei %1 angemeldet; die Anmeldung wird in der Einstellungsdatei aufbewahrt.</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the keyring.</source>
        <translation>Bei %1 angemeldet; die Anmeldung wird im Schlüsselbund aufbewahrt.</translation>
    </message>
    <message>
        <source>No SMTP server was set; it is now %1, the server of %2.</source>
        <translation>Es war kein SMTP-Server eingestellt; jetzt ist es %1, der Server von %2.</translation>
    </message>
    <message>
        <source>logout: the sign-in could not be removed from [%1] or the keyring</source>
        <translation>logout: die Anmeldung konnte nicht aus [%1] oder dem Schlüsselbund entfernt werden</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with the provider is forgotten.</source>
        <translation>Abgemeldet: die Anmeldung beim Anbieter ist vergessen.</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with %1 is forgotten.</source>
        <translation>Abgemeldet: die Anmeldung bei %1 ist vergessen.</translation>
    </message>
    <message>
        <source>Not signed in; there was nothing to forget.</source>
        <translation>Nicht angemeldet; es gab nichts zu vergessen.</translation>
    </message>
    <message>
        <source>slips: --out FILE.pdf is required</source>
        <translation>slips: --out DATEI.pdf ist erforderlich</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; printing that one</source>
        <translation>die neueste Version dieser Auslosung ist [%1]; diese wird gedruckt</translation>
    </message>
    <message>
        <source>slips: give either --to or --pending</source>
        <translation>slips: entweder --to oder --pending angeben</translation>
    </message>
    <message>
        <source>slips: %1</source>
        <translation>slips: %1</translation>
    </message>
    <message>
        <source>everybody was reached; no slips written</source>
        <translation>alle wurden erreicht; keine Zettel geschrieben</translation>
    </message>
    <message>
        <source>slips: nobody named &apos;%1&apos; in [%2]</source>
        <translation>slips: niemand namens &apos;%1&apos; in [%2]</translation>
    </message>
    <message>
        <source>%1 slips written to %2</source>
        <translation>%1 Zettel nach %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>subject after the giver&apos;s name (default: the send dialog&apos;s subject)</source>
        <translation>Betreff nach dem Namen des Schenkenden (Vorgabe: der Betreff des Sendedialogs)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (default: the send dialog&apos;s text)</source>
        <translation>Nachrichtentext aus Datei F, &quot;-&quot; für die Standardeingabe (Vorgabe: der Text des Sendedialogs)</translation>
    </message>
    <message>
        <source>text before the receiver&apos;s name (default: the send dialog&apos;s trailer)</source>
        <translation>Text vor dem Namen des Beschenkten (Vorgabe: der Schlusstext des Sendedialogs)</translation>
    </message>
    <message>
        <source>send every message to A instead of the participants (test mode)</source>
        <translation>jede Nachricht an A statt an die Teilnehmer senden (Testmodus)</translation>
    </message>
    <message>
        <source>the gift budget, added to every notification</source>
        <translation>das Geschenkbudget, in jede Benachrichtigung eingefügt</translation>
    </message>
    <message>
        <source>the date of the exchange, added to every notification</source>
        <translation>das Datum des Austauschs, in jede Benachrichtigung eingefügt</translation>
    </message>
    <message>
        <source>where the exchange takes place, added to every notification</source>
        <translation>wo der Austausch stattfindet, in jede Benachrichtigung eingefügt</translation>
    </message>
    <message>
        <source>the date to reply by, added to every notification</source>
        <translation>das Datum, bis zu dem geantwortet werden soll, in jede Benachrichtigung eingefügt</translation>
    </message>
    <message>
        <source>language of the message&apos;s own texts: en, de, fr, es, nl or pl (default: the program&apos;s)</source>
        <translation>Sprache der eigenen Texte der Nachricht: en, de, fr, es, nl oder pl (Vorgabe: die des Programms)</translation>
    </message>
    <message>
        <source>read a roster, report its problems and whether a drawing exists</source>
        <translation>eine Liste lesen, ihre Probleme melden und sagen, ob eine Auslosung möglich ist</translation>
    </message>
    <message>
        <source>Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot
give or receive), 2 when the file cannot be read. With drawing options, one line per
option says whether a drawing exists under it: exit status 3 when one is proven
impossible, 1 when none was found within the time limit.</source>
        <translation>Exit-Status: 0, wenn eine Auslosung möglich ist, 3, wenn keine möglich ist (der Grund
nennt, wer nicht schenken oder beschenkt werden kann), 2, wenn die Datei nicht gelesen
werden kann. Mit Auslosungsoptionen sagt je eine Zeile pro Option, ob unter ihr eine
Auslosung möglich ist: Exit-Status 3, wenn eine nachweislich unmöglich ist, 1, wenn
innerhalb der Zeitgrenze keine gefunden wurde.</translation>
    </message>
    <message>
        <source>draw once, without sending anything</source>
        <translation>einmal auslosen, ohne etwas zu senden</translation>
    </message>
    <message>
        <source>Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no
drawing exists.</source>
        <translation>Gibt nur aus, dass eine Auslosung gefunden wurde, außer mit --reveal. Exit-Status 3, wenn
keine Auslosung möglich ist.</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable drawings)</source>
        <translation>die Zufallsquelle mit N initialisieren (wiederholbare Auslosungen)</translation>
    </message>
    <message>
        <source>print &quot;GIVER -&gt; RECEIVER&quot; for every participant, in roster order</source>
        <translation>für jeden Teilnehmer &quot;GIVER -&gt; RECEIVER&quot; ausgeben, in der Reihenfolge der Liste</translation>
    </message>
    <message>
        <source>Calculate &amp; Send: draw unseen, archive and notify everyone</source>
        <translation>Auslosen &amp; senden: ungesehen auslosen, archivieren und alle benachrichtigen</translation>
    </message>
    <message>
        <source>The drawing is archived under DATA-DIR/History (list file and HTML log) before any
message leaves; mail goes by the configured path (see &quot;settings&quot;). Status texts go to
standard error, the summary to standard output. Exit status 0 only when every message
was accepted.</source>
        <translation>Die Auslosung wird unter DATA-DIR/History archiviert (Listendatei und HTML-Protokoll),
bevor eine Nachricht hinausgeht; die Post geht auf dem eingestellten Weg (siehe
&quot;settings&quot;). Statustexte gehen auf die Standardfehlerausgabe, die Zusammenfassung auf die
Standardausgabe. Exit-Status 0 nur, wenn jede Nachricht angenommen wurde.</translation>
    </message>
    <message>
        <source>re-send an archived drawing to the named participants, or to everyone not reached</source>
        <translation>eine archivierte Auslosung erneut an Genannte oder nicht Erreichte senden</translation>
    </message>
    <message>
        <source>ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with --to
are notified, with the receivers the archive holds; with --pending, everyone whose
message the archive&apos;s delivery ledger does not record as accepted (a message whose
answer never came is sent again).</source>
        <translation>ARCHIVE.hmr ist eine Listendatei aus DATA-DIR/History. Nur die mit --to genannten
Teilnehmer werden benachrichtigt, mit den Beschenkten, die das Archiv enthält; mit
--pending alle, deren Nachricht das Versandprotokoll des Archivs nicht als angenommen
verzeichnet (eine Nachricht, deren Antwort nie kam, wird erneut gesendet).</translation>
    </message>
    <message>
        <source>a participant to notify (exact name; give it once per person)</source>
        <translation>ein zu benachrichtigender Teilnehmer (genauer Name; einmal pro Person angeben)</translation>
    </message>
    <message>
        <source>notify everyone the archive&apos;s ledger does not record as reached</source>
        <translation>alle benachrichtigen, die das Versandprotokoll des Archivs nicht als erreicht verzeichnet</translation>
    </message>
    <message>
        <source>add a late participant to a sent drawing, without a redraw</source>
        <translation>einen Nachzügler zu einer versandten Auslosung hinzufügen, ohne neu auszulosen</translation>
    </message>
    <message>
        <source>One giver, chosen at random among those the exclusions allow, now gives to the newcomer,
and the newcomer to that giver&apos;s former receiver. Exactly those two are notified; the
giver&apos;s message says it replaces the earlier one. The change is archived as the next
version beside ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), whose newest version is the one
changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no
place keeps every exclusion.</source>
        <translation>Ein Schenkender, zufällig gewählt unter denen, die die Ausschlüsse zulassen, beschenkt nun
den Neuen, und der Neue den bisherigen Beschenkten dieses Schenkenden. Genau diese beiden
werden benachrichtigt; die Nachricht an den Schenkenden sagt, dass sie die frühere
ersetzt. Die Änderung wird als nächste Version neben ARCHIVE.hmr archiviert (&quot;-v2&quot;, &quot;-v3&quot;,
...); geändert wird deren neueste Version. Gibt aus, wer benachrichtigt wurde. Exit-Status
0, 1, wenn eine Nachricht scheiterte, 3, wenn kein Platz alle Ausschlüsse einhält.</translation>
    </message>
    <message>
        <source>the newcomer&apos;s name (required)</source>
        <translation>der Name des Neuen (erforderlich)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s address (required)</source>
        <translation>die Adresse des Neuen (erforderlich)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s notes, gift suggestions or instructions</source>
        <translation>die Notizen des Neuen, Geschenkideen oder Hinweise</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable changes)</source>
        <translation>die Zufallsquelle mit N initialisieren (wiederholbare Änderungen)</translation>
    </message>
    <message>
        <source>take a participant out of a sent drawing, without a redraw</source>
        <translation>einen Teilnehmer aus einer versandten Auslosung nehmen, ohne neu auszulosen</translation>
    </message>
    <message>
        <source>The leaver&apos;s giver now gives to the leaver&apos;s receiver when the exclusions allow it;
otherwise as few givers as possible get a new receiver. Exactly the givers whose
receiver changed are notified, archived and reported as for join.</source>
        <translation>Wer den Ausscheidenden beschenkt hätte, beschenkt nun dessen Beschenkten, wenn die
Ausschlüsse es zulassen; sonst bekommen so wenige Schenkende wie möglich einen neuen
Beschenkten. Genau die Schenkenden, deren Beschenkter sich änderte, werden benachrichtigt;
Archiv und Ausgabe wie bei join.</translation>
    </message>
    <message>
        <source>the participant who leaves (required)</source>
        <translation>der ausscheidende Teilnehmer (erforderlich)</translation>
    </message>
    <message>
        <source>print sealed slips of an archived drawing for people without e-mail</source>
        <translation>verschlossene Zettel einer archivierten Auslosung für Leute ohne E-Mail drucken</translation>
    </message>
    <message>
        <source>Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages show
only the givers&apos; names, the even page behind each the receivers and their notes. Cut,
fold each slip along its dotted line with the printed back inwards, and hand it out
unseen. One slip per participant, per person named with --to, or with --pending per
giver the archive&apos;s delivery ledgers do not record as reached.</source>
        <translation>Schreibt ein PDF zum beidseitigen Druck (Wenden an der langen Kante): ungerade Seiten
zeigen nur die Namen der Schenkenden, die gerade Seite dahinter die Beschenkten und ihre
Notizen. Schneiden, jeden Zettel an seiner gepunkteten Linie mit der bedruckten Rückseite
nach innen falten und ungesehen austeilen. Ein Zettel pro Teilnehmer, pro mit --to
genannter Person oder mit --pending pro Schenkendem, den die Versandprotokolle des Archivs
nicht als erreicht verzeichnen.</translation>
    </message>
    <message>
        <source>print the slip of this participant (give it once per person)</source>
        <translation>den Zettel dieses Teilnehmers drucken (einmal pro Person angeben)</translation>
    </message>
    <message>
        <source>print the slips of the givers no message reached</source>
        <translation>die Zettel der Schenkenden drucken, die keine Nachricht erreicht hat</translation>
    </message>
    <message>
        <source>where the PDF goes (required)</source>
        <translation>wohin das PDF geschrieben wird (erforderlich)</translation>
    </message>
    <message>
        <source>send a free-form message to every participant</source>
        <translation>eine freie Nachricht an jeden Teilnehmer senden</translation>
    </message>
    <message>
        <source>subject after each participant&apos;s name (required)</source>
        <translation>Betreff nach dem Namen jedes Teilnehmers (erforderlich)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (required)</source>
        <translation>Nachrichtentext aus Datei F, &quot;-&quot; für die Standardeingabe (erforderlich)</translation>
    </message>
    <message>
        <source>show or change the mail settings</source>
        <translation>die Mail-Einstellungen anzeigen oder ändern</translation>
    </message>
    <message>
        <source>Names: UseSMTP (1 = own SMTP client, 0 = system mailer), SMTPServer (host[:port]),
SMTPAccountName (your address), SMTPUserName (your name), ServerRequiresAuthentication
(1 or 0), MailerCommand (the system mailer), SMTPAuthMethod (password or oauth2),
OAuthProvider (microsoft, google or custom), and for custom or to override a provider
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID, OAuthScopes. Changes are checked as the
settings dialog checks them. The password is never taken on the command line: use
--password-stdin. Secrets go to the system keyring; where there is none they are kept in
the settings file only with --allow-file-secret (HOLLYMOOR_KEYRING=none: always the file).</source>
        <translation>Namen: UseSMTP (1 = eigener SMTP-Client, 0 = Mailprogramm des Systems), SMTPServer
(host[:port]), SMTPAccountName (Ihre Adresse), SMTPUserName (Ihr Name),
ServerRequiresAuthentication (1 oder 0), MailerCommand (das Mailprogramm des Systems),
SMTPAuthMethod (password oder oauth2), OAuthProvider (microsoft, google oder custom) und
für custom oder um einen Anbieter zu übersteuern OAuthAuthorizeURL, OAuthTokenURL,
OAuthClientID, OAuthScopes. Änderungen werden so geprüft, wie der Einstellungsdialog sie
prüft. Das Passwort wird nie auf der Befehlszeile angenommen: --password-stdin verwenden.
Geheimnisse kommen in den Schlüsselbund des Systems; wo es keinen gibt, werden sie nur mit
--allow-file-secret in der Einstellungsdatei aufbewahrt (HOLLYMOOR_KEYRING=none: immer die
Datei).</translation>
    </message>
    <message>
        <source>print the settings (secrets masked) and where the secrets are kept</source>
        <translation>die Einstellungen ausgeben (Geheimnisse maskiert) und wo die Geheimnisse aufbewahrt werden</translation>
    </message>
    <message>
        <source>change one setting</source>
        <translation>eine Einstellung ändern</translation>
    </message>
    <message>
        <source>read the new password from the first line of standard input</source>
        <translation>das neue Passwort aus der ersten Zeile der Standardeingabe lesen</translation>
    </message>
    <message>
        <source>without a keyring, keep the password in the settings file</source>
        <translation>ohne Schlüsselbund das Passwort in der Einstellungsdatei aufbewahren</translation>
    </message>
    <message>
        <source>send one test message to your own address and say how it went</source>
        <translation>eine Testnachricht an die eigene Adresse senden und sagen, wie es lief</translation>
    </message>
    <message>
        <source>sign in with your mail provider in the browser (OAuth2)</source>
        <translation>im Browser beim Mail-Anbieter anmelden (OAuth2)</translation>
    </message>
    <message>
        <source>Prints &quot;Open this address to sign in: URL&quot;, opens the browser (unless --no-browser),
and waits for the provider to send the browser back to this program on a loopback
port. The sign-in is kept in the system keyring and used from then on
(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider
defaults to the one chosen before, else the one of your address. For custom, set
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see &quot;settings&quot;).
Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out.</source>
        <translation>Gibt &quot;Zum Anmelden diese Adresse öffnen: URL&quot; aus, öffnet den Browser (außer mit
--no-browser) und wartet, bis der Anbieter den Browser über einen Loopback-Port zu diesem
Programm zurückschickt. Die Anmeldung wird im Schlüsselbund des Systems aufbewahrt und von
da an verwendet (SMTPAuthMethod=oauth2); das Zugriffstoken wird erneuert, bevor es
abläuft. Vorgabe für den Anbieter ist der zuvor gewählte, sonst der Ihrer Adresse. Für
custom zuerst OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID und OAuthScopes setzen
(siehe &quot;settings&quot;). Exit-Status 0 bei erfolgreicher Anmeldung, 1, wenn die Anmeldung
abgelehnt wurde, scheiterte oder die Zeit ablief.</translation>
    </message>
    <message>
        <source>microsoft, google or custom</source>
        <translation>microsoft, google oder custom</translation>
    </message>
    <message>
        <source>only print the address; open it yourself, on this computer</source>
        <translation>nur die Adresse ausgeben; selbst öffnen, auf diesem Computer</translation>
    </message>
    <message>
        <source>how long to wait for the browser (default 300)</source>
        <translation>wie lange auf den Browser gewartet wird (Vorgabe 300)</translation>
    </message>
    <message>
        <source>without a keyring, keep the sign-in in the settings file</source>
        <translation>ohne Schlüsselbund die Anmeldung in der Einstellungsdatei aufbewahren</translation>
    </message>
    <message>
        <source>forget the sign-in with your mail provider</source>
        <translation>die Anmeldung beim Mail-Anbieter vergessen</translation>
    </message>
    <message>
        <source>Removes the refresh and access tokens from the keyring or the settings file. Sending
then needs a new login, or SMTPAuthMethod=password.</source>
        <translation>Entfernt das Erneuerungs- und das Zugriffstoken aus dem Schlüsselbund oder der
Einstellungsdatei. Zum Senden braucht es dann ein neues login oder
SMTPAuthMethod=password.</translation>
    </message>
    <message>
        <source>where &quot;Saved&quot;, &quot;History&quot; and &quot;smtp_session.log&quot; are kept</source>
        <translation>wo &quot;Saved&quot;, &quot;History&quot; und &quot;smtp_session.log&quot; liegen</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>die Einstellungsdatei</translation>
    </message>
    <message>
        <source>show help (for a command: COMMAND --help)</source>
        <translation>Hilfe anzeigen (für einen Befehl: COMMAND --help)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version anzeigen</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

The Hollymoor errands from a terminal or a script, with the same list files, archive,
settings and session log as the desktop program.

Commands:
</source>
        <translation>Aufruf: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

Die Aufgaben von Hollymoor aus einem Terminal oder Skript, mit denselben Listendateien,
demselben Archiv, denselben Einstellungen und demselben Sitzungsprotokoll wie das
Desktop-Programm.

Befehle:
</translation>
    </message>
    <message>
        <source>Global options:</source>
        <translation>Globale Optionen:</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the errand failed (for example a message was not
accepted), 2 bad usage or unreadable input, 3 no drawing exists.</source>
        <translation>Exit-Status: 0 Erfolg, 1 die Aufgabe ist gescheitert (zum Beispiel wurde eine Nachricht
nicht angenommen), 2 falscher Aufruf oder unlesbare Eingabe, 3 keine Auslosung möglich.</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [global options]</source>
        <translation>Aufruf: hollymoor-cli [globale Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>nobody draws anyone they drew in the last N archived drawings (0 to 5; matched by address, else by name)</source>
        <translation>niemand zieht jemanden, den er in den letzten N archivierten Auslosungen gezogen hat (0 bis 5; erkannt an der Adresse, sonst am Namen)</translation>
    </message>
    <message>
        <source>the gifts run as one single loop through everybody</source>
        <translation>die Geschenke laufen in einem einzigen Kreis durch alle</translation>
    </message>
    <message>
        <source>nobody draws the person who draws them</source>
        <translation>niemand zieht die Person, die ihn zieht</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>The contacts file [%1] is not a regular file</source>
        <translation>Die Kontaktdatei [%1] ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The contacts file [%1] is larger than %2 MB</source>
        <translation>Die Kontaktdatei [%1] ist größer als %2 MB</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be opened</source>
        <translation>Die Kontaktdatei [%1] konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be read</source>
        <translation>Die Kontaktdatei [%1] konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>
Test Mode: every message went to %1, not to the participants.</source>
        <translation>
Testmodus: Alle Nachrichten gingen an %1, nicht an die Teilnehmer.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. The authors are not liable for any claim, damage or other liability arising from its use, including e-mail that is delayed, lost or delivered to the wrong person. Keep a copy of your list files and of the History folder.</source>
        <translation>Dieses Programm wird „wie besehen“ bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art. Die Autoren haften nicht für Ansprüche, Schäden oder sonstige Haftung aus seiner Verwendung, auch nicht für E-Mails, die verspätet, verloren oder an die falsche Person zugestellt werden. Bewahren Sie eine Kopie Ihrer Listendateien und des Ordners „History“ auf.</translation>
    </message>
    <message>
        <source>Checking for a newer version sends your e-mail address (from Setup) to the update server.</source>
        <translation>Die Suche nach einer neuen Version sendet Ihre E-Mail-Adresse (aus der Einrichtung) an den Update-Server.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Choose a contacts file (vCard .vcf or .csv) exported from your mail program or phone.</source>
        <translation>Wählen Sie eine Kontaktdatei (vCard .vcf oder .csv), die Sie aus Ihrem E-Mail-Programm oder Telefon exportiert haben.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Contacts file</source>
        <translation>Kontaktdatei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Nach Name oder Adresse filtern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Select all &amp;shown</source>
        <translation>Alle &amp;angezeigten auswählen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>%1 contact in %2</source>
        <translation>%1 Kontakt in %2</translation>
    </message>
    <message>
        <source>%1 contacts in %2</source>
        <translation>%1 Kontakte in %2</translation>
    </message>
    <message>
        <source>; %1 entry skipped (no usable e-mail address)</source>
        <translation>; %1 Eintrag übersprungen (keine verwendbare E-Mail-Adresse)</translation>
    </message>
    <message>
        <source>; %1 entries skipped (no usable e-mail address)</source>
        <translation>; %1 Einträge übersprungen (keine verwendbare E-Mail-Adresse)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>%1 &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Open Contacts File</source>
        <translation>Kontaktdatei öffnen</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation>Kontakte (*.vcf *.vcard *.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Drawing Options</source>
        <translation>Auslosungsoptionen</translation>
    </message>
    <message>
        <source>Nobody draws anyone they drew in this many of the latest archived drawings (matched by e-mail address, else by name).</source>
        <translation>Niemand zieht jemanden, den er in so vielen der letzten archivierten Auslosungen gezogen hat (erkannt an der E-Mail-Adresse, sonst am Namen).</translation>
    </message>
    <message>
        <source>Avoid the pairs of the last drawings:</source>
        <translation>Paare der letzten Auslosungen vermeiden:</translation>
    </message>
    <message>
        <source>One single loop through everybody</source>
        <translation>Eine einzige Runde durch alle</translation>
    </message>
    <message>
        <source>No swapped pairs (nobody draws the person who draws them)</source>
        <translation>Keine getauschten Paare (niemand zieht die Person, die ihn zieht)</translation>
    </message>
    <message>
        <source>Load From File Options</source>
        <translation>Optionen zum Laden aus Datei</translation>
    </message>
    <message>
        <source>Clear Current Participants</source>
        <translation>Bisherige Teilnehmer entfernen</translation>
    </message>
    <message>
        <source>Add Participants from file to List</source>
        <translation>Teilnehmer aus der Datei zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Include Exclusion information in file</source>
        <translation>Ausschlüsse aus der Datei übernehmen</translation>
    </message>
    <message>
        <source>Add New Exclusions based on results of previous drawing </source>
        <translation>Neue Ausschlüsse aus dem Ergebnis der vorherigen Auslosung hinzufügen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Name des Teilnehmers</translation>
    </message>
    <message>
        <source>Notes / Gift Suggestions</source>
        <translation>Notizen / Geschenkideen</translation>
    </message>
    <message>
        <source>Manual Addition of Participants</source>
        <translation>Teilnehmer von Hand hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit Selected Participant</source>
        <translation>Ausgewählten Teilnehmer bearbeiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add Late Participant</source>
        <translation>Nachzügler hinzufügen</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing</source>
        <translation>Teilnehmer aus der Auslosung nehmen</translation>
    </message>
    <message>
        <source>Error Failed to Logon to MAPI Email Client, This function may not be available if your email client does not support MAPI, You must add the information by using the manual addition.</source>
        <translation>Fehler: Anmeldung beim MAPI-E-Mail-Programm fehlgeschlagen. Diese Funktion steht möglicherweise nicht zur Verfügung, wenn Ihr E-Mail-Programm MAPI nicht unterstützt. Sie müssen die Angaben dann von Hand hinzufügen.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>a drawing needs at least two participants</source>
        <translation>eine Auslosung braucht mindestens zwei Teilnehmer</translation>
    </message>
    <message>
        <source>every participant is excluded from giving to %1</source>
        <translation>jeder Teilnehmer ist davon ausgeschlossen, %1 zu beschenken</translation>
    </message>
    <message>
        <source>%1 is excluded from giving to every participant</source>
        <translation>%1 ist davon ausgeschlossen, irgendeinen Teilnehmer zu beschenken</translation>
    </message>
    <message>
        <source>no participant who may give to %1 has a receiver %1 may give to</source>
        <translation>kein Teilnehmer, der %1 beschenken darf, hat einen Beschenkten, den %1 beschenken darf</translation>
    </message>
    <message>
        <source>once %1 leaves, nobody may give to the person %1 gives to</source>
        <translation>wenn %1 ausscheidet, darf niemand die Person beschenken, die %1 beschenkt</translation>
    </message>
    <message>
        <source>the gift %1 would have given cannot be passed on without breaking an exclusion</source>
        <translation>das Geschenk, das %1 gemacht hätte, lässt sich nicht weitergeben, ohne einen Ausschluss zu verletzen</translation>
    </message>
    <message>
        <source>the archived drawing does not match the participants and their exclusions</source>
        <translation>die archivierte Auslosung passt nicht zu den Teilnehmern und ihren Ausschlüssen</translation>
    </message>
    <message>
        <source>everybody may give to and receive from at least half of the others</source>
        <translation>jeder darf mindestens die Hälfte der anderen beschenken und von ihr beschenkt werden</translation>
    </message>
    <message>
        <source>a drawing was found</source>
        <translation>eine Auslosung wurde gefunden</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>A valid drawing exists.</source>
        <translation>Eine gültige Auslosung ist möglich.</translation>
    </message>
    <message>
        <source>Nobody may draw %1: everybody else excludes them.</source>
        <translation>Niemand darf %1 ziehen: alle anderen schließen diese Person aus.</translation>
    </message>
    <message>
        <source>%1 may draw nobody.</source>
        <translation>%1 dürfen niemanden ziehen.</translation>
    </message>
    <message>
        <source>%1 may draw only %2: %3 for %4 givers.</source>
        <translation>%1 dürfen nur %2 ziehen: %3 für %4 Schenkende.</translation>
    </message>
    <message>
        <source>%1 may give only among themselves, so no single loop can include everybody.</source>
        <translation>%1 dürfen sich nur gegenseitig beschenken, daher kann kein einzelner Kreis alle einschließen.</translation>
    </message>
    <message>
        <source>No single loop through everybody exists: every possible drawing was counted.</source>
        <translation>Es gibt keinen einzelnen Kreis durch alle: jede mögliche Auslosung wurde gezählt.</translation>
    </message>
    <message>
        <source>Every possible drawing has two people drawing each other: every possible drawing was counted.</source>
        <translation>In jeder möglichen Auslosung ziehen sich zwei Personen gegenseitig: jede mögliche Auslosung wurde gezählt.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error version of file must be 3.0 or greater</source>
        <translation>Fehler: Die Dateiversion muss 3.0 oder höher sein</translation>
    </message>
    <message>
        <source>Error file does not contain Secret Santa history information</source>
        <translation>Fehler: Die Datei enthält keine Angaben zu einer Wichtel-Auslosung</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1] or its earlier versions</source>
        <translation>kein Versandprotokoll neben [%1] oder seinen früheren Fassungen</translation>
    </message>
    <message>
        <source>the new participant needs a name</source>
        <translation>der neue Teilnehmer braucht einen Namen</translation>
    </message>
    <message>
        <source>there is already a participant named %1</source>
        <translation>es gibt bereits einen Teilnehmer namens %1</translation>
    </message>
    <message>
        <source>the archive holds no complete drawing</source>
        <translation>das Archiv enthält keine vollständige Auslosung</translation>
    </message>
    <message>
        <source>no such participant</source>
        <translation>diesen Teilnehmer gibt es nicht</translation>
    </message>
    <message>
        <source>Error while attempting to save information to file [%1]</source>
        <translation>Fehler beim Speichern der Angaben in der Datei [%1]</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Fehler beim Speichern der Angaben in der Protokolldatei [%1]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Alle Dateien (*.*)|*.*|Wichtel-Dateien (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Wichtel-Dateien (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the participant list?
Your changes are lost if you do not save them.</source>
        <translation>Möchten Sie die Änderungen an der Teilnehmerliste speichern?
Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to [%1]?
Your changes are lost if you do not save them.</source>
        <translation>Möchten Sie die Änderungen an [%1] speichern?
Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Nobody was marked for re-sending: %1</source>
        <translation>Niemand wurde zum erneuten Senden vorgemerkt: %1</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm</source>
        <translation>Alle Dateien (*.*)|*.*|Wichtel-Protokolle (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Unable to open [%1]
No program on this computer could show it; open the file with a web browser.</source>
        <translation>[%1] konnte nicht geöffnet werden.
Kein Programm auf diesem Computer konnte die Datei anzeigen; öffnen Sie sie mit einem Webbrowser.</translation>
    </message>
    <message>
        <source>Error while Checking File Version from file [%1] on line number %2</source>
        <translation>Fehler beim Prüfen der Dateiversion der Datei [%1] in Zeile %2</translation>
    </message>
    <message>
        <source>a list needs at least two participants</source>
        <translation>eine Liste braucht mindestens zwei Teilnehmer</translation>
    </message>
    <message>
        <source>Error while Loading Participant Information from file [%1] on line number %2</source>
        <translation>Fehler beim Laden der Teilnehmerangaben aus der Datei [%1] in Zeile %2</translation>
    </message>
    <message>
        <source>the file holds more than %1 participants</source>
        <translation>die Datei enthält mehr als %1 Teilnehmer</translation>
    </message>
    <message>
        <source>Error while Loading Exclusion Information from file [%1] on line number %2</source>
        <translation>Fehler beim Laden der Ausschlüsse aus der Datei [%1] in Zeile %2</translation>
    </message>
    <message>
        <source>Error while Loading Secret Santa ReSend Information from file [%1] on line number %2</source>
        <translation>Fehler beim Laden der Angaben zum erneuten Senden aus der Datei [%1] in Zeile %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Exclusion #</source>
        <translation>Ausschluss</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Name des Teilnehmers</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Secret Santa For</source>
        <translation>Wichtel für</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Unable to find the help page [%1]</source>
        <translation>Die Hilfeseite [%1] wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to open the help page [%1]: %2</source>
        <translation>Die Hilfeseite [%1] lässt sich nicht öffnen: %2</translation>
    </message>
</context>
<context>
    <name>InfoOptions</name>
    <message>
        <source>Usage: hollymoor [OPTION]...
Organise a Secret Santa gift exchange: keep the roster, set who must not draw
whom, draw at random and e-mail every giver their receiver.

  -h, --help     show this help and exit
      --version  show the program&apos;s version and exit

Other options are those of the Qt toolkit (for example -platform, -style).
</source>
        <translation>Aufruf: hollymoor [OPTION]...
Organisiert ein Wichteln: Teilnehmerliste führen, festlegen, wer wen nicht ziehen
darf, zufällig auslosen und jedem Schenkenden seinen Beschenkten per E-Mail senden.

  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version des Programms anzeigen und beenden

Weitere Optionen sind die des Qt-Toolkits (zum Beispiel -platform, -style).
</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>cannot read the delivery ledger [%1]</source>
        <translation>das Versandprotokoll [%1] kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>[%1] is not a delivery ledger</source>
        <translation>[%1] ist kein Versandprotokoll</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] already holds a run</source>
        <translation>das Versandprotokoll [%1] enthält bereits einen Versand</translation>
    </message>
    <message>
        <source>cannot write the delivery ledger [%1]: %2</source>
        <translation>das Versandprotokoll [%1] kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>not attempted</source>
        <translation>nicht versucht</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>unterwegs</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>unbestätigt</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2: %3)</source>
        <translation>%1 (%2: %3)</translation>
    </message>
    <message>
        <source>%1: refused, %2</source>
        <translation>%1: abgelehnt, %2</translation>
    </message>
    <message>
        <source>%1: the connection ended before the server confirmed the message</source>
        <translation>%1: die Verbindung endete, bevor der Server die Nachricht bestätigte</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1: nicht gesendet</translation>
    </message>
    <message>
        <source>%1: not sent (last try: %2)</source>
        <translation>%1: nicht gesendet (letzter Versuch: %2)</translation>
    </message>
    <message>
        <source>These participants were not notified:
%1</source>
        <translation>Diese Teilnehmer wurden nicht benachrichtigt:
%1</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing with the newest file in History and mark them to send their notifications again.</source>
        <translation>„Vorherige Auslosung erneut senden“ mit der neuesten Datei in History wählen und sie markieren, um ihre Benachrichtigungen erneut zu senden.</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1]</source>
        <translation>kein Versandprotokoll neben [%1]</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] records no deliveries</source>
        <translation>das Versandprotokoll [%1] verzeichnet keine Zustellungen</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] names %2 in row %3, which [%4] does not hold</source>
        <translation>das Versandprotokoll [%1] nennt %2 in Zeile %3, die [%4] nicht enthält</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>The test message to %1 was accepted for delivery.</source>
        <translation>Die Testnachricht an %1 wurde zur Zustellung angenommen.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered.</source>
        <translation>Die Testnachricht an %1 wurde nicht zugestellt.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered: %2</source>
        <translation>Die Testnachricht an %1 wurde nicht zugestellt: %2</translation>
    </message>
    <message>
        <source>The test message goes to your own e-mail address. Enter it as the sender&apos;s address first.</source>
        <translation>Die Testnachricht geht an Ihre eigene E-Mail-Adresse. Geben Sie diese zuerst als Absenderadresse ein.</translation>
    </message>
</context>
<context>
    <name>Mailer</name>
    <message>
        <source>No mailer command is set</source>
        <translation>Es ist kein Mailprogramm-Befehl eingestellt</translation>
    </message>
    <message>
        <source>The mailer [%1] was not found or may not be run; install a sendmail-compatible program or change the mailer command</source>
        <translation>Das Mailprogramm [%1] wurde nicht gefunden oder darf nicht ausgeführt werden; ein sendmail-kompatibles Programm installieren oder den Mailprogramm-Befehl ändern</translation>
    </message>
    <message>
        <source>No mail session is open</source>
        <translation>Keine Mail-Sitzung geöffnet</translation>
    </message>
    <message>
        <source>No message is being composed</source>
        <translation>Es wird keine Nachricht verfasst</translation>
    </message>
    <message>
        <source>No address book is available</source>
        <translation>Kein Adressbuch verfügbar</translation>
    </message>
    <message>
        <source>The address book was cancelled</source>
        <translation>Das Adressbuch wurde abgebrochen</translation>
    </message>
    <message>
        <source>Invalid recipient index</source>
        <translation>Ungültiger Empfängerindex</translation>
    </message>
    <message>
        <source>No recipient</source>
        <translation>Kein Empfänger</translation>
    </message>
    <message>
        <source>The message has no recipient</source>
        <translation>Die Nachricht hat keinen Empfänger</translation>
    </message>
    <message>
        <source>The mailer cannot show a message before sending it</source>
        <translation>Das Mailprogramm kann eine Nachricht nicht vor dem Senden anzeigen</translation>
    </message>
    <message>
        <source>The address [%1] is not an e-mail address</source>
        <translation>Die Adresse [%1] ist keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>The mailer [%1] could not be started: %2</source>
        <translation>Das Mailprogramm [%1] konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 second and was stopped</source>
        <translation>Das Mailprogramm [%1] war nach %2 Sekunde nicht fertig und wurde beendet</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 seconds and was stopped</source>
        <translation>Das Mailprogramm [%1] war nach %2 Sekunden nicht fertig und wurde beendet</translation>
    </message>
    <message>
        <source>The mailer [%1] was ended by signal %2</source>
        <translation>Das Mailprogramm [%1] wurde durch Signal %2 beendet</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2</source>
        <translation>Das Mailprogramm [%1] scheiterte mit Exit-Status %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2: %3</source>
        <translation>Das Mailprogramm [%1] scheiterte mit Exit-Status %2: %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Es werden noch Nachrichten gesendet. Hollymoor schließen und das Senden abbrechen?

Wer noch nicht erreicht wurde, kann später mit „Vorherige Auslosung erneut senden“ benachrichtigt werden.</translation>
    </message>
</context>
<context>
    <name>Mapi</name>
    <message>
        <source>Error while attempting to send messages to MAPI Email Client</source>
        <translation>Fehler beim Übergeben der Nachrichten an das E-Mail-Programm</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been re-sent.</source>
        <translation>%1 E-Mails erneut gesendet an
%2
<byte value="xd"/><byte value="xd"/>Bitte prüfen Sie im Postausgang Ihres E-Mail-Programms, ob die Nachrichten erneut gesendet wurden.</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been sent.</source>
        <translation>%1 E-Mails gesendet an
%2
<byte value="xd"/><byte value="xd"/>Bitte prüfen Sie im Postausgang Ihres E-Mail-Programms, ob die Nachrichten gesendet wurden.</translation>
    </message>
    <message>
        <source> Re-Sending email to %1 ...</source>
        <translation> E-Mail wird erneut an %1 gesendet ...</translation>
    </message>
    <message>
        <source> Sending email to %1 ...</source>
        <translation> E-Mail wird an %1 gesendet ...</translation>
    </message>
    <message>
        <source>Sending was cancelled; the remaining messages were not sent</source>
        <translation>Der Versand wurde abgebrochen; die übrigen Nachrichten wurden nicht gesendet</translation>
    </message>
    <message>
        <source>Logging on to MAPI Email Client...</source>
        <translation>Anmeldung beim MAPI-E-Mail-Programm...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Logoff Failure: </source>
        <translation>Abmeldung fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Logging into MAPI Email Client...</source>
        <translation>Anmeldung beim MAPI-E-Mail-Programm...</translation>
    </message>
    <message>
        <source>No message had been handed to the mail client.</source>
        <translation>Es war noch keine Nachricht an das E-Mail-Programm übergeben worden.</translation>
    </message>
    <message>
        <source>%1 Mail Messages had already been handed to the mail client:
%2</source>
        <translation>%1 E-Mails waren bereits an das E-Mail-Programm übergeben worden:
%2</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 E-Mails gesendet</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 E-Mails erneut gesendet</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Ne&amp;w List</source>
        <translation>&amp;Neue Liste</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>Liste ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>Liste &amp;speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Add Participants</source>
        <translation>Teilnehmer hinzufügen</translation>
    </message>
    <message>
        <source>Using Address Book...</source>
        <translation>Aus dem Adressbuch...</translation>
    </message>
    <message>
        <source>Using Manual Entry...</source>
        <translation>Von Hand eingeben...</translation>
    </message>
    <message>
        <source>Edit Participant...</source>
        <translation>Teilnehmer bearbeiten...</translation>
    </message>
    <message>
        <source>Delete Participant...</source>
        <translation>Teilnehmer löschen...</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Gruppenausschluss setzen</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Einzelausschluss setzen</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Ausschlüsse löschen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Auslosen &amp;&amp; anzeigen</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send ...</source>
        <translation>Auslosen &amp;&amp; senden ...</translation>
    </message>
    <message>
        <source>Drawing &amp;Options...</source>
        <translation>Auslosungs&amp;optionen...</translation>
    </message>
    <message>
        <source>Send Participants an Email...</source>
        <translation>Den Teilnehmern eine E-Mail senden...</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing...</source>
        <translation>Vorherige Auslosung erneut senden...</translation>
    </message>
    <message>
        <source>View Previous Drawing&apos;s Information</source>
        <translation>Angaben zur vorherigen Auslosung anzeigen</translation>
    </message>
    <message>
        <source>Add Late Participant...</source>
        <translation>Nachzügler hinzufügen...</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing...</source>
        <translation>Teilnehmer aus der Auslosung nehmen...</translation>
    </message>
    <message>
        <source>Print Sealed Slips...</source>
        <translation>Verschlossene Zettel drucken...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Demos</source>
        <translation>Anleitungen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Getting Started (The Basics)</source>
        <translation>Erste Schritte (Grundlagen)</translation>
    </message>
    <message>
        <source>Re-Sending Previous Drawing</source>
        <translation>Vorherige Auslosung erneut senden</translation>
    </message>
    <message>
        <source>Viewing HTML history File</source>
        <translation>HTML-Verlaufsdatei ansehen</translation>
    </message>
    <message>
        <source>Website...</source>
        <translation>Website...</translation>
    </message>
    <message>
        <source>WebSite FAQ...</source>
        <translation>Häufige Fragen auf der Website...</translation>
    </message>
    <message>
        <source>WebSite Support...</source>
        <translation>Hilfe auf der Website...</translation>
    </message>
    <message>
        <source>&amp;Check For Updated Version</source>
        <translation>Nach neuer &amp;Version suchen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Erneutes Senden abbrechen</translation>
    </message>
    <message>
        <source>Save List &amp;As...</source>
        <translation>Liste speichern &amp;unter...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>This message was sent to you using the Hollymoor</source>
        <translation>Diese Nachricht wurde Ihnen mit Hollymoor gesendet</translation>
    </message>
    <message>
        <source>Get Your copy at %1</source>
        <translation>Ihr eigenes Exemplar gibt es unter %1</translation>
    </message>
    <message>
        <source>This message replaces the Secret Santa message you received earlier.<byte value="xd"/>
The drawing has changed: please disregard the earlier message and give to the<byte value="xd"/>
person named in this one.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Diese Nachricht ersetzt die Wichtel-Nachricht, die du früher bekommen hast.<byte value="xd"/>
Die Auslosung hat sich geändert: Bitte beachte die frühere Nachricht nicht und beschenke<byte value="xd"/>
die Person, die in dieser genannt ist.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Notes, Gift Suggestions, or Special Instructions for %1:</source>
        <translation>Notizen, Geschenkideen oder besondere Hinweise für %1:</translation>
    </message>
    <message>
        <source>Gift budget: %1</source>
        <translation>Geschenkbudget: %1</translation>
    </message>
    <message>
        <source>Date of the exchange: %1</source>
        <translation>Datum der Bescherung: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>Please reply by: %1</source>
        <translation>Bitte antworten bis: %1</translation>
    </message>
    <message>
        <source>Your Secret Santa Information Enclosed</source>
        <translation>Deine Wichtel-Informationen</translation>
    </message>
    <message>
        <source>Important Secret Santa Message!!<byte value="xd"/>
<byte value="xd"/>
The person you have been choosen to be a Secret Santa for<byte value="xd"/>
 is named at the end of this email message<byte value="xd"/>
</source>
        <translation>Wichtige Wichtel-Nachricht!!<byte value="xd"/>
<byte value="xd"/>
Die Person, die du beschenken darfst,<byte value="xd"/>
 steht am Ende dieser E-Mail<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are a Secret Santa for</source>
        <translation>Du bist Wichtel für</translation>
    </message>
</context>
<context>
    <name>Providers</name>
    <message>
        <source>Gmail: create an app password at https://myaccount.google.com/apppasswords (2-Step Verification on); or sign in with Google</source>
        <translation>Gmail: ein App-Passwort unter https://myaccount.google.com/apppasswords erstellen (Bestätigung in zwei Schritten an) oder mit Google anmelden</translation>
    </message>
    <message>
        <source>Outlook.com: passwords, app passwords included, are refused; sign in with Microsoft</source>
        <translation>Outlook.com: Passwörter, auch App-Passwörter, werden abgelehnt; mit Microsoft anmelden</translation>
    </message>
    <message>
        <source>Microsoft 365: sign in with Microsoft; password sign-in is being turned off</source>
        <translation>Microsoft 365: mit Microsoft anmelden; die Anmeldung mit Passwort wird abgeschaltet</translation>
    </message>
    <message>
        <source>Yahoo Mail: create an app password at https://login.yahoo.com/account/security</source>
        <translation>Yahoo Mail: ein App-Passwort unter https://login.yahoo.com/account/security erstellen</translation>
    </message>
    <message>
        <source>iCloud Mail: create an app-specific password at https://account.apple.com (Sign-In and Security)</source>
        <translation>iCloud Mail: ein app-spezifisches Passwort unter https://account.apple.com erstellen (Anmeldung und Sicherheit)</translation>
    </message>
    <message>
        <source>GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first</source>
        <translation>GMX: zuerst in den GMX-Einstellungen den Zugriff durch andere Mailprogramme (POP3/IMAP) erlauben</translation>
    </message>
    <message>
        <source>WEB.DE: allow access by other mail programs (POP3/IMAP) in the WEB.DE settings first</source>
        <translation>WEB.DE: zuerst in den WEB.DE-Einstellungen den Zugriff durch andere Mailprogramme (POP3/IMAP) erlauben</translation>
    </message>
    <message>
        <source>Fastmail: create an app password under Settings, Privacy &amp; Security</source>
        <translation>Fastmail: ein App-Passwort unter Settings, Privacy &amp; Security erstellen</translation>
    </message>
    <message>
        <source>Zoho Mail: with two-factor sign-in on, create an application-specific password</source>
        <translation>Zoho Mail: bei aktiver Zwei-Faktor-Anmeldung ein anwendungsspezifisches Passwort erstellen</translation>
    </message>
    <message>
        <source>Proton Mail: start Proton Mail Bridge and use the user name and password it shows</source>
        <translation>Proton Mail: Proton Mail Bridge starten und den dort angezeigten Benutzernamen und das Passwort verwenden</translation>
    </message>
    <message>
        <source>%1 sends only from the account you signed in with (%2), not from %3</source>
        <translation>%1 sendet nur vom angemeldeten Konto (%2), nicht von %3</translation>
    </message>
    <message>
        <source>%1 sends only from the account you sign in with; %2 is not a %1 address</source>
        <translation>%1 sendet nur von dem Konto, mit dem Sie sich anmelden; %2 ist keine Adresse von %1</translation>
    </message>
    <message>
        <source>Microsoft no longer accepts passwords for this account: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings instead of a password.</source>
        <translation>Microsoft nimmt für dieses Konto keine Passwörter mehr an: unter Extras-&gt;Einrichtung &quot;Mit Microsoft anmelden&quot; statt eines Passworts wählen.</translation>
    </message>
    <message>
        <source>Microsoft 365 has turned off password sign-in for this mailbox: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings.</source>
        <translation>Microsoft 365 hat die Anmeldung mit Passwort für dieses Postfach abgeschaltet: unter Extras-&gt;Einrichtung &quot;Mit Microsoft anmelden&quot; wählen.</translation>
    </message>
    <message>
        <source>Microsoft refused the sign-in: check the password, or sign in with Microsoft; a work account may need its administrator to allow authenticated SMTP.</source>
        <translation>Microsoft hat die Anmeldung abgelehnt: das Passwort prüfen oder mit Microsoft anmelden; bei einem Arbeitskonto muss eventuell der Administrator authentifiziertes SMTP erlauben.</translation>
    </message>
    <message>
        <source>Microsoft refuses mail from an address other than the signed-in account: make &quot;Your email address&quot; the account you sign in with.</source>
        <translation>Microsoft lehnt Mail von einer anderen Adresse als dem angemeldeten Konto ab: bei &quot;Ihre E-Mail-Adresse&quot; das Konto eintragen, mit dem Sie sich anmelden.</translation>
    </message>
    <message>
        <source>Gmail wants an app password: turn on 2-Step Verification, create one at https://myaccount.google.com/apppasswords and enter it as the password, or sign in with Google.</source>
        <translation>Gmail verlangt ein App-Passwort: die Bestätigung in zwei Schritten einschalten, unter https://myaccount.google.com/apppasswords eines erstellen und als Passwort eintragen, oder mit Google anmelden.</translation>
    </message>
    <message>
        <source>The server did not accept the user name and password: check them; Gmail, Yahoo and iCloud need an app password, not your normal one.</source>
        <translation>Der Server hat Benutzername und Passwort nicht angenommen: beide prüfen; Gmail, Yahoo und iCloud brauchen ein App-Passwort, nicht das normale.</translation>
    </message>
    <message>
        <source>The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the server entry.</source>
        <translation>Der Server verlangt zuerst eine verschlüsselte Verbindung: im Servereintrag Port 587 (STARTTLS) oder 465 verwenden.</translation>
    </message>
    <message>
        <source>The server is limiting how fast or how much you send: wait an hour or so, then re-send to the participants who were not notified.</source>
        <translation>Der Server begrenzt, wie schnell oder wie viel Sie senden: etwa eine Stunde warten, dann erneut an die Teilnehmer senden, die nicht benachrichtigt wurden.</translation>
    </message>
    <message>
        <source>The daily sending limit of this account is reached: re-send to the participants who were not notified tomorrow.</source>
        <translation>Das tägliche Sendelimit dieses Kontos ist erreicht: morgen erneut an die Teilnehmer senden, die nicht benachrichtigt wurden.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation type="vanished">Verspäteten Teilnehmer hinzufügen</translation>
    </message>
    <message>
        <source>The newcomer&apos;s Secret Santa message goes to this address, so it is needed.</source>
        <translation>Die Wichtel-Nachricht des Neuen geht an diese Adresse, deshalb wird sie gebraucht.</translation>
    </message>
    <message>
        <source>Please enter an e-mail address for the late participant: their Secret Santa message goes there, and the drawing&apos;s list file keeps an address for everybody.</source>
        <translation>Bitte gib eine E-Mail-Adresse für den verspäteten Teilnehmer ein: Dorthin geht seine Wichtel-Nachricht, und die Listendatei der Auslosung führt für jeden eine Adresse.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>The change is saved as %1.
Nothing was sent. To notify exactly the people whose Secret Santa changed (%2), use Calculate &amp; Send now; they are marked for Re-Send.</source>
        <translation>Die Änderung ist als %1 gespeichert.
Es wurde nichts gesendet. Um genau die Personen zu benachrichtigen, deren Wichtelpartner sich geändert hat (%2), verwende jetzt Auslosen &amp; senden; sie sind zum erneuten Senden markiert.</translation>
    </message>
    <message>
        <source>No message reached %1. Print slips only for them?

No prints a slip for everybody.</source>
        <translation>Keine Nachricht hat %1 erreicht. Nur für sie Zettel drucken?

Nein druckt für alle einen Zettel.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark Name</source>
        <translation>Namen &amp;markieren oder Markierung aufheben</translation>
    </message>
    <message>
        <source>the sign-in provider refused: %1</source>
        <translation>der Anmeldedienst lehnte ab: %1</translation>
    </message>
    <message>
        <source>Microsoft</source>
        <translation>Microsoft</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>your provider</source>
        <translation>Ihrem Anbieter</translation>
    </message>
    <message>
        <source>The re-send could not be recorded in the earlier drawing&apos;s ledger: </source>
        <translation type="vanished">Der erneute Versand konnte nicht im Versandprotokoll der früheren Auslosung vermerkt werden: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>Die Auslosung konnte nicht im Ordner History [%1] gespeichert werden, deshalb wurde keine Nachricht gesendet. Ihre Liste ist unverändert.

Stellen Sie sicher, dass in diesen Ordner geschrieben werden kann und die Festplatte freien Platz hat, und wählen Sie dann erneut „Auslosen &amp; senden“.</translation>
    </message>
    <message>
        <source>No place in this drawing keeps every exclusion: %1.
Only a full redraw can include %2: add them to the list and use Calculate &amp; Send.</source>
        <translation>Kein Platz in dieser Auslosung hält alle Ausschlüsse ein: %1.
Nur eine ganz neue Auslosung kann %2 aufnehmen: Nehmen Sie die Person in die Liste auf und verwenden Sie „Auslosen &amp; senden“.</translation>
    </message>
    <message>
        <source>Participant who leaves</source>
        <translation>Teilnehmer, der ausscheidet</translation>
    </message>
    <message>
        <source>Nobody named %1 takes part in this drawing.</source>
        <translation>Niemand namens %1 nimmt an dieser Auslosung teil.</translation>
    </message>
    <message>
        <source>No change to this drawing keeps every exclusion: %1.
Only a full redraw can go on without %2.</source>
        <translation>Keine Änderung dieser Auslosung hält alle Ausschlüsse ein: %1.
Nur eine ganz neue Auslosung kann ohne %2 weitergehen.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slips could not be printed: %1</source>
        <translation>Die Zettel konnten nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>%1 slips saved to %2.
Print on both sides (flip on the long edge), cut, and fold each slip along its dotted line with the printed back inwards.</source>
        <translation>%1 Zettel in %2 gespeichert.
Beidseitig drucken (an der langen Kante wenden), ausschneiden und jeden Zettel an seiner gepunkteten Linie falten, die bedruckte Rückseite nach innen.</translation>
    </message>
    <message>
        <source>The event details could not be saved next to %1; they are kept as the default for the next exchange.</source>
        <translation>Die Angaben zur Feier konnten nicht neben %1 gespeichert werden; sie bleiben als Vorgabe für den nächsten Austausch erhalten.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>the exclusion list field</source>
        <translation>das Feld der Ausschlussliste</translation>
    </message>
    <message>
        <source>the name field</source>
        <translation>das Namensfeld</translation>
    </message>
    <message>
        <source>the e-mail address field</source>
        <translation>das Feld der E-Mail-Adresse</translation>
    </message>
    <message>
        <source>the drawn name field</source>
        <translation>das Feld des gezogenen Namens</translation>
    </message>
    <message>
        <source>the notes field</source>
        <translation>das Notizfeld</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds a double quote (a quote may be missing)</source>
        <translation>%1 &quot;%2&quot; enthält ein Anführungszeichen (vielleicht fehlt eines)</translation>
    </message>
    <message>
        <source>%1 has no closing quote</source>
        <translation>%1 hat kein schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 holds a stray double quote</source>
        <translation>%1 enthält ein verirrtes Anführungszeichen</translation>
    </message>
    <message>
        <source>the record ends after %1 field where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>der Datensatz endet nach %1 Feld, wo %2 erwartet werden (vielleicht fehlt ein Anführungszeichen, oder der Datensatz ist auf mehrere Zeilen verteilt)</translation>
    </message>
    <message>
        <source>the record ends after %1 fields where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>der Datensatz endet nach %1 Feldern, wo %2 erwartet werden (vielleicht fehlt ein Anführungszeichen, oder der Datensatz ist auf mehrere Zeilen verteilt)</translation>
    </message>
    <message>
        <source>%1 holds a control character</source>
        <translation>%1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the e-mail address holds a control character</source>
        <translation>die E-Mail-Adresse enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; holds &quot;,&quot; (a quote may be missing)</source>
        <translation>die E-Mail-Adresse &quot;%1&quot; enthält &quot;,&quot; (vielleicht fehlt ein Anführungszeichen)</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; does not look like an e-mail address</source>
        <translation>die E-Mail-Adresse &quot;%1&quot; sieht nicht wie eine E-Mail-Adresse aus</translation>
    </message>
    <message>
        <source>the file ends before the record does</source>
        <translation>die Datei endet vor dem Datensatz</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor Windows-1252 text</source>
        <translation>die Datei enthält NUL-Zeichen: sie ist weder UTF-8, noch UTF-16 mit Byte-Order-Mark, noch Windows-1252-Text</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (big-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>die Datei ist beschädigtes UTF-16 (Big-Endian): sie endet mitten in einem Zeichen oder enthält ein defektes Surrogatpaar</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (little-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>die Datei ist beschädigtes UTF-16 (Little-Endian): sie endet mitten in einem Zeichen oder enthält ein defektes Surrogatpaar</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Fehler beim Senden der Nachrichten</translation>
    </message>
    <message>
        <source>Calculation Aborted: You may have too many Exclusions set.</source>
        <translation>Auslosung abgebrochen: Möglicherweise sind zu viele Ausschlüsse gesetzt.</translation>
    </message>
    <message>
        <source>Invalid User Name Entry:
User Name can not contain any of these characters [&quot;]</source>
        <translation>Ungültiger Name:
Der Name darf keines dieser Zeichen enthalten [&quot;]</translation>
    </message>
    <message>
        <source>Invalid Email Address Entry</source>
        <translation>Ungültige E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Delete Participant %1</source>
        <translation>Teilnehmer %1 löschen</translation>
    </message>
    <message>
        <source>Error while deleting Participant</source>
        <translation>Fehler beim Löschen des Teilnehmers</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Fehler beim Speichern der Informationen in der Protokolldatei [%1]</translation>
    </message>
    <message>
        <source>No single loop found within %1 second.</source>
        <translation>Innerhalb von %1 Sekunde wurde keine einzige Runde durch alle gefunden.</translation>
    </message>
    <message>
        <source>No single loop found within %1 seconds.</source>
        <translation>Innerhalb von %1 Sekunden wurde keine einzige Runde durch alle gefunden.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 second.</source>
        <translation>Innerhalb von %1 Sekunde wurde keine Auslosung ohne getauschte Paare gefunden.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 seconds.</source>
        <translation>Innerhalb von %1 Sekunden wurde keine Auslosung ohne getauschte Paare gefunden.</translation>
    </message>
    <message>
        <source>exactly uniform</source>
        <translation>exakt gleichverteilt</translation>
    </message>
    <message>
        <source>approximately uniform</source>
        <translation>annähernd gleichverteilt</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>eine einzige Runde</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>keine getauschten Paare</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided (of %2 asked)</source>
        <translation>Paare der letzten Auslosung vermieden (von %2 gewünschten)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided (of %2 asked)</source>
        <translation>Paare der letzten %1 Auslosungen vermieden (von %2 gewünschten)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided</source>
        <translation>Paare der letzten Auslosung vermieden</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided</source>
        <translation>Paare der letzten %1 Auslosungen vermieden</translation>
    </message>
    <message>
        <source>single loop dropped</source>
        <translation>einzige Runde aufgegeben</translation>
    </message>
    <message>
        <source>no swapped pairs dropped</source>
        <translation>„keine getauschten Paare“ aufgegeben</translation>
    </message>
    <message>
        <source>Drawing %1; options: %2</source>
        <translation>Auslosung %1; Optionen: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>A drawing without swapped pairs is impossible: %1</source>
        <translation>Eine Auslosung ohne getauschte Paare ist unmöglich: %1</translation>
    </message>
    <message>
        <source>A single loop through everybody is impossible: %1</source>
        <translation>Eine einzige Runde durch alle ist unmöglich: %1</translation>
    </message>
    <message>
        <source>Draw without the single loop?</source>
        <translation>Ohne die einzige Runde auslosen?</translation>
    </message>
    <message>
        <source>Draw allowing swapped pairs?</source>
        <translation>Auslosen und getauschte Paare zulassen?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawing makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Wenn die Paare der letzten Auslosung vermieden werden, ist die Auslosung unmöglich: %2

Ohne die Paare dieser Auslosung (%3) auslosen?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawings makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Wenn die Paare der letzten %1 Auslosungen vermieden werden, ist die Auslosung unmöglich: %2

Ohne die Paare der ältesten davon (%3) auslosen?</translation>
    </message>
    <message>
        <source>Single click Participant Name to select for Re-Send</source>
        <translation>Teilnehmernamen einmal anklicken, um ihn zum erneuten Senden auszuwählen</translation>
    </message>
</context>
<context>
    <name>SendDialog</name>
    <message>
        <source>The email subject line.  You can change the wording if you desire.</source>
        <translation>Die Betreffzeile der E-Mail. Sie können den Wortlaut nach Belieben ändern.</translation>
    </message>
    <message>
        <source>The email message text.  You can add any additional information here that you would like everyone to recieve.</source>
        <translation>Der Text der E-Mail. Hier können Sie weitere Informationen ergänzen, die alle erhalten sollen.</translation>
    </message>
    <message>
        <source>The email message trailer.  This line identifies the person you are a Secret Santa for.   Change this to read some thing different if you desire.</source>
        <translation>Der Schluss der E-Mail. Diese Zeile nennt die Person, die beschenkt wird. Ändern Sie sie nach Belieben.</translation>
    </message>
    <message>
        <source>Allows you to send a trial test to a single email address.  For example your own email address.</source>
        <translation>Sendet zur Probe alles an eine einzige E-Mail-Adresse, zum Beispiel an Ihre eigene.</translation>
    </message>
    <message>
        <source>&lt;Person&apos;s Name&gt;</source>
        <translation>&lt;Name der Person&gt;</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Send Email Notifications to Participants</source>
        <translation>E-Mail-Benachrichtigungen an die Teilnehmer senden</translation>
    </message>
    <message>
        <source>The language of the message texts; texts you changed stay as typed.</source>
        <translation>Die Sprache der Nachrichtentexte; von Ihnen geänderte Texte bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>TestMode: Send all emails to this email addess</source>
        <translation>Testmodus: Alle E-Mails an diese Adresse senden</translation>
    </message>
    <message>
        <source>e.g. 20 EUR</source>
        <translation>z. B. 20 EUR</translation>
    </message>
    <message>
        <source>e.g. 24 December, 6 pm</source>
        <translation>z. B. 24. Dezember, 18 Uhr</translation>
    </message>
    <message>
        <source>e.g. the community hall</source>
        <translation>z. B. das Gemeindehaus</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Language of the email</source>
        <translation>Sprache der E-Mail</translation>
    </message>
    <message>
        <source>Subject Line</source>
        <translation>Betreffzeile</translation>
    </message>
    <message>
        <source>Messge Text</source>
        <translation>Nachrichtentext</translation>
    </message>
    <message>
        <source>Message Trailer</source>
        <translation>Nachrichtenschluss</translation>
    </message>
    <message>
        <source>Event details (added to every message when filled in)</source>
        <translation>Angaben zur Feier (werden jeder Nachricht angefügt, wenn ausgefüllt)</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Reply by</source>
        <translation>Antwort bis</translation>
    </message>
    <message>
        <source>Send an Email Message to Participants</source>
        <translation>Den Teilnehmern eine E-Mail senden</translation>
    </message>
    <message>
        <source>NOTE: This email will not include Secret Santa information, it is intended to allow you to send out 
informational messages to the participants.  For Example you may want to send out an informational email 
to participants notifying them of a Secret Santa drawing they will be a part of.
</source>
        <translation>HINWEIS: Diese E-Mail enthält keine Wichtel-Zuteilung. Mit ihr können Sie den Teilnehmern 
Informationen schicken, zum Beispiel eine Ankündigung, 
dass sie an einer Wichtel-Auslosung teilnehmen werden.
</translation>
    </message>
    <message>
        <source>Message Text to send</source>
        <translation>Zu sendender Nachrichtentext</translation>
    </message>
    <message>
        <source>The subject line or the message text is empty.
Send the message to every participant anyway?</source>
        <translation>Die Betreffzeile oder der Nachrichtentext ist leer.
Die Nachricht trotzdem an alle Teilnehmer senden?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>OAuthProvider must be microsoft, google or custom</source>
        <translation>OAuthProvider muss microsoft, google oder custom sein</translation>
    </message>
    <message>
        <source>OAuthAuthorizeURL is not set</source>
        <translation>OAuthAuthorizeURL ist nicht gesetzt</translation>
    </message>
    <message>
        <source>OAuthTokenURL is not set</source>
        <translation>OAuthTokenURL ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no client ID: set OAuthClientID (this build has none for %1)</source>
        <translation>keine Client-ID: OAuthClientID setzen (dieser Build hat keine für %1)</translation>
    </message>
    <message>
        <source>OAuthScopes is not set</source>
        <translation>OAuthScopes ist nicht gesetzt</translation>
    </message>
    <message>
        <source>Invalid SMTP Server entry</source>
        <translation>Ungültiger SMTP-Server-Eintrag</translation>
    </message>
    <message>
        <source>Invalid SMTP email address entry</source>
        <translation>Ungültiger Eintrag der SMTP-E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Invalid SMTP name entry, must be longer than 2 characters</source>
        <translation>Ungültiger SMTP-Name, er muss länger als 2 Zeichen sein</translation>
    </message>
    <message>
        <source>Error Failed to Save Settings</source>
        <translation>Fehler: Die Einstellungen konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>Smtp</name>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
</source>
        <translation>%1 E-Mails erneut gesendet an
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
</source>
        <translation>%1 E-Mails gesendet an
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 E-Mails erneut gesendet</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 E-Mails gesendet</translation>
    </message>
    <message>
        <source>Server Disconnected, Automatic re-connecting in 10 seconds...</source>
        <translation>Verbindung zum Server getrennt, neuer Versuch in 10 Sekunden...</translation>
    </message>
    <message>
        <source> Re-Sending email %1 of %2 to %3 ...</source>
        <translation> E-Mail %1 von %2 wird erneut an %3 gesendet ...</translation>
    </message>
    <message>
        <source> Sending email %1 of %2 to %3 ...</source>
        <translation> E-Mail %1 von %2 wird an %3 gesendet ...</translation>
    </message>
    <message>
        <source>No messages were sent</source>
        <translation>Es wurden keine Nachrichten gesendet</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Re-Sent; the others were not notified</source>
        <translation>%1 von %2 E-Mails erneut gesendet; die übrigen wurden nicht benachrichtigt</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Sent; the others were not notified</source>
        <translation>%1 von %2 E-Mails gesendet; die übrigen wurden nicht benachrichtigt</translation>
    </message>
    <message>
        <source>Nothing accepted the connection at %1: check the server name and port under Tools-&gt;Setup (587 for STARTTLS, 465 for implicit TLS).</source>
        <translation>Unter %1 nahm niemand die Verbindung an: Prüfen Sie Servername und Port unter Extras-&gt;Einrichtung (587 für STARTTLS, 465 für implizites TLS).</translation>
    </message>
    <message>
        <source>The server name in %1 could not be found: check it under Tools-&gt;Setup and that this computer is online.</source>
        <translation>Der Servername in %1 wurde nicht gefunden: Prüfen Sie ihn unter Extras-&gt;Einrichtung und ob dieser Computer online ist.</translation>
    </message>
    <message>
        <source>%1 did not answer: check the server name and port under Tools-&gt;Setup, and that no firewall blocks that port.</source>
        <translation>%1 hat nicht geantwortet: Prüfen Sie Servername und Port unter Extras-&gt;Einrichtung und ob eine Firewall diesen Port sperrt.</translation>
    </message>
    <message>
        <source>The connection to %1 failed: check that this computer is online and the server name and port under Tools-&gt;Setup.</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen: Prüfen Sie, ob dieser Computer online ist, und Servername und Port unter Extras-&gt;Einrichtung.</translation>
    </message>
    <message>
        <source>The server %1 refused the login: check the user name and password under Tools-&gt;Setup; many providers want an app password or a sign-in with the provider instead.</source>
        <translation>Der Server %1 hat die Anmeldung abgelehnt: Prüfen Sie Benutzername und Passwort unter Extras-&gt;Einrichtung; viele Anbieter verlangen stattdessen ein App-Passwort oder die Anmeldung beim Anbieter.</translation>
    </message>
    <message>
        <source>The server %1 is refusing for now: try again later, then re-send to those who were not notified.</source>
        <translation>Der Server %1 lehnt zurzeit ab: Versuchen Sie es später erneut und senden Sie dann an alle, die nicht benachrichtigt wurden.</translation>
    </message>
    <message>
        <source>The server %1 refused: check your email address and the server settings under Tools-&gt;Setup.</source>
        <translation>Der Server %1 hat abgelehnt: Prüfen Sie Ihre E-Mail-Adresse und die Servereinstellungen unter Extras-&gt;Einrichtung.</translation>
    </message>
    <message>
        <source>The server %1 answered in a way that does not fit this step: check that Tools-&gt;Setup names an SMTP server and its submission port.</source>
        <translation>Der Server %1 hat eine Antwort gegeben, die nicht zu diesem Schritt passt: Prüfen Sie, ob unter Extras-&gt;Einrichtung ein SMTP-Server und sein Port zum Einliefern stehen.</translation>
    </message>
    <message>
        <source>The connection to %1 ended: check that this computer is online, then re-send to those who were not notified.</source>
        <translation>Die Verbindung zu %1 wurde beendet: Prüfen Sie, ob dieser Computer online ist, und senden Sie dann an alle, die nicht benachrichtigt wurden.</translation>
    </message>
    <message>
        <source>this program has no way to renew it here</source>
        <translation>dieses Programm kann sie hier nicht erneuern</translation>
    </message>
    <message>
        <source>Invalid SMTP entry, please change setting under the Tools-&gt;Settings menu</source>
        <translation>Ungültiger SMTP-Eintrag, bitte die Einstellung im Menü Extras-&gt;Einrichtung ändern</translation>
    </message>
    <message>
        <source>Error Failed to connect to SMTP Server</source>
        <translation>Fehler: Verbindung zum SMTP-Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error This operation requires a internet connection</source>
        <translation>Fehler: Dieser Vorgang erfordert eine Internetverbindung</translation>
    </message>
    <message>
        <source>No Messages selected to send</source>
        <translation>Keine Nachrichten zum Senden ausgewählt</translation>
    </message>
    <message>
        <source>Connecting to SMTP mail server %1...</source>
        <translation>Verbindung zum SMTP-Mailserver %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 sent a reply longer than this program accepts; the connection was closed.</source>
        <translation>Der SMTP-Mailserver %1 hat eine längere Antwort gesendet, als dieses Programm annimmt; die Verbindung wurde geschlossen.</translation>
    </message>
    <message>
        <source>SMTP Error</source>
        <translation>SMTP-Fehler</translation>
    </message>
    <message>
        <source>A secure connection to the SMTP mail server %1 could not be established:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was sent over this connection.</source>
        <translation>Eine sichere Verbindung zum SMTP-Mailserver %1 konnte nicht hergestellt werden:<byte value="xd"/>
%2<byte value="xd"/>
Über diese Verbindung wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Der Server hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>Winsock1 Error number %1</source>
        <translation>Winsock1-Fehler Nummer %1</translation>
    </message>
    <message>
        <source>Winsock1 Error</source>
        <translation>Winsock1-Fehler</translation>
    </message>
    <message>
        <source>Re-Connecting to SMTP mail server %1...</source>
        <translation>Verbindung zum SMTP-Mailserver %1 wird erneut hergestellt...</translation>
    </message>
    <message>
        <source>Error Failed to re-connect to SMTP Server</source>
        <translation>Fehler: Erneute Verbindung zum SMTP-Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>keine Antwort vom Anmeldeanbieter innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 did not answer within %2 seconds; the connection was closed.</source>
        <translation>Der SMTP-Mailserver %1 hat innerhalb von %2 Sekunden nicht geantwortet; die Verbindung wurde geschlossen.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed. Sign in again under Tools-&gt;Settings.</source>
        <translation>Die Anmeldung konnte nicht erneuert werden. Unter Extras-&gt;Einrichtung erneut anmelden.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again under Tools-&gt;Settings.</source>
        <translation>Die Anmeldung konnte nicht erneuert werden: %1. Unter Extras-&gt;Einrichtung erneut anmelden.</translation>
    </message>
    <message>
        <source>User aborted SMTP Error: </source>
        <translation>SMTP-Fehler, vom Benutzer abgebrochen: </translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server %1...</source>
        <translation>Verbindung zum SMTP-Mailserver %1 wird getrennt...</translation>
    </message>
    <message>
        <source>SMTP Error: </source>
        <translation>SMTP-Fehler: </translation>
    </message>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Fehler beim Senden der Nachrichten</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 offered a secure connection (STARTTLS) but refused to start it:<byte value="xd"/>
%2Nothing was sent over an unprotected connection.</source>
        <translation>Der SMTP-Mailserver %1 bot eine sichere Verbindung (STARTTLS) an, weigerte sich aber, sie zu starten:<byte value="xd"/>
%2Über eine ungeschützte Verbindung wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 does not offer an encrypted connection (STARTTLS), so nothing was sent: no login and no message went over the network unprotected.</source>
        <translation>Der SMTP-Mailserver %1 bietet keine verschlüsselte Verbindung (STARTTLS) an, daher wurde nichts gesendet: weder Anmeldung noch Nachricht gingen ungeschützt über das Netz.</translation>
    </message>
    <message>
        <source>An earlier connection of this run was encrypted; someone may be interfering with the connection.</source>
        <translation>Eine frühere Verbindung dieses Versands war verschlüsselt; möglicherweise greift jemand in die Verbindung ein.</translation>
    </message>
    <message>
        <source>Use a server or port that offers encryption (port 465 or 587), or allow unencrypted SMTP under Tools-&gt;Settings.</source>
        <translation>Einen Server oder Port mit Verschlüsselung verwenden (Port 465 oder 587) oder unter Extras-&gt;Einrichtung unverschlüsseltes SMTP erlauben.</translation>
    </message>
    <message>
        <source> ERROR: SMTP mail server authentication not supported</source>
        <translation> FEHLER: Der SMTP-Mailserver unterstützt die Anmeldung nicht</translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server: authentication not supported</source>
        <translation>Verbindung zum SMTP-Mailserver wird getrennt: Anmeldung nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Wird beendet...</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Wird ausgelost...</translation>
    </message>
    <message>
        <source>Calculating ...</source>
        <translation>Wird ausgelost ...</translation>
    </message>
    <message>
        <source>Calculation Aborted, Too many Exclusions set</source>
        <translation>Auslosung abgebrochen, zu viele Ausschlüsse gesetzt</translation>
    </message>
    <message>
        <source>Calculation Aborted</source>
        <translation>Auslosung abgebrochen</translation>
    </message>
    <message>
        <source>Updating Secret Santa Info...</source>
        <translation>Wichtel-Angaben werden aktualisiert...</translation>
    </message>
    <message>
        <source>Re-Send Mode: Single click Participant Name to set for Re-Send</source>
        <translation>Modus „Erneut senden“: Teilnehmernamen einmal anklicken, um ihn zum erneuten Senden vorzumerken</translation>
    </message>
    <message>
        <source>Saving participants to File...</source>
        <translation>Teilnehmer werden in der Datei gespeichert...</translation>
    </message>
    <message>
        <source>Adding participants from File...</source>
        <translation>Teilnehmer werden aus der Datei hinzugefügt...</translation>
    </message>
    <message>
        <source>Select Previous Drawing File from Saved History...</source>
        <translation>Datei einer vorherigen Auslosung aus dem gespeicherten Verlauf wählen...</translation>
    </message>
    <message>
        <source>Select Previous Drawing Log File from Saved History...</source>
        <translation>Protokoll einer vorherigen Auslosung aus dem gespeicherten Verlauf wählen...</translation>
    </message>
    <message>
        <source>Select participants from AddressBook to Add</source>
        <translation>Teilnehmer aus dem Adressbuch zum Hinzufügen auswählen</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New List</source>
        <translation>Neue Liste</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Add participants from address book</source>
        <translation>Teilnehmer aus dem Adressbuch hinzufügen</translation>
    </message>
    <message>
        <source>Add participants</source>
        <translation>Teilnehmer hinzufügen</translation>
    </message>
    <message>
        <source>Delete participant </source>
        <translation>Teilnehmer löschen</translation>
    </message>
    <message>
        <source>Edit participant </source>
        <translation>Teilnehmer bearbeiten</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Einzelausschluss setzen</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Gruppenausschluss setzen</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Ausschlüsse löschen</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Auslosen &amp;&amp; anzeigen</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send</source>
        <translation>Auslosen &amp;&amp; senden</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Erneutes Senden abbrechen</translation>
    </message>
    <message>
        <source>Re-Send...</source>
        <translation>Erneut senden...</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Check For Updated Version of Hollymoor</source>
        <translation>Nach neuer Version von Hollymoor suchen</translation>
    </message>
    <message>
        <source>Failed: could not reach the update server
Check your internet connection, or try again later
</source>
        <translation>Fehlgeschlagen: Der Update-Server war nicht erreichbar
Internetverbindung prüfen oder später erneut versuchen
</translation>
    </message>
    <message>
        <source>Failed: Unable to verify current version number
Try again later
</source>
        <translation>Fehlgeschlagen: Die aktuelle Versionsnummer konnte nicht geprüft werden
Später erneut versuchen
</translation>
    </message>
    <message>
        <source>You have the most recent version of Hollymoor
</source>
        <translation>Sie haben die neueste Version von Hollymoor
</translation>
    </message>
    <message>
        <source>A new version %1 is now available for download.
Click on the link on the about dialog to download
or goto %2
</source>
        <translation>Eine neue Version %1 steht jetzt zum Herunterladen bereit.
Zum Herunterladen auf den Link im Info-Dialog klicken
oder %2 besuchen
</translation>
    </message>
    <message>
        <source>Failed: You do not appear to be connected to the internet
</source>
        <translation>Fehlgeschlagen: Offenbar besteht keine Internetverbindung
</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>%1[*] - Hollymoor</source>
        <translation>%1[*] - Hollymoor</translation>
    </message>
</context>
<context>
    <name>ui::OAuthSignIn</name>
    <message>
        <source>Signed in. You can close this page and return to Hollymoor.</source>
        <translation>Angemeldet. Sie können diese Seite schließen und zu Hollymoor zurückkehren.</translation>
    </message>
    <message>
        <source>the sign-in was declined</source>
        <translation>die Anmeldung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the sign-in provider answered: %1</source>
        <translation>der Anmeldedienst antwortete: %1</translation>
    </message>
    <message>
        <source>no loopback port could be opened for the sign-in&apos;s answer</source>
        <translation>für die Antwort der Anmeldung konnte kein lokaler Port geöffnet werden</translation>
    </message>
    <message>
        <source>the sign-in provider sent no access token</source>
        <translation>der Anmeldeanbieter hat kein Zugriffstoken gesendet</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>keine Antwort vom Anmeldeanbieter innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>not signed in</source>
        <translation>nicht angemeldet</translation>
    </message>
</context>
<context>
    <name>ui::QtSecretStore</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>der Schlüsselbund hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>ui::QtShell</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>No program is set up to open this address</source>
        <translation>Kein Programm ist zum Öffnen dieser Adresse eingerichtet</translation>
    </message>
</context>
<context>
    <name>ui::RunProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stopping after the message being sent (%1 of %2)...</source>
        <translation>Wird nach der gerade gesendeten Nachricht beendet (%1 von %2)...</translation>
    </message>
    <message>
        <source>Sending message %1 of %2</source>
        <translation>Nachricht %1 von %2 wird gesendet</translation>
    </message>
</context>
<context>
    <name>ui::SettingsDialog</name>
    <message>
        <source>&lt; type one in&gt;</source>
        <translation>&lt; selbst eingeben&gt;</translation>
    </message>
    <message>
        <source>Choose MAPI when your default mail program is a MAPI mail client such as Microsoft Outlook or Outlook Express; on this system the MAPI choice hands every message to the system&apos;s mailer (a sendmail-compatible program). Otherwise choose SMTP.

Your outgoing (SMTP) server&apos;s name is in your mail program&apos;s account set-up or on your provider&apos;s support pages. It usually looks like &quot;mail.&quot; or &quot;smtp.&quot; followed by your provider&apos;s domain, for example mail.example.com or smtp.example.net.</source>
        <translation>Wählen Sie MAPI, wenn Ihr Standard-E-Mail-Programm ein MAPI-Client wie Microsoft Outlook oder Outlook Express ist; auf diesem System übergibt die MAPI-Wahl jede Nachricht an das Mailprogramm des Systems (ein sendmail-kompatibles Programm). Wählen Sie sonst SMTP.

Den Namen Ihres Postausgangsservers (SMTP) finden Sie in der Kontoeinrichtung Ihres E-Mail-Programms oder auf den Hilfeseiten Ihres Anbieters. Er lautet meist „mail.“ oder „smtp.“, gefolgt von der Domain Ihres Anbieters, zum Beispiel mail.example.com oder smtp.example.net.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Email Type</source>
        <translation>Versandart</translation>
    </message>
    <message>
        <source>Send email using my SMTP email server</source>
        <translation>E-Mails über meinen SMTP-Server senden</translation>
    </message>
    <message>
        <source>Send email using my MAPI email client program</source>
        <translation>E-Mails über mein MAPI-E-Mail-Programm senden</translation>
    </message>
    <message>
        <source>SMTP Settings:</source>
        <translation>SMTP-Einstellungen:</translation>
    </message>
    <message>
        <source>Your Outgoing mail (SMTP) Server:</source>
        <translation>Ihr Postausgangsserver (SMTP):</translation>
    </message>
    <message>
        <source>example: mail.example.com</source>
        <translation>Beispiel: mail.example.com</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Ihre E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>example: yourname@example.com</source>
        <translation>Beispiel: ihrname@example.com</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>My SMTP Server Requires Authentication</source>
        <translation>Mein SMTP-Server erfordert eine Anmeldung</translation>
    </message>
    <message>
        <source>Your email password:</source>
        <translation>Ihr E-Mail-Passwort:</translation>
    </message>
    <message>
        <source>Allow sending without encryption (WARNING: your password and every message, the whole drawing, can then be read on the network)</source>
        <translation>Senden ohne Verschlüsselung erlauben (WARNUNG: Ihr Passwort und jede Nachricht, also die ganze Auslosung, können dann im Netzwerk mitgelesen werden)</translation>
    </message>
    <message>
        <source>Only for a server on your own machine or network that offers no STARTTLS.</source>
        <translation>Nur für einen Server auf Ihrem eigenen Rechner oder in Ihrem eigenen Netzwerk, der kein STARTTLS anbietet.</translation>
    </message>
    <message>
        <source>List of SMTP Servers</source>
        <translation>Liste von SMTP-Servern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>A password is stored; type a new one to replace it</source>
        <translation>Ein Passwort ist gespeichert; geben Sie ein neues ein, um es zu ersetzen</translation>
    </message>
</context>
<context>
    <name>ui::SignInBox</name>
    <message>
        <source>Sign-in and test:</source>
        <translation>Anmeldung und Test:</translation>
    </message>
    <message>
        <source>Sign in with my password</source>
        <translation>Mit meinem Passwort anmelden</translation>
    </message>
    <message>
        <source>Sign in with my provider, in the browser:</source>
        <translation>Bei meinem Anbieter im Browser anmelden:</translation>
    </message>
    <message>
        <source>Sign in with Microsoft (Outlook.com, Hotmail, Microsoft 365)</source>
        <translation>Mit Microsoft anmelden (Outlook.com, Hotmail, Microsoft 365)</translation>
    </message>
    <message>
        <source>Sign in with Google (Gmail)</source>
        <translation>Mit Google anmelden (Gmail)</translation>
    </message>
    <message>
        <source>Sign in with another provider (set up with hollymoor-cli settings)</source>
        <translation>Mit einem anderen Anbieter anmelden (eingerichtet mit hollymoor-cli settings)</translation>
    </message>
    <message>
        <source>Send a test message to myself</source>
        <translation>Mir eine Testnachricht senden</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Sign in...</source>
        <translation>Anmelden...</translation>
    </message>
    <message>
        <source>Signed in with %1 as %2.</source>
        <translation>Angemeldet bei %1 als %2.</translation>
    </message>
    <message>
        <source>Signed in with %1.</source>
        <translation>Angemeldet bei %1.</translation>
    </message>
    <message>
        <source>Not signed in.</source>
        <translation>Nicht angemeldet.</translation>
    </message>
    <message>
        <source>Cannot sign in: %1.</source>
        <translation>Anmeldung nicht möglich: %1.</translation>
    </message>
    <message>
        <source>Waiting for the browser. If it did not open, open this address: %1</source>
        <translation>Warte auf den Browser. Falls er sich nicht geöffnet hat, öffnen Sie diese Adresse: %1</translation>
    </message>
    <message>
        <source>Not signed in: %1.</source>
        <translation>Nicht angemeldet: %1.</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>keine Antwort vom Browser innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>Sending the test message to %1...</source>
        <translation>Testnachricht wird an %1 gesendet...</translation>
    </message>
</context>
<context>
    <name>ui::Slips</name>
    <message>
        <source>Secret Santa</source>
        <translation>Wichteln</translation>
    </message>
    <message>
        <source>Fold along the dotted line, printed side in. Open in private.</source>
        <translation>An der gepunkteten Linie falten, bedruckte Seite nach innen. Allein öffnen.</translation>
    </message>
</context>
<context>
    <name>ui::TestMessageSender</name>
    <message>
        <source>The SMTP entries are incomplete: the server, your address and your name are needed.</source>
        <translation>Die SMTP-Angaben sind unvollständig: Server, Ihre Adresse und Ihr Name werden benötigt.</translation>
    </message>
    <message>
        <source>You are not signed in with your provider: choose Sign in first.</source>
        <translation>Sie sind nicht bei Ihrem Anbieter angemeldet: Wählen Sie zuerst „Anmelden“.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again.</source>
        <translation>Die Anmeldung konnte nicht erneuert werden: %1. Bitte melden Sie sich erneut an.</translation>
    </message>
</context>
<context>
    <name>ui::URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>&apos;%1&apos; konnte nicht geöffnet werden: %2 (Fehler %3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowRun</name>
    <message>
        <source>The delivery record could not be kept: %1

Sending goes on; note who was reached from the summary.</source>
        <translation>Das Versandprotokoll konnte nicht geführt werden: %1

Der Versand geht weiter; notieren Sie anhand der Zusammenfassung, wer erreicht wurde.</translation>
    </message>
</context>
</TS>
