-- The league database export's template (blank.dat): every table the export fills, empty.
-- Columns are in the order the export fills them. Flags are 1 (true) and 0 (false); money is whole dollars;
-- per-game and percentage columns are REAL. Team columns hold a team's Name ("FA" and "Draft" for free
-- agents and prospects) unless the column is a team ID (teamID, OppID, DraftPicks.Team and OwnedBy).
PRAGMA foreign_keys = OFF;
BEGIN TRANSACTION;

CREATE TABLE AllStarWeekendWinners (Season INTEGER NOT NULL, PlayerID INTEGER, Player TEXT, Position TEXT,
  Team TEXT, Event TEXT NOT NULL);

CREATE TABLE DraftPicks (ID INTEGER PRIMARY KEY, Team INTEGER, year INTEGER, Round INTEGER, OwnedBy INTEGER,
  value INTEGER, Selection INTEGER);

CREATE TABLE PlayerRecords (Rank INTEGER NOT NULL, PlayerID INTEGER, Player TEXT, Position TEXT,
  Season INTEGER, Record REAL, RecordTitle TEXT NOT NULL,
  PPG REAL, RPG REAL, APG REAL, BPG REAL, SPG REAL, TOPG REAL, FG INTEGER, FGA INTEGER, FGpct REAL,
  FT INTEGER, FTA INTEGER, FTpct REAL, "3P" INTEGER, "3PA" INTEGER, "3Ppct" REAL, DoubleDoubles INTEGER,
  TripleDoubles INTEGER, Team TEXT,
  gamePoints INTEGER, gameRebounds INTEGER, gameAssists INTEGER, gameBlocks INTEGER, gameSteals INTEGER,
  gameTurnovers INTEGER, gameFG INTEGER, gameFGA INTEGER, gameFT INTEGER, gameFTA INTEGER, game3P INTEGER,
  game3PA INTEGER);

CREATE TABLE Player (ID INTEGER PRIMARY KEY, College TEXT, Name TEXT NOT NULL, Height INTEGER,
  Weight INTEGER, DisplayHeight TEXT, Age INTEGER, Team TEXT, LastTeam TEXT, LastFASeason INTEGER,
  HomeTeam TEXT, DefaultPosition TEXT, PositionNumber INTEGER, OriginalPosition INTEGER, Round INTEGER,
  Pick INTEGER, Experience INTEGER, Championships INTEGER, CAREERPOINTS INTEGER,
  contract1 INTEGER, contract2 INTEGER, contract3 INTEGER, contract4 INTEGER, contract5 INTEGER,
  contract6 INTEGER, contract7 INTEGER, contract8 INTEGER, LastSalary INTEGER, Exception INTEGER,
  Signday INTEGER, SignYear INTEGER, Resign INTEGER, BirdYears INTEGER, Injury TEXT, TimeInjured INTEGER,
  IR INTEGER, Potential INTEGER, KnownPotential INTEGER, Greed INTEGER, Happiness INTEGER, Loyalty INTEGER,
  Winner INTEGER, InsideScoring INTEGER, JumpShot INTEGER, ThreePointShot INTEGER, Scoring INTEGER,
  Handling INTEGER, Passing INTEGER, Quickness INTEGER, PostDefense INTEGER, PerimeterDefense INTEGER,
  DriveDefense INTEGER, Stealing INTEGER, ShotBlocking INTEGER, OffenseRebound INTEGER,
  DefenseRebound INTEGER, Jumping INTEGER, STAMINA INTEGER, Strength INTEGER, RatingInsideScoring INTEGER,
  RatingDefense INTEGER, RatingHandling INTEGER, RatingOutsideScoring INTEGER, RatingRebounding INTEGER,
  CurrentRating INTEGER, FutureRating INTEGER, HIGHASSISTS INTEGER, HIGHPOINTS INTEGER,
  HIGHREBOUNDS INTEGER, HIGHSTEALS INTEGER, HIGHBLOCKS INTEGER, PlayerOfGame INTEGER, PlayerOfWeek INTEGER,
  PlayerOfMonth INTEGER);

-- Player is the player's ID.
CREATE TABLE PlayerAwards (Season INTEGER NOT NULL, Award TEXT NOT NULL, Player INTEGER NOT NULL);

