#include "ui/consoleclient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QSslError>
#include <QUrl>
#include <QWebSocket>

#include "device/station.h"
#include "ui/programfolders.h"

namespace defib::ui {

namespace {

constexpr int retryMs = 3000;
constexpr int pingMs = 5000;
constexpr int openWithinMs = 10000;

} // namespace

const char* stateName(ConsoleClient::State state)
{
    switch (state) {
    case ConsoleClient::State::Connecting:
        return "connecting";
    case ConsoleClient::State::Joined:
        return "joined";
    case ConsoleClient::State::Refused:
        return "refused";
    case ConsoleClient::State::Lost:
        return "lost";
    }
    return "";
}

QString CertificatePins::defaultFile()
{
    return QDir(userDataFolder()).filePath(QStringLiteral("station-certificates.txt"));
}

CertificatePins::CertificatePins(QString file)
    : file_(std::move(file))
{
}

std::map<QString, QByteArray> CertificatePins::read() const
{
    std::map<QString, QByteArray> pins;
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return pins;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() != 2)
            continue;
        const QByteArray digest = QByteArray::fromHex(fields[1]);
        // A line that is no SHA-256 pins nothing: the station's certificate is asked for again.
        if (digest.size() == 32)
            pins[QString::fromUtf8(fields[0])] = digest;
    }
    return pins;
}

QByteArray CertificatePins::pin(const QString& key) const
{
    const auto pins = read();
    const auto found = pins.find(key);
    return found == pins.end() ? QByteArray() : found->second;
}

