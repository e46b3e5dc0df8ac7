// The windows in every language: a pseudo-translation (each text accented, bracketed and 40 %
// longer) finds the texts that escaped translation and the labels and buttons too narrow for a
// longer text at 1280 x 720; the shipped languages are checked for clipping the same way, and the
// language is chosen, saved and refused as the trainee and the instructor meet it.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <set>

#include "options/language.h"
#include "ui/ftpform.h"
#include "ui/language.h"
#include "ui/optionspages.h"
#include "ui/scenarioeditor.h"
#include "ui/secondary.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

// Every text accented, in brackets and padded with tildes to 40 % more than the English;
// placeholders (%1), shortcut marks (&) and line breaks are kept.
QString pseudo(const QString& source)
{
    static const QString plain = QStringLiteral("aceinostuyACEINOSTUY");
    static const QString accented = QStringLiteral("àçéîñöŝţüýÀÇÉÎÑÖŜŢÜÝ");
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if ((c == u'%' || c == u'&') && i + 1 < source.size()) {
            out += c;
            out += source[++i];
            continue;
        }
        const qsizetype at = plain.indexOf(c);
        out += at >= 0 ? accented[at] : c;
    }
    const qsizetype padding = std::max<qsizetype>(1, static_cast<qsizetype>(std::ceil(source.size() * 0.4)) - 3);
    out += QLatin1Char(' ') + QString(padding, QLatin1Char('~')) + QLatin1Char(']');
    return out;
}

bool pseudoMarked(const QString& text)
{
    return text.contains(QLatin1Char('[')) && text.contains(QLatin1Char('~'));
}

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return source && *source ? pseudo(QString::fromUtf8(source)) : QString();
    }
};

// Texts the core writes into its controls, shown as they come (the core renders them in the
// trainer's language): exempt from the escaped-text check, by object name. "MenuTitle" is the
// program's name.
const std::set<QString> coreTexts = {
    QStringLiteral("MODElabel"),      QStringLiteral("SCORELabel"),  QStringLiteral("PROTOCOLlabel"),
    QStringLiteral("Steps"),          QStringLiteral("AEDDISPLAY0"), QStringLiteral("AEDDISPLAY1"),
    QStringLiteral("NumShockLabel"),  QStringLiteral("TIMELabel"),   QStringLiteral("SCENOVERLabel"),
    QStringLiteral("PromptCaption"),  QStringLiteral("MenuTitle"),   QStringLiteral("ScoreChange"),
    QStringLiteral("MODELABEL"),      QStringLiteral("Label1"),      QStringLiteral("FTPPasswordNote"),
    QStringLiteral("FTPFingerprint"),
};

bool hasLetters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 %2 in %3")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
             widget->window()->objectName());
}

// What a window shows wrongly: texts not translated (with `escaped`) and texts wider than the
// room they were given.
struct Findings {
    // Each finding once, however often the window was looked at.
    std::set<QString> escapedSeen;
    std::set<QString> clippedSeen;
    QStringList escaped;
    QStringList clipped;
    void add(QStringList& list, std::set<QString>& seen, const QString& text)
    {
        if (seen.insert(text).second)
            list << text;
    }
};

bool exempt(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (coreTexts.count(w->objectName()))
            return true;
    return false;
}

