<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>langue inconnue &apos;%1&apos; (disponibles : %2)</translation>
    </message>
    <message>
        <source>--seed needs a whole number, not &apos;%1&apos;</source>
        <translation>--seed attend un nombre entier, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; changing that one</source>
        <translation>la version la plus récente de ce tirage est [%1] ; c&apos;est elle qui est modifiée</translation>
    </message>
    <message>
        <source>notified:%1</source>
        <translation>prévenus :%1</translation>
    </message>
    <message>
        <source>archived: %1 (and .htm)</source>
        <translation>archivé : %1 (et .htm)</translation>
    </message>
    <message>
        <source>%1: not notified:%2</source>
        <translation>%1 : non prévenus :%2</translation>
    </message>
    <message>
        <source>to notify them: %1</source>
        <translation>pour les prévenir : %1</translation>
    </message>
    <message>
        <source>%1: no change keeps every exclusion: %2</source>
        <translation>%1 : aucune modification ne respecte toutes les exclusions : %2</translation>
    </message>
    <message>
        <source>%1: --%2 is required</source>
        <translation>%1 : --%2 est obligatoire</translation>
    </message>
    <message>
        <source>only a full redraw can include %1: add them to the roster and use hollymoor-cli send</source>
        <translation>seul un nouveau tirage complet peut inclure %1 : ajoutez cette personne à la liste et utilisez hollymoor-cli send</translation>
    </message>
    <message>
        <source>join: the change could not be archived; nothing was sent</source>
        <translation>join : la modification n&apos;a pas pu être archivée ; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>leave: nobody named &apos;%1&apos; in [%2]</source>
        <translation>leave : personne ne s&apos;appelle &apos;%1&apos; dans [%2]</translation>
    </message>
    <message>
        <source>only a full redraw can go on without %1: remove them from the roster and use hollymoor-cli send</source>
        <translation>seul un nouveau tirage complet peut se passer de %1 : retirez cette personne de la liste et utilisez hollymoor-cli send</translation>
    </message>
    <message>
        <source>leave: the change could not be archived; nothing was sent</source>
        <translation>leave : la modification n&apos;a pas pu être archivée ; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>commande inconnue &apos;%1&apos; (voir --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos; for &apos;%2&apos;</source>
        <translation>option inconnue &apos;--%1&apos; pour &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>option inconnue &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; takes no value</source>
        <translation>l&apos;option &apos;--%1&apos; ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value (%2)</source>
        <translation>l&apos;option &apos;--%1&apos; attend une valeur (%2)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; given more than once</source>
        <translation>l&apos;option &apos;--%1&apos; est donnée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>aucune commande indiquée (voir --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; attend %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; for &apos;%2&apos;</source>
        <translation>argument inattendu &apos;%1&apos; pour &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>erreur : </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement : </translation>
    </message>
    <message>
        <source>[answered %1]</source>
        <translation>[réponse : %1]</translation>
    </message>
    <message>
        <source>the SMTP settings are incomplete (server, address and name are needed); see hollymoor-cli settings --help</source>
        <translation>les réglages SMTP sont incomplets (il faut le serveur, l&apos;adresse et le nom) ; voir hollymoor-cli settings --help</translation>
    </message>
    <message>
        <source>the SMTP server&apos;s port is not a number: [%1]</source>
        <translation>le port du serveur SMTP n&apos;est pas un nombre : [%1]</translation>
    </message>
    <message>
        <source>sign-in: %1</source>
        <translation>connexion : %1</translation>
    </message>
    <message>
        <source>not signed in with %1: run hollymoor-cli login first (or choose SMTPAuthMethod=password)</source>
        <translation>pas connecté à %1 : lancez d&apos;abord hollymoor-cli login (ou choisissez SMTPAuthMethod=password)</translation>
    </message>
    <message>
        <source>the system mailer [%1] is not installed; install one or choose SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</source>
        <translation>le programme d&apos;envoi du système [%1] n&apos;est pas installé ; installez-en un ou choisissez SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</translation>
    </message>
    <message>
        <source>warning: the re-send is not in the earlier ledger: %1</source>
        <translation type="vanished">avertissement : le renvoi ne figure pas dans le registre d&apos;envoi précédent : %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>warning: the sign-in could not be renewed: %1</source>
        <translation>avertissement : la connexion n&apos;a pas pu être renouvelée : %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>nobody can give to %1 (everybody else excludes them)</source>
        <translation>personne ne peut offrir à %1 (tous les autres l&apos;excluent)</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody</source>
        <translation>%1 ne peut offrir à personne</translation>
    </message>
    <message>
        <source>%1 can not give to anybody</source>
        <translation>%1 ne peuvent offrir à personne</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receiver</source>
        <translation>%1 ne peuvent offrir qu&apos;à %2 : %3 donneurs pour %4 destinataire</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receivers</source>
        <translation>%1 ne peuvent offrir qu&apos;à %2 : %3 donneurs pour %4 destinataires</translation>
    </message>
    <message>
        <source>%1 can only give among themselves, so no single loop can include everybody</source>
        <translation>%1 ne peuvent offrir qu&apos;entre eux, donc aucune boucle unique ne peut inclure tout le monde</translation>
    </message>
    <message>
        <source>no single loop runs through everybody (every possible drawing was counted)</source>
        <translation>aucune boucle unique ne passe par tout le monde (chaque tirage possible a été compté)</translation>
    </message>
    <message>
        <source>every possible drawing has two people drawing each other (every possible drawing was counted)</source>
        <translation>chaque tirage possible contient deux personnes qui se tirent mutuellement (chaque tirage possible a été compté)</translation>
    </message>
    <message>
        <source>the roster has no participants</source>
        <translation>la liste n&apos;a aucun participant</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>ligne %1 (%2)</translation>
    </message>
    <message>
        <source>%1: empty name</source>
        <translation>%1 : nom vide</translation>
    </message>
    <message>
        <source>%1: invalid e-mail address &quot;%2&quot;</source>
        <translation>%1 : adresse e-mail non valide &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: exclusion &quot;%2&quot; names no participant</source>
        <translation>%1 : l&apos;exclusion &quot;%2&quot; ne désigne aucun participant</translation>
    </message>
    <message>
        <source>%1 participant</source>
        <translation>%1 participant</translation>
    </message>
    <message>
        <source>%1 participants</source>
        <translation>%1 participants</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>problème : %1</translation>
    </message>
    <message>
        <source>no drawing exists: %1</source>
        <translation>aucun tirage n&apos;est possible : %1</translation>
    </message>
    <message>
        <source>a drawing exists</source>
        <translation>un tirage est possible</translation>
    </message>
    <message>
        <source>draw: --seed needs a whole number, not &apos;%1&apos;</source>
        <translation>draw : --seed attend un nombre entier, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>draw: the roster has no participants</source>
        <translation>draw : la liste n&apos;a aucun participant</translation>
    </message>
    <message>
        <source>reason: %1</source>
        <translation>raison : %1</translation>
    </message>
    <message>
        <source>A drawing was found for %1 participants (not shown; use --reveal).</source>
        <translation>Un tirage a été trouvé pour %1 participants (non affiché ; utilisez --reveal).</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>participant %1</translation>
    </message>
    <message>
        <source>%1: --avoid-years needs a whole number from 0 to 5, not &apos;%2&apos;</source>
        <translation>%1 : --avoid-years attend un nombre entier de 0 à 5, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawing in %2</source>
        <translation>remarque : seulement %1 tirage antérieur dans %2</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawings in %2</source>
        <translation>remarque : seulement %1 tirages antérieurs dans %2</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawing</source>
        <translation>en évitant le dernier tirage (%1)</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawings</source>
        <translation>en évitant les %1 derniers tirages</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>boucle unique</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>pas de paires réciproques</translation>
    </message>
    <message>
        <source>all options together</source>
        <translation>toutes les options ensemble</translation>
    </message>
    <message>
        <source>a drawing exists (%1)</source>
        <translation>un tirage est possible (%1)</translation>
    </message>
    <message>
        <source>unknown: none found within %1 seconds</source>
        <translation>inconnu : aucun trouvé en %1 secondes</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>échec inattendu : %1</translation>
    </message>
    <message>
        <source>cannot read [%1]: %2</source>
        <translation>impossible de lire [%1] : %2</translation>
    </message>
    <message>
        <source>cannot read [%1]: it is a folder</source>
        <translation>impossible de lire [%1] : c&apos;est un dossier</translation>
    </message>
    <message>
        <source>cannot read [%1]</source>
        <translation>impossible de lire [%1]</translation>
    </message>
    <message>
        <source>cannot read the message text [%1]</source>
        <translation>impossible de lire le texte du message [%1]</translation>
    </message>
    <message>
        <source>--test-address is empty</source>
        <translation>--test-address est vide</translation>
    </message>
    <message>
        <source>cannot use the data folder [%1]</source>
        <translation>impossible d&apos;utiliser le dossier de données [%1]</translation>
    </message>
    <message>
        <source>%1: %2 of %3 messages accepted; not notified: %4</source>
        <translation>%1 : %2 messages acceptés sur %3 ; non prévenus : %4</translation>
    </message>
    <message>
        <source>%1: the drawing could not be archived, so nothing was sent</source>
        <translation>%1 : le tirage n&apos;a pas pu être archivé, rien n&apos;a donc été envoyé</translation>
    </message>
    <message>
        <source>send: the roster has no participants</source>
        <translation>send : la liste n&apos;a aucun participant</translation>
    </message>
    <message>
        <source>resend: name the participants with --to, or give --pending (not both)</source>
        <translation>resend : désignez les participants avec --to, ou indiquez --pending (pas les deux)</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; re-sending from that one</source>
        <translation>la version la plus récente de ce tirage est [%1] ; le renvoi part de celle-ci</translation>
    </message>
    <message>
        <source>resend: %1</source>
        <translation>resend : %1</translation>
    </message>
    <message>
        <source>Everyone in [%1] was notified; nothing to re-send.</source>
        <translation>Tout le monde dans [%1] a été prévenu ; rien à renvoyer.</translation>
    </message>
    <message>
        <source>resend: nobody named &apos;%1&apos; in [%2]</source>
        <translation>resend : personne ne s&apos;appelle &apos;%1&apos; dans [%2]</translation>
    </message>
    <message>
        <source>message: --subject and --body-file are required</source>
        <translation>message : --subject et --body-file sont obligatoires</translation>
    </message>
    <message>
        <source>message: the roster has no participants</source>
        <translation>message : la liste n&apos;a aucun participant</translation>
    </message>
    <message>
        <source>settings: %1 must be 1 or 0, not &apos;%2&apos;</source>
        <translation>settings : %1 doit valoir 1 ou 0, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>settings: unknown setting &apos;%1&apos; (see hollymoor-cli settings --help)</source>
        <translation>settings : réglage inconnu &apos;%1&apos; (voir hollymoor-cli settings --help)</translation>
    </message>
    <message>
        <source>settings: no password on standard input</source>
        <translation>settings : aucun mot de passe sur l&apos;entrée standard</translation>
    </message>
    <message>
        <source>the settings did not read back as written</source>
        <translation>les réglages relus ne sont pas ceux qui ont été écrits</translation>
    </message>
    <message>
        <source>settings: %1 must be one of %2, not &apos;%3&apos;</source>
        <translation>settings : %1 doit être l&apos;un de %2, pas &apos;%3&apos;</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>settings : %1</translation>
    </message>
    <message>
        <source>settings: --test changes nothing; run it on its own</source>
        <translation>settings : --test ne modifie rien ; lancez-le seul</translation>
    </message>
    <message>
        <source>settings: --allow-file-secret goes with --password-stdin</source>
        <translation>settings : --allow-file-secret va avec --password-stdin</translation>
    </message>
    <message>
        <source>settings: --set needs NAME=VALUE, not &apos;%1&apos;</source>
        <translation>settings : --set attend NOM=VALEUR, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>settings: the password is not taken on the command line; use --password-stdin</source>
        <translation>settings : le mot de passe n&apos;est pas accepté sur la ligne de commande ; utilisez --password-stdin</translation>
    </message>
    <message>
        <source>settings: MailerCommand is empty</source>
        <translation>settings : MailerCommand est vide</translation>
    </message>
    <message>
        <source>settings: no system keyring is available, so the password was not saved; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>settings : aucun trousseau système n&apos;est disponible, le mot de passe n&apos;a donc pas été enregistré ; relancez avec --allow-file-secret pour le garder dans le fichier de réglages (lisible par vous seul)</translation>
    </message>
    <message>
        <source>warning: SMTP may now send the login and every message unencrypted when the server offers no STARTTLS</source>
        <translation>avertissement : SMTP peut désormais envoyer l&apos;identification et chaque message sans chiffrement si le serveur ne propose pas STARTTLS</translation>
    </message>
    <message>
        <source>settings: could not write [%1]: %2</source>
        <translation>settings : impossible d&apos;écrire [%1] : %2</translation>
    </message>
    <message>
        <source>login: --provider must be microsoft, google or custom, not &apos;%1&apos;</source>
        <translation>login : --provider doit valoir microsoft, google ou custom, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: name the provider with --provider microsoft, google or custom</source>
        <translation>login : indiquez le fournisseur avec --provider microsoft, google ou custom</translation>
    </message>
    <message>
        <source>login: --timeout needs a whole number of seconds, not &apos;%1&apos;</source>
        <translation>login : --timeout attend un nombre entier de secondes, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: %1</source>
        <translation>login : %1</translation>
    </message>
    <message>
        <source>Open this address to sign in: %1</source>
        <translation>Ouvrez cette adresse pour vous connecter : %1</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>aucune réponse du navigateur en %1 secondes</translation>
    </message>
    <message>
        <source>login: %1; nothing was changed</source>
        <translation>login : %1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>login: no system keyring is available, so the sign-in was not kept; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>login : aucun trousseau système n&apos;est disponible, la connexion n&apos;a donc pas été conservée ; relancez avec --allow-file-secret pour la garder dans le fichier de réglages (lisible par vous seul)</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the settings file.</source>
        <translation>Connecté à %1 ; la connexion est conservée dans le fichier de réglages.</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the keyring.</source>
        <translation>Connecté à %1 ; la connexion est conservée dans le trousseau.</translation>
    </message>
    <message>
        <source>No SMTP server was set; it is now %1, the server of %2.</source>
        <translation>Aucun serveur SMTP n&apos;était défini ; c&apos;est maintenant %1, le serveur de %2.</translation>
    </message>
    <message>
        <source>logout: the sign-in could not be removed from [%1] or the keyring</source>
        <translation>logout : la connexion n&apos;a pas pu être retirée de [%1] ni du trousseau</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with the provider is forgotten.</source>
        <translation>Déconnecté : la connexion au fournisseur est oubliée.</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with %1 is forgotten.</source>
        <translation>Déconnecté : la connexion à %1 est oubliée.</translation>
    </message>
    <message>
        <source>Not signed in; there was nothing to forget.</source>
        <translation>Pas connecté ; il n&apos;y avait rien à oublier.</translation>
    </message>
    <message>
        <source>slips: --out FILE.pdf is required</source>
        <translation>slips : --out FICHIER.pdf est obligatoire</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; printing that one</source>
        <translation>la version la plus récente de ce tirage est [%1] ; c&apos;est elle qui est imprimée</translation>
    </message>
    <message>
        <source>slips: give either --to or --pending</source>
        <translation>slips : indiquez soit --to, soit --pending</translation>
    </message>
    <message>
        <source>slips: %1</source>
        <translation>slips : %1</translation>
    </message>
    <message>
        <source>everybody was reached; no slips written</source>
        <translation>tout le monde a été joint ; aucun billet écrit</translation>
    </message>
    <message>
        <source>slips: nobody named &apos;%1&apos; in [%2]</source>
        <translation>slips : personne ne s&apos;appelle &apos;%1&apos; dans [%2]</translation>
    </message>
    <message>
        <source>%1 slips written to %2</source>
        <translation>%1 billets écrits dans %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>subject after the giver&apos;s name (default: the send dialog&apos;s subject)</source>
        <translation>objet après le nom du donneur (par défaut : l&apos;objet de la fenêtre d&apos;envoi)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (default: the send dialog&apos;s text)</source>
        <translation>texte du message tiré du fichier F, &quot;-&quot; pour l&apos;entrée standard (par défaut : le texte de la fenêtre d&apos;envoi)</translation>
    </message>
    <message>
        <source>text before the receiver&apos;s name (default: the send dialog&apos;s trailer)</source>
        <translation>texte avant le nom du destinataire (par défaut : la formule finale de la fenêtre d&apos;envoi)</translation>
    </message>
    <message>
        <source>send every message to A instead of the participants (test mode)</source>
        <translation>envoyer chaque message à A au lieu des participants (mode test)</translation>
    </message>
    <message>
        <source>the gift budget, added to every notification</source>
        <translation>le budget des cadeaux, ajouté à chaque notification</translation>
    </message>
    <message>
        <source>the date of the exchange, added to every notification</source>
        <translation>la date de l&apos;échange, ajoutée à chaque notification</translation>
    </message>
    <message>
        <source>where the exchange takes place, added to every notification</source>
        <translation>le lieu de l&apos;échange, ajouté à chaque notification</translation>
    </message>
    <message>
        <source>the date to reply by, added to every notification</source>
        <translation>la date limite de réponse, ajoutée à chaque notification</translation>
    </message>
    <message>
        <source>language of the message&apos;s own texts: en, de, fr, es, nl or pl (default: the program&apos;s)</source>
        <translation>langue des textes propres au message : en, de, fr, es, nl ou pl (par défaut : celle du programme)</translation>
    </message>
    <message>
        <source>read a roster, report its problems and whether a drawing exists</source>
        <translation>lire une liste, signaler ses problèmes et dire si un tirage est possible</translation>
    </message>
    <message>
        <source>Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot
give or receive), 2 when the file cannot be read. With drawing options, one line per
option says whether a drawing exists under it: exit status 3 when one is proven
impossible, 1 when none was found within the time limit.</source>
        <translation>Code de sortie : 0 si un tirage est possible, 3 si aucun ne l&apos;est (la raison nomme qui ne
peut ni offrir ni recevoir), 2 si le fichier ne peut pas être lu. Avec des options de
tirage, une ligne par option dit si un tirage est possible avec elle : code 3 si l&apos;une est
prouvée impossible, 1 si aucun tirage n&apos;a été trouvé dans le temps imparti.</translation>
    </message>
    <message>
        <source>draw once, without sending anything</source>
        <translation>tirer une fois, sans rien envoyer</translation>
    </message>
    <message>
        <source>Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no
drawing exists.</source>
        <translation>N&apos;affiche que le fait qu&apos;un tirage a été trouvé, sauf avec --reveal. Code de sortie 3 si
aucun tirage n&apos;est possible.</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable drawings)</source>
        <translation>initialiser la source aléatoire avec N (tirages reproductibles)</translation>
    </message>
    <message>
        <source>print &quot;GIVER -&gt; RECEIVER&quot; for every participant, in roster order</source>
        <translation>afficher &quot;GIVER -&gt; RECEIVER&quot; pour chaque participant, dans l&apos;ordre de la liste</translation>
    </message>
    <message>
        <source>Calculate &amp; Send: draw unseen, archive and notify everyone</source>
        <translation>Tirer &amp; envoyer : tirer sans regarder, archiver et prévenir tout le monde</translation>
    </message>
    <message>
        <source>The drawing is archived under DATA-DIR/History (list file and HTML log) before any
