<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BookText</name>
    <message>
        <source>It could not be set aside as &quot;%1&quot;.</source>
        <translation>Il n&apos;a pas pu être mis de côté sous le nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Another KV Dwellstar is changing the book just now.</source>
        <translation>Une autre instance de KV Dwellstar est en train de modifier le carnet.</translation>
    </message>
    <message>
        <source>The book&apos;s lock could not be made in &quot;%1&quot;.</source>
        <translation>Impossible de créer le verrou du carnet dans «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Colors: %1</source>
        <translation>Couleurs préférées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Birthstone: %1</source>
        <translation>Pierre natale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Home style: %1</source>
        <translation>Style déco&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1&apos;s birthday (%2)</source>
        <translation>Anniversaire&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Anniversaires</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>First name.</source>
        <translation>Prénom.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Middle name.</source>
        <translation>Deuxième prénom.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Nom de famille.</translation>
    </message>
    <message>
        <source>Date of birth, such as 1990-08-15.</source>
        <translation>Date de naissance, par exemple 1990-08-15.</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>Save the reading in &lt;file&gt; instead of printing it: .pdf, .png or .txt by its extension; another name gets .pdf. &quot;-&quot; prints it.</source>
        <translation>Enregistre le profil dans &lt;fichier&gt; au lieu de l&apos;afficher&#xa0;: .pdf, .png ou .txt selon l&apos;extension&#xa0;; tout autre nom reçoit l&apos;extension .pdf. «&#xa0;-&#xa0;» l&apos;affiche.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date de naissance&#xa0;: indiquez-la sous la forme aaaa-mm-jj, par exemple 1990-08-15.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Impossible d&apos;afficher le profil.</translation>
    </message>
    <message>
        <source>Home design tips for your sun sign. Without options KV Dwellstar opens its windows; given the details of a reading, it prints the reading as text, or saves it, and opens no window.</source>
        <translation>Conseils de décoration selon votre signe solaire. Sans option, KV Dwellstar ouvre ses fenêtres&#xa0;; si on lui donne les données d&apos;un profil, il l&apos;affiche sous forme de texte ou l&apos;enregistre, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language of KV Dwellstar: give one of %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une langue de KV Dwellstar&#xa0;: indiquez l&apos;une de celles-ci&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;, one of %1, instead of the desktop&apos;s; also for the windows.</source>
        <translation>Utilise la langue &lt;code&gt;, parmi %1, au lieu de celle du bureau&#xa0;; vaut aussi pour les fenêtres.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Keep the person of the reading among your people too.</source>
        <translation>Ajoute aussi la personne du profil à vos proches.</translation>
    </message>
    <message>
        <source>Print your people, soonest birthday first, one a line: name, date of birth (--mm-dd without the year), sign and days to the next birthday, separated by tabs.</source>
        <translation>Affiche vos proches dans l&apos;ordre de leur prochain anniversaire, un par ligne&#xa0;: nom, date de naissance (--mm-jj sans l&apos;année), signe et nombre de jours avant le prochain anniversaire, séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Add to your people every contact of the vCard file &lt;file&gt; that has a birthday.</source>
        <translation>Ajoute à vos proches tous les contacts du fichier vCard &lt;fichier&gt; dont la date d&apos;anniversaire est indiquée.</translation>
    </message>
    <message>
        <source>Write your people&apos;s birthdays to &lt;file&gt; as an iCalendar file, a yearly event each with its gift tips. &quot;-&quot; prints it.</source>
        <translation>Écrit les anniversaires de vos proches dans &lt;fichier&gt; au format iCalendar, chacun sous forme d&apos;événement annuel avec ses idées cadeaux. «&#xa0;-&#xa0;» l&apos;affiche.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Cliquez ici pour visiter %1 maintenant</translation>
    </message>
    <message>
        <source>Please visit Velmora at %1 regularly and support it by taking part in its discussions and other activities. These programs cannot be supported and maintained without you regularly visiting %1.</source>
        <translation>Rendez-vous régulièrement sur Velmora, à l&apos;adresse %1, et soutenez la communauté en participant à ses discussions et à ses autres activités. Sans vos visites régulières sur %1, ces logiciels ne peuvent être ni suivis ni maintenus.</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Télécharger Velmora Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Cliquez ici pour visiter Velmora Softwares</translation>
    </message>
    <message>
        <source>Enjoyed KV Dwellstar? Then you will surely be interested in the other programs of Velmora Softwares. What started as a single program has grown into a large collection of them. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                                All Velmora Softwares programs are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Vous avez aimé KV Dwellstar&#xa0;? Alors les autres logiciels de Velmora Softwares vous intéresseront sûrement. Ce qui n&apos;était au départ qu&apos;un seul logiciel est devenu une vaste collection. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des logiciels dans tous les domaines, pour offrir à nos utilisateurs un large choix selon leurs centres d&apos;intérêt.                                                                Tous les logiciels de Velmora Softwares sont simples et faciles à utiliser. Ils sont non seulement amusants, mais aussi très instructifs. Essayez-les dès aujourd&apos;hui et partagez votre expérience avec vos amis et votre famille.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Votre message<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander à un ami &amp;maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>KV Dwellstar vous fait découvrir les goûts des différents signes du zodiaque en matière de décoration. Apprenez à connaître les couleurs et les styles préférés de vos proches. Grâce à ce logiciel, offrez le cadeau idéal pour la maison et la décoration.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunité d&apos;activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement personnalisé aux couleurs de votre site web.</translation>
    </message>
    <message>
        <source>Velmora is the most popular online discussion community of its kind. It is the best resource on the occult. Visit %1 now!</source>
        <translation>Velmora, le forum en ligne le plus populaire du genre et la meilleure ressource sur l&apos;occultisme. Visitez %1&#xa0;!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-marquez ce logiciel pour votre site&#xa0;:  fidélisez vos visiteurs et gagnez du trafic. Ici, le nom &amp;&amp;  le lien de votre site. Détails dans «&#xa0;Aide&#xa0;».    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l&apos;argent en ligne avec ce logiciel aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>KV Dwellstar Result</source>
        <translation>Résultat KV Dwellstar</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Couleurs préférées</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Astre maître</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pierre natale</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Chiffre de chance</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Jour faste</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Qualités</translation>
    </message>
    <message>
        <source>Sun sign emblem</source>
        <translation>Emblème du signe solaire</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signe solaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Style déco</translation>
    </message>
    <message>
        <source>Color swatch</source>
        <translation>Échantillon de couleur</translation>
    </message>
    <message>
        <source>Home Astrology Attributes</source>
        <translation>Astrologie de l&apos;habitat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Veuillez remplir les champs ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Get My Dwellstar Reading</source>
        <translation>Obtenir mon profil Dwellstar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Identité</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>2e prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Prénom</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Nom</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Date Of Birth: Day</source>
        <translation>Date de naissance&#xa0;: jour</translation>
    </message>
    <message>
        <source>Date Of Birth: Month</source>
        <translation>Date de naissance&#xa0;: mois</translation>
    </message>
    <message>
        <source>Date Of Birth: Year</source>
        <translation>Date de naissance&#xa0;: année</translation>
    </message>
    <message>
        <source>Know more about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>Découvrez les goûts déco de chaque signe du zodiaque, les couleurs et les styles préférés de vos proches, et offrez-leur le cadeau idéal pour la maison.</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
    <message>
        <source>Our family of free programs can only be created and kept up with your support. The best way to support us is to visit %1 regularly and take part in the discussions and other activities on its board.</source>
        <extracomment>%1 is the community site&apos;s address.</extracomment>
        <translation>Notre famille de logiciels gratuits ne peut naître et vivre qu&apos;avec votre soutien. La meilleure façon de nous soutenir est de visiter régulièrement %1 et de participer aux discussions et aux autres activités de son forum.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. We cannot support and maintain these programs unless our users visit the site regularly.</source>
        <translation>Rendez-vous régulièrement sur %1 et soutenez-le en participant à ses discussions et à ses autres activités. Nous ne pouvons assurer le suivi et la maintenance de ces logiciels que si nos utilisateurs visitent régulièrement le site.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology, tarot, numerology and the occult. To help us develop and maintain this program, please visit it regularly.</source>
        <translation>%1 est un forum de discussion gratuit en ligne consacré à l&apos;astrologie, au tarot, à la numérologie et à l&apos;occultisme. Pour nous aider à développer et à maintenir ce logiciel, merci de le visiter régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visiting it regularly and taking part in its discussions and activities helps us maintain it and develop more programs like this one.</source>
        <translation>%1 a besoin de votre aide. En le visitant régulièrement et en participant à ses discussions et à ses activités, vous nous aidez à le maintenir et à développer d&apos;autres logiciels comme celui-ci.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>&amp;People…</source>
        <translation>Vos &amp;proches…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The Desktop&apos;s Language (%1)</source>
        <translation>Langue du bureau (%1)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>PeopleText</name>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signe</translation>
    </message>
    <message>
        <source>Next Birthday</source>
        <translation>Prochain anniversaire</translation>
    </message>
    <message>
        <source>Your book of people could not be read, and nothing in it was changed.

%1</source>
        <translation>Impossible de lire le carnet de vos proches&#xa0;; rien n&apos;y a été modifié.

