// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QDate>
#include <QLocale>

#include "people/person.h"

namespace people {

/// A birth date as the reader's locale writes it, without the weekday; without the year when it
/// is not known.
QString shownBirthDate(const Person& person, const QLocale& locale);
/// The same with the locale's patterns already worked out (datePattern).
QString shownBirthDate(const Person& person, const QLocale& locale, const QString& withYear,
                       const QString& withoutYear);
/// The locale's long date without the weekday, and without the year where `withYear` is false.
QString datePattern(const QLocale& locale, bool withYear);

/// When the next birthday is: "today", "tomorrow", "in 12 days".
QString whenText(int days);

/// The book as a table: name, birth date, sign and next birthday, in the language spoken.
class PeopleModel final : public QAbstractTableModel {
public:
    enum Column { Name, Born, Sign, Next, Columns };

    using QAbstractTableModel::QAbstractTableModel;

    void setPeople(const std::vector<Person>& people, QDate today);
    /// The texts again, in the language spoken now.
    void retranslate();
    const Person& person(int row) const { return at(row).person; }
    int daysToGo(int row) const { return at(row).days; }
    /// The name's or the sign's text, which the order compares.
    const QString& text(int row, int column) const;
    /// Case-folded name and sign, for the filter.
    const QString& filterText(int row) const { return at(row).filter; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        Person person;
        int days = 0;
        int sign = 0; ///< 0 for Aries
        QString name;
        QString filter;
        /// Written when first shown: a window shows a few dozen of tens of thousands.
        mutable QString born;
    };
    /// What every row's texts take from the language spoken, worked out once for them all.
    struct Wording {
        QLocale locale;
        QString withYear;
        QString withoutYear;
        QString signs[12];
        mutable std::vector<QString> when; ///< by days to go, as far as asked
    };
    static Wording wording();
    void describe(Row& row) const;
    const Row& at(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    std::vector<Row> m_rows;
    Wording m_words;
};

/// The model sorted and filtered from its rows' own texts and numbers, not through QVariant:
/// tens of thousands of rows sort within a frame. Soonest birthday first, then by name.
class PeopleOrder final : public QSortFilterProxyModel {
public:
    explicit PeopleOrder(PeopleModel* model, QObject* parent = nullptr);

    /// Keeps the people whose name or sign holds `text`, letter case aside.
    void setFilterText(const QString& text);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    PeopleModel* m_model;
    QString m_filter;
};

} // namespace people
