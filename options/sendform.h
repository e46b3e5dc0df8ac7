#pragma once

#include <functional>
#include <memory>
#include <string>

#include "options/control.h"
#include "options/ftpsettings.h"
#include "options/platform.h"
#include "options/reportsend.h"
#include "options/sendextras.h"
#include "options/transfer.h"

namespace defib {

// The file send window (TFTPform) behind "Send Options", and "Send" on the Report Options page
// and File > Send Test Report... of the main window.

inline constexpr const char* sendReportFile = "AEDTEST.TXT";
// The window's texts, shown in the trainer's language (SendView::texts).
inline constexpr const char* sendQuestion
    = TX("Do you want to send AEDTEST.TXT to the FTP host listed on the SEND OPTIONS screen?");
// What the window says beside "Remember password".
inline constexpr const char* rememberedPasswordNote
    = TX("The password is kept in OPTION4.INI, readable only by your user account.");
inline constexpr const char* sessionPasswordNote = TX("The password is kept only until the program is closed.");
// What Send and File > Send Test Report... say when the pointer rests on them.
inline constexpr const char* sendReadyHint = TX("Sends the test report (AEDTEST.TXT) to the instructor's server");
inline constexpr const char* nothingToSendHint
    = TX("Nothing to send yet: AEDTEST.TXT is written when a test scenario ends.");
inline constexpr const char* sendingHint = TX("The test report is being sent.");

// Runs an upload and calls `finished` with its result once it has ended: the window on a worker
// thread with a progress dialog (finished then comes on the window's thread), the runner at once.
class Uploader {
public:
    virtual ~Uploader() = default;
    virtual void start(const ReportSendRequest& request, std::function<void(const ReportSendResult&)> finished) = 0;
};

// Sends in the caller's thread and returns when the transfer has ended.
class BlockingUploader : public Uploader {
public:
    void start(const ReportSendRequest& request, std::function<void(const ReportSendResult&)> finished) override;
};

#define DEFIB_SEND_CONTROLS(X)                                                                                         \
    X(FTPHost, true, true)                                                                                             \
    X(FTPPort, true, true)                                                                                             \
    X(FTPUser, true, true)                                                                                             \
    X(FTPPassword, true, true)                                                                                         \
    X(FTPRemotePath, true, true)                                                                                       \
    X(FTPRemoteFile, true, true)                                                                                       \
    X(FTPMode, true, true)                                                                                             \
    X(FTPPassive, true, true)                                                                                          \
    X(FTPProtocol, true, true)                                                                                         \
    X(FTPRememberPassword, true, true)                                                                                 \
    X(FTPPasswordNote, true, true)                                                                                     \
    X(FTPTrustCertificate, true, false)                                                                                \
    X(FTPFingerprint, true, true)                                                                                      \
    X(FTPSendDetailed, true, true)                                                                                     \
    X(OK, true, true)                                                                                                  \
    X(Cancel, true, true)

struct SendWindow {
    Control window{"TFTPform", false};
#define DEFIB_DECLARE_SEND_CONTROL(name, visible, enabled) Control name{#name, visible, enabled};
    DEFIB_SEND_CONTROLS(DEFIB_DECLARE_SEND_CONTROL)
#undef DEFIB_DECLARE_SEND_CONTROL
    template <class F> void forEach(F visit)
    {
#define DEFIB_VISIT_SEND_CONTROL(name, visible, enabled) visit(name);
        DEFIB_SEND_CONTROLS(DEFIB_VISIT_SEND_CONTROL)
#undef DEFIB_VISIT_SEND_CONTROL
    }

    // The options as saved; read from the files when first needed. Its password is the one typed
    // last, kept until the program closes, and written to the file only when it is remembered.
    // Its remote file is the name or pattern in force (see remoteNameInForce).
    FtpSettings settings;
    // The options of OPTION5.INI.
    SendExtras extras;
    bool loaded = false;
    // The fingerprint the server showed on the last attempt, and its host: what "Trust this
    // server's certificate" pins.
    std::string seenFingerprint;
    std::string seenHost;
    // True while an upload runs: Send waits for it to end.
    bool sending = false;
    // What Send and the menu's Send Test Report... say of themselves: why they cannot be used,
    // or what they do.
    std::string hint;
    // The window's uploader; without one, Send blocks until the transfer has ended.
    Uploader* uploader = nullptr;
};

struct SendView {
    SendWindow& form;
    Control& sendButton;
    Dialogs& dialogs;
    // The folder of the option files, where AEDTEST.TXT is written too.
    const std::string& programDirectory;
    // File > Send Test Report... of the main window.
    Control& menuItem;
    // The trainee registered last, whose result is usually the newest line of AEDTEST.TXT.
    const std::string& userName;
    const std::string& userIdNumber;
    // The date and time a remote name is made with.
    WallClock& wallClock;
    // The trainer's language: the window's notes and hints and every message.
    const Catalogue& texts;
};

// "Send Options" (Button1): the window, filled with the saved options.
void Button1Click(SendView view);
// OK saves without asking; a save that fails keeps the window open with what was typed.
void FTPOKClick(SendView view);
// Cancel forgets what was typed.
void FTPCancelClick(SendView view);
// Choosing another protocol moves a port left at the old protocol's own port to the new one's.
void FTPProtocolChange(SendView view);
// Ticking "Remember password" says where the password will be kept.
void FTPRememberPasswordClick(SendView view);
// "Send" (BUTTONSend) and File > Send Test Report...: the question, then the upload of
// AEDTEST.TXT under the name in force (a pattern filled in with the newest result's trainee and
// the date and time) and of AEDTEST2.TXT beside it when it is to go along; nothing on the server
// is replaced. The result as a message.
void BUTTONSendClick(SendView view);
// Send and the menu item can be used while there is an AEDTEST.TXT and no send runs; `hint`
// says why not otherwise. Looked at when the Report Options page or the File menu opens and when
// a send has ended.
void showSendState(SendView view);
// The name the summary goes under: the fixed name in force, or the pattern filled in.
std::string remoteNameToSend(SendView view);

// Sets a field of the window by name the way a user would ("FTPPassive" "T", "FTPMode"
// "Binary"): false with `error` set when the name or the value does not fit.
bool setSendField(SendView view, const std::string& field, const std::string& value, std::string& error);
// The options as the window's fields show them.
FtpSettings typedSettings(const SendWindow& form);

} // namespace defib
