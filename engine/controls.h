#pragma once

#include <functional>
#include <string>

#include "options/control.h"
#include "options/reportviewer.h"

namespace defib {

// X(name, visible, enabled) at program start.
// On the Options pages (PageControl1): only the active page of TabSheet1..3 is visible; the
// PASSWORDBUTTON is checked while the password shows in clear; OpenDialog1's text is the report
// file chosen last. The send buttons Button1 ("Send Options") and BUTTONSend ("Send") are shown
// on the Report Options page; BUTTONSend and File > Send Test Report... (SendTestReport) can be
// used once there is an AEDTEST.TXT to send. Shape2 and Shape3 are not drawn; their handlers
// still hide and show the two buttons. PROTOCOLlabel names the protocol profile of the scenario
// (of the options before the first), as does the summary's PROTOCOLLABEL for the scenario it sums up.
// The pads' places: PADWhiteZone and PADRedZONE are checked while a pad is carried and the zone
// would take it (the window lights them); PADWHITEMisplaced and PADREDMisplaced are the marks on a
// pad that lies on the chest outside both zones, over the pad's own place.
#define DEFIB_MAIN_CONTROLS(X)                                                                                         \
    X(MENU, true, true)                                                                                                \
    X(MenuStart, true, true)                                                                                           \
    X(SCOREBOARD, true, true)                                                                                          \
    X(OPTIONSMainMENU, true, true)                                                                                     \
    X(MENUQUIT, true, true)                                                                                            \
    X(PageControl1, false, true)                                                                                       \
    X(TabSheet1, true, true)                                                                                           \
    X(TabSheet2, false, true)                                                                                          \
    X(TabSheet3, false, true)                                                                                          \
    X(SpinButton11, true, true)                                                                                        \
    X(PASSWORDBUTTON, true, true)                                                                                      \
    X(PROGRAMDefaultButton, true, true)                                                                                \
    X(CLEARSCOREBOARD, true, true)                                                                                     \
    X(ProgramOK, true, true)                                                                                           \
    X(ButtonCANCEL1, true, true)                                                                                       \
    X(SpinButton5, true, true)                                                                                         \
    X(SpinButton6, true, true)                                                                                         \
    X(SpinButton1, true, true)                                                                                         \
    X(SpinButton2, true, true)                                                                                         \
    X(SpinButton3, true, true)                                                                                         \
    X(SpinButton4, true, true)                                                                                         \
    X(SpinButton12, true, true)                                                                                        \
    X(PROTOCOLDefaultButton, true, true)                                                                               \
    X(ProtocolOK, true, true)                                                                                          \
    X(ButtonCANCEL2, true, true)                                                                                       \
    X(REPORTMEMO, true, true)                                                                                          \
    X(REPORTOpenFile, true, true)                                                                                      \
    X(FONTBUTTON, true, true)                                                                                          \
    X(PRINTBUTTON, true, true)                                                                                         \
    X(DATAOK, true, true)                                                                                              \
    X(ButtonCANCEL3, false, true)                                                                                      \
    X(Button1, true, true)                                                                                             \
    X(BUTTONSend, true, false)                                                                                         \
    X(SendTestReport, true, false)                                                                                     \
    X(Shape2, false, true)                                                                                             \
    X(Shape3, false, true)                                                                                             \
    X(OpenDialog1, false, true)                                                                                        \
    X(Pause, true, false)                                                                                              \
    X(Advice, true, false)                                                                                             \
    X(PatientHistory, true, false)                                                                                     \
    X(MainMSGDisplay, true, true)                                                                                      \
    X(Steps, true, true)                                                                                               \
    X(STEPS2, true, true)                                                                                              \
    X(SCORELabel, true, true)                                                                                          \
    X(MODElabel, true, true)                                                                                           \
    X(PROTOCOLlabel, true, true)                                                                                       \
    X(SCENOVERLabel, false, true)                                                                                      \
    X(Patient1, false, true)                                                                                           \
    X(Patient2, false, true)                                                                                           \
    X(Patient3, false, true)                                                                                           \
    X(Patient4, false, true)                                                                                           \
    X(PATIENTTorsoZONE, true, false)                                                                                   \
    X(PADWHITE, true, false)                                                                                           \
    X(PADRED, true, false)                                                                                             \
    X(PADWhiteZone, true, true)                                                                                        \
    X(PADRedZONE, true, true)                                                                                          \
    X(CABLEWHITE, false, true)                                                                                         \
    X(CABLERED, false, true)                                                                                           \
    X(PadSMALL, false, false)                                                                                          \
    X(PADWHITEMisplaced, false, false)                                                                                 \
    X(PADREDMisplaced, false, false)                                                                                   \
    X(AED, true, true)                                                                                                 \
    X(aed2, false, true)                                                                                               \
    X(PowerButton, true, false)                                                                                        \
    X(POWERBUTTON2, false, false)                                                                                      \
    X(AnalyzeButton, true, false)                                                                                      \
    X(AnalyzeButtonCover, true, true)                                                                                  \
    X(ShockButton, false, false)                                                                                       \
    X(PowerLight, false, true)                                                                                         \
    X(AnalyzeLED, false, true)                                                                                         \
    X(ShockLED, false, true)                                                                                           \
    X(AEDDISPLAY0, true, true)                                                                                         \
    X(AEDDISPLAY1, true, true)                                                                                         \
    X(NumShockLabel, false, true)                                                                                      \
    X(TIMELabel, false, true)                                                                                          \
    X(LOWBATTERYINDICATOR, false, true)                                                                                \
    X(CPRButton, true, false)                                                                                          \
    X(PulseButton, true, false)                                                                                        \
    X(ABCsButton, true, false)                                                                                         \
    X(BPButton, true, false)                                                                                           \
    X(TROUBLEShootButton, true, false)                                                                                 \
    X(VOICEButton, true, false)                                                                                        \
    X(CLEARButton, true, false)                                                                                        \
    X(EndButton, true, false)                                                                                          \
    X(StartCPRMenuItem, true, true)                                                                                    \
    X(StopCPRMenuItem, true, true)                                                                                     \
    X(AllABCsmenuItem, true, true)                                                                                     \
    X(ABCsResponsivenessMenuItem, true, true)                                                                          \
    X(ABCsAirwayMenuItem, true, true)                                                                                  \
    X(ABCsBreathingMenuItem, true, true)                                                                               \
    X(ABCsVentilationMenuItem, true, true)                                                                             \
    X(ABCsCirculationMenuItem, true, true)                                                                             \
    X(TroubleElectrodeMenuItem, true, true)                                                                            \
    X(TroubleBatteryMenuItem, true, true)                                                                              \
    X(TroubleMOTIONMenuItem, true, true)                                                                               \
    X(SHAKE, false, true)                                                                                              \
    X(SHOUT, false, true)                                                                                              \
    X(AIRWAY, false, true)                                                                                             \
    X(BreathingCheck, false, true)                                                                                     \
    X(BVM, false, true)                                                                                                \
    X(BVMHAND, false, true)                                                                                            \
    X(FACEMASK, false, true)                                                                                           \
    X(FACEMASKBLOW, false, true)                                                                                       \
    X(CPRHAND, false, true)                                                                                            \
    X(CPRHAND2, false, true)                                                                                           \
    X(PULSEHAND, false, true)                                                                                          \
    X(BPCUFF, false, true)                                                                                             \
    X(BPCUFFSMALL, false, true)                                                                                        \
    X(FINALERRORPanel, false, true)                                                                                    \
    X(finalMSGdisplay, true, true)                                                                                     \
    X(FinalErrorOKButton, true, true)

// The scenario summary window.
#define DEFIB_SUMMARY_CONTROLS(X)                                                                                      \
    X(NAMEEDIT, true, true)                                                                                            \
    X(IDEDIT, true, true)                                                                                              \
    X(SCOREEDIT, true, true)                                                                                           \
    X(SHOCKTIMEEDIT, true, true)                                                                                       \
    X(ElapsedTimeEDIT, true, true)                                                                                     \
    X(Errors, true, true)                                                                                              \
    X(MODELABEL, true, true)                                                                                           \
    X(PROTOCOLLABEL, true, true)                                                                                       \
    X(SCENARIOLABEL, false, true)                                                                                      \
    X(SCOREBOARD, true, true)                                                                                          \
    X(RepeatButton, true, true)                                                                                        \
    X(Next, true, true)                                                                                                \
    X(MainMenu, true, true)                                                                                            \
    X(QUIT, true, true)

// The registration window.
#define DEFIB_REGISTRATION_CONTROLS(X)                                                                                 \
    X(NameEdit, true, true)                                                                                            \
    X(IDEdit, true, true)                                                                                              \
    X(PracticeRadioButton, true, true)                                                                                 \
    X(TestRadioButton, true, true)                                                                                     \
    X(OKButton, true, true)                                                                                            \
    X(CancelButton, true, true)                                                                                        \
    X(ScenarioChoice, true, true)

// The debug window, for instructors.
#define DEFIB_DEBUG_CONTROLS(X) X(Label1, true, true)

// The scoreboard window.
#define DEFIB_SCOREBOARD_CONTROLS(X)                                                                                   \
    X(Memo1, true, true)                                                                                               \
    X(OKButton, true, true)

// The CPR count dialog.
#define DEFIB_CPRCOUNT_CONTROLS(X)                                                                                     \
    X(CPRTIMEEDIT, true, true)                                                                                         \
    X(OKButton, true, true)                                                                                            \
    X(CancelButton, true, true)

// The password dialog in front of the Options pages.
#define DEFIB_PASSWORD_CONTROLS(X)                                                                                     \
    X(PasswordEnter, true, true)                                                                                       \
    X(OKBtn, true, true)                                                                                               \
    X(CancelBtn, true, true)

#define DEFIB_DECLARE_CONTROL(name, visible, enabled) Control name{#name, visible, enabled};
#define DEFIB_VISIT_CONTROL(name, visible, enabled) visit(name);

struct MainWindow {
    DEFIB_MAIN_CONTROLS(DEFIB_DECLARE_CONTROL)
    // Set when the program is to end (Quit, or the main window closed): the window quits.
    bool quitRequested = false;
    // The control that has the keyboard focus, by name.
    std::string activeControl;
    // The Report Options page's fonts and the dialogs and printer it uses.
    ReportViewer reportViewer;
    template <class F> void forEach(F visit) { DEFIB_MAIN_CONTROLS(DEFIB_VISIT_CONTROL) }
};

// A secondary window: its own visibility is the control `window`, named after the class.
struct SummaryWindow {
    Control window{"TForm2", false};
    DEFIB_SUMMARY_CONTROLS(DEFIB_DECLARE_CONTROL)
    // The control that gets the keyboard focus when the window is shown.
    std::string activeControl;
    template <class F> void forEach(F visit) { DEFIB_SUMMARY_CONTROLS(DEFIB_VISIT_CONTROL) }
};

struct RegistrationWindow {
    Control window{"TUserNAMEFORM", false};
    DEFIB_REGISTRATION_CONTROLS(DEFIB_DECLARE_CONTROL)
    template <class F> void forEach(F visit) { DEFIB_REGISTRATION_CONTROLS(DEFIB_VISIT_CONTROL) }
};

struct DebugWindow {
    Control window{"TFormdebug", false};
    DEFIB_DEBUG_CONTROLS(DEFIB_DECLARE_CONTROL)
    template <class F> void forEach(F visit) { DEFIB_DEBUG_CONTROLS(DEFIB_VISIT_CONTROL) }
};

struct ScoreboardWindow {
    Control window{"TScoreboard", false};
    DEFIB_SCOREBOARD_CONTROLS(DEFIB_DECLARE_CONTROL)
    std::string activeControl;
    // Opened from the summary window, the board stays above it until it is closed.
    bool stayOnTop = false;
    template <class F> void forEach(F visit) { DEFIB_SCOREBOARD_CONTROLS(DEFIB_VISIT_CONTROL) }
};

struct CprCountWindow {
    Control window{"TCPRVENTFORM", false};
    DEFIB_CPRCOUNT_CONTROLS(DEFIB_DECLARE_CONTROL)
    template <class F> void forEach(F visit) { DEFIB_CPRCOUNT_CONTROLS(DEFIB_VISIT_CONTROL) }
};

struct PasswordWindow {
    Control window{"TPasswordDlg", false};
    DEFIB_PASSWORD_CONTROLS(DEFIB_DECLARE_CONTROL)
    std::string activeControl;
    template <class F> void forEach(F visit) { DEFIB_PASSWORD_CONTROLS(DEFIB_VISIT_CONTROL) }
};

// The scenario editor, for instructors: a window of its own over the main menu.
struct ScenarioEditorWindow {
    Control window{"TScenarioEditor", false};
    // The password dialog was opened for the editor rather than for the Options pages.
    bool passwordAsked = false;
};

#undef DEFIB_DECLARE_CONTROL
#undef DEFIB_VISIT_CONTROL

} // namespace defib
