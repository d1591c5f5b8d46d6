<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>onbekende taal &apos;%1&apos; (beschikbaar: %2)</translation>
    </message>
    <message>
        <source>--seed needs a whole number, not &apos;%1&apos;</source>
        <translation>--seed verwacht een geheel getal, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; changing that one</source>
        <translation>de nieuwste versie van deze loting is [%1]; die wordt gewijzigd</translation>
    </message>
    <message>
        <source>notified:%1</source>
        <translation>ingelicht:%1</translation>
    </message>
    <message>
        <source>archived: %1 (and .htm)</source>
        <translation>gearchiveerd: %1 (en .htm)</translation>
    </message>
    <message>
        <source>%1: not notified:%2</source>
        <translation>%1: niet ingelicht:%2</translation>
    </message>
    <message>
        <source>to notify them: %1</source>
        <translation>om hen in te lichten: %1</translation>
    </message>
    <message>
        <source>%1: no change keeps every exclusion: %2</source>
        <translation>%1: geen enkele wijziging respecteert alle uitsluitingen: %2</translation>
    </message>
    <message>
        <source>%1: --%2 is required</source>
        <translation>%1: --%2 is verplicht</translation>
    </message>
    <message>
        <source>only a full redraw can include %1: add them to the roster and use hollymoor-cli send</source>
        <translation>alleen een volledig nieuwe loting kan %1 opnemen: voeg deze persoon toe aan de lijst en gebruik hollymoor-cli send</translation>
    </message>
    <message>
        <source>join: the change could not be archived; nothing was sent</source>
        <translation>join: de wijziging kon niet worden gearchiveerd; er is niets verzonden</translation>
    </message>
    <message>
        <source>leave: nobody named &apos;%1&apos; in [%2]</source>
        <translation>leave: niemand met de naam &apos;%1&apos; in [%2]</translation>
    </message>
    <message>
        <source>only a full redraw can go on without %1: remove them from the roster and use hollymoor-cli send</source>
        <translation>alleen een volledig nieuwe loting kan zonder %1: verwijder deze persoon uit de lijst en gebruik hollymoor-cli send</translation>
    </message>
    <message>
        <source>leave: the change could not be archived; nothing was sent</source>
        <translation>leave: de wijziging kon niet worden gearchiveerd; er is niets verzonden</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>onbekende opdracht &apos;%1&apos; (zie --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos; for &apos;%2&apos;</source>
        <translation>onbekende optie &apos;--%1&apos; voor &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>onbekende optie &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; takes no value</source>
        <translation>optie &apos;--%1&apos; neemt geen waarde aan</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value (%2)</source>
        <translation>optie &apos;--%1&apos; verwacht een waarde (%2)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; given more than once</source>
        <translation>optie &apos;--%1&apos; is meer dan eens opgegeven</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>geen opdracht opgegeven (zie --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; verwacht %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; for &apos;%2&apos;</source>
        <translation>onverwacht argument &apos;%1&apos; voor &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>fout: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>waarschuwing: </translation>
    </message>
    <message>
        <source>[answered %1]</source>
        <translation>[beantwoord met %1]</translation>
    </message>
    <message>
        <source>the SMTP settings are incomplete (server, address and name are needed); see hollymoor-cli settings --help</source>
        <translation>de SMTP-instellingen zijn onvolledig (server, adres en naam zijn nodig); zie hollymoor-cli settings --help</translation>
    </message>
    <message>
        <source>the SMTP server&apos;s port is not a number: [%1]</source>
        <translation>de poort van de SMTP-server is geen getal: [%1]</translation>
    </message>
    <message>
        <source>sign-in: %1</source>
        <translation>aanmelding: %1</translation>
    </message>
    <message>
        <source>not signed in with %1: run hollymoor-cli login first (or choose SMTPAuthMethod=password)</source>
        <translation>niet aangemeld bij %1: voer eerst hollymoor-cli login uit (of kies SMTPAuthMethod=password)</translation>
    </message>
    <message>
        <source>the system mailer [%1] is not installed; install one or choose SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</source>
        <translation>het mailprogramma van het systeem [%1] is niet geïnstalleerd; installeer er een of kies SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</translation>
    </message>
    <message>
        <source>warning: the re-send is not in the earlier ledger: %1</source>
        <translation type="vanished">waarschuwing: het opnieuw verzenden staat niet in het eerdere verzendlogboek: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>waarschuwing: %1</translation>
    </message>
    <message>
        <source>warning: the sign-in could not be renewed: %1</source>
        <translation>waarschuwing: de aanmelding kon niet worden vernieuwd: %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>nobody can give to %1 (everybody else excludes them)</source>
        <translation>niemand kan %1 iets geven (alle anderen sluiten deze persoon uit)</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody</source>
        <translation>%1 kan niemand iets geven</translation>
    </message>
    <message>
        <source>%1 can not give to anybody</source>
        <translation>%1 kunnen niemand iets geven</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receiver</source>
        <translation>%1 kunnen alleen %2 iets geven: %3 gevers voor %4 ontvanger</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receivers</source>
        <translation>%1 kunnen alleen %2 iets geven: %3 gevers voor %4 ontvangers</translation>
    </message>
    <message>
        <source>%1 can only give among themselves, so no single loop can include everybody</source>
        <translation>%1 kunnen alleen elkaar iets geven, dus geen enkele kring kan iedereen omvatten</translation>
    </message>
    <message>
        <source>no single loop runs through everybody (every possible drawing was counted)</source>
        <translation>geen enkele kring loopt langs iedereen (elke mogelijke loting is geteld)</translation>
    </message>
    <message>
        <source>every possible drawing has two people drawing each other (every possible drawing was counted)</source>
        <translation>in elke mogelijke loting trekken twee mensen elkaar (elke mogelijke loting is geteld)</translation>
    </message>
    <message>
        <source>the roster has no participants</source>
        <translation>de lijst heeft geen deelnemers</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>rij %1 (%2)</translation>
    </message>
    <message>
        <source>%1: empty name</source>
        <translation>%1: lege naam</translation>
    </message>
    <message>
        <source>%1: invalid e-mail address &quot;%2&quot;</source>
        <translation>%1: ongeldig e-mailadres &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: exclusion &quot;%2&quot; names no participant</source>
        <translation>%1: uitsluiting &quot;%2&quot; verwijst naar geen enkele deelnemer</translation>
    </message>
    <message>
        <source>%1 participant</source>
        <translation>%1 deelnemer</translation>
    </message>
    <message>
        <source>%1 participants</source>
        <translation>%1 deelnemers</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>probleem: %1</translation>
    </message>
    <message>
        <source>no drawing exists: %1</source>
        <translation>er is geen loting mogelijk: %1</translation>
    </message>
    <message>
        <source>a drawing exists</source>
        <translation>er is een loting mogelijk</translation>
    </message>
    <message>
        <source>draw: --seed needs a whole number, not &apos;%1&apos;</source>
        <translation>draw: --seed verwacht een geheel getal, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>draw: the roster has no participants</source>
        <translation>draw: de lijst heeft geen deelnemers</translation>
    </message>
    <message>
        <source>reason: %1</source>
        <translation>reden: %1</translation>
    </message>
    <message>
        <source>A drawing was found for %1 participants (not shown; use --reveal).</source>
        <translation>Er is een loting gevonden voor %1 deelnemers (niet getoond; gebruik --reveal).</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>deelnemer %1</translation>
    </message>
    <message>
        <source>%1: --avoid-years needs a whole number from 0 to 5, not &apos;%2&apos;</source>
        <translation>%1: --avoid-years verwacht een geheel getal van 0 tot en met 5, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawing in %2</source>
        <translation>let op: slechts %1 eerdere loting in %2</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawings in %2</source>
        <translation>let op: slechts %1 eerdere lotingen in %2</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawing</source>
        <translation>paren uit %1 eerdere loting vermeden</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawings</source>
        <translation>paren uit %1 eerdere lotingen vermeden</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>één enkele kring</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>geen wederzijdse paren</translation>
    </message>
    <message>
        <source>all options together</source>
        <translation>alle opties samen</translation>
    </message>
    <message>
        <source>a drawing exists (%1)</source>
        <translation>er is een loting mogelijk (%1)</translation>
    </message>
    <message>
        <source>unknown: none found within %1 seconds</source>
        <translation>onbekend: binnen %1 seconden geen gevonden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>onverwachte fout: %1</translation>
    </message>
    <message>
        <source>cannot read [%1]: %2</source>
        <translation>[%1] kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>cannot read [%1]: it is a folder</source>
        <translation>[%1] kan niet worden gelezen: het is een map</translation>
    </message>
    <message>
        <source>cannot read [%1]</source>
        <translation>[%1] kan niet worden gelezen</translation>
    </message>
    <message>
        <source>cannot read the message text [%1]</source>
        <translation>de berichttekst [%1] kan niet worden gelezen</translation>
    </message>
    <message>
        <source>--test-address is empty</source>
        <translation>--test-address is leeg</translation>
    </message>
    <message>
        <source>cannot use the data folder [%1]</source>
        <translation>de gegevensmap [%1] kan niet worden gebruikt</translation>
    </message>
    <message>
        <source>%1: %2 of %3 messages accepted; not notified: %4</source>
        <translation>%1: %2 van %3 berichten geaccepteerd; niet ingelicht: %4</translation>
    </message>
    <message>
        <source>%1: the drawing could not be archived, so nothing was sent</source>
        <translation>%1: de loting kon niet worden gearchiveerd, dus er is niets verzonden</translation>
    </message>
    <message>
        <source>send: the roster has no participants</source>
        <translation>send: de lijst heeft geen deelnemers</translation>
    </message>
    <message>
        <source>resend: name the participants with --to, or give --pending (not both)</source>
        <translation>resend: noem de deelnemers met --to, of geef --pending (niet allebei)</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; re-sending from that one</source>
        <translation>de nieuwste versie van deze loting is [%1]; die wordt opnieuw verzonden</translation>
    </message>
    <message>
        <source>resend: %1</source>
        <translation>resend: %1</translation>
    </message>
    <message>
        <source>Everyone in [%1] was notified; nothing to re-send.</source>
        <translation>Iedereen in [%1] is ingelicht; er is niets opnieuw te verzenden.</translation>
    </message>
    <message>
        <source>resend: nobody named &apos;%1&apos; in [%2]</source>
        <translation>resend: niemand met de naam &apos;%1&apos; in [%2]</translation>
    </message>
    <message>
        <source>message: --subject and --body-file are required</source>
        <translation>message: --subject en --body-file zijn verplicht</translation>
    </message>
    <message>
        <source>message: the roster has no participants</source>
        <translation>message: de lijst heeft geen deelnemers</translation>
    </message>
    <message>
        <source>settings: %1 must be 1 or 0, not &apos;%2&apos;</source>
        <translation>settings: %1 moet 1 of 0 zijn, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>settings: unknown setting &apos;%1&apos; (see hollymoor-cli settings --help)</source>
        <translation>settings: onbekende instelling &apos;%1&apos; (zie hollymoor-cli settings --help)</translation>
    </message>
    <message>
        <source>settings: no password on standard input</source>
        <translation>settings: geen wachtwoord op de standaardinvoer</translation>
    </message>
    <message>
        <source>the settings did not read back as written</source>
        <translation>de instellingen lazen niet terug zoals ze geschreven waren</translation>
    </message>
    <message>
        <source>settings: %1 must be one of %2, not &apos;%3&apos;</source>
        <translation>settings: %1 moet een van %2 zijn, niet &apos;%3&apos;</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>settings: %1</translation>
    </message>
    <message>
        <source>settings: --test changes nothing; run it on its own</source>
        <translation>settings: --test wijzigt niets; voer het afzonderlijk uit</translation>
    </message>
    <message>
        <source>settings: --allow-file-secret goes with --password-stdin</source>
        <translation>settings: --allow-file-secret hoort bij --password-stdin</translation>
    </message>
    <message>
        <source>settings: --set needs NAME=VALUE, not &apos;%1&apos;</source>
        <translation>settings: --set verwacht NAAM=WAARDE, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>settings: the password is not taken on the command line; use --password-stdin</source>
        <translation>settings: het wachtwoord wordt niet op de opdrachtregel aangenomen; gebruik --password-stdin</translation>
    </message>
    <message>
        <source>settings: MailerCommand is empty</source>
        <translation>settings: MailerCommand is leeg</translation>
    </message>
    <message>
        <source>settings: no system keyring is available, so the password was not saved; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>settings: er is geen sleutelbos van het systeem beschikbaar, dus het wachtwoord is niet opgeslagen; voer opnieuw uit met --allow-file-secret om het in het instellingenbestand te bewaren (alleen door u leesbaar)</translation>
    </message>
    <message>
        <source>warning: SMTP may now send the login and every message unencrypted when the server offers no STARTTLS</source>
        <translation>waarschuwing: SMTP mag nu de aanmelding en elk bericht onversleuteld verzenden als de server geen STARTTLS aanbiedt</translation>
    </message>
    <message>
        <source>settings: could not write [%1]: %2</source>
        <translation>settings: [%1] kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>login: --provider must be microsoft, google or custom, not &apos;%1&apos;</source>
        <translation>login: --provider moet microsoft, google of custom zijn, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: name the provider with --provider microsoft, google or custom</source>
        <translation>login: noem de provider met --provider microsoft, google of custom</translation>
    </message>
    <message>
        <source>login: --timeout needs a whole number of seconds, not &apos;%1&apos;</source>
        <translation>login: --timeout verwacht een geheel aantal seconden, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: %1</source>
        <translation>login: %1</translation>
    </message>
    <message>
        <source>Open this address to sign in: %1</source>
        <translation>Open dit adres om aan te melden: %1</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>geen antwoord van de browser binnen %1 seconden</translation>
    </message>
    <message>
        <source>login: %1; nothing was changed</source>
        <translation>login: %1; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>login: no system keyring is available, so the sign-in was not kept; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>login: er is geen sleutelbos van het systeem beschikbaar, dus de aanmelding is niet bewaard; voer opnieuw uit met --allow-file-secret om haar in het instellingenbestand te bewaren (alleen door u leesbaar)</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the settings file.</source>
        <translation>Aangemeld bij %1; de aanmelding wordt bewaard in het instellingenbestand.</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the keyring.</source>
        <translation>Aangemeld bij %1; de aanmelding wordt bewaard in de sleutelbos.</translation>
    </message>
    <message>
        <source>No SMTP server was set; it is now %1, the server of %2.</source>
        <translation>Er was geen SMTP-server ingesteld; het is nu %1, de server van %2.</translation>
    </message>
    <message>
        <source>logout: the sign-in could not be removed from [%1] or the keyring</source>
        <translation>logout: de aanmelding kon niet uit [%1] of de sleutelbos worden verwijderd</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with the provider is forgotten.</source>
        <translation>Afgemeld: de aanmelding bij de provider is vergeten.</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with %1 is forgotten.</source>
        <translation>Afgemeld: de aanmelding bij %1 is vergeten.</translation>
    </message>
    <message>
        <source>Not signed in; there was nothing to forget.</source>
        <translation>Niet aangemeld; er was niets te vergeten.</translation>
    </message>
    <message>
        <source>slips: --out FILE.pdf is required</source>
        <translation>slips: --out BESTAND.pdf is verplicht</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; printing that one</source>
        <translation>de nieuwste versie van deze loting is [%1]; die wordt afgedrukt</translation>
    </message>
    <message>
        <source>slips: give either --to or --pending</source>
        <translation>slips: geef --to of --pending, niet allebei</translation>
    </message>
    <message>
        <source>slips: %1</source>
        <translation>slips: %1</translation>
    </message>
    <message>
        <source>everybody was reached; no slips written</source>
        <translation>iedereen is bereikt; geen briefjes geschreven</translation>
    </message>
    <message>
        <source>slips: nobody named &apos;%1&apos; in [%2]</source>
        <translation>slips: niemand met de naam &apos;%1&apos; in [%2]</translation>
    </message>
    <message>
        <source>%1 slips written to %2</source>
        <translation>%1 briefjes geschreven naar %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>subject after the giver&apos;s name (default: the send dialog&apos;s subject)</source>
        <translation>onderwerp na de naam van de gever (standaard: het onderwerp van het verzendvenster)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (default: the send dialog&apos;s text)</source>
        <translation>berichttekst uit bestand F, &quot;-&quot; voor de standaardinvoer (standaard: de tekst van het verzendvenster)</translation>
    </message>
    <message>
        <source>text before the receiver&apos;s name (default: the send dialog&apos;s trailer)</source>
        <translation>tekst vóór de naam van de ontvanger (standaard: de slottekst van het verzendvenster)</translation>
    </message>
    <message>
        <source>send every message to A instead of the participants (test mode)</source>
        <translation>elk bericht naar A sturen in plaats van naar de deelnemers (testmodus)</translation>
    </message>
    <message>
        <source>the gift budget, added to every notification</source>
        <translation>het cadeaubudget, toegevoegd aan elke melding</translation>
    </message>
    <message>
        <source>the date of the exchange, added to every notification</source>
        <translation>de datum van de uitwisseling, toegevoegd aan elke melding</translation>
    </message>
    <message>
        <source>where the exchange takes place, added to every notification</source>
        <translation>waar de uitwisseling plaatsvindt, toegevoegd aan elke melding</translation>
    </message>
    <message>
        <source>the date to reply by, added to every notification</source>
        <translation>de datum waarvoor geantwoord moet worden, toegevoegd aan elke melding</translation>
    </message>
    <message>
        <source>language of the message&apos;s own texts: en, de, fr, es, nl or pl (default: the program&apos;s)</source>
        <translation>taal van de eigen teksten van het bericht: en, de, fr, es, nl of pl (standaard: die van het programma)</translation>
    </message>
    <message>
        <source>read a roster, report its problems and whether a drawing exists</source>
        <translation>een lijst lezen, de problemen ervan melden en zeggen of een loting mogelijk is</translation>
    </message>
    <message>
        <source>Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot
give or receive), 2 when the file cannot be read. With drawing options, one line per
option says whether a drawing exists under it: exit status 3 when one is proven
impossible, 1 when none was found within the time limit.</source>
        <translation>Afsluitstatus: 0 als een loting mogelijk is, 3 als er geen mogelijk is (de reden noemt wie
niet kan geven of ontvangen), 2 als het bestand niet gelezen kan worden. Met lotingsopties
zegt één regel per optie of er daarmee een loting mogelijk is: afsluitstatus 3 als er een
aantoonbaar onmogelijk is, 1 als er binnen de tijdslimiet geen gevonden is.</translation>
    </message>
    <message>
        <source>draw once, without sending anything</source>
        <translation>één keer loten, zonder iets te verzenden</translation>
    </message>
    <message>
        <source>Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no
drawing exists.</source>
        <translation>Meldt alleen dat er een loting is gevonden, tenzij --reveal is opgegeven. Afsluitstatus 3
als er geen loting mogelijk is.</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable drawings)</source>
        <translation>de willekeurbron met N initialiseren (herhaalbare lotingen)</translation>
    </message>
    <message>
        <source>print &quot;GIVER -&gt; RECEIVER&quot; for every participant, in roster order</source>
        <translation>&quot;GIVER -&gt; RECEIVER&quot; tonen voor elke deelnemer, in de volgorde van de lijst</translation>
    </message>
    <message>
        <source>Calculate &amp; Send: draw unseen, archive and notify everyone</source>
        <translation>Loten &amp; verzenden: ongezien loten, archiveren en iedereen inlichten</translation>
    </message>
    <message>
        <source>The drawing is archived under DATA-DIR/History (list file and HTML log) before any