CREATE TABLE CareerStats (ID INTEGER PRIMARY KEY, Games INTEGER, GamesStarted INTEGER, Minutes INTEGER,
  FG INTEGER, FGA INTEGER, FT INTEGER, FTA INTEGER, "3P" INTEGER, "3PA" INTEGER, "FG%" REAL, "FT%" REAL,
  "3P%" REAL, Rebounds INTEGER, Assists INTEGER, Steals INTEGER, Blocks INTEGER, Turnovers INTEGER,
  Points INTEGER, Fouls INTEGER, DQ INTEGER, DoubleDoubles INTEGER, TripleDoubles INTEGER);

CREATE TABLE PlayerGameStats (ID INTEGER NOT NULL, SeasonDay INTEGER NOT NULL, Starter INTEGER,
  Minutes INTEGER, FG INTEGER, FGA INTEGER, FT INTEGER, FTA INTEGER, ThreeP INTEGER, ThreePA INTEGER,
  Rebounds INTEGER, Assists INTEGER, Steals INTEGER, Blocks INTEGER, Turnovers INTEGER, Points INTEGER,
  Fouls INTEGER, Team TEXT, Opponent TEXT);

CREATE TABLE SeasonStats (ID INTEGER NOT NULL, Season INTEGER NOT NULL, Team TEXT, Games INTEGER,
  Minutes INTEGER, FG INTEGER, FGA INTEGER, FT INTEGER, FTA INTEGER, "3P" INTEGER, "3PA" INTEGER,
  Rebounds INTEGER, Assists INTEGER, Steals INTEGER, Blocks INTEGER, Turnovers INTEGER, Points INTEGER,
  Fouls INTEGER, DQ INTEGER, DoubleDoubles INTEGER, TripleDoubles INTEGER, mpg REAL, "FG%" REAL, "FT%" REAL,
  "3P%" REAL, rpg REAL, apg REAL, bpg REAL, ppg REAL, tpg REAL, spg REAL);

CREATE TABLE PlayoffStats (ID INTEGER NOT NULL, Season INTEGER NOT NULL, Team TEXT, Games INTEGER,
  Minutes INTEGER, FG INTEGER, FGA INTEGER, FT INTEGER, FTA INTEGER, "3P" INTEGER, "3PA" INTEGER,
  Rebounds INTEGER, Assists INTEGER, Steals INTEGER, Blocks INTEGER, Turnovers INTEGER, Points INTEGER,
  Fouls INTEGER, DQ INTEGER, DoubleDoubles INTEGER, TripleDoubles INTEGER, mpg REAL, "FG%" REAL, "FT%" REAL,
  "3P%" REAL, rpg REAL, apg REAL, bpg REAL, ppg REAL, tpg REAL, spg REAL);

-- SeriesID: 1-4 East first round, 5-8 West, 9-10 East semi-finals, 11-12 West, 13 East final, 14 West
-- final, 15 the finals.
CREATE TABLE Playoffs (SeriesID INTEGER PRIMARY KEY, Games INTEGER, Team1 TEXT, wins1 INTEGER, Team2 TEXT,
  wins2 INTEGER);

-- A retired player's ID is the slot he held; slots are reused, so it is no key.
CREATE TABLE RetiredPlayer (ID INTEGER NOT NULL, Name TEXT NOT NULL, Weight INTEGER, DisplayHeight TEXT,
  DefaultPosition TEXT, Round INTEGER, Pick INTEGER, Experience INTEGER, CAREERPOINTS INTEGER,
  RetiredSeason INTEGER);

CREATE TABLE RetiredPlayerAwards (Season INTEGER NOT NULL, Award TEXT NOT NULL, Player INTEGER NOT NULL);

CREATE TABLE RetiredCareerStats (ID INTEGER NOT NULL, Games INTEGER, GamesStarted INTEGER, Minutes INTEGER,
  FG INTEGER, FGA INTEGER, FT INTEGER, FTA INTEGER, "3P" INTEGER, "3PA" INTEGER, "FG%" REAL, "FT%" REAL,
  "3P%" REAL, Rebounds INTEGER, Assists INTEGER, Steals INTEGER, Blocks INTEGER, Turnovers INTEGER,
  Points INTEGER, DoubleDoubles INTEGER, TripleDoubles INTEGER, Championships INTEGER,
  PlayerOfGame INTEGER, PlayerOfWeek INTEGER, PlayerOfMonth INTEGER);

