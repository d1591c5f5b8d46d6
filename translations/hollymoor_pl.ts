<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>nieznany język &apos;%1&apos; (dostępne: %2)</translation>
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
    <name>QObject</name>
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
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Zamykanie...</translation>
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
</context>
</TS>
