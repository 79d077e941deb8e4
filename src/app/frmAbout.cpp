#include "app/frmAbout.h"

#include "app/ProductInfo.h"
#include "ui/UiServices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

namespace zul {

frmAbout::frmAbout(QWidget* parent, ToolFinder findTool) : QDialog(parent), findTool_(std::move(findTool)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kProductName + QStringLiteral(" のﾊﾞｰｼﾞｮﾝ情報"));

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    auto* title = new QLabel(kProductName, this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel(VersionLine(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description = new QLabel(QStringLiteral("杭の許容支持力の計算"), this);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(description);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString frmAbout::FindSystemInfoTool() {
    for (const char* name : {"hardinfo2", "hardinfo", "gnome-system-monitor"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

void frmAbout::cmdSysInfo_Click() {
    const QString tool = findTool_ ? findTool_() : QString();
    if (tool.isEmpty() || !QProcess::startDetached(tool, {})) {
        UiServices::current().showMessage(this, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"),
                                          windowTitle(), MessageIcon::Information, MessageButtons::Ok);
    }
}

} // namespace zul

#include "moc_frmAbout.cpp"
