#include "engine/score.h"

#include <algorithm>
#include <limits>

namespace defib {

void addFinalScore(Scenario& s, int points, const std::string& reason, const std::vector<std::string>& arguments)
{
    // The score holds at the ends of its 16-bit range: 650 Advice clicks must not wrap it round
    // to the top of the board.
    const int limited = std::clamp(s.state.score + points, int{std::numeric_limits<i16>::min()},
                                   int{std::numeric_limits<i16>::max()});
    s.state.score = static_cast<i16>(limited);
    if (points == 0)
        return;
    ScoreChange change{s.state.elapsedSeconds, s.scheduler.clock().now(), points, {}, {}, arguments};
    change.reason = reason.empty() ? actionName(s.state.lastAction) : reason;
    if (!arguments.empty()) {
        change.pattern = change.reason;
        change.reason = fillArguments(change.pattern, arguments);
    }
    s.scoreLog.push_back(std::move(change));
}

void addScore(Scenario& s, int points, const std::string& reason, const std::vector<std::string>& arguments)
{
    if (!scenarioOver(s))
        addFinalScore(s, points, reason, arguments);
}

void showScore(Scenario& s)
{
    s.ui.SCORELabel.setText(std::to_string(s.state.score));
}

void penalize(Scenario& s, int points, const std::string& message, const std::string& record,
              const std::vector<std::string>& arguments)
{
    if (scenarioOver(s))
        return;
    s.ui.MainMSGDisplay.setText(s.options.texts().format(message, arguments));
    s.summary.Errors.addLine(s.options.texts().format(record, arguments));
    addScore(s, -points, message, arguments);
    showScore(s);
}

} // namespace defib
