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

ProgramFolders locateProgramFolders(const QString& programFolder, const QString& dataFolder)
{
    const QDir program(programFolder);
    const QString shared = QDir::cleanPath(program.absoluteFilePath(installedPromptFolder()));
    if (!holdsPrompts(program) && QFileInfo(shared).isDir())
        return {shared, dataFolder, true};
    const QString beside = program.absolutePath();
    return {beside, canWriteIn(beside) ? beside : dataFolder, false};
}

ProgramFolders prepareProgramFolders(const QString& programFolder)
{
    ProgramFolders folders = locateProgramFolders(programFolder, userDataFolder());
    QDir().mkpath(folders.files);
    return folders;
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".defibrio-write-test-XXXXXX")));
    return probe.open();
}

} // namespace defib::ui
