<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>idioma desconocido &apos;%1&apos; (disponibles: %2)</translation>
    </message>
    <message>
        <source>--seed needs a whole number, not &apos;%1&apos;</source>
        <translation>--seed necesita un número entero, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; changing that one</source>
        <translation>la versión más reciente de este sorteo es [%1]; se modifica esa</translation>
    </message>
    <message>
        <source>notified:%1</source>
        <translation>notificados:%1</translation>
    </message>
    <message>
        <source>archived: %1 (and .htm)</source>
        <translation>archivado: %1 (y .htm)</translation>
    </message>
    <message>
        <source>%1: not notified:%2</source>
        <translation>%1: no notificados:%2</translation>
    </message>
    <message>
        <source>to notify them: %1</source>
        <translation>para notificarles: %1</translation>
    </message>
    <message>
        <source>%1: no change keeps every exclusion: %2</source>
        <translation>%1: ningún cambio respeta todas las exclusiones: %2</translation>
    </message>
    <message>
        <source>%1: --%2 is required</source>
        <translation>%1: --%2 es obligatorio</translation>
    </message>
    <message>
        <source>only a full redraw can include %1: add them to the roster and use hollymoor-cli send</source>
        <translation>solo un sorteo completo nuevo puede incluir a %1: añádalo a la lista y use hollymoor-cli send</translation>
    </message>
    <message>
        <source>join: the change could not be archived; nothing was sent</source>
        <translation>join: no se pudo archivar el cambio; no se envió nada</translation>
    </message>
    <message>
        <source>leave: nobody named &apos;%1&apos; in [%2]</source>
        <translation>leave: nadie se llama &apos;%1&apos; en [%2]</translation>
    </message>
    <message>
        <source>only a full redraw can go on without %1: remove them from the roster and use hollymoor-cli send</source>
        <translation>solo un sorteo completo nuevo puede seguir sin %1: quítelo de la lista y use hollymoor-cli send</translation>
    </message>
    <message>
        <source>leave: the change could not be archived; nothing was sent</source>
        <translation>leave: no se pudo archivar el cambio; no se envió nada</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>orden desconocida &apos;%1&apos; (véase --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos; for &apos;%2&apos;</source>
        <translation>opción desconocida &apos;--%1&apos; para &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>opción desconocida &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; takes no value</source>
        <translation>la opción &apos;--%1&apos; no admite ningún valor</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value (%2)</source>
        <translation>la opción &apos;--%1&apos; necesita un valor (%2)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; given more than once</source>
        <translation>la opción &apos;--%1&apos; se indicó más de una vez</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>no se indicó ninguna orden (véase --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; necesita %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; for &apos;%2&apos;</source>
        <translation>argumento inesperado &apos;%1&apos; para &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>error: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>[answered %1]</source>
        <translation>[respondido: %1]</translation>
    </message>
    <message>
        <source>the SMTP settings are incomplete (server, address and name are needed); see hollymoor-cli settings --help</source>
        <translation>la configuración SMTP está incompleta (se necesitan servidor, dirección y nombre); véase hollymoor-cli settings --help</translation>
    </message>
    <message>
        <source>the SMTP server&apos;s port is not a number: [%1]</source>
        <translation>el puerto del servidor SMTP no es un número: [%1]</translation>
    </message>
    <message>
        <source>sign-in: %1</source>
        <translation>inicio de sesión: %1</translation>
    </message>
    <message>
        <source>not signed in with %1: run hollymoor-cli login first (or choose SMTPAuthMethod=password)</source>
        <translation>no ha iniciado sesión con %1: ejecute primero hollymoor-cli login (o elija SMTPAuthMethod=password)</translation>
    </message>
    <message>
        <source>the system mailer [%1] is not installed; install one or choose SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</source>
        <translation>el programa de correo del sistema [%1] no está instalado; instale uno o elija SMTP (hollymoor-cli settings --set UseSMTP=1 ...)</translation>
    </message>
    <message>
        <source>warning: the re-send is not in the earlier ledger: %1</source>
        <translation type="vanished">aviso: el reenvío no consta en el registro de envíos anterior: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>warning: the sign-in could not be renewed: %1</source>
        <translation>aviso: no se pudo renovar el inicio de sesión: %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>nobody can give to %1 (everybody else excludes them)</source>
        <translation>nadie puede regalar a %1 (todos los demás lo excluyen)</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody</source>
        <translation>%1 no puede regalar a nadie</translation>
    </message>
    <message>
        <source>%1 can not give to anybody</source>
        <translation>%1 no pueden regalar a nadie</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receiver</source>
        <translation>%1 solo pueden regalar a %2: %3 personas que regalan para %4 destinatario</translation>
    </message>
    <message>
        <source>%1 can only give to %2: %3 givers for %4 receivers</source>
        <translation>%1 solo pueden regalar a %2: %3 personas que regalan para %4 destinatarios</translation>
    </message>
    <message>
        <source>%1 can only give among themselves, so no single loop can include everybody</source>
        <translation>%1 solo pueden regalarse entre sí, así que ningún círculo único puede incluir a todos</translation>
    </message>
    <message>
        <source>no single loop runs through everybody (every possible drawing was counted)</source>
        <translation>ningún círculo único pasa por todos (se contaron todos los sorteos posibles)</translation>
    </message>
    <message>
        <source>every possible drawing has two people drawing each other (every possible drawing was counted)</source>
        <translation>en todos los sorteos posibles hay dos personas que se sacan mutuamente (se contaron todos los sorteos posibles)</translation>
    </message>
    <message>
        <source>the roster has no participants</source>
        <translation>la lista no tiene participantes</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>fila %1 (%2)</translation>
    </message>
    <message>
        <source>%1: empty name</source>
        <translation>%1: nombre vacío</translation>
    </message>
    <message>
        <source>%1: invalid e-mail address &quot;%2&quot;</source>
        <translation>%1: dirección de correo no válida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: exclusion &quot;%2&quot; names no participant</source>
        <translation>%1: la exclusión &quot;%2&quot; no corresponde a ningún participante</translation>
    </message>
    <message>
        <source>%1 participant</source>
        <translation>%1 participante</translation>
    </message>
    <message>
        <source>%1 participants</source>
        <translation>%1 participantes</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>problema: %1</translation>
    </message>
    <message>
        <source>no drawing exists: %1</source>
        <translation>no existe ningún sorteo posible: %1</translation>
    </message>
    <message>
        <source>a drawing exists</source>
        <translation>existe un sorteo posible</translation>
    </message>
    <message>
        <source>draw: --seed needs a whole number, not &apos;%1&apos;</source>
        <translation>draw: --seed necesita un número entero, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>draw: the roster has no participants</source>
        <translation>draw: la lista no tiene participantes</translation>
    </message>
    <message>
        <source>reason: %1</source>
        <translation>motivo: %1</translation>
    </message>
    <message>
        <source>A drawing was found for %1 participants (not shown; use --reveal).</source>
        <translation>Se encontró un sorteo para %1 participantes (no se muestra; use --reveal).</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>participante %1</translation>
    </message>
    <message>
        <source>%1: --avoid-years needs a whole number from 0 to 5, not &apos;%2&apos;</source>
        <translation>%1: --avoid-years necesita un número entero de 0 a 5, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawing in %2</source>
        <translation>nota: solo hay %1 sorteo anterior en %2</translation>
    </message>
    <message>
        <source>note: only %1 earlier drawings in %2</source>
        <translation>nota: solo hay %1 sorteos anteriores en %2</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawing</source>
        <translation>evitando el último sorteo (%1)</translation>
    </message>
    <message>
        <source>avoiding the last %1 drawings</source>
        <translation>evitando los últimos %1 sorteos</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>círculo único</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>sin parejas recíprocas</translation>
    </message>
    <message>
        <source>all options together</source>
        <translation>todas las opciones juntas</translation>
    </message>
    <message>
        <source>a drawing exists (%1)</source>
        <translation>existe un sorteo posible (%1)</translation>
    </message>
    <message>
        <source>unknown: none found within %1 seconds</source>
        <translation>desconocido: no se encontró ninguno en %1 segundos</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>fallo inesperado: %1</translation>
    </message>
    <message>
        <source>cannot read [%1]: %2</source>
        <translation>no se puede leer [%1]: %2</translation>
    </message>
    <message>
        <source>cannot read [%1]: it is a folder</source>
        <translation>no se puede leer [%1]: es una carpeta</translation>
    </message>
    <message>
        <source>cannot read [%1]</source>
        <translation>no se puede leer [%1]</translation>
    </message>
    <message>
        <source>cannot read the message text [%1]</source>
        <translation>no se puede leer el texto del mensaje [%1]</translation>
    </message>
    <message>
        <source>--test-address is empty</source>
        <translation>--test-address está vacío</translation>
    </message>
    <message>
        <source>cannot use the data folder [%1]</source>
        <translation>no se puede usar la carpeta de datos [%1]</translation>
    </message>
    <message>
        <source>%1: %2 of %3 messages accepted; not notified: %4</source>
        <translation>%1: %2 de %3 mensajes aceptados; no notificados: %4</translation>
    </message>
    <message>
        <source>%1: the drawing could not be archived, so nothing was sent</source>
        <translation>%1: no se pudo archivar el sorteo, así que no se envió nada</translation>
    </message>
    <message>
        <source>send: the roster has no participants</source>
        <translation>send: la lista no tiene participantes</translation>
    </message>
    <message>
        <source>resend: name the participants with --to, or give --pending (not both)</source>
        <translation>resend: indique los participantes con --to o use --pending (no ambos)</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; re-sending from that one</source>
        <translation>la versión más reciente de este sorteo es [%1]; se reenvía desde esa</translation>
    </message>
    <message>
        <source>resend: %1</source>
        <translation>resend: %1</translation>
    </message>
    <message>
        <source>Everyone in [%1] was notified; nothing to re-send.</source>
        <translation>Todos en [%1] fueron notificados; no hay nada que reenviar.</translation>
    </message>
    <message>
        <source>resend: nobody named &apos;%1&apos; in [%2]</source>
        <translation>resend: nadie se llama &apos;%1&apos; en [%2]</translation>
    </message>
    <message>
        <source>message: --subject and --body-file are required</source>
        <translation>message: --subject y --body-file son obligatorios</translation>
    </message>
    <message>
        <source>message: the roster has no participants</source>
        <translation>message: la lista no tiene participantes</translation>
    </message>
    <message>
        <source>settings: %1 must be 1 or 0, not &apos;%2&apos;</source>
        <translation>settings: %1 debe ser 1 o 0, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>settings: unknown setting &apos;%1&apos; (see hollymoor-cli settings --help)</source>
        <translation>settings: ajuste desconocido &apos;%1&apos; (véase hollymoor-cli settings --help)</translation>
    </message>
    <message>
        <source>settings: no password on standard input</source>
        <translation>settings: no hay contraseña en la entrada estándar</translation>
    </message>
    <message>
        <source>the settings did not read back as written</source>
        <translation>los ajustes releídos no coinciden con lo escrito</translation>
    </message>
    <message>
        <source>settings: %1 must be one of %2, not &apos;%3&apos;</source>
        <translation>settings: %1 debe ser uno de %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>settings: %1</translation>
    </message>
    <message>
        <source>settings: --test changes nothing; run it on its own</source>
        <translation>settings: --test no cambia nada; ejecútelo por separado</translation>
    </message>
    <message>
        <source>settings: --allow-file-secret goes with --password-stdin</source>
        <translation>settings: --allow-file-secret va junto con --password-stdin</translation>
    </message>
    <message>
        <source>settings: --set needs NAME=VALUE, not &apos;%1&apos;</source>
        <translation>settings: --set necesita NOMBRE=VALOR, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>settings: the password is not taken on the command line; use --password-stdin</source>
        <translation>settings: la contraseña no se acepta en la línea de órdenes; use --password-stdin</translation>
    </message>
    <message>
        <source>settings: MailerCommand is empty</source>
        <translation>settings: MailerCommand está vacío</translation>
    </message>
    <message>
        <source>settings: no system keyring is available, so the password was not saved; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>settings: no hay ningún llavero del sistema, así que la contraseña no se guardó; vuelva a ejecutar con --allow-file-secret para guardarla en el archivo de ajustes (legible solo por usted)</translation>
    </message>
    <message>
        <source>warning: SMTP may now send the login and every message unencrypted when the server offers no STARTTLS</source>
        <translation>aviso: SMTP puede ahora enviar el inicio de sesión y cada mensaje sin cifrar cuando el servidor no ofrece STARTTLS</translation>
    </message>
    <message>
        <source>settings: could not write [%1]: %2</source>
        <translation>settings: no se pudo escribir [%1]: %2</translation>
    </message>
    <message>
        <source>login: --provider must be microsoft, google or custom, not &apos;%1&apos;</source>
        <translation>login: --provider debe ser microsoft, google o custom, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: name the provider with --provider microsoft, google or custom</source>
        <translation>login: indique el proveedor con --provider microsoft, google o custom</translation>
    </message>
    <message>
        <source>login: --timeout needs a whole number of seconds, not &apos;%1&apos;</source>
        <translation>login: --timeout necesita un número entero de segundos, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>login: %1</source>
        <translation>login: %1</translation>
    </message>
    <message>
        <source>Open this address to sign in: %1</source>
        <translation>Abra esta dirección para iniciar sesión: %1</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>el navegador no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>login: %1; nothing was changed</source>
        <translation>login: %1; no se cambió nada</translation>
    </message>
    <message>
        <source>login: no system keyring is available, so the sign-in was not kept; run again with --allow-file-secret to keep it in the settings file (readable only by you)</source>
        <translation>login: no hay ningún llavero del sistema, así que el inicio de sesión no se guardó; vuelva a ejecutar con --allow-file-secret para guardarlo en el archivo de ajustes (legible solo por usted)</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the settings file.</source>
        <translation>Sesión iniciada con %1; el inicio de sesión se guarda en el archivo de ajustes.</translation>
    </message>
    <message>
        <source>Signed in with %1; the sign-in is kept in the keyring.</source>
        <translation>Sesión iniciada con %1; el inicio de sesión se guarda en el llavero.</translation>
    </message>
    <message>
        <source>No SMTP server was set; it is now %1, the server of %2.</source>
        <translation>No había ningún servidor SMTP; ahora es %1, el servidor de %2.</translation>
    </message>
    <message>
        <source>logout: the sign-in could not be removed from [%1] or the keyring</source>
        <translation>logout: no se pudo quitar el inicio de sesión de [%1] ni del llavero</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with the provider is forgotten.</source>
        <translation>Sesión cerrada: se ha olvidado el inicio de sesión con el proveedor.</translation>
    </message>
    <message>
        <source>Signed out: the sign-in with %1 is forgotten.</source>
        <translation>Sesión cerrada: se ha olvidado el inicio de sesión con %1.</translation>
    </message>
    <message>
        <source>Not signed in; there was nothing to forget.</source>
        <translation>No había ninguna sesión iniciada; no había nada que olvidar.</translation>
    </message>
    <message>
        <source>slips: --out FILE.pdf is required</source>
        <translation>slips: --out ARCHIVO.pdf es obligatorio</translation>
    </message>
    <message>
        <source>the newest version of this drawing is [%1]; printing that one</source>
        <translation>la versión más reciente de este sorteo es [%1]; se imprime esa</translation>
    </message>
    <message>
        <source>slips: give either --to or --pending</source>
        <translation>slips: indique --to o --pending, no ambos</translation>
    </message>
    <message>
        <source>slips: %1</source>
        <translation>slips: %1</translation>
    </message>
    <message>
        <source>everybody was reached; no slips written</source>
        <translation>se llegó a todos; no se escribió ninguna papeleta</translation>
    </message>
    <message>
        <source>slips: nobody named &apos;%1&apos; in [%2]</source>
        <translation>slips: nadie se llama &apos;%1&apos; en [%2]</translation>
    </message>
    <message>
        <source>%1 slips written to %2</source>
        <translation>%1 papeletas escritas en %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>subject after the giver&apos;s name (default: the send dialog&apos;s subject)</source>
        <translation>asunto tras el nombre de quien regala (por defecto: el asunto del diálogo de envío)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (default: the send dialog&apos;s text)</source>
        <translation>texto del mensaje desde el archivo F, &quot;-&quot; para la entrada estándar (por defecto: el texto del diálogo de envío)</translation>
    </message>
    <message>
        <source>text before the receiver&apos;s name (default: the send dialog&apos;s trailer)</source>
        <translation>texto antes del nombre del destinatario (por defecto: el cierre del diálogo de envío)</translation>
    </message>
    <message>
        <source>send every message to A instead of the participants (test mode)</source>
        <translation>enviar cada mensaje a A en lugar de a los participantes (modo de prueba)</translation>
    </message>
    <message>
        <source>the gift budget, added to every notification</source>
        <translation>el presupuesto del regalo, añadido a cada notificación</translation>
    </message>
    <message>
        <source>the date of the exchange, added to every notification</source>
        <translation>la fecha del intercambio, añadida a cada notificación</translation>
    </message>
    <message>
        <source>where the exchange takes place, added to every notification</source>
        <translation>dónde tiene lugar el intercambio, añadido a cada notificación</translation>
    </message>
    <message>
        <source>the date to reply by, added to every notification</source>
        <translation>la fecha límite para responder, añadida a cada notificación</translation>
    </message>
    <message>
        <source>language of the message&apos;s own texts: en, de, fr, es, nl or pl (default: the program&apos;s)</source>
        <translation>idioma de los textos propios del mensaje: en, de, fr, es, nl o pl (por defecto: el del programa)</translation>
    </message>
    <message>
        <source>read a roster, report its problems and whether a drawing exists</source>
        <translation>leer una lista, informar de sus problemas y de si existe un sorteo posible</translation>
    </message>
    <message>
        <source>Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot
give or receive), 2 when the file cannot be read. With drawing options, one line per
option says whether a drawing exists under it: exit status 3 when one is proven
impossible, 1 when none was found within the time limit.</source>
        <translation>Estado de salida: 0 si existe un sorteo posible, 3 si no existe ninguno (el motivo nombra
a quién no puede regalar o recibir), 2 si no se puede leer el archivo. Con opciones de
sorteo, una línea por opción dice si existe un sorteo con ella: estado 3 si se demuestra
que una es imposible, 1 si no se encontró ninguno dentro del límite de tiempo.</translation>
    </message>
    <message>
        <source>draw once, without sending anything</source>
        <translation>sortear una vez, sin enviar nada</translation>
    </message>
    <message>
        <source>Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no
drawing exists.</source>
        <translation>Solo indica que se encontró un sorteo, salvo que se use --reveal. Estado de salida 3 si no
existe ningún sorteo posible.</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable drawings)</source>
        <translation>inicializar la fuente aleatoria con N (sorteos repetibles)</translation>
    </message>
    <message>
        <source>print &quot;GIVER -&gt; RECEIVER&quot; for every participant, in roster order</source>
        <translation>mostrar &quot;GIVER -&gt; RECEIVER&quot; para cada participante, en el orden de la lista</translation>
    </message>
    <message>
        <source>Calculate &amp; Send: draw unseen, archive and notify everyone</source>
        <translation>Sortear &amp; enviar: sortear sin ver, archivar y notificar a todos</translation>
    </message>
    <message>
        <source>The drawing is archived under DATA-DIR/History (list file and HTML log) before any
