<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BookText</name>
    <message>
        <source>It could not be set aside as &quot;%1&quot;.</source>
        <translation>Не удалось отложить его в сторону под именем «%1».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Не удалось создать папку «%1».</translation>
    </message>
    <message>
        <source>Another KV Dwellstar is changing the book just now.</source>
        <translation>Список близких сейчас изменяет другой запущенный экземпляр KV Dwellstar.</translation>
    </message>
    <message>
        <source>The book&apos;s lock could not be made in &quot;%1&quot;.</source>
        <translation>Не удалось создать блокировку списка близких в папке «%1».</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Colors: %1</source>
        <translation>Любимые цвета: %1</translation>
    </message>
    <message>
        <source>Birthstone: %1</source>
        <translation>Камень: %1</translation>
    </message>
    <message>
        <source>Home style: %1</source>
        <translation>Интерьер: %1</translation>
    </message>
    <message>
        <source>%1&apos;s birthday (%2)</source>
        <translation>День рождения: %1 (%2)</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Дни рождения</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>First name.</source>
        <translation>Имя.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>Middle name.</source>
        <translation>Отчество.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Фамилия.</translation>
    </message>
    <message>
        <source>Date of birth, such as 1990-08-15.</source>
        <translation>Дата рождения, например 1990-08-15.</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>гггг-мм-дд</translation>
    </message>
    <message>
        <source>Save the reading in &lt;file&gt; instead of printing it: .pdf, .png or .txt by its extension; another name gets .pdf. &quot;-&quot; prints it.</source>
        <translation>Сохранить гороскоп в &lt;файл&gt; вместо вывода в терминал: формат .pdf, .png или .txt выбирается по расширению; к любому другому имени (с другим расширением или без него) добавляется .pdf. «-» — вывод в терминал.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date of birth: give it as yyyy-mm-dd, such as 1990-08-15.</source>
        <translation>«%1» — не дата рождения: укажите её в виде гггг-мм-дд, например 1990-08-15.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Не удалось вывести гороскоп.</translation>
    </message>
    <message>
        <source>Home design tips for your sun sign. Without options KV Dwellstar opens its windows; given the details of a reading, it prints the reading as text, or saves it, and opens no window.</source>
        <translation>Советы по оформлению дома для вашего знака зодиака. Без параметров KV Dwellstar открывает свои окна; если указаны данные для гороскопа, программа выводит его в виде текста или сохраняет в файл и окон не открывает.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language of KV Dwellstar: give one of %2.</source>
        <translation>«%1» — не язык KV Dwellstar: укажите один из следующих: %2.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt;, one of %1, instead of the desktop&apos;s; also for the windows.</source>
        <translation>Использовать язык &lt;код&gt; (один из: %1) вместо языка рабочего стола; также и в окнах.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <source>Keep the person of the reading among your people too.</source>
        <translation>Также добавить человека, для которого составлен гороскоп, к вашим близким.</translation>
    </message>
    <message>
        <source>Print your people, soonest birthday first, one a line: name, date of birth (--mm-dd without the year), sign and days to the next birthday, separated by tabs.</source>
        <translation>Вывести список ваших близких, начиная с ближайшего дня рождения, по одному человеку в строке: имя, дата рождения (--мм-дд, если год не указан), знак зодиака и число дней до следующего дня рождения, через табуляцию.</translation>
    </message>
    <message>
        <source>Add to your people every contact of the vCard file &lt;file&gt; that has a birthday.</source>
        <translation>Добавить к вашим близким все контакты из файла vCard &lt;файл&gt;, у которых указан день рождения.</translation>
    </message>
    <message>
        <source>Write your people&apos;s birthdays to &lt;file&gt; as an iCalendar file, a yearly event each with its gift tips. &quot;-&quot; prints it.</source>
        <translation>Записать дни рождения ваших близких в &lt;файл&gt; в формате iCalendar: каждый — как ежегодное событие с идеями подарков. «-» — вывод в терминал.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Посетите %1 прямо сейчас</translation>
    </message>
    <message>
        <source>Please visit Velmora at %1 regularly and support it by taking part in its discussions and other activities. These programs cannot be supported and maintained without you regularly visiting %1.</source>
        <translation>Пожалуйста, регулярно заходите на Velmora по адресу %1 и поддерживайте сообщество, участвуя в обсуждениях и других мероприятиях. Без ваших регулярных посещений %1 поддерживать и развивать эти программы невозможно.</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Программы Velmora Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Перейти на сайт Velmora Softwares</translation>
    </message>
    <message>
        <source>Enjoyed KV Dwellstar? Then you will surely be interested in the other programs of Velmora Softwares. What started as a single program has grown into a large collection of them. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                                All Velmora Softwares programs are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Понравилась программа KV Dwellstar? Тогда вас наверняка заинтересуют и другие программы Velmora Softwares. Всё началось с одной-единственной программы, а теперь их целая коллекция. Астрология, экстрасенсорика, таро, нумерология или оккультизм — у нас есть программы во всех областях, так что каждый найдёт то, что ему интересно.                                                                Все программы Velmora Softwares просты и удобны. Они не только увлекательны, но и очень познавательны. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Расскажите другу</translation>
    </message>
    <message>
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Ваше сообщение<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Рассказать другу &amp;сейчас</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Перейти на сайт %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>KV Dwellstar расскажет о том, как разные знаки зодиака любят обустраивать дом. Узнайте, какие цвета и стили интерьера предпочитают ваши близкие. С этой программой вы подберёте идеальный подарок для дома и интерьера.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Узнать подробнее.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Возможность для бизнеса на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта.</translation>
    </message>
    <message>
        <source>Velmora is the most popular online discussion community of its kind. It is the best resource on the occult. Visit %1 now!</source>
        <translation>Velmora — самое популярное онлайн-сообщество в своём роде и лучший ресурс об оккультизме. Заходите на %1!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Программа под брендом вашего сайта:  больше верных посетителей. Здесь — название и ссылка сайта. Подробнее — в «Справке».    Нажмите, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Возможность для бизнеса на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта. Нажмите здесь, чтобы узнать подробнее.</translation>
    </message>
    <message>
        <source>KV Dwellstar Result</source>
        <translation>Результат KV Dwellstar</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Любимые цвета</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Планета знака</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Стихия</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Камень</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Счастливое число</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>День удачи</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Совместимость</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Недостатки</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Достоинства</translation>
    </message>
    <message>
        <source>Sun sign emblem</source>
        <translation>Эмблема знака зодиака</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Знак зодиака</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Интерьер</translation>
    </message>
    <message>
        <source>Color swatch</source>
        <translation>Образец цвета</translation>
    </message>
    <message>
        <source>Home Astrology Attributes</source>
        <translation>Астрология для дома</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Справка в Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Пожалуйста, заполните поля ниже:</translation>
    </message>
    <message>
        <source>Get My Dwellstar Reading</source>
        <translation>Узнать мой гороскоп</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Имя</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Фамилия</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Date Of Birth: Day</source>
        <translation>Дата рождения: день</translation>
    </message>
    <message>
        <source>Date Of Birth: Month</source>
        <translation>Дата рождения: месяц</translation>
    </message>
    <message>
        <source>Date Of Birth: Year</source>
        <translation>Дата рождения: год</translation>
    </message>
    <message>
        <source>Know more about the home design preferences of the different zodiac signs. Get tips to know your dear one&apos;s favorite colors and design styles. Gift the perfect home and interiors with the help of this software.</source>
        <translation>Узнайте, как разные знаки зодиака любят обустраивать дом. Выясните, какие цвета и стили интерьера предпочитают ваши близкие. С этой программой вы подберёте идеальный подарок для дома и интерьера.</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы</translation>
    </message>
    <message>
        <source>Our family of free programs can only be created and kept up with your support. The best way to support us is to visit %1 regularly and take part in the discussions and other activities on its board.</source>
        <extracomment>%1 is the community site&apos;s address.</extracomment>
        <translation>Наше семейство бесплатных программ может создаваться и развиваться только благодаря вашей поддержке. Лучший способ поддержать нас — регулярно заходить на %1 и участвовать в обсуждениях и других мероприятиях форума.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. We cannot support and maintain these programs unless our users visit the site regularly.</source>
        <translation>Пожалуйста, регулярно заходите на %1 и поддерживайте сайт, участвуя в обсуждениях и других мероприятиях. Мы не сможем поддерживать и развивать эти программы, если пользователи не будут регулярно посещать сайт.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology, tarot, numerology and the occult. To help us develop and maintain this program, please visit it regularly.</source>
        <translation>%1 — бесплатный онлайн-форум об астрологии, таро, нумерологии и оккультизме. Чтобы помочь нам развивать и поддерживать эту программу, пожалуйста, регулярно заходите на него.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visiting it regularly and taking part in its discussions and activities helps us maintain it and develop more programs like this one.</source>
        <translation>%1 нуждается в вашей помощи. Регулярно посещая сайт и участвуя в его обсуждениях и мероприятиях, вы помогаете нам поддерживать его и создавать новые программы, подобные этой.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Пожалуйста, введите разные адреса электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Пожалуйста, введите правильный адрес электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Пожалуйста, введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Пожалуйста, введите свой адрес электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Пожалуйста, введите сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Пожалуйста, введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Пожалуйста, введите адрес электронной почты друга</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>&amp;People…</source>
        <translation>&amp;Близкие…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The Desktop&apos;s Language (%1)</source>
        <translation>Язык рабочего стола (%1)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
