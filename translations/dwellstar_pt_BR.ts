<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BookText</name>
    <message>
        <source>It could not be set aside as &quot;%1&quot;.</source>
        <translation>Não foi possível guardar a lista à parte como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Another KV Dwellstar is changing the book just now.</source>
        <translation>Outro KV Dwellstar está alterando a lista neste momento.</translation>
    </message>
    <message>
        <source>The book&apos;s lock could not be made in &quot;%1&quot;.</source>
        <translation>Não foi possível criar o bloqueio da lista em &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Colors: %1</source>
        <translation>Cores: %1</translation>
    </message>
    <message>
        <source>Birthstone: %1</source>
        <translation>Pedra natal: %1</translation>
    </message>
    <message>
        <source>Home style: %1</source>
        <translation>Estilo da casa: %1</translation>
    </message>
    <message>
        <source>%1&apos;s birthday (%2)</source>
        <translation>Aniversário de %1 (%2)</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Aniversários</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>First name.</source>
        <translation>Primeiro nome.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Middle name.</source>
        <translation>Nome do meio.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Sobrenome.</translation>
    </message>
    <message>
        <source>Date of birth, such as 1990-08-15.</source>
        <translation>Data de nascimento, por exemplo 1990-08-15.</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>aaaa-mm-dd</translation>
    </message>
    <message>
        <source>Save the reading in &lt;file&gt; instead of printing it: .pdf, .png or .txt by its extension; another name gets .pdf. &quot;-&quot; prints it.</source>
        <translation>Salva a leitura em &lt;arquivo&gt; em vez de exibi-la: .pdf, .png ou .txt conforme a extensão; qualquer outro nome recebe .pdf. &quot;-&quot; exibe a leitura.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.</source>
        <translation>&quot;%1&quot; não é uma data de nascimento: informe-a como aaaa-mm-dd, por exemplo 1990-08-15.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Não foi possível exibir a leitura.</translation>
    </message>
    <message>
        <source>Home design tips for your sun sign. Without options KV Dwellstar opens its windows; given the details of a reading, it prints the reading as text, or saves it, and opens no window.</source>
        <translation>Dicas de decoração para o seu signo solar. Sem opções, o KV Dwellstar abre suas janelas; com os dados de uma leitura, ele exibe a leitura como texto, ou a salva, sem abrir nenhuma janela.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language of KV Dwellstar: give one of %2.</source>
        <translation>&quot;%1&quot; não é um idioma do KV Dwellstar: informe um destes: %2.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;, one of %1, instead of the desktop&apos;s; also for the windows.</source>
        <translation>Usa o idioma &lt;código&gt;, um de %1, em vez do idioma da área de trabalho; vale também para as janelas.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Keep the person of the reading among your people too.</source>
        <translation>Guarda também a pessoa da leitura entre suas pessoas queridas.</translation>
    </message>
    <message>
        <source>Print your people, soonest birthday first, one a line: name, date of birth (--mm-dd without the year), sign and days to the next birthday, separated by tabs.</source>
        <translation>Exibe suas pessoas queridas, do aniversário mais próximo ao mais distante, uma por linha: nome, data de nascimento (--mm-dd, sem o ano), signo e dias até o próximo aniversário, separados por tabulações.</translation>
    </message>
    <message>
        <source>Add to your people every contact of the vCard file &lt;file&gt; that has a birthday.</source>
        <translation>Adiciona às suas pessoas queridas todos os contatos do arquivo vCard &lt;arquivo&gt; que tenham data de aniversário.</translation>
    </message>
    <message>
        <source>Write your people&apos;s birthdays to &lt;file&gt; as an iCalendar file, a yearly event each with its gift tips. &quot;-&quot; prints it.</source>
        <translation>Grava os aniversários das suas pessoas queridas em &lt;arquivo&gt; como arquivo iCalendar, cada um como um evento anual com suas dicas de presente. &quot;-&quot; exibe o calendário.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui e visite já %1</translation>
    </message>
    <message>
        <source>Please visit Velmora at %1 regularly and support it by taking part in its discussions and other activities. These programs cannot be supported and maintained without you regularly visiting %1.</source>
        <translation>Visite a Velmora em %1 com frequência e apoie-a participando das discussões e de outras atividades. Estes programas não podem ser mantidos e apoiados sem as suas visitas regulares a %1.</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Downloads da Velmora Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Clique aqui e visite a Velmora Softwares</translation>
    </message>
    <message>
        <source>Enjoyed KV Dwellstar? Then you will surely be interested in the other programs of Velmora Softwares. What started as a single program has grown into a large collection of them. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                                All Velmora Softwares programs are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Gostou do KV Dwellstar? Então você certamente vai se interessar pelos outros programas da Velmora Softwares. O que começou como um único programa cresceu e virou uma grande coleção. Seja astrologia, vidência, tarô, numerologia ou ocultismo, temos programas em todas as áreas, o que dá aos nossos usuários muitas opções, de acordo com seus interesses.                                                                Todos os programas da Velmora Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente-os hoje mesmo e compartilhe sua experiência com seus amigos e sua família.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indicar um amigo</translation>
    </message>
    <message>
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Sua mensagem<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar um amigo &amp;agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>O KV Dwellstar apresenta as preferências de decoração dos diferentes signos do zodíaco. Descubra as cores e os estilos de decoração favoritos de quem você ama. Acerte no presente para a casa com a ajuda deste software.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este software totalmente personalizado com a marca do seu site.</translation>
    </message>
    <message>
        <source>Velmora is the most popular online discussion community of its kind. It is the best resource on the occult. Visit %1 now!</source>
        <translation>A Velmora é a comunidade de discussão on-line mais popular do gênero. É a melhor fonte sobre ocultismo. Visite %1 agora!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste software:  mais fidelidade e mais tráfego. Aqui vão o nome &amp;&amp;  link do seu site. Detalhes em &quot;Ajuda&quot;.    Clique aqui para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este software totalmente personalizado com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>KV Dwellstar Result</source>
        <translation>Resultado do KV Dwellstar</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Cores preferidas</translation>
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
        <translation>Pedra natal</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Número da sorte</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Dia de sorte</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidade</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Pontos negativos</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Pontos positivos</translation>
    </message>
    <message>
        <source>Sun sign emblem</source>
        <translation>Emblema do signo solar</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Estilo da casa</translation>
    </message>
    <message>
        <source>Color swatch</source>
        <translation>Amostra de cor</translation>
    </message>
    <message>
        <source>Home Astrology Attributes</source>
        <translation>Astrologia do lar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Preencha os dados abaixo:</translation>
    </message>
    <message>
        <source>Get My Dwellstar Reading</source>
        <translation>Ver minha leitura Dwellstar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Primeiro nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Nome</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Sobrenome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Date Of Birth: Day</source>
        <translation>Data de nascimento: dia</translation>
    </message>
    <message>
        <source>Date Of Birth: Month</source>
        <translation>Data de nascimento: mês</translation>
    </message>
    <message>
        <source>Date Of Birth: Year</source>
        <translation>Data de nascimento: ano</translation>
    </message>
    <message>
        <source>Know more about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>Saiba mais sobre as preferências de decoração dos diferentes signos do zodíaco. Descubra as cores e os estilos de decoração favoritos de quem você ama. Acerte no presente para a casa com a ajuda deste software.</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços.</translation>
    </message>
    <message>
        <source>Our family of free programs can only be created and kept up with your support. The best way to support us is to visit %1 regularly and take part in the discussions and other activities on its board.</source>
        <extracomment>%1 is the community site&apos;s address.</extracomment>
        <translation>Nossa família de programas gratuitos só pode ser criada e mantida com o seu apoio. A melhor forma de nos apoiar é visitar %1 regularmente e participar das discussões e de outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. We cannot support and maintain these programs unless our users visit the site regularly.</source>
        <translation>Visite %1 regularmente e apoie o site participando das discussões e de outras atividades. Não conseguimos dar suporte a estes programas e mantê-los sem que nossos usuários visitem o site regularmente.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology, tarot, numerology and the occult. To help us develop and maintain this program, please visit it regularly.</source>
        <translation>%1 é um fórum de discussão on-line gratuito sobre astrologia, tarô, numerologia e ocultismo. Para nos ajudar a desenvolver e manter este programa, visite-o regularmente.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visiting it regularly and taking part in its discussions and activities helps us maintain it and develop more programs like this one.</source>
        <translation>%1 precisa da sua ajuda. Visitá-lo regularmente e participar das discussões e atividades nos ajuda a mantê-lo e a desenvolver mais programas como este.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Por favor, informe endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Por favor, informe um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, informe seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Por favor, informe seu e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Por favor, digite sua mensagem.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Por favor, informe o nome do seu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Por favor, informe o e-mail do seu amigo.</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>&amp;People…</source>
        <translation>&amp;Pessoas queridas…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The Desktop&apos;s Language (%1)</source>
        <translation>Idioma da área de trabalho (%1)</translation>
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
        <translation>hoje</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>amanhã</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>em %n dia</numerusform>
            <numerusform>em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Next Birthday</source>
        <translation>Próximo aniversário</translation>
    </message>
    <message>
        <source>Your book of people could not be read, and nothing in it was changed.

