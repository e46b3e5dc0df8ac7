#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "engine/eventlog.h"

class QWebSocket;
class QSslError;

namespace defib::ui {

// The stations' certificates as the console pinned them the first time it joined each: a small
// text file of "host:port digest" lines (the digest in hex) in the user's data folder
// (~/.local/share/Defibrio/station-certificates.txt).
class CertificatePins {
public:
    // The file in the user's data folder.
    static QString defaultFile();
    explicit CertificatePins(QString file = defaultFile());
    // The pinned SHA-256 of the station at `key` ("host:port"), empty when none is.
    QByteArray pin(const QString& key) const;
    // Pins `digest` for `key` and writes the file; false with the reason in `error`.
    bool save(const QString& key, const QByteArray& digest, QString* error);
    const QString& file() const { return file_; }

private:
    std::map<QString, QByteArray> read() const;
    QString file_;
};

// One event of the station's scenario as the station sent it.
struct StationEvent {
    int index = 0;
    long long time = 0;
    QString kind;
    QString text;
    int amount = 0;
    QString by;
};

// What became of one command.
struct CommandResult {
    QString command;
    bool done = false;
    bool ok = false;
    QString reason;
};

// The console's connection to one station: joins it with its code, keeps its last status, the
// events of its current scenario and the results of the commands sent to it. A connection lost
// after joining is tried again every few seconds until the station answers, then joined again
// with the same code; the station sends its scenario's events again from the first.
class ConsoleClient : public QObject {
    Q_OBJECT
public:
    enum class State { Connecting, Joined, Refused, Lost };

    struct Address {
        QString host;
        quint16 port = 0;
        bool tls = false;
    };
    // Reads "host:port", "ws://host:port" or "wss://host:port" (the port defaults to the
    // station's); false when it is none of these.
    static bool parseAddress(const QString& text, Address& address);

    // `pins` may be null without TLS. Connects at once.
    ConsoleClient(Address address, QString code, QString consoleName, CertificatePins* pins, QObject* parent = nullptr);
    ~ConsoleClient() override;

    const Address& address() const { return address_; }
    // "host:port", the pins' key and the row's name until the station says its own.
    QString addressText() const;
    const QString& code() const { return code_; }
    State state() const { return state_; }
    // Why the station refused, or why the last attempt failed.
    const QString& reason() const { return reason_; }
    // The station's name as it said when joining; the address until then.
    QString stationName() const;
    const QJsonObject& status() const { return status_; }
    const std::vector<StationEvent>& events() const { return events_; }
    // The current scenario's events for the debrief timeline.
    std::vector<Event> timelineEvents() const;
    // The current scenario's penalties: its score events with a negative amount.
    const std::vector<StationEvent>& penalties() const { return penalties_; }
    const std::map<qint64, CommandResult>& results() const { return results_; }
    // The digest of the station's certificate on this connection (TLS only).
    const QByteArray& peerDigest() const { return peerDigest_; }

    // Sends a command with its own fields; returns its id (ids increase from 1), or 0 when the
    // station is not joined (resultArrived tells so at once).
    qint64 sendCommand(const QString& command, const QJsonObject& fields = {});

    // Milliseconds between attempts after a lost connection (tests shorten it).
    void setRetryInterval(int ms) { retry_.setInterval(ms); }
    // Milliseconds between pings; a connection whose station has answered none for three of
    // them is taken for lost.
    void setPingInterval(int ms) { ping_.setInterval(ms); }
    // Drops the connection as a network fault would (tests, tools).
    void dropConnection();

signals:
    void stateChanged();
    void statusChanged();
    // An event came; `restarted` when it began a new timeline (index 0).
    void eventArrived(const defib::ui::StationEvent& event, bool restarted);
    void penaltyArrived(const defib::ui::StationEvent& event);
    void resultArrived(qint64 id, const defib::ui::CommandResult& result);

private:
    void connectNow();
    void onConnected();
    void onDisconnected();
    // Drops this attempt and tries again after the retry interval.
    void tryAgainLater(const QString& why);
    void onSslErrors(const QList<QSslError>& errors);
    void onMessage(const QString& text);
    void setState(State state, const QString& reason = {});
    void failPending(const QString& reason);
    // Whether the certificate of this connection may be used: false (and refused) when it is
    // not the one pinned.
    bool checkCertificate();

    Address address_;
    QString code_;
    QString consoleName_;
    CertificatePins* pins_;
    std::unique_ptr<QWebSocket> socket_;
    State state_ = State::Connecting;
    QString reason_;
    QString stationName_;
    bool everJoined_ = false;
    QJsonObject status_;
    std::vector<StationEvent> events_;
    std::vector<StationEvent> penalties_;
    std::map<qint64, CommandResult> results_;
    qint64 nextId_ = 1;
    QTimer retry_;
    // A station that vanished without closing (its network gone) answers no pings: the
    // connection is dropped after a while without an answer and tried again as a lost one.
    QTimer ping_;
    // A connection that is not open within 10 s (the station frozen, a filtered port) is given up
    // and tried again.
    QTimer opening_;
    QElapsedTimer sincePong_;
    QByteArray peerDigest_;
};

const char* stateName(ConsoleClient::State state);

} // namespace defib::ui