message leaves; mail goes by the configured path (see &quot;settings&quot;). Status texts go to
standard error, the summary to standard output. Exit status 0 only when every message
was accepted.</source>
        <translation>Le tirage est archivé sous DATA-DIR/History (fichier de liste et journal HTML) avant qu&apos;un
message ne parte ; le courrier suit la voie configurée (voir &quot;settings&quot;). Les textes
d&apos;état vont sur l&apos;erreur standard, le résumé sur la sortie standard. Code de sortie 0
seulement si chaque message a été accepté.</translation>
    </message>
    <message>
        <source>re-send an archived drawing to the named participants, or to everyone not reached</source>
        <translation>renvoyer un tirage archivé aux personnes nommées ou non jointes</translation>
    </message>
    <message>
        <source>ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with --to
are notified, with the receivers the archive holds; with --pending, everyone whose
message the archive&apos;s delivery ledger does not record as accepted (a message whose
answer never came is sent again).</source>
        <translation>ARCHIVE.hmr est un fichier de liste de DATA-DIR/History. Seuls les participants nommés
avec --to sont prévenus, avec les destinataires que l&apos;archive contient ; avec --pending,
tous ceux dont le registre d&apos;envoi de l&apos;archive n&apos;inscrit pas le message comme accepté (un
message dont la réponse n&apos;est jamais venue est renvoyé).</translation>
    </message>
    <message>
        <source>a participant to notify (exact name; give it once per person)</source>
        <translation>un participant à prévenir (nom exact ; à indiquer une fois par personne)</translation>
    </message>
    <message>
        <source>notify everyone the archive&apos;s ledger does not record as reached</source>
        <translation>prévenir tous ceux que le registre d&apos;envoi de l&apos;archive n&apos;inscrit pas comme joints</translation>
    </message>
    <message>
        <source>add a late participant to a sent drawing, without a redraw</source>
        <translation>ajouter un retardataire à un tirage envoyé, sans nouveau tirage</translation>
    </message>
    <message>
        <source>One giver, chosen at random among those the exclusions allow, now gives to the newcomer,