%1</translation>
    </message>
    <message>
        <source>Your book of people could not be read: it is damaged. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Impossible de lire le carnet de vos proches&#xa0;: il est endommagé. Il a été mis de côté tel quel sous le nom «&#xa0;%1&#xa0;», et un nouveau carnet a été créé.</translation>
    </message>
    <message>
        <source>Your book of people was written by a newer KV Dwellstar, which this one cannot read. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Le carnet de vos proches a été écrit par une version plus récente de KV Dwellstar, que celle-ci ne sait pas lire. Il a été mis de côté tel quel sous le nom «&#xa0;%1&#xa0;», et un nouveau carnet a été créé.</translation>
    </message>
    <message>
        <source>The change could not be kept in your book of people, which is as it was.

%1</source>
        <translation>Impossible d&apos;enregistrer la modification dans le carnet de vos proches, qui reste tel qu&apos;il était.

%1</translation>
    </message>
    <message>
        <source>Contacts read from &quot;%1&quot;:</source>
        <translation>Contacts lus dans «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>added to your people: %1</source>
        <translation>ajoutés à vos proches&#xa0;: %1</translation>
    </message>
    <message>
        <source>already among them: %1</source>
        <translation>déjà présents&#xa0;: %1</translation>
    </message>
    <message>
        <source>skipped, without a birthday: %1</source>
        <translation>ignorés, sans date d&apos;anniversaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>skipped, with a birthday that is no date: %1</source>
        <translation>ignorés, date d&apos;anniversaire invalide&#xa0;: %1</translation>
    </message>
    <message>
        <source>skipped, without a name: %1</source>
        <translation>ignorés, sans nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>The birthdays could not be exported to &quot;%1&quot;.

%2</source>
        <translation>Impossible d&apos;exporter les anniversaires vers «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; your people are as they were.

%2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;; le carnet de vos proches reste inchangé.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no contacts in vCard form; your people are as they were.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucun contact au format vCard&#xa0;; le carnet de vos proches reste inchangé.</translation>
    </message>
