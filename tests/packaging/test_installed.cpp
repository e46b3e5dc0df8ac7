// The program as installed: run with its folder set to the bin/ of an install tree
// (DEFIB_INSTALLED_BIN, made by the install test), it finds its prompts in the shared folder and
// keeps every file it writes in the user's data folder under a temporary HOME, never in the
// install tree; a copy with its prompts beside it keeps its files beside itself.
#include <QCheckBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "../ui/uitest.h"
#include "ui/optionspages.h"
#include "ui/programfolders.h"
#include "ui/qtreport.h"

using namespace defib;
using defib::uitest::QueuedDialogs;

namespace {

// Plays a prompt when its file is there, and keeps the path asked for.
class FileCheckingSound : public SoundPlayer {
public:
    bool play(const std::string& path) override
    {
        played.push_back(QString::fromStdString(path));
        return QFileInfo::exists(played.back());
    }
    void stop() override { }
    QStringList played;
};

// Every file under a folder with its size and time, to show that nothing there changed.
QStringList snapshot(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        files << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

// The program window as the program opens it from `programFolder`, with scripted dialogs and
// time, and the prompts checked against the files.
struct Program {
    explicit Program(const QString& programFolder)
        : folders(ui::prepareProgramFolders(programFolder))
        , window(folders, ui::WindowServices{&random, &sound, &dialogs, &wallClock, &clock})
    {
        window.show();
    }
    Scenario& s() { return window.scenario(); }
    template <class T = QWidget> T* find(const QString& name) { return window.findChild<T*>(name); }
    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    // Changes an option on the pages and confirms the save, as the instructor does.
    void saveAnOption()
    {
        click(QStringLiteral("OPTIONSMainMENU"));
        auto* hypo = find<QCheckBox>(QStringLiteral("OptHypo"));
        QTest::mouseClick(hypo, Qt::LeftButton, {}, QPoint(8, hypo->height() / 2));
        dialogs.answers.push_back(true);
        click(QStringLiteral("ProgramOK"));
    }

    // Starts a scenario and powers the trainer on; it asks for the electrodes with a prompt.
    void powerOn()
    {
        click(QStringLiteral("MenuStart"));
        auto* registration = find(QStringLiteral("TUserNAMEFORM"));
        QTest::keyClicks(registration->findChild<QLineEdit*>(QStringLiteral("NameEdit")), QStringLiteral("Pat Doe"));
        QTest::mouseClick(registration->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QTest::mouseClick(find<QPlainTextEdit>(QStringLiteral("MainMSGDisplay"))->viewport(), Qt::LeftButton);
        QWidget* power = find(QStringLiteral("PowerButton"));
        QTest::mouseClick(power, Qt::LeftButton, {}, power->rect().center());
        window.advance(Millis(2150));
    }

    // The About box's text, read while it is open and then closed.
    QString aboutText()
    {
        QString text;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->informativeText();
                box->accept();
            }
        });
        window.findChild<QAction*>(QStringLiteral("About"))->trigger();
        return text;
    }

    // The folder the report viewer's Open dialog starts in.
    QString openDialogFolder()
    {
        click(QStringLiteral("OPTIONSMainMENU"));
        window.run("TabSheet3Show");
        QString folder;
        find<ui::OptionsPages>(QStringLiteral("PageControl1"))->fileDialog().runDialog = [&](QFileDialog& dialog) {
            folder = dialog.directory().absolutePath();
            return false;
        };
        click(QStringLiteral("REPORTOpenFile"));
        return folder;
    }

    ui::ProgramFolders folders;
    LinearRandom random{1};
    FileCheckingSound sound;
    QueuedDialogs dialogs;
    uitest::FixedWallClock wallClock;
    VirtualClock clock;
    ui::TForm1 window;
};

} // namespace

class InstalledProgramTest : public QObject {
    Q_OBJECT
private:
    QString bin_;
    QString root_;
    QTemporaryDir home_;