message leaves; mail goes by the configured path (see &quot;settings&quot;). Status texts go to
standard error, the summary to standard output. Exit status 0 only when every message
was accepted.</source>
        <translation>El sorteo se archiva en DATA-DIR/History (archivo de lista y registro HTML) antes de que
salga ningún mensaje; el correo va por la vía configurada (véase &quot;settings&quot;). Los textos
de estado van a la salida de error estándar y el resumen a la salida estándar. Estado de
salida 0 solo si se aceptaron todos los mensajes.</translation>
    </message>
    <message>
        <source>re-send an archived drawing to the named participants, or to everyone not reached</source>
        <translation>reenviar un sorteo archivado a los nombrados o a los no alcanzados</translation>
    </message>
    <message>
        <source>ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with --to
are notified, with the receivers the archive holds; with --pending, everyone whose
message the archive&apos;s delivery ledger does not record as accepted (a message whose
answer never came is sent again).</source>
        <translation>ARCHIVE.hmr es un archivo de lista de DATA-DIR/History. Solo se notifica a los
participantes indicados con --to, con los destinatarios que contiene el archivo; con
--pending, a todos aquellos cuyo mensaje no consta como aceptado en el registro de envíos
del archivo (un mensaje cuya respuesta nunca llegó se envía de nuevo).</translation>
    </message>
    <message>
        <source>a participant to notify (exact name; give it once per person)</source>
        <translation>un participante al que notificar (nombre exacto; indíquelo una vez por persona)</translation>
    </message>
    <message>
        <source>notify everyone the archive&apos;s ledger does not record as reached</source>
        <translation>notificar a todos los que el registro de envíos del archivo no da por alcanzados</translation>
    </message>
    <message>
        <source>add a late participant to a sent drawing, without a redraw</source>
        <translation>añadir un participante tardío a un sorteo enviado, sin volver a sortear</translation>
    </message>
    <message>
        <source>One giver, chosen at random among those the exclusions allow, now gives to the newcomer,
and the newcomer to that giver&apos;s former receiver. Exactly those two are notified; the
giver&apos;s message says it replaces the earlier one. The change is archived as the next
version beside ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), whose newest version is the one
changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no
place keeps every exclusion.</source>
        <translation>Una persona que regala, elegida al azar entre las que permiten las exclusiones, regala
ahora al recién llegado, y el recién llegado al antiguo destinatario de esa persona. Solo
se notifica a esos dos; el mensaje de quien regala dice que sustituye al anterior. El
cambio se archiva como la versión siguiente junto a ARCHIVE.hmr (&quot;-v2&quot;, &quot;-v3&quot;, ...), cuya
versión más reciente es la que se modifica. Muestra a quién se notificó. Estado de salida
0, 1 si falló un mensaje, 3 si ningún lugar respeta todas las exclusiones.</translation>
    </message>
    <message>
        <source>the newcomer&apos;s name (required)</source>
        <translation>el nombre del recién llegado (obligatorio)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s address (required)</source>
        <translation>la dirección del recién llegado (obligatoria)</translation>
    </message>
    <message>
        <source>the newcomer&apos;s notes, gift suggestions or instructions</source>
        <translation>las notas del recién llegado, ideas de regalo o indicaciones</translation>
    </message>
    <message>
        <source>seed the random source with N (repeatable changes)</source>
        <translation>inicializar la fuente aleatoria con N (cambios repetibles)</translation>
    </message>
    <message>
        <source>take a participant out of a sent drawing, without a redraw</source>
        <translation>quitar a un participante de un sorteo enviado, sin volver a sortear</translation>
    </message>
    <message>
        <source>The leaver&apos;s giver now gives to the leaver&apos;s receiver when the exclusions allow it;
otherwise as few givers as possible get a new receiver. Exactly the givers whose
receiver changed are notified, archived and reported as for join.</source>
        <translation>Quien regalaba a la persona que se va regala ahora al destinatario de esta si las
exclusiones lo permiten; si no, el menor número posible de personas que regalan recibe un
nuevo destinatario. Solo se notifica a quienes cambió el destinatario; archivo e informe
como en join.</translation>
    </message>
    <message>
        <source>the participant who leaves (required)</source>
        <translation>el participante que se va (obligatorio)</translation>
    </message>
    <message>
        <source>print sealed slips of an archived drawing for people without e-mail</source>
        <translation>imprimir papeletas cerradas de un sorteo archivado para personas sin correo</translation>
    </message>
    <message>
        <source>Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages show
only the givers&apos; names, the even page behind each the receivers and their notes. Cut,
fold each slip along its dotted line with the printed back inwards, and hand it out
unseen. One slip per participant, per person named with --to, or with --pending per
giver the archive&apos;s delivery ledgers do not record as reached.</source>
        <translation>Escribe un PDF para imprimir a doble cara (volteo por el borde largo): las páginas impares
