#pragma once

#include <curl/curl.h>
#include <string>

#include "options/ftpsettings.h"

namespace defib {

// Nothing already on the instructor's FTP server is replaced: before an upload, the name it goes to
// is claimed and looked up on a connection of its own, made as the upload's (the same login, the
// same certificate and host key checks) and closed before the upload starts, so that a server
// that lets one connection in at a time serves both. A name that is there gets a number:
// "X_2.txt", "X_3.txt", ...
//
// The claim is a folder ".X.lock" beside the file, made before the name is looked up and removed
// once the upload has ended. Making a folder is the one step that FTP servers do
// all-or-nothing: of two copies of the program that send under the same name at the same moment,
// only one gets the claim, and the other goes on to the next number, so the look-up cannot be
// raced. A claim left behind by a send that was cut off (the program killed) only makes the next
// send skip that number. Where the account may not make folders, the name is only looked up
// before the upload. Appending (APPE) is never used: it would mix two reports in one file.
//
// FTP asks with SIZE, always in binary type (some servers refuse SIZE in ASCII, which reads as
// "no such file"); a server without SIZE is asked for the folder's listing instead. SFTP needs
// none of this: its upload makes the file exclusively (options/sftpupload.cpp).
class RemoteClaim {
public:
    RemoteClaim() = default;
    RemoteClaim(const RemoteClaim&) = delete;
    RemoteClaim& operator=(const RemoteClaim&) = delete;
    ~RemoteClaim();
    // Removes the claim, on a connection made as the upload's, once the upload has ended.
    void release();

    // The free name found.
    std::string name;
    // The server's command that removes the claim; empty without one.
    std::string removal;
    // The upload, whose handle the connection for the removal is made like, and the folder.
    CURL* upload = nullptr;
    std::string folderUrl;
};

// Finds and claims the first free name for `settings.remoteFile` and points `upload` at it; the
// upload's own connection is closed once it has ended. CURLE_OK, or what stopped it, with `error`
// (of CURL_ERROR_SIZE bytes) saying so.
CURLcode claimFreeName(CURL* upload, const FtpSettings& settings, RemoteClaim& claim, char* error);

} // namespace defib