message leaves; mail goes by the configured path (see &quot;settings&quot;). Status texts go to
standard error, the summary to standard output. Exit status 0 only when every message
was accepted.</source>
        <translation>De loting wordt gearchiveerd onder DATA-DIR/History (lijstbestand en HTML-logboek) voordat
er een bericht vertrekt; de post gaat via de ingestelde weg (zie &quot;settings&quot;).
Statusteksten gaan naar de standaardfoutuitvoer, de samenvatting naar de standaarduitvoer.
Afsluitstatus 0 alleen als elk bericht is geaccepteerd.</translation>
    </message>
    <message>
        <source>re-send an archived drawing to the named participants, or to everyone not reached</source>
        <translation>een gearchiveerde loting opnieuw sturen naar genoemden of niet-bereikten</translation>
    </message>
    <message>
        <source>ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with --to
are notified, with the receivers the archive holds; with --pending, everyone whose
message the archive&apos;s delivery ledger does not record as accepted (a message whose
answer never came is sent again).</source>
        <translation>ARCHIVE.hmr is een lijstbestand uit DATA-DIR/History. Alleen de met --to genoemde
deelnemers worden ingelicht, met de ontvangers die het archief bevat; met --pending
iedereen van wie het verzendlogboek van het archief het bericht niet als geaccepteerd
vermeldt (een bericht waarop nooit antwoord kwam, wordt opnieuw verzonden).</translation>
    </message>
    <message>
        <source>a participant to notify (exact name; give it once per person)</source>
        <translation>een deelnemer om in te lichten (exacte naam; één keer per persoon opgeven)</translation>
    </message>
    <message>
        <source>notify everyone the archive&apos;s ledger does not record as reached</source>
        <translation>iedereen inlichten die het verzendlogboek van het archief niet als bereikt vermeldt</translation>
    </message>
    <message>
        <source>add a late participant to a sent drawing, without a redraw</source>
        <translation>een laatkomer toevoegen aan een verzonden loting, zonder opnieuw te loten</translation>
    </message>
    <message>
        <source>One giver, chosen at random among those the exclusions allow, now gives to the newcomer,
and the newcomer to that giver&apos;s former receiver. Exactly those two are notified; the
giver&apos;s message says it replaces the earlier one. The change is archived as the next
version beside ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), whose newest version is the one
changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no
place keeps every exclusion.</source>
        <translation>Eén gever, willekeurig gekozen uit wie de uitsluitingen toelaten, geeft nu aan de
nieuwkomer, en de nieuwkomer aan de vroegere ontvanger van die gever. Precies die twee
worden ingelicht; het bericht aan de gever zegt dat het het eerdere vervangt. De wijziging
wordt gearchiveerd als volgende versie naast ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...); de nieuwste
versie daarvan wordt gewijzigd. Toont wie is ingelicht. Afsluitstatus 0, 1 als een bericht
mislukte, 3 als geen plaats alle uitsluitingen respecteert.</translation>
    </message>
    <message>
        <source>the newcomer&apos;s name (required)</source>
        <translation>de naam van de nieuwkomer (verplicht)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s address (required)</source>
        <translation>het adres van de nieuwkomer (verplicht)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s notes, gift suggestions or instructions</source>
        <translation>de notities van de nieuwkomer, cadeautips of aanwijzingen</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable changes)</source>
        <translation>de willekeurbron met N initialiseren (herhaalbare wijzigingen)</translation>
    </message>
    <message>
        <source>take a participant out of a sent drawing, without a redraw</source>
        <translation>een deelnemer uit een verzonden loting halen, zonder opnieuw te loten</translation>
    </message>
    <message>
        <source>The leaver&apos;s giver now gives to the leaver&apos;s receiver when the exclusions allow it;
otherwise as few givers as possible get a new receiver. Exactly the givers whose
receiver changed are notified, archived and reported as for join.</source>
        <translation>De gever van wie vertrekt geeft nu aan diens ontvanger als de uitsluitingen dat toelaten;
anders krijgen zo weinig mogelijk gevers een nieuwe ontvanger. Precies de gevers van wie
de ontvanger veranderde, worden ingelicht; archief en verslag zoals bij join.</translation>
    </message>
    <message>
        <source>the participant who leaves (required)</source>
        <translation>de deelnemer die vertrekt (verplicht)</translation>
    </message>
    <message>
        <source>print sealed slips of an archived drawing for people without e-mail</source>
        <translation>gesloten briefjes van een gearchiveerde loting afdrukken voor wie geen e-mail heeft</translation>
    </message>
    <message>
        <source>Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages show
only the givers&apos; names, the even page behind each the receivers and their notes. Cut,
fold each slip along its dotted line with the printed back inwards, and hand it out
unseen. One slip per participant, per person named with --to, or with --pending per
giver the archive&apos;s delivery ledgers do not record as reached.</source>
        <translation>Schrijft een pdf om dubbelzijdig af te drukken (omslaan over de lange kant): oneven
