#!/usr/bin/env python3
"""Writes data/default_league.sql, the rows of the default league database (default.lge).

The league: the 29 teams of data/teams.txt with 13 or 14 players each under contract, about 50 free
agents and a draft class of 100 prospects (20 per position). Players get invented names from the name
lists, heights, weights and skills typical of their position, and a quality that follows their role
(stars and starters above the bench). Salaries follow quality and experience within the league's minimum
and maximum salaries, so that payrolls sit around the 42,500,000 salary cap.

Seeded: re-running the script gives the same file; with --check it only tells whether the committed file
is up to date. A summary of the league goes to standard error.
"""

import random
import statistics
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from data_sources import DATA_DIR, read_teams, report, write_or_check

SEED = 2001
SEASON = 2001
SALARY_CAP = 42_500_000
FREE_AGENTS = 50
PROSPECTS_PER_POSITION = 20

POSITIONS = ["C", "PF", "SF", "SG", "PG"]
SKILLS = ["InsideScoring", "JumpShot", "ThreePointShot", "Scoring", "Handling", "Passing", "Quickness",
          "PostDefense", "PerimeterDefense", "DriveDefense", "Stealing", "ShotBlocking", "OffenseRebound",
          "DefenseRebound", "Jumping", "Strength"]
PHYSICAL = {"Quickness", "Jumping", "Strength"}

# A typical starter's skills (quality 60) at each position, in SKILLS order. Tuned by playing seasons of
# the default league: the league then shoots about 75 % from the line (the jump shot sets the free-throw
# chance, 0.63 x JumpShot + 30 per cent) and 36 % from three, with early-2000s blocks and steals per
# shot, and a season's wins spread about as widely as in a real league.
PROFILE = {
    "C": [62, 55, 12, 50, 35, 38, 40, 64, 36, 52, 36, 56, 62, 68, 52, 76],
    "PF": [60, 60, 30, 52, 42, 42, 50, 58, 44, 54, 40, 46, 58, 64, 58, 68],
    "SF": [56, 67, 58, 56, 54, 50, 60, 48, 56, 56, 46, 36, 46, 52, 64, 58],
    "SG": [52, 71, 70, 58, 62, 55, 68, 40, 60, 56, 51, 26, 36, 42, 66, 46],
    "PG": [45, 69, 65, 52, 72, 72, 76, 32, 62, 56, 56, 16, 28, 36, 56, 36],
}
# Caps by original position (the rating code enforces the same limits).
CAPS = {
    "C": {"Handling": 75, "Passing": 75, "PerimeterDefense": 75},
    "PF": {"Handling": 80, "Passing": 80, "PerimeterDefense": 75},
    "SF": {},
    "SG": {"OffenseRebound": 60, "DefenseRebound": 60},
    "PG": {"PostDefense": 75, "OffenseRebound": 50, "DefenseRebound": 50},
}
# Height in inches: mean, spread, lowest, highest. Weight: pounds at the mean height, pounds per inch.
HEIGHT = {"C": (84, 1.4, 81, 88), "PF": (81.5, 1.1, 79, 84), "SF": (79.5, 1.0, 77, 82),
          "SG": (77, 1.1, 74, 80), "PG": (74, 1.4, 70, 77)}
WEIGHT = {"C": (252, 7), "PF": (238, 6), "SF": (220, 6), "SG": (203, 5), "PG": (186, 5)}

# Positions of a roster, deepest first; the 14th man goes to a random position.
ROSTER_TEMPLATE = ["C", "C", "PF", "PF", "PF", "SF", "SF", "SF", "SG", "SG", "PG", "PG", "PG"]

MIN_SALARY = [332817, 465850, 540850, 565850, 590850, 653350, 715850, 778350, 840850, 965850, 1000000]

INJURY_FILE = DATA_DIR / "injuries.txt"


def clamp(x, lo, hi):
    return max(lo, min(hi, x))


def nearest(x):
    return int(round(x))  # halves to even


def minimum_salary(experience):
    return MIN_SALARY[min(experience, 10)]


