#!/usr/bin/env python3
"""Fails when an include under src/ goes against the folders' layer order.

The layers below are the rule the build enforces (a CTest test runs this
script): a file may include files of its own folder, of a folder in its own
layer, or of a lower layer; folders of one layer may use each other, but no
two folders may include each other, directly or round a longer way. Every
folder that holds sources must be placed in exactly one layer, so a new
folder is placed on purpose, not by accident.

The includes are read by tools/include_layers.py (every `#include "…"` line,
resolved against the including file's folder, then against src/).

    tools/check_layers.py [--src DIR]

Exit status 0 when every include keeps to the order, 1 otherwise.
"""
import argparse
import fnmatch
import os
import sys
from collections import defaultdict

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from include_layers import collect_edges, strongly_connected  # noqa: E402

# Lowest first. An entry names a folder under src/, or a pattern such as
# "base/*" for every folder directly under base/.
LAYERS = [
    ["base"],
    ["base/*"],                   # text, file, ini, geometry, win, ...
    ["ui/skin"],                  # theme package, skin drawing arithmetic
    ["ui/engine"],                # start-up, service module, message loop
    ["ui/canvas"],
    ["ui/control"],
    ["ui/accessibility"],
    ["ui/window"],
    ["ui/menu"],
    ["ui/controls"],
    ["app"],                      # resource numbers and file names of the program
    ["app/forms"],                # the app's window framework
    ["app/timetable", "app/tools", "app/calendar"],
    ["app/shell"],                # start-up, bar, tool window: nothing uses it
]


def source_folders(src):
    folders = set()
    for root, _, files in os.walk(src):
        if any(f.endswith((".h", ".cpp")) for f in files):
            folders.add(os.path.relpath(root, src))
    return folders


def layer_of(folder, layers):
    """The one layer whose entry is the folder (or a pattern it matches)."""
    exact = [i for i, layer in enumerate(layers) if folder in layer]
    if exact:
        return exact
    return [i for i, layer in enumerate(layers)
            if any("*" in entry and fnmatch.fnmatchcase(folder, entry) for entry in layer)]


def check(src, layers):
    """Returns the problems found, one line each."""
    problems = []
    position = {}
    for folder in sorted(source_folders(src)):
        found = layer_of(folder, layers)
        if len(found) != 1:
            where = "no layer" if not found else "several layers"
            problems.append(f"folder {folder} is in {where}: place it in LAYERS of tools/check_layers.py")
        else:
            position[folder] = found[0]

    edges = collect_edges(src)
    graph = defaultdict(set)
    for (a, b), uses in sorted(edges.items()):
        graph[a].add(b)
        if a in position and b in position and position[b] > position[a]:
            for file, name in uses:
                problems.append(f"upward: {file} ({a}) includes {name} ({b})")
    nodes = {folder for edge in edges for folder in edge}
    for group in strongly_connected(nodes, graph):
        members = set(group)
        problems.append("cycle: " + " <-> ".join(group))
        for (a, b), uses in sorted(edges.items()):
            if a in members and b in members:
                problems.extend(f"    {file} includes {name}" for file, name in uses)
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--src", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src"))
    args = parser.parse_args()
    problems = check(os.path.normpath(args.src), LAYERS)
    for line in problems:
        print(line)
    if not problems:
        print("every include keeps to the layer order; no cycles between folders")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
