// preview_screenshot OUT.png PRINTFILE [facing | print] [/TITLE=title /FILE=name]: opens the print
// file in the Preview window, one page or two side by side, and saves a picture of the window; with
// "print", a picture of the print dialog of the print command (the dialog is then cancelled).
// /TITLE= and /FILE= give the running head as the print menu hands them to Preview.
#include "preview/PreviewWindow.h"
#include "ui/JapaneseUi.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zul::UseJapaneseQt(app);
    if (argc < 3) {
        std::fprintf(stderr, "usage: preview_screenshot OUT.png PRINTFILE [facing | print]\n");
        return 2;
    }
    QString error;
    // The figure definitions of the source tree, as the installed Preview finds them beside itself.
    auto document =
        zul::LoadPrintDocument(QString::fromLocal8Bit(argv[2]), QStringLiteral(ZUL_DATA_DIR), &error);
    if (!document) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    zul::PreviewWindow window(std::make_shared<zul::PrintPageRenderer>(std::move(*document)), QString(),
                              QStringLiteral("print.pdf"));
    window.resize(1200, 900);
    zul::PageHead head;
    for (int i = 3; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QStringLiteral("/TITLE="))) {
            head.title = arg.mid(7);
        } else if (arg.startsWith(QStringLiteral("/FILE="))) {
            head.fileName = arg.mid(6);
        }
    }
    window.setPageHead(head);
    window.show();
    if (argc > 3 && std::strcmp(argv[3], "facing") == 0) {
        // The window's own two-page command, as the toolbar gives it.
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("2ページ")) {
                action->trigger();
            }
        }
    }
    bool saved = false;
    if (argc > 3 && std::strcmp(argv[3], "print") == 0) {
        QTimer::singleShot(500, &window, [&] {
            QTimer::singleShot(1000, &window, [&] {
                if (QWidget* dialog = QApplication::activeModalWidget()) {
                    saved = dialog->grab().save(QString::fromLocal8Bit(argv[1]));
                    dialog->close();
                }
            });
            window.printPages();
            QApplication::quit();
        });
        QApplication::exec();
        return saved ? 0 : 1;
    }
    QTimer::singleShot(500, &window, [&] {
        saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
        QApplication::quit();
    });
    QApplication::exec();
    return saved ? 0 : 1;
}
