#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <memory>

#include "options/platform.h"
#include "options/stationoptions.h"

namespace defib::ui {

class StationAnnouncer;
class StationServer;
class TForm1;

// The program's station (HACKING.md, "The instructor's console and its stations"): while the
// instructor may join (OPTION7.INI Station=1, or --station for the run), the trainer of the main
// window listens for the console and the window shows the station's name, its join code and
// whether a console has joined.
class ProgramStation : public QObject {
    Q_OBJECT
public:
    // `folder` holds OPTION7.INI and the station's TLS key and certificate. Reads the options;
    // start() then listens on `address` (every one of the computer's; tests keep to loopback)
    // when they (or `forced`) say so.
    ProgramStation(TForm1& window, const QString& folder, bool forced, const QHostAddress& address = QHostAddress::Any,
                   QObject* parent = nullptr);
    ~ProgramStation() override;

    // Listens when the instructor may join; a problem (a port in use) is said in a message and
    // the program runs on without a station. Also says a damaged OPTION7.INI.
    void start();
    // What the Program Options' check box shows: whether the instructor may join.
    bool allowed() const { return allowed_; }
    // The check box's choice, saved to OPTION7.INI by OK and in force at once: the station
    // listens from now on, or closes (a console joined is let go).
    void setAllowed(bool allowed);

    bool listening() const { return server_ != nullptr; }
    // The station's name and its join code (empty while it does not listen).
    QString name() const { return name_; }
    QString code() const { return code_; }
    quint16 port() const;
    bool consoleJoined() const { return joined_; }
    // What the window shows: "Station NAME · code 123456 · console joined", empty without one.
    QString line() const;

private:
    bool listen(QString* problem);
    void stop();
    void show();
    void message(const QString& text, MessageKind kind);

    TForm1& window_;
    QString folder_;
    bool forced_ = false;
    QHostAddress address_;
    bool allowed_ = false;
    StationOptions options_;
    QString name_;
    QString code_;
    bool joined_ = false;
    std::unique_ptr<StationServer> server_;
    std::unique_ptr<StationAnnouncer> announcer_;
};

} // namespace defib::ui
