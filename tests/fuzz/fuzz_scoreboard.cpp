// The scoreboard as any bytes: an update either enters the score or leaves the file byte for byte
// as it was; and a board the program wrote itself, from an empty one, takes every next score.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzfolder.h"
#include "options/scoreboard.h"
#include "options/textfile.h"
#include "options/utf8.h"

using namespace defib;
using namespace defib::fuzz;

namespace {
const FuzzFolder folder;

// Reads the fuzzer's bytes as the entries of a run of the program: a name of printable
// characters (as registration leaves it), a date of the wall clock and a 16-bit score.
struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    std::string name()
    {
        std::string text;
        for (std::size_t length = byte() % 32; length > 0 && more(); --length) {
            const std::uint8_t c = byte();
            if (c >= 0x20 && c != 0x7F)
                text += static_cast<char>(c);
        }
        // Registration keeps whole characters only.
        std::string valid;
        for (std::size_t i = 0; i < text.size(); i += characterLength(text, i))
            if (characterLength(text, i) > 1 || static_cast<unsigned char>(text[i]) < 0x80)
                valid += text.substr(i, characterLength(text, i));
        return valid;
    }
    int score()
    {
        const auto high = byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | byte()));
    }
};

const char* const dates[] = {"1/7/26", "12/7/26", "12/17/26", "2026-12-07", "07.12.26"};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CountedDialogs dialogs;
    Options options(dialogs);
    options.programDirectory = folder.path();
    Control memo{"Memo1"};

    // Any file: entered, or not touched at all.
    folder.empty();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    folder.write(scoreboardFile, bytes);
    const int score = size >= 2 ? static_cast<std::int16_t>(data[0] << 8 | data[1]) : 0;
    if (updateScoreboard(options, dialogs, memo, "Trainee", "12/7/26", std::to_string(score))) {
        if (dialogs.messages != 0)
            broken("an entered score gives no message");
        const std::vector<std::string> lines = splitLines(folder.read(scoreboardFile));
        for (std::size_t i = scoreboardPlaces; i < lines.size(); ++i)
            if (lines[i] != " ")
                broken("every line after the tenth is a place holder");
    } else if (folder.read(scoreboardFile) != bytes) {
        broken("a failed update leaves the file byte for byte");
    }

    // The window shows any board that can be read as it stands, line for line.
    folder.write(scoreboardFile, bytes);
    Control window{"Scoreboard"};
    Control okButton{"OKButton"};
    Control summary{"TForm2"};
    Control menu{"MENU"};
    std::string activeControl;
    bool stayOnTop = false;
    Control shown{"Memo1"};
    scoreboardFormShow(options, dialogs, {window, shown, okButton, activeControl, stayOnTop, summary, menu});
    if (shown.lines() != splitLines(bytes))
        broken("the window shows the board as it stands");

    // A board of our own: every score gets its turn.
    folder.empty();
    Reader reader{data, size};
    for (int entry = 0; entry < 16 && reader.more(); ++entry) {
        const std::string name = reader.name();
        const char* date = dates[reader.byte() % 5];
        const int next = reader.score();
        if (!updateScoreboard(options, dialogs, memo, name, date, std::to_string(next)))
            broken("a board the program wrote takes the next score");
        const std::vector<std::string> lines = splitLines(folder.read(scoreboardFile));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i >= scoreboardPlaces ? lines[i] != " " : !entryValue(lines[i]))
                broken("every entry ends in a score, every later line is a place holder");
            if (!isValidUtf8(lines[i]))
                broken("the board stays UTF-8");
        }
    }
    return 0;
}
