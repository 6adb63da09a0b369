// SPDX-License-Identifier: MIT
// The print dialog and printer, in a module of their own that the program loads when asked to
// print: linked into the program, Qt's print support cost every start half a megabyte.

#include <functional>

#include <QApplication>
#include <QPagedPaintDevice>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/printing_module.h"

extern "C" Q_DECL_EXPORT bool dwellstarPrint(const platform::PagePainter* paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    (*paint)(printer);
    return true;
}
