#include "device/display.h"

#include "device/device.h"
#include "engine/layout.h"
#include "options/textfile.h"

namespace defib {

std::string promptCaption(const std::string& file)
{
    static const std::pair<const char*, const char*> captions[] = {
        {"connecte.wav", "Connect electrodes."},
        {"connectE.wav", "Connect electrodes."},
        {"pushanal.wav", "Push analyze."},
        {"pushanaB.wav", "[beep] Push analyze."},
        {"bepclear.wav", "[beep] Stand clear."},
        {"analyzeN.wav", "Analyzing now. Stand clear."},
        {"motion.wav", "Motion detected. Stop motion."},
        {"MOTION.WAV", "Motion detected. Stop motion."},
        {"shockadv.wav", "Shock advised."},
        {"noshockA.wav", "No shock advised."},
        {"SWEEP.wav", "[charging tone]"},
        {"standcle.wav", "Stand clear."},
        {"shkwarn.wav", "[warning tones] Push to shock."},
        {"click.wav", "[shock delivered]"},
        {"CLICK.WAV", "[shock delivered]"},
        {"checkfor.wav", "Check for pulse."},
        {"ifnopls.wav", "If no pulse, push analyze."},
        {"ifnoplsS.wav", "If no pulse, start CPR."},
        {"battrepl.wav", "Replace battery."},
        {"shockdel.wav", "Shock delivered."},
        {"startcpr.wav", "Start CPR."},
        {"stopcpr.wav", "Stop CPR. Do not touch the patient."},
    };
    for (const auto& [name, words] : captions)
        if (file == name)
            return words;
    return {};
}

void playPrompt(Scenario& s)
{
    s.caption = promptCaption(s.state.lastSoundFile);
    logEvent(s, EventKind::Prompt, s.state.lastSoundFile);
    if (s.promptObserver)
        s.promptObserver(s.state.lastSoundFile);
    if (!s.audioOn())
        return;
    if (s.platform.sound.play(s.options.promptPath(s.state.lastSoundFile)))
        return;
    if (s.platform.sound.outputFailed()) {
        // Said once: from here on the device runs as with audio off, and the stand-in texts of
        // the silent trainer appear in the messages.
        s.soundOutputFailed = true;
        s.platform.dialogs.message(soundOutputFailedText, MessageKind::Warning);
        return;
    }
    s.platform.dialogs.message(missingAudioText, MessageKind::Warning);
    s.options.setChecked(s.options.SOUNDCheckBox, false);
    // Switching audio off here is no change of the user's.
    s.options.optionsDirty = false;
}

void prompt(Scenario& s, const std::string& file)
{
    s.state.lastSoundFile = file;
    device(s).state.chargeSounding = false;
    playPrompt(s);
}

void chargingSound(Scenario& s)
{
    prompt(s, "SWEEP.wav");
    device(s).state.chargeSounding = true;
}

void stopPrompt(Scenario& s)
{
    s.caption.clear();
    if (s.audioOn())
        s.platform.sound.stop();
}

void setDisplay0(Scenario& s, const std::string& text)
{
    s.ui.AEDDISPLAY0.setText(text);
    s.ui.AEDDISPLAY0.width = displayWidth;
}

void setScreen(Scenario& s, Screen screen)
{
    device(s).state.screen = screen;
    s.ui.AEDDISPLAY1.setText(screenText(screen));
    s.ui.AEDDISPLAY1.width = displayWidth;
}

const char* screenText(Screen screen)
{
    switch (screen) {
    case Screen::Blank:
        return "";
    case Screen::SelfTest:
        return "SELF-TEST";
    case Screen::ConnectElectrodes:
        return "CONNECT ELECTRODES";
    case Screen::PushAnalyze:
        return "PUSH ANALYZE";
    case Screen::AnalysisStandClear:
    case Screen::ShockStandClear:
        return "STAND CLEAR";
    case Screen::AnalyzingNow:
        return "ANALYZING NOW";
    case Screen::MotionDetected:
        return "MOTION DETECTED";
    case Screen::StopMotion:
        return "STOP MOTION";
    case Screen::NoShockAdvised:
        return "NO SHOCK ADVISED";
    case Screen::ShockAdvised:
        return "SHOCK ADVISED";
    case Screen::PushToShock:
        return "PUSH TO SHOCK";
    case Screen::ChargeRemoved:
        return "CHARGE REMOVED";
    case Screen::CheckForPulse:
        return "CHECK FOR PULSE";
    case Screen::IfNoPulse:
        return "IF NO PULSE";
    case Screen::StartCpr:
        return "START CPR";
    case Screen::ShockDelivered:
        return "SHOCK DELIVERED";
    case Screen::StopCpr:
        return "STOP CPR";
    case Screen::ReplaceBattery:
        return "REPLACE BATTERY";
    }
    return "";
}

void setPowerLight(Scenario& s, bool lit)
{
    device(s).state.powerLight = lit;
    s.ui.PowerLight.setColour(lit ? clGreen : clWhite);
}

void setAnalyzeLed(Scenario& s, bool lit)
{
    device(s).state.analyzeLed = lit;
    s.ui.AnalyzeLED.setColour(lit ? clYellow : clWhite);
}

void setShockLed(Scenario& s, bool lit)
{
    device(s).state.shockLed = lit;
    s.ui.ShockLED.setColour(lit ? clRed : clWhite);
}

} // namespace defib
