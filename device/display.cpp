#include "device/display.h"

#include "engine/layout.h"
#include "options/textfile.h"

namespace defib {

void playPrompt(Scenario& s)
{
    if (s.promptObserver)
        s.promptObserver(s.state.lastSoundFile);
    if (!s.option(s.options.SOUNDCheckBox))
        return;
    if (s.platform.sound.play(s.options.promptPath(s.state.lastSoundFile)))
        return;
    s.platform.dialogs.message(missingAudioText, MessageKind::Warning);
    s.options.setChecked(s.options.SOUNDCheckBox, false);
    // Switching audio off here is no change of the user's.
    s.options.optionsDirty = false;
}

void prompt(Scenario& s, const std::string& file)
{
    s.state.lastSoundFile = file;
    playPrompt(s);
}

void stopPrompt(Scenario& s)
{
    if (s.option(s.options.SOUNDCheckBox))
        s.platform.sound.stop();
}

void setDisplay0(Scenario& s, const std::string& text)
{
    s.ui.AEDDISPLAY0.setText(text);
    s.ui.AEDDISPLAY0.width = displayWidth;
}

void setDisplay1(Scenario& s, const std::string& text)
{
    s.ui.AEDDISPLAY1.setText(text);
    s.ui.AEDDISPLAY1.width = displayWidth;
}

} // namespace defib
