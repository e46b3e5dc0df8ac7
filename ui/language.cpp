#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "options/language.h"

namespace defib::ui {

RunLanguage chooseLanguage(const QString& commandLineCode, bool commandLineGiven, const QString& optionsFolder)
{
    RunLanguage run;
    if (commandLineGiven) {
        const std::string code = commandLineCode.trimmed().toLower().toStdString();
        if (isShippedLanguage(code)) {
            run.code = code;
            return run;
        }
        QStringList codes;
        for (const Language& language : shippedLanguages())
            codes << QString::fromLatin1(language.code);
        run.commandLineProblem = QStringLiteral("defibrio: --lang %1: no such language; Defibrio speaks %2. "
                                                "Going on in English.")
                                     .arg(commandLineCode, codes.join(QStringLiteral(", ")));
        return run;
    }
    const LanguageRead saved = loadLanguage(optionsFolder.toStdString());
    if (!saved.problem.empty())
        run.fileProblem = QString::fromStdString(saved.problem);
    if (saved.code) {
        run.code = *saved.code;
        return run;
    }
    run.code = languageOfLocale(QLocale::system().name().toStdString());
    return run;
}

namespace {

std::string& current()
{
    static std::string code = defaultLanguage;
    return code;
}

} // namespace

const std::string& installedLanguage()
{
    return current();
}

bool installLanguage(const std::string& code)
{
    current() = isShippedLanguage(code) ? code : std::string(defaultLanguage);
    // One translator of the windows and one of Qt's own dialogs, replaced at each call.
    static QTranslator* own = nullptr;
    static QTranslator* qt = nullptr;
    for (QTranslator** translator : {&own, &qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
    if (current() == defaultLanguage)
        return true;
    const QString name = QString::fromStdString(code);
    // Qt's own texts (the buttons of the file and font dialogs, the context menus); the program
    // goes on without them when the translations package is not installed.
    qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else {
        delete qt;
        qt = nullptr;
    }
    own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/defibrio_") + name)) {
        delete own;
        own = nullptr;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

const Catalogue& installedCatalogue()
{
    static std::string language;
    static Catalogue catalogue;
    if (language != installedLanguage()) {
        language = installedLanguage();
        catalogue = Catalogue::builtIn(language);
    }
    return catalogue;
}

} // namespace defib::ui
