#include "options/reportsend.h"

#include "options/filetexts.h"
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
                                const FtpSettings& settings, const Catalogue& texts)
{
    const SendResult& summary = result.summary;
    if (summary.outcome != SendOutcome::Sent)
        return resultMessage(summary, "AEDTEST.TXT", settings, texts);
    const std::string bytes = std::to_string(summary.bytes);
    std::string text = summary.remoteName != shownName
        ? tx(texts, "AEDTEST.TXT was sent to {1} as {2} ({3} bytes).", {settings.host, summary.remoteName, bytes})
        : tx(texts, "AEDTEST.TXT was sent to {1} ({2} bytes).", {settings.host, bytes});
    if (summary.remoteName != settings.remoteFile)
        text += " "
            + tx(texts, "The name {1} was taken on the server; nothing there was replaced.", {settings.remoteFile});
    if (!result.detailedSent)
        return text;
    const SendResult& detailed = result.detailed;
    if (detailed.outcome == SendOutcome::Sent)
        return text + " "
            + tx(texts, "AEDTEST2.TXT, the detailed report, went with it as {1} ({2} bytes).",
                 {detailed.remoteName, std::to_string(detailed.bytes)});
    FtpSettings detailedSettings = settings;
    detailedSettings.remoteFile = detailedNameFor(summary.remoteName);
    return text + "\n\n" + tx(texts, "AEDTEST2.TXT, the detailed report, did not go with it.") + " "
        + resultMessage(detailed, detailedReportFile, detailedSettings, texts);
}

bool reportSentWhole(const ReportSendResult& result)
{
    return result.summary.outcome == SendOutcome::Sent
        && (!result.detailedSent || result.detailed.outcome == SendOutcome::Sent);
}

} // namespace defib
