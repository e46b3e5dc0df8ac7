#include "engine/scenario.h"

#include <limits>

#include "options/textfile.h"

namespace defib {

Scenario::Scenario(Platform& platform, Clock& clock)
    : platform(platform)
    , scheduler(clock)
    , timers(scheduler)
    , options(platform.dialogs)
{
    scheduler.mayStart = [this](const Timer& timer) {
        if (phase == ScenarioPhase::Ended)
            return false;
        return !state.timedOut || &timer == &timers.SCENOVERLabelFLASHTimer || &timer == &timers.ELAPSEDSecTIMER;
    };
}

std::vector<Control*> Scenario::allControls()
{
    std::vector<Control*> controls;
    auto add = [&](Control& control) { controls.push_back(&control); };
    ui.forEach(add);
    controls.push_back(&summary.window);
    summary.forEach(add);
    controls.push_back(&registration.window);
    registration.forEach(add);
    controls.push_back(&debug.window);
    debug.forEach(add);
    controls.push_back(&scoreboardWindow.window);
    scoreboardWindow.forEach(add);
    controls.push_back(&cprCount.window);
    cprCount.forEach(add);
    controls.push_back(&passwordDlg.window);
    passwordDlg.forEach(add);
    controls.push_back(&sendWindow.window);
    sendWindow.forEach(add);
    for (Control* option : options.all())
        controls.push_back(option);
    return controls;
}

Control* Scenario::findControl(const std::string& name)
{
    Control* found = nullptr;
    auto match = [&](const std::string& prefix) {
        return [&, prefix](Control& control) {
            if (!found && prefix + control.name() == name)
                found = &control;
        };
    };
    ui.forEach(match(""));
    if (name == "Errors" || name == summary.window.name())
        return name == "Errors" ? &summary.Errors : &summary.window;
    summary.forEach(match("TForm2."));
    if (name == registration.window.name())
        return &registration.window;
    registration.forEach(match("TUserNAMEFORM."));
    if (name == debug.window.name())
        return &debug.window;
    debug.forEach(match("TFormdebug."));
    if (name == scoreboardWindow.window.name())
        return &scoreboardWindow.window;
    scoreboardWindow.forEach(match("TScoreboard."));
    if (name == cprCount.window.name())
        return &cprCount.window;
    cprCount.forEach(match("TCPRVENTFORM."));
    if (name == passwordDlg.window.name())
        return &passwordDlg.window;
    passwordDlg.forEach(match("TPasswordDlg."));
    if (name == scenarioEditor.window.name())
        return &scenarioEditor.window;
    if (name == sendWindow.window.name())
        return &sendWindow.window;
    sendWindow.forEach(match("TFTPform."));
    if (!found)
        found = options.find(name);
    return found;
}

Timer* Scenario::findTimer(const std::string& name)
{
    for (Timer* timer : scheduler.timers())
        if (timer->name() == name)
            return timer;
    return nullptr;
}

void Scenario::setObserver(ControlObserver* observer)
{
    for (Control* control : allControls())
        control->observer = observer;
}

std::string FieldRef::format() const
{
    switch (type) {
    case Type::Text:
        return *static_cast<std::string*>(address);
    case Type::Flag:
        return *static_cast<bool*>(address) ? "true" : "false";
    case Type::Byte:
        return std::to_string(*static_cast<u8*>(address));
    case Type::Short:
        return std::to_string(*static_cast<i16*>(address));
    case Type::Int:
        return std::to_string(*static_cast<i32*>(address));
    case Type::Action:
        return actionName(*static_cast<Action*>(address));
    }
    return {};
}

bool FieldRef::assign(const std::string& value) const
{
    auto inRange = [&](long long low, long long high) {
        if (!isNumber(value))
            return false;
        long long number = std::stoll(value);
        return number >= low && number <= high;
    };
    switch (type) {
    case Type::Text:
        *static_cast<std::string*>(address) = value;
        return true;
    case Type::Flag:
        if (value != "true" && value != "false" && value != "T" && value != "F")
            return false;
        *static_cast<bool*>(address) = value == "true" || value == "T";
        return true;
    case Type::Byte:
        if (!inRange(0, 255))
            return false;
        *static_cast<u8*>(address) = static_cast<u8>(std::stoi(value));
        return true;
    case Type::Short:
        if (!inRange(std::numeric_limits<i16>::min(), std::numeric_limits<i16>::max()))
            return false;
        *static_cast<i16*>(address) = static_cast<i16>(std::stoi(value));
        return true;
    case Type::Int:
        if (!inRange(std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()))
            return false;
        *static_cast<i32*>(address) = std::stoi(value);
        return true;
    case Type::Action:
        return actionByName(value, *static_cast<Action*>(address));
    }
    return false;
}

namespace {
FieldRef::Type typeOf(std::string*)
{
    return FieldRef::Type::Text;
}
FieldRef::Type typeOf(bool*)
{
    return FieldRef::Type::Flag;
}
FieldRef::Type typeOf(u8*)
{
    return FieldRef::Type::Byte;
}
FieldRef::Type typeOf(i16*)
{
    return FieldRef::Type::Short;
}
FieldRef::Type typeOf(i32*)
{
    return FieldRef::Type::Int;
}
FieldRef::Type typeOf(Action*)
{
    return FieldRef::Type::Action;
}
} // namespace

std::optional<FieldRef> findField(ScenarioState& state, const std::string& name)
{
#define DEFIB_FIND_FIELD(type, field, start)                                                                           \
    if (name == #field)                                                                                                \
        return FieldRef{typeOf(&state.field), &state.field};
    DEFIB_STATE_FIELDS(DEFIB_FIND_FIELD)
#undef DEFIB_FIND_FIELD
    return std::nullopt;
}

std::vector<std::string> fieldNames()
{
    return {
#define DEFIB_FIELD_NAME(type, field, start) #field,
        DEFIB_STATE_FIELDS(DEFIB_FIELD_NAME)
#undef DEFIB_FIELD_NAME
    };
}

} // namespace defib
