<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>nieznany język &apos;%1&apos; (dostępne: %2)</translation>
    </message>
    <message>
        <source>--seed needs a whole number, not &apos;%1&apos;</source>
        <translation>--seed wymaga liczby całkowitej, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; changing that one</source>
        <translation>najnowsza wersja tego losowania to [%1]; zmieniana jest ta wersja</translation>
    </message>
    <message>
        <source>notified:%1</source>
        <translation>powiadomieni:%1</translation>
    </message>
    <message>
        <source>archived: %1 (and .htm)</source>
        <translation>zarchiwizowano: %1 (oraz .htm)</translation>
    </message>
    <message>
        <source>%1: not notified:%2</source>
        <translation>%1: nie powiadomiono:%2</translation>
    </message>
    <message>
        <source>to notify them: %1</source>
        <translation>aby ich powiadomić: %1</translation>
    </message>
    <message>
        <source>%1: no change keeps every exclusion: %2</source>
        <translation>%1: żadna zmiana nie zachowuje wszystkich wykluczeń: %2</translation>
    </message>
    <message>
        <source>%1: --%2 is required</source>
        <translation>%1: --%2 jest wymagane</translation>
    </message>
    <message>
        <source>only a full redraw can include %1: add them to the roster and use hollymoor-cli send</source>
        <translation>tylko całkowicie nowe losowanie może objąć %1: dodaj tę osobę do listy i użyj hollymoor-cli send</translation>
    </message>
    <message>
        <source>join: the change could not be archived; nothing was sent</source>
        <translation>join: nie udało się zarchiwizować zmiany; nic nie wysłano</translation>
    </message>
    <message>
        <source>leave: nobody named &apos;%1&apos; in [%2]</source>
        <translation>leave: nikt o imieniu &apos;%1&apos; w [%2]</translation>
    </message>
    <message>
        <source>only a full redraw can go on without %1: remove them from the roster and use hollymoor-cli send</source>
        <translation>tylko całkowicie nowe losowanie może się obyć bez %1: usuń tę osobę z listy i użyj hollymoor-cli send</translation>
    </message>
    <message>
        <source>leave: the change could not be archived; nothing was sent</source>
        <translation>leave: nie udało się zarchiwizować zmiany; nic nie wysłano</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>nieznane polecenie &apos;%1&apos; (zobacz --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos; for &apos;%2&apos;</source>
        <translation>nieznana opcja &apos;--%1&apos; dla &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>nieznana opcja &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; takes no value</source>
        <translation>opcja &apos;--%1&apos; nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value (%2)</source>
        <translation>opcja &apos;--%1&apos; wymaga wartości (%2)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; given more than once</source>
        <translation>opcję &apos;--%1&apos; podano więcej niż raz</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>nie podano polecenia (zobacz --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; wymaga %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; for &apos;%2&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos; dla &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>błąd: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>ostrzeżenie: </translation>
    </message>
    <message>
        <source>[answered %1]</source>
        <translation>[odpowiedź: %1]</translation>
    </message>
    <message>
        <source>the SMTP settings are incomplete (server, address and name are needed); see hollymoor-cli settings --help</source>
        <translation>ustawienia SMTP są niepełne (potrzebne są serwer, adres i nazwa); zobacz hollymoor-cli settings --help</translation>
    </message>
    <message>
        <source>the SMTP server&apos;s port is not a number: [%1]</source>
        <translation>port serwera SMTP nie jest liczbą: [%1]</translation>
    </message>
    <message>
        <source>sign-in: %1</source>
        <translation>logowanie: %1</translation>
    </message>
    <message>
        <source>not signed in with %1: run hollymoor-cli login first (or choose SMTPAuthMethod=password)</source>
        <translation>brak zalogowania u %1: najpierw uruchom hollymoor-cli login (albo wybierz SMTPAuthMethod=password)</translation>
    </message>
    <message>
        <source>the system mailer [%1] is not installed; install one or choose SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</source>
        <translation>systemowy program pocztowy [%1] nie jest zainstalowany; zainstaluj go albo wybierz SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</translation>
    </message>
    <message>
        <source>warning: the re-send is not in the earlier ledger: %1</source>
        <translation type="vanished">ostrzeżenie: ponownej wysyłki nie ma we wcześniejszym rejestrze wysyłek: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>warning: the sign-in could not be renewed: %1</source>
        <translation>ostrzeżenie: nie udało się odnowić logowania: %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>nobody can give to %1 (everybody else excludes them)</source>
        <translation>nikt nie może obdarować %1 (wszyscy pozostali tę osobę wykluczają)</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody</source>
        <translation>%1 nie może nikogo obdarować</translation>
    </message>
    <message>
        <source>%1 can not give to anybody</source>
        <translation>%1 nie mogą nikogo obdarować</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receiver</source>
        <translation>%1 mogą obdarować tylko %2: darczyńców: %3, obdarowanych: %4</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receivers</source>
        <translation>%1 mogą obdarować tylko %2: darczyńców: %3, obdarowanych: %4</translation>
    </message>
    <message>
        <source>%1 can only give among themselves, so no single loop can include everybody</source>
        <translation>%1 mogą obdarowywać tylko siebie nawzajem, więc żaden pojedynczy krąg nie obejmie wszystkich</translation>
    </message>
    <message>
        <source>no single loop runs through everybody (every possible drawing was counted)</source>
        <translation>żaden pojedynczy krąg nie obejmuje wszystkich (policzono każde możliwe losowanie)</translation>
    </message>
    <message>
        <source>every possible drawing has two people drawing each other (every possible drawing was counted)</source>
        <translation>w każdym możliwym losowaniu dwie osoby losują siebie nawzajem (policzono każde możliwe losowanie)</translation>
    </message>
    <message>
        <source>the roster has no participants</source>
        <translation>lista nie ma uczestników</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>wiersz %1 (%2)</translation>
    </message>
    <message>
        <source>%1: empty name</source>
        <translation>%1: puste imię</translation>
    </message>
    <message>
        <source>%1: invalid e-mail address &quot;%2&quot;</source>
        <translation>%1: nieprawidłowy adres e-mail &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: exclusion &quot;%2&quot; names no participant</source>
        <translation>%1: wykluczenie &quot;%2&quot; nie wskazuje żadnego uczestnika</translation>
    </message>
    <message>
        <source>%1 participant</source>
        <translation>%1 uczestnik</translation>
    </message>
    <message>
        <source>%1 participants</source>
        <translation>liczba uczestników: %1</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>problem: %1</translation>
    </message>
    <message>
        <source>no drawing exists: %1</source>
        <translation>żadne losowanie nie jest możliwe: %1</translation>
    </message>
    <message>
        <source>a drawing exists</source>
        <translation>losowanie jest możliwe</translation>
    </message>
    <message>
        <source>draw: --seed needs a whole number, not &apos;%1&apos;</source>
        <translation>draw: --seed wymaga liczby całkowitej, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>draw: the roster has no participants</source>
        <translation>draw: lista nie ma uczestników</translation>
    </message>
    <message>
        <source>reason: %1</source>
        <translation>powód: %1</translation>
    </message>
    <message>
        <source>A drawing was found for %1 participants (not shown; use --reveal).</source>
        <translation>Znaleziono losowanie dla uczestników w liczbie %1 (nie pokazano; użyj --reveal).</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>uczestnik %1</translation>
    </message>
    <message>
        <source>%1: --avoid-years needs a whole number from 0 to 5, not &apos;%2&apos;</source>
        <translation>%1: --avoid-years wymaga liczby całkowitej od 0 do 5, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawing in %2</source>
        <translation>uwaga: w %2 jest tylko %1 wcześniejsze losowanie</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawings in %2</source>
        <translation>uwaga: liczba wcześniejszych losowań w %2 to tylko %1</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawing</source>
        <translation>bez par z ostatniego losowania (%1)</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawings</source>
        <translation>bez par z ostatnich losowań (%1)</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>jeden krąg</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>bez par wzajemnych</translation>
    </message>
    <message>
        <source>all options together</source>
        <translation>wszystkie opcje razem</translation>
    </message>
    <message>
        <source>a drawing exists (%1)</source>
        <translation>losowanie jest możliwe (%1)</translation>
    </message>
    <message>
        <source>unknown: none found within %1 seconds</source>
        <translation>nieznane: nie znaleziono żadnego w ciągu %1 s</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>nieoczekiwany błąd: %1</translation>
    </message>
    <message>
        <source>cannot read [%1]: %2</source>
        <translation>nie można odczytać [%1]: %2</translation>
    </message>
    <message>
        <source>cannot read [%1]: it is a folder</source>
        <translation>nie można odczytać [%1]: to jest folder</translation>
    </message>
    <message>
        <source>cannot read [%1]</source>
        <translation>nie można odczytać [%1]</translation>
    </message>
    <message>
        <source>cannot read the message text [%1]</source>
        <translation>nie można odczytać treści wiadomości [%1]</translation>
    </message>
    <message>
        <source>--test-address is empty</source>
        <translation>--test-address jest puste</translation>
    </message>
    <message>
        <source>cannot use the data folder [%1]</source>
        <translation>nie można użyć folderu danych [%1]</translation>
    </message>
    <message>
        <source>%1: %2 of %3 messages accepted; not notified: %4</source>
        <translation>%1: przyjęto %2 z %3 wiadomości; nie powiadomiono: %4</translation>
    </message>
    <message>
        <source>%1: the drawing could not be archived, so nothing was sent</source>
        <translation>%1: nie udało się zarchiwizować losowania, więc nic nie wysłano</translation>
    </message>
    <message>
        <source>send: the roster has no participants</source>
        <translation>send: lista nie ma uczestników</translation>
    </message>
    <message>
        <source>resend: name the participants with --to, or give --pending (not both)</source>
        <translation>resend: wskaż uczestników przez --to albo podaj --pending (nie oba naraz)</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; re-sending from that one</source>
        <translation>najnowsza wersja tego losowania to [%1]; ponowna wysyłka idzie z tej wersji</translation>
    </message>
    <message>
        <source>resend: %1</source>
        <translation>resend: %1</translation>
    </message>
    <message>
        <source>Everyone in [%1] was notified; nothing to re-send.</source>
        <translation>Wszyscy w [%1] zostali powiadomieni; nie ma czego wysyłać ponownie.</translation>
    </message>
    <message>
        <source>resend: nobody named &apos;%1&apos; in [%2]</source>
        <translation>resend: nikt o imieniu &apos;%1&apos; w [%2]</translation>
    </message>
    <message>
        <source>message: --subject and --body-file are required</source>
        <translation>message: --subject i --body-file są wymagane</translation>
    </message>
    <message>
        <source>message: the roster has no participants</source>
        <translation>message: lista nie ma uczestników</translation>
    </message>
    <message>
        <source>settings: %1 must be 1 or 0, not &apos;%2&apos;</source>
        <translation>settings: %1 musi mieć wartość 1 lub 0, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>settings: unknown setting &apos;%1&apos; (see hollymoor-cli settings --help)</source>
        <translation>settings: nieznane ustawienie &apos;%1&apos; (zobacz hollymoor-cli settings --help)</translation>
    </message>
    <message>
        <source>settings: no password on standard input</source>
        <translation>settings: brak hasła na standardowym wejściu</translation>
    </message>
    <message>
        <source>the settings did not read back as written</source>
        <translation>odczytane ustawienia różnią się od zapisanych</translation>
    </message>
    <message>
        <source>settings: %1 must be one of %2, not &apos;%3&apos;</source>
        <translation>settings: %1 musi być jednym z: %2, a nie &apos;%3&apos;</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>settings: %1</translation>
    </message>
    <message>
        <source>settings: --test changes nothing; run it on its own</source>
        <translation>settings: --test niczego nie zmienia; uruchom je osobno</translation>
    </message>
    <message>
        <source>settings: --allow-file-secret goes with --password-stdin</source>
        <translation>settings: --allow-file-secret podaje się razem z --password-stdin</translation>
    </message>
    <message>
        <source>settings: --set needs NAME=VALUE, not &apos;%1&apos;</source>
        <translation>settings: --set wymaga NAZWA=WARTOŚĆ, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>settings: the password is not taken on the command line; use --password-stdin</source>
        <translation>settings: hasło nie jest przyjmowane w wierszu poleceń; użyj --password-stdin</translation>
    </message>
    <message>
        <source>settings: MailerCommand is empty</source>
        <translation>settings: MailerCommand jest puste</translation>
    </message>
    <message>
        <source>settings: no system keyring is available, so the password was not saved; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>settings: brak systemowego pęku kluczy, więc hasła nie zapisano; uruchom ponownie z --allow-file-secret, aby zachować je w pliku ustawień (czytelnym tylko dla ciebie)</translation>
    </message>
    <message>
        <source>warning: SMTP may now send the login and every message unencrypted when the server offers no STARTTLS</source>
        <translation>ostrzeżenie: SMTP może teraz wysyłać dane logowania i każdą wiadomość bez szyfrowania, gdy serwer nie oferuje STARTTLS</translation>
    </message>
    <message>
        <source>settings: could not write [%1]: %2</source>
        <translation>settings: nie udało się zapisać [%1]: %2</translation>
    </message>
    <message>
        <source>login: --provider must be microsoft, google or custom, not &apos;%1&apos;</source>
        <translation>login: --provider musi mieć wartość microsoft, google lub custom, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: name the provider with --provider microsoft, google or custom</source>
        <translation>login: wskaż dostawcę przez --provider microsoft, google lub custom</translation>
    </message>
    <message>
        <source>login: --timeout needs a whole number of seconds, not &apos;%1&apos;</source>
        <translation>login: --timeout wymaga całkowitej liczby sekund, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: %1</source>
        <translation>login: %1</translation>
    </message>
    <message>
        <source>Open this address to sign in: %1</source>
        <translation>Otwórz ten adres, aby się zalogować: %1</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>brak odpowiedzi przeglądarki w ciągu %1 s</translation>
    </message>
    <message>
        <source>login: %1; nothing was changed</source>
        <translation>login: %1; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>login: no system keyring is available, so the sign-in was not kept; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>login: brak systemowego pęku kluczy, więc logowania nie zachowano; uruchom ponownie z --allow-file-secret, aby zachować je w pliku ustawień (czytelnym tylko dla ciebie)</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the settings file.</source>
        <translation>Zalogowano u %1; logowanie jest przechowywane w pliku ustawień.</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the keyring.</source>
        <translation>Zalogowano u %1; logowanie jest przechowywane w pęku kluczy.</translation>
    </message>
    <message>
        <source>No SMTP server was set; it is now %1, the server of %2.</source>
        <translation>Nie ustawiono serwera SMTP; teraz jest nim %1, serwer dostawcy %2.</translation>
    </message>
    <message>
        <source>logout: the sign-in could not be removed from [%1] or the keyring</source>
        <translation>logout: nie udało się usunąć logowania z [%1] ani z pęku kluczy</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with the provider is forgotten.</source>
        <translation>Wylogowano: logowanie u dostawcy zostało zapomniane.</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with %1 is forgotten.</source>
        <translation>Wylogowano: logowanie u %1 zostało zapomniane.</translation>
    </message>
    <message>
        <source>Not signed in; there was nothing to forget.</source>
        <translation>Brak zalogowania; nie było czego zapominać.</translation>
    </message>
    <message>
        <source>slips: --out FILE.pdf is required</source>
        <translation>slips: --out PLIK.pdf jest wymagane</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; printing that one</source>
        <translation>najnowsza wersja tego losowania to [%1]; drukowana jest ta wersja</translation>
    </message>
    <message>
        <source>slips: give either --to or --pending</source>
        <translation>slips: podaj albo --to, albo --pending</translation>
    </message>
    <message>
        <source>slips: %1</source>
        <translation>slips: %1</translation>
    </message>
    <message>
        <source>everybody was reached; no slips written</source>
        <translation>dotarto do wszystkich; nie zapisano żadnych karteczek</translation>
    </message>
    <message>
        <source>slips: nobody named &apos;%1&apos; in [%2]</source>
        <translation>slips: nikt o imieniu &apos;%1&apos; w [%2]</translation>
    </message>
    <message>
        <source>%1 slips written to %2</source>
        <translation>zapisano karteczki (%1) do %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>subject after the giver&apos;s name (default: the send dialog&apos;s subject)</source>
        <translation>temat po imieniu darczyńcy (domyślnie: temat z okna wysyłki)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (default: the send dialog&apos;s text)</source>
        <translation>treść wiadomości z pliku F, &quot;-&quot; oznacza standardowe wejście (domyślnie: tekst z okna wysyłki)</translation>
    </message>
    <message>
        <source>text before the receiver&apos;s name (default: the send dialog&apos;s trailer)</source>
        <translation>tekst przed imieniem obdarowanego (domyślnie: zakończenie z okna wysyłki)</translation>
    </message>
    <message>
        <source>send every message to A instead of the participants (test mode)</source>
        <translation>wyślij każdą wiadomość na A zamiast do uczestników (tryb testowy)</translation>
    </message>
    <message>
        <source>the gift budget, added to every notification</source>
        <translation>budżet na prezent, dodawany do każdego powiadomienia</translation>
    </message>
    <message>
        <source>the date of the exchange, added to every notification</source>
        <translation>data wymiany prezentów, dodawana do każdego powiadomienia</translation>
    </message>
    <message>
        <source>where the exchange takes place, added to every notification</source>
        <translation>miejsce wymiany prezentów, dodawane do każdego powiadomienia</translation>
    </message>
    <message>
        <source>the date to reply by, added to every notification</source>
        <translation>termin odpowiedzi, dodawany do każdego powiadomienia</translation>
    </message>
    <message>
        <source>language of the message&apos;s own texts: en, de, fr, es, nl or pl (default: the program&apos;s)</source>
        <translation>język stałych tekstów wiadomości: en, de, fr, es, nl lub pl (domyślnie: język programu)</translation>
    </message>
    <message>
        <source>read a roster, report its problems and whether a drawing exists</source>
        <translation>wczytaj listę, zgłoś jej problemy i sprawdź, czy losowanie jest możliwe</translation>
    </message>
    <message>
        <source>Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot
give or receive), 2 when the file cannot be read. With drawing options, one line per
option says whether a drawing exists under it: exit status 3 when one is proven
impossible, 1 when none was found within the time limit.</source>
        <translation>Kod wyjścia: 0, gdy losowanie jest możliwe, 3, gdy żadne nie jest możliwe (powód wskazuje,
kto nie może dawać lub otrzymywać), 2, gdy nie można odczytać pliku. Z opcjami losowania
każda opcja dostaje wiersz mówiący, czy losowanie z nią jest możliwe: kod 3, gdy
udowodniono, że któraś jest niemożliwa, 1, gdy w limicie czasu nie znaleziono żadnego.</translation>
    </message>
    <message>
        <source>draw once, without sending anything</source>
        <translation>losuj raz, niczego nie wysyłając</translation>
    </message>
    <message>
        <source>Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no
drawing exists.</source>
        <translation>Wypisuje tylko, że znaleziono losowanie, chyba że podano --reveal. Kod wyjścia 3, gdy
żadne losowanie nie jest możliwe.</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable drawings)</source>
        <translation>zainicjuj źródło losowości liczbą N (powtarzalne losowania)</translation>
    </message>
    <message>
        <source>print &quot;GIVER -&gt; RECEIVER&quot; for every participant, in roster order</source>
        <translation>wypisz &quot;GIVER -&gt; RECEIVER&quot; dla każdego uczestnika, w kolejności listy</translation>
    </message>
    <message>
        <source>Calculate &amp; Send: draw unseen, archive and notify everyone</source>
        <translation>Losuj &amp; wyślij: losuj bez podglądu, zarchiwizuj i powiadom wszystkich</translation>
    </message>
    <message>
        <source>The drawing is archived under DATA-DIR/History (list file and HTML log) before any
