#include "reports/csv_export.h"

#include <fstream>
#include <functional>

#include "league/ratings.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

const std::string kStatisticsHeader =
    "Name,Position,Team,Games,Minutes,FG,FGA,FT,FTA,3P,3PA,Rebounds,Assists,"
    "Steals,Blocks,Turnovers,Fouls,Points";
const std::string kAttributesHeader = "Name,Position,Team,Age,Height,Weight,Inside Scoring,Outside Scoring,"
                                      "Handling,Defense,Rebounding,Potential,Salary1,Salary2,Salary3,Salary4,"
                                      "Salary5,Salary6,Salary7";
const std::string kLeagueImportHeader = "FirstName,LastName,Height,Weight,Age,Position,College,Experience,"
                                        "Team,InsideScoring,Jumpshot,3P,Handling,"
                                        "Passing,Quickness,PostD,PerimeterD,DriveD,Stealing,Blocking,Oreb,"
                                        "Dreb,Jumping,Strength,Potential,Salary1,"
                                        "Salary2,Salary3,Salary4,Salary5,Salary6,Salary7";
const std::string kDraftFileHeader =
    "FirstName,LastName,Height,Weight,Age,Position,College,InsideScoring,Jumpshot,3P,Handling,Passing,"
    "Quickness,PostD,PerimeterD,DriveD,Stealing,Blocking,Oreb,Dreb,Jumping,Strength,Potential";

// Joins values with single commas.
class Line {
  public:
    Line& operator<<(const std::string& text) {
        if (!first_) text_ += ',';
        first_ = false;
        text_ += text;
        return *this;
    }
    Line& operator<<(long long value) { return *this << std::to_string(value); }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
    bool first_ = true;
};

// The raw ratings of the league-import and draft files, in column order.
void AddRawRatings(Line& line, const Player& p) {
    for (int16_t value : {p.InsideScoring, p.JumpShot, p.ThreePointShot, p.Handling, p.Passing, p.Quickness,
                          p.PostDefense, p.PerimeterDefense, p.DriveDefense, p.Stealing, p.ShotBlocking,
                          p.OffenseRebound, p.DefenseRebound, p.Jumping, p.Strength})
        line << value;
    line << p.Potential;
}

void AddNameAndBody(Line& line, const Player& p) {
    line << FirstName(p.Name) << LastName(p.Name) << p.Height << p.Weight << p.Age << p.DefaultPosition
         << CollegeWithoutCommas(p.College);
}

void AddSalaries(Line& line, const Player& p) {
    for (int year = 1; year <= 7; ++year)
        line << p.Contract(year);
}

std::string FilePart(CsvKind kind, const League& league) {
    switch (kind) {
    case CsvKind::Statistics:
        return "Stats.csv";
    case CsvKind::Attributes:
        return "Attributes.csv";
    case CsvKind::LeagueImport:
        return "LeagueImport" + std::to_string(league.state.Season) + ".csv";
    case CsvKind::DraftFile:
        return "DraftFile" + std::to_string(league.state.Season) + ".txt";
    }
    return {};
}

// One file to write: where, and which players go into it.
struct CsvFile {
    fs::path path;
    std::function<bool(const Player&)> keep;
};

std::vector<CsvFile> PlanFiles(const League& league, CsvKind kind, const std::string& scope) {
    const fs::path folder = OutputFolder(league);
    const std::string prefix = league.state.LeagueName;
    auto ofTeam = [&](const std::string& team) {
        return CsvFile{folder / (prefix + team + FilePart(kind, league)),
                       [team](const Player& p) { return p.Team == team; }};
    };
    std::vector<CsvFile> files;
    if (kind == CsvKind::LeagueImport) {
        files.push_back({folder / (prefix + FilePart(kind, league)), [](const Player&) { return true; }});
    } else if (kind == CsvKind::DraftFile) {
        files.push_back(
            {folder / (prefix + FilePart(kind, league)), [](const Player& p) { return p.Team == kDraft; }});
    } else if (scope == "All") {
        const bool stats = kind == CsvKind::Statistics;
        files.push_back({folder / (prefix + (stats ? "AllPlayerStats.csv" : "AllPlayerAttributes.csv")),
                         [stats](const Player& p) { return !stats || p.Team != kDraft; }});
    } else if (scope == "All Teams") {
        for (int t = 1; t <= kLeagueTeams; ++t)
            files.push_back(ofTeam(league.team(t).Name));
    } else if (scope == kDraft || scope == kFreeAgent || league.FindTeam(scope) != 0) {
        files.push_back(ofTeam(scope));
    }
    return files;
}

