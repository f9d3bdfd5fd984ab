#!/usr/bin/env python3
"""Checks that every #include of the project goes down the layer order, never up or sideways.

Usage: check_layers.py ROOT LEVEL [LEVEL ...]
Each LEVEL names the folders of one layer, lowest first; folders of one level are joined by commas
("cli,ui") and may not include each other. A source under src/FOLDER or tests/FOLDER may include headers
of its own folder and of the folders of lower levels; a test may also include the shared helpers in
tests/support, which are held to the same rule through what they include themselves.
Prints each offending include as FILE:LINE and exits 1 when there is one.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'\s*#\s*include\s+"([^"/]+)/([^"]+)"')


def quoted_includes(path):
    """(line number, folder, header) of each quoted include naming a folder."""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    root = pathlib.Path(argv[1])
    level = {}
    for rank, names in enumerate(argv[2:]):
        for name in names.split(","):
            level[name] = rank

    def highest_needed(path, seen):
        """The highest level that a test helper reaches through its own includes."""
        if path in seen:
            return -1
        seen.add(path)
        top = -1
        for _, folder, header in quoted_includes(path):
            if folder in level:
                top = max(top, level[folder])
            elif folder == "support" or (root / "tests" / folder / header).exists():
                nested = root / "tests" / folder / header
                if nested.exists():
                    top = max(top, highest_needed(nested, seen))
        return top

    faults = []
    for tree in ("src", "tests"):
        for path in sorted((root / tree).rglob("*")):
            if path.suffix not in (".h", ".cpp") or path.parent.parent != root / tree:
                continue
            own = path.parent.name
            if own not in level:
                continue
            for number, folder, header in quoted_includes(path):
                where = f"{path.relative_to(root)}:{number}"
                if folder in level:
                    if folder != own and level[folder] >= level[own]:
                        faults.append(f'{where}: {own} may not include "{folder}/{header}"')
                elif tree == "tests":
                    helper = root / "tests" / folder / header
                    if helper.exists() and highest_needed(helper, set()) > level[own]:
                        faults.append(f'{where}: {own} may not include "{folder}/{header}", which reaches a '
                                      f"higher layer")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the layer order: {' -> '.join(argv[2:])}")
        return 1
    print(f"Every include follows the layer order: {' -> '.join(argv[2:])}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