and the newcomer to that giver&apos;s former receiver. Exactly those two are notified; the
giver&apos;s message says it replaces the earlier one. The change is archived as the next
version beside ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), whose newest version is the one
changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no
place keeps every exclusion.</source>
        <translation>Un donneur, choisi au hasard parmi ceux que les exclusions permettent, offre désormais au
nouveau venu, et le nouveau venu à l&apos;ancien destinataire de ce donneur. Seuls ces deux-là
sont prévenus ; le message du donneur dit qu&apos;il remplace le précédent. La modification est
archivée comme version suivante à côté d&apos;ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), dont la version
la plus récente est celle modifiée. Affiche qui a été prévenu. Code de sortie 0, 1 si un
message a échoué, 3 si aucune place ne respecte toutes les exclusions.</translation>
    </message>
    <message>
        <source>the newcomer&apos;s name (required)</source>
        <translation>le nom du nouveau venu (obligatoire)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s address (required)</source>
        <translation>l&apos;adresse du nouveau venu (obligatoire)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s notes, gift suggestions or instructions</source>
        <translation>les notes du nouveau venu, idées de cadeaux ou consignes</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable changes)</source>
        <translation>initialiser la source aléatoire avec N (modifications reproductibles)</translation>
    </message>
    <message>
        <source>take a participant out of a sent drawing, without a redraw</source>
        <translation>retirer un participant d&apos;un tirage envoyé, sans nouveau tirage</translation>
    </message>
    <message>
        <source>The leaver&apos;s giver now gives to the leaver&apos;s receiver when the exclusions allow it;
otherwise as few givers as possible get a new receiver. Exactly the givers whose
receiver changed are notified, archived and reported as for join.</source>
        <translation>Le donneur de la personne qui part offre désormais au destinataire de celle-ci si les
exclusions le permettent ; sinon, le moins de donneurs possible reçoivent un nouveau
destinataire. Seuls les donneurs dont le destinataire a changé sont prévenus ; archivage
et compte rendu comme pour join.</translation>
    </message>
    <message>
        <source>the participant who leaves (required)</source>
        <translation>le participant qui part (obligatoire)</translation>
    </message>
    <message>
        <source>print sealed slips of an archived drawing for people without e-mail</source>
        <translation>imprimer les billets scellés d&apos;un tirage archivé pour qui n&apos;a pas d&apos;e-mail</translation>
    </message>
    <message>
        <source>Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages show
only the givers&apos; names, the even page behind each the receivers and their notes. Cut,
fold each slip along its dotted line with the printed back inwards, and hand it out
unseen. One slip per participant, per person named with --to, or with --pending per
giver the archive&apos;s delivery ledgers do not record as reached.</source>
        <translation>Écrit un PDF à imprimer recto verso (retournement sur le bord long) : les pages impaires
ne montrent que les noms des donneurs, la page paire derrière chacune les destinataires et
leurs notes. Découpez, pliez chaque billet le long de sa ligne pointillée, verso imprimé
vers l&apos;intérieur, et distribuez-le sans le regarder. Un billet par participant, par
personne nommée avec --to, ou avec --pending par donneur que les registres d&apos;envoi de
l&apos;archive n&apos;inscrivent pas comme joint.</translation>
    </message>
    <message>
        <source>print the slip of this participant (give it once per person)</source>
        <translation>imprimer le billet de ce participant (à indiquer une fois par personne)</translation>
    </message>
    <message>
        <source>print the slips of the givers no message reached</source>
        <translation>imprimer les billets des donneurs qu&apos;aucun message n&apos;a atteints</translation>
    </message>
    <message>
        <source>where the PDF goes (required)</source>
        <translation>où écrire le PDF (obligatoire)</translation>
    </message>
    <message>
        <source>send a free-form message to every participant</source>
        <translation>envoyer un message libre à chaque participant</translation>
    </message>
    <message>
        <source>subject after each participant&apos;s name (required)</source>
        <translation>objet après le nom de chaque participant (obligatoire)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (required)</source>
        <translation>texte du message tiré du fichier F, &quot;-&quot; pour l&apos;entrée standard (obligatoire)</translation>
    </message>
    <message>
        <source>show or change the mail settings</source>
        <translation>afficher ou modifier les réglages de courrier</translation>
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
        <translation>Noms : UseSMTP (1 = client SMTP intégré, 0 = programme d&apos;envoi du système), SMTPServer
