#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

#include "device/station.h"

class QSslConfiguration;
class QWebSocket;
class QWebSocketServer;

namespace defib::ui {

// The station's WebSocket server: carries the text frames between the consoles and the core's
// Station, which decides everything. Listens only while it exists.
class StationServer : public QObject, private StationLink {
    Q_OBJECT
public:
    // `certificateFolder` holds the station's own TLS key and certificate (made on first use)
    // when `tls` is on.
    StationServer(Trainer& trainer, const QString& name, const QString& code, QObject* parent = nullptr);
    ~StationServer() override;

    // Starts listening on `port` of `address` (0: any free port); false with the reason in
    // `error`. With `tls`, the connections are wss:// with the key and certificate of
    // `certificateFolder`, made there on first use.
    bool listen(const QHostAddress& address, quint16 port, bool tls, const QString& certificateFolder, QString* error);
    quint16 port() const;
    // The SHA-256 of the TLS certificate, as the console pins it (empty without TLS).
    QByteArray certificateDigest() const;
    Station& station() { return *station_; }

signals:
    // A console has joined (true) or left (false).
    void consoleChanged(bool joined);

private:
    // What has come of the message a connection is sending, frame by frame.
    struct Incoming {
        QByteArray text;
        bool binary = false;
        // Over stationMaxMessage: refused, the rest of it is dropped.
        bool tooLong = false;
        // The station has closed the connection: nothing more reaches it.
        bool closing = false;
        // Since the station closed it, and since the console last sent a frame.
        QElapsedTimer closingFor;
        QElapsedTimer quietFor;
        // Since anything came from the console, a frame or the answer to a ping.
        QElapsedTimer heard;
    };

    void send(int connection, const std::string& text) override;
    void close(int connection) override;
    bool loadCertificate(const QString& folder, QSslConfiguration& configuration, QString* error);
    void accept();
    void frameReceived(int connection, const QByteArray& data, bool last);
    void disconnected(int connection);
    // Emits consoleChanged when the station's console has come or gone since `joinedBefore`.
    void noticeConsole(bool joinedBefore);
    // Pings every connection and drops one that has not been heard for three pings.
    void checkAlive();

    std::unique_ptr<QWebSocketServer> server_;
    std::unique_ptr<Station> station_;
    std::map<int, QWebSocket*> sockets_;
    std::map<int, Incoming> incoming_;
    int nextConnection_ = 1;
    QTimer tick_;
    QTimer alive_;
    QByteArray digest_;
};

} // namespace defib::ui
