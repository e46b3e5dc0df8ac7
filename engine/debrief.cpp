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
        // Later columns, after the first ones so that a reader of those finds them where it did.
        names.emplace_back("protocol");
        names.emplace_back("first shock verdict");
        names.emplace_back("fatalShock");
        names.emplace_back("exam");
        names.emplace_back("scenario");
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

// The scenario played: its title, or a drawn patient's "Random patient".
static std::string scenarioColumn(const ScenarioState& st)
{
    return st.scenarioTitle.empty() ? std::string(randomPatientLabel) : st.scenarioTitle;
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
    if (const int t = st.firstShockSecond - firstShockCountsFromSecond;
        st.shockCount > 0 && !st.recordedWithoutShock && st.firstShockSecond >= 0 && t >= 0)
        firstShock = std::to_string(t);
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
    row.emplace_back(s.activeProtocol ? s.protocol().name() : "");
    row.emplace_back(verdictName(firstShockVerdict(events)));
    row.push_back(std::to_string(measures.fatalShock));
    // The scenario's place in a three-scenario test: its count goes up once its records are written.
    const bool inExam = !st.practiceMode && s.option(s.options.THREESCENARIOTEST) && st.examScenarioNumber < 3;
    row.push_back(inExam ? std::to_string(st.examScenarioNumber + 1) + " of 3" : std::string());
    row.push_back(scenarioColumn(st));
    return row;
}

std::vector<std::string> abandonedExamRow(Scenario& s, const std::string& date, const std::string& time)
{
    const ScenarioState& st = s.state;
    std::vector<std::string> row(debriefHeader().size());
    row[0] = date;
    row[1] = time;
    row[2] = "test abandoned";
    row[3] = st.userName;
    row[4] = st.userIdNumber;
    row[row.size() - 2] = "abandoned after " + std::to_string(st.examScenarioNumber) + " of 3";
    row.back() = scenarioColumn(st);
    return row;
}

void writeAbandonedExamRow(Scenario& s)
{
    appendDebriefRow(s.options, s.platform.dialogs, false, debriefHeader(),
                     abandonedExamRow(s, s.platform.wallClock.shortDate(), s.platform.wallClock.longTime()));
}

void writeDebriefRow(Scenario& s, bool terminated)
{
    const std::vector<std::string> row
        = debriefRow(s, s.platform.wallClock.shortDate(), s.platform.wallClock.longTime(), terminated);
    appendDebriefRow(s.options, s.platform.dialogs, s.state.practiceMode, debriefHeader(), row);
}

} // namespace defib
