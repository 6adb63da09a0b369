// SPDX-License-Identifier: MIT
#include <random>

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include "outreach/mod_tell_a_friend.h"
#include "site_config.h"

using namespace Qt::StringLiterals;
using modTellAFriend::Referral;

namespace {

const QString kEndpoint = u"" DWELLSTAR_MAIN_SITE "/kvvs-refer-a-friend.php"_s;
const QString kProgramSite = u"" DWELLSTAR_PRODUCT_SITE "/"_s;

/// A long value travels as its first 1,400 characters, a character beyond the basic plane
/// whole or not at all.
QString sent(const QString& value) {
    constexpr qsizetype kCap = 1400;
    if (value.size() <= kCap)
        return value;
    return value.left(value[kCap - 1].isHighSurrogate() ? kCap - 1 : kCap);
}

QStringList values(const Referral& r) {
    return {sent(r.SenderName), sent(r.SenderEmail), sent(r.MessageText),
            sent(r.FriendName), sent(r.FriendEmail), kProgramSite};
}

/// Text that is hard to carry in a web address: delimiters, line breaks, controls, characters
/// beyond the basic plane (as surrogate pairs), percent signs that look like escapes.
QString awkwardText(std::mt19937& engine, int length) {
    static const QStringList pieces = {
        u"&"_s,          u"="_s,          u"#"_s,      u"+"_s,      u";"_s,       u"%"_s,
        u"%20"_s,        u"%2B"_s,        u"\r\n"_s,   u"\r"_s,     u"\n"_s,      u"\t"_s,
        u" "_s,          u"?"_s,          u"/"_s,      u"taf6="_s,  u"&taf1=x"_s, u"\u00E9"_s,
        u"\u0000"_s,     u"\u007F"_s,     u"\u0085"_s, u"\u2028"_s, u"\uFEFF"_s,  u"\uFFFD"_s,
        u"\U0001F600"_s, u"\U00010000"_s, u"\""_s,     u"<>"_s};
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<qsizetype> piece(0, pieces.size() - 1);
    // Lone surrogates and noncharacters (U+FDD0..U+FDEF, U+xFFFE, U+xFFFF) are no text a user
    // can type, and the address parser refuses them.
    std::uniform_int_distribution<int> bmp(0, 0xFFFD - 0x800);
    std::uniform_int_distribution<char32_t> astral(0x10000, 0x10FFFF);
    QString text;
    while (text.size() < length) {
        switch (kind(engine)) {
        case 0:
            text += pieces[piece(engine)];
            break;
        case 1: {
            const int code = bmp(engine);
            const auto unit = static_cast<char16_t>(code < 0xD800 ? code : code + 0x800);
            text += QChar(unit >= 0xFDD0 && unit <= 0xFDEF ? u'=' : unit);
            break;
        }
        case 2: {
            char32_t code = astral(engine);
            if ((code & 0xFFFE) == 0xFFFE)
                code -= 2;
            text += QString::fromUcs4(&code, 1);
            break;
        }
        default:
            text += QChar(static_cast<char16_t>(u'a' + engine() % 26));
        }
    }
    return text;
}

} // namespace

class TestReferralRequest : public QObject {
    Q_OBJECT

    /// The address parsed the way a receiving server would: exactly the six values, in order.
    static void verifyCarries(const QString& address, const Referral& r) {
        QVERIFY2(address.startsWith(kEndpoint + u"?taf1="_s), qPrintable(address.left(200)));
        for (const QChar c : address)
            QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7F, "the address is plain ASCII");
        QCOMPARE(address.count(u'?'), 1);
        QCOMPARE(address.count(u'&'), 5);
        QCOMPARE(address.count(u'='), 6);
        QCOMPARE(address.count(u'#'), 0);
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), u"https"_s);
        QCOMPARE(url.host(), u"" DWELLSTAR_MAIN_HOST ""_s);
        QCOMPARE(url.path(), u"/kvvs-refer-a-friend.php"_s);
        const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 6);
        const QStringList expected = values(r);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(items[i].first, u"taf%1"_s.arg(i + 1));
            if (items[i].second != expected[i]) {
                qsizetype at = 0;
                while (at < expected[i].size() && items[i].second.at(at) == expected[i].at(at))
                    ++at;
                QCOMPARE(items[i].second.mid(at, 20), expected[i].mid(at, 20));
                QCOMPARE(items[i].second.size(), expected[i].size());
            }
        }
    }