CREATE TABLE RetiredStats (ID INTEGER NOT NULL, Season INTEGER NOT NULL, Team TEXT, Games INTEGER,
  Minutes INTEGER, FG INTEGER, FGA INTEGER, FT INTEGER, FTA INTEGER, "3P" INTEGER, "3PA" INTEGER,
  Rebounds INTEGER, Assists INTEGER, Steals INTEGER, Blocks INTEGER, Turnovers INTEGER, Points INTEGER,
  DoubleDoubles INTEGER, TripleDoubles INTEGER, mpg REAL, "FG%" REAL, "FT%" REAL, "3P%" REAL, rpg REAL,
  apg REAL, bpg REAL, ppg REAL, tpg REAL, spg REAL);

CREATE TABLE Schedule (Day INTEGER NOT NULL, PlayerOfGame TEXT, Home TEXT NOT NULL, HomeScore INTEGER,
  Away TEXT NOT NULL, AwayScore INTEGER, BoxName TEXT NOT NULL,
  homeq1 INTEGER, homeq2 INTEGER, homeq3 INTEGER, homeq4 INTEGER, homeOT INTEGER,
  awayq1 INTEGER, awayq2 INTEGER, awayq3 INTEGER, awayq4 INTEGER, awayOT INTEGER,
  PlayerOfGameID INTEGER, HomePointsID INTEGER, HomePoints INTEGER, HomeRebID INTEGER, HomeRebs INTEGER,
  HomeAssistID INTEGER, HomeAssists INTEGER, AwayPointsID INTEGER, AwayPoints INTEGER, AwayRebID INTEGER,
  AwayRebs INTEGER, AwayAssistID INTEGER, AwayAssists INTEGER);

CREATE TABLE Awards (Season INTEGER NOT NULL, Award TEXT NOT NULL, Player TEXT, Position TEXT, Team TEXT);

CREATE TABLE FirstOverallPicks (Season INTEGER NOT NULL, PlayerID INTEGER, Player TEXT, Position TEXT,
  Team TEXT);

CREATE TABLE Champs (Season INTEGER PRIMARY KEY, Champ TEXT, Loser TEXT, ChampWins INTEGER,
  LoserWins INTEGER);

CREATE TABLE InSeasonAwards (Season INTEGER NOT NULL, week INTEGER NOT NULL, PlayerID INTEGER, Player TEXT,
  Team TEXT, Award TEXT NOT NULL);

-- TeamName is the team's city and name as it was that season; teamID the team of that name now (NULL when
-- no team of the league has it any more).
CREATE TABLE PastStandings (Season INTEGER NOT NULL, teamID INTEGER, TeamName TEXT NOT NULL, Wins INTEGER,
  Losses INTEGER, HomeRecord TEXT, Division TEXT, "Win%" REAL);

CREATE TABLE SeasonInfo (SalaryCap INTEGER, Season INTEGER, SeasonDay INTEGER);

