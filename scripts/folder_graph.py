#!/usr/bin/env python3
"""Prints the graph of the source folders and fails when two folders reach each other.

A node is a folder under src/ (src/<name>) or its Qt part (src/<name>/ui); every
#include "<folder>/..." from a file of one node to a file of another is an arrow.
Exit status 1 when the arrows form a cycle, naming the files that close it.
"""
import re
import sys
from collections import defaultdict
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def node_of(relative: Path) -> str:
    parts = relative.parts
    if len(parts) >= 3 and parts[1] == "ui":
        return f"{parts[0]}/ui"
    return parts[0]


def main() -> int:
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src")
    arrows = defaultdict(lambda: defaultdict(list))  # from -> to -> [file -> include]
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        relative = path.relative_to(src)
        if len(relative.parts) < 2:
            continue
        here = node_of(relative)
        for included in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            target = Path(included)
            if len(target.parts) < 2 or not (src / target).exists():
                continue
            there = node_of(target)
            if there != here:
                arrows[here][there].append(f"{relative} -> {included}")

    print("Folder graph (each folder and what it includes):")
    for node in sorted(set(arrows) | {n for d in arrows.values() for n in d}):
        print(f"  {node:14} -> {', '.join(sorted(arrows[node])) or '-'}")

    # Depth-first search for a cycle; report the first one found with its files.
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(arrows[node]):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(arrows):
        if node not in state:
            cycle = visit(node)
            if cycle:
                print("\nCycle: " + " -> ".join(cycle), file=sys.stderr)
                for a, b in zip(cycle, cycle[1:]):
                    for line in arrows[a][b][:3]:
                        print(f"  {line}", file=sys.stderr)
                return 1
    print("\nNo cycle: every arrow between folders points one way.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
