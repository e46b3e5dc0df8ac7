#include "ui/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace defib::ui {

QString settingsFile(const ProgramFolders& folders)
{
    if (folders.settings.isEmpty())
        return QDir(folders.files).filePath(QStringLiteral("DEFIBRIO.INI"));
    // Beside the program, in the style of its other files; in a folder of its own, as the desktop
    // names such files.
    const bool beside = QDir(folders.settings) == QDir(folders.prompts);
    return QDir(folders.settings).filePath(beside ? QStringLiteral("DEFIBRIO.INI") : QStringLiteral("defibrio.conf"));
}

void keepQtSettingsIn(const QString& folder)
{
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

QString olderSettingsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Unknown Organization/Defibrio.conf"));
}

std::unique_ptr<QSettings> openSettings(const QString& file)
{
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    const QString older = olderSettingsFile();
    if (settings->allKeys().isEmpty() && QFileInfo(older).isFile()
        && QFileInfo(older).absoluteFilePath() != QFileInfo(file).absoluteFilePath()) {
        const QSettings before(older, QSettings::IniFormat);
        for (const QString& key : before.allKeys())
            settings->setValue(key, before.value(key));
    }
    return settings;
}

} // namespace defib::ui
