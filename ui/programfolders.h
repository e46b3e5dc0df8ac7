#pragma once

#include <QString>

namespace defib::ui {

// Where the program finds its voice prompts and where it keeps the files it writes.
struct ProgramFolders {
    // The .WAV prompts.
    QString prompts;
    // The option, scoreboard and report files: the program directory of the windows and the core.
    QString files;
    // Installed: the prompts lie in the shared data folder beside bin/, the files in the user's.
    bool installed = false;
    // The program's own settings (ui/settings.h): beside a portable copy, in the user's
    // configuration folder otherwise; the files' folder when empty.
    QString settings;
    // The scenario pack: beside the program, or in the shared data folder once installed.
    QString scenarios;
};

// The user's configuration folder for the program (~/.config/defibrio).
QString userConfigFolder();

// The prompts' folder relative to the program's folder in an installed layout
// ("../share/defibrio/sounds").
QString installedPromptFolder();

// The folders of a program that lies in `programFolder`. An installed program (no prompts beside
// it, the installed prompt folder present) always keeps its files in `dataFolder`, even when run as
// root; a program with its prompts beside it (the build tree, a copied folder) keeps its files
// beside itself when it may write there, and in `dataFolder` otherwise.
// Its settings go with its files when they lie beside it, and to `configFolder` otherwise.
ProgramFolders locateProgramFolders(const QString& programFolder, const QString& dataFolder,
                                    const QString& configFolder = userConfigFolder());

// The folders of the program in `programFolder`, with the user's data folder made at the first
// start when the files go there. When it cannot be made, the first file operation says so.
ProgramFolders prepareProgramFolders(const QString& programFolder);

// The user's data folder for the program (~/.local/share/Defibrio).
QString userDataFolder();

// True when a file can be created in the folder: tried, since permissions do not tell the whole
// story (a read-only medium, root).
bool canWriteIn(const QString& folder);

} // namespace defib::ui
