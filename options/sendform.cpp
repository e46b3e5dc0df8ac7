#include "options/sendform.h"

#include <cstdio>

#include "options/filetexts.h"
#include "options/optionfile.h"
#include "options/remotename.h"
#include "options/textfile.h"

namespace defib {

void BlockingUploader::start(const ReportSendRequest& request, std::function<void(const ReportSendResult&)> finished)
{
    TransferProgress progress;
    finished(sendReport(request, progress));
}

namespace {

constexpr const char* damagedMessage = TX("OPTION4.INI is damaged: the send options that could not be read were set "
                                          "to their defaults. Check them under Send Options.");
constexpr const char* damagedExtrasMessage = TX("OPTION5.INI is damaged: the send options that could not be read were "
                                                "set to their defaults. Check them under Send Options.");
constexpr const char* badPortMessage
    = TX("The port must be a number from 1 to 65535, or empty for the protocol's own.");

void ensureLoaded(SendView view)
{
    SendWindow& f = view.form;
    if (f.loaded)
        return;
    f.loaded = true;
    SettingsRead read = loadSettings(view.programDirectory, view.texts);
    const ExtrasRead extras = loadExtras(view.programDirectory, view.texts);
    f.settings = read.settings;
    f.extras = extras.extras;
    f.settings.remoteFile = remoteNameInForce(read.settings.remoteFile, f.extras);
    if (!read.problem.empty())
        view.dialogs.message(read.problem, MessageKind::Error);
    else if (read.damaged)
        view.dialogs.message(view.texts.text(damagedMessage), MessageKind::Warning);
    if (!extras.problem.empty())
        view.dialogs.message(optionFileProblem(sendExtrasFile, extras.problem, "default send", view.texts),
                             MessageKind::Error);
    else if (extras.damaged)
        view.dialogs.message(view.texts.text(damagedExtrasMessage), MessageKind::Warning);
}

// Both files of the send options, OPTION5.INI first: when OPTION4.INI then cannot be written,
// OPTION5.INI is put back as it was, so that a failed save changes nothing.
bool saveBoth(SendView view, const FtpSettings& typed, const SendExtras& extras, std::string& error)
{
    const OptionFileRead before = readOptionFile(view.programDirectory, sendExtrasFile);
    const bool existed = before.found || !before.problem.empty();
    if (!saveExtras(view.programDirectory, extras, error)) {
        error = std::string(sendExtrasFile) + ": " + view.texts.text(error);
        return false;
    }
    FtpSettings kept = typed;
    kept.remoteFile = option4RemoteFile(typed.remoteFile);
    if (saveSettings(view.programDirectory, kept, error))
        return true;
    error = std::string(sendOptionsFile) + ": " + view.texts.text(error);
    std::string ignored;
    if (before.found)
        writeOptionFile(view.programDirectory, sendExtrasFile, before.lines, ignored);
    else if (!existed)
        std::remove(joinPath(view.programDirectory, sendExtrasFile).c_str());
    return false;
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

void showPasswordNote(SendWindow& f, const Catalogue& texts)
{
    f.FTPPasswordNote.setText(texts.text(f.FTPRememberPassword.checked ? rememberedPasswordNote : sessionPasswordNote));
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
    showPasswordNote(f, view.texts);
    bool trusted = false;
    const std::string fingerprint = fingerprintToTrust(f, trusted);
    f.FTPTrustCertificate.checked = trusted;
    showTrust(f, fingerprint);
    f.FTPSendDetailed.checked = f.extras.sendDetailed;
    f.window.visible = true;
}

void FTPOKClick(SendView view)
{
    SendWindow& f = view.form;
    FtpSettings typed = typedSettings(f);
    if (portNumber(typed) == 0) {
        view.dialogs.message(view.texts.text(badPortMessage), MessageKind::Error);
        return;
    }
    if (typed.remoteFile.empty())
        typed.remoteFile = defaultRemoteNamePattern;
    std::string error;
    if (isNamePattern(typed.remoteFile) && !checkNamePattern(typed.remoteFile, error, view.texts)) {
        view.dialogs.message(error, MessageKind::Error);
        return;
    }
    SendExtras extras;
    extras.remoteName = typed.remoteFile;
    extras.sendDetailed = f.FTPSendDetailed.checked;
    if (!saveBoth(view, typed, extras, error)) {
        view.dialogs.message(
            tx(view.texts, "The send options could not be saved in {1}. Nothing was changed.", {error}),
            MessageKind::Error);
        return;
    }
    f.settings = typed;
    f.extras = extras;
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
    showPasswordNote(view.form, view.texts);
}

std::string remoteNameToSend(SendView view)
{
    ensureLoaded(view);
    const std::string& name = view.form.settings.remoteFile;
    std::string error;
    // A name from an older OPTION4.INI that only looks like a pattern is used as it is.
    if (!isNamePattern(name) || !checkNamePattern(name, error))
        return name.empty() ? std::string(oldRemoteFileName) : name;
    const std::string newest = lastReportLine(joinPath(view.programDirectory, sendReportFile));
    return remoteNameFor(name, ownerOfLine(newest, view.userName, view.userIdNumber), view.wallClock.now());
}

void showSendState(SendView view)
{
    SendWindow& f = view.form;
    const bool report = fileExists(joinPath(view.programDirectory, sendReportFile));
    view.sendButton.enabled = report && !f.sending;
    view.menuItem.enabled = view.sendButton.enabled;
    f.hint = view.texts.text(f.sending ? sendingHint : report ? sendReadyHint : nothingToSendHint);
}

void BUTTONSendClick(SendView view)
{
    SendWindow& f = view.form;
    if (f.sending)
        return;
    if (!view.dialogs.confirm(view.texts.text(sendQuestion)))
        return;
    ensureLoaded(view);
    ReportSendRequest request;
    SendRequest& summary = request.summary;
    summary.settings = f.settings;
    summary.localFile = joinPath(view.programDirectory, sendReportFile);
    if (!fileExists(summary.localFile)) {
        SendResult missing;
        missing.outcome = SendOutcome::ReportMissing;
        view.dialogs.message(resultMessage(missing, sendReportFile, f.settings, view.texts), MessageKind::Error);
        showSendState(view);
        return;
    }
    // Options that cannot be sent with are refused here, before any connection.
    if (const SendResult refused = checkSettings(f.settings); refused.outcome != SendOutcome::Sent) {
        view.dialogs.message(resultMessage(refused, sendReportFile, f.settings, view.texts), MessageKind::Error);
        showSendState(view);
        return;
    }
    summary.settings.remoteFile = remoteNameToSend(view);
    summary.keepExisting = true;
    const std::string detailed = joinPath(view.programDirectory, detailedReportFile);
    if (f.extras.sendDetailed && fileExists(detailed))
        request.detailedFile = detailed;
    f.sending = true;
    showSendState(view);
    const std::string shownName = f.settings.remoteFile;
    const FtpSettings settings = summary.settings;
    BlockingUploader blocking;
    Uploader& uploader = f.uploader ? *f.uploader : blocking;
    uploader.start(request, [view, shownName, settings](const ReportSendResult& result) {
        SendWindow& form = view.form;
        form.sending = false;
        showSendState(view);
        const std::string& fingerprint
            = result.summary.fingerprint.empty() ? result.detailed.fingerprint : result.summary.fingerprint;
        if (!fingerprint.empty()) {
            form.seenFingerprint = fingerprint;
            form.seenHost = settings.host;
        }
        const MessageKind kind = result.summary.outcome != SendOutcome::Sent ? kindOf(result.summary.outcome)
            : reportSentWhole(result)                                        ? MessageKind::Information
                                                                             : MessageKind::Warning;
        view.dialogs.message(reportResultMessage(result, shownName, settings, view.texts), kind);
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
    if (control == &f.FTPPassive || control == &f.FTPRememberPassword || control == &f.FTPTrustCertificate
        || control == &f.FTPSendDetailed) {
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
