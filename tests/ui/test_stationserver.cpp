// The station's WebSocket server against a real Qt WebSocket client on 127.0.0.1: joining, a
// message too long, TLS with the station's own certificate pinned by its digest, and the
// program's station with its line in the main window.
#include <sys/stat.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QWebSocket>
#include <QtTest>

#include "options/stationoptions.h"
#include "ui/discovery.h"
#include "ui/programstation.h"
#include "ui/stationserver.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

constexpr int patience = 10'000;

// A console's end of the connection: every text frame it was sent, and whether it is closed.
struct Client {
    QWebSocket socket;
    QStringList received;
    bool disconnected = false;

    Client()
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString& m) { received << m; });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { disconnected = true; });
    }
    // Opens `url`; with `pin`, a TLS certificate is taken only when its SHA-256 is that.
    bool open(const QString& url, const QByteArray& pin = {})
    {
        if (!pin.isEmpty())
            QObject::connect(&socket, &QWebSocket::sslErrors, [this, pin](const QList<QSslError>&) {
                if (socket.sslConfiguration().peerCertificate().digest(QCryptographicHash::Sha256) == pin)
                    socket.ignoreSslErrors();
                else
                    socket.abort();
            });
        bool connected = false;
        QObject::connect(&socket, &QWebSocket::connected, [&connected] { connected = true; });
        socket.open(QUrl(url));
        QElapsedTimer waited;
        waited.start();
        while (!connected && !disconnected && waited.elapsed() < patience)
            QTest::qWait(10);
        return connected;
    }
    bool waitFor(const QString& part)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < patience) {
            for (const QString& m : received)
                if (m.contains(part))
                    return true;
            QTest::qWait(10);
        }
        return false;
    }
    bool waitClosed()
    {
        QElapsedTimer waited;
        waited.start();
        while (!disconnected && waited.elapsed() < patience)
            QTest::qWait(10);
        return disconnected;
    }
};

QString joinText(const QString& code)
{
    return QStringLiteral(R"({"type":"join","code":"%1","protocol":1})").arg(code);
}

} // namespace

