#include "ui/WindowHost.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include "ui/FreshKeysOnly.h"
#include "ui/GameWords.h"
#include "ui/ProgramFolder.h"
#include "ui/sound/SoundPlayer.h"

namespace pelmora {

void WindowHost::playSoundAndWait(const std::string& path) { sound_.playAndWait(path); }

void WindowHost::showMessage(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, gameWords::message(title), gameWords::message(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("message");
    const FreshKeysOnly heldKeysIgnored(box);
    box.exec();
}

std::string WindowHost::programFolder() const {
    // The file system's own bytes: a QString would lose a name that is not UTF-8.
    const std::string folder = pelmora::programFolder();
    return folder.empty() ? QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() : folder;
}

}  // namespace pelmora