def maximum_salary(experience):
    share = 0.25 if experience <= 6 else 0.30 if experience <= 9 else 0.35
    return nearest(SALARY_CAP * share)


def display_height(inches):
    return f"{inches // 12}'{inches % 12}''"


# --- ratings, only to check and order what is generated (the program computes its own) -------------

RATING_PHYSICAL = {  # Height, Weight, Quickness, Jumping, Strength: (offset, span, weight)
    "C": [(78, 10, .24), (240, 100, .16), (25, 30, .25), (30, 35, .10), (65, 35, .25)],
    "PF": [(78, 10, .23), (225, 50, .15), (40, 20, .30), (40, 30, .12), (40, 50, .20)],
    "SF": [(76, 8, .15), (200, 50, .15), (45, 30, .30), (45, 50, .20), (45, 40, .20)],
    "SG": [(72, 12, .10), (170, 50, .05), (55, 30, .45), (55, 45, .25), (35, 40, .15)],
    "PG": [(70, 8, .10), (150, 50, .05), (65, 35, .70), (35, 50, .10), (25, 40, .05)],
}
RATING_SKILLS = ["InsideScoring", "JumpShot", "ThreePointShot", "Handling", "Passing", "PostDefense",
                 "PerimeterDefense", "DriveDefense", "Stealing", "ShotBlocking", "OffenseRebound",
                 "DefenseRebound"]
RATING_WEIGHTS = {
    "C": [.15, .07, .01, .04, .03, .09, .02, .07, .02, .06, .06, .09, .28],
    "PF": [.16, .07, .02, .045, .035, .09, .03, .08, .03, .07, .06, .08, .23],
    "SF": [.14, .13, .10, .05, .06, .05, .07, .04, .04, .03, .04, .06, .20],
    "SG": [.21, .12, .15, .04, .05, .05, .08, .05, .03, .01, .03, .03, .15],
    "PG": [.09, .13, .11, .135, .145, .02, .10, .05, .07, .01, .01, .02, .12],
}


def position_rating(p, pos):
    measures = [p["Height"], p["Weight"], p["Quickness"], p["Jumping"], p["Strength"]]
    physical = sum(clamp((x - o) * 100 / w, 0, 100) * weight
                   for x, (o, w, weight) in zip(measures, RATING_PHYSICAL[pos]))
    weights = RATING_WEIGHTS[pos]
    total = physical * weights[-1]
    for skill, weight in zip(RATING_SKILLS, weights):
        value = p[skill]
        if pos == "PG" and skill == "InsideScoring":
            value = (value - 20) * 100 / 80
        total += value * weight
    return nearest(total)


# --- players --------------------------------------------------------------------------------------

