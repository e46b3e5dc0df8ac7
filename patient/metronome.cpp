#include "patient/metronome.h"

#include "engine/texts.h"
#include "patient/patient.h"

namespace defib {

int beatInterval(int beat)
{
    const int round = 6000;
    const int clicks = 11;
    const int k = beat % clicks;
    return (k + 1) * round / clicks - k * round / clicks;
}

namespace {

Timer& metronome(Scenario& s)
{
    return patient(s).timers.METRONOMETimer;
}

// One click, on the sound output's own voice for it. A click that cannot be played stops the
// metronome: once said, the scenario goes on without it.
void click(Scenario& s)
{
    if (!s.audioOn()) {
        metronome(s).stop();
        return;
    }
    SoundPlayer& sound = s.platform.sound;
    if (sound.playBeat(s.options.promptPath(metronomeClick)))
        return;
    metronome(s).stop();
    if (sound.outputFailed()) {
        s.soundOutputFailed = true;
        s.platform.dialogs.message(tx(s, soundOutputFailedText), MessageKind::Warning);
        return;
    }
    if (!s.metronomeClickFailed) {
        s.metronomeClickFailed = true;
        s.platform.dialogs.message(tx(s, metronomeClickMissing), MessageKind::Warning);
    }
}

} // namespace

void startMetronome(Scenario& s)
{
    if (!s.option(s.options.OptMetronome) || !s.audioOn() || s.metronomeClickFailed || s.state.paused
        || s.phase != ScenarioPhase::Running || scenarioOver(s))
        return;
    Timer& timer = metronome(s);
    if (timer.enabled())
        return;
    patient(s).state.metronomeBeat = 0;
    timer.setInterval(beatInterval(0));
    timer.start();
}

void stopMetronome(Scenario& s)
{
    metronome(s).stop();
}

void metronomeSwitched(Scenario& s, bool on)
{
    if (s.metronomeObserver)
        s.metronomeObserver(on);
    // The first click comes with the hands; the timer gives the next ones.
    if (on)
        click(s);
    else
        s.platform.sound.stopBeats();
}

void METRONOMETimerTimer(Scenario& s)
{
    Timer& timer = metronome(s);
    int& beat = patient(s).state.metronomeBeat;
    beat = (beat + 1) % 11;
    timer.setInterval(beatInterval(beat));
    click(s);
}

} // namespace defib