</context>
<context>
    <name>PeopleText</name>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дня</numerusform>
            <numerusform>через %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Знак</translation>
    </message>
    <message>
        <source>Next Birthday</source>
        <translation>Следующий день рождения</translation>
    </message>
    <message>
        <source>Your book of people could not be read, and nothing in it was changed.

%1</source>
        <translation>Не удалось прочитать список ваших близких; в нём ничего не изменено.

%1</translation>
    </message>
    <message>
        <source>Your book of people could not be read: it is damaged. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Не удалось прочитать список ваших близких: он повреждён. Он без изменений отложен в сторону под именем «%1», а вместо него начат новый список.</translation>
    </message>
    <message>
        <source>Your book of people was written by a newer KV Dwellstar, which this one cannot read. It has been set aside, unchanged, as &quot;%1&quot;, and a new book begun.</source>
        <translation>Список ваших близких записан более новой версией KV Dwellstar, и эта версия не может его прочитать. Он без изменений отложен в сторону под именем «%1», а вместо него начат новый список.</translation>
    </message>
    <message>
        <source>The change could not be kept in your book of people, which is as it was.

%1</source>
        <translation>Не удалось сохранить изменение в списке ваших близких; список остался прежним.

%1</translation>
    </message>
    <message>
        <source>Contacts read from &quot;%1&quot;:</source>
        <translation>Прочитаны контакты из файла «%1»:</translation>
    </message>
    <message>
        <source>added to your people: %1</source>
        <translation>добавлено к вашим близким: %1</translation>
    </message>
    <message>
        <source>already among them: %1</source>
        <translation>уже были среди них: %1</translation>
    </message>
    <message>
        <source>skipped, without a birthday: %1</source>
        <translation>пропущено, нет дня рождения: %1</translation>
    </message>
    <message>
        <source>skipped, with a birthday that is no date: %1</source>
        <translation>пропущено, день рождения не распознан как дата: %1</translation>
    </message>
    <message>
        <source>skipped, without a name: %1</source>
        <translation>пропущено, нет имени: %1</translation>
    </message>
    <message>
        <source>The birthdays could not be exported to &quot;%1&quot;.

%2</source>
        <translation>Не удалось экспортировать дни рождения в файл «%1».

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; your people are as they were.

%2</source>
        <translation>Не удалось прочитать файл «%1»; список ваших близких не изменился.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no contacts in vCard form; your people are as they were.</source>
        <translation>В файле «%1» нет контактов в формате vCard; список ваших близких не изменился.</translation>
    </message>