(hôte[:port]), SMTPAccountName (votre adresse), SMTPUserName (votre nom),
ServerRequiresAuthentication (1 ou 0), MailerCommand (le programme d&apos;envoi du système),
SMTPAuthMethod (password ou oauth2), OAuthProvider (microsoft, google ou custom) et, pour
custom ou pour remplacer un fournisseur, OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID,
OAuthScopes. Les modifications sont vérifiées comme la fenêtre des réglages les vérifie.
Le mot de passe n&apos;est jamais accepté sur la ligne de commande : utilisez --password-stdin.
Les secrets vont dans le trousseau du système ; s&apos;il n&apos;y en a pas, ils ne sont gardés dans
le fichier de réglages qu&apos;avec --allow-file-secret (HOLLYMOOR_KEYRING=none : toujours le
fichier).</translation>
    </message>
    <message>
        <source>print the settings (secrets masked) and where the secrets are kept</source>
        <translation>afficher les réglages (secrets masqués) et l&apos;endroit où les secrets sont gardés</translation>
    </message>
    <message>
        <source>change one setting</source>
        <translation>modifier un réglage</translation>
    </message>
    <message>
        <source>read the new password from the first line of standard input</source>
        <translation>lire le nouveau mot de passe sur la première ligne de l&apos;entrée standard</translation>
    </message>
    <message>
        <source>without a keyring, keep the password in the settings file</source>
        <translation>sans trousseau, garder le mot de passe dans le fichier de réglages</translation>
    </message>
    <message>
        <source>send one test message to your own address and say how it went</source>
        <translation>envoyer un message de test à votre propre adresse et dire comment cela s&apos;est passé</translation>
    </message>
    <message>
        <source>sign in with your mail provider in the browser (OAuth2)</source>
        <translation>se connecter à votre fournisseur de courrier dans le navigateur (OAuth2)</translation>
    </message>
    <message>
        <source>Prints &quot;Open this address to sign in: URL&quot;, opens the browser (unless --no-browser),
and waits for the provider to send the browser back to this program on a loopback
port. The sign-in is kept in the system keyring and used from then on
(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider
defaults to the one chosen before, else the one of your address. For custom, set
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see &quot;settings&quot;).
Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out.</source>
        <translation>Affiche &quot;Ouvrez cette adresse pour vous connecter : URL&quot;, ouvre le navigateur (sauf avec
--no-browser) et attend que le fournisseur renvoie le navigateur vers ce programme sur un
port de bouclage. La connexion est gardée dans le trousseau du système et utilisée dès
lors (SMTPAuthMethod=oauth2) ; le jeton d&apos;accès est renouvelé avant son expiration. Le
fournisseur par défaut est celui choisi auparavant, sinon celui de votre adresse. Pour
custom, définissez d&apos;abord OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID et OAuthScopes
(voir &quot;settings&quot;). Code de sortie 0 une fois connecté, 1 si la connexion a été refusée, a
échoué ou a expiré.</translation>
    </message>
    <message>
        <source>microsoft, google or custom</source>
        <translation>microsoft, google ou custom</translation>
    </message>
    <message>
        <source>only print the address; open it yourself, on this computer</source>
        <translation>afficher seulement l&apos;adresse ; ouvrez-la vous-même, sur cet ordinateur</translation>
    </message>
    <message>
        <source>how long to wait for the browser (default 300)</source>
        <translation>durée d&apos;attente du navigateur (300 par défaut)</translation>
    </message>
    <message>
        <source>without a keyring, keep the sign-in in the settings file</source>
        <translation>sans trousseau, garder la connexion dans le fichier de réglages</translation>
    </message>
    <message>
        <source>forget the sign-in with your mail provider</source>
        <translation>oublier la connexion à votre fournisseur de courrier</translation>
    </message>
    <message>
        <source>Removes the refresh and access tokens from the keyring or the settings file. Sending
then needs a new login, or SMTPAuthMethod=password.</source>
        <translation>Retire les jetons d&apos;actualisation et d&apos;accès du trousseau ou du fichier de réglages.
L&apos;envoi demande alors un nouveau login, ou SMTPAuthMethod=password.</translation>
    </message>
    <message>
        <source>where &quot;Saved&quot;, &quot;History&quot; and &quot;smtp_session.log&quot; are kept</source>
        <translation>où se trouvent &quot;Saved&quot;, &quot;History&quot; et &quot;smtp_session.log&quot;</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>le fichier de réglages</translation>
    </message>
    <message>
        <source>show help (for a command: COMMAND --help)</source>
        <translation>afficher l&apos;aide (pour une commande : COMMAND --help)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

The Hollymoor errands from a terminal or a script, with the same list files, archive,
settings and session log as the desktop program.

Commands:
</source>
        <translation>Usage : hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

Les tâches de Hollymoor depuis un terminal ou un script, avec les mêmes fichiers de
liste, la même archive, les mêmes réglages et le même journal de session que le
programme de bureau.

