// screen_grab OUT.png: saves the whole screen of the display (the X server of xvfb-run) as a
// picture, to look at another program's windows, e.g. the running Preview.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen_grab OUT.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "screen_grab: the screen could not be saved\n");
        return 1;
    }
    return 0;
}