</context>
<context>
    <name>PeopleWindow</name>
    <message>
        <source>People - KV Dwellstar</source>
        <translation>Vos proches - KV Dwellstar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtrer&#xa0;:</translation>
    </message>
    <message>
        <source>Name or sign</source>
        <translation>Nom ou signe</translation>
    </message>
    <message>
        <source>Filter by name or sign</source>
        <translation>Filtrer par nom ou par signe</translation>
    </message>
    <message>
        <source>People, soonest birthday first</source>
        <translation>Vos proches, dans l&apos;ordre de leur prochain anniversaire</translation>
    </message>
    <message>
        <source>Gift Tips</source>
        <translation>Idées cadeaux</translation>
    </message>
    <message>
        <source>Sign:</source>
        <translation>Signe&#xa0;:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Couleurs préférées&#xa0;:</translation>
    </message>
    <message>
        <source>Birthstone:</source>
        <translation>Pierre natale&#xa0;:</translation>
    </message>
    <message>
        <source>Home style:</source>
        <translation>Style déco&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open Reading</source>
        <translation>&amp;Ouvrir le profil</translation>
    </message>
    <message>
        <source>&amp;Forget…</source>
        <translation>&amp;Retirer…</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Importer des contacts…</translation>
    </message>
    <message>
        <source>&amp;Export Birthdays…</source>
        <translation>&amp;Exporter les anniversaires…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Forget %1, born %2?</source>
        <translation>Retirer de vos proches %1 (date de naissance&#xa0;: %2)&#xa0;?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Fichiers vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Birthdays</source>
        <translation>Exporter les anniversaires</translation>
    </message>
    <message>
        <source>birthdays.ics</source>
        <translation>anniversaires.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>A person needs a name to be remembered.</source>
        <translation>Pour être ajoutée à vos proches, une personne doit avoir un nom.</translation>
    </message>
    <message>
        <source>%1 is now among your people.</source>
        <translation>%1 fait désormais partie de vos proches.</translation>
    </message>
    <message>
        <source>%1 is already among your people.</source>
        <translation>%1 fait déjà partie de vos proches.</translation>
    </message>
    <message>
        <source>Nobody is kept here yet. Remember the person of a reading with Ctrl+D in its window, or import your contacts.</source>
        <translation>Aucun proche n&apos;est encore enregistré ici. Ajoutez la personne d&apos;un profil avec Ctrl+D dans sa fenêtre, ou importez vos contacts.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: say which ones it takes (letters of any alphabet, with their accents; small ones become capitals; and blanks).</extracomment>
        <translation>Veuillez ne saisir que des lettres et des espaces</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Veuillez saisir votre prénom</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Veuillez indiquer votre jour de naissance</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Veuillez indiquer votre mois de naissance</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Veuillez indiquer votre année de naissance</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Couleurs préférées</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Astre maître</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A heading and its value on one line of a reading kept as text (&quot;Element: Fire&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <extracomment>%1 is the birth date as the language writes it out, weekday included.</extracomment>
        <translation>Date de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Jour faste</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Chiffre de chance</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pierre natale</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Qualités</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Style déco</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signe solaire</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Red is the color of energy, courage and vitality, and since ancient times it has been linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer an air of confidence that others notice. People who feel tired, shy or low in spirits can draw strength from a touch of red. Wear it when you need to be bold, such as at a job interview, a first date or an important meeting.</source>
        <translation>Le rouge est la couleur de l&apos;énergie, du courage et de la vitalité, et depuis l&apos;Antiquité on l&apos;associe au feu et au sang. Il accélère le pouls, aiguise les sens et donne à qui le porte un air d&apos;assurance que les autres remarquent. Les personnes fatiguées, timides ou moroses peuvent puiser de la force dans une touche de rouge. Portez-le quand vous avez besoin d&apos;audace, par exemple lors d&apos;un entretien d&apos;embauche, d&apos;un premier rendez-vous amoureux ou d&apos;une réunion importante.</translation>
    </message>
    <message>
        <source>On the positive side, green is the color of nature, growth, harmony and renewal, and it stands for health, hope and the steady abundance that comes from patient effort; on the negative side, it has long been tied to envy, jealousy and inexperience, as when we say someone is green with envy or green at a new job. Above all, green is restful to the eye and soothing to the mind, easing stress and restoring a sense of calm balance.</source>
        <translation>Côté positif, le vert est la couleur de la nature, de la croissance, de l&apos;harmonie et du renouveau, et il symbolise la santé, l&apos;espoir et l&apos;abondance durable que procure un effort patient&#xa0;; côté négatif, il est depuis longtemps associé à l&apos;envie, à la jalousie et à l&apos;inexpérience, comme lorsqu&apos;on dit de quelqu&apos;un qu&apos;il est vert de jalousie ou qu&apos;un nouveau venu est encore un peu vert. Avant tout, le vert repose les yeux et apaise l&apos;esprit&#xa0;: il dissipe le stress et rétablit un sentiment de calme et d&apos;équilibre.</translation>
    </message>
    <message>
        <source>Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked with wisdom, learning and quick, clear thinking, which is why students and writers often favor it. Yellow is also the color of gold, and it has long been associated with wealth, success and prosperity. Its bright and cheerful tone lifts the mood and encourages optimism. A little yellow helps you make decisions with a clear head.</source>
        <translation>Le jaune est la couleur de l&apos;intellect, et l&apos;on dit qu&apos;il stimule l&apos;esprit. Il est associé à la sagesse, au savoir et à une pensée vive et claire, ce qui explique que les étudiants et les écrivains l&apos;affectionnent souvent. Le jaune est aussi la couleur de l&apos;or, et il est depuis longtemps lié à la richesse, au succès et à la prospérité. Sa teinte vive et gaie remonte le moral et invite à l&apos;optimisme. Un peu de jaune vous aide à prendre vos décisions en gardant les idées claires.</translation>
    </message>
    <message>
        <source>White is the color of purity, innocence and new beginnings. It brings a feeling of peace and quiet to any space and calms a restless mind. Because it holds every color of the spectrum in equal measure, white stands for balance and completeness. It is a good choice whenever you wish to start afresh.</source>
        <translation>Le blanc est la couleur de la pureté, de l&apos;innocence et des nouveaux départs. Il apporte une sensation de paix et de calme à tout espace et apaise un esprit agité. Parce qu&apos;il réunit toutes les couleurs du spectre à parts égales, le blanc symbolise l&apos;équilibre et la plénitude. C&apos;est un bon choix chaque fois que vous souhaitez prendre un nouveau départ.</translation>
    </message>
    <message>
        <source>Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It combines the power and energy of red with the joy and cheer of yellow. Orange is a friendly, sociable color that invites conversation and makes people feel welcome. Wearing it shows that you are confident, open and ready to take on the world with enthusiasm.</source>
        <translation>L&apos;orange est la couleur du Soleil, chaude et rayonnante comme la lumière d&apos;un après-midi d&apos;été. Il allie la puissance et l&apos;énergie du rouge à la joie et à la gaieté du jaune. L&apos;orange est une couleur chaleureuse et sociable qui invite à la conversation et met chacun à l&apos;aise. En porter traduit votre assurance, votre ouverture d&apos;esprit et votre envie de conquérir le monde avec enthousiasme.</translation>
    </message>
    <message>
        <source>Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid ground beneath our feet. It stands for stability, reliability and a down-to-earth approach to life that others find reassuring. Brown brings a sense of comfort and security, like a warm blanket or a cozy cabin in the woods. People who favor it value honesty, hard work and the simple pleasures of home and family.</source>
        <translation>Le marron est la couleur de la terre, du terreau, du bois et de la pierre, et il évoque le sol ferme sous nos pieds. Il symbolise la stabilité, la fiabilité et une façon d&apos;aborder la vie les pieds sur terre que les autres trouvent rassurante. Le marron procure une sensation de confort et de sécurité, comme une couverture chaude ou un chalet douillet au fond des bois. Les personnes qui l&apos;affectionnent attachent du prix à l&apos;honnêteté, à l&apos;effort et aux plaisirs simples du foyer et de la famille.</translation>
    </message>
    <message>
        <source>Violet is the color of sensitivity and deep compassion, and it has long been connected with the spiritual side of life. Healers and mystics prize it for its power to soothe the soul and mend the heart. Violet also awakens the imagination and nourishes creativity, making it a favorite of artists, poets and musicians. It encourages quiet reflection and a gentle understanding of others.</source>
        <translation>Le violet est la couleur de la sensibilité et de la compassion profonde, et il est depuis longtemps lié à la dimension spirituelle de la vie. Guérisseurs et mystiques l&apos;apprécient pour son pouvoir d&apos;apaiser l&apos;âme et de panser les blessures du cœur. Le violet éveille aussi l&apos;imagination et nourrit la créativité, ce qui en fait une couleur chère aux artistes, aux poètes et aux musiciens. Il invite à la réflexion paisible et à une compréhension bienveillante des autres.</translation>
    </message>
    <message>
        <source>Mars rules a person&apos;s assertiveness, physical power and anger. Depending on the house in which it falls, it shows where these forces can stir up conflict and trouble.</source>
        <translation>Mars régit l&apos;affirmation de soi, la force physique et la colère d&apos;une personne. Selon la maison où il se trouve, il montre dans quels domaines ces forces peuvent attiser conflits et ennuis.</translation>
    </message>
    <message>
        <source>Venus governs how a person expresses themselves socially, romantically and through the arts.</source>
        <translation>Vénus régit la façon dont une personne s&apos;exprime en société, en amour et à travers les arts.</translation>
    </message>
    <message>
        <source>Mercury rules the way that a person thinks, speaks and shares ideas.</source>
        <translation>Mercure régit la manière dont une personne pense, parle et partage ses idées.</translation>
    </message>
    <message>
        <source>The Moon governs a person&apos;s feelings and emotional needs, and it reflects the upbringing and habits formed in early childhood. It also rules the unconscious mind, which shapes many decisions made without quite knowing why.</source>
        <translation>La Lune gouverne les sentiments et les besoins affectifs d&apos;une personne, et elle reflète l&apos;éducation reçue et les habitudes prises dans la petite enfance. Elle régit aussi l&apos;inconscient, qui inspire bien des décisions prises sans trop savoir pourquoi.</translation>
    </message>
    <message>
        <source>The Sun is the giver of life, the source of the light and warmth that all things need to grow. In astrology it is the backbone of the whole chart, since its sign at birth is the one most people know as their own. The Sun stands for the self, the will and the vital spark that drives a person forward. On its good side it brings confidence, generosity, dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a need to be the center of attention. When the Sun is strongly placed in a chart, the person tends to be healthy, energetic and full of purpose. Such people are natural leaders who rise to positions of authority and shine in public life. Yet they must learn to share the stage, or their brilliance may blind them to others.</source>
        <translation>Le Soleil est le dispensateur de vie, la source de la lumière et de la chaleur dont toute chose a besoin pour croître. En astrologie, il est la colonne vertébrale de tout le thème, puisque son signe à la naissance est celui que la plupart des gens connaissent comme le leur. Le Soleil représente le moi, la volonté et l&apos;étincelle vitale qui pousse une personne à aller de l&apos;avant. Côté bénéfique, il apporte l&apos;assurance, la générosité, la dignité et un cœur chaleureux. Côté maléfique, il peut engendrer l&apos;orgueil, l&apos;arrogance, la vanité et le besoin d&apos;être au centre de l&apos;attention. Lorsque le Soleil est en position forte dans un thème, la personne tend à être en bonne santé, énergique et pleine de détermination. Nées pour diriger, ces personnes accèdent à des postes d&apos;autorité et brillent dans la vie publique. Elles doivent pourtant apprendre à partager la scène, sans quoi leur éclat risque de les rendre aveugles aux autres.</translation>
    </message>
    <message>
        <source>Jupiter brings optimism, good fortune and growth, and its house placement shows where in life hope comes easily.</source>
        <translation>Jupiter apporte l&apos;optimisme, la chance et l&apos;expansion, et sa position en maison montre dans quels domaines de la vie l&apos;espoir vient facilement.</translation>
    </message>
    <message>
        <source>Saturn is the planet of obstacles, restrictions and limitations. It tests a person through delay and hard lessons.</source>
        <translation>Saturne est la planète des obstacles, des restrictions et des limites. Il met la personne à l&apos;épreuve par des retards et de dures leçons.</translation>
    </message>
    <message>
        <source>You will love a home full of energy and movement, with bold red accents, strong lines and furniture that is simple, sturdy and easy to rearrange on a sudden whim.</source>
        <translation>Vous aimerez un intérieur plein d&apos;énergie et de mouvement, avec d&apos;audacieuses touches de rouge, des lignes franches et des meubles simples et robustes, faciles à réagencer au gré d&apos;une envie soudaine.</translation>
    </message>
    <message>
        <source>You prefer sleek modern furniture in metal and glass to fussy antiques and delicate ornaments.</source>
        <translation>Vous préférez les meubles modernes et épurés en métal et en verre aux antiquités chargées et aux bibelots fragiles.</translation>
    </message>
    <message>
        <source>You will like a simple kitchen built for quick, no-fuss cooking.</source>
        <translation>Vous aimerez une cuisine simple, conçue pour cuisiner vite et sans chichis.</translation>
    </message>
    <message>
        <source>A home gym or a spare corner with exercise gear will keep you fit and happy.</source>
        <translation>Une salle de sport à domicile ou un coin libre équipé de matériel de fitness vous gardera en forme et de bonne humeur.</translation>
    </message>
    <message>
        <source>You will want the latest sound system and large, dramatic artwork that makes a statement the moment anyone steps inside.</source>
        <translation>Vous voudrez un système audio dernier cri et de grandes œuvres d&apos;art spectaculaires qui font forte impression dès que l&apos;on franchit le seuil.</translation>
    </message>
    <message>
        <source>You will love a comfortable, luxurious home filled with solid wood furniture, sofas with plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be touched.</source>
        <translation>Vous aimerez un intérieur confortable et luxueux, rempli de meubles en bois massif, de canapés aux coussins moelleux et de tissus doux comme le velours, la chenille et le cachemire, que l&apos;on ne peut s&apos;empêcher de toucher.</translation>
    </message>
    <message>
        <source>You will adore a lavish kitchen with a large table, because good food and the company of friends are among your greatest pleasures.</source>
        <translation>Vous adorerez une cuisine somptueuse avec une grande table, car la bonne chère et la compagnie de vos amis comptent parmi vos plus grands plaisirs.</translation>
    </message>
    <message>
        <source>You prefer earthy tones of green, cream and rose, with natural materials like stone, linen and clay, and you will fill your rooms and garden with flowers.</source>
        <translation>Vous préférez les teintes terreuses de vert, de crème et de rose, avec des matières naturelles comme la pierre, le lin et l&apos;argile, et vous remplirez de fleurs vos pièces et votre jardin.</translation>
    </message>
    <message>
        <source>Quality matters more to you than quantity, so you will gladly save up for one beautiful piece that will last you a whole lifetime.</source>
        <translation>La qualité compte plus pour vous que la quantité&#xa0;: vous économiserez volontiers pour une seule belle pièce qui vous durera toute une vie.</translation>
    </message>
    <message>
        <source>You will love light, airy rooms with plenty of windows, pale walls and flexible furniture that can be moved around easily whenever you feel the urge for a change of scene.</source>
        <translation>Vous aimerez les pièces claires et aérées, avec de nombreuses fenêtres, des murs pâles et des meubles modulables, faciles à déplacer dès que vous ressentez le besoin de changer de décor.</translation>
    </message>
    <message>
        <source>You will like bookshelves in every room, filled with books, magazines and puzzles.</source>
        <translation>Vous aimerez avoir dans chaque pièce des étagères remplies de livres, de magazines et de casse-tête.</translation>
    </message>
    <message>
        <source>A cozy reading nook is an absolute must for you.</source>
        <translation>Un coin lecture douillet vous est absolument indispensable.</translation>
    </message>
    <message>
        <source>You will enjoy having the newest gadgets, phones and computers close at hand in every room.</source>
        <translation>Vous aimerez avoir les derniers gadgets, téléphones et ordinateurs à portée de main dans chaque pièce.</translation>
    </message>
    <message>
        <source>Touches of bright yellow will keep your spirits lively and high.</source>
        <translation>Des touches de jaune éclatant vous garderont l&apos;esprit vif et le moral au beau fixe.</translation>
    </message>
    <message>
        <source>You will love a warm family home in which everyone feels safe and welcome.</source>
        <translation>Vous aimerez une maison familiale chaleureuse, sûre et accueillante pour tous.</translation>
    </message>
    <message>
        <source>You will treasure heirlooms, old photographs and antiques that carry family memories, and you will display them with pride.</source>
        <translation>Vous chérirez les objets de famille, les vieilles photos et les antiquités chargées de souvenirs familiaux, et vous les exposerez avec fierté.</translation>
    </message>
    <message>
        <source>The kitchen is the heart of your home, and you will want it roomy, cozy and always well stocked.</source>
        <translation>La cuisine est le cœur de votre maison&#xa0;: vous la voudrez spacieuse, douillette et toujours bien garnie.</translation>
    </message>
    <message>
        <source>You like soft curves and snug, rounded furniture to sink into.</source>
        <translation>Vous aimez les courbes douces et les meubles ronds et enveloppants dans lesquels on s&apos;enfonce.</translation>
    </message>
    <message>
        <source>You will like soothing shades of white, silver and sea blue throughout the house.</source>
        <translation>Vous aimerez les nuances apaisantes de blanc, d&apos;argent et de bleu océan dans toute la maison.</translation>
    </message>
    <message>
        <source>A view of water or a little garden pond will delight you.</source>
        <translation>Une vue sur l&apos;eau ou un petit bassin au jardin vous ravira.</translation>
    </message>
    <message>
        <source>You will love a grand, stately home that impresses visitors.</source>
        <translation>Vous aimerez une demeure grandiose et majestueuse qui impressionne les visiteurs.</translation>
    </message>
    <message>
        <source>Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch of theater.</source>
        <translation>Votre salon sera une pièce d&apos;apparat, avec un canapé cossu, un lustre en cristal et une touche de théâtralité.</translation>
    </message>
    <message>
        <source>You will adore rich fabrics such as silk, brocade and velvet in deep regal colors.</source>
        <translation>Vous adorerez les étoffes riches comme la soie, le brocart et le velours, dans des couleurs profondes et royales.</translation>
    </message>
    <message>
        <source>Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you perfectly.</source>
        <translation>Les touches d&apos;or et de laiton, les miroirs dorés et les nuances chaudes et ensoleillées d&apos;orange et de rouge vous vont à merveille.</translation>
    </message>
    <message>
        <source>You will prefer large, eye-catching furniture and impressive art over anything small or understated, since your home must make a statement.</source>
        <translation>Vous préférerez les grands meubles qui attirent le regard et les œuvres d&apos;art impressionnantes à tout ce qui est petit ou discret, car votre intérieur doit en imposer.</translation>
    </message>
    <message>
        <source>A generous dining room where you can entertain your friends in style is essential.</source>
        <translation>Une vaste salle à manger où recevoir vos amis avec panache est indispensable.</translation>
    </message>
    <message>
        <source>You will love a clean, bright, uncluttered home where everything has its proper place.</source>
        <translation>Vous aimerez un intérieur net, lumineux et dégagé, où chaque chose est à sa place.</translation>
    </message>
    <message>
        <source>You prefer simple, functional furniture with clean lines, plenty of built-in storage and drawers that keep everything tidy.</source>
        <translation>Vous préférez les meubles simples et fonctionnels aux lignes épurées, avec de nombreux rangements intégrés et des tiroirs qui permettent de tout garder en ordre.</translation>
    </message>
    <message>
        <source>You will like natural materials such as wood, cotton and wicker, in calm shades of brown, beige and soft green, which give your rooms a restful, orderly feel.</source>
        <translation>Vous aimerez les matières naturelles comme le bois, le coton et l&apos;osier, dans des tons calmes de marron, de beige et de vert tendre, qui donnent à vos pièces une atmosphère reposante et ordonnée.</translation>
    </message>
    <message>
        <source>A well-equipped study or home office, with neatly labeled files and a good desk lamp, is important to you.</source>
        <translation>Un bureau ou un coin travail bien équipé, avec des classeurs soigneusement étiquetés et une bonne lampe de travail, compte beaucoup pour vous.</translation>
    </message>
    <message>
        <source>You will enjoy a little herb garden on a sunny windowsill.</source>
        <translation>Vous apprécierez un petit jardin d&apos;herbes aromatiques sur un rebord de fenêtre ensoleillé.</translation>
    </message>
    <message>
        <source>You will love an elegant, harmonious home where all is balanced and well proportioned.</source>
        <translation>Vous aimerez un intérieur élégant et harmonieux, où tout est équilibré et bien proportionné.</translation>
    </message>
    <message>
        <source>You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical groupings of pictures.</source>
        <translation>Vous préférez les meubles gracieux disposés par paires, avec des lampes assorties et des tableaux accrochés de façon symétrique.</translation>
    </message>
    <message>
        <source>You will like soft pastels and olive green, with touches of pink.</source>
        <translation>Vous aimerez les pastels doux et le vert olive, avec des touches de rose.</translation>
    </message>
    <message>
        <source>Fresh flowers will always brighten your rooms.</source>
        <translation>Des fleurs fraîches égaieront toujours vos pièces.</translation>
    </message>
    <message>
        <source>You will enjoy fine art and beautiful old mirrors.</source>
        <translation>Vous apprécierez les belles œuvres d&apos;art et les beaux miroirs anciens.</translation>
    </message>
    <message>
        <source>You will love a private home that keeps the world at bay.</source>
        <translation>Vous aimerez un intérieur à l&apos;abri des regards, qui tient le monde à distance.</translation>
    </message>
    <message>
        <source>You prefer dramatic, moody interiors with deep colors, dark wood and low lighting.</source>
        <translation>Vous préférez les intérieurs théâtraux et mystérieux, aux couleurs profondes, au bois sombre et à l&apos;éclairage tamisé.</translation>
    </message>
    <message>
        <source>You will like heavy curtains, hidden cupboards and rooms that keep your secrets.</source>
        <translation>Vous aimerez les lourds rideaux, les placards dissimulés et les pièces qui gardent vos secrets.</translation>
    </message>
    <message>
        <source>A luxurious bathroom with a deep tub is your favorite place to relax and recharge.</source>
        <translation>Une salle de bains luxueuse avec une baignoire profonde est votre endroit préféré pour vous détendre et recharger vos batteries.</translation>
    </message>
    <message>
        <source>You will enjoy crisp white bed linen set against dark walls.</source>
        <translation>Vous apprécierez le linge de lit d&apos;un blanc éclatant sur fond de murs sombres.</translation>
    </message>
    <message>
        <source>Mirrors and candlelight add mystery for you.</source>
        <translation>Pour vous, les miroirs et la lueur des bougies ajoutent une touche de mystère.</translation>
    </message>
    <message>
        <source>You will love a relaxed, open-plan home with room to move and to entertain.</source>
        <translation>Vous aimerez une maison décontractée et décloisonnée, avec de l&apos;espace pour bouger et pour recevoir.</translation>
    </message>
    <message>
        <source>You prefer souvenirs and folk crafts from your travels abroad.</source>
        <translation>Vous préférez les souvenirs et l&apos;artisanat traditionnel rapportés de vos voyages à l&apos;étranger.</translation>
    </message>
    <message>
        <source>You will like old maps, globes and shelves crowded with travel books.</source>
        <translation>Vous aimerez les cartes anciennes, les globes et les étagères débordant de récits de voyage.</translation>
    </message>
    <message>
        <source>Violet and purple are the colors for you.</source>
        <translation>Le violet et le pourpre sont les couleurs qu&apos;il vous faut.</translation>
    </message>
    <message>
        <source>You will enjoy casual, sturdy furniture that can take a bit of rough use.</source>
        <translation>Vous apprécierez les meubles simples et solides, qui supportent d&apos;être un peu malmenés.</translation>
    </message>
    <message>
        <source>A big porch or sunny patio will suit you well.</source>
        <translation>Une grande terrasse couverte ou un patio ensoleillé vous conviendra parfaitement.</translation>
    </message>
    <message>
        <source>You will love a traditional, dignified home that is built to last.</source>
        <translation>Vous aimerez une demeure traditionnelle et distinguée, bâtie pour durer.</translation>
    </message>
    <message>
        <source>You prefer classic furniture of solid oak, leather and quality wool.</source>
        <translation>Vous préférez les meubles classiques alliant chêne massif, cuir et laine de qualité.</translation>
    </message>
    <message>
        <source>You will like a well-ordered study with a large desk and a leather chair.</source>
        <translation>Vous aimerez un cabinet de travail bien ordonné, avec un grand bureau et un fauteuil en cuir.</translation>
    </message>
    <message>
        <source>Muted tones of green, gray and blue suit you.</source>
        <translation>Les tons sourds de vert, de gris et de bleu vous conviennent.</translation>
    </message>
    <message>
        <source>You will enjoy antiques and family portraits that show a sense of history and heritage.</source>
        <translation>Vous apprécierez les antiquités et les portraits de famille qui témoignent du sens de l&apos;histoire et du patrimoine.</translation>
    </message>
    <message>
        <source>Floors of good stone or slate will please you.</source>
        <translation>Des sols en belle pierre ou en ardoise vous plairont.</translation>
    </message>
    <message>
        <source>You will buy fewer things, but each piece you choose will be of lasting quality.</source>
        <translation>Vous achèterez moins, mais chaque pièce que vous choisirez sera d&apos;une qualité durable.</translation>
    </message>
    <message>
        <source>You will love an unusual, modern home that reflects your individuality.</source>
        <translation>Vous aimerez un intérieur insolite et moderne, qui reflète votre singularité.</translation>
    </message>
    <message>
        <source>You prefer open-plan living with futuristic furniture in glass, chrome and molded plastic.</source>
        <translation>Vous préférez un espace de vie ouvert, avec des meubles futuristes en verre, en chrome et en plastique moulé.</translation>
    </message>
    <message>
        <source>You will like the latest smart-home gadgets and new technology.</source>
        <translation>Vous aimerez les derniers gadgets domotiques et les nouvelles technologies.</translation>
    </message>
    <message>
        <source>White walls with electric blue accents suit you.</source>
        <translation>Des murs blancs rehaussés de touches de bleu électrique vous conviennent.</translation>
    </message>
    <message>
        <source>You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends.</source>
        <translation>Vous apprécierez les pièces décalées et uniques en leur genre, qui animent la conversation entre amis.</translation>
    </message>
    <message>
        <source>A large room where friends can gather for lively discussions is a must for you.</source>
        <translation>Une grande pièce où vos amis peuvent se réunir pour des discussions animées vous est indispensable.</translation>
    </message>
    <message>
        <source>You will love a peaceful, dreamy home near the water.</source>
        <translation>Vous aimerez une maison paisible et propice à la rêverie, près de l&apos;eau.</translation>
    </message>
    <message>
        <source>You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture.</source>
        <translation>Vous préférez les tissus doux et fluides, les voilages blancs et les meubles aux formes délicatement arrondies.</translation>
    </message>
    <message>
        <source>You will like shades of sea green, lavender and soft violet on your walls.</source>
        <translation>Vous aimerez les nuances de vert d&apos;eau, de lavande et de violet tendre sur vos murs.</translation>
    </message>
    <message>
        <source>An aquarium full of fish would bring you joy.</source>
        <translation>Un aquarium rempli de poissons vous comblerait de joie.</translation>
    </message>
    <message>
        <source>You will enjoy a quiet room for music and art.</source>
        <translation>Vous apprécierez une pièce calme dédiée à la musique et à l&apos;art.</translation>
    </message>
    <message>
        <source>Soft lighting and scented candles will help you to unwind.</source>
        <translation>Un éclairage doux et des bougies parfumées vous aideront à vous détendre.</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Leo and Sagittarius</source>
        <translation>Lion et Sagittaire</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>You are bold, brave and full of energy. You love a challenge and rarely back away from one. You are a natural leader who likes to be first. You act quickly and decisively when others hesitate. You are honest and say exactly what you think. You are enthusiastic, and your zest for life is contagious. You have a strong pioneering spirit. You enjoy starting new projects and blazing new trails. You are independent and trust your own judgment. You are generous with your time, energy and praise. You recover quickly from setbacks and never hold a grudge for long. You are competitive and play to win. You fiercely protect those you care about and will stand up for the weak. Your optimism and courage inspire the people around you.</source>
        <translation>Vous faites preuve d&apos;audace et de courage, et vous débordez d&apos;énergie. Vous aimez les défis et reculez rarement devant eux. Diriger vous vient naturellement, et vous aimez passer en premier. Vous agissez vite et avec décision quand les autres hésitent. Honnête, vous dites exactement ce que vous pensez. Votre enthousiasme et votre joie de vivre sont contagieux. Vous avez un fort esprit pionnier. Vous aimez lancer de nouveaux projets et ouvrir de nouvelles voies. Vous tenez à votre indépendance et vous vous fiez à votre propre jugement. Vous donnez sans compter votre temps, votre énergie et vos compliments. Vous vous remettez vite des revers et ne gardez jamais longtemps rancune. Vous avez l&apos;esprit de compétition et jouez pour gagner. Vous protégez farouchement les êtres qui vous sont chers et prenez la défense des faibles. Votre optimisme et votre courage inspirent votre entourage.</translation>
    </message>
    <message>
        <source>You can be impatient and hate to wait for anything. You are sometimes impulsive and act before you think. Your temper flares up quickly, although it cools just as fast. You can be selfish when you want something badly. You may be bossy and expect others to follow your lead. You tend to lose interest once the excitement of a new project fades. You can be reckless and take needless risks. You are often blunt to the point of being tactless. You dislike being told what to do. You can be aggressive when you feel challenged. You rarely stop to consider the feelings of others. You sometimes start more than you can finish.</source>
        <translation>L&apos;impatience vous guette, et vous détestez devoir attendre quoi que ce soit. Il vous arrive d&apos;agir sur un coup de tête, avant même de réfléchir. Vous vous emportez vite, même si votre colère retombe tout aussi rapidement. Vous pouvez faire preuve d&apos;égoïsme quand vous désirez vraiment quelque chose. Vous pouvez vous montrer autoritaire et attendre des autres qu&apos;ils vous suivent. Vous avez tendance à perdre tout intérêt dès que l&apos;attrait d&apos;un nouveau projet s&apos;estompe. Vous pouvez manquer de prudence et prendre des risques inutiles. Votre franchise va souvent jusqu&apos;au manque de tact. Vous n&apos;aimez pas qu&apos;on vous dise quoi faire. Vous pouvez réagir avec agressivité quand on vous lance un défi. Vous prenez rarement le temps de tenir compte des sentiments des autres. Il vous arrive d&apos;entreprendre plus que vous ne pouvez mener à bien.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Capricorn and Virgo</source>
        <translation>Capricorne et Vierge</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Émeraude</translation>
    </message>
    <message>
        <source>You are patient, reliable and wonderfully steady. You are practical and have both feet planted firmly on the ground. You are loyal to your friends and devoted to your family. You work hard and see every task through to the end. You have a great love of beauty, art and music. You enjoy the good things in life, such as fine food, soft fabrics and a comfortable home. You are warm-hearted and affectionate. You are calm in a crisis, and others lean on your strength. You are sensible with money and build security over time. You are determined and do not give up easily. You have a keen eye for quality. You are generous to those you love. You are a faithful and trustworthy partner. Your calm and gentle presence puts people at ease.</source>
        <translation>Vous faites preuve de patience, de fiabilité et d&apos;une merveilleuse constance. Pragmatique, vous avez les deux pieds bien ancrés sur terre. Vous êtes fidèle en amitié et vous vous dévouez à votre famille. Vous travaillez dur et menez chaque tâche jusqu&apos;au bout. Vous avez un grand amour de la beauté, de l&apos;art et de la musique. Vous appréciez les bonnes choses de la vie, comme la bonne cuisine, les tissus doux et une maison confortable. Vous avez un cœur chaleureux et une nature affectueuse. Vous gardez votre calme en pleine crise, et les autres s&apos;appuient sur votre force. Vous gérez l&apos;argent avec bon sens et bâtissez votre sécurité au fil du temps. Vous avez de la détermination et n&apos;abandonnez pas facilement. Vous avez l&apos;œil pour la qualité. Vous êtes d&apos;une grande générosité envers les êtres que vous aimez. En couple, vous êtes fidèle et digne de confiance. Votre présence calme et douce met les gens à l&apos;aise.</translation>
    </message>
    <message>
        <source>You can be stubborn and hate to change your mind. You are sometimes possessive of people and things. You may be lazy when comfort calls. You can be slow to forgive. You resist change even when it is needed. You are prone to overindulgence in food and luxury. You can be materialistic and too fond of possessions. You may become jealous in love. Once angered, you can be slow to calm down and hard to reason with.</source>
        <translation>Vous pouvez faire preuve d&apos;entêtement, et vous détestez changer d&apos;avis. Vous êtes parfois d&apos;une nature possessive, envers les gens comme envers les choses. La paresse peut vous gagner quand le confort vous appelle. Vous pardonnez difficilement. Vous résistez au changement, même lorsqu&apos;il est nécessaire. Vous avez un penchant pour les excès de table et de luxe. Vous pouvez être matérialiste et tenir trop à vos biens. En amour, vous pouvez céder à la jalousie. Une fois en colère, vous pouvez mettre longtemps à vous calmer et refuser d&apos;entendre raison.</translation>
    </message>
    <message>
        <source>Color Green</source>
        <translation>Couleur verte</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Aquarius and Libra</source>
        <translation>Verseau et Balance</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Agate</translation>
    </message>
    <message>
        <source>You are quick-witted, clever and endlessly curious. You love to learn and absorb new information with ease. You are a brilliant talker who can chat with anyone about anything. You are adaptable and handle change gracefully. You have a lively sense of humor. You are youthful in spirit at any age. You can juggle several tasks at once. You are sociable and make friends wherever you go. You are inventive and full of bright ideas. You write and speak with flair and can explain complex ideas in simple words. You enjoy variety and keep life interesting for everyone around you. You see both sides of every argument. You are open-minded and tolerant of other points of view. Your energy and charm make you delightful company at any gathering.</source>
        <translation>Vous avez l&apos;esprit vif, de la finesse et une curiosité sans fin. Vous adorez apprendre et assimilez facilement les informations nouvelles. Vous avez l&apos;art de la conversation et pouvez parler de tout avec n&apos;importe qui. Adaptable, vous accueillez le changement avec aisance. Vous avez un sens de l&apos;humour pétillant. Vous restez jeune d&apos;esprit à tout âge. Vous savez mener plusieurs tâches de front. Sociable, vous vous faites des amis partout où vous allez. Votre imagination inventive déborde d&apos;idées lumineuses. Vous écrivez et parlez avec brio et savez expliquer des idées complexes avec des mots simples. Vous aimez la variété et rendez la vie intéressante pour tout votre entourage. Vous voyez les deux côtés de chaque argument. Vous faites preuve d&apos;ouverture et de tolérance envers les autres points de vue. Votre énergie et votre charme font de vous une compagnie délicieuse partout où l&apos;on se réunit.</translation>
    </message>
    <message>
        <source>You can be restless and easily bored. You are sometimes inconsistent and change your mind by the hour. You may be superficial and skim the surface of things. You can be nervous and high-strung. You tend to gossip more than you should. You find it hard to commit to one plan or one person. You can be cunning when it suits you. You often scatter your energy across too many projects. You may seem unreliable to others. You can talk your way out of trouble too easily. You sometimes rely on charm rather than hard work to get by.</source>
        <translation>L&apos;agitation vous gagne vite, et vous vous lassez facilement. Vous manquez parfois de constance et changez d&apos;avis d&apos;heure en heure. Vous pouvez rester à la surface des choses et ne faire que les effleurer. Vous pouvez avoir les nerfs à fleur de peau. Vous avez tendance à colporter des ragots plus que de raison. Vous avez du mal à vous engager envers un seul projet ou une seule personne. Vous savez user de ruse quand cela vous arrange. Vous dispersez souvent votre énergie dans trop de projets. Vous pouvez paraître peu fiable aux yeux des autres. Vous vous tirez trop facilement d&apos;affaire grâce à votre bagou. Il vous arrive de compter sur votre charme plutôt que sur le travail pour vous en sortir.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Pisces and Scorpio</source>
        <translation>Poissons et Scorpion</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>You are caring, loving and deeply protective. You always put your family first. You have a wonderful memory, especially for people and events from the past. You are intuitive and can sense what others are feeling. You are loyal and stand by your loved ones through thick and thin. You are sympathetic and a good listener. You are imaginative and creative. You are tenacious and hold on to what matters to you. You are a natural homemaker. You love to cook for the people you care about. You are gentle, kind and patient. You are shrewd with money and rarely waste it. You are patriotic and proud of your roots. You cherish tradition and family history. You make others feel safe and welcome. You are emotionally intelligent. You are quick to comfort anyone in distress. You are persuasive in a quiet way. Your tender heart and devotion make you a treasured friend.</source>
        <translation>Vous prodiguez attention et amour, et votre instinct de protection est profond. Vous faites toujours passer votre famille en premier. Vous avez une mémoire remarquable, surtout pour les personnes et les événements du passé. Votre intuition vous fait deviner ce que ressentent les autres. Fidèle, vous soutenez vos proches contre vents et marées. Vous avez de la compassion et savez écouter. Vous avez de l&apos;imagination et de la créativité. Tenace, vous vous accrochez à ce qui compte pour vous. Vous avez un don naturel pour tenir une maison. Vous aimez cuisiner pour les êtres qui vous sont chers. Vous faites preuve de douceur, de gentillesse et de patience. Vous gérez l&apos;argent avec habileté et le gaspillez rarement. Vous aimez votre pays et tirez fierté de vos racines. Vous chérissez les traditions et l&apos;histoire familiale. Vous offrez aux autres un refuge sûr et accueillant. Vous avez une grande intelligence émotionnelle. Vous accourez pour réconforter toute personne en détresse. Vous savez convaincre en douceur. Votre cœur tendre et votre dévouement font de votre amitié un trésor.</translation>
    </message>
    <message>
        <source>You can be moody, and your feelings change like the tides. You are sometimes overly sensitive and easily hurt. You may cling to the past and find it hard to let go. You can be overprotective of the people you love. You tend to worry about things that may never happen. You can retreat into your shell when upset. You are sometimes manipulative when you feel insecure. You may be touchy and take harmless remarks to heart. You can hold on to grudges for years. You are prone to self-pity when things go wrong. You can be suspicious of strangers. You sometimes smother others with too much care and attention.</source>
        <translation>Vous pouvez être lunatique, et vos sentiments changent comme les marées. Il vous arrive d&apos;être hypersensible, et un rien vous blesse. Vous pouvez vous accrocher au passé et avoir du mal à tourner la page. Vous pouvez couver à l&apos;excès les êtres que vous aimez. Vous avez tendance à vous inquiéter de choses qui n&apos;arriveront peut-être jamais. Vous pouvez rentrer dans votre coquille quand quelque chose vous contrarie. Il vous arrive de manipuler les autres quand vous manquez d&apos;assurance. Vous pouvez être susceptible et prendre à cœur des remarques anodines. Vous pouvez garder rancune pendant des années. Vous vous apitoyez volontiers sur votre sort quand les choses tournent mal. Vous pouvez vous méfier des inconnus. Il vous arrive d&apos;étouffer les autres sous trop de soins et d&apos;attentions.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>La Lune</translation>
    </message>
    <message>
        <source>8 and 9</source>
        <translation>8 et 9</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Aries and Sagittarius</source>
        <translation>Bélier et Sagittaire</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubis</translation>
    </message>
    <message>
        <source>You are generous, warm-hearted and big-spirited. You are a born leader who takes charge with style and grace. You are confident and carry yourself with natural dignity. You are creative and have a flair for the dramatic. You are loyal to your friends and fiercely protective of them. You are cheerful and bring sunshine wherever you go. You are enthusiastic about life and live it to the full. You are broad-minded and tolerant of human failings. You are ambitious and aim for the very top in all you do. You are honest and expect honesty in return. You are playful and love to have fun with friends and children alike. You are a wonderful host who loves to entertain. You are courageous in the face of difficulty. You have a great capacity for love and affection. You are proud of your achievements, and rightly so. You encourage others to shine as well and praise them generously. You are faithful in love and true to your word. Your warmth and magnetism draw admirers to you like moths to a flame.</source>
        <translation>Vous faites preuve de générosité, de chaleur et de grandeur d&apos;âme. Diriger est chez vous une seconde nature, et vous prenez les choses en main avec style et élégance. Vous avez confiance en vous et vous vous tenez avec une dignité naturelle. Vous avez de la créativité et le sens du spectacle. Vous êtes d&apos;une loyauté sans faille envers vos amis et les protégez farouchement. Votre gaieté apporte du soleil partout où vous allez. Vous aimez la vie avec enthousiasme et la vivez pleinement. Vous avez l&apos;esprit large et de l&apos;indulgence pour les faiblesses humaines. Votre ambition vous fait viser le sommet dans tout ce que vous entreprenez. Honnête, vous attendez la même honnêteté en retour. Vous avez une nature enjouée et adorez vous amuser avec vos amis comme avec les enfants. Vous adorez recevoir et savez le faire à merveille. Vous faites preuve de courage face à l&apos;adversité. Vous avez une grande capacité d&apos;amour et d&apos;affection. Vos réussites font votre fierté, et à juste titre. Vous encouragez les autres à briller eux aussi et les félicitez généreusement. Fidèle en amour, vous tenez parole. Votre chaleur et votre magnétisme attirent les admirateurs comme la flamme attire les papillons de nuit.</translation>
    </message>
    <message>
        <source>You can be vain and love to be admired. You are sometimes arrogant and overbearing. You may be pompous when you feel important. You can be bossy and patronizing. You like to be the center of attention at all times. You are easily wounded by criticism. You can be stubborn about your opinions. You sometimes spend lavishly beyond your means. You may be intolerant of people who do not share your views. You can be dogmatic and refuse to admit you are wrong. You dislike playing second fiddle to anyone. You tend to exaggerate your own importance. You can sulk when ignored. You sometimes demand loyalty while forgetting that it must be earned.</source>
        <translation>La vanité peut vous gagner, et vous adorez qu&apos;on vous admire. Il vous arrive de faire preuve d&apos;arrogance et de vouloir tout dominer. Vous pouvez prendre de grands airs dès que l&apos;on vous confie un rôle important. Vous pouvez être autoritaire et prendre les autres de haut. Vous aimez être en permanence au centre de l&apos;attention. La critique vous blesse facilement. Vous pouvez camper obstinément sur vos opinions. Il vous arrive de dépenser sans compter, au-delà de vos moyens. Vous pouvez faire preuve d&apos;intolérance envers ceux qui ne partagent pas vos idées. Vous pouvez être dogmatique et refuser d&apos;admettre vos torts. Vous n&apos;acceptez de jouer les seconds rôles auprès de personne. Vous avez tendance à exagérer votre propre importance. Vous pouvez bouder quand on vous ignore. Il vous arrive d&apos;exiger la loyauté en oubliant qu&apos;elle se mérite.</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Le Soleil</translation>
    </message>
    <message>
        <source>3 and 5</source>
        <translation>3 et 5</translation>
    </message>
    <message>
        <source>Capricorn and Taurus</source>
        <translation>Capricorne et Taureau</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>You are modest, practical and hard-working. You have a sharp, analytical mind. You pay great attention to detail and rarely miss a thing. You are reliable and always do what you promise. You are neat, methodical and well organized. You are kind and love to be of service to others. You are intelligent and express yourself clearly. You take good care of your health and keep yourself fit. You are honest and conscientious in all that you do. Your quiet efficiency makes you an invaluable friend and colleague.</source>
        <translation>Modeste et pragmatique, vous ne ménagez pas vos efforts. Vous avez un esprit vif et analytique. Votre grand sens du détail fait que rien ou presque ne vous échappe. Fiable, vous tenez toujours vos promesses. Vous avez le goût de l&apos;ordre, de la méthode et de l&apos;organisation. Vous faites preuve de gentillesse et aimez rendre service. Vous êtes d&apos;une grande intelligence et vous vous exprimez avec clarté. Vous prenez soin de votre santé et vous vous maintenez en forme. Vous agissez en tout avec honnêteté et rigueur. Votre efficacité discrète fait de vous un soutien précieux, en amitié comme au travail.</translation>
    </message>
    <message>
        <source>You can be fussy and overly critical of others. You are sometimes a perfectionist who is never satisfied. You may worry too much about small things. You can be harsh in your judgments. You tend to be a little too conservative. You often neglect your own needs while caring for others. You can be shy and reluctant to show your feelings.</source>
        <translation>Vous pouvez chercher la petite bête et critiquer les autres à l&apos;excès. Votre perfectionnisme vous laisse parfois sur votre faim. Vous pouvez vous tracasser à l&apos;excès pour des broutilles. Vos jugements peuvent être sévères. Vous avez tendance à vous méfier un peu trop de la nouveauté. Vous négligez souvent vos propres besoins en prenant soin des autres. La timidité peut vous retenir de montrer vos sentiments.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>6 and 9</source>
        <translation>6 et 9</translation>
    </message>
    <message>
        <source>Aquarius and Gemini</source>
        <translation>Verseau et Gémeaux</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opale</translation>
    </message>
    <message>
        <source>You are charming, diplomatic and easygoing. You have a strong sense of fairness and justice. You are a natural peacemaker in any dispute. You are romantic and idealistic in love. You appreciate beauty in all its forms. You have refined taste and an eye for elegance. You are sociable and enjoy good company. You are gracious and polite, even to people you dislike. You see every side of a question before you decide. You work best in partnership with others. You are cooperative and tactful. You are a gentle and considerate friend. You bring harmony to any group. Your grace and good manners win you friends wherever you go and make every gathering you attend a little more pleasant for everyone who shares it with you.</source>
        <translation>Vous avez du charme, le sens de la diplomatie et un caractère facile. Vous avez un sens aigu de l&apos;équité et de la justice. Dans tout différend, vous savez naturellement ramener la paix. En amour, vous êtes romantique et idéaliste. Vous appréciez la beauté sous toutes ses formes. Vous avez des goûts raffinés et l&apos;œil pour l&apos;élégance. Sociable, vous appréciez la bonne compagnie. Vous faites preuve de courtoisie et de politesse, même envers les gens que vous n&apos;aimez pas. Vous examinez chaque aspect d&apos;une question avant de trancher. Vous donnez le meilleur de vous-même en partenariat avec les autres. Vous avez l&apos;esprit de coopération et beaucoup de tact. En amitié, vous faites preuve de douceur et d&apos;égards. Vous apportez l&apos;harmonie dans tout groupe. Votre grâce et vos bonnes manières vous valent des amis partout où vous allez et rendent chaque réunion à laquelle vous prenez part un peu plus agréable pour tous ceux qui la partagent avec vous.</translation>
    </message>
    <message>
        <source>You can be indecisive and spend ages weighing up every option. You are sometimes easily influenced by the opinions of others. You may be flirtatious and a little fickle in matters of love. You tend to avoid confrontation even when it is truly needed. You can be self-indulgent and lazy when it suits you. You sometimes hide your true feelings just to keep the peace.</source>
        <translation>L&apos;indécision peut vous faire passer des heures à peser le pour et le contre de chaque option. Vous vous laissez parfois facilement influencer par l&apos;opinion des autres. Vous pouvez avoir le goût de la séduction et être un peu volage en amour. Vous avez tendance à éviter l&apos;affrontement même lorsqu&apos;il est vraiment nécessaire. Vous pouvez céder à toutes vos envies et vous laisser aller à la paresse quand cela vous arrange. Il vous arrive de cacher vos vrais sentiments simplement pour préserver la paix.</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Vert olive</translation>
    </message>
    <message>
        <source>2 and 4</source>
        <translation>2 et 4</translation>
    </message>
    <message>
        <source>Cancer and Pisces</source>
        <translation>Cancer et Poissons</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topaze</translation>
    </message>
    <message>
        <source>You are determined and forceful, and once you set your sights on a goal you pursue it to the end. You are passionate and throw your whole heart into everything you do. You have a deep emotional intelligence and can see right through pretense. You are loyal, and your devotion to those you love knows no bounds. You are resourceful and never run out of ways to solve a difficult problem. You are brave and face even the darkest challenges of life without flinching. You have a magnetic personality that others find hard to resist. You are perceptive and often know what people are thinking before they speak. You keep secrets well, and friends trust you with their most private thoughts and fears.</source>
        <translation>Vous avez de la détermination et une forte volonté, et une fois que vous vous êtes fixé un but, vous le poursuivez jusqu&apos;au bout. Vous vivez tout avec passion et mettez tout votre cœur dans chacune de vos entreprises. Vous avez une profonde intelligence émotionnelle et savez percer à jour les faux-semblants. Votre loyauté est totale, et votre dévouement envers les êtres que vous aimez est sans limites. Vous avez de la ressource et ne manquez jamais d&apos;idées pour résoudre un problème difficile. Avec courage, vous affrontez sans sourciller même les épreuves les plus sombres de la vie. Vous avez une personnalité magnétique à laquelle il est difficile de résister. Votre perspicacité vous fait souvent deviner ce que pensent les gens avant qu&apos;ils ne parlent. Vous savez garder un secret, et vos amis vous confient leurs pensées et leurs peurs les plus intimes.</translation>
    </message>
    <message>
        <source>You can be jealous and possessive in your relationships. You are sometimes secretive to the point of being mysterious even to your closest friends. You may be resentful and find it hard to forgive a wrong. You can be compulsive and obsessive when something grips you. You have a sharp sting when crossed. You are sometimes suspicious of other people&apos;s motives. You can be stubborn and unwilling to compromise. You tend to keep your feelings bottled up until they explode. You may seek revenge when you feel betrayed, even long after the event.</source>
        <translation>Dans vos relations, vous pouvez céder à la jalousie et à la possessivité. Vous cultivez parfois le secret au point de rester une énigme même pour vos amis les plus proches. La rancune peut vous habiter, et vous avez du mal à pardonner un tort. Vous pouvez agir de façon compulsive, voire obsessionnelle, quand quelque chose vous captive. Quand on vous contrarie, votre dard peut être redoutable. Il vous arrive de vous méfier des motivations des autres. Vous pouvez faire preuve d&apos;entêtement et refuser tout compromis. Vous avez tendance à refouler vos sentiments jusqu&apos;à ce qu&apos;ils explosent. Face à une trahison, vous pouvez chercher à vous venger, même longtemps après les faits.</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Pluton et Mars</translation>
    </message>
    <message>
        <source>5 and 7</source>
        <translation>5 et 7</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Aries and Leo</source>
        <translation>Bélier et Lion</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>You are optimistic, cheerful and full of good humor. You love freedom and need plenty of room to roam. You are adventurous and eager to explore far-off places and new ideas. You are honest and straightforward, and you always say what you mean. You are broad-minded and open to every culture and way of life. You are a natural philosopher who wonders about the meaning of things. You are generous with your time, your money and your laughter. You are enthusiastic and inspire others with your zest for life. You are intellectual and love to study, read and debate big questions. You are friendly and easy to get along with, whoever you meet. You have a great sense of fun and a playful spirit that never grows old. You are a lucky soul who bounces back from every misfortune with a smile. Your faith in the future and your sense of adventure make life with you an exciting journey.</source>
        <translation>Vous débordez d&apos;optimisme, de gaieté et de bonne humeur. Vous aimez la liberté et avez besoin de beaucoup d&apos;espace pour vagabonder. Vous avez le goût de l&apos;aventure et brûlez de découvrir des contrées lointaines et des idées nouvelles. Vous faites preuve d&apos;honnêteté et de franchise, et vous dites toujours ce que vous pensez. Vous avez l&apos;esprit large et vous vous ouvrez à toutes les cultures et à tous les modes de vie. Philosophe dans l&apos;âme, vous vous interrogez sur le sens des choses. Vous donnez sans compter votre temps, votre argent et vos éclats de rire. Votre enthousiasme et votre appétit de vivre inspirent les autres. Les idées vous passionnent, et vous aimez étudier, lire et débattre des grandes questions. Sociable et d&apos;un abord facile, vous vous entendez avec tout le monde. Vous aimez vous amuser et avez un esprit espiègle qui ne vieillit jamais. Vous avez la chance de votre côté et vous vous relevez de chaque malheur avec le sourire. Votre foi en l&apos;avenir et votre goût de l&apos;aventure font de la vie à vos côtés un voyage passionnant.</translation>
    </message>
    <message>
        <source>You can be restless and unable to settle down. You are sometimes careless and tactless in what you say. You may be irresponsible when duty calls and fun beckons. You tend to promise more than you can deliver. You can be impatient with details and daily routine. You are prone to exaggeration when you tell a good story. You sometimes take foolish risks just for the thrill of it.</source>
        <translation>Vous pouvez avoir la bougeotte et du mal à vous poser. Il vous arrive de parler à la légère et de manquer de tact. Vous pouvez vous montrer irresponsable quand le devoir appelle et que l&apos;amusement vous tend les bras. Vous avez tendance à promettre plus que vous ne pouvez tenir. Les détails et la routine quotidienne peuvent mettre votre patience à bout. Vous aimez enjoliver les faits quand vous racontez une bonne histoire. Il vous arrive de prendre des risques insensés juste pour le frisson.</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>8 and 2</source>
        <translation>8 et 2</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Taurus and Virgo</source>
        <translation>Taureau et Vierge</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Grenat</translation>
    </message>
    <message>
        <source>You are practical, prudent and ambitious. You are disciplined and work steadily toward long-term goals. You are patient and willing to wait for success. You are responsible and take your duties seriously. You are reliable, and people know they can count on you. You have a dry and witty sense of humor. You are persistent and do not give up when things get hard. You are careful with money and plan for the future. You respect tradition and the wisdom of experience. You are organized and make the most of your time. You are loyal to family and friends and stand by them for life. You are a capable manager who gets things done. Your quiet determination and sense of purpose carry you to the top of any mountain you choose to climb.</source>
        <translation>Vous alliez sens pratique, prudence et ambition. Vous avez de la discipline et travaillez avec constance à des objectifs à long terme. Vous savez attendre patiemment le succès. Responsable, vous prenez vos devoirs au sérieux. Vous êtes fiable, et les gens savent qu&apos;ils peuvent compter sur vous. Vous avez un humour pince-sans-rire plein d&apos;esprit. Vous faites preuve de persévérance et n&apos;abandonnez pas quand les choses se corsent. Économe, vous préparez l&apos;avenir. Vous respectez la tradition et la sagesse de l&apos;expérience. Votre sens de l&apos;organisation vous permet de tirer le meilleur parti de votre temps. Fidèle à votre famille et à vos amis, vous les soutenez toute votre vie. Vous savez gérer avec compétence et obtenez des résultats. Votre détermination tranquille et la clarté de vos objectifs vous mènent au sommet de toutes les montagnes que vous décidez de gravir.</translation>
    </message>
    <message>
        <source>You can be pessimistic and expect the worst. You are sometimes rigid and set in your ways. You may be too serious and forget to have fun. You can be cold and distant with people you do not know well. You tend to be a workaholic who neglects rest and play. You can be stubborn and unwilling to listen to new ideas. You are sometimes miserly with money. You may judge others by their status or success. You can be unforgiving of mistakes, including your own. You sometimes bottle up your worries and carry the weight of the world alone.</source>
        <translation>Vous pouvez être pessimiste et vous attendre au pire. Il vous arrive de manquer de souplesse et de tenir trop à vos habitudes. Vous pouvez prendre les choses trop au sérieux et oublier de vous amuser. Vous pouvez afficher froideur et distance avec les gens que vous connaissez mal. Vous avez tendance à vous tuer au travail en négligeant le repos et les loisirs. Par entêtement, vous refusez parfois d&apos;écouter les idées nouvelles. Vous êtes parfois avare. Vous pouvez juger les autres sur leur statut ou leur réussite. Vous pardonnez mal les erreurs, y compris les vôtres. Il vous arrive de garder vos soucis pour vous et de porter le poids du monde sans l&apos;aide de personne.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <source>1 and 7</source>
        <translation>1 et 7</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Améthyste</translation>
    </message>
    <message>
        <source>You are friendly, humane and deeply concerned with the welfare of others. You are original and inventive, always full of fresh ideas. You are independent and value your freedom above almost everything. You are intellectual and love to explore new theories and technologies. You are honest and loyal to your friends, whom you treat as family. You are progressive and look to the future rather than the past. You are open-minded and accept people as they are. You are a true humanitarian who dreams of a better world for everyone. You are clever and can solve problems in unusual ways. You are tolerant of differences and quick to defend the underdog. Your vision and willingness to be different make you a genuine pioneer who helps move the world forward.</source>
        <translation>Vous avez un caractère amical et humain, et le bien-être d&apos;autrui vous tient profondément à cœur. Votre originalité et votre esprit inventif vous donnent sans cesse des idées neuves. Vous tenez à votre indépendance et à votre liberté plus qu&apos;à presque tout. Vous aimez la réflexion et explorez avec bonheur les nouvelles théories et technologies. Honnête et fidèle en amitié, vous traitez vos amis comme votre famille. Progressiste, vous regardez vers l&apos;avenir plutôt que vers le passé. Vous avez l&apos;esprit ouvert et acceptez les gens tels qu&apos;ils sont. Humaniste dans l&apos;âme, vous rêvez d&apos;un monde meilleur pour tous. Avec ingéniosité, vous savez résoudre les problèmes de façon inattendue. Vous respectez les différences et prenez volontiers la défense des opprimés. Votre vision et votre goût de la différence font de vous une figure pionnière qui aide le monde à avancer.</translation>
    </message>
    <message>
        <source>You can be detached and seem emotionally distant to those who love you. You are sometimes stubborn and refuse to change your opinions once they are formed. You may be unpredictable, and your sudden changes of plan can unsettle others. You can be contrary just for the sake of it. You tend to rebel against rules, even sensible ones. You are sometimes tactless when you speak your mind. You may be aloof and keep people at arm&apos;s length. You can be so wrapped up in big ideas that you forget practical matters. You sometimes value your independence so much that you avoid close ties. You can be eccentric in ways that puzzle the people around you.</source>
        <translation>Votre détachement peut passer pour de la froideur aux yeux de ceux qui vous aiment. Il vous arrive de camper sur vos positions et de refuser de changer d&apos;avis une fois votre opinion faite. Vous pouvez être imprévisible, et vos brusques changements de programme peuvent déstabiliser les autres. Vous pouvez avoir l&apos;esprit de contradiction, juste pour le plaisir. Vous avez tendance à vous rebeller contre les règles, même les plus sensées. Vous manquez parfois de tact lorsque vous dites ce que vous pensez. Vous pouvez garder vos distances et tenir les gens à l&apos;écart. Les grandes idées peuvent vous absorber au point de vous faire oublier les questions pratiques. Il vous arrive de tenir tant à votre indépendance que vous évitez les liens étroits. Votre excentricité peut dérouter votre entourage.</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <translation>Uranus et Saturne</translation>
    </message>
    <message>
        <source>2 and 6</source>
        <translation>2 et 6</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
    </message>
    <message>
        <source>You are imaginative, sensitive and deeply compassionate. You are kind and gentle, and you feel the pain of others as if it were your own. You are intuitive and often sense things before they happen. You are selfless and always ready to help those in need. You are artistic and have a rich inner world of dreams. You are adaptable and flow easily with the changes of life. You are romantic and devoted in love. You are a wonderful listener who never judges or criticizes. You are spiritual and drawn to the mysteries of life. You are modest and never seek the limelight for yourself. Your gentle soul and generous heart make the world a softer and kinder place for all who know you.</source>
        <translation>Vous avez de l&apos;imagination, une grande sensibilité et une profonde compassion. Vous faites preuve de bonté et de douceur, et vous ressentez la douleur des autres comme si c&apos;était la vôtre. Votre intuition vous fait souvent pressentir les choses avant qu&apos;elles n&apos;arrivent. Vous avez le sens du don de soi et tendez toujours la main à ceux qui sont dans le besoin. Vous avez une âme d&apos;artiste et un riche univers intérieur peuplé de rêves. Adaptable, vous suivez avec aisance le cours changeant de la vie. En amour, vous êtes romantique et vous vous donnez corps et âme. Vous savez merveilleusement écouter, sans jamais juger ni critiquer. La spiritualité et les mystères de la vie vous attirent. Modeste, vous ne cherchez jamais à être sous les projecteurs. Votre âme douce et votre cœur généreux rendent le monde plus tendre et plus bienveillant pour tous ceux qui vous connaissent.</translation>
    </message>
    <message>
        <source>You can be escapist and retreat into a world of fantasy. You are sometimes vague and find it hard to make decisions. You may be easily led astray by stronger personalities. You can be oversensitive and take things too personally. You tend to be disorganized and often lose track of time. You sometimes play the martyr and suffer in silence. You can be too trusting, and others may take advantage of your good nature.</source>
        <translation>Vous pouvez fuir la réalité et vous réfugier dans un monde imaginaire. Vous êtes parfois dans le vague et avez du mal à prendre des décisions. Vous pouvez facilement vous laisser entraîner par des personnalités plus fortes. Vous pouvez être hypersensible et prendre les choses trop personnellement. Vous avez tendance à manquer d&apos;organisation et perdez souvent la notion du temps. Il vous arrive de jouer les martyrs et de souffrir en silence. Vous pouvez accorder trop facilement votre confiance, et les autres risquent de profiter de votre bonté.</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Neptune et Jupiter</translation>
    </message>
</context>
<context>
    <name>ReadingExport</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>%1 reading - %2.pdf</source>
        <extracomment>The name a saved reading is offered under: the sign, then the first and last name.</extracomment>
        <translation>Profil %1 - %2.pdf</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Impossible d&apos;enregistrer le profil sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Copy Reading</source>
        <translation>Copier le profil</translation>
    </message>
    <message>
        <source>Save Reading As…</source>
        <translation>Enregistrer le profil sous…</translation>
    </message>
    <message>
        <source>Print Reading…</source>
        <translation>Imprimer le profil…</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>corail</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>doré</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>indigo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Emblème du signe %1</translation>
    </message>
    <message>
        <source>%1 color swatch</source>
        <translation>Échantillon de couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remember This Person</source>
        <translation>Ajouter à vos proches</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>KV Dwellstar needs a graphical desktop, but no display is available.</source>
        <translation>KV Dwellstar a besoin d&apos;un environnement de bureau graphique, mais aucun affichage n&apos;est disponible.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
</TS>
