#pragma once

#include <string>

#include "options/transfer.h"

namespace defib {

// One send of the test report: the summary (AEDTEST.TXT) and, where it goes with it, the detailed
// report (AEDTEST2.TXT) as a second file named after the summary's ("X_details.txt"). Neither
// replaces a file on the server.

inline constexpr const char* detailedReportFile = "AEDTEST2.TXT";

struct ReportSendRequest {
    // AEDTEST.TXT and the name it is to have on the server.
    SendRequest summary;
    // AEDTEST2.TXT with its folder, or empty when it does not go.
    std::string detailedFile;
};

struct ReportSendResult {
    SendResult summary;
    // Set when the summary arrived and the detailed report was sent after it.
    bool detailedSent = false;
    SendResult detailed;
};

// The summary first; the detailed report only once the summary has arrived.
ReportSendResult sendReport(const ReportSendRequest& request, TransferProgress& progress);

// What the user is told. `shownName` is the remote file as the send window shows it (a pattern
// or a fixed name), `settings` what the summary was sent with. A send under the name shown says
// what it always said; a name made from a pattern or given a number is named, and a taken name
// is said to be taken.
std::string reportResultMessage(const ReportSendResult& result, const std::string& shownName,
                                const FtpSettings& settings, const Catalogue& texts = {});
// Whether all of it arrived.
bool reportSentWhole(const ReportSendResult& result);

} // namespace defib
