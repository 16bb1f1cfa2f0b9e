#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace pelmora::play {

ModalAnswerer::ModalAnswerer() {
    // Zero delay: fires at the first turn of the box's event loop, which is
    // the only event loop the test ever runs.
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::answer);
}

void ModalAnswerer::arm(bool withEnter) {
    withEnter_ = withEnter;
    answered_ = AnsweredBox{};
    timer_.start();
}

AnsweredBox ModalAnswerer::disarm() {
    timer_.stop();
    return answered_;
}

void ModalAnswerer::answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;  // not up yet, or already gone: the timer fires again
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        answered_.otherModal = modal->metaObject()->className();
        modal->close();
        return;
    }
    if (answered_.seen) {  // the answer did not close it; do not hang on it
        answered_.stuck = true;
        box->done(QMessageBox::Ok);
        return;
    }
    answered_.seen = true;
    answered_.title = box->windowTitle();
    answered_.text = box->text();
    answered_.buttons = static_cast<int>(box->buttons().size());
    answered_.hasIcon = box->icon() != QMessageBox::NoIcon;
    if (withEnter_) {
        QTest::keyClick(box, Qt::Key_Return);
    } else if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        box->reject();
    }
}

}  // namespace pelmora::play
