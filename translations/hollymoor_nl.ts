<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>onbekende taal &apos;%1&apos; (beschikbaar: %2)</translation>
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
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation>Late deelnemer toevoegen</translation>
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
        <translation>Het opnieuw verzenden kon niet worden vastgelegd in het verzendlogboek van de eerdere loting: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>De loting kon niet worden opgeslagen in de map History [%1], dus er is geen bericht verzonden. Uw lijst is ongewijzigd.

Zorg dat er in die map geschreven kan worden en dat de schijf vrije ruimte heeft, en kies dan opnieuw &apos;Loten &amp; verzenden&apos;.</translation>
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
</TS>
