// defibrio-places-screenshots OUTDIR [PREFIX]: the pads' drop zones as a trainee meets them and the
// Options pages over the main menu, at whatever scale the window runs (QT_SCALE_FACTOR):
//   PREFIX-pages     the Program Options page over the main menu, its tab bar on top
//   PREFIX-single    the Protocol Options page with Single Shock ticked: the stacked profile's
//                    own options greyed out
//   PREFIX-carried   the white pad picked up: every zone it may go to lit
//   PREFIX-wrong     the white pad let go 15 px below the upper right zone: left where it was
//                    dropped, marked, and the message saying where it belongs
//   PREFIX-placed    both pads in their zones
// The window is sized to the screen, less a frame and a panel, as on the trainee's desktop.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "fakes.h"
#include "play.h"
#include "ui/mainwindow.h"

using namespace defib;
using namespace defib::screenshots;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: defibrio-places-screenshots OUTDIR [PREFIX]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString prefix = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("places");
    QTemporaryDir programDirectory;
    FakeMachine machine(7, true, "60");
    ui::TForm1 window(programDirectory.path(), machine.services());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize((screen.size() - QSize(16, 48 + 32)).expandedTo(window.minimumSizeHint()));
    window.show();
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);

    window.run("OPTIONSMainMENUClick");
    save(&window, out, prefix + QStringLiteral("-pages"));
    window.run("TabSheet2Show");
    s.options.setChecked(s.options.OptSingleShock, true);
    window.sync();
    save(&window, out, prefix + QStringLiteral("-single"));
    window.run("ButtonCANCEL1Click");
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);

    play::registerPractice(window, "Pat Trainee");
    window.run("MainMSGDisplayClick");
    window.run("AllABCsmenuItemClick");
    window.advance(Millis(15000));
    window.run("PowerButtonClick");
    window.advance(Millis(2500));

    window.run("PADWHITEStartDrag");
    save(&window, out, prefix + QStringLiteral("-carried"));
    const Control& zone = s.ui.PADWhiteZone;
    s.dropX = zone.left + zone.width / 2;
    s.dropY = zone.top + zone.height + 15;
    window.run("PATIENTTorsoZONEDragDrop");
    window.run("PADWHITEEndDrag");
    save(&window, out, prefix + QStringLiteral("-wrong"));

    play::placePads(window);
    window.advance(Millis(1000));
    save(&window, out, prefix + QStringLiteral("-placed"));
    return 0;
}