message leaves; mail goes by the configured path (see &quot;settings&quot;). Status texts go to
standard error, the summary to standard output. Exit status 0 only when every message
was accepted.</source>
        <translation>Losowanie jest archiwizowane w DATA-DIR/History (plik listy i dziennik HTML), zanim
wyjdzie jakakolwiek wiadomość; poczta idzie skonfigurowaną drogą (zobacz &quot;settings&quot;).
Teksty stanu trafiają na standardowe wyjście błędów, podsumowanie na standardowe wyjście.
Kod wyjścia 0 tylko wtedy, gdy przyjęto każdą wiadomość.</translation>
    </message>
    <message>
        <source>re-send an archived drawing to the named participants, or to everyone not reached</source>
        <translation>wyślij ponownie zarchiwizowane losowanie do wskazanych lub nieosiągniętych</translation>
    </message>
    <message>
        <source>ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with --to
are notified, with the receivers the archive holds; with --pending, everyone whose
message the archive&apos;s delivery ledger does not record as accepted (a message whose
answer never came is sent again).</source>
        <translation>ARCHIVE.hmr to plik listy z DATA-DIR/History. Powiadamiani są tylko uczestnicy wskazani
przez --to, z obdarowanymi zapisanymi w archiwum; z --pending wszyscy, których wiadomości
rejestr wysyłek archiwum nie odnotowuje jako przyjętej (wiadomość, na którą nigdy nie
przyszła odpowiedź, jest wysyłana ponownie).</translation>
    </message>
    <message>
        <source>a participant to notify (exact name; give it once per person)</source>
        <translation>uczestnik do powiadomienia (dokładne imię; podaj raz dla każdej osoby)</translation>
    </message>
    <message>
        <source>notify everyone the archive&apos;s ledger does not record as reached</source>
        <translation>powiadom wszystkich, których rejestr wysyłek archiwum nie odnotowuje jako osiągniętych</translation>
    </message>
    <message>
        <source>add a late participant to a sent drawing, without a redraw</source>
        <translation>dodaj spóźnionego uczestnika do wysłanego losowania bez ponownego losowania</translation>
    </message>
    <message>
        <source>One giver, chosen at random among those the exclusions allow, now gives to the newcomer,
and the newcomer to that giver&apos;s former receiver. Exactly those two are notified; the
giver&apos;s message says it replaces the earlier one. The change is archived as the next
version beside ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), whose newest version is the one
changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no
place keeps every exclusion.</source>
        <translation>Jeden darczyńca, wybrany losowo spośród tych, na których pozwalają wykluczenia, obdarowuje
teraz nowego uczestnika, a nowy uczestnik dotychczasowego obdarowanego tego darczyńcy.
Powiadamiane są dokładnie te dwie osoby; wiadomość do darczyńcy mówi, że zastępuje
poprzednią. Zmiana jest archiwizowana jako następna wersja obok ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;,
...); zmieniana jest jej najnowsza wersja. Wypisuje, kogo powiadomiono. Kod wyjścia 0, 1,
gdy wiadomość się nie powiodła, 3, gdy żadne miejsce nie zachowuje wszystkich wykluczeń.</translation>
    </message>
    <message>
        <source>the newcomer&apos;s name (required)</source>
        <translation>imię nowego uczestnika (wymagane)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s address (required)</source>
        <translation>adres nowego uczestnika (wymagany)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s notes, gift suggestions or instructions</source>
        <translation>notatki nowego uczestnika, pomysły na prezent lub wskazówki</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable changes)</source>
        <translation>zainicjuj źródło losowości liczbą N (powtarzalne zmiany)</translation>
    </message>
    <message>
        <source>take a participant out of a sent drawing, without a redraw</source>
        <translation>usuń uczestnika z wysłanego losowania bez ponownego losowania</translation>
    </message>
    <message>
        <source>The leaver&apos;s giver now gives to the leaver&apos;s receiver when the exclusions allow it;
otherwise as few givers as possible get a new receiver. Exactly the givers whose
receiver changed are notified, archived and reported as for join.</source>
        <translation>Darczyńca osoby odchodzącej obdarowuje teraz jej obdarowanego, jeśli pozwalają na to
wykluczenia; w przeciwnym razie jak najmniej darczyńców dostaje nowego obdarowanego.
Powiadamiani są dokładnie ci darczyńcy, których obdarowany się zmienił; archiwum i raport
jak przy join.</translation>
    </message>
    <message>
        <source>the participant who leaves (required)</source>
        <translation>uczestnik, który odchodzi (wymagane)</translation>
    </message>
    <message>
        <source>print sealed slips of an archived drawing for people without e-mail</source>
        <translation>drukuj zaklejone karteczki zarchiwizowanego losowania dla osób bez e-maila</translation>
    </message>
    <message>
        <source>Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages show
only the givers&apos; names, the even page behind each the receivers and their notes. Cut,
fold each slip along its dotted line with the printed back inwards, and hand it out
unseen. One slip per participant, per person named with --to, or with --pending per
giver the archive&apos;s delivery ledgers do not record as reached.</source>
        <translation>Zapisuje PDF do druku dwustronnego (obracanie wzdłuż dłuższej krawędzi): strony
