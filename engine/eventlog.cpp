#include "engine/eventlog.h"

namespace defib {

const char* eventKindName(EventKind kind)
{
    switch (kind) {
    case EventKind::Start:
        return "start";
    case EventKind::Action:
        return "action";
    case EventKind::Display:
        return "display";
    case EventKind::Screen:
        return "screen";
    case EventKind::Prompt:
        return "prompt";
    case EventKind::Led:
        return "led";
    case EventKind::Score:
        return "score";
    case EventKind::CprStart:
        return "cprStart";
    case EventKind::CprStop:
        return "cprStop";
    case EventKind::Pause:
        return "pause";
    case EventKind::Resume:
        return "resume";
    case EventKind::Instructor:
        return "instructor";
    case EventKind::Power:
        return "power";
    case EventKind::Analysis:
        return "analysis";
    case EventKind::Verdict:
        return "verdict";
    case EventKind::Charge:
        return "charge";
    case EventKind::Shock:
        return "shock";
    case EventKind::Convert:
        return "convert";
    case EventKind::Trouble:
        return "trouble";
    case EventKind::TimeOut:
        return "timeout";
    case EventKind::Frame:
        return "frame";
    case EventKind::End:
        return "end";
    }
    return "";
}

std::string formatEvent(const Event& event)
{
    std::string line = std::to_string(event.at.count()) + ' ' + eventKindName(event.kind);
    if (event.kind == EventKind::Score)
        line += ' ' + std::string(event.amount > 0 ? "+" : "") + std::to_string(event.amount);
    if (!event.text.empty())
        line += ' ' + event.text;
    return line;
}

void EventLog::begin(Millis now)
{
    clear();
    started_ = true;
    startedAt_ = now;
}

void EventLog::pause(Millis now)
{
    if (!started_ || paused_)
        return;
    paused_ = true;
    pausedAt_ = now;
}

void EventLog::resume(Millis now)
{
    if (!started_ || !paused_)
        return;
    paused_ = false;
    if (now > pausedAt_)
        pausedTotal_ += now - pausedAt_;
}

Millis EventLog::sinceStart(Millis now) const
{
    if (!started_)
        return Millis{0};
    const Millis until = paused_ ? pausedAt_ : now;
    const Millis running = until - startedAt_ - pausedTotal_;
    return running > Millis{0} ? running : Millis{0};
}

void EventLog::add(Millis now, EventKind kind, std::string text, int amount)
{
    if (started_)
        addAt(sinceStart(now), kind, std::move(text), amount);
}

void EventLog::addAt(Millis at, EventKind kind, std::string text, int amount)
{
    events_.push_back({at, kind, std::move(text), amount, {}, {}});
}

void EventLog::add(Millis now, EventKind kind, const std::string& pattern, const std::vector<std::string>& arguments,
                   int amount)
{
    if (!started_)
        return;
    if (arguments.empty()) {
        addAt(sinceStart(now), kind, pattern, amount);
        return;
    }
    events_.push_back({sinceStart(now), kind, fillArguments(pattern, arguments), amount, pattern, arguments});
}

std::string eventText(const Catalogue& texts, const Event& event)
{
    return event.pattern.empty() ? texts.text(event.text) : texts.format(event.pattern, event.arguments);
}

} // namespace defib
