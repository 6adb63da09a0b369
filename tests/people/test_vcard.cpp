// SPDX-License-Identifier: MIT
#include <QTest>

#include <QRandomGenerator>
#include <QStringEncoder>

#include "people/vcard.h"

using namespace Qt::StringLiterals;

namespace {

/// People as "first|middle|last|date", then the skipped as "name:reason", in file order.
QString summary(const people::ContactsRead& read) {
    QStringList lines;
    if (!read.isVCard)
        lines << u"not a vCard"_s;
    for (const people::Person& p : read.people)
        lines << QStringList{p.first, p.middle, p.last, people::birthDateText(p)}.join(u'|');
    const QStringList reasons{u"NoName"_s, u"NoBirthday"_s, u"NotADate"_s};
    for (const people::SkippedContact& s : read.skipped)
        lines << s.name + u':' + reasons.value(static_cast<int>(s.reason));
    return lines.join(u" / "_s);
}

/// UTF-16 little-endian with its byte-order mark, as desktop exporters write it.
QByteArray withBom(const QString& text) {
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

class TestVCard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exporters_data();
    void exporters();
    void junkNeverHangs();
};

void TestVCard::exporters_data() {
    QTest::addColumn<QByteArray>("vcf");
    QTest::addColumn<QString>("read");

    QTest::newRow("phone 2.1, quoted-printable UTF-8 broken inside a letter")
        << QByteArray(
               "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"
               "=D0=9F=D0=B5=D1=82=D1=80=D0=BE=D0=\r\n=B2=D0=B0;=D0=90=D0=BD=D0=BD=D0=B0;;;\r\n"
               "BDAY:1985-03-09\r\nEND:VCARD\r\n")
        << u"Анна||Петрова|1985-03-09"_s;
    QTest::newRow("2.1 bare QUOTED-PRINTABLE, indented soft break, lone = before END")
        << QByteArray(
               "BEGIN:VCARD\r\nVERSION:2.1\r\nN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:M=FCller;"
               "J=\r\n =FCrgen;;;\r\nBDAY:19620704\r\nEND:VCARD\r\nBEGIN:VCARD\r\n"
               "VERSION:2.1\r\nFN;QUOTED-PRINTABLE:J=FCrgen M=FCller=\r\nEND:VCARD\r\n")
        << u"Jürgen||Müller|1962-07-04 / Jürgen Müller:NoBirthday"_s;
    QTest::newRow("address book 3.0, item groups, year 1604 with and without its parameter")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:Orchard;Jonah;;;\nFN:Jonah Orchard\n"
                      "item1.BDAY;X-APPLE-OMIT-YEAR=1604:1604-08-15\nEND:VCARD\nBEGIN:VCARD\n"
                      "VERSION:3.0\nN:O'Hara;Siobhán;;;\nBDAY;VALUE=date:1604-02-29\nEND:VCARD\n")
        << u"Jonah||Orchard|--08-15 / Siobhán||O'Hara|--02-29"_s;
    QTest::newRow("contacts server 4.0, quoted parameters holding : and ;, --MMDD, ALTID")
        << QByteArray(
               "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:4fbe8971-0bc3\r\nFN:Zed Q. Mann\r\n"
               "N;SORT-AS=\"Mann,Zed\";X-SRC=\"urn:x:7;a\":Mann;Zed;;;\r\n"
               "TEL;TYPE=\"home,voice\";VALUE=uri:tel:+1-555-0100\r\nBDAY;ALTID=1:--0815\r\n"
               "BDAY;ALTID=1;VALUE=text;LANGUAGE=en:mid-August\r\nEND:VCARD\r\n")
        << u"Zed||Mann|--08-15"_s;
    QTest::newRow("mail program, folds by space and tab, one blank eaten each")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:Dupont;Jean\n  Pierre;;;\nNOTE:Met at the\n"
                      "\tBDAY:1911-11-11 party\nBD\n AY:--08-15\nEND:VCARD\n")
        << u"Jean Pierre||Dupont|--08-15"_s;
    QTest::newRow("Windows exporter, CRLF, charset named or not")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=Windows-1252:C\x9Cur;Zo\xEB;;;\r\n"
                      "BDAY:19770521\r\nEND:VCARD\r\nBEGIN:VCARD\r\nN:Fran\xE7ois;Ren\xE9;;;\r\n"
                      "BDAY:1980-12-01\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN;CHARSET=ISO-8859-1:"
                      "Ren\xC3\xA9\r\nEND:VCARD\r\n")
        << u"Zoë||Cœur|1977-05-21 / René||François|1980-12-01 / RenÃ©:NoBirthday"_s;
    QTest::newRow("UTF-16 with byte-order mark")
        << withBom(u"BEGIN:VCARD\r\nN:王;小明;;;\r\nBDAY:2001-01-31\r\nEND:VCARD\r\n"_s)
        << u"小明||王|2001-01-31"_s;
    QTest::newRow("UTF-8 byte-order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "BEGIN:VCARD\r\nFN:Zo\xC3\xAB \xC3\x98rsted\r\n"
                      "BDAY:1999-09-09\r\nEND:VCARD\r\n")
        << u"Zoë||Ørsted|1999-09-09"_s;
    QTest::newRow("escapes in N and FN, several values, prefix and suffix left out")
        << QByteArray("BEGIN:VCARD\nN:Smith\\, Jr.;Mary\\;Ann;Jo, Beth;Dr.;PhD\nBDAY:1960-01-01\n"
                      "END:VCARD\nBEGIN:VCARD\nFN:Doe\\, John\nEND:VCARD\n")
        << u"Mary;Ann|Jo Beth|Smith, Jr.|1960-01-01 / Doe, John:NoBirthday"_s;
    QTest::newRow("FN only, or N without a name")
        << QByteArray("BEGIN:VCARD\nFN:  Ana María de la Cruz \nBDAY:1988-11-23\nEND:VCARD\n"
                      "BEGIN:VCARD\nN:;;;Dr.;\nFN:Tavi\nBDAY:1946-05-20\nEND:VCARD\n")
        << u"Ana|María de la|Cruz|1988-11-23 / Tavi|||1946-05-20"_s;
    QTest::newRow("lower-case names, group and VALUE=DATE")
        << QByteArray("begin:vcard\nversion:3.0\nn:nakamura;yuki;;;\n"
                      "item1.bday;value=DATE:1990-08-15\nend:vcard\n")
        << u"yuki||nakamura|1990-08-15"_s;
    QTest::newRow("birthdays with a time and a zone, read as written")
        << QByteArray("BEGIN:VCARD\nFN:Al\nBDAY:1990-08-15T23:30:00-05:00\nEND:VCARD\n"
                      "BEGIN:VCARD\nFN:Bo\nBDAY:19750101T003000+0200\nEND:VCARD\n"
                      "BEGIN:VCARD\nFN:Cy\nBDAY:2000-02-29T00:00:00Z\nEND:VCARD\n")
        << u"Al|||1990-08-15 / Bo|||1975-01-01 / Cy|||2000-02-29"_s;
    QTest::newRow("skipped: no birthday, text, a year only, no day, no name; 29 February kept")
        << QByteArray("BEGIN:VCARD\nFN:None\nEND:VCARD\nBEGIN:VCARD\nFN:Blank\nBDAY: \nEND:VCARD\n"
                      "BEGIN:VCARD\nFN:Zeros\nBDAY:0000-00-00\nEND:VCARD\nBEGIN:VCARD\nFN:Circa\n"
                      "BDAY;VALUE=text:circa 1960\nEND:VCARD\nBEGIN:VCARD\nFN:Unknown\n"
                      "BDAY:unknown\nEND:VCARD\nBEGIN:VCARD\nFN:Year\nBDAY:1953\nEND:VCARD\n"
                      "BEGIN:VCARD\nFN:Common\nBDAY:1991-02-29\nEND:VCARD\nBEGIN:VCARD\n"
                      "FN:Thirtieth\nBDAY:1990-02-30\nEND:VCARD\nBEGIN:VCARD\nFN:Never\n"
                      "BDAY:--0230\nEND:VCARD\nBEGIN:VCARD\nN:;;;;\nFN: \nBDAY:1990-01-01\n"
                      "END:VCARD\nBEGIN:VCARD\nEND:VCARD\nBEGIN:VCARD\nFN:Leap\n"
                      "BDAY:1992-02-29\nEND:VCARD\nBEGIN:VCARD\nFN:Any\nBDAY:--02-29\nEND:VCARD\n")
        << u"Leap|||1992-02-29 / Any|||--02-29 / None:NoBirthday / Blank:NoBirthday / "
           "Zeros:NotADate / Circa:NotADate / Unknown:NotADate / Year:NotADate / "
           "Common:NotADate / Thirtieth:NotADate / Never:NotADate / :NoName / :NoBirthday"_s;
    QTest::newRow("text around the cards, cards left open")
        << QByteArray(
               "Subject: cards\nBDAY:1900-01-01\nBEGIN:VCARD\nFN:In Side\nBDAY:1970-07-07\n"
               "End:vCard\nFN:Out Side\nBEGIN:VCARD\nFN:No End\nBDAY:1980-02-02\nBEGIN:VCARD\n"
               "FN:Open Ended\nBDAY:2001-01-01")
        << u"In||Side|1970-07-07 / No||End|1980-02-02 / Open||Ended|2001-01-01"_s;
    QTest::newRow("photo blob ending in base64 padding, then the birthday")
        << QByteArray(
               "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Ek;Lo\r\nPHOTO;ENCODING=BASE64;JPEG:\r\n"
               " /9j/4AAQSkZJRgABAQEASABIAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgFBQQE\r\n"
               " BQoHBgYFCAwKDAwLCgsLDQ4SEA0OERALCw==\r\n\r\nBDAY:2010-10-10\r\nEND:VCARD\r\n")
        << u"Lo||Ek|2010-10-10"_s;
    QTest::newRow("CR line ends, an unclosed quote before the colon")
        << QByteArray("BEGIN:VCARD\rVERSION:3.0\rFN;X-LABEL=\"oops:Ann Lee\rBDAY:1990-05-05\r"
                      "END:VCARD\r")
        << u"Ann||Lee|1990-05-05"_s;
    QTest::newRow("not a vCard: a table and a calendar")
        << QByteArray("Name,Birthday\nAnn,1990-01-01\nBEGIN:VCALENDAR\nBDAY:1990-01-01\n")
        << u"not a vCard"_s;
}

