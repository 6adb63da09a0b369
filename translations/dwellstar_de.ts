<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BookText</name>
    <message>
        <source>It could not be set aside as &quot;%1&quot;.</source>
        <translation>Es konnte nicht als „%1“ beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Another KV Dwellstar is changing the book just now.</source>
        <translation>Ein anderes laufendes KV Dwellstar ändert gerade das Buch.</translation>
    </message>
    <message>
        <source>The book&apos;s lock could not be made in &quot;%1&quot;.</source>
        <translation>Die Sperre für das Buch konnte in „%1“ nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Colors: %1</source>
        <translation>Farben: %1</translation>
    </message>
    <message>
        <source>Birthstone: %1</source>
        <translation>Geburtsstein: %1</translation>
    </message>
    <message>
        <source>Home style: %1</source>
        <translation>Wohnstil: %1</translation>
    </message>
    <message>
        <source>%1&apos;s birthday (%2)</source>
        <translation>Geburtstag von %1 (%2)</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Geburtstage</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>First name.</source>
        <translation>Vorname.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Middle name.</source>
        <translation>Zweiter Vorname.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Nachname.</translation>
    </message>
    <message>
        <source>Date of birth, such as 1990-08-15.</source>
        <translation>Geburtsdatum, etwa 1990-08-15.</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>Save the reading in &lt;file&gt; instead of printing it: .pdf, .png or .txt by its extension; another name gets .pdf. &quot;-&quot; prints it.</source>
        <translation>Speichert die Deutung in &lt;Datei&gt;, statt sie auszugeben: je nach Endung als .pdf, .png oder .txt; ein anderer Name erhält .pdf. „-“ gibt sie aus.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.</source>
        <translation>„%1“ ist kein Geburtsdatum: Geben Sie es als JJJJ-MM-TT an, etwa 1990-08-15.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Die Deutung konnte nicht ausgegeben werden.</translation>
    </message>
    <message>
        <source>Home design tips for your sun sign. Without options KV Dwellstar opens its windows; given the details of a reading, it prints the reading as text, or saves it, and opens no window.</source>
        <translation>Einrichtungstipps für Ihr Sternzeichen. Ohne Optionen öffnet KV Dwellstar seine Fenster; mit den Angaben für eine Deutung gibt es die Deutung als Text aus oder speichert sie und öffnet kein Fenster.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language of KV Dwellstar: give one of %2.</source>
        <translation>„%1“ ist keine Sprache von KV Dwellstar: Geben Sie eine von %2 an.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;, one of %1, instead of the desktop&apos;s; also for the windows.</source>
        <translation>Spricht die Sprache &lt;Code&gt;, eine von %1, statt der des Desktops; auch in den Fenstern.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Keep the person of the reading among your people too.</source>
        <translation>Nimmt die Person der Deutung auch unter Ihre Liebsten auf.</translation>
    </message>
    <message>
        <source>Print your people, soonest birthday first, one a line: name, date of birth (--mm-dd without the year), sign and days to the next birthday, separated by tabs.</source>
        <translation>Gibt Ihre Liebsten aus, den nächsten Geburtstag zuerst, eine Person pro Zeile: Name, Geburtsdatum (--MM-TT ohne das Jahr), Sternzeichen und Tage bis zum nächsten Geburtstag, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Add to your people every contact of the vCard file &lt;file&gt; that has a birthday.</source>
        <translation>Nimmt jeden Kontakt der vCard-Datei &lt;Datei&gt;, der einen Geburtstag hat, unter Ihre Liebsten auf.</translation>
    </message>
    <message>
        <source>Write your people&apos;s birthdays to &lt;file&gt; as an iCalendar file, a yearly event each with its gift tips. &quot;-&quot; prints it.</source>
        <translation>Schreibt die Geburtstage Ihrer Liebsten als iCalendar-Datei in &lt;Datei&gt;, jeden als jährlichen Termin mit seinen Geschenktipps. „-“ gibt sie aus.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Hier klicken und jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Please visit Velmora at %1 regularly and support it by taking part in its discussions and other activities. These programs cannot be supported and maintained without you regularly visiting %1.</source>
        <translation>Bitte besuchen Sie Velmora regelmäßig unter %1 und unterstützen Sie die Community mit Ihrer Teilnahme an Diskussionen und Aktivitäten. Ohne Ihre regelmäßigen Besuche auf %1 lassen sich diese Programme nicht pflegen.</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Velmora Softwares: Downloads</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Hier Velmora Softwares besuchen</translation>
    </message>
    <message>
        <source>Enjoyed KV Dwellstar? Then you will surely be interested in the other programs of Velmora Softwares. What started as a single program has grown into a large collection of them. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                                All Velmora Softwares programs are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Hat Ihnen KV Dwellstar gefallen? Dann interessieren Sie sich bestimmt auch für die anderen Programme von Velmora Softwares. Was mit einem einzigen Programm begann, ist zu einer großen Sammlung gewachsen. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für alle Bereiche und bieten unseren Nutzern so eine große Auswahl für jedes Interesse.                                                                Alle Programme von Velmora Softwares sind einfach und leicht zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr informativ. Probieren Sie sie noch heute aus und erzählen Sie Freunden und Familie von Ihren Erfahrungen.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Ihre Nachricht<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>KV Dwellstar verrät Ihnen, wie die einzelnen Sternzeichen am liebsten wohnen. Holen Sie sich Tipps zu den Lieblingsfarben und Einrichtungsstilen Ihrer Liebsten. Mit Hilfe dieser Software schenken Sie genau das Richtige für Haus und Einrichtung.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Hier klicken für mehr Details.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause. Starten Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software komplett unter Ihrer eigenen Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Velmora is the most popular online discussion community of its kind. It is the best resource on the occult. Visit %1 now!</source>
        <translation>Velmora ist die beliebteste Online-Community ihrer Art und die beste Quelle zum Okkulten. Besuchen Sie jetzt %1!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-Branding für Ihre Website: mehr Stammbesucher und mehr Zugriffe. Hier stehen dann Name &amp;&amp;  Link Ihrer Website. Einzelheiten unter „Hilfe“.    Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Verdienen Sie mit Ihrem eigenen Internetgeschäft online Geld, mit dieser Software ganz unter Ihrer Marke. Hier klicken für mehr Details.</translation>
    </message>
    <message>
        <source>KV Dwellstar Result</source>
        <translation>KV Dwellstar – Ergebnis</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Bevorzugte Farben</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Geburtsstein</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Glückszahl</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Glückstag</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Kompatibilität</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Schwächen</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Stärken</translation>
    </message>
    <message>
        <source>Sun sign emblem</source>
        <translation>Symbol des Sternzeichens</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Sternzeichen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Wohnstil</translation>
    </message>
    <message>
        <source>Color swatch</source>
        <translation>Farbmuster</translation>
    </message>
    <message>
        <source>Home Astrology Attributes</source>
        <translation>Wohnastrologische Merkmale</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Bitte machen Sie die folgenden Angaben:</translation>
    </message>
    <message>
        <source>Get My Dwellstar Reading</source>
        <translation>Meine Dwellstar-Deutung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>2. Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Vorname</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Nachname</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date Of Birth: Day</source>
        <translation>Geburtsdatum: Tag</translation>
    </message>
    <message>
        <source>Date Of Birth: Month</source>
        <translation>Geburtsdatum: Monat</translation>
    </message>
    <message>
        <source>Date Of Birth: Year</source>
        <translation>Geburtsdatum: Jahr</translation>
    </message>
    <message>
        <source>Know more about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>Erfahren Sie, wie die Sternzeichen am liebsten wohnen, und entdecken Sie die Lieblingsfarben und Wohnstile Ihrer Liebsten. So schenken Sie mit dieser Software genau das Richtige fürs Zuhause.</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Our family of free programs can only be created and kept up with your support. The best way to support us is to visit %1 regularly and take part in the discussions and other activities on its board.</source>
        <extracomment>%1 is the community site&apos;s address.</extracomment>
        <translation>Unsere Familie kostenloser Programme kann nur mit Ihrer Unterstützung entstehen und weiterbestehen. Am besten unterstützen Sie uns, indem Sie regelmäßig %1 besuchen und sich im Forum an den Diskussionen und anderen Aktivitäten beteiligen.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. We cannot support and maintain these programs unless our users visit the site regularly.</source>
        <translation>Bitte besuchen Sie %1 regelmäßig und unterstützen Sie die Seite, indem Sie an den Diskussionen und anderen Aktivitäten teilnehmen. Wir können diese Programme nur betreuen und pflegen, wenn unsere Nutzer die Seite regelmäßig besuchen.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology, tarot, numerology and the occult. To help us develop and maintain this program, please visit it regularly.</source>
        <translation>%1 ist ein kostenloses Online-Diskussionsforum zu Astrologie, Tarot, Numerologie und Okkultismus. Bitte besuchen Sie es regelmäßig, um uns bei der Entwicklung und Pflege dieses Programms zu helfen.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visiting it regularly and taking part in its discussions and activities helps us maintain it and develop more programs like this one.</source>
        <translation>%1 braucht Ihre Hilfe. Wenn Sie die Seite regelmäßig besuchen und sich an ihren Diskussionen und Aktivitäten beteiligen, helfen Sie uns, sie zu erhalten und weitere Programme wie dieses zu entwickeln.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>&amp;People…</source>
        <translation>Meine &amp;Liebsten…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The Desktop&apos;s Language (%1)</source>
        <translation>Sprache des Desktops (%1)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>PeopleText</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Sternzeichen</translation>
    </message>
    <message>
        <source>Next Birthday</source>
        <translation>Nächster Geburtstag</translation>
    </message>
    <message>
        <source>Your book of people could not be read, and nothing in it was changed.

%1</source>
        <translation>Das Buch Ihrer Liebsten konnte nicht gelesen werden; darin wurde nichts geändert.

