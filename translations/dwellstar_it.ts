<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BookText</name>
    <message>
        <source>It could not be set aside as &quot;%1&quot;.</source>
        <translation>Impossibile metterla da parte come &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Impossibile creare la cartella &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Another KV Dwellstar is changing the book just now.</source>
        <translation>Un&apos;altra copia di KV Dwellstar sta modificando la rubrica proprio ora.</translation>
    </message>
    <message>
        <source>The book&apos;s lock could not be made in &quot;%1&quot;.</source>
        <translation>Impossibile creare il file di blocco della rubrica in &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Colors: %1</source>
        <translation>Colori: %1</translation>
    </message>
    <message>
        <source>Birthstone: %1</source>
        <translation>Pietra natale: %1</translation>
    </message>
    <message>
        <source>Home style: %1</source>
        <translation>Stile d&apos;arredo: %1</translation>
    </message>
    <message>
        <source>%1&apos;s birthday (%2)</source>
        <translation>Compleanno di %1 (%2)</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Compleanni</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>First name.</source>
        <translation>Nome.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Middle name.</source>
        <translation>Secondo nome.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Cognome.</translation>
    </message>
    <message>
        <source>Date of birth, such as 1990-08-15.</source>
        <translation>Data di nascita, ad esempio 1990-08-15.</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>aaaa-mm-gg</translation>
    </message>
    <message>
        <source>Save the reading in &lt;file&gt; instead of printing it: .pdf, .png or .txt by its extension; another name gets .pdf. &quot;-&quot; prints it.</source>
        <translation>Salva la lettura in &lt;file&gt; invece di stamparla: .pdf, .png o .txt a seconda dell&apos;estensione; a qualsiasi altro nome, con un&apos;altra estensione o senza, si aggiunge .pdf. Con &quot;-&quot; la stampa.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.</source>
        <translation>&quot;%1&quot; non è una data di nascita: indicala nel formato aaaa-mm-gg, ad esempio 1990-08-15.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Impossibile stampare la lettura.</translation>
    </message>
    <message>
        <source>Home design tips for your sun sign. Without options KV Dwellstar opens its windows; given the details of a reading, it prints the reading as text, or saves it, and opens no window.</source>
        <translation>Consigli di arredamento per il tuo segno zodiacale. Senza opzioni, KV Dwellstar apre le sue finestre; se riceve i dati per una lettura, la stampa come testo, oppure la salva, senza aprire alcuna finestra.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language of KV Dwellstar: give one of %2.</source>
        <translation>&quot;%1&quot; non è una lingua di KV Dwellstar: indicane una tra %2.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questa guida.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;, one of %1, instead of the desktop&apos;s; also for the windows.</source>
        <translation>Usa la lingua &lt;codice&gt;, una tra %1, invece di quella del desktop; vale anche per le finestre.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>Keep the person of the reading among your people too.</source>
        <translation>Aggiungi ai tuoi cari anche la persona della lettura.</translation>
    </message>
    <message>
        <source>Print your people, soonest birthday first, one a line: name, date of birth (--mm-dd without the year), sign and days to the next birthday, separated by tabs.</source>
        <translation>Stampa i tuoi cari, a partire dal compleanno più vicino, uno per riga: nome, data di nascita (--mm-gg se manca l&apos;anno), segno e giorni che mancano al prossimo compleanno, separati da tabulazioni.</translation>
    </message>
    <message>
        <source>Add to your people every contact of the vCard file &lt;file&gt; that has a birthday.</source>
        <translation>Aggiungi ai tuoi cari tutti i contatti del file vCard &lt;file&gt; che riportano il compleanno.</translation>
    </message>
    <message>
        <source>Write your people&apos;s birthdays to &lt;file&gt; as an iCalendar file, a yearly event each with its gift tips. &quot;-&quot; prints it.</source>
        <translation>Scrivi i compleanni dei tuoi cari in &lt;file&gt; come file iCalendar: un evento annuale per ciascuno, con le sue idee regalo. Con &quot;-&quot; lo stampa.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo email dell&apos;amico</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Fai clic qui per visitare subito %1</translation>
    </message>
    <message>
        <source>Please visit Velmora at %1 regularly and support it by taking part in its discussions and other activities. These programs cannot be supported and maintained without you regularly visiting %1.</source>
        <translation>Visita regolarmente Velmora su %1 e sostienila partecipando alle discussioni e alle altre attività. Senza le tue visite regolari su %1 non è possibile sostenere e mantenere questi programmi.</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Scarica Velmora Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Fai clic qui per visitare Velmora Softwares</translation>
    </message>
    <message>
        <source>Enjoyed KV Dwellstar? Then you will surely be interested in the other programs of Velmora Softwares. What started as a single program has grown into a large collection of them. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                                All Velmora Softwares programs are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Ti è piaciuto KV Dwellstar? Allora ti interesseranno sicuramente anche gli altri programmi di Velmora Softwares. Quello che era nato come un singolo programma è diventato una vasta raccolta. Astrologia, paranormale, tarocchi, numerologia o occulto: abbiamo programmi in ogni campo, per offrire ai nostri utenti un&apos;ampia scelta in base ai loro interessi.                                                                Tutti i programmi di Velmora Softwares sono semplici e facili da usare. Non sono solo divertenti, ma anche molto istruttivi. Provali oggi stesso e condividi la tua esperienza con amici e familiari.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Segnala a un amico</translation>
    </message>
    <message>
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Il tuo messaggio<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Segnala subito a un amico</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic qui per visitare %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>KV Dwellstar ti svela le preferenze d&apos;arredamento dei diversi segni zodiacali. Ricevi consigli per scoprire i colori e gli stili d&apos;arredo preferiti dalla persona che ami. Con l&apos;aiuto di questo programma saprai scegliere il regalo perfetto per la sua casa.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo programma interamente personalizzato con il marchio del tuo sito web.</translation>
    </message>
    <message>
        <source>Velmora is the most popular online discussion community of its kind. It is the best resource on the occult. Visit %1 now!</source>
        <translation>Velmora è la community online più popolare del suo genere e la migliore risorsa sull&apos;occulto. Visita subito %1!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Metti il marchio del tuo sito su questo programma:  più fedeltà e più traffico. Qui vanno nome &amp;&amp;  link del tuo sito. Dettagli in &quot;Aiuto&quot;.    Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo programma interamente personalizzato con il marchio del tuo sito web. Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>KV Dwellstar Result</source>
        <translation>KV Dwellstar - Risultato</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Colori preferiti</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Pianeta guida</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pietra natale</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Numero fortunato</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Giorno felice</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilità</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Difetti</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Pregi</translation>
    </message>
    <message>
        <source>Sun sign emblem</source>
        <translation>Simbolo del segno zodiacale</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Segno zodiacale</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Stile d&apos;arredo</translation>
    </message>
    <message>
        <source>Color swatch</source>
        <translation>Campione di colore</translation>
    </message>
    <message>
        <source>Home Astrology Attributes</source>
        <translation>Attributi astrologici</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti del programma</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donazioni</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Inserisci i tuoi dati qui sotto:</translation>
    </message>
    <message>
        <source>Get My Dwellstar Reading</source>
        <translation>Ottieni la mia lettura Dwellstar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome e cognome</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>2° nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Nome</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Cognome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Date Of Birth: Day</source>
        <translation>Data di nascita: giorno</translation>
    </message>
    <message>
        <source>Date Of Birth: Month</source>
        <translation>Data di nascita: mese</translation>
    </message>
    <message>
        <source>Date Of Birth: Year</source>
        <translation>Data di nascita: anno</translation>
    </message>
    <message>
        <source>Know more about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>Scopri di più sulle preferenze d&apos;arredamento dei diversi segni zodiacali. Ricevi consigli per scoprire i colori e gli stili d&apos;arredo preferiti dalla persona che ami. Con l&apos;aiuto di questo programma saprai scegliere il regalo perfetto per la sua casa.</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca aggiornamenti del programma</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;indirizzo email non può contenere spazi</translation>
    </message>
    <message>
        <source>Our family of free programs can only be created and kept up with your support. The best way to support us is to visit %1 regularly and take part in the discussions and other activities on its board.</source>
        <extracomment>%1 is the community site&apos;s address.</extracomment>
        <translation>La nostra famiglia di programmi gratuiti può nascere e restare in vita solo grazie al tuo sostegno. Il modo migliore per sostenerci è visitare regolarmente %1 e partecipare alle discussioni e alle altre attività del suo forum.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. We cannot support and maintain these programs unless our users visit the site regularly.</source>
        <translation>Visita regolarmente %1 e sostienilo partecipando alle sue discussioni e alle altre attività. Non possiamo sostenere e mantenere questi programmi se i nostri utenti non visitano il sito con regolarità.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology, tarot, numerology and the occult. To help us develop and maintain this program, please visit it regularly.</source>
        <translation>%1 è un forum di discussione online gratuito dedicato ad astrologia, tarocchi, numerologia e occulto. Per aiutarci a sviluppare e mantenere questo programma, visitalo regolarmente.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visiting it regularly and taking part in its discussions and activities helps us maintain it and develop more programs like this one.</source>
        <translation>%1 ha bisogno del tuo aiuto. Visitarlo regolarmente e partecipare alle sue discussioni e attività ci aiuta a mantenerlo e a sviluppare altri programmi come questo.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l&apos;indirizzo email del tuo amico</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>&amp;People…</source>
        <translation>I tuoi &amp;cari…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The Desktop&apos;s Language (%1)</source>
        <translation>Lingua del desktop (%1)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
