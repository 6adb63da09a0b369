// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "outreach/update_reminder.h"
#include "platform/real_services.h"
#include "shell/mod_help.h"
#include "support/fakes.h"

using namespace Qt::StringLiterals;

namespace {

// The settings folder lies beneath a plain file, so nothing can ever be created there. It has to
// be set before the first use of the store, hence in main().
QTemporaryDir* g_root = nullptr;

QString blocker() {
    return g_root->filePath(u"blocker"_s);
}

QStringList filesUnderRoot() {
    QStringList files;
    QDirIterator it(g_root->path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

class TestSettingsUnwritable : public QObject {
    Q_OBJECT

    QString userOwnFile() const {
        return qEnvironmentVariable("HOME") + u"/.config/"_s + platform::settingsApplicationName() +
               u".conf"_s;
    }

private Q_SLOTS:
    void storeFailsSilently() {
        const bool userFileExisted = QFileInfo::exists(userOwnFile());
        testsupport::FakeServices fakes;
        platform::install({.settings = platform::realServices().settings});
        fakes.dialogs.answers = {platform::Answer::Yes};

        // Nothing sticks, so every start is a first start: nothing is asked.
        for (const int day : {8, 30}) {
            fakes.clock.date = QDate(2026, 12, day);
            modHelp::RunUpdateReminder();
        }
        platform::realServices().settings->setValue(u"other"_s, u"Settings"_s, u"k"_s, u"v"_s);
        QCOMPARE(platform::realServices().settings->value(u"other"_s, u"Settings"_s, u"k"_s),
                 QString());

        QVERIFY(fakes.dialogs.shown.empty());
        QVERIFY(fakes.urls.opened.empty());
        QCOMPARE(filesUnderRoot(), QStringList{blocker()});
        QCOMPARE(QFileInfo::exists(userOwnFile()), userFileExisted);
    }
};

int main(int argc, char** argv) {
    QTemporaryDir root;
    g_root = &root;
    QFile file(blocker());
    if (!root.isValid() || !file.open(QIODevice::WriteOnly))
        return 2;
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker() + u"/config"_s));
    QCoreApplication application(argc, argv);
    TestSettingsUnwritable test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_unwritable.moc"