CREATE TABLE Team (ID INTEGER PRIMARY KEY, City TEXT, Name TEXT NOT NULL, Conference TEXT, Division TEXT,
  Owner TEXT, CoachTeam INTEGER, DraftFocus INTEGER, GB REAL, ConfGB REAL, DivRank INTEGER, ConfRank INTEGER,
  pbp INTEGER, DraftRank REAL, TeamRating INTEGER, Championships INTEGER, Playoffs INTEGER,
  LastPlayoffYear INTEGER, FinalsAppearances INTEGER, OldWinRating INTEGER, WinRating INTEGER,
  NumPlayers INTEGER, ActivePlayers INTEGER, TotalSalary INTEGER, CutSalary INTEGER, CutSalary2 INTEGER,
  CutSalary3 INTEGER, CutSalary4 INTEGER, CutSalary5 INTEGER, CutSalary6 INTEGER, CutSalary7 INTEGER,
  CutSalary8 INTEGER, UsedMidException INTEGER, UsedLowException INTEGER, Streak INTEGER, HomeWins INTEGER,
  RoadWins INTEGER, HomeLosses INTEGER, RoadLosses INTEGER, TotalWins INTEGER, TotalLosses INTEGER,
  PlayoffWins INTEGER, PlayoffLosses INTEGER, "Win%" REAL, Points INTEGER, PointsAllowed INTEGER,
  Steals INTEGER, Assists INTEGER, Rebounds INTEGER, Blocks INTEGER, Turnovers INTEGER, FG INTEGER,
  FGA INTEGER, FT INTEGER, FTA INTEGER, "3P" INTEGER, "3PA" INTEGER, FGAallowed INTEGER, FGallowed INTEGER,
  FTAallowed INTEGER, FTallowed INTEGER, "3PAallowed" INTEGER, "3Pallowed" INTEGER, StealsAllowed INTEGER,
  AssistsAllowed INTEGER, ReboundsAllowed INTEGER, BlocksAllowed INTEGER, TurnoversAllowed INTEGER,
  C1 INTEGER, C2 INTEGER, C3 INTEGER, PF1 INTEGER, PF2 INTEGER, PF3 INTEGER, SF1 INTEGER, SF2 INTEGER,
  SF3 INTEGER, SG1 INTEGER, SG2 INTEGER, SG3 INTEGER, PG1 INTEGER, PG2 INTEGER, PG3 INTEGER,
  keyplayer1 INTEGER, keyplayer2 INTEGER, keyplayer3 INTEGER, Cs INTEGER, PFs INTEGER, SFs INTEGER,
  SGs INTEGER, PGs INTEGER, Pace INTEGER, Press INTEGER, Trap INTEGER, Offense INTEGER);

CREATE TABLE SeasonRecordByOpponent (teamID INTEGER NOT NULL, OppID INTEGER NOT NULL, Wins INTEGER,
  Losses INTEGER, PRIMARY KEY (teamID, OppID));

CREATE TABLE TotalRecordByOpponent (teamID INTEGER NOT NULL, OppID INTEGER NOT NULL, Wins INTEGER,
  Losses INTEGER, PRIMARY KEY (teamID, OppID));

CREATE TABLE TeamRecords (Team TEXT NOT NULL, RecordTitle TEXT NOT NULL, Record INTEGER, Season INTEGER);

CREATE TABLE TeamPlayerRecords (Team TEXT NOT NULL, RecordTitle TEXT NOT NULL, Player TEXT, Record INTEGER,
  Season INTEGER);

CREATE TABLE AllTeamRecords (Team TEXT, Season INTEGER, Record INTEGER, RecordTitle TEXT NOT NULL);

CREATE TABLE Transactions (ID INTEGER PRIMARY KEY, Season INTEGER, Day INTEGER, Action TEXT, Team TEXT);

-- The joins users make most.
CREATE INDEX PlayerTeam ON Player (Team);
CREATE INDEX PlayerAwardsPlayer ON PlayerAwards (Player);
CREATE INDEX PlayerGameStatsID ON PlayerGameStats (ID, SeasonDay);
CREATE INDEX SeasonStatsID ON SeasonStats (ID, Season);
CREATE INDEX SeasonStatsSeason ON SeasonStats (Season);
CREATE INDEX PlayoffStatsID ON PlayoffStats (ID, Season);
CREATE INDEX RetiredPlayerID ON RetiredPlayer (ID);
CREATE INDEX RetiredPlayerAwardsPlayer ON RetiredPlayerAwards (Player);
CREATE INDEX RetiredCareerStatsID ON RetiredCareerStats (ID);
CREATE INDEX RetiredStatsID ON RetiredStats (ID, Season);
CREATE INDEX ScheduleDay ON Schedule (Day);
CREATE INDEX ScheduleHome ON Schedule (Home);
CREATE INDEX ScheduleAway ON Schedule (Away);
CREATE INDEX AwardsSeason ON Awards (Season, Award);
CREATE INDEX InSeasonAwardsSeason ON InSeasonAwards (Season, Award);
CREATE INDEX PastStandingsTeam ON PastStandings (teamID, Season);
CREATE INDEX PlayerRecordsTitle ON PlayerRecords (RecordTitle, Rank);
CREATE INDEX TransactionsTeam ON Transactions (Team, Season, Day);
CREATE INDEX TeamName ON Team (Name);

COMMIT;
