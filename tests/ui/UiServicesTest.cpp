// The message boxes of the running program: the real service shows a real QMessageBox with the
// text, title and buttons asked for, and answers with the button the user pressed.
#include "QtTestRunner.h"
#include "MessageBoxPresser.h"

#include "ui/UiServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zul;
using zul::test::MessageBoxPresser;

Q_DECLARE_METATYPE(zul::MessageButtons)
Q_DECLARE_METATYPE(zul::MessageAnswer)

class UiServicesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { UiServices::install(nullptr); }

    void realBoxAnswersWithThePressedButton_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("pressed"); // NoButton: Escape
        QTest::addColumn<MessageAnswer>("answer");
        const int ok = QMessageBox::Ok;
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        const struct {
            const char* name;
            MessageButtons buttons;
            int shown;
            QMessageBox::StandardButton pressed;
            MessageAnswer answer;
        } rows[] = {
            {"Ok: OK", MessageButtons::Ok, ok, QMessageBox::Ok, MessageAnswer::Ok},
            {"Ok: Escape", MessageButtons::Ok, ok, QMessageBox::NoButton, MessageAnswer::Ok},
            {"OkCancel: OK", MessageButtons::OkCancel, okCancel, QMessageBox::Ok, MessageAnswer::Ok},
            {"OkCancel: Cancel", MessageButtons::OkCancel, okCancel, QMessageBox::Cancel,
             MessageAnswer::Cancel},
            {"OkCancel: Escape", MessageButtons::OkCancel, okCancel, QMessageBox::NoButton,
             MessageAnswer::Cancel},
            {"YesNo: Yes", MessageButtons::YesNo, yesNo, QMessageBox::Yes, MessageAnswer::Yes},
            {"YesNo: No", MessageButtons::YesNo, yesNo, QMessageBox::No, MessageAnswer::No},
            {"YesNo: Escape", MessageButtons::YesNo, yesNo, QMessageBox::NoButton, MessageAnswer::No},
            {"YesNoCancel: Yes", MessageButtons::YesNoCancel, yesNoCancel, QMessageBox::Yes,
             MessageAnswer::Yes},
            {"YesNoCancel: No", MessageButtons::YesNoCancel, yesNoCancel, QMessageBox::No, MessageAnswer::No},
            {"YesNoCancel: Cancel", MessageButtons::YesNoCancel, yesNoCancel, QMessageBox::Cancel,
             MessageAnswer::Cancel},
            {"YesNoCancel: Escape", MessageButtons::YesNoCancel, yesNoCancel, QMessageBox::NoButton,
             MessageAnswer::Cancel},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.name) << row.buttons << row.shown << static_cast<int>(row.pressed)
                                    << row.answer;
        }
    }

    void realBoxAnswersWithThePressedButton() {
        QFETCH(MessageButtons, buttons);
        QFETCH(int, shown);
        QFETCH(int, pressed);
        QFETCH(MessageAnswer, answer);
        MessageBoxPresser presser(static_cast<QMessageBox::StandardButton>(pressed));
        const MessageAnswer given = UiServices::current().showMessage(
            nullptr, QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。"),
            QStringLiteral("新規作成"), MessageIcon::Information, buttons);
        QVERIFY(presser.seen());
        QVERIFY(presser.pressed());
        QCOMPARE(static_cast<int>(presser.buttons()), shown);
        QCOMPARE(presser.text(),
                 QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。"));
        QCOMPARE(presser.title(), QStringLiteral("新規作成"));
        QCOMPARE(given, answer);
    }

    // The real file dialog starts in the folder and with the name asked for, adds the default
    // extension to a typed name and answers with the chosen path, or nothing when cancelled.
    void realFileDialogAnswersWithTheChosenPath_data() {
        QTest::addColumn<QString>("typed"); // empty: cancel
        QTest::addColumn<QString>("answer");
        QTest::newRow("offered name") << QStringLiteral("*") << QStringLiteral("橋脚 P1.pdf");
        QTest::newRow("typed without extension") << QStringLiteral("別案") << QStringLiteral("別案.pdf");
        QTest::newRow("cancelled") << QString() << QString();
    }

    void realFileDialogAnswersWithTheChosenPath() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QTemporaryDir folder;
        QString seenTitle;
        QString seenName;
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (!dialog || !dialog->isVisible()) {
                    continue;
                }
                seenTitle = dialog->windowTitle();
                seenName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                if (typed.isEmpty()) {
                    dialog->reject();
                } else {
                    if (typed != QStringLiteral("*")) {
                        dialog->selectFile(typed);
                    }
                    QMetaObject::invokeMethod(dialog, "accept");
                }
            }
        });
        UiServices::FileDialogRequest request;
        request.openMode = false;
        request.title = QStringLiteral("PDF保存");
        request.defaultExtension = QStringLiteral("pdf");
        request.filter = QStringLiteral("PDF(*.pdf)");
        request.initialName = folder.filePath(QStringLiteral("橋脚 P1.pdf"));
        const QString chosen = UiServices::current().chooseFile(nullptr, request);
        QCOMPARE(seenTitle, QStringLiteral("PDF保存"));
        QCOMPARE(seenName, QStringLiteral("橋脚 P1.pdf"));
        QCOMPARE(chosen, answer.isEmpty() ? QString() : folder.filePath(answer));
    }

    // The real dialog for several files or a folder answers with every chosen path, or none
    // when cancelled.
    void realPathDialogAnswersWithTheChosenPaths_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("typed"); // empty: cancel
        QTest::addColumn<QStringList>("answer");
        QTest::newRow("two files") << false << QStringLiteral("\"b1.xml\" \"孔 2.xml\"")
                                   << QStringList{"b1.xml", "孔 2.xml"};
        QTest::newRow("folder") << true << QStringLiteral("ﾎﾞｰﾘﾝｸﾞ") << QStringList{"ﾎﾞｰﾘﾝｸﾞ"};
        QTest::newRow("cancelled") << false << QString() << QStringList{};
    }

    void realPathDialogAnswersWithTheChosenPaths() {
        QFETCH(bool, folder);
        QFETCH(QString, typed);
        QFETCH(QStringList, answer);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("ﾎﾞｰﾘﾝｸﾞ"));
        for (const char* name : {"b1.xml", "孔 2.xml"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (!dialog || !dialog->isVisible()) {
                    continue;
                }
                if (typed.isEmpty()) {
                    dialog->reject();
                    continue;
                }
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->setText(typed);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        UiServices::FileDialogRequest request;
        request.title = QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾌｧｲﾙの追加");
        request.filter = QStringLiteral("ﾎﾞｰﾘﾝｸﾞ交換用ﾃﾞｰﾀ(*.xml *.XML)");
        request.initialDir = dir.path();
        const QStringList chosen = UiServices::current().choosePaths(
            nullptr, request, folder ? UiServices::PathKind::Folder : UiServices::PathKind::Files);
        QStringList expected;
        for (const QString& name : answer) {
            expected << dir.filePath(name);
        }
        QCOMPARE(chosen, expected);
    }
};

ZUL_QTEST_MAIN(UiServicesTest)
#include "UiServicesTest.moc"
