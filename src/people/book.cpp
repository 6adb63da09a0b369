// SPDX-License-Identifier: MIT
#include "people/book.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>

#include "platform/whole_file.h"

namespace people {

namespace {

const QString kFileName = QStringLiteral("people.json");
const QString kFormat = QStringLiteral("kv-dwellstar-people");
constexpr int kVersion = 1;
// Long enough for another writer to finish a book of tens of thousands.
constexpr int kLockWaitMs = 10000;

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

struct BookText {
    Q_DECLARE_TR_FUNCTIONS(BookText)
};

QJsonObject entry(const Person& person) {
    return {{QStringLiteral("first"), person.first},
            {QStringLiteral("middle"), person.middle},
            {QStringLiteral("last"), person.last},
            {QStringLiteral("born"), birthDateText(person)}};
}

QByteArray serialised(const std::vector<Person>& people) {
    QJsonArray entries;
    for (const Person& person : people)
        entries.append(entry(person));
    const QJsonObject book{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("people"), entries}};
    return QJsonDocument(book).toJson(QJsonDocument::Indented);
}

/// The people of a file's bytes, or why they cannot be read.
Found::Why parse(const QByteArray& bytes, std::vector<Person>& people) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject book = document.object();
    if (!document.isObject() || book.value(QStringLiteral("format")).toString() != kFormat ||
        !book.value(QStringLiteral("version")).isDouble())
        return Found::Why::Damaged;
    if (book.value(QStringLiteral("version")).toInt() > kVersion)
        return Found::Why::Newer;
    const QJsonValue entries = book.value(QStringLiteral("people"));
    if (!entries.isArray())
        return Found::Why::Damaged;
    for (const QJsonValue value : entries.toArray()) {
        const QJsonObject fields = value.toObject();
        Person person{fields.value(QStringLiteral("first")).toString(),
                      fields.value(QStringLiteral("middle")).toString(),
                      fields.value(QStringLiteral("last")).toString()};
        const std::optional<Person> born =
            withBirthDate(std::move(person), fields.value(QStringLiteral("born")).toString());
        // One entry that cannot be read would be lost by the next write: the whole file is
        // kept aside instead.
        if (!born || fullName(*born).isEmpty())
            return Found::Why::Damaged;
        people.push_back(*born);
    }
    return Found::Why::Nothing;
}

/// A name beside the book that says why it was set aside and when, taken by no file yet.
QString asideName(const QString& path, Found::Why why) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString kind =
        why == Found::Why::Newer ? QStringLiteral("newer") : QStringLiteral("damaged");
    QString name = QStringLiteral("%1.%2-%3").arg(path, kind, stamp);
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = QStringLiteral("%1.%2-%3-%4").arg(path, kind, stamp).arg(n);
    return name;
}

} // namespace

Book::Book(QString folder) : m_folder(std::move(folder)) {}

QString Book::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Book::filePath() const {
    return QDir(m_folder).filePath(kFileName);
}

Found Book::read() {
    Found found;
    m_people.clear();
    QFile file(filePath());
    if (!file.exists())
        return found;
    if (!file.open(QIODevice::ReadOnly)) {
        found.error = file.errorString();
        return found;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    std::vector<Person> people;
    found.why = parse(bytes, people);
    if (found.why == Found::Why::Nothing) {
        m_people = std::move(people);
        return found;
    }
    const QString aside = asideName(filePath(), found.why);
    if (!QFile::rename(filePath(), aside)) {
        found.error = BookText::tr("It could not be set aside as \"%1\".")
                          .arg(QDir::toNativeSeparators(aside));
        return found;
    }
    found.setAsideAs = aside;
    return found;
}

Change Book::add(const std::vector<Person>& newcomers, Found& found) {
    return change(
        [&newcomers](std::vector<Person>& people, Change& done) {
            QSet<QString> known;
            known.reserve(static_cast<qsizetype>(people.size()) +
                          static_cast<qsizetype>(newcomers.size()));
            for (const Person& person : people)
                known.insert(personKey(person));
            for (const Person& newcomer : newcomers) {
                const qsizetype before = known.size();
                known.insert(personKey(newcomer));
                const bool added = known.size() > before;
                ++(added ? done.added : done.alreadyThere);
                if (added)
                    people.push_back(newcomer);
            }
        },
        found);
}

Change Book::forget(const Person& person, Found& found) {
    return change(
        [&person](std::vector<Person>& people, Change& done) {
            done.removed = static_cast<int>(
                std::erase_if(people, [&](const Person& p) { return samePerson(p, person); }));
        },
        found);
}

Change Book::change(const std::function<void(std::vector<Person>&, Change&)>& edit, Found& found) {
    Change done;
    if (!QDir().mkpath(m_folder)) {
        done.error = BookText::tr("The folder \"%1\" could not be made.")
                         .arg(QDir::toNativeSeparators(m_folder));
        return done;
    }
    QLockFile lock(filePath() + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        done.error = lock.error() == QLockFile::LockFailedError
                         ? BookText::tr("Another KV Dwellstar is changing the book just now.")
                         : BookText::tr("The book's lock could not be made in \"%1\".")
                               .arg(QDir::toNativeSeparators(m_folder));
        return done;
    }
    // What another writer kept meanwhile is not written over.
    found = read();
    if (!found.error.isEmpty()) {
        done.error = found.error;
        return done;
    }
    std::vector<Person> people = m_people;
    edit(people, done);
    if (done.added == 0 && done.removed == 0)
        return done;
    done.error = platform::writeWholeFile(filePath(), serialised(people), kOwnerOnly);
    if (done.error.isEmpty())
        m_people = std::move(people);
    else
        done.added = done.removed = 0;
    return done;
}

} // namespace people
