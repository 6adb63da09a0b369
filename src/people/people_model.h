// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QDate>
#include <QLocale>

#include "people/person.h"

namespace people {

/// A birth date as the reader's locale writes it, without the weekday; without the year when it
/// is not known.
QString shownBirthDate(const Person& person, const QLocale& locale);

/// When the next birthday is: "today", "tomorrow", "in 12 days".
QString whenText(int days);

/// The book as a table: name, birth date, sign and next birthday, in the language spoken.
/// Sorting by the sort role puts the soonest birthday first.
class PeopleModel final : public QAbstractTableModel {
public:
    enum Column { Name, Born, Sign, Next, Columns };
    /// Case-folded name and sign, for the filter.
    static constexpr int kFilterRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setPeople(const std::vector<Person>& people, QDate today);
    /// The texts again, in the language spoken now.
    void retranslate();
    const Person& person(int row) const { return m_rows.at(static_cast<std::size_t>(row)).person; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        Person person;
        int days = 0;
        QString texts[Columns];
        QString filter;
    };
    void describe(Row& row) const;

    std::vector<Row> m_rows;
    QDate m_today;
};

} // namespace people