private Q_SLOTS:
    void encodesEachValue_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("plain") << u"Ann"_s << u"Ann"_s;
        QTest::newRow("unreserved") << u"a-b.c_d~e"_s << u"a-b.c_d~e"_s;
        QTest::newRow("space and plus") << u"a b+c"_s << u"a%20b%2Bc"_s;
        QTest::newRow("delimiters") << u"&=#;?/%"_s << u"%26%3D%23%3B%3F%2F%25"_s;
        QTest::newRow("escape look-alike") << u"%41"_s << u"%2541"_s;
        QTest::newRow("line break") << u"Your Message\r\n"_s << u"Your%20Message%0D%0A"_s;
        QTest::newRow("utf-8") << u"\u00E9\u20AC"_s << u"%C3%A9%E2%82%AC"_s;
        QTest::newRow("surrogate pair") << u"\U0001F600"_s << u"%F0%9F%98%80"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void encodesEachValue() {
        QFETCH(QString, value);
        QFETCH(QString, encoded);
        const Referral r{value, u"a@b.c"_s, value, u"F"_s, u"f@b.c"_s, {}};
        QCOMPARE(modTellAFriend::composeRequestAddress(r),
                 kEndpoint + u"?taf1="_s + encoded + u"&taf2=a%40b.c&taf3="_s + encoded +
                     u"&taf4=F&taf5=f%40b.c&taf6=https%3A%2F%2F" DWELLSTAR_PRODUCT_HOST "%2F"_s);
        verifyCarries(modTellAFriend::composeRequestAddress(r), r);
    }

    void capsLongValues_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qsizetype>("sentLength");
        QTest::newRow("at the cap") << QString(1400, u'a') << qsizetype(1400);
        QTest::newRow("one over") << QString(1401, u'a') << qsizetype(1400);
        QTest::newRow("100 kB") << QString(qsizetype{100} * 1024, u'a') << qsizetype(1400);
        QTest::newRow("three-byte characters") << QString(5000, u'\u20AC') << qsizetype(1400);
        QTest::newRow("pair across the cap")
            << u"x"_s + QString(u"\U0001F600"_s).repeated(1000) << qsizetype(1399);
    }
    void capsLongValues() {
        QFETCH(QString, value);
        QFETCH(qsizetype, sentLength);
        const Referral r{value, value, value, value, value, {}};
        const QString address = modTellAFriend::composeRequestAddress(r);
        const auto items = QUrlQuery(QUrl(address)).queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 6);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(items[i].second, value.left(sentLength));
        // Half of what the launcher takes, however the values are made up.
        QVERIFY2(address.size() < qsizetype{64} * 1024,
                 qPrintable(QString::number(address.size())));
    }

    void configuredAddresses() {
        QCOMPARE(modTellAFriend::ReferralEndpoint(), kEndpoint);
        QCOMPARE(modTellAFriend::ProgramSite(), kProgramSite);
        const QUrl site(modTellAFriend::ProgramSite(), QUrl::StrictMode);
        QCOMPARE(site.scheme(), u"https"_s);
        QCOMPARE(site.host(), u"" DWELLSTAR_PRODUCT_HOST ""_s);
        QCOMPARE(site.path(), u"/"_s);
    }

    void trimsSpacesOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("spaces") << u"  Ann Lee  "_s << u"Ann Lee"_s;
        QTest::newRow("only spaces") << u"    "_s << QString();
        QTest::newRow("tabs stay") << u"\tAnn\t"_s << u"\tAnn\t"_s;
        QTest::newRow("line break stays") << u" Your Message\r\n "_s << u"Your Message\r\n"_s;
        QTest::newRow("no-break space stays") << u"\u00A0x "_s << u"\u00A0x"_s;
    }
    void trimsSpacesOnly() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(modTellAFriend::trimSpaces(text), trimmed);
    }

    void randomReferralsArriveIntact() {
        std::mt19937 engine(20261208);
        std::uniform_int_distribution<int> shortLength(0, 40);
        for (int round = 0; round < 3000; ++round) {
            // A few carry 100 kB in one field.
            const auto length = [&](int field) {
                return round % 1000 == 7 && field == round % 5 ? 100 * 1024 : shortLength(engine);
            };
            const Referral r{awkwardText(engine, length(0)), awkwardText(engine, length(1)),
                             awkwardText(engine, length(2)), awkwardText(engine, length(3)),
                             awkwardText(engine, length(4)), {}};
            verifyCarries(modTellAFriend::composeRequestAddress(r), r);
            if (QTest::currentTestFailed()) {
                qWarning("failed in round %d", round);
                return;
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestReferralRequest)
#include "test_referral_request.moc"