nieparzyste pokazują tylko imiona darczyńców, strona parzysta za każdą z nich obdarowanych
i ich notatki. Potnij, złóż każdą karteczkę wzdłuż kropkowanej linii zadrukowanym tyłem do
środka i rozdaj bez podglądania. Jedna karteczka na uczestnika, na osobę wskazaną przez
--to albo z --pending na darczyńcę, którego rejestry wysyłek archiwum nie odnotowują jako
osiągniętego.</translation>
    </message>
    <message>
        <source>print the slip of this participant (give it once per person)</source>
        <translation>drukuj karteczkę tego uczestnika (podaj raz dla każdej osoby)</translation>
    </message>
    <message>
        <source>print the slips of the givers no message reached</source>
        <translation>drukuj karteczki darczyńców, do których nie dotarła żadna wiadomość</translation>
    </message>
    <message>
        <source>where the PDF goes (required)</source>
        <translation>gdzie zapisać PDF (wymagane)</translation>
    </message>
    <message>
        <source>send a free-form message to every participant</source>
        <translation>wyślij dowolną wiadomość do każdego uczestnika</translation>
    </message>
    <message>
        <source>subject after each participant&apos;s name (required)</source>
        <translation>temat po imieniu każdego uczestnika (wymagany)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (required)</source>
        <translation>treść wiadomości z pliku F, &quot;-&quot; oznacza standardowe wejście (wymagane)</translation>
    </message>
    <message>
        <source>show or change the mail settings</source>
        <translation>pokaż lub zmień ustawienia poczty</translation>
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
        <translation>Nazwy: UseSMTP (1 = własny klient SMTP, 0 = systemowy program pocztowy), SMTPServer
(host[:port]), SMTPAccountName (twój adres), SMTPUserName (twoje imię i nazwisko),
ServerRequiresAuthentication (1 lub 0), MailerCommand (systemowy program pocztowy),
SMTPAuthMethod (password lub oauth2), OAuthProvider (microsoft, google lub custom), a dla
custom lub aby zastąpić ustawienia dostawcy OAuthAuthorizeURL, OAuthTokenURL,
OAuthClientID, OAuthScopes. Zmiany są sprawdzane tak, jak sprawdza je okno ustawień. Hasło
nigdy nie jest przyjmowane w wierszu poleceń: użyj --password-stdin. Sekrety trafiają do
systemowego pęku kluczy; gdy go brak, są przechowywane w pliku ustawień tylko z
--allow-file-secret (HOLLYMOOR_KEYRING=none: zawsze plik).</translation>
    </message>
    <message>
        <source>print the settings (secrets masked) and where the secrets are kept</source>
        <translation>wypisz ustawienia (sekrety zamaskowane) i miejsce przechowywania sekretów</translation>
    </message>
    <message>
        <source>change one setting</source>
        <translation>zmień jedno ustawienie</translation>
    </message>
    <message>
        <source>read the new password from the first line of standard input</source>
        <translation>odczytaj nowe hasło z pierwszego wiersza standardowego wejścia</translation>
    </message>
    <message>
        <source>without a keyring, keep the password in the settings file</source>
        <translation>bez pęku kluczy przechowuj hasło w pliku ustawień</translation>
    </message>
    <message>
        <source>send one test message to your own address and say how it went</source>
        <translation>wyślij jedną wiadomość testową na własny adres i powiedz, jak poszło</translation>
    </message>
    <message>
        <source>sign in with your mail provider in the browser (OAuth2)</source>
        <translation>zaloguj się u dostawcy poczty w przeglądarce (OAuth2)</translation>
    </message>
    <message>
        <source>Prints &quot;Open this address to sign in: URL&quot;, opens the browser (unless --no-browser),
and waits for the provider to send the browser back to this program on a loopback
port. The sign-in is kept in the system keyring and used from then on
(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider
defaults to the one chosen before, else the one of your address. For custom, set
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see &quot;settings&quot;).
Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out.</source>
        <translation>Wypisuje &quot;Otwórz ten adres, aby się zalogować: URL&quot;, otwiera przeglądarkę (chyba że podano
--no-browser) i czeka, aż dostawca odeśle przeglądarkę do tego programu przez lokalny port
pętli zwrotnej. Logowanie jest przechowywane w systemowym pęku kluczy i odtąd używane
(SMTPAuthMethod=oauth2); token dostępu jest odnawiany, zanim wygaśnie. Domyślnym dostawcą
jest wybrany wcześniej, a w przeciwnym razie dostawca twojego adresu. Dla custom ustaw
najpierw OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID i OAuthScopes (zobacz
&quot;settings&quot;). Kod wyjścia 0 po zalogowaniu, 1, gdy logowanie odrzucono, nie powiodło się
lub upłynął czas.</translation>
    </message>
    <message>
        <source>microsoft, google or custom</source>
        <translation>microsoft, google lub custom</translation>
    </message>
    <message>
        <source>only print the address; open it yourself, on this computer</source>
        <translation>tylko wypisz adres; otwórz go samodzielnie na tym komputerze</translation>
    </message>
    <message>
        <source>how long to wait for the browser (default 300)</source>
        <translation>jak długo czekać na przeglądarkę (domyślnie 300)</translation>
    </message>
    <message>
        <source>without a keyring, keep the sign-in in the settings file</source>
        <translation>bez pęku kluczy przechowuj logowanie w pliku ustawień</translation>
    </message>
    <message>
        <source>forget the sign-in with your mail provider</source>
        <translation>zapomnij logowanie u dostawcy poczty</translation>
    </message>
    <message>
        <source>Removes the refresh and access tokens from the keyring or the settings file. Sending
then needs a new login, or SMTPAuthMethod=password.</source>
        <translation>Usuwa token odświeżania i token dostępu z pęku kluczy lub z pliku ustawień. Wysyłanie
wymaga potem nowego login albo SMTPAuthMethod=password.</translation>
    </message>
    <message>
        <source>where &quot;Saved&quot;, &quot;History&quot; and &quot;smtp_session.log&quot; are kept</source>
        <translation>gdzie przechowywane są &quot;Saved&quot;, &quot;History&quot; i &quot;smtp_session.log&quot;</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>plik ustawień</translation>
    </message>
    <message>
        <source>show help (for a command: COMMAND --help)</source>
        <translation>pokaż pomoc (dla polecenia: COMMAND --help)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>pokaż wersję</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

The Hollymoor errands from a terminal or a script, with the same list files, archive,
settings and session log as the desktop program.

Commands:
</source>
        <translation>Użycie: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

Zadania Hollymoor z terminala lub skryptu, z tymi samymi plikami list, archiwum,
ustawieniami i dziennikiem sesji co program na pulpit.

Polecenia:
</translation>
    </message>
    <message>
        <source>Global options:</source>
        <translation>Opcje globalne:</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the errand failed (for example a message was not
accepted), 2 bad usage or unreadable input, 3 no drawing exists.</source>
        <translation>Kod wyjścia: 0 sukces, 1 zadanie się nie powiodło (na przykład wiadomość nie została
przyjęta), 2 błędne użycie lub nieczytelne dane, 3 żadne losowanie nie jest możliwe.</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [global options]</source>
        <translation>Użycie: hollymoor-cli [opcje globalne]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>nobody draws anyone they drew in the last N archived drawings (0 to 5; matched by address, else by name)</source>
        <translation>nikt nie wylosuje osoby wylosowanej w ostatnich N zarchiwizowanych losowaniach (od 0 do 5; rozpoznawanej po adresie, a w jego braku po imieniu)</translation>
    </message>
    <message>
        <source>the gifts run as one single loop through everybody</source>
        <translation>prezenty tworzą jeden krąg obejmujący wszystkich</translation>
    </message>
    <message>
        <source>nobody draws the person who draws them</source>
        <translation>nikt nie losuje osoby, która losuje jego</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>The contacts file [%1] is not a regular file</source>
        <translation>Plik kontaktów [%1] nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>The contacts file [%1] is larger than %2 MB</source>
        <translation>Plik kontaktów [%1] jest większy niż %2 MB</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be opened</source>
        <translation>Nie udało się otworzyć pliku kontaktów [%1]</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be read</source>
        <translation>Nie udało się odczytać pliku kontaktów [%1]</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>
Test Mode: every message went to %1, not to the participants.</source>
        <translation>
