#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>

namespace zul::test {

// Answers the next real QMessageBox as a person would: as soon as a message box is the active
// modal window, it presses the chosen standard button (or Escape when the button is NoButton)
// and records what the box showed.  A box left open after that (it lacks the button, or did not
// take Escape) is closed without an answer.  Gives up after a few seconds when no box appears.
class MessageBoxPresser : public QObject {
public:
    explicit MessageBoxPresser(QMessageBox::StandardButton button) : button_(button) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    bool pressed() const { return pressed_; }
    bool seen() const { return seen_; }
    QString text() const { return text_; }
    QString title() const { return title_; }
    QMessageBox::StandardButtons buttons() const { return buttons_; }

private:
    void poll() {
        if (++polls_ > 500) {
            timer_.stop();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        timer_.stop();
        seen_ = true;
        text_ = box->text();
        title_ = box->windowTitle();
        buttons_ = box->standardButtons();
        if (button_ == QMessageBox::NoButton) {
            QTest::keyClick(box, Qt::Key_Escape);
            pressed_ = true;
        } else if (QAbstractButton* target = box->button(button_)) {
            QTest::mouseClick(target, Qt::LeftButton);
            pressed_ = true;
        }
        // A box that is still open (no such button, or Escape not taken) must not hold the test.
        if (box->isVisible()) {
            box->done(QMessageBox::NoButton);
        }
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
    int polls_ = 0;
    bool seen_ = false;
    bool pressed_ = false;
    QString text_;
    QString title_;
    QMessageBox::StandardButtons buttons_;
};

} // namespace zul::test