Commandes :
</translation>
    </message>
    <message>
        <source>Global options:</source>
        <translation>Options globales :</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the errand failed (for example a message was not
accepted), 2 bad usage or unreadable input, 3 no drawing exists.</source>
        <translation>Code de sortie : 0 succès, 1 la tâche a échoué (par exemple un message n&apos;a pas été
accepté), 2 mauvaise utilisation ou entrée illisible, 3 aucun tirage possible.</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [global options]</source>
        <translation>Usage : hollymoor-cli [options globales]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>nobody draws anyone they drew in the last N archived drawings (0 to 5; matched by address, else by name)</source>
        <translation>personne ne tire quelqu&apos;un qu&apos;il a tiré dans les N derniers tirages archivés (0 à 5 ; reconnu par l&apos;adresse, sinon par le nom)</translation>
    </message>
    <message>
        <source>the gifts run as one single loop through everybody</source>
        <translation>les cadeaux forment une seule boucle passant par tout le monde</translation>
    </message>
    <message>
        <source>nobody draws the person who draws them</source>
        <translation>personne ne tire la personne qui le tire</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>The contacts file [%1] is not a regular file</source>
        <translation>Le fichier de contacts [%1] n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The contacts file [%1] is larger than %2 MB</source>
        <translation>Le fichier de contacts [%1] dépasse %2 Mo</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be opened</source>
        <translation>Le fichier de contacts [%1] n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be read</source>
        <translation>Le fichier de contacts [%1] n&apos;a pas pu être lu</translation>
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
    <message>
        <source>Error Failed to Logon to MAPI Email Client, This function may not be available if your email client does not support MAPI, You must add the information by using the manual addition.</source>
        <translation>Erreur : échec de la connexion au logiciel de messagerie MAPI. Cette fonction n&apos;est peut-être pas disponible si votre logiciel de messagerie ne prend pas en charge MAPI. Vous devez ajouter les informations manuellement.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>a drawing needs at least two participants</source>
        <translation>un tirage demande au moins deux participants</translation>
    </message>
    <message>
        <source>every participant is excluded from giving to %1</source>
        <translation>chaque participant est exclu d&apos;offrir à %1</translation>
    </message>
    <message>
        <source>%1 is excluded from giving to every participant</source>
        <translation>%1 est exclu d&apos;offrir à tous les participants</translation>
    </message>
    <message>
        <source>no participant who may give to %1 has a receiver %1 may give to</source>
        <translation>aucun participant pouvant offrir à %1 n&apos;a un destinataire auquel %1 peut offrir</translation>
    </message>
    <message>
        <source>once %1 leaves, nobody may give to the person %1 gives to</source>
        <translation>une fois %1 parti, personne ne peut offrir à la personne à qui %1 offre</translation>
    </message>
    <message>
        <source>the gift %1 would have given cannot be passed on without breaking an exclusion</source>
        <translation>le cadeau que %1 aurait offert ne peut pas être transmis sans enfreindre une exclusion</translation>
    </message>
    <message>
        <source>the archived drawing does not match the participants and their exclusions</source>
        <translation>le tirage archivé ne correspond pas aux participants et à leurs exclusions</translation>
    </message>
    <message>
        <source>everybody may give to and receive from at least half of the others</source>
        <translation>chacun peut offrir à au moins la moitié des autres et recevoir d&apos;eux</translation>
    </message>
    <message>
        <source>a drawing was found</source>
        <translation>un tirage a été trouvé</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>participant %1</translation>
    </message>
    <message>
        <source>A valid drawing exists.</source>
        <translation>Un tirage valable est possible.</translation>
    </message>
    <message>
        <source>Nobody may draw %1: everybody else excludes them.</source>
        <translation>Personne ne peut tirer %1 : tous les autres l&apos;excluent.</translation>
    </message>
    <message>
        <source>%1 may draw nobody.</source>
        <translation>%1 ne peuvent tirer personne.</translation>
    </message>
    <message>
        <source>%1 may draw only %2: %3 for %4 givers.</source>
        <translation>%1 ne peuvent tirer que %2 : %3 pour %4 donneurs.</translation>
    </message>
    <message>
        <source>%1 may give only among themselves, so no single loop can include everybody.</source>
        <translation>%1 ne peuvent offrir qu&apos;entre eux, donc aucune boucle unique ne peut inclure tout le monde.</translation>
    </message>
    <message>
        <source>No single loop through everybody exists: every possible drawing was counted.</source>
        <translation>Aucune boucle unique ne passe par tout le monde : chaque tirage possible a été compté.</translation>
    </message>
    <message>
        <source>Every possible drawing has two people drawing each other: every possible drawing was counted.</source>
        <translation>Chaque tirage possible contient deux personnes qui se tirent mutuellement : chaque tirage possible a été compté.</translation>
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
    <message>
        <source>no delivery ledger beside [%1] or its earlier versions</source>
        <translation>aucun registre d&apos;envoi à côté de [%1] ni de ses versions antérieures</translation>
    </message>
    <message>
        <source>the new participant needs a name</source>
        <translation>le nouveau participant doit avoir un nom</translation>
    </message>
    <message>
        <source>there is already a participant named %1</source>
        <translation>il y a déjà un participant nommé %1</translation>
    </message>
    <message>
        <source>the archive holds no complete drawing</source>
        <translation>l&apos;archive ne contient pas de tirage complet</translation>
    </message>
    <message>
        <source>no such participant</source>
        <translation>ce participant n&apos;existe pas</translation>
    </message>
    <message>
        <source>Error while attempting to save information to file [%1]</source>
        <translation>Erreur lors de l&apos;enregistrement des informations dans le fichier [%1]</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Erreur lors de l&apos;enregistrement des informations dans le fichier journal [%1]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Tous les fichiers (*.*)|*.*|Fichiers Père Noël secret (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Fichiers Père Noël secret (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the participant list?
Your changes are lost if you do not save them.</source>
        <translation>Voulez-vous enregistrer les modifications de la liste des participants ?
Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to [%1]?
Your changes are lost if you do not save them.</source>
        <translation>Voulez-vous enregistrer les modifications de [%1] ?
Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Nobody was marked for re-sending: %1</source>
        <translation>Personne n&apos;a été marqué pour le renvoi : %1</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm</source>
        <translation>Tous les fichiers (*.*)|*.*|Journaux Père Noël secret (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Unable to open [%1]
No program on this computer could show it; open the file with a web browser.</source>
        <translation>Impossible d&apos;ouvrir [%1]
Aucun programme de cet ordinateur n&apos;a pu l&apos;afficher ; ouvrez le fichier avec un navigateur web.</translation>
    </message>
    <message>
        <source>Error while Checking File Version from file [%1] on line number %2</source>
        <translation>Erreur lors de la vérification de la version du fichier [%1] à la ligne %2</translation>
    </message>
    <message>
        <source>a list needs at least two participants</source>
        <translation>une liste doit compter au moins deux participants</translation>
    </message>
    <message>
        <source>Error while Loading Participant Information from file [%1] on line number %2</source>
        <translation>Erreur lors du chargement des participants depuis le fichier [%1] à la ligne %2</translation>
    </message>
    <message>
        <source>the file holds more than %1 participants</source>
        <translation>le fichier contient plus de %1 participants</translation>
    </message>
    <message>
        <source>Error while Loading Exclusion Information from file [%1] on line number %2</source>
        <translation>Erreur lors du chargement des exclusions depuis le fichier [%1] à la ligne %2</translation>
    </message>
    <message>
        <source>Error while Loading Secret Santa ReSend Information from file [%1] on line number %2</source>
        <translation>Erreur lors du chargement des informations de renvoi depuis le fichier [%1] à la ligne %2</translation>
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
    <name>InfoOptions</name>
    <message>
        <source>Usage: hollymoor [OPTION]...
Organise a Secret Santa gift exchange: keep the roster, set who must not draw
whom, draw at random and e-mail every giver their receiver.

  -h, --help     show this help and exit
      --version  show the program&apos;s version and exit

Other options are those of the Qt toolkit (for example -platform, -style).
</source>
        <translation>Utilisation : hollymoor [OPTION]...
Organise un échange de cadeaux du Père Noël secret : tenir la liste, fixer qui ne
doit pas tirer qui, tirer au sort et envoyer à chacun par e-mail la personne à gâter.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version du programme et quitter

Les autres options sont celles de la boîte à outils Qt (par exemple -platform, -style).
</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>cannot read the delivery ledger [%1]</source>
        <translation>impossible de lire le registre d&apos;envoi [%1]</translation>
    </message>
    <message>
        <source>[%1] is not a delivery ledger</source>
        <translation>[%1] n&apos;est pas un registre d&apos;envoi</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] already holds a run</source>
        <translation>le registre d&apos;envoi [%1] contient déjà un envoi</translation>
    </message>
    <message>
        <source>cannot write the delivery ledger [%1]: %2</source>
        <translation>impossible d&apos;écrire le registre d&apos;envoi [%1] : %2</translation>
    </message>
    <message>
        <source>not attempted</source>
        <translation>pas tenté</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2: %3)</source>
        <translation>%1 (%2 : %3)</translation>
    </message>
    <message>
        <source>%1: refused, %2</source>
        <translation>%1 : refusé, %2</translation>
    </message>
    <message>
        <source>%1: the connection ended before the server confirmed the message</source>
        <translation>%1 : la connexion s&apos;est terminée avant que le serveur confirme le message</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1 : pas envoyé</translation>
    </message>
    <message>
        <source>%1: not sent (last try: %2)</source>
        <translation>%1 : pas envoyé (dernier essai : %2)</translation>
    </message>
    <message>
        <source>These participants were not notified:
%1</source>
        <translation>Ces participants n&apos;ont pas été prévenus :
%1</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing with the newest file in History and mark them to send their notifications again.</source>
        <translation>Choisissez « Renvoyer le tirage précédent » avec le fichier le plus récent de History et marquez-les pour renvoyer leurs notifications.</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1]</source>
        <translation>aucun registre d&apos;envoi à côté de [%1]</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] records no deliveries</source>
        <translation>le registre d&apos;envoi [%1] n&apos;inscrit aucun envoi</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] names %2 in row %3, which [%4] does not hold</source>
        <translation>le registre d&apos;envoi [%1] nomme %2 à la ligne %3, que [%4] ne contient pas</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>The test message to %1 was accepted for delivery.</source>
        <translation>Le message de test à %1 a été accepté pour remise.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered.</source>
        <translation>Le message de test à %1 n&apos;a pas été remis.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered: %2</source>
        <translation>Le message de test à %1 n&apos;a pas été remis : %2</translation>
    </message>
    <message>
        <source>The test message goes to your own e-mail address. Enter it as the sender&apos;s address first.</source>
        <translation>Le message de test est envoyé à votre propre adresse e-mail. Saisissez-la d&apos;abord comme adresse de l&apos;expéditeur.</translation>
    </message>
</context>
<context>
    <name>Mailer</name>
    <message>
        <source>No mailer command is set</source>
        <translation>Aucune commande d&apos;envoi n&apos;est définie</translation>
    </message>
    <message>
        <source>The mailer [%1] was not found or may not be run; install a sendmail-compatible program or change the mailer command</source>
        <translation>Le programme d&apos;envoi [%1] est introuvable ou ne peut pas être lancé ; installez un programme compatible sendmail ou changez la commande d&apos;envoi</translation>
    </message>
    <message>
        <source>No mail session is open</source>
        <translation>Aucune session de courrier n&apos;est ouverte</translation>
    </message>
    <message>
        <source>No message is being composed</source>
        <translation>Aucun message n&apos;est en cours de rédaction</translation>
    </message>
    <message>
        <source>No address book is available</source>
        <translation>Aucun carnet d&apos;adresses n&apos;est disponible</translation>
    </message>
    <message>
        <source>The address book was cancelled</source>
        <translation>Le carnet d&apos;adresses a été annulé</translation>
    </message>
    <message>
        <source>Invalid recipient index</source>
        <translation>Index de destinataire non valide</translation>
    </message>
    <message>
        <source>No recipient</source>
        <translation>Aucun destinataire</translation>
    </message>
    <message>
        <source>The message has no recipient</source>
        <translation>Le message n&apos;a aucun destinataire</translation>
    </message>
    <message>
        <source>The mailer cannot show a message before sending it</source>
        <translation>Le programme d&apos;envoi ne peut pas afficher un message avant de l&apos;envoyer</translation>
    </message>
    <message>
        <source>The address [%1] is not an e-mail address</source>
        <translation>L&apos;adresse [%1] n&apos;est pas une adresse e-mail</translation>
    </message>
    <message>
        <source>The mailer [%1] could not be started: %2</source>
        <translation>Le programme d&apos;envoi [%1] n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 second and was stopped</source>
        <translation>Le programme d&apos;envoi [%1] n&apos;a pas terminé en %2 seconde et a été arrêté</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 seconds and was stopped</source>
        <translation>Le programme d&apos;envoi [%1] n&apos;a pas terminé en %2 secondes et a été arrêté</translation>
    </message>
    <message>
        <source>The mailer [%1] was ended by signal %2</source>
        <translation>Le programme d&apos;envoi [%1] a été arrêté par le signal %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2</source>
        <translation>Le programme d&apos;envoi [%1] a échoué avec le code de sortie %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2: %3</source>
        <translation>Le programme d&apos;envoi [%1] a échoué avec le code de sortie %2 : %3</translation>
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
    <message>
        <source>Sending was cancelled; the remaining messages were not sent</source>
        <translation>L&apos;envoi a été annulé ; les messages restants n&apos;ont pas été envoyés</translation>
    </message>
    <message>
        <source>Logging on to MAPI Email Client...</source>
        <translation>Connexion au client de messagerie MAPI...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Logoff Failure: </source>
        <translation>Échec de la déconnexion : </translation>
    </message>
    <message>
        <source>Logging into MAPI Email Client...</source>
        <translation>Connexion au client de messagerie MAPI...</translation>
    </message>
    <message>
        <source>No message had been handed to the mail client.</source>
        <translation>Aucun message n&apos;avait été remis au client de messagerie.</translation>
    </message>
    <message>
        <source>%1 Mail Messages had already been handed to the mail client:
