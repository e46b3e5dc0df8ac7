#pragma once

#include "options/catalogue.h"
#include <string>

#include "device/devicestate.h"
#include "engine/scenario.h"

namespace defib {

// The one routine that plays a voice prompt: the file named by lastSoundFile, from the program
// directory. Callers set lastSoundFile first; it records which prompt the device is at even
// with audio off. A file that cannot be played warns once and switches audio off.
void playPrompt(Scenario& s);
// The prompt's file in the trainer's language ("de/shockadv.wav") where that folder has it, else
// the English one, with one message the first time a language lacks a prompt.
std::string promptInLanguage(Scenario& s, const std::string& file);
// lastSoundFile := file, then playPrompt.
void prompt(Scenario& s, const std::string& file);
// The charging sound: until the next prompt the device is still charging.
void chargingSound(Scenario& s);
// Stops the prompt playing, when audio is on; the caption goes with it.
void stopPrompt(Scenario& s);
// The words a prompt file says, as the caption line shows them; sounds without words in brackets.
std::string promptCaption(const std::string& file);

// The display lines: every caption set also sets the line's width back to 150. The upper line
// shows the CPR countdown and the power-on text; the lower line says what the device is at.
void setDisplay0(Scenario& s, const std::string& text);
void setScreen(Scenario& s, Screen screen);

// The lights, written from the device's record: the power light green, the Analyze LED yellow,
// the Shock LED red when lit, white when not.
void setPowerLight(Scenario& s, bool lit);
void setAnalyzeLed(Scenario& s, bool lit);
void setShockLed(Scenario& s, bool lit);

inline constexpr const char* missingAudioText
    = TX("Cannot locate audio file. Be sure .WAV audio files are in the same folder as the Defibrio program file. "
         "Click OK to disable audio (see Program Options).");
inline constexpr const char* chargingCaption = TX("Charging - wait");

} // namespace defib
