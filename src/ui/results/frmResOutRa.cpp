#include "ui/results/frmResOutRa.h"

#include "ui/WindowPlacement.h"
#include "util/NumberFormat.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace zul {

namespace {

const std::string kSection = "ResOutRa";

QLabel* HeadingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setMargin(6);
    return label;
}

// Width of a value field that shows text completely, frame and margins included.
int FieldWidthFor(const QLineEdit* field, const QString& text) {
    return field->fontMetrics().horizontalAdvance(text) + 24;
}

} // namespace

frmResOutRa::frmResOutRa(std::string iniFile, QWidget* parent)
    : QDialog(parent), iniFile_(std::move(iniFile)) {
    setObjectName(QStringLiteral("frmResOutRa"));
    setWindowTitle(QStringLiteral("杭支持力の確認"));

    auto* grid = new QGridLayout;
    grid_ = grid;
    grid->setSpacing(2);
    grid->addWidget(HeadingLabel(QStringLiteral("許容値の種類"), this), 0, 0);
    grid->addWidget(HeadingLabel(QStringLiteral("常　　時"), this), 0, 1);
    grid->addWidget(HeadingLabel(QStringLiteral("地　震　時"), this), 0, 2);
    grid->addWidget(HeadingLabel(QStringLiteral("許容押込み支持力Ｒａ (kN/本)"), this), 1, 0);
    grid->addWidget(HeadingLabel(QStringLiteral("許容引抜き力Ｐａ (kN/本)"), this), 2, 0);
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("numEp%1").arg(i));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setMinimumWidth(FieldWidthFor(field, QStringLiteral("-999,999.9")));
        numEp_[static_cast<std::size_t>(i)] = field;
        // Ra in the first row, Pa in the second; normal case left, earthquake case right.
        grid->addWidget(field, 1 + i / 2, 1 + i % 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    cmdClose_ = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setDefault(true);
    cmdHelp_ = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdHelp_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(usrHelpFile_)); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose_);
    buttons->addWidget(cmdHelp_);

    // Plausibility notes: an icon and the sentences, below the values, only when there are any.
    notesFrame_ = new QFrame(this);
    notesFrame_->setObjectName(QStringLiteral("fraNotes"));
    notesFrame_->setFrameShape(QFrame::StyledPanel);
    auto* icon = new QLabel(notesFrame_);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    notesText_ = new QLabel(notesFrame_);
    notesText_->setObjectName(QStringLiteral("lblNotes"));
    notesText_->setWordWrap(true);
    notesText_->setTextFormat(Qt::PlainText);
    notesText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* notesLayout = new QHBoxLayout(notesFrame_);
    notesLayout->setContentsMargins(6, 6, 6, 6);
    notesLayout->addWidget(icon, 0, Qt::AlignTop);
    notesLayout->addWidget(notesText_, 1);
    notesFrame_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(notesFrame_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 4; ++i) {
        setNumEp(i, 0.0);
    }
}

void frmResOutRa::setNumEp(int index, double value) {
    const auto i = static_cast<std::size_t>(index);
    values_.at(i) = value;
    QLineEdit* field = numEp_.at(i);
    const QString text = QString::fromStdString(FormatCapacity(value));
    field->setText(text);
    // The fields are sized for -999,999.9 to 999,999.9.  A value beyond that (absurd input, but
    // still the result) widens its field rather than show only some of its digits or no sign.
    field->setMinimumWidth(
        std::max(FieldWidthFor(field, QStringLiteral("-999,999.9")), FieldWidthFor(field, text)));
    field->setCursorPosition(0);
}

void frmResOutRa::setNotes(const QStringList& notes) {
    notes_ = notes;
    QStringList lines;
    for (const QString& note : notes) {
        lines << QStringLiteral("注意：") + note;
    }
    notesText_->setText(lines.join(QLatin1Char('\n')));
    // The notes wrap at the width of the values, so that the screen grows downward only.
    const int iconWidth = notesFrame_->layout()->itemAt(0)->sizeHint().width();
    const QMargins margins = notesFrame_->layout()->contentsMargins();
    const int textWidth = grid_->sizeHint().width() - iconWidth - notesFrame_->layout()->spacing() -
                          margins.left() - margins.right() - 2 * notesFrame_->frameWidth();
    notesText_->setFixedWidth(std::max(200, textWidth));
    notesFrame_->setVisible(!notes.isEmpty());
}

double frmResOutRa::numEp(int index) const {
    return values_.at(static_cast<std::size_t>(index));
}

QString frmResOutRa::numEpText(int index) const {
    return numEp_.at(static_cast<std::size_t>(index))->text();
}

void frmResOutRa::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        Open();
    }
}

void frmResOutRa::Open() {
    if (!usrCaption_.isEmpty()) {
        setWindowTitle(usrCaption_);
    }
    RestoreWindowPlacement(this, iniFile_, kSection, false);
    cmdHelp_->setEnabled(!usrHelpFile_.isEmpty());
    emit LoadData();
}

void frmResOutRa::done(int result) {
    SaveWindowPlacement(this, iniFile_, kSection, false);
    QDialog::done(result);
}

} // namespace zul

#include "moc_frmResOutRa.cpp"
