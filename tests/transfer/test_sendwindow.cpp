// The send window and the progress of a real upload in the window: the window stays alive while
// the file travels, Cancel stops it in the middle. The servers are started by run_transfer.py,
// which passes their ports in the environment.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <sys/stat.h>

#include "engine/pageshandlers.h"
#include "ui/ftpform.h"
#include "ui/optionspages.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

QString env(const char* name)
{
    return qEnvironmentVariable(name);
}

struct SendPage : Fixture {
    SendPage()
    {
        QVERIFY(click(QStringLiteral("OPTIONSMainMENU")));
        window->run("TabSheet3Show");
        pages = find<ui::OptionsPages>(QStringLiteral("PageControl1"));
        form = pages->sendForm();
    }
    template <class T = QWidget> T* field(const QString& name) const { return form->findChild<T*>(name); }
    // Fills the send window as a user would and presses OK.
    void fill(const QString& port, const QString& file)
    {
        QVERIFY(click(QStringLiteral("Button1")));
        QVERIFY(form->isVisible());
        for (auto [name, text] :
             {std::pair{"FTPHost", QStringLiteral("127.0.0.1")}, std::pair{"FTPPort", port},
              std::pair{"FTPUser", env("DEFIB_TEST_USER")}, std::pair{"FTPPassword", env("DEFIB_TEST_PASSWORD")},
              std::pair{"FTPRemoteFile", file}}) {
            auto* edit = field<QLineEdit>(QString::fromLatin1(name));
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        field<QComboBox>(QStringLiteral("FTPMode"))->setCurrentText(QStringLiteral("Binary"));
        QTest::mouseClick(field<QPushButton>(QStringLiteral("OK")), Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }
    void writeReport(qint64 bytes)
    {
        QFile file(dir.filePath(QStringLiteral("AEDTEST.TXT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray line = QByteArray("Pat Trainee       4711          12/8/26   03:12  01:05    450\r\n");
        QByteArray block;
        while (block.size() < 1024 * 1024)
            block += line;
        for (qint64 written = 0; written < bytes; written += block.size())
            file.write(block.left(static_cast<int>(std::min<qint64>(block.size(), bytes - written))));
        file.close();
        // The page looks again whether there is a report to send, as when it is opened.
        window->run("TabSheet3Show");
    }
    QString remote(const QString& name) const { return env("DEFIB_TEST_SERVER_ROOT") + QLatin1Char('/') + name; }

    ui::OptionsPages* pages = nullptr;
    ui::TFTPform* form = nullptr;
};

} // namespace

class SendWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowEditsTheOptionsAndOkKeepsThem()
    {
        SendPage p;
        QVERIFY(p.click(QStringLiteral("Button1")));
        QVERIFY(p.form->isVisible());
        QCOMPARE(p.field<QLineEdit>(QStringLiteral("FTPUser"))->text(), QStringLiteral("anonymous"));
        QCOMPARE(p.field<QLineEdit>(QStringLiteral("FTPPassword"))->echoMode(), QLineEdit::Password);
        QCOMPARE(p.field<QLineEdit>(QStringLiteral("FTPRemoteFile"))->text(),
                 QStringLiteral("{name}_{id}_{date}_{time}.txt"));
        QVERIFY(p.field<QCheckBox>(QStringLiteral("FTPSendDetailed"))->isChecked());
        QCOMPARE(p.field<QComboBox>(QStringLiteral("FTPProtocol"))->currentText(), QStringLiteral("FTP"));
        QVERIFY(p.field<QCheckBox>(QStringLiteral("FTPPassive"))->isChecked());
        QVERIFY(!p.field<QCheckBox>(QStringLiteral("FTPTrustCertificate"))->isEnabled());
        QTest::keyClicks(p.field<QLineEdit>(QStringLiteral("FTPPort")), QStringLiteral("21"));
        p.field<QComboBox>(QStringLiteral("FTPProtocol"))->setCurrentText(QStringLiteral("SFTP"));
        QCOMPARE(p.field<QLineEdit>(QStringLiteral("FTPPort"))->text(), QStringLiteral("22"));
        // On the box itself: the row is wider than the box and its caption.
        auto* remember = p.field<QCheckBox>(QStringLiteral("FTPRememberPassword"));
        QTest::mouseClick(remember, Qt::LeftButton, {}, QPoint(8, remember->height() / 2));
        QCOMPARE(p.field<QLabel>(QStringLiteral("FTPPasswordNote"))->text(),
                 QString::fromLatin1(rememberedPasswordNote));
        QTest::mouseClick(p.field<QPushButton>(QStringLiteral("OK")), Qt::LeftButton);
        QVERIFY(!p.form->isVisible());
        struct stat info { };
        QCOMPARE(stat(p.dir.filePath(QStringLiteral("OPTION4.INI")).toLocal8Bit().constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        QCOMPARE(p.s().sendWindow.settings.protocol, SendProtocol::Sftp);
        // Cancel forgets what was typed.
        QVERIFY(p.click(QStringLiteral("Button1")));
        QTest::keyClicks(p.field<QLineEdit>(QStringLiteral("FTPHost")), QStringLiteral("elsewhere"));
        QTest::mouseClick(p.field<QPushButton>(QStringLiteral("Cancel")), Qt::LeftButton);
        QVERIFY(!p.form->isVisible());
        QCOMPARE(p.s().sendWindow.settings.host, std::string());
    }

    void aSendReportsItsResultOnceTheTransferHasEnded()
    {
        SendPage p;
        p.writeReport(300 * 1024);
        p.fill(env("DEFIB_TEST_FTP_PORT"), QStringLiteral("window.txt"));
        p.dialogs.answers.push_back(true);
        QVERIFY(p.click(QStringLiteral("BUTTONSend")));
        QTRY_COMPARE_WITH_TIMEOUT(p.dialogs.messages.size(), std::size_t(1), 30000);
        QCOMPARE(p.dialogs.messages[0], std::string("AEDTEST.TXT was sent to 127.0.0.1 (307200 bytes)."));
        QCOMPARE(QFileInfo(p.remote(QStringLiteral("window.txt"))).size(), qint64(300 * 1024));
        QVERIFY(p.find(QStringLiteral("BUTTONSend"))->isEnabled());
        QTRY_VERIFY(!p.window->findChild<QProgressDialog*>(QStringLiteral("TFTPformProgress")));
    }

    void theMenuSendsBothReportsUnderNamesOfTheirOwnAndNeverReplacesOne()
    {
        SendPage p;
        // Whole lines: the newest result is Pat Trainee's.
        const qint64 size = 63 * 1000;
        p.writeReport(size);
        {
            QFile detailed(p.dir.filePath(QStringLiteral("AEDTEST2.TXT")));
            QVERIFY(detailed.open(QIODevice::WriteOnly));
            detailed.write("Pat Trainee       4711          12/8/26   03:12  01:05    450\r\n"
                           "Pulse checked after the shock.\r\n\r\n");
        }
        const qint64 detailedSize = QFileInfo(p.dir.filePath(QStringLiteral("AEDTEST2.TXT"))).size();
        // The remote file left empty: the pattern, filled in with the newest result's trainee and
        // the date and time.
        p.fill(env("DEFIB_TEST_FTP_PORT"), QString());
        QVERIFY(p.click(QStringLiteral("DATAOK")));
        auto* menu = p.find<QMenu>(QStringLiteral("FileMenu"));
        const QString stem = QStringLiteral("Pat_Trainee_4711_2026-12-08_094100");
        for (const QString& suffix : {QString(), QStringLiteral("_2")}) {
            menu->popup(p.window->mapToGlobal(QPoint(20, 20)));
            menu->hide();
            p.dialogs.messages.clear();
            p.dialogs.answers.push_back(true);
            QVERIFY(p.trigger(QStringLiteral("SendTestReport")));
            QTRY_COMPARE_WITH_TIMEOUT(p.dialogs.messages.size(), std::size_t(1), 30000);
            const QString message = QString::fromStdString(p.dialogs.messages[0]);
            QVERIFY2(message.startsWith(QStringLiteral("AEDTEST.TXT was sent to 127.0.0.1 as ") + stem + suffix
                                        + QStringLiteral(".txt (%1 bytes).").arg(size)),
                     qPrintable(message));
            QVERIFY2(message.endsWith(QStringLiteral("AEDTEST2.TXT, the detailed report, went with it as ") + stem
                                      + suffix + QStringLiteral("_details.txt (%1 bytes).").arg(detailedSize)),
                     qPrintable(message));
            QCOMPARE(QFileInfo(p.remote(stem + suffix + QStringLiteral(".txt"))).size(), size);
            QCOMPARE(QFileInfo(p.remote(stem + suffix + QStringLiteral("_details.txt"))).size(), detailedSize);
            QTRY_VERIFY(p.window->findChild<QAction*>(QStringLiteral("SendTestReport"))->isEnabled());
        }
        // The first send's files are as they arrived, and no claim is left on the server.
        QCOMPARE(QFileInfo(p.remote(stem + QStringLiteral(".txt"))).size(), size);
        QCOMPARE(QDir(env("DEFIB_TEST_SERVER_ROOT"))
                     .entryList(QStringList{QStringLiteral("*.lock")}, QDir::Dirs | QDir::Hidden),
                 QStringList());
    }

    void cancelStopsALargeFileInTheMiddle()
    {
        SendPage p;
        const qint64 size = 48ll * 1024 * 1024;
        p.writeReport(size);
        p.fill(env("DEFIB_TEST_SLOWFTP_PORT"), QStringLiteral("large.txt"));
        p.dialogs.answers.push_back(true);
        // The click returns while the file travels: the window goes on with its work.
        QVERIFY(p.click(QStringLiteral("BUTTONSend")));
        QVERIFY(p.dialogs.messages.empty());
        QVERIFY(!p.find(QStringLiteral("BUTTONSend"))->isEnabled());
        QPointer<QProgressDialog> progress;
        QTRY_VERIFY((progress = p.window->findChild<QProgressDialog*>(QStringLiteral("TFTPformProgress")))
                    && progress->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!progress || progress->labelText().contains(QStringLiteral("bytes sent")), 20000);
        QVERIFY2(progress, p.dialogs.messages.empty() ? "" : p.dialogs.messages[0].c_str());
        // A second Send while one runs does nothing.
        p.window->run("BUTTONSendClick");
        QCOMPARE(p.dialogs.questions.size(), std::size_t(1));
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(p.dialogs.messages.size(), std::size_t(1), 20000);
        QCOMPARE(p.dialogs.messages[0],
                 std::string("Sending AEDTEST.TXT was cancelled. The copy on 127.0.0.1 may be incomplete."));
        QVERIFY(QFileInfo(p.remote(QStringLiteral("large.txt"))).size() < size);
        QCOMPARE(QFileInfo(p.dir.filePath(QStringLiteral("AEDTEST.TXT"))).size(), size);
        QVERIFY(p.find(QStringLiteral("BUTTONSend"))->isEnabled());
    }
};

QTEST_MAIN(SendWindowTest)
#include "test_sendwindow.moc"
