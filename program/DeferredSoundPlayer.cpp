#include "program/DeferredSoundPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <utility>

#include "program/ModuleLoader.h"
#include "program/SoundModule.h"
#include "ui/ProgramFolder.h"

namespace pelmora {

DeferredSoundPlayer::DeferredSoundPlayer(std::string modulePath, std::function<void()> defaultSound)
    : modulePath_(std::move(modulePath)), defaultSound_(std::move(defaultSound)) {}

// The module itself stays loaded until the program ends: SDL may still hold
// threads or handlers of its own after the player is gone.
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

void DeferredSoundPlayer::playAndWait(const std::string& path) {
    if (!triedLoading_) load();
    if (player_) {
        player_->playAndWait(path);
    } else if (defaultSound_) {
        defaultSound_();
    }
}

// Tried once: a module that is missing, broken or not the one this build
// made stays so for this run.
void DeferredSoundPlayer::load() {
    triedLoading_ = true;
    const auto bytes = readBuiltModule(modulePath_, kBuiltSoundModule);
    void* module = bytes ? loadModule(*bytes) : nullptr;
    void* make = module ? exportedFunction(module, kMakeSoundPlayerSymbol) : nullptr;
    if (make) player_.reset(reinterpret_cast<MakeSoundPlayer>(make)(defaultSound_));
}

std::string soundModulePath() {
    // As bytes: the folder's name need not be UTF-8.
    std::string folder = programFolder();
    if (folder.empty()) folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return folder + "/" + PELMORA_SOUND_MODULE;
}

}  // namespace pelmora
