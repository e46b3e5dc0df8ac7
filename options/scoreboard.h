#pragma once

#include <optional>
#include <string>
#include <vector>

#include "options/control.h"
#include "options/options.h"
#include "options/platform.h"

namespace defib {

// The ten best practice scores, one ready-formatted line each, best first. Lines after the tenth
// hold a single space: one is left behind for every entry pushed off the board.

inline constexpr const char* scoreboardFile = "SCOREBRD.DAT";
inline constexpr std::size_t scoreboardPlaces = 10;

// The name as the board shows it: padded to 15, and characters 16 to 25 of a longer name dropped.
std::string scoreboardName(const std::string& userName);
// "  " + name + date right-aligned in 8 + six spaces + score right-aligned in 5. A date of another
// length than 6 to 8 characters leaves out the date and the six spaces; no score leaves out the
// score and the two leading spaces, and a score of six characters takes the last of the six spaces.
std::string scoreboardEntry(const std::string& userName, const std::string& date, const std::string& scoreText);

// The score an entry stands for: a minus and five digits at its end, or else its five-place score
// column, blanks in front allowed. Nothing when they hold no whole number.
std::optional<int> entryValue(const std::string& line);

struct BoardUpdate {
    bool ok = true;
    std::vector<std::string> lines;
    // When not ok: the line (from 0) whose score could not be read.
    std::size_t damagedLine = 0;
};

// A damaged line as a message quotes it: its first 80 characters at most.
std::string quotedLine(const std::string& line);

// Puts the entry in its place: below every entry with the same or a higher score; on a full board
// only a score above the tenth gets in. Every line from the eleventh on becomes " ". Empty lines
// at the end of the board are dropped.
BoardUpdate insertEntry(const std::vector<std::string>& board, const std::string& entry, int score);

// The scoreboard window and what it touches of the windows around it.
struct ScoreboardView {
    Control& window;
    Control& memo;
    Control& okButton;
    // Where the keyboard focus of the scoreboard window is.
    std::string& activeControl;
    bool& stayOnTop;
    Control& summaryWindow;
    Control& mainMenu;
};

// The memo before any file has been loaded: the heading, a blank line and ten empty places. The
// heading's names keep their widths in every language (columnLabel).
std::vector<std::string> scoreboardHeading(const Catalogue& texts = {});

// Enters a finished practice scenario: reads the board, inserts the entry and replaces the file
// whole. The working list is `memo`. A damaged or unreadable board, or a file that cannot be
// written, leaves the file as it was and says so; false then. The name passed in is not changed.
bool updateScoreboard(const Options& options, Dialogs& dialogs, Control& memo, const std::string& userName,
                      const std::string& date, const std::string& scoreText);

// Shows the window with the board as the file holds it; without a file the memo keeps its text.
void scoreboardFormShow(const Options& options, Dialogs& dialogs, ScoreboardView view);
// OK and the window frame's close: the summary window is usable again and, when the board was
// opened from it, shown again.
void scoreboardOKButtonClick(ScoreboardView view);
void scoreboardFormClose(ScoreboardView view);

// "Clear Scorebrd": after a Yes, the board in the program directory is empty.
void CLEARSCOREBOARDClick(const Options& options, Dialogs& dialogs);

} // namespace defib
