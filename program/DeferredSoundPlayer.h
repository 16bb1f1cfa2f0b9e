// Plays the game's sounds through the sound module, which is loaded at the
// first sound rather than at start-up: the module brings SDL and the two
// dozen audio, video and codec libraries SDL is linked with, and none of
// them is needed to show the first board. A player who never removes a box
// never loads them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/sound/SoundPlayer.h"

namespace pelmora {

class DeferredSoundPlayer final : public SoundPlayer {
public:
    // `modulePath` names the sound module (the build puts it beside the
    // program, see soundModulePath()); defaultSound stands in for every
    // sound if the module cannot be loaded or is not the one this build
    // made (program/ModuleLoader.h), as for a sound it cannot play.
    DeferredSoundPlayer(std::string modulePath, std::function<void()> defaultSound);
    ~DeferredSoundPlayer() override;
    DeferredSoundPlayer(const DeferredSoundPlayer&) = delete;
    DeferredSoundPlayer& operator=(const DeferredSoundPlayer&) = delete;

    void playAndWait(const std::string& path) override;

    // Whether the module has been loaded (by a first sound).
    bool loaded() const { return player_ != nullptr; }

private:
    void load();

    std::string modulePath_;
    std::function<void()> defaultSound_;
    bool triedLoading_ = false;
    std::unique_ptr<SoundPlayer> player_;
};

// The sound module beside the running program, as a path in the file
// system's own encoding.
std::string soundModulePath();

}  // namespace pelmora
