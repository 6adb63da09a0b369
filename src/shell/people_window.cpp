// SPDX-License-Identifier: MIT
#include "shell/people_window.h"

#include <memory>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include "forms/picture_lists.h"
#include "language/language.h"
#include "people/book.h"
#include "people/contacts_import.h"
#include "people/gift_tips.h"
#include "people/icalendar.h"
#include "people/people_model.h"
#include "people/telling.h"
#include "platform/services.h"
#include "platform/whole_file.h"
#include "shell/event_hooks.h"
#include "shell/frm_display.h"
#include "shell/frm_main.h"
#include "shell/name_rule.h"
#include "shell/reading_command.h"
#include "shell/window_manager.h"

namespace shell {

namespace {

struct PeopleWindow {
    Q_DECLARE_TR_FUNCTIONS(PeopleWindow)
};

// The design style's first lines that the tips show.
constexpr int kStyleLines = 2;
// The rows a column's width is measured on.
constexpr int kSampledRows = 200;

void tell(const QString& text, platform::MessageIcon icon = platform::MessageIcon::Information) {
    if (!text.isEmpty())
        platform::showMessage(text, icon);
}

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

/// A button named for the code and for screen readers.
QPushButton* button(const char* name, QWidget* parent) {
    auto* made = new QPushButton(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    return made;
}

class PeopleView final : public QWidget {
public:
    PeopleView() {
        resize(760, 540);

        m_filter->setObjectName(QStringLiteral("filter"));
        m_filter->setClearButtonEnabled(true);
        m_filterLabel->setBuddy(m_filter);
        m_view->setObjectName(QStringLiteral("people"));
        m_view->setModel(&m_sorted);
        m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_view->setSelectionMode(QAbstractItemView::SingleSelection);
        m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_view->setSortingEnabled(true);
        m_view->sortByColumn(people::PeopleModel::Next, Qt::AscendingOrder);
        m_view->verticalHeader()->hide();
        m_view->horizontalHeader()->setSectionResizeMode(people::PeopleModel::Name,
                                                         QHeaderView::Stretch);
        m_view->verticalHeader()->setResizeContentsPrecision(kSampledRows);
        m_empty->setObjectName(QStringLiteral("lblEmpty"));
        m_empty->setWordWrap(true);
        m_view->setWordWrap(false);

        auto* top = new QHBoxLayout;
        top->addWidget(m_filterLabel);
        top->addWidget(m_filter, 1);
        auto* tips = new QFormLayout(m_tips);
        for (QLabel* value : {m_sign, m_colors, m_stone, m_style}) {
            value->setWordWrap(true);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        const std::pair<QWidget*, const char*> names[] = {{m_filterLabel, "lblFilter"},
                                                          {m_tips, "fraGiftTips"},
                                                          {m_signLabel, "lblSignHeading"},
                                                          {m_sign, "lblSign"},
                                                          {m_colorsLabel, "lblColorsHeading"},
                                                          {m_colors, "lblColors"},
                                                          {m_swatch, "picColor"},
                                                          {m_stoneLabel, "lblBirthstoneHeading"},
                                                          {m_stone, "lblBirthstone"},
                                                          {m_styleLabel, "lblHomeStyleHeading"},
                                                          {m_style, "lblHomeStyle"}};
        for (const auto& [control, name] : names)
            control->setObjectName(QString::fromLatin1(name));
        auto* colors = new QHBoxLayout;
        colors->addWidget(m_swatch);
        colors->addWidget(m_colors, 1);
        tips->addRow(m_signLabel, m_sign);
        tips->addRow(m_colorsLabel, colors);
        tips->addRow(m_stoneLabel, m_stone);
        tips->addRow(m_styleLabel, m_style);
        auto* buttons = new QHBoxLayout;
        for (QPushButton* each : {m_open, m_forget, m_import, m_export})
            buttons->addWidget(each);
        buttons->addStretch(1);
        buttons->addWidget(m_close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(m_view, 1);
        layout->addWidget(m_empty);
        layout->addWidget(m_tips);
        layout->addLayout(buttons);

        connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
            m_sorted.setFilterText(text);
            selectFirstIfNone();
        });
        connect(m_view, &QTableView::activated, this, [this] { openReading(); });
        connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this] { showTips(); });
        connect(m_open, &QPushButton::clicked, this, [this] { openReading(); });
        connect(m_forget, &QPushButton::clicked, this, [this] { forget(); });
        connect(m_import, &QPushButton::clicked, this, [this] { importContacts(); });
        connect(m_export, &QPushButton::clicked, this, [this] { exportBirthdays(); });
        connect(m_close, &QPushButton::clicked, this, [] { unload(kPeopleWindow); });
        auto* forgetKey =
            new QShortcut(QKeySequence::Delete, m_view, nullptr, nullptr, Qt::WidgetShortcut);
        connect(forgetKey, &QShortcut::activated, this, [this] { forget(); });
        connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
                [this] { m_filter->setFocus(Qt::ShortcutFocusReason); });
        connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
                [] { unload(kPeopleWindow); });
        // From the filter, Down goes on to the list and Enter opens the first one found.
        onEvent(m_filter, QEvent::KeyPress, [this](QEvent* event) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Down)
                m_view->setFocus(Qt::TabFocusReason);
            else if (key == Qt::Key_Return || key == Qt::Key_Enter)
                openReading();
            return key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter;
        });
        // What a terminal run kept meanwhile shows when the reader comes back.
        onEvent(this, QEvent::WindowActivate, [this](QEvent*) {
            if (bookMoved())
                reload();
            return false;
        });
        retranslate();
    }

    /// Reads the book afresh and shows it, keeping the person selected.
    void reload() {
        tell(people::toldOfRead(m_book.read()));
        present(m_book.people());
    }

    void retranslate() {
        setWindowTitle(PeopleWindow::tr("People - KV Dwellstar"));
        m_filterLabel->setText(PeopleWindow::tr("&Filter:"));
        m_filter->setPlaceholderText(PeopleWindow::tr("Name or sign"));
        m_filter->setAccessibleName(PeopleWindow::tr("Filter by name or sign"));
        m_view->setAccessibleName(PeopleWindow::tr("People, soonest birthday first"));
        m_tips->setTitle(PeopleWindow::tr("Gift Tips"));
        m_signLabel->setText(PeopleWindow::tr("Sign:"));
        m_colorsLabel->setText(PeopleWindow::tr("Colors:"));
        m_stoneLabel->setText(PeopleWindow::tr("Birthstone:"));
        m_styleLabel->setText(PeopleWindow::tr("Home style:"));
        m_open->setText(PeopleWindow::tr("&Open Reading"));
        m_forget->setText(PeopleWindow::tr("&Forget…"));
        m_import->setText(PeopleWindow::tr("&Import Contacts…"));
        m_export->setText(PeopleWindow::tr("&Export Birthdays…"));
        m_close->setText(PeopleWindow::tr("&Close"));
        m_empty->setText(PeopleWindow::tr("Nobody is kept here yet. Remember the person of a "
                                          "reading with Ctrl+D in its window, or import your "
                                          "contacts."));
        m_model.retranslate();
        fitColumns();
        showTips();
    }