class League:
    def __init__(self, rng):
        self.rng = rng
        self.first_names = read_list(DATA_DIR / "gamedata" / "Firstnames.txt")
        self.last_names = read_list(DATA_DIR / "gamedata" / "lastnames.txt")
        self.colleges = read_list(DATA_DIR / "colleges.txt")
        self.used_names = set()
        self.players = []

    def new_name(self):
        while True:
            name = f"{self.rng.choice(self.first_names)} {self.rng.choice(self.last_names)}"
            if name not in self.used_names:
                self.used_names.add(name)
                return name

    def body(self, p, pos, tall_bias=0.0):
        mean, spread, lo, hi = HEIGHT[pos]
        p["Height"] = clamp(nearest(self.rng.gauss(mean + tall_bias, spread)), lo, hi)
        base, per_inch = WEIGHT[pos]
        p["Weight"] = nearest(base + (p["Height"] - mean) * per_inch + self.rng.gauss(0, 9))
        p["DisplayHeight"] = display_height(p["Height"])

    def skills(self, p, pos, quality, spread=7.0):
        """Skills around the position's profile, moved by the quality; a strong and a weak point each."""
        rng = self.rng
        strong, weak = rng.sample(range(len(SKILLS)), 2)
        for k, skill in enumerate(SKILLS):
            slope = 0.55 if skill in PHYSICAL else 1.0
            value = PROFILE[pos][k] + slope * (quality - 60) + rng.gauss(0, spread)
            if k == strong:
                value += rng.uniform(4, 12)
            elif k == weak:
                value -= rng.uniform(4, 12)
            cap = CAPS[pos].get(skill, 100)
            p[skill] = clamp(nearest(value), 5, min(cap, 99))

    def base_player(self, pos):
        p = {"Name": self.new_name(), "DefaultPosition": pos, "PositionNumber": POSITIONS.index(pos) + 1,
             "OriginalPosition": POSITIONS.index(pos) + 1, "STAMINA": 100, "Injury": 0, "TimeInjured": 0,
             "IR": 0, "Exception": 0, "Round": 0, "Pick": 0, "CAREERPOINTS": 0, "BirdYears": 0,
             "LastFASeason": 0, "LastTeam": "", "contracts": [0] * 8}
        return p

    def college(self, age=None):
        if age is not None and age <= 19:
            return "High School"
        return self.rng.choice(self.colleges)

    def professional(self, pos, quality, age, team):
        rng = self.rng
        p = self.base_player(pos)
        self.body(p, pos)
        self.skills(p, pos, quality)
        p["Age"] = age
        p["Experience"] = clamp(age - 22 + rng.choice([-1, 0, 0, 1]), 0, age - 19)
        p["ShowPotential"] = "High School" if rng.random() < 0.04 else self.college()
        p["Team"] = team
        p["Quality"] = quality
        # Room to grow: large for the young, none for the old.
        if age <= 22:
            growth = rng.uniform(12, 24)
        elif age <= 25:
            growth = rng.uniform(4, 14)
        elif age <= 29:
            growth = rng.uniform(-2, 6)
        else:
            growth = rng.uniform(-8, 0)
        p["Potential"] = clamp(nearest(quality + growth + rng.gauss(0, 4)), 25, 99)
        self.draft_history(p)
        self.career_points(p)
        return p

    def draft_history(self, p):
        """Round and pick of the draft that brought him into the league; better players went earlier."""
        rng = self.rng
        q = p["Quality"]
        if rng.random() < 0.08 and q < 60:
            return  # undrafted
        first_round = rng.random() < clamp((q - 40) / 30, 0.15, 0.95)
        p["Round"] = 1 if first_round else 2
        pick = (84 - q) / 36 * 29 + rng.gauss(0, 6)
        p["Pick"] = clamp(nearest(pick), 1, 29)

    def career_points(self, p):
        rng = self.rng
        total = 0
        for year in range(p["Experience"]):
            ramp = 0.6 + 0.4 * min(1.0, (year + 1) / 4)
            decline = 0.85 if p["Age"] - (p["Experience"] - year) > 31 else 1.0
            per_game = max(1.5, (p["Quality"] - 38) * 0.55 * ramp * decline + rng.gauss(0, 2))
            total += nearest(per_game * rng.randint(55, 82))
        p["CAREERPOINTS"] = total


def read_list(path):
    names = [line.strip() for line in path.read_text(encoding="utf-8").splitlines()]
    return [n for n in names if n]


def role_quality(rng, role, team_strength):
    mean, spread, lo, hi = {"star": (78, 3.5, 73, 86), "starter": (63, 4.5, 55, 72),
                            "backup": (53, 4.5, 45, 61), "reserve": (45, 4.5, 36, 53)}[role]
    shift = team_strength if role in ("starter", "backup") else team_strength / 2
    return clamp(rng.gauss(mean + shift, spread), lo, hi)


def role_age(rng, role):
    if role == "star":
        return rng.randint(24, 31)
    if role == "starter":
        return clamp(nearest(rng.gauss(27.5, 3)), 22, 34)
    if rng.random() < 0.35:
        return rng.randint(20, 23)  # young players coming off the bench
    return clamp(nearest(rng.gauss(29, 3.5)), 23, 37)


