#include "device/display.h"

#include "device/device.h"
#include "engine/layout.h"
#include "engine/texts.h"
#include "options/textfile.h"

namespace defib {

std::string promptCaption(const std::string& file)
{
    static const std::pair<const char*, const char*> captions[] = {
        {"connecte.wav", TX("Connect electrodes.")},
        {"connectE.wav", TX("Connect electrodes.")},
        {"pushanal.wav", TX("Push analyze.")},
        {"pushanaB.wav", TX("[beep] Push analyze.")},
        {"bepclear.wav", TX("[beep] Stand clear.")},
        {"analyzeN.wav", TX("Analyzing now. Stand clear.")},
        {"motion.wav", TX("Motion detected. Stop motion.")},
        {"MOTION.WAV", TX("Motion detected. Stop motion.")},
        {"shockadv.wav", TX("Shock advised.")},
        {"noshockA.wav", TX("No shock advised.")},
        {"SWEEP.wav", TX("[charging tone]")},
        {"standcle.wav", TX("Stand clear.")},
        {"shkwarn.wav", TX("[warning tones] Push to shock.")},
        {"click.wav", TX("[shock delivered]")},
        {"CLICK.WAV", TX("[shock delivered]")},
        {"checkfor.wav", TX("Check for pulse.")},
        {"ifnopls.wav", TX("If no pulse, push analyze.")},
        {"ifnoplsS.wav", TX("If no pulse, start CPR.")},
        {"battrepl.wav", TX("Replace battery.")},
        {"shockdel.wav", TX("Shock delivered.")},
        {"startcpr.wav", TX("Start CPR.")},
        {"stopcpr.wav", TX("Stop CPR. Do not touch the patient.")},
    };
    for (const auto& [name, words] : captions)
        if (file == name)
            return words;
    return {};
}

static std::string promptFilePath(const Scenario& s, const std::string& file)
{
    const std::string& languages = s.options.languagePromptDirectory;
    const bool ofLanguage = file.find('/') != std::string::npos;
    return ofLanguage && !languages.empty() ? joinPath(languages, file) : s.options.promptPath(file);
}

std::string promptInLanguage(Scenario& s, const std::string& file)
{
    const std::string& language = s.options.language();
    if (language == defaultLanguage || file.empty())
        return file;
    const std::string translated = language + "/" + file;
    if (fileExists(promptFilePath(s, translated)))
        return translated;
    // Told once: every prompt the language lacks speaks in English from here on.
    if (!s.languagePromptMissingTold && s.audioOn()) {
        s.languagePromptMissingTold = true;
        s.platform.dialogs.message(tx(s,
                                      "The voice prompt {1} is missing in this language: the trainer speaks it, "
                                      "and any other that is missing, in English.",
                                      {translated}),
                                   MessageKind::Warning);
    }
    return file;
}

void playPrompt(Scenario& s)
{
    s.caption = tx(s, promptCaption(s.state.lastSoundFile));
    // The log keeps the prompt by its name; the trainee hears it in the trainer's language.
    logEvent(s, EventKind::Prompt, s.state.lastSoundFile);
    const std::string file = promptInLanguage(s, s.state.lastSoundFile);
    if (s.promptObserver)
        s.promptObserver(file);
    if (!s.audioOn())
        return;
    if (s.platform.sound.play(promptFilePath(s, file)))
        return;
    if (s.platform.sound.outputFailed()) {
        // Said once: from here on the device runs as with audio off, and the stand-in texts of
        // the silent trainer appear in the messages.
        s.soundOutputFailed = true;
        s.platform.dialogs.message(tx(s, soundOutputFailedText), MessageKind::Warning);
        return;
    }
    s.platform.dialogs.message(tx(s, missingAudioText), MessageKind::Warning);
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
    s.ui.AEDDISPLAY1.setText(tx(s, screenText(screen)));
    s.ui.AEDDISPLAY1.width = displayWidth;
}

const char* screenText(Screen screen)
{
    switch (screen) {
    case Screen::Blank:
        return "";
    case Screen::SelfTest:
        return TX("SELF-TEST");
    case Screen::ConnectElectrodes:
        return TX("CONNECT ELECTRODES");
    case Screen::PushAnalyze:
        return TX("PUSH ANALYZE");
    case Screen::AnalysisStandClear:
    case Screen::ShockStandClear:
        return TX("STAND CLEAR");
    case Screen::AnalyzingNow:
        return TX("ANALYZING NOW");
    case Screen::MotionDetected:
        return TX("MOTION DETECTED");
    case Screen::StopMotion:
        return TX("STOP MOTION");
    case Screen::NoShockAdvised:
        return TX("NO SHOCK ADVISED");
    case Screen::ShockAdvised:
        return TX("SHOCK ADVISED");
    case Screen::PushToShock:
        return TX("PUSH TO SHOCK");
    case Screen::ChargeRemoved:
        return TX("CHARGE REMOVED");
    case Screen::CheckForPulse:
        return TX("CHECK FOR PULSE");
    case Screen::IfNoPulse:
        return TX("IF NO PULSE");
    case Screen::StartCpr:
        return TX("START CPR");
    case Screen::ShockDelivered:
        return TX("SHOCK DELIVERED");
    case Screen::StopCpr:
        return TX("STOP CPR");
    case Screen::ReplaceBattery:
        return TX("REPLACE BATTERY");
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
