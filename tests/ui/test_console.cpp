// The instructor's console against real stations: trainers of this process, each with its own
// WebSocket server on 127.0.0.1, joined by the console's own clients over loopback.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <csignal>
#include <deque>
#include <sys/types.h>

#include "stationfixture.h"
#include "ui/console.h"
#include "ui/timeline.h"

using namespace defib;
using namespace defib::uitest;
using ui::ConsoleClient;
using ui::StationGrid;

namespace {

// Network answers come within this many milliseconds on loopback, even on a busy machine.
constexpr int within = 10000;

class ScriptedQuestions : public ui::ConsoleQuestions {
public:
    bool scenarioFile(QWidget*, QString& fileName) override
    {
        if (files.empty())
            return false;
        fileName = files.front();
        files.pop_front();
        return true;
    }
    bool messageText(QWidget*, QString& text) override
    {
        if (texts.empty())
            return false;
        text = texts.front();
        texts.pop_front();
        return true;
    }
    std::deque<QString> files;
    std::deque<QString> texts;
};

// The console with its questions scripted and its pins in a folder of the test's own.
struct ConsoleFixture {
    ConsoleFixture()
        : pins(pinFolder.filePath(QStringLiteral("pins.txt")))
        , console(&questions, &pins)
    {
        console.setRetryInterval(200);
        console.resize(1280, 720 - 48);
        console.show();
    }
    bool click(const QString& name)
    {
        auto* button = console.findChild<QAbstractButton*>(name);
        if (!button || !button->isVisible() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
    // The grid's cell now; with `moving`, that station's clock goes on by 100 ms first, as a
    // station's own clock would meanwhile, so that it sends its changed status (at most one
    // every 100 ms of its clock).
    QString cell(int row, StationGrid::Column column, TestStation* moving = nullptr)
    {
        if (moving)
            moving->wait(100);
        console.refreshNow();
        return console.grid().text(row, column);
    }
    QTemporaryDir pinFolder;
    ScriptedQuestions questions;
    ui::CertificatePins pins;
    ui::TConsole console;
};

QString statusScore(TestStation& station)
{
    return QString::number(station.status().value(QStringLiteral("score")).toInt());
}

} // namespace

class ConsoleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void addressesAreReadAsTheStationShowsThem()
    {
        ConsoleClient::Address a;
        QVERIFY(ConsoleClient::parseAddress(QStringLiteral(" 192.168.1.20:47811 "), a));
        QCOMPARE(a.host, QStringLiteral("192.168.1.20"));
        QCOMPARE(a.port, quint16(47811));
        QVERIFY(!a.tls);
        QVERIFY(ConsoleClient::parseAddress(QStringLiteral("wss://room-3"), a));
        QCOMPARE(a.host, QStringLiteral("room-3"));
        QCOMPARE(a.port, quint16(stationDefaultPort));
        QVERIFY(a.tls);
        QVERIFY(ConsoleClient::parseAddress(QStringLiteral("[::1]:5000"), a));
        QCOMPARE(a.host, QStringLiteral("::1"));
        QCOMPARE(a.port, quint16(5000));
        for (const char* bad : {"", "host:0", "host:70000", "host:port", "ws://", "a b:1", "http://x/y"})
            QVERIFY2(!ConsoleClient::parseAddress(QString::fromLatin1(bad), a), bad);

        // The window says why it cannot use what was typed, and adds nothing.
        ConsoleFixture f;
        QVERIFY(!f.console.addStation(QStringLiteral("host:port"), QStringLiteral("123456")));
        QVERIFY(f.console.statusText().contains(QStringLiteral("host:port")));
        QVERIFY(!f.console.addStation(QStringLiteral("127.0.0.1:1"), QStringLiteral("12345")));
        QVERIFY(f.console.statusText().contains(QStringLiteral("six digits")));
        QVERIFY(f.console.clients().empty());
    }

    // The console joins, follows the station's status and penalties, and its commands reach the
    // station's core; a command that does not fit says the station's reason.
    void joinWatchAndSteer()
    {
        TestStation station(QStringLiteral("Pat"));
        ConsoleFixture f;
        ConsoleClient* client = f.console.addStation(station.address(), QStringLiteral("123456"));
        QVERIFY(client);
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        QCOMPARE(station.server->station().console() >= 0, true);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Trainee), QStringLiteral("Pat"), within);
        QCOMPARE(f.cell(0, StationGrid::Connection), QStringLiteral("running"));
        QCOMPARE(f.cell(0, StationGrid::Mode), QStringLiteral("Practice"));
        QCOMPARE(f.cell(0, StationGrid::Penalties), QString());