void TestVCard::exporters() {
    QFETCH(QByteArray, vcf);
    QFETCH(QString, read);

    QCOMPARE(summary(people::readContacts(vcf)), read);
}

void TestVCard::junkNeverHangs() {
    const QByteArray open = "BEGIN:VCARD\nN;QUOTED-PRINTABLE:";
    QList<QByteArray> inputs{open + QByteArray(2'000'000, '='),
                             open + QByteArray("=\n").repeated(1'000'000),
                             "BEGIN:VCARD\n" + QByteArray("a\n ").repeated(1'000'000)};
    const QList<QByteArray> pieces{"\r\n", "\n ", "=",    "=C3",   ";",           ":",
                                   "\"",   "\\",  "\xFF", "BDAY:", "END:VCARD\n", "BEGIN:VCARD\n"};
    QRandomGenerator random(20240815);
    for (int round = 0; round < 200; ++round) {
        QByteArray junk = open;
        for (int i = 0; i < 400; ++i)
            junk += random.bounded(3) == 0 ? QByteArray(1, static_cast<char>(random.bounded(256)))
                                           : pieces.at(random.bounded(12));
        inputs << junk;
    }
    for (const QByteArray& input : inputs)
        QVERIFY(people::readContacts(input).isVCard);
}

QTEST_GUILESS_MAIN(TestVCard)
#include "test_vcard.moc"
