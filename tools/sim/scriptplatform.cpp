#include "sim/scriptplatform.h"

#include <chrono>
#include <ctime>

#include "options/textfile.h"
#include "sim/format.h"

namespace defib::sim {

int ScriptRandom::random(int n)
{
    if (!queued_.empty()) {
        int value = queued_.front();
        queued_.pop_front();
        if (value < 0 || value >= n) {
            error = "queued random value " + std::to_string(value) + " is not below " + std::to_string(n);
            return 0;
        }
        return value;
    }
    return generator_.random(n);
}

void ScriptRandom::randomize()
{
    generator_.seed(seed_ ? *seed_ : static_cast<unsigned>(clock_.now().count()));
}

bool FileSound::play(const std::string& path)
{
    return fileExists(path);
}

void ScriptDialogs::message(const std::string& text, MessageKind)
{
    print_("message", quoted(text));
}

bool ScriptDialogs::confirm(const std::string& text)
{
    if (answers_.empty()) {
        if (!error)
            error = "no answer queued for the confirmation \"" + text + "\"";
        return false;
    }
    bool answer = answers_.front();
    answers_.pop_front();
    print_("confirm", quoted(text) + (answer ? " -> yes" : " -> no"));
    return answer;
}

bool ScriptDialogs::ask(const std::string& question, std::string& answer)
{
    if (answers_.empty()) {
        if (!error)
            error = "no answer queued for the question \"" + question + "\"";
        return false;
    }
    bool ok = answers_.front();
    answers_.pop_front();
    if (ok)
        answer = typedAnswer;
    print_("ask", quoted(question) + (ok ? " -> " + quoted(answer) : std::string(" -> cancel")));
    return ok;
}

static std::tm localNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string ScriptWallClock::shortDate()
{
    if (date)
        return *date;
    std::tm t = localNow();
    return std::to_string(t.tm_mon + 1) + "/" + std::to_string(t.tm_mday) + "/" + (t.tm_year % 100 < 10 ? "0" : "")
        + std::to_string(t.tm_year % 100);
}

std::string ScriptWallClock::longTime()
{
    if (time)
        return *time;
    std::tm t = localNow();
    int hour = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(hour) + ":" + two(t.tm_min) + ":" + two(t.tm_sec) + (t.tm_hour < 12 ? " AM" : " PM");
}

} // namespace defib::sim