private:
    /// Whether the file changed since the window last read it.
    bool bookMoved() const {
        const QFileInfo file(m_book.filePath());
        return file.lastModified() != m_readStamp || file.size() != m_readSize;
    }

    void present(const std::vector<people::Person>& shown) {
        const std::optional<people::Person> kept = selected();
        const QFileInfo file(m_book.filePath());
        m_readStamp = file.lastModified();
        m_readSize = file.size();
        m_model.setPeople(shown, platform::services().clock->today());
        fitColumns();
        const QString keptKey = kept ? people::personKey(*kept) : QString();
        for (int row = 0; kept && row < m_sorted.rowCount(); ++row) {
            if (people::personKey(person(m_sorted.index(row, 0))) == keptKey) {
                m_view->setCurrentIndex(m_sorted.index(row, 0));
                break;
            }
        }
        selectFirstIfNone();
        showTips();
    }

    /// The short columns as wide as their texts (a sample of the first rows, which is quick
    /// with tens of thousands); the name takes the rest.
    void fitColumns() {
        for (const int column :
             {people::PeopleModel::Born, people::PeopleModel::Sign, people::PeopleModel::Next})
            m_view->resizeColumnToContents(column);
        m_empty->setVisible(m_model.rowCount() == 0);
    }

    const people::Person& person(const QModelIndex& index) const {
        return m_model.person(m_sorted.mapToSource(index).row());
    }

    std::optional<people::Person> selected() const {
        const QModelIndex current = m_view->currentIndex();
        if (!current.isValid())
            return std::nullopt;
        return person(current);
    }

    void selectFirstIfNone() {
        if (!m_view->currentIndex().isValid() && m_sorted.rowCount() > 0)
            m_view->setCurrentIndex(m_sorted.index(0, 0));
    }

    void showTips() {
        const std::optional<people::Person> shown = selected();
        for (QWidget* control : {m_open, m_forget})
            control->setEnabled(shown.has_value());
        m_tips->setVisible(shown.has_value());
        if (!shown)
            return;
        const people::GiftTips tips = people::giftTips(people::signOf(*shown));
        m_sign->setText(tips.sign);
        m_colors->setText(tips.colors);
        m_swatch->setPixmap(forms::pictureAt(forms::colorPictures(), tips.swatch));
        m_stone->setText(tips.birthstone);
        m_style->setText(tips.style.mid(0, kStyleLines).join(QLatin1Char(' ')));
    }

    void openReading() {
        if (const std::optional<people::Person> shown = selected())
            openReadingOf(*shown);
    }

    void forget() {
        const std::optional<people::Person> shown = selected();
        if (!shown || platform::ask(PeopleWindow::tr("Forget %1, born %2?")
                                        .arg(people::fullName(*shown),
                                             people::shownBirthDate(
                                                 *shown, language::translationLocale().value_or(
                                                             QLocale())))) != platform::Answer::Yes)
            return;
        people::Found found;
        const people::Change change = m_book.forget(*shown, found);
        tell(people::toldOfRead(found));
        if (!change.error.isEmpty())
            tell(people::toldOfFailure(change), platform::MessageIcon::Error);
        present(m_book.people());
    }

    void importContacts() {
        const QString path = platform::openFileName(
            {PeopleWindow::tr("Import Contacts"),
             documents(),
             {},
             {PeopleWindow::tr("vCard files (*.vcf *.vcard)"), PeopleWindow::tr("All files (*)")},
             {}});
        if (path.isEmpty())
            return;
        const people::Import done = people::importContacts(m_book, path);
        const bool failed =
            !done.unreadable.isEmpty() || !done.isVCard || !done.change.error.isEmpty();
        tell(people::toldOf(done, path),
             failed ? platform::MessageIcon::Error : platform::MessageIcon::Information);
        present(m_book.people());
    }

    void exportBirthdays() {
        const QString path = platform::saveFileName({PeopleWindow::tr("Export Birthdays"),
                                                     documents(),
                                                     PeopleWindow::tr("birthdays.ics"),
                                                     {PeopleWindow::tr("iCalendar files (*.ics)")},
                                                     QStringLiteral("ics")});
        if (path.isEmpty())
            return;
        reload();
        const QString error = platform::writeWholeFile(
            path, people::birthdayCalendar(m_book.people(), QDateTime::currentDateTimeUtc()));
        if (!error.isEmpty())
            tell(people::toldOfExportFailure(path, error), platform::MessageIcon::Error);
    }

    people::Book m_book;
    people::PeopleModel m_model;
    people::PeopleOrder m_sorted{&m_model};
    QDateTime m_readStamp;
    qint64 m_readSize = -1;
    QLabel* m_filterLabel = new QLabel(this);
    QLineEdit* m_filter = new QLineEdit(this);
    QTableView* m_view = new QTableView(this);
    QLabel* m_empty = new QLabel(this);
    QGroupBox* m_tips = new QGroupBox(this);
    QLabel* m_signLabel = new QLabel(m_tips);
    QLabel* m_sign = new QLabel(m_tips);
    QLabel* m_colorsLabel = new QLabel(m_tips);
    QLabel* m_swatch = new QLabel(m_tips);
    QLabel* m_colors = new QLabel(m_tips);
    QLabel* m_stoneLabel = new QLabel(m_tips);
    QLabel* m_stone = new QLabel(m_tips);
    QLabel* m_styleLabel = new QLabel(m_tips);
    QLabel* m_style = new QLabel(m_tips);
    QPushButton* m_open = button("cmdOpenReading", this);
    QPushButton* m_forget = button("cmdForget", this);
    QPushButton* m_import = button("cmdImportContacts", this);
    QPushButton* m_export = button("cmdExportBirthdays", this);
    QPushButton* m_close = button("cmdClose", this);
};