%1</source>
        <translation>Não foi possível ler sua lista de pessoas queridas, e nada nela foi alterado.

%1</translation>
    </message>
    <message>
        <source>Your book of people could not be read: it is damaged. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Não foi possível ler sua lista de pessoas queridas porque ela está danificada. Ela foi guardada à parte, sem alterações, como &quot;%1&quot;, e uma nova lista foi iniciada.</translation>
    </message>
    <message>
        <source>Your book of people was written by a newer KV Dwellstar, which this one cannot read. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Sua lista de pessoas queridas foi gravada por uma versão mais nova do KV Dwellstar, que esta não consegue ler. Ela foi guardada à parte, sem alterações, como &quot;%1&quot;, e uma nova lista foi iniciada.</translation>
    </message>
    <message>
        <source>The change could not be kept in your book of people, which is as it was.

%1</source>
        <translation>Não foi possível salvar a alteração na sua lista de pessoas queridas, que continua como estava.

%1</translation>
    </message>
    <message>
        <source>Contacts read from &quot;%1&quot;:</source>
        <translation>Contatos lidos de &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>added to your people: %1</source>
        <translation>adicionados às suas pessoas queridas: %1</translation>
    </message>
    <message>
        <source>already among them: %1</source>
        <translation>já estavam na lista: %1</translation>
    </message>
    <message>
        <source>skipped, without a birthday: %1</source>
        <translation>ignorados, sem data de aniversário: %1</translation>
    </message>
    <message>
        <source>skipped, with a birthday that is no date: %1</source>
        <translation>ignorados, com um aniversário que não é uma data válida: %1</translation>
    </message>
    <message>
        <source>skipped, without a name: %1</source>
        <translation>ignorados, sem nome: %1</translation>
    </message>
    <message>
        <source>The birthdays could not be exported to &quot;%1&quot;.

%2</source>
        <translation>Não foi possível exportar os aniversários para &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; your people are as they were.

%2</source>
        <translation>Não foi possível ler &quot;%1&quot;; sua lista de pessoas queridas continua como estava.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no contacts in vCard form; your people are as they were.</source>
        <translation>&quot;%1&quot; não contém contatos no formato vCard; sua lista de pessoas queridas continua como estava.</translation>
    </message>
