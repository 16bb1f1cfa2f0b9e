// The game in a process of its own, with the real sound player: signals end
// it after a sound as before one, it finds its sounds in a folder whose name
// is not UTF-8, and it loads no sound module but the one its build made.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string_view>

#include "ChildProcess.h"
#include "DiskCapture.h"

namespace pelmora::soundtest {

namespace {
const std::string kGame = PELMORA_GAME_WITH_SOUND;
const std::vector<std::string> kOffscreen = {"QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"};

// The game's report of its removal, past whatever Qt says first.
std::string playedLine(ChildProcess& game) {
    for (std::string line = game.readLine();; line = game.readLine())
        if (line.empty() || line.starts_with("played ")) return line;
}

// A copy of the game in `folder`, where it looks for its module and sounds.
std::filesystem::path gameIn(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(kGame, folder / "game");
    std::filesystem::permissions(folder / "game", std::filesystem::perms::owner_all);
    return folder / "game";
}

Bytes bytesOf(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(file), {}};
}
}  // namespace

// Whatever lies where the sound module belongs, if it is not the module the
// build made, the removal plays the default sound at once and the game goes
// on, until SIGTERM ends it as it ends the game with its module, which plays
// the sound itself.
TEST(GameProcessTest, AnythingButTheBuiltModulePlaysTheDefaultSound) {
    constexpr const char* kTheBuiltModule = "the module the build made";
    ScratchFolder scratch;
    const std::filesystem::path built = PELMORA_SOUND_MODULE;
    const Bytes module = bytesOf(built);
    // One bit of its build id changed: a module that works as well, but not
    // the one the build made.
    const Bytes buildIdNote = {4, 0, 0, 0, 20, 0, 0, 0, 3, 0, 0, 0, 'G', 'N', 'U', 0};
    Bytes changed = module;
    const auto buildId = std::search(changed.begin(), changed.end(), buildIdNote.begin(), buildIdNote.end());
    ASSERT_NE(buildId, changed.end());
    buildId[buildIdNote.size()] ^= 1;
    const std::pair<const char*, std::function<void(const std::filesystem::path&)>> cases[] = {
        {kTheBuiltModule, [&](const auto& at) { writeFile(at, module); }},
        {"cut short", [&](const auto& at) { writeFile(at, Bytes(module.begin(), module.begin() + module.size() / 4)); }},
        {"one bit changed", [&](const auto& at) { writeFile(at, changed); }},
        {"empty", [&](const auto& at) { writeFile(at, {}); }},
        {"a pipe", [](const auto& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); }},
        {"a folder", [](const auto& at) { std::filesystem::create_directory(at); }},
        {"entry point as data", [](const auto& at) { std::filesystem::copy_file(PELMORA_DATA_ENTRY_MODULE, at); }},
    };
    for (const auto& [name, make] : cases) {
        const auto folder = scratch.path / name;
        const auto program = gameIn(folder);
        writeFile(folder / "clearbox.wav", wavBytes(44100, 2, 16, noZeroBytes(441 * kFrameBytes, 1)));
        make(folder / built.filename());
        ChildProcess game({program.string(), "--then-run"}, kOffscreen);
        EXPECT_EQ(playedLine(game), name == std::string_view(kTheBuiltModule) ? "played 0" : "played 1") << name;
        game.signal(SIGTERM);
        const int status = game.wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << name;
    }
}

TEST(GameProcessTest, TermAndInterruptEndTheGameAfterASound) {
    for (int signal : {SIGTERM, SIGINT}) {
        ChildProcess game({kGame, "--then-run"}, kOffscreen);
        ASSERT_EQ(playedLine(game), "played 0");
        game.signal(signal);
        const int status = game.wait();  // a swallowed signal hangs here until CTest's timeout
        ASSERT_TRUE(WIFSIGNALED(status)) << strsignal(signal);
        EXPECT_EQ(WTERMSIG(status), signal);  // the shell's 143 for SIGTERM, 130 for SIGINT
    }
}

TEST(GameProcessTest, SoundsPlayFromAFolderWhoseNameIsNotUtf8) {
    ScratchFolder scratch;
    const auto folder = scratch.path / "caf\xE9 \xFF";  // Latin-1 bytes, not UTF-8
    const auto game = gameIn(folder);
    const std::filesystem::path module = PELMORA_SOUND_MODULE;
    std::filesystem::copy_file(module, folder / module.filename());
    const Bytes sound = noZeroBytes(2205 * kFrameBytes, 5);
    writeFile(folder / "clearbox.wav", wavBytes(44100, 2, 16, sound));
    const auto capture = scratch.path / "capture.raw";

    ChildProcess player({game.string()},
                        {"QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + capture.string()});
    EXPECT_EQ(playedLine(player), "played 0");
    const int status = player.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(audibleFrames(bytesOf(capture)) == sound);
}

}  // namespace pelmora::soundtest
