#include "options/transfer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <curl/curl.h>
#include <filesystem>
#include <mutex>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <vector>

namespace defib {

namespace {

std::string escaped(const std::string& part)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : part) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::vector<std::string> folderParts(const std::string& remotePath)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : remotePath + "/") {
        if (c == '/' || c == '\\') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return parts;
}

// What the certificate check saw of the one connection running on this thread.
struct TlsCheck {
    std::string pinned;
    std::string seen;
    bool rejected = false;
};
thread_local TlsCheck* activeCheck = nullptr;

std::string hexFingerprint(const unsigned char* digest, unsigned length)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned i = 0; i < length; ++i) {
        if (i)
            text += ':';
        text += digits[digest[i] >> 4];
        text += digits[digest[i] & 15];
    }
    return text;
}

// Every certificate of the chain passes here. The server's own one (depth 0) is remembered by
// its fingerprint; with a pinned fingerprint only that certificate is accepted, whoever signed
// it, and otherwise the system's store decides.
int verifyCertificate(int preverifyOk, X509_STORE_CTX* store)
{
    TlsCheck* check = activeCheck;
    if (!check)
        return preverifyOk;
    if (X509_STORE_CTX_get_error_depth(store) != 0)
        return check->pinned.empty() ? preverifyOk : 1;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    if (X509* certificate = X509_STORE_CTX_get_current_cert(store);
        certificate && X509_digest(certificate, EVP_sha256(), digest, &length))
        check->seen = hexFingerprint(digest, length);
    if (!check->pinned.empty()) {
        const bool match = check->seen == check->pinned;
        if (match)
            X509_STORE_CTX_set_error(store, X509_V_OK);
        else
            check->rejected = true;
        return match ? 1 : 0;
    }
    if (!preverifyOk)
        check->rejected = true;
    return preverifyOk;
}

CURLcode prepareTls(CURL*, void* context, void*)
{
    SSL_CTX_set_verify(static_cast<SSL_CTX*>(context), SSL_VERIFY_PEER, verifyCertificate);
    return CURLE_OK;
}

std::string sshFingerprint(const char* key, std::size_t length)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned digestLength = 0;
    if (!EVP_Digest(key, length, digest, &digestLength, EVP_sha256(), nullptr))
        return {};
    std::vector<unsigned char> base64(4 * ((digestLength + 2) / 3) + 1);
    EVP_EncodeBlock(base64.data(), digest, static_cast<int>(digestLength));
    std::string text(reinterpret_cast<char*>(base64.data()));
    while (!text.empty() && text.back() == '=')
        text.pop_back();
    return "SHA256:" + text;
}

// An SSH host key is accepted only by its pinned fingerprint: there is no certificate store
// for host keys, so the user confirms the fingerprint once, as with a self-signed certificate.
int checkHostKey(void* data, int, const char* key, std::size_t length)
{
    auto* check = static_cast<TlsCheck*>(data);
    check->seen = sshFingerprint(key, length);
    if (!check->pinned.empty() && check->seen == check->pinned)
        return CURLKHMATCH_OK;
    check->rejected = true;
    return CURLKHMATCH_MISMATCH;
}

struct Upload {
    std::FILE* file = nullptr;
    bool ascii = false;
    bool pendingCr = false;
    std::string converted;
    std::size_t convertedAt = 0;
    TransferProgress* progress = nullptr;
};

std::size_t readPiece(char* buffer, std::size_t size, std::size_t count, void* data)
{
    auto* upload = static_cast<Upload*>(data);
    if (upload->progress->cancel)
        return CURL_READFUNC_ABORT;
    const std::size_t room = size * count;
    if (!upload->ascii) {
        const std::size_t got = std::fread(buffer, 1, room, upload->file);
        upload->progress->sent += got;
        return got;
    }
    if (upload->convertedAt == upload->converted.size()) {
        std::string piece(room / 2 > 0 ? room / 2 : 1, '\0');
        piece.resize(std::fread(piece.data(), 1, piece.size(), upload->file));
        upload->progress->sent += piece.size();
        if (piece.empty() && upload->pendingCr) {
            upload->converted = "\r\n";
            upload->pendingCr = false;
        } else {
            upload->converted = toNetworkText(piece, upload->pendingCr);
        }
        upload->convertedAt = 0;
    }
    const std::size_t n = std::min(room, upload->converted.size() - upload->convertedAt);
    std::copy_n(upload->converted.data() + upload->convertedAt, n, buffer);
    upload->convertedAt += n;
    return n;
}

int watchProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<TransferProgress*>(data)->cancel ? 1 : 0;
}

SendOutcome outcomeOf(CURLcode code, const TlsCheck& check)
{
    switch (code) {
    case CURLE_OK:
        return SendOutcome::Sent;
    case CURLE_COULDNT_RESOLVE_HOST:
        return SendOutcome::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return SendOutcome::ConnectionRefused;
    case CURLE_LOGIN_DENIED:
        return SendOutcome::LoginRefused;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_QUOTE_ERROR:
        return SendOutcome::RemoteFolder;
    case CURLE_USE_SSL_FAILED:
        return SendOutcome::TlsNotOffered;
    case CURLE_PEER_FAILED_VERIFICATION:
        return SendOutcome::CertificateNotTrusted;
    case CURLE_OPERATION_TIMEDOUT:
        return SendOutcome::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
        return SendOutcome::Cancelled;
    default:
        return check.rejected ? SendOutcome::CertificateNotTrusted : SendOutcome::Failed;
    }
}

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

std::string remoteFolder(const std::string& remotePath)
{
    std::string folder;
    for (const std::string& part : folderParts(remotePath))
        folder += (folder.empty() ? "" : "/") + part;
    return folder;
}

std::string remoteUrl(const FtpSettings& settings)
{
    std::string host = settings.host;
    if (host.find(':') != std::string::npos && host.front() != '[')
        host = "[" + host + "]";
    std::string url = settings.protocol == SendProtocol::Sftp ? "sftp://" : "ftp://";
    url += host + ":" + std::to_string(portNumber(settings)) + "/";
    // An SFTP path starts at the root; "~" is the login folder. An FTP path starts at the login
    // folder anyway.
    if (settings.protocol == SendProtocol::Sftp)
        url += "~/";
    for (const std::string& part : folderParts(settings.remotePath))
        url += escaped(part) + "/";
    return url + escaped(settings.remoteFile.empty() ? FtpSettings().remoteFile : settings.remoteFile);
}

std::string toNetworkText(const std::string& piece, bool& pendingCr)
{
    std::string out;
    out.reserve(piece.size() + piece.size() / 16 + 2);
    for (char c : piece) {
        if (pendingCr) {
            out += "\r\n";
            pendingCr = false;
            if (c == '\n')
                continue;
        }
        if (c == '\r')
            pendingCr = true;
        else if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

SendResult sendFile(const SendRequest& request, TransferProgress& progress)
{
    SendResult result;
    const FtpSettings& s = request.settings;
    if (s.host.empty()) {
        result.outcome = SendOutcome::NoHost;
        return result;
    }
    if (portNumber(s) == 0) {
        result.outcome = SendOutcome::BadPort;
        return result;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(request.localFile, ec);
    Upload upload;
    upload.file = ec ? nullptr : std::fopen(request.localFile.c_str(), "rb");
    if (!upload.file) {
        result.outcome = SendOutcome::ReportMissing;
        return result;
    }
    result.bytes = size;
    progress.total = size;
    progress.sent = 0;
    upload.progress = &progress;
    upload.ascii = s.mode == TransferMode::Ascii && s.protocol != SendProtocol::Sftp;

    initialiseOnce();
    CURL* curl = curl_easy_init();
    if (!curl) {
        std::fclose(upload.file);
        result.detail = "the network library could not start";
        return result;
    }
    char error[CURL_ERROR_SIZE] = {};
    const std::string url = remoteUrl(s);
    TlsCheck check;
    if (s.trustCertificate)
        check.pinned = s.fingerprint;
    const long timeout = request.timeoutSeconds;

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp,sftp");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERNAME, s.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, s.password.c_str());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readPiece);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, watchProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &progress);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeout);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, timeout * 1000);
    // A transfer that stands still for as long as a connection may take counts as timed out.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, timeout);
    if (!upload.ascii)
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));

    if (s.protocol == SendProtocol::Sftp) {
        curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES,
                         static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD | CURLSSH_AUTH_AGENT));
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYFUNCTION, checkHostKey);
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYDATA, &check);
    } else {
        curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, upload.ascii ? 1L : 0L);
        curl_easy_setopt(curl, CURLOPT_FTPPORT, s.passive ? nullptr : "-");
        curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 1L);
        if (s.protocol == SendProtocol::Ftps) {
            curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
            curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, prepareTls);
            // A pinned certificate is trusted by its fingerprint alone; it need not name the host.
            const bool pinned = !check.pinned.empty();
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, pinned ? 0L : 1L);
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, pinned ? 0L : 2L);
        }
    }

    activeCheck = &check;
    const CURLcode code = curl_easy_perform(curl);
    activeCheck = nullptr;
    curl_easy_cleanup(curl);
    std::fclose(upload.file);

    result.outcome = outcomeOf(code, check);
    result.fingerprint = check.seen;
    if (code != CURLE_OK)
        result.detail = error[0] ? error : curl_easy_strerror(code);
    return result;
}

