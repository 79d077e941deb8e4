#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

// The render targets draw text, which needs a Qt application (no display: offscreen).
inline void StartQtForFuzzing(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

// A small white picture to draw on: the drawing runs, little memory is touched.
inline QImage FuzzCanvas() {
    QImage image(96, 136, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
