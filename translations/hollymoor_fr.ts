<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>langue inconnue &apos;%1&apos; (disponibles : %2)</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>
Test Mode: every message went to %1, not to the participants.</source>
        <translation>
Mode test : tous les messages sont partis à %1, pas aux participants.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. The authors are not liable for any claim, damage or other liability arising from its use, including e-mail that is delayed, lost or delivered to the wrong person. Keep a copy of your list files and of the History folder.</source>
        <translation>Ce programme est fourni « tel quel », sans garantie d&apos;aucune sorte, expresse ou implicite. Les auteurs ne sont responsables d&apos;aucune réclamation, d&apos;aucun dommage ni d&apos;aucune autre responsabilité découlant de son utilisation, y compris pour un e-mail retardé, perdu ou remis à la mauvaise personne. Conservez une copie de vos fichiers de liste et du dossier « History ».</translation>
    </message>
    <message>
        <source>Checking for a newer version sends your e-mail address (from Setup) to the update server.</source>
        <translation>La recherche d&apos;une nouvelle version envoie votre adresse e-mail (de la configuration) au serveur de mises à jour.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Choose a contacts file (vCard .vcf or .csv) exported from your mail program or phone.</source>
        <translation>Choisissez un fichier de contacts (vCard .vcf ou .csv) exporté de votre logiciel de messagerie ou de votre téléphone.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Contacts file</source>
        <translation>Fichier de contacts</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtrer par nom ou adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Select all &amp;shown</source>
        <translation>Tout &amp;sélectionner parmi les affichés</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>%1 contact in %2</source>
        <translation>%1 contact dans %2</translation>
    </message>
    <message>
        <source>%1 contacts in %2</source>
        <translation>%1 contacts dans %2</translation>
    </message>
    <message>
        <source>; %1 entry skipped (no usable e-mail address)</source>
        <translation> ; %1 entrée ignorée (aucune adresse e-mail utilisable)</translation>
    </message>
    <message>
        <source>; %1 entries skipped (no usable e-mail address)</source>
        <translation> ; %1 entrées ignorées (aucune adresse e-mail utilisable)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>&amp;Ajouter %1</translation>
    </message>
    <message>
        <source>Open Contacts File</source>
        <translation>Ouvrir un fichier de contacts</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation>Contacts (*.vcf *.vcard *.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Drawing Options</source>
        <translation>Options du tirage</translation>
    </message>
    <message>
        <source>Nobody draws anyone they drew in this many of the latest archived drawings (matched by e-mail address, else by name).</source>
        <translation>Personne ne tire quelqu&apos;un qu&apos;il a tiré dans ce nombre de derniers tirages archivés (reconnu par l&apos;adresse e-mail, sinon par le nom).</translation>
    </message>
    <message>
        <source>Avoid the pairs of the last drawings:</source>
        <translation>Éviter les paires des derniers tirages :</translation>
    </message>
    <message>
        <source>One single loop through everybody</source>
        <translation>Une seule boucle passant par tout le monde</translation>
    </message>
    <message>
        <source>No swapped pairs (nobody draws the person who draws them)</source>
        <translation>Pas de paires croisées (personne ne tire celui qui le tire)</translation>
    </message>
    <message>
        <source>Load From File Options</source>
        <translation>Options de chargement du fichier</translation>
    </message>
    <message>
        <source>Clear Current Participants</source>
        <translation>Effacer les participants actuels</translation>
    </message>
    <message>
        <source>Add Participants from file to List</source>
        <translation>Ajouter à la liste les participants du fichier</translation>
    </message>
    <message>
        <source>Include Exclusion information in file</source>
        <translation>Reprendre les exclusions du fichier</translation>
    </message>
    <message>
        <source>Add New Exclusions based on results of previous drawing </source>
        <translation>Ajouter de nouvelles exclusions d&apos;après le résultat du tirage précédent</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Nom du participant</translation>
    </message>
    <message>
        <source>Notes / Gift Suggestions</source>
        <translation>Notes / idées de cadeaux</translation>
    </message>
    <message>
        <source>Manual Addition of Participants</source>
        <translation>Ajout manuel de participants</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit Selected Participant</source>
        <translation>Modifier le participant sélectionné</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add Late Participant</source>
        <translation>Ajouter un participant tardif</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing</source>
        <translation>Retirer un participant du tirage</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error version of file must be 3.0 or greater</source>
        <translation>Erreur : la version du fichier doit être 3.0 ou supérieure</translation>
    </message>
    <message>
        <source>Error file does not contain Secret Santa history information</source>
        <translation>Erreur : le fichier ne contient aucun historique de tirage du Père Noël secret</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Exclusion #</source>
        <translation>Exclusion</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Nom du participant</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Secret Santa For</source>
        <translation>Père Noël secret de</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Unable to find the help page [%1]</source>
        <translation>Impossible de trouver la page d&apos;aide [%1]</translation>
    </message>
    <message>
        <source>Unable to open the help page [%1]: %2</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;aide [%1] : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Des messages sont encore en cours d&apos;envoi. Fermer Hollymoor et arrêter l&apos;envoi ?

Les personnes pas encore jointes pourront être prévenues plus tard avec « Renvoyer le tirage précédent ».</translation>
    </message>
</context>
<context>
    <name>Mapi</name>
    <message>
        <source>Error while attempting to send messages to MAPI Email Client</source>
        <translation>Erreur lors de la transmission des messages au logiciel de messagerie</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been re-sent.</source>
        <translation>%1 e-mails renvoyés à
%2
<byte value="xd"/><byte value="xd"/>Vérifiez dans la boîte d&apos;envoi de votre logiciel de messagerie que les messages ont bien été renvoyés.</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been sent.</source>
        <translation>%1 e-mails envoyés à
%2
<byte value="xd"/><byte value="xd"/>Vérifiez dans la boîte d&apos;envoi de votre logiciel de messagerie que les messages ont bien été envoyés.</translation>
    </message>
    <message>
        <source> Re-Sending email to %1 ...</source>
        <translation> Renvoi de l&apos;e-mail à %1 ...</translation>
    </message>
    <message>
        <source> Sending email to %1 ...</source>
        <translation> Envoi de l&apos;e-mail à %1 ...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Ne&amp;w List</source>
        <translation>&amp;Nouvelle liste</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>&amp;Ouvrir une liste...</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>&amp;Enregistrer la liste...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Add Participants</source>
        <translation>Ajouter des participants</translation>
    </message>
    <message>
        <source>Using Address Book...</source>
        <translation>Depuis le carnet d&apos;adresses...</translation>
    </message>
    <message>
        <source>Using Manual Entry...</source>
        <translation>Par saisie manuelle...</translation>
    </message>
    <message>
        <source>Edit Participant...</source>
        <translation>Modifier le participant...</translation>
    </message>
    <message>
        <source>Delete Participant...</source>
        <translation>Supprimer le participant...</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Définir une exclusion de groupe</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Définir une exclusion individuelle</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Effacer la sélection</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Effacer les exclusions</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Tirer &amp;&amp; afficher</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send ...</source>
        <translation>Tirer &amp;&amp; envoyer ...</translation>
    </message>
    <message>
        <source>Drawing &amp;Options...</source>
        <translation>&amp;Options du tirage...</translation>
    </message>
    <message>
        <source>Send Participants an Email...</source>
        <translation>Envoyer un e-mail aux participants...</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing...</source>
        <translation>Renvoyer le tirage précédent...</translation>
    </message>
    <message>
        <source>View Previous Drawing&apos;s Information</source>
        <translation>Voir les informations du tirage précédent</translation>
    </message>
    <message>
        <source>Add Late Participant...</source>
        <translation>Ajouter un participant tardif...</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing...</source>
        <translation>Retirer un participant du tirage...</translation>
    </message>
    <message>
        <source>Print Sealed Slips...</source>
        <translation>Imprimer des billets scellés...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Demos</source>
        <translation>Démonstrations</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Getting Started (The Basics)</source>
        <translation>Premiers pas (les bases)</translation>
    </message>
    <message>
        <source>Re-Sending Previous Drawing</source>
        <translation>Renvoyer le tirage précédent</translation>
    </message>
    <message>
        <source>Viewing HTML history File</source>
        <translation>Consulter le fichier d&apos;historique HTML</translation>
    </message>
    <message>
        <source>Website...</source>
        <translation>Site web...</translation>
    </message>
    <message>
        <source>WebSite FAQ...</source>
        <translation>FAQ du site web...</translation>
    </message>
    <message>
        <source>WebSite Support...</source>
        <translation>Assistance sur le site web...</translation>
    </message>
    <message>
        <source>&amp;Check For Updated Version</source>
        <translation>&amp;Rechercher une nouvelle version</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Annuler le renvoi</translation>
    </message>
    <message>
        <source>Save List &amp;As...</source>
        <translation>Enregistrer la liste &amp;sous...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>This message was sent to you using the Hollymoor</source>
        <translation>Ce message vous a été envoyé avec Hollymoor</translation>
    </message>
    <message>
        <source>Get Your copy at %1</source>
        <translation>Procurez-vous votre copie sur %1</translation>
    </message>
    <message>
        <source>This message replaces the Secret Santa message you received earlier.<byte value="xd"/>
The drawing has changed: please disregard the earlier message and give to the<byte value="xd"/>
person named in this one.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ce message remplace le message du Père Noël secret reçu précédemment.<byte value="xd"/>
Le tirage a changé : ne tenez pas compte du message précédent et offrez votre cadeau à la<byte value="xd"/>
personne nommée dans celui-ci.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Notes, Gift Suggestions, or Special Instructions for %1:</source>
        <translation>Notes, idées de cadeaux ou instructions particulières pour %1 :</translation>
    </message>
    <message>
        <source>Gift budget: %1</source>
        <translation>Budget du cadeau : %1</translation>
    </message>
    <message>
        <source>Date of the exchange: %1</source>
        <translation>Date de l&apos;échange : %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lieu : %1</translation>
    </message>
    <message>
        <source>Please reply by: %1</source>
        <translation>Merci de répondre avant le : %1</translation>
    </message>
    <message>
        <source>Your Secret Santa Information Enclosed</source>
        <translation>Vos informations de Père Noël secret</translation>
    </message>
    <message>
        <source>Important Secret Santa Message!!<byte value="xd"/>
<byte value="xd"/>
The person you have been choosen to be a Secret Santa for<byte value="xd"/>
 is named at the end of this email message<byte value="xd"/>
</source>
        <translation>Message important du Père Noël secret !!<byte value="xd"/>
<byte value="xd"/>
La personne dont vous avez été choisi(e) comme Père Noël secret<byte value="xd"/>
 est nommée à la fin de ce message<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are a Secret Santa for</source>
        <translation>Vous êtes le Père Noël secret de</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation>Ajouter un participant retardataire</translation>
    </message>
    <message>
        <source>The newcomer&apos;s Secret Santa message goes to this address, so it is needed.</source>
        <translation>Le message du nouveau participant part à cette adresse : elle est donc nécessaire.</translation>
    </message>
    <message>
        <source>Please enter an e-mail address for the late participant: their Secret Santa message goes there, and the drawing&apos;s list file keeps an address for everybody.</source>
        <translation>Veuillez saisir une adresse e-mail pour le participant retardataire : son message y est envoyé, et le fichier de liste du tirage garde une adresse pour chacun.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>The change is saved as %1.
Nothing was sent. To notify exactly the people whose Secret Santa changed (%2), use Calculate &amp; Send now; they are marked for Re-Send.</source>
        <translation>La modification est enregistrée sous %1.
Rien n&apos;a été envoyé. Pour prévenir exactement les personnes dont le destinataire a changé (%2), utilisez maintenant Tirer &amp; envoyer ; elles sont marquées pour le renvoi.</translation>
    </message>
    <message>
        <source>No message reached %1. Print slips only for them?

No prints a slip for everybody.</source>
        <translation>Aucun message n&apos;a atteint %1. Imprimer des billets seulement pour eux ?

Non imprime un billet pour chacun.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark Name</source>
        <translation>&amp;Marquer ou démarquer le nom</translation>
    </message>
    <message>
        <source>the sign-in provider refused: %1</source>
        <translation>le fournisseur de connexion a refusé : %1</translation>
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
        <translation>votre fournisseur</translation>
    </message>
    <message>
        <source>The re-send could not be recorded in the earlier drawing&apos;s ledger: </source>
        <translation>Le renvoi n&apos;a pas pu être inscrit dans le registre d&apos;envoi du tirage précédent : </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>Le tirage n&apos;a pas pu être enregistré dans le dossier History [%1], aucun message n&apos;a donc été envoyé. Votre liste est inchangée.

Vérifiez que ce dossier est accessible en écriture et que le disque a de l&apos;espace libre, puis choisissez à nouveau « Tirer &amp; envoyer ».</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Erreur lors de l&apos;envoi des messages</translation>
    </message>
    <message>
        <source>Calculation Aborted: You may have too many Exclusions set.</source>
        <translation>Tirage interrompu : vous avez peut-être défini trop d&apos;exclusions.</translation>
    </message>
    <message>
        <source>Invalid User Name Entry:
User Name can not contain any of these characters [&quot;]</source>
        <translation>Nom non valide :
le nom ne peut contenir aucun de ces caractères [&quot;]</translation>
    </message>
    <message>
        <source>Invalid Email Address Entry</source>
        <translation>Adresse e-mail non valide</translation>
    </message>
    <message>
        <source>Delete Participant %1</source>
        <translation>Supprimer le participant %1</translation>
    </message>
    <message>
        <source>Error while deleting Participant</source>
        <translation>Erreur lors de la suppression du participant</translation>
    </message>
</context>
<context>
    <name>SendDialog</name>
    <message>
        <source>The email subject line.  You can change the wording if you desire.</source>
        <translation>L&apos;objet de l&apos;e-mail. Vous pouvez en modifier le texte si vous le souhaitez.</translation>
    </message>
    <message>
        <source>The email message text.  You can add any additional information here that you would like everyone to recieve.</source>
        <translation>Le texte de l&apos;e-mail. Vous pouvez y ajouter toute information que chacun doit recevoir.</translation>
    </message>
    <message>
        <source>The email message trailer.  This line identifies the person you are a Secret Santa for.   Change this to read some thing different if you desire.</source>
        <translation>La fin de l&apos;e-mail. Cette ligne indique la personne à qui offrir le cadeau. Modifiez-la si vous le souhaitez.</translation>
    </message>
    <message>
        <source>Allows you to send a trial test to a single email address.  For example your own email address.</source>
        <translation>Permet d&apos;envoyer un essai à une seule adresse e-mail, par exemple la vôtre.</translation>
    </message>
    <message>
        <source>&lt;Person&apos;s Name&gt;</source>
        <translation>&lt;Nom de la personne&gt;</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Send Email Notifications to Participants</source>
        <translation>Envoyer les notifications par e-mail aux participants</translation>
    </message>
    <message>
        <source>The language of the message texts; texts you changed stay as typed.</source>
        <translation>La langue des textes du message ; les textes que vous avez modifiés restent tels quels.</translation>
    </message>
    <message>
        <source>TestMode: Send all emails to this email addess</source>
        <translation>Mode test : envoyer tous les e-mails à cette adresse</translation>
    </message>
    <message>
        <source>e.g. 20 EUR</source>
        <translation>p. ex. 20 EUR</translation>
    </message>
    <message>
        <source>e.g. 24 December, 6 pm</source>
        <translation>p. ex. 24 décembre, 18 h</translation>
    </message>
    <message>
        <source>e.g. the community hall</source>
        <translation>p. ex. la salle des fêtes</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Language of the email</source>
        <translation>Langue de l&apos;e-mail</translation>
    </message>
    <message>
        <source>Subject Line</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Messge Text</source>
        <translation>Texte du message</translation>
    </message>
    <message>
        <source>Message Trailer</source>
        <translation>Fin du message</translation>
    </message>
    <message>
        <source>Event details (added to every message when filled in)</source>
        <translation>Détails de l&apos;événement (ajoutés à chaque message s&apos;ils sont remplis)</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Reply by</source>
        <translation>Réponse avant le</translation>
    </message>
    <message>
        <source>Send an Email Message to Participants</source>
        <translation>Envoyer un e-mail aux participants</translation>
    </message>
    <message>
        <source>NOTE: This email will not include Secret Santa information, it is intended to allow you to send out 
informational messages to the participants.  For Example you may want to send out an informational email 
to participants notifying them of a Secret Santa drawing they will be a part of.
</source>
        <translation>REMARQUE : cet e-mail ne contient aucune information du Père Noël secret ; il sert à envoyer 
des messages d&apos;information aux participants. Par exemple, vous pouvez leur annoncer 
un tirage du Père Noël secret auquel ils participeront.
</translation>
    </message>
    <message>
        <source>Message Text to send</source>
        <translation>Texte du message à envoyer</translation>
    </message>
    <message>
        <source>The subject line or the message text is empty.
Send the message to every participant anyway?</source>
        <translation>L&apos;objet ou le texte du message est vide.
Envoyer quand même le message à tous les participants ?</translation>
    </message>
</context>
<context>
    <name>Smtp</name>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
</source>
        <translation>%1 e-mails renvoyés à
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
</source>
        <translation>%1 e-mails envoyés à
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 e-mails renvoyés</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 e-mails envoyés</translation>
    </message>
    <message>
        <source>Server Disconnected, Automatic re-connecting in 10 seconds...</source>
        <translation>Serveur déconnecté, reconnexion automatique dans 10 secondes...</translation>
    </message>
    <message>
        <source> Re-Sending email %1 of %2 to %3 ...</source>
        <translation> Renvoi de l&apos;e-mail %1 sur %2 à %3 ...</translation>
    </message>
    <message>
        <source> Sending email %1 of %2 to %3 ...</source>
        <translation> Envoi de l&apos;e-mail %1 sur %2 à %3 ...</translation>
    </message>
    <message>
        <source>No messages were sent</source>
        <translation>Aucun message n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Re-Sent; the others were not notified</source>
        <translation>%1 e-mails sur %2 renvoyés ; les autres n&apos;ont pas été prévenus</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Sent; the others were not notified</source>
        <translation>%1 e-mails sur %2 envoyés ; les autres n&apos;ont pas été prévenus</translation>
    </message>
    <message>
        <source>Nothing accepted the connection at %1: check the server name and port under Tools-&gt;Setup (587 for STARTTLS, 465 for implicit TLS).</source>
        <translation>Rien n&apos;a accepté la connexion sur %1 : vérifiez le nom du serveur et le port dans Outils-&gt;Configuration (587 pour STARTTLS, 465 pour TLS implicite).</translation>
    </message>
    <message>
        <source>The server name in %1 could not be found: check it under Tools-&gt;Setup and that this computer is online.</source>
        <translation>Le nom de serveur de %1 est introuvable : vérifiez-le dans Outils-&gt;Configuration et que cet ordinateur est connecté.</translation>
    </message>
    <message>
        <source>%1 did not answer: check the server name and port under Tools-&gt;Setup, and that no firewall blocks that port.</source>
        <translation>%1 n&apos;a pas répondu : vérifiez le nom du serveur et le port dans Outils-&gt;Configuration, et qu&apos;aucun pare-feu ne bloque ce port.</translation>
    </message>
    <message>
        <source>The connection to %1 failed: check that this computer is online and the server name and port under Tools-&gt;Setup.</source>
        <translation>La connexion à %1 a échoué : vérifiez que cet ordinateur est connecté, ainsi que le nom du serveur et le port dans Outils-&gt;Configuration.</translation>
    </message>
    <message>
        <source>The server %1 refused the login: check the user name and password under Tools-&gt;Setup; many providers want an app password or a sign-in with the provider instead.</source>
        <translation>Le serveur %1 a refusé la connexion au compte : vérifiez le nom d&apos;utilisateur et le mot de passe dans Outils-&gt;Configuration ; beaucoup de fournisseurs demandent plutôt un mot de passe d&apos;application ou une connexion chez le fournisseur.</translation>
    </message>
    <message>
        <source>The server %1 is refusing for now: try again later, then re-send to those who were not notified.</source>
        <translation>Le serveur %1 refuse pour le moment : réessayez plus tard, puis renvoyez aux personnes qui n&apos;ont pas été prévenues.</translation>
    </message>
    <message>
        <source>The server %1 refused: check your email address and the server settings under Tools-&gt;Setup.</source>
        <translation>Le serveur %1 a refusé : vérifiez votre adresse e-mail et les réglages du serveur dans Outils-&gt;Configuration.</translation>
    </message>
    <message>
        <source>The server %1 answered in a way that does not fit this step: check that Tools-&gt;Setup names an SMTP server and its submission port.</source>
        <translation>Le serveur %1 a donné une réponse qui ne convient pas à cette étape : vérifiez que Outils-&gt;Configuration indique un serveur SMTP et son port de soumission.</translation>
    </message>
    <message>
        <source>The connection to %1 ended: check that this computer is online, then re-send to those who were not notified.</source>
        <translation>La connexion à %1 s&apos;est interrompue : vérifiez que cet ordinateur est connecté, puis renvoyez aux personnes qui n&apos;ont pas été prévenues.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Fermeture...</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Tirage en cours...</translation>
    </message>
    <message>
        <source>Calculating ...</source>
        <translation>Tirage en cours ...</translation>
    </message>
    <message>
        <source>Calculation Aborted, Too many Exclusions set</source>
        <translation>Tirage interrompu, trop d&apos;exclusions définies</translation>
    </message>
    <message>
        <source>Calculation Aborted</source>
        <translation>Tirage interrompu</translation>
    </message>
    <message>
        <source>Updating Secret Santa Info...</source>
        <translation>Mise à jour des informations du Père Noël secret...</translation>
    </message>
    <message>
        <source>Re-Send Mode: Single click Participant Name to set for Re-Send</source>
        <translation>Mode renvoi : cliquez une fois sur le nom d&apos;un participant pour le marquer pour le renvoi</translation>
    </message>
    <message>
        <source>Saving participants to File...</source>
        <translation>Enregistrement des participants dans le fichier...</translation>
    </message>
    <message>
        <source>Adding participants from File...</source>
        <translation>Ajout des participants depuis le fichier...</translation>
    </message>
    <message>
        <source>Select Previous Drawing File from Saved History...</source>
        <translation>Choisissez le fichier d&apos;un tirage précédent dans l&apos;historique...</translation>
    </message>
    <message>
        <source>Select Previous Drawing Log File from Saved History...</source>
        <translation>Choisissez le journal d&apos;un tirage précédent dans l&apos;historique...</translation>
    </message>
    <message>
        <source>Select participants from AddressBook to Add</source>
        <translation>Choisissez dans le carnet d&apos;adresses les participants à ajouter</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New List</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>Add participants from address book</source>
        <translation>Ajouter des participants depuis le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Add participants</source>
        <translation>Ajouter des participants</translation>
    </message>
    <message>
        <source>Delete participant </source>
        <translation>Supprimer le participant</translation>
    </message>
    <message>
        <source>Edit participant </source>
        <translation>Modifier le participant</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Définir une exclusion individuelle</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Définir une exclusion de groupe</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Effacer les exclusions</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Tirer &amp;&amp; afficher</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send</source>
        <translation>Tirer &amp;&amp; envoyer</translation>
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
        <translation>Connecté. Vous pouvez fermer cette page et revenir à Hollymoor.</translation>
    </message>
    <message>
        <source>the sign-in was declined</source>
        <translation>la connexion a été refusée</translation>
    </message>
    <message>
        <source>the sign-in provider answered: %1</source>
        <translation>le fournisseur de connexion a répondu : %1</translation>
    </message>
</context>
<context>
    <name>ui::SignInBox</name>
    <message>
        <source>Sign-in and test:</source>
        <translation>Connexion et test :</translation>
    </message>
    <message>
        <source>Sign in with my password</source>
        <translation>Se connecter avec mon mot de passe</translation>
    </message>
    <message>
        <source>Sign in with my provider, in the browser:</source>
        <translation>Se connecter auprès de mon fournisseur, dans le navigateur :</translation>
    </message>
    <message>
        <source>Sign in with Microsoft (Outlook.com, Hotmail, Microsoft 365)</source>
        <translation>Se connecter avec Microsoft (Outlook.com, Hotmail, Microsoft 365)</translation>
    </message>
    <message>
        <source>Sign in with Google (Gmail)</source>
        <translation>Se connecter avec Google (Gmail)</translation>
    </message>
    <message>
        <source>Sign in with another provider (set up with hollymoor-cli settings)</source>
        <translation>Se connecter avec un autre fournisseur (configuré avec hollymoor-cli settings)</translation>
    </message>
    <message>
        <source>Send a test message to myself</source>
        <translation>M&apos;envoyer un message de test</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Sign in...</source>
        <translation>Se connecter...</translation>
    </message>
    <message>
        <source>Signed in with %1.</source>
        <translation>Connecté avec %1.</translation>
    </message>
    <message>
        <source>Not signed in.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <source>Cannot sign in: %1.</source>
        <translation>Connexion impossible : %1.</translation>
    </message>
    <message>
        <source>Waiting for the browser. If it did not open, open this address: %1</source>
        <translation>En attente du navigateur. S&apos;il ne s&apos;est pas ouvert, ouvrez cette adresse : %1</translation>
    </message>
    <message>
        <source>Not signed in: %1.</source>
        <translation>Non connecté : %1.</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>aucune réponse du navigateur en %1 secondes</translation>
    </message>
    <message>
        <source>Sending the test message to %1...</source>
        <translation>Envoi du message de test à %1...</translation>
    </message>
</context>
<context>
    <name>ui::TestMessageSender</name>
    <message>
        <source>The SMTP entries are incomplete: the server, your address and your name are needed.</source>
        <translation>Les paramètres SMTP sont incomplets : le serveur, votre adresse et votre nom sont nécessaires.</translation>
    </message>
    <message>
        <source>You are not signed in with your provider: choose Sign in first.</source>
        <translation>Vous n&apos;êtes pas connecté auprès de votre fournisseur : choisissez d&apos;abord « Se connecter ».</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again.</source>
        <translation>La connexion n&apos;a pas pu être renouvelée : %1. Reconnectez-vous.</translation>
    </message>
</context>
</TS>