// Whether the widget is on the screen: shown and inside its window.
bool inSight(const QWidget* widget)
{
    if (!widget->isVisible() || widget->width() <= 0)
        return false;
    const QRect inWindow(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    return widget->window()->rect().intersects(inWindow);
}

void examine(QWidget* window, Findings& found, bool checkEscaped)
{
    auto escaped = [&](const QWidget* widget, const QString& text) {
        if (checkEscaped && hasLetters(text) && !pseudoMarked(text) && !exempt(widget))
            found.add(found.escaped, found.escapedSeen, describe(widget) + QStringLiteral(": \"%1\"").arg(text));
    };
    if (window->objectName() != QStringLiteral("TForm1") || window->windowTitle() != QStringLiteral("Defibrio"))
        if (!window->windowTitle().startsWith(QStringLiteral("Defibrio - ")))
            escaped(window, window->windowTitle());
    // Inside a screen of 1280 x 720, less a title bar.
    if (window->width() > 1280 || window->height() > 720 - 30)
        found.add(
            found.clipped, found.clippedSeen,
            describe(window)
                + QStringLiteral(": %1 x %2 is larger than the screen").arg(window->width()).arg(window->height()));
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!inSight(label) || label->text().isEmpty() || label->pixmap().toImage().width() > 0)
            continue;
        escaped(label, label->text());
        const bool tooNarrow = label->wordWrap()
            ? label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height() + 1
            : label->sizeHint().width() > label->width() + 1;
        if (tooNarrow && !exempt(label))
            found.add(found.clipped, found.clippedSeen,
                      describe(label)
                          + QStringLiteral(": \"%1\" needs %2 x %3, has %4 x %5")
                                .arg(label->text())
                                .arg(label->sizeHint().width())
                                .arg(label->wordWrap() ? label->heightForWidth(label->contentsRect().width())
                                                       : label->sizeHint().height())
                                .arg(label->width())
                                .arg(label->height()));
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!inSight(button) || button->text().isEmpty())
            continue;
        escaped(button, button->text());
        if (button->sizeHint().width() > button->width() + 1)
            found.add(found.clipped, found.clippedSeen,
                      describe(button)
                          + QStringLiteral(": \"%1\" needs %2, has %3")
                                .arg(button->text())
                                .arg(button->sizeHint().width())
                                .arg(button->width()));
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (!inSight(box))
            continue;
        escaped(box, box->title());
        QFont bold = box->font();
        bold.setBold(true);
        if (QFontMetrics(bold).horizontalAdvance(box->title()) > box->width() - 4)
            found.add(found.clipped, found.clippedSeen,
                      describe(box) + QStringLiteral(": title \"%1\" is wider than the box").arg(box->title()));
    }
    for (QTabBar* bar : window->findChildren<QTabBar*>()) {
        if (!inSight(bar))
            continue;
        for (int i = 0; i < bar->count(); ++i) {
            escaped(bar, bar->tabText(i));
            // The pages' tabs are drawn in 14 px bold with 26 px on each side.
            QFont tabFont = bar->font();
            tabFont.setPixelSize(14);
            tabFont.setBold(true);
            const int needed = QFontMetrics(tabFont).horizontalAdvance(bar->tabText(i)) + 2 * 20;
            if (bar->tabRect(i).width() < needed || bar->tabRect(i).right() > bar->width())
                found.add(found.clipped, found.clippedSeen,
                          describe(bar) + QStringLiteral(": tab \"%1\" is cut").arg(bar->tabText(i)));
        }
    }
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        if (!inSight(box) || box->objectName() == QStringLiteral("LanguageChoice")
            || box->objectName() == QStringLiteral("ScenarioChoice"))
            continue;
        for (int i = 0; i < box->count(); ++i)
            if (!box->itemText(i).startsWith(QStringLiteral("FTP")) && box->itemText(i) != QStringLiteral("SFTP")
                && box->itemText(i) != QStringLiteral("ASCII"))
                escaped(box, box->itemText(i));
    }
    if (checkEscaped)
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->isSeparator() || action->text().isEmpty())
                continue;
            if (!pseudoMarked(action->text()))
                found.add(found.escaped, found.escapedSeen,
                          QStringLiteral("QAction %1: \"%2\"").arg(action->objectName(), action->text()));
        }
}