pagina&apos;s tonen alleen de namen van de gevers, de even pagina erachter de ontvangers en hun
notities. Knip, vouw elk briefje langs de stippellijn met de bedrukte achterkant naar
binnen en deel het ongezien uit. Eén briefje per deelnemer, per met --to genoemde persoon,
of met --pending per gever die de verzendlogboeken van het archief niet als bereikt
vermelden.</translation>
    </message>
    <message>
        <source>print the slip of this participant (give it once per person)</source>
        <translation>het briefje van deze deelnemer afdrukken (één keer per persoon opgeven)</translation>
    </message>
    <message>
        <source>print the slips of the givers no message reached</source>
        <translation>de briefjes afdrukken van de gevers die geen bericht heeft bereikt</translation>
    </message>
    <message>
        <source>where the PDF goes (required)</source>
        <translation>waar de pdf heen gaat (verplicht)</translation>
    </message>
    <message>
        <source>send a free-form message to every participant</source>
        <translation>een vrij bericht naar elke deelnemer sturen</translation>
    </message>
    <message>
        <source>subject after each participant&apos;s name (required)</source>
        <translation>onderwerp na de naam van elke deelnemer (verplicht)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (required)</source>
        <translation>berichttekst uit bestand F, &quot;-&quot; voor de standaardinvoer (verplicht)</translation>
    </message>
    <message>
        <source>show or change the mail settings</source>
        <translation>de mailinstellingen tonen of wijzigen</translation>
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
        <translation>Namen: UseSMTP (1 = eigen SMTP-client, 0 = mailprogramma van het systeem), SMTPServer
(host[:poort]), SMTPAccountName (uw adres), SMTPUserName (uw naam),
ServerRequiresAuthentication (1 of 0), MailerCommand (het mailprogramma van het systeem),
SMTPAuthMethod (password of oauth2), OAuthProvider (microsoft, google of custom) en, voor
custom of om een provider te overschrijven, OAuthAuthorizeURL, OAuthTokenURL,
OAuthClientID, OAuthScopes. Wijzigingen worden gecontroleerd zoals het instellingenvenster
ze controleert. Het wachtwoord wordt nooit op de opdrachtregel aangenomen: gebruik
--password-stdin. Geheimen gaan naar de sleutelbos van het systeem; waar die ontbreekt,
worden ze alleen met --allow-file-secret in het instellingenbestand bewaard
(HOLLYMOOR_KEYRING=none: altijd het bestand).</translation>
    </message>
    <message>
        <source>print the settings (secrets masked) and where the secrets are kept</source>
        <translation>de instellingen tonen (geheimen gemaskeerd) en waar de geheimen bewaard worden</translation>
    </message>
    <message>
        <source>change one setting</source>
        <translation>één instelling wijzigen</translation>
    </message>
    <message>
        <source>read the new password from the first line of standard input</source>
        <translation>het nieuwe wachtwoord van de eerste regel van de standaardinvoer lezen</translation>
    </message>
    <message>
        <source>without a keyring, keep the password in the settings file</source>
        <translation>zonder sleutelbos het wachtwoord in het instellingenbestand bewaren</translation>
    </message>
    <message>
        <source>send one test message to your own address and say how it went</source>
        <translation>één testbericht naar uw eigen adres sturen en zeggen hoe het ging</translation>
    </message>
    <message>
        <source>sign in with your mail provider in the browser (OAuth2)</source>
        <translation>in de browser aanmelden bij uw mailprovider (OAuth2)</translation>
    </message>
    <message>
        <source>Prints &quot;Open this address to sign in: URL&quot;, opens the browser (unless --no-browser),
and waits for the provider to send the browser back to this program on a loopback
port. The sign-in is kept in the system keyring and used from then on
(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider
defaults to the one chosen before, else the one of your address. For custom, set
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see &quot;settings&quot;).
Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out.</source>
        <translation>Toont &quot;Open dit adres om aan te melden: URL&quot;, opent de browser (tenzij --no-browser) en
wacht tot de provider de browser via een loopbackpoort terugstuurt naar dit programma. De
aanmelding wordt bewaard in de sleutelbos van het systeem en vanaf dan gebruikt
(SMTPAuthMethod=oauth2); het toegangstoken wordt vernieuwd voordat het verloopt. Standaard
is de provider de eerder gekozen, anders die van uw adres. Stel voor custom eerst
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID en OAuthScopes in (zie &quot;settings&quot;).
Afsluitstatus 0 na aanmelding, 1 als de aanmelding is geweigerd, mislukt of verlopen.</translation>
    </message>
    <message>
        <source>microsoft, google or custom</source>
        <translation>microsoft, google of custom</translation>
    </message>
    <message>
        <source>only print the address; open it yourself, on this computer</source>
        <translation>alleen het adres tonen; open het zelf, op deze computer</translation>
    </message>
    <message>
        <source>how long to wait for the browser (default 300)</source>
        <translation>hoe lang op de browser wordt gewacht (standaard 300)</translation>
    </message>
    <message>
        <source>without a keyring, keep the sign-in in the settings file</source>
        <translation>zonder sleutelbos de aanmelding in het instellingenbestand bewaren</translation>
    </message>
    <message>
        <source>forget the sign-in with your mail provider</source>
        <translation>de aanmelding bij uw mailprovider vergeten</translation>
    </message>
    <message>
        <source>Removes the refresh and access tokens from the keyring or the settings file. Sending
then needs a new login, or SMTPAuthMethod=password.</source>
        <translation>Verwijdert het vernieuwings- en het toegangstoken uit de sleutelbos of het
instellingenbestand. Verzenden vraagt dan een nieuwe login, of SMTPAuthMethod=password.</translation>
    </message>
    <message>
        <source>where &quot;Saved&quot;, &quot;History&quot; and &quot;smtp_session.log&quot; are kept</source>
        <translation>waar &quot;Saved&quot;, &quot;History&quot; en &quot;smtp_session.log&quot; staan</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>het instellingenbestand</translation>
    </message>
    <message>
        <source>show help (for a command: COMMAND --help)</source>
        <translation>hulp tonen (voor een opdracht: COMMAND --help)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>de versie tonen</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

The Hollymoor errands from a terminal or a script, with the same list files, archive,
settings and session log as the desktop program.

Commands:
</source>
        <translation>Gebruik: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

De taken van Hollymoor vanuit een terminal of een script, met dezelfde lijstbestanden,
hetzelfde archief, dezelfde instellingen en hetzelfde sessielogboek als het
desktopprogramma.

