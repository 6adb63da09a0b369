// SPDX-License-Identifier: MIT
#include <QTest>

#include "shell/name_rule.h"

using namespace Qt::StringLiterals;

// A name box takes letters of any alphabet, the accents that follow them, and blanks, and gives
// the small letters their capitals, one character for one; the reading's name turns anything
// else into blanks.

class TestNameRule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken"); // null: refused
        QTest::addColumn<QString>("reading");

        const QString refused;
        QTest::newRow("small letter") << u"m"_s << u"M"_s << u"M"_s;
        QTest::newRow("blanks") << u" mary  ann "_s << u" MARY  ANN "_s << u" MARY  ANN "_s;
        QTest::newRow("umlaut") << u"J\u00fcrgen"_s << u"J\u00dcRGEN"_s << u"J\u00dcRGEN"_s;
        QTest::newRow("sharp s stays") << u"stra\u00dfe"_s << u"STRA\u00dfE"_s << u"STRA\u00dfE"_s;
        QTest::newRow("tilde") << u"mu\u00f1oz"_s << u"MU\u00d1OZ"_s << u"MU\u00d1OZ"_s;
        QTest::newRow("Cyrillic") << u"\u0438\u0432\u0430\u043d"_s << u"\u0418\u0412\u0410\u041d"_s
                                  << u"\u0418\u0412\u0410\u041d"_s;
        QTest::newRow("Greek, final sigma") << u"\u03c3\u03bf\u03c6\u03af\u03b1\u03c2"_s
                                            << u"\u03a3\u039f\u03a6\u038a\u0391\u03a3"_s
                                            << u"\u03a3\u039f\u03a6\u038a\u0391\u03a3"_s;
        QTest::newRow("Han") << u"\u674e\u5c0f\u9f8d"_s << u"\u674e\u5c0f\u9f8d"_s
                             << u"\u674e\u5c0f\u9f8d"_s;
        QTest::newRow("decomposed accents")
            << u"he\u0301le\u0300ne"_s << u"HE\u0301LE\u0300NE"_s << u"HE\u0301LE\u0300NE"_s;
        QTest::newRow("stacked accents")
            << u"a\u0301\u0323"_s << u"A\u0301\u0323"_s << u"A\u0301\u0323"_s;
        QTest::newRow("accent with no letter") << u"\u0301a"_s << refused << u" A"_s;
        QTest::newRow("accent after a blank") << u"a \u0301"_s << refused << u"A  "_s;
        QTest::newRow("letter beyond the basic plane")
            << u"\U00020000"_s << u"\U00020000"_s << u"\U00020000"_s;
        QTest::newRow("capital beyond the basic plane")
            << u"\U00010428"_s << u"\U00010400"_s << u"\U00010400"_s;
        QTest::newRow("hyphen") << u"Anne-Marie"_s << refused << u"ANNE MARIE"_s;
        QTest::newRow("apostrophe") << u"O'Neil"_s << refused << u"O NEIL"_s;
        QTest::newRow("digit") << u"Ann2"_s << refused << u"ANN "_s;
        QTest::newRow("no-break space") << u"a\u00a0b"_s << refused << u"A B"_s;
        QTest::newRow("emoji") << u"a\U0001F600"_s << refused << u"A "_s;
        QTest::newRow("zero-width space") << u"a\u200bb"_s << refused << u"A B"_s;
        QTest::newRow("control codes") << u"a\tb\u0016"_s << refused << u"A B "_s;
        QTest::newRow("lone surrogate") << u"a\xd800"_s << refused << u"A "_s;
        QTest::newRow("nothing") << u""_s << u""_s << u""_s;
    }

    void names() {
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        const std::optional<QString> name = shell::typedName(typed);
        QCOMPARE(name.has_value(), !taken.isNull());
        QCOMPARE(name.value_or(QString()), taken);
        QTEST(shell::readingName(typed), "reading");
    }
};

QTEST_GUILESS_MAIN(TestNameRule)
#include "test_name_rule.moc"
