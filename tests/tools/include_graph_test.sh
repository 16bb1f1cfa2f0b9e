#!/bin/sh
# The include check on small trees of its own: one whose arrows are sound
# passes; each way of reaching up or out of the product folders fails it.
# Usage: tests/tools/include_graph_test.sh   (from anywhere)
set -eu
check="$(cd "$(dirname "$0")/../.." && pwd)/tools/ci/include-graph.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# tree_with LINE: a tree in which game/Rules.cpp holds LINE.
tree_with() {
    tree=$(mktemp -d "$scratch/tree.XXXXXX")
    mkdir -p "$tree/game" "$tree/ui" "$tree/tests/support" "$tree/tools/webexport"
    echo '#pragma once' >"$tree/game/Board.h"
    printf '#include "game/Board.h"\n#include <vector>\n' >"$tree/ui/MainWindow.h"
    echo '#pragma once' >"$tree/tests/support/FakeHost.h"
    echo '#pragma once' >"$tree/tools/webexport/WidgetExport.h"
    printf '#include "Board.h"\n%s\n' "$1" >"$tree/game/Rules.cpp"
    echo "$tree"
}

expect() {  # expect passes|fails LINE
    if "$check" "$(tree_with "$2")" >/dev/null 2>&1; then outcome=passes; else outcome=fails; fi
    if [ "$outcome" != "$1" ]; then
        echo "FAIL: with '$2' the check $outcome"
        failures=$((failures + 1))
    fi
}

expect passes '#include "game/Board.h"'
expect passes '#include <QWidget>'
expect fails '#include "../ui/MainWindow.h"'
expect fails '#include <ui/MainWindow.h>'
expect fails '#  include "tests/support/FakeHost.h"'
expect fails '#include "../tools/webexport/WidgetExport.h"'
[ "$failures" -eq 0 ] && echo "include check: every case as expected"
exit "$failures"
