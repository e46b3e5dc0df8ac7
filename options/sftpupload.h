#pragma once

#include <cstdio>
#include <string>

#include "options/transfer.h"

namespace defib {

// The upload over SFTP, step by step on libssh2, so that every step the server confirms is
// checked (each write, the close) and no step waits longer than the request's time-out.
// `file` is the open local file; the request has been checked already.
SendResult sendBySftp(const SendRequest& request, TransferProgress& progress, std::FILE* file);

// The fingerprint of an SSH host key as OpenSSH shows it ("SHA256:" and unpadded base64).
std::string sshFingerprint(const char* key, std::size_t length);

// The file's path on the server, below the login folder ("reports/Aedtest.txt").
std::string sftpPath(const FtpSettings& settings);

} // namespace defib
