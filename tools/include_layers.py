#!/usr/bin/env python3
"""Shows how the folders under src/ include each other.

Every `#include "…"` line of a file under src/ is resolved (relative to the
file's folder, then to src/) and counted as an edge from the including file's
folder to the included file's folder. The script prints the edges, then every
cycle between folders; with --order it also prints each include that goes
against the given order (lowest first). It exits with 1 when it finds a cycle
or an include against the order.

    tools/include_layers.py [--order base,base/win,ui/engine,...] [--verbose]
"""
import argparse
import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def folder_of(path, src):
    return os.path.relpath(os.path.dirname(path), src)


def resolve(name, including_dir, src):
    for base in (including_dir, src):
        candidate = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def collect_edges(src):
    edges = defaultdict(list)  # (from_folder, to_folder) -> [(file, include)]
    for root, _, files in os.walk(src):
        for file in files:
            if not file.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, file)
            with open(path, encoding="utf-8", errors="replace") as f:
                for line in f:
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = resolve(m.group(1), root, src)
                    if target is None:
                        continue
                    a, b = folder_of(path, src), folder_of(target, src)
                    if a != b:
                        edges[(a, b)].append((os.path.relpath(path, src), m.group(1)))
    return edges


def strongly_connected(nodes, graph):
    index, low, stack, on_stack, result = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in graph[v]:
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                result.append(sorted(group))

    for v in sorted(nodes):
        if v not in index:
            visit(v)
    return result


def layer_of(folder, order):
    """The position of the longest order entry that is the folder or its parent."""
    best = None
    for i, name in enumerate(order):
        if folder == name or folder.startswith(name + "/"):
            if best is None or len(name) > len(order[best]):
                best = i
    return best


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--src", default=os.path.join(os.path.dirname(__file__), "..", "src"))
    parser.add_argument("--order", help="comma-separated folders, lowest first")
    parser.add_argument("--verbose", action="store_true", help="list the includes of each edge")
    args = parser.parse_args()
    src = os.path.normpath(args.src)

    edges = collect_edges(src)
    graph = defaultdict(set)
    nodes = set()
    for a, b in edges:
        graph[a].add(b)
        nodes.update((a, b))

    failed = False
    print("folder edges:")
    for (a, b), uses in sorted(edges.items()):
        print(f"  {a} -> {b} ({len(uses)})")
        if args.verbose:
            for file, name in uses:
                print(f"      {file}: {name}")

    cycles = strongly_connected(nodes, graph)
    for group in cycles:
        failed = True
        print("cycle: " + " <-> ".join(group))
        members = set(group)
        for (a, b), uses in sorted(edges.items()):
            if a in members and b in members:
                for file, name in uses:
                    print(f"    {a} -> {b}: {file} includes {name}")

    if args.order:
        order = args.order.split(",")
        for (a, b), uses in sorted(edges.items()):
            la, lb = layer_of(a, order), layer_of(b, order)
            if la is None or lb is None:
                continue
            if lb > la:
                failed = True
                for file, name in uses:
                    print(f"upward: {file} ({a}) includes {name} ({b})")
    if not failed:
        print("no cycles" + (", no upward includes" if args.order else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
