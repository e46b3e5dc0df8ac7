#include "engine/scenarioclock.h"

namespace defib {

std::string clockText(const std::string& longTime)
{
    // Hours and minutes end at the second colon, whatever the hour's width or the AM/PM suffix;
    // counting positions alone would leave "9:05:" of a 24-hour "9:05:09".
    const std::size_t firstColon = longTime.find(':');
    const std::size_t secondColon = firstColon == std::string::npos ? firstColon : longTime.find(':', firstColon + 1);
    if (secondColon != std::string::npos)
        return longTime.substr(0, secondColon);
    std::string text = longTime;
    if (text.size() == 10)
        text.erase(4, 7);
    else if (text.size() > 5)
        text.erase(5, 6);
    return text;
}

void ELAPSEDSecTIMERTimer(Scenario& s)
{
    ++s.state.elapsedSeconds;
    s.ui.TIMELabel.setText(clockText(s.platform.wallClock.longTime()));
}

void SCENOVERLabelFLASHTimerTimer(Scenario& s)
{
    s.ui.SCENOVERLabel.setText("  scenario over  ");
    s.ui.SCENOVERLabel.visible = !s.ui.SCENOVERLabel.visible;
}

void announceScenarioOver(Scenario& s)
{
    s.state.overAnnounced = true;
    s.timers.SCENOVERLabelFLASHTimer.start();
}

void bindEngineTimers(Scenario& s)
{
    s.timers.ELAPSEDSecTIMER.onTimer = [&s] { ELAPSEDSecTIMERTimer(s); };
    s.timers.SCENOVERLabelFLASHTimer.onTimer = [&s] { SCENOVERLabelFLASHTimerTimer(s); };
}

} // namespace defib