def asking_salary(p, rng):
    """First-year salary from quality and experience, before the team's payroll is balanced."""
    exp = p["Experience"]
    lo, hi = minimum_salary(exp), maximum_salary(exp)
    share = clamp((p["Quality"] - 46) / 38, 0, 1) ** 1.8
    return lo + (hi - lo) * share * rng.uniform(0.85, 1.15)


def rookie_scale(pick):
    return nearest(3_400_000 - (pick - 1) * 95_000)


def contract_years(rng, p):
    if p.get("OnRookieDeal"):
        return 3 - p["Experience"] if p["Round"] == 1 else rng.randint(1, 2)
    role = p["Role"]
    if role == "star":
        return rng.randint(3, 7)
    if role == "starter":
        return rng.randint(1, 5)
    if role == "backup":
        return rng.randint(1, 4)
    return rng.randint(1, 2)


def sign_contract(rng, p, first_year, years):
    exp = p["Experience"]
    lo, hi = minimum_salary(exp), maximum_salary(exp)
    amount = lo if first_year < lo + 5000 else clamp(nearest(first_year / 1000) * 1000, lo, hi)
    raise_rate = 0 if amount == lo else rng.choice([0.0, 0.05, 0.075, 0.1])
    salaries = []
    for year in range(years):
        salaries.append(amount)
        if raise_rate:
            amount = min(hi, int(amount * (1 + raise_rate) / 1000) * 1000)  # floored: within the limit
    p["contracts"] = salaries + [0] * (8 - years)


def build_team(league, team):
    rng = league.rng
    strength = rng.gauss(0, 2)
    positions = ROSTER_TEMPLATE + ([rng.choice(POSITIONS)] if rng.random() < 0.6 else [])
    # Roles: the first player of each position starts, one or two starters are stars.
    star_positions = set(rng.sample(POSITIONS, 2 if rng.random() < 0.35 else 1))
    roster = []
    for pos in positions:
        depth = sum(1 for q in positions[:len(roster)] if q == pos)
        role = ("star" if pos in star_positions else "starter") if depth == 0 else (
            "backup" if depth == 1 else "reserve")
        age = role_age(rng, role)
        quality = role_quality(rng, role, strength)
        p = league.professional(pos, quality, age, team.name)
        p["Role"] = role
        roster.append(p)
    for p in roster:
        p["LastTeam"] = team.name
        on_rookie_deal = p["Experience"] <= 2 and p["Round"] >= 1 and p["Age"] <= 24
        p["OnRookieDeal"] = on_rookie_deal
        p["BirdYears"] = p["Experience"] if on_rookie_deal else min(p["Experience"], rng.randint(0, 6))
        p["LastFASeason"] = 0 if on_rookie_deal else SEASON - p["BirdYears"]
    balance_payroll(rng, roster)
    return roster


def balance_payroll(rng, roster):
    """Rookie deals follow the draft slot; the veterans' salaries are scaled so that the payroll lands
    near a team-specific target around the cap."""
    target = clamp(rng.gauss(SALARY_CAP * 1.01, 3_200_000), 36_000_000, 50_000_000)
    fixed, veterans = 0, []
    for p in roster:
        if p["OnRookieDeal"]:
            first = rookie_scale(p["Pick"]) if p["Round"] == 1 else minimum_salary(p["Experience"])
            p["Asking"] = first
            fixed += max(first, minimum_salary(p["Experience"]))
        else:
            p["Asking"] = asking_salary(p, rng)
            veterans.append(p)
    for _ in range(8):  # scaling, then the salary limits, a few rounds
        lows = [minimum_salary(p["Experience"]) for p in veterans]
        total = fixed + sum(clamp(p["Asking"], lo, maximum_salary(p["Experience"]))
                            for p, lo in zip(veterans, lows))
        above_min = sum(max(0, p["Asking"] - lo) for p, lo in zip(veterans, lows))
        if above_min <= 0 or abs(total - target) < 200_000:
            break
        factor = 1 + (target - total) / above_min
        for p, lo in zip(veterans, lows):
            p["Asking"] = lo + max(0.0, p["Asking"] - lo) * max(0.3, factor)
    for p in roster:
        sign_contract(rng, p, p["Asking"], contract_years(rng, p))
        if (not p["OnRookieDeal"] and 3_800_000 <= p["contracts"][0] <= 4_500_000
                and rng.random() < 0.4):
            p["Exception"] = -1  # signed with the mid-level exception


