"""Reads data/teams.txt, the default league's team list shared by the data generators."""

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
