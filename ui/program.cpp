#include "ui/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

#include "ui/mainwindow.h"
#include "ui/programfolders.h"

namespace defib::ui {

namespace {

void describeApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Defibrio"));
    QCoreApplication::setApplicationName(QStringLiteral("Defibrio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DEFIB_VERSION));
}

// The program has no options of its own; the parser answers --help and --version and refuses
// what it does not know.
void parseCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A training simulator for emergency responders who practise with an AED trainer."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

// --help and --version are answered before the window system is opened, so that they work
// without a display (over ssh, in a build script).
bool asksForInformation(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            return false;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(arg, option) == 0)
                return true;
    }
    return false;
}

} // namespace

int runProgram(int& argc, char** argv)
{
    if (asksForInformation(argc, argv)) {
        QCoreApplication app(argc, argv);
        describeApplication();
        parseCommandLine(app);
        return 0;
    }
    QApplication app(argc, argv);
    describeApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral(DEFIB_APP_ID));
    parseCommandLine(app);
    TForm1 window(prepareProgramFolders(QCoreApplication::applicationDirPath()));
    window.show();
    return QApplication::exec();
}

} // namespace defib::ui
