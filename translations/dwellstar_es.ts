<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BookText</name>
    <message>
        <source>It could not be set aside as &quot;%1&quot;.</source>
        <translation>No se ha podido apartar la agenda como «%1».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se ha podido crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>Another KV Dwellstar is changing the book just now.</source>
        <translation>Otro KV Dwellstar está modificando la agenda en este momento.</translation>
    </message>
    <message>
        <source>The book&apos;s lock could not be made in &quot;%1&quot;.</source>
        <translation>No se ha podido crear el bloqueo de la agenda en «%1».</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Colors: %1</source>
        <translation>Colores: %1</translation>
    </message>
    <message>
        <source>Birthstone: %1</source>
        <translation>Piedra natal: %1</translation>
    </message>
    <message>
        <source>Home style: %1</source>
        <translation>Estilo decorativo: %1</translation>
    </message>
    <message>
        <source>%1&apos;s birthday (%2)</source>
        <translation>Cumpleaños de %1 (%2)</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Cumpleaños</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>First name.</source>
        <translation>Nombre.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Middle name.</source>
        <translation>Segundo nombre.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Apellidos.</translation>
    </message>
    <message>
        <source>Date of birth, such as 1990-08-15.</source>
        <translation>Fecha de nacimiento, por ejemplo 1990-08-15.</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>aaaa-mm-dd</translation>
    </message>
    <message>
        <source>Save the reading in &lt;file&gt; instead of printing it: .pdf, .png or .txt by its extension; another name gets .pdf. &quot;-&quot; prints it.</source>
        <translation>Guarda la lectura en &lt;archivo&gt; en lugar de mostrarla: .pdf, .png o .txt según su extensión; con cualquier otro nombre, .pdf. «-» la muestra.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.</source>
        <translation>«%1» no es una fecha de nacimiento: escríbela como aaaa-mm-dd, por ejemplo 1990-08-15.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>No se ha podido mostrar la lectura.</translation>
    </message>
    <message>
        <source>Home design tips for your sun sign. Without options KV Dwellstar opens its windows; given the details of a reading, it prints the reading as text, or saves it, and opens no window.</source>
        <translation>Consejos de decoración del hogar según tu signo solar. Sin opciones, KV Dwellstar abre sus ventanas; con los datos de una lectura, muestra la lectura como texto, o la guarda, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language of KV Dwellstar: give one of %2.</source>
        <translation>«%1» no es un idioma de KV Dwellstar: indica uno de estos: %2.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;, one of %1, instead of the desktop&apos;s; also for the windows.</source>
        <translation>Usa el idioma &lt;código&gt;, uno de %1, en lugar del del escritorio; también en las ventanas.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Keep the person of the reading among your people too.</source>
        <translation>Guarda también a la persona de la lectura entre tus seres queridos.</translation>
    </message>
    <message>
        <source>Print your people, soonest birthday first, one a line: name, date of birth (--mm-dd without the year), sign and days to the next birthday, separated by tabs.</source>
        <translation>Muestra la lista de tus seres queridos, primero el cumpleaños más próximo, uno por línea: nombre, fecha de nacimiento (--mm-dd sin el año), signo y días que faltan para el próximo cumpleaños, separados por tabuladores.</translation>
    </message>
    <message>
        <source>Add to your people every contact of the vCard file &lt;file&gt; that has a birthday.</source>
        <translation>Añade a tus seres queridos todos los contactos del archivo vCard &lt;archivo&gt; que tengan cumpleaños.</translation>
    </message>
    <message>
        <source>Write your people&apos;s birthdays to &lt;file&gt; as an iCalendar file, a yearly event each with its gift tips. &quot;-&quot; prints it.</source>
        <translation>Escribe los cumpleaños de tus seres queridos en &lt;archivo&gt; como archivo iCalendar: un evento anual por cumpleaños, cada uno con sus ideas de regalo. «-» lo muestra.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic y visita %1 ahora</translation>
    </message>
    <message>
        <source>Please visit Velmora at %1 regularly and support it by taking part in its discussions and other activities. These programs cannot be supported and maintained without you regularly visiting %1.</source>
        <translation>Visita Velmora en %1 con regularidad y dale tu apoyo participando en sus debates y demás actividades. Sin tus visitas regulares a %1, no es posible dar soporte a estos programas ni mantenerlos.</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Descargas de Velmora Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Haz clic y visita Velmora Softwares</translation>
    </message>
    <message>
        <source>Enjoyed KV Dwellstar? Then you will surely be interested in the other programs of Velmora Softwares. What started as a single program has grown into a large collection of them. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                                All Velmora Softwares programs are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>¿Te ha gustado KV Dwellstar? Entonces seguro que te interesarán los demás programas de Velmora Softwares. Lo que empezó como un único programa se ha convertido en una gran colección. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos, para que nuestros usuarios elijan entre una amplia oferta según sus intereses.                                                                Todos los programas de Velmora Softwares son sencillos y fáciles de usar. No solo son divertidos, sino también muy informativos. Pruébalos hoy mismo y comparte tu experiencia con tus amigos y tu familia.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomienda a un amigo</translation>
    </message>
    <message>
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Tu mensaje<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar a un amigo ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>KV Dwellstar te descubre las preferencias de decoración de los distintos signos del zodiaco. Conoce los colores y estilos decorativos favoritos de tus seres queridos. Con este programa acertarás con el regalo ideal para su hogar y su decoración.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web.</translation>
    </message>
    <message>
        <source>Velmora is the most popular online discussion community of its kind. It is the best resource on the occult. Visit %1 now!</source>
        <translation>Velmora, la mayor comunidad en línea de su clase y el mejor recurso sobre ocultismo. ¡Visita %1 ahora!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu sitio en este programa:  más fidelidad y más tráfico. Aquí irán el nombre y el enlace de tu sitio. Detalles en la «Ayuda».    Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>KV Dwellstar Result</source>
        <translation>Resultado de KV Dwellstar</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Colores preferidos</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Piedra natal</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Número de suerte</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Día de suerte</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Rasgos negativos</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Rasgos positivos</translation>
    </message>
    <message>
        <source>Sun sign emblem</source>
        <translation>Emblema del signo solar</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Estilo decorativo</translation>
    </message>
    <message>
        <source>Color swatch</source>
        <translation>Muestra de color</translation>
    </message>
    <message>
        <source>Home Astrology Attributes</source>
        <translation>Atributos astrológicos del hogar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Visítanos en la &amp;web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Completa los siguientes datos:</translation>
    </message>
    <message>
        <source>Get My Dwellstar Reading</source>
        <translation>Obtener mi lectura Dwellstar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>2.º nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Nombre</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Apellidos</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Date Of Birth: Day</source>
        <translation>Fecha de nacimiento: día</translation>
    </message>
    <message>
        <source>Date Of Birth: Month</source>
        <translation>Fecha de nacimiento: mes</translation>
    </message>
    <message>
        <source>Date Of Birth: Year</source>
        <translation>Fecha de nacimiento: año</translation>
    </message>
    <message>
        <source>Know more about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>Descubre las preferencias de decoración de los distintos signos del zodiaco. Conoce los colores y estilos decorativos favoritos de tus seres queridos. Con este programa acertarás con el regalo ideal para su hogar y su decoración.</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Our family of free programs can only be created and kept up with your support. The best way to support us is to visit %1 regularly and take part in the discussions and other activities on its board.</source>
        <extracomment>%1 is the community site&apos;s address.</extracomment>
        <translation>Nuestra familia de programas gratuitos solo puede crearse y mantenerse con tu apoyo. La mejor forma de apoyarnos es visitar %1 con regularidad y participar en los debates y demás actividades de su foro.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. We cannot support and maintain these programs unless our users visit the site regularly.</source>
        <translation>Visita %1 con regularidad y dale tu apoyo participando en sus debates y demás actividades. No podemos dar soporte a estos programas ni mantenerlos si nuestros usuarios no visitan el sitio con regularidad.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology, tarot, numerology and the occult. To help us develop and maintain this program, please visit it regularly.</source>
        <translation>%1 es un foro de debate en línea gratuito sobre astrología, tarot, numerología y ocultismo. Para ayudarnos a desarrollar y mantener este programa, visítalo con regularidad.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visiting it regularly and taking part in its discussions and activities helps us maintain it and develop more programs like this one.</source>
        <translation>%1 necesita tu ayuda. Visitarlo con regularidad y participar en sus debates y actividades nos ayuda a mantenerlo y a desarrollar más programas como este.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos correos electrónicos distintos</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe un correo electrónico válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>&amp;People…</source>
        <translation>Seres &amp;queridos…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The Desktop&apos;s Language (%1)</source>
        <translation>Idioma del escritorio (%1)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>PeopleText</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dentro de %n días</numerusform>
            <numerusform>dentro de %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Next Birthday</source>
        <translation>Próximo cumpleaños</translation>
    </message>
    <message>
        <source>Your book of people could not be read, and nothing in it was changed.

