#pragma once

#include <string>
#include <vector>

#include "options/control.h"
#include "options/options.h"
#include "options/platform.h"
#include "options/textfile.h"

namespace defib {

// The Report Options page: any report file in a viewer, with a title and the column heading
// added (only in the viewer, never in the file), in a chosen font, and printed.

// The texts are marked for the catalogue and shown in the trainer's language.
inline constexpr const char* reportFileFilter = TX("Defibrio Report File") "|*.TXT";
inline constexpr const char* reportCannotBeOpened
    = TX("Report file cannot be opened. Use a word processor to view the file.");
inline constexpr const char* reportCannotBePrinted
    = TX("The report could not be printed: the printer could not be opened.");
// The margin every printed line gets in front.
inline constexpr const char* printMargin = "               ";
// Larger files are refused: they are no report of this program and would only stall the viewer.
// A scenario adds about 60 bytes to a summary file and a few hundred bytes in 5 to 30 lines to a
// detailed file, so a report reaches these only after some hundred thousand scenarios.
inline constexpr std::size_t largestReport = 32u * 1024u * 1024u;
inline constexpr std::size_t largestReportLines = 1000000;

// The dialogs and the printer of the page: the window gives the platform's, tests their own. A
// missing dialog counts as cancelled, a missing printer as a cancelled print dialog.
struct ReportServices {
    FileDialog* files = nullptr;
    FontDialog* fonts = nullptr;
    Printer* printer = nullptr;
};

// What the page keeps besides its controls.
struct ReportViewer {
    // The font REPORTMEMO shows its text in.
    FontChoice memoFont;
    // The font the font dialog starts with: the one chosen there last.
    FontChoice dialogFont;
    ReportServices services;
};

struct ReportViewerView {
    const Options& options;
    Dialogs& dialogs;
    WallClock& wallClock;
    Control& memo;
    // The open dialog: its text is the file name chosen last.
    Control& openDialog;
    Control& sendOptionsButton;
    Control& sendButton;
    ReportViewer& viewer;
};

// What REPORTMEMO shows before any report was opened.
std::vector<std::string> reportIdleText(const Catalogue& texts = {});
// The file's name without its folder, in capitals.
std::string reportName(const std::string& fileName);
// The title for one of the four report files, today's date not yet added; empty for any other.
std::string reportTitle(const std::string& name, const Catalogue& texts = {});
// The two heading lines: column names and their dashes. A column name keeps its width in every
// language (columnLabel), so the names stay above the columns of the file.
std::vector<std::string> reportHeading(const Catalogue& texts = {});
// A loaded file as the viewer shows it: the title and date in front for a report file, then a
// blank line, the heading and the dashes below the first line.
std::vector<std::string> viewerLines(const std::string& fileName, std::vector<std::string> fileLines,
                                     const std::string& date, const Catalogue& texts = {});
// Loads the file into the viewer, or shows why not and keeps what the viewer held.
void openReport(ReportViewerView view, const std::string& fileName, ReadResult file);
// The file as the viewer would load it; relative names are in the program directory.
ReadResult loadReport(const Options& options, const std::string& fileName);

// "Open": the open dialog, then the file named there. A cancelled dialog keeps the name chosen
// last, so the report shown before is loaded again.
void REPORTOpenFileClick(ReportViewerView view);
// "Font": the font dialog; afterwards, also after Cancel, the viewer shows the dialog's font.
void FONTBUTTONClick(ReportViewerView view);
// Every line of the viewer behind the left margin.
std::vector<std::string> printLines(const std::vector<std::string>& memoLines);
// The viewer's font as it goes on paper: its face and size, in black, since yellow on white
// paper cannot be read.
FontChoice printFont(const FontChoice& memoFont);
// "Print": the print dialog, then the viewer's lines as one plain text job; a job that cannot be
// started is reported.
void PRINTBUTTONClick(ReportViewerView view);
// The shapes at the page's left edge hide (Shape2) and show (Shape3) the send buttons.
void Shape2MouseDown(ReportViewerView view);
void Shape3MouseDown(ReportViewerView view);

} // namespace defib