%2</source>
        <translation>%1 e-mails avaient déjà été remis au client de messagerie :
%2</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 e-mails envoyés</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 e-mails renvoyés</translation>
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
    <name>Providers</name>
    <message>
        <source>Gmail: create an app password at https://myaccount.google.com/apppasswords (2-Step Verification on); or sign in with Google</source>
        <translation>Gmail : créez un mot de passe d&apos;application sur https://myaccount.google.com/apppasswords (validation en deux étapes activée), ou connectez-vous avec Google</translation>
    </message>
    <message>
        <source>Outlook.com: passwords, app passwords included, are refused; sign in with Microsoft</source>
        <translation>Outlook.com : les mots de passe, y compris d&apos;application, sont refusés ; connectez-vous avec Microsoft</translation>
    </message>
    <message>
        <source>Microsoft 365: sign in with Microsoft; password sign-in is being turned off</source>
        <translation>Microsoft 365 : connectez-vous avec Microsoft ; la connexion par mot de passe est en cours de suppression</translation>
    </message>
    <message>
        <source>Yahoo Mail: create an app password at https://login.yahoo.com/account/security</source>
        <translation>Yahoo Mail : créez un mot de passe d&apos;application sur https://login.yahoo.com/account/security</translation>
    </message>
    <message>
        <source>iCloud Mail: create an app-specific password at https://account.apple.com (Sign-In and Security)</source>
        <translation>iCloud Mail : créez un mot de passe pour app sur https://account.apple.com (Connexion et sécurité)</translation>
    </message>
    <message>
        <source>GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first</source>
        <translation>GMX : autorisez d&apos;abord l&apos;accès par d&apos;autres logiciels de messagerie (POP3/IMAP) dans les réglages de GMX</translation>
    </message>
    <message>
        <source>WEB.DE: allow access by other mail programs (POP3/IMAP) in the WEB.DE settings first</source>
        <translation>WEB.DE : autorisez d&apos;abord l&apos;accès par d&apos;autres logiciels de messagerie (POP3/IMAP) dans les réglages de WEB.DE</translation>
    </message>
    <message>
        <source>Fastmail: create an app password under Settings, Privacy &amp; Security</source>
        <translation>Fastmail : créez un mot de passe d&apos;application dans Settings, Privacy &amp; Security</translation>
    </message>
    <message>
        <source>Zoho Mail: with two-factor sign-in on, create an application-specific password</source>
        <translation>Zoho Mail : avec la connexion à deux facteurs activée, créez un mot de passe propre à l&apos;application</translation>
    </message>
    <message>
        <source>Proton Mail: start Proton Mail Bridge and use the user name and password it shows</source>
        <translation>Proton Mail : lancez Proton Mail Bridge et utilisez le nom d&apos;utilisateur et le mot de passe qu&apos;il affiche</translation>
    </message>
    <message>
        <source>%1 sends only from the account you signed in with (%2), not from %3</source>
        <translation>%1 n&apos;envoie que depuis le compte avec lequel vous vous êtes connecté (%2), pas depuis %3</translation>
    </message>
    <message>
        <source>%1 sends only from the account you sign in with; %2 is not a %1 address</source>
        <translation>%1 n&apos;envoie que depuis le compte avec lequel vous vous connectez ; %2 n&apos;est pas une adresse %1</translation>
    </message>
    <message>
        <source>Microsoft no longer accepts passwords for this account: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings instead of a password.</source>
        <translation>Microsoft n&apos;accepte plus de mot de passe pour ce compte : choisissez &quot;Se connecter avec Microsoft&quot; dans Outils-&gt;Configuration au lieu d&apos;un mot de passe.</translation>
    </message>
    <message>
        <source>Microsoft 365 has turned off password sign-in for this mailbox: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings.</source>
        <translation>Microsoft 365 a désactivé la connexion par mot de passe pour cette boîte : choisissez &quot;Se connecter avec Microsoft&quot; dans Outils-&gt;Configuration.</translation>
    </message>
    <message>
        <source>Microsoft refused the sign-in: check the password, or sign in with Microsoft; a work account may need its administrator to allow authenticated SMTP.</source>
        <translation>Microsoft a refusé la connexion : vérifiez le mot de passe, ou connectez-vous avec Microsoft ; pour un compte professionnel, l&apos;administrateur doit peut-être autoriser le SMTP authentifié.</translation>
    </message>
    <message>
        <source>Microsoft refuses mail from an address other than the signed-in account: make &quot;Your email address&quot; the account you sign in with.</source>
        <translation>Microsoft refuse le courrier d&apos;une autre adresse que le compte connecté : indiquez dans &quot;Votre adresse e-mail&quot; le compte avec lequel vous vous connectez.</translation>
    </message>
    <message>
        <source>Gmail wants an app password: turn on 2-Step Verification, create one at https://myaccount.google.com/apppasswords and enter it as the password, or sign in with Google.</source>
        <translation>Gmail demande un mot de passe d&apos;application : activez la validation en deux étapes, créez-en un sur https://myaccount.google.com/apppasswords et saisissez-le comme mot de passe, ou connectez-vous avec Google.</translation>
    </message>
    <message>
        <source>The server did not accept the user name and password: check them; Gmail, Yahoo and iCloud need an app password, not your normal one.</source>
        <translation>Le serveur n&apos;a pas accepté le nom d&apos;utilisateur et le mot de passe : vérifiez-les ; Gmail, Yahoo et iCloud demandent un mot de passe d&apos;application, pas le mot de passe habituel.</translation>
    </message>
    <message>
        <source>The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the server entry.</source>
        <translation>Le serveur exige d&apos;abord une connexion chiffrée : utilisez le port 587 (STARTTLS) ou 465 dans l&apos;entrée du serveur.</translation>
    </message>
    <message>
        <source>The server is limiting how fast or how much you send: wait an hour or so, then re-send to the participants who were not notified.</source>
        <translation>Le serveur limite la vitesse ou la quantité d&apos;envoi : attendez environ une heure, puis renvoyez aux participants qui n&apos;ont pas été prévenus.</translation>
    </message>
    <message>
        <source>The daily sending limit of this account is reached: re-send to the participants who were not notified tomorrow.</source>
        <translation>La limite d&apos;envoi quotidienne de ce compte est atteinte : renvoyez demain aux participants qui n&apos;ont pas été prévenus.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation type="vanished">Ajouter un participant retardataire</translation>
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
        <translation type="vanished">Le renvoi n&apos;a pas pu être inscrit dans le registre d&apos;envoi du tirage précédent : </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>Le tirage n&apos;a pas pu être enregistré dans le dossier History [%1], aucun message n&apos;a donc été envoyé. Votre liste est inchangée.

Vérifiez que ce dossier est accessible en écriture et que le disque a de l&apos;espace libre, puis choisissez à nouveau « Tirer &amp; envoyer ».</translation>
    </message>
    <message>
        <source>No place in this drawing keeps every exclusion: %1.
Only a full redraw can include %2: add them to the list and use Calculate &amp; Send.</source>
        <translation>Aucune place dans ce tirage ne respecte toutes les exclusions : %1.
Seul un nouveau tirage complet peut inclure %2 : ajoutez cette personne à la liste et utilisez Tirer &amp; envoyer.</translation>
    </message>
    <message>
        <source>Participant who leaves</source>
        <translation>Participant qui se retire</translation>
    </message>
    <message>
        <source>Nobody named %1 takes part in this drawing.</source>
        <translation>Personne du nom de %1 ne participe à ce tirage.</translation>
    </message>
    <message>
        <source>No change to this drawing keeps every exclusion: %1.
Only a full redraw can go on without %2.</source>
        <translation>Aucune modification de ce tirage ne respecte toutes les exclusions : %1.
Seul un nouveau tirage complet peut se faire sans %2.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slips could not be printed: %1</source>
        <translation>Les billets n&apos;ont pas pu être imprimés : %1</translation>
    </message>
    <message>
        <source>%1 slips saved to %2.
Print on both sides (flip on the long edge), cut, and fold each slip along its dotted line with the printed back inwards.</source>
        <translation>Billets enregistrés dans %2 : %1.
