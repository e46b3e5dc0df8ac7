#pragma once

#include <string>

#include "engine/scenario.h"

namespace defib {

// The one routine that plays a voice prompt: the file named by lastSoundFile, from the program
// directory. Callers set lastSoundFile first; it records which prompt the device is at even
// with audio off. A file that cannot be played warns once and switches audio off.
void playPrompt(Scenario& s);
// lastSoundFile := file, then playPrompt.
void prompt(Scenario& s, const std::string& file);
// Stops the prompt playing, when audio is on; the caption goes with it.
void stopPrompt(Scenario& s);
// The words a prompt file says, as the caption line shows them; sounds without words in brackets.
std::string promptCaption(const std::string& file);

// The display lines: every caption set also sets the line's width back to 150.
void setDisplay0(Scenario& s, const std::string& text);
void setDisplay1(Scenario& s, const std::string& text);

inline constexpr const char* missingAudioText
    = "Cannot locate audio file. Be sure .WAV audio files are in the same folder as the Defibrio program file. "
      "Click OK to disable audio (see Program Options).";
inline constexpr const char* soundOutputFailedText
    = "No sound output can play the trainer's voice prompts. Audio is off until Defibrio is started again: "
      "the caption line under the trainer shows what it says.";
inline constexpr const char* chargingCaption = "Charging - wait";

} // namespace defib
