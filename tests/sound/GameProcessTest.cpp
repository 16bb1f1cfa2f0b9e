// The game in a process of its own, with the real sound player: signals end
// it after a sound as before one, and it finds its sounds in a folder whose
// name is not UTF-8.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
}  // namespace

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
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(kGame, folder / "game");
    std::filesystem::permissions(folder / "game", std::filesystem::perms::owner_all);
    const std::filesystem::path module = PELMORA_SOUND_MODULE;
    std::filesystem::copy_file(module, folder / module.filename());
    const Bytes sound = noZeroBytes(2205 * kFrameBytes, 5);
    writeFile(folder / "clearbox.wav", wavBytes(44100, 2, 16, sound));
    const auto capture = scratch.path / "capture.raw";

    ChildProcess game({(folder / "game").string()},
                      {"QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + capture.string()});
    EXPECT_EQ(playedLine(game), "played 0");
    const int status = game.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream file(capture, std::ios::binary);
    EXPECT_TRUE(audibleFrames(Bytes{std::istreambuf_iterator<char>(file), {}}) == sound);
}

}  // namespace pelmora::soundtest
