#include "engine/measures.h"

#include <algorithm>

namespace defib {

namespace {

long long firstOf(const std::vector<Event>& events, EventKind kind, const char* text = nullptr)
{
    for (const Event& e : events)
        if (e.kind == kind && (!text || e.text == text))
            return e.at.count();
    return -1;
}

bool ends(const Event& e)
{
    return e.kind == EventKind::Convert || e.kind == EventKind::TimeOut || e.kind == EventKind::End;
}

} // namespace

Millis judgedUntil(const std::vector<Event>& events)
{
    for (const Event& e : events)
        if (ends(e))
            return e.at;
    return events.empty() ? Millis{0} : events.back().at;
}

std::vector<Span> cprSpans(const std::vector<Event>& events, Millis until)
{
    std::vector<Span> spans;
    bool on = false;
    Millis from{0};
    for (const Event& e : events) {
        if (e.kind == EventKind::CprStart && !on) {
            on = true;
            from = e.at;
        } else if (e.kind == EventKind::CprStop && on) {
            on = false;
            spans.push_back({from, e.at});
        }
    }
    if (on)
        spans.push_back({from, std::max(from, until)});
    return spans;
}

Measures computeMeasures(const std::vector<Event>& events)
{
    Measures m;
    m.timeToPowerOn = firstOf(events, EventKind::Power, "on");
    m.timeToFirstAnalysis = firstOf(events, EventKind::Analysis);
    m.timeToFirstShock = firstOf(events, EventKind::Shock);
    m.fatalShock = firstOf(events, EventKind::Shock, notClearedShock);

    const Millis until = judgedUntil(events);
    const Millis lastEvent = events.empty() ? Millis{0} : events.back().at;
    const std::vector<Span> spans = cprSpans(events, lastEvent);

    // The hands' time within the judged stretch.
    Millis::rep handsOn = 0;
    for (const Span& span : spans) {
        const Millis to = std::min(span.to, until);
        if (to > span.from)
            handsOn += (to - span.from).count();
    }
    if (until.count() > 0)
        m.cprFraction = handsOn * 100 / until.count();

    // Gaps between the spans from the first CPR start on, and from the last span's end until the
    // end of the judged stretch.
    if (!spans.empty() && spans.front().from <= until) {
        Millis::rep longest = 0;
        Millis handsOff = spans.front().from;
        for (const Span& span : spans) {
            if (span.from >= until)
                break;
            longest = std::max(longest, (span.from - handsOff).count());
            handsOff = span.to;
        }
        if (handsOff < until)
            longest = std::max(longest, (until - handsOff).count());
        m.longestHandsOffPause = longest;
    }

    if (m.timeToFirstShock >= 0) {
        const Millis shock{m.timeToFirstShock};
        for (const Span& span : spans) {
            if (span.from <= shock && span.to > shock)
                m.preShockPause = 0; // a shock with the hands on the chest
            else if (span.to <= shock)
                m.preShockPause = (shock - span.to).count();
            if (span.from >= shock && m.postShockPause < 0)
                m.postShockPause = (span.from - shock).count();
        }
    }
    return m;
}

const std::vector<std::string>& measureNames()
{
    static const std::vector<std::string> names = {
        "timeToPowerOn",        "timeToFirstAnalysis", "timeToFirstShock", "cprFraction",
        "longestHandsOffPause", "preShockPause",       "postShockPause",
    };
    return names;
}

std::optional<long long> measureByName(const Measures& m, const std::string& name)
{
    if (name == "fatalShock")
        return m.fatalShock;
    const long long values[] = {m.timeToPowerOn,        m.timeToFirstAnalysis, m.timeToFirstShock, m.cprFraction,
                                m.longestHandsOffPause, m.preShockPause,       m.postShockPause};
    const auto& names = measureNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return values[i];
    return std::nullopt;
}

const char* verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Met:
        return "met";
    case Verdict::NotMet:
        return "not met";
    case Verdict::Fatal:
        return "fatal";
    case Verdict::None:
        break;
    }
    return "";
}

namespace {

const Event* firstShock(const std::vector<Event>& events)
{
    for (const Event& e : events)
        if (e.kind == EventKind::Shock)
            return &e;
    return nullptr;
}

} // namespace

Verdict firstShockVerdict(const std::vector<Event>& events)
{
    const Event* shock = firstShock(events);
    if (!shock) {
        for (const Event& e : events)
            if (e.kind == EventKind::Verdict && e.text == "shock advised")
                return Verdict::NotMet;
        return Verdict::None;
    }
    if (shock->text == notClearedShock)
        return Verdict::Fatal;
    for (const Event& e : events)
        if (e.kind == EventKind::Score && e.amount < 0 && e.text.rfind(slowFirstShockReason, 0) == 0)
            return Verdict::NotMet;
    return Verdict::Met;
}

Verdict cprFractionVerdict(const Measures& m)
{
    return m.cprFraction >= cprFractionTarget ? Verdict::Met : Verdict::NotMet;
}

Verdict preShockPauseVerdict(const std::vector<Event>& events, const Measures& m)
{
    if (m.preShockPause < 0)
        return Verdict::None;
    if (const Event* shock = firstShock(events); shock && shock->text == notClearedShock)
        return Verdict::Fatal;
    return m.preShockPause < preShockPauseTarget ? Verdict::Met : Verdict::NotMet;
}

} // namespace defib
