// Any file opened in the report viewer: it is shown whole, every line in order, below the title
// and the heading the viewer adds, and printed as it is shown.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzfolder.h"
#include "options/reportviewer.h"

using namespace defib;
using namespace defib::fuzz;

namespace {
const FuzzFolder folder;

struct FixedClock : WallClock {
    std::string shortDate() override { return "12/8/26"; }
    std::string longTime() override { return "9:15:30 AM"; }
};

const char* const names[] = {"AEDTEST.TXT", "aedprac2.txt", "OTHER.TXT", "AEDPRAC.TXT"};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string name = names[data[0] % 4];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    folder.empty();
    folder.write(name, bytes);

    CountedDialogs dialogs;
    Options options(dialogs);
    options.programDirectory = folder.path();
    FixedClock clock;
    Control memo{"REPORTMEMO"};
    memo.setLines(reportIdleText());
    Control openDialog{"OpenDialog1"};
    Control sendOptions{"Button1"};
    Control send{"BUTTONSend"};
    ReportViewer viewer;
    ReportViewerView view{options, dialogs, clock, memo, openDialog, sendOptions, send, viewer};
    openReport(view, name, loadReport(options, name));
    if (dialogs.messages != 0)
        broken("a file within the limits is shown");

    // Take away what the viewer added: the title of a report file, then the blank line, heading
    // and dashes below the first line (the title). What stays is the file, line for line.
    std::vector<std::string> shown = memo.lines();
    const std::string title = reportTitle(reportName(name));
    if (!title.empty()) {
        if (shown.empty() || shown.front() != title + "12/8/26")
            broken("a report file gets its title");
        shown.erase(shown.begin());
    }
    if (shown.size() < 3)
        broken("the heading is shown");
    const std::size_t at = title.empty() ? std::min<std::size_t>(1, shown.size() - 3) : 0;
    const std::vector<std::string> heading = reportHeading();
    if (shown[at] != " " || shown[at + 1] != heading[0] || shown[at + 2] != heading[1])
        broken("the heading follows the first line");
    shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(at), shown.begin() + static_cast<std::ptrdiff_t>(at + 3));
    if (shown != splitLines(bytes))
        broken("every line of the file is shown in order");
    if (printLines(memo.lines()).size() != memo.lineCount())
        broken("every line shown is printed");
    return 0;
}
