#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace defib::ui {

// DNS-SD for the stations: a station announces itself as `_defibrio._tcp` (its name, its port,
// TXT protocol=1 and tls=0|1) and the console browses for them, through the Avahi daemon. Where
// no daemon runs, neither fails loudly: available() is false and unavailableText() says so; the
// console then takes a typed address.
inline constexpr const char* stationServiceType = "_defibrio._tcp";

// "Discovery is not available: type the station's address" in the window's language.
QString discoveryUnavailableText();

// Announces one station while it exists.
class StationAnnouncer : public QObject {
    Q_OBJECT
public:
    StationAnnouncer(const QString& name, quint16 port, bool tls, QObject* parent = nullptr);
    ~StationAnnouncer() override;

    // True while the announcement is registered with the daemon.
    bool available() const { return available_; }
    // Why it is not (empty while it is or while the daemon is still answering).
    QString problem() const { return problem_; }

signals:
    void availabilityChanged(bool available);

private:
    struct Avahi;
    void setAvailable(bool available, const QString& problem);

    std::unique_ptr<Avahi> avahi_;
    bool available_ = false;
    QString problem_;
};

// Browses for stations and resolves each to its address while it exists. `found` comes once per
// station resolved (again when its address changes), `lost` when it is withdrawn.
class StationBrowser : public QObject {
    Q_OBJECT
public:
    explicit StationBrowser(QObject* parent = nullptr);
    ~StationBrowser() override;

    // True while the daemon answers the browse; false without a daemon.
    bool available() const { return available_; }
    // Why it is not (empty while it is).
    QString problem() const { return problem_; }

signals:
    void found(const QString& name, const QString& host, quint16 port, bool tls);
    void lost(const QString& name);
    void availabilityChanged(bool available);

private:
    struct Avahi;
    friend struct Avahi;
    void setAvailable(bool available, const QString& problem);

    std::unique_ptr<Avahi> avahi_;
    bool available_ = false;
    QString problem_;
};

} // namespace defib::ui