muestran solo los nombres de quienes regalan, la página par de detrás los destinatarios y
sus notas. Recorte, doble cada papeleta por su línea de puntos con el reverso impreso
hacia dentro y repártala sin mirar. Una papeleta por participante, por persona indicada
con --to o, con --pending, por cada persona que regala a la que los registros de envíos
del archivo no dan por alcanzada.</translation>
    </message>
    <message>
        <source>print the slip of this participant (give it once per person)</source>
        <translation>imprimir la papeleta de este participante (indíquelo una vez por persona)</translation>
    </message>
    <message>
        <source>print the slips of the givers no message reached</source>
        <translation>imprimir las papeletas de quienes regalan y no recibieron ningún mensaje</translation>
    </message>
    <message>
        <source>where the PDF goes (required)</source>
        <translation>dónde se guarda el PDF (obligatorio)</translation>
    </message>
    <message>
        <source>send a free-form message to every participant</source>
        <translation>enviar un mensaje libre a cada participante</translation>
    </message>
    <message>
        <source>subject after each participant&apos;s name (required)</source>
        <translation>asunto tras el nombre de cada participante (obligatorio)</translation>
    </message>
    <message>
        <source>message text from file F, &quot;-&quot; for standard input (required)</source>
        <translation>texto del mensaje desde el archivo F, &quot;-&quot; para la entrada estándar (obligatorio)</translation>
    </message>
    <message>
        <source>show or change the mail settings</source>
        <translation>mostrar o cambiar los ajustes de correo</translation>
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
        <translation>Nombres: UseSMTP (1 = cliente SMTP propio, 0 = programa de correo del sistema), SMTPServer
(host[:puerto]), SMTPAccountName (su dirección), SMTPUserName (su nombre),
ServerRequiresAuthentication (1 o 0), MailerCommand (el programa de correo del sistema),
SMTPAuthMethod (password u oauth2), OAuthProvider (microsoft, google o custom) y, para
custom o para sustituir a un proveedor, OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID,
OAuthScopes. Los cambios se comprueban como los comprueba el diálogo de ajustes. La
contraseña nunca se acepta en la línea de órdenes: use --password-stdin. Los secretos van
al llavero del sistema; si no hay ninguno, solo se guardan en el archivo de ajustes con
--allow-file-secret (HOLLYMOOR_KEYRING=none: siempre el archivo).</translation>
    </message>
    <message>
        <source>print the settings (secrets masked) and where the secrets are kept</source>
        <translation>mostrar los ajustes (secretos ocultos) y dónde se guardan los secretos</translation>
    </message>
    <message>
        <source>change one setting</source>
        <translation>cambiar un ajuste</translation>
    </message>
    <message>
        <source>read the new password from the first line of standard input</source>
        <translation>leer la nueva contraseña de la primera línea de la entrada estándar</translation>
    </message>
    <message>
        <source>without a keyring, keep the password in the settings file</source>
        <translation>sin llavero, guardar la contraseña en el archivo de ajustes</translation>
    </message>
    <message>
        <source>send one test message to your own address and say how it went</source>
        <translation>enviar un mensaje de prueba a su propia dirección e indicar cómo fue</translation>
    </message>
    <message>
        <source>sign in with your mail provider in the browser (OAuth2)</source>
        <translation>iniciar sesión con su proveedor de correo en el navegador (OAuth2)</translation>
    </message>
    <message>
        <source>Prints &quot;Open this address to sign in: URL&quot;, opens the browser (unless --no-browser),
and waits for the provider to send the browser back to this program on a loopback
port. The sign-in is kept in the system keyring and used from then on
(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider
defaults to the one chosen before, else the one of your address. For custom, set
OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see &quot;settings&quot;).
Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out.</source>
        <translation>Muestra &quot;Abra esta dirección para iniciar sesión: URL&quot;, abre el navegador (salvo con
--no-browser) y espera a que el proveedor devuelva el navegador a este programa por un
puerto de bucle local. El inicio de sesión se guarda en el llavero del sistema y se usa
desde entonces (SMTPAuthMethod=oauth2); el token de acceso se renueva antes de que
caduque. El proveedor por defecto es el elegido antes o, si no, el de su dirección. Para
custom, defina primero OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID y OAuthScopes
(véase &quot;settings&quot;). Estado de salida 0 con la sesión iniciada, 1 si el inicio de sesión se
rechazó, falló o se agotó el tiempo.</translation>
    </message>
    <message>
        <source>microsoft, google or custom</source>
        <translation>microsoft, google o custom</translation>
    </message>
    <message>
        <source>only print the address; open it yourself, on this computer</source>
        <translation>solo mostrar la dirección; ábrala usted mismo, en este equipo</translation>
    </message>
    <message>
        <source>how long to wait for the browser (default 300)</source>
        <translation>cuánto esperar al navegador (300 por defecto)</translation>
    </message>
    <message>
        <source>without a keyring, keep the sign-in in the settings file</source>
        <translation>sin llavero, guardar el inicio de sesión en el archivo de ajustes</translation>
    </message>
    <message>
        <source>forget the sign-in with your mail provider</source>
        <translation>olvidar el inicio de sesión con su proveedor de correo</translation>
    </message>
    <message>
        <source>Removes the refresh and access tokens from the keyring or the settings file. Sending
then needs a new login, or SMTPAuthMethod=password.</source>
        <translation>Quita los tokens de renovación y de acceso del llavero o del archivo de ajustes. Para
enviar hará falta entonces un nuevo login o SMTPAuthMethod=password.</translation>
    </message>
    <message>
        <source>where &quot;Saved&quot;, &quot;History&quot; and &quot;smtp_session.log&quot; are kept</source>
        <translation>dónde se guardan &quot;Saved&quot;, &quot;History&quot; y &quot;smtp_session.log&quot;</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>el archivo de ajustes</translation>
    </message>
    <message>
        <source>show help (for a command: COMMAND --help)</source>
        <translation>mostrar la ayuda (para una orden: COMMAND --help)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

The Hollymoor errands from a terminal or a script, with the same list files, archive,
settings and session log as the desktop program.

Commands:
</source>
        <translation>Uso: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]

Las tareas de Hollymoor desde una terminal o un script, con los mismos archivos de lista,
el mismo archivo histórico, los mismos ajustes y el mismo registro de sesión que el
programa de escritorio.

Órdenes:
</translation>
    </message>
    <message>
        <source>Global options:</source>
        <translation>Opciones globales:</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the errand failed (for example a message was not
accepted), 2 bad usage or unreadable input, 3 no drawing exists.</source>
        <translation>Estado de salida: 0 éxito, 1 la tarea falló (por ejemplo, no se aceptó un mensaje), 2 uso
incorrecto o entrada ilegible, 3 no existe ningún sorteo posible.</translation>
    </message>
    <message>
        <source>Usage: hollymoor-cli [global options]</source>
        <translation>Uso: hollymoor-cli [opciones globales]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>nobody draws anyone they drew in the last N archived drawings (0 to 5; matched by address, else by name)</source>
        <translation>nadie saca a alguien que ya sacó en los últimos N sorteos archivados (0 a 5; se reconoce por la dirección o, si no, por el nombre)</translation>
    </message>
    <message>
        <source>the gifts run as one single loop through everybody</source>
        <translation>los regalos forman un único círculo que pasa por todos</translation>
    </message>
    <message>
        <source>nobody draws the person who draws them</source>
        <translation>nadie saca a la persona que lo saca</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>The contacts file [%1] is not a regular file</source>
        <translation>El archivo de contactos [%1] no es un archivo normal</translation>
    </message>
    <message>
        <source>The contacts file [%1] is larger than %2 MB</source>
        <translation>El archivo de contactos [%1] ocupa más de %2 MB</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be opened</source>
        <translation>No se pudo abrir el archivo de contactos [%1]</translation>
    </message>
    <message>
        <source>The contacts file [%1] could not be read</source>
        <translation>No se pudo leer el archivo de contactos [%1]</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>
Test Mode: every message went to %1, not to the participants.</source>
        <translation>