Opdrachten:
</translation>
    </message>
    <message>
        <source>Global options:</source>
        <translation>Algemene opties:</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the errand failed (for example a message was not
accepted), 2 bad usage or unreadable input, 3 no drawing exists.</source>
        <translation>Afsluitstatus: 0 gelukt, 1 de taak is mislukt (bijvoorbeeld een bericht is niet
geaccepteerd), 2 verkeerd gebruik of onleesbare invoer, 3 er is geen loting mogelijk.</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [global options]</source>
        <translation>Gebruik: hollymoor-cli [algemene opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>nobody draws anyone they drew in the last N archived drawings (0 to 5; matched by address, else by name)</source>
        <translation>niemand trekt iemand die hij in de laatste N gearchiveerde lotingen trok (0 tot en met 5; herkend aan het adres, anders aan de naam)</translation>
    </message>
    <message>
        <source>the gifts run as one single loop through everybody</source>
        <translation>de cadeaus lopen in één enkele kring langs iedereen</translation>
    </message>
    <message>
        <source>nobody draws the person who draws them</source>
        <translation>niemand trekt de persoon die hem trekt</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>The contacts file [%1] is not a regular file</source>
        <translation>Het contactenbestand [%1] is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The contacts file [%1] is larger than %2 MB</source>
        <translation>Het contactenbestand [%1] is groter dan %2 MB</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be opened</source>
        <translation>Het contactenbestand [%1] kon niet worden geopend</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be read</source>
        <translation>Het contactenbestand [%1] kon niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>
Test Mode: every message went to %1, not to the participants.</source>
        <translation>
Testmodus: alle berichten gingen naar %1, niet naar de deelnemers.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. The authors are not liable for any claim, damage or other liability arising from its use, including e-mail that is delayed, lost or delivered to the wrong person. Keep a copy of your list files and of the History folder.</source>
        <translation>Dit programma wordt geleverd &apos;zoals het is&apos;, zonder enige garantie, uitdrukkelijk of stilzwijgend. De auteurs zijn niet aansprakelijk voor enige claim, schade of andere aansprakelijkheid die voortvloeit uit het gebruik ervan, ook niet voor e-mail die vertraagd, verloren of aan de verkeerde persoon bezorgd wordt. Bewaar een kopie van uw lijstbestanden en van de map &apos;History&apos;.</translation>
    </message>
    <message>
        <source>Checking for a newer version sends your e-mail address (from Setup) to the update server.</source>
        <translation>Bij het zoeken naar een nieuwe versie wordt uw e-mailadres (uit de instellingen) naar de updateserver gestuurd.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Choose a contacts file (vCard .vcf or .csv) exported from your mail program or phone.</source>
        <translation>Kies een contactenbestand (vCard .vcf of .csv) dat u uit uw e-mailprogramma of telefoon hebt geëxporteerd.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>Contacts file</source>
        <translation>Contactenbestand</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filteren op naam of adres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Select all &amp;shown</source>
        <translation>Alle &amp;getoonde selecteren</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wordt gelezen...</translation>
    </message>
    <message>
        <source>%1 contact in %2</source>
        <translation>%1 contact in %2</translation>
    </message>
    <message>
        <source>%1 contacts in %2</source>
        <translation>%1 contacten in %2</translation>
    </message>
    <message>
        <source>; %1 entry skipped (no usable e-mail address)</source>
        <translation>; %1 item overgeslagen (geen bruikbaar e-mailadres)</translation>
    </message>
    <message>
        <source>; %1 entries skipped (no usable e-mail address)</source>
        <translation>; %1 items overgeslagen (geen bruikbaar e-mailadres)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>%1 &amp;toevoegen</translation>
    </message>
    <message>
        <source>Open Contacts File</source>
        <translation>Contactenbestand openen</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation>Contacten (*.vcf *.vcard *.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Drawing Options</source>
        <translation>Lotingopties</translation>
    </message>
    <message>
        <source>Nobody draws anyone they drew in this many of the latest archived drawings (matched by e-mail address, else by name).</source>
        <translation>Niemand trekt iemand die hij in zoveel van de laatste gearchiveerde lotingen trok (herkend aan het e-mailadres, anders aan de naam).</translation>
    </message>
    <message>
        <source>Avoid the pairs of the last drawings:</source>
        <translation>Paren van de laatste lotingen vermijden:</translation>
    </message>
    <message>
        <source>One single loop through everybody</source>
        <translation>Eén enkele kring langs iedereen</translation>
    </message>
    <message>
        <source>No swapped pairs (nobody draws the person who draws them)</source>
        <translation>Geen verwisselde paren (niemand trekt degene die hem trekt)</translation>
    </message>
    <message>
        <source>Load From File Options</source>
        <translation>Opties voor laden uit bestand</translation>
    </message>
    <message>
        <source>Clear Current Participants</source>
        <translation>Huidige deelnemers wissen</translation>
    </message>
    <message>
        <source>Add Participants from file to List</source>
        <translation>Deelnemers uit het bestand aan de lijst toevoegen</translation>
    </message>
    <message>
        <source>Include Exclusion information in file</source>
        <translation>Uitsluitingen uit het bestand overnemen</translation>
    </message>
    <message>
        <source>Add New Exclusions based on results of previous drawing </source>
        <translation>Nieuwe uitsluitingen toevoegen op basis van de vorige loting</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Naam van de deelnemer</translation>
    </message>
    <message>
        <source>Notes / Gift Suggestions</source>
        <translation>Notities / cadeausuggesties</translation>
    </message>
    <message>
        <source>Manual Addition of Participants</source>
        <translation>Deelnemers handmatig toevoegen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Edit Selected Participant</source>
        <translation>Geselecteerde deelnemer bewerken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Add Late Participant</source>
        <translation>Late deelnemer toevoegen</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing</source>
        <translation>Deelnemer uit de loting halen</translation>
    </message>
    <message>
        <source>Error Failed to Logon to MAPI Email Client, This function may not be available if your email client does not support MAPI, You must add the information by using the manual addition.</source>
        <translation>Fout: aanmelden bij het MAPI-e-mailprogramma is mislukt. Deze functie is mogelijk niet beschikbaar als uw e-mailprogramma MAPI niet ondersteunt. Voeg de gegevens dan met de hand toe.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>a drawing needs at least two participants</source>
        <translation>een loting heeft minstens twee deelnemers nodig</translation>
    </message>
    <message>
        <source>every participant is excluded from giving to %1</source>
        <translation>elke deelnemer is uitgesloten van geven aan %1</translation>
    </message>
    <message>
        <source>%1 is excluded from giving to every participant</source>
        <translation>%1 is uitgesloten van geven aan elke deelnemer</translation>
    </message>
    <message>
        <source>no participant who may give to %1 has a receiver %1 may give to</source>
        <translation>geen deelnemer die aan %1 mag geven, heeft een ontvanger aan wie %1 mag geven</translation>
    </message>
    <message>
        <source>once %1 leaves, nobody may give to the person %1 gives to</source>
        <translation>zodra %1 vertrekt, mag niemand geven aan de persoon aan wie %1 geeft</translation>
    </message>
    <message>
        <source>the gift %1 would have given cannot be passed on without breaking an exclusion</source>
        <translation>het cadeau dat %1 zou hebben gegeven, kan niet worden doorgegeven zonder een uitsluiting te schenden</translation>
    </message>
    <message>
        <source>the archived drawing does not match the participants and their exclusions</source>
        <translation>de gearchiveerde loting past niet bij de deelnemers en hun uitsluitingen</translation>
    </message>
    <message>
        <source>everybody may give to and receive from at least half of the others</source>
        <translation>iedereen mag aan minstens de helft van de anderen geven en van hen ontvangen</translation>
    </message>
    <message>
        <source>a drawing was found</source>
        <translation>er is een loting gevonden</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>deelnemer %1</translation>
    </message>
    <message>
        <source>A valid drawing exists.</source>
        <translation>Er is een geldige loting mogelijk.</translation>
    </message>
    <message>
        <source>Nobody may draw %1: everybody else excludes them.</source>
        <translation>Niemand mag %1 trekken: alle anderen sluiten deze persoon uit.</translation>
    </message>
    <message>
        <source>%1 may draw nobody.</source>
        <translation>%1 mogen niemand trekken.</translation>
    </message>
    <message>
        <source>%1 may draw only %2: %3 for %4 givers.</source>
        <translation>%1 mogen alleen %2 trekken: %3 voor %4 gevers.</translation>
    </message>
    <message>
        <source>%1 may give only among themselves, so no single loop can include everybody.</source>
        <translation>%1 mogen alleen elkaar iets geven, dus geen enkele kring kan iedereen omvatten.</translation>
    </message>
    <message>
        <source>No single loop through everybody exists: every possible drawing was counted.</source>
        <translation>Er bestaat geen enkele kring langs iedereen: elke mogelijke loting is geteld.</translation>
    </message>
    <message>
        <source>Every possible drawing has two people drawing each other: every possible drawing was counted.</source>
        <translation>In elke mogelijke loting trekken twee mensen elkaar: elke mogelijke loting is geteld.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error version of file must be 3.0 or greater</source>
        <translation>Fout: de bestandsversie moet 3.0 of hoger zijn</translation>
    </message>
    <message>
        <source>Error file does not contain Secret Santa history information</source>
        <translation>Fout: het bestand bevat geen gegevens van een Secret Santa-loting</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1] or its earlier versions</source>
        <translation>geen verzendlogboek naast [%1] of de eerdere versies ervan</translation>
    </message>
    <message>
        <source>the new participant needs a name</source>
        <translation>de nieuwe deelnemer heeft een naam nodig</translation>
    </message>
    <message>
        <source>there is already a participant named %1</source>
        <translation>er is al een deelnemer met de naam %1</translation>
    </message>
    <message>
        <source>the archive holds no complete drawing</source>
        <translation>het archief bevat geen volledige loting</translation>
    </message>
    <message>
        <source>no such participant</source>
        <translation>die deelnemer bestaat niet</translation>
    </message>
    <message>
        <source>Error while attempting to save information to file [%1]</source>
        <translation>Fout bij het opslaan van de gegevens in het bestand [%1]</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Fout bij het opslaan van de gegevens in het logbestand [%1]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Alle bestanden (*.*)|*.*|Secret Santa-bestanden (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Secret Santa-bestanden (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the participant list?
Your changes are lost if you do not save them.</source>
        <translation>Wilt u de wijzigingen in de deelnemerslijst opslaan?
Uw wijzigingen gaan verloren als u ze niet opslaat.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to [%1]?
Your changes are lost if you do not save them.</source>
        <translation>Wilt u de wijzigingen in [%1] opslaan?
Uw wijzigingen gaan verloren als u ze niet opslaat.</translation>
    </message>
    <message>
        <source>Nobody was marked for re-sending: %1</source>
        <translation>Niemand is gemarkeerd om opnieuw te verzenden: %1</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm</source>
        <translation>Alle bestanden (*.*)|*.*|Secret Santa-logbestanden (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Unable to open [%1]
No program on this computer could show it; open the file with a web browser.</source>
        <translation>Kan [%1] niet openen
Geen programma op deze computer kon het tonen; open het bestand met een webbrowser.</translation>
    </message>
    <message>
        <source>Error while Checking File Version from file [%1] on line number %2</source>
        <translation>Fout bij het controleren van de bestandsversie van [%1] op regel %2</translation>
    </message>
    <message>
        <source>a list needs at least two participants</source>
        <translation>een lijst heeft minstens twee deelnemers nodig</translation>
    </message>
    <message>
        <source>Error while Loading Participant Information from file [%1] on line number %2</source>
        <translation>Fout bij het laden van de deelnemersgegevens uit [%1] op regel %2</translation>
    </message>
    <message>
        <source>the file holds more than %1 participants</source>
        <translation>het bestand bevat meer dan %1 deelnemers</translation>
    </message>
    <message>
        <source>Error while Loading Exclusion Information from file [%1] on line number %2</source>
        <translation>Fout bij het laden van de uitsluitingen uit [%1] op regel %2</translation>
    </message>
    <message>
        <source>Error while Loading Secret Santa ReSend Information from file [%1] on line number %2</source>
        <translation>Fout bij het laden van de gegevens voor opnieuw verzenden uit [%1] op regel %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Exclusion #</source>
        <translation>Uitsluiting</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Naam van de deelnemer</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Secret Santa For</source>
        <translation>Secret Santa voor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Unable to find the help page [%1]</source>
        <translation>Kan de helppagina [%1] niet vinden</translation>
    </message>
    <message>
        <source>Unable to open the help page [%1]: %2</source>
        <translation>Kan de helppagina [%1] niet openen: %2</translation>
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
        <translation>Gebruik: hollymoor [OPTIE]...
Organiseert een Secret Santa-cadeauruil: houd de deelnemerslijst bij, leg vast wie
wie niet mag trekken, loot willekeurig en mail iedere gever zijn ontvanger.

  -h, --help     deze hulp tonen en afsluiten
      --version  de versie van het programma tonen en afsluiten

Andere opties zijn die van de Qt-toolkit (bijvoorbeeld -platform, -style).
</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>cannot read the delivery ledger [%1]</source>
        <translation>het verzendlogboek [%1] kan niet worden gelezen</translation>
    </message>
    <message>
        <source>[%1] is not a delivery ledger</source>
        <translation>[%1] is geen verzendlogboek</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] already holds a run</source>
        <translation>het verzendlogboek [%1] bevat al een verzending</translation>
    </message>
    <message>
        <source>cannot write the delivery ledger [%1]: %2</source>
        <translation>het verzendlogboek [%1] kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>not attempted</source>
        <translation>niet geprobeerd</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>onderweg</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>geaccepteerd</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>geweigerd</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>onbevestigd</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
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
        <translation>%1: geweigerd, %2</translation>
    </message>
    <message>
        <source>%1: the connection ended before the server confirmed the message</source>
        <translation>%1: de verbinding eindigde voordat de server het bericht bevestigde</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1: niet verzonden</translation>
    </message>
    <message>
        <source>%1: not sent (last try: %2)</source>
        <translation>%1: niet verzonden (laatste poging: %2)</translation>
    </message>
    <message>
        <source>These participants were not notified:
%1</source>
        <translation>Deze deelnemers zijn niet ingelicht:
%1</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing with the newest file in History and mark them to send their notifications again.</source>
        <translation>Kies &apos;Vorige loting opnieuw verzenden&apos; met het nieuwste bestand in History en markeer hen om hun meldingen opnieuw te verzenden.</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1]</source>
        <translation>geen verzendlogboek naast [%1]</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] records no deliveries</source>
        <translation>het verzendlogboek [%1] vermeldt geen bezorgingen</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] names %2 in row %3, which [%4] does not hold</source>
        <translation>het verzendlogboek [%1] noemt %2 in rij %3, die [%4] niet bevat</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>The test message to %1 was accepted for delivery.</source>
        <translation>Het testbericht aan %1 is geaccepteerd voor bezorging.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered.</source>
        <translation>Het testbericht aan %1 is niet bezorgd.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered: %2</source>
        <translation>Het testbericht aan %1 is niet bezorgd: %2</translation>
    </message>
    <message>
        <source>The test message goes to your own e-mail address. Enter it as the sender&apos;s address first.</source>
        <translation>Het testbericht gaat naar uw eigen e-mailadres. Vul dat eerst in als adres van de afzender.</translation>
    </message>
</context>
<context>
    <name>Mailer</name>
    <message>
        <source>No mailer command is set</source>
        <translation>Er is geen mailopdracht ingesteld</translation>
    </message>
    <message>
        <source>The mailer [%1] was not found or may not be run; install a sendmail-compatible program or change the mailer command</source>
        <translation>Het mailprogramma [%1] is niet gevonden of mag niet worden uitgevoerd; installeer een sendmail-compatibel programma of wijzig de mailopdracht</translation>
    </message>
    <message>
        <source>No mail session is open</source>
        <translation>Er is geen mailsessie geopend</translation>
    </message>
    <message>
        <source>No message is being composed</source>
        <translation>Er wordt geen bericht opgesteld</translation>
    </message>
    <message>
        <source>No address book is available</source>
        <translation>Er is geen adresboek beschikbaar</translation>
    </message>
    <message>
        <source>The address book was cancelled</source>
        <translation>Het adresboek is geannuleerd</translation>
    </message>
    <message>
        <source>Invalid recipient index</source>
        <translation>Ongeldige ontvangerindex</translation>
    </message>
    <message>
        <source>No recipient</source>
        <translation>Geen ontvanger</translation>
    </message>
    <message>
        <source>The message has no recipient</source>
        <translation>Het bericht heeft geen ontvanger</translation>
    </message>
    <message>
        <source>The mailer cannot show a message before sending it</source>
        <translation>Het mailprogramma kan een bericht niet tonen voordat het wordt verzonden</translation>
    </message>
    <message>
        <source>The address [%1] is not an e-mail address</source>
        <translation>Het adres [%1] is geen e-mailadres</translation>
    </message>
    <message>
        <source>The mailer [%1] could not be started: %2</source>
        <translation>Het mailprogramma [%1] kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 second and was stopped</source>
        <translation>Het mailprogramma [%1] was niet binnen %2 seconde klaar en is gestopt</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 seconds and was stopped</source>
        <translation>Het mailprogramma [%1] was niet binnen %2 seconden klaar en is gestopt</translation>
    </message>
    <message>
        <source>The mailer [%1] was ended by signal %2</source>
        <translation>Het mailprogramma [%1] is beëindigd door signaal %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2</source>
        <translation>Het mailprogramma [%1] is mislukt met afsluitstatus %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2: %3</source>
        <translation>Het mailprogramma [%1] is mislukt met afsluitstatus %2: %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Er worden nog berichten verzonden. Hollymoor sluiten en het verzenden stoppen?