</context>
<context>
    <name>PeopleText</name>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>tra %n giorno</numerusform>
            <numerusform>tra %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Segno</translation>
    </message>
    <message>
        <source>Next Birthday</source>
        <translation>Prossimo compleanno</translation>
    </message>
    <message>
        <source>Your book of people could not be read, and nothing in it was changed.

%1</source>
        <translation>Impossibile leggere la rubrica dei tuoi cari; non vi è stato modificato nulla.

%1</translation>
    </message>
    <message>
        <source>Your book of people could not be read: it is damaged. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Impossibile leggere la rubrica dei tuoi cari: è danneggiata. È stata messa da parte, intatta, come &quot;%1&quot;, e ne è stata iniziata una nuova.</translation>
    </message>
    <message>
        <source>Your book of people was written by a newer KV Dwellstar, which this one cannot read. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>La rubrica dei tuoi cari è stata scritta da una versione più recente di KV Dwellstar, che questa non è in grado di leggere. È stata messa da parte, intatta, come &quot;%1&quot;, e ne è stata iniziata una nuova.</translation>
    </message>
    <message>
        <source>The change could not be kept in your book of people, which is as it was.

%1</source>
        <translation>Impossibile salvare la modifica nella rubrica dei tuoi cari, che è rimasta com&apos;era.

%1</translation>
    </message>
    <message>
        <source>Contacts read from &quot;%1&quot;:</source>
        <translation>Contatti letti da &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>added to your people: %1</source>
        <translation>aggiunti ai tuoi cari: %1</translation>
    </message>
    <message>
        <source>already among them: %1</source>
        <translation>già presenti: %1</translation>
    </message>
    <message>
        <source>skipped, without a birthday: %1</source>
        <translation>ignorati, senza compleanno: %1</translation>
    </message>
    <message>
        <source>skipped, with a birthday that is no date: %1</source>
        <translation>ignorati, con un compleanno che non è una data valida: %1</translation>
    </message>
    <message>
        <source>skipped, without a name: %1</source>
        <translation>ignorati, senza nome: %1</translation>
    </message>
    <message>
        <source>The birthdays could not be exported to &quot;%1&quot;.

%2</source>
        <translation>Impossibile esportare i compleanni in &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; your people are as they were.

%2</source>
        <translation>Impossibile leggere &quot;%1&quot;; la rubrica dei tuoi cari non è stata modificata.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no contacts in vCard form; your people are as they were.</source>
        <translation>&quot;%1&quot; non contiene contatti in formato vCard; la rubrica dei tuoi cari non è stata modificata.</translation>
    </message>
