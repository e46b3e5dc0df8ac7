#include "options/reportsend.h"

#include "options/remotename.h"

namespace defib {

ReportSendResult sendReport(const ReportSendRequest& request, TransferProgress& progress)
{
    ReportSendResult result;
    progress.file = 0;
    result.summary = sendFile(request.summary, progress);
    if (result.summary.outcome != SendOutcome::Sent || request.detailedFile.empty() || progress.cancel)
        return result;
    SendRequest detailed = request.summary;
    detailed.localFile = request.detailedFile;
    detailed.settings.remoteFile = detailedNameFor(result.summary.remoteName);
    progress.file = 1;
    result.detailed = sendFile(detailed, progress);
    result.detailedSent = true;
    return result;
}

std::string reportResultMessage(const ReportSendResult& result, const std::string& shownName,
                                const FtpSettings& settings)
{
    const SendResult& summary = result.summary;
    if (summary.outcome != SendOutcome::Sent)
        return resultMessage(summary, "AEDTEST.TXT", settings);
    std::string text = "AEDTEST.TXT was sent to " + settings.host;
    if (summary.remoteName != shownName)
        text += " as " + summary.remoteName;
    text += " (" + std::to_string(summary.bytes) + " bytes).";
    if (summary.remoteName != settings.remoteFile)
        text += " The name " + settings.remoteFile + " was taken on the server; nothing there was replaced.";
    if (!result.detailedSent)
        return text;
    const SendResult& detailed = result.detailed;
    if (detailed.outcome == SendOutcome::Sent)
        return text + " AEDTEST2.TXT, the detailed report, went with it as " + detailed.remoteName + " ("
            + std::to_string(detailed.bytes) + " bytes).";
    FtpSettings detailedSettings = settings;
    detailedSettings.remoteFile = detailedNameFor(summary.remoteName);
    return text + "\n\nAEDTEST2.TXT, the detailed report, did not go with it. "
        + resultMessage(detailed, detailedReportFile, detailedSettings);
}

bool reportSentWhole(const ReportSendResult& result)
{
    return result.summary.outcome == SendOutcome::Sent
        && (!result.detailedSent || result.detailed.outcome == SendOutcome::Sent);
}

} // namespace defib
