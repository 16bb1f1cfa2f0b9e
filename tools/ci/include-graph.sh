#!/bin/sh
# Checks that includes between the program's folders run one way only:
# program/ on top, then the two windows (ui/, about/) and the browser front
# end (web/), then widgets/, then game/ at the bottom. A file may include
# its own folder and any lower one, never a higher one or a sibling, and
# never the tests, the tools or the benchmarks; and no chain of includes
# between files comes back to where it started. Every include form counts:
# "quoted" (beside the file first, then from the top of the tree, as the
# compiler looks), <angled> (from the top of the tree) and relative paths.
# Usage: tools/ci/include-graph.sh [TREE]   (the repository unless given;
# prints every offending edge and cycle)
set -eu
tree=${1:-"$(dirname "$0")/../.."}
cd "$tree"
exec python3 - <<'PY'
import os, re, sys

RANK = {"program": 4, "ui": 3, "about": 3, "web": 3, "widgets": 2, "game": 1}
OFF_LIMITS = ("tests", "tools", "bench")
SOURCES = (".h", ".hpp", ".cpp", ".cc", ".inl")
include = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^">\n]+)[">]', re.M)

def top_folder(path):
    return path.split("/", 1)[0]

# The file an include names, relative to the top of the tree, or None when
# it lies outside the tree (the system's and Qt's headers, generated files).
def resolve(including, bracket, name):
    bases = [os.path.dirname(including), ""] if bracket == '"' else [""]
    for base in bases:
        path = os.path.normpath(os.path.join(base, name))
        if not path.startswith("..") and not os.path.isabs(path) and os.path.isfile(path):
            return path
    return None

files = {}
for folder in RANK:
    for base, _, names in os.walk(folder):
        for name in names:
            if name.endswith(SOURCES):
                path = os.path.normpath(os.path.join(base, name))
                with open(path, encoding="utf-8") as text:
                    found = include.findall(text.read())
                files[path] = [t for t in (resolve(path, b, n) for b, n in found) if t]

faults = []
edges = {}
for path, targets in sorted(files.items()):
    here = top_folder(path)
    for target in targets:
        there = top_folder(target)
        if there in OFF_LIMITS:
            faults.append(f"{path} includes {target}: {here}/ may not include {there}/")
        elif there in RANK:
            edges.setdefault(path, []).append(target)
            if here != there and RANK[there] >= RANK[here]:
                faults.append(f"{path} includes {target}: {here}/ may not include {there}/")

# Cycles between files, by depth-first search.
state = {}
def visit(path, trail):
    state[path] = "open"
    for target in edges.get(path, []):
        if state.get(target) == "open":
            faults.append("include cycle: " + " -> ".join(trail[trail.index(target):] + [target]))
        elif target not in state:
            visit(target, trail + [target])
    state[path] = "done"
for path in sorted(files):
    if path not in state:
        visit(path, [path])

for fault in faults:
    print(fault)
print(f"include-graph: {len(files)} files, {sum(map(len, edges.values()))} includes, {len(faults)} faults",
      file=sys.stderr)
sys.exit(1 if faults else 0)
PY