bool WriteFile(const League& league, CsvKind kind, const CsvFile& file) {
    std::ofstream out(file.path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << CsvHeader(kind) << "\r\n";
    if (kind == CsvKind::LeagueImport || kind == CsvKind::DraftFile) out << " \r\n";
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || !file.keep(p)) continue;
        out << CsvPlayerLine(p, kind) << "\r\n";
    }
    out.close();
    return static_cast<bool>(out);
}

} // namespace

const std::vector<std::string>& CsvKindItems() {
    static const std::vector<std::string> items{"Statistics", "Attributes", "League Import", "Draft File"};
    return items;
}

std::vector<std::string> CsvScopeItems(const League& league) {
    std::vector<std::string> items{"All", "All Teams", kDraft, kFreeAgent};
    for (int t = 1; t <= kLeagueTeams; ++t)
        items.push_back(league.team(t).Name);
    return items;
}

const std::string& CsvHeader(CsvKind kind) {
    switch (kind) {
    case CsvKind::Statistics:
        return kStatisticsHeader;
    case CsvKind::Attributes:
        return kAttributesHeader;
    case CsvKind::LeagueImport:
        return kLeagueImportHeader;
    case CsvKind::DraftFile:
        break;
    }
    return kDraftFileHeader;
}

std::string CollegeWithoutCommas(std::string college) {
    for (auto comma = college.find(','); comma != std::string::npos; comma = college.find(','))
        college.erase(comma, 1);
    return college;
}

std::string CsvPlayerLine(const Player& p, CsvKind kind) {
    Line line;
    switch (kind) {
    case CsvKind::Statistics: {
        const SeasonTotals& s = p.SeasonStats;
        line << p.Name << p.DefaultPosition << p.Team;
        for (int16_t value : {s.Games, s.Minutes, s.FG, s.FGA, s.FT, s.FTA, s.ThreeP, s.ThreePA, s.Rebounds,
                              s.Assists, s.Steals, s.Blocks, s.Turnovers, s.Fouls, s.Points})
            line << value;
        break;
    }
    case CsvKind::Attributes:
        line << p.Name << p.DefaultPosition << p.Team << p.Age << p.Height << p.Weight;
        for (int16_t value : {p.RatingInsideScoring, p.RatingOutsideScoring, p.RatingHandling,
                              p.RatingDefense, p.RatingRebounding})
            line << LetterGrade(value);
        line << p.PotentialGrade;
        AddSalaries(line, p);
        break;
    case CsvKind::LeagueImport:
        AddNameAndBody(line, p);
        line << p.Experience << p.Team;
        AddRawRatings(line, p);
        AddSalaries(line, p);
        break;
    case CsvKind::DraftFile:
        AddNameAndBody(line, p);
        AddRawRatings(line, p);
        break;
    }
    return line.Text();
}

fs::path OutputFolder(const League& league) {
    return league.programFolder / "output";
}

std::vector<fs::path> CsvExportFiles(const League& league, CsvKind kind, const std::string& scope) {
    std::vector<fs::path> paths;
    for (const CsvFile& file : PlanFiles(league, kind, scope))
        paths.push_back(file.path);
    return paths;
}

std::vector<fs::path> ExportCsv(const League& league, Host& host, CsvKind kind, const std::string& scope) {
    if (kind == CsvKind::LeagueImport && !league.state.CommissionerRights) {
        host.ShowMessage(kLeagueImportRefusal, "CSV Output", MessageIcon::Warning);
        return {};
    }
    if (kind == CsvKind::DraftFile && !league.state.CommissionerRights) {
        host.ShowMessage(kDraftFileRefusal, "CSV Output", MessageIcon::Warning);
        return {};
    }
    const std::vector<CsvFile> files = PlanFiles(league, kind, scope);
    if (files.empty()) {
        host.ShowMessage("There is no team " + scope +
                             " in this league; choose All, All Teams, Draft, FA or a "
                             "team's name.",
                         "CSV Output", MessageIcon::Warning);
        return {};
    }
    std::error_code ec;
    fs::create_directories(OutputFolder(league), ec);
    std::vector<fs::path> written;
    for (const CsvFile& file : files) {
        if (!WriteFile(league, kind, file)) {
            host.ShowMessage("The file " + file.path.string() + " could not be written.", "Error",
                             MessageIcon::Critical);
            return {};
        }
        written.push_back(file.path);
    }
    host.ShowMessage("Output Complete. File created in folder " + OutputFolder(league).string() + ".",
                     "CSV Output", MessageIcon::Information);
    return written;
}

} // namespace hv