%1</translation>
    </message>
    <message>
        <source>Your book of people could not be read: it is damaged. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Das Buch Ihrer Liebsten konnte nicht gelesen werden: Es ist beschädigt. Es wurde unverändert als „%1“ beiseitegelegt, und ein neues Buch wurde begonnen.</translation>
    </message>
    <message>
        <source>Your book of people was written by a newer KV Dwellstar, which this one cannot read. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Das Buch Ihrer Liebsten stammt von einer neueren Version von KV Dwellstar, die diese Version nicht lesen kann. Es wurde unverändert als „%1“ beiseitegelegt, und ein neues Buch wurde begonnen.</translation>
    </message>
    <message>
        <source>The change could not be kept in your book of people, which is as it was.

%1</source>
        <translation>Die Änderung konnte nicht im Buch Ihrer Liebsten gespeichert werden; das Buch ist unverändert.

%1</translation>
    </message>
    <message>
        <source>Contacts read from &quot;%1&quot;:</source>
        <translation>Aus „%1“ gelesene Kontakte:</translation>
    </message>
    <message>
        <source>added to your people: %1</source>
        <translation>zu Ihren Liebsten hinzugefügt: %1</translation>
    </message>
    <message>
        <source>already among them: %1</source>
        <translation>bereits darunter: %1</translation>
    </message>
    <message>
        <source>skipped, without a birthday: %1</source>
        <translation>übersprungen, ohne Geburtstag: %1</translation>
    </message>
    <message>
        <source>skipped, with a birthday that is no date: %1</source>
        <translation>übersprungen, mit einem Geburtstag, der kein Datum ist: %1</translation>
    </message>
    <message>
        <source>skipped, without a name: %1</source>
        <translation>übersprungen, ohne Namen: %1</translation>
    </message>
    <message>
        <source>The birthdays could not be exported to &quot;%1&quot;.

%2</source>
        <translation>Die Geburtstage konnten nicht nach „%1“ exportiert werden.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; your people are as they were.

%2</source>
        <translation>„%1“ konnte nicht gelesen werden; das Buch Ihrer Liebsten ist unverändert.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no contacts in vCard form; your people are as they were.</source>
        <translation>„%1“ enthält keine Kontakte im vCard-Format; das Buch Ihrer Liebsten ist unverändert.</translation>
    </message>
