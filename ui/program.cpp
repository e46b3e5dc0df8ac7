#include "ui/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "options/language.h"
#include "ui/console.h"
#include "ui/language.h"
#include "ui/mainwindow.h"
#include "ui/programfolders.h"
#include "ui/programstation.h"

namespace defib::ui {

namespace {

void describeApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Defibrio"));
    QCoreApplication::setApplicationName(QStringLiteral("Defibrio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DEFIB_VERSION));
}

struct CommandLine {
    QString language;
    bool languageGiven = false;
    bool station = false;
    // The instructor's console alone, without the trainer.
    bool console = false;
};

// The parser answers --help and --version, refuses what it does not know and takes --lang, the
// trainer's language for this run alone.
CommandLine parseCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A training simulator for emergency responders who practise with an AED trainer."));
    parser.addHelpOption();
    parser.addVersionOption();
    QStringList codes;
    for (const Language& language : shippedLanguages())
        codes << QString::fromLatin1(language.code);
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("The language of this run (%1), not saved; without it the "
                                                 "Options' choice, or at first the desktop's language.")
                                      .arg(codes.join(QStringLiteral(", "))),
                                  QStringLiteral("code"));
    parser.addOption(lang);
    const QCommandLineOption station(QStringLiteral("station"),
                                     QStringLiteral("Lets the instructor's console join this run (as \"Let the "
                                                    "instructor join\" in Program Options), not saved."));
    parser.addOption(station);
    const QCommandLineOption console(QStringLiteral("console"),
                                     QStringLiteral("Opens the instructor's console alone, to watch and steer the "
                                                    "stations of a class."));
    parser.addOption(console);
    parser.process(app);
    return {parser.value(lang), parser.isSet(lang), parser.isSet(station), parser.isSet(console)};
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
    const CommandLine line = parseCommandLine(app);
    const ProgramFolders folders = prepareProgramFolders(QCoreApplication::applicationDirPath());
    // The language is chosen before any window is built, and the core told before it starts.
    const RunLanguage language = chooseLanguage(line.language, line.languageGiven, folders.files);
    if (!language.commandLineProblem.isEmpty())
        std::fprintf(stderr, "%s\n", language.commandLineProblem.toLocal8Bit().constData());
    installLanguage(language.code);
    if (line.console) {
        TConsole console;
        console.show();
        return QApplication::exec();
    }
    TForm1 window(folders);
    // The instructor's console may join while the option is on, or for this run with --station.
    ProgramStation station(window, folders.files, line.station);
    window.setStation(&station);
    window.show();
    QTimer::singleShot(0, &window, [&station] { station.start(); });
    if (!language.fileProblem.isEmpty())
        QTimer::singleShot(0, &window, [&window, problem = language.fileProblem, folder = folders.files] {
            window.scenario().platform.dialogs.message(
                QCoreApplication::translate("defib::ui::Program",
                                            "%1 %2. The language follows the desktop's until Options saves it again.")
                    .arg(QDir::toNativeSeparators(QDir(folder).filePath(QString::fromLatin1(languageFile))), problem)
                    .toStdString(),
                MessageKind::Warning);
        });
    return QApplication::exec();
}

} // namespace defib::ui