PeopleView* loadedView() {
    return dynamic_cast<PeopleView*>(loadedWindow(kPeopleWindow));
}

} // namespace

void registerPeopleWindow() {
    registerWindow(kPeopleWindow, [] { return std::make_unique<PeopleView>(); },
                   {nullptr, [](QWidget& window) { dynamic_cast<PeopleView&>(window).reload(); },
                    nullptr,
                    [](QWidget& window) { dynamic_cast<PeopleView&>(window).retranslate(); }});
}

void openPeople() {
    show(kPeopleWindow);
}

std::optional<people::Person> personOf(const reading::BirthDetails& details) {
    people::Person person{QString::fromStdU16String(details.firstName).simplified(),
                          QString::fromStdU16String(details.middleName).simplified(),
                          QString::fromStdU16String(details.lastName).simplified(),
                          details.year,
                          details.month + 1,
                          details.day + 1};
    if (people::fullName(person).isEmpty())
        return std::nullopt;
    return person;
}

bool rememberPerson(const reading::BirthDetails& details) {
    const std::optional<people::Person> person = personOf(details);
    if (!person) {
        tell(PeopleWindow::tr("A person needs a name to be remembered."));
        return false;
    }
    people::Book book;
    people::Found found;
    const people::Change change = book.add({*person}, found);
    tell(people::toldOfRead(found));
    const QString name = people::fullName(*person);
    if (!change.error.isEmpty())
        tell(people::toldOfFailure(change), platform::MessageIcon::Error);
    else if (change.added > 0)
        tell(PeopleWindow::tr("%1 is now among your people.").arg(name));
    else
        tell(PeopleWindow::tr("%1 is already among your people.").arg(name));
    if (PeopleView* view = loadedView())
        view->reload();
    return change.error.isEmpty();
}

void openReadingOf(const people::Person& person) {
    // The reading is made afresh, as after Back.
    if (state(kResultWindow) != WindowState::NotLoaded)
        frmDisplay::cmdBack_Click();
    const frmMain::Controls& input = frmMain::controls();
    input.txtFirstName->setText(readingName(person.first));
    input.txtMiddleName->setText(readingName(person.middle));
    input.txtLastName->setText(readingName(person.last));
    input.cboDate->setCurrentIndex(person.day - 1);
    input.cboMonth->setCurrentIndex(person.month - 1);
    const int year = person.year - reading::kFirstListYear;
    // A year the list lacks leaves it without a choice, which the reading asks for.
    input.cboYear->setCurrentIndex(year >= 0 && year < input.cboYear->count() ? year : -1);
    show(kInputWindow);
    applyPendingVisibility();
    runReadingCommand();
}

} // namespace shell