def free_agent(league, pos, teams):
    rng = league.rng
    age = clamp(nearest(rng.gauss(29, 4.5)), 21, 37)
    quality = clamp(rng.gauss(47, 5.5), 36, 60)
    p = league.professional(pos, quality, age, "FA")
    p["LastTeam"] = rng.choice(teams).name
    p["LastFASeason"] = SEASON - rng.randint(1, 4) if p["Experience"] > 0 else 0
    p["Role"] = "free agent"
    return p


def prospect(league, pos):
    """A college or high-school player, drawn like the yearly draft classes."""
    rng = league.rng
    p = league.base_player(pos)
    r = rng.random()
    age = 18 if r < 0.05 else 19 if r < 0.1 else 20 if r < 0.3 else 21 if r < 0.45 else 22 if r < 0.9 else 23
    p["Age"] = age
    p["Experience"] = 0
    p["ShowPotential"] = league.college(age)
    p["Team"] = "Draft"
    league.body(p, pos, tall_bias=0.3)
    r = rng.random()
    p["Potential"] = nearest(40 + 20 * rng.random() if r < 0.56 else
                             60 + 20 * rng.random() if r < 0.78 else 80 + 19 * rng.random())
    # Today's quality: mostly well below a regular's, the high-potential ones a little better.
    quality = clamp(rng.gauss(40 + (p["Potential"] - 60) * 0.2 - (22 - age) * 1.5, 5), 28, 58)
    p["Quality"] = quality
    league.skills(p, pos, quality, spread=8.0)
    p["Role"] = "prospect"
    return p


def injure(league, players, injuries):
    """A handful of players start the league hurt."""
    rng = league.rng
    minor = [k for k, e in enumerate(injuries, start=1) if e[1] <= 6]
    for p in rng.sample(players, 7):
        injury_id = rng.choice(minor)
        base_days = injuries[injury_id - 1][2]
        p["Injury"] = injury_id
        p["TimeInjured"] = max(1, nearest(base_days * rng.uniform(0.5, 1.2)))
        p["IR"] = -1 if p["TimeInjured"] > 3 else 0


def read_injuries():
    entries = []
    for line in INJURY_FILE.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        name, severity, days, text = [f.strip() for f in line.split("|")]
        entries.append((name, int(severity), int(days), text))
    return entries


# --- SQL ------------------------------------------------------------------------------------------

PLAYER_COLUMNS = (["ID", "Name", "ShowPotential", "Height", "Weight", "DisplayHeight", "Age", "Team",
                   "LastTeam", "LastFASeason", "DefaultPosition", "PositionNumber", "OriginalPosition",
                   "Round", "Pick", "Experience", "CAREERPOINTS"] + [f"contract{i}" for i in range(1, 9)] +
                  ["Exception", "BirdYears", "Potential"] + SKILLS + ["STAMINA", "Injury", "TimeInjured",
                                                                       "IR"])
TEXT_COLUMNS = {"Name", "ShowPotential", "DisplayHeight", "Team", "LastTeam", "DefaultPosition"}


def sql_value(v):
    if isinstance(v, str):
        return "'" + v.replace("'", "''") + "'"
    return str(int(v))


def player_row(p):
    values = dict(p)
    for i, c in enumerate(p["contracts"], start=1):
        values[f"contract{i}"] = c
    return "(" + ", ".join(sql_value(values[c]) for c in PLAYER_COLUMNS) + ")"


def inserts(table, columns, rows, chunk=100):
    out = []
    for start in range(0, len(rows), chunk):
        out.append(f"INSERT INTO {table} ({', '.join(columns)}) VALUES")
        out.append(",\n".join(rows[start:start + chunk]) + ";")
    return out