Tryb testowy: wszystkie wiadomości trafiły na %1, nie do uczestników.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. The authors are not liable for any claim, damage or other liability arising from its use, including e-mail that is delayed, lost or delivered to the wrong person. Keep a copy of your list files and of the History folder.</source>
        <translation>Ten program jest dostarczany „tak jak jest”, bez jakiejkolwiek gwarancji, wyraźnej ani dorozumianej. Autorzy nie odpowiadają za żadne roszczenia, szkody ani inną odpowiedzialność wynikającą z jego używania, w tym za wiadomości e-mail opóźnione, utracone lub doręczone niewłaściwej osobie. Zachowaj kopię swoich plików list oraz folderu „History”.</translation>
    </message>
    <message>
        <source>Checking for a newer version sends your e-mail address (from Setup) to the update server.</source>
        <translation>Sprawdzanie nowej wersji wysyła Twój adres e-mail (z ustawień) do serwera aktualizacji.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Choose a contacts file (vCard .vcf or .csv) exported from your mail program or phone.</source>
        <translation>Wybierz plik kontaktów (vCard .vcf lub .csv) wyeksportowany z programu pocztowego lub telefonu.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>Contacts file</source>
        <translation>Plik kontaktów</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtruj według imienia lub adresu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Select all &amp;shown</source>
        <translation>Zaznacz wszystkie &amp;widoczne</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Wczytywanie %1...</translation>
    </message>
    <message>
        <source>%1 contact in %2</source>
        <translation>%1 kontakt w %2</translation>
    </message>
    <message>
        <source>%1 contacts in %2</source>
        <translation>Kontakty: %1 w %2</translation>
    </message>
    <message>
        <source>; %1 entry skipped (no usable e-mail address)</source>
        <translation>; pominięty wpis: %1 (brak użytecznego adresu e-mail)</translation>
    </message>
    <message>
        <source>; %1 entries skipped (no usable e-mail address)</source>
        <translation>; pominięte wpisy: %1 (brak użytecznego adresu e-mail)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>&amp;Dodaj %1</translation>
    </message>
    <message>
        <source>Open Contacts File</source>
        <translation>Otwórz plik kontaktów</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation>Kontakty (*.vcf *.vcard *.csv *.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Drawing Options</source>
        <translation>Opcje losowania</translation>
    </message>
    <message>
        <source>Nobody draws anyone they drew in this many of the latest archived drawings (matched by e-mail address, else by name).</source>
        <translation>Nikt nie wylosuje osoby, którą wylosował w tylu ostatnich zarchiwizowanych losowaniach (rozpoznawanej po adresie e-mail, a w jego braku po imieniu).</translation>
    </message>
    <message>
        <source>Avoid the pairs of the last drawings:</source>
        <translation>Unikaj par z ostatnich losowań:</translation>
    </message>
    <message>
        <source>One single loop through everybody</source>
        <translation>Jedna pętla przez wszystkich</translation>
    </message>
    <message>
        <source>No swapped pairs (nobody draws the person who draws them)</source>
        <translation>Bez par wzajemnych (nikt nie losuje osoby, która losuje jego)</translation>
    </message>
    <message>
        <source>Load From File Options</source>
        <translation>Opcje wczytywania z pliku</translation>
    </message>
    <message>
        <source>Clear Current Participants</source>
        <translation>Wyczyść obecnych uczestników</translation>
    </message>
    <message>
        <source>Add Participants from file to List</source>
        <translation>Dodaj do listy uczestników z pliku</translation>
    </message>
    <message>
        <source>Include Exclusion information in file</source>
        <translation>Uwzględnij wykluczenia z pliku</translation>
    </message>
    <message>
        <source>Add New Exclusions based on results of previous drawing </source>
        <translation>Dodaj nowe wykluczenia na podstawie wyniku poprzedniego losowania</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Imię uczestnika</translation>
    </message>
    <message>
        <source>Notes / Gift Suggestions</source>
        <translation>Uwagi / pomysły na prezent</translation>
    </message>
    <message>
        <source>Manual Addition of Participants</source>
        <translation>Ręczne dodawanie uczestników</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Edit Selected Participant</source>
        <translation>Edytuj wybranego uczestnika</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Add Late Participant</source>
        <translation>Dodaj spóźnionego uczestnika</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing</source>
        <translation>Usuń uczestnika z losowania</translation>
    </message>
    <message>
        <source>Error Failed to Logon to MAPI Email Client, This function may not be available if your email client does not support MAPI, You must add the information by using the manual addition.</source>
        <translation>Błąd: nie udało się zalogować do programu pocztowego MAPI. Ta funkcja może być niedostępna, jeśli Twój program pocztowy nie obsługuje MAPI. Dodaj dane ręcznie.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>a drawing needs at least two participants</source>
        <translation>losowanie wymaga co najmniej dwóch uczestników</translation>
    </message>
    <message>
        <source>every participant is excluded from giving to %1</source>
        <translation>każdy uczestnik ma wykluczone obdarowanie %1</translation>
    </message>
    <message>
        <source>%1 is excluded from giving to every participant</source>
        <translation>%1 ma wykluczone obdarowanie każdego uczestnika</translation>
    </message>
    <message>
        <source>no participant who may give to %1 has a receiver %1 may give to</source>
        <translation>żaden uczestnik, który może obdarować %1, nie ma obdarowanego, którego %1 może obdarować</translation>
    </message>
    <message>
        <source>once %1 leaves, nobody may give to the person %1 gives to</source>
        <translation>gdy %1 odejdzie, nikt nie może obdarować osoby, którą obdarowuje %1</translation>
    </message>
    <message>
        <source>the gift %1 would have given cannot be passed on without breaking an exclusion</source>
        <translation>prezentu, który dałby %1, nie da się przekazać dalej bez naruszenia wykluczenia</translation>
    </message>
    <message>
        <source>the archived drawing does not match the participants and their exclusions</source>
        <translation>zarchiwizowane losowanie nie pasuje do uczestników i ich wykluczeń</translation>
    </message>
    <message>
        <source>everybody may give to and receive from at least half of the others</source>
        <translation>każdy może obdarować co najmniej połowę pozostałych i od nich otrzymać</translation>
    </message>
    <message>
        <source>a drawing was found</source>
        <translation>znaleziono losowanie</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>uczestnik %1</translation>
    </message>
    <message>
        <source>A valid drawing exists.</source>
        <translation>Poprawne losowanie jest możliwe.</translation>
    </message>
    <message>
        <source>Nobody may draw %1: everybody else excludes them.</source>
        <translation>Nikt nie może wylosować %1: wszyscy pozostali tę osobę wykluczają.</translation>
    </message>
    <message>
        <source>%1 may draw nobody.</source>
        <translation>%1 nie mogą nikogo wylosować.</translation>
    </message>
    <message>
        <source>%1 may draw only %2: %3 for %4 givers.</source>
        <translation>%1 mogą wylosować tylko %2: obdarowanych: %3, darczyńców: %4.</translation>
    </message>
    <message>
        <source>%1 may give only among themselves, so no single loop can include everybody.</source>
        <translation>%1 mogą obdarowywać tylko siebie nawzajem, więc żaden pojedynczy krąg nie obejmie wszystkich.</translation>
    </message>
    <message>
        <source>No single loop through everybody exists: every possible drawing was counted.</source>
        <translation>Nie istnieje pojedynczy krąg obejmujący wszystkich: policzono każde możliwe losowanie.</translation>
    </message>
    <message>
        <source>Every possible drawing has two people drawing each other: every possible drawing was counted.</source>
        <translation>W każdym możliwym losowaniu dwie osoby losują siebie nawzajem: policzono każde możliwe losowanie.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error version of file must be 3.0 or greater</source>
        <translation>Błąd: wersja pliku musi wynosić 3.0 lub więcej</translation>
    </message>
    <message>
        <source>Error file does not contain Secret Santa history information</source>
        <translation>Błąd: plik nie zawiera informacji o losowaniu Tajemniczego Mikołaja</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1] or its earlier versions</source>
        <translation>brak rejestru wysyłek obok [%1] ani jego wcześniejszych wersji</translation>
    </message>
    <message>
        <source>the new participant needs a name</source>
        <translation>nowy uczestnik musi mieć imię</translation>
    </message>
    <message>
        <source>there is already a participant named %1</source>
        <translation>jest już uczestnik o imieniu %1</translation>
    </message>
    <message>
        <source>the archive holds no complete drawing</source>
        <translation>archiwum nie zawiera pełnego losowania</translation>
    </message>
    <message>
        <source>no such participant</source>
        <translation>nie ma takiego uczestnika</translation>
    </message>
    <message>
        <source>Error while attempting to save information to file [%1]</source>
        <translation>Błąd podczas zapisywania informacji do pliku [%1]</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Błąd podczas zapisywania informacji do pliku dziennika [%1]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Wszystkie pliki (*.*)|*.*|Pliki Tajemniczego Mikołaja (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Pliki Tajemniczego Mikołaja (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the participant list?
Your changes are lost if you do not save them.</source>
        <translation>Czy zapisać zmiany na liście uczestników?
Jeśli ich nie zapiszesz, zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to [%1]?
Your changes are lost if you do not save them.</source>
        <translation>Czy zapisać zmiany w [%1]?
Jeśli ich nie zapiszesz, zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Nobody was marked for re-sending: %1</source>
        <translation>Nikogo nie zaznaczono do ponownego wysłania: %1</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm</source>
        <translation>Wszystkie pliki (*.*)|*.*|Dzienniki Tajemniczego Mikołaja (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Unable to open [%1]
No program on this computer could show it; open the file with a web browser.</source>
        <translation>Nie można otworzyć [%1]
Żaden program na tym komputerze nie potrafił go wyświetlić; otwórz plik w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>Error while Checking File Version from file [%1] on line number %2</source>
        <translation>Błąd podczas sprawdzania wersji pliku [%1] w wierszu %2</translation>
    </message>
    <message>
        <source>a list needs at least two participants</source>
        <translation>lista musi mieć co najmniej dwóch uczestników</translation>
    </message>
    <message>
        <source>Error while Loading Participant Information from file [%1] on line number %2</source>
        <translation>Błąd podczas wczytywania danych uczestników z pliku [%1] w wierszu %2</translation>
    </message>
    <message>
        <source>the file holds more than %1 participants</source>
        <translation>plik zawiera więcej niż %1 uczestników</translation>
    </message>
    <message>
        <source>Error while Loading Exclusion Information from file [%1] on line number %2</source>
        <translation>Błąd podczas wczytywania wykluczeń z pliku [%1] w wierszu %2</translation>
    </message>
    <message>
        <source>Error while Loading Secret Santa ReSend Information from file [%1] on line number %2</source>
        <translation>Błąd podczas wczytywania danych do ponownego wysłania z pliku [%1] w wierszu %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Exclusion #</source>
        <translation>Wykluczenia</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Imię uczestnika</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Secret Santa For</source>
        <translation>Tajemniczy Mikołaj dla</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Unable to find the help page [%1]</source>
        <translation>Nie można znaleźć strony pomocy [%1]</translation>
    </message>
    <message>
        <source>Unable to open the help page [%1]: %2</source>
        <translation>Nie można otworzyć strony pomocy [%1]: %2</translation>
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
        <translation>Użycie: hollymoor [OPCJA]...
Organizuje wymianę prezentów Tajemniczego Mikołaja: prowadzi listę uczestników,
ustala, kto kogo nie może wylosować, losuje i wysyła każdemu e-mailem, kogo obdarowuje.

  -h, --help     pokaż tę pomoc i zakończ
      --version  pokaż wersję programu i zakończ

Pozostałe opcje to opcje biblioteki Qt (na przykład -platform, -style).
</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>cannot read the delivery ledger [%1]</source>
        <translation>nie można odczytać rejestru wysyłek [%1]</translation>
    </message>
    <message>
        <source>[%1] is not a delivery ledger</source>
        <translation>[%1] nie jest rejestrem wysyłek</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] already holds a run</source>
        <translation>rejestr wysyłek [%1] zawiera już wysyłkę</translation>
    </message>
    <message>
        <source>cannot write the delivery ledger [%1]: %2</source>
        <translation>nie można zapisać rejestru wysyłek [%1]: %2</translation>
    </message>
    <message>
        <source>not attempted</source>
        <translation>nie próbowano</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>w drodze</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>przyjęta</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucona</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>niepotwierdzona</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
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
        <translation>%1: odrzucono, %2</translation>
    </message>
    <message>
        <source>%1: the connection ended before the server confirmed the message</source>
        <translation>%1: połączenie zakończyło się, zanim serwer potwierdził wiadomość</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1: nie wysłano</translation>
    </message>
    <message>
        <source>%1: not sent (last try: %2)</source>
        <translation>%1: nie wysłano (ostatnia próba: %2)</translation>
    </message>
    <message>
        <source>These participants were not notified:
%1</source>
        <translation>Ci uczestnicy nie zostali powiadomieni:
%1</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing with the newest file in History and mark them to send their notifications again.</source>
        <translation>Wybierz „Wyślij ponownie poprzednie losowanie” z najnowszym plikiem w History i zaznacz te osoby, aby ponownie wysłać im powiadomienia.</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1]</source>
        <translation>brak rejestru wysyłek obok [%1]</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] records no deliveries</source>
        <translation>rejestr wysyłek [%1] nie zawiera żadnych doręczeń</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] names %2 in row %3, which [%4] does not hold</source>
        <translation>rejestr wysyłek [%1] wymienia %2 w wierszu %3, którego [%4] nie zawiera</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>The test message to %1 was accepted for delivery.</source>
        <translation>Wiadomość testowa do %1 została przyjęta do doręczenia.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered.</source>
        <translation>Wiadomość testowa do %1 nie została doręczona.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered: %2</source>
        <translation>Wiadomość testowa do %1 nie została doręczona: %2</translation>
    </message>
    <message>
        <source>The test message goes to your own e-mail address. Enter it as the sender&apos;s address first.</source>
        <translation>Wiadomość testowa trafia na Twój własny adres e-mail. Najpierw wpisz go jako adres nadawcy.</translation>
    </message>
</context>
<context>
    <name>Mailer</name>
    <message>
        <source>No mailer command is set</source>
        <translation>Nie ustawiono polecenia programu pocztowego</translation>
    </message>
    <message>
        <source>The mailer [%1] was not found or may not be run; install a sendmail-compatible program or change the mailer command</source>
        <translation>Nie znaleziono programu pocztowego [%1] albo nie można go uruchomić; zainstaluj program zgodny z sendmail lub zmień polecenie programu pocztowego</translation>
    </message>
    <message>
        <source>No mail session is open</source>
        <translation>Brak otwartej sesji poczty</translation>
    </message>
    <message>
        <source>No message is being composed</source>
        <translation>Nie jest tworzona żadna wiadomość</translation>
    </message>
    <message>
        <source>No address book is available</source>
        <translation>Książka adresowa jest niedostępna</translation>
    </message>
    <message>
        <source>The address book was cancelled</source>
        <translation>Anulowano książkę adresową</translation>
    </message>
    <message>
        <source>Invalid recipient index</source>
        <translation>Nieprawidłowy indeks odbiorcy</translation>
    </message>
    <message>
        <source>No recipient</source>
        <translation>Brak odbiorcy</translation>
    </message>
    <message>
        <source>The message has no recipient</source>
        <translation>Wiadomość nie ma odbiorcy</translation>
    </message>
    <message>
        <source>The mailer cannot show a message before sending it</source>
        <translation>Program pocztowy nie może pokazać wiadomości przed jej wysłaniem</translation>
    </message>
    <message>
        <source>The address [%1] is not an e-mail address</source>
        <translation>Adres [%1] nie jest adresem e-mail</translation>
    </message>
    <message>
        <source>The mailer [%1] could not be started: %2</source>
        <translation>Nie udało się uruchomić programu pocztowego [%1]: %2</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 second and was stopped</source>
        <translation>Program pocztowy [%1] nie zakończył pracy w ciągu %2 s i został zatrzymany</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 seconds and was stopped</source>
        <translation>Program pocztowy [%1] nie zakończył pracy w ciągu %2 s i został zatrzymany</translation>
    </message>
    <message>
        <source>The mailer [%1] was ended by signal %2</source>
        <translation>Program pocztowy [%1] został zakończony sygnałem %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2</source>
        <translation>Program pocztowy [%1] zakończył się błędem, kod wyjścia %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2: %3</source>
        <translation>Program pocztowy [%1] zakończył się błędem, kod wyjścia %2: %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Wiadomości są nadal wysyłane. Zamknąć Hollymoor i przerwać wysyłanie?

