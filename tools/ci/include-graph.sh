#!/bin/sh
# Checks that includes between the program's folders run one way only:
# program/ on top, then the two windows (ui/, about/) and the browser front
# end (web/), then widgets/, then game/ at the bottom. A file may include
# its own folder and any lower one, never a higher one or a sibling; and no
# chain of includes between files comes back to where it started.
# Usage: tools/ci/include-graph.sh   (prints every offending edge and cycle)
set -eu
cd "$(dirname "$0")/../.."
exec python3 - <<'PY'
import os, re, sys

RANK = {"program": 4, "ui": 3, "about": 3, "web": 3, "widgets": 2, "game": 1}
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

files = {}
for folder in RANK:
    for base, _, names in os.walk(folder):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.join(base, name)
                with open(path, encoding="utf-8") as text:
                    files[path] = include.findall(text.read())

def folder_of(path):
    return path.split("/", 1)[0]

faults = []
edges = {}
for path, targets in sorted(files.items()):
    for target in targets:
        if target not in files:
            continue  # outside the checked folders, or a generated file
        edges.setdefault(path, []).append(target)
        here, there = folder_of(path), folder_of(target)
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