Modo de prueba: todos los mensajes se enviaron a %1, no a los participantes.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. The authors are not liable for any claim, damage or other liability arising from its use, including e-mail that is delayed, lost or delivered to the wrong person. Keep a copy of your list files and of the History folder.</source>
        <translation>Este programa se proporciona «tal cual», sin garantía de ningún tipo, expresa o implícita. Los autores no son responsables de ninguna reclamación, daño u otra responsabilidad derivada de su uso, incluidos los correos que se retrasen, se pierdan o lleguen a la persona equivocada. Guarde una copia de sus archivos de lista y de la carpeta «History».</translation>
    </message>
    <message>
        <source>Checking for a newer version sends your e-mail address (from Setup) to the update server.</source>
        <translation>Al buscar una versión nueva se envía su dirección de correo (de la configuración) al servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Choose a contacts file (vCard .vcf or .csv) exported from your mail program or phone.</source>
        <translation>Elija un archivo de contactos (vCard .vcf o .csv) exportado de su programa de correo o de su teléfono.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Contacts file</source>
        <translation>Archivo de contactos</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtrar por nombre o dirección</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Dirección de correo</translation>
    </message>
    <message>
        <source>Select all &amp;shown</source>
        <translation>Seleccionar todos los &amp;mostrados</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>%1 contact in %2</source>
        <translation>%1 contacto en %2</translation>
    </message>
    <message>
        <source>%1 contacts in %2</source>
        <translation>%1 contactos en %2</translation>
    </message>
    <message>
        <source>; %1 entry skipped (no usable e-mail address)</source>
        <translation>; %1 entrada omitida (sin dirección de correo utilizable)</translation>
    </message>
    <message>
        <source>; %1 entries skipped (no usable e-mail address)</source>
        <translation>; %1 entradas omitidas (sin dirección de correo utilizable)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>&amp;Añadir %1</translation>
    </message>
    <message>
        <source>Open Contacts File</source>
        <translation>Abrir archivo de contactos</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation>Contactos (*.vcf *.vcard *.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Drawing Options</source>
        <translation>Opciones del sorteo</translation>
    </message>
    <message>
        <source>Nobody draws anyone they drew in this many of the latest archived drawings (matched by e-mail address, else by name).</source>
        <translation>Nadie saca a alguien que ya sacó en esta cantidad de los últimos sorteos archivados (se reconoce por la dirección de correo o, si no, por el nombre).</translation>
    </message>
    <message>
        <source>Avoid the pairs of the last drawings:</source>
        <translation>Evitar las parejas de los últimos sorteos:</translation>
    </message>
    <message>
        <source>One single loop through everybody</source>
        <translation>Un único círculo que pase por todos</translation>
    </message>
    <message>
        <source>No swapped pairs (nobody draws the person who draws them)</source>
        <translation>Sin parejas cruzadas (nadie saca a quien le saca a él)</translation>
    </message>
    <message>
        <source>Load From File Options</source>
        <translation>Opciones de carga desde archivo</translation>
    </message>
    <message>
        <source>Clear Current Participants</source>
        <translation>Borrar los participantes actuales</translation>
    </message>
    <message>
        <source>Add Participants from file to List</source>
        <translation>Añadir a la lista los participantes del archivo</translation>
    </message>
    <message>
        <source>Include Exclusion information in file</source>
        <translation>Incluir las exclusiones del archivo</translation>
    </message>
    <message>
        <source>Add New Exclusions based on results of previous drawing </source>
        <translation>Añadir nuevas exclusiones según el resultado del sorteo anterior</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Nombre del participante</translation>
    </message>
    <message>
        <source>Notes / Gift Suggestions</source>
        <translation>Notas / ideas de regalo</translation>
    </message>
    <message>
        <source>Manual Addition of Participants</source>
        <translation>Añadir participantes a mano</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Edit Selected Participant</source>
        <translation>Editar el participante seleccionado</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add Late Participant</source>
        <translation>Añadir un participante tardío</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing</source>
        <translation>Quitar a un participante del sorteo</translation>
    </message>
    <message>
        <source>Error Failed to Logon to MAPI Email Client, This function may not be available if your email client does not support MAPI, You must add the information by using the manual addition.</source>
        <translation>Error: no se pudo iniciar sesión en el programa de correo MAPI. Es posible que esta función no esté disponible si su programa de correo no admite MAPI. Debe añadir la información manualmente.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>a drawing needs at least two participants</source>
        <translation>un sorteo necesita al menos dos participantes</translation>
    </message>
    <message>
        <source>every participant is excluded from giving to %1</source>
        <translation>todos los participantes tienen excluido regalar a %1</translation>
    </message>
    <message>
        <source>%1 is excluded from giving to every participant</source>
        <translation>%1 tiene excluido regalar a todos los participantes</translation>
    </message>
    <message>
        <source>no participant who may give to %1 has a receiver %1 may give to</source>
        <translation>ningún participante que pueda regalar a %1 tiene un destinatario al que %1 pueda regalar</translation>
    </message>
    <message>
        <source>once %1 leaves, nobody may give to the person %1 gives to</source>
        <translation>cuando %1 se vaya, nadie podrá regalar a la persona a la que %1 regala</translation>
    </message>
    <message>
        <source>the gift %1 would have given cannot be passed on without breaking an exclusion</source>
        <translation>el regalo que %1 habría hecho no puede pasarse a otro sin romper una exclusión</translation>
    </message>
    <message>
        <source>the archived drawing does not match the participants and their exclusions</source>
        <translation>el sorteo archivado no coincide con los participantes y sus exclusiones</translation>
    </message>
    <message>
        <source>everybody may give to and receive from at least half of the others</source>
        <translation>cada uno puede regalar al menos a la mitad de los demás y recibir de ella</translation>
    </message>
    <message>
        <source>a drawing was found</source>
        <translation>se encontró un sorteo</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>participante %1</translation>
    </message>
    <message>
        <source>A valid drawing exists.</source>
        <translation>Existe un sorteo válido.</translation>
    </message>
    <message>
        <source>Nobody may draw %1: everybody else excludes them.</source>
        <translation>Nadie puede sacar a %1: todos los demás lo excluyen.</translation>
    </message>
    <message>
        <source>%1 may draw nobody.</source>
        <translation>%1 no pueden sacar a nadie.</translation>
    </message>
    <message>
        <source>%1 may draw only %2: %3 for %4 givers.</source>
        <translation>%1 solo pueden sacar a %2: %3 para %4 personas que regalan.</translation>
    </message>
    <message>
        <source>%1 may give only among themselves, so no single loop can include everybody.</source>
        <translation>%1 solo pueden regalarse entre sí, así que ningún círculo único puede incluir a todos.</translation>
    </message>
    <message>
        <source>No single loop through everybody exists: every possible drawing was counted.</source>
        <translation>No existe ningún círculo único que pase por todos: se contaron todos los sorteos posibles.</translation>
    </message>
    <message>
        <source>Every possible drawing has two people drawing each other: every possible drawing was counted.</source>
        <translation>En todos los sorteos posibles hay dos personas que se sacan mutuamente: se contaron todos los sorteos posibles.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error version of file must be 3.0 or greater</source>
        <translation>Error: la versión del archivo debe ser 3.0 o superior</translation>
    </message>
    <message>
        <source>Error file does not contain Secret Santa history information</source>
        <translation>Error: el archivo no contiene información de un sorteo de Amigo Invisible</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1] or its earlier versions</source>
        <translation>no hay registro de envíos junto a [%1] ni a sus versiones anteriores</translation>
    </message>
    <message>
        <source>the new participant needs a name</source>
        <translation>el nuevo participante necesita un nombre</translation>
    </message>
    <message>
        <source>there is already a participant named %1</source>
        <translation>ya hay un participante llamado %1</translation>
    </message>
    <message>
        <source>the archive holds no complete drawing</source>
        <translation>el archivo guardado no contiene un sorteo completo</translation>
    </message>
    <message>
        <source>no such participant</source>
        <translation>no existe ese participante</translation>
    </message>
    <message>
        <source>Error while attempting to save information to file [%1]</source>
        <translation>Error al intentar guardar la información en el archivo [%1]</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Error al intentar guardar la información en el archivo de registro [%1]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Todos los archivos (*.*)|*.*|Archivos de Amigo Invisible (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>SecretSanta Files (*.hmr)|*.hmr</source>
        <translation>Archivos de Amigo Invisible (*.hmr)|*.hmr</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the participant list?
Your changes are lost if you do not save them.</source>
        <translation>¿Desea guardar los cambios de la lista de participantes?
Sus cambios se perderán si no los guarda.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to [%1]?
Your changes are lost if you do not save them.</source>
        <translation>¿Desea guardar los cambios de [%1]?
Sus cambios se perderán si no los guarda.</translation>
    </message>
    <message>
        <source>Nobody was marked for re-sending: %1</source>
        <translation>No se marcó a nadie para el reenvío: %1</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm</source>
        <translation>Todos los archivos (*.*)|*.*|Registros de Amigo Invisible (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Unable to open [%1]
No program on this computer could show it; open the file with a web browser.</source>
        <translation>No se puede abrir [%1]
Ningún programa de este equipo pudo mostrarlo; abra el archivo con un navegador web.</translation>
    </message>
    <message>
        <source>Error while Checking File Version from file [%1] on line number %2</source>
        <translation>Error al comprobar la versión del archivo [%1] en la línea %2</translation>
    </message>
    <message>
        <source>a list needs at least two participants</source>
        <translation>una lista necesita al menos dos participantes</translation>
    </message>
    <message>
        <source>Error while Loading Participant Information from file [%1] on line number %2</source>
        <translation>Error al cargar los datos de los participantes del archivo [%1] en la línea %2</translation>
    </message>
    <message>
        <source>the file holds more than %1 participants</source>
        <translation>el archivo contiene más de %1 participantes</translation>
    </message>
    <message>
        <source>Error while Loading Exclusion Information from file [%1] on line number %2</source>
        <translation>Error al cargar las exclusiones del archivo [%1] en la línea %2</translation>
    </message>
    <message>
        <source>Error while Loading Secret Santa ReSend Information from file [%1] on line number %2</source>
        <translation>Error al cargar los datos de reenvío del archivo [%1] en la línea %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Exclusion #</source>
        <translation>Exclusión</translation>
    </message>
    <message>
        <source>Participant Name</source>
        <translation>Nombre del participante</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Dirección de correo</translation>
    </message>
    <message>
        <source>Secret Santa For</source>
        <translation>Amigo Invisible de</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Unable to find the help page [%1]</source>
        <translation>No se encuentra la página de ayuda [%1]</translation>
    </message>
    <message>
        <source>Unable to open the help page [%1]: %2</source>
        <translation>No se puede abrir la página de ayuda [%1]: %2</translation>
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
        <translation>Uso: hollymoor [OPCIÓN]...
Organiza un intercambio de regalos de Amigo Invisible: lleva la lista, fija quién no
puede sacar a quién, sortea al azar y envía a cada uno por correo a quién le toca.

  -h, --help     muestra esta ayuda y sale
      --version  muestra la versión del programa y sale

Las demás opciones son las del kit de herramientas Qt (por ejemplo -platform, -style).
</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>cannot read the delivery ledger [%1]</source>
        <translation>no se puede leer el registro de envíos [%1]</translation>
    </message>
    <message>
        <source>[%1] is not a delivery ledger</source>
        <translation>[%1] no es un registro de envíos</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] already holds a run</source>
        <translation>el registro de envíos [%1] ya contiene un envío</translation>
    </message>
    <message>
        <source>cannot write the delivery ledger [%1]: %2</source>
        <translation>no se puede escribir el registro de envíos [%1]: %2</translation>
    </message>
    <message>
        <source>not attempted</source>
        <translation>no intentado</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>aceptado</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>unconfirmed</source>
        <translation>sin confirmar</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
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
        <translation>%1: rechazado, %2</translation>
    </message>
    <message>
        <source>%1: the connection ended before the server confirmed the message</source>
        <translation>%1: la conexión terminó antes de que el servidor confirmara el mensaje</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1: no enviado</translation>
    </message>
    <message>
        <source>%1: not sent (last try: %2)</source>
        <translation>%1: no enviado (último intento: %2)</translation>
    </message>
    <message>
        <source>These participants were not notified:
%1</source>
        <translation>No se notificó a estos participantes:
%1</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing with the newest file in History and mark them to send their notifications again.</source>
        <translation>Use «Reenviar el sorteo anterior» con el archivo más reciente de History y márquelos para volver a enviar sus notificaciones.</translation>
    </message>
    <message>
        <source>no delivery ledger beside [%1]</source>
        <translation>no hay registro de envíos junto a [%1]</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] records no deliveries</source>
        <translation>el registro de envíos [%1] no contiene ningún envío</translation>
    </message>
    <message>
        <source>the delivery ledger [%1] names %2 in row %3, which [%4] does not hold</source>
        <translation>el registro de envíos [%1] nombra a %2 en la fila %3, que [%4] no contiene</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>The test message to %1 was accepted for delivery.</source>
        <translation>El mensaje de prueba a %1 fue aceptado para su entrega.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered.</source>
        <translation>El mensaje de prueba a %1 no se entregó.</translation>
    </message>
    <message>
        <source>The test message to %1 was not delivered: %2</source>
        <translation>El mensaje de prueba a %1 no se entregó: %2</translation>
    </message>
    <message>
        <source>The test message goes to your own e-mail address. Enter it as the sender&apos;s address first.</source>
        <translation>El mensaje de prueba se envía a su propia dirección de correo electrónico. Escríbala primero como dirección del remitente.</translation>
    </message>
</context>
<context>
    <name>Mailer</name>
    <message>
        <source>No mailer command is set</source>
        <translation>No hay ninguna orden de correo configurada</translation>
    </message>
    <message>
        <source>The mailer [%1] was not found or may not be run; install a sendmail-compatible program or change the mailer command</source>
        <translation>El programa de correo [%1] no se encontró o no se puede ejecutar; instale un programa compatible con sendmail o cambie la orden de correo</translation>
    </message>
    <message>
        <source>No mail session is open</source>
        <translation>No hay ninguna sesión de correo abierta</translation>
    </message>
    <message>
        <source>No message is being composed</source>
        <translation>No se está redactando ningún mensaje</translation>
    </message>
    <message>
        <source>No address book is available</source>
        <translation>No hay ninguna libreta de direcciones disponible</translation>
    </message>
    <message>
        <source>The address book was cancelled</source>
        <translation>Se canceló la libreta de direcciones</translation>
    </message>
    <message>
        <source>Invalid recipient index</source>
        <translation>Índice de destinatario no válido</translation>
    </message>
    <message>
        <source>No recipient</source>
        <translation>Ningún destinatario</translation>
    </message>
    <message>
        <source>The message has no recipient</source>
        <translation>El mensaje no tiene destinatario</translation>
    </message>
    <message>
        <source>The mailer cannot show a message before sending it</source>
        <translation>El programa de correo no puede mostrar un mensaje antes de enviarlo</translation>
    </message>
    <message>
        <source>The address [%1] is not an e-mail address</source>
        <translation>La dirección [%1] no es una dirección de correo</translation>
    </message>
    <message>
        <source>The mailer [%1] could not be started: %2</source>
        <translation>No se pudo iniciar el programa de correo [%1]: %2</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 second and was stopped</source>
        <translation>El programa de correo [%1] no terminó en %2 segundo y se detuvo</translation>
    </message>
    <message>
        <source>The mailer [%1] did not finish within %2 seconds and was stopped</source>
        <translation>El programa de correo [%1] no terminó en %2 segundos y se detuvo</translation>
    </message>
    <message>
        <source>The mailer [%1] was ended by signal %2</source>
        <translation>El programa de correo [%1] terminó por la señal %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2</source>
        <translation>El programa de correo [%1] falló con el estado de salida %2</translation>
    </message>
    <message>
        <source>The mailer [%1] failed with exit status %2: %3</source>
        <translation>El programa de correo [%1] falló con el estado de salida %2: %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Messages are still being sent. Close Hollymoor and stop sending?

Whoever has not been reached yet can be notified later with Re-Send Previous Drawing.</source>
        <translation>Todavía se están enviando mensajes. ¿Cerrar Hollymoor y detener el envío?

A quien aún no se haya avisado se le puede notificar más tarde con «Reenviar el sorteo anterior».</translation>
    </message>