class StationServerTest : public QObject {
    Q_OBJECT
private slots:
    void aConsoleJoinsAndLeaves()
    {
        Fixture f;
        ui::StationServer server(f.window->trainer(), QStringLiteral("Room 2"), QStringLiteral("123456"));
        QString error;
        QVERIFY2(server.listen(QHostAddress::LocalHost, 0, false, QString(), &error), qPrintable(error));
        QVERIFY(server.port() != 0);
        QVERIFY(server.certificateDigest().isEmpty());
        QSignalSpy changed(&server, &ui::StationServer::consoleChanged);
        Client client;
        QVERIFY(client.open(QStringLiteral("ws://127.0.0.1:%1").arg(server.port())));
        client.socket.sendTextMessage(joinText(QStringLiteral("123456")));
        QVERIFY(client.waitFor(QStringLiteral(R"("type":"joined")")));
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, patience);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
        QVERIFY(client.waitFor(QStringLiteral(R"("type":"status")")));
        client.socket.close();
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, patience);
        QCOMPARE(changed.at(1).at(0).toBool(), false);
        QCOMPARE(server.station().console(), -1);
    }

    void aMessageTooLongIsRefusedAndClosedAndAPortInUseSaysSo()
    {
        Fixture f;
        ui::StationServer server(f.window->trainer(), QStringLiteral("Room 2"), QStringLiteral("123456"));
        QVERIFY(server.listen(QHostAddress::LocalHost, 0, false, QString(), nullptr));
        Client client;
        QVERIFY(client.open(QStringLiteral("ws://127.0.0.1:%1").arg(server.port())));
        client.socket.sendTextMessage(QString(70 * 1024, QLatin1Char('x')));
        QVERIFY(client.waitFor(QStringLiteral("message too long")));
        QVERIFY(client.waitClosed());

        ui::StationServer other(f.window->trainer(), QStringLiteral("Room 3"), QStringLiteral("123456"));
        QString error;
        QVERIFY(!other.listen(QHostAddress::LocalHost, server.port(), false, QString(), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(other.port(), quint16(0));
    }

    void tlsWithTheStationsOwnCertificatePinnedByItsDigest()
    {
        Fixture f;
        QTemporaryDir folder;
        QByteArray digest;
        {
            ui::StationServer server(f.window->trainer(), QStringLiteral("Room 2"), QStringLiteral("123456"));
            QString error;
            QVERIFY2(server.listen(QHostAddress::LocalHost, 0, true, folder.path(), &error), qPrintable(error));
            digest = server.certificateDigest();
            QCOMPARE(digest.size(), 32);
            // The digest is the SHA-256 of the certificate as the file holds it.
            const auto certificates = QSslCertificate::fromPath(folder.filePath(QStringLiteral("station-cert.pem")));
            QCOMPARE(certificates.size(), 1);
            QCOMPARE(QCryptographicHash::hash(certificates[0].toDer(), QCryptographicHash::Sha256), digest);
            struct stat key { };
            QCOMPARE(::stat(QFile::encodeName(folder.filePath(QStringLiteral("station-key.pem"))).constData(), &key),
                     0);
            QCOMPARE(key.st_mode & 0777, 0600u);

            Client pinned;
            QVERIFY(pinned.open(QStringLiteral("wss://127.0.0.1:%1").arg(server.port()), digest));
            pinned.socket.sendTextMessage(joinText(QStringLiteral("123456")));
            QVERIFY(pinned.waitFor(QStringLiteral(R"("type":"joined")")));
            pinned.socket.close();

            // Another certificate's digest: the client refuses the station before a word.
            Client wrong;
            QByteArray other = digest;
            other[0] = static_cast<char>(other[0] ^ 1);
            QVERIFY(!wrong.open(QStringLiteral("wss://127.0.0.1:%1").arg(server.port()), other));
            QCOMPARE(server.station().console(), -1);
        }
        // The next start keeps the certificate, so the consoles' pins hold.
        ui::StationServer again(f.window->trainer(), QStringLiteral("Room 2"), QStringLiteral("654321"));
        QVERIFY(again.listen(QHostAddress::LocalHost, 0, true, folder.path(), nullptr));
        QCOMPARE(again.certificateDigest(), digest);
    }

    void aDamagedKeyIsSaidAndKept()
    {
        Fixture f;
        QTemporaryDir folder;
        for (const char* name : {"station-key.pem", "station-cert.pem"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("damaged");
        }
        ui::StationServer server(f.window->trainer(), QStringLiteral("Room 2"), QStringLiteral("123456"));
        QString error;
        QVERIFY(!server.listen(QHostAddress::LocalHost, 0, true, folder.path(), &error));
        QVERIFY2(error.contains(folder.path()), qPrintable(error));
        QFile key(folder.filePath(QStringLiteral("station-key.pem")));
        QVERIFY(key.open(QIODevice::ReadOnly));
        QCOMPARE(key.readAll(), QByteArray("damaged"));
    }

    void discoveryWithoutADaemonSaysSoAtOnce()
    {
        // CI and most test machines run no Avahi daemon: neither side blocks or fails loudly.
        if (QFile::exists(QStringLiteral("/run/avahi-daemon/socket")))
            QSKIP("an Avahi daemon runs here");
        QElapsedTimer took;
        took.start();
        ui::StationBrowser browser;
        ui::StationAnnouncer announcer(QStringLiteral("Room 2"), 47810, false);
        QVERIFY(took.elapsed() < 5000);
        QVERIFY(!browser.available());
        QVERIFY(!browser.problem().isEmpty());
        QVERIFY(!announcer.available());
        QVERIFY(!announcer.problem().isEmpty());
        QCOMPARE(ui::discoveryUnavailableText(),
                 QStringLiteral("Discovery is not available: type the station's address"));
    }

    // "Let the instructor join" is saved by OK into OPTION7.INI and in force at once; Cancel
    // forgets it.
    void theCheckBoxOpensAndClosesTheStation()
    {
        Fixture f;
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        }
        QFile options(f.dir.filePath(QStringLiteral("OPTION7.INI")));
        QVERIFY(options.open(QIODevice::WriteOnly));
        options.write(QStringLiteral("Port=%1\r\nName=Room 2\r\n").arg(port).toUtf8());
        options.close();
        ui::ProgramStation station(*f.window, f.dir.path(), false, QHostAddress::LocalHost);
        f.window->setStation(&station);
        station.start();
        QVERIFY(!station.listening());
        QVERIFY(!f.shown(QStringLiteral("MenuStation")));

        f.window->run("OPTIONSMainMENUClick");
        auto* box = f.find<QCheckBox>(QStringLiteral("StationChoice"));
        QVERIFY(box);
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        QVERIFY(f.click(QStringLiteral("ButtonCANCEL1")));
        QVERIFY(!station.listening());
        f.window->run("OPTIONSMainMENUClick");
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QVERIFY(station.listening());
        QCOMPARE(station.port(), port);
        QVERIFY(loadStationOptions(f.dir.path().toStdString()).options.station);
        QCOMPARE(QString::fromStdString(f.dialogs.messages.back()),
                 QStringLiteral("The instructor can join now: station Room 2, code %1.").arg(station.code()));
        QVERIFY(f.shown(QStringLiteral("MenuStation")));

        f.window->run("OPTIONSMainMENUClick");
        QVERIFY(box->isChecked());
        box->setChecked(false);
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QVERIFY(!station.listening());
        QVERIFY(!f.shown(QStringLiteral("MenuStation")));
        QVERIFY(options.open(QIODevice::ReadOnly));
        QCOMPARE(options.readAll(), QStringLiteral("Station=0\r\nPort=%1\r\nName=Room 2\r\n").arg(port).toUtf8());
    }

    void theProgramsStationShowsItsCodeOrSaysItsPortIsInUse()
    {
        Fixture f;
        QTcpServer busy;
        QVERIFY(busy.listen(QHostAddress::LocalHost, 0));
        QFile options(f.dir.filePath(QStringLiteral("OPTION7.INI")));
        QVERIFY(options.open(QIODevice::WriteOnly));
        options.write(QStringLiteral("Station=1\r\nName=Room 2\r\nPort=%1\r\n").arg(busy.serverPort()).toUtf8());
        options.close();
        {
            ui::ProgramStation station(*f.window, f.dir.path(), false, QHostAddress::LocalHost);
            station.start();
            QVERIFY(!station.listening());
            QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
            QVERIFY2(QString::fromStdString(f.dialogs.messages[0]).contains(QString::number(busy.serverPort())),
                     f.dialogs.messages[0].c_str());
            QVERIFY(!f.shown(QStringLiteral("MenuStation")));
        }
        const quint16 freed = busy.serverPort();
        busy.close();
        QVERIFY(options.open(QIODevice::WriteOnly));
        options.write(QStringLiteral("Name=Room 2\r\nPort=%1\r\n").arg(freed).toUtf8());
        options.close();
        f.dialogs.messages.clear();
        ui::ProgramStation station(*f.window, f.dir.path(), true, QHostAddress::LocalHost);
        f.window->setStation(&station);
        station.start();
        QVERIFY(station.listening());
        QCOMPARE(station.port(), freed);
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(station.code().size(), 6);
        QVERIFY(f.shown(QStringLiteral("MenuStation")));
        QCOMPARE(f.text(QStringLiteral("MenuStation")), QStringLiteral("Station Room 2 · code ") + station.code());
        // The console joins: the window says so.
        Client client;
        QVERIFY(client.open(QStringLiteral("ws://127.0.0.1:%1").arg(station.port())));
        client.socket.sendTextMessage(joinText(station.code()));
        QTRY_VERIFY_WITH_TIMEOUT(station.consoleJoined(), patience);
        QVERIFY(f.text(QStringLiteral("MenuStation")).endsWith(QStringLiteral("console joined")));
        // --station for the run alone: the file still says the instructor may not join.
        QVERIFY(!station.allowed());
    }
};

QTEST_MAIN(StationServerTest)
#include "test_stationserver.moc"
