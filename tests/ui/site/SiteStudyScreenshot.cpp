// Pictures of the site study window after a run on a small generated site: the table, the
// envelope chart and the plan, as PNG files in the folder given (default /tmp).
#include "SiteFixture.h"

#include "ui/site/SiteInputPanel.h"
#include "ui/site/SiteStudyDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    zul::test::SiteFixture site(14);
    zul::ProgramPaths paths;
    zul::SiteStudyDialog dialog(site.base, paths, {});
    dialog.inputs()->AddPaths({site.folder()});
    dialog.findChild<QLineEdit*>("txtOutDir")->setText(site.outDir());
    dialog.findChild<QCheckBox*>("chkLoadRa")->setChecked(true);
    dialog.findChild<QDoubleSpinBox*>("numLoadRa")->setValue(340);
    dialog.findChild<QDoubleSpinBox*>("numLoadRae")->setValue(450);
    dialog.findChild<QCheckBox*>("chkLoadPa")->setChecked(true);
    dialog.findChild<QDoubleSpinBox*>("numLoadPa")->setValue(60);
    dialog.findChild<QDoubleSpinBox*>("numLoadPae")->setValue(80);
    dialog.show();
    QTest::mouseClick(dialog.cmdRun(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return !dialog.Running(); }, 60000)) {
        return 1;
    }
    dialog.table()->selectRow(2);
    const char* names[] = {"table", "chart", "plan"};
    for (int tab = 0; tab < 3; ++tab) {
        dialog.tabs()->setCurrentIndex(tab);
        QTest::qWait(200);
        dialog.grab().save(folder +
                           QStringLiteral("/site-study-%1.png").arg(QString::fromLatin1(names[tab])));
    }
    return 0;
}