Osoby, do których jeszcze nie dotarła wiadomość, można powiadomić później poleceniem „Wyślij ponownie poprzednie losowanie”.</translation>
    </message>
</context>
<context>
    <name>Mapi</name>
    <message>
        <source>Error while attempting to send messages to MAPI Email Client</source>
        <translation>Błąd podczas przekazywania wiadomości do programu pocztowego</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been re-sent.</source>
        <translation>Ponownie wysłane e-maile (%1) do
%2
<byte value="xd"/><byte value="xd"/>Sprawdź w folderze Skrzynka nadawcza programu pocztowego, czy wiadomości zostały ponownie wysłane.</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been sent.</source>
        <translation>Wysłane e-maile (%1) do
%2
<byte value="xd"/><byte value="xd"/>Sprawdź w folderze Skrzynka nadawcza programu pocztowego, czy wiadomości zostały wysłane.</translation>
    </message>
    <message>
        <source> Re-Sending email to %1 ...</source>
        <translation> Ponowne wysyłanie e-maila do %1 ...</translation>
    </message>
    <message>
        <source> Sending email to %1 ...</source>
        <translation> Wysyłanie e-maila do %1 ...</translation>
    </message>
    <message>
        <source>Sending was cancelled; the remaining messages were not sent</source>
        <translation>Wysyłanie anulowano; pozostałe wiadomości nie zostały wysłane</translation>
    </message>
    <message>
        <source>Logging on to MAPI Email Client...</source>
        <translation>Logowanie do klienta poczty MAPI...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Logoff Failure: </source>
        <translation>Błąd wylogowania: </translation>
    </message>
    <message>
        <source>Logging into MAPI Email Client...</source>
        <translation>Logowanie do klienta poczty MAPI...</translation>
    </message>
    <message>
        <source>No message had been handed to the mail client.</source>
        <translation>Żadna wiadomość nie została przekazana do programu pocztowego.</translation>
    </message>
    <message>
        <source>%1 Mail Messages had already been handed to the mail client:
%2</source>
        <translation>Wiadomości już przekazane do programu pocztowego (%1):
%2</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>Wysłane e-maile: %1</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>Ponownie wysłane e-maile: %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Ne&amp;w List</source>
        <translation>&amp;Nowa lista</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>&amp;Otwórz listę...</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>&amp;Zapisz listę...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Add Participants</source>
        <translation>Dodaj uczestników</translation>
    </message>
    <message>
        <source>Using Address Book...</source>
        <translation>Z książki adresowej...</translation>
    </message>
    <message>
        <source>Using Manual Entry...</source>
        <translation>Ręcznie...</translation>
    </message>
    <message>
        <source>Edit Participant...</source>
        <translation>Edytuj uczestnika...</translation>
    </message>
    <message>
        <source>Delete Participant...</source>
        <translation>Usuń uczestnika...</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Ustaw wykluczenie grupowe</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Ustaw wykluczenie indywidualne</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Wyczyść zaznaczone</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Wyczyść wykluczenia</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Losuj &amp;&amp; pokaż</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send ...</source>
        <translation>Losuj &amp;&amp; wyślij ...</translation>
    </message>
    <message>
        <source>Drawing &amp;Options...</source>
        <translation>&amp;Opcje losowania...</translation>
    </message>
    <message>
        <source>Send Participants an Email...</source>
        <translation>Wyślij uczestnikom e-mail...</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing...</source>
        <translation>Wyślij ponownie poprzednie losowanie...</translation>
    </message>
    <message>
        <source>View Previous Drawing&apos;s Information</source>
        <translation>Pokaż informacje o poprzednim losowaniu</translation>
    </message>
    <message>
        <source>Add Late Participant...</source>
        <translation>Dodaj spóźnionego uczestnika...</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing...</source>
        <translation>Usuń uczestnika z losowania...</translation>
    </message>
    <message>
        <source>Print Sealed Slips...</source>
        <translation>Drukuj zaklejone karteczki...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Demos</source>
        <translation>Prezentacje</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Getting Started (The Basics)</source>
        <translation>Pierwsze kroki (podstawy)</translation>
    </message>
    <message>
        <source>Re-Sending Previous Drawing</source>
        <translation>Ponowne wysyłanie poprzedniego losowania</translation>
    </message>
    <message>
        <source>Viewing HTML history File</source>
        <translation>Przeglądanie pliku historii HTML</translation>
    </message>
    <message>
        <source>Website...</source>
        <translation>Strona internetowa...</translation>
    </message>
    <message>
        <source>WebSite FAQ...</source>
        <translation>Najczęstsze pytania na stronie...</translation>
    </message>
    <message>
        <source>WebSite Support...</source>
        <translation>Pomoc techniczna na stronie...</translation>
    </message>
    <message>
        <source>&amp;Check For Updated Version</source>
        <translation>&amp;Sprawdź, czy jest nowa wersja</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Anuluj ponowne wysyłanie</translation>
    </message>
    <message>
        <source>Save List &amp;As...</source>
        <translation>Zapisz listę &amp;jako...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>This message was sent to you using the Hollymoor</source>
        <translation>Tę wiadomość wysłano do Ciebie za pomocą programu Hollymoor</translation>
    </message>
    <message>
        <source>Get Your copy at %1</source>
        <translation>Pobierz własny egzemplarz ze strony %1</translation>
    </message>
    <message>
        <source>This message replaces the Secret Santa message you received earlier.<byte value="xd"/>
The drawing has changed: please disregard the earlier message and give to the<byte value="xd"/>
person named in this one.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ta wiadomość zastępuje wiadomość od Tajemniczego Mikołaja otrzymaną wcześniej.<byte value="xd"/>
Losowanie się zmieniło: nie zwracaj uwagi na wcześniejszą wiadomość i daj prezent<byte value="xd"/>
osobie wymienionej w tej wiadomości.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Notes, Gift Suggestions, or Special Instructions for %1:</source>
        <translation>Uwagi, pomysły na prezent lub szczególne wskazówki dla %1:</translation>
    </message>
    <message>
        <source>Gift budget: %1</source>
        <translation>Budżet na prezent: %1</translation>
    </message>
    <message>
        <source>Date of the exchange: %1</source>
        <translation>Data wymiany prezentów: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Miejsce: %1</translation>
    </message>
    <message>
        <source>Please reply by: %1</source>
        <translation>Prosimy o odpowiedź do: %1</translation>
    </message>
    <message>
        <source>Your Secret Santa Information Enclosed</source>
        <translation>Twoje informacje z losowania Tajemniczego Mikołaja</translation>
    </message>
    <message>
        <source>Important Secret Santa Message!!<byte value="xd"/>
<byte value="xd"/>
The person you have been choosen to be a Secret Santa for<byte value="xd"/>
 is named at the end of this email message<byte value="xd"/>
</source>
        <translation>Ważna wiadomość od Tajemniczego Mikołaja!!<byte value="xd"/>
<byte value="xd"/>
Osoba, dla której zostałeś wylosowany jako Tajemniczy Mikołaj,<byte value="xd"/>
 jest podana na końcu tej wiadomości<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are a Secret Santa for</source>
        <translation>Jesteś Tajemniczym Mikołajem dla</translation>
    </message>
</context>
<context>
    <name>Providers</name>
    <message>
        <source>Gmail: create an app password at https://myaccount.google.com/apppasswords (2-Step Verification on); or sign in with Google</source>
        <translation>Gmail: utwórz hasło do aplikacji na https://myaccount.google.com/apppasswords (weryfikacja dwuetapowa włączona) albo zaloguj się przez Google</translation>
    </message>
    <message>
        <source>Outlook.com: passwords, app passwords included, are refused; sign in with Microsoft</source>
        <translation>Outlook.com: hasła, także hasła do aplikacji, są odrzucane; zaloguj się przez Microsoft</translation>
    </message>
    <message>
        <source>Microsoft 365: sign in with Microsoft; password sign-in is being turned off</source>
        <translation>Microsoft 365: zaloguj się przez Microsoft; logowanie hasłem jest wyłączane</translation>
    </message>
    <message>
        <source>Yahoo Mail: create an app password at https://login.yahoo.com/account/security</source>
        <translation>Yahoo Mail: utwórz hasło do aplikacji na https://login.yahoo.com/account/security</translation>
    </message>
    <message>
        <source>iCloud Mail: create an app-specific password at https://account.apple.com (Sign-In and Security)</source>
        <translation>iCloud Mail: utwórz hasło do aplikacji na https://account.apple.com (Logowanie i bezpieczeństwo)</translation>
    </message>
    <message>
        <source>GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first</source>
        <translation>GMX: najpierw zezwól w ustawieniach GMX na dostęp innych programów pocztowych (POP3/IMAP)</translation>
    </message>
    <message>
        <source>WEB.DE: allow access by other mail programs (POP3/IMAP) in the WEB.DE settings first</source>
        <translation>WEB.DE: najpierw zezwól w ustawieniach WEB.DE na dostęp innych programów pocztowych (POP3/IMAP)</translation>
    </message>
    <message>
        <source>Fastmail: create an app password under Settings, Privacy &amp; Security</source>
        <translation>Fastmail: utwórz hasło do aplikacji w Settings, Privacy &amp; Security</translation>
    </message>
    <message>
        <source>Zoho Mail: with two-factor sign-in on, create an application-specific password</source>
        <translation>Zoho Mail: przy włączonym logowaniu dwuskładnikowym utwórz hasło dla aplikacji</translation>
    </message>
    <message>
        <source>Proton Mail: start Proton Mail Bridge and use the user name and password it shows</source>
        <translation>Proton Mail: uruchom Proton Mail Bridge i użyj wyświetlonej tam nazwy użytkownika i hasła</translation>
    </message>
    <message>
        <source>%1 sends only from the account you signed in with (%2), not from %3</source>
        <translation>%1 wysyła tylko z konta, na które się zalogowano (%2), a nie z %3</translation>
    </message>
    <message>
        <source>%1 sends only from the account you sign in with; %2 is not a %1 address</source>
        <translation>%1 wysyła tylko z konta, na które się logujesz; %2 nie jest adresem %1</translation>
    </message>
    <message>
        <source>Microsoft no longer accepts passwords for this account: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings instead of a password.</source>
        <translation>Microsoft nie przyjmuje już haseł dla tego konta: zamiast hasła wybierz &quot;Zaloguj się przez Microsoft&quot; w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source>Microsoft 365 has turned off password sign-in for this mailbox: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings.</source>
        <translation>Microsoft 365 wyłączył logowanie hasłem dla tej skrzynki: wybierz &quot;Zaloguj się przez Microsoft&quot; w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source>Microsoft refused the sign-in: check the password, or sign in with Microsoft; a work account may need its administrator to allow authenticated SMTP.</source>
        <translation>Microsoft odrzucił logowanie: sprawdź hasło albo zaloguj się przez Microsoft; przy koncie służbowym administrator może musieć zezwolić na uwierzytelniony SMTP.</translation>
    </message>
    <message>
        <source>Microsoft refuses mail from an address other than the signed-in account: make &quot;Your email address&quot; the account you sign in with.</source>
        <translation>Microsoft odrzuca pocztę z adresu innego niż zalogowane konto: w polu &quot;Twój adres e-mail&quot; wpisz konto, na które się logujesz.</translation>
    </message>
    <message>
        <source>Gmail wants an app password: turn on 2-Step Verification, create one at https://myaccount.google.com/apppasswords and enter it as the password, or sign in with Google.</source>
        <translation>Gmail wymaga hasła do aplikacji: włącz weryfikację dwuetapową, utwórz je na https://myaccount.google.com/apppasswords i wpisz jako hasło albo zaloguj się przez Google.</translation>
    </message>
    <message>
        <source>The server did not accept the user name and password: check them; Gmail, Yahoo and iCloud need an app password, not your normal one.</source>
        <translation>Serwer nie przyjął nazwy użytkownika i hasła: sprawdź je; Gmail, Yahoo i iCloud wymagają hasła do aplikacji, a nie zwykłego hasła.</translation>
    </message>
    <message>
        <source>The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the server entry.</source>
        <translation>Serwer wymaga najpierw połączenia szyfrowanego: w polu serwera użyj portu 587 (STARTTLS) lub 465.</translation>
    </message>
    <message>
        <source>The server is limiting how fast or how much you send: wait an hour or so, then re-send to the participants who were not notified.</source>
        <translation>Serwer ogranicza szybkość lub ilość wysyłki: odczekaj mniej więcej godzinę, a potem wyślij ponownie do uczestników, których nie powiadomiono.</translation>
    </message>
    <message>
        <source>The daily sending limit of this account is reached: re-send to the participants who were not notified tomorrow.</source>
        <translation>Osiągnięto dzienny limit wysyłki tego konta: jutro wyślij ponownie do uczestników, których nie powiadomiono.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation type="vanished">Dodaj spóźnionego uczestnika</translation>
    </message>
    <message>
        <source>The newcomer&apos;s Secret Santa message goes to this address, so it is needed.</source>
        <translation>Wiadomość nowego uczestnika trafi na ten adres, dlatego jest potrzebny.</translation>
    </message>
    <message>
        <source>Please enter an e-mail address for the late participant: their Secret Santa message goes there, and the drawing&apos;s list file keeps an address for everybody.</source>
        <translation>Podaj adres e-mail spóźnionego uczestnika: tam trafi jego wiadomość, a plik listy losowania przechowuje adres każdego uczestnika.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>The change is saved as %1.