</context>
<context>
    <name>PeopleWindow</name>
    <message>
        <source>People - KV Dwellstar</source>
        <translation>I tuoi cari - KV Dwellstar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name or sign</source>
        <translation>Nome o segno</translation>
    </message>
    <message>
        <source>Filter by name or sign</source>
        <translation>Filtra per nome o segno</translation>
    </message>
    <message>
        <source>People, soonest birthday first</source>
        <translation>I tuoi cari, a partire dal compleanno più vicino</translation>
    </message>
    <message>
        <source>Gift Tips</source>
        <translation>Idee regalo</translation>
    </message>
    <message>
        <source>Sign:</source>
        <translation>Segno:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Colori:</translation>
    </message>
    <message>
        <source>Birthstone:</source>
        <translation>Pietra natale:</translation>
    </message>
    <message>
        <source>Home style:</source>
        <translation>Stile d&apos;arredo:</translation>
    </message>
    <message>
        <source>&amp;Open Reading</source>
        <translation>&amp;Apri lettura</translation>
    </message>
    <message>
        <source>&amp;Forget…</source>
        <translation>&amp;Rimuovi…</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Importa contatti…</translation>
    </message>
    <message>
        <source>&amp;Export Birthdays…</source>
        <translation>&amp;Esporta compleanni…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Forget %1, born %2?</source>
        <translation>Rimuovere %1 (data di nascita: %2) dai tuoi cari?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>File vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export Birthdays</source>
        <translation>Esporta compleanni</translation>
    </message>
    <message>
        <source>birthdays.ics</source>
        <translation>compleanni.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>File iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>A person needs a name to be remembered.</source>
        <translation>Per essere aggiunta ai tuoi cari, una persona deve avere un nome.</translation>
    </message>
    <message>
        <source>%1 is now among your people.</source>
        <translation>%1 ora fa parte dei tuoi cari.</translation>
    </message>
    <message>
        <source>%1 is already among your people.</source>
        <translation>%1 fa già parte dei tuoi cari.</translation>
    </message>
    <message>
        <source>Nobody is kept here yet. Remember the person of a reading with Ctrl+D in its window, or import your contacts.</source>
        <translation>Non c&apos;è ancora nessuno tra i tuoi cari. Aggiungi la persona di una lettura con Ctrl+D nella sua finestra, oppure importa i tuoi contatti.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: say which ones it takes (letters of any alphabet, with their accents; small ones become capitals; and blanks).</extracomment>
        <translation>Inserisci solo lettere e spazi</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Inserisci il tuo cognome</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Indica il giorno di nascita</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Indica il mese di nascita</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Indica l&apos;anno di nascita</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci un giorno o un mese corretto!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci un giorno o un mese corretto!</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Colori preferiti</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Pianeta guida</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A heading and its value on one line of a reading kept as text (&quot;Element: Fire&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <extracomment>%1 is the birth date as the language writes it out, weekday included.</extracomment>
        <translation>Data di nascita: %1</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Giorno felice</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Numero fortunato</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilità</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pietra natale</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Pregi</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Difetti</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Stile d&apos;arredo</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Segno zodiacale</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
    <message>
        <source>Red is the color of energy, courage and vitality, and since ancient times it has been linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer an air of confidence that others notice. People who feel tired, shy or low in spirits can draw strength from a touch of red. Wear it when you need to be bold, such as at a job interview, a first date or an important meeting.</source>
        <translation>Il rosso è il colore dell&apos;energia, del coraggio e della vitalità, e fin dall&apos;antichità è associato al fuoco e al sangue. Accelera il battito, acuisce i sensi e dona a chi lo indossa un&apos;aria sicura che non passa inosservata. Chi si sente stanco, timido o giù di morale può trarre forza da un tocco di rosso. Indossalo quando hai bisogno di audacia, per esempio a un colloquio di lavoro, a un primo appuntamento o a una riunione importante.</translation>
    </message>
    <message>
        <source>On the positive side, green is the color of nature, growth, harmony and renewal, and it stands for health, hope and the steady abundance that comes from patient effort; on the negative side, it has long been tied to envy, jealousy and inexperience, as when we say someone is green with envy or green at a new job. Above all, green is restful to the eye and soothing to the mind, easing stress and restoring a sense of calm balance.</source>
        <translation>In positivo, il verde è il colore della natura, della crescita, dell&apos;armonia e del rinnovamento, e rappresenta la salute, la speranza e l&apos;abbondanza costante che nasce dall&apos;impegno paziente; in negativo, è da sempre legato all&apos;invidia, alla gelosia e all&apos;inesperienza, come quando diciamo che qualcuno è verde d&apos;invidia o ancora acerbo in un nuovo lavoro. Soprattutto, il verde riposa la vista e rasserena la mente, allevia lo stress e restituisce un senso di calma ed equilibrio.</translation>
    </message>
    <message>
        <source>Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked with wisdom, learning and quick, clear thinking, which is why students and writers often favor it. Yellow is also the color of gold, and it has long been associated with wealth, success and prosperity. Its bright and cheerful tone lifts the mood and encourages optimism. A little yellow helps you make decisions with a clear head.</source>
        <translation>Il giallo è il colore dell&apos;intelletto e si dice che stimoli la mente. È legato alla saggezza, all&apos;apprendimento e al pensiero rapido e lucido, ed è per questo che studenti e scrittori spesso lo prediligono. Il giallo è anche il colore dell&apos;oro ed è da tempo associato alla ricchezza, al successo e alla prosperità. La sua tonalità vivace e allegra solleva l&apos;umore e incoraggia l&apos;ottimismo. Un po&apos; di giallo ti aiuta a prendere decisioni a mente lucida.</translation>
    </message>
    <message>
        <source>White is the color of purity, innocence and new beginnings. It brings a feeling of peace and quiet to any space and calms a restless mind. Because it holds every color of the spectrum in equal measure, white stands for balance and completeness. It is a good choice whenever you wish to start afresh.</source>
        <translation>Il bianco è il colore della purezza, dell&apos;innocenza e dei nuovi inizi. Porta una sensazione di pace e tranquillità in ogni ambiente e calma la mente inquieta. Poiché contiene in egual misura tutti i colori dello spettro, il bianco rappresenta l&apos;equilibrio e la completezza. È una buona scelta ogni volta che desideri ricominciare da capo.</translation>
    </message>
    <message>
        <source>Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It combines the power and energy of red with the joy and cheer of yellow. Orange is a friendly, sociable color that invites conversation and makes people feel welcome. Wearing it shows that you are confident, open and ready to take on the world with enthusiasm.</source>
        <translation>L&apos;arancione è il colore del Sole, caldo e radioso come la luce di un pomeriggio d&apos;estate. Unisce la forza e l&apos;energia del rosso alla gioia e all&apos;allegria del giallo. È un colore cordiale e socievole, che invita alla conversazione e fa sentire le persone benvenute. Indossarlo mostra che hai fiducia in te, un animo aperto e la voglia di affrontare il mondo con entusiasmo.</translation>
    </message>
    <message>
        <source>Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid ground beneath our feet. It stands for stability, reliability and a down-to-earth approach to life that others find reassuring. Brown brings a sense of comfort and security, like a warm blanket or a cozy cabin in the woods. People who favor it value honesty, hard work and the simple pleasures of home and family.</source>
        <translation>Il marrone è il colore della terra, del terriccio, del legno e della pietra, e parla del terreno solido sotto i nostri piedi. Rappresenta la stabilità, l&apos;affidabilità e un approccio concreto alla vita che gli altri trovano rassicurante. Il marrone dona un senso di comfort e di sicurezza, come una coperta calda o un&apos;accogliente baita nel bosco. Chi lo predilige apprezza l&apos;onestà, il duro lavoro e i piaceri semplici della casa e della famiglia.</translation>
    </message>
    <message>
        <source>Violet is the color of sensitivity and deep compassion, and it has long been connected with the spiritual side of life. Healers and mystics prize it for its power to soothe the soul and mend the heart. Violet also awakens the imagination and nourishes creativity, making it a favorite of artists, poets and musicians. It encourages quiet reflection and a gentle understanding of others.</source>
        <translation>Il viola è il colore della sensibilità e della profonda compassione, ed è da sempre legato al lato spirituale della vita. Guaritori e mistici lo tengono in grande considerazione per il suo potere di lenire l&apos;anima e risanare il cuore. Il viola risveglia inoltre l&apos;immaginazione e nutre la creatività, ed è per questo uno dei colori preferiti da artisti, poeti e musicisti. Favorisce la riflessione silenziosa e una gentile comprensione degli altri.</translation>
    </message>
    <message>
        <source>Mars rules a person&apos;s assertiveness, physical power and anger. Depending on the house in which it falls, it shows where these forces can stir up conflict and trouble.</source>
        <translation>Marte governa l&apos;assertività, la forza fisica e la rabbia di una persona. A seconda della casa in cui si trova, indica dove queste forze possono suscitare conflitti e problemi.</translation>
    </message>
    <message>
        <source>Venus governs how a person expresses themselves socially, romantically and through the arts.</source>
        <translation>Venere governa il modo in cui una persona si esprime nella vita sociale, in amore e attraverso l&apos;arte.</translation>
    </message>
    <message>
        <source>Mercury rules the way that a person thinks, speaks and shares ideas.</source>
        <translation>Mercurio governa il modo in cui una persona pensa, parla e condivide le idee.</translation>
    </message>
    <message>
        <source>The Moon governs a person&apos;s feelings and emotional needs, and it reflects the upbringing and habits formed in early childhood. It also rules the unconscious mind, which shapes many decisions made without quite knowing why.</source>
        <translation>La Luna governa i sentimenti e i bisogni emotivi di una persona, e riflette l&apos;educazione ricevuta e le abitudini formate nella prima infanzia. Governa anche l&apos;inconscio, che orienta molte decisioni prese senza sapere bene perché.</translation>
    </message>
    <message>
        <source>The Sun is the giver of life, the source of the light and warmth that all things need to grow. In astrology it is the backbone of the whole chart, since its sign at birth is the one most people know as their own. The Sun stands for the self, the will and the vital spark that drives a person forward. On its good side it brings confidence, generosity, dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a need to be the center of attention. When the Sun is strongly placed in a chart, the person tends to be healthy, energetic and full of purpose. Such people are natural leaders who rise to positions of authority and shine in public life. Yet they must learn to share the stage, or their brilliance may blind them to others.</source>
        <translation>Il Sole dà la vita: è la fonte della luce e del calore di cui ogni cosa ha bisogno per crescere. In astrologia è la colonna portante dell&apos;intero tema natale, poiché il segno in cui si trova alla nascita è quello che la maggior parte delle persone conosce come proprio. Il Sole rappresenta l&apos;io, la volontà e la scintilla vitale che spinge una persona in avanti. Nel suo lato positivo porta sicurezza, generosità, dignità e un cuore caldo. Nel suo lato oscuro può generare orgoglio, arroganza, vanità e il bisogno di essere al centro dell&apos;attenzione. Quando il Sole occupa una posizione forte nel tema, la persona tende a essere sana, energica e piena di determinazione. Sono persone nate per guidare, che salgono a posizioni di autorità e brillano nella vita pubblica. Devono però imparare a dividere la scena con gli altri, altrimenti il loro splendore rischia di renderle cieche verso chi sta loro intorno.</translation>
    </message>
    <message>
        <source>Jupiter brings optimism, good fortune and growth, and its house placement shows where in life hope comes easily.</source>
        <translation>Giove porta ottimismo, fortuna e crescita, e la sua posizione nelle case indica in quali ambiti della vita la speranza arriva con facilità.</translation>
    </message>
    <message>
        <source>Saturn is the planet of obstacles, restrictions and limitations. It tests a person through delay and hard lessons.</source>
        <translation>Saturno è il pianeta degli ostacoli, delle restrizioni e dei limiti. Mette alla prova una persona attraverso ritardi e lezioni difficili.</translation>
    </message>
    <message>
        <source>You will love a home full of energy and movement, with bold red accents, strong lines and furniture that is simple, sturdy and easy to rearrange on a sudden whim.</source>
        <translation>Amerai una casa piena di energia e movimento, con audaci accenti rossi, linee decise e mobili semplici, robusti e facili da ridisporre seguendo l&apos;estro del momento.</translation>
    </message>
    <message>
        <source>You prefer sleek modern furniture in metal and glass to fussy antiques and delicate ornaments.</source>
        <translation>Preferisci i mobili moderni dalle linee filanti in metallo e vetro agli oggetti d&apos;antiquariato troppo elaborati e ai soprammobili delicati.</translation>
    </message>
    <message>
        <source>You will like a simple kitchen built for quick, no-fuss cooking.</source>
        <translation>Ti piacerà una cucina semplice, pensata per cucinare in fretta e senza complicazioni.</translation>
    </message>
    <message>
        <source>A home gym or a spare corner with exercise gear will keep you fit and happy.</source>
        <translation>Una palestra in casa o un angolo libero con qualche attrezzo per l&apos;allenamento ti manterrà in forma e di buon umore.</translation>
    </message>
    <message>
        <source>You will want the latest sound system and large, dramatic artwork that makes a statement the moment anyone steps inside.</source>
        <translation>Vorrai l&apos;impianto audio più recente e opere d&apos;arte grandi e d&apos;effetto, che facciano colpo non appena qualcuno mette piede in casa.</translation>
    </message>
    <message>
        <source>You will love a comfortable, luxurious home filled with solid wood furniture, sofas with plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be touched.</source>
        <translation>Amerai una casa comoda e lussuosa, piena di mobili in legno massiccio, divani con cuscini soffici e tessuti morbidi come velluto, ciniglia e cashmere, che invitano a essere toccati.</translation>
    </message>
    <message>
        <source>You will adore a lavish kitchen with a large table, because good food and the company of friends are among your greatest pleasures.</source>
        <translation>Adorerai una cucina sontuosa con un grande tavolo, perché la buona tavola e la compagnia degli amici sono tra i tuoi piaceri più grandi.</translation>
    </message>
    <message>
        <source>You prefer earthy tones of green, cream and rose, with natural materials like stone, linen and clay, and you will fill your rooms and garden with flowers.</source>
        <translation>Preferisci i toni terrosi del verde, del crema e del rosa, con materiali naturali come pietra, lino e argilla, e riempirai di fiori le tue stanze e il giardino.</translation>
    </message>
    <message>
        <source>Quality matters more to you than quantity, so you will gladly save up for one beautiful piece that will last you a whole lifetime.</source>
        <translation>Per te la qualità conta più della quantità, quindi risparmierai volentieri per un unico bel pezzo che ti durerà tutta la vita.</translation>
    </message>
    <message>
        <source>You will love light, airy rooms with plenty of windows, pale walls and flexible furniture that can be moved around easily whenever you feel the urge for a change of scene.</source>
        <translation>Amerai stanze luminose e ariose con tante finestre, pareti chiare e mobili versatili, facili da spostare ogni volta che senti il bisogno di cambiare scenario.</translation>
    </message>
    <message>
        <source>You will like bookshelves in every room, filled with books, magazines and puzzles.</source>
        <translation>Ti piaceranno le librerie in ogni stanza, piene di libri, riviste e rompicapi.</translation>
    </message>
    <message>
        <source>A cozy reading nook is an absolute must for you.</source>
        <translation>Un accogliente angolo lettura è per te assolutamente indispensabile.</translation>
    </message>
    <message>
        <source>You will enjoy having the newest gadgets, phones and computers close at hand in every room.</source>
        <translation>Ti piacerà avere a portata di mano, in ogni stanza, gadget, telefoni e computer di ultima generazione.</translation>
    </message>
    <message>
        <source>Touches of bright yellow will keep your spirits lively and high.</source>
        <translation>Qualche tocco di giallo acceso manterrà vivace il tuo spirito e alto il morale.</translation>
    </message>
    <message>
        <source>You will love a warm family home in which everyone feels safe and welcome.</source>
        <translation>Amerai una calda casa di famiglia in cui tutti si sentano al sicuro e ben accolti.</translation>
    </message>
    <message>
        <source>You will treasure heirlooms, old photographs and antiques that carry family memories, and you will display them with pride.</source>
        <translation>Custodirai con cura cimeli, vecchie fotografie e oggetti d&apos;antiquariato carichi di ricordi di famiglia, e li esporrai con orgoglio.</translation>
    </message>
    <message>
        <source>The kitchen is the heart of your home, and you will want it roomy, cozy and always well stocked.</source>
        <translation>La cucina è il cuore della tua casa, e la vorrai spaziosa, accogliente e sempre ben fornita.</translation>
    </message>
    <message>
        <source>You like soft curves and snug, rounded furniture to sink into.</source>
        <translation>Ti piacciono le curve morbide e i mobili avvolgenti e arrotondati in cui sprofondare.</translation>
    </message>
    <message>
        <source>You will like soothing shades of white, silver and sea blue throughout the house.</source>
        <translation>Ti piaceranno le rilassanti sfumature di bianco, argento e blu mare in tutta la casa.</translation>
    </message>
    <message>
        <source>A view of water or a little garden pond will delight you.</source>
        <translation>Una vista sull&apos;acqua o un laghetto in giardino ti incanterà.</translation>
    </message>
    <message>
        <source>You will love a grand, stately home that impresses visitors.</source>
        <translation>Amerai una casa grandiosa e signorile che faccia colpo sugli ospiti.</translation>
    </message>
    <message>
        <source>Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch of theater.</source>
        <translation>Il tuo soggiorno sarà il fiore all&apos;occhiello della casa, con un divano sontuoso, un lampadario di cristallo e un tocco di teatralità.</translation>
    </message>
    <message>
        <source>You will adore rich fabrics such as silk, brocade and velvet in deep regal colors.</source>
        <translation>Adorerai tessuti preziosi come seta, broccato e velluto in colori intensi e regali.</translation>
    </message>
    <message>
        <source>Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you perfectly.</source>
        <translation>Accenti in oro e ottone, specchi dorati e calde tonalità solari di arancione e rosso ti si addicono alla perfezione.</translation>
    </message>
    <message>
        <source>You will prefer large, eye-catching furniture and impressive art over anything small or understated, since your home must make a statement.</source>
        <translation>Preferirai mobili grandi e vistosi e opere d&apos;arte imponenti a tutto ciò che è piccolo o sobrio, perché la tua casa deve lasciare il segno.</translation>
    </message>
    <message>
        <source>A generous dining room where you can entertain your friends in style is essential.</source>
        <translation>Una sala da pranzo spaziosa, in cui ricevere gli amici con stile, è indispensabile.</translation>
    </message>
    <message>
        <source>You will love a clean, bright, uncluttered home where everything has its proper place.</source>
        <translation>Amerai una casa pulita, luminosa e sgombra, in cui ogni cosa ha il suo posto.</translation>
    </message>
    <message>
        <source>You prefer simple, functional furniture with clean lines, plenty of built-in storage and drawers that keep everything tidy.</source>
        <translation>Preferisci mobili semplici e funzionali dalle linee pulite, con tanti contenitori a incasso e cassetti che tengono tutto in ordine.</translation>
    </message>
    <message>
        <source>You will like natural materials such as wood, cotton and wicker, in calm shades of brown, beige and soft green, which give your rooms a restful, orderly feel.</source>
        <translation>Ti piaceranno i materiali naturali come legno, cotone e vimini, in tonalità tranquille di marrone, beige e verde tenue, che danno alle tue stanze un&apos;atmosfera riposante e ordinata.</translation>
    </message>
    <message>
        <source>A well-equipped study or home office, with neatly labeled files and a good desk lamp, is important to you.</source>
        <translation>Per te è importante uno studio ben attrezzato o un ufficio in casa, con cartelle etichettate con cura e una buona lampada da scrivania.</translation>
    </message>
    <message>
        <source>You will enjoy a little herb garden on a sunny windowsill.</source>
        <translation>Ti piacerà un piccolo orto di erbe aromatiche su un davanzale soleggiato.</translation>
    </message>
    <message>
        <source>You will love an elegant, harmonious home where all is balanced and well proportioned.</source>
        <translation>Amerai una casa elegante e armoniosa, dove tutto è equilibrato e ben proporzionato.</translation>
    </message>
    <message>
        <source>You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical groupings of pictures.</source>
        <translation>Preferisci mobili aggraziati disposti a coppie, con lampade coordinate e quadri raggruppati in modo simmetrico.</translation>
    </message>
    <message>
        <source>You will like soft pastels and olive green, with touches of pink.</source>
        <translation>Ti piaceranno i pastelli delicati e il verde oliva, con qualche tocco di rosa.</translation>
    </message>
    <message>
        <source>Fresh flowers will always brighten your rooms.</source>
        <translation>I fiori freschi ravviveranno sempre le tue stanze.</translation>
    </message>
    <message>
        <source>You will enjoy fine art and beautiful old mirrors.</source>
        <translation>Apprezzerai l&apos;arte raffinata e i begli specchi antichi.</translation>
    </message>
    <message>
        <source>You will love a private home that keeps the world at bay.</source>
        <translation>Amerai una casa riservata che tenga il mondo a distanza.</translation>
    </message>
    <message>
        <source>You prefer dramatic, moody interiors with deep colors, dark wood and low lighting.</source>
        <translation>Preferisci interni d&apos;effetto e d&apos;atmosfera, con colori profondi, legno scuro e luci soffuse.</translation>
    </message>
    <message>
        <source>You will like heavy curtains, hidden cupboards and rooms that keep your secrets.</source>
        <translation>Ti piaceranno le tende pesanti, gli armadi nascosti e le stanze che custodiscono i tuoi segreti.</translation>
    </message>
    <message>
        <source>A luxurious bathroom with a deep tub is your favorite place to relax and recharge.</source>
        <translation>Un bagno lussuoso con una vasca profonda è il tuo luogo preferito per rilassarti e ricaricarti.</translation>
    </message>
    <message>
        <source>You will enjoy crisp white bed linen set against dark walls.</source>
        <translation>Apprezzerai lenzuola bianche e fresche di bucato in contrasto con pareti scure.</translation>
    </message>
    <message>
        <source>Mirrors and candlelight add mystery for you.</source>
        <translation>Per te, specchi e lume di candela aggiungono un tocco di mistero.</translation>
    </message>
    <message>
        <source>You will love a relaxed, open-plan home with room to move and to entertain.</source>
        <translation>Amerai una casa informale e open space, con spazio per muoverti e per ricevere.</translation>
    </message>
    <message>
        <source>You prefer souvenirs and folk crafts from your travels abroad.</source>
        <translation>Preferisci i souvenir e l&apos;artigianato popolare portati dai tuoi viaggi all&apos;estero.</translation>
    </message>
    <message>
        <source>You will like old maps, globes and shelves crowded with travel books.</source>
        <translation>Ti piaceranno le vecchie carte geografiche, i mappamondi e gli scaffali stracolmi di libri di viaggio.</translation>
    </message>
    <message>
        <source>Violet and purple are the colors for you.</source>
        <translation>Il viola e il porpora sono i colori che fanno per te.</translation>
    </message>
    <message>
        <source>You will enjoy casual, sturdy furniture that can take a bit of rough use.</source>
        <translation>Apprezzerai mobili informali e robusti, in grado di sopportare un uso un po&apos; energico.</translation>
    </message>
    <message>
        <source>A big porch or sunny patio will suit you well.</source>
        <translation>Una grande veranda o un patio soleggiato faranno al caso tuo.</translation>
    </message>
    <message>
        <source>You will love a traditional, dignified home that is built to last.</source>
        <translation>Amerai una casa tradizionale e decorosa, costruita per durare.</translation>
    </message>
    <message>
        <source>You prefer classic furniture of solid oak, leather and quality wool.</source>
        <translation>Preferisci i mobili classici in rovere massiccio, pelle e lana di qualità.</translation>
    </message>
    <message>
        <source>You will like a well-ordered study with a large desk and a leather chair.</source>
        <translation>Ti piacerà uno studio ben ordinato con una grande scrivania e una poltrona in pelle.</translation>
    </message>
    <message>
        <source>Muted tones of green, gray and blue suit you.</source>
        <translation>Le tonalità smorzate di verde, grigio e blu ti si addicono.</translation>
    </message>
    <message>
        <source>You will enjoy antiques and family portraits that show a sense of history and heritage.</source>
        <translation>Apprezzerai i mobili antichi e i ritratti di famiglia che trasmettono il senso della storia e delle tradizioni.</translation>
    </message>
    <message>
        <source>Floors of good stone or slate will please you.</source>
        <translation>Ti conquisteranno i pavimenti in pietra pregiata o in ardesia.</translation>
    </message>
    <message>
        <source>You will buy fewer things, but each piece you choose will be of lasting quality.</source>
        <translation>Comprerai meno cose, ma ogni pezzo che sceglierai sarà di una qualità destinata a durare.</translation>
    </message>
    <message>
        <source>You will love an unusual, modern home that reflects your individuality.</source>
        <translation>Amerai una casa moderna e insolita che rispecchi la tua individualità.</translation>
    </message>
    <message>
        <source>You prefer open-plan living with futuristic furniture in glass, chrome and molded plastic.</source>
        <translation>Preferisci un open space con arredi futuristici in vetro, cromo e plastica stampata.</translation>
    </message>
    <message>
        <source>You will like the latest smart-home gadgets and new technology.</source>
        <translation>Ti piaceranno gli ultimi dispositivi di domotica e le nuove tecnologie.</translation>
    </message>
    <message>
        <source>White walls with electric blue accents suit you.</source>
        <translation>Pareti bianche con accenti blu elettrico ti si addicono.</translation>
    </message>
    <message>
        <source>You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends.</source>
        <translation>Apprezzerai pezzi stravaganti e unici nel loro genere, che fanno nascere conversazioni tra i tuoi amici.</translation>
    </message>
    <message>
        <source>A large room where friends can gather for lively discussions is a must for you.</source>
        <translation>Per te è indispensabile una grande stanza in cui gli amici possano riunirsi per discussioni animate.</translation>
    </message>
    <message>
        <source>You will love a peaceful, dreamy home near the water.</source>
        <translation>Amerai una casa tranquilla e sognante vicino all&apos;acqua.</translation>
    </message>
    <message>
        <source>You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture.</source>
        <translation>Preferisci tessuti morbidi e fluenti, tende bianche trasparenti e mobili dalle curve dolci.</translation>
    </message>
    <message>
        <source>You will like shades of sea green, lavender and soft violet on your walls.</source>
        <translation>Ti piaceranno le sfumature di verde mare, lavanda e viola tenue sulle tue pareti.</translation>
    </message>
    <message>
        <source>An aquarium full of fish would bring you joy.</source>
        <translation>Un acquario pieno di pesci ti renderebbe felice.</translation>
    </message>
    <message>
        <source>You will enjoy a quiet room for music and art.</source>
        <translation>Apprezzerai una stanza tranquilla dedicata alla musica e all&apos;arte.</translation>
    </message>
    <message>
        <source>Soft lighting and scented candles will help you to unwind.</source>
        <translation>Luci soffuse e candele profumate ti aiuteranno a rilassarti.</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Leo and Sagittarius</source>
        <translation>Leone e Sagittario</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>You are bold, brave and full of energy. You love a challenge and rarely back away from one. You are a natural leader who likes to be first. You act quickly and decisively when others hesitate. You are honest and say exactly what you think. You are enthusiastic, and your zest for life is contagious. You have a strong pioneering spirit. You enjoy starting new projects and blazing new trails. You are independent and trust your own judgment. You are generous with your time, energy and praise. You recover quickly from setbacks and never hold a grudge for long. You are competitive and play to win. You fiercely protect those you care about and will stand up for the weak. Your optimism and courage inspire the people around you.</source>
        <translation>Sei una persona audace e coraggiosa, e trabocchi di energia. Ami le sfide e raramente ti tiri indietro. Hai la stoffa del leader e ti piace essere in testa. Agisci con rapidità e decisione quando gli altri esitano. L&apos;onestà ti contraddistingue e dici esattamente ciò che pensi. Il tuo entusiasmo e la tua voglia di vivere sono contagiosi. Hai un forte spirito pionieristico. Ti piace avviare nuovi progetti e aprire strade nuove. Sei indipendente e ti fidi del tuo giudizio. Non risparmi il tuo tempo, la tua energia e le tue lodi. Ti riprendi in fretta dalle difficoltà e non porti mai rancore a lungo. Hai spirito competitivo e giochi per vincere. Proteggi con tutte le tue forze le persone a cui tieni e prendi le difese dei più deboli. Il tuo ottimismo e il tuo coraggio sono d&apos;ispirazione per chi ti sta intorno.</translation>
    </message>
    <message>
        <source>You can be impatient and hate to wait for anything. You are sometimes impulsive and act before you think. Your temper flares up quickly, although it cools just as fast. You can be selfish when you want something badly. You may be bossy and expect others to follow your lead. You tend to lose interest once the excitement of a new project fades. You can be reckless and take needless risks. You are often blunt to the point of being tactless. You dislike being told what to do. You can be aggressive when you feel challenged. You rarely stop to consider the feelings of others. You sometimes start more than you can finish.</source>
        <translation>Puoi essere impaziente e detesti aspettare, qualunque cosa sia. A volte agisci d&apos;impulso, prima di riflettere. Ti arrabbi in fretta, anche se la collera ti passa altrettanto presto. Puoi diventare egoista quando desideri ardentemente qualcosa. Potresti avere la tendenza a comandare e aspettarti che gli altri ti seguano. Tendi a perdere interesse quando l&apos;entusiasmo per un nuovo progetto svanisce. Puoi essere imprudente e correre rischi inutili. Spesso la tua franchezza sconfina nella mancanza di tatto. Non sopporti che ti si dica cosa fare. Puoi reagire con aggressività quando qualcuno ti sfida. Raramente ti fermi a considerare i sentimenti degli altri. A volte inizi più cose di quante tu riesca a portarne a termine.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Capricorn and Virgo</source>
        <translation>Capricorno e Vergine</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smeraldo</translation>
    </message>
    <message>
        <source>You are patient, reliable and wonderfully steady. You are practical and have both feet planted firmly on the ground. You are loyal to your friends and devoted to your family. You work hard and see every task through to the end. You have a great love of beauty, art and music. You enjoy the good things in life, such as fine food, soft fabrics and a comfortable home. You are warm-hearted and affectionate. You are calm in a crisis, and others lean on your strength. You are sensible with money and build security over time. You are determined and do not give up easily. You have a keen eye for quality. You are generous to those you love. You are a faithful and trustworthy partner. Your calm and gentle presence puts people at ease.</source>
        <translation>Sei paziente, affidabile e di una costanza ammirevole. Hai senso pratico e tieni entrambi i piedi ben piantati per terra. Sei leale con gli amici e ti dedichi anima e corpo alla famiglia. Lavori sodo e porti a termine ogni compito. Ami profondamente la bellezza, l&apos;arte e la musica. Ti godi le cose belle della vita, come la buona cucina, i tessuti morbidi e una casa confortevole. Hai un cuore caldo e affettuoso. Nelle crisi mantieni la calma, e gli altri si appoggiano alla tua forza. Gestisci il denaro con giudizio e costruisci la tua sicurezza nel tempo. Hai una grande determinazione e non ti arrendi facilmente. Sai riconoscere la qualità al primo sguardo. Con le persone che ami sei di una grande generosità. Come partner sei fedele e affidabile. La tua presenza calma e gentile mette le persone a proprio agio.</translation>
    </message>
    <message>
        <source>You can be stubborn and hate to change your mind. You are sometimes possessive of people and things. You may be lazy when comfort calls. You can be slow to forgive. You resist change even when it is needed. You are prone to overindulgence in food and luxury. You can be materialistic and too fond of possessions. You may become jealous in love. Once angered, you can be slow to calm down and hard to reason with.</source>
        <translation>La testardaggine può prendere il sopravvento e detesti cambiare idea. A volte mostri un atteggiamento possessivo verso persone e cose. Quando la comodità ti chiama, puoi cedere alla pigrizia. Puoi metterci molto a perdonare. Opponi resistenza al cambiamento anche quando è necessario. Tendi a eccedere nel cibo e nei lussi. Puoi essere materialista e dare troppa importanza ai beni che possiedi. In amore può prenderti la gelosia. Quando la rabbia ti assale, puoi metterci molto a calmarti e diventa difficile farti ragionare.</translation>
    </message>
    <message>
        <source>Color Green</source>
        <translation>Colore verde</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aria</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Aquarius and Libra</source>
        <translation>Acquario e Bilancia</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Agata</translation>
    </message>
    <message>
        <source>You are quick-witted, clever and endlessly curious. You love to learn and absorb new information with ease. You are a brilliant talker who can chat with anyone about anything. You are adaptable and handle change gracefully. You have a lively sense of humor. You are youthful in spirit at any age. You can juggle several tasks at once. You are sociable and make friends wherever you go. You are inventive and full of bright ideas. You write and speak with flair and can explain complex ideas in simple words. You enjoy variety and keep life interesting for everyone around you. You see both sides of every argument. You are open-minded and tolerant of other points of view. Your energy and charm make you delightful company at any gathering.</source>
        <translation>Hai una mente pronta e brillante e una curiosità senza fine. Ami imparare e assorbi con facilità nuove informazioni. Hai il dono della parola e sai chiacchierare con chiunque di qualsiasi cosa. Sai adattarti e affronti i cambiamenti con disinvoltura. Hai un vivace senso dell&apos;umorismo. Hai uno spirito giovane a qualsiasi età. Riesci a destreggiarti tra più attività contemporaneamente. Sei socievole e fai amicizia ovunque tu vada. Hai inventiva e sei una fucina di idee brillanti. Scrivi e parli con stile e sai spiegare concetti complessi con parole semplici. Ami la varietà e rendi la vita interessante per tutti quelli che ti stanno intorno. Sai vedere entrambe le facce di ogni questione. Hai una mentalità aperta e rispetti i punti di vista altrui. La tua energia e il tuo fascino fanno di te una compagnia deliziosa in ogni occasione.</translation>
    </message>
    <message>
        <source>You can be restless and easily bored. You are sometimes inconsistent and change your mind by the hour. You may be superficial and skim the surface of things. You can be nervous and high-strung. You tend to gossip more than you should. You find it hard to commit to one plan or one person. You can be cunning when it suits you. You often scatter your energy across too many projects. You may seem unreliable to others. You can talk your way out of trouble too easily. You sometimes rely on charm rather than hard work to get by.</source>
        <translation>L&apos;irrequietezza ti prende facilmente e ti annoi in fretta. A volte sei incoerente e cambi idea di ora in ora. Puoi essere superficiale e fermarti all&apos;apparenza delle cose. Puoi innervosirti facilmente e vivere con i nervi a fior di pelle. Tendi a spettegolare più del dovuto. Fai fatica a impegnarti con un solo progetto o con una sola persona. Quando ti conviene, sai ricorrere all&apos;astuzia. Spesso disperdi le tue energie in troppi progetti. Agli altri puoi sembrare inaffidabile. Riesci a cavartela con le parole fin troppo facilmente. A volte, per tirare avanti, ti affidi al fascino anziché all&apos;impegno.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Pisces and Scorpio</source>
        <translation>Pesci e Scorpione</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perla</translation>
    </message>
    <message>
        <source>You are caring, loving and deeply protective. You always put your family first. You have a wonderful memory, especially for people and events from the past. You are intuitive and can sense what others are feeling. You are loyal and stand by your loved ones through thick and thin. You are sympathetic and a good listener. You are imaginative and creative. You are tenacious and hold on to what matters to you. You are a natural homemaker. You love to cook for the people you care about. You are gentle, kind and patient. You are shrewd with money and rarely waste it. You are patriotic and proud of your roots. You cherish tradition and family history. You make others feel safe and welcome. You are emotionally intelligent. You are quick to comfort anyone in distress. You are persuasive in a quiet way. Your tender heart and devotion make you a treasured friend.</source>
        <translation>Sei una persona premurosa, affettuosa e molto protettiva. Metti sempre la famiglia al primo posto. Hai una memoria straordinaria, soprattutto per le persone e gli eventi del passato. Grazie al tuo intuito percepisci ciò che provano gli altri. Sei leale e resti accanto alle persone care nella buona e nella cattiva sorte. Hai un animo comprensivo e sai ascoltare. Hai fantasia e creatività. Sei tenace e non lasci andare ciò che conta per te. Hai un talento naturale per prenderti cura della casa. Ami cucinare per le persone a cui tieni. Sei gentile, dolce e paziente. Gestisci il denaro con accortezza e lo sprechi di rado. Ami la tua patria e provi orgoglio per le tue radici. Hai a cuore le tradizioni e la storia della tua famiglia. Fai sentire gli altri al sicuro e ben accolti. Possiedi una spiccata intelligenza emotiva. Corri subito a consolare chiunque sia in difficoltà. Hai un modo discreto ma efficace di persuadere. Il tuo cuore tenero e la tua dedizione rendono la tua amicizia un bene prezioso.</translation>
    </message>
    <message>
        <source>You can be moody, and your feelings change like the tides. You are sometimes overly sensitive and easily hurt. You may cling to the past and find it hard to let go. You can be overprotective of the people you love. You tend to worry about things that may never happen. You can retreat into your shell when upset. You are sometimes manipulative when you feel insecure. You may be touchy and take harmless remarks to heart. You can hold on to grudges for years. You are prone to self-pity when things go wrong. You can be suspicious of strangers. You sometimes smother others with too much care and attention.</source>
        <translation>Il tuo umore è mutevole e i tuoi sentimenti cambiano come le maree. A volte sei fin troppo sensibile e basta poco per ferirti. Potresti aggrapparti al passato e fare fatica a lasciarlo andare. Puoi proteggere fin troppo le persone che ami. Tendi a preoccuparti per cose che forse non accadranno mai. Quando qualcosa ti turba, puoi rinchiuderti nel tuo guscio. A volte, quando l&apos;insicurezza ti assale, cerchi di manipolare gli altri. Puoi offenderti facilmente e prendertela per osservazioni innocue. Puoi serbare rancore per anni. Quando le cose vanno male, tendi a commiserarti. Puoi diffidare degli sconosciuti. A volte soffochi gli altri con troppe cure e attenzioni.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>8 and 9</source>
        <translation>8 e 9</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Aries and Sagittarius</source>
        <translation>Ariete e Sagittario</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubino</translation>
    </message>
    <message>
        <source>You are generous, warm-hearted and big-spirited. You are a born leader who takes charge with style and grace. You are confident and carry yourself with natural dignity. You are creative and have a flair for the dramatic. You are loyal to your friends and fiercely protective of them. You are cheerful and bring sunshine wherever you go. You are enthusiastic about life and live it to the full. You are broad-minded and tolerant of human failings. You are ambitious and aim for the very top in all you do. You are honest and expect honesty in return. You are playful and love to have fun with friends and children alike. You are a wonderful host who loves to entertain. You are courageous in the face of difficulty. You have a great capacity for love and affection. You are proud of your achievements, and rightly so. You encourage others to shine as well and praise them generously. You are faithful in love and true to your word. Your warmth and magnetism draw admirers to you like moths to a flame.</source>
        <translation>Hai un cuore generoso, caldo e magnanimo. Comandare è nella tua natura, e prendi le redini con stile e grazia. Hai fiducia in te e ti muovi con una dignità naturale. Hai una vena creativa e un talento per la teatralità. Sei leale con gli amici e li difendi a spada tratta. Hai un carattere allegro e porti il sole ovunque tu vada. Affronti la vita con entusiasmo e la vivi appieno. Hai una mente aperta e sei indulgente con le debolezze umane. Hai grandi ambizioni e punti al massimo in tutto ciò che fai. Tieni all&apos;onestà e la pretendi anche dagli altri. Hai un animo giocoso e ami divertirti con gli amici come con i bambini. Sai ricevere in modo splendido e ami intrattenere gli ospiti. Di fronte alle difficoltà dimostri coraggio. Hai una grande capacità di amare e di dare affetto. Provi orgoglio per i tuoi successi, e a ragione. Incoraggi anche gli altri a brillare e li lodi con generosità. In amore sei fedele e mantieni sempre la parola data. Il tuo calore e il tuo magnetismo attirano gli ammiratori come la fiamma attira le falene.</translation>
    </message>
    <message>
        <source>You can be vain and love to be admired. You are sometimes arrogant and overbearing. You may be pompous when you feel important. You can be bossy and patronizing. You like to be the center of attention at all times. You are easily wounded by criticism. You can be stubborn about your opinions. You sometimes spend lavishly beyond your means. You may be intolerant of people who do not share your views. You can be dogmatic and refuse to admit you are wrong. You dislike playing second fiddle to anyone. You tend to exaggerate your own importance. You can sulk when ignored. You sometimes demand loyalty while forgetting that it must be earned.</source>
        <translation>Puoi peccare di vanità e adori suscitare ammirazione. A volte sei arrogante e prepotente. Quando ti senti importante, puoi assumere un&apos;aria pomposa. Puoi avere modi autoritari e condiscendenti. Ti piace essere sempre al centro dell&apos;attenzione. Le critiche ti feriscono facilmente. Puoi difendere le tue opinioni con ostinazione. A volte spendi e spandi al di sopra delle tue possibilità. Puoi essere intollerante verso chi non condivide le tue idee. Puoi arroccarti su posizioni dogmatiche e rifiutarti di ammettere di avere torto. Non sopporti di restare in secondo piano rispetto a chiunque. Tendi a sopravvalutare la tua importanza. Quando ti ignorano, puoi tenere il broncio. A volte pretendi lealtà dimenticando che bisogna guadagnarsela.</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Il Sole</translation>
    </message>
    <message>
        <source>3 and 5</source>
        <translation>3 e 5</translation>
    </message>
    <message>
        <source>Capricorn and Taurus</source>
        <translation>Capricorno e Toro</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Zaffiro</translation>
    </message>
    <message>
        <source>You are modest, practical and hard-working. You have a sharp, analytical mind. You pay great attention to detail and rarely miss a thing. You are reliable and always do what you promise. You are neat, methodical and well organized. You are kind and love to be of service to others. You are intelligent and express yourself clearly. You take good care of your health and keep yourself fit. You are honest and conscientious in all that you do. Your quiet efficiency makes you an invaluable friend and colleague.</source>
        <translation>Sei una persona modesta, pratica e laboriosa. Hai una mente acuta e analitica. Presti grande attenzione ai dettagli e raramente ti sfugge qualcosa. Sei affidabile e fai sempre ciò che prometti. Ami l&apos;ordine, lavori con metodo e sai organizzarti bene. Sei gentile e ami renderti utile agli altri. Sei intelligente e ti esprimi con chiarezza. Ti prendi cura della tua salute e ti mantieni in forma. In tutto ciò che fai dimostri onestà e scrupolo. La tua discreta efficienza ti rende insostituibile per amici e colleghi.</translation>
    </message>
    <message>
        <source>You can be fussy and overly critical of others. You are sometimes a perfectionist who is never satisfied. You may worry too much about small things. You can be harsh in your judgments. You tend to be a little too conservative. You often neglect your own needs while caring for others. You can be shy and reluctant to show your feelings.</source>
        <translation>Puoi peccare di pignoleria e criticare troppo gli altri. A volte sei perfezionista al punto che nulla ti soddisfa mai. Potresti preoccuparti troppo per le piccole cose. I tuoi giudizi possono essere duri. Tendi ad avere idee un po&apos; troppo conservatrici. Spesso trascuri i tuoi bisogni mentre ti prendi cura degli altri. La timidezza può frenarti nel mostrare i tuoi sentimenti.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>6 and 9</source>
        <translation>6 e 9</translation>
    </message>
    <message>
        <source>Aquarius and Gemini</source>
        <translation>Acquario e Gemelli</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opale</translation>
    </message>
    <message>
        <source>You are charming, diplomatic and easygoing. You have a strong sense of fairness and justice. You are a natural peacemaker in any dispute. You are romantic and idealistic in love. You appreciate beauty in all its forms. You have refined taste and an eye for elegance. You are sociable and enjoy good company. You are gracious and polite, even to people you dislike. You see every side of a question before you decide. You work best in partnership with others. You are cooperative and tactful. You are a gentle and considerate friend. You bring harmony to any group. Your grace and good manners win you friends wherever you go and make every gathering you attend a little more pleasant for everyone who shares it with you.</source>
        <translation>Hai fascino, diplomazia e un carattere accomodante. Hai un forte senso dell&apos;equità e della giustizia. In qualsiasi lite, riportare la pace ti viene naturale. In amore sei un&apos;anima romantica e idealista. Apprezzi la bellezza in tutte le sue forme. Hai gusti raffinati e un occhio per l&apos;eleganza. Sei socievole e ami la buona compagnia. Sei cortese e gentile anche con le persone che non ti piacciono. Prima di decidere, esamini ogni aspetto di una questione. Dai il meglio di te quando lavori insieme agli altri. Sai collaborare e hai molto tatto. Nell&apos;amicizia mostri dolcezza e premura. Porti armonia in qualsiasi gruppo. La tua grazia e le tue buone maniere ti fanno conquistare amicizie ovunque tu vada e rendono ogni incontro a cui partecipi un po&apos; più piacevole per tutti coloro che lo condividono con te.</translation>
    </message>
    <message>
        <source>You can be indecisive and spend ages weighing up every option. You are sometimes easily influenced by the opinions of others. You may be flirtatious and a little fickle in matters of love. You tend to avoid confrontation even when it is truly needed. You can be self-indulgent and lazy when it suits you. You sometimes hide your true feelings just to keep the peace.</source>
        <translation>L&apos;indecisione può farti passare un&apos;eternità a soppesare ogni possibilità. A volte ti lasci influenzare facilmente dalle opinioni altrui. In amore ti piace flirtare e puoi essere un po&apos; volubile. Tendi a evitare il confronto anche quando è davvero necessario. Quando ti fa comodo, puoi concederti troppo e lasciarti andare alla pigrizia. A volte nascondi i tuoi veri sentimenti solo per mantenere la pace.</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>2 and 4</source>
        <translation>2 e 4</translation>
    </message>
    <message>
        <source>Cancer and Pisces</source>
        <translation>Cancro e Pesci</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topazio</translation>
    </message>
    <message>
        <source>You are determined and forceful, and once you set your sights on a goal you pursue it to the end. You are passionate and throw your whole heart into everything you do. You have a deep emotional intelligence and can see right through pretense. You are loyal, and your devotion to those you love knows no bounds. You are resourceful and never run out of ways to solve a difficult problem. You are brave and face even the darkest challenges of life without flinching. You have a magnetic personality that others find hard to resist. You are perceptive and often know what people are thinking before they speak. You keep secrets well, and friends trust you with their most private thoughts and fears.</source>
        <translation>Hai determinazione e forza di volontà, e quando punti a un obiettivo lo persegui fino in fondo. Sei passionale e metti tutto il cuore in ciò che fai. Possiedi una profonda intelligenza emotiva e smascheri subito ogni finzione. Sei leale, e la tua dedizione verso chi ami non conosce limiti. Hai mille risorse e trovi sempre un modo per risolvere un problema difficile. Hai coraggio e affronti anche le sfide più oscure della vita senza battere ciglio. Hai una personalità magnetica a cui gli altri resistono a fatica. Hai un grande acume e spesso sai cosa pensano le persone prima ancora che parlino. Sai custodire i segreti, e gli amici ti confidano i loro pensieri e le loro paure più intimi.</translation>
    </message>
    <message>
        <source>You can be jealous and possessive in your relationships. You are sometimes secretive to the point of being mysterious even to your closest friends. You may be resentful and find it hard to forgive a wrong. You can be compulsive and obsessive when something grips you. You have a sharp sting when crossed. You are sometimes suspicious of other people&apos;s motives. You can be stubborn and unwilling to compromise. You tend to keep your feelings bottled up until they explode. You may seek revenge when you feel betrayed, even long after the event.</source>
        <translation>Nelle relazioni possono prenderti la gelosia e la possessività. A volte la tua riservatezza è tale da renderti un mistero anche per gli amici più stretti. Potresti covare risentimento e faticare a perdonare un torto. Quando qualcosa ti cattura, rischi di cadere nella compulsione e nell&apos;ossessione. Se qualcuno ti contraria, il tuo pungiglione sa colpire duro. A volte diffidi delle intenzioni altrui. Puoi rifiutare con ostinazione ogni compromesso. Tendi a reprimere i tuoi sentimenti finché non esplodono. Quando senti di aver subito un tradimento, potresti cercare vendetta, anche molto tempo dopo.</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Plutone e Marte</translation>
    </message>
    <message>
        <source>5 and 7</source>
        <translation>5 e 7</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Aries and Leo</source>
        <translation>Ariete e Leone</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <source>You are optimistic, cheerful and full of good humor. You love freedom and need plenty of room to roam. You are adventurous and eager to explore far-off places and new ideas. You are honest and straightforward, and you always say what you mean. You are broad-minded and open to every culture and way of life. You are a natural philosopher who wonders about the meaning of things. You are generous with your time, your money and your laughter. You are enthusiastic and inspire others with your zest for life. You are intellectual and love to study, read and debate big questions. You are friendly and easy to get along with, whoever you meet. You have a great sense of fun and a playful spirit that never grows old. You are a lucky soul who bounces back from every misfortune with a smile. Your faith in the future and your sense of adventure make life with you an exciting journey.</source>
        <translation>Hai un carattere ottimista, allegro e pieno di buonumore. Ami la libertà e hai bisogno di tanto spazio in cui muoverti. Hai uno spirito avventuroso e non vedi l&apos;ora di esplorare luoghi lontani e idee nuove. Sei una persona onesta e schietta, e dici sempre quello che pensi. Hai ampie vedute e ti apri a ogni cultura e stile di vita. Hai un&apos;indole da filosofo e ti interroghi sul senso delle cose. Non lesini il tuo tempo, il tuo denaro e le tue risate. Con il tuo entusiasmo e la tua voglia di vivere ispiri gli altri. Ami la vita intellettuale: studiare, leggere e discutere dei grandi interrogativi. Sei cordiale e chiunque tu incontri va d&apos;accordo con te facilmente. Hai un grande senso del divertimento e uno spirito giocoso che non invecchia mai. Sei un&apos;anima fortunata che si rialza da ogni disavventura con il sorriso. La tua fiducia nel futuro e il tuo spirito d&apos;avventura rendono la vita al tuo fianco un viaggio entusiasmante.</translation>
    </message>
    <message>
        <source>You can be restless and unable to settle down. You are sometimes careless and tactless in what you say. You may be irresponsible when duty calls and fun beckons. You tend to promise more than you can deliver. You can be impatient with details and daily routine. You are prone to exaggeration when you tell a good story. You sometimes take foolish risks just for the thrill of it.</source>
        <translation>L&apos;irrequietezza può impedirti di mettere radici. A volte parli con leggerezza e senza tatto. Potresti essere irresponsabile quando il dovere chiama e il divertimento ti tenta. Tendi a promettere più di quanto puoi mantenere. Puoi essere insofferente verso i dettagli e la routine quotidiana. Quando racconti una bella storia tendi a esagerare. A volte corri rischi sciocchi solo per il brivido.</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>8 and 2</source>
        <translation>8 e 2</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Taurus and Virgo</source>
        <translation>Toro e Vergine</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granato</translation>
    </message>
    <message>
        <source>You are practical, prudent and ambitious. You are disciplined and work steadily toward long-term goals. You are patient and willing to wait for success. You are responsible and take your duties seriously. You are reliable, and people know they can count on you. You have a dry and witty sense of humor. You are persistent and do not give up when things get hard. You are careful with money and plan for the future. You respect tradition and the wisdom of experience. You are organized and make the most of your time. You are loyal to family and friends and stand by them for life. You are a capable manager who gets things done. Your quiet determination and sense of purpose carry you to the top of any mountain you choose to climb.</source>
        <translation>Hai senso pratico, prudenza e grandi ambizioni. Hai una forte autodisciplina e lavori con costanza verso obiettivi a lungo termine. Sei paziente e sai aspettare il successo. Sei responsabile e prendi sul serio i tuoi doveri. Sei affidabile e la gente sa di poter contare su di te. Hai un senso dell&apos;umorismo asciutto e arguto. Sei perseverante e non ti arrendi quando le cose si fanno difficili. Amministri il denaro con attenzione e fai progetti per il futuro. Rispetti la tradizione e la saggezza che viene dall&apos;esperienza. Sai organizzarti e sfrutti al meglio il tuo tempo. Sei leale con la famiglia e gli amici e resti al loro fianco per tutta la vita. Hai ottime doti manageriali e sai portare a termine ciò che inizi. La tua silenziosa determinazione e la chiarezza dei tuoi obiettivi ti portano in vetta a qualsiasi montagna tu decida di scalare.</translation>
    </message>
    <message>
        <source>You can be pessimistic and expect the worst. You are sometimes rigid and set in your ways. You may be too serious and forget to have fun. You can be cold and distant with people you do not know well. You tend to be a workaholic who neglects rest and play. You can be stubborn and unwilling to listen to new ideas. You are sometimes miserly with money. You may judge others by their status or success. You can be unforgiving of mistakes, including your own. You sometimes bottle up your worries and carry the weight of the world alone.</source>
        <translation>Puoi essere pessimista e aspettarti il peggio. A volte sei inflessibile e non ti schiodi dalle tue abitudini. Potresti prendere la vita troppo sul serio e dimenticarti di divertirti. Con chi non conosci bene puoi mostrare freddezza e distacco. Tendi a vivere per il lavoro, trascurando il riposo e lo svago. Puoi intestardirti e rifiutare di ascoltare idee nuove. A volte con il denaro sei di manica stretta. Potresti giudicare gli altri in base alla loro posizione sociale o al loro successo. Puoi essere implacabile con gli errori, compresi i tuoi. A volte tieni dentro le tue preoccupazioni e porti tutto il peso del mondo sulle tue sole spalle.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>1 and 7</source>
        <translation>1 e 7</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>You are friendly, humane and deeply concerned with the welfare of others. You are original and inventive, always full of fresh ideas. You are independent and value your freedom above almost everything. You are intellectual and love to explore new theories and technologies. You are honest and loyal to your friends, whom you treat as family. You are progressive and look to the future rather than the past. You are open-minded and accept people as they are. You are a true humanitarian who dreams of a better world for everyone. You are clever and can solve problems in unusual ways. You are tolerant of differences and quick to defend the underdog. Your vision and willingness to be different make you a genuine pioneer who helps move the world forward.</source>
        <translation>Sei cordiale, hai un grande senso di umanità e ti sta profondamente a cuore il benessere degli altri. Hai originalità e spirito inventivo, e non ti mancano mai idee fresche. Sei indipendente e metti la tua libertà al di sopra di quasi ogni cosa. Hai interessi intellettuali e ami esplorare nuove teorie e tecnologie. Con gli amici, che consideri parte della famiglia, dimostri onestà e lealtà. Hai idee progressiste e guardi al futuro più che al passato. Hai una mente aperta e accetti le persone come sono. Hai un autentico spirito umanitario e sogni un mondo migliore per tutti. Sei intelligente e sai risolvere i problemi in modi insoliti. Rispetti le differenze e corri subito in difesa di chi è svantaggiato. La tua lungimiranza e il tuo coraggio di distinguerti fanno di te un&apos;autentica figura pionieristica che aiuta il mondo a progredire.</translation>
    </message>
    <message>
        <source>You can be detached and seem emotionally distant to those who love you. You are sometimes stubborn and refuse to change your opinions once they are formed. You may be unpredictable, and your sudden changes of plan can unsettle others. You can be contrary just for the sake of it. You tend to rebel against rules, even sensible ones. You are sometimes tactless when you speak your mind. You may be aloof and keep people at arm&apos;s length. You can be so wrapped up in big ideas that you forget practical matters. You sometimes value your independence so much that you avoid close ties. You can be eccentric in ways that puzzle the people around you.</source>
        <translation>Puoi mostrare un certo distacco e sembrare emotivamente distante a chi ti ama. A volte ti ostini e rifiuti di cambiare opinione una volta che te la sei fatta. Potresti essere imprevedibile, e i tuoi improvvisi cambi di programma possono destabilizzare gli altri. Puoi fare il bastian contrario solo per il gusto di farlo. Tendi a ribellarti alle regole, anche a quelle sensate. A volte, quando dici ciò che pensi, manchi di tatto. Potresti stare sulle tue e tenere le persone a distanza. Le grandi idee possono assorbirti al punto da farti dimenticare le questioni pratiche. A volte tieni così tanto alla tua indipendenza da evitare i legami stretti. La tua eccentricità può lasciare perplesso chi ti sta intorno.</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <translation>Urano e Saturno</translation>
    </message>
    <message>
        <source>2 and 6</source>
        <translation>2 e 6</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Acquamarina</translation>
    </message>
    <message>
        <source>You are imaginative, sensitive and deeply compassionate. You are kind and gentle, and you feel the pain of others as if it were your own. You are intuitive and often sense things before they happen. You are selfless and always ready to help those in need. You are artistic and have a rich inner world of dreams. You are adaptable and flow easily with the changes of life. You are romantic and devoted in love. You are a wonderful listener who never judges or criticizes. You are spiritual and drawn to the mysteries of life. You are modest and never seek the limelight for yourself. Your gentle soul and generous heart make the world a softer and kinder place for all who know you.</source>
        <translation>Hai molta fantasia, una grande sensibilità e una profonda compassione. Sei gentile e dolce, e senti il dolore degli altri come se fosse tuo. Hai un forte intuito e spesso percepisci le cose prima che accadano. Sei altruista e aiuti sempre volentieri chi ha bisogno. Hai un animo artistico e un ricco mondo interiore fatto di sogni. Hai una grande capacità di adattamento e segui con naturalezza il flusso dei cambiamenti della vita. In amore ti doni con romanticismo e devozione. Sai ascoltare come pochi, senza mai giudicare né criticare. Hai un&apos;indole spirituale e i misteri della vita ti affascinano. Sei una persona umile e non cerchi mai le luci della ribalta. La tua anima gentile e il tuo cuore generoso rendono il mondo un luogo più dolce e più buono per tutti quelli che ti conoscono.</translation>
    </message>
    <message>
        <source>You can be escapist and retreat into a world of fantasy. You are sometimes vague and find it hard to make decisions. You may be easily led astray by stronger personalities. You can be oversensitive and take things too personally. You tend to be disorganized and often lose track of time. You sometimes play the martyr and suffer in silence. You can be too trusting, and others may take advantage of your good nature.</source>
        <translation>Puoi cercare la fuga dalla realtà e rifugiarti in un mondo di fantasia. A volte resti nel vago e fai fatica a prendere decisioni. Le personalità più forti potrebbero facilmente portarti fuori strada. Puoi essere ipersensibile e prendere le cose troppo sul personale. Tendi al disordine e spesso perdi la cognizione del tempo. A volte fai la vittima e soffri in silenzio. Puoi fidarti troppo, e gli altri potrebbero approfittare della tua bontà.</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Nettuno e Giove</translation>
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
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
    <message>
        <source>%1 reading - %2.pdf</source>
        <extracomment>The name a saved reading is offered under: the sign, then the first and last name.</extracomment>
        <translation>Lettura %1 - %2.pdf</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Lettura del segno %1</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Impossibile salvare la lettura come &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Salva lettura</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>&quot;%1&quot; esiste già.
Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Copy Reading</source>
        <translation>Copia lettura</translation>
    </message>
    <message>
        <source>Save Reading As…</source>
        <translation>Salva lettura con nome…</translation>
    </message>
    <message>
        <source>Print Reading…</source>
        <translation>Stampa lettura…</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>corallo</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>oro</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>indaco</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>verde oliva</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turchese</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Simbolo del segno %1</translation>
    </message>
    <message>
        <source>%1 color swatch</source>
        <translation>Campione di colore %1</translation>
    </message>
    <message>
        <source>Remember This Person</source>
        <translation>Aggiungi questa persona ai tuoi cari</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già in esecuzione</translation>
    </message>
    <message>
        <source>KV Dwellstar needs a graphical desktop, but no display is available.</source>
        <translation>KV Dwellstar richiede un ambiente desktop grafico, ma non è disponibile alcuno schermo.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo programma<byte value="xd"/>Vuoi verificare se ci sono aggiornamenti?</translation>
    </message>
</context>
</TS>