bool CertificatePins::save(const QString& key, const QByteArray& digest, QString* error)
{
    auto pins = read();
    pins[key] = digest;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSaveFile file(file_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        for (const auto& [station, pinned] : pins)
            file.write(station.toUtf8() + ' ' + pinned.toHex() + '\n');
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

bool ConsoleClient::parseAddress(const QString& text, Address& address)
{
    QString rest = text.trimmed();
    Address parsed;
    if (rest.startsWith(QStringLiteral("wss://"), Qt::CaseInsensitive)) {
        parsed.tls = true;
        rest = rest.mid(6);
    } else if (rest.startsWith(QStringLiteral("ws://"), Qt::CaseInsensitive)) {
        rest = rest.mid(5);
    }
    if (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    if (rest.isEmpty() || rest.contains(QLatin1Char('/')) || rest.contains(QLatin1Char(' ')))
        return false;
    parsed.port = stationDefaultPort;
    // "[::1]:47810", "host:47810", "host"
    int colon = rest.lastIndexOf(QLatin1Char(':'));
    const bool bracketed = rest.startsWith(QLatin1Char('['));
    if (bracketed) {
        const int close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        if (colon < close)
            colon = -1;
        parsed.host = rest.mid(1, close - 1);
    } else if (rest.count(QLatin1Char(':')) > 1) {
        colon = -1; // a bare IPv6 address
        parsed.host = rest;
    } else {
        parsed.host = colon < 0 ? rest : rest.left(colon);
    }
    if (colon >= 0) {
        bool ok = false;
        const uint port = rest.mid(colon + 1).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return false;
        parsed.port = static_cast<quint16>(port);
    }
    if (parsed.host.isEmpty())
        return false;
    address = parsed;
    return true;
}

ConsoleClient::ConsoleClient(Address address, QString code, QString consoleName, CertificatePins* pins, QObject* parent)
    : QObject(parent)
    , address_(std::move(address))
    , code_(std::move(code))
    , consoleName_(std::move(consoleName))
    , pins_(pins)
{
    retry_.setInterval(retryMs);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &ConsoleClient::connectNow);
    ping_.setInterval(pingMs);
    connect(&ping_, &QTimer::timeout, this, [this] {
        if (!socket_)
            return;
        if (sincePong_.isValid() && sincePong_.elapsed() > 3 * ping_.interval()) {
            ping_.stop();
            socket_->abort();
            return;
        }
        socket_->ping();
    });
    opening_.setInterval(openWithinMs);
    opening_.setSingleShot(true);
    connect(&opening_, &QTimer::timeout, this, [this] {
        if (socket_) {
            socket_->disconnect(this);
            socket_->abort();
        }
        tryAgainLater(tr("the station did not answer"));
    });
    connectNow();
}

ConsoleClient::~ConsoleClient()
{
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

QString ConsoleClient::addressText() const
{
    const QString host = address_.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + address_.host + QLatin1Char(']')
                                                                  : address_.host;
    return host + QLatin1Char(':') + QString::number(address_.port);
}

QString ConsoleClient::stationName() const
{
    return stationName_.isEmpty() ? addressText() : stationName_;
}

void ConsoleClient::connectNow()
{
    ping_.stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_.release()->deleteLater();
    }
    peerDigest_.clear();
    socket_ = std::make_unique<QWebSocket>(QString(), QWebSocketProtocol::VersionLatest);
    // Frames over the station's limit are refused there; the console reads nothing bigger either.
    socket_->setMaxAllowedIncomingMessageSize(4 * stationMaxMessage);
    connect(socket_.get(), &QWebSocket::connected, this, &ConsoleClient::onConnected);
    connect(socket_.get(), &QWebSocket::disconnected, this, &ConsoleClient::onDisconnected);
    connect(socket_.get(), &QWebSocket::textMessageReceived, this, &ConsoleClient::onMessage);
    connect(socket_.get(), &QWebSocket::pong, this, [this] { sincePong_.restart(); });
    QUrl url;
    url.setScheme(address_.tls ? QStringLiteral("wss") : QStringLiteral("ws"));
    url.setHost(address_.host);
    url.setPort(address_.port);
    url.setPath(QStringLiteral("/"));
    if (address_.tls) {
        // The station's certificate is its own, signed by itself: no authority is asked, so the
        // chain errors always come and the pin alone decides (onSslErrors).
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates({});
        tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
        socket_->setSslConfiguration(tls);
        connect(socket_.get(), &QWebSocket::sslErrors, this, &ConsoleClient::onSslErrors);
    }
    opening_.start();
    socket_->open(url);
}

void ConsoleClient::onSslErrors(const QList<QSslError>& errors)
{
    QSslCertificate certificate;
    for (const QSslError& error : errors)
        if (!error.certificate().isNull()) {
            certificate = error.certificate();
            break;
        }
    if (certificate.isNull()) {
        reason_ = tr("the station sent no certificate");
        return;
    }
    peerDigest_ = certificate.digest(QCryptographicHash::Sha256);
    if (!checkCertificate())
        return;
    socket_->ignoreSslErrors(errors);
}

bool ConsoleClient::checkCertificate()
{
    const QByteArray pinned = pins_ ? pins_->pin(addressText()) : QByteArray();
    if (pinned.isEmpty() || pinned == peerDigest_)
        return true;
    retry_.stop();
    setState(State::Refused,
             tr("the station's certificate has changed since the console first joined it (SHA-256 "
                "%1, pinned %2): if the station was set up again, remove its line from %3")
                 .arg(QString::fromLatin1(peerDigest_.toHex(':')), QString::fromLatin1(pinned.toHex(':')),
                      QDir::toNativeSeparators(pins_->file())));
    socket_->disconnect(this);
    socket_->abort();
    return false;
}

void ConsoleClient::onConnected()
{
    opening_.stop();
    sincePong_.restart();
    ping_.start();
    QJsonObject join{{QStringLiteral("type"), QStringLiteral("join")},
                     {QStringLiteral("code"), code_},
                     {QStringLiteral("protocol"), stationProtocol}};
    if (!consoleName_.isEmpty())
        join.insert(QStringLiteral("console"), consoleName_);
    socket_->sendTextMessage(QString::fromUtf8(QJsonDocument(join).toJson(QJsonDocument::Compact)));
}

void ConsoleClient::onDisconnected()
{
    if (state_ == State::Refused)
        return;
    tryAgainLater(socket_ ? socket_->errorString() : QString());
}

void ConsoleClient::tryAgainLater(const QString& why)
{
    ping_.stop();
    opening_.stop();
    failPending(tr("the connection was lost before the station answered"));
    if (everJoined_)
        setState(State::Lost, why);
    else
        setState(State::Connecting, why);
    retry_.start();
}

void ConsoleClient::dropConnection()
{
    if (socket_)
        socket_->abort();
}

void ConsoleClient::failPending(const QString& reason)
{
    for (auto& [id, result] : results_)
        if (!result.done) {
            result.done = true;
            result.ok = false;
            result.reason = reason;
            emit resultArrived(id, result);
        }
}

void ConsoleClient::setState(State state, const QString& reason)
{
    if (state == State::Refused) {
        ping_.stop();
        opening_.stop();
    }
    if (state == state_ && reason == reason_)
        return;
    state_ = state;
    reason_ = reason;
    emit stateChanged();
}

void ConsoleClient::onMessage(const QString& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (!document.isObject())
        return; // not the protocol: nothing of it is shown
    const QJsonObject message = document.object();
    const QString type = message.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("joined")) {
        stationName_ = message.value(QStringLiteral("station")).toString();
        // The certificate is pinned once the station has taken the code.
        QString problem;
        if (address_.tls && pins_ && !peerDigest_.isEmpty() && pins_->pin(addressText()).isEmpty()) {
            QString why;
            if (!pins_->save(addressText(), peerDigest_, &why))
                problem = tr("the station's certificate could not be kept in %1: %2")
                              .arg(QDir::toNativeSeparators(pins_->file()), why);
        }
        everJoined_ = true;
        setState(State::Joined, problem);
    } else if (type == QLatin1String("refused")) {
        const QString reason = message.value(QStringLiteral("reason")).toString();
        failPending(reason);
        socket_->disconnect(this);
        socket_->close();
        // Back after a lost connection, the station may not yet have noticed that the console's
        // old connection is gone: it is tried again until it has.
        if (everJoined_ && reason == QLatin1String("another console has joined")) {
            setState(State::Lost, reason);
            retry_.start();
            return;
        }
        retry_.stop();
        setState(State::Refused, reason);
    } else if (type == QLatin1String("status")) {
        status_ = message;
        emit statusChanged();
    } else if (type == QLatin1String("event")) {
        StationEvent event;
        event.index = message.value(QStringLiteral("index")).toInt();
        event.time = static_cast<long long>(message.value(QStringLiteral("time")).toDouble());
        event.kind = message.value(QStringLiteral("kind")).toString();
        event.text = message.value(QStringLiteral("text")).toString();
        event.amount = message.value(QStringLiteral("amount")).toInt();
        event.by = message.value(QStringLiteral("by")).toString();
        const bool restarted = event.index == 0;
        if (restarted) {
            events_.clear();
            penalties_.clear();
        } else if (event.index < static_cast<int>(events_.size())) {
            return; // already here
        }
        events_.push_back(event);
        emit eventArrived(event, restarted);
        if (event.kind == QLatin1String("score") && event.amount < 0) {
            penalties_.push_back(event);
            emit penaltyArrived(event);
        }
    } else if (type == QLatin1String("result")) {
        const qint64 id = static_cast<qint64>(message.value(QStringLiteral("id")).toDouble());
        const auto found = results_.find(id);
        if (found == results_.end() || found->second.done)
            return;
        CommandResult& result = found->second;
        result.done = true;
        result.ok = message.value(QStringLiteral("ok")).toBool();
        result.reason = message.value(QStringLiteral("reason")).toString();
        emit resultArrived(id, result);
    } else if (type == QLatin1String("error")) {
        // The station could not use a message: the console sends only what the protocol has, so
        // this is a station of another protocol; its reason is shown.
        reason_ = message.value(QStringLiteral("reason")).toString();
        emit stateChanged();
    }
}

qint64 ConsoleClient::sendCommand(const QString& command, const QJsonObject& fields)
{
    if (state_ != State::Joined || !socket_) {
        CommandResult result{command, true, false, tr("the station is not joined")};
        emit resultArrived(0, result);
        return 0;
    }
    const qint64 id = nextId_++;
    QJsonObject message = fields;
    message.insert(QStringLiteral("type"), QStringLiteral("command"));
    message.insert(QStringLiteral("id"), id);
    message.insert(QStringLiteral("command"), command);
    results_[id] = CommandResult{command, false, false, {}};
    socket_->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    return id;
}

std::vector<Event> ConsoleClient::timelineEvents() const
{
    std::vector<Event> events;
    events.reserve(events_.size());
    for (const StationEvent& from : events_) {
        const std::string kind = from.kind.toStdString();
        bool known = false;
        Event event;
        // Every kind the core names, in its order: the first without a name ends them.
        for (int k = static_cast<int>(EventKind::Start); *eventKindName(static_cast<EventKind>(k)); ++k)
            if (kind == eventKindName(static_cast<EventKind>(k))) {
                event.kind = static_cast<EventKind>(k);
                known = true;
                break;
            }
        if (!known)
            continue; // a kind of a later protocol: the timeline draws what it knows
        event.at = Millis(from.time);
        event.text = from.text.toStdString();
        event.amount = from.amount;
        events.push_back(std::move(event));
    }
    return events;
}

} // namespace defib::ui