Nothing was sent. To notify exactly the people whose Secret Santa changed (%2), use Calculate &amp; Send now; they are marked for Re-Send.</source>
        <translation>Zmiana została zapisana jako %1.
Nic nie wysłano. Aby powiadomić dokładnie osoby, którym zmienił się obdarowywany (%2), użyj teraz Losuj &amp; wyślij; są zaznaczone do ponownego wysłania.</translation>
    </message>
    <message>
        <source>No message reached %1. Print slips only for them?

No prints a slip for everybody.</source>
        <translation>Żadna wiadomość nie dotarła do: %1. Wydrukować karteczki tylko dla nich?

Nie drukuje karteczkę dla każdego.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otwórz o&amp;statnie</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark Name</source>
        <translation>&amp;Zaznacz lub odznacz imię</translation>
    </message>
    <message>
        <source>the sign-in provider refused: %1</source>
        <translation>dostawca logowania odmówił: %1</translation>
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
        <translation>Twoim dostawcą</translation>
    </message>
    <message>
        <source>The re-send could not be recorded in the earlier drawing&apos;s ledger: </source>
        <translation type="vanished">Ponownej wysyłki nie udało się zapisać w rejestrze wysyłek wcześniejszego losowania: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>Nie udało się zapisać losowania w folderze History [%1], więc nie wysłano żadnej wiadomości. Twoja lista nie zmieniła się.

Upewnij się, że do tego folderu można zapisywać i że na dysku jest wolne miejsce, a następnie ponownie wybierz „Losuj &amp; wyślij”.</translation>
    </message>
    <message>
        <source>No place in this drawing keeps every exclusion: %1.
Only a full redraw can include %2: add them to the list and use Calculate &amp; Send.</source>
        <translation>Żadne miejsce w tym losowaniu nie zachowuje wszystkich wykluczeń: %1.
Tylko całkiem nowe losowanie może objąć %2: dodaj tę osobę do listy i użyj Losuj &amp; wyślij.</translation>
    </message>
    <message>
        <source>Participant who leaves</source>
        <translation>Uczestnik, który rezygnuje</translation>
    </message>
    <message>
        <source>Nobody named %1 takes part in this drawing.</source>
        <translation>Nikt o imieniu %1 nie bierze udziału w tym losowaniu.</translation>
    </message>
    <message>
        <source>No change to this drawing keeps every exclusion: %1.
Only a full redraw can go on without %2.</source>
        <translation>Żadna zmiana tego losowania nie zachowuje wszystkich wykluczeń: %1.
Tylko całkiem nowe losowanie może się odbyć bez %2.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>Pliki PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slips could not be printed: %1</source>
        <translation>Nie udało się wydrukować karteczek: %1</translation>
    </message>
    <message>
        <source>%1 slips saved to %2.
Print on both sides (flip on the long edge), cut, and fold each slip along its dotted line with the printed back inwards.</source>
        <translation>Karteczki zapisano w %2: %1.
