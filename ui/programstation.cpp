#include "ui/programstation.h"

#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <QHostInfo>
#include <random>

#include "ui/discovery.h"
#include "ui/mainwindow.h"
#include "ui/stationserver.h"

namespace defib::ui {

ProgramStation::ProgramStation(TForm1& window, const QString& folder, bool forced, const QHostAddress& address,
                               QObject* parent)
    : QObject(parent)
    , window_(window)
    , folder_(folder)
    , forced_(forced)
    , address_(address)
{
}

ProgramStation::~ProgramStation()
{
    stop();
    if (window_.station() == this)
        window_.setStation(nullptr);
}

void ProgramStation::start()
{
    const StationOptionsRead read = loadStationOptions(folder_.toStdString());
    options_ = read.options;
    allowed_ = options_.station;
    if (!read.problem.empty())
        message(tr("%1 %2. The station uses its defaults for what the file could not give.")
                    .arg(QDir::toNativeSeparators(QDir(folder_).filePath(QString::fromLatin1(stationOptionsFile))),
                         QString::fromStdString(read.problem)),
                MessageKind::Warning);
    if (allowed_ || forced_) {
        QString problem;
        if (!listen(&problem))
            message(problem, MessageKind::Error);
    }
    show();
}

void ProgramStation::setAllowed(bool allowed)
{
    if (allowed == allowed_)
        return;
    std::string error;
    if (!saveStationChoice(folder_.toStdString(), allowed, error)) {
        message(tr("The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file "
                   "can be written.")
                    .arg(QDir::toNativeSeparators(QDir(folder_).filePath(QString::fromLatin1(stationOptionsFile))),
                         QString::fromStdString(error)),
                MessageKind::Error);
        return;
    }
    allowed_ = allowed;
    const bool wanted = allowed_ || forced_;
    if (wanted && !server_) {
        QString problem;
        if (listen(&problem))
            message(tr("The instructor can join now: station %1, code %2.").arg(name_, code_),
                    MessageKind::Information);
        else
            message(problem, MessageKind::Error);
    } else if (!wanted && server_) {
        stop();
        message(tr("The instructor can no longer join: the station has closed."), MessageKind::Information);
    }
    show();
}

quint16 ProgramStation::port() const
{
    return server_ ? server_->port() : 0;
}

bool ProgramStation::listen(QString* problem)
{
    name_ = QString::fromStdString(options_.name);
    if (name_.isEmpty())
        name_ = QHostInfo::localHostName();
    if (name_.isEmpty())
        name_ = QStringLiteral("Defibrio");
    // Drawn afresh at every start from the machine, never from the scenario's draws, which
    // would change what a seeded scenario plays.
    std::random_device device;
    code_ = QString::fromStdString(joinCodeOf(static_cast<std::uint32_t>(device())));
    server_ = std::make_unique<StationServer>(window_.trainer(), name_, code_);
    QString error;
    if (!server_->listen(address_, static_cast<quint16>(options_.port), options_.tls, folder_, &error)) {
        server_.reset();
        *problem = tr("The instructor cannot join: the station cannot listen on port %1 (%2). Defibrio runs on "
                      "without it; choose another Port= in %3.")
                       .arg(options_.port)
                       .arg(error,
                            QDir::toNativeSeparators(QDir(folder_).filePath(QString::fromLatin1(stationOptionsFile))));
        code_.clear();
        return false;
    }
    joined_ = false;
    connect(server_.get(), &StationServer::consoleChanged, this, [this](bool joined) {
        joined_ = joined;
        show();
    });
    announcer_ = std::make_unique<StationAnnouncer>(name_, server_->port(), options_.tls);
    return true;
}

void ProgramStation::stop()
{
    announcer_.reset();
    server_.reset();
    joined_ = false;
    code_.clear();
}

QString ProgramStation::line() const
{
    if (!server_)
        return QString();
    return joined_ ? tr("Station %1 · code %2 · console joined").arg(name_, code_)
                   : tr("Station %1 · code %2").arg(name_, code_);
}

void ProgramStation::show()
{
    window_.showStation(line());
}

void ProgramStation::message(const QString& text, MessageKind kind)
{
    window_.scenario().platform.dialogs.message(text.toStdString(), kind);
}

} // namespace defib::ui
