#include "ui/input/GridEditBar.h"

#include "ui/CommandIcon.h"
#include "ui/input/InputGrid.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace zul {

namespace {

QAction* makeCommand(QObject* parent, const QString& name, const QString& caption, const QString& key,
                     const QString& tip, const QIcon& icon) {
    auto* action = new QAction(icon, caption, parent);
    action->setObjectName(name);
    action->setData(key);
    action->setToolTip(tip);
    action->setStatusTip(QString());
    return action;
}

} // namespace

GridEditBar::GridEditBar(InputGrid* grid, QWidget* window)
    : QObject(window), menuBar_(new QMenuBar(window)), mnuEdit_(nullptr), toolBar_(new QToolBar(window)),
      statusBar_(new QStatusBar(window)) {
    cut_ = makeCommand(this, QStringLiteral("mnuEditCut"), QStringLiteral("切り取り(&T)"),
                       QStringLiteral("Cut"), QStringLiteral("切り取り(Ctrl+X)"),
                       CommandIcon(QStringLiteral("edit-cut"), QStringLiteral("切")));
    copy_ = makeCommand(this, QStringLiteral("mnuEditCopy"), QStringLiteral("ｺﾋﾟｰ(&C)"),
                        QStringLiteral("Copy"), QStringLiteral("ｺﾋﾟｰ(Ctrl+C)"),
                        CommandIcon(QStringLiteral("edit-copy"), QStringLiteral("写")));
    paste_ = makeCommand(this, QStringLiteral("mnuEditPaste"), QStringLiteral("貼り付け(&P)"),
                         QStringLiteral("Paste"), QStringLiteral("貼り付け(Ctrl+V)"),
                         CommandIcon(QStringLiteral("edit-paste"), QStringLiteral("貼")));
    add_ = makeCommand(this, QStringLiteral("mnuEditAdd"), QStringLiteral("ﾃﾞｰﾀ行追加(&A)"),
                       QStringLiteral("Add"), QStringLiteral("ﾃﾞｰﾀ行追加"),
                       CommandIcon(QStringLiteral("list-add"), QStringLiteral("追")));
    insert_ = makeCommand(this, QStringLiteral("mnuEditIns"), QStringLiteral("ﾃﾞｰﾀ行挿入(&I)"),
                          QStringLiteral("Insert"), QStringLiteral("ﾃﾞｰﾀ行挿入(Shift+Ins)"),
                          CommandIcon(QStringLiteral("insert-object"), QStringLiteral("挿")));
    delete_ = makeCommand(this, QStringLiteral("mnuEditDel"), QStringLiteral("ﾃﾞｰﾀ行削除(&D) "),
                          QStringLiteral("Delete"), QStringLiteral("ﾃﾞｰﾀ行削除(Shift+Del)"),
                          CommandIcon(QStringLiteral("list-remove"), QStringLiteral("削")));
    insert_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    delete_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    insert_->setShortcutContext(Qt::WindowShortcut);
    delete_->setShortcutContext(Qt::WindowShortcut);

    menuBar_->setObjectName(QStringLiteral("menuBar"));
    mnuEdit_ = menuBar_->addMenu(QStringLiteral("編集(&E)"));
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    panel_ = new QLabel(statusBar_);
    panel_->setObjectName(QStringLiteral("panel1"));
    statusBar_->addWidget(panel_, 1);

    mnuEdit_->addActions({cut_, copy_, paste_});
    mnuEdit_->addSeparator();
    mnuEdit_->addActions({add_, insert_, delete_});
    toolBar_->addActions({cut_, copy_, paste_});
    toolBar_->addSeparator();
    toolBar_->addActions({add_, insert_, delete_});
    window->addAction(insert_);
    window->addAction(delete_);

    connect(cut_, &QAction::triggered, grid, &InputGrid::cut);
    connect(copy_, &QAction::triggered, grid, &InputGrid::copy);
    connect(paste_, &QAction::triggered, grid, &InputGrid::paste);
    connect(add_, &QAction::triggered, grid, &InputGrid::addRow);
    connect(insert_, &QAction::triggered, grid, &InputGrid::insertRow);
    connect(delete_, &QAction::triggered, grid, &InputGrid::deleteRow);
    connect(grid, &InputGrid::addInsertAvailable, this, [this](bool available) {
        add_->setEnabled(available);
        insert_->setEnabled(available);
    });
    connect(grid, &InputGrid::hintChanged, this, [this](const QString& hint) { panel_->setText(hint); });
}

QString GridEditBar::hintText() const {
    return panel_->text();
}

} // namespace zul

#include "moc_GridEditBar.cpp"
