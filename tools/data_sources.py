"""Shared by the data generators: the default league's team list (data/teams.txt) and the output step."""

import sys
from dataclasses import dataclass
from pathlib import Path

DATA_DIR = Path(__file__).resolve().parent.parent / "data"


@dataclass(frozen=True)
class TeamRow:
    id: int
    city: str
    name: str
    conference: str
    division: str


def read_teams(path: Path = DATA_DIR / "teams.txt") -> list[TeamRow]:
    teams = []
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 5:
            raise ValueError(f"{path}: bad team line: {line!r}")
        teams.append(TeamRow(int(fields[0]), fields[1], fields[2], fields[3], fields[4]))
    ids = [t.id for t in teams]
    if ids != list(range(1, len(teams) + 1)):
        raise ValueError(f"{path}: team IDs must run 1, 2, 3... in order")
    return teams


def checking() -> bool:
    """True when the generator runs with --check (compare, do not write, print only problems)."""
    return "--check" in sys.argv[1:]


def report(message: str) -> None:
    """A line of the generator's summary, on standard error; silent under --check."""
    if not checking():
        print(message, file=sys.stderr)


def write_or_check(path: Path, text: str) -> None:
    """Writes a generated source; with --check, only compares it with the committed file instead
    (exit status 1 when they differ, so a hand edit or a changed input shows up)."""
    if checking():
        current = path.read_text(encoding="utf-8") if path.exists() else None
        if current != text:
            sys.exit(f"{path.name} is out of date: re-run {Path(sys.argv[0]).name} and commit the result")
        return
    path.write_text(text, encoding="utf-8")