Wie nog niet bereikt is, kan later worden ingelicht met &apos;Vorige loting opnieuw verzenden&apos;.</translation>
    </message>
</context>
<context>
    <name>Mapi</name>
    <message>
        <source>Error while attempting to send messages to MAPI Email Client</source>
        <translation>Fout bij het doorgeven van de berichten aan het e-mailprogramma</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been re-sent.</source>
        <translation>%1 e-mails opnieuw verzonden naar
%2
<byte value="xd"/><byte value="xd"/>Controleer in het Postvak UIT van uw e-mailprogramma of de berichten opnieuw zijn verzonden.</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been sent.</source>
        <translation>%1 e-mails verzonden naar
%2
<byte value="xd"/><byte value="xd"/>Controleer in het Postvak UIT van uw e-mailprogramma of de berichten zijn verzonden.</translation>
    </message>
    <message>
        <source> Re-Sending email to %1 ...</source>
        <translation> E-mail wordt opnieuw naar %1 verzonden ...</translation>
    </message>
    <message>
        <source> Sending email to %1 ...</source>
        <translation> E-mail wordt naar %1 verzonden ...</translation>
    </message>
    <message>
        <source>Sending was cancelled; the remaining messages were not sent</source>
        <translation>Het verzenden is geannuleerd; de overige berichten zijn niet verzonden</translation>
    </message>
    <message>
        <source>Logging on to MAPI Email Client...</source>
        <translation>Aanmelden bij het MAPI-e-mailprogramma...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Logoff Failure: </source>
        <translation>Afmelden mislukt: </translation>
    </message>
    <message>
        <source>Logging into MAPI Email Client...</source>
        <translation>Aanmelden bij het MAPI-e-mailprogramma...</translation>
    </message>
    <message>
        <source>No message had been handed to the mail client.</source>
        <translation>Er was nog geen bericht aan het e-mailprogramma overgedragen.</translation>
    </message>
    <message>
        <source>%1 Mail Messages had already been handed to the mail client:
%2</source>
        <translation>%1 e-mails waren al aan het e-mailprogramma overgedragen:
%2</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 e-mails verzonden</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 e-mails opnieuw verzonden</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Ne&amp;w List</source>
        <translation>&amp;Nieuwe lijst</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>Lijst &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>Lijst op&amp;slaan...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Add Participants</source>
        <translation>Deelnemers toevoegen</translation>
    </message>
    <message>
        <source>Using Address Book...</source>
        <translation>Uit het adresboek...</translation>
    </message>
    <message>
        <source>Using Manual Entry...</source>
        <translation>Handmatig invoeren...</translation>
    </message>
    <message>
        <source>Edit Participant...</source>
        <translation>Deelnemer bewerken...</translation>
    </message>
    <message>
        <source>Delete Participant...</source>
        <translation>Deelnemer verwijderen...</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Groepsuitsluiting instellen</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Individuele uitsluiting instellen</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Selectie wissen</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Uitsluitingen wissen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Loten &amp;&amp; bekijken</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send ...</source>
        <translation>Loten &amp;&amp; verzenden ...</translation>
    </message>
    <message>
        <source>Drawing &amp;Options...</source>
        <translation>Loting&amp;opties...</translation>
    </message>
    <message>
        <source>Send Participants an Email...</source>
        <translation>Deelnemers een e-mail sturen...</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing...</source>
        <translation>Vorige loting opnieuw verzenden...</translation>
    </message>
    <message>
        <source>View Previous Drawing&apos;s Information</source>
        <translation>Gegevens van de vorige loting bekijken</translation>
    </message>
    <message>
        <source>Add Late Participant...</source>
        <translation>Late deelnemer toevoegen...</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing...</source>
        <translation>Deelnemer uit de loting halen...</translation>
    </message>
    <message>
        <source>Print Sealed Slips...</source>
        <translation>Gesloten briefjes afdrukken...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Demos</source>
        <translation>Demo&apos;s</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Getting Started (The Basics)</source>
        <translation>Aan de slag (de basis)</translation>
    </message>
    <message>
        <source>Re-Sending Previous Drawing</source>
        <translation>Vorige loting opnieuw verzenden</translation>
    </message>
    <message>
        <source>Viewing HTML history File</source>
        <translation>HTML-geschiedenisbestand bekijken</translation>
    </message>
    <message>
        <source>Website...</source>
        <translation>Website...</translation>
    </message>
    <message>
        <source>WebSite FAQ...</source>
        <translation>Veelgestelde vragen op de website...</translation>
    </message>
    <message>
        <source>WebSite Support...</source>
        <translation>Ondersteuning op de website...</translation>
    </message>
    <message>
        <source>&amp;Check For Updated Version</source>
        <translation>Op nieuwe &amp;versie controleren</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Opnieuw verzenden annuleren</translation>
    </message>
    <message>
        <source>Save List &amp;As...</source>
        <translation>Lijst opslaan &amp;als...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>This message was sent to you using the Hollymoor</source>
        <translation>Dit bericht is naar u verzonden met Hollymoor</translation>
    </message>
    <message>
        <source>Get Your copy at %1</source>
        <translation>Haal uw eigen exemplaar op %1</translation>
    </message>
    <message>
        <source>This message replaces the Secret Santa message you received earlier.<byte value="xd"/>
The drawing has changed: please disregard the earlier message and give to the<byte value="xd"/>
person named in this one.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Dit bericht vervangt het Secret Santa-bericht dat je eerder hebt ontvangen.<byte value="xd"/>
De loting is gewijzigd: negeer het eerdere bericht en geef een cadeau aan de<byte value="xd"/>
persoon die in dit bericht staat.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Notes, Gift Suggestions, or Special Instructions for %1:</source>
        <translation>Notities, cadeausuggesties of speciale instructies voor %1:</translation>
    </message>
    <message>
        <source>Gift budget: %1</source>
        <translation>Budget voor het cadeau: %1</translation>
    </message>
    <message>
        <source>Date of the exchange: %1</source>
        <translation>Datum van de uitwisseling: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Plaats: %1</translation>
    </message>
    <message>
        <source>Please reply by: %1</source>
        <translation>Graag antwoorden vóór: %1</translation>
    </message>
    <message>
        <source>Your Secret Santa Information Enclosed</source>
        <translation>Jouw Secret Santa-gegevens</translation>
    </message>
    <message>
        <source>Important Secret Santa Message!!<byte value="xd"/>
<byte value="xd"/>
The person you have been choosen to be a Secret Santa for<byte value="xd"/>
 is named at the end of this email message<byte value="xd"/>
</source>
        <translation>Belangrijk Secret Santa-bericht!!<byte value="xd"/>
<byte value="xd"/>
De persoon voor wie jij Secret Santa bent<byte value="xd"/>
 staat onderaan dit e-mailbericht<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are a Secret Santa for</source>
        <translation>Jij bent Secret Santa voor</translation>
    </message>
</context>
<context>
    <name>Providers</name>
    <message>
        <source>Gmail: create an app password at https://myaccount.google.com/apppasswords (2-Step Verification on); or sign in with Google</source>
        <translation>Gmail: maak een app-wachtwoord aan op https://myaccount.google.com/apppasswords (verificatie in twee stappen aan), of meld u aan met Google</translation>
    </message>
    <message>
        <source>Outlook.com: passwords, app passwords included, are refused; sign in with Microsoft</source>
        <translation>Outlook.com: wachtwoorden, ook app-wachtwoorden, worden geweigerd; meld u aan met Microsoft</translation>
    </message>
    <message>
        <source>Microsoft 365: sign in with Microsoft; password sign-in is being turned off</source>
        <translation>Microsoft 365: meld u aan met Microsoft; aanmelden met een wachtwoord wordt uitgeschakeld</translation>
    </message>
    <message>
        <source>Yahoo Mail: create an app password at https://login.yahoo.com/account/security</source>
        <translation>Yahoo Mail: maak een app-wachtwoord aan op https://login.yahoo.com/account/security</translation>
    </message>
    <message>
        <source>iCloud Mail: create an app-specific password at https://account.apple.com (Sign-In and Security)</source>
        <translation>iCloud Mail: maak een app-specifiek wachtwoord aan op https://account.apple.com (Inloggen en beveiliging)</translation>
    </message>
    <message>
        <source>GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first</source>
        <translation>GMX: sta eerst toegang door andere mailprogramma&apos;s (POP3/IMAP) toe in de instellingen van GMX</translation>
    </message>
    <message>
        <source>WEB.DE: allow access by other mail programs (POP3/IMAP) in the WEB.DE settings first</source>
        <translation>WEB.DE: sta eerst toegang door andere mailprogramma&apos;s (POP3/IMAP) toe in de instellingen van WEB.DE</translation>
    </message>
    <message>
        <source>Fastmail: create an app password under Settings, Privacy &amp; Security</source>
        <translation>Fastmail: maak een app-wachtwoord aan onder Settings, Privacy &amp; Security</translation>
    </message>
    <message>
        <source>Zoho Mail: with two-factor sign-in on, create an application-specific password</source>
        <translation>Zoho Mail: maak bij ingeschakelde tweestapsaanmelding een applicatiespecifiek wachtwoord aan</translation>
    </message>
    <message>
        <source>Proton Mail: start Proton Mail Bridge and use the user name and password it shows</source>
        <translation>Proton Mail: start Proton Mail Bridge en gebruik de gebruikersnaam en het wachtwoord die het toont</translation>
    </message>
    <message>
        <source>%1 sends only from the account you signed in with (%2), not from %3</source>
        <translation>%1 verzendt alleen vanaf het account waarmee u bent aangemeld (%2), niet vanaf %3</translation>
    </message>
    <message>
        <source>%1 sends only from the account you sign in with; %2 is not a %1 address</source>
        <translation>%1 verzendt alleen vanaf het account waarmee u zich aanmeldt; %2 is geen adres van %1</translation>
    </message>
    <message>
        <source>Microsoft no longer accepts passwords for this account: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings instead of a password.</source>
        <translation>Microsoft accepteert voor dit account geen wachtwoorden meer: kies &quot;Aanmelden met Microsoft&quot; onder Extra-&gt;Instellingen in plaats van een wachtwoord.</translation>
    </message>
    <message>
        <source>Microsoft 365 has turned off password sign-in for this mailbox: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings.</source>
        <translation>Microsoft 365 heeft aanmelden met een wachtwoord voor deze mailbox uitgeschakeld: kies &quot;Aanmelden met Microsoft&quot; onder Extra-&gt;Instellingen.</translation>
    </message>
    <message>
        <source>Microsoft refused the sign-in: check the password, or sign in with Microsoft; a work account may need its administrator to allow authenticated SMTP.</source>
        <translation>Microsoft heeft de aanmelding geweigerd: controleer het wachtwoord, of meld u aan met Microsoft; bij een werkaccount moet de beheerder mogelijk geverifieerde SMTP toestaan.</translation>
    </message>
    <message>
        <source>Microsoft refuses mail from an address other than the signed-in account: make &quot;Your email address&quot; the account you sign in with.</source>
        <translation>Microsoft weigert mail van een ander adres dan het aangemelde account: vul bij &quot;Uw e-mailadres&quot; het account in waarmee u zich aanmeldt.</translation>
    </message>
    <message>
        <source>Gmail wants an app password: turn on 2-Step Verification, create one at https://myaccount.google.com/apppasswords and enter it as the password, or sign in with Google.</source>
        <translation>Gmail wil een app-wachtwoord: zet verificatie in twee stappen aan, maak er een aan op https://myaccount.google.com/apppasswords en vul het in als wachtwoord, of meld u aan met Google.</translation>
    </message>
    <message>
        <source>The server did not accept the user name and password: check them; Gmail, Yahoo and iCloud need an app password, not your normal one.</source>
        <translation>De server heeft gebruikersnaam en wachtwoord niet geaccepteerd: controleer ze; Gmail, Yahoo en iCloud hebben een app-wachtwoord nodig, niet uw gewone wachtwoord.</translation>
    </message>
    <message>
        <source>The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the server entry.</source>
        <translation>De server wil eerst een versleutelde verbinding: gebruik poort 587 (STARTTLS) of 465 in de serverinvoer.</translation>
    </message>
    <message>
        <source>The server is limiting how fast or how much you send: wait an hour or so, then re-send to the participants who were not notified.</source>
        <translation>De server beperkt hoe snel of hoeveel u verzendt: wacht ongeveer een uur en verzend dan opnieuw naar de deelnemers die niet zijn ingelicht.</translation>
    </message>
    <message>
        <source>The daily sending limit of this account is reached: re-send to the participants who were not notified tomorrow.</source>
        <translation>De dagelijkse verzendlimiet van dit account is bereikt: verzend morgen opnieuw naar de deelnemers die niet zijn ingelicht.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation type="vanished">Late deelnemer toevoegen</translation>
    </message>
    <message>
        <source>The newcomer&apos;s Secret Santa message goes to this address, so it is needed.</source>
        <translation>Het bericht van de nieuwkomer gaat naar dit adres, daarom is het nodig.</translation>
    </message>
    <message>
        <source>Please enter an e-mail address for the late participant: their Secret Santa message goes there, and the drawing&apos;s list file keeps an address for everybody.</source>
        <translation>Vul een e-mailadres in voor de late deelnemer: daar gaat het bericht naartoe, en het lijstbestand van de loting bewaart voor iedereen een adres.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>The change is saved as %1.
