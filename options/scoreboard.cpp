#include "options/scoreboard.h"

#include <algorithm>

#include "options/textfile.h"

namespace defib {

std::string scoreboardName(const std::string& userName)
{
    std::string name = userName;
    if (name.size() < 15)
        name.resize(15, ' ');
    else if (name.size() > 15)
        name.erase(15, 10);
    return name;
}

std::string scoreboardEntry(const std::string& userName, const std::string& date, const std::string& scoreText)
{
    std::string line = scoreboardName(userName);
    if (date.size() >= 6 && date.size() <= 8)
        line += std::string(8 - date.size(), ' ') + date + std::string(6, ' ');
    if (!scoreText.empty() && scoreText.size() <= 5)
        line = "  " + line + std::string(5 - scoreText.size(), ' ') + scoreText;
    return line;
}

std::optional<int> entryValue(const std::string& line)
{
    // The whole score column counts: a score like -1000 fills all five places, and reading only
    // four of them would rank it as 1000.
    std::string column = line.size() > 5 ? line.substr(line.size() - 5) : line;
    const std::size_t first = column.find_first_not_of(' ');
    column = first == std::string::npos ? std::string() : column.substr(first);
    if (!isNumber(column))
        return std::nullopt;
    return parseNumber(column);
}

namespace {
// From line `from` upwards, the first entry at least as good as the new one gets it below it; with
// none, the new entry leads the board.
bool insertBelowBetter(BoardUpdate& update, std::size_t from, const std::string& entry, int score)
{
    std::vector<std::string>& lines = update.lines;
    for (std::size_t i = from + 1; i-- > 0;) {
        std::optional<int> value = entryValue(lines[i]);
        if (!value) {
            update.ok = false;
            update.damagedLine = i;
            return false;
        }
        if (*value >= score) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i + 1), entry);
            return true;
        }
    }
    lines.insert(lines.begin(), entry);
    return true;
}
} // namespace

BoardUpdate insertEntry(const std::vector<std::string>& board, const std::string& entry, int score)
{
    BoardUpdate update;
    update.lines = board;
    std::vector<std::string>& lines = update.lines;
    if (lines.empty() || lines.front().empty()) {
        // An empty first line is an empty board; anything after it would be lost by starting anew.
        auto content = std::find_if(lines.begin(), lines.end(), [](const std::string& line) { return !line.empty(); });
        if (content != lines.end()) {
            update.ok = false;
            update.damagedLine = 0;
            return update;
        }
        lines = {entry};
        return update;
    }
    // Ten entries make a full board: a score that is no better than the tenth stays off and the
    // file keeps its lines, as it does once place holders follow.
    if (lines.size() < scoreboardPlaces) {
        if (!insertBelowBetter(update, lines.size() - 1, entry, score))
            return update;
    } else {
        std::optional<int> last = entryValue(lines[scoreboardPlaces - 1]);
        if (!last) {
            update.ok = false;
            update.damagedLine = scoreboardPlaces - 1;
            return update;
        }
        if (*last < score && !insertBelowBetter(update, scoreboardPlaces - 1, entry, score))
            return update;
    }
    for (std::size_t i = scoreboardPlaces; i < lines.size(); ++i)
        lines[i] = " ";
    return update;
}

std::vector<std::string> scoreboardHeading()
{
    std::vector<std::string> lines = {"  name            date          score", " "};
    lines.resize(lines.size() + scoreboardPlaces);
    return lines;
}

// Every message about the board names its file; the folder is always the program's own.
static void tellAboutBoard(Dialogs& dialogs, const std::string& what)
{
    dialogs.message(std::string("The scoreboard file ") + scoreboardFile + " " + what, MessageKind::Error);
}

bool updateScoreboard(const Options& options, Dialogs& dialogs, Control& memo, const std::string& userName,
                      const std::string& date, const std::string& scoreText)
{
    const std::string path = options.path(scoreboardFile);
    std::vector<std::string> board;
    if (fileExists(path)) {
        ReadResult read = readLines(path);
        if (!read.ok) {
            tellAboutBoard(dialogs, "could not be read, so this score was not entered. The file was left as it was.");
            return false;
        }
        board = std::move(read.lines);
    }
    BoardUpdate update = insertEntry(board, scoreboardEntry(userName, date, scoreText), parseNumber(scoreText));
    if (!update.ok) {
        tellAboutBoard(dialogs,
                       "is damaged: line " + std::to_string(update.damagedLine + 1) + " (\"" + board[update.damagedLine]
                           + "\") does not end in a score. This score was not entered and the file was left as it was. "
                             "\"Clear Scorebrd\" on the Program Options page starts a new board.");
        return false;
    }
    std::string error;
    if (!writeLinesAtomic(path, update.lines, error)) {
        tellAboutBoard(dialogs,
                       "could not be saved in the program folder: " + error + ". The file was left as it was.");
        return false;
    }
    memo.setLines(update.lines);
    return true;
}

void scoreboardFormShow(const Options& options, Dialogs& dialogs, ScoreboardView view)
{
    view.activeControl = view.okButton.name();
    const std::string path = options.path(scoreboardFile);
    if (!fileExists(path))
        return;
    ReadResult read = readLines(path);
    if (!read.ok) {
        tellAboutBoard(dialogs, "could not be read.");
        return;
    }
    view.memo.setLines(std::move(read.lines));
}

void scoreboardFormClose(ScoreboardView view)
{
    // Only the board opened from the summary window stays above it; closing it goes back to the
    // summary. Opened from the main menu it shows no summary, whatever else is on screen.
    const bool openedFromSummary = view.stayOnTop;
    view.summaryWindow.enabled = true;
    view.stayOnTop = false;
    view.window.visible = false;
    if (openedFromSummary)
        view.summaryWindow.visible = true;
}

void scoreboardOKButtonClick(ScoreboardView view)
{
    scoreboardFormClose(view);
}

void CLEARSCOREBOARDClick(const Options& options, Dialogs& dialogs)
{
    if (!dialogs.confirm("Delete scores on the scoreboard?"))
        return;
    std::string error;
    if (!writeLinesAtomic(options.path(scoreboardFile), {}, error))
        tellAboutBoard(dialogs,
                       "could not be cleared in the program folder: " + error + ". The file was left as it was.");
}

} // namespace defib
