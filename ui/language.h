#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "options/catalogue.h"

namespace defib::ui {

// The language of this run and how it was chosen.
struct RunLanguage {
    std::string code = "en";
    // What the trainee or instructor should be told: --lang named a language we do not have (said
    // on stderr), or OPTION6.INI could not be used (said in a message once the window is up).
    QString commandLineProblem;
    QString fileProblem;
};

// `--lang CODE` when given (not saved), else OPTION6.INI in the folder of the option files,
// else the desktop's locale (QLocale::system()).
RunLanguage chooseLanguage(const QString& commandLineCode, bool commandLineGiven, const QString& optionsFolder);

// Installs the windows' translations of `code` (":/i18n/defibrio_LL.qm") and Qt's own for the
// standard dialogs (qtbase_LL.qm from Qt's translations folder, which may be missing); English
// takes them away again. False when the windows' own translation is not there. The main
// windows built after it tell the core the same language (installedLanguage).
bool installLanguage(const std::string& code);
// The language installed last; English before any.
const std::string& installedLanguage();
// The core's catalogue of that language, for the texts the windows render from the logs.
const Catalogue& installedCatalogue();

} // namespace defib::ui
