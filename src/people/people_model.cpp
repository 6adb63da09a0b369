// SPDX-License-Identifier: MIT
#include "people/people_model.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "language/language.h"
#include "people/gift_tips.h"

namespace people {

namespace {

struct PeopleText {
    Q_DECLARE_TR_FUNCTIONS(PeopleText)
};

constexpr int kLeapYear = 2000;

/// The locale's long date, its weekday taken out, and its year where `withYear` is false.
QString datePattern(const QLocale& locale, bool withYear) {
    QString pattern = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*"));
    static const QRegularExpression year(QStringLiteral("[,\\s]*y+(\\s*'[^']*'\\.?)?"));
    pattern.remove(weekday);
    if (!withYear)
        pattern.remove(year);
    return pattern.trimmed();
}

} // namespace

QString shownBirthDate(const Person& person, const QLocale& locale) {
    const QDate date(person.year == 0 ? kLeapYear : person.year, person.month, person.day);
    return locale.toString(date, datePattern(locale, person.year != 0));
}

QString whenText(int days) {
    if (days == 0)
        return PeopleText::tr("today");
    if (days == 1)
        return PeopleText::tr("tomorrow");
    return PeopleText::tr("in %n days", nullptr, days);
}

void PeopleModel::setPeople(const std::vector<Person>& people, QDate today) {
    beginResetModel();
    m_today = today;
    m_rows.clear();
    m_rows.reserve(people.size());
    for (const Person& person : people) {
        Row row{person, daysToNextBirthday(person, today), {}, {}};
        describe(row);
        m_rows.push_back(std::move(row));
    }
    endResetModel();
}

void PeopleModel::retranslate() {
    for (Row& row : m_rows)
        describe(row);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

void PeopleModel::describe(Row& row) const {
    const QLocale locale = language::translationLocale().value_or(QLocale());
    row.texts[Name] = fullName(row.person);
    row.texts[Born] = shownBirthDate(row.person, locale);
    row.texts[Sign] = language::readingWord(reading::signName(signOf(row.person)));
    row.texts[Next] = whenText(row.days);
    row.filter = (row.texts[Name] + QLatin1Char(' ') + row.texts[Sign]).toCaseFolded();
}

int PeopleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows.at(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return row.texts[index.column()];
    case kFilterRole:
        return row.filter;
    case Qt::InitialSortOrderRole:
        break;
    case Qt::UserRole:
        // The sort: soonest birthday, dates in the calendar's order, names as read.
        if (index.column() == Next)
            return row.days;
        if (index.column() == Born)
            return birthDateText(row.person);
        return row.texts[index.column()].toCaseFolded();
    default:
        break;
    }
    return {};
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return PeopleText::tr("Name");
    case Born:
        return PeopleText::tr("Born");
    case Sign:
        return PeopleText::tr("Sign");
    case Next:
        return PeopleText::tr("Next Birthday");
    default:
        break;
    }
    return {};
}

} // namespace people
