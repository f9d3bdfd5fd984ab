#!/usr/bin/env python3
"""Writes data/schedule.txt, the season's matchup list (one game a line: "home away" team numbers).

Every team plays 82 games, 41 at home. Teams of the other conference meet twice (once at each home);
division rivals meet 4 or 5 times and the other teams of the conference 3 or 4 times, the fewest changes
from 4 that give every team 82 games and more games on average against its division rivals than against
the rest of its conference (seeded choice of which pairs). Re-running the script gives the same file;
with --check it only tells whether the committed file is up to date.
"""

import random
import sys
from collections import defaultdict

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from data_sources import DATA_DIR, checking, read_teams, report, write_or_check

GAMES_PER_TEAM = 82
SEED = 2001


def pair(a, b):
    return (a, b) if a < b else (b, a)


def extra_division_games(members, surplus, count, rng):
    """Picks `count` distinct pairs of a division that meet a fifth time, touching first every team
    without surplus games (it would otherwise meet its division rivals no more often than the others)."""
    required = [i for i in members if surplus[i] == 0]
    rng.shuffle(required)
    edges = []
    while len(required) >= 2:
        edges.append(pair(required.pop(), required.pop()))
    if required:
        partner = rng.choice([i for i in members if i != required[0]])
        edges.append(pair(required[0], partner))
    free = [pair(a, b) for k, a in enumerate(members) for b in members[k + 1:] if pair(a, b) not in edges]
    rng.shuffle(free)
    edges += free[:count - len(edges)]
    return edges


