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
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Des messages sont encore en cours d&apos;envoi. Fermer Hollymoor et arrêter l&apos;envoi ?

Les personnes pas encore jointes pourront être prévenues plus tard avec « Renvoyer le tirage précédent ».</translation>
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
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Fermeture...</translation>
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
</TS>