</context>
<context>
    <name>Mapi</name>
    <message>
        <source>Error while attempting to send messages to MAPI Email Client</source>
        <translation>Error al pasar los mensajes al programa de correo</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been re-sent.</source>
        <translation>%1 correos reenviados a
%2
<byte value="xd"/><byte value="xd"/>Compruebe en la bandeja de salida de su programa de correo que los mensajes se han reenviado.</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
<byte value="xd"/><byte value="xd"/>Please check your email client&apos;s OutBox Folder to verify that messages have been sent.</source>
        <translation>%1 correos enviados a
%2
<byte value="xd"/><byte value="xd"/>Compruebe en la bandeja de salida de su programa de correo que los mensajes se han enviado.</translation>
    </message>
    <message>
        <source> Re-Sending email to %1 ...</source>
        <translation> Reenviando el correo a %1 ...</translation>
    </message>
    <message>
        <source> Sending email to %1 ...</source>
        <translation> Enviando el correo a %1 ...</translation>
    </message>
    <message>
        <source>Sending was cancelled; the remaining messages were not sent</source>
        <translation>Se canceló el envío; los mensajes restantes no se enviaron</translation>
    </message>
    <message>
        <source>Logging on to MAPI Email Client...</source>
        <translation>Iniciando sesión en el cliente de correo MAPI...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Logoff Failure: </source>
        <translation>Error al cerrar la sesión: </translation>
    </message>
    <message>
        <source>Logging into MAPI Email Client...</source>
        <translation>Iniciando sesión en el cliente de correo MAPI...</translation>
    </message>
    <message>
        <source>No message had been handed to the mail client.</source>
        <translation>No se había entregado ningún mensaje al cliente de correo.</translation>
    </message>
    <message>
        <source>%1 Mail Messages had already been handed to the mail client:
%2</source>
        <translation>Ya se habían entregado %1 correos al cliente de correo:
%2</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 correos enviados</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 correos reenviados</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Ne&amp;w List</source>
        <translation>&amp;Nueva lista</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>A&amp;brir lista...</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>&amp;Guardar lista...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Add Participants</source>
        <translation>Añadir participantes</translation>
    </message>
    <message>
        <source>Using Address Book...</source>
        <translation>Desde la libreta de direcciones...</translation>
    </message>
    <message>
        <source>Using Manual Entry...</source>
        <translation>Introduciéndolos a mano...</translation>
    </message>
    <message>
        <source>Edit Participant...</source>
        <translation>Editar participante...</translation>
    </message>
    <message>
        <source>Delete Participant...</source>
        <translation>Eliminar participante...</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Establecer exclusión de grupo</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Establecer exclusión individual</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Borrar selección</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Borrar exclusiones</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Sortear &amp;&amp; ver</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send ...</source>
        <translation>Sortear &amp;&amp; enviar ...</translation>
    </message>
    <message>
        <source>Drawing &amp;Options...</source>
        <translation>&amp;Opciones del sorteo...</translation>
    </message>
    <message>
        <source>Send Participants an Email...</source>
        <translation>Enviar un correo a los participantes...</translation>
    </message>
    <message>
        <source>Re-Send Previous Drawing...</source>
        <translation>Reenviar el sorteo anterior...</translation>
    </message>
    <message>
        <source>View Previous Drawing&apos;s Information</source>
        <translation>Ver la información del sorteo anterior</translation>
    </message>
    <message>
        <source>Add Late Participant...</source>
        <translation>Añadir un participante tardío...</translation>
    </message>
    <message>
        <source>Remove Participant from Drawing...</source>
        <translation>Quitar a un participante del sorteo...</translation>
    </message>
    <message>
        <source>Print Sealed Slips...</source>
        <translation>Imprimir papeletas cerradas...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Demos</source>
        <translation>Demostraciones</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Getting Started (The Basics)</source>
        <translation>Primeros pasos (lo básico)</translation>
    </message>
    <message>
        <source>Re-Sending Previous Drawing</source>
        <translation>Reenviar el sorteo anterior</translation>
    </message>
    <message>
        <source>Viewing HTML history File</source>
        <translation>Ver el archivo de historial HTML</translation>
    </message>
    <message>
        <source>Website...</source>
        <translation>Sitio web...</translation>
    </message>
    <message>
        <source>WebSite FAQ...</source>
        <translation>Preguntas frecuentes del sitio web...</translation>
    </message>
    <message>
        <source>WebSite Support...</source>
        <translation>Soporte en el sitio web...</translation>
    </message>
    <message>
        <source>&amp;Check For Updated Version</source>
        <translation>&amp;Buscar una versión nueva</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>A&amp;cerca de...</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Cancelar el reenvío</translation>
    </message>
    <message>
        <source>Save List &amp;As...</source>
        <translation>Guardar lista &amp;como...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>This message was sent to you using the Hollymoor</source>
        <translation>Este mensaje se le ha enviado con Hollymoor</translation>
    </message>
    <message>
        <source>Get Your copy at %1</source>
        <translation>Consiga su copia en %1</translation>
    </message>
    <message>
        <source>This message replaces the Secret Santa message you received earlier.<byte value="xd"/>
The drawing has changed: please disregard the earlier message and give to the<byte value="xd"/>
person named in this one.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Este mensaje sustituye al mensaje del Amigo Invisible que recibiste antes.<byte value="xd"/>
El sorteo ha cambiado: no hagas caso del mensaje anterior y haz tu regalo a la<byte value="xd"/>
persona que se nombra en este.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Notes, Gift Suggestions, or Special Instructions for %1:</source>
        <translation>Notas, ideas de regalo o indicaciones especiales para %1:</translation>
    </message>
    <message>
        <source>Gift budget: %1</source>
        <translation>Presupuesto del regalo: %1</translation>
    </message>
    <message>
        <source>Date of the exchange: %1</source>
        <translation>Fecha del intercambio: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>Please reply by: %1</source>
        <translation>Por favor, responda antes del: %1</translation>
    </message>
    <message>
        <source>Your Secret Santa Information Enclosed</source>
        <translation>Tu información de Amigo Invisible</translation>
    </message>
    <message>
        <source>Important Secret Santa Message!!<byte value="xd"/>
<byte value="xd"/>
The person you have been choosen to be a Secret Santa for<byte value="xd"/>
 is named at the end of this email message<byte value="xd"/>
</source>
        <translation>¡¡Mensaje importante del Amigo Invisible!!<byte value="xd"/>
<byte value="xd"/>
La persona de la que has sido elegido Amigo Invisible<byte value="xd"/>
 aparece al final de este mensaje<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are a Secret Santa for</source>
        <translation>Eres el Amigo Invisible de</translation>
    </message>
</context>
<context>
    <name>Providers</name>
    <message>
        <source>Gmail: create an app password at https://myaccount.google.com/apppasswords (2-Step Verification on); or sign in with Google</source>
        <translation>Gmail: cree una contraseña de aplicación en https://myaccount.google.com/apppasswords (verificación en dos pasos activada) o inicie sesión con Google</translation>
    </message>
    <message>
        <source>Outlook.com: passwords, app passwords included, are refused; sign in with Microsoft</source>
        <translation>Outlook.com: se rechazan las contraseñas, incluidas las de aplicación; inicie sesión con Microsoft</translation>
    </message>
    <message>
        <source>Microsoft 365: sign in with Microsoft; password sign-in is being turned off</source>
        <translation>Microsoft 365: inicie sesión con Microsoft; el inicio de sesión con contraseña se está desactivando</translation>
    </message>
    <message>
        <source>Yahoo Mail: create an app password at https://login.yahoo.com/account/security</source>
        <translation>Yahoo Mail: cree una contraseña de aplicación en https://login.yahoo.com/account/security</translation>
    </message>
    <message>
        <source>iCloud Mail: create an app-specific password at https://account.apple.com (Sign-In and Security)</source>
        <translation>iCloud Mail: cree una contraseña específica de app en https://account.apple.com (Inicio de sesión y seguridad)</translation>
    </message>
    <message>
        <source>GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first</source>
        <translation>GMX: permita primero el acceso de otros programas de correo (POP3/IMAP) en los ajustes de GMX</translation>
    </message>
    <message>
        <source>WEB.DE: allow access by other mail programs (POP3/IMAP) in the WEB.DE settings first</source>
        <translation>WEB.DE: permita primero el acceso de otros programas de correo (POP3/IMAP) en los ajustes de WEB.DE</translation>
    </message>
    <message>
        <source>Fastmail: create an app password under Settings, Privacy &amp; Security</source>
        <translation>Fastmail: cree una contraseña de aplicación en Settings, Privacy &amp; Security</translation>
    </message>
    <message>
        <source>Zoho Mail: with two-factor sign-in on, create an application-specific password</source>
        <translation>Zoho Mail: con el inicio de sesión en dos pasos activado, cree una contraseña específica de aplicación</translation>
    </message>
    <message>
        <source>Proton Mail: start Proton Mail Bridge and use the user name and password it shows</source>
        <translation>Proton Mail: inicie Proton Mail Bridge y use el nombre de usuario y la contraseña que muestra</translation>
    </message>
    <message>
        <source>%1 sends only from the account you signed in with (%2), not from %3</source>
        <translation>%1 solo envía desde la cuenta con la que inició sesión (%2), no desde %3</translation>
    </message>
    <message>
        <source>%1 sends only from the account you sign in with; %2 is not a %1 address</source>
        <translation>%1 solo envía desde la cuenta con la que inicia sesión; %2 no es una dirección de %1</translation>
    </message>
    <message>
        <source>Microsoft no longer accepts passwords for this account: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings instead of a password.</source>
        <translation>Microsoft ya no acepta contraseñas para esta cuenta: elija &quot;Iniciar sesión con Microsoft&quot; en Herramientas-&gt;Configuración en lugar de una contraseña.</translation>
    </message>
    <message>
        <source>Microsoft 365 has turned off password sign-in for this mailbox: choose &quot;Sign in with Microsoft&quot; in Tools-&gt;Settings.</source>
        <translation>Microsoft 365 ha desactivado el inicio de sesión con contraseña para este buzón: elija &quot;Iniciar sesión con Microsoft&quot; en Herramientas-&gt;Configuración.</translation>
    </message>
    <message>
        <source>Microsoft refused the sign-in: check the password, or sign in with Microsoft; a work account may need its administrator to allow authenticated SMTP.</source>
        <translation>Microsoft rechazó el inicio de sesión: compruebe la contraseña o inicie sesión con Microsoft; en una cuenta de trabajo puede que el administrador tenga que permitir SMTP autenticado.</translation>
    </message>
    <message>
        <source>Microsoft refuses mail from an address other than the signed-in account: make &quot;Your email address&quot; the account you sign in with.</source>
        <translation>Microsoft rechaza el correo de una dirección distinta de la cuenta con sesión iniciada: ponga en &quot;Su dirección de correo&quot; la cuenta con la que inicia sesión.</translation>
    </message>
    <message>
        <source>Gmail wants an app password: turn on 2-Step Verification, create one at https://myaccount.google.com/apppasswords and enter it as the password, or sign in with Google.</source>
        <translation>Gmail pide una contraseña de aplicación: active la verificación en dos pasos, cree una en https://myaccount.google.com/apppasswords y escríbala como contraseña, o inicie sesión con Google.</translation>
    </message>
    <message>
        <source>The server did not accept the user name and password: check them; Gmail, Yahoo and iCloud need an app password, not your normal one.</source>
        <translation>El servidor no aceptó el nombre de usuario y la contraseña: compruébelos; Gmail, Yahoo e iCloud necesitan una contraseña de aplicación, no la normal.</translation>
    </message>
    <message>
        <source>The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the server entry.</source>
        <translation>El servidor exige primero una conexión cifrada: use el puerto 587 (STARTTLS) o 465 en la entrada del servidor.</translation>
    </message>
    <message>
        <source>The server is limiting how fast or how much you send: wait an hour or so, then re-send to the participants who were not notified.</source>
        <translation>El servidor limita la velocidad o la cantidad de envío: espere una hora más o menos y vuelva a enviar a los participantes no notificados.</translation>
    </message>
    <message>
        <source>The daily sending limit of this account is reached: re-send to the participants who were not notified tomorrow.</source>
        <translation>Se alcanzó el límite diario de envío de esta cuenta: vuelva a enviar mañana a los participantes no notificados.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation type="vanished">Añadir participante tardío</translation>
    </message>
    <message>
        <source>The newcomer&apos;s Secret Santa message goes to this address, so it is needed.</source>
        <translation>El mensaje del recién llegado se envía a esta dirección, por eso es necesaria.</translation>
    </message>
    <message>
        <source>Please enter an e-mail address for the late participant: their Secret Santa message goes there, and the drawing&apos;s list file keeps an address for everybody.</source>
        <translation>Introduce una dirección de correo para el participante tardío: allí se envía su mensaje, y el archivo de lista del sorteo guarda una dirección para cada persona.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Dirección de correo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>The change is saved as %1.