def design_counts(teams, rng):
    """Returns {(a, b): games} for every pair a < b.

    Start from 4 games within the conference and 2 across it, then let a few division pairs meet a fifth
    time (X) and a few pairs of the conference's two divisions only three times (Y), so that every team
    reaches 82 games and meets its division rivals more often on average than the rest of its conference:
    a team whose 4/4/2 count already makes 82 gets one X pair and one Y pair. A team's number of Y pairs
    is its X pairs plus its surplus over 82; Y runs between the two divisions, so both divisions of a
    conference must end with the same Y total, which fixes how many X pairs each division takes.
    """
    team_of = {t.id: t for t in teams}
    counts = {}
    for i, a in enumerate(teams):
        for b in teams[i + 1:]:
            counts[(a.id, b.id)] = 4 if a.conference == b.conference else 2
    surplus = {t.id: sum(n for p, n in counts.items() if t.id in p) - GAMES_PER_TEAM for t in teams}
    if any(s < 0 for s in surplus.values()):
        sys.exit("a team would play fewer than 82 games with every pair at 4/4/2")
    for conf in sorted({t.conference for t in teams}):
        divisions = sorted({t.division for t in teams if t.conference == conf})
        if len(divisions) != 2:
            sys.exit("each conference needs exactly two divisions")
        members = [[t.id for t in teams if t.division == d] for d in divisions]
        lower = [(sum(1 for i in m if surplus[i] == 0) + 1) // 2 for m in members]
        base = [sum(surplus[i] for i in m) for m in members]
        # Y totals: 2 * x1 + base1 == 2 * x2 + base2, with x1 >= lower1 and x2 >= lower2.
        if (base[0] - base[1]) % 2:
            sys.exit(f"{conf}: the surplus games cannot be balanced")
        x1 = lower[0]
        while 2 * x1 + base[0] - base[1] < 2 * lower[1]:
            x1 += 1
        x = [x1, (2 * x1 + base[0] - base[1]) // 2]
        degree = defaultdict(int)
        for m, n in zip(members, x):
            for p in extra_division_games(m, surplus, n, rng):
                counts[p] += 1
                degree[p[0]] += 1
                degree[p[1]] += 1
        # Y: a simple bipartite graph with the degrees degree + surplus, by random stub matching.
        for attempt in range(100_000):
            left = [i for i in members[0] for _ in range(degree[i] + surplus[i])]
            right = [i for i in members[1] for _ in range(degree[i] + surplus[i])]
            rng.shuffle(right)
            edges = {pair(a, b) for a, b in zip(left, right)}
            if len(edges) == len(left) == len(right):
                break
        else:
            sys.exit(f"{conf}: could not place the dropped games")
        for p in edges:
            counts[p] -= 1
    return counts


def orient_odd_pairs(counts):
    """Gives the extra home game of each odd pair so that every team gets as many as it gives away.

    Every team has an even number of odd pairs (its 82 games are even), so an Euler circuit of the odd
    pairs exists in each component; walking it hands the extra home game to the team the walk comes from.
    """
    adjacency = defaultdict(list)
    odd = [p for p, n in sorted(counts.items()) if n % 2]
    for k, (a, b) in enumerate(odd):
        adjacency[a].append((b, k))
        adjacency[b].append((a, k))
    used = [False] * len(odd)
    extra_home = {}
    for start in sorted(adjacency):
        stack = [start]
        while stack:
            v = stack[-1]
            while adjacency[v] and used[adjacency[v][-1][1]]:
                adjacency[v].pop()
            if not adjacency[v]:
                stack.pop()
                continue
            w, k = adjacency[v].pop()
            used[k] = True
            extra_home[odd[k]] = v
            stack.append(w)
    return extra_home


def build_games(counts, extra_home):
    games = []
    for (a, b), n in sorted(counts.items()):
        home_a = n // 2 + (1 if extra_home.get((a, b)) == a else 0)
        games += [(a, b)] * home_a + [(b, a)] * (n - home_a)
    return games


def place(games, rng, limit=200_000):
    """The season's placement of matchups on days 1 to 120 (never day 60); False when it gets stuck."""
    order = games[:]
    rng.shuffle(order)
    busy = set()

    def free(d, h, a):
        return (h, d) not in busy and (a, d) not in busy

    def n(x):
        return round(x)  # halves to even

    for i, (h, a) in enumerate(order, start=1):
        if free(1, h, a):
            d = 1
        else:
            d = [n(rng.random() * 30 + 90), n(rng.random() * 30 + 1), n(rng.random() * 30 + 31),
                 n(rng.random() * 30 + 61)][i % 4]
            if d == 60:
                d = n(rng.random() * 5 + 61)
            if not free(d, h, a):
                d = n(rng.random() * 5 + d)
                if d > 120:
                    d = 2
                if d == 60:
                    d = n(rng.random() * 5 + 61)
                tries = 0
                while not free(d, h, a):
                    tries += 1
                    if tries > limit:
                        return False
                    d = n(rng.random() * 5 + d)
                    if d > 120:
                        d = 1
                    if d == 60:
                        d = n(rng.random() * 5 + 61)
        busy.add((h, d))
        busy.add((a, d))
    return True


def check(teams, games):
    played, home, meetings = defaultdict(int), defaultdict(int), defaultdict(int)
    for h, a in games:
        played[h] += 1
        played[a] += 1
        home[h] += 1
        meetings[pair(h, a)] += 1
    for t in teams:
        if played[t.id] != GAMES_PER_TEAM or home[t.id] != GAMES_PER_TEAM // 2:
            sys.exit(f"team {t.id}: {played[t.id]} games, {home[t.id]} at home")
        groups = defaultdict(list)
        for u in teams:
            if u.id != t.id:
                kind = 0 if u.division == t.division else 1 if u.conference == t.conference else 2
                groups[kind].append(meetings[pair(t.id, u.id)])
        means = [sum(g) / len(g) for _, g in sorted(groups.items())]
        if not means[0] > means[1] > means[2]:
            sys.exit(f"team {t.id}: division rivals are not met most often")


def main():
    teams = read_teams()
    rng = random.Random(SEED)
    counts = design_counts(teams, rng)
    games = build_games(counts, orient_odd_pairs(counts))
    check(teams, games)

    by_kind = defaultdict(lambda: defaultdict(int))
    team_of = {t.id: t for t in teams}
    for (a, b), n in counts.items():
        kind = ("division" if team_of[a].division == team_of[b].division else
                "conference" if team_of[a].conference == team_of[b].conference else "other conference")
        by_kind[kind][n] += 1
    for kind, hist in by_kind.items():
        report(f"{kind}: " + ", ".join(f"{c} pairs meet {n} times" for n, c in sorted(hist.items())))
    if not checking():
        stuck = sum(not place(games, random.Random(seed)) for seed in range(50))
        report(f"{len(games)} games; placement stuck for {stuck} of 50 seeds")

    out = DATA_DIR / "schedule.txt"
    lines = ["# Season matchups, one game a line: home team number, away team number.",
             "# Generated by tools/generate_schedule.py; do not edit by hand."]
    lines += [f"{h} {a}" for h, a in games]
    write_or_check(out, "\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