// The windows a trainee and an instructor meet, one after the other, each examined as it is shown.
Findings visitWindows(Fixture& f, bool checkEscaped)
{
    Findings found;
    ui::TForm1& window = *f.window;
    // A 1280 x 720 screen, less the title bar and a panel.
    window.resize(1280, 720 - 48);
    QApplication::processEvents();
    auto look = [&] {
        QApplication::processEvents();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && !qobject_cast<QMenu*>(top))
                examine(top, found, checkEscaped);
    };
    // The main menu, then the three Options pages and the send options.
    look();
    window.run("OPTIONSMainMENUClick");
    look();
    window.run("TabSheet2Show");
    look();
    window.run("TabSheet3Show");
    look();
    window.run("Button1Click");
    look();
    window.run("TFTPform.CancelClick");
    window.run("ButtonCANCEL1Click");
    // The registration, then a scenario under way.
    window.run("MenuStartClick");
    look();
    Scenario& s = f.s();
    s.registration.NameEdit.setText("Pat Trainee");
    s.registration.PracticeRadioButton.checked = true;
    window.run("TUserNAMEFORM.OKButtonClick");
    look();
    window.run("MainMSGDisplayClick");
    window.run("AllABCsmenuItemClick");
    window.advance(Millis(15000));
    window.run("PowerButtonClick");
    window.advance(Millis(3000));
    look();
    // The summary, its scoreboard, and the scenario editor from the main menu.
    window.run("EndButtonClick");
    window.advance(Millis(1000));
    if (s.ui.FINALERRORPanel.visible)
        window.run("FinalErrorOKButtonClick");
    look();
    window.run("TForm2.SCOREBOARDClick");
    look();
    window.run("TScoreboard.OKButtonClick");
    window.run("TForm2.MainMenuClick");
    window.run("ScenariosMenuClick");
    look();
    if (window.scenarioEditor())
        window.run("TScenarioEditor.FormClose");
    // The instructor's console from the File menu, at the size of the screen.
    auto* console = window.findChild<QAction*>(QStringLiteral("InstructorConsole"));
    console->trigger();
    if (auto* consoleWindow = window.findChild<QMainWindow*>(QStringLiteral("TConsole"))) {
        consoleWindow->resize(1280, 720 - 48);
        look();
        consoleWindow->close();
    }
    return found;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ui::installLanguage("en"); }

    // Every text the windows write is translated, and each fits its room 40 % longer.
    void pseudoTranslationFindsNothing()
    {
        PseudoTranslator pseudoTranslator;
        QCoreApplication::installTranslator(&pseudoTranslator);
        Fixture f;
        const Findings found = visitWindows(f, true);
        QCoreApplication::removeTranslator(&pseudoTranslator);
        // Every finding in full; the failure message is cut short.
        for (const QString& line : found.escaped + found.clipped)
            qInfo("%s", qPrintable(line));
        QVERIFY2(found.escaped.isEmpty(), qPrintable(found.escaped.join(QLatin1Char('\n'))));
        QVERIFY2(found.clipped.isEmpty(), qPrintable(found.clipped.join(QLatin1Char('\n'))));
    }

    void shippedLanguagesFit_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        for (auto [code, file] : {std::pair{"de", "&Datei"}, std::pair{"fr", "&Fichier"}, std::pair{"es", "&Archivo"},
                                  std::pair{"nl", "&Bestand"}})
            QTest::newRow(code) << QString::fromLatin1(code) << QString::fromUtf8(file);
    }
    // Each language shipped is built in, reaches the core, and fits 1280 x 720.
    void shippedLanguagesFit()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QVERIFY(ui::installLanguage(code.toStdString()));
        QCOMPARE(ui::installedLanguage(), code.toStdString());
        Fixture f;
        QCOMPARE(f.s().options.language(), code.toStdString());
        QCOMPARE(f.window->menuBar()->actions().first()->text(), file);
        const Findings found = visitWindows(f, false);
        QVERIFY2(found.clipped.isEmpty(), qPrintable(found.clipped.join(QLatin1Char('\n'))));
    }

    // English takes the translations away again: the windows read as they always did.
    void englishIsTheSource()
    {
        QVERIFY(ui::installLanguage("de"));
        QVERIFY(ui::installLanguage("en"));
        Fixture f;
        QCOMPARE(f.s().options.language(), std::string("en"));
        QCOMPARE(f.window->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(f.find<QPushButton>(QStringLiteral("MenuStart"))->text(), QStringLiteral("&Start"));
    }

    // --lang wins for the run; OPTION6.INI next; a damaged file is said and the desktop decides.
    void chooseLanguage()
    {
        QTemporaryDir dir;
        const QString folder = dir.path();
        ui::RunLanguage run = ui::chooseLanguage(QStringLiteral("fr"), true, folder);
        QCOMPARE(run.code, std::string("fr"));
        QVERIFY(run.commandLineProblem.isEmpty());
        run = ui::chooseLanguage(QStringLiteral("DE"), true, folder);
        QCOMPARE(run.code, std::string("de"));
        run = ui::chooseLanguage(QStringLiteral("xx"), true, folder);
        QCOMPARE(run.code, std::string("en"));
        QVERIFY(run.commandLineProblem.contains(QStringLiteral("--lang xx")));
        QVERIFY(run.commandLineProblem.contains(QStringLiteral("en, de, fr, es, nl")));

        std::string error;
        QVERIFY(saveLanguage(folder.toStdString(), "nl", error));
        run = ui::chooseLanguage({}, false, folder);
        QCOMPARE(run.code, std::string("nl"));
        QVERIFY(run.fileProblem.isEmpty());
        // --lang is not saved.
        QCOMPARE(ui::chooseLanguage(QStringLiteral("es"), true, folder).code, std::string("es"));
        QCOMPARE(*loadLanguage(folder.toStdString()).code, std::string("nl"));

        QFile damaged(QDir(folder).filePath(QString::fromLatin1(languageFile)));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("Language=tlh\n");
        damaged.close();
        run = ui::chooseLanguage({}, false, folder);
        QCOMPARE(run.code, languageOfLocale(QLocale::system().name().toStdString()));
        QVERIFY(run.fileProblem.contains(QStringLiteral("tlh")));
    }

    // The Program page's choice is saved by OK into OPTION6.INI and applies from the next start;
    // Cancel forgets it.
    void optionsSaveTheLanguage()
    {
        Fixture f;
        const std::string folder = f.s().options.programDirectory;
        f.window->run("OPTIONSMainMENUClick");
        auto* choice = f.find<QComboBox>(QStringLiteral("LanguageChoice"));
        QVERIFY(choice);
        QCOMPARE(choice->count(), static_cast<int>(shippedLanguages().size()));
        QCOMPARE(choice->currentText(), QStringLiteral("English"));
        choice->setCurrentIndex(choice->findData(QStringLiteral("fr")));
        QVERIFY(f.click(QStringLiteral("ButtonCANCEL1")));
        QVERIFY(!loadLanguage(folder).code);
        f.window->run("OPTIONSMainMENUClick");
        QCOMPARE(choice->currentText(), QStringLiteral("English"));

        choice->setCurrentIndex(choice->findData(QStringLiteral("de")));
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QCOMPARE(*loadLanguage(folder).code, std::string("de"));
        QCOMPARE(f.dialogs.messages.back(), std::string("The trainer speaks Deutsch from the next start of Defibrio."));
        // The language in force stays English until the next start.
        QCOMPARE(f.s().options.language(), std::string("en"));
        QCOMPARE(f.window->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        f.window->run("OPTIONSMainMENUClick");
        QCOMPARE(choice->currentText(), QStringLiteral("Deutsch"));
        // Saved again unchanged: nothing to say.
        const std::size_t said = f.dialogs.messages.size();
        f.window->run("TabSheet2Show");
        QVERIFY(f.click(QStringLiteral("ProtocolOK")));
        QCOMPARE(f.dialogs.messages.size(), said);
    }

    // A file that cannot be written is named in the message, and the choice waits to be saved.
    void aFailedSaveLosesNothing()
    {
        Fixture f;
        const QString folder = QString::fromStdString(f.s().options.programDirectory);
        QVERIFY(QDir(folder).mkdir(QString::fromLatin1(languageFile)));
        f.window->run("OPTIONSMainMENUClick");
        auto* choice = f.find<QComboBox>(QStringLiteral("LanguageChoice"));
        choice->setCurrentIndex(choice->findData(QStringLiteral("es")));
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QVERIFY(!f.dialogs.messages.empty());
        const QString said = QString::fromStdString(f.dialogs.messages.back());
        QVERIFY2(said.startsWith(QStringLiteral("The language could not be saved in ")), qPrintable(said));
        QVERIFY2(said.contains(QDir::toNativeSeparators(QDir(folder).filePath(QString::fromLatin1(languageFile)))),
                 qPrintable(said));
        f.window->run("OPTIONSMainMENUClick");
        QCOMPARE(choice->currentText(), QStringLiteral("Español"));
        QVERIFY(QDir(folder).rmdir(QString::fromLatin1(languageFile)));
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QCOMPARE(*loadLanguage(folder.toStdString()).code, std::string("es"));
    }

    // The pseudo-translation keeps what a translation must keep.
    void pseudoKeepsMarks()
    {
        QCOMPARE(pseudo(QStringLiteral("&Start CPR")), QStringLiteral("[&Sţàrţ ÇPR ~]"));
        QVERIFY(pseudo(QStringLiteral("%1 of %2")).contains(QStringLiteral("%1")));
        QVERIFY(pseudo(QStringLiteral("Twelve letters")).size() >= static_cast<qsizetype>(14 * 1.4));
    }
};

int main(int argc, char** argv)
{
    // A screen of 1280 x 720 for the offscreen platform (its own is 800 x 600), so that the
    // windows are laid out as on the smallest desktop they are made for.
    QTemporaryFile screens;
    if (screens.open()) {
        screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 720,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.close();
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    LanguagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_languages.moc"