Nothing was sent. To notify exactly the people whose Secret Santa changed (%2), use Calculate &amp; Send now; they are marked for Re-Send.</source>
        <translation>El cambio se ha guardado como %1.
No se ha enviado nada. Para avisar exactamente a las personas cuyo destinatario ha cambiado (%2), usa ahora Sortear &amp; enviar; están marcadas para reenviar.</translation>
    </message>
    <message>
        <source>No message reached %1. Print slips only for them?

No prints a slip for everybody.</source>
        <translation>Ningún mensaje llegó a %1. ¿Imprimir papeletas solo para ellos?

No imprime una papeleta para todos.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Mark or Unmark Name</source>
        <translation>&amp;Marcar o desmarcar el nombre</translation>
    </message>
    <message>
        <source>the sign-in provider refused: %1</source>
        <translation>el proveedor de inicio de sesión lo rechazó: %1</translation>
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
        <translation>su proveedor</translation>
    </message>
    <message>
        <source>The re-send could not be recorded in the earlier drawing&apos;s ledger: </source>
        <translation type="vanished">El reenvío no se pudo anotar en el registro de envíos del sorteo anterior: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>El sorteo no se pudo guardar en la carpeta History [%1], así que no se envió ningún mensaje. Su lista no ha cambiado.

Compruebe que se puede escribir en esa carpeta y que el disco tiene espacio libre; luego elija de nuevo «Sortear &amp; enviar».</translation>
    </message>
    <message>
        <source>No place in this drawing keeps every exclusion: %1.
Only a full redraw can include %2: add them to the list and use Calculate &amp; Send.</source>
        <translation>Ningún lugar de este sorteo respeta todas las exclusiones: %1.
Solo un sorteo completo nuevo puede incluir a %2: añada a esa persona a la lista y use Sortear &amp; enviar.</translation>
    </message>
    <message>
        <source>Participant who leaves</source>
        <translation>Participante que se retira</translation>
    </message>
    <message>
        <source>Nobody named %1 takes part in this drawing.</source>
        <translation>Nadie llamado %1 participa en este sorteo.</translation>
    </message>
    <message>
        <source>No change to this drawing keeps every exclusion: %1.
Only a full redraw can go on without %2.</source>
        <translation>Ningún cambio de este sorteo respeta todas las exclusiones: %1.
Solo un sorteo completo nuevo puede seguir sin %2.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slips could not be printed: %1</source>
        <translation>No se pudieron imprimir las papeletas: %1</translation>
    </message>
    <message>
        <source>%1 slips saved to %2.
Print on both sides (flip on the long edge), cut, and fold each slip along its dotted line with the printed back inwards.</source>
        <translation>Papeletas guardadas en %2: %1.