    QString dataFolder() const { return home_.filePath(QStringLiteral(".local/share/Defibrio")); }

private slots:
    void initTestCase()
    {
        bin_ = QDir(qEnvironmentVariable("DEFIB_INSTALLED_BIN")).absolutePath();
        QVERIFY2(QFileInfo(bin_ + QStringLiteral("/defibrio")).isExecutable(),
                 "DEFIB_INSTALLED_BIN names no install tree's bin/ folder");
        root_ = QDir(bin_ + QStringLiteral("/..")).absolutePath();
        // The user's data folder follows HOME and the program's name, as on a trainee's machine.
        QCoreApplication::setApplicationName(QStringLiteral("Defibrio"));
        qputenv("HOME", home_.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void init()
    {
        QDir(dataFolder()).removeRecursively();
        QDir(home_.filePath(QStringLiteral(".config"))).removeRecursively();
    }

    void anInstalledProgramKeepsItsFilesInTheUsersDataFolder()
    {
        const QStringList before = snapshot(root_);
        {
            Program program(bin_);
            QVERIFY(program.folders.installed);
            QCOMPARE(program.folders.files, dataFolder());
            QCOMPARE(program.folders.prompts, root_ + QStringLiteral("/share/defibrio/sounds"));
            // Made at the first start.
            QVERIFY(QFileInfo(dataFolder()).isDir());
            QVERIFY(QTest::qWaitForWindowExposed(&program.window));

            // The prompts are found: audio stays on and the trainer's first prompt plays from
            // the shared folder.
            QVERIFY(program.s().options.SOUNDCheckBox.checked);
            // The options are changed at the main menu, where the instructor opens their pages.
            program.saveAnOption();
            program.powerOn();
            QCOMPARE(program.sound.played, QStringList{program.folders.prompts + QStringLiteral("/connecte.wav")});
            QVERIFY(program.dialogs.messages.empty());

            QVERIFY(QFile::exists(dataFolder() + QStringLiteral("/OPTION1.INI")));
            QVERIFY(QFile::exists(dataFolder() + QStringLiteral("/OPTION2.INI")));
            QVERIFY(program.aboutText().contains(QDir::toNativeSeparators(dataFolder())));
            QCOMPARE(program.openDialogFolder(), dataFolder());
            // The window's place goes to the configuration folder named for the program, and the
            // file dialog's history with it.
            program.window.run("ButtonCANCEL1Click");
            // The scenario under way is ended as terminated.
            program.dialogs.answers.push_back(true);
            QVERIFY(program.window.close());
            QVERIFY(QFile::exists(home_.filePath(QStringLiteral(".config/defibrio/defibrio.conf"))));
            QVERIFY(QFile::exists(home_.filePath(QStringLiteral(".config/defibrio/QtProject.conf"))));
            QVERIFY(!QFile::exists(home_.filePath(QStringLiteral(".config/QtProject.conf"))));
            QVERIFY(!QFileInfo::exists(home_.filePath(QStringLiteral(".config/Unknown Organization"))));
        }
        // Nothing was written into the install tree, even where it is writable (as for root).
        QCOMPARE(snapshot(root_), before);
    }

    void theSavedOptionsAreThereAtTheNextStart()
    {
        {
            Program first(bin_);
            first.saveAnOption();
        }
        Program second(bin_);
        QVERIFY(second.s().options.OptHypo.checked);
    }

    void aCopyWithItsPromptsKeepsItsFilesBesideItself()
    {
        QTemporaryDir stick;
        QVERIFY(QFile::copy(bin_ + QStringLiteral("/defibrio"), stick.filePath(QStringLiteral("defibrio"))));
        const QDir sounds(root_ + QStringLiteral("/share/defibrio/sounds"));
        for (const QString& name : sounds.entryList(QDir::Files))
            QVERIFY(QFile::copy(sounds.filePath(name), stick.filePath(name)));

        Program program(stick.path());
        QVERIFY(!program.folders.installed);
        QCOMPARE(program.folders.files, stick.path());
        QCOMPARE(program.folders.prompts, stick.path());
        QVERIFY(program.s().options.SOUNDCheckBox.checked);
        program.saveAnOption();
        QVERIFY(QFile::exists(stick.filePath(QStringLiteral("OPTION1.INI"))));
        QVERIFY(!QFileInfo::exists(dataFolder()));
        QVERIFY(program.aboutText().contains(QDir::toNativeSeparators(stick.path())));
        QCOMPARE(program.openDialogFolder(), stick.path());
        // Its settings stay beside it too.
        program.window.run("ButtonCANCEL1Click");
        QVERIFY(program.window.close());
        QVERIFY(QFile::exists(stick.filePath(QStringLiteral("DEFIBRIO.INI"))));
        QVERIFY(!QFileInfo::exists(home_.filePath(QStringLiteral(".config/defibrio"))));
    }

    void aCopyInAFolderItMayNotWriteKeepsItsFilesInTheDataFolder()
    {
        QTemporaryDir stick;
        QVERIFY(QFile::copy(root_ + QStringLiteral("/share/defibrio/sounds/MOTION.WAV"),
                            stick.filePath(QStringLiteral("MOTION.WAV"))));
        QFile::setPermissions(stick.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (ui::canWriteIn(stick.path())) {
            QFile::setPermissions(stick.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("root may write into every folder");
        }
        const ui::ProgramFolders folders = ui::locateProgramFolders(stick.path(), dataFolder());
        QFile::setPermissions(stick.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!folders.installed);
        QCOMPARE(folders.prompts, stick.path());
        QCOMPARE(folders.files, dataFolder());
    }
};

QTEST_MAIN(InstalledProgramTest)
#include "test_installed.moc"
