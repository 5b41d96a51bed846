#!/usr/bin/env python3
"""The house's figures: the includes between folders (and any circle among them), the units
over 800 lines, the window shell's size, and the places above the matches that ask what kind
of match they hold, and the functions above the matches made for one kind. With --check it fails on a circle or on a unit over the limit."""
import collections
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = ["app", "bot", "caller", "games", "model", "room", "session", "store", "ui", "words",
           "boards", "league"]
LIMIT = 800
# Where the kinds of match may be told apart: the matches themselves, their words, the panel.
KIND_FOLDERS = ("model", "games", "words", "ui/panels")
# A branch on the kind: a cast to one kind of match, a comparison of kinds, the session's old
# games accessor.
KIND_PATTERNS = [r"\bGames\(\)", r"[!=]=\s*TGameKind::", r"TGameKind::\w+\s*[!=]=",
                 r"dynamic_cast<\s*(const\s+)?C(Game|GamesMatch|Match)\b"]


# A function defined for one kind of match: it takes the X01 match or the other games' match
# where every other takes any match.
ONE_KIND = re.compile(r"^(?![\s#/])(?!(?:return|if|for|while|else)\b)[^\n;{}()]*?\b(\w+)\s*\("
                      r"([^;{}]*?)\)\s*(?:const\s*)?\n\{", re.M)


def one_kind_functions(unit, text):
    found = []
    for match in ONE_KIND.finditer(text):
        name, params = match.groups()
        if re.search(r"\bconst\s+CGamesMatch\s*&", params):
            found.append(f"{unit}: {name} (other games)")
        elif re.search(r"\b(const\s+)?CGame\s*&", params):
            found.append(f"{unit}: {name} (X01)")
    return found


def units():
    for top in SOURCES:
        for folder, _, files in os.walk(os.path.join(ROOT, top)):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def main():
    check = "--check" in sys.argv
    edges = collections.defaultdict(set)
    long_units, kind_places, one_kind, asks_panels = [], [], [], []
    shell_lines = 0
    include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
    # A bare name (an include relative to its own folder) is found by its file name.
    by_name = {os.path.basename(u): u for u in units() if u.endswith(".h")}
    for unit in units():
        text = open(os.path.join(ROOT, unit), encoding="utf-8").read()
        lines = text.count("\n")
        folder = os.path.dirname(unit)
        if lines > LIMIT:
            long_units.append((unit, lines))
        if folder == "ui/main":
            shell_lines += lines
        for target in include.findall(text):
            target = by_name.get(target, target) if "/" not in target else target
            other = os.path.dirname(target)
            if other and other != folder:
                edges[folder].add(other)
        if unit.endswith(".cpp") and not folder.startswith(("model", "games")):
            one_kind += one_kind_functions(unit, text)
        if not folder.startswith(KIND_FOLDERS):
            for number, line in enumerate(text.splitlines(), 1):
                if any(re.search(p, line) for p in KIND_PATTERNS):
                    kind_places.append(f"{unit}:{number}: {line.strip()}")
                if "TGamePanel::Draws(" in line:
                    asks_panels.append(f"{unit}:{number}: {line.strip()}")
    circles = find_circles(edges)
    print(f"folders: {len(edges)}, arrows between them: {sum(len(v) for v in edges.values())}")
    print(f"circles of includes between folders: {len(circles)}")
    for circle in circles:
        print("  " + " -> ".join(circle))
    print(f"units over {LIMIT} lines: {len(long_units)}")
    for unit, lines in long_units:
        print(f"  {unit}: {lines}")
    print(f"ui/main: {shell_lines} lines")
    print(f"places outside {', '.join(KIND_FOLDERS)} that branch on the kind of match: "
          f"{len(kind_places)}")
    for place in kind_places:
        print("  " + place)
    print(f"places that ask the panels which panel draws the match: {len(asks_panels)}")
    for place in asks_panels:
        print("  " + place)
    print(f"functions above the matches made for one kind of match: {len(one_kind)}")
    for function in one_kind:
        print("  " + function)
    if check and (circles or long_units):
        return 1
    return 0


def find_circles(edges):
    """Each strongly connected set of folders of more than one, as a path through it."""
    index, low, stack, on, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                top = stack.pop()
                on.discard(top)
                group.append(top)
                if top == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(set(edges) | {n for v in edges.values() for n in v}):
        if node not in index:
            visit(node)
    return found


if __name__ == "__main__":
    sys.exit(main())
