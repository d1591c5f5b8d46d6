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
        <source>Add Late Participant</source>
        <translation>Dodaj spóźnionego uczestnika</translation>
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
        <translation>Ponownej wysyłki nie udało się zapisać w rejestrze wysyłek wcześniejszego losowania: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>Nie udało się zapisać losowania w folderze History [%1], więc nie wysłano żadnej wiadomości. Twoja lista nie zmieniła się.

Upewnij się, że do tego folderu można zapisywać i że na dysku jest wolne miejsce, a następnie ponownie wybierz „Losuj &amp; wyślij”.</translation>
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
</TS>
