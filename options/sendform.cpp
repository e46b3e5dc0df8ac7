#include "options/sendform.h"

#include "options/textfile.h"

namespace defib {

void BlockingUploader::start(const SendRequest& request, std::function<void(const SendResult&)> finished)
{
    TransferProgress progress;
    finished(sendFile(request, progress));
}

namespace {

constexpr const char* damagedMessage = "OPTION4.INI is damaged: the send options that could not be read were set to "
                                       "their defaults. Check them under Send Options.";
constexpr const char* badPortMessage = "The port must be a number from 1 to 65535, or empty for the protocol's own.";

void ensureLoaded(SendView view)
{
    SendWindow& f = view.form;
    if (f.loaded)
        return;
    f.loaded = true;
    SettingsRead read = loadSettings(view.programDirectory);
    f.settings = read.settings;
    if (!read.problem.empty())
        view.dialogs.message(read.problem, MessageKind::Error);
    else if (read.damaged)
        view.dialogs.message(damagedMessage, MessageKind::Warning);
}

// The fingerprint the trust check box stands for: one the server showed on the last attempt
// and that is not trusted yet (offered unticked), else the pinned one.
std::string fingerprintToTrust(const SendWindow& f, bool& trusted)
{
    const FtpSettings& s = f.settings;
    trusted = false;
    if (!f.seenFingerprint.empty() && f.seenHost == s.host
        && !(s.trustCertificate && f.seenFingerprint == s.fingerprint))
        return f.seenFingerprint;
    trusted = s.trustCertificate && !s.fingerprint.empty();
    return trusted ? s.fingerprint : std::string();
}

void showTrust(SendWindow& f, const std::string& fingerprint)
{
    f.FTPFingerprint.setText(fingerprint);
    f.FTPTrustCertificate.enabled = !fingerprint.empty();
    if (fingerprint.empty())
        f.FTPTrustCertificate.checked = false;
}

void showPasswordNote(SendWindow& f)
{
    f.FTPPasswordNote.setText(f.FTPRememberPassword.checked ? rememberedPasswordNote : sessionPasswordNote);
}

MessageKind kindOf(SendOutcome outcome)
{
    switch (outcome) {
    case SendOutcome::Sent:
        return MessageKind::Information;
    case SendOutcome::Cancelled:
        return MessageKind::Warning;
    default:
        return MessageKind::Error;
    }
}

} // namespace

FtpSettings typedSettings(const SendWindow& f)
{
    FtpSettings s;
    s.host = f.FTPHost.text();
    s.port = f.FTPPort.text();
    s.user = f.FTPUser.text();
    s.password = f.FTPPassword.text();
    s.remotePath = f.FTPRemotePath.text();
    s.remoteFile = f.FTPRemoteFile.text();
    modeFromText(f.FTPMode.text(), s.mode);
    s.passive = f.FTPPassive.checked;
    protocolFromText(f.FTPProtocol.text(), s.protocol);
    s.rememberPassword = f.FTPRememberPassword.checked;
    s.trustCertificate = f.FTPTrustCertificate.checked && !f.FTPFingerprint.text().empty();
    s.fingerprint = s.trustCertificate ? f.FTPFingerprint.text() : std::string();
    return s;
}

void Button1Click(SendView view)
{
    ensureLoaded(view);
    SendWindow& f = view.form;
    const FtpSettings& s = f.settings;
    f.FTPHost.setText(s.host);
    f.FTPPort.setText(s.port);
    f.FTPUser.setText(s.user);
    f.FTPPassword.setText(s.password);
    f.FTPRemotePath.setText(s.remotePath);
    f.FTPRemoteFile.setText(s.remoteFile);
    f.FTPMode.setText(modeText(s.mode));
    f.FTPPassive.checked = s.passive;
    f.FTPProtocol.setText(protocolText(s.protocol));
    f.FTPProtocol.tag = static_cast<int>(s.protocol);
    f.FTPRememberPassword.checked = s.rememberPassword;
    showPasswordNote(f);
    bool trusted = false;
    const std::string fingerprint = fingerprintToTrust(f, trusted);
    f.FTPTrustCertificate.checked = trusted;
    showTrust(f, fingerprint);
    f.window.visible = true;
}

void FTPOKClick(SendView view)
{
    SendWindow& f = view.form;
    FtpSettings typed = typedSettings(f);
    if (portNumber(typed) == 0) {
        view.dialogs.message(badPortMessage, MessageKind::Error);
        return;
    }
    if (typed.remoteFile.empty())
        typed.remoteFile = FtpSettings().remoteFile;
    std::string error;
    if (!saveSettings(view.programDirectory, typed, error)) {
        view.dialogs.message(std::string("The send options could not be saved in ") + sendOptionsFile + ": " + error
                                 + ". Nothing was changed.",
                             MessageKind::Error);
        return;
    }
    f.settings = typed;
    f.loaded = true;
    f.window.visible = false;
}

void FTPCancelClick(SendView view)
{
    view.form.window.visible = false;
}

void FTPProtocolChange(SendView view)
{
    SendWindow& f = view.form;
    SendProtocol now = SendProtocol::Ftp;
    if (!protocolFromText(f.FTPProtocol.text(), now))
        return;
    const auto before = static_cast<SendProtocol>(f.FTPProtocol.tag);
    if (f.FTPPort.text() == std::to_string(defaultPort(before)))
        f.FTPPort.setText(std::to_string(defaultPort(now)));
    f.FTPProtocol.tag = static_cast<int>(now);
}

void FTPRememberPasswordClick(SendView view)
{
    showPasswordNote(view.form);
}

void BUTTONSendClick(SendView view)
{
    SendWindow& f = view.form;
    if (f.sending)
        return;
    if (!view.dialogs.confirm(sendQuestion))
        return;
    ensureLoaded(view);
    SendRequest request;
    request.settings = f.settings;
    request.localFile = joinPath(view.programDirectory, sendReportFile);
    if (!fileExists(request.localFile)) {
        SendResult missing;
        missing.outcome = SendOutcome::ReportMissing;
        view.dialogs.message(resultMessage(missing, sendReportFile, f.settings), MessageKind::Error);
        return;
    }
    // Options that cannot be sent with are refused here, before any connection.
    if (const SendResult refused = checkSettings(f.settings); refused.outcome != SendOutcome::Sent) {
        view.dialogs.message(resultMessage(refused, sendReportFile, f.settings), MessageKind::Error);
        return;
    }
    f.sending = true;
    view.sendButton.enabled = false;
    const FtpSettings settings = f.settings;
    BlockingUploader blocking;
    Uploader& uploader = f.uploader ? *f.uploader : blocking;
    uploader.start(request, [view, settings](const SendResult& result) {
        SendWindow& form = view.form;
        form.sending = false;
        view.sendButton.enabled = true;
        if (!result.fingerprint.empty()) {
            form.seenFingerprint = result.fingerprint;
            form.seenHost = settings.host;
        }
        view.dialogs.message(resultMessage(result, sendReportFile, settings), kindOf(result.outcome));
    });
}

bool setSendField(SendView view, const std::string& field, const std::string& value, std::string& error)
{
    SendWindow& f = view.form;
    Control* control = nullptr;
    f.forEach([&](Control& c) {
        if (c.name() == field)
            control = &c;
    });
    if (!control) {
        error = "the send window has no field " + field;
        return false;
    }
    if (control == &f.FTPPassive || control == &f.FTPRememberPassword || control == &f.FTPTrustCertificate) {
        if (value != "T" && value != "F") {
            error = field + " takes T or F, not " + value;
            return false;
        }
        if (!control->enabled) {
            error = field + " cannot be changed now";
            return false;
        }
        control->checked = value == "T";
        if (control == &f.FTPRememberPassword)
            FTPRememberPasswordClick(view);
        return true;
    }
    if (control == &f.FTPMode) {
        TransferMode mode;
        if (!modeFromText(value, mode)) {
            error = "FTPMode takes Default, ASCII or Binary, not " + value;
            return false;
        }
    }
    if (control == &f.FTPProtocol) {
        SendProtocol protocol;
        if (!protocolFromText(value, protocol)) {
            error = "FTPProtocol takes FTP, FTPS or SFTP, not " + value;
            return false;
        }
    }
    if (control == &f.FTPFingerprint || control == &f.FTPPasswordNote || control == &f.OK || control == &f.Cancel) {
        error = field + " cannot be typed into";
        return false;
    }
    control->setText(value);
    if (control == &f.FTPProtocol)
        FTPProtocolChange(view);
    return true;
}

} // namespace defib
