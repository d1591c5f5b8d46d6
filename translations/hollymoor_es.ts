<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cli</name>
    <message>
        <source>unknown language &apos;%1&apos; (known: %2)</source>
        <translation>idioma desconocido &apos;%1&apos; (disponibles: %2)</translation>
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
    <name>QObject</name>
    <message>
        <source>Add Late Participant</source>
        <translation>Añadir participante tardío</translation>
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
        <translation>El reenvío no se pudo anotar en el registro de envíos del sorteo anterior: </translation>
    </message>
    <message>
        <source>The drawing could not be saved in the History folder [%1], so no message was sent. Your list is unchanged.

Make sure that folder can be written to and the disk has free space, then choose Calculate &amp; Send again.</source>
        <translation>El sorteo no se pudo guardar en la carpeta History [%1], así que no se envió ningún mensaje. Su lista no ha cambiado.

Compruebe que se puede escribir en esa carpeta y que el disco tiene espacio libre; luego elija de nuevo «Sortear &amp; enviar».</translation>
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
</TS>