Wydrukuj dwustronnie (odwracanie wzdłuż dłuższej krawędzi), wytnij i złóż każdą karteczkę wzdłuż kropkowanej linii, zadrukowaną stroną do środka.</translation>
    </message>
    <message>
        <source>The event details could not be saved next to %1; they are kept as the default for the next exchange.</source>
        <translation>Nie udało się zapisać szczegółów wydarzenia obok %1; zostają zachowane jako domyślne dla następnej wymiany.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>the exclusion list field</source>
        <translation>pole listy wykluczeń</translation>
    </message>
    <message>
        <source>the name field</source>
        <translation>pole imienia</translation>
    </message>
    <message>
        <source>the e-mail address field</source>
        <translation>pole adresu e-mail</translation>
    </message>
    <message>
        <source>the drawn name field</source>
        <translation>pole wylosowanego imienia</translation>
    </message>
    <message>
        <source>the notes field</source>
        <translation>pole notatek</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds a double quote (a quote may be missing)</source>
        <translation>%1 &quot;%2&quot; zawiera cudzysłów (być może brakuje jakiegoś cudzysłowu)</translation>
    </message>
    <message>
        <source>%1 has no closing quote</source>
        <translation>%1 nie ma zamykającego cudzysłowu</translation>
    </message>
    <message>
        <source>%1 holds a stray double quote</source>
        <translation>%1 zawiera zbłąkany cudzysłów</translation>
    </message>
    <message>
        <source>the record ends after %1 field where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>rekord kończy się po polu nr %1, a oczekiwano pól: %2 (być może brakuje cudzysłowu albo rekord jest podzielony na kilka wierszy)</translation>
    </message>
    <message>
        <source>the record ends after %1 fields where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>rekord kończy się po polach w liczbie %1, a oczekiwano pól: %2 (być może brakuje cudzysłowu albo rekord jest podzielony na kilka wierszy)</translation>
    </message>
    <message>
        <source>%1 holds a control character</source>
        <translation>%1 zawiera znak sterujący</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>imię jest puste</translation>
    </message>
    <message>
        <source>the e-mail address holds a control character</source>
        <translation>adres e-mail zawiera znak sterujący</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; holds &quot;,&quot; (a quote may be missing)</source>
        <translation>adres e-mail &quot;%1&quot; zawiera &quot;,&quot; (być może brakuje cudzysłowu)</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; does not look like an e-mail address</source>
        <translation>adres e-mail &quot;%1&quot; nie wygląda na adres e-mail</translation>
    </message>
    <message>
        <source>the file ends before the record does</source>
        <translation>plik kończy się przed końcem rekordu</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>the file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor Windows-1252 text</source>
        <translation>plik zawiera znaki NUL: nie jest to ani UTF-8, ani UTF-16 ze znacznikiem kolejności bajtów, ani tekst Windows-1252</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (big-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>plik to uszkodzony UTF-16 (big-endian): kończy się w środku znaku lub zawiera uszkodzoną parę zastępczą</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (little-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>plik to uszkodzony UTF-16 (little-endian): kończy się w środku znaku lub zawiera uszkodzoną parę zastępczą</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Błąd podczas wysyłania wiadomości</translation>
    </message>
    <message>
        <source>Calculation Aborted: You may have too many Exclusions set.</source>
        <translation>Losowanie przerwane: być może ustawiono zbyt wiele wykluczeń.</translation>
    </message>
    <message>
        <source>Invalid User Name Entry:
User Name can not contain any of these characters [&quot;]</source>
        <translation>Nieprawidłowe imię:
imię nie może zawierać żadnego z tych znaków [&quot;]</translation>
    </message>
    <message>
        <source>Invalid Email Address Entry</source>
        <translation>Nieprawidłowy adres e-mail</translation>
    </message>
    <message>
        <source>Delete Participant %1</source>
        <translation>Usunąć uczestnika %1</translation>
    </message>
    <message>
        <source>Error while deleting Participant</source>
        <translation>Błąd podczas usuwania uczestnika</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Błąd podczas zapisywania informacji w pliku dziennika [%1]</translation>
    </message>
    <message>
        <source>No single loop found within %1 second.</source>
        <translation>W ciągu %1 sekundy nie znaleziono jednej pętli.</translation>
    </message>
    <message>
        <source>No single loop found within %1 seconds.</source>
        <translation>W ciągu %1 sekund nie znaleziono jednej pętli.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 second.</source>
        <translation>W ciągu %1 sekundy nie znaleziono losowania bez par wzajemnych.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 seconds.</source>
        <translation>W ciągu %1 sekund nie znaleziono losowania bez par wzajemnych.</translation>
    </message>
    <message>
        <source>exactly uniform</source>
        <translation>dokładnie równomierne</translation>
    </message>
    <message>
        <source>approximately uniform</source>
        <translation>w przybliżeniu równomierne</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>jedna pętla</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>bez par wzajemnych</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided (of %2 asked)</source>
        <translation>pominięto pary z ostatniego losowania (z %2 żądanych)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided (of %2 asked)</source>
        <translation>pominięto pary z ostatnich %1 losowań (z %2 żądanych)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided</source>
        <translation>pominięto pary z ostatniego losowania</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided</source>
        <translation>pominięto pary z ostatnich %1 losowań</translation>
    </message>
    <message>
        <source>single loop dropped</source>
        <translation>zrezygnowano z jednej pętli</translation>
    </message>
    <message>
        <source>no swapped pairs dropped</source>
        <translation>zrezygnowano z wykluczenia par wzajemnych</translation>
    </message>
    <message>
        <source>Drawing %1; options: %2</source>
        <translation>Losowanie %1; opcje: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>uczestnik %1</translation>
    </message>
    <message>
        <source>A drawing without swapped pairs is impossible: %1</source>
        <translation>Losowanie bez par wzajemnych jest niemożliwe: %1</translation>
    </message>
    <message>
        <source>A single loop through everybody is impossible: %1</source>
        <translation>Jedna pętla przez wszystkich jest niemożliwa: %1</translation>
    </message>
    <message>
        <source>Draw without the single loop?</source>
        <translation>Losować bez jednej pętli?</translation>
    </message>
    <message>
        <source>Draw allowing swapped pairs?</source>
        <translation>Losować, dopuszczając pary wzajemne?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawing makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Unikanie par z ostatniego losowania uniemożliwia losowanie: %2

Losować bez par z tego losowania (%3)?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawings makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Unikanie par z ostatnich %1 losowań uniemożliwia losowanie: %2

Losować bez par z najstarszego z nich (%3)?</translation>
    </message>
    <message>
        <source>Single click Participant Name to select for Re-Send</source>
        <translation>Kliknij raz imię uczestnika, aby wybrać go do ponownego wysłania</translation>
    </message>
</context>
<context>
    <name>SendDialog</name>
    <message>
        <source>The email subject line.  You can change the wording if you desire.</source>
        <translation>Temat wiadomości e-mail. Możesz dowolnie zmienić jego treść.</translation>
    </message>
    <message>
        <source>The email message text.  You can add any additional information here that you would like everyone to recieve.</source>
        <translation>Treść wiadomości e-mail. Możesz tu dodać dowolne informacje, które mają otrzymać wszyscy.</translation>
    </message>
    <message>
        <source>The email message trailer.  This line identifies the person you are a Secret Santa for.   Change this to read some thing different if you desire.</source>
        <translation>Zakończenie wiadomości. Ten wiersz podaje osobę, którą trzeba obdarować. Możesz go dowolnie zmienić.</translation>
    </message>
    <message>
        <source>Allows you to send a trial test to a single email address.  For example your own email address.</source>
        <translation>Pozwala wysłać próbę na jeden adres e-mail, na przykład Twój własny.</translation>
    </message>
    <message>
        <source>&lt;Person&apos;s Name&gt;</source>
        <translation>&lt;Imię osoby&gt;</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Send Email Notifications to Participants</source>
        <translation>Wyślij uczestnikom powiadomienia e-mail</translation>
    </message>
    <message>
        <source>The language of the message texts; texts you changed stay as typed.</source>
        <translation>Język tekstów wiadomości; teksty zmienione przez Ciebie pozostają bez zmian.</translation>
    </message>
    <message>
        <source>TestMode: Send all emails to this email addess</source>
        <translation>Tryb testowy: wyślij wszystkie e-maile na ten adres</translation>
    </message>
    <message>
        <source>e.g. 20 EUR</source>
        <translation>np. 20 EUR</translation>
    </message>
    <message>
        <source>e.g. 24 December, 6 pm</source>
        <translation>np. 24 grudnia, 18:00</translation>
    </message>
    <message>
        <source>e.g. the community hall</source>
        <translation>np. świetlica</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcjonalnie</translation>
    </message>
    <message>
        <source>Language of the email</source>
        <translation>Język wiadomości</translation>
    </message>
    <message>
        <source>Subject Line</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Messge Text</source>
        <translation>Treść wiadomości</translation>
    </message>
    <message>
        <source>Message Trailer</source>
        <translation>Zakończenie wiadomości</translation>
    </message>
    <message>
        <source>Event details (added to every message when filled in)</source>
        <translation>Szczegóły wydarzenia (dodawane do każdej wiadomości, jeśli są wypełnione)</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budżet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Reply by</source>
        <translation>Odpowiedź do</translation>
    </message>
    <message>
        <source>Send an Email Message to Participants</source>
        <translation>Wyślij uczestnikom wiadomość e-mail</translation>
    </message>
    <message>
        <source>NOTE: This email will not include Secret Santa information, it is intended to allow you to send out 
informational messages to the participants.  For Example you may want to send out an informational email 
to participants notifying them of a Secret Santa drawing they will be a part of.
</source>
        <translation>UWAGA: ten e-mail nie zawiera informacji z losowania Tajemniczego Mikołaja; służy do wysyłania 
wiadomości informacyjnych do uczestników. Możesz na przykład powiadomić ich 
o losowaniu Tajemniczego Mikołaja, w którym wezmą udział.
</translation>
    </message>
    <message>
        <source>Message Text to send</source>
        <translation>Treść wiadomości do wysłania</translation>
    </message>
    <message>
        <source>The subject line or the message text is empty.
Send the message to every participant anyway?</source>
        <translation>Temat lub treść wiadomości jest pusta.
Wysłać mimo to wiadomość do wszystkich uczestników?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>OAuthProvider must be microsoft, google or custom</source>
        <translation>OAuthProvider musi mieć wartość microsoft, google lub custom</translation>
    </message>
    <message>
        <source>OAuthAuthorizeURL is not set</source>
        <translation>OAuthAuthorizeURL nie jest ustawione</translation>
    </message>
    <message>
        <source>OAuthTokenURL is not set</source>
        <translation>OAuthTokenURL nie jest ustawione</translation>
    </message>
    <message>
        <source>no client ID: set OAuthClientID (this build has none for %1)</source>
        <translation>brak identyfikatora klienta: ustaw OAuthClientID (ta wersja nie ma go dla %1)</translation>
    </message>
    <message>
        <source>OAuthScopes is not set</source>
        <translation>OAuthScopes nie jest ustawione</translation>
    </message>
    <message>
        <source>Invalid SMTP Server entry</source>
        <translation>Nieprawidłowy wpis serwera SMTP</translation>
    </message>
    <message>
        <source>Invalid SMTP email address entry</source>
        <translation>Nieprawidłowy wpis adresu e-mail SMTP</translation>
    </message>
    <message>
        <source>Invalid SMTP name entry, must be longer than 2 characters</source>
        <translation>Nieprawidłowa nazwa SMTP, musi mieć więcej niż 2 znaki</translation>
    </message>
    <message>
        <source>Error Failed to Save Settings</source>
        <translation>Błąd: nie udało się zapisać ustawień</translation>
    </message>
</context>
<context>
    <name>Smtp</name>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
</source>
        <translation>Ponownie wysłane e-maile (%1) do
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
</source>
        <translation>Wysłane e-maile (%1) do
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>Ponownie wysłane e-maile: %1</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>Wysłane e-maile: %1</translation>
    </message>
    <message>
        <source>Server Disconnected, Automatic re-connecting in 10 seconds...</source>
        <translation>Serwer rozłączony, automatyczne ponowne połączenie za 10 sekund...</translation>
    </message>
    <message>
        <source> Re-Sending email %1 of %2 to %3 ...</source>
        <translation> Ponowne wysyłanie e-maila %1 z %2 do %3 ...</translation>
    </message>
    <message>
        <source> Sending email %1 of %2 to %3 ...</source>
        <translation> Wysyłanie e-maila %1 z %2 do %3 ...</translation>
    </message>
    <message>
        <source>No messages were sent</source>
        <translation>Nie wysłano żadnej wiadomości</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Re-Sent; the others were not notified</source>
        <translation>Ponownie wysłano %1 z %2 wiadomości; pozostali nie zostali powiadomieni</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Sent; the others were not notified</source>
        <translation>Wysłano %1 z %2 wiadomości; pozostali nie zostali powiadomieni</translation>
    </message>
    <message>
        <source>Nothing accepted the connection at %1: check the server name and port under Tools-&gt;Setup (587 for STARTTLS, 465 for implicit TLS).</source>
        <translation>Nic nie przyjęło połączenia pod %1: sprawdź nazwę serwera i port w Narzędzia-&gt;Ustawienia (587 dla STARTTLS, 465 dla niejawnego TLS).</translation>
    </message>
    <message>
        <source>The server name in %1 could not be found: check it under Tools-&gt;Setup and that this computer is online.</source>
        <translation>Nie znaleziono nazwy serwera w %1: sprawdź ją w Narzędzia-&gt;Ustawienia oraz czy ten komputer ma połączenie z siecią.</translation>
    </message>
    <message>
        <source>%1 did not answer: check the server name and port under Tools-&gt;Setup, and that no firewall blocks that port.</source>
        <translation>%1 nie odpowiedział: sprawdź nazwę serwera i port w Narzędzia-&gt;Ustawienia oraz czy zapora nie blokuje tego portu.</translation>
    </message>
    <message>
        <source>The connection to %1 failed: check that this computer is online and the server name and port under Tools-&gt;Setup.</source>
        <translation>Połączenie z %1 nie powiodło się: sprawdź, czy ten komputer ma połączenie z siecią, oraz nazwę serwera i port w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source>The server %1 refused the login: check the user name and password under Tools-&gt;Setup; many providers want an app password or a sign-in with the provider instead.</source>
        <translation>Serwer %1 odrzucił logowanie: sprawdź nazwę użytkownika i hasło w Narzędzia-&gt;Ustawienia; wielu dostawców wymaga zamiast tego hasła aplikacji lub logowania u dostawcy.</translation>
    </message>
    <message>
        <source>The server %1 is refusing for now: try again later, then re-send to those who were not notified.</source>
        <translation>Serwer %1 na razie odmawia: spróbuj później, a potem wyślij ponownie do osób, które nie zostały powiadomione.</translation>
    </message>
    <message>
        <source>The server %1 refused: check your email address and the server settings under Tools-&gt;Setup.</source>
        <translation>Serwer %1 odmówił: sprawdź swój adres e-mail i ustawienia serwera w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source>The server %1 answered in a way that does not fit this step: check that Tools-&gt;Setup names an SMTP server and its submission port.</source>
        <translation>Serwer %1 odpowiedział w sposób, który nie pasuje do tego kroku: sprawdź, czy w Narzędzia-&gt;Ustawienia podano serwer SMTP i jego port do wysyłki.</translation>
    </message>
    <message>
        <source>The connection to %1 ended: check that this computer is online, then re-send to those who were not notified.</source>
        <translation>Połączenie z %1 zostało przerwane: sprawdź, czy ten komputer ma połączenie z siecią, a potem wyślij ponownie do osób, które nie zostały powiadomione.</translation>
    </message>
    <message>
        <source>this program has no way to renew it here</source>
        <translation>ten program nie może jej tutaj odnowić</translation>
    </message>
    <message>
        <source>Invalid SMTP entry, please change setting under the Tools-&gt;Settings menu</source>
        <translation>Nieprawidłowy wpis SMTP, zmień ustawienie w menu Narzędzia-&gt;Ustawienia</translation>
    </message>
    <message>
        <source>Error Failed to connect to SMTP Server</source>
        <translation>Błąd: nie udało się połączyć z serwerem SMTP</translation>
    </message>
    <message>
        <source>Error This operation requires a internet connection</source>
        <translation>Błąd: ta operacja wymaga połączenia z internetem</translation>
    </message>
    <message>
        <source>No Messages selected to send</source>
        <translation>Nie wybrano wiadomości do wysłania</translation>
    </message>
    <message>
        <source>Connecting to SMTP mail server %1...</source>
        <translation>Łączenie z serwerem poczty SMTP %1...</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 sent a reply longer than this program accepts; the connection was closed.</source>
        <translation>Serwer poczty SMTP %1 wysłał dłuższą odpowiedź, niż ten program przyjmuje; połączenie zostało zamknięte.</translation>
    </message>
    <message>
        <source>SMTP Error</source>
        <translation>Błąd SMTP</translation>
    </message>
    <message>
        <source>A secure connection to the SMTP mail server %1 could not be established:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was sent over this connection.</source>
        <translation>Nie udało się nawiązać bezpiecznego połączenia z serwerem poczty SMTP %1:<byte value="xd"/>
%2<byte value="xd"/>
Tym połączeniem nic nie wysłano.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Serwer zamknął połączenie.</translation>
    </message>
    <message>
        <source>Winsock1 Error number %1</source>
        <translation>Błąd Winsock1 numer %1</translation>
    </message>
    <message>
        <source>Winsock1 Error</source>
        <translation>Błąd Winsock1</translation>
    </message>
    <message>
        <source>Re-Connecting to SMTP mail server %1...</source>
        <translation>Ponowne łączenie z serwerem poczty SMTP %1...</translation>
    </message>
    <message>
        <source>Error Failed to re-connect to SMTP Server</source>
        <translation>Błąd: nie udało się ponownie połączyć z serwerem SMTP</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>brak odpowiedzi dostawcy logowania w ciągu %1 s</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 did not answer within %2 seconds; the connection was closed.</source>
        <translation>Serwer poczty SMTP %1 nie odpowiedział w ciągu %2 s; połączenie zostało zamknięte.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed. Sign in again under Tools-&gt;Settings.</source>
        <translation>Nie udało się odnowić logowania. Zaloguj się ponownie w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again under Tools-&gt;Settings.</source>
        <translation>Nie udało się odnowić logowania: %1. Zaloguj się ponownie w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source>User aborted SMTP Error: </source>
        <translation>Błąd SMTP, przerwane przez użytkownika: </translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server %1...</source>
        <translation>Rozłączanie z serwerem poczty SMTP %1...</translation>
    </message>
    <message>
        <source>SMTP Error: </source>
        <translation>Błąd SMTP: </translation>
    </message>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Błąd podczas wysyłania wiadomości</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 offered a secure connection (STARTTLS) but refused to start it:<byte value="xd"/>
%2Nothing was sent over an unprotected connection.</source>
        <translation>Serwer poczty SMTP %1 zaoferował bezpieczne połączenie (STARTTLS), ale odmówił jego rozpoczęcia:<byte value="xd"/>
%2Niczego nie wysłano niezabezpieczonym połączeniem.</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 does not offer an encrypted connection (STARTTLS), so nothing was sent: no login and no message went over the network unprotected.</source>
        <translation>Serwer poczty SMTP %1 nie oferuje połączenia szyfrowanego (STARTTLS), więc nic nie wysłano: ani dane logowania, ani żadna wiadomość nie przeszły niezabezpieczone przez sieć.</translation>
    </message>
    <message>
        <source>An earlier connection of this run was encrypted; someone may be interfering with the connection.</source>
        <translation>Wcześniejsze połączenie tej wysyłki było szyfrowane; ktoś może ingerować w połączenie.</translation>
    </message>
    <message>
        <source>Use a server or port that offers encryption (port 465 or 587), or allow unencrypted SMTP under Tools-&gt;Settings.</source>
        <translation>Użyj serwera lub portu oferującego szyfrowanie (port 465 lub 587) albo zezwól na nieszyfrowany SMTP w Narzędzia-&gt;Ustawienia.</translation>
    </message>
    <message>
        <source> ERROR: SMTP mail server authentication not supported</source>
        <translation> BŁĄD: serwer poczty SMTP nie obsługuje uwierzytelniania</translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server: authentication not supported</source>
        <translation>Rozłączanie z serwerem poczty SMTP: uwierzytelnianie nieobsługiwane</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Zamykanie...</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Losowanie...</translation>
    </message>
    <message>
        <source>Calculating ...</source>
        <translation>Losowanie ...</translation>
    </message>
    <message>
        <source>Calculation Aborted, Too many Exclusions set</source>
        <translation>Losowanie przerwane, ustawiono zbyt wiele wykluczeń</translation>
    </message>
    <message>
        <source>Calculation Aborted</source>
        <translation>Losowanie przerwane</translation>
    </message>
    <message>
        <source>Updating Secret Santa Info...</source>
        <translation>Aktualizowanie informacji o losowaniu...</translation>
    </message>
    <message>
        <source>Re-Send Mode: Single click Participant Name to set for Re-Send</source>
        <translation>Tryb ponownego wysyłania: kliknij raz imię uczestnika, aby zaznaczyć go do ponownego wysłania</translation>
    </message>
    <message>
        <source>Saving participants to File...</source>
        <translation>Zapisywanie uczestników do pliku...</translation>
    </message>
    <message>
        <source>Adding participants from File...</source>
        <translation>Dodawanie uczestników z pliku...</translation>
    </message>
    <message>
        <source>Select Previous Drawing File from Saved History...</source>
        <translation>Wybierz plik poprzedniego losowania z zapisanej historii...</translation>
    </message>
    <message>
        <source>Select Previous Drawing Log File from Saved History...</source>
        <translation>Wybierz dziennik poprzedniego losowania z zapisanej historii...</translation>
    </message>
    <message>
        <source>Select participants from AddressBook to Add</source>
        <translation>Wybierz z książki adresowej uczestników do dodania</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New List</source>
        <translation>Nowa lista</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Otwórz listę</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Zapisz listę</translation>
    </message>
    <message>
        <source>Add participants from address book</source>
        <translation>Dodaj uczestników z książki adresowej</translation>
    </message>
    <message>
        <source>Add participants</source>
        <translation>Dodaj uczestników</translation>
    </message>
    <message>
        <source>Delete participant </source>
        <translation>Usuń uczestnika</translation>
    </message>
    <message>
        <source>Edit participant </source>
        <translation>Edytuj uczestnika</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Ustaw wykluczenie indywidualne</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Ustaw wykluczenie grupowe</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Wyczyść wykluczenia</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Losuj &amp;&amp; pokaż</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send</source>
        <translation>Losuj &amp;&amp; wyślij</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Anuluj ponowne wysyłanie</translation>
    </message>
    <message>
        <source>Re-Send...</source>
        <translation>Wyślij ponownie...</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Check For Updated Version of Hollymoor</source>
        <translation>Sprawdzanie nowej wersji Hollymoor</translation>
    </message>
    <message>
        <source>Failed: could not reach the update server
Check your internet connection, or try again later
</source>
        <translation>Niepowodzenie: nie udało się połączyć z serwerem aktualizacji
Sprawdź połączenie z internetem lub spróbuj ponownie później
</translation>
    </message>
    <message>
        <source>Failed: Unable to verify current version number
Try again later
</source>
        <translation>Niepowodzenie: nie udało się sprawdzić numeru bieżącej wersji
Spróbuj ponownie później
</translation>
    </message>
    <message>
        <source>You have the most recent version of Hollymoor
</source>
        <translation>Masz najnowszą wersję Hollymoor
</translation>
    </message>
    <message>
        <source>A new version %1 is now available for download.
Click on the link on the about dialog to download
or goto %2
</source>
        <translation>Nowa wersja %1 jest dostępna do pobrania.
Kliknij odnośnik w oknie „O programie”, aby ją pobrać,
lub przejdź do %2
</translation>
    </message>
    <message>
        <source>Failed: You do not appear to be connected to the internet
</source>
        <translation>Niepowodzenie: wygląda na to, że nie ma połączenia z internetem
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
        <translation>Zalogowano. Możesz zamknąć tę stronę i wrócić do Hollymoor.</translation>
    </message>
    <message>
        <source>the sign-in was declined</source>
        <translation>logowanie zostało odrzucone</translation>
    </message>
    <message>
        <source>the sign-in provider answered: %1</source>
        <translation>dostawca logowania odpowiedział: %1</translation>
    </message>
    <message>
        <source>no loopback port could be opened for the sign-in&apos;s answer</source>
        <translation>nie udało się otworzyć lokalnego portu na odpowiedź logowania</translation>
    </message>
    <message>
        <source>the sign-in provider sent no access token</source>
        <translation>dostawca logowania nie przesłał tokenu dostępu</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>brak odpowiedzi od dostawcy logowania w ciągu %1 s</translation>
    </message>
    <message>
        <source>not signed in</source>
        <translation>nie zalogowano</translation>
    </message>
</context>
<context>
    <name>ui::QtSecretStore</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>pęk kluczy nie odpowiedział</translation>
    </message>
</context>
<context>
    <name>ui::QtShell</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>No program is set up to open this address</source>
        <translation>Żaden program nie jest skonfigurowany do otwierania tego adresu</translation>
    </message>
</context>
<context>
    <name>ui::RunProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stopping after the message being sent (%1 of %2)...</source>
        <translation>Zatrzymywanie po wysłaniu bieżącej wiadomości (%1 z %2)...</translation>
    </message>
    <message>
        <source>Sending message %1 of %2</source>
        <translation>Wysyłanie wiadomości %1 z %2</translation>
    </message>
</context>
<context>
    <name>ui::SettingsDialog</name>
    <message>
        <source>&lt; type one in&gt;</source>
        <translation>&lt; wpisz własny&gt;</translation>
    </message>
    <message>
        <source>Choose MAPI when your default mail program is a MAPI mail client such as Microsoft Outlook or Outlook Express; on this system the MAPI choice hands every message to the system&apos;s mailer (a sendmail-compatible program). Otherwise choose SMTP.

Your outgoing (SMTP) server&apos;s name is in your mail program&apos;s account set-up or on your provider&apos;s support pages. It usually looks like &quot;mail.&quot; or &quot;smtp.&quot; followed by your provider&apos;s domain, for example mail.example.com or smtp.example.net.</source>
        <translation>Wybierz MAPI, jeśli Twój domyślny program pocztowy jest klientem MAPI, takim jak Microsoft Outlook lub Outlook Express; w tym systemie wybór MAPI przekazuje każdą wiadomość do systemowego programu wysyłającego pocztę (programu zgodnego z sendmail). W przeciwnym razie wybierz SMTP.

Nazwę serwera poczty wychodzącej (SMTP) znajdziesz w ustawieniach konta w programie pocztowym lub na stronach pomocy swojego dostawcy. Zwykle zaczyna się od „mail.” lub „smtp.”, po których następuje domena dostawcy, na przykład mail.example.com lub smtp.example.net.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Email Type</source>
        <translation>Sposób wysyłania</translation>
    </message>
    <message>
        <source>Send email using my SMTP email server</source>
        <translation>Wysyłaj e-maile przez mój serwer SMTP</translation>
    </message>
    <message>
        <source>Send email using my MAPI email client program</source>
        <translation>Wysyłaj e-maile przez mój program pocztowy MAPI</translation>
    </message>
    <message>
        <source>SMTP Settings:</source>
        <translation>Ustawienia SMTP:</translation>
    </message>
    <message>
        <source>Your Outgoing mail (SMTP) Server:</source>
        <translation>Serwer poczty wychodzącej (SMTP):</translation>
    </message>
    <message>
        <source>example: mail.example.com</source>
        <translation>przykład: mail.example.com</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Twój adres e-mail:</translation>
    </message>
    <message>
        <source>example: yourname@example.com</source>
        <translation>przykład: twojanazwa@example.com</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Twoje imię:</translation>
    </message>
    <message>
        <source>My SMTP Server Requires Authentication</source>
        <translation>Mój serwer SMTP wymaga uwierzytelniania</translation>
    </message>
    <message>
        <source>Your email password:</source>
        <translation>Hasło do poczty:</translation>
    </message>
    <message>
        <source>Allow sending without encryption (WARNING: your password and every message, the whole drawing, can then be read on the network)</source>
        <translation>Zezwalaj na wysyłanie bez szyfrowania (UWAGA: Twoje hasło i każdą wiadomość, czyli całe losowanie, będzie można wtedy odczytać w sieci)</translation>
    </message>
    <message>
        <source>Only for a server on your own machine or network that offers no STARTTLS.</source>
        <translation>Tylko dla serwera na Twoim komputerze lub w Twojej sieci, który nie oferuje STARTTLS.</translation>
    </message>
    <message>
        <source>List of SMTP Servers</source>
        <translation>Lista serwerów SMTP</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>A password is stored; type a new one to replace it</source>
        <translation>Hasło jest zapisane; wpisz nowe, aby je zastąpić</translation>
    </message>
</context>
<context>
    <name>ui::SignInBox</name>
    <message>
        <source>Sign-in and test:</source>
        <translation>Logowanie i test:</translation>
    </message>
    <message>
        <source>Sign in with my password</source>
        <translation>Zaloguj się moim hasłem</translation>
    </message>
    <message>
        <source>Sign in with my provider, in the browser:</source>
        <translation>Zaloguj się u mojego dostawcy w przeglądarce:</translation>
    </message>
    <message>
        <source>Sign in with Microsoft (Outlook.com, Hotmail, Microsoft 365)</source>
        <translation>Zaloguj się przez Microsoft (Outlook.com, Hotmail, Microsoft 365)</translation>
    </message>
    <message>
        <source>Sign in with Google (Gmail)</source>
        <translation>Zaloguj się przez Google (Gmail)</translation>
    </message>
    <message>
        <source>Sign in with another provider (set up with hollymoor-cli settings)</source>
        <translation>Zaloguj się przez innego dostawcę (skonfigurowanego poleceniem hollymoor-cli settings)</translation>
    </message>
    <message>
        <source>Send a test message to myself</source>
        <translation>Wyślij wiadomość testową do siebie</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Sign in...</source>
        <translation>Zaloguj się...</translation>
    </message>
    <message>
        <source>Signed in with %1 as %2.</source>
        <translation>Zalogowano przez %1 jako %2.</translation>
    </message>
    <message>
        <source>Signed in with %1.</source>
        <translation>Zalogowano przez %1.</translation>
    </message>
    <message>
        <source>Not signed in.</source>
        <translation>Nie zalogowano.</translation>
    </message>
    <message>
        <source>Cannot sign in: %1.</source>
        <translation>Nie można się zalogować: %1.</translation>
    </message>
    <message>
        <source>Waiting for the browser. If it did not open, open this address: %1</source>
        <translation>Oczekiwanie na przeglądarkę. Jeśli się nie otworzyła, otwórz ten adres: %1</translation>
    </message>
    <message>
        <source>Not signed in: %1.</source>
        <translation>Nie zalogowano: %1.</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>brak odpowiedzi przeglądarki w ciągu %1 s</translation>
    </message>
    <message>
        <source>Sending the test message to %1...</source>
        <translation>Wysyłanie wiadomości testowej do %1...</translation>
    </message>
</context>
<context>
    <name>ui::Slips</name>
    <message>
        <source>Secret Santa</source>
        <translation>Tajemniczy Mikołaj</translation>
    </message>
    <message>
        <source>Fold along the dotted line, printed side in. Open in private.</source>
        <translation>Złóż wzdłuż kropkowanej linii, zadrukowaną stroną do środka. Otwórz w samotności.</translation>
    </message>
</context>
<context>
    <name>ui::TestMessageSender</name>
    <message>
        <source>The SMTP entries are incomplete: the server, your address and your name are needed.</source>
        <translation>Ustawienia SMTP są niepełne: potrzebne są serwer, Twój adres i Twoje imię.</translation>
    </message>
    <message>
        <source>You are not signed in with your provider: choose Sign in first.</source>
        <translation>Nie zalogowano się u dostawcy: najpierw wybierz „Zaloguj się”.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again.</source>
        <translation>Nie udało się odnowić logowania: %1. Zaloguj się ponownie.</translation>
    </message>
</context>
<context>
    <name>ui::URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Nie można otworzyć &apos;%1&apos;: %2 (błąd %3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowRun</name>
    <message>
        <source>The delivery record could not be kept: %1

Sending goes on; note who was reached from the summary.</source>
        <translation>Nie udało się prowadzić rejestru wysyłek: %1

Wysyłanie trwa dalej; zanotuj z podsumowania, do kogo dotarły wiadomości.</translation>
    </message>
</context>
</TS>
