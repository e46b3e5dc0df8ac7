#include "sim/simstation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTimer>
#include <algorithm>

#include "ui/stationserver.h"

namespace defib::sim {

namespace {

// The virtual clock moves on in steps of at most this much, so the station's status and a
// console's command fall between the scenario's timers as in the program.
constexpr long long largestStep = 5;

class QtStationService : public StationService {
public:
    int start(Trainer& trainer, int port, const std::string& code, std::string& error) override
    {
        if (!QCoreApplication::instance())
            app_ = std::make_unique<QCoreApplication>(argc_, argv_);
        server_ = std::make_unique<ui::StationServer>(trainer, QStringLiteral("defibrio-sim"),
                                                      QString::fromStdString(code));
        QString reason;
        if (!server_->listen(QHostAddress::LocalHost, static_cast<quint16>(port), false, QString(), &reason)) {
            error = reason.toStdString();
            server_.reset();
            return 0;
        }
        return server_->port();
    }

    void wait(VirtualClock& clock, long long ms) override
    {
        // Wakes the loop at least every few milliseconds to move the clock on.
        QTimer wake;
        wake.start(static_cast<int>(largestStep));
        QElapsedTimer real;
        real.start();
        long long done = 0;
        while (done < ms) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const long long due = std::min(ms, static_cast<long long>(real.elapsed()));
            while (done < due) {
                const long long step = std::min(largestStep, due - done);
                clock.advance(Millis(step));
                done += step;
                // What a console sent meanwhile comes before the next step.
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            }
        }
    }

private:
    int argc_ = 1;
    char name_[13] = "defibrio-sim";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
    std::unique_ptr<ui::StationServer> server_;
};

} // namespace

std::unique_ptr<StationService> makeStationService()
{
    return std::make_unique<QtStationService>();
}

} // namespace defib::sim
