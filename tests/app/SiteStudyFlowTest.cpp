// File > "複数ﾎﾞｰﾘﾝｸﾞの一括検討" through the real main window: the current study is the base study, and
// 「この孔で検討」 opens a borehole's study as the current document after the save question of Open; a
// refused borehole has none to open.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include "../ui/site/SiteFixture.h"
#include "ui/site/SiteStudyDialog.h"
#include "ui/site/SiteTableModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace zul;
using namespace zul::test;

class SiteStudyFlowTest : public QObject {
    Q_OBJECT
private slots:
    void openStudyMakesItTheCurrentDocument_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("opened");
        QTest::newRow("studied borehole") << 1 << true;
        QTest::newRow("refused borehole") << 3 << false;
    }
    void openStudyMakesItTheCurrentDocument() {
        QFETCH(int, row);
        QFETCH(bool, opened);
        AppSandbox sandbox;
        auto window = sandbox.makeWindow();
        window->show();
        SiteFixture site(3);
        FakeUiServices ui;
        window->fileCommands().OpenFile(ZUL_SOURCE_DIR "/examples/friction-pile-clay.zul");
        window->document().DataEdited = true;
        ui.pathLists.push_back({site.folder()});
        ui.answers = {MessageAnswer::No}; // do not save the edited base study
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<SiteStudyDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdAddFolder"), Qt::LeftButton);
            dialog->findChild<QLineEdit*>("txtOutDir")->setText(site.outDir());
            QTest::mouseClick(dialog->cmdRun(), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return !dialog->Running(); }, 60000));
            QCOMPARE(dialog->model()->rowCount(), 5);
            dialog->table()->selectRow(row);
            QCOMPARE(dialog->cmdOpenStudy()->isEnabled(), opened);
            if (opened) {
                QTest::mouseClick(dialog->cmdOpenStudy(), Qt::LeftButton);
            } else { // a double click asks for the study too
                const QModelIndex cell = dialog->table()->model()->index(row, 1);
                const QPoint at = dialog->table()->visualRect(cell).center();
                QTest::mouseClick(dialog->table()->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(dialog->table()->viewport(), Qt::LeftButton, {}, at);
            }
            stillOpen = dialog->isVisible();
            dialog->reject();
        });
        window->findChild<QAction*>("mnuFileSiteStudy")->trigger();
        QCOMPARE(stillOpen, !opened);
        const std::string study = site.outDir().toStdString() + "/b01.zul";
        QCOMPARE(window->document().DataFileName,
                 opened ? study : std::string(ZUL_SOURCE_DIR "/examples/friction-pile-clay.zul"));
        QCOMPARE(ui.messages.size(), 1);
        QVERIFY(ui.messages[0].text.contains(opened
                                                 ? QStringLiteral("上書き保存しますか")
                                                 : QStringLiteral("取込不可のため，検討ﾌｧｲﾙがありません")));
        if (opened) {
            QVERIFY(window->windowTitle().startsWith(QStringLiteral("b01.zul")));
            QCOMPARE(window->document().boreholeSource->boreholeName, std::string("B1"));
        }
    }
};

ZUL_QTEST_MAIN(SiteStudyFlowTest)
#include "SiteStudyFlowTest.moc"
