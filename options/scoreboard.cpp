#include "options/scoreboard.h"

#include <algorithm>

#include "options/filetexts.h"
#include "options/reports.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

// Names are cut and padded by characters, never inside the bytes of one.
std::string scoreboardName(const std::string& userName)
{
    std::string name = userName;
    const std::size_t length = characterCount(name);
    if (length < 15)
        padCharacters(name, 15);
    else if (length > 15)
        eraseCharacters(name, 15, 10);
    return name;
}

std::string scoreboardEntry(const std::string& userName, const std::string& date, const std::string& scoreText)
{
    std::string line = scoreboardName(userName);
    const std::size_t dateLength = characterCount(date);
    if (dateLength >= 6 && dateLength <= 8)
        line += std::string(8 - dateLength, ' ') + date + std::string(6, ' ');
    if (scoreText.empty())
        return line;
    line = "  " + line;
    appendScore(line, scoreText);
    return line;
}

std::optional<int> entryValue(const std::string& line)
{
    // Six characters are a score of -10000 and below: a blank, a minus and five digits.
    if (line.size() >= 6 && (line.size() == 6 || line[line.size() - 7] == ' ')) {
        const std::string six = line.substr(line.size() - 6);
        if (six[0] == '-' && six.find_first_not_of("0123456789", 1) == std::string::npos)
            return parseNumber(six);
    }
    // Otherwise the whole five-place column counts: a score like -1000 fills all five places, and
    // reading only four of them would rank it as 1000.
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
    // Empty lines at the end (an editor leaves one) are no part of the board.
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
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

std::vector<std::string> scoreboardHeading(const Catalogue& texts)
{
    std::vector<std::string> lines = {"  " + columnLabel(texts, TX("name"), 16) + columnLabel(texts, TX("date"), 14)
                                          + columnLabel(texts, TX("score"), 5, true),
                                      " "};
    lines.resize(lines.size() + scoreboardPlaces);
    return lines;
}

// Every message about the board names its file; the folder is always the program's own.
static void tellAboutBoard(Dialogs& dialogs, const std::string& message)
{
    dialogs.message(message, MessageKind::Error);
}

std::string quotedLine(const std::string& line)
{
    const std::size_t shown = 80;
    if (characterCount(line) <= shown)
        return "\"" + line + "\"";
    return "\"" + firstCharacters(line, shown) + "\"...";
}

// Why the board could not be taken in, as it follows the file's name in a message; empty when it
// could.
static std::string readProblem(const Catalogue& texts, const ReadResult& read)
{
    switch (read.status) {
    case ReadStatus::Ok:
    case ReadStatus::Missing:
        return {};
    case ReadStatus::TooLarge:
        return tx(texts, "is larger than any board this program writes");
    case ReadStatus::NotAFile:
        return tx(texts, "is not a regular file");
    case ReadStatus::Unreadable:
        break;
    }
    return tx(texts, "could not be read ({1})", {texts.text(read.error)});
}

bool updateScoreboard(const Options& options, Dialogs& dialogs, Control& memo, const std::string& userName,
                      const std::string& date, const std::string& scoreText)
{
    const std::string path = options.path(scoreboardFile);
    // Another copy of the program in the same folder waits until this update is written.
    const FolderLock lock(options.programDirectory);
    ReadResult read = readLines(path, largestScoreboard);
    const Catalogue& texts = options.texts();
    if (const std::string problem = readProblem(texts, read); !problem.empty()) {
        tellAboutBoard(dialogs,
                       tx(texts,
                          "The scoreboard file {1} {2}, so this score was not entered. The file was left as "
                          "it was.",
                          {scoreboardFile, problem}));
        return false;
    }
    const std::vector<std::string>& board = read.lines;
    BoardUpdate update = insertEntry(board, scoreboardEntry(userName, date, scoreText), parseNumber(scoreText));
    if (!update.ok) {
        tellAboutBoard(
            dialogs,
            tx(texts,
               "The scoreboard file {1} is damaged: line {2} ({3}) does not end in a score. This "
               "score was not entered and the file was left as it was. \"Clear Scorebrd\" on the "
               "Program Options page starts a new board.",
               {scoreboardFile, std::to_string(update.damagedLine + 1), quotedLine(board[update.damagedLine])}));
        return false;
    }
    std::string error;
    if (!writeLinesAtomic(path, update.lines, error)) {
        tellAboutBoard(dialogs,
                       tx(texts,
                          "The scoreboard file {1} could not be saved in the program folder: {2}. The file "
                          "was left as it was.",
                          {scoreboardFile, texts.text(error)}));
        return false;
    }
    memo.setLines(std::move(update.lines));
    return true;
}

void scoreboardFormShow(const Options& options, Dialogs& dialogs, ScoreboardView view)
{
    view.activeControl = view.okButton.name();
    ReadResult read = readLines(options.path(scoreboardFile), largestScoreboard);
    const Catalogue& texts = options.texts();
    if (const std::string problem = readProblem(texts, read); !problem.empty()) {
        tellAboutBoard(dialogs, tx(texts, "The scoreboard file {1} {2}.", {scoreboardFile, problem}));
        return;
    }
    if (read.ok)
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
    const Catalogue& texts = options.texts();
    if (!dialogs.confirm(tx(texts, "Delete scores on the scoreboard?")))
        return;
    const FolderLock lock(options.programDirectory);
    std::string error;
    if (!writeLinesAtomic(options.path(scoreboardFile), {}, error))
        tellAboutBoard(dialogs,
                       tx(texts,
                          "The scoreboard file {1} could not be cleared in the program folder: {2}. The file "
                          "was left as it was.",
                          {scoreboardFile, texts.text(error)}));
}

} // namespace defib
