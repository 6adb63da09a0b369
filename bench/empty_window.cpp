// SPDX-License-Identifier: MIT
// The baseline: an empty main window with the input window's client size, nothing else.
// With the argument "label" it shows one line of text, to tell what the first text costs.

#include <cmath>
#include <cstdlib>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "forms/form_model.h"
#include "probe.h"

namespace {

const QString kName = QStringLiteral("baseline");

void installProbe() {
    bench::watchFirstPaint(kName, [] {
        bench::reportStartUp();
        std::_Exit(0);
    });
}

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setObjectName(kName);
    auto* client = new QWidget(&window);
    client->setFixedSize(pixels(forms::frmMain().clientWidth),
                         pixels(forms::frmMain().clientHeight));
    if (argc > 1 && qstrcmp(argv[1], "label") == 0)
        (new QLabel(QStringLiteral("Please Fill In The Below Details:"), client))->move(8, 8);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