Nothing was sent. To notify exactly the people whose Secret Santa changed (%2), use Calculate &amp; Send now; they are marked for Re-Send.</source>
        <translation>De wijziging is opgeslagen als %1.
Er is niets verzonden. Gebruik nu Loten &amp; verzenden om precies de mensen te berichten van wie de ontvanger veranderde (%2); zij zijn gemarkeerd om opnieuw te verzenden.</translation>
    </message>
    <message>
        <source>No message reached %1. Print slips only for them?

No prints a slip for everybody.</source>
        <translation>Geen bericht bereikte %1. Alleen voor hen briefjes afdrukken?

Nee drukt voor iedereen een briefje af.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark Name</source>
        <translation>Naam &amp;markeren of markering opheffen</translation>
    </message>
    <message>
        <source>the sign-in provider refused: %1</source>
        <translation>de aanmeldingsdienst weigerde: %1</translation>
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
        <translation>uw provider</translation>
    </message>
    <message>
        <source>The re-send could not be recorded in the earlier drawing&apos;s ledger: </source>
        <translation type="vanished">Het opnieuw verzenden kon niet worden vastgelegd in het verzendlogboek van de eerdere loting: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>De loting kon niet worden opgeslagen in de map History [%1], dus er is geen bericht verzonden. Uw lijst is ongewijzigd.

Zorg dat er in die map geschreven kan worden en dat de schijf vrije ruimte heeft, en kies dan opnieuw &apos;Loten &amp; verzenden&apos;.</translation>
    </message>
    <message>
        <source>No place in this drawing keeps every exclusion: %1.
Only a full redraw can include %2: add them to the list and use Calculate &amp; Send.</source>
        <translation>Geen plaats in deze loting houdt alle uitsluitingen in stand: %1.
Alleen een volledig nieuwe loting kan %2 opnemen: zet die persoon op de lijst en gebruik Loten &amp; verzenden.</translation>
    </message>
    <message>
        <source>Participant who leaves</source>
        <translation>Deelnemer die afhaakt</translation>
    </message>
    <message>
        <source>Nobody named %1 takes part in this drawing.</source>
        <translation>Niemand met de naam %1 doet mee aan deze loting.</translation>
    </message>
    <message>
        <source>No change to this drawing keeps every exclusion: %1.
Only a full redraw can go on without %2.</source>
        <translation>Geen wijziging van deze loting houdt alle uitsluitingen in stand: %1.