        // The pads before the ABCs cost 300 points: the score follows and a red mark tells the
        // penalty.
        station.attachPads();
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Score), statusScore(station), within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Penalties), QString(QChar(0x25CF)), within);
        const QModelIndex marks = f.console.grid().index(0, StationGrid::Penalties);
        const QString tip = f.console.grid().data(marks, Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(QStringLiteral("(-300)")), qPrintable(tip));
        QCOMPARE(f.console.grid().data(marks, Qt::ForegroundRole).value<QColor>(), QColor(200, 0, 0));
        QCOMPARE(client->penalties().size(), std::size_t(1));
        QCOMPARE(client->penalties()[0].amount, -300);

        // The time moves on at the station: the grid shows its scenario clock.
        station.wait(61000);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Time).left(2), QStringLiteral("1:"), within);

        // Pause reaches the core; a second Pause is refused with the station's reason.
        QVERIFY(f.click(QStringLiteral("PauseStation")));
        QTRY_VERIFY_WITH_TIMEOUT(station.s().state.paused, within);
        QTRY_VERIFY_WITH_TIMEOUT(f.console.statusText().endsWith(QStringLiteral("Pause done.")), within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Connection, &station), QStringLiteral("paused"), within);
        QVERIFY(f.click(QStringLiteral("PauseStation")));
        QTRY_VERIFY_WITH_TIMEOUT(f.console.statusText().contains(QStringLiteral("Pause refused: ")), within);
        const auto& results = client->results();
        QCOMPARE(results.size(), std::size_t(2));
        const ui::CommandResult& refused = results.rbegin()->second;
        QVERIFY(refused.done && !refused.ok && !refused.reason.isEmpty());
        QVERIFY(f.console.statusText().endsWith(refused.reason));
        QVERIFY(f.click(QStringLiteral("ResumeStation")));
        QTRY_VERIFY_WITH_TIMEOUT(!station.s().state.paused, within);

        // The trainee is told the instructor's message.
        f.questions.texts.push_back(QStringLiteral("Check the pads"));
        QVERIFY(f.click(QStringLiteral("MessageStation")));
        QTRY_VERIFY_WITH_TIMEOUT(f.console.statusText().endsWith(QStringLiteral("Message done.")), within);

        // A pad fault waits for the next analysis.
        f.console.findChild<QComboBox*>(QStringLiteral("TroubleKind"))->setCurrentIndex(0);
        f.console.findChild<QComboBox*>(QStringLiteral("TroubleWhen"))->setCurrentIndex(1);
        QVERIFY(f.click(QStringLiteral("TroubleStation")));
        QTRY_COMPARE_WITH_TIMEOUT(station.status().value(QStringLiteral("troubleNext")).toString(),
                                  QStringLiteral("electrode"), within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Trouble, &station),
                                  QStringLiteral("Pad fault at next analysis"), within);

        // The timeline shows the station's scenario as the station logged it.
        QTRY_COMPARE_WITH_TIMEOUT(f.console.timeline()->events().size(), station.s().events.events().size(), within);

        // End Scenario evaluates it at the station.
        QVERIFY(f.click(QStringLiteral("EndStation")));
        QTRY_COMPARE_WITH_TIMEOUT(station.phase(), QStringLiteral("ended"), within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Connection, &station), QStringLiteral("ended"), within);
        QVERIFY(f.click(QStringLiteral("EndStation")));
        QTRY_VERIFY_WITH_TIMEOUT(f.console.statusText().contains(QStringLiteral("End scenario refused: ")), within);
    }

    // A wrong code is refused with the station's reason, and the console does not try again.
    void aWrongCodeIsRefused()
    {
        TestStation station(QStringLiteral("Pat"), QStringLiteral("111111"));
        ConsoleFixture f;
        ConsoleClient* client = f.console.addStation(station.address(), QStringLiteral("222222"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Refused, within);
        QCOMPARE(client->reason(), QStringLiteral("wrong code"));
        QCOMPARE(f.cell(0, StationGrid::Connection), QStringLiteral("refused"));
        QVERIFY(f.console.statusText().endsWith(QStringLiteral("refused the console: wrong code")));
        QVERIFY(!f.click(QStringLiteral("PauseStation")));
        QCOMPARE(station.server->station().console(), -1);
    }

    // A station that goes away is shown lost, greyed, and comes back on its own when it returns,
    // with the whole timeline of its scenario.
    void aLostStationComesBack()
    {
        TestStation station(QStringLiteral("Pat"));
        ConsoleFixture f;
        ConsoleClient* client = f.console.addStation(station.address(), QStringLiteral("123456"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        station.attachPads();
        QTRY_COMPARE_WITH_TIMEOUT(client->penalties().size(), std::size_t(1), within);
        const quint16 port = station.port();

        station.stop();
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Lost, within);
        QCOMPARE(f.cell(0, StationGrid::Connection), QStringLiteral("lost"));
        const QModelIndex name = f.console.grid().index(0, StationGrid::Name);
        QCOMPARE(f.console.grid().data(name, Qt::ForegroundRole).value<QColor>(),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QVERIFY(!f.click(QStringLiteral("PauseStation")));

        // The scenario went on meanwhile (an analysis without clearing the patient costs 25); the
        // console sees all of it when the station returns.
        station.trainer.run("AnalyzeButtonClick");
        station.wait(2000);
        QCOMPARE(station.penalties(), 2);
        QVERIFY(station.serve(port));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        QTRY_COMPARE_WITH_TIMEOUT(client->penalties().size(), std::size_t(2), within);
        QTRY_COMPARE_WITH_TIMEOUT(client->events().size(), station.s().events.events().size(), within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Connection), QStringLiteral("running"), within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Score), statusScore(station), within);
        QVERIFY(f.click(QStringLiteral("PauseStation")));
        QTRY_VERIFY_WITH_TIMEOUT(station.s().state.paused, within);
    }

    // A station that stops answering without closing (its computer asleep, its network gone) is
    // taken for lost after three pings without an answer, and joined again when it answers again.
    // The station is a defibrio-sim of its own, held still with SIGSTOP.
    void aSilentStationIsTakenForLost()
    {
        const QString sim = QCoreApplication::applicationDirPath() + QStringLiteral("/defibrio-sim");
        if (!QFile::exists(sim))
            QSKIP("defibrio-sim is not built beside the test");
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("station.sim"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("option OptTroubleOdds 0\nregister Pat \"\" practice\nnew\nstation 0 333333\nbegin\nwait 120000\n");
        file.close();
        QProcess station;
        station.setWorkingDirectory(dir.path());
        station.start(sim, {script});
        QVERIFY(station.waitForStarted(within));
        quint16 port = 0;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                while (station.canReadLine()) {
                    const QByteArray line = station.readLine();
                    if (line.startsWith("station 127.0.0.1:"))
                        port = static_cast<quint16>(line.mid(18).split(' ').first().toUInt());
                }
                return port != 0;
            }(),
            within);
        ConsoleFixture f;
        f.console.setPingInterval(200);
        ConsoleClient* client
            = f.console.addStation(QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("333333"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Trainee), QStringLiteral("Pat"), within);

        ::kill(static_cast<pid_t>(station.processId()), SIGSTOP);
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Lost, within);
        QCOMPARE(f.cell(0, StationGrid::Connection), QStringLiteral("lost"));
        ::kill(static_cast<pid_t>(station.processId()), SIGCONT);
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, 2 * within);
        QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Connection), QStringLiteral("running"), within);
        station.kill();
        station.waitForFinished(within);
    }

    // A connection cut while a command is on its way says the command's fate is unknown; the
    // console joins again by itself.
    void aCommandCutOffIsNotTakenForDone()
    {
        TestStation station(QStringLiteral("Pat"));
        ConsoleFixture f;
        ConsoleClient* client = f.console.addStation(station.address(), QStringLiteral("123456"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        const qint64 id = client->sendCommand(QStringLiteral("pause"));
        client->dropConnection();
        QTRY_VERIFY_WITH_TIMEOUT(client->results().at(id).done, within);
        QVERIFY(!client->results().at(id).ok);
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        // Ids go on increasing over the new connection.
        QCOMPARE(client->sendCommand(QStringLiteral("resume")), id + 1);
    }

    // A scenario file is sent whole; one the station could never take is not sent at all.
    void aScenarioFileIsSent()
    {
        TestStation station(QStringLiteral("Pat"));
        ConsoleFixture f;
        ConsoleClient* client = f.console.addStation(station.address(), QStringLiteral("123456"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("big.json"));
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(70 * 1024, 'x'));
        file.close();
        f.questions.files.push_back(big);
        QVERIFY(f.click(QStringLiteral("StartStationFile")));
        QVERIFY(f.console.statusText().contains(QStringLiteral("too large")));
        QVERIFY(client->results().empty());
        f.questions.files.push_back(dir.filePath(QStringLiteral("missing.json")));
        QVERIFY(f.click(QStringLiteral("StartStationFile")));
        QVERIFY(f.console.statusText().contains(QStringLiteral("cannot be read")));

        // A scenario of the pack goes to the station once its scenario has ended, and plays at
        // once: the grid shows its title and its first frame.
        QVERIFY(f.click(QStringLiteral("EndStation")));
        QTRY_COMPARE_WITH_TIMEOUT(station.phase(), QStringLiteral("ended"), within);
        // The trainee reads the final errors and is at the summary.
        if (station.s().ui.FINALERRORPanel.visible)
            station.trainer.run("FinalErrorOKButtonClick");
        const QString pack = QStringLiteral(DEFIB_SOURCE_DIR "/scenarios/pad-loose-second-analysis.json");
        QVERIFY(QFile::exists(pack));
        f.questions.files.push_back(pack);
        QVERIFY(f.click(QStringLiteral("StartStationFile")));
        QCOMPARE(client->results().size(), std::size_t(2));
        QTRY_VERIFY_WITH_TIMEOUT(client->results().rbegin()->second.done, within);
        QVERIFY2(client->results().rbegin()->second.ok, qPrintable(client->results().rbegin()->second.reason));
        QVERIFY(f.console.statusText().endsWith(QStringLiteral("Start scenario done.")));
        QTRY_VERIFY_WITH_TIMEOUT(f.cell(0, StationGrid::Scenario, &station).endsWith(QStringLiteral("(frame 1 of 3)")),
                                 within);
    }

    // With TLS the station's certificate is pinned on the first join; another certificate at the
    // same address is refused with a clear message.
    void theCertificateIsPinned()
    {
        ConsoleFixture f;
        quint16 port = 0;
        QByteArray first;
        {
            TestStation station(QStringLiteral("Pat"), QStringLiteral("123456"), 1, true);
            QVERIFY(!station.server->certificateDigest().isEmpty());
            first = station.server->certificateDigest();
            port = station.port();
            ConsoleClient* client
                = f.console.addStation(QStringLiteral("wss://127.0.0.1:%1").arg(port), QStringLiteral("123456"));
            QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
            QCOMPARE(f.pins.pin(client->addressText()), first);
            QTRY_COMPARE_WITH_TIMEOUT(f.cell(0, StationGrid::Trainee), QStringLiteral("Pat"), within);
            // The same station again: the pin matches.
            client->dropConnection();
            QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Lost, within);
            QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        }
        // Another station, with a certificate of its own, on the same address.
        TestStation other(QStringLiteral("Sam"), QStringLiteral("123456"), 2, false);
        other.stop();
        other.server
            = std::make_unique<ui::StationServer>(other.trainer, QStringLiteral("Sam"), QStringLiteral("123456"));
        QString error;
        QVERIFY2(other.server->listen(QHostAddress::LocalHost, port, true, other.dir.filePath(QStringLiteral("tls")),
                                      &error),
                 qPrintable(error));
        QVERIFY(other.server->certificateDigest() != first);
        ConsoleClient* client = f.console.clients().front();
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Refused, within);
        QVERIFY2(client->reason().contains(QStringLiteral("certificate has changed")), qPrintable(client->reason()));
        QCOMPARE(f.pins.pin(client->addressText()), first);
        QCOMPARE(other.server->station().console(), -1);
    }

    // A pin that cannot be written does not keep the console from joining; the status line
    // says where it could not be kept.
    void aPinThatCannotBeKeptIsSaid()
    {
        TestStation station(QStringLiteral("Pat"), QStringLiteral("123456"), 1, true);
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ui::CertificatePins pins(dir.filePath(QStringLiteral("not-a-folder/pins.txt")));
        ScriptedQuestions questions;
        ui::TConsole console(&questions, &pins);
        ConsoleClient* client
            = console.addStation(QStringLiteral("wss://%1").arg(station.address()), QStringLiteral("123456"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        QVERIFY2(console.statusText().contains(QStringLiteral("could not be kept in")),
                 qPrintable(console.statusText()));
        QVERIFY(pins.pin(client->addressText()).isEmpty());
    }

    // Thirty stations at once: every row follows its own station.
    void thirtyStations()
    {
        std::vector<std::unique_ptr<TestStation>> stations;
        ConsoleFixture f;
        for (int i = 0; i < 30; ++i) {
            stations.push_back(std::make_unique<TestStation>(QStringLiteral("Trainee %1").arg(i + 1),
                                                             QStringLiteral("%1").arg(100000 + i), unsigned(i + 1)));
            QVERIFY(f.console.addStation(stations.back()->address(), QStringLiteral("%1").arg(100000 + i)));
        }
        auto allJoined = [&] {
            for (ConsoleClient* client : f.console.clients())
                if (client->state() != ConsoleClient::State::Joined)
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(allJoined(), 30000);
        // Each station gets its own share of advice and of the trainer's steps.
        for (int i = 0; i < 30; ++i) {
            TestStation& station = *stations[static_cast<std::size_t>(i)];
            if (i % 3 >= 1)
                station.attachPads();
            if (i % 3 == 2)
                station.trainer.run("AnalyzeButtonClick");
            station.wait(1000 * (i + 1));
        }
        auto rowsFollow = [&](QString* wrong) {
            for (int i = 0; i < 30; ++i) {
                TestStation& station = *stations[static_cast<std::size_t>(i)];
                const QJsonObject status = station.status();
                const QString name = f.cell(i, StationGrid::Trainee);
                const QString score = f.cell(i, StationGrid::Score);
                const QString step = f.cell(i, StationGrid::Step);
                if (name != QStringLiteral("Trainee %1").arg(i + 1)
                    || score != QString::number(status.value(QStringLiteral("score")).toInt())
                    || step != ui::stationStepLabel(status.value(QStringLiteral("step")).toString())
                    || int(f.console.clients()[std::size_t(i)]->penalties().size()) != station.penalties()) {
                    *wrong = QStringLiteral("row %1: %2 %3 \"%4\"").arg(i).arg(name, score, step);
                    return false;
                }
            }
            return true;
        };
        QString wrong;
        QTRY_VERIFY2_WITH_TIMEOUT(rowsFollow(&wrong), qPrintable(wrong), 30000);
    }

    // At 1280 x 720 the console's labels and buttons have their room.
    void theWindowFits()
    {
        TestStation station(QStringLiteral("Pat"));
        ConsoleFixture f;
        ConsoleClient* client = f.console.addStation(station.address(), QStringLiteral("123456"));
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), ConsoleClient::State::Joined, within);
        f.console.refreshNow();
        QApplication::processEvents();
        QVERIFY(f.console.width() <= 1280 && f.console.height() <= 720 - 30);
        QStringList clipped;
        for (QLabel* label : f.console.findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty()) {
                const bool narrow = label->wordWrap()
                    ? label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height() + 1
                    : label->sizeHint().width() > label->width() + 1;
                if (narrow)
                    clipped << label->text();
            }
        for (QAbstractButton* button : f.console.findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty() && button->sizeHint().width() > button->width() + 1)
                clipped << button->text();
        for (QComboBox* box : f.console.findChildren<QComboBox*>())
            if (box->isVisible() && box->sizeHint().width() > box->width() + 1)
                clipped << box->currentText();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        // The grid's columns show their headings whole.
        QTableView* view = f.console.gridView();
        int columns = 0;
        for (int c = 0; c < StationGrid::Columns; ++c)
            columns += view->columnWidth(c);
        QVERIFY2(columns <= view->viewport()->width() + 1,
                 qPrintable(QStringLiteral("%1 > %2").arg(columns).arg(view->viewport()->width())));
    }
};

QTEST_MAIN(ConsoleTest)
#include "test_console.moc"