Imprimez en recto verso (retournement sur le bord long), découpez, puis pliez chaque billet le long de sa ligne pointillée, verso imprimé vers l&apos;intérieur.</translation>
    </message>
    <message>
        <source>The event details could not be saved next to %1; they are kept as the default for the next exchange.</source>
        <translation>Les détails de l&apos;événement n&apos;ont pas pu être enregistrés à côté de %1 ; ils sont conservés par défaut pour le prochain échange.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>the exclusion list field</source>
        <translation>le champ de la liste d&apos;exclusions</translation>
    </message>
    <message>
        <source>the name field</source>
        <translation>le champ du nom</translation>
    </message>
    <message>
        <source>the e-mail address field</source>
        <translation>le champ de l&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>the drawn name field</source>
        <translation>le champ du nom tiré</translation>
    </message>
    <message>
        <source>the notes field</source>
        <translation>le champ des notes</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds a double quote (a quote may be missing)</source>
        <translation>%1 &quot;%2&quot; contient un guillemet double (il en manque peut-être un)</translation>
    </message>
    <message>
        <source>%1 has no closing quote</source>
        <translation>%1 n&apos;a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>%1 holds a stray double quote</source>
        <translation>%1 contient un guillemet double égaré</translation>
    </message>
    <message>
        <source>the record ends after %1 field where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>l&apos;enregistrement se termine après %1 champ alors que %2 sont attendus (il manque peut-être un guillemet, ou l&apos;enregistrement est coupé sur plusieurs lignes)</translation>
    </message>
    <message>
        <source>the record ends after %1 fields where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>l&apos;enregistrement se termine après %1 champs alors que %2 sont attendus (il manque peut-être un guillemet, ou l&apos;enregistrement est coupé sur plusieurs lignes)</translation>
    </message>
    <message>
        <source>%1 holds a control character</source>
        <translation>%1 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the e-mail address holds a control character</source>
        <translation>l&apos;adresse e-mail contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; holds &quot;,&quot; (a quote may be missing)</source>
        <translation>l&apos;adresse e-mail &quot;%1&quot; contient &quot;,&quot; (il manque peut-être un guillemet)</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; does not look like an e-mail address</source>
        <translation>l&apos;adresse e-mail &quot;%1&quot; ne ressemble pas à une adresse e-mail</translation>
    </message>
    <message>
        <source>the file ends before the record does</source>
        <translation>le fichier se termine avant l&apos;enregistrement</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor Windows-1252 text</source>
        <translation>le fichier contient des caractères NUL : ce n&apos;est ni de l&apos;UTF-8, ni de l&apos;UTF-16 avec indicateur d&apos;ordre des octets, ni du texte Windows-1252</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (big-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>le fichier est de l&apos;UTF-16 endommagé (gros-boutiste) : il se termine au milieu d&apos;un caractère ou contient une paire de substitution cassée</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (little-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>le fichier est de l&apos;UTF-16 endommagé (petit-boutiste) : il se termine au milieu d&apos;un caractère ou contient une paire de substitution cassée</translation>
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
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Erreur lors de l&apos;enregistrement des informations dans le fichier journal [%1]</translation>
    </message>
    <message>
        <source>No single loop found within %1 second.</source>
        <translation>Aucune boucle unique trouvée en %1 seconde.</translation>
    </message>
    <message>
        <source>No single loop found within %1 seconds.</source>
        <translation>Aucune boucle unique trouvée en %1 secondes.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 second.</source>
        <translation>Aucun tirage sans paires croisées trouvé en %1 seconde.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 seconds.</source>
        <translation>Aucun tirage sans paires croisées trouvé en %1 secondes.</translation>
    </message>
    <message>
        <source>exactly uniform</source>
        <translation>exactement uniforme</translation>
    </message>
    <message>
        <source>approximately uniform</source>
        <translation>approximativement uniforme</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>boucle unique</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>pas de paires croisées</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided (of %2 asked)</source>
        <translation>paires du dernier tirage évitées (sur %2 demandés)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided (of %2 asked)</source>
        <translation>paires des %1 derniers tirages évitées (sur %2 demandés)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided</source>
        <translation>paires du dernier tirage évitées</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided</source>
        <translation>paires des %1 derniers tirages évitées</translation>
    </message>
    <message>
        <source>single loop dropped</source>
        <translation>boucle unique abandonnée</translation>
    </message>
    <message>
        <source>no swapped pairs dropped</source>
        <translation>« pas de paires croisées » abandonné</translation>
    </message>
    <message>
        <source>Drawing %1; options: %2</source>
        <translation>Tirage %1 ; options : %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>participant %1</translation>
    </message>
    <message>
        <source>A drawing without swapped pairs is impossible: %1</source>
        <translation>Un tirage sans paires croisées est impossible : %1</translation>
    </message>
    <message>
        <source>A single loop through everybody is impossible: %1</source>
        <translation>Une seule boucle passant par tout le monde est impossible : %1</translation>
    </message>
    <message>
        <source>Draw without the single loop?</source>
        <translation>Tirer sans la boucle unique ?</translation>
    </message>
    <message>
        <source>Draw allowing swapped pairs?</source>
        <translation>Tirer en autorisant les paires croisées ?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawing makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Éviter les paires du dernier tirage rend le tirage impossible : %2

Tirer sans les paires de ce tirage (%3) ?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawings makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Éviter les paires des %1 derniers tirages rend le tirage impossible : %2

Tirer sans les paires du plus ancien d&apos;entre eux (%3) ?</translation>
    </message>
    <message>
        <source>Single click Participant Name to select for Re-Send</source>
        <translation>Cliquez une fois sur le nom d&apos;un participant pour le choisir pour le renvoi</translation>
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
    <name>Settings</name>
    <message>
        <source>OAuthProvider must be microsoft, google or custom</source>
        <translation>OAuthProvider doit valoir microsoft, google ou custom</translation>
    </message>
    <message>
        <source>OAuthAuthorizeURL is not set</source>
        <translation>OAuthAuthorizeURL n&apos;est pas défini</translation>
    </message>
    <message>
        <source>OAuthTokenURL is not set</source>
        <translation>OAuthTokenURL n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no client ID: set OAuthClientID (this build has none for %1)</source>
        <translation>aucun identifiant client : définissez OAuthClientID (cette version n&apos;en a pas pour %1)</translation>
    </message>
    <message>
        <source>OAuthScopes is not set</source>
        <translation>OAuthScopes n&apos;est pas défini</translation>
    </message>
    <message>
        <source>Invalid SMTP Server entry</source>
        <translation>Entrée de serveur SMTP non valide</translation>
    </message>
    <message>
        <source>Invalid SMTP email address entry</source>
        <translation>Entrée d&apos;adresse e-mail SMTP non valide</translation>
    </message>
    <message>
        <source>Invalid SMTP name entry, must be longer than 2 characters</source>
        <translation>Nom SMTP non valide, il doit compter plus de 2 caractères</translation>
    </message>
    <message>
        <source>Error Failed to Save Settings</source>
        <translation>Erreur : impossible d&apos;enregistrer les réglages</translation>
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
    <message>
        <source>this program has no way to renew it here</source>
        <translation>ce programme ne peut pas la renouveler ici</translation>
    </message>
    <message>
        <source>Invalid SMTP entry, please change setting under the Tools-&gt;Settings menu</source>
        <translation>Entrée SMTP non valide, modifiez le réglage dans le menu Outils-&gt;Configuration</translation>
    </message>
    <message>
        <source>Error Failed to connect to SMTP Server</source>
        <translation>Erreur : échec de la connexion au serveur SMTP</translation>
    </message>
    <message>
        <source>Error This operation requires a internet connection</source>
        <translation>Erreur : cette opération nécessite une connexion à Internet</translation>
    </message>
    <message>
        <source>No Messages selected to send</source>
        <translation>Aucun message sélectionné pour l&apos;envoi</translation>
    </message>
    <message>
        <source>Connecting to SMTP mail server %1...</source>
        <translation>Connexion au serveur de courrier SMTP %1...</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 sent a reply longer than this program accepts; the connection was closed.</source>
        <translation>Le serveur de courrier SMTP %1 a envoyé une réponse plus longue que ce programme n&apos;accepte ; la connexion a été fermée.</translation>
    </message>
    <message>
        <source>SMTP Error</source>
        <translation>Erreur SMTP</translation>
    </message>
    <message>
        <source>A secure connection to the SMTP mail server %1 could not be established:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was sent over this connection.</source>
        <translation>Impossible d&apos;établir une connexion sécurisée avec le serveur de courrier SMTP %1 :<byte value="xd"/>
%2<byte value="xd"/>
Rien n&apos;a été envoyé par cette connexion.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Le serveur a fermé la connexion.</translation>
    </message>
    <message>
        <source>Winsock1 Error number %1</source>
        <translation>Erreur Winsock1 numéro %1</translation>
    </message>
    <message>
        <source>Winsock1 Error</source>
        <translation>Erreur Winsock1</translation>
    </message>
    <message>
        <source>Re-Connecting to SMTP mail server %1...</source>
        <translation>Reconnexion au serveur de courrier SMTP %1...</translation>
    </message>
    <message>
        <source>Error Failed to re-connect to SMTP Server</source>
        <translation>Erreur : échec de la reconnexion au serveur SMTP</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>aucune réponse du fournisseur de connexion en %1 secondes</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 did not answer within %2 seconds; the connection was closed.</source>
        <translation>Le serveur de courrier SMTP %1 n&apos;a pas répondu en %2 secondes ; la connexion a été fermée.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed. Sign in again under Tools-&gt;Settings.</source>
        <translation>La connexion n&apos;a pas pu être renouvelée. Reconnectez-vous dans Outils-&gt;Configuration.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again under Tools-&gt;Settings.</source>
        <translation>La connexion n&apos;a pas pu être renouvelée : %1. Reconnectez-vous dans Outils-&gt;Configuration.</translation>
    </message>
    <message>
        <source>User aborted SMTP Error: </source>
        <translation>Erreur SMTP, annulée par l&apos;utilisateur : </translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server %1...</source>
        <translation>Déconnexion du serveur de courrier SMTP %1...</translation>
    </message>
    <message>
        <source>SMTP Error: </source>
        <translation>Erreur SMTP : </translation>
    </message>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Erreur lors de l&apos;envoi des messages</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 offered a secure connection (STARTTLS) but refused to start it:<byte value="xd"/>
%2Nothing was sent over an unprotected connection.</source>
        <translation>Le serveur de courrier SMTP %1 a proposé une connexion sécurisée (STARTTLS) mais a refusé de la démarrer :<byte value="xd"/>
%2Rien n&apos;a été envoyé par une connexion non protégée.</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 does not offer an encrypted connection (STARTTLS), so nothing was sent: no login and no message went over the network unprotected.</source>
        <translation>Le serveur de courrier SMTP %1 ne propose pas de connexion chiffrée (STARTTLS), rien n&apos;a donc été envoyé : ni identification ni message n&apos;est passé sans protection sur le réseau.</translation>
    </message>
    <message>
        <source>An earlier connection of this run was encrypted; someone may be interfering with the connection.</source>
        <translation>Une connexion précédente de cet envoi était chiffrée ; quelqu&apos;un interfère peut-être avec la connexion.</translation>
    </message>
    <message>
        <source>Use a server or port that offers encryption (port 465 or 587), or allow unencrypted SMTP under Tools-&gt;Settings.</source>
        <translation>Utilisez un serveur ou un port qui propose le chiffrement (port 465 ou 587), ou autorisez le SMTP non chiffré dans Outils-&gt;Configuration.</translation>
    </message>
    <message>
        <source> ERROR: SMTP mail server authentication not supported</source>
        <translation> ERREUR : le serveur de courrier SMTP ne prend pas en charge l&apos;authentification</translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server: authentication not supported</source>
        <translation>Déconnexion du serveur de courrier SMTP : authentification non prise en charge</translation>
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
    <message>
        <source>Cancel Re-Send</source>
        <translation>Annuler le renvoi</translation>
    </message>
    <message>
        <source>Re-Send...</source>
        <translation>Renvoyer...</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Check For Updated Version of Hollymoor</source>
        <translation>Rechercher une nouvelle version de Hollymoor</translation>
    </message>
    <message>
        <source>Failed: could not reach the update server
Check your internet connection, or try again later
</source>
        <translation>Échec : le serveur de mises à jour est injoignable
Vérifiez votre connexion à Internet, ou réessayez plus tard
</translation>
    </message>
    <message>
        <source>Failed: Unable to verify current version number
Try again later
</source>
        <translation>Échec : impossible de vérifier le numéro de version actuel
Réessayez plus tard
</translation>
    </message>
    <message>
        <source>You have the most recent version of Hollymoor
</source>
        <translation>Vous avez la version la plus récente de Hollymoor
</translation>
    </message>
    <message>
        <source>A new version %1 is now available for download.
Click on the link on the about dialog to download
or goto %2
</source>
        <translation>Une nouvelle version %1 est disponible au téléchargement.
Cliquez sur le lien de la fenêtre « À propos » pour la télécharger
ou allez sur %2
</translation>
    </message>
    <message>
        <source>Failed: You do not appear to be connected to the internet
</source>
        <translation>Échec : vous ne semblez pas connecté à Internet
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
    <message>
        <source>no loopback port could be opened for the sign-in&apos;s answer</source>
        <translation>aucun port local n&apos;a pu être ouvert pour la réponse de la connexion</translation>
    </message>
    <message>
        <source>the sign-in provider sent no access token</source>
        <translation>le fournisseur de connexion n&apos;a envoyé aucun jeton d&apos;accès</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>aucune réponse du fournisseur de connexion en %1 secondes</translation>
    </message>
    <message>
        <source>not signed in</source>
        <translation>non connecté</translation>
    </message>
</context>
<context>
    <name>ui::QtSecretStore</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>le trousseau de clés n&apos;a pas répondu</translation>
    </message>
</context>
<context>
    <name>ui::QtShell</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>No program is set up to open this address</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir cette adresse</translation>
    </message>
</context>
<context>
    <name>ui::RunProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stopping after the message being sent (%1 of %2)...</source>
        <translation>Arrêt après le message en cours d&apos;envoi (%1 sur %2)...</translation>
    </message>
    <message>
        <source>Sending message %1 of %2</source>
        <translation>Envoi du message %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ui::SettingsDialog</name>
    <message>
        <source>&lt; type one in&gt;</source>
        <translation>&lt; saisissez-en un&gt;</translation>
    </message>
    <message>
        <source>Choose MAPI when your default mail program is a MAPI mail client such as Microsoft Outlook or Outlook Express; on this system the MAPI choice hands every message to the system&apos;s mailer (a sendmail-compatible program). Otherwise choose SMTP.

Your outgoing (SMTP) server&apos;s name is in your mail program&apos;s account set-up or on your provider&apos;s support pages. It usually looks like &quot;mail.&quot; or &quot;smtp.&quot; followed by your provider&apos;s domain, for example mail.example.com or smtp.example.net.</source>
        <translation>Choisissez MAPI si votre logiciel de messagerie par défaut est un client MAPI comme Microsoft Outlook ou Outlook Express ; sur ce système, le choix MAPI confie chaque message au programme d&apos;envoi du système (un programme compatible avec sendmail). Sinon, choisissez SMTP.

Le nom de votre serveur sortant (SMTP) figure dans la configuration du compte de votre logiciel de messagerie ou sur les pages d&apos;aide de votre fournisseur. Il ressemble généralement à « mail. » ou « smtp. » suivi du domaine de votre fournisseur, par exemple mail.example.com ou smtp.example.net.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Email Type</source>
        <translation>Mode d&apos;envoi</translation>
    </message>
    <message>
        <source>Send email using my SMTP email server</source>
        <translation>Envoyer les e-mails par mon serveur SMTP</translation>
    </message>
    <message>
        <source>Send email using my MAPI email client program</source>
        <translation>Envoyer les e-mails par mon logiciel de messagerie MAPI</translation>
    </message>
    <message>
        <source>SMTP Settings:</source>
        <translation>Paramètres SMTP :</translation>
    </message>
    <message>
        <source>Your Outgoing mail (SMTP) Server:</source>
        <translation>Votre serveur sortant (SMTP) :</translation>
    </message>
    <message>
        <source>example: mail.example.com</source>
        <translation>exemple : mail.example.com</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Votre adresse e-mail :</translation>
    </message>
    <message>
        <source>example: yourname@example.com</source>
        <translation>exemple : votrenom@example.com</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>My SMTP Server Requires Authentication</source>
        <translation>Mon serveur SMTP exige une authentification</translation>
    </message>
    <message>
        <source>Your email password:</source>
        <translation>Votre mot de passe e-mail :</translation>
    </message>
    <message>
        <source>Allow sending without encryption (WARNING: your password and every message, the whole drawing, can then be read on the network)</source>
        <translation>Autoriser l&apos;envoi sans chiffrement (ATTENTION : votre mot de passe et chaque message, donc tout le tirage, peuvent alors être lus sur le réseau)</translation>
    </message>
    <message>
        <source>Only for a server on your own machine or network that offers no STARTTLS.</source>
        <translation>Uniquement pour un serveur sur votre propre machine ou votre propre réseau qui ne propose pas STARTTLS.</translation>
    </message>
    <message>
        <source>List of SMTP Servers</source>
        <translation>Liste de serveurs SMTP</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>A password is stored; type a new one to replace it</source>
        <translation>Un mot de passe est enregistré ; saisissez-en un nouveau pour le remplacer</translation>
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
        <source>Signed in with %1 as %2.</source>
        <translation>Connecté avec %1 en tant que %2.</translation>
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
    <name>ui::Slips</name>
    <message>
        <source>Secret Santa</source>
        <translation>Père Noël secret</translation>
    </message>
    <message>
        <source>Fold along the dotted line, printed side in. Open in private.</source>
        <translation>Pliez le long de la ligne pointillée, face imprimée à l&apos;intérieur. À ouvrir en privé.</translation>
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
<context>
    <name>ui::URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Impossible d&apos;ouvrir &apos;%1&apos; : %2 (erreur %3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowRun</name>
    <message>
        <source>The delivery record could not be kept: %1

Sending goes on; note who was reached from the summary.</source>
        <translation>Le registre d&apos;envoi n&apos;a pas pu être tenu : %1

L&apos;envoi continue ; notez d&apos;après le récapitulatif qui a été joint.</translation>
    </message>
</context>
</TS>
