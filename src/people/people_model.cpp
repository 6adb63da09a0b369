// SPDX-License-Identifier: MIT
#include "people/people_model.h"

#include <tuple>

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

} // namespace

QString datePattern(const QLocale& locale, bool withYear) {
    QString pattern = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*"));
    static const QRegularExpression year(QStringLiteral("[,\\s]*y+(\\s*'[^']*'\\.?)?"));
    pattern.remove(weekday);
    if (!withYear)
        pattern.remove(year);
    return pattern.trimmed();
}

QString shownBirthDate(const Person& person, const QLocale& locale) {
    return shownBirthDate(person, locale, datePattern(locale, true), datePattern(locale, false));
}

QString shownBirthDate(const Person& person, const QLocale& locale, const QString& withYear,
                       const QString& withoutYear) {
    const QDate date(person.year == 0 ? kLeapYear : person.year, person.month, person.day);
    return locale.toString(date, person.year == 0 ? withoutYear : withYear);
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
    m_rows.clear();
    m_rows.reserve(people.size());
    m_words = wording();
    for (const Person& person : people) {
        Row row{person, daysToNextBirthday(person, today), 0, {}, {}, {}};
        describe(row);
        m_rows.push_back(std::move(row));
    }
    endResetModel();
}

void PeopleModel::retranslate() {
    m_words = wording();
    for (Row& row : m_rows)
        describe(row);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

PeopleModel::Wording PeopleModel::wording() {
    Wording words{language::translationLocale().value_or(QLocale()), {}, {}, {}, {}};
    words.withYear = datePattern(words.locale, true);
    words.withoutYear = datePattern(words.locale, false);
    for (const reading::SunSign sign : reading::kAllSigns)
        words.signs[reading::ordinal(sign) - 1] = language::readingWord(reading::signName(sign));
    return words;
}

void PeopleModel::describe(Row& row) const {
    row.name = fullName(row.person);
    row.sign = reading::ordinal(signOf(row.person)) - 1;
    row.filter = (row.name + QLatin1Char(' ') + m_words.signs[row.sign]).toCaseFolded();
    row.born.clear();
}

const QString& PeopleModel::text(int row, int column) const {
    return column == Sign ? m_words.signs[at(row).sign] : at(row).name;
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
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Born:
        if (row.born.isNull())
            row.born =
                shownBirthDate(row.person, m_words.locale, m_words.withYear, m_words.withoutYear);
        return row.born;
    case Next: {
        const auto days = static_cast<std::size_t>(row.days);
        if (m_words.when.size() <= days)
            m_words.when.resize(days + 1);
        if (m_words.when[days].isNull())
            m_words.when[days] = whenText(row.days);
        return m_words.when[days];
    }
    default:
        return text(index.row(), index.column());
    }
}

PeopleOrder::PeopleOrder(PeopleModel* model, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(model) {
    setSourceModel(model);
}

void PeopleOrder::setFilterText(const QString& text) {
    m_filter = text.toCaseFolded();
    invalidateFilter();
}

bool PeopleOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int a = left.row();
    const int b = right.row();
    const int column = left.column();
    if (column == PeopleModel::Next)
        return comesBefore(m_model->daysToGo(a), m_model->text(a, PeopleModel::Name),
                           m_model->daysToGo(b), m_model->text(b, PeopleModel::Name));
    if (column == PeopleModel::Born) {
        const Person& x = m_model->person(a);
        const Person& y = m_model->person(b);
        return std::tie(x.year, x.month, x.day) < std::tie(y.year, y.month, y.day);
    }
    return m_model->text(a, column).compare(m_model->text(b, column), Qt::CaseInsensitive) < 0;
}

bool PeopleOrder::filterAcceptsRow(int row, const QModelIndex& /*parent*/) const {
    return m_filter.isEmpty() || m_model->filterText(row).contains(m_filter);
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
