// SPDX-License-Identifier: MIT
// Build step: packs a PNG file into the raw pixels the program reads at start-up.

#include <cstdio>

#include <QFile>
#include <QImageReader>
#include <QSaveFile>

#include "forms/raw_picture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE.png OUT\n", argv[0]);
        return 2;
    }
    QImageReader reader(QFile::decodeName(argv[1]));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QSaveFile out(QFile::decodeName(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(forms::packPicture(image)) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
