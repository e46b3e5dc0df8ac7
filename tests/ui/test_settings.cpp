// Where the program keeps its own settings (the window's place): beside a portable copy, in
// ~/.config/defibrio for the installed program, with Qt's file dialog history beside them and
// nothing left in ~/.config itself; and what an older version kept is taken in.
#include <QDirIterator>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/programfolders.h"
#include "ui/settings.h"
#include "uitest.h"

using namespace defib;

namespace {

// The main window of `folders` that keeps its place between runs, as the program's does.
struct Program {
    explicit Program(const ui::ProgramFolders& folders)
        : window(folders, ui::WindowServices{&random, &sound, &dialogs, &wallClock, &clock, true})
    {
        window.show();
    }
    LinearRandom random{1};
    uitest::RecordingSound sound;
    uitest::QueuedDialogs dialogs;
    uitest::FixedWallClock wallClock;
    VirtualClock clock;
    ui::TForm1 window;
};

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every file under a folder, relative to it.
QStringList filesUnder(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir home_;
    QString config() const { return home_.filePath(QStringLiteral(".config")); }

    // A program folder laid out as installed: bin/ beside share/defibrio/sounds.
    QString installedBin(const QTemporaryDir& root) const
    {
        const QString bin = root.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        QDir().mkpath(QDir(bin).absoluteFilePath(ui::installedPromptFolder()));
        return bin;
    }

private slots:
    void initTestCase()
    {
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setOrganizationName(QStringLiteral("Defibrio"));
        QCoreApplication::setApplicationName(QStringLiteral("Defibrio"));
    }

    void init()
    {
        QDir(config()).removeRecursively();
        QDir(home_.filePath(QStringLiteral(".local"))).removeRecursively();
    }

    void aPortableCopyKeepsItsSettingsBesideItself()
    {
        QTemporaryDir stick;
        write(stick.filePath(QStringLiteral("MOTION.WAV")), "RIFF");
        const ui::ProgramFolders folders = ui::locateProgramFolders(stick.path(), ui::userDataFolder());
        QCOMPARE(folders.settings, stick.path());
        QCOMPARE(ui::settingsFile(folders), stick.filePath(QStringLiteral("DEFIBRIO.INI")));
        {
            Program program(folders);
            QVERIFY(QTest::qWaitForWindowExposed(&program.window));
            QVERIFY(program.window.close());
        }
        QSettings kept(stick.filePath(QStringLiteral("DEFIBRIO.INI")), QSettings::IniFormat);
        QVERIFY(!kept.value(QStringLiteral("window/geometry")).toByteArray().isEmpty());
        // Nothing in the user's configuration folder.
        QCOMPARE(filesUnder(config()), QStringList{});
    }

    void theInstalledProgramKeepsThemInItsConfigurationFolder()
    {
        QTemporaryDir root;
        const ui::ProgramFolders folders = ui::locateProgramFolders(installedBin(root), ui::userDataFolder());
        QVERIFY(folders.installed);
        QCOMPARE(folders.settings, config() + QStringLiteral("/defibrio"));
        QCOMPARE(ui::settingsFile(folders), config() + QStringLiteral("/defibrio/defibrio.conf"));
        {
            Program program(folders);
            QVERIFY(program.window.close());
        }
        QCOMPARE(filesUnder(config()), QStringList{QStringLiteral("defibrio/defibrio.conf")});
        // The files stay in the data folder of the first versions.
        QCOMPARE(folders.files, home_.filePath(QStringLiteral(".local/share/Defibrio")));
    }

    void aCopyThatMayNotWriteBesideItselfUsesTheConfigurationFolder()
    {
        QTemporaryDir stick;
        write(stick.filePath(QStringLiteral("MOTION.WAV")), "RIFF");
        QFile::setPermissions(stick.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool writable = ui::canWriteIn(stick.path());
        const ui::ProgramFolders folders = ui::locateProgramFolders(stick.path(), ui::userDataFolder());
        QFile::setPermissions(stick.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (writable)
            QSKIP("root may write into every folder");
        QCOMPARE(folders.settings, ui::userConfigFolder());
        QCOMPARE(ui::settingsFile(folders), config() + QStringLiteral("/defibrio/defibrio.conf"));
    }

    // Qt's own dialogs keep their history where the program keeps its settings, never in
    // ~/.config/QtProject.conf.
    void theFileDialogsHistoryGoesWithTheSettings()
    {
        QTemporaryDir stick;
        ui::keepQtSettingsIn(stick.path());
        {
            QFileDialog dialog(nullptr, QStringLiteral("Open Report"), stick.path());
            dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        }
        QVERIFY(QFile::exists(stick.filePath(QStringLiteral("QtProject.conf"))));
        QCOMPARE(filesUnder(config()), QStringList{});
        // The main window sends them to its settings' folder.
        QTemporaryDir other;
        {
            Program program(ui::ProgramFolders{other.path(), other.path(), false, other.path(), other.path()});
            QFileDialog dialog(&program.window);
            dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        }
        QVERIFY(QFile::exists(other.filePath(QStringLiteral("QtProject.conf"))));
        QCOMPARE(filesUnder(config()), QStringList{});
    }

    // The window's place of an older version, kept in "Unknown Organization", is taken in once;
    // the older file stays, and settings of the program's own are never overwritten.
    void settingsOfAnOlderVersionAreTakenIn()
    {
        QCOMPARE(ui::olderSettingsFile(), config() + QStringLiteral("/Unknown Organization/Defibrio.conf"));
        {
            QSettings older(ui::olderSettingsFile(), QSettings::IniFormat);
            older.setValue(QStringLiteral("window/geometry"), QByteArray("older place"));
        }
        QTemporaryDir stick;
        const QString file = stick.filePath(QStringLiteral("DEFIBRIO.INI"));
        QCOMPARE(ui::openSettings(file)->value(QStringLiteral("window/geometry")).toByteArray(),
                 QByteArray("older place"));
        QVERIFY(QFile::exists(ui::olderSettingsFile()));
        ui::openSettings(file)->setValue(QStringLiteral("window/geometry"), QByteArray("own place"));
        QCOMPARE(ui::openSettings(file)->value(QStringLiteral("window/geometry")).toByteArray(),
                 QByteArray("own place"));
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