Imprima a doble cara (volteo por el borde largo), recorte y doble cada papeleta por su línea de puntos con el dorso impreso hacia dentro.</translation>
    </message>
    <message>
        <source>The event details could not be saved next to %1; they are kept as the default for the next exchange.</source>
        <translation>Los detalles del evento no se pudieron guardar junto a %1; se conservan como valores predeterminados para el próximo intercambio.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>the exclusion list field</source>
        <translation>el campo de la lista de exclusiones</translation>
    </message>
    <message>
        <source>the name field</source>
        <translation>el campo del nombre</translation>
    </message>
    <message>
        <source>the e-mail address field</source>
        <translation>el campo de la dirección de correo</translation>
    </message>
    <message>
        <source>the drawn name field</source>
        <translation>el campo del nombre sacado</translation>
    </message>
    <message>
        <source>the notes field</source>
        <translation>el campo de las notas</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds a double quote (a quote may be missing)</source>
        <translation>%1 &quot;%2&quot; contiene una comilla doble (puede que falte una)</translation>
    </message>
    <message>
        <source>%1 has no closing quote</source>
        <translation>%1 no tiene comilla de cierre</translation>
    </message>
    <message>
        <source>%1 holds a stray double quote</source>
        <translation>%1 contiene una comilla doble suelta</translation>
    </message>
    <message>
        <source>the record ends after %1 field where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>el registro termina tras %1 campo cuando se esperan %2 (puede que falte una comilla o que el registro esté partido en varias líneas)</translation>
    </message>
    <message>
        <source>the record ends after %1 fields where %2 are expected (a quote may be missing, or the record is broken across lines)</source>
        <translation>el registro termina tras %1 campos cuando se esperan %2 (puede que falte una comilla o que el registro esté partido en varias líneas)</translation>
    </message>
    <message>
        <source>%1 holds a control character</source>
        <translation>%1 contiene un carácter de control</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>the e-mail address holds a control character</source>
        <translation>la dirección de correo contiene un carácter de control</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; holds &quot;,&quot; (a quote may be missing)</source>
        <translation>la dirección de correo &quot;%1&quot; contiene &quot;,&quot; (puede que falte una comilla)</translation>
    </message>
    <message>
        <source>the e-mail address &quot;%1&quot; does not look like an e-mail address</source>
        <translation>la dirección de correo &quot;%1&quot; no parece una dirección de correo</translation>
    </message>
    <message>
        <source>the file ends before the record does</source>
        <translation>el archivo termina antes que el registro</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor Windows-1252 text</source>
        <translation>el archivo contiene caracteres NUL: no es UTF-8, ni UTF-16 con marca de orden de bytes, ni texto Windows-1252</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (big-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>el archivo es UTF-16 dañado (big-endian): termina a mitad de un carácter o contiene un par sustituto roto</translation>
    </message>
    <message>
        <source>the file is damaged UTF-16 (little-endian): it ends in the middle of a character or holds a broken surrogate pair</source>
        <translation>el archivo es UTF-16 dañado (little-endian): termina a mitad de un carácter o contiene un par sustituto roto</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Error al intentar enviar los mensajes</translation>
    </message>
    <message>
        <source>Calculation Aborted: You may have too many Exclusions set.</source>
        <translation>Sorteo cancelado: puede que haya demasiadas exclusiones.</translation>
    </message>
    <message>
        <source>Invalid User Name Entry:
User Name can not contain any of these characters [&quot;]</source>
        <translation>Nombre no válido:
el nombre no puede contener ninguno de estos caracteres [&quot;]</translation>
    </message>
    <message>
        <source>Invalid Email Address Entry</source>
        <translation>Dirección de correo no válida</translation>
    </message>
    <message>
        <source>Delete Participant %1</source>
        <translation>Eliminar al participante %1</translation>
    </message>
    <message>
        <source>Error while deleting Participant</source>
        <translation>Error al eliminar al participante</translation>
    </message>
    <message>
        <source>Error while attempting to save information to log file [%1]</source>
        <translation>Error al intentar guardar la información en el archivo de registro [%1]</translation>
    </message>
    <message>
        <source>No single loop found within %1 second.</source>
        <translation>No se encontró un único círculo en %1 segundo.</translation>
    </message>
    <message>
        <source>No single loop found within %1 seconds.</source>
        <translation>No se encontró un único círculo en %1 segundos.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 second.</source>
        <translation>No se encontró un sorteo sin parejas cruzadas en %1 segundo.</translation>
    </message>
    <message>
        <source>No drawing without swapped pairs found within %1 seconds.</source>
        <translation>No se encontró un sorteo sin parejas cruzadas en %1 segundos.</translation>
    </message>
    <message>
        <source>exactly uniform</source>
        <translation>exactamente uniforme</translation>
    </message>
    <message>
        <source>approximately uniform</source>
        <translation>aproximadamente uniforme</translation>
    </message>
    <message>
        <source>single loop</source>
        <translation>círculo único</translation>
    </message>
    <message>
        <source>no swapped pairs</source>
        <translation>sin parejas cruzadas</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided (of %2 asked)</source>
        <translation>parejas del último sorteo evitadas (de %2 pedidos)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided (of %2 asked)</source>
        <translation>parejas de los últimos %1 sorteos evitadas (de %2 pedidos)</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawing avoided</source>
        <translation>parejas del último sorteo evitadas</translation>
    </message>
    <message>
        <source>pairs of the last %1 drawings avoided</source>
        <translation>parejas de los últimos %1 sorteos evitadas</translation>
    </message>
    <message>
        <source>single loop dropped</source>
        <translation>círculo único descartado</translation>
    </message>
    <message>
        <source>no swapped pairs dropped</source>
        <translation>«sin parejas cruzadas» descartado</translation>
    </message>
    <message>
        <source>Drawing %1; options: %2</source>
        <translation>Sorteo %1; opciones: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>participant %1</source>
        <translation>participante %1</translation>
    </message>
    <message>
        <source>A drawing without swapped pairs is impossible: %1</source>
        <translation>Un sorteo sin parejas cruzadas es imposible: %1</translation>
    </message>
    <message>
        <source>A single loop through everybody is impossible: %1</source>
        <translation>Un único círculo que pase por todos es imposible: %1</translation>
    </message>
    <message>
        <source>Draw without the single loop?</source>
        <translation>¿Sortear sin el círculo único?</translation>
    </message>
    <message>
        <source>Draw allowing swapped pairs?</source>
        <translation>¿Sortear permitiendo parejas cruzadas?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawing makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Evitar las parejas del último sorteo hace imposible el sorteo: %2

¿Sortear sin las parejas de ese sorteo (%3)?</translation>
    </message>
    <message>
        <source>Avoiding the pairs of the last %1 drawings makes the drawing impossible: %2

Draw without the pairs of the oldest of them (%3)?</source>
        <translation>Evitar las parejas de los últimos %1 sorteos hace imposible el sorteo: %2

¿Sortear sin las parejas del más antiguo de ellos (%3)?</translation>
    </message>
    <message>
        <source>Single click Participant Name to select for Re-Send</source>
        <translation>Haga clic una vez en el nombre de un participante para elegirlo para el reenvío</translation>
    </message>
</context>
<context>
    <name>SendDialog</name>
    <message>
        <source>The email subject line.  You can change the wording if you desire.</source>
        <translation>El asunto del correo. Puede cambiar el texto si lo desea.</translation>
    </message>
    <message>
        <source>The email message text.  You can add any additional information here that you would like everyone to recieve.</source>
        <translation>El texto del correo. Puede añadir aquí cualquier información que quiera que reciban todos.</translation>
    </message>
    <message>
        <source>The email message trailer.  This line identifies the person you are a Secret Santa for.   Change this to read some thing different if you desire.</source>
        <translation>El final del correo. Esta línea indica la persona a la que hay que hacer el regalo. Cámbiela si lo desea.</translation>
    </message>
    <message>
        <source>Allows you to send a trial test to a single email address.  For example your own email address.</source>
        <translation>Permite enviar una prueba a una sola dirección de correo, por ejemplo la suya.</translation>
    </message>
    <message>
        <source>&lt;Person&apos;s Name&gt;</source>
        <translation>&lt;Nombre de la persona&gt;</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Send Email Notifications to Participants</source>
        <translation>Enviar las notificaciones por correo a los participantes</translation>
    </message>
    <message>
        <source>The language of the message texts; texts you changed stay as typed.</source>
        <translation>El idioma de los textos del mensaje; los textos que haya cambiado se quedan como están.</translation>
    </message>
    <message>
        <source>TestMode: Send all emails to this email addess</source>
        <translation>Modo de prueba: enviar todos los correos a esta dirección</translation>
    </message>
    <message>
        <source>e.g. 20 EUR</source>
        <translation>p. ej. 20 EUR</translation>
    </message>
    <message>
        <source>e.g. 24 December, 6 pm</source>
        <translation>p. ej. 24 de diciembre, 18:00</translation>
    </message>
    <message>
        <source>e.g. the community hall</source>
        <translation>p. ej. el centro cívico</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Language of the email</source>
        <translation>Idioma del correo</translation>
    </message>
    <message>
        <source>Subject Line</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Messge Text</source>
        <translation>Texto del mensaje</translation>
    </message>
    <message>
        <source>Message Trailer</source>
        <translation>Final del mensaje</translation>
    </message>
    <message>
        <source>Event details (added to every message when filled in)</source>
        <translation>Detalles del evento (se añaden a cada mensaje si se rellenan)</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Reply by</source>
        <translation>Responder antes del</translation>
    </message>
    <message>
        <source>Send an Email Message to Participants</source>
        <translation>Enviar un mensaje de correo a los participantes</translation>
    </message>
    <message>
        <source>NOTE: This email will not include Secret Santa information, it is intended to allow you to send out 
informational messages to the participants.  For Example you may want to send out an informational email 
to participants notifying them of a Secret Santa drawing they will be a part of.
</source>
        <translation>NOTA: este correo no incluye la información del Amigo Invisible; sirve para enviar 
mensajes informativos a los participantes. Por ejemplo, puede avisarles 
de un sorteo de Amigo Invisible en el que van a participar.
</translation>
    </message>
    <message>
        <source>Message Text to send</source>
        <translation>Texto del mensaje que se enviará</translation>
    </message>
    <message>
        <source>The subject line or the message text is empty.
Send the message to every participant anyway?</source>
        <translation>El asunto o el texto del mensaje está vacío.
¿Enviar el mensaje a todos los participantes de todos modos?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>OAuthProvider must be microsoft, google or custom</source>
        <translation>OAuthProvider debe ser microsoft, google o custom</translation>
    </message>
    <message>
        <source>OAuthAuthorizeURL is not set</source>
        <translation>OAuthAuthorizeURL no está definido</translation>
    </message>
    <message>
        <source>OAuthTokenURL is not set</source>
        <translation>OAuthTokenURL no está definido</translation>
    </message>
    <message>
        <source>no client ID: set OAuthClientID (this build has none for %1)</source>
        <translation>no hay ID de cliente: defina OAuthClientID (esta compilación no tiene ninguno para %1)</translation>
    </message>
    <message>
        <source>OAuthScopes is not set</source>
        <translation>OAuthScopes no está definido</translation>
    </message>
    <message>
        <source>Invalid SMTP Server entry</source>
        <translation>Entrada de servidor SMTP no válida</translation>
    </message>
    <message>
        <source>Invalid SMTP email address entry</source>
        <translation>Entrada de dirección de correo SMTP no válida</translation>
    </message>
    <message>
        <source>Invalid SMTP name entry, must be longer than 2 characters</source>
        <translation>Nombre SMTP no válido, debe tener más de 2 caracteres</translation>
    </message>
    <message>
        <source>Error Failed to Save Settings</source>
        <translation>Error: no se pudieron guardar los ajustes</translation>
    </message>
</context>
<context>
    <name>Smtp</name>
    <message>
        <source>%1 Mail Messages Re-Sent to
%2
</source>
        <translation>%1 correos reenviados a
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent to
%2
</source>
        <translation>%1 correos enviados a
%2
</translation>
    </message>
    <message>
        <source>%1 Mail Messages Re-Sent</source>
        <translation>%1 correos reenviados</translation>
    </message>
    <message>
        <source>%1 Mail Messages Sent</source>
        <translation>%1 correos enviados</translation>
    </message>
    <message>
        <source>Server Disconnected, Automatic re-connecting in 10 seconds...</source>
        <translation>Servidor desconectado, reconexión automática en 10 segundos...</translation>
    </message>
    <message>
        <source> Re-Sending email %1 of %2 to %3 ...</source>
        <translation> Reenviando el correo %1 de %2 a %3 ...</translation>
    </message>
    <message>
        <source> Sending email %1 of %2 to %3 ...</source>
        <translation> Enviando el correo %1 de %2 a %3 ...</translation>
    </message>
    <message>
        <source>No messages were sent</source>
        <translation>No se envió ningún mensaje</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Re-Sent; the others were not notified</source>
        <translation>%1 de %2 correos reenviados; los demás no fueron avisados</translation>
    </message>
    <message>
        <source>%1 of %2 Mail Messages Sent; the others were not notified</source>
        <translation>%1 de %2 correos enviados; los demás no fueron avisados</translation>
    </message>
    <message>
        <source>Nothing accepted the connection at %1: check the server name and port under Tools-&gt;Setup (587 for STARTTLS, 465 for implicit TLS).</source>
        <translation>Nada aceptó la conexión en %1: compruebe el nombre del servidor y el puerto en Herramientas-&gt;Configuración (587 para STARTTLS, 465 para TLS implícito).</translation>
    </message>
    <message>
        <source>The server name in %1 could not be found: check it under Tools-&gt;Setup and that this computer is online.</source>
        <translation>No se encontró el nombre del servidor de %1: revíselo en Herramientas-&gt;Configuración y compruebe que este equipo tiene conexión.</translation>
    </message>
    <message>
        <source>%1 did not answer: check the server name and port under Tools-&gt;Setup, and that no firewall blocks that port.</source>
        <translation>%1 no respondió: compruebe el nombre del servidor y el puerto en Herramientas-&gt;Configuración, y que ningún cortafuegos bloquee ese puerto.</translation>
    </message>
    <message>
        <source>The connection to %1 failed: check that this computer is online and the server name and port under Tools-&gt;Setup.</source>
        <translation>La conexión con %1 falló: compruebe que este equipo tiene conexión y el nombre del servidor y el puerto en Herramientas-&gt;Configuración.</translation>
    </message>
    <message>
        <source>The server %1 refused the login: check the user name and password under Tools-&gt;Setup; many providers want an app password or a sign-in with the provider instead.</source>
        <translation>El servidor %1 rechazó el inicio de sesión: compruebe el usuario y la contraseña en Herramientas-&gt;Configuración; muchos proveedores piden en su lugar una contraseña de aplicación o iniciar sesión con el proveedor.</translation>
    </message>
    <message>
        <source>The server %1 is refusing for now: try again later, then re-send to those who were not notified.</source>
        <translation>El servidor %1 rechaza por ahora: inténtelo más tarde y luego reenvíe a quienes no fueron avisados.</translation>
    </message>
    <message>
        <source>The server %1 refused: check your email address and the server settings under Tools-&gt;Setup.</source>
        <translation>El servidor %1 lo rechazó: compruebe su dirección de correo y la configuración del servidor en Herramientas-&gt;Configuración.</translation>
    </message>
    <message>
        <source>The server %1 answered in a way that does not fit this step: check that Tools-&gt;Setup names an SMTP server and its submission port.</source>
        <translation>El servidor %1 respondió de una forma que no corresponde a este paso: compruebe que Herramientas-&gt;Configuración indica un servidor SMTP y su puerto de envío.</translation>
    </message>
    <message>
        <source>The connection to %1 ended: check that this computer is online, then re-send to those who were not notified.</source>
        <translation>La conexión con %1 terminó: compruebe que este equipo tiene conexión y luego reenvíe a quienes no fueron avisados.</translation>
    </message>
    <message>
        <source>this program has no way to renew it here</source>
        <translation>este programa no tiene forma de renovarlo aquí</translation>
    </message>
    <message>
        <source>Invalid SMTP entry, please change setting under the Tools-&gt;Settings menu</source>
        <translation>Entrada SMTP no válida, cambie el ajuste en el menú Herramientas-&gt;Configuración</translation>
    </message>
    <message>
        <source>Error Failed to connect to SMTP Server</source>
        <translation>Error: no se pudo conectar con el servidor SMTP</translation>
    </message>
    <message>
        <source>Error This operation requires a internet connection</source>
        <translation>Error: esta operación requiere una conexión a internet</translation>
    </message>
    <message>
        <source>No Messages selected to send</source>
        <translation>No hay mensajes seleccionados para enviar</translation>
    </message>
    <message>
        <source>Connecting to SMTP mail server %1...</source>
        <translation>Conectando con el servidor de correo SMTP %1...</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 sent a reply longer than this program accepts; the connection was closed.</source>
        <translation>El servidor de correo SMTP %1 envió una respuesta más larga de lo que este programa acepta; se cerró la conexión.</translation>
    </message>
    <message>
        <source>SMTP Error</source>
        <translation>Error SMTP</translation>
    </message>
    <message>
        <source>A secure connection to the SMTP mail server %1 could not be established:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was sent over this connection.</source>
        <translation>No se pudo establecer una conexión segura con el servidor de correo SMTP %1:<byte value="xd"/>
%2<byte value="xd"/>
No se envió nada por esta conexión.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>El servidor cerró la conexión.</translation>
    </message>
    <message>
        <source>Winsock1 Error number %1</source>
        <translation>Error de Winsock1 número %1</translation>
    </message>
    <message>
        <source>Winsock1 Error</source>
        <translation>Error de Winsock1</translation>
    </message>
    <message>
        <source>Re-Connecting to SMTP mail server %1...</source>
        <translation>Reconectando con el servidor de correo SMTP %1...</translation>
    </message>
    <message>
        <source>Error Failed to re-connect to SMTP Server</source>
        <translation>Error: no se pudo volver a conectar con el servidor SMTP</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>el proveedor de inicio de sesión no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 did not answer within %2 seconds; the connection was closed.</source>
        <translation>El servidor de correo SMTP %1 no respondió en %2 segundos; se cerró la conexión.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed. Sign in again under Tools-&gt;Settings.</source>
        <translation>No se pudo renovar el inicio de sesión. Vuelva a iniciar sesión en Herramientas-&gt;Configuración.</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again under Tools-&gt;Settings.</source>
        <translation>No se pudo renovar el inicio de sesión: %1. Vuelva a iniciar sesión en Herramientas-&gt;Configuración.</translation>
    </message>
    <message>
        <source>User aborted SMTP Error: </source>
        <translation>Error SMTP, cancelado por el usuario: </translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server %1...</source>
        <translation>Desconectando del servidor de correo SMTP %1...</translation>
    </message>
    <message>
        <source>SMTP Error: </source>
        <translation>Error SMTP: </translation>
    </message>
    <message>
        <source>Error while attempting to send messages</source>
        <translation>Error al intentar enviar los mensajes</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 offered a secure connection (STARTTLS) but refused to start it:<byte value="xd"/>
%2Nothing was sent over an unprotected connection.</source>
        <translation>El servidor de correo SMTP %1 ofreció una conexión segura (STARTTLS) pero se negó a iniciarla:<byte value="xd"/>
%2No se envió nada por una conexión sin protección.</translation>
    </message>
    <message>
        <source>The SMTP mail server %1 does not offer an encrypted connection (STARTTLS), so nothing was sent: no login and no message went over the network unprotected.</source>
        <translation>El servidor de correo SMTP %1 no ofrece una conexión cifrada (STARTTLS), así que no se envió nada: ni el inicio de sesión ni ningún mensaje pasaron por la red sin protección.</translation>
    </message>
    <message>
        <source>An earlier connection of this run was encrypted; someone may be interfering with the connection.</source>
        <translation>Una conexión anterior de este envío estaba cifrada; puede que alguien esté interfiriendo en la conexión.</translation>
    </message>
    <message>
        <source>Use a server or port that offers encryption (port 465 or 587), or allow unencrypted SMTP under Tools-&gt;Settings.</source>
        <translation>Use un servidor o un puerto que ofrezca cifrado (puerto 465 o 587) o permita SMTP sin cifrar en Herramientas-&gt;Configuración.</translation>
    </message>
    <message>
        <source> ERROR: SMTP mail server authentication not supported</source>
        <translation> ERROR: el servidor de correo SMTP no admite la autenticación</translation>
    </message>
    <message>
        <source>Disconnecting from SMTP mail server: authentication not supported</source>
        <translation>Desconectando del servidor de correo SMTP: autenticación no admitida</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Saliendo...</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Sorteando...</translation>
    </message>
    <message>
        <source>Calculating ...</source>
        <translation>Sorteando ...</translation>
    </message>
    <message>
        <source>Calculation Aborted, Too many Exclusions set</source>
        <translation>Sorteo cancelado, demasiadas exclusiones</translation>
    </message>
    <message>
        <source>Calculation Aborted</source>
        <translation>Sorteo cancelado</translation>
    </message>
    <message>
        <source>Updating Secret Santa Info...</source>
        <translation>Actualizando la información del Amigo Invisible...</translation>
    </message>
    <message>
        <source>Re-Send Mode: Single click Participant Name to set for Re-Send</source>
        <translation>Modo de reenvío: haga clic una vez en el nombre de un participante para marcarlo para el reenvío</translation>
    </message>
    <message>
        <source>Saving participants to File...</source>
        <translation>Guardando los participantes en el archivo...</translation>
    </message>
    <message>
        <source>Adding participants from File...</source>
        <translation>Añadiendo participantes desde el archivo...</translation>
    </message>
    <message>
        <source>Select Previous Drawing File from Saved History...</source>
        <translation>Seleccione el archivo de un sorteo anterior del historial guardado...</translation>
    </message>
    <message>
        <source>Select Previous Drawing Log File from Saved History...</source>
        <translation>Seleccione el registro de un sorteo anterior del historial guardado...</translation>
    </message>
    <message>
        <source>Select participants from AddressBook to Add</source>
        <translation>Seleccione en la libreta de direcciones los participantes que desea añadir</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New List</source>
        <translation>Nueva lista</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Guardar lista</translation>
    </message>
    <message>
        <source>Add participants from address book</source>
        <translation>Añadir participantes desde la libreta de direcciones</translation>
    </message>
    <message>
        <source>Add participants</source>
        <translation>Añadir participantes</translation>
    </message>
    <message>
        <source>Delete participant </source>
        <translation>Eliminar participante</translation>
    </message>
    <message>
        <source>Edit participant </source>
        <translation>Editar participante</translation>
    </message>
    <message>
        <source>Set Individual Exclusion</source>
        <translation>Establecer exclusión individual</translation>
    </message>
    <message>
        <source>Set Group Exclusion</source>
        <translation>Establecer exclusión de grupo</translation>
    </message>
    <message>
        <source>Clear Exclusions</source>
        <translation>Borrar exclusiones</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; View</source>
        <translation>Sortear &amp;&amp; ver</translation>
    </message>
    <message>
        <source>Calculate &amp;&amp; Send</source>
        <translation>Sortear &amp;&amp; enviar</translation>
    </message>
    <message>
        <source>Cancel Re-Send</source>
        <translation>Cancelar el reenvío</translation>
    </message>
    <message>
        <source>Re-Send...</source>
        <translation>Reenviar...</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Check For Updated Version of Hollymoor</source>
        <translation>Buscar una versión nueva de Hollymoor</translation>
    </message>
    <message>
        <source>Failed: could not reach the update server
Check your internet connection, or try again later
</source>
        <translation>Error: no se pudo contactar con el servidor de actualizaciones
Compruebe su conexión a internet o inténtelo más tarde
</translation>
    </message>
    <message>
        <source>Failed: Unable to verify current version number
Try again later
</source>
        <translation>Error: no se pudo comprobar el número de versión actual
Inténtelo más tarde
</translation>
    </message>
    <message>
        <source>You have the most recent version of Hollymoor
</source>
        <translation>Tiene la versión más reciente de Hollymoor
</translation>
    </message>
    <message>
        <source>A new version %1 is now available for download.
Click on the link on the about dialog to download
or goto %2
</source>
        <translation>Hay una nueva versión %1 disponible para descargar.
Haga clic en el enlace del diálogo «Acerca de» para descargarla
o vaya a %2
</translation>
    </message>
    <message>
        <source>Failed: You do not appear to be connected to the internet
</source>
        <translation>Error: parece que no está conectado a internet
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
        <translation>Sesión iniciada. Puede cerrar esta página y volver a Hollymoor.</translation>
    </message>
    <message>
        <source>the sign-in was declined</source>
        <translation>se rechazó el inicio de sesión</translation>
    </message>
    <message>
        <source>the sign-in provider answered: %1</source>
        <translation>el proveedor de inicio de sesión respondió: %1</translation>
    </message>
    <message>
        <source>no loopback port could be opened for the sign-in&apos;s answer</source>
        <translation>no se pudo abrir ningún puerto local para la respuesta del inicio de sesión</translation>
    </message>
    <message>
        <source>the sign-in provider sent no access token</source>
        <translation>el proveedor de inicio de sesión no envió ningún token de acceso</translation>
    </message>
    <message>
        <source>no answer from the sign-in provider within %1 seconds</source>
        <translation>ninguna respuesta del proveedor de inicio de sesión en %1 segundos</translation>
    </message>
    <message>
        <source>not signed in</source>
        <translation>sin iniciar sesión</translation>
    </message>
</context>
<context>
    <name>ui::QtSecretStore</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>el llavero no respondió</translation>
    </message>
</context>
<context>
    <name>ui::QtShell</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>No program is set up to open this address</source>
        <translation>No hay ningún programa configurado para abrir esta dirección</translation>
    </message>
</context>
<context>
    <name>ui::RunProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stopping after the message being sent (%1 of %2)...</source>
        <translation>Deteniendo tras el mensaje que se está enviando (%1 de %2)...</translation>
    </message>
    <message>
        <source>Sending message %1 of %2</source>
        <translation>Enviando el mensaje %1 de %2</translation>
    </message>
</context>
<context>
    <name>ui::SettingsDialog</name>
    <message>
        <source>&lt; type one in&gt;</source>
        <translation>&lt; escriba uno&gt;</translation>
    </message>
    <message>
        <source>Choose MAPI when your default mail program is a MAPI mail client such as Microsoft Outlook or Outlook Express; on this system the MAPI choice hands every message to the system&apos;s mailer (a sendmail-compatible program). Otherwise choose SMTP.

Your outgoing (SMTP) server&apos;s name is in your mail program&apos;s account set-up or on your provider&apos;s support pages. It usually looks like &quot;mail.&quot; or &quot;smtp.&quot; followed by your provider&apos;s domain, for example mail.example.com or smtp.example.net.</source>
        <translation>Elija MAPI si su programa de correo predeterminado es un cliente MAPI como Microsoft Outlook u Outlook Express; en este sistema, la opción MAPI entrega cada mensaje al programa de envío del sistema (un programa compatible con sendmail). Si no, elija SMTP.

El nombre de su servidor de salida (SMTP) está en la configuración de la cuenta de su programa de correo o en las páginas de ayuda de su proveedor. Suele ser «mail.» o «smtp.» seguido del dominio de su proveedor, por ejemplo mail.example.com o smtp.example.net.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Email Type</source>
        <translation>Modo de envío</translation>
    </message>
    <message>
        <source>Send email using my SMTP email server</source>
        <translation>Enviar el correo con mi servidor SMTP</translation>
    </message>
    <message>
        <source>Send email using my MAPI email client program</source>
        <translation>Enviar el correo con mi programa de correo MAPI</translation>
    </message>
    <message>
        <source>SMTP Settings:</source>
        <translation>Configuración SMTP:</translation>
    </message>
    <message>
        <source>Your Outgoing mail (SMTP) Server:</source>
        <translation>Su servidor de salida (SMTP):</translation>
    </message>
    <message>
        <source>example: mail.example.com</source>
        <translation>ejemplo: mail.example.com</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Su dirección de correo:</translation>
    </message>
    <message>
        <source>example: yourname@example.com</source>
        <translation>ejemplo: sunombre@example.com</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Su nombre:</translation>
    </message>
    <message>
        <source>My SMTP Server Requires Authentication</source>
        <translation>Mi servidor SMTP requiere autenticación</translation>
    </message>
    <message>
        <source>Your email password:</source>
        <translation>Su contraseña de correo:</translation>
    </message>
    <message>
        <source>Allow sending without encryption (WARNING: your password and every message, the whole drawing, can then be read on the network)</source>
        <translation>Permitir enviar sin cifrado (ATENCIÓN: su contraseña y cada mensaje, es decir, todo el sorteo, podrán leerse en la red)</translation>
    </message>
    <message>
        <source>Only for a server on your own machine or network that offers no STARTTLS.</source>
        <translation>Solo para un servidor de su propio equipo o de su propia red que no ofrezca STARTTLS.</translation>
    </message>
    <message>
        <source>List of SMTP Servers</source>
        <translation>Lista de servidores SMTP</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>A password is stored; type a new one to replace it</source>
        <translation>Hay una contraseña guardada; escriba una nueva para sustituirla</translation>
    </message>
</context>
<context>
    <name>ui::SignInBox</name>
    <message>
        <source>Sign-in and test:</source>
        <translation>Inicio de sesión y prueba:</translation>
    </message>
    <message>
        <source>Sign in with my password</source>
        <translation>Iniciar sesión con mi contraseña</translation>
    </message>
    <message>
        <source>Sign in with my provider, in the browser:</source>
        <translation>Iniciar sesión con mi proveedor, en el navegador:</translation>
    </message>
    <message>
        <source>Sign in with Microsoft (Outlook.com, Hotmail, Microsoft 365)</source>
        <translation>Iniciar sesión con Microsoft (Outlook.com, Hotmail, Microsoft 365)</translation>
    </message>
    <message>
        <source>Sign in with Google (Gmail)</source>
        <translation>Iniciar sesión con Google (Gmail)</translation>
    </message>
    <message>
        <source>Sign in with another provider (set up with hollymoor-cli settings)</source>
        <translation>Iniciar sesión con otro proveedor (configurado con hollymoor-cli settings)</translation>
    </message>
    <message>
        <source>Send a test message to myself</source>
        <translation>Enviarme un mensaje de prueba</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Sign in...</source>
        <translation>Iniciar sesión...</translation>
    </message>
    <message>
        <source>Signed in with %1 as %2.</source>
        <translation>Sesión iniciada con %1 como %2.</translation>
    </message>
    <message>
        <source>Signed in with %1.</source>
        <translation>Sesión iniciada con %1.</translation>
    </message>
    <message>
        <source>Not signed in.</source>
        <translation>Sin sesión iniciada.</translation>
    </message>
    <message>
        <source>Cannot sign in: %1.</source>
        <translation>No se puede iniciar sesión: %1.</translation>
    </message>
    <message>
        <source>Waiting for the browser. If it did not open, open this address: %1</source>
        <translation>Esperando al navegador. Si no se ha abierto, abra esta dirección: %1</translation>
    </message>
    <message>
        <source>Not signed in: %1.</source>
        <translation>Sin sesión iniciada: %1.</translation>
    </message>
    <message>
        <source>no answer from the browser within %1 seconds</source>
        <translation>el navegador no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>Sending the test message to %1...</source>
        <translation>Enviando el mensaje de prueba a %1...</translation>
    </message>
</context>
<context>
    <name>ui::Slips</name>
    <message>
        <source>Secret Santa</source>
        <translation>Amigo Invisible</translation>
    </message>
    <message>
        <source>Fold along the dotted line, printed side in. Open in private.</source>
        <translation>Doble por la línea de puntos, con la cara impresa hacia dentro. Ábrala en privado.</translation>
    </message>
</context>
<context>
    <name>ui::TestMessageSender</name>
    <message>
        <source>The SMTP entries are incomplete: the server, your address and your name are needed.</source>
        <translation>Los datos SMTP están incompletos: se necesitan el servidor, su dirección y su nombre.</translation>
    </message>
    <message>
        <source>You are not signed in with your provider: choose Sign in first.</source>
        <translation>No ha iniciado sesión con su proveedor: elija primero «Iniciar sesión».</translation>
    </message>
    <message>
        <source>The sign-in could not be renewed: %1. Sign in again.</source>
        <translation>No se pudo renovar el inicio de sesión: %1. Vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>ui::URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>No se puede abrir &apos;%1&apos;: %2 (error %3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowRun</name>
    <message>
        <source>The delivery record could not be kept: %1

Sending goes on; note who was reached from the summary.</source>
        <translation>No se pudo llevar el registro de envíos: %1

El envío continúa; anote a partir del resumen a quién se ha llegado.</translation>
    </message>
</context>
</TS>
