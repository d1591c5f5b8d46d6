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
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Er worden nog berichten verzonden. Hollymoor sluiten en het verzenden stoppen?

Wie nog niet bereikt is, kan later worden ingelicht met &apos;Vorige loting opnieuw verzenden&apos;.</translation>
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
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Bezig met afsluiten...</translation>
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
</TS>