def write_sql(path, teams, players, injuries):
    lines = [
        "-- The default league: teams, players, injuries and the season row of default.lge.",
        "-- Generated by tools/generate_default_league.py; do not edit by hand.",
        "-- Booleans are stored as -1 (true) and 0 (false).",
        "PRAGMA foreign_keys = OFF;",
        "BEGIN TRANSACTION;",
        "CREATE TABLE Team (ID INTEGER PRIMARY KEY, City TEXT NOT NULL, Name TEXT NOT NULL UNIQUE,",
        "  Owner TEXT NOT NULL, benchC INTEGER NOT NULL, pbp INTEGER NOT NULL, Conference TEXT NOT NULL,",
        "  Division TEXT NOT NULL);",
        "CREATE TABLE Player (" + ", ".join(
            f"{c} {'INTEGER PRIMARY KEY' if c == 'ID' else 'TEXT' if c in TEXT_COLUMNS else 'INTEGER'}"
            for c in PLAYER_COLUMNS) + ");",
        "CREATE TABLE injuries (injuryID INTEGER PRIMARY KEY, InjuryName TEXT NOT NULL,",
        "  Severity INTEGER NOT NULL, BaseDays INTEGER NOT NULL, InjuryText TEXT NOT NULL);",
        "CREATE TABLE SeasonInfo (Season INTEGER NOT NULL, SeasonDay INTEGER NOT NULL);",
    ]
    team_rows = [f"({t.id}, {sql_value(t.city)}, {sql_value(t.name)}, 'Computer', 0, 0, "
                 f"{sql_value(t.conference)}, {sql_value(t.division)})" for t in teams]
    lines += inserts("Team", ["ID", "City", "Name", "Owner", "benchC", "pbp", "Conference", "Division"],
                     team_rows)
    lines += inserts("Player", PLAYER_COLUMNS, [player_row(p) for p in players])
    injury_rows = [f"({k}, {sql_value(n)}, {s}, {d}, {sql_value(t)})"
                   for k, (n, s, d, t) in enumerate(injuries, start=1)]
    lines += inserts("injuries", ["injuryID", "InjuryName", "Severity", "BaseDays", "InjuryText"], injury_rows)
    lines.append(f"INSERT INTO SeasonInfo (Season, SeasonDay) VALUES ({SEASON}, 0);")
    lines.append("COMMIT;")
    write_or_check(path, "\n".join(lines) + "\n")


# --- summary --------------------------------------------------------------------------------------

def summarize(teams, players):
    def rating(p):
        return position_rating(p, p["DefaultPosition"])

    for role in ["star", "starter", "backup", "reserve", "free agent", "prospect"]:
        group = [rating(p) for p in players if p["Role"] == role]
        ages = [p["Age"] for p in players if p["Role"] == role]
        report(f"{role:>10}: {len(group):3d} players, rating {min(group)}-{max(group)} "
               f"(mean {statistics.mean(group):.1f}), age mean {statistics.mean(ages):.1f}")
    payrolls = [sum(p["contracts"][0] for p in players if p["Team"] == t.name) for t in teams]
    report(f"payrolls {min(payrolls):,}-{max(payrolls):,} (mean {statistics.mean(payrolls):,.0f})")
    top = sorted((p["contracts"][0] for p in players), reverse=True)[:5]
    report(f"top salaries {top}; players {len(players)}")


def main():
    rng = random.Random(SEED)
    teams = read_teams()
    league = League(rng)
    injuries = read_injuries()
    players = []
    for team in teams:
        players += build_team(league, team)
    injure(league, players, injuries)
    players += [free_agent(league, POSITIONS[k % 5], teams) for k in range(FREE_AGENTS)]
    for pos in POSITIONS:
        players += [prospect(league, pos) for _ in range(PROSPECTS_PER_POSITION)]
    for player_id, p in enumerate(players, start=1):
        p["ID"] = player_id
    if len(players) > 650:
        sys.exit("too many players for the league's 650 slots")
    summarize(teams, players)
    write_sql(DATA_DIR / "default_league.sql", teams, players, injuries)


if __name__ == "__main__":
    main()
