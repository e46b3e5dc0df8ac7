// defibrio-screenshots OUTDIR: plays a one-shock practice scenario in the real window on a
// virtual clock and saves what a trainee sees: the main menu, the registration, the ABCs, the
// trainer at "SHOCK ADVISED" with both pads on, and the summary.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "ui/mainwindow.h"
#include "ui/secondary.h"

using namespace defib;

namespace {

class ScriptedDialogs : public Dialogs {
public:
    void message(const std::string& text, MessageKind) override { std::printf("message: %s\n", text.c_str()); }
    bool confirm(const std::string& text) override
    {
        std::printf("confirm: %s -> yes\n", text.c_str());
        return true;
    }
    bool ask(const std::string&, std::string& answer) override
    {
        answer = "60";
        return true;
    }
};

class FixedClock : public WallClock {
public:
    std::string shortDate() override { return "12/8/26"; }
    std::string longTime() override { return "9:41:00 AM"; }
};

class Silent : public SoundPlayer {
public:
    bool play(const std::string&) override { return true; }
    void stop() override { }
};

void save(QWidget* widget, const QString& directory, const QString& name)
{
    QApplication::processEvents();
    const QString path = QDir(directory).filePath(name + QStringLiteral(".png"));
    widget->grab().save(path);
    std::printf("saved %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: defibrio-screenshots OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir programDirectory;
    LinearRandom random(7);
    Silent sound;
    ScriptedDialogs dialogs;
    FixedClock wallClock;
    VirtualClock clock;
    ui::TForm1 window(programDirectory.path(), {&random, &sound, &dialogs, &wallClock, &clock});
    window.show();
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);
    save(&window, out, QStringLiteral("01-main-menu"));

    window.run("MenuStartClick");
    s.registration.NameEdit.setText("Pat Trainee");
    window.sync();
    auto* windows = window.findChild<QWidget*>(QStringLiteral("TUserNAMEFORM"));
    if (windows)
        save(windows, out, QStringLiteral("02-registration"));
    s.registration.NameEdit.setText("Pat Trainee");
    s.registration.PracticeRadioButton.checked = true;
    window.run("TUserNAMEFORM.OKButtonClick");
    save(&window, out, QStringLiteral("03-click-to-start"));
    window.run("MainMSGDisplayClick");

    window.run("AllABCsmenuItemClick");
    window.advance(Millis(2300));
    save(&window, out, QStringLiteral("04-abcs"));
    window.advance(Millis(12000));
    window.run("StartCPRMenuItemClick");
    window.advance(Millis(1500));
    save(&window, out, QStringLiteral("05-cpr"));
    window.run("StopCPRMenuItemClick");
    window.run("PowerButtonClick");
    window.advance(Millis(2500));
    auto drop = [&](const char* pad, Control& zone, const std::string& handler) {
        s.dropX = zone.left + zone.width / 2;
        s.dropY = zone.top + zone.height / 2;
        window.run(std::string(pad) + "StartDrag");
        window.run(handler);
        window.run(std::string(pad) + "EndDrag");
    };
    drop("PADWHITE", s.ui.PADWhiteZone, "PADWhiteZoneDragDrop");
    drop("PADRED", s.ui.PADRedZONE, "PADRedZONEDragDrop");
    window.advance(Millis(1600));
    save(&window, out, QStringLiteral("06-push-analyze"));
    window.run("Clearbutton1Click");
    window.run("AnalyzeButtonClick");
    window.advance(Millis(5000));
    save(&window, out, QStringLiteral("07-analyzing"));
    window.advance(Millis(4600));
    save(&window, out, QStringLiteral("08-shock-advised"));
    window.advance(Millis(11500));
    window.run("Clearbutton1Click");
    save(&window, out, QStringLiteral("09-push-to-shock"));
    window.run("SHOCKButtonClick");
    window.advance(Millis(4000));
    window.run("EndButtonClick");
    window.advance(Millis(100));
    save(&window, out, QStringLiteral("10-end"));
    if (auto* panel = window.findChild<QWidget*>(QStringLiteral("FINALERRORPanel")); panel && panel->isVisible())
        window.run("FinalErrorOKButtonClick");
    if (auto* summary = window.findChild<QWidget*>(QStringLiteral("TForm2")))
        save(summary, out, QStringLiteral("11-summary"));
    return 0;
}
