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
// Stops the prompt playing, when audio is on.
void stopPrompt(Scenario& s);

// The display lines: every caption set also sets the line's width back to 150.
void setDisplay0(Scenario& s, const std::string& text);
void setDisplay1(Scenario& s, const std::string& text);

inline constexpr const char* missingAudioText
    = "Cannot locate audio file. Be sure .WAV audio files are in the same folder as the Defibrio program file. "
      "Click OK to disable audio (see Program Options).";

} // namespace defib