</context>
<context>
    <name>PeopleWindow</name>
    <message>
        <source>People - KV Dwellstar</source>
        <translation>Близкие — KV Dwellstar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>Name or sign</source>
        <translation>Имя или знак</translation>
    </message>
    <message>
        <source>Filter by name or sign</source>
        <translation>Фильтр по имени или знаку</translation>
    </message>
    <message>
        <source>People, soonest birthday first</source>
        <translation>Близкие, начиная с ближайшего дня рождения</translation>
    </message>
    <message>
        <source>Gift Tips</source>
        <translation>Идеи подарков</translation>
    </message>
    <message>
        <source>Sign:</source>
        <translation>Знак зодиака:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Любимые цвета:</translation>
    </message>
    <message>
        <source>Birthstone:</source>
        <translation>Камень:</translation>
    </message>
    <message>
        <source>Home style:</source>
        <translation>Интерьер:</translation>
    </message>
    <message>
        <source>&amp;Open Reading</source>
        <translation>&amp;Открыть гороскоп</translation>
    </message>
    <message>
        <source>&amp;Forget…</source>
        <translation>&amp;Удалить…</translation>
    </message>
    <message>
        <source>&amp;Import Contacts…</source>
        <translation>&amp;Импорт контактов…</translation>
    </message>
    <message>
        <source>&amp;Export Birthdays…</source>
        <translation>&amp;Экспорт дней рождения…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Forget %1, born %2?</source>
        <translation>Удалить из списка близких: %1 (дата рождения: %2)?</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Импорт контактов</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Файлы vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Export Birthdays</source>
        <translation>Экспорт дней рождения</translation>
    </message>
    <message>
        <source>birthdays.ics</source>
        <translation>дни-рождения.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>A person needs a name to be remembered.</source>
        <translation>Чтобы добавить человека к близким, нужно знать его имя.</translation>
    </message>
    <message>
        <source>%1 is now among your people.</source>
        <translation>%1 теперь среди ваших близких.</translation>
    </message>
    <message>
        <source>%1 is already among your people.</source>
        <translation>%1 уже среди ваших близких.</translation>
    </message>
    <message>
        <source>Nobody is kept here yet. Remember the person of a reading with Ctrl+D in its window, or import your contacts.</source>
        <translation>Среди ваших близких пока никого нет. Добавьте человека из гороскопа сочетанием Ctrl+D в его окне или импортируйте контакты.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: say which ones it takes (letters of any alphabet, with their accents; small ones become capitals; and blanks).</extracomment>
        <translation>Пожалуйста, вводите только буквы и пробелы</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Пожалуйста, введите имя</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Пожалуйста, введите фамилию</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Пожалуйста, укажите, какого числа вы родились</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Пожалуйста, укажите месяц рождения</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Пожалуйста, укажите год рождения</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Пожалуйста, исправьте число или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Пожалуйста, исправьте число или месяц!</translation>
    </message>
    <message>
        <source>Preferred Colors</source>
        <translation>Любимые цвета</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Планета знака</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A heading and its value on one line of a reading kept as text (&quot;Element: Fire&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <extracomment>%1 is the birth date as the language writes it out, weekday included.</extracomment>
        <translation>Дата рождения: %1</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>День удачи</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Счастливое число</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Совместимость</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Камень</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Стихия</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Достоинства</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Недостатки</translation>
    </message>
    <message>
        <source>Design Style</source>
        <translation>Интерьер</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Знак зодиака</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
    <message>
        <source>Red is the color of energy, courage and vitality, and since ancient times it has been linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer an air of confidence that others notice. People who feel tired, shy or low in spirits can draw strength from a touch of red. Wear it when you need to be bold, such as at a job interview, a first date or an important meeting.</source>
        <translation>Красный — цвет энергии, смелости и жизненной силы; с древних времён его связывают с огнём и кровью. Он учащает пульс, обостряет чувства и придаёт тому, кто его носит, уверенность, которую замечают окружающие. Тем, кто чувствует усталость, робость или упадок духа, капля красного поможет набраться сил. Надевайте его, когда нужна смелость, например на собеседование, первое свидание или важную встречу.</translation>
    </message>
    <message>
        <source>On the positive side, green is the color of nature, growth, harmony and renewal, and it stands for health, hope and the steady abundance that comes from patient effort; on the negative side, it has long been tied to envy, jealousy and inexperience, as when we say someone is green with envy or green at a new job. Above all, green is restful to the eye and soothing to the mind, easing stress and restoring a sense of calm balance.</source>
        <translation>С положительной стороны, зелёный — цвет природы, роста, гармонии и обновления, он символизирует здоровье, надежду и устойчивое благополучие, которое приносит терпеливый труд; с отрицательной стороны, его издавна связывают с завистью, ревностью и неопытностью — недаром говорят, что человек позеленел от зависти или что новичок на работе ещё совсем зелёный. Но прежде всего зелёный даёт отдых глазам и успокаивает ум, снимает стресс и возвращает ощущение спокойного равновесия.</translation>
    </message>
    <message>
        <source>Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked with wisdom, learning and quick, clear thinking, which is why students and writers often favor it. Yellow is also the color of gold, and it has long been associated with wealth, success and prosperity. Its bright and cheerful tone lifts the mood and encourages optimism. A little yellow helps you make decisions with a clear head.</source>
        <translation>Жёлтый — цвет интеллекта; считается, что он стимулирует ум. Его связывают с мудростью, учёбой и быстрым, ясным мышлением, поэтому его часто любят студенты и писатели. Жёлтый — ещё и цвет золота, и его издавна связывают с богатством, успехом и процветанием. Его яркий, жизнерадостный тон поднимает настроение и настраивает на оптимизм. Немного жёлтого поможет вам принимать решения на ясную голову.</translation>
    </message>
    <message>
        <source>White is the color of purity, innocence and new beginnings. It brings a feeling of peace and quiet to any space and calms a restless mind. Because it holds every color of the spectrum in equal measure, white stands for balance and completeness. It is a good choice whenever you wish to start afresh.</source>
        <translation>Белый — цвет чистоты, невинности и новых начинаний. Он наполняет любое пространство ощущением мира и покоя и унимает беспокойные мысли. Поскольку в нём в равной мере соединены все цвета спектра, белый символизирует равновесие и цельность. Это хороший выбор, когда вы хотите начать всё с чистого листа.</translation>
    </message>
    <message>
        <source>Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It combines the power and energy of red with the joy and cheer of yellow. Orange is a friendly, sociable color that invites conversation and makes people feel welcome. Wearing it shows that you are confident, open and ready to take on the world with enthusiasm.</source>
        <translation>Оранжевый — цвет Солнца, тёплый и сияющий, как послеполуденный свет летнего дня. Он соединяет в себе силу и энергию красного с радостью и весельем жёлтого. Оранжевый — дружелюбный, общительный цвет, который располагает к беседе и помогает людям почувствовать себя желанными гостями. Надевая его, вы показываете, что уверены в себе, открыты и готовы с энтузиазмом покорять мир.</translation>
    </message>
    <message>
        <source>Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid ground beneath our feet. It stands for stability, reliability and a down-to-earth approach to life that others find reassuring. Brown brings a sense of comfort and security, like a warm blanket or a cozy cabin in the woods. People who favor it value honesty, hard work and the simple pleasures of home and family.</source>
        <translation>Коричневый — цвет земли, почвы, дерева и камня, он напоминает о твёрдой опоре у нас под ногами. Он символизирует стабильность, надёжность и практичный взгляд на жизнь, который вселяет в окружающих уверенность. Коричневый дарит ощущение уюта и защищённости, словно тёплый плед или бревенчатый домик в лесу. Те, кто его любит, ценят честность, трудолюбие и простые радости дома и семьи.</translation>
    </message>
    <message>
        <source>Violet is the color of sensitivity and deep compassion, and it has long been connected with the spiritual side of life. Healers and mystics prize it for its power to soothe the soul and mend the heart. Violet also awakens the imagination and nourishes creativity, making it a favorite of artists, poets and musicians. It encourages quiet reflection and a gentle understanding of others.</source>
        <translation>Фиолетовый — цвет чуткости и глубокого сострадания, его издавна связывают с духовной стороной жизни. Целители и мистики ценят его за способность успокаивать душу и врачевать сердце. Фиолетовый также пробуждает воображение и питает творчество, поэтому его так любят художники, поэты и музыканты. Он располагает к спокойным размышлениям и мягкому пониманию других.</translation>
    </message>
    <message>
        <source>Mars rules a person&apos;s assertiveness, physical power and anger. Depending on the house in which it falls, it shows where these forces can stir up conflict and trouble.</source>
        <translation>Марс управляет напористостью человека, его физической силой и гневом. В зависимости от дома, в котором он находится, Марс показывает, где эти силы могут вызвать конфликты и неприятности.</translation>
    </message>
    <message>
        <source>Venus governs how a person expresses themselves socially, romantically and through the arts.</source>
        <translation>Венера определяет то, как человек проявляет себя в общении, в любви и в искусстве.</translation>
    </message>
    <message>
        <source>Mercury rules the way that a person thinks, speaks and shares ideas.</source>
        <translation>Меркурий управляет тем, как человек думает, говорит и делится идеями.</translation>
    </message>
    <message>
        <source>The Moon governs a person&apos;s feelings and emotional needs, and it reflects the upbringing and habits formed in early childhood. It also rules the unconscious mind, which shapes many decisions made without quite knowing why.</source>
        <translation>Луна управляет чувствами и эмоциональными потребностями человека, в ней отражаются воспитание и привычки, сложившиеся в раннем детстве. Ей подвластно и бессознательное, от которого зависят многие решения, которые мы принимаем, сами толком не понимая почему.</translation>
    </message>
    <message>
        <source>The Sun is the giver of life, the source of the light and warmth that all things need to grow. In astrology it is the backbone of the whole chart, since its sign at birth is the one most people know as their own. The Sun stands for the self, the will and the vital spark that drives a person forward. On its good side it brings confidence, generosity, dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a need to be the center of attention. When the Sun is strongly placed in a chart, the person tends to be healthy, energetic and full of purpose. Such people are natural leaders who rise to positions of authority and shine in public life. Yet they must learn to share the stage, or their brilliance may blind them to others.</source>
        <translation>Солнце — податель жизни, источник света и тепла, без которых ничто не может расти. В астрологии оно — основа всей натальной карты, ведь именно знак, в котором Солнце находилось в момент рождения, большинство людей считает своим. Солнце олицетворяет личность, волю и ту жизненную искру, что движет человека вперёд. С хорошей стороны оно дарит уверенность, щедрость, достоинство и тёплое сердце. С дурной стороны оно может порождать гордыню, высокомерие, тщеславие и потребность быть в центре внимания. Когда Солнце занимает в карте сильное положение, человек обычно здоров, энергичен и целеустремлён. Такие люди — прирождённые лидеры: они достигают высокого положения и блистают в общественной жизни. Однако им нужно научиться делить сцену с другими, иначе собственный блеск может помешать им замечать окружающих.</translation>
    </message>
    <message>
        <source>Jupiter brings optimism, good fortune and growth, and its house placement shows where in life hope comes easily.</source>
        <translation>Юпитер приносит оптимизм, удачу и рост, а дом, в котором он находится, показывает, в какой сфере жизни надежда даётся легко.</translation>
    </message>
    <message>
        <source>Saturn is the planet of obstacles, restrictions and limitations. It tests a person through delay and hard lessons.</source>
        <translation>Сатурн — планета препятствий, запретов и ограничений. Он испытывает человека промедлением и суровыми уроками.</translation>
    </message>
    <message>
        <source>You will love a home full of energy and movement, with bold red accents, strong lines and furniture that is simple, sturdy and easy to rearrange on a sudden whim.</source>
        <translation>Вам понравится дом, полный энергии и движения: смелые красные акценты, чёткие линии и простая, прочная мебель, которую легко переставить по внезапной прихоти.</translation>
    </message>
    <message>
        <source>You prefer sleek modern furniture in metal and glass to fussy antiques and delicate ornaments.</source>
        <translation>Вы предпочитаете лаконичную современную мебель из металла и стекла вычурному антиквариату и хрупким безделушкам.</translation>
    </message>
    <message>
        <source>You will like a simple kitchen built for quick, no-fuss cooking.</source>
        <translation>Вам подойдёт простая кухня, рассчитанная на быстрое приготовление еды без лишних хлопот.</translation>
    </message>
    <message>
        <source>A home gym or a spare corner with exercise gear will keep you fit and happy.</source>
        <translation>Домашний спортзал или свободный уголок с тренажёрами помогут вам сохранять форму и хорошее настроение.</translation>
    </message>
    <message>
        <source>You will want the latest sound system and large, dramatic artwork that makes a statement the moment anyone steps inside.</source>
        <translation>Вам захочется иметь новейшую аудиосистему и крупные, эффектные произведения искусства, которые заявляют о себе, едва гость переступит порог.</translation>
    </message>
    <message>
        <source>You will love a comfortable, luxurious home filled with solid wood furniture, sofas with plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be touched.</source>
        <translation>Вам понравится удобный, роскошный дом с мебелью из массива дерева, диванами с пышными подушками и мягкими тканями — бархатом, шениллом и кашемиром, — к которым так и хочется прикоснуться.</translation>
    </message>
    <message>
        <source>You will adore a lavish kitchen with a large table, because good food and the company of friends are among your greatest pleasures.</source>
        <translation>Вы будете в восторге от богато обставленной кухни с большим столом, ведь вкусная еда и общество друзей — одни из главных ваших удовольствий.</translation>
    </message>
    <message>
        <source>You prefer earthy tones of green, cream and rose, with natural materials like stone, linen and clay, and you will fill your rooms and garden with flowers.</source>
        <translation>Вы предпочитаете природные оттенки зелёного, кремового и розового, натуральные материалы вроде камня, льна и глины, а комнаты и сад наполните цветами.</translation>
    </message>
    <message>
        <source>Quality matters more to you than quantity, so you will gladly save up for one beautiful piece that will last you a whole lifetime.</source>
        <translation>Качество для вас важнее количества, поэтому вы охотно накопите на одну красивую вещь, которая прослужит вам всю жизнь.</translation>
    </message>
    <message>
        <source>You will love light, airy rooms with plenty of windows, pale walls and flexible furniture that can be moved around easily whenever you feel the urge for a change of scene.</source>
        <translation>Вам понравятся светлые, полные воздуха комнаты с множеством окон, стенами пастельных тонов и мобильной мебелью, которую легко передвинуть, как только захочется сменить обстановку.</translation>
    </message>
    <message>
        <source>You will like bookshelves in every room, filled with books, magazines and puzzles.</source>
        <translation>Вам понравятся книжные полки в каждой комнате, заполненные книгами, журналами и головоломками.</translation>
    </message>
    <message>
        <source>A cozy reading nook is an absolute must for you.</source>
        <translation>Уютный уголок для чтения вам совершенно необходим.</translation>
    </message>
    <message>
        <source>You will enjoy having the newest gadgets, phones and computers close at hand in every room.</source>
        <translation>Вам понравится, когда новейшие гаджеты, телефоны и компьютеры всегда под рукой в каждой комнате.</translation>
    </message>
    <message>
        <source>Touches of bright yellow will keep your spirits lively and high.</source>
        <translation>Яркие жёлтые акценты поддержат в вас бодрость и хорошее настроение.</translation>
    </message>
    <message>
        <source>You will love a warm family home in which everyone feels safe and welcome.</source>
        <translation>Вам понравится тёплый семейный дом, в котором каждый чувствует себя защищённым и желанным.</translation>
    </message>
    <message>
        <source>You will treasure heirlooms, old photographs and antiques that carry family memories, and you will display them with pride.</source>
        <translation>Вы будете бережно хранить семейные реликвии, старые фотографии и антикварные вещи, хранящие память о родных, и с гордостью выставлять их напоказ.</translation>
    </message>
    <message>
        <source>The kitchen is the heart of your home, and you will want it roomy, cozy and always well stocked.</source>
        <translation>Кухня — сердце вашего дома, и вам захочется, чтобы она была просторной, уютной и всегда полной припасов.</translation>
    </message>
    <message>
        <source>You like soft curves and snug, rounded furniture to sink into.</source>
        <translation>Вам нравятся мягкие изгибы и уютная округлая мебель, в которой можно утонуть.</translation>
    </message>
    <message>
        <source>You will like soothing shades of white, silver and sea blue throughout the house.</source>
        <translation>Вам понравятся успокаивающие оттенки белого, серебристого и морской синевы во всём доме.</translation>
    </message>
    <message>
        <source>A view of water or a little garden pond will delight you.</source>
        <translation>Вас порадует вид на воду или маленький садовый пруд.</translation>
    </message>
    <message>
        <source>You will love a grand, stately home that impresses visitors.</source>
        <translation>Вам понравится большой, величественный дом, который производит впечатление на гостей.</translation>
    </message>
    <message>
        <source>Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch of theater.</source>
        <translation>Ваша гостиная станет предметом гордости — с мягким плюшевым диваном, хрустальной люстрой и ноткой театральности.</translation>
    </message>
    <message>
        <source>You will adore rich fabrics such as silk, brocade and velvet in deep regal colors.</source>
        <translation>Вы будете в восторге от богатых тканей — шёлка, парчи и бархата — в глубоких царственных тонах.</translation>
    </message>
    <message>
        <source>Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you perfectly.</source>
        <translation>Вам идеально подойдут золотые и латунные акценты, позолоченные зеркала и тёплые солнечные оттенки оранжевого и красного.</translation>
    </message>
    <message>
        <source>You will prefer large, eye-catching furniture and impressive art over anything small or understated, since your home must make a statement.</source>
        <translation>Вы предпочтёте крупную, бросающуюся в глаза мебель и впечатляющие произведения искусства всему мелкому и неброскому, ведь ваш дом должен заявлять о себе.</translation>
    </message>
    <message>
        <source>A generous dining room where you can entertain your friends in style is essential.</source>
        <translation>Вам совершенно необходима просторная столовая, где можно с размахом принимать друзей.</translation>
    </message>
    <message>
        <source>You will love a clean, bright, uncluttered home where everything has its proper place.</source>
        <translation>Вам понравится чистый, светлый дом без лишних вещей, где у всего есть своё место.</translation>
    </message>
    <message>
        <source>You prefer simple, functional furniture with clean lines, plenty of built-in storage and drawers that keep everything tidy.</source>
        <translation>Вы предпочитаете простую, функциональную мебель с чёткими линиями, множеством встроенных шкафов и ящиков, которые помогают поддерживать порядок.</translation>
    </message>
    <message>
        <source>You will like natural materials such as wood, cotton and wicker, in calm shades of brown, beige and soft green, which give your rooms a restful, orderly feel.</source>
        <translation>Вам понравятся натуральные материалы — дерево, хлопок и плетёная лоза — в спокойных оттенках коричневого, бежевого и нежно-зелёного, которые придают комнатам умиротворённый и упорядоченный вид.</translation>
    </message>
    <message>
        <source>A well-equipped study or home office, with neatly labeled files and a good desk lamp, is important to you.</source>
        <translation>Для вас важен хорошо оборудованный кабинет или домашний офис с аккуратно подписанными папками и удобной настольной лампой.</translation>
    </message>
    <message>
        <source>You will enjoy a little herb garden on a sunny windowsill.</source>
        <translation>Вас порадует маленький садик с пряными травами на солнечном подоконнике.</translation>
    </message>
    <message>
        <source>You will love an elegant, harmonious home where all is balanced and well proportioned.</source>
        <translation>Вам понравится элегантный, гармоничный дом, где всё уравновешено и соразмерно.</translation>
    </message>
    <message>
        <source>You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical groupings of pictures.</source>
        <translation>Вы предпочитаете изящную мебель, расставленную парами, с одинаковыми лампами и симметрично развешанными картинами.</translation>
    </message>
    <message>
        <source>You will like soft pastels and olive green, with touches of pink.</source>
        <translation>Вам понравятся мягкие пастельные тона и оливково-зелёный с вкраплениями розового.</translation>
    </message>
    <message>
        <source>Fresh flowers will always brighten your rooms.</source>
        <translation>Свежие цветы всегда будут оживлять ваши комнаты.</translation>
    </message>
    <message>
        <source>You will enjoy fine art and beautiful old mirrors.</source>
        <translation>Вас порадуют хорошие картины и красивые старинные зеркала.</translation>
    </message>
    <message>
        <source>You will love a private home that keeps the world at bay.</source>
        <translation>Вам понравится уединённый дом, надёжно отгороженный от внешнего мира.</translation>
    </message>
    <message>
        <source>You prefer dramatic, moody interiors with deep colors, dark wood and low lighting.</source>
        <translation>Вы предпочитаете эффектные, атмосферные интерьеры с глубокими цветами, тёмным деревом и приглушённым светом.</translation>
    </message>
    <message>
        <source>You will like heavy curtains, hidden cupboards and rooms that keep your secrets.</source>
        <translation>Вам понравятся тяжёлые шторы, потайные шкафы и комнаты, которые хранят ваши секреты.</translation>
    </message>
    <message>
        <source>A luxurious bathroom with a deep tub is your favorite place to relax and recharge.</source>
        <translation>Роскошная ванная комната с глубокой ванной — ваше любимое место, чтобы расслабиться и восстановить силы.</translation>
    </message>
    <message>
        <source>You will enjoy crisp white bed linen set against dark walls.</source>
        <translation>Вам понравится белоснежное хрустящее постельное бельё на фоне тёмных стен.</translation>
    </message>
    <message>
        <source>Mirrors and candlelight add mystery for you.</source>
        <translation>Зеркала и свет свечей создадут для вас атмосферу тайны.</translation>
    </message>
    <message>
        <source>You will love a relaxed, open-plan home with room to move and to entertain.</source>
        <translation>Вам понравится непринуждённый дом со свободной планировкой, где есть место и для движения, и для приёма гостей.</translation>
    </message>
    <message>
        <source>You prefer souvenirs and folk crafts from your travels abroad.</source>
        <translation>Вы предпочитаете сувениры и изделия народных промыслов, привезённые из заграничных поездок.</translation>
    </message>
    <message>
        <source>You will like old maps, globes and shelves crowded with travel books.</source>
        <translation>Вам понравятся старинные карты, глобусы и полки, заставленные книгами о путешествиях.</translation>
    </message>
    <message>
        <source>Violet and purple are the colors for you.</source>
        <translation>Фиолетовый и пурпурный — ваши цвета.</translation>
    </message>
    <message>
        <source>You will enjoy casual, sturdy furniture that can take a bit of rough use.</source>
        <translation>Вам понравится простая и прочная мебель, которой не страшно небрежное обращение.</translation>
    </message>
    <message>
        <source>A big porch or sunny patio will suit you well.</source>
        <translation>Вам отлично подойдут большая веранда или солнечное патио.</translation>
    </message>
    <message>
        <source>You will love a traditional, dignified home that is built to last.</source>
        <translation>Вам понравится традиционный, солидный дом, построенный на века.</translation>
    </message>
    <message>
        <source>You prefer classic furniture of solid oak, leather and quality wool.</source>
        <translation>Вы предпочитаете классическую мебель из массива дуба, кожу и качественную шерсть.</translation>
    </message>
    <message>
        <source>You will like a well-ordered study with a large desk and a leather chair.</source>
        <translation>Вам понравится хорошо организованный кабинет с большим письменным столом и кожаным креслом.</translation>
    </message>
    <message>
        <source>Muted tones of green, gray and blue suit you.</source>
        <translation>Вам подходят приглушённые оттенки зелёного, серого и синего.</translation>
    </message>
    <message>
        <source>You will enjoy antiques and family portraits that show a sense of history and heritage.</source>
        <translation>Вас порадуют антиквариат и семейные портреты, передающие дух истории и традиций рода.</translation>
    </message>
    <message>
        <source>Floors of good stone or slate will please you.</source>
        <translation>Вам придутся по вкусу полы из хорошего камня или сланца.</translation>
    </message>
    <message>
        <source>You will buy fewer things, but each piece you choose will be of lasting quality.</source>
        <translation>Вы будете покупать меньше вещей, но каждый выбранный вами предмет будет качественным и долговечным.</translation>
    </message>
    <message>
        <source>You will love an unusual, modern home that reflects your individuality.</source>
        <translation>Вам понравится необычный современный дом, отражающий вашу индивидуальность.</translation>
    </message>
    <message>
        <source>You prefer open-plan living with futuristic furniture in glass, chrome and molded plastic.</source>
        <translation>Вы предпочитаете открытую планировку и футуристическую мебель из стекла, хрома и литого пластика.</translation>
    </message>
    <message>
        <source>You will like the latest smart-home gadgets and new technology.</source>
        <translation>Вам понравятся новейшие гаджеты для умного дома и новые технологии.</translation>
    </message>
    <message>
        <source>White walls with electric blue accents suit you.</source>
        <translation>Вам подходят белые стены с акцентами цвета электрик.</translation>
    </message>
    <message>
        <source>You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends.</source>
        <translation>Вас порадуют причудливые, единственные в своём роде вещи, которые становятся поводом для разговоров среди друзей.</translation>
    </message>
    <message>
        <source>A large room where friends can gather for lively discussions is a must for you.</source>
        <translation>Вам непременно нужна большая комната, где друзья могут собраться для оживлённых споров.</translation>
    </message>
    <message>
        <source>You will love a peaceful, dreamy home near the water.</source>
        <translation>Вам понравится тихий, располагающий к мечтам дом у воды.</translation>
    </message>
    <message>
        <source>You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture.</source>
        <translation>Вы предпочитаете мягкие струящиеся ткани, прозрачные белые занавески и плавно изогнутую мебель.</translation>
    </message>
    <message>
        <source>You will like shades of sea green, lavender and soft violet on your walls.</source>
        <translation>Вам понравятся стены в оттенках цвета морской волны, лаванды и нежно-фиолетового.</translation>
    </message>
    <message>
        <source>An aquarium full of fish would bring you joy.</source>
        <translation>Аквариум с рыбками доставил бы вам много радости.</translation>
    </message>
    <message>
        <source>You will enjoy a quiet room for music and art.</source>
        <translation>Вам понравится тихая комната для занятий музыкой и искусством.</translation>
    </message>
    <message>
        <source>Soft lighting and scented candles will help you to unwind.</source>
        <translation>Мягкий свет и ароматические свечи помогут вам расслабиться.</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Огонь</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Leo and Sagittarius</source>
        <translation>Лев и Стрелец</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Алмаз</translation>
    </message>
    <message>
        <source>You are bold, brave and full of energy. You love a challenge and rarely back away from one. You are a natural leader who likes to be first. You act quickly and decisively when others hesitate. You are honest and say exactly what you think. You are enthusiastic, and your zest for life is contagious. You have a strong pioneering spirit. You enjoy starting new projects and blazing new trails. You are independent and trust your own judgment. You are generous with your time, energy and praise. You recover quickly from setbacks and never hold a grudge for long. You are competitive and play to win. You fiercely protect those you care about and will stand up for the weak. Your optimism and courage inspire the people around you.</source>
        <translation>Вы смелы, отважны и полны энергии. Вы любите трудные задачи и редко от них отступаете. Вы прирождённый лидер, который любит быть впереди. Вы действуете быстро и решительно, когда другие колеблются. Вы честны и говорите именно то, что думаете. Вы полны энтузиазма, а ваша жажда жизни заразительна. В вас силён дух первопроходца. Вам нравится начинать новые проекты и прокладывать новые пути. Вы независимы и доверяете собственному суждению. Вы щедро дарите своё время, энергию и похвалу. Вы быстро оправляетесь от неудач и никогда долго не держите зла. Вы любите соревноваться и играете на победу. Вы яростно защищаете тех, кто вам дорог, и всегда заступитесь за слабых. Ваш оптимизм и смелость вдохновляют окружающих.</translation>
    </message>
    <message>
        <source>You can be impatient and hate to wait for anything. You are sometimes impulsive and act before you think. Your temper flares up quickly, although it cools just as fast. You can be selfish when you want something badly. You may be bossy and expect others to follow your lead. You tend to lose interest once the excitement of a new project fades. You can be reckless and take needless risks. You are often blunt to the point of being tactless. You dislike being told what to do. You can be aggressive when you feel challenged. You rarely stop to consider the feelings of others. You sometimes start more than you can finish.</source>
        <translation>Вы бываете нетерпеливы и ненавидите ждать. Иногда вы импульсивны и сначала действуете, а потом думаете. Вы быстро вспыхиваете, хотя так же быстро и остываете. Вы можете быть эгоистичны, когда чего-то очень хотите. Порой вы любите командовать и ждёте, что другие пойдут за вами. Вы склонны терять интерес, как только проходит азарт нового дела. Вы бываете безрассудны и идёте на ненужный риск. Нередко вы прямолинейны до бестактности. Вы не любите, когда вам указывают, что делать. Вы можете проявлять агрессию, когда вам бросают вызов. Вы редко задумываетесь о чувствах других. Иногда вы начинаете больше, чем можете закончить.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Марс</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Capricorn and Virgo</source>
        <translation>Козерог и Дева</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Изумруд</translation>
    </message>
    <message>
        <source>You are patient, reliable and wonderfully steady. You are practical and have both feet planted firmly on the ground. You are loyal to your friends and devoted to your family. You work hard and see every task through to the end. You have a great love of beauty, art and music. You enjoy the good things in life, such as fine food, soft fabrics and a comfortable home. You are warm-hearted and affectionate. You are calm in a crisis, and others lean on your strength. You are sensible with money and build security over time. You are determined and do not give up easily. You have a keen eye for quality. You are generous to those you love. You are a faithful and trustworthy partner. Your calm and gentle presence puts people at ease.</source>
        <translation>Вы терпеливы, надёжны и на редкость невозмутимы. Вы практичны и твёрдо стоите обеими ногами на земле. Вы верны друзьям и преданы семье. Вы усердно трудитесь и доводите любое дело до конца. Вы очень любите красоту, искусство и музыку. Вы умеете наслаждаться радостями жизни — вкусной едой, мягкими тканями и уютным домом. Вы сердечны и ласковы. В трудную минуту вы сохраняете спокойствие, и другие опираются на вашу силу. Вы разумно обращаетесь с деньгами и со временем обеспечиваете себе надёжный тыл. Вы целеустремлённы и не сдаётесь легко. У вас намётанный глаз на качество. Вы щедры к тем, кого любите. Вы верный партнёр, на которого можно положиться. Ваше спокойное и мягкое присутствие помогает людям расслабиться.</translation>
    </message>
    <message>
        <source>You can be stubborn and hate to change your mind. You are sometimes possessive of people and things. You may be lazy when comfort calls. You can be slow to forgive. You resist change even when it is needed. You are prone to overindulgence in food and luxury. You can be materialistic and too fond of possessions. You may become jealous in love. Once angered, you can be slow to calm down and hard to reason with.</source>
        <translation>Вы бываете упрямы и не любите менять своё мнение. Иногда вы относитесь к людям и вещам как к своей собственности. Вы можете полениться, когда манит комфорт. Вы не сразу прощаете обиды. Вы сопротивляетесь переменам, даже когда они необходимы. Вы склонны к излишествам в еде и роскоши. Вы бываете меркантильны и слишком дорожите вещами. В любви вас может одолевать ревность. Разгневавшись, вы долго не можете успокоиться, и вас трудно образумить.</translation>
    </message>
    <message>
        <source>Color Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Венера</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Воздух</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Aquarius and Libra</source>
        <translation>Водолей и Весы</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Агат</translation>
    </message>
    <message>
        <source>You are quick-witted, clever and endlessly curious. You love to learn and absorb new information with ease. You are a brilliant talker who can chat with anyone about anything. You are adaptable and handle change gracefully. You have a lively sense of humor. You are youthful in spirit at any age. You can juggle several tasks at once. You are sociable and make friends wherever you go. You are inventive and full of bright ideas. You write and speak with flair and can explain complex ideas in simple words. You enjoy variety and keep life interesting for everyone around you. You see both sides of every argument. You are open-minded and tolerant of other points of view. Your energy and charm make you delightful company at any gathering.</source>
        <translation>Вы сообразительны, умны и бесконечно любознательны. Вы любите учиться и легко усваиваете новую информацию. Вы блестящий собеседник и можете болтать с кем угодно о чём угодно. Вы легко приспосабливаетесь и изящно справляетесь с переменами. У вас живое чувство юмора. Вы молоды душой в любом возрасте. Вы умеете заниматься несколькими делами сразу. Вы общительны и заводите друзей, куда бы ни отправились. Вы изобретательны и полны ярких идей. Вы пишете и говорите с блеском и умеете объяснять сложное простыми словами. Вы любите разнообразие, и рядом с вами никому не бывает скучно. Вы видите обе стороны любого спора. Вы открыты и терпимы к чужим точкам зрения. Благодаря вашей энергии и обаянию с вами приятно в любой компании.</translation>
    </message>
    <message>
        <source>You can be restless and easily bored. You are sometimes inconsistent and change your mind by the hour. You may be superficial and skim the surface of things. You can be nervous and high-strung. You tend to gossip more than you should. You find it hard to commit to one plan or one person. You can be cunning when it suits you. You often scatter your energy across too many projects. You may seem unreliable to others. You can talk your way out of trouble too easily. You sometimes rely on charm rather than hard work to get by.</source>
        <translation>Вы бываете непоседливы и быстро начинаете скучать. Иногда вы непостоянны и меняете мнение каждый час. Вы можете быть поверхностны и скользить по верхам. Вы бываете нервны и легко возбудимы. Вы склонны сплетничать больше, чем следует. Вам трудно посвятить себя одному плану или одному человеку. Вы можете хитрить, когда вам это выгодно. Вы часто распыляете силы, берясь за слишком много дел. Окружающим может казаться, что на вас нельзя положиться. Вы слишком легко выкручиваетесь из неприятностей благодаря красноречию. Иногда вы полагаетесь на обаяние, а не на упорный труд.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Меркурий</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Pisces and Scorpio</source>
        <translation>Рыбы и Скорпион</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Жемчуг</translation>
    </message>
    <message>
        <source>You are caring, loving and deeply protective. You always put your family first. You have a wonderful memory, especially for people and events from the past. You are intuitive and can sense what others are feeling. You are loyal and stand by your loved ones through thick and thin. You are sympathetic and a good listener. You are imaginative and creative. You are tenacious and hold on to what matters to you. You are a natural homemaker. You love to cook for the people you care about. You are gentle, kind and patient. You are shrewd with money and rarely waste it. You are patriotic and proud of your roots. You cherish tradition and family history. You make others feel safe and welcome. You are emotionally intelligent. You are quick to comfort anyone in distress. You are persuasive in a quiet way. Your tender heart and devotion make you a treasured friend.</source>
        <translation>Вы заботливы, ласковы и всегда готовы защитить близких. Для вас семья всегда на первом месте. У вас прекрасная память, особенно на людей и события прошлого. У вас развита интуиция, и вы чувствуете, что испытывают другие. Вы верны и поддерживаете близких в любых испытаниях. Вы отзывчивы и умеете слушать. У вас богатое воображение, и вы творческая натура. Вы упорны и крепко держитесь за то, что для вас важно. Вы прекрасно умеете создавать домашний уют. Вы любите готовить для тех, кто вам дорог. Вы мягки, добры и терпеливы. Вы практичны в денежных делах и редко тратите деньги впустую. Вы любите свою родину и гордитесь своими корнями. Вы дорожите традициями и историей своей семьи. Рядом с вами другие чувствуют себя защищёнными и желанными. У вас высокий эмоциональный интеллект. Вы всегда спешите утешить любого, кто в беде. Вы умеете убеждать мягко и ненавязчиво. Ваше нежное сердце и преданность делают вас бесценным другом.</translation>
    </message>
    <message>
        <source>You can be moody, and your feelings change like the tides. You are sometimes overly sensitive and easily hurt. You may cling to the past and find it hard to let go. You can be overprotective of the people you love. You tend to worry about things that may never happen. You can retreat into your shell when upset. You are sometimes manipulative when you feel insecure. You may be touchy and take harmless remarks to heart. You can hold on to grudges for years. You are prone to self-pity when things go wrong. You can be suspicious of strangers. You sometimes smother others with too much care and attention.</source>
        <translation>Ваше настроение переменчиво, а чувства меняются, как приливы и отливы. Иногда вы слишком чувствительны и легко ранимы. Вы можете цепляться за прошлое, и вам трудно его отпустить. Вы можете чрезмерно опекать тех, кого любите. Вы склонны тревожиться о том, что может никогда не случиться. Расстроившись, вы можете спрятаться в свою раковину. Иногда вы манипулируете людьми, когда чувствуете себя неуверенно. Вы бываете обидчивы и принимаете безобидные замечания близко к сердцу. Вы можете годами помнить зло. Когда что-то идёт не так, вы склонны жалеть себя. Вы можете с подозрением относиться к незнакомцам. Иногда вы душите других чрезмерной заботой и вниманием.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>8 and 9</source>
        <translation>8 и 9</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Aries and Sagittarius</source>
        <translation>Овен и Стрелец</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Рубин</translation>
    </message>
    <message>
        <source>You are generous, warm-hearted and big-spirited. You are a born leader who takes charge with style and grace. You are confident and carry yourself with natural dignity. You are creative and have a flair for the dramatic. You are loyal to your friends and fiercely protective of them. You are cheerful and bring sunshine wherever you go. You are enthusiastic about life and live it to the full. You are broad-minded and tolerant of human failings. You are ambitious and aim for the very top in all you do. You are honest and expect honesty in return. You are playful and love to have fun with friends and children alike. You are a wonderful host who loves to entertain. You are courageous in the face of difficulty. You have a great capacity for love and affection. You are proud of your achievements, and rightly so. You encourage others to shine as well and praise them generously. You are faithful in love and true to your word. Your warmth and magnetism draw admirers to you like moths to a flame.</source>
        <translation>Вы щедры, сердечны и великодушны. Вы прирождённый лидер, который руководит со вкусом и изяществом. Вы уверены в себе и держитесь с природным достоинством. Вы творческая натура, и у вас есть вкус к драматическим эффектам. Вы верны друзьям и горячо их защищаете. Вы жизнерадостны и приносите с собой солнце, куда бы ни пошли. Вы с восторгом относитесь к жизни и живёте ею сполна. Вы широких взглядов и снисходительны к человеческим слабостям. Вы честолюбивы и во всём стремитесь к самой вершине. Вы честны и ждёте честности в ответ. Вы любите играть и веселиться — и с друзьями, и с детьми. Вы радушно принимаете гостей и обожаете устраивать праздники. Вы отважны перед лицом трудностей. Вы способны глубоко любить и дарить нежность. Вы гордитесь своими достижениями — и по праву. Вы помогаете другим тоже засиять и щедро их хвалите. Вы верны в любви и держите слово. Ваша теплота и притягательность влекут к вам поклонников, как огонь — мотыльков.</translation>
    </message>
    <message>
        <source>You can be vain and love to be admired. You are sometimes arrogant and overbearing. You may be pompous when you feel important. You can be bossy and patronizing. You like to be the center of attention at all times. You are easily wounded by criticism. You can be stubborn about your opinions. You sometimes spend lavishly beyond your means. You may be intolerant of people who do not share your views. You can be dogmatic and refuse to admit you are wrong. You dislike playing second fiddle to anyone. You tend to exaggerate your own importance. You can sulk when ignored. You sometimes demand loyalty while forgetting that it must be earned.</source>
        <translation>Вы бываете тщеславны и любите, когда вами восхищаются. Иногда вы высокомерны и деспотичны. Вы можете быть напыщенны, когда чувствуете свою важность. Вы бываете склонны командовать и держаться свысока. Вам нравится всегда быть в центре внимания. Критика легко ранит вас. Вы можете упрямо стоять на своём. Иногда вы тратите деньги с размахом, не по средствам. Вы можете быть нетерпимы к людям, не разделяющим ваших взглядов. Вы бываете догматичны и не признаёте своих ошибок. Вы не любите играть вторую скрипку. Вы склонны преувеличивать собственную значимость. Вы можете дуться, если вас не замечают. Иногда вы требуете преданности, забывая, что её нужно заслужить.</translation>
    </message>
    <message>
        <source>The Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>3 and 5</source>
        <translation>3 и 5</translation>
    </message>
    <message>
        <source>Capricorn and Taurus</source>
        <translation>Козерог и Телец</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Сапфир</translation>
    </message>
    <message>
        <source>You are modest, practical and hard-working. You have a sharp, analytical mind. You pay great attention to detail and rarely miss a thing. You are reliable and always do what you promise. You are neat, methodical and well organized. You are kind and love to be of service to others. You are intelligent and express yourself clearly. You take good care of your health and keep yourself fit. You are honest and conscientious in all that you do. Your quiet efficiency makes you an invaluable friend and colleague.</source>
        <translation>Вы скромны, практичны и трудолюбивы. У вас острый аналитический ум. Вы уделяете большое внимание деталям и редко что-то упускаете. Вы надёжны и всегда выполняете обещанное. Вы аккуратны, методичны и любите порядок. Вы добры и любите помогать другим. Вы умны и ясно выражаете свои мысли. Вы заботитесь о своём здоровье и поддерживаете себя в форме. Вы честны и добросовестны во всём, что делаете. Благодаря вашей спокойной деловитости вы незаменимый друг и коллега.</translation>
    </message>
    <message>
        <source>You can be fussy and overly critical of others. You are sometimes a perfectionist who is never satisfied. You may worry too much about small things. You can be harsh in your judgments. You tend to be a little too conservative. You often neglect your own needs while caring for others. You can be shy and reluctant to show your feelings.</source>
        <translation>Вы бываете придирчивы и слишком критичны к другим. Иногда в вас просыпается перфекционист, которому всё не так. Вы можете слишком переживать из-за мелочей. Вы бываете резки в суждениях. Вы склонны к излишнему консерватизму. Заботясь о других, вы часто забываете о собственных нуждах. Вы бываете застенчивы и неохотно показываете свои чувства.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневый</translation>
    </message>
    <message>
        <source>6 and 9</source>
        <translation>6 и 9</translation>
    </message>
    <message>
        <source>Aquarius and Gemini</source>
        <translation>Водолей и Близнецы</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Опал</translation>
    </message>
    <message>
        <source>You are charming, diplomatic and easygoing. You have a strong sense of fairness and justice. You are a natural peacemaker in any dispute. You are romantic and idealistic in love. You appreciate beauty in all its forms. You have refined taste and an eye for elegance. You are sociable and enjoy good company. You are gracious and polite, even to people you dislike. You see every side of a question before you decide. You work best in partnership with others. You are cooperative and tactful. You are a gentle and considerate friend. You bring harmony to any group. Your grace and good manners win you friends wherever you go and make every gathering you attend a little more pleasant for everyone who shares it with you.</source>
        <translation>Вы обаятельны, дипломатичны и легки в общении. У вас обострённое чувство справедливости. В любом споре вы прирождённый миротворец. В любви вы романтичны и склонны к идеализму. Вы цените красоту во всех её проявлениях. У вас утончённый вкус и чутьё на элегантность. Вы общительны и любите приятную компанию. Вы любезны и вежливы даже с теми, кто вам не нравится. Прежде чем принять решение, вы рассматриваете вопрос со всех сторон. Лучше всего вы работаете в партнёрстве с другими. Вы готовы к сотрудничеству и тактичны. Вы мягкий и внимательный друг. Вы вносите гармонию в любой коллектив. Изящество и хорошие манеры помогают вам заводить друзей, где бы вы ни оказались, и делают любую встречу, на которой вы присутствуете, чуточку приятнее для всех, кто разделяет её с вами.</translation>
    </message>
    <message>
        <source>You can be indecisive and spend ages weighing up every option. You are sometimes easily influenced by the opinions of others. You may be flirtatious and a little fickle in matters of love. You tend to avoid confrontation even when it is truly needed. You can be self-indulgent and lazy when it suits you. You sometimes hide your true feelings just to keep the peace.</source>
        <translation>Вы бываете нерешительны и подолгу взвешиваете каждый вариант. Иногда на вас легко влияет чужое мнение. Вы можете быть кокетливы и немного непостоянны в любви. Вы склонны избегать конфликтов, даже когда они действительно необходимы. Когда вам удобно, вы можете потакать своим слабостям и лениться. Иногда вы скрываете свои истинные чувства, лишь бы сохранить мир.</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Оливково-зелёный</translation>
    </message>
    <message>
        <source>2 and 4</source>
        <translation>2 и 4</translation>
    </message>
    <message>
        <source>Cancer and Pisces</source>
        <translation>Рак и Рыбы</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Топаз</translation>
    </message>
    <message>
        <source>You are determined and forceful, and once you set your sights on a goal you pursue it to the end. You are passionate and throw your whole heart into everything you do. You have a deep emotional intelligence and can see right through pretense. You are loyal, and your devotion to those you love knows no bounds. You are resourceful and never run out of ways to solve a difficult problem. You are brave and face even the darkest challenges of life without flinching. You have a magnetic personality that others find hard to resist. You are perceptive and often know what people are thinking before they speak. You keep secrets well, and friends trust you with their most private thoughts and fears.</source>
        <translation>Вы решительны и напористы, и если поставили себе цель, то идёте к ней до конца. Вы страстны и вкладываете всю душу во всё, что делаете. У вас глубокий эмоциональный интеллект, и вы видите любое притворство насквозь. Вы верны, и ваша преданность любимым не знает границ. Вы находчивы, и у вас всегда найдётся способ решить трудную задачу. Вы отважны и, не дрогнув, встречаете даже самые мрачные испытания жизни. Вы обладаете магнетизмом, которому другим трудно противостоять. Вы проницательны и часто знаете, о чём думают люди, прежде чем они заговорят. Вы умеете хранить тайны, и друзья доверяют вам самые сокровенные мысли и страхи.</translation>
    </message>
    <message>
        <source>You can be jealous and possessive in your relationships. You are sometimes secretive to the point of being mysterious even to your closest friends. You may be resentful and find it hard to forgive a wrong. You can be compulsive and obsessive when something grips you. You have a sharp sting when crossed. You are sometimes suspicious of other people&apos;s motives. You can be stubborn and unwilling to compromise. You tend to keep your feelings bottled up until they explode. You may seek revenge when you feel betrayed, even long after the event.</source>
        <translation>В отношениях вы бываете ревнивы и склонны к собственничеству. Иногда вы скрытны настолько, что кажетесь загадкой даже самым близким друзьям. Вы можете быть злопамятны, и вам трудно простить обиду. Увлёкшись чем-то, вы можете впасть в навязчивую одержимость. Если вам перешли дорогу, вы можете больно ужалить. Иногда вы с подозрением относитесь к мотивам других людей. Вы бываете упрямы и не готовы идти на компромисс. Вы склонны держать чувства в себе, пока они не вырвутся наружу. Почувствовав предательство, вы можете жаждать мести даже спустя долгое время.</translation>
    </message>
    <message>
        <source>Pluto and Mars</source>
        <translation>Плутон и Марс</translation>
    </message>
    <message>
        <source>5 and 7</source>
        <translation>5 и 7</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Aries and Leo</source>
        <translation>Овен и Лев</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюза</translation>
    </message>
    <message>
        <source>You are optimistic, cheerful and full of good humor. You love freedom and need plenty of room to roam. You are adventurous and eager to explore far-off places and new ideas. You are honest and straightforward, and you always say what you mean. You are broad-minded and open to every culture and way of life. You are a natural philosopher who wonders about the meaning of things. You are generous with your time, your money and your laughter. You are enthusiastic and inspire others with your zest for life. You are intellectual and love to study, read and debate big questions. You are friendly and easy to get along with, whoever you meet. You have a great sense of fun and a playful spirit that never grows old. You are a lucky soul who bounces back from every misfortune with a smile. Your faith in the future and your sense of adventure make life with you an exciting journey.</source>
        <translation>Вы оптимистичны, жизнерадостны и не теряете хорошего расположения духа. Вы любите свободу, и вам нужен простор. Вас манят приключения, и вы стремитесь открывать далёкие края и новые идеи. Вы честны и прямодушны и всегда говорите то, что думаете. Вы широких взглядов и открыты любой культуре и любому образу жизни. Вы прирождённый философ, которого волнует смысл вещей. Вы щедро делитесь своим временем, деньгами и смехом. Вы полны энтузиазма и вдохновляете других своей жаждой жизни. Вы интеллектуал и любите учиться, читать и обсуждать важные вопросы. Вы дружелюбны и легко ладите с кем угодно. Вы умеете веселиться, а ваш задор с годами не проходит. Вам везёт по жизни, и после любой неудачи вы с улыбкой снова встаёте на ноги. Ваша вера в будущее и любовь к приключениям превращают жизнь рядом с вами в захватывающее путешествие.</translation>
    </message>
    <message>
        <source>You can be restless and unable to settle down. You are sometimes careless and tactless in what you say. You may be irresponsible when duty calls and fun beckons. You tend to promise more than you can deliver. You can be impatient with details and daily routine. You are prone to exaggeration when you tell a good story. You sometimes take foolish risks just for the thrill of it.</source>
        <translation>Вы бываете непоседливы, и вам трудно где-то осесть. Иногда вы неосторожны и бестактны в словах. Вы можете быть безответственны, когда долг зовёт, а развлечения манят. Вы склонны обещать больше, чем можете выполнить. Вам не хватает терпения на мелочи и повседневную рутину. Рассказывая хорошую историю, вы склонны преувеличивать. Иногда вы идёте на безрассудный риск просто ради острых ощущений.</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Юпитер</translation>
    </message>
    <message>
        <source>8 and 2</source>
        <translation>8 и 2</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Taurus and Virgo</source>
        <translation>Телец и Дева</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Гранат</translation>
    </message>
    <message>
        <source>You are practical, prudent and ambitious. You are disciplined and work steadily toward long-term goals. You are patient and willing to wait for success. You are responsible and take your duties seriously. You are reliable, and people know they can count on you. You have a dry and witty sense of humor. You are persistent and do not give up when things get hard. You are careful with money and plan for the future. You respect tradition and the wisdom of experience. You are organized and make the most of your time. You are loyal to family and friends and stand by them for life. You are a capable manager who gets things done. Your quiet determination and sense of purpose carry you to the top of any mountain you choose to climb.</source>
        <translation>Вы практичны, благоразумны и честолюбивы. Вы человек дисциплинированный и упорно идёте к долгосрочным целям. Вы терпеливы и готовы ждать успеха. Вы ответственны и серьёзно относитесь к своим обязанностям. Вы надёжны, и люди знают, что на вас можно положиться. У вас сухое и остроумное чувство юмора. Вы настойчивы и не сдаётесь, когда становится трудно. Вы бережливы и строите планы на будущее. Вы уважаете традиции и мудрость опыта. Вы умеете всё организовать и распоряжаетесь временем с наибольшей пользой. Вы верны семье и друзьям и всю жизнь остаётесь им опорой. Вы толковый руководитель, который умеет добиваться результата. Спокойная решимость и целеустремлённость возносят вас на вершину любой горы, которую вы решите покорить.</translation>
    </message>
    <message>
        <source>You can be pessimistic and expect the worst. You are sometimes rigid and set in your ways. You may be too serious and forget to have fun. You can be cold and distant with people you do not know well. You tend to be a workaholic who neglects rest and play. You can be stubborn and unwilling to listen to new ideas. You are sometimes miserly with money. You may judge others by their status or success. You can be unforgiving of mistakes, including your own. You sometimes bottle up your worries and carry the weight of the world alone.</source>
        <translation>Вы бываете пессимистичны и ждёте худшего. Иногда вы негибки и не желаете менять привычки. Вы можете быть слишком серьёзны и забывать повеселиться. Вы бываете холодны и держите дистанцию с малознакомыми людьми. Вы склонны к трудоголизму и забываете об отдыхе и развлечениях. Вы бываете упрямы и не готовы выслушивать новые идеи. Иногда вы скупы. Вы можете судить о людях по их статусу или успеху. Вы можете не прощать ошибок — даже собственных. Иногда вы держите тревоги в себе и в одиночку несёте на плечах тяжесть всего мира.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Сатурн</translation>
    </message>
    <message>
        <source>1 and 7</source>
        <translation>1 и 7</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Аметист</translation>
    </message>
    <message>
        <source>You are friendly, humane and deeply concerned with the welfare of others. You are original and inventive, always full of fresh ideas. You are independent and value your freedom above almost everything. You are intellectual and love to explore new theories and technologies. You are honest and loyal to your friends, whom you treat as family. You are progressive and look to the future rather than the past. You are open-minded and accept people as they are. You are a true humanitarian who dreams of a better world for everyone. You are clever and can solve problems in unusual ways. You are tolerant of differences and quick to defend the underdog. Your vision and willingness to be different make you a genuine pioneer who helps move the world forward.</source>
        <translation>Вы дружелюбны, человечны и искренне заботитесь о благополучии других. Вы оригинальны и изобретательны, и у вас всегда полно свежих идей. Вы независимы и цените свободу едва ли не превыше всего. Вы интеллектуал и любите изучать новые теории и технологии. Вы честны и верны друзьям, которые для вас как семья. Вы прогрессивны и смотрите в будущее, а не в прошлое. Вы открыты и принимаете людей такими, какие они есть. Вы настоящий гуманист, мечтающий о лучшем мире для всех. Вы умны и умеете решать задачи необычными способами. Вы терпимы к непохожести других и всегда готовы заступиться за слабого. Дальновидность и готовность отличаться от других делают вас настоящим первопроходцем, который помогает миру двигаться вперёд.</translation>
    </message>
    <message>
        <source>You can be detached and seem emotionally distant to those who love you. You are sometimes stubborn and refuse to change your opinions once they are formed. You may be unpredictable, and your sudden changes of plan can unsettle others. You can be contrary just for the sake of it. You tend to rebel against rules, even sensible ones. You are sometimes tactless when you speak your mind. You may be aloof and keep people at arm&apos;s length. You can be so wrapped up in big ideas that you forget practical matters. You sometimes value your independence so much that you avoid close ties. You can be eccentric in ways that puzzle the people around you.</source>
        <translation>Иногда вы держитесь отчуждённо, и любящим вас людям не хватает вашей душевной теплоты. Порой вы упрямы и, составив мнение, отказываетесь его менять. Вы бываете непредсказуемы, и ваши внезапные смены планов могут выбивать других из колеи. Вы можете противоречить просто из духа противоречия. Вы склонны бунтовать против правил, даже разумных. Иногда вы бестактны, когда высказываете то, что думаете. Вы бываете замкнуты и держите людей на расстоянии. Грандиозные идеи порой так захватывают вас, что вы забываете о практических делах. Иногда вы так дорожите своей независимостью, что избегаете близких отношений. Ваша эксцентричность порой озадачивает окружающих.</translation>
    </message>
    <message>
        <source>Uranus and Saturn</source>
        <translation>Уран и Сатурн</translation>
    </message>
    <message>
        <source>2 and 6</source>
        <translation>2 и 6</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Аквамарин</translation>
    </message>
    <message>
        <source>You are imaginative, sensitive and deeply compassionate. You are kind and gentle, and you feel the pain of others as if it were your own. You are intuitive and often sense things before they happen. You are selfless and always ready to help those in need. You are artistic and have a rich inner world of dreams. You are adaptable and flow easily with the changes of life. You are romantic and devoted in love. You are a wonderful listener who never judges or criticizes. You are spiritual and drawn to the mysteries of life. You are modest and never seek the limelight for yourself. Your gentle soul and generous heart make the world a softer and kinder place for all who know you.</source>
        <translation>Вы наделены богатым воображением, чувствительны и глубоко сострадательны. Вы добры и мягки и чувствуете чужую боль как свою. У вас развита интуиция, и вы часто предчувствуете события. Вы бескорыстны и всегда готовы помочь тем, кто в нужде. Вы артистичны, и у вас богатый внутренний мир, полный грёз. Вы легко приспосабливаетесь и плавно следуете за переменами жизни. В любви вы романтичны и верны. Вы прекрасно умеете слушать и никогда не осуждаете и не критикуете. Вы тянетесь к духовному, и вас влекут тайны жизни. Вы скромны и никогда не стремитесь оказаться в центре внимания. Ваша мягкая душа и щедрое сердце делают мир нежнее и добрее для всех, кто вас знает.</translation>
    </message>
    <message>
        <source>You can be escapist and retreat into a world of fantasy. You are sometimes vague and find it hard to make decisions. You may be easily led astray by stronger personalities. You can be oversensitive and take things too personally. You tend to be disorganized and often lose track of time. You sometimes play the martyr and suffer in silence. You can be too trusting, and others may take advantage of your good nature.</source>
        <translation>Вы склонны к эскапизму и уходите в мир фантазий. Иногда вам не хватает ясности, и вам трудно принимать решения. Более сильные личности могут легко сбить вас с пути. Вы бываете слишком ранимы и всё принимаете на свой счёт. Вы склонны к неорганизованности и часто теряете счёт времени. Иногда вы строите из себя жертву и молча страдаете. Вы бываете слишком доверчивы, и другие могут злоупотребить вашей добротой.</translation>
    </message>
    <message>
        <source>Neptune and Jupiter</source>
        <translation>Нептун и Юпитер</translation>
    </message>
</context>
<context>
    <name>ReadingExport</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Обычный текст (*.txt)</translation>
    </message>
    <message>
        <source>%1 reading - %2.pdf</source>
        <extracomment>The name a saved reading is offered under: the sign, then the first and last name.</extracomment>
        <translation>Гороскоп (%1) - %2.pdf</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Гороскоп: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Не удалось сохранить гороскоп в файл «%1».

%2</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Сохранение гороскопа</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Файл «%1» уже существует.
Заменить его?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Copy Reading</source>
        <translation>Копировать гороскоп</translation>
    </message>
    <message>
        <source>Save Reading As…</source>
        <translation>Сохранить гороскоп как…</translation>
    </message>
    <message>
        <source>Print Reading…</source>
        <translation>Печать гороскопа…</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>коралловый</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>золотой</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>индиго</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>фуксия</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>оливковый</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>бирюзовый</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>фиолетовый</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричневый</translation>
    </message>
    <message>
        <source>%1 emblem</source>
        <translation>Эмблема знака %1</translation>
    </message>
    <message>
        <source>%1 color swatch</source>
        <translation>Образец цвета: %1</translation>
    </message>
    <message>
        <source>Remember This Person</source>
        <translation>Добавить к близким</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена</translation>
    </message>
    <message>
        <source>KV Dwellstar needs a graphical desktop, but no display is available.</source>
        <translation>Для работы KV Dwellstar нужна графическая среда, но дисплей недоступен.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, для этой программы доступно обновление.<byte value="xd"/>Проверить наличие обновлений?</translation>
    </message>
</context>
</TS>
