#include "ui/stationserver.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QWebSocket>
#include <QWebSocketServer>
#include <cstdio>

namespace defib::ui {

namespace {

// Qt reads a frame whole before it hands it on and refuses a longer one at its header with close
// code 1009 and no message of the station's. A console sends a message as one frame, so frames
// up to this size reach the station, which refuses them as "message too long".
constexpr quint64 maxFrame = 1024 * 1024;
// Frames add up to a message: Qt's own limit lies beyond the station's by a whole frame, so the
// station has refused a long message before Qt would.
constexpr quint64 maxMessage = stationMaxMessage + maxFrame;
// A connection the station closes is closed once the console has sent nothing for this long, or
// this long after the station closed it at most.
constexpr qint64 closeQuietMs = 100;
constexpr qint64 closeWithinMs = 1000;
// A console whose network went silent never closes its connection: the station pings every 5 s
// and drops a connection it has not heard from for 15 s, so that the console may join again.
constexpr int pingEveryMs = 5000;
constexpr qint64 silentForMs = 15000;

QString keyFile(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("station-key.pem"));
}
QString certificateFile(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("station-cert.pem"));
}

// Writes `pem` to `path` readable by the owner only (the key) or by all (the certificate).
bool writePem(const QString& path, const QByteArray& pem, mode_t mode, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    ::fchmod(fd, mode);
    qsizetype written = 0;
    while (written < pem.size()) {
        const ssize_t n = ::write(fd, pem.constData() + written, static_cast<size_t>(pem.size() - written));
        if (n <= 0)
            break;
        written += n;
    }
    const bool ok = written == pem.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) {
        ::unlink(name.constData());
        *error = QStringLiteral("cannot write %1").arg(path);
    }
    return ok;
}

QByteArray pemOf(int (*write)(BIO*, void*), void* object)
{
    BIO* bio = BIO_new(BIO_s_mem());
    QByteArray pem;
    if (bio && write(bio, object) == 1) {
        char* data = nullptr;
        const long size = BIO_get_mem_data(bio, &data);
        pem = QByteArray(data, static_cast<qsizetype>(size));
    }
    BIO_free(bio);
    return pem;
}

