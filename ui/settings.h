#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "ui/programfolders.h"

namespace defib::ui {

// The program's own settings (the window's place and size): an INI file "DEFIBRIO.INI" in the
// folder of a portable copy, "defibrio.conf" in the user's configuration folder
// (~/.config/defibrio) for the installed program and for a copy that may not write beside itself.
QString settingsFile(const ProgramFolders& folders);

// Sends the settings Qt keeps for itself in the user's name (the history of the file dialogs,
// otherwise ~/.config/QtProject.conf) into `folder`, beside the program's own.
void keepQtSettingsIn(const QString& folder);

// The settings in `file`. A file that holds nothing yet takes in what an older version kept in
// ~/.config/Unknown Organization/Defibrio.conf, which stays where it is.
std::unique_ptr<QSettings> openSettings(const QString& file);

// Where an older version kept its settings.
QString olderSettingsFile();

} // namespace defib::ui