</context>
<context>
    <name>PeopleWindow</name>
    <message>
        <source>People - KV Dwellstar</source>
        <translation>Pessoas queridas - KV Dwellstar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>Fil&amp;trar:</translation>
    </message>
    <message>
        <source>Name or sign</source>
        <translation>Nome ou signo</translation>
    </message>
    <message>
        <source>Filter by name or sign</source>
        <translation>Filtrar por nome ou signo</translation>
    </message>
    <message>
        <source>People, soonest birthday first</source>
        <translation>Pessoas queridas, do aniversário mais próximo ao mais distante</translation>
    </message>
    <message>
        <source>Gift Tips</source>
        <translation>Dicas de presente</translation>
    </message>
    <message>
        <source>Sign:</source>
        <translation>Signo:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Cores:</translation>
    </message>
    <message>
        <source>Birthstone:</source>
        <translation>Pedra natal:</translation>
    </message>
    <message>
        <source>Home style:</source>
        <translation>Estilo da casa:</translation>
    </message>
    <message>
        <source>&amp;Open Reading</source>
        <translation>&amp;Abrir leitura</translation>
    </message>
    <message>
        <source>&amp;Forget…</source>
        <translation>&amp;Remover…</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Importar contatos…</translation>
    </message>
    <message>
        <source>&amp;Export Birthdays…</source>
        <translation>&amp;Exportar aniversários…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Forget %1, born %2?</source>
        <translation>Remover %1 (nascimento: %2) da sua lista de pessoas queridas?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contatos</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Arquivos vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Export Birthdays</source>
        <translation>Exportar aniversários</translation>
    </message>
    <message>
        <source>birthdays.ics</source>
        <translation>aniversarios.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Arquivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>A person needs a name to be remembered.</source>
        <translation>Para ser guardada na lista, uma pessoa precisa ter um nome.</translation>
    </message>
    <message>
        <source>%1 is now among your people.</source>
        <translation>%1 agora está entre suas pessoas queridas.</translation>
    </message>
    <message>
        <source>%1 is already among your people.</source>
        <translation>%1 já está entre suas pessoas queridas.</translation>
    </message>
    <message>
        <source>Nobody is kept here yet. Remember the person of a reading with Ctrl+D in its window, or import your contacts.</source>
        <translation>Ainda não há ninguém entre suas pessoas queridas. Adicione a pessoa de uma leitura com Ctrl+D na janela dela ou importe seus contatos.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: say which ones it takes (letters of any alphabet, with their accents; small ones become capitals; and blanks).</extracomment>
        <translation>Por favor, use apenas letras e espaços.</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Por favor, informe seu primeiro nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Por favor, informe seu sobrenome.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Por favor, informe o dia do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Por favor, informe o mês do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Por favor, informe o ano do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Por favor, informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Por favor, informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Cores preferidas</translation>
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
        <translation>Data de nascimento: %1</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Dia de sorte</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Número da sorte</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidade</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pedra natal</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Pontos positivos</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Pontos negativos</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Estilo da casa</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>Red is the color of energy, courage and vitality, and since ancient times it has been linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer an air of confidence that others notice. People who feel tired, shy or low in spirits can draw strength from a touch of red. Wear it when you need to be bold, such as at a job interview, a first date or an important meeting.</source>
        <translation>O vermelho é a cor da energia, da coragem e da vitalidade e, desde a Antiguidade, é associado ao fogo e ao sangue. Acelera o pulso, aguça os sentidos e dá a quem o veste um ar de confiança que os outros percebem. Pessoas cansadas, tímidas ou desanimadas podem tirar forças de um toque de vermelho. Use-o quando precisar de ousadia, como numa entrevista de emprego, num primeiro encontro ou numa reunião importante.</translation>
    </message>
    <message>
        <source>On the positive side, green is the color of nature, growth, harmony and renewal, and it stands for health, hope and the steady abundance that comes from patient effort; on the negative side, it has long been tied to envy, jealousy and inexperience, as when we say someone is green with envy or green at a new job. Above all, green is restful to the eye and soothing to the mind, easing stress and restoring a sense of calm balance.</source>
        <translation>Pelo lado positivo, o verde é a cor da natureza, do crescimento, da harmonia e da renovação, e simboliza a saúde, a esperança e a fartura constante que vem do esforço paciente; pelo lado negativo, há muito tempo está ligado à inveja, ao ciúme e à inexperiência, como quando dizemos que alguém ficou verde de inveja ou ainda está verde num novo emprego. Acima de tudo, o verde descansa os olhos e acalma a mente, aliviando o estresse e devolvendo uma sensação de equilíbrio sereno.</translation>
    </message>
    <message>
        <source>Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked with wisdom, learning and quick, clear thinking, which is why students and writers often favor it. Yellow is also the color of gold, and it has long been associated with wealth, success and prosperity. Its bright and cheerful tone lifts the mood and encourages optimism. A little yellow helps you make decisions with a clear head.</source>
        <translation>O amarelo é a cor do intelecto e, segundo se diz, estimula a mente. Está ligado à sabedoria, ao aprendizado e ao raciocínio rápido e claro, e é por isso que estudantes e escritores costumam preferi-lo. O amarelo também é a cor do ouro e há muito tempo está associado à riqueza, ao sucesso e à prosperidade. Seu tom vivo e alegre melhora o humor e estimula o otimismo. Um pouco de amarelo ajuda você a tomar decisões com a mente clara.</translation>
    </message>
    <message>
        <source>White is the color of purity, innocence and new beginnings. It brings a feeling of peace and quiet to any space and calms a restless mind. Because it holds every color of the spectrum in equal measure, white stands for balance and completeness. It is a good choice whenever you wish to start afresh.</source>
        <translation>O branco é a cor da pureza, da inocência e dos recomeços. Traz uma sensação de paz e tranquilidade a qualquer ambiente e acalma a mente inquieta. Por conter todas as cores do espectro na mesma medida, o branco simboliza o equilíbrio e a plenitude. É uma boa escolha sempre que você quiser começar do zero.</translation>
    </message>
    <message>
        <source>Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It combines the power and energy of red with the joy and cheer of yellow. Orange is a friendly, sociable color that invites conversation and makes people feel welcome. Wearing it shows that you are confident, open and ready to take on the world with enthusiasm.</source>
        <translation>O laranja é a cor do Sol, quente e radiante como a luz de uma tarde de verão. Combina a força e a energia do vermelho com a alegria e o bom humor do amarelo. O laranja é uma cor amigável e sociável, que convida à conversa e faz as pessoas se sentirem bem-vindas. Usá-lo mostra que você tem confiança, abertura e disposição para encarar o mundo com entusiasmo.</translation>
    </message>
    <message>
        <source>Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid ground beneath our feet. It stands for stability, reliability and a down-to-earth approach to life that others find reassuring. Brown brings a sense of comfort and security, like a warm blanket or a cozy cabin in the woods. People who favor it value honesty, hard work and the simple pleasures of home and family.</source>
        <translation>O marrom é a cor da terra, do solo, da madeira e da pedra, e fala do chão firme sob nossos pés. Simboliza a estabilidade, a confiabilidade e um jeito pé no chão de encarar a vida que transmite segurança aos outros. O marrom traz uma sensação de conforto e proteção, como um cobertor quentinho ou uma cabana aconchegante no meio da floresta. Quem o prefere valoriza a honestidade, o trabalho duro e os prazeres simples do lar e da família.</translation>
    </message>
    <message>
        <source>Violet is the color of sensitivity and deep compassion, and it has long been connected with the spiritual side of life. Healers and mystics prize it for its power to soothe the soul and mend the heart. Violet also awakens the imagination and nourishes creativity, making it a favorite of artists, poets and musicians. It encourages quiet reflection and a gentle understanding of others.</source>
        <translation>O violeta é a cor da sensibilidade e da profunda compaixão, e há muito tempo está ligado ao lado espiritual da vida. Curandeiros e místicos o valorizam por seu poder de acalmar a alma e curar o coração. O violeta também desperta a imaginação e alimenta a criatividade, o que faz dele um favorito de artistas, poetas e músicos. Estimula a reflexão tranquila e uma compreensão delicada dos outros.</translation>
    </message>
    <message>
        <source>Mars rules a person&apos;s assertiveness, physical power and anger. Depending on the house in which it falls, it shows where these forces can stir up conflict and trouble.</source>
        <translation>Marte rege a assertividade, a força física e a raiva de uma pessoa. Conforme a casa em que se encontra, mostra onde essas forças podem provocar conflitos e problemas.</translation>
    </message>
    <message>
        <source>Venus governs how a person expresses themselves socially, romantically and through the arts.</source>
        <translation>Vênus governa a forma como a pessoa se expressa socialmente, no amor e por meio das artes.</translation>
    </message>
    <message>
        <source>Mercury rules the way that a person thinks, speaks and shares ideas.</source>
        <translation>Mercúrio rege a forma como a pessoa pensa, fala e compartilha ideias.</translation>
    </message>
    <message>
        <source>The Moon governs a person&apos;s feelings and emotional needs, and it reflects the upbringing and habits formed in early childhood. It also rules the unconscious mind, which shapes many decisions made without quite knowing why.</source>
        <translation>A Lua governa os sentimentos e as necessidades emocionais de uma pessoa e reflete a criação e os hábitos formados na primeira infância. Também rege o inconsciente, que molda muitas decisões tomadas sem que se saiba bem por quê.</translation>
    </message>
    <message>
        <source>The Sun is the giver of life, the source of the light and warmth that all things need to grow. In astrology it is the backbone of the whole chart, since its sign at birth is the one most people know as their own. The Sun stands for the self, the will and the vital spark that drives a person forward. On its good side it brings confidence, generosity, dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a need to be the center of attention. When the Sun is strongly placed in a chart, the person tends to be healthy, energetic and full of purpose. Such people are natural leaders who rise to positions of authority and shine in public life. Yet they must learn to share the stage, or their brilliance may blind them to others.</source>
        <translation>O Sol é o doador da vida, a fonte da luz e do calor de que todas as coisas precisam para crescer. Na astrologia, é a espinha dorsal de todo o mapa, já que o signo em que ele está no nascimento é aquele que a maioria das pessoas conhece como seu. O Sol representa o eu, a vontade e a centelha vital que impulsiona a pessoa adiante. Em seu lado bom, traz confiança, generosidade, dignidade e um coração caloroso. Em seu lado sombrio, pode gerar orgulho, arrogância, vaidade e a necessidade de ser o centro das atenções. Quando o Sol está bem posicionado num mapa, a pessoa tende a ser saudável, cheia de energia e de propósito. Essas pessoas têm uma liderança natural, chegam a posições de autoridade e brilham na vida pública. Mas precisam aprender a dividir o palco, ou o próprio brilho pode cegá-las para os outros.</translation>
    </message>
    <message>
        <source>Jupiter brings optimism, good fortune and growth, and its house placement shows where in life hope comes easily.</source>
        <translation>Júpiter traz otimismo, boa sorte e crescimento, e sua posição nas casas mostra em que área da vida a esperança surge com facilidade.</translation>
    </message>
    <message>
        <source>Saturn is the planet of obstacles, restrictions and limitations. It tests a person through delay and hard lessons.</source>
        <translation>Saturno é o planeta dos obstáculos, das restrições e das limitações. Ele põe a pessoa à prova com atrasos e lições difíceis.</translation>
    </message>
    <message>
        <source>You will love a home full of energy and movement, with bold red accents, strong lines and furniture that is simple, sturdy and easy to rearrange on a sudden whim.</source>
        <translation>Você vai adorar uma casa cheia de energia e movimento, com detalhes em vermelho vibrante, linhas marcantes e móveis simples, resistentes e fáceis de mudar de lugar num impulso repentino.</translation>
    </message>
    <message>
        <source>You prefer sleek modern furniture in metal and glass to fussy antiques and delicate ornaments.</source>
        <translation>Você prefere móveis modernos e elegantes de metal e vidro a antiguidades rebuscadas e enfeites delicados.</translation>
    </message>
    <message>
        <source>You will like a simple kitchen built for quick, no-fuss cooking.</source>
        <translation>Você vai gostar de uma cozinha simples, feita para preparos rápidos e descomplicados.</translation>
    </message>
    <message>
        <source>A home gym or a spare corner with exercise gear will keep you fit and happy.</source>
        <translation>Uma academia em casa ou um cantinho com equipamentos de ginástica vai manter você em forma e feliz.</translation>
    </message>
    <message>
        <source>You will want the latest sound system and large, dramatic artwork that makes a statement the moment anyone steps inside.</source>
        <translation>Você vai querer o sistema de som mais moderno e obras de arte grandes e impactantes, que chamem a atenção assim que alguém entra.</translation>
    </message>
    <message>
        <source>You will love a comfortable, luxurious home filled with solid wood furniture, sofas with plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be touched.</source>
        <translation>Você vai adorar uma casa confortável e luxuosa, repleta de móveis de madeira maciça, sofás com almofadas fofas e tecidos macios como veludo, chenile e caxemira, que pedem para ser tocados.</translation>
    </message>
    <message>
        <source>You will adore a lavish kitchen with a large table, because good food and the company of friends are among your greatest pleasures.</source>
        <translation>Você vai se encantar com uma cozinha suntuosa, com uma mesa grande, porque a boa comida e a companhia dos amigos estão entre os seus maiores prazeres.</translation>
    </message>
    <message>
        <source>You prefer earthy tones of green, cream and rose, with natural materials like stone, linen and clay, and you will fill your rooms and garden with flowers.</source>
        <translation>Você prefere tons terrosos de verde, creme e rosa, com materiais naturais como pedra, linho e argila, e vai encher de flores seus cômodos e seu jardim.</translation>
    </message>
    <message>
        <source>Quality matters more to you than quantity, so you will gladly save up for one beautiful piece that will last you a whole lifetime.</source>
        <translation>Para você, a qualidade importa mais que a quantidade, por isso vai juntar dinheiro com prazer para comprar uma peça bonita que dure a vida inteira.</translation>
    </message>
    <message>
        <source>You will love light, airy rooms with plenty of windows, pale walls and flexible furniture that can be moved around easily whenever you feel the urge for a change of scene.</source>
        <translation>Você vai adorar ambientes claros e arejados, com muitas janelas, paredes em tons pálidos e móveis versáteis, fáceis de trocar de lugar sempre que bater a vontade de mudar de ares.</translation>
    </message>
    <message>
        <source>You will like bookshelves in every room, filled with books, magazines and puzzles.</source>
        <translation>Você vai gostar de estantes em todos os cômodos, cheias de livros, revistas e quebra-cabeças.</translation>
    </message>
    <message>
        <source>A cozy reading nook is an absolute must for you.</source>
        <translation>Um cantinho de leitura aconchegante é indispensável para você.</translation>
    </message>
    <message>
        <source>You will enjoy having the newest gadgets, phones and computers close at hand in every room.</source>
        <translation>Você vai gostar muito de ter os aparelhos, celulares e computadores mais novos sempre à mão em todos os cômodos.</translation>
    </message>
    <message>
        <source>Touches of bright yellow will keep your spirits lively and high.</source>
        <translation>Toques de amarelo vivo vão manter seu astral alegre e lá em cima.</translation>
    </message>
    <message>
        <source>You will love a warm family home in which everyone feels safe and welcome.</source>
        <translation>Você vai adorar um lar familiar e acolhedor, onde todos se sintam seguros e bem-vindos.</translation>
    </message>
    <message>
        <source>You will treasure heirlooms, old photographs and antiques that carry family memories, and you will display them with pride.</source>
        <translation>Você vai guardar com carinho relíquias de família, fotografias antigas e antiguidades cheias de memórias, e vai exibi-las com orgulho.</translation>
    </message>
    <message>
        <source>The kitchen is the heart of your home, and you will want it roomy, cozy and always well stocked.</source>
        <translation>A cozinha é o coração da sua casa, e você vai querê-la espaçosa, aconchegante e sempre bem abastecida.</translation>
    </message>
    <message>
        <source>You like soft curves and snug, rounded furniture to sink into.</source>
        <translation>Você gosta de curvas suaves e de móveis arredondados e aconchegantes, em que dá vontade de afundar.</translation>
    </message>
    <message>
        <source>You will like soothing shades of white, silver and sea blue throughout the house.</source>
        <translation>Você vai gostar de tons suaves e tranquilizantes de branco, prata e azul-mar por toda a casa.</translation>
    </message>
    <message>
        <source>A view of water or a little garden pond will delight you.</source>
        <translation>Uma vista para a água ou um pequeno lago no jardim vai encantar você.</translation>
    </message>
    <message>
        <source>You will love a grand, stately home that impresses visitors.</source>
        <translation>Você vai adorar uma casa grandiosa e imponente, que impressione as visitas.</translation>
    </message>
    <message>
        <source>Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch of theater.</source>
        <translation>Sua sala de estar será uma vitrine, com um sofá luxuoso, um lustre de cristal e um toque teatral.</translation>
    </message>
    <message>
        <source>You will adore rich fabrics such as silk, brocade and velvet in deep regal colors.</source>
        <translation>Você vai se encantar com tecidos nobres como seda, brocado e veludo em cores intensas e majestosas.</translation>
    </message>
    <message>
        <source>Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you perfectly.</source>
        <translation>Detalhes em ouro e latão, espelhos de moldura dourada e tons quentes e ensolarados de laranja e vermelho combinam perfeitamente com você.</translation>
    </message>
    <message>
        <source>You will prefer large, eye-catching furniture and impressive art over anything small or understated, since your home must make a statement.</source>
        <translation>Você vai preferir móveis grandes e chamativos e obras de arte impressionantes a qualquer coisa pequena ou discreta, pois sua casa precisa causar impacto.</translation>
    </message>
    <message>
        <source>A generous dining room where you can entertain your friends in style is essential.</source>
        <translation>Uma sala de jantar ampla, onde você possa receber os amigos em grande estilo, é essencial.</translation>
    </message>
    <message>
        <source>You will love a clean, bright, uncluttered home where everything has its proper place.</source>
        <translation>Você vai adorar uma casa limpa, clara e sem bagunça, onde cada coisa tem o seu devido lugar.</translation>
    </message>
    <message>
        <source>You prefer simple, functional furniture with clean lines, plenty of built-in storage and drawers that keep everything tidy.</source>
        <translation>Você prefere móveis simples e funcionais, de linhas retas, com muitos armários embutidos e gavetas que mantêm tudo em ordem.</translation>
    </message>
    <message>
        <source>You will like natural materials such as wood, cotton and wicker, in calm shades of brown, beige and soft green, which give your rooms a restful, orderly feel.</source>
        <translation>Você vai gostar de materiais naturais como madeira, algodão e vime, em tons calmos de marrom, bege e verde-claro, que dão aos seus ambientes uma sensação de descanso e ordem.</translation>
    </message>
    <message>
        <source>A well-equipped study or home office, with neatly labeled files and a good desk lamp, is important to you.</source>
        <translation>Um escritório ou home office bem equipado, com pastas bem etiquetadas e uma boa luminária de mesa, é importante para você.</translation>
    </message>
    <message>
        <source>You will enjoy a little herb garden on a sunny windowsill.</source>
        <translation>Você vai apreciar uma pequena horta de ervas numa janela ensolarada.</translation>
    </message>
    <message>
        <source>You will love an elegant, harmonious home where all is balanced and well proportioned.</source>
        <translation>Você vai adorar uma casa elegante e harmoniosa, onde tudo é equilibrado e bem proporcionado.</translation>
    </message>
    <message>
        <source>You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical groupings of pictures.</source>
        <translation>Você prefere móveis delicados dispostos aos pares, com luminárias iguais e quadros agrupados de forma simétrica.</translation>
    </message>
    <message>
        <source>You will like soft pastels and olive green, with touches of pink.</source>
        <translation>Você vai gostar de tons pastel suaves e verde-oliva, com toques de rosa.</translation>
    </message>
    <message>
        <source>Fresh flowers will always brighten your rooms.</source>
        <translation>Flores frescas vão sempre alegrar seus ambientes.</translation>
    </message>
    <message>
        <source>You will enjoy fine art and beautiful old mirrors.</source>
        <translation>Você vai apreciar obras de arte refinadas e belos espelhos antigos.</translation>
    </message>
    <message>
        <source>You will love a private home that keeps the world at bay.</source>
        <translation>Você vai adorar uma casa reservada, que mantenha o mundo à distância.</translation>
    </message>
    <message>
        <source>You prefer dramatic, moody interiors with deep colors, dark wood and low lighting.</source>
        <translation>Você prefere interiores dramáticos e misteriosos, com cores profundas, madeira escura e iluminação baixa.</translation>
    </message>
    <message>
        <source>You will like heavy curtains, hidden cupboards and rooms that keep your secrets.</source>
        <translation>Você vai gostar de cortinas pesadas, armários escondidos e cômodos que guardam seus segredos.</translation>
    </message>
    <message>
        <source>A luxurious bathroom with a deep tub is your favorite place to relax and recharge.</source>
        <translation>Um banheiro luxuoso com uma banheira funda é seu lugar preferido para relaxar e recarregar as energias.</translation>
    </message>
    <message>
        <source>You will enjoy crisp white bed linen set against dark walls.</source>
        <translation>Você vai apreciar roupa de cama branca e impecável contrastando com paredes escuras.</translation>
    </message>
    <message>
        <source>Mirrors and candlelight add mystery for you.</source>
        <translation>Para você, espelhos e luz de velas acrescentam mistério.</translation>
    </message>
    <message>
        <source>You will love a relaxed, open-plan home with room to move and to entertain.</source>
        <translation>Você vai adorar uma casa descontraída, com ambientes integrados e espaço para circular e receber os amigos.</translation>
    </message>
    <message>
        <source>You prefer souvenirs and folk crafts from your travels abroad.</source>
        <translation>Você prefere lembranças e artesanato típico trazidos das suas viagens ao exterior.</translation>
    </message>
    <message>
        <source>You will like old maps, globes and shelves crowded with travel books.</source>
        <translation>Você vai gostar de mapas antigos, globos e estantes lotadas de livros de viagem.</translation>
    </message>
    <message>
        <source>Violet and purple are the colors for you.</source>
        <translation>Violeta e roxo são as suas cores.</translation>
    </message>
    <message>
        <source>You will enjoy casual, sturdy furniture that can take a bit of rough use.</source>
        <translation>Você vai apreciar móveis despojados e resistentes, que aguentem um uso mais pesado.</translation>
    </message>
    <message>
        <source>A big porch or sunny patio will suit you well.</source>
        <translation>Uma varanda grande ou um pátio ensolarado vai combinar muito bem com você.</translation>
    </message>
    <message>
        <source>You will love a traditional, dignified home that is built to last.</source>
        <translation>Você vai adorar uma casa tradicional e distinta, construída para durar.</translation>
    </message>
    <message>
        <source>You prefer classic furniture of solid oak, leather and quality wool.</source>
        <translation>Você prefere móveis clássicos de carvalho maciço, couro e lã de qualidade.</translation>
    </message>
    <message>
        <source>You will like a well-ordered study with a large desk and a leather chair.</source>
        <translation>Você vai gostar de um escritório bem organizado, com uma escrivaninha grande e uma cadeira de couro.</translation>
    </message>
    <message>
        <source>Muted tones of green, gray and blue suit you.</source>
        <translation>Tons sóbrios de verde, cinza e azul combinam com você.</translation>
    </message>
    <message>
        <source>You will enjoy antiques and family portraits that show a sense of history and heritage.</source>
        <translation>Você vai apreciar antiguidades e retratos de família que transmitam um senso de história e tradição.</translation>
    </message>
    <message>
        <source>Floors of good stone or slate will please you.</source>
        <translation>Pisos de pedra de qualidade ou de ardósia vão agradar você.</translation>
    </message>
    <message>
        <source>You will buy fewer things, but each piece you choose will be of lasting quality.</source>
        <translation>Você vai comprar menos coisas, mas cada peça que escolher terá qualidade duradoura.</translation>
    </message>
    <message>
        <source>You will love an unusual, modern home that reflects your individuality.</source>
        <translation>Você vai adorar uma casa moderna e diferente, que reflita a sua individualidade.</translation>
    </message>
    <message>
        <source>You prefer open-plan living with futuristic furniture in glass, chrome and molded plastic.</source>
        <translation>Você prefere ambientes integrados com móveis futuristas de vidro, cromo e plástico moldado.</translation>
    </message>
    <message>
        <source>You will like the latest smart-home gadgets and new technology.</source>
        <translation>Você vai gostar dos mais novos dispositivos de casa inteligente e das novas tecnologias.</translation>
    </message>
    <message>
        <source>White walls with electric blue accents suit you.</source>
        <translation>Paredes brancas com detalhes em azul-elétrico combinam com você.</translation>
    </message>
    <message>
        <source>You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends.</source>
        <translation>Você vai apreciar peças excêntricas e únicas, que rendem conversa entre os amigos.</translation>
    </message>
    <message>
        <source>A large room where friends can gather for lively discussions is a must for you.</source>
        <translation>Uma sala ampla onde os amigos possam se reunir para conversas animadas é fundamental para você.</translation>
    </message>
    <message>
        <source>You will love a peaceful, dreamy home near the water.</source>
        <translation>Você vai adorar uma casa tranquila e sonhadora perto da água.</translation>
    </message>
    <message>
        <source>You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture.</source>
        <translation>Você prefere tecidos leves e fluidos, cortinas brancas transparentes e móveis de curvas suaves.</translation>
    </message>
    <message>
        <source>You will like shades of sea green, lavender and soft violet on your walls.</source>
        <translation>Você vai gostar de tons de verde-mar, lavanda e violeta suave nas paredes.</translation>
    </message>
    <message>
        <source>An aquarium full of fish would bring you joy.</source>
        <translation>Um aquário cheio de peixes lhe traria alegria.</translation>
    </message>
    <message>
        <source>You will enjoy a quiet room for music and art.</source>
        <translation>Você vai apreciar um cômodo tranquilo para a música e a arte.</translation>
    </message>
    <message>
        <source>Soft lighting and scented candles will help you to unwind.</source>
        <translation>Iluminação suave e velas perfumadas vão ajudar você a relaxar.</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Leo and Sagittarius</source>
        <translation>Leão e Sagitário</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>You are bold, brave and full of energy. You love a challenge and rarely back away from one. You are a natural leader who likes to be first. You act quickly and decisively when others hesitate. You are honest and say exactly what you think. You are enthusiastic, and your zest for life is contagious. You have a strong pioneering spirit. You enjoy starting new projects and blazing new trails. You are independent and trust your own judgment. You are generous with your time, energy and praise. You recover quickly from setbacks and never hold a grudge for long. You are competitive and play to win. You fiercely protect those you care about and will stand up for the weak. Your optimism and courage inspire the people around you.</source>
        <translation>Você é uma pessoa ousada, corajosa e cheia de energia. Adora um desafio e raramente foge de um. É líder por natureza e gosta de estar à frente. Age com rapidez e decisão quando os outros hesitam. Tem franqueza e diz exatamente o que pensa. Transborda entusiasmo, e sua alegria de viver é contagiante. Tem um forte espírito pioneiro. Gosta de começar novos projetos e de abrir novos caminhos. É independente e confia no próprio julgamento. Não economiza seu tempo, sua energia nem seus elogios. Você se recupera rápido dos contratempos e nunca guarda rancor por muito tempo. Tem espírito competitivo e joga para vencer. Protege com unhas e dentes quem você ama e defende os mais fracos. Seu otimismo e sua coragem inspiram as pessoas ao seu redor.</translation>
    </message>
    <message>
        <source>You can be impatient and hate to wait for anything. You are sometimes impulsive and act before you think. Your temper flares up quickly, although it cools just as fast. You can be selfish when you want something badly. You may be bossy and expect others to follow your lead. You tend to lose interest once the excitement of a new project fades. You can be reckless and take needless risks. You are often blunt to the point of being tactless. You dislike being told what to do. You can be aggressive when you feel challenged. You rarely stop to consider the feelings of others. You sometimes start more than you can finish.</source>
        <translation>Você pode ser impaciente e detesta esperar por qualquer coisa. Às vezes age por impulso, antes de pensar. Seu gênio se inflama depressa, embora esfrie com a mesma rapidez. Pode agir com egoísmo quando deseja muito alguma coisa. Pode querer mandar em tudo e esperar que os outros sigam sua liderança. Tende a perder o interesse assim que passa a empolgação de um novo projeto. Pode agir de forma imprudente e correr riscos desnecessários. Sua franqueza muitas vezes chega à falta de tato. Não gosta que lhe digam o que fazer. Pode reagir com agressividade quando alguém lhe faz frente. Raramente para e pensa nos sentimentos dos outros. Às vezes começa mais coisas do que consegue terminar.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Capricorn and Virgo</source>
        <translation>Capricórnio e Virgem</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>You are patient, reliable and wonderfully steady. You are practical and have both feet planted firmly on the ground. You are loyal to your friends and devoted to your family. You work hard and see every task through to the end. You have a great love of beauty, art and music. You enjoy the good things in life, such as fine food, soft fabrics and a comfortable home. You are warm-hearted and affectionate. You are calm in a crisis, and others lean on your strength. You are sensible with money and build security over time. You are determined and do not give up easily. You have a keen eye for quality. You are generous to those you love. You are a faithful and trustworthy partner. Your calm and gentle presence puts people at ease.</source>
        <translation>Você é paciente, confiável e maravilhosamente constante. É uma pessoa prática, com os dois pés bem firmes no chão. É leal aos amigos e se dedica de corpo e alma à família. Trabalha com afinco e leva cada tarefa até o fim. Tem grande amor pela beleza, pela arte e pela música. Aprecia as coisas boas da vida, como a boa comida, os tecidos macios e uma casa confortável. Tem um coração caloroso e demonstra muito afeto. Mantém a calma nas crises, e os outros se apoiam na sua força. Lida com o dinheiro com bom senso e constrói sua segurança com o tempo. Tem determinação e não desiste com facilidade. Tem um olhar apurado para a qualidade. Mostra generosidade com quem ama. Nos relacionamentos, você é fiel e confiável. Sua presença calma e gentil deixa as pessoas à vontade.</translation>
    </message>
    <message>
        <source>You can be stubborn and hate to change your mind. You are sometimes possessive of people and things. You may be lazy when comfort calls. You can be slow to forgive. You resist change even when it is needed. You are prone to overindulgence in food and luxury. You can be materialistic and too fond of possessions. You may become jealous in love. Once angered, you can be slow to calm down and hard to reason with.</source>
        <translation>Você pode ser uma pessoa teimosa, que detesta mudar de ideia. Às vezes age de forma possessiva com pessoas e objetos. Pode ceder à preguiça quando o conforto chama. Pode demorar a perdoar. Resiste às mudanças mesmo quando elas são necessárias. Tem tendência a exagerar na comida e no luxo. Pode ser materialista e ter apego demais aos bens. No amor, pode sentir ciúme. Quando fica com raiva, pode demorar a se acalmar, e é difícil argumentar com você.</translation>
    </message>
    <message>
        <source>Color Green</source>
        <translation>Cor verde</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Aquarius and Libra</source>
        <translation>Aquário e Libra</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>You are quick-witted, clever and endlessly curious. You love to learn and absorb new information with ease. You are a brilliant talker who can chat with anyone about anything. You are adaptable and handle change gracefully. You have a lively sense of humor. You are youthful in spirit at any age. You can juggle several tasks at once. You are sociable and make friends wherever you go. You are inventive and full of bright ideas. You write and speak with flair and can explain complex ideas in simple words. You enjoy variety and keep life interesting for everyone around you. You see both sides of every argument. You are open-minded and tolerant of other points of view. Your energy and charm make you delightful company at any gathering.</source>
        <translation>Você tem raciocínio rápido, é inteligente e de uma curiosidade sem fim. Adora aprender e absorve novas informações com facilidade. Conversa de forma brilhante e consegue falar com qualquer pessoa sobre qualquer assunto. Tem facilidade de adaptação e lida com as mudanças com elegância. Tem um senso de humor vivo. Mantém o espírito jovem em qualquer idade. Consegue dar conta de várias tarefas ao mesmo tempo. É sociável e faz amigos por onde passa. Tem espírito inventivo e nunca lhe faltam ideias brilhantes. Escreve e fala com talento e sabe explicar ideias complexas em palavras simples. Gosta de variedade e torna a vida interessante para todos ao seu redor. Enxerga os dois lados de qualquer discussão. Tem a mente aberta e respeita outros pontos de vista. Sua energia e seu charme fazem de você uma companhia encantadora em qualquer encontro.</translation>
    </message>
    <message>
        <source>You can be restless and easily bored. You are sometimes inconsistent and change your mind by the hour. You may be superficial and skim the surface of things. You can be nervous and high-strung. You tend to gossip more than you should. You find it hard to commit to one plan or one person. You can be cunning when it suits you. You often scatter your energy across too many projects. You may seem unreliable to others. You can talk your way out of trouble too easily. You sometimes rely on charm rather than hard work to get by.</source>
        <translation>A inquietação pode tomar conta de você, e o tédio chega fácil. Às vezes é inconstante e muda de ideia a toda hora. Pode ser superficial e não se aprofundar nas coisas. Pode ficar com os nervos à flor da pele. Tende a fofocar mais do que deveria. Tem dificuldade de se comprometer com um só plano ou uma só pessoa. Pode usar de astúcia quando lhe convém. Muitas vezes espalha sua energia por projetos demais. Pode parecer pouco confiável aos olhos dos outros. Consegue se livrar de encrencas na base da conversa com facilidade demais. Às vezes conta mais com o charme do que com o trabalho duro para se virar.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Pisces and Scorpio</source>
        <translation>Peixes e Escorpião</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Pérola</translation>
    </message>
    <message>
        <source>You are caring, loving and deeply protective. You always put your family first. You have a wonderful memory, especially for people and events from the past. You are intuitive and can sense what others are feeling. You are loyal and stand by your loved ones through thick and thin. You are sympathetic and a good listener. You are imaginative and creative. You are tenacious and hold on to what matters to you. You are a natural homemaker. You love to cook for the people you care about. You are gentle, kind and patient. You are shrewd with money and rarely waste it. You are patriotic and proud of your roots. You cherish tradition and family history. You make others feel safe and welcome. You are emotionally intelligent. You are quick to comfort anyone in distress. You are persuasive in a quiet way. Your tender heart and devotion make you a treasured friend.</source>
        <translation>Você é uma pessoa atenciosa, amorosa e extremamente protetora. Sempre coloca a família em primeiro lugar. Tem uma memória maravilhosa, sobretudo para pessoas e acontecimentos do passado. Sua intuição permite perceber o que os outros estão sentindo. É leal e fica ao lado de quem ama nos bons e nos maus momentos. Tem empatia e sabe ouvir. Tem imaginação e criatividade. É tenaz e não larga o que tem valor para você. Tem um dom natural para cuidar da casa. Adora cozinhar para as pessoas queridas. É gentil, amável e paciente. Sabe lidar com o dinheiro e raramente o desperdiça. É patriota e tem orgulho das suas raízes. Valoriza a tradição e a história da família. Faz os outros se sentirem seguros e acolhidos. Tem inteligência emocional. Não demora a consolar quem está aflito. Tem um jeito tranquilo de persuadir. Seu coração terno e sua dedicação fazem de você uma amizade preciosa.</translation>
    </message>
    <message>
        <source>You can be moody, and your feelings change like the tides. You are sometimes overly sensitive and easily hurt. You may cling to the past and find it hard to let go. You can be overprotective of the people you love. You tend to worry about things that may never happen. You can retreat into your shell when upset. You are sometimes manipulative when you feel insecure. You may be touchy and take harmless remarks to heart. You can hold on to grudges for years. You are prone to self-pity when things go wrong. You can be suspicious of strangers. You sometimes smother others with too much care and attention.</source>
        <translation>Você pode ser temperamental, e seus sentimentos mudam como as marés. Às vezes é sensível demais e se magoa com facilidade. Pode se apegar ao passado e ter dificuldade em deixá-lo para trás. Pode proteger demais as pessoas que ama. Tende a se preocupar com coisas que talvez nunca aconteçam. Quando se chateia, pode se fechar na sua concha. Às vezes recorre à manipulação quando bate a insegurança. Pode se ofender à toa e levar a mal comentários inofensivos. Pode guardar rancor por anos. Tende à autopiedade quando as coisas dão errado. Pode desconfiar de estranhos. Às vezes sufoca os outros com cuidado e atenção demais.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>8 and 9</source>
        <translation>8 e 9</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Aries and Sagittarius</source>
        <translation>Áries e Sagitário</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubi</translation>
    </message>
    <message>
        <source>You are generous, warm-hearted and big-spirited. You are a born leader who takes charge with style and grace. You are confident and carry yourself with natural dignity. You are creative and have a flair for the dramatic. You are loyal to your friends and fiercely protective of them. You are cheerful and bring sunshine wherever you go. You are enthusiastic about life and live it to the full. You are broad-minded and tolerant of human failings. You are ambitious and aim for the very top in all you do. You are honest and expect honesty in return. You are playful and love to have fun with friends and children alike. You are a wonderful host who loves to entertain. You are courageous in the face of difficulty. You have a great capacity for love and affection. You are proud of your achievements, and rightly so. You encourage others to shine as well and praise them generously. You are faithful in love and true to your word. Your warmth and magnetism draw admirers to you like moths to a flame.</source>
        <translation>Você é uma pessoa generosa, calorosa e de alma grande. É líder por natureza e assume o comando com estilo e elegância. Tem autoconfiança e se porta com uma dignidade natural. Tem criatividade de sobra e um dom para o dramático. É leal aos amigos e os defende com ardor. Tem um jeito alegre e leva sol por onde passa. Vive a vida com entusiasmo e aproveita cada momento ao máximo. Tem a mente aberta e é tolerante com as falhas humanas. Tem ambição e mira o topo em tudo o que faz. Age com honestidade e espera o mesmo em troca. Tem um espírito brincalhão e adora se divertir com amigos e crianças. Sabe receber como ninguém e adora oferecer festas. Mostra coragem diante das dificuldades. Tem uma enorme capacidade de amar e de dar carinho. Tem orgulho das suas conquistas, e com razão. Incentiva os outros a brilharem também e os elogia com generosidade. É fiel no amor e cumpre a sua palavra. Seu calor humano e seu magnetismo atraem admiradores como a chama atrai as mariposas.</translation>
    </message>
    <message>
        <source>You can be vain and love to be admired. You are sometimes arrogant and overbearing. You may be pompous when you feel important. You can be bossy and patronizing. You like to be the center of attention at all times. You are easily wounded by criticism. You can be stubborn about your opinions. You sometimes spend lavishly beyond your means. You may be intolerant of people who do not share your views. You can be dogmatic and refuse to admit you are wrong. You dislike playing second fiddle to anyone. You tend to exaggerate your own importance. You can sulk when ignored. You sometimes demand loyalty while forgetting that it must be earned.</source>
        <translation>Você pode ser uma pessoa vaidosa, que adora receber admiração. Às vezes age com arrogância e prepotência. Pode adotar ares de grandeza quando se sente importante. Pode querer mandar em todos e tratar os outros com condescendência. Gosta de ser o centro das atenções o tempo todo. Você se magoa facilmente com críticas. Pode se apegar teimosamente às suas opiniões. Às vezes gasta com extravagância, além das suas possibilidades. Pode ser intolerante com quem não compartilha das suas ideias. Pode agir de forma dogmática e se recusar a admitir um erro. Detesta ficar em segundo plano, seja para quem for. Tende a exagerar a própria importância. Pode ficar de cara amarrada quando não lhe dão atenção. Às vezes exige lealdade e esquece que ela precisa ser conquistada.</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>3 and 5</source>
        <translation>3 e 5</translation>
    </message>
    <message>
        <source>Capricorn and Taurus</source>
        <translation>Capricórnio e Touro</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Safira</translation>
    </message>
    <message>
        <source>You are modest, practical and hard-working. You have a sharp, analytical mind. You pay great attention to detail and rarely miss a thing. You are reliable and always do what you promise. You are neat, methodical and well organized. You are kind and love to be of service to others. You are intelligent and express yourself clearly. You take good care of your health and keep yourself fit. You are honest and conscientious in all that you do. Your quiet efficiency makes you an invaluable friend and colleague.</source>
        <translation>Você é uma pessoa modesta, prática e trabalhadora. Tem uma mente afiada e analítica. Presta muita atenção aos detalhes e raramente deixa algo escapar. É confiável e sempre cumpre o que promete. Tem capricho, método e organização. É gentil e adora ser útil aos outros. É inteligente e se expressa com clareza. Cuida bem da saúde e se mantém em forma. Age com honestidade e zelo em tudo o que faz. Sua eficiência discreta faz de você uma presença inestimável entre amigos e colegas.</translation>
    </message>
    <message>
        <source>You can be fussy and overly critical of others. You are sometimes a perfectionist who is never satisfied. You may worry too much about small things. You can be harsh in your judgments. You tend to be a little too conservative. You often neglect your own needs while caring for others. You can be shy and reluctant to show your feelings.</source>
        <translation>Você pode ser exigente demais e criticar os outros em excesso. Às vezes seu perfeccionismo não se satisfaz com nada. Pode se preocupar demais com pequenas coisas. Pode julgar com severidade. Tende a um conservadorismo um pouco excessivo. Muitas vezes deixa de lado as próprias necessidades enquanto cuida dos outros. A timidez pode fazer você relutar em mostrar seus sentimentos.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>6 and 9</source>
        <translation>6 e 9</translation>
    </message>
    <message>
        <source>Aquarius and Gemini</source>
        <translation>Aquário e Gêmeos</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opala</translation>
    </message>
    <message>
        <source>You are charming, diplomatic and easygoing. You have a strong sense of fairness and justice. You are a natural peacemaker in any dispute. You are romantic and idealistic in love. You appreciate beauty in all its forms. You have refined taste and an eye for elegance. You are sociable and enjoy good company. You are gracious and polite, even to people you dislike. You see every side of a question before you decide. You work best in partnership with others. You are cooperative and tactful. You are a gentle and considerate friend. You bring harmony to any group. Your grace and good manners win you friends wherever you go and make every gathering you attend a little more pleasant for everyone who shares it with you.</source>
        <translation>Você é uma pessoa encantadora, diplomática e tranquila. Tem um forte senso de equidade e de justiça. Em qualquer conflito, é quem naturalmente promove a paz. No amor, tem alma romântica e idealista. Aprecia a beleza em todas as suas formas. Tem gosto refinado e um olhar atento para a elegância. É sociável e gosta de boa companhia. Trata todos com gentileza e cortesia, mesmo quem não lhe agrada. Examina todos os lados de uma questão antes de decidir. Rende mais quando trabalha em parceria. Sabe cooperar e tem tato. Trata os amigos com delicadeza e consideração. Leva harmonia a qualquer grupo. Sua elegância e suas boas maneiras conquistam amigos por onde você passa e tornam cada encontro de que participa um pouco mais agradável para todos os que estão com você.</translation>
    </message>
    <message>
        <source>You can be indecisive and spend ages weighing up every option. You are sometimes easily influenced by the opinions of others. You may be flirtatious and a little fickle in matters of love. You tend to avoid confrontation even when it is truly needed. You can be self-indulgent and lazy when it suits you. You sometimes hide your true feelings just to keep the peace.</source>
        <translation>A indecisão pode fazer você passar horas pesando cada opção. Às vezes se deixa influenciar facilmente pela opinião dos outros. No amor, pode gostar de flertar e ser um pouco volúvel. Tende a evitar confrontos mesmo quando eles são realmente necessários. Pode se entregar aos mimos e à preguiça quando lhe convém. Às vezes esconde seus verdadeiros sentimentos só para manter a paz.</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Verde-oliva</translation>
    </message>
    <message>
        <source>2 and 4</source>
        <translation>2 e 4</translation>
    </message>
    <message>
        <source>Cancer and Pisces</source>
        <translation>Câncer e Peixes</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topázio</translation>
    </message>
    <message>
        <source>You are determined and forceful, and once you set your sights on a goal you pursue it to the end. You are passionate and throw your whole heart into everything you do. You have a deep emotional intelligence and can see right through pretense. You are loyal, and your devotion to those you love knows no bounds. You are resourceful and never run out of ways to solve a difficult problem. You are brave and face even the darkest challenges of life without flinching. You have a magnetic personality that others find hard to resist. You are perceptive and often know what people are thinking before they speak. You keep secrets well, and friends trust you with their most private thoughts and fears.</source>
        <translation>Você é uma pessoa determinada e enérgica e, quando define um objetivo, vai atrás dele até o fim. Vive tudo com paixão e se entrega de coração a tudo o que faz. Tem uma profunda inteligência emocional e enxerga através de qualquer fingimento. É leal, e sua dedicação a quem ama não tem limites. Nunca lhe faltam recursos para resolver um problema difícil. Tem coragem e enfrenta sem vacilar até os desafios mais sombrios da vida. Tem uma personalidade magnética à qual é difícil resistir. Tem grande percepção e muitas vezes sabe o que as pessoas estão pensando antes que falem. Sabe guardar segredos, e os amigos lhe confiam seus pensamentos e medos mais íntimos.</translation>
    </message>
    <message>
        <source>You can be jealous and possessive in your relationships. You are sometimes secretive to the point of being mysterious even to your closest friends. You may be resentful and find it hard to forgive a wrong. You can be compulsive and obsessive when something grips you. You have a sharp sting when crossed. You are sometimes suspicious of other people&apos;s motives. You can be stubborn and unwilling to compromise. You tend to keep your feelings bottled up until they explode. You may seek revenge when you feel betrayed, even long after the event.</source>
        <translation>Você pode sentir ciúme e agir com possessividade nos relacionamentos. Às vezes guarda tanto segredo que se torna um mistério até para os amigos mais próximos. Pode guardar ressentimentos e ter dificuldade em perdoar uma ofensa. Pode agir de forma compulsiva e obsessiva quando algo toma conta de você. Quando contrariam você, seu ferrão é afiado. Às vezes desconfia das intenções dos outros. Pode ser inflexível e não aceitar acordos. Tende a guardar os sentimentos até que eles explodam. Pode buscar vingança quando sente que houve traição, mesmo muito tempo depois do ocorrido.</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Plutão e Marte</translation>
    </message>
    <message>
        <source>5 and 7</source>
        <translation>5 e 7</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Aries and Leo</source>
        <translation>Áries e Leão</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>You are optimistic, cheerful and full of good humor. You love freedom and need plenty of room to roam. You are adventurous and eager to explore far-off places and new ideas. You are honest and straightforward, and you always say what you mean. You are broad-minded and open to every culture and way of life. You are a natural philosopher who wonders about the meaning of things. You are generous with your time, your money and your laughter. You are enthusiastic and inspire others with your zest for life. You are intellectual and love to study, read and debate big questions. You are friendly and easy to get along with, whoever you meet. You have a great sense of fun and a playful spirit that never grows old. You are a lucky soul who bounces back from every misfortune with a smile. Your faith in the future and your sense of adventure make life with you an exciting journey.</source>
        <translation>Você é otimista, alegre e transborda bom humor. Ama a liberdade e precisa de muito espaço para circular. Tem espírito aventureiro e anseia por explorar lugares distantes e novas ideias. Tem franqueza e sinceridade, e sempre diz exatamente o que pensa. Tem a mente aberta a todas as culturas e modos de vida. Tem alma de filósofo e se pergunta sobre o sentido das coisas. Reparte com generosidade seu tempo, seu dinheiro e suas risadas. Tem entusiasmo e inspira os outros com sua paixão pela vida. Tem espírito intelectual e adora estudar, ler e debater grandes questões. É amigável e de fácil convivência, seja com quem for. Adora se divertir e tem um jeito brincalhão que nunca envelhece. É uma alma de sorte que se recupera de qualquer infortúnio com um sorriso. Sua fé no futuro e seu espírito de aventura fazem da vida ao seu lado uma viagem emocionante.</translation>
    </message>
    <message>
        <source>You can be restless and unable to settle down. You are sometimes careless and tactless in what you say. You may be irresponsible when duty calls and fun beckons. You tend to promise more than you can deliver. You can be impatient with details and daily routine. You are prone to exaggeration when you tell a good story. You sometimes take foolish risks just for the thrill of it.</source>
        <translation>Você pode ter um espírito inquieto, incapaz de sossegar. Às vezes fala sem cuidado e sem tato. Pode agir de forma irresponsável quando o dever chama e a diversão acena. Tende a prometer mais do que pode cumprir. Pode perder a paciência com detalhes e com a rotina do dia a dia. Tem tendência a exagerar quando conta uma boa história. Às vezes corre riscos tolos só pela emoção.</translation>
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
        <translation>8 e 2</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Taurus and Virgo</source>
        <translation>Touro e Virgem</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granada</translation>
    </message>
    <message>
        <source>You are practical, prudent and ambitious. You are disciplined and work steadily toward long-term goals. You are patient and willing to wait for success. You are responsible and take your duties seriously. You are reliable, and people know they can count on you. You have a dry and witty sense of humor. You are persistent and do not give up when things get hard. You are careful with money and plan for the future. You respect tradition and the wisdom of experience. You are organized and make the most of your time. You are loyal to family and friends and stand by them for life. You are a capable manager who gets things done. Your quiet determination and sense of purpose carry you to the top of any mountain you choose to climb.</source>
        <translation>Você é uma pessoa prática, prudente e ambiciosa. Tem disciplina e trabalha com constância rumo a metas de longo prazo. É paciente e sabe esperar pelo sucesso. É responsável e leva seus deveres a sério. É confiável, e as pessoas sabem que podem contar com você. Tem um senso de humor seco e espirituoso. É persistente e não desiste quando as coisas ficam difíceis. Cuida bem do dinheiro e planeja o futuro. Respeita a tradição e a sabedoria da experiência. Sabe se organizar e aproveita bem o seu tempo. É leal à família e aos amigos e fica ao lado deles a vida inteira. Tem talento para administrar e sabe fazer as coisas acontecerem. Sua determinação silenciosa e seu senso de propósito levam você ao topo de qualquer montanha que decida escalar.</translation>
    </message>
    <message>
        <source>You can be pessimistic and expect the worst. You are sometimes rigid and set in your ways. You may be too serious and forget to have fun. You can be cold and distant with people you do not know well. You tend to be a workaholic who neglects rest and play. You can be stubborn and unwilling to listen to new ideas. You are sometimes miserly with money. You may judge others by their status or success. You can be unforgiving of mistakes, including your own. You sometimes bottle up your worries and carry the weight of the world alone.</source>
        <translation>Você pode ser pessimista e esperar sempre o pior. Às vezes é inflexível e não abre mão dos seus hábitos. Pode levar tudo a sério demais e se esquecer de se divertir. Pode tratar com frieza e distância quem não conhece bem. Tende a viver para o trabalho e a deixar de lado o descanso e o lazer. Pode se fechar teimosamente a ideias novas. Às vezes é pão-duro com o dinheiro. Pode julgar os outros pelo status ou pelo sucesso. Pode ser implacável com os erros, inclusive com os seus. Às vezes guarda as preocupações só para si e carrega o peso do mundo nas costas sem a ajuda de ninguém.</translation>
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
        <translation>1 e 7</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>You are friendly, humane and deeply concerned with the welfare of others. You are original and inventive, always full of fresh ideas. You are independent and value your freedom above almost everything. You are intellectual and love to explore new theories and technologies. You are honest and loyal to your friends, whom you treat as family. You are progressive and look to the future rather than the past. You are open-minded and accept people as they are. You are a true humanitarian who dreams of a better world for everyone. You are clever and can solve problems in unusual ways. You are tolerant of differences and quick to defend the underdog. Your vision and willingness to be different make you a genuine pioneer who helps move the world forward.</source>
        <translation>Você é uma pessoa amigável, humana e profundamente preocupada com o bem-estar dos outros. Tem originalidade e inventividade, e as ideias novas nunca lhe faltam. É independente e valoriza sua liberdade acima de quase tudo. Tem sede de conhecimento e adora explorar novas teorias e tecnologias. Age com honestidade e lealdade com os amigos, que trata como família. É progressista e olha para o futuro, não para o passado. Tem a mente aberta e aceita as pessoas como elas são. Tem uma alma verdadeiramente humanitária e sonha com um mundo melhor para todos. É inteligente e consegue resolver problemas de maneiras inusitadas. É tolerante com as diferenças e não hesita em defender os mais fracos. Sua visão e sua disposição de ser diferente fazem de você uma mente pioneira de verdade, que ajuda o mundo a seguir em frente.</translation>
    </message>
    <message>
        <source>You can be detached and seem emotionally distant to those who love you. You are sometimes stubborn and refuse to change your opinions once they are formed. You may be unpredictable, and your sudden changes of plan can unsettle others. You can be contrary just for the sake of it. You tend to rebel against rules, even sensible ones. You are sometimes tactless when you speak your mind. You may be aloof and keep people at arm&apos;s length. You can be so wrapped up in big ideas that you forget practical matters. You sometimes value your independence so much that you avoid close ties. You can be eccentric in ways that puzzle the people around you.</source>
        <translation>Você pode demonstrar desapego e parecer emocionalmente distante para as pessoas que amam você. Às vezes se recusa teimosamente a mudar de opinião depois de formá-la. Pode ser imprevisível, e suas mudanças repentinas de planos podem desestabilizar os outros. Pode ser do contra só pelo gosto de contrariar. Tende a se rebelar contra as regras, mesmo as sensatas. Às vezes fala o que pensa sem nenhum tato. Pode parecer indiferente e manter as pessoas à distância. Pode se envolver tanto com grandes ideias que esquece as questões práticas. Às vezes valoriza tanto sua independência que evita laços próximos. Sua excentricidade pode intrigar as pessoas ao seu redor.</translation>
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
        <translation>Água-marinha</translation>
    </message>
    <message>
        <source>You are imaginative, sensitive and deeply compassionate. You are kind and gentle, and you feel the pain of others as if it were your own. You are intuitive and often sense things before they happen. You are selfless and always ready to help those in need. You are artistic and have a rich inner world of dreams. You are adaptable and flow easily with the changes of life. You are romantic and devoted in love. You are a wonderful listener who never judges or criticizes. You are spiritual and drawn to the mysteries of life. You are modest and never seek the limelight for yourself. Your gentle soul and generous heart make the world a softer and kinder place for all who know you.</source>
        <translation>Você é uma pessoa imaginativa, sensível e profundamente compassiva. É gentil e amável, e sente a dor dos outros como se fosse sua. Tem intuição e muitas vezes pressente as coisas antes que aconteçam. Tem um coração altruísta e sempre se dispõe a ajudar quem precisa. Tem alma de artista e um rico mundo interior de sonhos. Você se adapta bem e acompanha com leveza as mudanças da vida. Vive o amor com romantismo e dedicação. Sabe ouvir como ninguém e nunca julga nem critica. Tem uma forte espiritualidade e se encanta com os mistérios da vida. Com sua modéstia, nunca busca os holofotes para si. Sua alma gentil e seu coração generoso tornam o mundo um lugar mais doce e acolhedor para todos que conhecem você.</translation>
    </message>
    <message>
        <source>You can be escapist and retreat into a world of fantasy. You are sometimes vague and find it hard to make decisions. You may be easily led astray by stronger personalities. You can be oversensitive and take things too personally. You tend to be disorganized and often lose track of time. You sometimes play the martyr and suffer in silence. You can be too trusting, and others may take advantage of your good nature.</source>
        <translation>Você pode fugir da realidade e se refugiar num mundo de fantasia. Às vezes fica com a cabeça nas nuvens e tem dificuldade em tomar decisões. Pode se deixar levar facilmente por personalidades mais fortes. Pode ser sensível demais e levar tudo para o lado pessoal. Tende à desorganização e muitas vezes perde a noção do tempo. Às vezes se faz de mártir e sofre em silêncio. Pode confiar demais nos outros, e alguns podem se aproveitar da sua boa índole.</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Netuno e Júpiter</translation>
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
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto simples (*.txt)</translation>
    </message>
    <message>
        <source>%1 reading - %2.pdf</source>
        <extracomment>The name a saved reading is offered under: the sign, then the first and last name.</extracomment>
        <translation>Leitura de %1 - %2.pdf</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Leitura de %1</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Não foi possível salvar a leitura como &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Salvar leitura</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>&quot;%1&quot; já existe.
Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Copy Reading</source>
        <translation>Copiar leitura</translation>
    </message>
    <message>
        <source>Save Reading As…</source>
        <translation>Salvar leitura como…</translation>
    </message>
    <message>
        <source>Print Reading…</source>
        <translation>Imprimir leitura…</translation>
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
        <translation>dourado</translation>
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
        <translation>laranja</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
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
        <translation>amarelo</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Emblema de %1</translation>
    </message>
    <message>
        <source>%1 color swatch</source>
        <translation>Amostra da cor %1</translation>
    </message>
    <message>
        <source>Remember This Person</source>
        <translation>Adicionar às pessoas queridas</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução.</translation>
    </message>
    <message>
        <source>KV Dwellstar needs a graphical desktop, but no display is available.</source>
        <translation>O KV Dwellstar precisa de um ambiente gráfico, mas nenhuma tela está disponível.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este software.<byte value="xd"/>Deseja verificar se há atualizações?</translation>
    </message>
</context>
</TS>