Alleen een volledig nieuwe loting kan zonder %2 verder.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>PDF-bestanden (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slips could not be printed: %1</source>
        <translation>De briefjes konden niet worden afgedrukt: %1</translation>
    </message>
    <message>
        <source>%1 slips saved to %2.
Print on both sides (flip on the long edge), cut, and fold each slip along its dotted line with the printed back inwards.</source>
        <translation>Briefjes opgeslagen in %2: %1.
Druk dubbelzijdig af (omslaan langs de lange kant), knip ze uit en vouw elk briefje langs de stippellijn met de bedrukte achterkant naar binnen.</translation>
    </message>
    <message>
        <source>The event details could not be saved next to %1; they are kept as the default for the next exchange.</source>
        <translation>De details van het evenement konden niet naast %1 worden opgeslagen; ze blijven bewaard als standaard voor de volgende ruil.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>the exclusion list field</source>
        <translation>het veld van de uitsluitingslijst</translation>
    </message>
    <message>
        <source>the name field</source>
        <translation>het naamveld</translation>
    </message>
    <message>
        <source>the e-mail address field</source>
        <translation>het veld van het e-mailadres</translation>
    </message>
    <message>
        <source>the drawn name field</source>
        <translation>het veld van de getrokken naam</translation>
    </message>
    <message>
        <source>the notes field</source>
        <translation>het notitieveld</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds a double quote (a quote may be missing)</source>
        <translation>%1 &quot;%2&quot; bevat een dubbel aanhalingsteken (misschien ontbreekt er een)</translation>
    </message>
    <message>
        <source>%1 has no closing quote</source>
        <translation>%1 heeft geen afsluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>%1 holds a stray double quote</source>
        <translation>%1 bevat een los dubbel aanhalingsteken</translation>
    </message>
    <message>
        <source>the record ends after %1 field where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>het record eindigt na %1 veld waar er %2 verwacht worden (misschien ontbreekt een aanhalingsteken, of het record is over meerdere regels verdeeld)</translation>
    </message>
    <message>
        <source>the record ends after %1 fields where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>het record eindigt na %1 velden waar er %2 verwacht worden (misschien ontbreekt een aanhalingsteken, of het record is over meerdere regels verdeeld)</translation>
    </message>
    <message>
        <source>%1 holds a control character</source>
        <translation>%1 bevat een stuurteken</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>de naam is leeg</translation>
    </message>
    <message>
        <source>the e-mail address holds a control character</source>
        <translation>het e-mailadres bevat een stuurteken</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; holds &quot;,&quot; (a quote may be missing)</source>
        <translation>het e-mailadres &quot;%1&quot; bevat &quot;,&quot; (misschien ontbreekt een aanhalingsteken)</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; does not look like an e-mail address</source>
        <translation>het e-mailadres &quot;%1&quot; lijkt niet op een e-mailadres</translation>
    </message>
    <message>
        <source>the file ends before the record does</source>
        <translation>het bestand eindigt vóór het record</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>the file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor Windows-1252 text</source>
        <translation>het bestand bevat NUL-tekens: het is geen UTF-8, geen UTF-16 met bytevolgordemarkering en geen Windows-1252-tekst</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (big-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>het bestand is beschadigde UTF-16 (big-endian): het eindigt midden in een teken of bevat een kapot surrogaatpaar</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (little-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>het bestand is beschadigde UTF-16 (little-endian): het eindigt midden in een teken of bevat een kapot surrogaatpaar</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Fout bij het verzenden van de berichten</translation>
    </message>
    <message>
        <source>Calculation Aborted: You may have too many Exclusions set.</source>
        <translation>Loting afgebroken: misschien zijn er te veel uitsluitingen ingesteld.</translation>
    </message>
    <message>
        <source>Invalid User Name Entry:
User Name can not contain any of these characters [&quot;]</source>
        <translation>Ongeldige naam:
de naam mag geen van deze tekens bevatten [&quot;]</translation>
    </message>
    <message>
        <source>Invalid Email Address Entry</source>
        <translation>Ongeldig e-mailadres</translation>
    </message>
    <message>
        <source>Delete Participant %1</source>
        <translation>Deelnemer %1 verwijderen</translation>
    </message>
    <message>
        <source>Error while deleting Participant</source>
        <translation>Fout bij het verwijderen van de deelnemer</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Fout bij het opslaan van de gegevens in het logbestand [%1]</translation>
    </message>
    <message>
        <source>No single loop found within %1 second.</source>
        <translation>Binnen %1 seconde is geen enkele kring gevonden.</translation>
    </message>
    <message>
        <source>No single loop found within %1 seconds.</source>
        <translation>Binnen %1 seconden is geen enkele kring gevonden.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 second.</source>
        <translation>Binnen %1 seconde is geen loting zonder verwisselde paren gevonden.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 seconds.</source>
        <translation>Binnen %1 seconden is geen loting zonder verwisselde paren gevonden.</translation>
    </message>
    <message>
        <source>exactly uniform</source>
        <translation>exact uniform</translation>
    </message>
    <message>
        <source>approximately uniform</source>
        <translation>bij benadering uniform</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>één enkele kring</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>geen verwisselde paren</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided (of %2 asked)</source>
        <translation>paren van de laatste loting vermeden (van %2 gevraagd)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided (of %2 asked)</source>
        <translation>paren van de laatste %1 lotingen vermeden (van %2 gevraagd)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided</source>
        <translation>paren van de laatste loting vermeden</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided</source>
        <translation>paren van de laatste %1 lotingen vermeden</translation>
    </message>
    <message>
        <source>single loop dropped</source>
        <translation>enkele kring losgelaten</translation>
    </message>
    <message>
        <source>no swapped pairs dropped</source>
        <translation>&apos;geen verwisselde paren&apos; losgelaten</translation>
    </message>
    <message>
        <source>Drawing %1; options: %2</source>
        <translation>Loting %1; opties: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>deelnemer %1</translation>
    </message>
    <message>
        <source>A drawing without swapped pairs is impossible: %1</source>
        <translation>Een loting zonder verwisselde paren is onmogelijk: %1</translation>
    </message>
    <message>
        <source>A single loop through everybody is impossible: %1</source>
        <translation>Eén enkele kring langs iedereen is onmogelijk: %1</translation>
    </message>
    <message>
        <source>Draw without the single loop?</source>
        <translation>Loten zonder de enkele kring?</translation>
    </message>
    <message>
        <source>Draw allowing swapped pairs?</source>
        <translation>Loten en verwisselde paren toestaan?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawing makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Het vermijden van de paren van de laatste loting maakt de loting onmogelijk: %2

Loten zonder de paren van die loting (%3)?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawings makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Het vermijden van de paren van de laatste %1 lotingen maakt de loting onmogelijk: %2

Loten zonder de paren van de oudste daarvan (%3)?</translation>
    </message>
    <message>
        <source>Single click Participant Name to select for Re-Send</source>
        <translation>Klik één keer op de naam van een deelnemer om die te kiezen om opnieuw te verzenden</translation>
    </message>
</context>
<context>
    <name>SendDialog</name>
    <message>
        <source>The email subject line.  You can change the wording if you desire.</source>
        <translation>De onderwerpregel van de e-mail. U kunt de tekst naar wens aanpassen.</translation>
    </message>
    <message>
        <source>The email message text.  You can add any additional information here that you would like everyone to recieve.</source>
        <translation>De tekst van de e-mail. Hier kunt u extra informatie toevoegen die iedereen moet ontvangen.</translation>
    </message>
    <message>
        <source>The email message trailer.  This line identifies the person you are a Secret Santa for.   Change this to read some thing different if you desire.</source>
        <translation>Het slot van de e-mail. Deze regel noemt de persoon voor wie men Secret Santa is. Pas deze naar wens aan.</translation>
    </message>
    <message>
        <source>Allows you to send a trial test to a single email address.  For example your own email address.</source>
        <translation>Hiermee stuurt u een proef naar één e-mailadres, bijvoorbeeld uw eigen adres.</translation>
    </message>
    <message>
        <source>&lt;Person&apos;s Name&gt;</source>
        <translation>&lt;Naam van de persoon&gt;</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Verzenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Send Email Notifications to Participants</source>
        <translation>E-mailmeldingen naar de deelnemers sturen</translation>
    </message>
    <message>
        <source>The language of the message texts; texts you changed stay as typed.</source>
        <translation>De taal van de berichtteksten; teksten die u hebt gewijzigd blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>TestMode: Send all emails to this email addess</source>
        <translation>Testmodus: alle e-mails naar dit adres sturen</translation>
    </message>
    <message>
        <source>e.g. 20 EUR</source>
        <translation>bijv. 20 EUR</translation>
    </message>
    <message>
        <source>e.g. 24 December, 6 pm</source>
        <translation>bijv. 24 december, 18.00 uur</translation>
    </message>
    <message>
        <source>e.g. the community hall</source>
        <translation>bijv. het buurthuis</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optioneel</translation>
    </message>
    <message>
        <source>Language of the email</source>
        <translation>Taal van de e-mail</translation>
    </message>
    <message>
        <source>Subject Line</source>
        <translation>Onderwerpregel</translation>
    </message>
    <message>
        <source>Messge Text</source>
        <translation>Berichttekst</translation>
    </message>
    <message>
        <source>Message Trailer</source>
        <translation>Slot van het bericht</translation>
    </message>
    <message>
        <source>Event details (added to every message when filled in)</source>
        <translation>Details van het evenement (aan elk bericht toegevoegd als ze zijn ingevuld)</translation>
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
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Reply by</source>
        <translation>Antwoorden vóór</translation>
    </message>
    <message>
        <source>Send an Email Message to Participants</source>
        <translation>Deelnemers een e-mailbericht sturen</translation>
    </message>
    <message>
        <source>NOTE: This email will not include Secret Santa information, it is intended to allow you to send out 
informational messages to the participants.  For Example you may want to send out an informational email 
to participants notifying them of a Secret Santa drawing they will be a part of.
</source>
        <translation>LET OP: deze e-mail bevat geen Secret Santa-gegevens; hij is bedoeld om de deelnemers 
informatie te sturen. U kunt de deelnemers bijvoorbeeld laten weten 
dat ze meedoen aan een Secret Santa-loting.
</translation>
    </message>
    <message>
        <source>Message Text to send</source>
        <translation>Te verzenden berichttekst</translation>
    </message>
    <message>
        <source>The subject line or the message text is empty.
Send the message to every participant anyway?</source>
        <translation>De onderwerpregel of de berichttekst is leeg.
Het bericht toch naar alle deelnemers sturen?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>OAuthProvider must be microsoft, google or custom</source>
        <translation>OAuthProvider moet microsoft, google of custom zijn</translation>
    </message>
    <message>
        <source>OAuthAuthorizeURL is not set</source>
        <translation>OAuthAuthorizeURL is niet ingesteld</translation>
    </message>
    <message>
        <source>OAuthTokenURL is not set</source>
        <translation>OAuthTokenURL is niet ingesteld</translation>
    </message>
    <message>
        <source>no client ID: set OAuthClientID (this build has none for %1)</source>
        <translation>geen client-ID: stel OAuthClientID in (deze build heeft er geen voor %1)</translation>
    </message>
    <message>
        <source>OAuthScopes is not set</source>
        <translation>OAuthScopes is niet ingesteld</translation>
    </message>
    <message>
        <source>Invalid SMTP Server entry</source>
        <translation>Ongeldige SMTP-serverinvoer</translation>
    </message>
    <message>
        <source>Invalid SMTP email address entry</source>
        <translation>Ongeldige invoer van het SMTP-e-mailadres</translation>
    </message>
    <message>
        <source>Invalid SMTP name entry, must be longer than 2 characters</source>
        <translation>Ongeldige SMTP-naam, die moet langer zijn dan 2 tekens</translation>
    </message>
    <message>
        <source>Error Failed to Save Settings</source>
        <translation>Fout: de instellingen konden niet worden opgeslagen</translation>
    </message>
</context>
<context>
    <name>Smtp</name>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
</source>
        <translation>%1 e-mails opnieuw verzonden naar
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
</source>
        <translation>%1 e-mails verzonden naar
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 e-mails opnieuw verzonden</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 e-mails verzonden</translation>
    </message>
    <message>
        <source>Server Disconnected, Automatic re-connecting in 10 seconds...</source>
        <translation>Verbinding met de server verbroken, automatisch opnieuw verbinden over 10 seconden...</translation>
    </message>
    <message>
        <source> Re-Sending email %1 of %2 to %3 ...</source>
        <translation> E-mail %1 van %2 wordt opnieuw naar %3 verzonden ...</translation>
    </message>
    <message>
        <source> Sending email %1 of %2 to %3 ...</source>
        <translation> E-mail %1 van %2 wordt naar %3 verzonden ...</translation>
    </message>
    <message>
        <source>No messages were sent</source>
        <translation>Er zijn geen berichten verzonden</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Re-Sent; the others were not notified</source>
        <translation>%1 van %2 e-mails opnieuw verzonden; de anderen zijn niet op de hoogte gebracht</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Sent; the others were not notified</source>
        <translation>%1 van %2 e-mails verzonden; de anderen zijn niet op de hoogte gebracht</translation>
    </message>
    <message>
        <source>Nothing accepted the connection at %1: check the server name and port under Tools-&gt;Setup (587 for STARTTLS, 465 for implicit TLS).</source>
        <translation>Niets nam de verbinding aan op %1: controleer de servernaam en poort onder Extra-&gt;Instellingen (587 voor STARTTLS, 465 voor impliciete TLS).</translation>
    </message>
    <message>
        <source>The server name in %1 could not be found: check it under Tools-&gt;Setup and that this computer is online.</source>
        <translation>De servernaam in %1 is niet gevonden: controleer hem onder Extra-&gt;Instellingen en of deze computer online is.</translation>
    </message>
    <message>
        <source>%1 did not answer: check the server name and port under Tools-&gt;Setup, and that no firewall blocks that port.</source>
        <translation>%1 antwoordde niet: controleer de servernaam en poort onder Extra-&gt;Instellingen, en of geen firewall die poort blokkeert.</translation>
    </message>
    <message>
        <source>The connection to %1 failed: check that this computer is online and the server name and port under Tools-&gt;Setup.</source>
        <translation>De verbinding met %1 is mislukt: controleer of deze computer online is, en de servernaam en poort onder Extra-&gt;Instellingen.</translation>
    </message>
    <message>
        <source>The server %1 refused the login: check the user name and password under Tools-&gt;Setup; many providers want an app password or a sign-in with the provider instead.</source>
        <translation>De server %1 weigerde de aanmelding: controleer gebruikersnaam en wachtwoord onder Extra-&gt;Instellingen; veel aanbieders willen in plaats daarvan een app-wachtwoord of aanmelden bij de aanbieder.</translation>
    </message>
    <message>
        <source>The server %1 is refusing for now: try again later, then re-send to those who were not notified.</source>
        <translation>De server %1 weigert op dit moment: probeer het later opnieuw en stuur dan opnieuw naar wie niet op de hoogte is gebracht.</translation>
    </message>
    <message>
        <source>The server %1 refused: check your email address and the server settings under Tools-&gt;Setup.</source>
        <translation>De server %1 weigerde: controleer uw e-mailadres en de serverinstellingen onder Extra-&gt;Instellingen.</translation>
    </message>
    <message>
        <source>The server %1 answered in a way that does not fit this step: check that Tools-&gt;Setup names an SMTP server and its submission port.</source>
        <translation>De server %1 gaf een antwoord dat niet bij deze stap past: controleer of Extra-&gt;Instellingen een SMTP-server en zijn verzendpoort noemt.</translation>
    </message>
    <message>
        <source>The connection to %1 ended: check that this computer is online, then re-send to those who were not notified.</source>
        <translation>De verbinding met %1 is verbroken: controleer of deze computer online is en stuur dan opnieuw naar wie niet op de hoogte is gebracht.</translation>
    </message>
    <message>
        <source>this program has no way to renew it here</source>
        <translation>dit programma kan deze hier niet vernieuwen</translation>
    </message>
    <message>
        <source>Invalid SMTP entry, please change setting under the Tools-&gt;Settings menu</source>
        <translation>Ongeldige SMTP-invoer, wijzig de instelling in het menu Extra-&gt;Instellingen</translation>
    </message>
    <message>
        <source>Error Failed to connect to SMTP Server</source>
        <translation>Fout: verbinden met de SMTP-server mislukt</translation>
    </message>
    <message>
        <source>Error This operation requires a internet connection</source>
        <translation>Fout: voor deze bewerking is een internetverbinding nodig</translation>
    </message>
    <message>
        <source>No Messages selected to send</source>
        <translation>Geen berichten geselecteerd om te verzenden</translation>
    </message>
    <message>
        <source>Connecting to SMTP mail server %1...</source>
        <translation>Verbinden met SMTP-mailserver %1...</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 sent a reply longer than this program accepts; the connection was closed.</source>
        <translation>De SMTP-mailserver %1 stuurde een langer antwoord dan dit programma aanneemt; de verbinding is gesloten.</translation>
    </message>
    <message>
        <source>SMTP Error</source>
        <translation>SMTP-fout</translation>
    </message>
    <message>
        <source>A secure connection to the SMTP mail server %1 could not be established:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was sent over this connection.</source>
        <translation>Er kon geen beveiligde verbinding met de SMTP-mailserver %1 worden opgezet:<byte value="xd"/>
%2<byte value="xd"/>
Er is niets via deze verbinding verzonden.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>De server heeft de verbinding gesloten.</translation>
    </message>
    <message>
        <source>Winsock1 Error number %1</source>
        <translation>Winsock1-fout nummer %1</translation>
    </message>
    <message>
        <source>Winsock1 Error</source>
        <translation>Winsock1-fout</translation>
    </message>
    <message>
        <source>Re-Connecting to SMTP mail server %1...</source>
        <translation>Opnieuw verbinden met SMTP-mailserver %1...</translation>
    </message>
    <message>
        <source>Error Failed to re-connect to SMTP Server</source>
        <translation>Fout: opnieuw verbinden met de SMTP-server mislukt</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>geen antwoord van de aanmeldprovider binnen %1 seconden</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 did not answer within %2 seconds; the connection was closed.</source>
        <translation>De SMTP-mailserver %1 antwoordde niet binnen %2 seconden; de verbinding is gesloten.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed. Sign in again under Tools-&gt;Settings.</source>
        <translation>De aanmelding kon niet worden vernieuwd. Meld u opnieuw aan onder Extra-&gt;Instellingen.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again under Tools-&gt;Settings.</source>
        <translation>De aanmelding kon niet worden vernieuwd: %1. Meld u opnieuw aan onder Extra-&gt;Instellingen.</translation>
    </message>
    <message>
        <source>User aborted SMTP Error: </source>
        <translation>SMTP-fout, afgebroken door de gebruiker: </translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server %1...</source>
        <translation>Verbinding met SMTP-mailserver %1 wordt verbroken...</translation>
    </message>
    <message>
        <source>SMTP Error: </source>
        <translation>SMTP-fout: </translation>
    </message>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Fout bij het verzenden van de berichten</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 offered a secure connection (STARTTLS) but refused to start it:<byte value="xd"/>
%2Nothing was sent over an unprotected connection.</source>
        <translation>De SMTP-mailserver %1 bood een beveiligde verbinding (STARTTLS) aan, maar weigerde die te starten:<byte value="xd"/>
%2Er is niets via een onbeveiligde verbinding verzonden.</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 does not offer an encrypted connection (STARTTLS), so nothing was sent: no login and no message went over the network unprotected.</source>
        <translation>De SMTP-mailserver %1 biedt geen versleutelde verbinding (STARTTLS) aan, dus er is niets verzonden: geen aanmelding en geen bericht ging onbeveiligd over het netwerk.</translation>
    </message>
    <message>
        <source>An earlier connection of this run was encrypted; someone may be interfering with the connection.</source>
        <translation>Een eerdere verbinding van deze verzending was versleuteld; misschien grijpt iemand in op de verbinding.</translation>
    </message>
    <message>
        <source>Use a server or port that offers encryption (port 465 or 587), or allow unencrypted SMTP under Tools-&gt;Settings.</source>
        <translation>Gebruik een server of poort met versleuteling (poort 465 of 587), of sta onversleutelde SMTP toe onder Extra-&gt;Instellingen.</translation>
    </message>
    <message>
        <source> ERROR: SMTP mail server authentication not supported</source>
        <translation> FOUT: de SMTP-mailserver ondersteunt geen verificatie</translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server: authentication not supported</source>
        <translation>Verbinding met de SMTP-mailserver wordt verbroken: verificatie niet ondersteund</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Bezig met afsluiten...</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Bezig met loten...</translation>
    </message>
    <message>
        <source>Calculating ...</source>
        <translation>Bezig met loten ...</translation>
    </message>
    <message>
        <source>Calculation Aborted, Too many Exclusions set</source>
        <translation>Loting afgebroken, te veel uitsluitingen ingesteld</translation>
    </message>
    <message>
        <source>Calculation Aborted</source>
        <translation>Loting afgebroken</translation>
    </message>
    <message>
        <source>Updating Secret Santa Info...</source>
        <translation>Secret Santa-gegevens worden bijgewerkt...</translation>
    </message>
    <message>
        <source>Re-Send Mode: Single click Participant Name to set for Re-Send</source>
        <translation>Modus opnieuw verzenden: klik één keer op de naam van een deelnemer om die te markeren</translation>
    </message>
    <message>
        <source>Saving participants to File...</source>
        <translation>Deelnemers worden in het bestand opgeslagen...</translation>
    </message>
    <message>
        <source>Adding participants from File...</source>
        <translation>Deelnemers worden uit het bestand toegevoegd...</translation>
    </message>
    <message>
        <source>Select Previous Drawing File from Saved History...</source>
        <translation>Kies het bestand van een vorige loting uit de opgeslagen geschiedenis...</translation>
    </message>
    <message>
        <source>Select Previous Drawing Log File from Saved History...</source>
        <translation>Kies het logbestand van een vorige loting uit de opgeslagen geschiedenis...</translation>
    </message>
    <message>
        <source>Select participants from AddressBook to Add</source>
        <translation>Selecteer in het adresboek de deelnemers die u wilt toevoegen</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New List</source>
        <translation>Nieuwe lijst</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Lijst openen</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Lijst opslaan</translation>
    </message>
    <message>
        <source>Add participants from address book</source>
        <translation>Deelnemers uit het adresboek toevoegen</translation>
    </message>
    <message>
        <source>Add participants</source>
        <translation>Deelnemers toevoegen</translation>
    </message>
    <message>
        <source>Delete participant </source>
        <translation>Deelnemer verwijderen</translation>
    </message>
    <message>
        <source>Edit participant </source>
        <translation>Deelnemer bewerken</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Individuele uitsluiting instellen</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Groepsuitsluiting instellen</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Uitsluitingen wissen</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Loten &amp;&amp; bekijken</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send</source>
        <translation>Loten &amp;&amp; verzenden</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Opnieuw verzenden annuleren</translation>
    </message>
    <message>
        <source>Re-Send...</source>
        <translation>Opnieuw verzenden...</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Check For Updated Version of Hollymoor</source>
        <translation>Controleren op een nieuwe versie van Hollymoor</translation>
    </message>
    <message>
        <source>Failed: could not reach the update server
Check your internet connection, or try again later
</source>
        <translation>Mislukt: de updateserver was niet bereikbaar
Controleer uw internetverbinding of probeer het later opnieuw
</translation>
    </message>
    <message>
        <source>Failed: Unable to verify current version number
Try again later
</source>
        <translation>Mislukt: het huidige versienummer kon niet worden gecontroleerd
Probeer het later opnieuw
</translation>
    </message>
    <message>
        <source>You have the most recent version of Hollymoor
</source>
        <translation>U hebt de nieuwste versie van Hollymoor
</translation>
    </message>
    <message>
        <source>A new version %1 is now available for download.
Click on the link on the about dialog to download
or goto %2
</source>
        <translation>Er is een nieuwe versie %1 beschikbaar om te downloaden.
Klik op de link in het venster Over om te downloaden
of ga naar %2
</translation>
    </message>
    <message>
        <source>Failed: You do not appear to be connected to the internet
</source>
        <translation>Mislukt: u lijkt niet met internet verbonden te zijn
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
        <translation>Aangemeld. U kunt deze pagina sluiten en teruggaan naar Hollymoor.</translation>
    </message>
    <message>
        <source>the sign-in was declined</source>
        <translation>de aanmelding is geweigerd</translation>
    </message>
    <message>
        <source>the sign-in provider answered: %1</source>
        <translation>de aanmeldingsdienst antwoordde: %1</translation>
    </message>
    <message>
        <source>no loopback port could be opened for the sign-in&apos;s answer</source>
        <translation>er kon geen lokale poort worden geopend voor het antwoord van de aanmelding</translation>
    </message>
    <message>
        <source>the sign-in provider sent no access token</source>
        <translation>de aanmeldprovider heeft geen toegangstoken gestuurd</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>geen antwoord van de aanmeldprovider binnen %1 seconden</translation>
    </message>
    <message>
        <source>not signed in</source>
        <translation>niet aangemeld</translation>
    </message>
</context>
<context>
    <name>ui::QtSecretStore</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>de sleutelbos gaf geen antwoord</translation>
    </message>
</context>
<context>
    <name>ui::QtShell</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>No program is set up to open this address</source>
        <translation>Er is geen programma ingesteld om dit adres te openen</translation>
    </message>
</context>
<context>
    <name>ui::RunProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Stopping after the message being sent (%1 of %2)...</source>
        <translation>Stoppen na het bericht dat nu wordt verzonden (%1 van %2)...</translation>
    </message>
    <message>
        <source>Sending message %1 of %2</source>
        <translation>Bericht %1 van %2 wordt verzonden</translation>
    </message>
</context>
<context>
    <name>ui::SettingsDialog</name>
    <message>
        <source>&lt; type one in&gt;</source>
        <translation>&lt; zelf invullen&gt;</translation>
    </message>
    <message>
        <source>Choose MAPI when your default mail program is a MAPI mail client such as Microsoft Outlook or Outlook Express; on this system the MAPI choice hands every message to the system&apos;s mailer (a sendmail-compatible program). Otherwise choose SMTP.

Your outgoing (SMTP) server&apos;s name is in your mail program&apos;s account set-up or on your provider&apos;s support pages. It usually looks like &quot;mail.&quot; or &quot;smtp.&quot; followed by your provider&apos;s domain, for example mail.example.com or smtp.example.net.</source>
        <translation>Kies MAPI als uw standaard e-mailprogramma een MAPI-client is, zoals Microsoft Outlook of Outlook Express; op dit systeem geeft de keuze MAPI elk bericht door aan het verzendprogramma van het systeem (een sendmail-compatibel programma). Kies anders SMTP.

De naam van uw server voor uitgaande e-mail (SMTP) staat in de accountinstellingen van uw e-mailprogramma of op de hulppagina&apos;s van uw provider. Meestal is het „mail.” of „smtp.”, gevolgd door het domein van uw provider, bijvoorbeeld mail.example.com of smtp.example.net.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Email Type</source>
        <translation>Verzendwijze</translation>
    </message>
    <message>
        <source>Send email using my SMTP email server</source>
        <translation>E-mail verzenden via mijn SMTP-server</translation>
    </message>
    <message>
        <source>Send email using my MAPI email client program</source>
        <translation>E-mail verzenden via mijn MAPI-e-mailprogramma</translation>
    </message>
    <message>
        <source>SMTP Settings:</source>
        <translation>SMTP-instellingen:</translation>
    </message>
    <message>
        <source>Your Outgoing mail (SMTP) Server:</source>
        <translation>Uw server voor uitgaande e-mail (SMTP):</translation>
    </message>
    <message>
        <source>example: mail.example.com</source>
        <translation>voorbeeld: mail.example.com</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Uw e-mailadres:</translation>
    </message>
    <message>
        <source>example: yourname@example.com</source>
        <translation>voorbeeld: uwnaam@example.com</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Uw naam:</translation>
    </message>
    <message>
        <source>My SMTP Server Requires Authentication</source>
        <translation>Mijn SMTP-server vereist aanmelding</translation>
    </message>
    <message>
        <source>Your email password:</source>
        <translation>Uw e-mailwachtwoord:</translation>
    </message>
    <message>
        <source>Allow sending without encryption (WARNING: your password and every message, the whole drawing, can then be read on the network)</source>
        <translation>Verzenden zonder versleuteling toestaan (WAARSCHUWING: uw wachtwoord en elk bericht, dus de hele loting, zijn dan op het netwerk te lezen)</translation>
    </message>
    <message>
        <source>Only for a server on your own machine or network that offers no STARTTLS.</source>
        <translation>Alleen voor een server op uw eigen computer of in uw eigen netwerk die geen STARTTLS aanbiedt.</translation>
    </message>
    <message>
        <source>List of SMTP Servers</source>
        <translation>Lijst met SMTP-servers</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>A password is stored; type a new one to replace it</source>
        <translation>Er is een wachtwoord opgeslagen; typ een nieuw wachtwoord om het te vervangen</translation>
    </message>
</context>
<context>
    <name>ui::SignInBox</name>
    <message>
        <source>Sign-in and test:</source>
        <translation>Aanmelden en testen:</translation>
    </message>
    <message>
        <source>Sign in with my password</source>
        <translation>Aanmelden met mijn wachtwoord</translation>
    </message>
    <message>
        <source>Sign in with my provider, in the browser:</source>
        <translation>Aanmelden bij mijn provider, in de browser:</translation>
    </message>
    <message>
        <source>Sign in with Microsoft (Outlook.com, Hotmail, Microsoft 365)</source>
        <translation>Aanmelden met Microsoft (Outlook.com, Hotmail, Microsoft 365)</translation>
    </message>
    <message>
        <source>Sign in with Google (Gmail)</source>
        <translation>Aanmelden met Google (Gmail)</translation>
    </message>
    <message>
        <source>Sign in with another provider (set up with hollymoor-cli settings)</source>
        <translation>Aanmelden met een andere provider (ingesteld met hollymoor-cli settings)</translation>
    </message>
    <message>
        <source>Send a test message to myself</source>
        <translation>Mezelf een testbericht sturen</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>Sign in...</source>
        <translation>Aanmelden...</translation>
    </message>
    <message>
        <source>Signed in with %1 as %2.</source>
        <translation>Aangemeld bij %1 als %2.</translation>
    </message>
    <message>
        <source>Signed in with %1.</source>
        <translation>Aangemeld bij %1.</translation>
    </message>
    <message>
        <source>Not signed in.</source>
        <translation>Niet aangemeld.</translation>
    </message>
    <message>
        <source>Cannot sign in: %1.</source>
        <translation>Aanmelden niet mogelijk: %1.</translation>
    </message>
    <message>
        <source>Waiting for the browser. If it did not open, open this address: %1</source>
        <translation>Wachten op de browser. Als die niet is geopend, open dan dit adres: %1</translation>
    </message>
    <message>
        <source>Not signed in: %1.</source>
        <translation>Niet aangemeld: %1.</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>geen antwoord van de browser binnen %1 seconden</translation>
    </message>
    <message>
        <source>Sending the test message to %1...</source>
        <translation>Testbericht wordt naar %1 verzonden...</translation>
    </message>
</context>
<context>
    <name>ui::Slips</name>
    <message>
        <source>Secret Santa</source>
        <translation>Secret Santa</translation>
    </message>
    <message>
        <source>Fold along the dotted line, printed side in. Open in private.</source>
        <translation>Vouw langs de stippellijn, bedrukte kant naar binnen. Open het in je eentje.</translation>
    </message>
</context>
<context>
    <name>ui::TestMessageSender</name>
    <message>
        <source>The SMTP entries are incomplete: the server, your address and your name are needed.</source>
        <translation>De SMTP-gegevens zijn onvolledig: de server, uw adres en uw naam zijn nodig.</translation>
    </message>
    <message>
        <source>You are not signed in with your provider: choose Sign in first.</source>
        <translation>U bent niet aangemeld bij uw provider: kies eerst &apos;Aanmelden&apos;.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again.</source>
        <translation>De aanmelding kon niet worden vernieuwd: %1. Meld u opnieuw aan.</translation>
    </message>
</context>
<context>
    <name>ui::URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Kan &apos;%1&apos; niet openen: %2 (fout %3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowRun</name>
    <message>
        <source>The delivery record could not be kept: %1

Sending goes on; note who was reached from the summary.</source>
        <translation>Het verzendlogboek kon niet worden bijgehouden: %1

Het verzenden gaat door; noteer aan de hand van het overzicht wie bereikt is.</translation>
    </message>
</context>
</TS>