</context>
<context>
    <name>PeopleWindow</name>
    <message>
        <source>People - KV Dwellstar</source>
        <translation>Meine Liebsten – KV Dwellstar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Name or sign</source>
        <translation>Name oder Sternzeichen</translation>
    </message>
    <message>
        <source>Filter by name or sign</source>
        <translation>Nach Name oder Sternzeichen filtern</translation>
    </message>
    <message>
        <source>People, soonest birthday first</source>
        <translation>Ihre Liebsten, nächster Geburtstag zuerst</translation>
    </message>
    <message>
        <source>Gift Tips</source>
        <translation>Geschenktipps</translation>
    </message>
    <message>
        <source>Sign:</source>
        <translation>Sternzeichen:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Farben:</translation>
    </message>
    <message>
        <source>Birthstone:</source>
        <translation>Geburtsstein:</translation>
    </message>
    <message>
        <source>Home style:</source>
        <translation>Wohnstil:</translation>
    </message>
    <message>
        <source>&amp;Open Reading</source>
        <translation>&amp;Deutung öffnen</translation>
    </message>
    <message>
        <source>&amp;Forget…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>Kontakte &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export Birthdays…</source>
        <translation>&amp;Geburtstage exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Forget %1, born %2?</source>
        <translation>%1, geboren am %2, aus dem Buch Ihrer Liebsten entfernen?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard-Dateien (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Birthdays</source>
        <translation>Geburtstage exportieren</translation>
    </message>
    <message>
        <source>birthdays.ics</source>
        <translation>geburtstage.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>A person needs a name to be remembered.</source>
        <translation>Eine Person braucht einen Namen, um unter Ihre Liebsten aufgenommen zu werden.</translation>
    </message>
    <message>
        <source>%1 is now among your people.</source>
        <translation>%1 gehört jetzt zu Ihren Liebsten.</translation>
    </message>
    <message>
        <source>%1 is already among your people.</source>
        <translation>%1 gehört bereits zu Ihren Liebsten.</translation>
    </message>
    <message>
        <source>Nobody is kept here yet. Remember the person of a reading with Ctrl+D in its window, or import your contacts.</source>
        <translation>Noch ist niemand unter Ihren Liebsten. Fügen Sie die Person einer Deutung mit Strg+D in deren Fenster hinzu, oder importieren Sie Ihre Kontakte.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: say which ones it takes (letters of any alphabet, with their accents; small ones become capitals; and blanks).</extracomment>
        <translation>Bitte geben Sie nur Buchstaben und Leerzeichen ein</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Bitte geben Sie Ihren Vornamen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Bitte geben Sie Ihren Nachnamen ein</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Bitte geben Sie den Tag Ihrer Geburt an</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Bitte geben Sie Ihren Geburtsmonat an</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Bitte geben Sie Ihr Geburtsjahr an</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Bevorzugte Farben</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A heading and its value on one line of a reading kept as text (&quot;Element: Fire&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <extracomment>%1 is the birth date as the language writes it out, weekday included.</extracomment>
        <translation>Geboren am %1</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Glückstag</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Glückszahl</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Kompatibilität</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Geburtsstein</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Stärken</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Schwächen</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Wohnstil</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Sternzeichen</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Red is the color of energy, courage and vitality, and since ancient times it has been linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer an air of confidence that others notice. People who feel tired, shy or low in spirits can draw strength from a touch of red. Wear it when you need to be bold, such as at a job interview, a first date or an important meeting.</source>
        <translation>Rot ist die Farbe der Energie, des Mutes und der Lebenskraft und wird seit alters her mit Feuer und Blut in Verbindung gebracht. Es beschleunigt den Puls, schärft die Sinne und verleiht dem, der es trägt, eine selbstbewusste Ausstrahlung, die anderen auffällt. Wer sich müde, schüchtern oder niedergeschlagen fühlt, kann aus einem Hauch Rot Kraft schöpfen. Tragen Sie es, wenn Sie mutig auftreten müssen, etwa bei einem Vorstellungsgespräch, einem ersten Date oder einem wichtigen Termin.</translation>
    </message>
    <message>
        <source>On the positive side, green is the color of nature, growth, harmony and renewal, and it stands for health, hope and the steady abundance that comes from patient effort; on the negative side, it has long been tied to envy, jealousy and inexperience, as when we say someone is green with envy or green at a new job. Above all, green is restful to the eye and soothing to the mind, easing stress and restoring a sense of calm balance.</source>
        <translation>Auf der positiven Seite ist Grün die Farbe der Natur, des Wachstums, der Harmonie und der Erneuerung und steht für Gesundheit, Hoffnung und den stetigen Wohlstand, der aus geduldiger Mühe erwächst; auf der negativen Seite wird es seit jeher mit Neid, Eifersucht und Unerfahrenheit verbunden, etwa wenn man sagt, jemand sei grün vor Neid oder noch grün hinter den Ohren. Vor allem aber ist Grün erholsam für das Auge und wohltuend für den Geist, es baut Stress ab und stellt ein Gefühl ruhiger Ausgeglichenheit wieder her.</translation>
    </message>
    <message>
        <source>Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked with wisdom, learning and quick, clear thinking, which is why students and writers often favor it. Yellow is also the color of gold, and it has long been associated with wealth, success and prosperity. Its bright and cheerful tone lifts the mood and encourages optimism. A little yellow helps you make decisions with a clear head.</source>
        <translation>Gelb ist die Farbe des Intellekts und soll den Geist anregen. Es wird mit Weisheit, Lernen und schnellem, klarem Denken verbunden, weshalb Studierende und Schreibende es oft bevorzugen. Gelb ist auch die Farbe des Goldes und wird seit langem mit Reichtum, Erfolg und Wohlstand in Verbindung gebracht. Sein heller, fröhlicher Ton hebt die Stimmung und fördert den Optimismus. Ein wenig Gelb hilft Ihnen, Entscheidungen mit klarem Kopf zu treffen.</translation>
    </message>
    <message>
        <source>White is the color of purity, innocence and new beginnings. It brings a feeling of peace and quiet to any space and calms a restless mind. Because it holds every color of the spectrum in equal measure, white stands for balance and completeness. It is a good choice whenever you wish to start afresh.</source>
        <translation>Weiß ist die Farbe der Reinheit, der Unschuld und des Neubeginns. Es bringt ein Gefühl von Frieden und Ruhe in jeden Raum und besänftigt einen rastlosen Geist. Weil es alle Farben des Spektrums zu gleichen Teilen in sich trägt, steht Weiß für Ausgewogenheit und Vollkommenheit. Es ist immer eine gute Wahl, wenn Sie neu anfangen möchten.</translation>
    </message>
    <message>
        <source>Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It combines the power and energy of red with the joy and cheer of yellow. Orange is a friendly, sociable color that invites conversation and makes people feel welcome. Wearing it shows that you are confident, open and ready to take on the world with enthusiasm.</source>
        <translation>Orange ist die Farbe der Sonne, warm und strahlend wie das Licht eines Sommernachmittags. Es verbindet die Kraft und Energie von Rot mit der Freude und Heiterkeit von Gelb. Orange ist eine freundliche, gesellige Farbe, die zum Gespräch einlädt und Menschen das Gefühl gibt, willkommen zu sein. Wenn Sie es tragen, zeigen Sie, dass Sie selbstbewusst, offen und bereit sind, die Welt voller Begeisterung zu erobern.</translation>
    </message>
    <message>
        <source>Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid ground beneath our feet. It stands for stability, reliability and a down-to-earth approach to life that others find reassuring. Brown brings a sense of comfort and security, like a warm blanket or a cozy cabin in the woods. People who favor it value honesty, hard work and the simple pleasures of home and family.</source>
        <translation>Braun ist die Farbe der Erde, des Bodens, des Holzes und des Steins, und es erzählt vom festen Grund unter unseren Füßen. Es steht für Stabilität, Verlässlichkeit und eine bodenständige Lebenseinstellung, die anderen Halt gibt. Braun vermittelt ein Gefühl von Behaglichkeit und Geborgenheit, wie eine warme Decke oder eine gemütliche Hütte im Wald. Menschen, die es bevorzugen, schätzen Ehrlichkeit, harte Arbeit und die einfachen Freuden von Heim und Familie.</translation>
    </message>
    <message>
        <source>Violet is the color of sensitivity and deep compassion, and it has long been connected with the spiritual side of life. Healers and mystics prize it for its power to soothe the soul and mend the heart. Violet also awakens the imagination and nourishes creativity, making it a favorite of artists, poets and musicians. It encourages quiet reflection and a gentle understanding of others.</source>
        <translation>Violett ist die Farbe der Sensibilität und des tiefen Mitgefühls und wird seit langem mit der spirituellen Seite des Lebens verbunden. Heiler und Mystiker schätzen es wegen seiner Kraft, die Seele zu beruhigen und das Herz zu heilen. Violett weckt außerdem die Fantasie und nährt die Kreativität, weshalb es bei Künstlern, Dichtern und Musikern so beliebt ist. Es fördert stilles Nachdenken und ein einfühlsames Verständnis für andere.</translation>
    </message>
    <message>
        <source>Mars rules a person&apos;s assertiveness, physical power and anger. Depending on the house in which it falls, it shows where these forces can stir up conflict and trouble.</source>
        <translation>Mars beherrscht die Durchsetzungskraft, die körperliche Stärke und den Zorn eines Menschen. Je nachdem, in welchem Haus er steht, zeigt er, wo diese Kräfte Konflikte und Ärger heraufbeschwören können.</translation>
    </message>
    <message>
        <source>Venus governs how a person expresses themselves socially, romantically and through the arts.</source>
        <translation>Venus bestimmt, wie ein Mensch sich im geselligen Umgang, in der Liebe und in den Künsten ausdrückt.</translation>
    </message>
    <message>
        <source>Mercury rules the way that a person thinks, speaks and shares ideas.</source>
        <translation>Merkur beherrscht die Art, wie ein Mensch denkt, spricht und Ideen mitteilt.</translation>
    </message>
    <message>
        <source>The Moon governs a person&apos;s feelings and emotional needs, and it reflects the upbringing and habits formed in early childhood. It also rules the unconscious mind, which shapes many decisions made without quite knowing why.</source>
        <translation>Der Mond bestimmt die Gefühle und seelischen Bedürfnisse eines Menschen und spiegelt die Erziehung und die in früher Kindheit geprägten Gewohnheiten wider. Er beherrscht außerdem das Unbewusste, das viele Entscheidungen lenkt, die man trifft, ohne recht zu wissen, warum.</translation>
    </message>
    <message>
        <source>The Sun is the giver of life, the source of the light and warmth that all things need to grow. In astrology it is the backbone of the whole chart, since its sign at birth is the one most people know as their own. The Sun stands for the self, the will and the vital spark that drives a person forward. On its good side it brings confidence, generosity, dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a need to be the center of attention. When the Sun is strongly placed in a chart, the person tends to be healthy, energetic and full of purpose. Such people are natural leaders who rise to positions of authority and shine in public life. Yet they must learn to share the stage, or their brilliance may blind them to others.</source>
        <translation>Die Sonne ist die Spenderin des Lebens, die Quelle von Licht und Wärme, die alle Dinge zum Wachsen brauchen. In der Astrologie ist sie das Rückgrat des ganzen Horoskops, denn ihr Zeichen bei der Geburt ist das, welches die meisten Menschen als ihr eigenes kennen. Die Sonne steht für das Selbst, den Willen und den Lebensfunken, der einen Menschen vorantreibt. Von ihrer guten Seite schenkt sie Selbstvertrauen, Großzügigkeit, Würde und ein warmes Herz. Von ihrer dunklen Seite kann sie Stolz, Arroganz, Eitelkeit und das Bedürfnis hervorbringen, im Mittelpunkt zu stehen. Steht die Sonne stark im Horoskop, ist der Mensch meist gesund, voller Energie und zielstrebig. Solche Menschen sind geborene Führungspersönlichkeiten, die in Machtpositionen aufsteigen und im öffentlichen Leben glänzen. Doch sie müssen lernen, die Bühne zu teilen, sonst macht ihr Glanz sie womöglich blind für andere.</translation>
    </message>
    <message>
        <source>Jupiter brings optimism, good fortune and growth, and its house placement shows where in life hope comes easily.</source>
        <translation>Jupiter bringt Optimismus, Glück und Wachstum, und seine Stellung in den Häusern zeigt, in welchem Lebensbereich einem die Hoffnung leichtfällt.</translation>
    </message>
    <message>
        <source>Saturn is the planet of obstacles, restrictions and limitations. It tests a person through delay and hard lessons.</source>
        <translation>Saturn ist der Planet der Hindernisse, Beschränkungen und Grenzen. Er prüft den Menschen durch Verzögerungen und harte Lektionen.</translation>
    </message>
    <message>
        <source>You will love a home full of energy and movement, with bold red accents, strong lines and furniture that is simple, sturdy and easy to rearrange on a sudden whim.</source>
        <translation>Sie lieben ein Zuhause voller Energie und Bewegung, mit kräftigen roten Akzenten, markanten Linien und Möbeln, die schlicht und robust sind und sich einer plötzlichen Laune folgend leicht umstellen lassen.</translation>
    </message>
    <message>
        <source>You prefer sleek modern furniture in metal and glass to fussy antiques and delicate ornaments.</source>
        <translation>Sie ziehen elegante moderne Möbel aus Metall und Glas verschnörkelten Antiquitäten und zierlichem Nippes vor.</translation>
    </message>
    <message>
        <source>You will like a simple kitchen built for quick, no-fuss cooking.</source>
        <translation>Ihnen gefällt eine einfache Küche, in der sich schnell und unkompliziert kochen lässt.</translation>
    </message>
    <message>
        <source>A home gym or a spare corner with exercise gear will keep you fit and happy.</source>
        <translation>Ein Fitnessraum zu Hause oder eine freie Ecke mit Trainingsgeräten hält Sie fit und glücklich.</translation>
    </message>
    <message>
        <source>You will want the latest sound system and large, dramatic artwork that makes a statement the moment anyone steps inside.</source>
        <translation>Sie wünschen sich die neueste Musikanlage und große, ausdrucksstarke Kunstwerke, die Eindruck machen, sobald jemand hereinkommt.</translation>
    </message>
    <message>
        <source>You will love a comfortable, luxurious home filled with solid wood furniture, sofas with plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be touched.</source>
        <translation>Sie lieben ein komfortables, luxuriöses Zuhause mit Massivholzmöbeln, Sofas mit prallen Kissen und weichen Stoffen wie Samt, Chenille und Kaschmir, die förmlich danach verlangen, berührt zu werden.</translation>
    </message>
    <message>
        <source>You will adore a lavish kitchen with a large table, because good food and the company of friends are among your greatest pleasures.</source>
        <translation>Sie schwärmen für eine üppig ausgestattete Küche mit einem großen Tisch, denn gutes Essen und die Gesellschaft von Freunden gehören zu Ihren größten Freuden.</translation>
    </message>
    <message>
        <source>You prefer earthy tones of green, cream and rose, with natural materials like stone, linen and clay, and you will fill your rooms and garden with flowers.</source>
        <translation>Sie bevorzugen erdige Töne wie Grün, Creme und Rosé, dazu natürliche Materialien wie Stein, Leinen und Ton, und Sie füllen Ihre Räume und Ihren Garten mit Blumen.</translation>
    </message>
    <message>
        <source>Quality matters more to you than quantity, so you will gladly save up for one beautiful piece that will last you a whole lifetime.</source>
        <translation>Qualität ist Ihnen wichtiger als Quantität, darum sparen Sie gern auf ein einziges schönes Stück, das Sie ein ganzes Leben lang begleitet.</translation>
    </message>
    <message>
        <source>You will love light, airy rooms with plenty of windows, pale walls and flexible furniture that can be moved around easily whenever you feel the urge for a change of scene.</source>
        <translation>Sie lieben helle, luftige Räume mit vielen Fenstern, hellen Wänden und flexiblen Möbeln, die sich leicht umstellen lassen, wann immer Sie Lust auf einen Tapetenwechsel haben.</translation>
    </message>
    <message>
        <source>You will like bookshelves in every room, filled with books, magazines and puzzles.</source>
        <translation>Sie mögen Bücherregale in jedem Zimmer, gefüllt mit Büchern, Zeitschriften und Rätseln.</translation>
    </message>
    <message>
        <source>A cozy reading nook is an absolute must for you.</source>
        <translation>Eine gemütliche Leseecke ist für Sie ein absolutes Muss.</translation>
    </message>
    <message>
        <source>You will enjoy having the newest gadgets, phones and computers close at hand in every room.</source>
        <translation>Sie haben gern die neuesten Gadgets, Handys und Computer in jedem Zimmer griffbereit.</translation>
    </message>
    <message>
        <source>Touches of bright yellow will keep your spirits lively and high.</source>
        <translation>Akzente in leuchtendem Gelb sorgen dafür, dass Sie gut gelaunt und voller Schwung bleiben.</translation>
    </message>
    <message>
        <source>You will love a warm family home in which everyone feels safe and welcome.</source>
        <translation>Sie lieben ein warmes Familienheim, in dem sich alle sicher und willkommen fühlen.</translation>
    </message>
    <message>
        <source>You will treasure heirlooms, old photographs and antiques that carry family memories, and you will display them with pride.</source>
        <translation>Sie halten Erbstücke, alte Fotos und Antiquitäten in Ehren, die Familienerinnerungen bewahren, und stellen sie voller Stolz zur Schau.</translation>
    </message>
    <message>
        <source>The kitchen is the heart of your home, and you will want it roomy, cozy and always well stocked.</source>
        <translation>Die Küche ist das Herz Ihres Zuhauses, und Sie wünschen sie sich geräumig, gemütlich und stets gut gefüllt.</translation>
    </message>
    <message>
        <source>You like soft curves and snug, rounded furniture to sink into.</source>
        <translation>Sie mögen sanfte Rundungen und kuschelige, runde Möbel, in die man einsinken kann.</translation>
    </message>
    <message>
        <source>You will like soothing shades of white, silver and sea blue throughout the house.</source>
        <translation>Ihnen gefallen beruhigende Töne in Weiß, Silber und Meeresblau im ganzen Haus.</translation>
    </message>
    <message>
        <source>A view of water or a little garden pond will delight you.</source>
        <translation>Ein Blick aufs Wasser oder ein kleiner Gartenteich wird Sie entzücken.</translation>
    </message>
    <message>
        <source>You will love a grand, stately home that impresses visitors.</source>
        <translation>Sie lieben ein großes, stattliches Zuhause, das Besucher beeindruckt.</translation>
    </message>
    <message>
        <source>Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch of theater.</source>
        <translation>Ihr Wohnzimmer wird ein Schmuckstück sein, mit einem üppigen Sofa, einem Kristallleuchter und einem Hauch von Theater.</translation>
    </message>
    <message>
        <source>You will adore rich fabrics such as silk, brocade and velvet in deep regal colors.</source>
        <translation>Sie schwärmen für edle Stoffe wie Seide, Brokat und Samt in tiefen, königlichen Farben.</translation>
    </message>
    <message>
        <source>Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you perfectly.</source>
        <translation>Akzente aus Gold und Messing, vergoldete Spiegel und warme, sonnige Orange- und Rottöne passen perfekt zu Ihnen.</translation>
    </message>
    <message>
        <source>You will prefer large, eye-catching furniture and impressive art over anything small or understated, since your home must make a statement.</source>
        <translation>Sie ziehen große, auffällige Möbel und eindrucksvolle Kunst allem Kleinen oder Zurückhaltenden vor, denn Ihr Zuhause muss Eindruck machen.</translation>
    </message>
    <message>
        <source>A generous dining room where you can entertain your friends in style is essential.</source>
        <translation>Ein großzügiges Esszimmer, in dem Sie Ihre Freunde stilvoll bewirten können, ist unverzichtbar.</translation>
    </message>
    <message>
        <source>You will love a clean, bright, uncluttered home where everything has its proper place.</source>
        <translation>Sie lieben ein sauberes, helles, aufgeräumtes Zuhause, in dem alles seinen festen Platz hat.</translation>
    </message>
    <message>
        <source>You prefer simple, functional furniture with clean lines, plenty of built-in storage and drawers that keep everything tidy.</source>
        <translation>Sie bevorzugen schlichte, funktionale Möbel mit klaren Linien, viel eingebautem Stauraum und Schubladen, die alles ordentlich halten.</translation>
    </message>
    <message>
        <source>You will like natural materials such as wood, cotton and wicker, in calm shades of brown, beige and soft green, which give your rooms a restful, orderly feel.</source>
        <translation>Ihnen gefallen natürliche Materialien wie Holz, Baumwolle und Korbgeflecht in ruhigen Tönen von Braun, Beige und zartem Grün, die Ihren Räumen eine erholsame, geordnete Atmosphäre verleihen.</translation>
    </message>
    <message>
        <source>A well-equipped study or home office, with neatly labeled files and a good desk lamp, is important to you.</source>
        <translation>Ein gut ausgestattetes Arbeitszimmer oder Homeoffice mit sauber beschrifteten Ordnern und einer guten Schreibtischlampe ist Ihnen wichtig.</translation>
    </message>
    <message>
        <source>You will enjoy a little herb garden on a sunny windowsill.</source>
        <translation>Sie freuen sich über einen kleinen Kräutergarten auf einer sonnigen Fensterbank.</translation>
    </message>
    <message>
        <source>You will love an elegant, harmonious home where all is balanced and well proportioned.</source>
        <translation>Sie lieben ein elegantes, harmonisches Zuhause, in dem alles ausgewogen und wohlproportioniert ist.</translation>
    </message>
    <message>
        <source>You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical groupings of pictures.</source>
        <translation>Sie bevorzugen anmutige Möbel, die paarweise angeordnet sind, mit passenden Lampen und symmetrisch gruppierten Bildern.</translation>
    </message>
    <message>
        <source>You will like soft pastels and olive green, with touches of pink.</source>
        <translation>Ihnen gefallen sanfte Pastelltöne und Olivgrün mit Akzenten in Rosa.</translation>
    </message>
    <message>
        <source>Fresh flowers will always brighten your rooms.</source>
        <translation>Frische Blumen machen Ihre Räume stets freundlicher.</translation>
    </message>
    <message>
        <source>You will enjoy fine art and beautiful old mirrors.</source>
        <translation>Sie genießen erlesene Kunst und schöne alte Spiegel.</translation>
    </message>
    <message>
        <source>You will love a private home that keeps the world at bay.</source>
        <translation>Sie lieben ein privates Zuhause, das Ihnen die Welt vom Leib hält.</translation>
    </message>
    <message>
        <source>You prefer dramatic, moody interiors with deep colors, dark wood and low lighting.</source>
        <translation>Sie bevorzugen dramatische, stimmungsvolle Interieurs mit tiefen Farben, dunklem Holz und gedämpftem Licht.</translation>
    </message>
    <message>
        <source>You will like heavy curtains, hidden cupboards and rooms that keep your secrets.</source>
        <translation>Ihnen gefallen schwere Vorhänge, versteckte Schränke und Räume, die Ihre Geheimnisse bewahren.</translation>
    </message>
    <message>
        <source>A luxurious bathroom with a deep tub is your favorite place to relax and recharge.</source>
        <translation>Ein luxuriöses Badezimmer mit einer tiefen Wanne ist Ihr Lieblingsort, um zu entspannen und neue Kraft zu tanken.</translation>
    </message>
    <message>
        <source>You will enjoy crisp white bed linen set against dark walls.</source>
        <translation>Sie genießen frische weiße Bettwäsche vor dunklen Wänden.</translation>
    </message>
    <message>
        <source>Mirrors and candlelight add mystery for you.</source>
        <translation>Spiegel und Kerzenschein schaffen für Sie eine geheimnisvolle Stimmung.</translation>
    </message>
    <message>
        <source>You will love a relaxed, open-plan home with room to move and to entertain.</source>
        <translation>Sie lieben ein entspanntes, offenes Zuhause mit Raum für Bewegung und für Gäste.</translation>
    </message>
    <message>
        <source>You prefer souvenirs and folk crafts from your travels abroad.</source>
        <translation>Sie bevorzugen Souvenirs und Volkskunst von Ihren Reisen ins Ausland.</translation>
    </message>
    <message>
        <source>You will like old maps, globes and shelves crowded with travel books.</source>
        <translation>Ihnen gefallen alte Landkarten, Globen und Regale voller Reisebücher.</translation>
    </message>
    <message>
        <source>Violet and purple are the colors for you.</source>
        <translation>Violett und Lila sind Ihre Farben.</translation>
    </message>
    <message>
        <source>You will enjoy casual, sturdy furniture that can take a bit of rough use.</source>
        <translation>Sie mögen legere, robuste Möbel, die auch einmal etwas aushalten.</translation>
    </message>
    <message>
        <source>A big porch or sunny patio will suit you well.</source>
        <translation>Eine große Veranda oder eine sonnige Terrasse passt gut zu Ihnen.</translation>
    </message>
    <message>
        <source>You will love a traditional, dignified home that is built to last.</source>
        <translation>Sie lieben ein traditionelles, würdevolles Zuhause, das für Generationen gebaut ist.</translation>
    </message>
    <message>
        <source>You prefer classic furniture of solid oak, leather and quality wool.</source>
        <translation>Sie bevorzugen klassische Möbel aus massiver Eiche, Leder und hochwertiger Wolle.</translation>
    </message>
    <message>
        <source>You will like a well-ordered study with a large desk and a leather chair.</source>
        <translation>Ihnen gefällt ein wohlgeordnetes Arbeitszimmer mit einem großen Schreibtisch und einem Ledersessel.</translation>
    </message>
    <message>
        <source>Muted tones of green, gray and blue suit you.</source>
        <translation>Gedeckte Töne von Grün, Grau und Blau passen zu Ihnen.</translation>
    </message>
    <message>
        <source>You will enjoy antiques and family portraits that show a sense of history and heritage.</source>
        <translation>Sie schätzen Antiquitäten und Familienporträts, die ein Gespür für Geschichte und Herkunft vermitteln.</translation>
    </message>
    <message>
        <source>Floors of good stone or slate will please you.</source>
        <translation>Böden aus gutem Naturstein oder Schiefer werden Ihnen gefallen.</translation>
    </message>
    <message>
        <source>You will buy fewer things, but each piece you choose will be of lasting quality.</source>
        <translation>Sie kaufen weniger Dinge, doch jedes Stück, das Sie auswählen, ist von bleibender Qualität.</translation>
    </message>
    <message>
        <source>You will love an unusual, modern home that reflects your individuality.</source>
        <translation>Sie lieben ein ungewöhnliches, modernes Zuhause, das Ihre Individualität widerspiegelt.</translation>
    </message>
    <message>
        <source>You prefer open-plan living with futuristic furniture in glass, chrome and molded plastic.</source>
        <translation>Sie bevorzugen offenes Wohnen mit futuristischen Möbeln aus Glas, Chrom und geformtem Kunststoff.</translation>
    </message>
    <message>
        <source>You will like the latest smart-home gadgets and new technology.</source>
        <translation>Ihnen gefallen die neuesten Smart-Home-Geräte und neue Technik.</translation>
    </message>
    <message>
        <source>White walls with electric blue accents suit you.</source>
        <translation>Weiße Wände mit leuchtend blauen Akzenten passen zu Ihnen.</translation>
    </message>
    <message>
        <source>You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends.</source>
        <translation>Sie haben Freude an schrulligen Einzelstücken, die unter Ihren Freunden für Gesprächsstoff sorgen.</translation>
    </message>
    <message>
        <source>A large room where friends can gather for lively discussions is a must for you.</source>
        <translation>Ein großer Raum, in dem sich Freunde zu lebhaften Diskussionen treffen können, ist für Sie ein Muss.</translation>
    </message>
    <message>
        <source>You will love a peaceful, dreamy home near the water.</source>
        <translation>Sie lieben ein friedliches, verträumtes Zuhause am Wasser.</translation>
    </message>
    <message>
        <source>You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture.</source>
        <translation>Sie bevorzugen weiche, fließende Stoffe, zarte weiße Gardinen und sanft geschwungene Möbel.</translation>
    </message>
    <message>
        <source>You will like shades of sea green, lavender and soft violet on your walls.</source>
        <translation>Ihnen gefallen Töne wie Meeresgrün, Lavendel und zartes Violett an Ihren Wänden.</translation>
    </message>
    <message>
        <source>An aquarium full of fish would bring you joy.</source>
        <translation>Ein Aquarium voller Fische würde Ihnen Freude bereiten.</translation>
    </message>
    <message>
        <source>You will enjoy a quiet room for music and art.</source>
        <translation>Sie genießen einen ruhigen Raum für Musik und Kunst.</translation>
    </message>
    <message>
        <source>Soft lighting and scented candles will help you to unwind.</source>
        <translation>Sanftes Licht und Duftkerzen helfen Ihnen beim Entspannen.</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Leo and Sagittarius</source>
        <translation>Löwe und Schütze</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>You are bold, brave and full of energy. You love a challenge and rarely back away from one. You are a natural leader who likes to be first. You act quickly and decisively when others hesitate. You are honest and say exactly what you think. You are enthusiastic, and your zest for life is contagious. You have a strong pioneering spirit. You enjoy starting new projects and blazing new trails. You are independent and trust your own judgment. You are generous with your time, energy and praise. You recover quickly from setbacks and never hold a grudge for long. You are competitive and play to win. You fiercely protect those you care about and will stand up for the weak. Your optimism and courage inspire the people around you.</source>
        <translation>Sie sind kühn, mutig und voller Energie. Sie lieben Herausforderungen und weichen ihnen nur selten aus. Sie sind eine geborene Führungspersönlichkeit und gehen gern voran. Sie handeln schnell und entschlossen, wenn andere noch zögern. Sie sind ehrlich und sagen genau, was Sie denken. Sie sind begeisterungsfähig, und Ihre Lebensfreude ist ansteckend. Sie haben einen ausgeprägten Pioniergeist. Sie beginnen gern neue Projekte und beschreiten neue Wege. Sie sind unabhängig und vertrauen auf Ihr eigenes Urteil. Sie sind großzügig mit Ihrer Zeit, Ihrer Energie und Ihrem Lob. Sie erholen sich schnell von Rückschlägen und sind nie lange nachtragend. Sie haben Kampfgeist und spielen, um zu gewinnen. Sie beschützen leidenschaftlich die Menschen, die Ihnen am Herzen liegen, und setzen sich für die Schwachen ein. Ihr Optimismus und Ihr Mut inspirieren die Menschen um Sie herum.</translation>
    </message>
    <message>
        <source>You can be impatient and hate to wait for anything. You are sometimes impulsive and act before you think. Your temper flares up quickly, although it cools just as fast. You can be selfish when you want something badly. You may be bossy and expect others to follow your lead. You tend to lose interest once the excitement of a new project fades. You can be reckless and take needless risks. You are often blunt to the point of being tactless. You dislike being told what to do. You can be aggressive when you feel challenged. You rarely stop to consider the feelings of others. You sometimes start more than you can finish.</source>
        <translation>Sie können ungeduldig sein und hassen es, auf irgendetwas zu warten. Manchmal sind Sie impulsiv und handeln, bevor Sie nachdenken. Ihr Temperament geht schnell mit Ihnen durch, doch es kühlt ebenso schnell wieder ab. Sie können selbstsüchtig sein, wenn Sie etwas unbedingt haben wollen. Mitunter sind Sie herrisch und erwarten, dass andere Ihnen folgen. Sie neigen dazu, das Interesse zu verlieren, sobald der Reiz eines neuen Projekts verflogen ist. Sie können leichtsinnig sein und unnötige Risiken eingehen. Sie sind oft so direkt, dass es taktlos wirkt. Sie mögen es nicht, wenn man Ihnen sagt, was Sie tun sollen. Sie können aggressiv werden, wenn Sie sich herausgefordert fühlen. Sie nehmen sich selten die Zeit, die Gefühle anderer zu bedenken. Manchmal fangen Sie mehr an, als Sie zu Ende bringen können.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Capricorn and Virgo</source>
        <translation>Steinbock und Jungfrau</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>You are patient, reliable and wonderfully steady. You are practical and have both feet planted firmly on the ground. You are loyal to your friends and devoted to your family. You work hard and see every task through to the end. You have a great love of beauty, art and music. You enjoy the good things in life, such as fine food, soft fabrics and a comfortable home. You are warm-hearted and affectionate. You are calm in a crisis, and others lean on your strength. You are sensible with money and build security over time. You are determined and do not give up easily. You have a keen eye for quality. You are generous to those you love. You are a faithful and trustworthy partner. Your calm and gentle presence puts people at ease.</source>
        <translation>Sie sind geduldig, zuverlässig und wunderbar beständig. Sie sind praktisch veranlagt und stehen mit beiden Beinen fest auf dem Boden. Sie sind Ihren Freunden treu und Ihrer Familie innig verbunden. Sie arbeiten hart und bringen jede Aufgabe zu Ende. Sie lieben Schönheit, Kunst und Musik von ganzem Herzen. Sie genießen die guten Dinge des Lebens wie feines Essen, weiche Stoffe und ein gemütliches Zuhause. Sie sind warmherzig und liebevoll. In Krisen bleiben Sie ruhig, und andere stützen sich auf Ihre Stärke. Sie gehen vernünftig mit Geld um und schaffen sich mit der Zeit Sicherheit. Sie sind entschlossen und geben nicht so leicht auf. Sie haben ein feines Gespür für Qualität. Sie sind großzügig zu den Menschen, die Sie lieben. In einer Partnerschaft sind Sie treu und vertrauenswürdig. Ihre ruhige und sanfte Art gibt anderen ein Gefühl von Geborgenheit.</translation>
    </message>
    <message>
        <source>You can be stubborn and hate to change your mind. You are sometimes possessive of people and things. You may be lazy when comfort calls. You can be slow to forgive. You resist change even when it is needed. You are prone to overindulgence in food and luxury. You can be materialistic and too fond of possessions. You may become jealous in love. Once angered, you can be slow to calm down and hard to reason with.</source>
        <translation>Sie können stur sein und ändern nur ungern Ihre Meinung. Manchmal sind Sie besitzergreifend gegenüber Menschen und Dingen. Wenn die Bequemlichkeit lockt, werden Sie womöglich faul. Sie können nur schwer verzeihen. Sie sträuben sich gegen Veränderungen, selbst wenn sie nötig sind. Sie neigen dazu, es mit Essen und Luxus zu übertreiben. Sie können materialistisch sein und hängen zu sehr an Ihrem Besitz. In der Liebe werden Sie womöglich eifersüchtig. Wenn Sie einmal wütend sind, beruhigen Sie sich nur langsam und sind schwer zur Vernunft zu bringen.</translation>
    </message>
    <message>
        <source>Color Green</source>
        <translation>Farbe Grün</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Aquarius and Libra</source>
        <translation>Wassermann und Waage</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>You are quick-witted, clever and endlessly curious. You love to learn and absorb new information with ease. You are a brilliant talker who can chat with anyone about anything. You are adaptable and handle change gracefully. You have a lively sense of humor. You are youthful in spirit at any age. You can juggle several tasks at once. You are sociable and make friends wherever you go. You are inventive and full of bright ideas. You write and speak with flair and can explain complex ideas in simple words. You enjoy variety and keep life interesting for everyone around you. You see both sides of every argument. You are open-minded and tolerant of other points of view. Your energy and charm make you delightful company at any gathering.</source>
        <translation>Sie sind schlagfertig, klug und unendlich neugierig. Sie lernen gern und nehmen neue Informationen mühelos auf. Sie können glänzend reden und mit jedem über alles plaudern. Sie sind anpassungsfähig und gehen gelassen mit Veränderungen um. Sie haben einen lebhaften Sinn für Humor. Sie bleiben in jedem Alter im Herzen jung. Sie können mehrere Aufgaben gleichzeitig jonglieren. Sie sind gesellig und finden überall Freunde. Sie sind erfinderisch und voller kluger Ideen. Sie schreiben und sprechen gewandt und können komplizierte Dinge mit einfachen Worten erklären. Sie lieben Abwechslung und sorgen dafür, dass das Leben für alle um Sie herum spannend bleibt. Sie sehen bei jeder Streitfrage beide Seiten. Sie sind aufgeschlossen und tolerant gegenüber anderen Ansichten. Ihre Energie und Ihr Charme machen Sie in jeder Runde zu einem gern gesehenen Gast.</translation>
    </message>
    <message>
        <source>You can be restless and easily bored. You are sometimes inconsistent and change your mind by the hour. You may be superficial and skim the surface of things. You can be nervous and high-strung. You tend to gossip more than you should. You find it hard to commit to one plan or one person. You can be cunning when it suits you. You often scatter your energy across too many projects. You may seem unreliable to others. You can talk your way out of trouble too easily. You sometimes rely on charm rather than hard work to get by.</source>
        <translation>Sie können rastlos sein und langweilen sich schnell. Manchmal sind Sie unbeständig und ändern Ihre Meinung stündlich. Mitunter sind Sie oberflächlich und gehen den Dingen nicht auf den Grund. Sie können nervös und überdreht sein. Sie neigen dazu, mehr zu tratschen, als Sie sollten. Es fällt Ihnen schwer, sich auf einen Plan oder einen Menschen festzulegen. Sie können gerissen sein, wenn es Ihnen passt. Oft verzetteln Sie Ihre Energie in zu vielen Projekten. Auf andere wirken Sie womöglich unzuverlässig. Sie reden sich allzu leicht aus Schwierigkeiten heraus. Manchmal verlassen Sie sich eher auf Ihren Charme als auf harte Arbeit, um durchzukommen.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Pisces and Scorpio</source>
        <translation>Fische und Skorpion</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>You are caring, loving and deeply protective. You always put your family first. You have a wonderful memory, especially for people and events from the past. You are intuitive and can sense what others are feeling. You are loyal and stand by your loved ones through thick and thin. You are sympathetic and a good listener. You are imaginative and creative. You are tenacious and hold on to what matters to you. You are a natural homemaker. You love to cook for the people you care about. You are gentle, kind and patient. You are shrewd with money and rarely waste it. You are patriotic and proud of your roots. You cherish tradition and family history. You make others feel safe and welcome. You are emotionally intelligent. You are quick to comfort anyone in distress. You are persuasive in a quiet way. Your tender heart and devotion make you a treasured friend.</source>
        <translation>Sie sind fürsorglich, liebevoll und sehr beschützend. Ihre Familie steht für Sie immer an erster Stelle. Sie haben ein wunderbares Gedächtnis, vor allem für Menschen und Ereignisse aus der Vergangenheit. Sie sind intuitiv und spüren, was andere fühlen. Sie sind treu und halten in guten wie in schlechten Zeiten zu Ihren Lieben. Sie sind mitfühlend und können gut zuhören. Sie sind fantasievoll und kreativ. Sie sind beharrlich und halten fest, was Ihnen wichtig ist. Sie haben ein natürliches Talent, ein gemütliches Zuhause zu schaffen. Sie kochen gern für die Menschen, die Ihnen am Herzen liegen. Sie sind sanft, freundlich und geduldig. Sie gehen geschickt mit Geld um und verschwenden es selten. Sie sind heimatverbunden und stolz auf Ihre Wurzeln. Sie halten Traditionen und Familiengeschichte in Ehren. Bei Ihnen fühlen sich andere sicher und willkommen. Sie sind emotional intelligent. Sie trösten sofort jeden, der in Not ist. Sie können auf leise Art überzeugen. Ihr zärtliches Herz und Ihre Hingabe machen Ihre Freundschaft zu einem kostbaren Schatz.</translation>
    </message>
    <message>
        <source>You can be moody, and your feelings change like the tides. You are sometimes overly sensitive and easily hurt. You may cling to the past and find it hard to let go. You can be overprotective of the people you love. You tend to worry about things that may never happen. You can retreat into your shell when upset. You are sometimes manipulative when you feel insecure. You may be touchy and take harmless remarks to heart. You can hold on to grudges for years. You are prone to self-pity when things go wrong. You can be suspicious of strangers. You sometimes smother others with too much care and attention.</source>
        <translation>Sie können launisch sein, und Ihre Gefühle wechseln wie Ebbe und Flut. Manchmal sind Sie übermäßig empfindlich und leicht verletzt. Mitunter klammern Sie sich an die Vergangenheit und können nur schwer loslassen. Sie können die Menschen, die Sie lieben, allzu sehr behüten. Sie neigen dazu, sich über Dinge zu sorgen, die vielleicht nie geschehen. Wenn Sie verärgert sind, ziehen Sie sich gern in Ihr Schneckenhaus zurück. Manchmal werden Sie manipulativ, wenn Sie sich unsicher fühlen. Sie sind womöglich leicht gekränkt und nehmen sich harmlose Bemerkungen zu Herzen. Sie können jahrelang nachtragend sein. Sie neigen zu Selbstmitleid, wenn etwas schiefgeht. Fremden gegenüber können Sie misstrauisch sein. Manchmal erdrücken Sie andere mit zu viel Fürsorge und Aufmerksamkeit.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>8 and 9</source>
        <translation>8 und 9</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Aries and Sagittarius</source>
        <translation>Widder und Schütze</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>You are generous, warm-hearted and big-spirited. You are a born leader who takes charge with style and grace. You are confident and carry yourself with natural dignity. You are creative and have a flair for the dramatic. You are loyal to your friends and fiercely protective of them. You are cheerful and bring sunshine wherever you go. You are enthusiastic about life and live it to the full. You are broad-minded and tolerant of human failings. You are ambitious and aim for the very top in all you do. You are honest and expect honesty in return. You are playful and love to have fun with friends and children alike. You are a wonderful host who loves to entertain. You are courageous in the face of difficulty. You have a great capacity for love and affection. You are proud of your achievements, and rightly so. You encourage others to shine as well and praise them generously. You are faithful in love and true to your word. Your warmth and magnetism draw admirers to you like moths to a flame.</source>
        <translation>Sie sind großzügig, warmherzig und großmütig. Sie sind eine geborene Führungspersönlichkeit und übernehmen mit Stil und Anmut die Führung. Sie sind selbstbewusst und treten mit natürlicher Würde auf. Sie sind kreativ und haben einen Hang zum Dramatischen. Sie sind Ihren Freunden treu und beschützen sie leidenschaftlich. Sie sind fröhlich und bringen Sonnenschein, wohin Sie auch gehen. Sie sind voller Begeisterung für das Leben und genießen es in vollen Zügen. Sie sind weitherzig und nachsichtig mit menschlichen Schwächen. Sie sind ehrgeizig und streben in allem, was Sie tun, nach ganz oben. Sie sind ehrlich und erwarten auch von anderen Ehrlichkeit. Sie sind verspielt und haben mit Freunden wie mit Kindern gern Spaß. Sie empfangen gern Gäste und bewirten sie wunderbar. Schwierigkeiten begegnen Sie mit Mut. Sie haben ein großes Herz voller Liebe und Zuneigung. Sie sind stolz auf Ihre Erfolge, und das zu Recht. Sie ermutigen auch andere, zu glänzen, und loben sie großzügig. In der Liebe sind Sie treu, und Sie halten Ihr Wort. Ihre Wärme und Ihre Anziehungskraft ziehen Bewunderer an wie das Licht die Motten.</translation>
    </message>
    <message>
        <source>You can be vain and love to be admired. You are sometimes arrogant and overbearing. You may be pompous when you feel important. You can be bossy and patronizing. You like to be the center of attention at all times. You are easily wounded by criticism. You can be stubborn about your opinions. You sometimes spend lavishly beyond your means. You may be intolerant of people who do not share your views. You can be dogmatic and refuse to admit you are wrong. You dislike playing second fiddle to anyone. You tend to exaggerate your own importance. You can sulk when ignored. You sometimes demand loyalty while forgetting that it must be earned.</source>
        <translation>Sie können eitel sein und lassen sich gern bewundern. Manchmal sind Sie arrogant und anmaßend. Wenn Sie sich wichtig fühlen, treten Sie womöglich aufgeblasen auf. Sie können herrisch und bevormundend sein. Sie stehen gern jederzeit im Mittelpunkt. Kritik verletzt Sie leicht. Sie können auf Ihren Meinungen beharren. Manchmal geben Sie verschwenderisch mehr Geld aus, als Sie sich leisten können. Mitunter sind Sie intolerant gegenüber Menschen, die Ihre Ansichten nicht teilen. Sie können rechthaberisch sein und weigern sich zuzugeben, dass Sie falschliegen. Sie spielen ungern die zweite Geige. Sie neigen dazu, Ihre eigene Bedeutung zu überschätzen. Wenn man Sie nicht beachtet, können Sie schmollen. Manchmal fordern Sie Loyalität und vergessen dabei, dass man sie sich verdienen muss.</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>3 and 5</source>
        <translation>3 und 5</translation>
    </message>
    <message>
        <source>Capricorn and Taurus</source>
        <translation>Steinbock und Stier</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>You are modest, practical and hard-working. You have a sharp, analytical mind. You pay great attention to detail and rarely miss a thing. You are reliable and always do what you promise. You are neat, methodical and well organized. You are kind and love to be of service to others. You are intelligent and express yourself clearly. You take good care of your health and keep yourself fit. You are honest and conscientious in all that you do. Your quiet efficiency makes you an invaluable friend and colleague.</source>
        <translation>Sie sind bescheiden, praktisch veranlagt und fleißig. Sie haben einen scharfen, analytischen Verstand. Sie achten sehr auf Details, und Ihnen entgeht kaum etwas. Sie sind zuverlässig und halten stets, was Sie versprechen. Sie sind ordentlich, methodisch und gut organisiert. Sie sind freundlich und helfen anderen gern. Sie sind intelligent und drücken sich klar aus. Sie achten gut auf Ihre Gesundheit und halten sich fit. Sie sind ehrlich und gewissenhaft in allem, was Sie tun. Ihre stille Tüchtigkeit macht Sie im Freundeskreis wie im Beruf unersetzlich.</translation>
    </message>
    <message>
        <source>You can be fussy and overly critical of others. You are sometimes a perfectionist who is never satisfied. You may worry too much about small things. You can be harsh in your judgments. You tend to be a little too conservative. You often neglect your own needs while caring for others. You can be shy and reluctant to show your feelings.</source>
        <translation>Sie können pingelig und anderen gegenüber übermäßig kritisch sein. Manchmal sind Sie perfektionistisch und nie zufrieden. Mitunter machen Sie sich zu viele Sorgen um Kleinigkeiten. Sie können in Ihrem Urteil hart sein. Sie neigen dazu, etwas zu konservativ zu sein. Oft vernachlässigen Sie Ihre eigenen Bedürfnisse, während Sie sich um andere kümmern. Sie können schüchtern sein und zeigen Ihre Gefühle nur ungern.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>6 and 9</source>
        <translation>6 und 9</translation>
    </message>
    <message>
        <source>Aquarius and Gemini</source>
        <translation>Wassermann und Zwillinge</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opal</translation>
    </message>
    <message>
        <source>You are charming, diplomatic and easygoing. You have a strong sense of fairness and justice. You are a natural peacemaker in any dispute. You are romantic and idealistic in love. You appreciate beauty in all its forms. You have refined taste and an eye for elegance. You are sociable and enjoy good company. You are gracious and polite, even to people you dislike. You see every side of a question before you decide. You work best in partnership with others. You are cooperative and tactful. You are a gentle and considerate friend. You bring harmony to any group. Your grace and good manners win you friends wherever you go and make every gathering you attend a little more pleasant for everyone who shares it with you.</source>
        <translation>Sie sind charmant, diplomatisch und umgänglich. Sie haben einen ausgeprägten Sinn für Fairness und Gerechtigkeit. In jedem Streit stiften Sie ganz selbstverständlich Frieden. Sie sind romantisch und in der Liebe idealistisch. Sie schätzen Schönheit in all ihren Formen. Sie haben einen erlesenen Geschmack und ein Auge für Eleganz. Sie sind gesellig und genießen gute Gesellschaft. Sie sind liebenswürdig und höflich, selbst zu Menschen, die Sie nicht mögen. Sie betrachten jede Frage von allen Seiten, bevor Sie sich entscheiden. Am besten arbeiten Sie in Partnerschaft mit anderen. Sie sind kooperativ und taktvoll. Als Freundin oder Freund sind Sie sanft und rücksichtsvoll. Sie bringen Harmonie in jede Gruppe. Ihre Anmut und Ihre guten Manieren gewinnen Ihnen überall Freunde und machen jedes Treffen, an dem Sie teilnehmen, für alle, die es mit Ihnen teilen, ein wenig angenehmer.</translation>
    </message>
    <message>
        <source>You can be indecisive and spend ages weighing up every option. You are sometimes easily influenced by the opinions of others. You may be flirtatious and a little fickle in matters of love. You tend to avoid confrontation even when it is truly needed. You can be self-indulgent and lazy when it suits you. You sometimes hide your true feelings just to keep the peace.</source>
        <translation>Sie können unentschlossen sein und ewig jede Möglichkeit abwägen. Manchmal lassen Sie sich leicht von der Meinung anderer beeinflussen. In der Liebe sind Sie womöglich kokett und ein wenig wankelmütig. Sie neigen dazu, Auseinandersetzungen aus dem Weg zu gehen, selbst wenn sie wirklich nötig sind. Sie können genusssüchtig und faul sein, wenn es Ihnen passt. Manchmal verbergen Sie Ihre wahren Gefühle, nur um den Frieden zu wahren.</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>2 and 4</source>
        <translation>2 und 4</translation>
    </message>
    <message>
        <source>Cancer and Pisces</source>
        <translation>Krebs und Fische</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>You are determined and forceful, and once you set your sights on a goal you pursue it to the end. You are passionate and throw your whole heart into everything you do. You have a deep emotional intelligence and can see right through pretense. You are loyal, and your devotion to those you love knows no bounds. You are resourceful and never run out of ways to solve a difficult problem. You are brave and face even the darkest challenges of life without flinching. You have a magnetic personality that others find hard to resist. You are perceptive and often know what people are thinking before they speak. You keep secrets well, and friends trust you with their most private thoughts and fears.</source>
        <translation>Sie sind entschlossen und energisch, und wenn Sie sich einmal ein Ziel gesetzt haben, verfolgen Sie es bis zum Ende. Sie sind leidenschaftlich und stecken Ihr ganzes Herz in alles, was Sie tun. Sie besitzen eine tiefe emotionale Intelligenz und durchschauen jede Verstellung. Sie sind treu, und Ihre Hingabe an die Menschen, die Sie lieben, kennt keine Grenzen. Sie sind einfallsreich, und Ihnen fallen immer neue Wege ein, ein schwieriges Problem zu lösen. Sie sind mutig und stellen sich selbst den dunkelsten Herausforderungen des Lebens, ohne mit der Wimper zu zucken. Sie haben eine magnetische Ausstrahlung, der andere kaum widerstehen können. Sie sind scharfsinnig und wissen oft, was andere denken, bevor sie es aussprechen. Sie können Geheimnisse gut bewahren, und Freunde vertrauen Ihnen ihre privatesten Gedanken und Ängste an.</translation>
    </message>
    <message>
        <source>You can be jealous and possessive in your relationships. You are sometimes secretive to the point of being mysterious even to your closest friends. You may be resentful and find it hard to forgive a wrong. You can be compulsive and obsessive when something grips you. You have a sharp sting when crossed. You are sometimes suspicious of other people&apos;s motives. You can be stubborn and unwilling to compromise. You tend to keep your feelings bottled up until they explode. You may seek revenge when you feel betrayed, even long after the event.</source>
        <translation>Sie können in Beziehungen eifersüchtig und besitzergreifend sein. Manchmal sind Sie so verschlossen, dass Sie selbst Ihren engsten Freunden geheimnisvoll erscheinen. Mitunter sind Sie nachtragend und können erlittenes Unrecht nur schwer verzeihen. Wenn Sie etwas gepackt hat, können Sie zwanghaft und besessen werden. Wer sich mit Ihnen anlegt, bekommt Ihren scharfen Stachel zu spüren. Manchmal misstrauen Sie den Beweggründen anderer. Sie können stur sein und sind nicht zu Kompromissen bereit. Sie neigen dazu, Ihre Gefühle in sich hineinzufressen, bis sie explodieren. Wenn Sie sich verraten fühlen, sinnen Sie womöglich auf Rache, selbst lange danach noch.</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Pluto und Mars</translation>
    </message>
    <message>
        <source>5 and 7</source>
        <translation>5 und 7</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Aries and Leo</source>
        <translation>Widder und Löwe</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>You are optimistic, cheerful and full of good humor. You love freedom and need plenty of room to roam. You are adventurous and eager to explore far-off places and new ideas. You are honest and straightforward, and you always say what you mean. You are broad-minded and open to every culture and way of life. You are a natural philosopher who wonders about the meaning of things. You are generous with your time, your money and your laughter. You are enthusiastic and inspire others with your zest for life. You are intellectual and love to study, read and debate big questions. You are friendly and easy to get along with, whoever you meet. You have a great sense of fun and a playful spirit that never grows old. You are a lucky soul who bounces back from every misfortune with a smile. Your faith in the future and your sense of adventure make life with you an exciting journey.</source>
        <translation>Sie sind optimistisch, fröhlich und stets gut gelaunt. Sie lieben die Freiheit und brauchen viel Raum, um umherzustreifen. Sie sind abenteuerlustig und wollen ferne Orte und neue Ideen erkunden. Sie sind ehrlich und geradeheraus und sagen immer, was Sie meinen. Sie sind weltoffen und aufgeschlossen gegenüber jeder Kultur und Lebensweise. Sie philosophieren gern und fragen nach dem Sinn der Dinge. Sie sind großzügig mit Ihrer Zeit, Ihrem Geld und Ihrem Lachen. Sie sind begeisterungsfähig und inspirieren andere mit Ihrer Lebenslust. Sie sind intellektuell und lieben es, zu studieren, zu lesen und über die großen Fragen zu diskutieren. Sie sind freundlich und kommen mit jedem gut aus, dem Sie begegnen. Sie haben viel Sinn für Spaß und eine verspielte Art, die niemals alt wird. Sie sind ein Glückskind, das nach jedem Missgeschick mit einem Lächeln wieder aufsteht. Ihr Vertrauen in die Zukunft und Ihre Abenteuerlust machen das Leben mit Ihnen zu einer aufregenden Reise.</translation>
    </message>
    <message>
        <source>You can be restless and unable to settle down. You are sometimes careless and tactless in what you say. You may be irresponsible when duty calls and fun beckons. You tend to promise more than you can deliver. You can be impatient with details and daily routine. You are prone to exaggeration when you tell a good story. You sometimes take foolish risks just for the thrill of it.</source>
        <translation>Sie können rastlos sein und finden nur schwer zur Ruhe. Manchmal sind Sie unbedacht und taktlos in dem, was Sie sagen. Wenn die Pflicht ruft und das Vergnügen lockt, handeln Sie womöglich verantwortungslos. Sie neigen dazu, mehr zu versprechen, als Sie halten können. Bei Details und Alltagsroutine können Sie ungeduldig werden. Wenn Sie eine gute Geschichte erzählen, neigen Sie zur Übertreibung. Manchmal gehen Sie törichte Risiken ein, nur um des Nervenkitzels willen.</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>8 and 2</source>
        <translation>8 und 2</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Taurus and Virgo</source>
        <translation>Stier und Jungfrau</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granat</translation>
    </message>
    <message>
        <source>You are practical, prudent and ambitious. You are disciplined and work steadily toward long-term goals. You are patient and willing to wait for success. You are responsible and take your duties seriously. You are reliable, and people know they can count on you. You have a dry and witty sense of humor. You are persistent and do not give up when things get hard. You are careful with money and plan for the future. You respect tradition and the wisdom of experience. You are organized and make the most of your time. You are loyal to family and friends and stand by them for life. You are a capable manager who gets things done. Your quiet determination and sense of purpose carry you to the top of any mountain you choose to climb.</source>
        <translation>Sie sind praktisch veranlagt, umsichtig und ehrgeizig. Sie sind diszipliniert und arbeiten stetig auf langfristige Ziele hin. Sie sind geduldig und bereit, auf den Erfolg zu warten. Sie sind verantwortungsbewusst und nehmen Ihre Pflichten ernst. Sie sind zuverlässig, und die Menschen wissen, dass sie auf Sie zählen können. Sie haben einen trockenen, geistreichen Humor. Sie sind beharrlich und geben nicht auf, wenn es schwierig wird. Sie gehen sorgsam mit Geld um und planen für die Zukunft. Sie achten die Tradition und die Weisheit der Erfahrung. Sie sind gut organisiert und nutzen Ihre Zeit optimal. Sie sind Familie und Freunden treu und stehen ein Leben lang zu ihnen. Sie sind eine fähige Führungskraft, die Dinge anpackt und erledigt. Ihre stille Entschlossenheit und Ihre Zielstrebigkeit tragen Sie auf den Gipfel jedes Berges, den Sie erklimmen wollen.</translation>
    </message>
    <message>
        <source>You can be pessimistic and expect the worst. You are sometimes rigid and set in your ways. You may be too serious and forget to have fun. You can be cold and distant with people you do not know well. You tend to be a workaholic who neglects rest and play. You can be stubborn and unwilling to listen to new ideas. You are sometimes miserly with money. You may judge others by their status or success. You can be unforgiving of mistakes, including your own. You sometimes bottle up your worries and carry the weight of the world alone.</source>
        <translation>Sie können pessimistisch sein und das Schlimmste erwarten. Manchmal sind Sie starr und in Ihren Gewohnheiten festgefahren. Mitunter sind Sie zu ernst und vergessen, Spaß zu haben. Sie können kühl und distanziert gegenüber Menschen sein, die Sie nicht gut kennen. Sie neigen zur Arbeitssucht und vernachlässigen Erholung und Vergnügen. Sie können stur sein und wollen sich neue Ideen nicht anhören. Manchmal sind Sie knauserig mit Geld. Mitunter beurteilen Sie andere nach ihrem Status oder Erfolg. Sie können Fehler nur schwer verzeihen, auch Ihre eigenen. Manchmal fressen Sie Ihre Sorgen in sich hinein und tragen die Last der Welt allein.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>1 and 7</source>
        <translation>1 und 7</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>You are friendly, humane and deeply concerned with the welfare of others. You are original and inventive, always full of fresh ideas. You are independent and value your freedom above almost everything. You are intellectual and love to explore new theories and technologies. You are honest and loyal to your friends, whom you treat as family. You are progressive and look to the future rather than the past. You are open-minded and accept people as they are. You are a true humanitarian who dreams of a better world for everyone. You are clever and can solve problems in unusual ways. You are tolerant of differences and quick to defend the underdog. Your vision and willingness to be different make you a genuine pioneer who helps move the world forward.</source>
        <translation>Sie sind freundlich und menschlich, und das Wohl anderer liegt Ihnen sehr am Herzen. Sie sind originell und erfinderisch und stecken stets voller neuer Ideen. Sie sind unabhängig und schätzen Ihre Freiheit fast über alles. Sie sind intellektuell und erkunden gern neue Theorien und Technologien. Sie sind ehrlich und Ihren Freunden treu, die Sie wie Familie behandeln. Sie sind fortschrittlich und blicken eher in die Zukunft als in die Vergangenheit. Sie sind aufgeschlossen und nehmen Menschen, wie sie sind. Als wahrhaft menschenfreundliche Seele träumen Sie von einer besseren Welt für alle. Sie sind klug und können Probleme auf ungewöhnliche Weise lösen. Sie sind tolerant gegenüber Unterschieden und verteidigen bereitwillig die Schwächeren. Ihre Weitsicht und Ihre Bereitschaft, anders zu sein, machen Sie zu einer echten Pionierpersönlichkeit, die die Welt voranbringt.</translation>
    </message>
    <message>
        <source>You can be detached and seem emotionally distant to those who love you. You are sometimes stubborn and refuse to change your opinions once they are formed. You may be unpredictable, and your sudden changes of plan can unsettle others. You can be contrary just for the sake of it. You tend to rebel against rules, even sensible ones. You are sometimes tactless when you speak your mind. You may be aloof and keep people at arm&apos;s length. You can be so wrapped up in big ideas that you forget practical matters. You sometimes value your independence so much that you avoid close ties. You can be eccentric in ways that puzzle the people around you.</source>
        <translation>Sie können distanziert sein und denen, die Sie lieben, emotional fern erscheinen. Manchmal sind Sie stur und weigern sich, eine einmal gefasste Meinung zu ändern. Mitunter sind Sie unberechenbar, und Ihre plötzlichen Planänderungen können andere verunsichern. Sie können aus purem Widerspruchsgeist dagegen sein. Sie neigen dazu, gegen Regeln zu rebellieren, selbst gegen vernünftige. Manchmal sind Sie taktlos, wenn Sie sagen, was Sie denken. Sie sind womöglich unnahbar und halten andere auf Abstand. Sie können so in große Ideen vertieft sein, dass Sie praktische Dinge vergessen. Manchmal schätzen Sie Ihre Unabhängigkeit so sehr, dass Sie enge Bindungen meiden. Sie können auf eine Weise exzentrisch sein, die die Menschen um Sie herum verwirrt.</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <translation>Uranus und Saturn</translation>
    </message>
    <message>
        <source>2 and 6</source>
        <translation>2 und 6</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>You are imaginative, sensitive and deeply compassionate. You are kind and gentle, and you feel the pain of others as if it were your own. You are intuitive and often sense things before they happen. You are selfless and always ready to help those in need. You are artistic and have a rich inner world of dreams. You are adaptable and flow easily with the changes of life. You are romantic and devoted in love. You are a wonderful listener who never judges or criticizes. You are spiritual and drawn to the mysteries of life. You are modest and never seek the limelight for yourself. Your gentle soul and generous heart make the world a softer and kinder place for all who know you.</source>
        <translation>Sie sind fantasievoll, feinfühlig und zutiefst mitfühlend. Sie sind gütig und sanft, und Sie spüren den Schmerz anderer, als wäre es Ihr eigener. Sie sind intuitiv und ahnen oft Dinge, bevor sie geschehen. Sie sind selbstlos und immer bereit, Menschen in Not zu helfen. Sie sind künstlerisch begabt und haben eine reiche innere Traumwelt. Sie sind anpassungsfähig und gehen mühelos mit den Wandlungen des Lebens mit. Sie sind romantisch und in der Liebe voller Hingabe. Sie können wunderbar zuhören, ohne je zu urteilen oder zu kritisieren. Sie sind spirituell und fühlen sich zu den Geheimnissen des Lebens hingezogen. Sie sind bescheiden und suchen für sich selbst nie das Rampenlicht. Ihre sanfte Seele und Ihr großzügiges Herz machen die Welt für alle, die Sie kennen, ein wenig milder und freundlicher.</translation>
    </message>
    <message>
        <source>You can be escapist and retreat into a world of fantasy. You are sometimes vague and find it hard to make decisions. You may be easily led astray by stronger personalities. You can be oversensitive and take things too personally. You tend to be disorganized and often lose track of time. You sometimes play the martyr and suffer in silence. You can be too trusting, and others may take advantage of your good nature.</source>
        <translation>Sie können vor der Wirklichkeit fliehen und sich in eine Fantasiewelt zurückziehen. Manchmal bleiben Sie vage und können sich nur schwer entscheiden. Stärkere Persönlichkeiten bringen Sie womöglich leicht vom rechten Weg ab. Sie können überempfindlich sein und Dinge zu persönlich nehmen. Sie neigen dazu, unorganisiert zu sein, und verlieren oft das Zeitgefühl. Manchmal spielen Sie die Märtyrerrolle und leiden im Stillen. Sie können zu vertrauensselig sein, und andere nutzen Ihre Gutmütigkeit womöglich aus.</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Neptun und Jupiter</translation>
    </message>
</context>
<context>
    <name>ReadingExport</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>%1 reading - %2.pdf</source>
        <extracomment>The name a saved reading is offered under: the sign, then the first and last name.</extracomment>
        <translation>Deutung %1 - %2.pdf</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Deutung %1</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Die Deutung konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Deutung speichern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Copy Reading</source>
        <translation>Deutung kopieren</translation>
    </message>
    <message>
        <source>Save Reading As…</source>
        <translation>Deutung speichern unter…</translation>
    </message>
    <message>
        <source>Print Reading…</source>
        <translation>Deutung drucken…</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Symbol des Sternzeichens %1</translation>
    </message>
    <message>
        <source>%1 color swatch</source>
        <translation>Farbmuster in %1</translation>
    </message>
    <message>
        <source>Remember This Person</source>
        <translation>Zu meinen Liebsten hinzufügen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>KV Dwellstar needs a graphical desktop, but no display is available.</source>
        <translation>KV Dwellstar benötigt eine grafische Arbeitsumgebung, es ist jedoch keine Anzeige verfügbar.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
</TS>
