#include "app/startup.h"

#include <QApplication>
#include <QMainWindow>

namespace app {

int run(int& argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KV Dwellstar v1.0"));
    window.show();
    return QApplication::exec();
}

} // namespace app
