#include "engine/debrief.h"

#include "options/debriefcsv.h"
#include "options/textfile.h"

namespace defib {

const std::vector<std::string>& debriefHeader()
{
    static const std::vector<std::string> header = [] {
        std::vector<std::string> names = {"date",
                                          "time",
                                          "mode",
                                          "name",
                                          "ID",
                                          "scenario kind",
                                          "patient",
                                          "score",
                                          "elapsed seconds",
                                          "first shock seconds"};
        for (const std::string& measure : measureNames())
            names.push_back(measure);
        names.emplace_back("penalties");
        names.emplace_back("penalty texts");
        return names;
    }();
    return header;
}

std::vector<Event> penalties(const std::vector<Event>& events)
{
    std::vector<Event> taken;
    for (const Event& e : events)
        if (e.kind == EventKind::Score && e.amount < 0)
            taken.push_back(e);
    return taken;
}

const char* scenarioKindName(int kind)
{
    switch (kind) {
    case KindAdult:
        return "Adult";
    case KindChild:
        return "Child";
    case KindUnderageChild:
        return "Child under the limit";
    case KindHypothermic:
        return "Hypothermic";
    case KindMoreShocks:
        return "Adult, more shocks";
    default:
        return "";
    }
}

int secondsOf(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || !isNumber(text.substr(0, colon)) || !isNumber(text.substr(colon + 1)))
        return -1;
    return parseNumber(text.substr(0, colon)) * 60 + parseNumber(text.substr(colon + 1));
}

std::vector<std::string> debriefRow(Scenario& s, const std::string& date, const std::string& time, bool terminated)
{
    const ScenarioState& st = s.state;
    const std::vector<Event>& events = s.events.events();
    const Measures measures = computeMeasures(events);
    std::string mode = st.practiceMode ? "practice" : "test";
    if (terminated)
        mode += " terminated";
    std::string firstShock;
    if (st.shockCount > 0)
        if (const int seconds = secondsOf(st.shockTimesText); seconds >= 0)
            firstShock = std::to_string(seconds);
    std::vector<std::string> row = {date,
                                    time,
                                    mode,
                                    st.userName,
                                    st.userIdNumber,
                                    scenarioKindName(st.scenarioKind),
                                    st.patientHistory,
                                    std::to_string(st.score),
                                    std::to_string(st.elapsedSeconds),
                                    firstShock};
    for (const std::string& name : measureNames())
        row.push_back(std::to_string(*measureByName(measures, name)));
    const std::vector<Event> taken = penalties(events);
    std::string texts;
    for (const Event& e : taken) {
        if (!texts.empty())
            texts += " | ";
        texts += e.text;
    }
    row.push_back(std::to_string(taken.size()));
    row.push_back(texts);
    return row;
}

void writeDebriefRow(Scenario& s, bool terminated)
{
    const std::vector<std::string> row
        = debriefRow(s, s.platform.wallClock.shortDate(), s.platform.wallClock.longTime(), terminated);
    appendDebriefRow(s.options, s.platform.dialogs, s.state.practiceMode, debriefHeader(), row);
}

} // namespace defib
