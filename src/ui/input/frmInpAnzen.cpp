#include "ui/input/frmInpAnzen.h"

#include "ui/input/FieldFactory.h"
#include "ui/input/NumberField.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zul {

namespace {

QLabel* cellLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setMargin(4);
    return label;
}

} // namespace

frmInpAnzen::frmInpAnzen(QWidget* parent)
    : InputScreen(QStringLiteral("安全率の入力"), "InpAnzen", false, parent) {
    auto* table = new QGridLayout;
    table->setSpacing(0);
    table->addWidget(cellLabel(this, QStringLiteral("荷重状態")), 0, 0, 3, 1);
    table->addWidget(cellLabel(this, QStringLiteral("押込み支持力")), 0, 1, 1, 2);
    table->addWidget(cellLabel(this, QStringLiteral("杭の種類")), 1, 1, 1, 2);
    table->addWidget(cellLabel(this, QStringLiteral("支 持 杭")), 2, 1);
    table->addWidget(cellLabel(this, QStringLiteral("摩 擦 杭")), 2, 2);
    table->addWidget(cellLabel(this, QStringLiteral("引抜き力")), 0, 3, 3, 1);
    table->addWidget(cellLabel(this, QStringLiteral("常　時")), 3, 0);
    table->addWidget(cellLabel(this, QStringLiteral("ﾚﾍﾞﾙ1地震時")), 4, 0);
    for (int i = 0; i < 3; ++i) {
        auto* normal = MakeNumberField(this, QStringLiteral("numJyK%1").arg(i + 1), QString(), -99, 99, "#0");
        auto* quake = MakeNumberField(this, QStringLiteral("numJiK%1").arg(i + 1), QString(), -99, 99, "#0");
        for (NumberField* field : {normal, quake}) {
            // Each field fills its cell of the table.
            field->setMinimumWidth(0);
            field->setMaximumWidth(QWIDGETSIZE_MAX);
        }
        numJyK_.at(static_cast<std::size_t>(i)) = normal;
        numJiK_.at(static_cast<std::size_t>(i)) = quake;
        table->addWidget(normal, 3, 1 + i);
        table->addWidget(quake, 4, 1 + i);
    }
    for (int c = 0; c < 4; ++c) {
        table->setColumnMinimumWidth(c, 110);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("■ 安全率　ｎ"), this));
    left->addLayout(table);
    left->addStretch(1);

    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addSpacing(12);
    main->addLayout(makeButtonColumn());
    main->setSizeConstraint(QLayout::SetFixedSize);

    // Enter walks the normal row, then the earthquake row.
    QWidget* previous = numJyK_[0];
    for (NumberField* field : {numJyK_[1], numJyK_[2], numJiK_[0], numJiK_[1], numJiK_[2]}) {
        setTabOrder(previous, field);
        previous = field;
    }
}

} // namespace zul

#include "moc_frmInpAnzen.cpp"
