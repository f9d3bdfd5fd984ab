#!/usr/bin/env python3
"""Fits the weights of the ratings-from-statistics model (docs/ratings_from_stats.md).

Usage: fit_ratings_from_stats.py PLAYERS.csv STATS.csv [STATS.csv...]

PLAYERS.csv is `hoopvale-cli players LEAGUE --csv` of a league, each STATS.csv `hoopvale-cli stats LEAGUE --csv`
of a season that league played (several seasons of the same players give more lines). Prints the two C++
tables of src/setup/stats_import.cpp: each rating's base by position and its weights by feature, found by
weighted least squares (weight: the player's minutes over minutes plus the prior) with a small ridge.
The features are computed as StatFeatures computes them.
"""
import csv
import sys

PRIOR_MINUTES = 250.0
PRIOR_ATTEMPTS = 60.0
RIDGE = 2.0
SKILLS = ["InsideScoring", "JumpShot", "ThreePointShot", "Handling", "Passing", "Quickness", "PostDefense",
          "PerimeterDefense", "DriveDefense", "Stealing", "ShotBlocking", "OffenseRebound", "DefenseRebound",
          "Jumping", "Strength"]
POSITIONS = ["C", "PF", "SF", "SG", "PG"]


def features(lines):
    minutes = sum(l["MIN"] for l in lines)
    games = sum(l["G"] for l in lines)

    def counts(l):
        return [l["FGA"] - l["3PA"], l["3PA"], l["FTA"], l["REB"], l["AST"], l["STL"], l["BLK"], l["TOV"], l["PF"]]

    totals = [0.0] * 9
    for l in lines:
        for i, c in enumerate(counts(l)):
            totals[i] += c
    rate = [t / minutes if minutes else 0 for t in totals]
    made2 = sum(l["FG"] - l["3P"] for l in lines)
    made3 = sum(l["3P"] for l in lines)
    madeft = sum(l["FT"] for l in lines)
    pct2 = made2 / totals[0] if totals[0] else 0.5
    pct3 = made3 / totals[1] if totals[1] else 0.35
    pctft = madeft / totals[2] if totals[2] else 0.75
    mpg = minutes / games if games else 24

    def shrunk(made, chances, league, prior):
        return (made + prior * league) / (chances + prior)

    def ratio(v, league):
        return v / league if league > 0 else 1.0

    out = []
    for l in lines:
        c = counts(l)
        pm = lambda i: ratio(shrunk(c[i], l["MIN"], rate[i], PRIOR_MINUTES), rate[i])
        f = [pm(0), ratio(shrunk(l["FG"] - l["3P"], c[0], pct2, PRIOR_ATTEMPTS), pct2), pm(1),
             ratio(shrunk(l["3P"], l["3PA"], pct3, PRIOR_ATTEMPTS), pct3), pm(2),
             ratio(shrunk(l["FT"], l["FTA"], pctft, PRIOR_ATTEMPTS), pctft)]
        f += [pm(i) for i in range(3, 9)]
        f.append(ratio((l["MIN"] + 5 * mpg) / (l["G"] + 5.0), mpg))
        f.append(l["Height"] - 79.0)
        f.append((l["Weight"] - 220.0) / 10.0)
        out.append(f)
    return out


def solve(a, b):
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(m[r][col]))
        m[col], m[pivot] = m[pivot], m[col]
        for r in range(n):
            if r != col and m[r][col] != 0:
                factor = m[r][col] / m[col][col]
                for c in range(col, n + 1):
                    m[r][c] -= factor * m[col][c]
    return [m[i][n] / m[i][i] for i in range(n)]


def main():
    players = {row["ID"]: row for row in csv.DictReader(open(sys.argv[1]))}
    rows = []  # (position index, features, ratings, weight)
    for stats_file in sys.argv[2:]:
        lines = []
        for row in csv.DictReader(open(stats_file)):
            p = players[row["ID"]]
            line = {k: int(row[k]) for k in ["G", "MIN", "FG", "FGA", "3P", "3PA", "FT", "FTA", "REB", "AST", "STL",
                                             "BLK", "PF", "PTS"]}
            line["TOV"] = int(row["TO"])
            line["Height"] = int(p["Height"])
            line["Weight"] = int(p["Weight"])
            line["pos"] = POSITIONS.index(p["DefaultPosition"])
            line["ratings"] = [int(p[s]) for s in SKILLS]
            lines.append(line)
        for l, f in zip(lines, features(lines)):
            rows.append((l["pos"], f, l["ratings"], l["MIN"] / (l["MIN"] + PRIOR_MINUTES)))
    nf = len(rows[0][1])
    n = 5 + nf
    bases, weights = [], []
    for k in range(len(SKILLS)):
        a = [[0.0] * n for _ in range(n)]
        b = [0.0] * n
        for pos, f, ratings, w in rows:
            x = [1.0 if i == pos else 0.0 for i in range(5)] + f
            for i in range(n):
                b[i] += w * x[i] * ratings[k]
                for j in range(n):
                    a[i][j] += w * x[i] * x[j]
        for i in range(5, n):
            a[i][i] += RIDGE
        beta = solve(a, b)
        bases.append(beta[:5])
        weights.append(beta[5:])
    print("base:")
    for k, s in enumerate(SKILLS):
        print("    {" + ", ".join(f"{v:.2f}" for v in bases[k]) + "}, // " + s)
    print("weights:")
    for k, s in enumerate(SKILLS):
        print("    // " + s)
        print("    {" + ", ".join(f"{v:.2f}" for v in weights[k]) + "},")


if __name__ == "__main__":
    main()
