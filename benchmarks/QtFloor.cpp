// SPDX-License-Identifier: MIT
// The floor every Qt program pays at start, as the export's yardstick: a
// QGuiApplication on the offscreen platform that writes an empty white
// 250 x 250 PNG and ends. Usage: qt_floor OUT.png
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Aufruf: qt_floor AUSGABE.png\n", stderr);
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
