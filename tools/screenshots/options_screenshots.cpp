// defibrio-options-screenshots OUTDIR: the Options pages, the password dialog, the scoreboard
// window and the report viewer with a report open, as an instructor meets them.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "fakes.h"
#include "options/reports.h"
#include "options/scoreboard.h"
#include "options/textfile.h"
#include "ui/mainwindow.h"
#include "ui/optionspages.h"
#include "ui/password.h"

using namespace defib;
using namespace defib::screenshots;

namespace {

// The open dialog answered with one file of the program directory.
class ChosenFile : public FileDialog {
public:
    explicit ChosenFile(std::string name)
        : name_(std::move(name))
    {
    }
    bool open(const std::string&, std::string& fileName) override
    {
        fileName = name_;
        return true;
    }

private:
    std::string name_;
};

// A few finished scenarios, as the evaluation leaves them in the files.
void writeRecords(const std::string& folder)
{
    struct Run {
        const char* name;
        const char* id;
        const char* time;
        const char* shock;
        const char* score;
    };
    const Run runs[] = {{"Pat Trainee", "4711", "03:12", "01:05", "450"},
                        {"Sam Medic", "0815", "02:40", "NO SHOCKS", "-20"},
                        {"Alex Rivera", "2290", "04:05", "00:58", "380"},
                        {"Jordan Lee", "", "02:55", "01:21", "310"},
                        {"Chris Novak", "3307", "05:30", "02:10", "125"}};
    std::vector<std::string> summary;
    std::vector<std::string> detailed;
    std::vector<std::string> board;
    for (const Run& run : runs) {
        const std::string line = reportLine(run.name, run.id, "12/8/26", run.time, run.shock, run.score);
        summary.push_back(line);
        detailed.push_back(line);
        detailed.push_back("Shock delivered within 90 seconds. Bonus 50");
        detailed.push_back("Pulse checked after the shock.");
        detailed.emplace_back();
        board = insertEntry(board, scoreboardEntry(run.name, "12/8/26", run.score), parseNumber(run.score)).lines;
    }
    std::string error;
    writeLinesAtomic(joinPath(folder, practiceSummaryFile), summary, error);
    writeLinesAtomic(joinPath(folder, practiceDetailedFile), detailed, error);
    writeLinesAtomic(joinPath(folder, scoreboardFile), board, error);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = screenshots::outputFolder(argc, argv, "defibrio-options-screenshots");
    if (out.isEmpty())
        return 2;
    QTemporaryDir programDirectory;
    writeRecords(programDirectory.path().toStdString());
    // The prompts are there, so audio is on as on a trainer's machine.
    std::string error;
    writeLinesAtomic(joinPath(programDirectory.path().toStdString(), "MOTION.WAV"), {}, error);
    FakeMachine machine(7, false, std::nullopt);
    ui::TForm1 window(programDirectory.path(), machine.services());
    window.show();
    Scenario& s = window.scenario();

    window.run("OPTIONSMainMENUClick");
    save(&window, out, QStringLiteral("21-program-options"));
    window.run("TabSheet2Show");
    save(&window, out, QStringLiteral("22-protocol-options"));
    window.run("TabSheet3Show");
    save(&window, out, QStringLiteral("23-report-options"));

    ChosenFile report(practiceSummaryFile);
    s.ui.reportViewer.services.files = &report;
    window.run("REPORTOpenFileClick");
    save(&window, out, QStringLiteral("24-report-open"));
    window.run("DATAOKClick");

    s.options.setText(s.options.PASSWORD, "nurse");
    s.options.optionsDirty = false;
    window.run("OPTIONSMainMENUClick");
    s.passwordDlg.PasswordEnter.setText("nur");
    window.sync();
    if (auto* password = window.findChild<ui::TPasswordDlg*>(QStringLiteral("TPasswordDlg")))
        save(password, out, QStringLiteral("25-password"));
    window.run("CancelBtnClick");

    window.run("SCOREBOARDClick");
    if (auto* board = window.findChild<QWidget*>(QStringLiteral("TScoreboard")))
        save(board, out, QStringLiteral("26-scoreboard"));
    return 0;
}