// A new P-256 key and a certificate for it signed by itself, valid for ten years.
bool makeCertificate(const QString& name, QByteArray& keyPem, QByteArray& certificatePem)
{
    EVP_PKEY* key = EVP_EC_gen("P-256");
    X509* certificate = X509_new();
    bool ok = key && certificate;
    if (ok) {
        X509_set_version(certificate, 2);
        unsigned char serial[16];
        ok = RAND_bytes(serial, sizeof serial) == 1;
        serial[0] &= 0x7f;
        BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
        ok = ok && number && BN_to_ASN1_INTEGER(number, X509_get_serialNumber(certificate));
        BN_free(number);
        X509_gmtime_adj(X509_getm_notBefore(certificate), -24 * 3600);
        X509_gmtime_adj(X509_getm_notAfter(certificate), 10L * 365 * 24 * 3600);
        X509_set_pubkey(certificate, key);
        X509_NAME* subject = X509_get_subject_name(certificate);
        const QByteArray common = name.toUtf8().left(64);
        X509_NAME_add_entry_by_txt(subject, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("Defibrio"), -1,
                                   -1, 0);
        X509_NAME_add_entry_by_txt(
            subject, "CN", MBSTRING_UTF8,
            reinterpret_cast<const unsigned char*>(common.isEmpty() ? "station" : common.constData()), -1, -1, 0);
        X509_set_issuer_name(certificate, subject);
        ok = ok && X509_sign(certificate, key, EVP_sha256()) > 0;
    }
    if (ok) {
        keyPem = pemOf(
            [](BIO* bio, void* k) {
                return PEM_write_bio_PrivateKey(bio, static_cast<EVP_PKEY*>(k), nullptr, nullptr, 0, nullptr, nullptr);
            },
            key);
        certificatePem
            = pemOf([](BIO* bio, void* c) { return PEM_write_bio_X509(bio, static_cast<X509*>(c)); }, certificate);
        ok = !keyPem.isEmpty() && !certificatePem.isEmpty();
    }
    X509_free(certificate);
    EVP_PKEY_free(key);
    return ok;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

StationServer::StationServer(Trainer& trainer, const QString& name, const QString& code, QObject* parent)
    : QObject(parent)
    , station_(
          std::make_unique<Station>(trainer, static_cast<StationLink&>(*this), name.toStdString(), code.toStdString()))
{
    tick_.setInterval(static_cast<int>(stationStatusEveryMs));
    connect(&tick_, &QTimer::timeout, this, [this] { station_->tick(); });
    alive_.setInterval(pingEveryMs);
    connect(&alive_, &QTimer::timeout, this, &StationServer::checkAlive);
}

StationServer::~StationServer()
{
    tick_.stop();
    alive_.stop();
    if (server_)
        server_->close();
    // The sockets go with the server's children; the station must not write to them meanwhile.
    std::map<int, QWebSocket*> sockets;
    sockets.swap(sockets_);
    for (auto& [connection, socket] : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    station_.reset();
}

bool StationServer::loadCertificate(const QString& folder, QSslConfiguration& configuration, QString* error)
{
    const QString keyPath = keyFile(folder);
    const QString certificatePath = certificateFile(folder);
    QByteArray keyPem;
    QByteArray certificatePem;
    if (!QFile::exists(keyPath) && !QFile::exists(certificatePath)) {
        // First use: a key and a certificate of the station's own.
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("cannot make the folder %1").arg(folder);
            return false;
        }
        if (!makeCertificate(QString::fromStdString(station_->name()), keyPem, certificatePem)) {
            *error = QStringLiteral("cannot make the station's TLS certificate");
            return false;
        }
        if (!writePem(keyPath, keyPem, 0600, error) || !writePem(certificatePath, certificatePem, 0644, error))
            return false;
    } else {
        keyPem = readAll(keyPath);
        certificatePem = readAll(certificatePath);
    }
    QSslKey key(keyPem, QSsl::Ec, QSsl::Pem);
    if (key.isNull())
        key = QSslKey(keyPem, QSsl::Rsa, QSsl::Pem);
    const QSslCertificate certificate(certificatePem, QSsl::Pem);
    if (key.isNull() || certificate.isNull()) {
        // A damaged pair is kept for the user to look at: the consoles have pinned it.
        *error = QStringLiteral("the station's TLS key or certificate in %1 cannot be read; move station-key.pem "
                                "and station-cert.pem away to make new ones")
                     .arg(folder);
        return false;
    }
    configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    digest_ = certificate.digest(QCryptographicHash::Sha256);
    return true;
}

bool StationServer::listen(const QHostAddress& address, quint16 port, bool tls, const QString& certificateFolder,
                           QString* error)
{
    QString reason;
    if (!error)
        error = &reason;
    if (server_) {
        *error = QStringLiteral("the station is already listening");
        return false;
    }
    QSslConfiguration configuration;
    if (tls && !loadCertificate(certificateFolder, configuration, error))
        return false;
    server_ = std::make_unique<QWebSocketServer>(QString::fromStdString(station_->name()),
                                                 tls ? QWebSocketServer::SecureMode : QWebSocketServer::NonSecureMode);
    if (tls)
        server_->setSslConfiguration(configuration);
    server_->setHandshakeTimeout(std::chrono::milliseconds(stationJoinWithinMs));
    if (!server_->listen(address, port)) {
        *error = server_->errorString();
        server_.reset();
        digest_.clear();
        return false;
    }
    connect(server_.get(), &QWebSocketServer::newConnection, this, &StationServer::accept);
    tick_.start();
    alive_.start();
    return true;
}

quint16 StationServer::port() const
{
    return server_ ? server_->serverPort() : 0;
}

QByteArray StationServer::certificateDigest() const
{
    return digest_;
}

void StationServer::accept()
{
    while (QWebSocket* socket = server_->nextPendingConnection()) {
        const int connection = nextConnection_++;
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(maxFrame);
        socket->setMaxAllowedIncomingMessageSize(maxMessage);
        sockets_[connection] = socket;
        incoming_[connection] = Incoming{};
        incoming_[connection].heard.start();
        connect(socket, &QWebSocket::pong, this, [this, connection] {
            auto found = incoming_.find(connection);
            if (found != incoming_.end())
                found->second.heard.restart();
        });
        connect(socket, &QWebSocket::textFrameReceived, this, [this, connection](const QString& frame, bool last) {
            frameReceived(connection, frame.toUtf8(), last);
        });
        // A binary frame is no message of the protocol: the station reads it as a malformed one.
        connect(socket, &QWebSocket::binaryFrameReceived, this, [this, connection](const QByteArray& frame, bool last) {
            auto& incoming = incoming_[connection];
            incoming.binary = true;
            frameReceived(connection, QByteArray(frame.size(), '\x01'), last);
        });
        connect(socket, &QWebSocket::disconnected, this, [this, connection] { disconnected(connection); });
        const bool joinedBefore = station_->console() != -1;
        station_->opened(connection);
        noticeConsole(joinedBefore);
    }
}

void StationServer::frameReceived(int connection, const QByteArray& data, bool last)
{
    auto found = incoming_.find(connection);
    if (found == incoming_.end())
        return;
    Incoming& incoming = found->second;
    incoming.heard.restart();
    if (incoming.closing) {
        incoming.quietFor.restart();
        return;
    }
    if (!incoming.tooLong) {
        incoming.text.append(data);
        if (static_cast<std::size_t>(incoming.text.size()) > stationMaxMessage) {
            // Never kept whole: the station sees the first byte too many and refuses it.
            incoming.tooLong = true;
            const bool joinedBefore = station_->console() != -1;
            station_->received(connection, incoming.text.left(stationMaxMessage + 1).toStdString());
            incoming.text.clear();
            noticeConsole(joinedBefore);
        }
    }
    if (!last)
        return;
    auto again = incoming_.find(connection);
    if (again == incoming_.end())
        return;
    Incoming& message = again->second;
    if (!message.tooLong && !message.closing) {
        std::string text = message.binary ? std::string("\x01binary frame") : message.text.toStdString();
        message.text.clear();
        message.binary = false;
        const bool joinedBefore = station_->console() != -1;
        station_->received(connection, text);
        noticeConsole(joinedBefore);
    } else {
        message.text.clear();
        message.binary = false;
        message.tooLong = false;
    }
}

void StationServer::disconnected(int connection)
{
    auto found = sockets_.find(connection);
    if (found == sockets_.end())
        return;
    QWebSocket* socket = found->second;
    sockets_.erase(found);
    incoming_.erase(connection);
    socket->deleteLater();
    const bool joinedBefore = station_->console() != -1;
    station_->closed(connection);
    noticeConsole(joinedBefore);
}

void StationServer::checkAlive()
{
    std::vector<QWebSocket*> silent;
    for (const auto& [connection, socket] : sockets_) {
        const auto found = incoming_.find(connection);
        if (found != incoming_.end() && found->second.heard.elapsed() >= silentForMs)
            silent.push_back(socket);
        else
            socket->ping();
    }
    // Aborted, the socket says it is disconnected, and the station lets the connection go.
    for (QWebSocket* socket : silent)
        socket->abort();
}

void StationServer::noticeConsole(bool joinedBefore)
{
    const bool joined = station_->console() != -1;
    if (joined != joinedBefore)
        emit consoleChanged(joined);
}

void StationServer::send(int connection, const std::string& text)
{
    auto found = sockets_.find(connection);
    if (found != sockets_.end())
        found->second->sendTextMessage(QString::fromStdString(text));
}

void StationServer::close(int connection)
{
    auto found = sockets_.find(connection);
    if (found == sockets_.end())
        return;
    Incoming& incoming = incoming_[connection];
    if (incoming.closing)
        return;
    incoming.closing = true;
    incoming.closingFor.start();
    incoming.quietFor.start();
    // What was sent is in the socket's buffer already; the close frame follows it, and the socket
    // disconnects once both are written. Qt closes the TCP connection right after its close
    // frame, and a connection closed while frames of the console's are still unread is reset,
    // which throws away the refusal before the console reads it: the socket is closed once the
    // console has been quiet a moment (what it sends meanwhile is read and dropped), or after a
    // second at most.
    QWebSocket* socket = found->second;
    auto* wait = new QTimer(socket);
    wait->setInterval(static_cast<int>(closeQuietMs / 2));
    connect(wait, &QTimer::timeout, this, [this, connection, socket, wait] {
        auto closing = incoming_.find(connection);
        if (closing != incoming_.end() && closing->second.quietFor.elapsed() < closeQuietMs
            && closing->second.closingFor.elapsed() < closeWithinMs)
            return;
        wait->stop();
        socket->close(QWebSocketProtocol::CloseCodeNormal);
    });
    wait->start();
}

} // namespace defib::ui
