<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>unbekannte Sprache &apos;%1&apos; (verfügbar: %2)</translation>
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
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation>Verspäteten Teilnehmer hinzufügen</translation>
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
        <translation>Der erneute Versand konnte nicht im Versandprotokoll der früheren Auslosung vermerkt werden: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>Die Auslosung konnte nicht im Ordner History [%1] gespeichert werden, deshalb wurde keine Nachricht gesendet. Ihre Liste ist unverändert.

Stellen Sie sicher, dass in diesen Ordner geschrieben werden kann und die Festplatte freien Platz hat, und wählen Sie dann erneut „Auslosen &amp; senden“.</translation>
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
</TS>
