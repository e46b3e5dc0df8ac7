#include "engine/score.h"

#include <algorithm>
#include <limits>

namespace defib {

void addFinalScore(Scenario& s, int points, const std::string& reason)
{
    // The score holds at the ends of its 16-bit range: 650 Advice clicks must not wrap it round
    // to the top of the board.
    const int limited = std::clamp(s.state.score + points, int{std::numeric_limits<i16>::min()},
                                   int{std::numeric_limits<i16>::max()});
    s.state.score = static_cast<i16>(limited);
    if (points != 0)
        s.scoreLog.push_back({s.state.elapsedSeconds, s.scheduler.clock().now(), points,
                              reason.empty() ? actionName(s.state.lastAction) : reason});
}

void addScore(Scenario& s, int points, const std::string& reason)
{
    if (!scenarioOver(s))
        addFinalScore(s, points, reason);
}

void showScore(Scenario& s)
{
    s.ui.SCORELabel.setText(std::to_string(s.state.score));
}

void penalize(Scenario& s, int points, const std::string& message, const std::string& record)
{
    if (scenarioOver(s))
        return;
    s.ui.MainMSGDisplay.setText(message);
    s.summary.Errors.addLine(record);
    addScore(s, -points, message);
    showScore(s);
}

} // namespace defib