std::string resultMessage(const SendResult& result, const std::string& fileName, const FtpSettings& s)
{
    const std::string host = s.host;
    const std::string port = std::to_string(portNumber(s));
    const std::string folder = remoteFolder(s.remotePath);
    const std::string where = folder.empty() ? "the login folder" : "the folder \"" + folder + "\"";
    const bool ssh = s.protocol == SendProtocol::Sftp;
    switch (result.outcome) {
    case SendOutcome::Sent:
        return fileName + " was sent to " + host + " (" + std::to_string(result.bytes) + " bytes).";
    case SendOutcome::ReportMissing:
        return fileName + " does not exist yet: it is written when a test scenario ends. Nothing was sent.";
    case SendOutcome::NoHost:
        return "No FTP host is set. Enter the host on the SEND OPTIONS screen. Nothing was sent.";
    case SendOutcome::BadPort:
        return "The port \"" + s.port + "\" is not a port number (1 to 65535). Nothing was sent.";
    case SendOutcome::HostNotFound:
        return "The host " + host
            + " could not be found. Check the host name on the SEND OPTIONS screen and the network connection. "
              "Nothing was sent.";
    case SendOutcome::ConnectionRefused:
        return host + " did not accept a connection on port " + port + " (" + protocolText(s.protocol)
            + "). Check the host, port and protocol on the SEND OPTIONS screen, and that the server is running. "
              "Nothing was sent.";
    case SendOutcome::LoginRefused:
        return host + " refused the login of user \"" + s.user
            + "\". Check the user name and password on the SEND OPTIONS screen. Nothing was sent.";
    case SendOutcome::RemoteFolder:
        return "On " + host + ", " + where
            + " does not exist or cannot be written. Check the remote path on the SEND OPTIONS screen. "
              "Nothing was sent.";
    case SendOutcome::TlsNotOffered:
        return host
            + " does not offer FTP with TLS. Ask for the server's protocol (FTP or SFTP) and choose it on "
              "the SEND OPTIONS screen. Nothing was sent.";
    case SendOutcome::CertificateNotTrusted: {
        std::string text = ssh ? "The SSH host key of " + host + " is not known, so nothing was sent."
                               : "The TLS certificate of " + host
                + " is not trusted (it is not signed by an authority this computer knows, does not name the host, "
                  "or is not the one trusted before), so nothing was sent.";
        if (!result.fingerprint.empty())
            text += std::string("\n\nIts fingerprint is:\n") + result.fingerprint
                + "\n\nIf the server's owner confirms this fingerprint, tick \"Trust this server's certificate\" "
                  "on the SEND OPTIONS screen and send again.";
        return text;
    }
    case SendOutcome::TimedOut:
        return "The connection to " + host + " timed out: the server did not answer within 30 seconds. " + fileName
            + " may not have arrived whole.";
    case SendOutcome::Cancelled:
        return "Sending " + fileName + " was cancelled. The copy on " + host + " may be incomplete.";
    case SendOutcome::Failed:
        break;
    }
    return fileName + " could not be sent to " + host + ": " + result.detail;
}

} // namespace defib
