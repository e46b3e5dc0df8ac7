#include "ui/programfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace defib::ui {

namespace {

bool holdsPrompts(const QDir& folder)
{
    return !folder.entryList({QStringLiteral("*.wav")}, QDir::Files | QDir::Readable, QDir::NoSort).isEmpty();
}

} // namespace

QString installedPromptFolder()
{
    return QStringLiteral(DEFIB_INSTALLED_PROMPTS);
}

ProgramFolders locateProgramFolders(const QString& programFolder, const QString& dataFolder,
                                    const QString& configFolder)
{
    const QDir program(programFolder);
    const QString shared = QDir::cleanPath(program.absoluteFilePath(installedPromptFolder()));
    if (!holdsPrompts(program) && QFileInfo(shared).isDir())
        return {shared, dataFolder, true, configFolder, QDir::cleanPath(shared + QStringLiteral("/../scenarios"))};
    const QString beside = program.absolutePath();
    const QString pack = program.absoluteFilePath(QStringLiteral("scenarios"));
    if (canWriteIn(beside))
        return {beside, beside, false, beside, pack};
    return {beside, dataFolder, false, configFolder, pack};
}

ProgramFolders prepareProgramFolders(const QString& programFolder)
{
    ProgramFolders folders = locateProgramFolders(programFolder, userDataFolder());
    QDir().mkpath(folders.files);
    return folders;
}

QString userDataFolder()
{
    // Named here, not by the organisation and application names, so that it stays where the
    // first versions made it.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Defibrio"));
}

QString userConfigFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("defibrio"));
}

bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".defibrio-write-test-XXXXXX")));
    return probe.open();
}

} // namespace defib::ui
