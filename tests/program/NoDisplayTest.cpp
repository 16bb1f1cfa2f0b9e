// The game started with no display to open: one line naming the cause and
// what to do, and status 1, never an abort.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ChildProcess.h"

namespace pelmora {

namespace {

namespace fs = std::filesystem;

// Runs `game` in `environment` and expects it to end with status 1 after
// saying exactly `line`.
void expectRefusal(const std::string& game, const std::vector<std::string>& environment, const std::string& line) {
    soundtest::ChildProcess child({game}, environment);
    const std::string said = child.readAll();
    const int status = child.wait();
    ASSERT_TRUE(WIFEXITED(status)) << said;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(said, line + "\n");
}

// A scratch folder of the test's own, gone with it.
struct ScratchFolder {
    ScratchFolder() {
        char name[] = "/tmp/pelmora-display-XXXXXX";
        path = mkdtemp(name);
    }
    ~ScratchFolder() { fs::remove_all(path); }
    fs::path path;
};

}  // namespace

TEST(NoDisplayTest, NamesTheDisplayThatIsMissingOrSilent) {
    ScratchFolder runtime;  // where a Wayland client looks for its display
    const std::string cannot = "pelmora: cannot open a display";
    expectRefusal(PELMORA_GAME, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
                  cannot + "; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), "
                           "or QT_QPA_PLATFORM=offscreen to run without one");
    expectRefusal(PELMORA_GAME, {"DISPLAY=:4093", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
                  cannot + ": the X11 display \":4093\" does not answer");
    expectRefusal(PELMORA_GAME, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"},
                  cannot + ": no X11 display is named (DISPLAY is not set)");
    expectRefusal(PELMORA_GAME,
                  {"DISPLAY", "WAYLAND_DISPLAY=pelmora-nowhere", "QT_QPA_PLATFORM=wayland",
                   "XDG_RUNTIME_DIR=" + runtime.path.string()},
                  cannot + ": the Wayland display \"pelmora-nowhere\" does not answer");
}

// Qt without its Wayland plugin, as on a machine without qt6-wayland: a
// copy of the game whose qt.conf points Qt at a folder of no plugins.
TEST(NoDisplayTest, NamesTheMissingWaylandPlugin) {
    ScratchFolder folder;
    fs::copy_file(PELMORA_GAME, folder.path / "pelmora");
    fs::create_directory(folder.path / "no-plugins");
    std::ofstream(folder.path / "qt.conf") << "[Paths]\nPlugins = no-plugins\n";
    expectRefusal((folder.path / "pelmora").string(),
                  {"DISPLAY", "WAYLAND_DISPLAY=wayland-0", "QT_QPA_PLATFORM=wayland",
                   "XDG_RUNTIME_DIR=" + folder.path.string()},
                  "pelmora: cannot open a display: Qt's \"wayland\" platform plugin is not installed "
                  "(package qt6-wayland)");
}

}  // namespace pelmora