%1</source>
        <translation>No se ha podido leer tu agenda de seres queridos, y no se ha cambiado nada en ella.

%1</translation>
    </message>
    <message>
        <source>Your book of people could not be read: it is damaged. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>No se ha podido leer tu agenda de seres queridos: está dañada. Se ha apartado, sin cambios, como «%1», y se ha empezado una agenda nueva.</translation>
    </message>
    <message>
        <source>Your book of people was written by a newer KV Dwellstar, which this one cannot read. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Tu agenda de seres queridos la escribió una versión más reciente de KV Dwellstar, que esta no puede leer. Se ha apartado, sin cambios, como «%1», y se ha empezado una agenda nueva.</translation>
    </message>
    <message>
        <source>The change could not be kept in your book of people, which is as it was.

%1</source>
        <translation>No se ha podido guardar el cambio en tu agenda de seres queridos, que sigue como estaba.

%1</translation>
    </message>
    <message>
        <source>Contacts read from &quot;%1&quot;:</source>
        <translation>Contactos leídos de «%1»:</translation>
    </message>
    <message>
        <source>added to your people: %1</source>
        <translation>añadidos a tus seres queridos: %1</translation>
    </message>
    <message>
        <source>already among them: %1</source>
        <translation>ya estaban entre ellos: %1</translation>
    </message>
    <message>
        <source>skipped, without a birthday: %1</source>
        <translation>omitidos por no tener cumpleaños: %1</translation>
    </message>
    <message>
        <source>skipped, with a birthday that is no date: %1</source>
        <translation>omitidos por tener un cumpleaños que no es una fecha: %1</translation>
    </message>
    <message>
        <source>skipped, without a name: %1</source>
        <translation>omitidos por no tener nombre: %1</translation>
    </message>
    <message>
        <source>The birthdays could not be exported to &quot;%1&quot;.

%2</source>
        <translation>No se han podido exportar los cumpleaños a «%1».

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; your people are as they were.

