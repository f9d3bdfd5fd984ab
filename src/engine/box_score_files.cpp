#include "engine/box_score_files.h"

#include <fstream>

namespace fs = std::filesystem;

namespace hv {

fs::path GameOutputFolder(const League& league, const FinishedGame& game) {
    if (game.Type == GameType::Exhibition) return league.LeagueFolderOf("default");
    return league.LeagueFolderOf(league.state.LeagueName);
}

std::string GameTextFileName(const FinishedGame& game) {
    if (game.Type == GameType::Rookie) return "AllStar-Rookie.txt";
    if (game.Type == GameType::AllStar) return "AllStar-Regular.txt";
    if (game.Type == GameType::Exhibition) return "0-0.txt";
    return std::to_string(game.SeasonDay) + "-" + std::to_string(game.GameNumber) + ".txt";
}

fs::path BoxFilePath(const League& league, const FinishedGame& game) {
    return GameOutputFolder(league, game) / "box" / GameTextFileName(game);
}

fs::path PbpFilePath(const League& league, const FinishedGame& game) {
    return GameOutputFolder(league, game) / "pbp" / GameTextFileName(game);
}

fs::path HtmlBoxPath(const League& league, const FinishedGame& game) {
    fs::path boxes = GameOutputFolder(league, game) / "html" / "boxes";
    if (game.Type == GameType::Rookie) return boxes / "rookiegame.html";
    if (game.Type == GameType::AllStar) return boxes / "allstar.html";
    if (game.Type == GameType::Exhibition) return {};
    return boxes / (std::to_string(game.SeasonDay) + "-" + std::to_string(game.GameNumber) + ".html");
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 1;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::optional<std::vector<std::string>> ReadTextLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) return std::nullopt;
    return lines;
}

std::optional<BoxScore> ReadBoxScoreFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    std::optional<std::vector<std::string>> lines = ReadTextLines(file);
    if (!lines) return std::nullopt;
    return ParseBoxScore(*lines);
}

} // namespace hv
