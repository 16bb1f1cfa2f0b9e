// The game started with no display to open: one line saying so, naming what
// to set, and status 1, never an abort.
#include <gtest/gtest.h>

#include <algorithm>

#include "ChildProcess.h"

namespace pelmora {

TEST(NoDisplayTest, TheGameSaysSoInOneLineAndEndsWithStatusOne) {
    const std::vector<std::vector<std::string>> environments = {
        {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},     // nothing named
        {"DISPLAY=:4093", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},  // named, but no server there
        {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"},   // a platform that needs one
    };
    for (const auto& environment : environments) {
        soundtest::ChildProcess game({PELMORA_GAME}, environment);
        const std::string said = game.readAll();
        const int status = game.wait();
        ASSERT_TRUE(WIFEXITED(status)) << said;
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_TRUE(said.starts_with("pelmora: cannot open a display; set DISPLAY")) << said;
    }
}

}  // namespace pelmora