%2</source>
        <translation>No se ha podido leer «%1»; tu agenda de seres queridos sigue como estaba.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no contacts in vCard form; your people are as they were.</source>
        <translation>«%1» no contiene contactos en formato vCard; tu agenda de seres queridos sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>PeopleWindow</name>
    <message>
        <source>People - KV Dwellstar</source>
        <translation>Seres queridos - KV Dwellstar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtrar:</translation>
    </message>
    <message>
        <source>Name or sign</source>
        <translation>Nombre o signo</translation>
    </message>
    <message>
        <source>Filter by name or sign</source>
        <translation>Filtrar por nombre o signo</translation>
    </message>
    <message>
        <source>People, soonest birthday first</source>
        <translation>Seres queridos, primero el cumpleaños más próximo</translation>
    </message>
    <message>
        <source>Gift Tips</source>
        <translation>Ideas de regalo</translation>
    </message>
    <message>
        <source>Sign:</source>
        <translation>Signo:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Colores:</translation>
    </message>
    <message>
        <source>Birthstone:</source>
        <translation>Piedra natal:</translation>
    </message>
    <message>
        <source>Home style:</source>
        <translation>Estilo decorativo:</translation>
    </message>
    <message>
        <source>&amp;Open Reading</source>
        <translation>&amp;Abrir lectura</translation>
    </message>
    <message>
        <source>&amp;Forget…</source>
        <translation>&amp;Quitar…</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Importar contactos…</translation>
    </message>
    <message>
        <source>&amp;Export Birthdays…</source>
        <translation>&amp;Exportar cumpleaños…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Forget %1, born %2?</source>
        <translation>¿Quitar de tus seres queridos a %1 (fecha de nacimiento: %2)?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Archivos vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Birthdays</source>
        <translation>Exportar cumpleaños</translation>
    </message>
    <message>
        <source>birthdays.ics</source>
        <translation>cumples.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>A person needs a name to be remembered.</source>
        <translation>Para guardar a una persona entre tus seres queridos, hace falta su nombre.</translation>
    </message>
    <message>
        <source>%1 is now among your people.</source>
        <translation>Ahora %1 está entre tus seres queridos.</translation>
    </message>
    <message>
        <source>%1 is already among your people.</source>
        <translation>%1 ya estaba entre tus seres queridos.</translation>
    </message>
    <message>
        <source>Nobody is kept here yet. Remember the person of a reading with Ctrl+D in its window, or import your contacts.</source>
        <translation>Aún no hay nadie entre tus seres queridos. Añade la persona de una lectura con Ctrl+D en su ventana, o importa tus contactos.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: say which ones it takes (letters of any alphabet, with their accents; small ones become capitals; and blanks).</extracomment>
        <translation>Escribe solo letras y espacios</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Escribe tus apellidos</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Indica tu día de nacimiento</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Indica tu mes de nacimiento</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Indica tu año de nacimiento</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Indica un día o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Indica un día o un mes correctos!</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Colores preferidos</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A heading and its value on one line of a reading kept as text (&quot;Element: Fire&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <extracomment>%1 is the birth date as the language writes it out, weekday included.</extracomment>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Día de suerte</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Número de suerte</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Piedra natal</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Rasgos positivos</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Rasgos negativos</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Estilo decorativo</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>Red is the color of energy, courage and vitality, and since ancient times it has been linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer an air of confidence that others notice. People who feel tired, shy or low in spirits can draw strength from a touch of red. Wear it when you need to be bold, such as at a job interview, a first date or an important meeting.</source>
        <translation>El rojo es el color de la energía, el valor y la vitalidad, y desde la Antigüedad se asocia con el fuego y la sangre. Acelera el pulso, agudiza los sentidos y da a quien lo lleva un aire de seguridad que los demás perciben. Las personas cansadas, tímidas o desanimadas pueden sacar fuerzas de un toque de rojo. Llévalo cuando necesites mostrar audacia, por ejemplo en una entrevista de trabajo, una primera cita o una reunión importante.</translation>
    </message>
    <message>
        <source>On the positive side, green is the color of nature, growth, harmony and renewal, and it stands for health, hope and the steady abundance that comes from patient effort; on the negative side, it has long been tied to envy, jealousy and inexperience, as when we say someone is green with envy or green at a new job. Above all, green is restful to the eye and soothing to the mind, easing stress and restoring a sense of calm balance.</source>
        <translation>En su lado positivo, el verde es el color de la naturaleza, el crecimiento, la armonía y la renovación, y representa la salud, la esperanza y la abundancia constante que nace del esfuerzo paciente; en su lado negativo, desde hace mucho se asocia con la envidia, los celos y la inexperiencia, como cuando decimos que alguien se pone verde de envidia o que todavía está verde en un trabajo nuevo. Sobre todo, el verde descansa la vista y serena la mente, alivia el estrés y devuelve una sensación de calma y equilibrio.</translation>
    </message>
    <message>
        <source>Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked with wisdom, learning and quick, clear thinking, which is why students and writers often favor it. Yellow is also the color of gold, and it has long been associated with wealth, success and prosperity. Its bright and cheerful tone lifts the mood and encourages optimism. A little yellow helps you make decisions with a clear head.</source>
        <translation>El amarillo es el color del intelecto, y se dice que estimula la mente. Se relaciona con la sabiduría, el aprendizaje y el pensamiento rápido y claro, por eso estudiantes y escritores suelen preferirlo. El amarillo es también el color del oro, y desde hace mucho se asocia con la riqueza, el éxito y la prosperidad. Su tono vivo y alegre levanta el ánimo y favorece el optimismo. Un poco de amarillo te ayuda a tomar decisiones con la cabeza despejada.</translation>
    </message>
    <message>
        <source>White is the color of purity, innocence and new beginnings. It brings a feeling of peace and quiet to any space and calms a restless mind. Because it holds every color of the spectrum in equal measure, white stands for balance and completeness. It is a good choice whenever you wish to start afresh.</source>
        <translation>El blanco es el color de la pureza, la inocencia y los nuevos comienzos. Aporta una sensación de paz y tranquilidad a cualquier espacio y calma la mente inquieta. Como reúne en igual medida todos los colores del espectro, el blanco simboliza el equilibrio y la plenitud. Es una buena elección siempre que quieras empezar de cero.</translation>
    </message>
    <message>
        <source>Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It combines the power and energy of red with the joy and cheer of yellow. Orange is a friendly, sociable color that invites conversation and makes people feel welcome. Wearing it shows that you are confident, open and ready to take on the world with enthusiasm.</source>
        <translation>El naranja es el color del Sol, cálido y radiante como la luz de una tarde de verano. Combina la fuerza y la energía del rojo con la alegría y el buen humor del amarillo. El naranja es un color cordial y sociable que invita a conversar y hace que la gente se sienta bienvenida. Llevarlo demuestra seguridad, apertura y ganas de comerte el mundo con entusiasmo.</translation>
    </message>
    <message>
        <source>Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid ground beneath our feet. It stands for stability, reliability and a down-to-earth approach to life that others find reassuring. Brown brings a sense of comfort and security, like a warm blanket or a cozy cabin in the woods. People who favor it value honesty, hard work and the simple pleasures of home and family.</source>
        <translation>El marrón es el color de la tierra, del suelo, la madera y la piedra, y habla del terreno firme que pisamos. Representa la estabilidad, la fiabilidad y una manera realista de entender la vida que a los demás les resulta tranquilizadora. El marrón aporta una sensación de comodidad y seguridad, como una manta de abrigo o una acogedora cabaña en el bosque. Quienes lo prefieren valoran la honradez, el trabajo duro y los placeres sencillos del hogar y la familia.</translation>
    </message>
    <message>
        <source>Violet is the color of sensitivity and deep compassion, and it has long been connected with the spiritual side of life. Healers and mystics prize it for its power to soothe the soul and mend the heart. Violet also awakens the imagination and nourishes creativity, making it a favorite of artists, poets and musicians. It encourages quiet reflection and a gentle understanding of others.</source>
        <translation>El violeta es el color de la sensibilidad y la compasión profunda, y desde hace mucho se vincula con el lado espiritual de la vida. Sanadores y místicos lo aprecian por su poder para calmar el alma y curar el corazón. El violeta también despierta la imaginación y alimenta la creatividad, por lo que es uno de los favoritos de artistas, poetas y músicos. Favorece la reflexión serena y una comprensión amable de los demás.</translation>
    </message>
    <message>
        <source>Mars rules a person&apos;s assertiveness, physical power and anger. Depending on the house in which it falls, it shows where these forces can stir up conflict and trouble.</source>
        <translation>Marte rige la asertividad, la fuerza física y la ira de una persona. Según la casa en la que se encuentre, muestra dónde estas fuerzas pueden provocar conflictos y problemas.</translation>
    </message>
    <message>
        <source>Venus governs how a person expresses themselves socially, romantically and through the arts.</source>
        <translation>Venus gobierna la manera en que una persona se expresa en lo social, en lo romántico y a través de las artes.</translation>
    </message>
    <message>
        <source>Mercury rules the way that a person thinks, speaks and shares ideas.</source>
        <translation>Mercurio rige la manera en que una persona piensa, habla y comparte sus ideas.</translation>
    </message>
    <message>
        <source>The Moon governs a person&apos;s feelings and emotional needs, and it reflects the upbringing and habits formed in early childhood. It also rules the unconscious mind, which shapes many decisions made without quite knowing why.</source>
        <translation>La Luna gobierna los sentimientos y las necesidades emocionales de una persona, y refleja la educación recibida y los hábitos adquiridos en la primera infancia. También rige el inconsciente, que determina muchas decisiones que se toman sin saber muy bien por qué.</translation>
    </message>
    <message>
        <source>The Sun is the giver of life, the source of the light and warmth that all things need to grow. In astrology it is the backbone of the whole chart, since its sign at birth is the one most people know as their own. The Sun stands for the self, the will and the vital spark that drives a person forward. On its good side it brings confidence, generosity, dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a need to be the center of attention. When the Sun is strongly placed in a chart, the person tends to be healthy, energetic and full of purpose. Such people are natural leaders who rise to positions of authority and shine in public life. Yet they must learn to share the stage, or their brilliance may blind them to others.</source>
        <translation>El Sol es el dador de vida, la fuente de la luz y el calor que todo necesita para crecer. En astrología es la columna vertebral de toda la carta, ya que su signo en el momento del nacimiento es el que la mayoría de la gente conoce como propio. El Sol representa el yo, la voluntad y la chispa vital que impulsa a la persona hacia delante. En su lado bueno aporta confianza, generosidad, dignidad y un corazón cálido. En su lado oscuro puede alimentar el orgullo, la arrogancia, la vanidad y la necesidad de ser el centro de atención. Cuando el Sol ocupa una posición fuerte en la carta, la persona suele gozar de salud, tener mucha energía y un claro sentido de propósito. Estas personas tienen dotes naturales de mando, alcanzan puestos de autoridad y brillan en la vida pública. Aun así, deben aprender a compartir el escenario, o su brillo podría impedirles ver a los demás.</translation>
    </message>
    <message>
        <source>Jupiter brings optimism, good fortune and growth, and its house placement shows where in life hope comes easily.</source>
        <translation>Júpiter aporta optimismo, buena fortuna y crecimiento, y su posición en las casas muestra en qué ámbitos de la vida surge con facilidad la esperanza.</translation>
    </message>
    <message>
        <source>Saturn is the planet of obstacles, restrictions and limitations. It tests a person through delay and hard lessons.</source>
        <translation>Saturno es el planeta de los obstáculos, las restricciones y las limitaciones. Pone a prueba a la persona mediante retrasos y lecciones duras.</translation>
    </message>
    <message>
        <source>You will love a home full of energy and movement, with bold red accents, strong lines and furniture that is simple, sturdy and easy to rearrange on a sudden whim.</source>
        <translation>Te encantará un hogar lleno de energía y movimiento, con atrevidos toques de rojo, líneas marcadas y muebles sencillos, robustos y fáciles de cambiar de sitio en un arrebato repentino.</translation>
    </message>
    <message>
        <source>You prefer sleek modern furniture in metal and glass to fussy antiques and delicate ornaments.</source>
        <translation>Prefieres los muebles modernos y estilizados de metal y cristal a las antigüedades recargadas y los adornos delicados.</translation>
    </message>
    <message>
        <source>You will like a simple kitchen built for quick, no-fuss cooking.</source>
        <translation>Te gustará una cocina sencilla, pensada para cocinar rápido y sin complicaciones.</translation>
    </message>
    <message>
        <source>A home gym or a spare corner with exercise gear will keep you fit and happy.</source>
        <translation>Un gimnasio en casa o un rincón libre con material deportivo te mantendrá en forma y de buen humor.</translation>
    </message>
    <message>
        <source>You will want the latest sound system and large, dramatic artwork that makes a statement the moment anyone steps inside.</source>
        <translation>Querrás el equipo de sonido más moderno y obras de arte grandes y espectaculares que causen impresión en cuanto alguien cruce la puerta.</translation>
    </message>
    <message>
        <source>You will love a comfortable, luxurious home filled with solid wood furniture, sofas with plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be touched.</source>
        <translation>Te encantará un hogar cómodo y lujoso, lleno de muebles de madera maciza, sofás con cojines mullidos y tejidos suaves como el terciopelo, la chenilla y el cachemir, que invitan a acariciarlos.</translation>
    </message>
    <message>
        <source>You will adore a lavish kitchen with a large table, because good food and the company of friends are among your greatest pleasures.</source>
        <translation>Te fascinará una cocina espléndida con una mesa grande, porque la buena comida y la compañía de los amigos están entre tus mayores placeres.</translation>
    </message>
    <message>
        <source>You prefer earthy tones of green, cream and rose, with natural materials like stone, linen and clay, and you will fill your rooms and garden with flowers.</source>
        <translation>Prefieres los tonos terrosos de verde, crema y rosa, con materiales naturales como la piedra, el lino y la arcilla, y llenarás de flores tus habitaciones y tu jardín.</translation>
    </message>
    <message>
        <source>Quality matters more to you than quantity, so you will gladly save up for one beautiful piece that will last you a whole lifetime.</source>
        <translation>Para ti importa más la calidad que la cantidad, así que ahorrarás con gusto para comprar una pieza bonita que te dure toda la vida.</translation>
    </message>
    <message>
        <source>You will love light, airy rooms with plenty of windows, pale walls and flexible furniture that can be moved around easily whenever you feel the urge for a change of scene.</source>
        <translation>Te encantarán las habitaciones luminosas y aireadas, con muchas ventanas, paredes claras y muebles versátiles que se puedan mover con facilidad cada vez que sientas la necesidad de cambiar de aires.</translation>
    </message>
    <message>
        <source>You will like bookshelves in every room, filled with books, magazines and puzzles.</source>
        <translation>Te gustará tener estanterías en todas las habitaciones, llenas de libros, revistas y rompecabezas.</translation>
    </message>
    <message>
        <source>A cozy reading nook is an absolute must for you.</source>
        <translation>Un acogedor rincón de lectura es algo imprescindible para ti.</translation>
    </message>
    <message>
        <source>You will enjoy having the newest gadgets, phones and computers close at hand in every room.</source>
        <translation>Disfrutarás teniendo a mano en cada habitación los aparatos, teléfonos y ordenadores más recientes.</translation>
    </message>
    <message>
        <source>Touches of bright yellow will keep your spirits lively and high.</source>
        <translation>Unos toques de amarillo vivo mantendrán tu ánimo alegre y bien alto.</translation>
    </message>
    <message>
        <source>You will love a warm family home in which everyone feels safe and welcome.</source>
        <translation>Te encantará un hogar familiar y cálido en el que todo el mundo se sienta seguro y bien recibido.</translation>
    </message>
    <message>
        <source>You will treasure heirlooms, old photographs and antiques that carry family memories, and you will display them with pride.</source>
        <translation>Atesorarás reliquias familiares, fotografías antiguas y antigüedades cargadas de recuerdos de familia, y las expondrás con orgullo.</translation>
    </message>
    <message>
        <source>The kitchen is the heart of your home, and you will want it roomy, cozy and always well stocked.</source>
        <translation>La cocina es el corazón de tu hogar, y la querrás amplia, acogedora y siempre bien surtida.</translation>
    </message>
    <message>
        <source>You like soft curves and snug, rounded furniture to sink into.</source>
        <translation>Te gustan las curvas suaves y los muebles redondeados y mullidos en los que hundirte.</translation>
    </message>
    <message>
        <source>You will like soothing shades of white, silver and sea blue throughout the house.</source>
        <translation>Te gustarán los tonos relajantes de blanco, plata y azul mar en toda la casa.</translation>
    </message>
    <message>
        <source>A view of water or a little garden pond will delight you.</source>
        <translation>Te encantará tener vistas al agua o un pequeño estanque en el jardín.</translation>
    </message>
    <message>
        <source>You will love a grand, stately home that impresses visitors.</source>
        <translation>Te encantará un hogar grandioso y señorial que impresione a las visitas.</translation>
    </message>
    <message>
        <source>Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch of theater.</source>
        <translation>Tu salón será el escaparate de tu casa, con un sofá mullido, una lámpara de araña de cristal y un toque teatral.</translation>
    </message>
    <message>
        <source>You will adore rich fabrics such as silk, brocade and velvet in deep regal colors.</source>
        <translation>Te fascinarán los tejidos suntuosos como la seda, el brocado y el terciopelo en colores intensos y regios.</translation>
    </message>
    <message>
        <source>Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you perfectly.</source>
        <translation>Los detalles en oro y latón, los espejos dorados y los tonos cálidos y soleados de naranja y rojo te van a la perfección.</translation>
    </message>
    <message>
        <source>You will prefer large, eye-catching furniture and impressive art over anything small or understated, since your home must make a statement.</source>
        <translation>Preferirás los muebles grandes y llamativos y el arte impactante a cualquier cosa pequeña o discreta, porque tu casa tiene que causar sensación.</translation>
    </message>
    <message>
        <source>A generous dining room where you can entertain your friends in style is essential.</source>
        <translation>Es imprescindible un comedor amplio donde puedas recibir a tus amigos por todo lo alto.</translation>
    </message>
    <message>
        <source>You will love a clean, bright, uncluttered home where everything has its proper place.</source>
        <translation>Te encantará un hogar limpio, luminoso y despejado, donde cada cosa esté en su sitio.</translation>
    </message>
    <message>
        <source>You prefer simple, functional furniture with clean lines, plenty of built-in storage and drawers that keep everything tidy.</source>
        <translation>Prefieres los muebles sencillos y funcionales de líneas limpias, con mucho almacenamiento empotrado y cajones que lo mantengan todo ordenado.</translation>
    </message>
    <message>
        <source>You will like natural materials such as wood, cotton and wicker, in calm shades of brown, beige and soft green, which give your rooms a restful, orderly feel.</source>
        <translation>Te gustarán los materiales naturales como la madera, el algodón y el mimbre, en tonos serenos de marrón, beis y verde suave, que dan a tus habitaciones un aire sosegado y ordenado.</translation>
    </message>
    <message>
        <source>A well-equipped study or home office, with neatly labeled files and a good desk lamp, is important to you.</source>
        <translation>Para ti es importante un estudio o despacho en casa bien equipado, con archivos cuidadosamente etiquetados y una buena lámpara de escritorio.</translation>
    </message>
    <message>
        <source>You will enjoy a little herb garden on a sunny windowsill.</source>
        <translation>Disfrutarás de un pequeño huerto de hierbas aromáticas en el alféizar de una ventana soleada.</translation>
    </message>
    <message>
        <source>You will love an elegant, harmonious home where all is balanced and well proportioned.</source>
        <translation>Te encantará un hogar elegante y armonioso, donde todo esté equilibrado y bien proporcionado.</translation>
    </message>
    <message>
        <source>You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical groupings of pictures.</source>
        <translation>Prefieres los muebles de formas gráciles dispuestos por parejas, con lámparas a juego y cuadros agrupados de forma simétrica.</translation>
    </message>
    <message>
        <source>You will like soft pastels and olive green, with touches of pink.</source>
        <translation>Te gustarán los tonos pastel suaves y el verde oliva, con toques de rosa.</translation>
    </message>
    <message>
        <source>Fresh flowers will always brighten your rooms.</source>
        <translation>Las flores frescas siempre alegrarán tus habitaciones.</translation>
    </message>
    <message>
        <source>You will enjoy fine art and beautiful old mirrors.</source>
        <translation>Disfrutarás de las buenas obras de arte y de los bellos espejos antiguos.</translation>
    </message>
    <message>
        <source>You will love a private home that keeps the world at bay.</source>
        <translation>Te encantará un hogar íntimo que te resguarde del mundo exterior.</translation>
    </message>
    <message>
        <source>You prefer dramatic, moody interiors with deep colors, dark wood and low lighting.</source>
        <translation>Prefieres los interiores teatrales y sugerentes, con colores profundos, madera oscura y luz tenue.</translation>
    </message>
    <message>
        <source>You will like heavy curtains, hidden cupboards and rooms that keep your secrets.</source>
        <translation>Te gustarán las cortinas gruesas, los armarios ocultos y las habitaciones que guardan tus secretos.</translation>
    </message>
    <message>
        <source>A luxurious bathroom with a deep tub is your favorite place to relax and recharge.</source>
        <translation>Un baño lujoso con una bañera honda es tu lugar favorito para relajarte y recargar energías.</translation>
    </message>
    <message>
        <source>You will enjoy crisp white bed linen set against dark walls.</source>
        <translation>Disfrutarás de una ropa de cama blanca e impecable que contraste con paredes oscuras.</translation>
    </message>
    <message>
        <source>Mirrors and candlelight add mystery for you.</source>
        <translation>Para ti, los espejos y la luz de las velas añaden misterio.</translation>
    </message>
    <message>
        <source>You will love a relaxed, open-plan home with room to move and to entertain.</source>
        <translation>Te encantará un hogar relajado y diáfano, con espacio para moverte y para recibir invitados.</translation>
    </message>
    <message>
        <source>You prefer souvenirs and folk crafts from your travels abroad.</source>
        <translation>Prefieres los recuerdos y la artesanía popular de tus viajes al extranjero.</translation>
    </message>
    <message>
        <source>You will like old maps, globes and shelves crowded with travel books.</source>
        <translation>Te gustarán los mapas antiguos, los globos terráqueos y las estanterías repletas de libros de viajes.</translation>
    </message>
    <message>
        <source>Violet and purple are the colors for you.</source>
        <translation>El violeta y el morado son tus colores.</translation>
    </message>
    <message>
        <source>You will enjoy casual, sturdy furniture that can take a bit of rough use.</source>
        <translation>Disfrutarás de muebles informales y robustos que aguanten bien el trote.</translation>
    </message>
    <message>
        <source>A big porch or sunny patio will suit you well.</source>
        <translation>Un gran porche o un patio soleado te irá de maravilla.</translation>
    </message>
    <message>
        <source>You will love a traditional, dignified home that is built to last.</source>
        <translation>Te encantará un hogar tradicional y distinguido, construido para durar.</translation>
    </message>
    <message>
        <source>You prefer classic furniture of solid oak, leather and quality wool.</source>
        <translation>Prefieres los muebles clásicos de roble macizo, cuero y lana de calidad.</translation>
    </message>
    <message>
        <source>You will like a well-ordered study with a large desk and a leather chair.</source>
        <translation>Te gustará un estudio bien ordenado con un gran escritorio y un sillón de cuero.</translation>
    </message>
    <message>
        <source>Muted tones of green, gray and blue suit you.</source>
        <translation>Te van bien los tonos apagados de verde, gris y azul.</translation>
    </message>
    <message>
        <source>You will enjoy antiques and family portraits that show a sense of history and heritage.</source>
        <translation>Disfrutarás de las antigüedades y los retratos de familia que transmiten un sentido de la historia y de las raíces.</translation>
    </message>
    <message>
        <source>Floors of good stone or slate will please you.</source>
        <translation>Te agradarán los suelos de buena piedra o de pizarra.</translation>
    </message>
    <message>
        <source>You will buy fewer things, but each piece you choose will be of lasting quality.</source>
        <translation>Comprarás menos cosas, pero cada pieza que elijas será de una calidad duradera.</translation>
    </message>
    <message>
        <source>You will love an unusual, modern home that reflects your individuality.</source>
        <translation>Te encantará un hogar moderno y poco convencional que refleje tu individualidad.</translation>
    </message>
    <message>
        <source>You prefer open-plan living with futuristic furniture in glass, chrome and molded plastic.</source>
        <translation>Prefieres los espacios diáfanos con muebles futuristas de cristal, cromo y plástico moldeado.</translation>
    </message>
    <message>
        <source>You will like the latest smart-home gadgets and new technology.</source>
        <translation>Te gustarán los últimos aparatos de domótica y las nuevas tecnologías.</translation>
    </message>
    <message>
        <source>White walls with electric blue accents suit you.</source>
        <translation>Te van las paredes blancas con detalles en azul eléctrico.</translation>
    </message>
    <message>
        <source>You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends.</source>
        <translation>Disfrutarás de piezas originales y únicas que den que hablar entre tus amigos.</translation>
    </message>
    <message>
        <source>A large room where friends can gather for lively discussions is a must for you.</source>
        <translation>Una sala grande donde tus amigos puedan reunirse para debatir con animación es imprescindible para ti.</translation>
    </message>
    <message>
        <source>You will love a peaceful, dreamy home near the water.</source>
        <translation>Te encantará un hogar tranquilo y de ensueño cerca del agua.</translation>
    </message>
    <message>
        <source>You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture.</source>
        <translation>Prefieres los tejidos suaves y vaporosos, las cortinas blancas transparentes y los muebles de curvas delicadas.</translation>
    </message>
    <message>
        <source>You will like shades of sea green, lavender and soft violet on your walls.</source>
        <translation>Te gustarán los tonos verde mar, lavanda y violeta suave en las paredes.</translation>
    </message>
    <message>
        <source>An aquarium full of fish would bring you joy.</source>
        <translation>Un acuario lleno de peces te daría alegría.</translation>
    </message>
    <message>
        <source>You will enjoy a quiet room for music and art.</source>
        <translation>Disfrutarás de una habitación tranquila para la música y el arte.</translation>
    </message>
    <message>
        <source>Soft lighting and scented candles will help you to unwind.</source>
        <translation>La luz tenue y las velas aromáticas te ayudarán a relajarte.</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Leo and Sagittarius</source>
        <translation>Leo y Sagitario</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>You are bold, brave and full of energy. You love a challenge and rarely back away from one. You are a natural leader who likes to be first. You act quickly and decisively when others hesitate. You are honest and say exactly what you think. You are enthusiastic, and your zest for life is contagious. You have a strong pioneering spirit. You enjoy starting new projects and blazing new trails. You are independent and trust your own judgment. You are generous with your time, energy and praise. You recover quickly from setbacks and never hold a grudge for long. You are competitive and play to win. You fiercely protect those you care about and will stand up for the weak. Your optimism and courage inspire the people around you.</source>
        <translation>Eres audaz, valiente y rebosas energía. Te encantan los retos y rara vez te echas atrás ante uno. Eres líder por naturaleza y te gusta ir en cabeza. Actúas con rapidez y decisión cuando los demás dudan. Eres una persona honesta y dices exactamente lo que piensas. Tu entusiasmo y tus ganas de vivir son contagiosos. Tienes un fuerte espíritu pionero. Disfrutas emprendiendo nuevos proyectos y abriendo caminos nuevos. Eres independiente y confías en tu propio criterio. Das con generosidad tu tiempo, tu energía y tus elogios. Te recuperas rápido de los contratiempos y nunca guardas rencor mucho tiempo. Tienes espíritu competitivo y juegas para ganar. Proteges con uñas y dientes a quienes te importan y das la cara por los más débiles. Tu optimismo y tu valentía inspiran a quienes te rodean.</translation>
    </message>
    <message>
        <source>You can be impatient and hate to wait for anything. You are sometimes impulsive and act before you think. Your temper flares up quickly, although it cools just as fast. You can be selfish when you want something badly. You may be bossy and expect others to follow your lead. You tend to lose interest once the excitement of a new project fades. You can be reckless and take needless risks. You are often blunt to the point of being tactless. You dislike being told what to do. You can be aggressive when you feel challenged. You rarely stop to consider the feelings of others. You sometimes start more than you can finish.</source>
        <translation>Puedes ser impaciente y odias esperar, sea para lo que sea. A veces te dejas llevar por los impulsos y actúas antes de pensar. Tu genio se enciende enseguida, aunque se apaga igual de rápido. Puedes caer en el egoísmo cuando deseas algo con todas tus fuerzas. Quizá tiendas a mandar y esperes que los demás sigan tus pasos. Sueles perder el interés en cuanto se apaga la emoción de un proyecto nuevo. Puedes actuar con imprudencia y correr riesgos innecesarios. A menudo hablas con tanta franqueza que pecas de falta de tacto. No te gusta que te digan lo que tienes que hacer. Puedes reaccionar con agresividad cuando alguien te desafía. Rara vez te paras a pensar en los sentimientos de los demás. A veces empiezas más cosas de las que puedes terminar.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Capricorn and Virgo</source>
        <translation>Capricornio y Virgo</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>You are patient, reliable and wonderfully steady. You are practical and have both feet planted firmly on the ground. You are loyal to your friends and devoted to your family. You work hard and see every task through to the end. You have a great love of beauty, art and music. You enjoy the good things in life, such as fine food, soft fabrics and a comfortable home. You are warm-hearted and affectionate. You are calm in a crisis, and others lean on your strength. You are sensible with money and build security over time. You are determined and do not give up easily. You have a keen eye for quality. You are generous to those you love. You are a faithful and trustworthy partner. Your calm and gentle presence puts people at ease.</source>
        <translation>Eres paciente, fiable y de una constancia admirable. Tienes sentido práctico y los pies bien plantados en la tierra. Eres leal con tus amigos y te desvives por tu familia. Trabajas duro y llevas cada tarea hasta el final. Sientes un gran amor por la belleza, el arte y la música. Disfrutas de las cosas buenas de la vida, como la buena mesa, los tejidos suaves y un hogar cómodo. Tienes un corazón cálido y te gusta dar cariño. Mantienes la calma en las crisis, y los demás se apoyan en tu fortaleza. Administras el dinero con sensatez y construyes tu seguridad con el tiempo. Tienes determinación y no te rindes con facilidad. Tienes buen ojo para la calidad. Eres una persona generosa con quienes quieres. Como pareja, eres fiel y de total confianza. Tu presencia serena y amable hace que la gente se sienta a gusto.</translation>
    </message>
    <message>
        <source>You can be stubborn and hate to change your mind. You are sometimes possessive of people and things. You may be lazy when comfort calls. You can be slow to forgive. You resist change even when it is needed. You are prone to overindulgence in food and luxury. You can be materialistic and too fond of possessions. You may become jealous in love. Once angered, you can be slow to calm down and hard to reason with.</source>
        <translation>Puedes pecar de terquedad y odias cambiar de opinión. A veces muestras un afán posesivo con las personas y las cosas. Puede que te domine la pereza cuando la comodidad te llama. Te puede costar perdonar. Te resistes al cambio incluso cuando es necesario. Tiendes a excederte con la comida y los lujos. Puedes ser materialista y dar demasiada importancia a las posesiones. Puede que sientas celos en el amor. Cuando te enfadas, puedes tardar en calmarte y cuesta hacerte entrar en razón.</translation>
    </message>
    <message>
        <source>Color Green</source>
        <translation>Color verde</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Aquarius and Libra</source>
        <translation>Acuario y Libra</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>You are quick-witted, clever and endlessly curious. You love to learn and absorb new information with ease. You are a brilliant talker who can chat with anyone about anything. You are adaptable and handle change gracefully. You have a lively sense of humor. You are youthful in spirit at any age. You can juggle several tasks at once. You are sociable and make friends wherever you go. You are inventive and full of bright ideas. You write and speak with flair and can explain complex ideas in simple words. You enjoy variety and keep life interesting for everyone around you. You see both sides of every argument. You are open-minded and tolerant of other points of view. Your energy and charm make you delightful company at any gathering.</source>
        <translation>Tienes una mente ágil, eres inteligente y tu curiosidad no tiene fin. Te encanta aprender y asimilas información nueva con facilidad. Tienes una conversación brillante y puedes charlar con cualquiera de cualquier cosa. Eres adaptable y afrontas los cambios con elegancia. Tienes un sentido del humor muy vivo. Conservas un espíritu joven a cualquier edad. Eres capaz de hacer malabares con varias tareas a la vez. Eres sociable y haces amigos allá donde vas. Tienes mucha inventiva y no te faltan ideas brillantes. Escribes y hablas con estilo y sabes explicar ideas complejas con palabras sencillas. Disfrutas de la variedad y haces la vida más interesante a todos los que te rodean. Sabes ver las dos caras de cualquier discusión. Tienes una mente abierta y toleras otros puntos de vista. Tu energía y tu encanto hacen de ti una compañía deliciosa en cualquier reunión.</translation>
    </message>
    <message>
        <source>You can be restless and easily bored. You are sometimes inconsistent and change your mind by the hour. You may be superficial and skim the surface of things. You can be nervous and high-strung. You tend to gossip more than you should. You find it hard to commit to one plan or one person. You can be cunning when it suits you. You often scatter your energy across too many projects. You may seem unreliable to others. You can talk your way out of trouble too easily. You sometimes rely on charm rather than hard work to get by.</source>
        <translation>Puede dominarte la inquietud, y te aburres con facilidad. A veces eres inconstante y cambias de opinión cada hora. Puede que te quedes en la superficie de las cosas sin llegar a profundizar. Puedes tener los nervios a flor de piel y vivir en tensión. Tiendes a chismorrear más de lo que deberías. Te cuesta comprometerte con un solo plan o con una sola persona. Puedes recurrir a la astucia cuando te conviene. A menudo dispersas tu energía en demasiados proyectos. Puede que los demás te vean poco fiable. Con tu labia, sales de los apuros con demasiada facilidad. A veces confías más en tu encanto que en el esfuerzo para salir adelante.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Pisces and Scorpio</source>
        <translation>Piscis y Escorpio</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perla</translation>
    </message>
    <message>
        <source>You are caring, loving and deeply protective. You always put your family first. You have a wonderful memory, especially for people and events from the past. You are intuitive and can sense what others are feeling. You are loyal and stand by your loved ones through thick and thin. You are sympathetic and a good listener. You are imaginative and creative. You are tenacious and hold on to what matters to you. You are a natural homemaker. You love to cook for the people you care about. You are gentle, kind and patient. You are shrewd with money and rarely waste it. You are patriotic and proud of your roots. You cherish tradition and family history. You make others feel safe and welcome. You are emotionally intelligent. You are quick to comfort anyone in distress. You are persuasive in a quiet way. Your tender heart and devotion make you a treasured friend.</source>
        <translation>Eres una persona atenta, cariñosa y muy protectora. Tu familia siempre es lo primero. Tienes una memoria prodigiosa, sobre todo para las personas y los acontecimientos del pasado. Tienes intuición y percibes lo que sienten los demás. Eres leal y apoyas a tus seres queridos en lo bueno y en lo malo. Muestras comprensión y sabes escuchar. Tienes imaginación y creatividad. Eres tenaz y te aferras a lo que te importa. Tienes un don natural para crear un hogar. Te encanta cocinar para las personas que quieres. Eres amable, dulce y paciente. Administras el dinero con astucia y rara vez lo malgastas. Amas tu patria y te enorgulleces de tus raíces. Valoras la tradición y la historia familiar. Haces que los demás se sientan seguros y bienvenidos. Tienes inteligencia emocional. Enseguida consuelas a cualquiera que lo esté pasando mal. Tienes una forma discreta de persuadir. Tu corazón tierno y tu entrega hacen de ti una amistad muy valiosa.</translation>
    </message>
    <message>
        <source>You can be moody, and your feelings change like the tides. You are sometimes overly sensitive and easily hurt. You may cling to the past and find it hard to let go. You can be overprotective of the people you love. You tend to worry about things that may never happen. You can retreat into your shell when upset. You are sometimes manipulative when you feel insecure. You may be touchy and take harmless remarks to heart. You can hold on to grudges for years. You are prone to self-pity when things go wrong. You can be suspicious of strangers. You sometimes smother others with too much care and attention.</source>
        <translation>Tu humor puede ser cambiante, y tus sentimientos suben y bajan como las mareas. A veces eres demasiado sensible y te hieren con facilidad. Puede que te aferres al pasado y te cueste pasar página. Puedes proteger en exceso a las personas que quieres. Tiendes a preocuparte por cosas que quizá nunca sucedan. Puedes encerrarte en tu caparazón cuando algo te disgusta. A veces recurres a la manipulación cuando te falta seguridad. Puedes ser susceptible y tomarte a pecho comentarios inofensivos. Eres capaz de guardar rencor durante años. Tiendes a caer en la autocompasión cuando las cosas salen mal. Puedes desconfiar de los desconocidos. A veces agobias a los demás con demasiados cuidados y atenciones.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>8 and 9</source>
        <translation>8 y 9</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Aries and Sagittarius</source>
        <translation>Aries y Sagitario</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubí</translation>
    </message>
    <message>
        <source>You are generous, warm-hearted and big-spirited. You are a born leader who takes charge with style and grace. You are confident and carry yourself with natural dignity. You are creative and have a flair for the dramatic. You are loyal to your friends and fiercely protective of them. You are cheerful and bring sunshine wherever you go. You are enthusiastic about life and live it to the full. You are broad-minded and tolerant of human failings. You are ambitious and aim for the very top in all you do. You are honest and expect honesty in return. You are playful and love to have fun with friends and children alike. You are a wonderful host who loves to entertain. You are courageous in the face of difficulty. You have a great capacity for love and affection. You are proud of your achievements, and rightly so. You encourage others to shine as well and praise them generously. You are faithful in love and true to your word. Your warmth and magnetism draw admirers to you like moths to a flame.</source>
        <translation>Tienes un corazón generoso, cálido y grande. Tienes madera de líder y asumes el mando con estilo y elegancia. Tienes confianza en ti y te conduces con una dignidad natural. Derrochas creatividad y tienes un don para lo teatral. Eres leal con tus amigos y los defiendes con fiereza. Irradias alegría y llevas el sol allá donde vas. Vives la vida con entusiasmo y al máximo. Tienes amplitud de miras y toleras las flaquezas humanas. Tienes ambición y apuntas a lo más alto en todo lo que haces. Actúas con honestidad y esperas honestidad a cambio. Te encanta jugar y divertirte tanto con tus amigos como con los niños. Sabes recibir como nadie y te encanta agasajar a tus invitados. Eres valiente ante las dificultades. Tienes una gran capacidad de amar y de dar cariño. Te enorgulleces de tus logros, y con razón. Animas también a los demás a brillar y los elogias con generosidad. Eres fiel en el amor y cumples tu palabra. Tu calidez y tu magnetismo atraen admiradores como la llama a las polillas.</translation>
    </message>
    <message>
        <source>You can be vain and love to be admired. You are sometimes arrogant and overbearing. You may be pompous when you feel important. You can be bossy and patronizing. You like to be the center of attention at all times. You are easily wounded by criticism. You can be stubborn about your opinions. You sometimes spend lavishly beyond your means. You may be intolerant of people who do not share your views. You can be dogmatic and refuse to admit you are wrong. You dislike playing second fiddle to anyone. You tend to exaggerate your own importance. You can sulk when ignored. You sometimes demand loyalty while forgetting that it must be earned.</source>
        <translation>Puedes pecar de vanidad y te encanta que te admiren. A veces eres arrogante y dominante. Puede que te des aires de grandeza cuando te sientes importante. Puedes ponerte a dar órdenes y tratar a los demás con condescendencia. Te gusta ser el centro de atención en todo momento. Las críticas te hieren con facilidad. Puedes aferrarte con terquedad a tus opiniones. A veces gastas a manos llenas por encima de tus posibilidades. Puedes ser intolerante con quienes no comparten tus ideas. Puedes caer en el dogmatismo y negarte a admitir que te equivocas. No soportas quedar en segundo plano frente a nadie. Tiendes a exagerar tu propia importancia. Puedes enfurruñarte cuando no te hacen caso. A veces exiges lealtad y olvidas que hay que ganársela.</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>El Sol</translation>
    </message>
    <message>
        <source>3 and 5</source>
        <translation>3 y 5</translation>
    </message>
    <message>
        <source>Capricorn and Taurus</source>
        <translation>Capricornio y Tauro</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Zafiro</translation>
    </message>
    <message>
        <source>You are modest, practical and hard-working. You have a sharp, analytical mind. You pay great attention to detail and rarely miss a thing. You are reliable and always do what you promise. You are neat, methodical and well organized. You are kind and love to be of service to others. You are intelligent and express yourself clearly. You take good care of your health and keep yourself fit. You are honest and conscientious in all that you do. Your quiet efficiency makes you an invaluable friend and colleague.</source>
        <translation>Eres una persona modesta, práctica y trabajadora. Tienes una mente aguda y analítica. Prestas mucha atención a los detalles y rara vez se te escapa algo. Eres fiable y siempre cumples lo que prometes. Te caracterizan la pulcritud, el método y el orden. Eres amable y te encanta ayudar a los demás. Eres inteligente y te expresas con claridad. Cuidas mucho tu salud y te mantienes en forma. Actúas con honestidad y responsabilidad en todo lo que haces. Gracias a tu discreta eficacia, tus amigos y colegas te consideran imprescindible.</translation>
    </message>
    <message>
        <source>You can be fussy and overly critical of others. You are sometimes a perfectionist who is never satisfied. You may worry too much about small things. You can be harsh in your judgments. You tend to be a little too conservative. You often neglect your own needs while caring for others. You can be shy and reluctant to show your feelings.</source>
        <translation>Puedes pecar de exigente y criticar demasiado a los demás. A veces eres perfeccionista y nada te satisface. Puede que te preocupes demasiado por pequeñeces. Tus juicios pueden ser muy severos. Tiendes a un conservadurismo algo excesivo. A menudo descuidas tus propias necesidades por cuidar de los demás. La timidez puede frenarte y te cuesta mostrar tus sentimientos.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>6 and 9</source>
        <translation>6 y 9</translation>
    </message>
    <message>
        <source>Aquarius and Gemini</source>
        <translation>Acuario y Géminis</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Ópalo</translation>
    </message>
    <message>
        <source>You are charming, diplomatic and easygoing. You have a strong sense of fairness and justice. You are a natural peacemaker in any dispute. You are romantic and idealistic in love. You appreciate beauty in all its forms. You have refined taste and an eye for elegance. You are sociable and enjoy good company. You are gracious and polite, even to people you dislike. You see every side of a question before you decide. You work best in partnership with others. You are cooperative and tactful. You are a gentle and considerate friend. You bring harmony to any group. Your grace and good manners win you friends wherever you go and make every gathering you attend a little more pleasant for everyone who shares it with you.</source>
        <translation>Tienes encanto, diplomacia y un carácter afable. Posees un profundo sentido de la equidad y la justicia. Pones paz de forma natural en cualquier disputa. En el amor te mueven el romanticismo y el idealismo. Aprecias la belleza en todas sus formas. Tienes un gusto refinado y buen ojo para la elegancia. Eres sociable y disfrutas de la buena compañía. Eres amable y cortés incluso con quienes no te caen bien. Examinas todos los aspectos de una cuestión antes de decidir. Rindes más cuando trabajas junto a otros. Colaboras con gusto y actúas con tacto. En la amistad, muestras dulzura y consideración. Aportas armonía a cualquier grupo. Tu elegancia y tus buenos modales te hacen ganar amigos allá donde vas y vuelven cada reunión a la que asistes un poco más agradable para todos los que la comparten contigo.</translation>
    </message>
    <message>
        <source>You can be indecisive and spend ages weighing up every option. You are sometimes easily influenced by the opinions of others. You may be flirtatious and a little fickle in matters of love. You tend to avoid confrontation even when it is truly needed. You can be self-indulgent and lazy when it suits you. You sometimes hide your true feelings just to keep the peace.</source>
        <translation>Te cuesta decidirte y pasas una eternidad sopesando cada opción. A veces te dejas influir con facilidad por las opiniones ajenas. Puede que te guste coquetear y seas algo voluble en el amor. Tiendes a evitar los enfrentamientos incluso cuando son realmente necesarios. Puedes darte demasiados caprichos y dejarte llevar por la pereza cuando te conviene. A veces ocultas tus verdaderos sentimientos solo para mantener la paz.</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>2 and 4</source>
        <translation>2 y 4</translation>
    </message>
    <message>
        <source>Cancer and Pisces</source>
        <translation>Cáncer y Piscis</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topacio</translation>
    </message>
    <message>
        <source>You are determined and forceful, and once you set your sights on a goal you pursue it to the end. You are passionate and throw your whole heart into everything you do. You have a deep emotional intelligence and can see right through pretense. You are loyal, and your devotion to those you love knows no bounds. You are resourceful and never run out of ways to solve a difficult problem. You are brave and face even the darkest challenges of life without flinching. You have a magnetic personality that others find hard to resist. You are perceptive and often know what people are thinking before they speak. You keep secrets well, and friends trust you with their most private thoughts and fears.</source>
        <translation>Tienes determinación y fuerza, y cuando te fijas una meta, la persigues hasta el final. Te apasionas y pones todo tu corazón en cuanto haces. Tienes una profunda inteligencia emocional y calas al instante cualquier fingimiento. Eres leal, y tu entrega a quienes amas no conoce límites. Tienes muchos recursos y nunca te faltan maneras de resolver un problema difícil. Eres valiente y afrontas sin pestañear incluso los retos más oscuros de la vida. Tienes una personalidad magnética a la que a los demás les cuesta resistirse. Eres perspicaz y a menudo sabes lo que piensa la gente antes de que hable. Sabes guardar secretos, y tus amigos te confían sus pensamientos y temores más íntimos.</translation>
    </message>
    <message>
        <source>You can be jealous and possessive in your relationships. You are sometimes secretive to the point of being mysterious even to your closest friends. You may be resentful and find it hard to forgive a wrong. You can be compulsive and obsessive when something grips you. You have a sharp sting when crossed. You are sometimes suspicious of other people&apos;s motives. You can be stubborn and unwilling to compromise. You tend to keep your feelings bottled up until they explode. You may seek revenge when you feel betrayed, even long after the event.</source>
        <translation>En tus relaciones puedes mostrar celos y afán posesivo. A veces guardas tanto tus secretos que resultas un misterio incluso para tus amigos más íntimos. Puedes guardar resentimiento y te cuesta perdonar una ofensa. Cuando algo te atrapa, puedes caer en la compulsión y la obsesión. Cuando te llevan la contraria, clavas un aguijón afilado. A veces desconfías de las intenciones ajenas. Puedes mantenerte en tus trece y negarte a ceder. Tiendes a reprimir tus sentimientos hasta que estallan. Puede que busques venganza cuando sientes que te han traicionado, incluso mucho tiempo después.</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Plutón y Marte</translation>
    </message>
    <message>
        <source>5 and 7</source>
        <translation>5 y 7</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Aries and Leo</source>
        <translation>Aries y Leo</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>You are optimistic, cheerful and full of good humor. You love freedom and need plenty of room to roam. You are adventurous and eager to explore far-off places and new ideas. You are honest and straightforward, and you always say what you mean. You are broad-minded and open to every culture and way of life. You are a natural philosopher who wonders about the meaning of things. You are generous with your time, your money and your laughter. You are enthusiastic and inspire others with your zest for life. You are intellectual and love to study, read and debate big questions. You are friendly and easy to get along with, whoever you meet. You have a great sense of fun and a playful spirit that never grows old. You are a lucky soul who bounces back from every misfortune with a smile. Your faith in the future and your sense of adventure make life with you an exciting journey.</source>
        <translation>Eres optimista, alegre y derrochas buen humor. Amas la libertad y necesitas mucho espacio para moverte a tus anchas. Tienes espíritu aventurero y ganas de explorar lugares lejanos e ideas nuevas. Eres una persona honesta y franca, y siempre dices lo que piensas. Tienes amplitud de miras y te abres a todas las culturas y formas de vida. Tienes un espíritu filosófico natural y te preguntas por el sentido de las cosas. Compartes con generosidad tu tiempo, tu dinero y tu risa. Tu entusiasmo y tus ganas de vivir inspiran a los demás. Tienes inquietudes intelectuales y te encanta estudiar, leer y debatir las grandes cuestiones. Eres amable y es fácil llevarse bien contigo, conozcas a quien conozcas. Tienes un gran sentido de la diversión y un espíritu juguetón que nunca envejece. Eres un alma afortunada que se recupera de cada desgracia con una sonrisa. Tu fe en el futuro y tu sentido de la aventura hacen que la vida a tu lado sea un viaje apasionante.</translation>
    </message>
    <message>
        <source>You can be restless and unable to settle down. You are sometimes careless and tactless in what you say. You may be irresponsible when duty calls and fun beckons. You tend to promise more than you can deliver. You can be impatient with details and daily routine. You are prone to exaggeration when you tell a good story. You sometimes take foolish risks just for the thrill of it.</source>
        <translation>Puede dominarte la inquietud, y te cuesta asentarte. A veces hablas sin cuidado y sin tacto. Puedes ser irresponsable cuando el deber llama y la diversión te tienta. Tiendes a prometer más de lo que puedes cumplir. Puedes ser impaciente con los detalles y la rutina diaria. Tiendes a exagerar cuando cuentas una buena historia. A veces corres riesgos absurdos solo por la emoción.</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>8 and 2</source>
        <translation>8 y 2</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Taurus and Virgo</source>
        <translation>Tauro y Virgo</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>You are practical, prudent and ambitious. You are disciplined and work steadily toward long-term goals. You are patient and willing to wait for success. You are responsible and take your duties seriously. You are reliable, and people know they can count on you. You have a dry and witty sense of humor. You are persistent and do not give up when things get hard. You are careful with money and plan for the future. You respect tradition and the wisdom of experience. You are organized and make the most of your time. You are loyal to family and friends and stand by them for life. You are a capable manager who gets things done. Your quiet determination and sense of purpose carry you to the top of any mountain you choose to climb.</source>
        <translation>Eres una persona práctica, prudente y ambiciosa. Tienes disciplina y trabajas con constancia hacia metas a largo plazo. Eres paciente y sabes esperar el éxito. Eres responsable y te tomas en serio tus obligaciones. Eres fiable, y la gente sabe que puede contar contigo. Tienes un sentido del humor seco e ingenioso. Eres persistente y no te rindes cuando las cosas se ponen difíciles. Cuidas el dinero y planificas el futuro. Respetas la tradición y la sabiduría que da la experiencia. Te organizas bien y aprovechas al máximo tu tiempo. Eres leal a tu familia y a tus amigos y estás a su lado toda la vida. Tienes dotes de gestión y sacas adelante lo que te propones. Tu serena determinación y tu claridad de propósito te llevan a la cima de cualquier montaña que decidas escalar.</translation>
    </message>
    <message>
        <source>You can be pessimistic and expect the worst. You are sometimes rigid and set in your ways. You may be too serious and forget to have fun. You can be cold and distant with people you do not know well. You tend to be a workaholic who neglects rest and play. You can be stubborn and unwilling to listen to new ideas. You are sometimes miserly with money. You may judge others by their status or success. You can be unforgiving of mistakes, including your own. You sometimes bottle up your worries and carry the weight of the world alone.</source>
        <translation>Puedes ser pesimista y esperar lo peor. A veces te falta flexibilidad y te aferras a tus costumbres. Puede que te lo tomes todo demasiado en serio y olvides divertirte. Puedes mostrar frialdad y distancia con quienes no conoces bien. Tiendes a vivir para trabajar y descuidas el descanso y el ocio. Puedes cerrarte en banda y negarte a escuchar ideas nuevas. A veces pecas de tacañería. Puede que juzgues a los demás por su posición o su éxito. Puedes ser implacable con los errores, incluidos los tuyos. A veces te guardas las preocupaciones y cargas en solitario con el peso del mundo.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>1 and 7</source>
        <translation>1 y 7</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>You are friendly, humane and deeply concerned with the welfare of others. You are original and inventive, always full of fresh ideas. You are independent and value your freedom above almost everything. You are intellectual and love to explore new theories and technologies. You are honest and loyal to your friends, whom you treat as family. You are progressive and look to the future rather than the past. You are open-minded and accept people as they are. You are a true humanitarian who dreams of a better world for everyone. You are clever and can solve problems in unusual ways. You are tolerant of differences and quick to defend the underdog. Your vision and willingness to be different make you a genuine pioneer who helps move the world forward.</source>
        <translation>Eres una persona amable y humana, y te preocupa profundamente el bienestar de los demás. Eres original, tienes inventiva y nunca te faltan ideas frescas. Eres independiente y valoras tu libertad por encima de casi todo. Tienes una mente intelectual y te encanta explorar nuevas teorías y tecnologías. Tratas a tus amigos como si fueran de la familia, con honestidad y lealtad. Eres progresista y miras al futuro más que al pasado. Tienes una mente abierta y aceptas a las personas tal como son. Tienes un verdadero espíritu humanitario y sueñas con un mundo mejor para todos. Eres inteligente y sabes resolver los problemas de maneras poco habituales. Eres tolerante con las diferencias y no tardas en defender al más débil. Tu visión y tu disposición a ser diferente te sitúan en la vanguardia y ayudan a que el mundo avance.</translation>
    </message>
    <message>
        <source>You can be detached and seem emotionally distant to those who love you. You are sometimes stubborn and refuse to change your opinions once they are formed. You may be unpredictable, and your sudden changes of plan can unsettle others. You can be contrary just for the sake of it. You tend to rebel against rules, even sensible ones. You are sometimes tactless when you speak your mind. You may be aloof and keep people at arm&apos;s length. You can be so wrapped up in big ideas that you forget practical matters. You sometimes value your independence so much that you avoid close ties. You can be eccentric in ways that puzzle the people around you.</source>
        <translation>Puedes mostrar desapego y parecer emocionalmente distante a quienes te quieren. A veces te empecinas y te niegas a cambiar tus opiniones una vez formadas. Puedes ser imprevisible, y tus cambios repentinos de planes pueden desconcertar a los demás. Puedes llevar la contraria solo por el gusto de hacerlo. Tiendes a rebelarte contra las normas, incluso contra las sensatas. A veces te falta tacto cuando dices lo que piensas. Puedes mostrar cierta frialdad y guardar las distancias con la gente. Las grandes ideas pueden absorberte tanto que olvidas los asuntos prácticos. A veces valoras tanto tu independencia que evitas los lazos estrechos. Tus excentricidades pueden desconcertar a quienes te rodean.</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <translation>Urano y Saturno</translation>
    </message>
    <message>
        <source>2 and 6</source>
        <translation>2 y 6</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>You are imaginative, sensitive and deeply compassionate. You are kind and gentle, and you feel the pain of others as if it were your own. You are intuitive and often sense things before they happen. You are selfless and always ready to help those in need. You are artistic and have a rich inner world of dreams. You are adaptable and flow easily with the changes of life. You are romantic and devoted in love. You are a wonderful listener who never judges or criticizes. You are spiritual and drawn to the mysteries of life. You are modest and never seek the limelight for yourself. Your gentle soul and generous heart make the world a softer and kinder place for all who know you.</source>
        <translation>Eres una persona imaginativa, sensible y profundamente compasiva. Eres amable y dulce, y sientes el dolor ajeno como si fuera propio. Tu intuición te permite presentir a menudo las cosas antes de que sucedan. Te entregas sin pedir nada a cambio y siempre tienes ganas de ayudar a quien lo necesita. Tienes alma de artista y un rico mundo interior de sueños. Eres adaptable y fluyes con facilidad con los cambios de la vida. En el amor te entregas con romanticismo y devoción. Sabes escuchar como nadie, sin juzgar ni criticar nunca. Tienes una vena espiritual y te atraen los misterios de la vida. Actúas con modestia y nunca buscas el protagonismo. Tu alma dulce y tu corazón generoso hacen del mundo un lugar más tierno y amable para todos los que te conocen.</translation>
    </message>
    <message>
        <source>You can be escapist and retreat into a world of fantasy. You are sometimes vague and find it hard to make decisions. You may be easily led astray by stronger personalities. You can be oversensitive and take things too personally. You tend to be disorganized and often lose track of time. You sometimes play the martyr and suffer in silence. You can be too trusting, and others may take advantage of your good nature.</source>
        <translation>Puedes tender a la evasión y refugiarte en un mundo de fantasía. A veces te falta concreción y te cuesta tomar decisiones. Puede que las personalidades más fuertes te desvíen del camino con facilidad. Puedes ser hipersensible y tomarte las cosas demasiado a pecho. Tiendes al desorden y a menudo pierdes la noción del tiempo. A veces te haces la víctima y sufres en silencio. Puedes confiar demasiado, y otros pueden aprovecharse de tu buen corazón.</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Neptuno y Júpiter</translation>
    </message>
</context>
<context>
    <name>ReadingExport</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>%1 reading - %2.pdf</source>
        <extracomment>The name a saved reading is offered under: the sign, then the first and last name.</extracomment>
        <translation>Lectura de %1 - %2.pdf</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Lectura de %1</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>No se ha podido guardar la lectura como «%1».

%2</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Guardar lectura</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>«%1» ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Copy Reading</source>
        <translation>Copiar lectura</translation>
    </message>
    <message>
        <source>Save Reading As…</source>
        <translation>Guardar lectura como…</translation>
    </message>
    <message>
        <source>Print Reading…</source>
        <translation>Imprimir lectura…</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>coral</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>dorado</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>índigo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliva</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquesa</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Emblema de %1</translation>
    </message>
    <message>
        <source>%1 color swatch</source>
        <translation>Muestra de color %1</translation>
    </message>
    <message>
        <source>Remember This Person</source>
        <translation>Añadir a tus seres queridos</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>KV Dwellstar needs a graphical desktop, but no display is available.</source>
        <translation>KV Dwellstar necesita un escritorio gráfico, pero no hay ninguna pantalla disponible.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa.<byte value="xd"/>¿Quieres comprobar si hay actualizaciones?</translation>
    </message>
</context>
</TS>
