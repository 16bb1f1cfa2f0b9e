#include "ui/WindowHost.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/sound/SoundPlayer.h"

namespace pelmora {

void WindowHost::playSoundAndWait(const std::string& path) { sound_.playAndWait(path); }

void WindowHost::showMessage(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("message");
    box.exec();
}

std::string WindowHost::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace pelmora
