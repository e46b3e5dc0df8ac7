#include "options/transfer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cstdio>
#include <curl/curl.h>
#include <filesystem>
#include <mutex>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <sys/socket.h>
#include <vector>

#include "options/deadline.h"
#include "options/filetexts.h"
#include "options/remoteplace.h"
#include "options/sftpupload.h"

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

struct Upload {
    std::FILE* file = nullptr;
    bool ascii = false;
    bool pendingCr = false;
    std::string converted;
    std::size_t convertedAt = 0;
    TransferProgress* progress = nullptr;
    // The local file could not be read to its end.
    bool unreadable = false;
};

std::size_t readPiece(char* buffer, std::size_t size, std::size_t count, void* data)
{
    auto* upload = static_cast<Upload*>(data);
    if (upload->progress->cancel)
        return CURL_READFUNC_ABORT;
    const std::size_t room = size * count;
    // A file that cannot be read on is no end of the file: the transfer stops unconfirmed.
    if (!upload->ascii) {
        const std::size_t got = std::fread(buffer, 1, room, upload->file);
        if (got == 0 && std::ferror(upload->file)) {
            upload->unreadable = true;
            return CURL_READFUNC_ABORT;
        }
        upload->progress->sent += got;
        return got;
    }
    if (upload->convertedAt == upload->converted.size()) {
        std::string piece(room / 2 > 0 ? room / 2 : 1, '\0');
        piece.resize(std::fread(piece.data(), 1, piece.size(), upload->file));
        if (piece.empty() && std::ferror(upload->file)) {
            upload->unreadable = true;
            return CURL_READFUNC_ABORT;
        }
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

// Server text for the "Details" of a message: printable ASCII only, cut short.
std::string printable(const char* data, std::size_t size)
{
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        if (out.size() >= 200) {
            out += "...";
            break;
        }
        const char c = data[i];
        if (c == '\r' || c == '\n')
            continue;
        out += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return out;
}

// How long the goodbye to a server may take once the transfer has ended.
constexpr long goodbyeMilliseconds = 2000;
// An FTP reply is a few lines; a server that says more at once is no FTP server.
constexpr std::size_t longestReply = 64 * 1024;

// What one FTP transfer saw on its way, kept by the library's callbacks.
struct FtpWatch {
    CURL* curl = nullptr;
    TransferProgress* progress = nullptr;
    // Restarted by every sign of the server: a reply line, a TLS record, data it took.
    Deadline silence;
    long limit = 30000;
    curl_off_t uploaded = 0;
    bool timedOut = false;
    // The server was asked to write the file (STOR).
    bool stored = false;
    // After the transfer: the goodbye (QUIT) waits briefly, whatever its answer.
    bool leaving = false;
    // The server's last reply line ("451 Disk full") and the bytes of its reply so far.
    std::string lastReply;
    std::size_t replyBytes = 0;
    // The code of the last reply before the goodbye.
    long replyCode = 0;
    // The address a data connection came from that is not the server's.
    std::string foreignPeer;
};

int watchProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    auto* watch = static_cast<FtpWatch*>(data);
    if (watch->leaving)
        return watch->silence.passed() ? 1 : 0;
    if (watch->progress->cancel)
        return 1;
    if (uploaded > watch->uploaded) {
        watch->uploaded = uploaded;
        watch->silence.restart(watch->limit);
    }
    // Every step of the transfer has its own time-out in the library, but not every wait does
    // (the TLS handshake of a data connection, a close): no wait outlasts a silence.
    if (watch->silence.passed()) {
        watch->timedOut = true;
        return 1;
    }
    return 0;
}

int watchTraffic(CURL*, curl_infotype type, char* data, std::size_t size, void* context)
{
    auto* watch = static_cast<FtpWatch*>(context);
    if (type == CURLINFO_HEADER_IN) {
        watch->silence.restart(watch->limit);
        if (watch->leaving)
            return 0;
        watch->lastReply = printable(data, size);
        watch->replyBytes += size;
        if (size >= 4 && std::isdigit(static_cast<unsigned char>(data[0]))
            && std::isdigit(static_cast<unsigned char>(data[1])) && std::isdigit(static_cast<unsigned char>(data[2]))
            && (data[3] == ' ' || data[3] == '-'))
            watch->replyCode = (data[0] - '0') * 100 + (data[1] - '0') * 10 + (data[2] - '0');
    } else if (type == CURLINFO_HEADER_OUT) {
        const std::string command(data, std::min<std::size_t>(size, 5));
        watch->replyBytes = 0;
        if (command == "STOR ")
            watch->stored = true;
        // The transfer is over when the library says goodbye, confirmed or not.
        if (command.rfind("QUIT", 0) == 0 && !watch->leaving) {
            watch->leaving = true;
            watch->silence.restart(goodbyeMilliseconds);
        }
    } else if (type == CURLINFO_SSL_DATA_IN) {
        watch->silence.restart(watch->limit);
    }
    return 0;
}

std::string addressText(const sockaddr_storage& address)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(address).sin_addr, text, sizeof text);
    } else if (address.ss_family == AF_INET6) {
        const in6_addr& six = reinterpret_cast<const sockaddr_in6&>(address).sin6_addr;
        if (IN6_IS_ADDR_V4MAPPED(&six))
            inet_ntop(AF_INET, &six.s6_addr[12], text, sizeof text);
        else
            inet_ntop(AF_INET6, &six, text, sizeof text);
    }
    return text;
}

std::string withoutMappedPrefix(std::string address)
{
    if (address.rfind("::ffff:", 0) == 0 && address.find('.') != std::string::npos)
        address.erase(0, 7);
    return address;
}

// In active mode the server connects to this computer for the file. The connection is taken
// only from the address the commands go to; anyone else who finds the port gets nothing.
int checkDataConnection(void* data, curl_socket_t sock, curlsocktype purpose)
{
    if (purpose != CURLSOCKTYPE_ACCEPT)
        return CURL_SOCKOPT_OK;
    auto* watch = static_cast<FtpWatch*>(data);
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    const std::string from
        = getpeername(sock, reinterpret_cast<sockaddr*>(&peer), &length) == 0 ? addressText(peer) : std::string();
    char* server = nullptr;
    curl_easy_getinfo(watch->curl, CURLINFO_PRIMARY_IP, &server);
    if (!from.empty() && server && from == withoutMappedPrefix(server))
        return CURL_SOCKOPT_OK;
    watch->foreignPeer = from.empty() ? TX("an unknown address") : from;
    return CURL_SOCKOPT_ERROR;
}

SendOutcome outcomeOf(CURLcode code, const FtpWatch& watch, const TlsCheck& check)
{
    const long lastReplyCode = watch.replyCode;
    if (!watch.foreignPeer.empty())
        return SendOutcome::ForeignDataConnection;
    if (code == CURLE_OK)
        return SendOutcome::Sent;
    if (watch.timedOut)
        return SendOutcome::TimedOut;
    if (code == CURLE_RECV_ERROR && watch.replyBytes > longestReply)
        return SendOutcome::NotAServer;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return SendOutcome::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return SendOutcome::ConnectionRefused;
    case CURLE_LOGIN_DENIED:
    case CURLE_AUTH_ERROR:
        return SendOutcome::LoginRefused;
    case CURLE_UPLOAD_FAILED:
        // STOR refused: for want of room (452, 552) or for a passing fault (4xx), the folder
        // is fine; otherwise (550, 553) the folder or the name is not to be written.
        if (lastReplyCode == 552 || (lastReplyCode >= 400 && lastReplyCode < 500))
            return SendOutcome::NotStored;
        return SendOutcome::RemoteFolder;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_QUOTE_ERROR:
        return SendOutcome::RemoteFolder;
    case CURLE_USE_SSL_FAILED:
        return SendOutcome::TlsNotOffered;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CRL_BADFILE:
        return SendOutcome::CertificateNotTrusted;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CLIENTCERT:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_CERTPROBLEM:
        return check.rejected ? SendOutcome::CertificateNotTrusted : SendOutcome::SecureConnectionFailed;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return SendOutcome::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
        return SendOutcome::Cancelled;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASS_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_BAD_CONTENT_ENCODING:
        return SendOutcome::NotAServer;
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_PRET_FAILED:
        return SendOutcome::DataConnectionFailed;
    case CURLE_PARTIAL_FILE:
        // The final reply was no 226, or the connection ended before it came.
        return lastReplyCode >= 400 ? SendOutcome::NotStored : SendOutcome::ConnectionLost;
    case CURLE_OK:
        return SendOutcome::Sent;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_SSL_SHUTDOWN_FAILED:
        return SendOutcome::ConnectionLost;
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_FILESIZE_EXCEEDED:
    case CURLE_REMOTE_FILE_EXISTS:
        return SendOutcome::NotStored;
    case CURLE_READ_ERROR:
        return SendOutcome::ReportUnreadable;
    default:
        return check.rejected ? SendOutcome::CertificateNotTrusted : SendOutcome::Failed;
    }
}

// The library's words for a failure, and the server's last reply where the server is the one
// that failed.
std::string failureDetail(CURLcode code, const char* error, const FtpWatch& watch, SendOutcome outcome)
{
    std::string detail = curl_easy_strerror(code);
    // The library notes on every active-mode transfer that its listening socket has no peer
    // address; that is no reason for anything.
    const std::string said = error;
    if (!said.empty() && said.rfind("sa_addr inet_ntop()", 0) != 0)
        detail += ": " + printable(said.data(), said.size());
    switch (outcome) {
    case SendOutcome::NotStored:
    case SendOutcome::NotAServer:
    case SendOutcome::DataConnectionFailed:
    case SendOutcome::ConnectionLost:
    case SendOutcome::Failed:
        if (!watch.lastReply.empty())
            detail += ". The server's last reply: " + watch.lastReply;
        break;
    default:
        break;
    }
    return detail;
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

namespace {

bool hasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

SendResult sendByFtp(const SendRequest& request, TransferProgress& progress, std::FILE* file, std::uint64_t size)
{
    SendResult result;
    const FtpSettings& s = request.settings;
    Upload upload;
    upload.file = file;
    upload.progress = &progress;
    upload.ascii = s.mode == TransferMode::Ascii;

    initialiseOnce();
    FtpWatch watch;
    CURL* curl = watch.silence.valid() ? curl_easy_init() : nullptr;
    if (!curl) {
        result.detail = TX("the network library could not start");
        return result;
    }
    char error[CURL_ERROR_SIZE] = {};
    const std::string url = remoteUrl(s);
    TlsCheck check;
    if (s.trustCertificate)
        check.pinned = s.fingerprint;
    const long timeout = request.timeoutSeconds;
    watch.curl = curl;
    watch.progress = &progress;
    watch.limit = timeout * 1000;
    watch.silence.restart(watch.limit);

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // The connection ends with the transfer, and its goodbye is bounded by the watch.
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_USERNAME, s.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, s.password.c_str());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readPiece);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, watchProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watch);
    // The server's replies pass the watch (for its last words and as signs of life); nothing
    // is printed.
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, watchTraffic);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &watch);
    curl_easy_setopt(curl, CURLOPT_SOCKOPTFUNCTION, checkDataConnection);
    curl_easy_setopt(curl, CURLOPT_SOCKOPTDATA, &watch);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, timeout);
    // Every reply, the final one after the data included, within the time-out.
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeout);
    // In active mode, the server's connection back.
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, timeout * 1000);
    // A transfer that stands still for as long as a connection may take counts as timed out.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, timeout);
    if (!upload.ascii)
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
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

    activeCheck = &check;
    RemoteClaim claim;
    CURLcode code = request.keepExisting ? claimFreeName(curl, s, claim, error) : CURLE_OK;
    if (code == CURLE_OK && request.keepExisting) {
        // The questions went over a connection of their own through the same callbacks, their
        // goodbye included: the upload is watched afresh.
        watch.leaving = false;
        watch.lastReply.clear();
        watch.replyBytes = 0;
        watch.replyCode = 0;
        watch.silence.restart(watch.limit);
    }
    if (code == CURLE_OK)
        code = curl_easy_perform(curl);

    result.outcome = upload.unreadable ? SendOutcome::ReportUnreadable : outcomeOf(code, watch, check);
    result.fingerprint = check.seen;
    result.started = watch.stored;
    result.foreignAddress = watch.foreignPeer;
    if (result.outcome == SendOutcome::TimedOut && code == CURLE_ABORTED_BY_CALLBACK)
        result.detail = "no sign of the server for " + std::to_string(timeout) + " seconds";
    else if (code != CURLE_OK)
        result.detail = failureDetail(code, error, watch, result.outcome);
    // The claim is given back on a connection made like the upload's, whose replies are no part
    // of the upload's result: that is read before it.
    claim.release();
    activeCheck = nullptr;
    result.remoteName = request.keepExisting ? claim.name
        : s.remoteFile.empty()               ? FtpSettings().remoteFile
                                             : s.remoteFile;
    curl_easy_cleanup(curl);
    return result;
}

} // namespace

SendResult checkSettings(const FtpSettings& s)
{
    SendResult result;
    result.outcome = SendOutcome::Sent;
    if (s.host.empty()) {
        result.outcome = SendOutcome::NoHost;
        return result;
    }
    if (portNumber(s) == 0) {
        result.outcome = SendOutcome::BadPort;
        return result;
    }
    // The names as the SEND OPTIONS screen labels the fields; a message shows them translated.
    const std::pair<const char*, const std::string*> fields[] = {{TX("Host"), &s.host},
                                                                 {TX("User"), &s.user},
                                                                 {TX("Password"), &s.password},
                                                                 {TX("Remote path"), &s.remotePath},
                                                                 {TX("Remote file"), &s.remoteFile}};
    for (const auto& [name, text] : fields) {
        if (hasControlCharacter(*text)) {
            result.outcome = SendOutcome::ControlCharacter;
            result.field = name;
            return result;
        }
    }
    return result;
}

SendResult sendFile(const SendRequest& request, TransferProgress& progress)
{
    SendResult checked = checkSettings(request.settings);
    if (checked.outcome != SendOutcome::Sent)
        return checked;
    std::error_code ec;
    const auto size = std::filesystem::file_size(request.localFile, ec);
    std::FILE* file = ec ? nullptr : std::fopen(request.localFile.c_str(), "rb");
    if (!file) {
        checked.outcome = SendOutcome::ReportMissing;
        return checked;
    }
    progress.total = size;
    progress.sent = 0;
    SendResult result = request.settings.protocol == SendProtocol::Sftp ? sendBySftp(request, progress, file)
                                                                        : sendByFtp(request, progress, file, size);
    std::fclose(file);
    result.bytes = size;
    return result;
}

std::string resultMessage(const SendResult& result, const std::string& fileName, const FtpSettings& s,
                          const Catalogue& texts)
{
    const std::string host = s.host;
    const std::string port = std::to_string(portNumber(s));
    const std::string folder = remoteFolder(s.remotePath);
    const std::string where
        = folder.empty() ? tx(texts, "the login folder") : tx(texts, "the folder \"{1}\"", {folder});
    const bool ssh = s.protocol == SendProtocol::Sftp;
    const std::string protocol = protocolText(s.protocol);
    // The details are the server's or the network library's words; ours of them are translated.
    const std::string details
        = result.detail.empty() ? std::string() : "\n\n" + tx(texts, "Details: {1}", {texts.text(result.detail)});
    const std::string whatArrived = " "
        + (!result.started ? tx(texts, "Nothing was sent.")
                           : tx(texts, "The copy on {1} may be missing or incomplete: send it again.", {host}));
    switch (result.outcome) {
    case SendOutcome::Sent:
        return tx(texts, "{1} was sent to {2} ({3} bytes).", {fileName, host, std::to_string(result.bytes)});
    case SendOutcome::ReportMissing:
        return tx(texts, "{1} does not exist yet: it is written when a test scenario ends. Nothing was sent.",
                  {fileName});
    case SendOutcome::ReportUnreadable:
        return tx(texts, "{1} could not be read to its end, so it was not sent whole.", {fileName}) + whatArrived
            + details;
    case SendOutcome::NoHost:
        return tx(texts, "No FTP host is set. Enter the host on the SEND OPTIONS screen. Nothing was sent.");
    case SendOutcome::BadPort:
        return tx(texts, "The port \"{1}\" is not a port number (1 to 65535). Nothing was sent.", {s.port});
    case SendOutcome::ControlCharacter:
        return tx(texts,
                  "The {1} field on the SEND OPTIONS screen holds a line break or another control character, which "
                  "a server could take for a command of its own. Type it again there. Nothing was sent.",
                  {texts.text(result.field)});
    case SendOutcome::HostNotFound:
        return tx(texts,
                  "The host {1} could not be found. Check the host name on the SEND OPTIONS screen and the network "
                  "connection. Nothing was sent.",
                  {host});
    case SendOutcome::ConnectionRefused:
        return tx(texts,
                  "{1} did not accept a connection on port {2} ({3}). Check the host, port and protocol on the SEND "
                  "OPTIONS screen, and that the server is running. Nothing was sent.",
                  {host, port, protocol});
    case SendOutcome::LoginRefused:
        return tx(texts,
                  "{1} refused the login of user \"{2}\". Check the user name and password on the SEND OPTIONS "
                  "screen. Nothing was sent.",
                  {host, s.user});
    case SendOutcome::RemoteFolder:
        return tx(texts,
                  "On {1}, {2} does not exist or cannot be written. Check the remote path on the SEND OPTIONS "
                  "screen. Nothing was sent.",
                  {host, where});
    case SendOutcome::TlsNotOffered:
        return tx(texts,
                  "{1} does not offer FTP with TLS. Ask for the server's protocol (FTP or SFTP) and choose it on the "
                  "SEND OPTIONS screen. Nothing was sent.",
                  {host});
    case SendOutcome::CertificateNotTrusted: {
        std::string text = ssh ? tx(texts, "The SSH host key of {1} is not known, so nothing was sent.", {host})
                               : tx(texts,
                                    "The TLS certificate of {1} is not trusted (it is not signed by an authority "
                                    "this computer knows, does not name the host, or is not the one trusted "
                                    "before), so nothing was sent.",
                                    {host});
        if (!result.fingerprint.empty())
            text += "\n\n" + tx(texts, "Its fingerprint is:") + "\n" + result.fingerprint + "\n\n"
                + tx(texts,
                     "If the server's owner confirms this fingerprint, tick \"Trust this server's certificate\" on "
                     "the SEND OPTIONS screen and send again.");
        return text;
    }
    case SendOutcome::SecureConnectionFailed:
        return tx(texts,
                  "The secure connection ({1}) to {2} could not be set up: the server and this program agree on no "
                  "way of protecting it, or the server broke it off. Ask the server's owner.",
                  {ssh ? "SSH" : "TLS", host})
            + whatArrived + details;
    case SendOutcome::NotAServer:
        return tx(texts,
                  "{1} does not answer on port {2} as an {3} server does. Check the host, port and protocol on the "
                  "SEND OPTIONS screen.",
                  {host, port, protocol})
            + whatArrived + details;
    case SendOutcome::DataConnectionFailed:
        return (s.passive ? tx(texts,
                               "{1} took the login, but the connection for the file could not be opened (passive "
                               "mode). Untick \"Passive mode\" on the SEND OPTIONS screen and send again, or ask the "
                               "server's owner.",
                               {host})
                          : tx(texts,
                               "{1} took the login, but could not connect back to this computer for the file (active "
                               "mode), which a firewall often prevents. Tick \"Passive mode\" on the SEND OPTIONS "
                               "screen and send again.",
                               {host}))
            + whatArrived + details;
    case SendOutcome::ForeignDataConnection:
        return tx(texts,
                  "A connection for {1} came from {2}, not from the server {3}, so it was refused and nothing was "
                  "sent. Someone on the network may be trying to catch the report: tick \"Passive mode\" on the SEND "
                  "OPTIONS screen, or send with FTPS or SFTP.",
                  {fileName, texts.text(result.foreignAddress), host});
    case SendOutcome::NotStored:
        return tx(texts,
                  "{1} reported that it could not store {2} whole (its disk may be full, or the file may not be "
                  "written there). Ask the server's owner.",
                  {host, fileName})
            + whatArrived + details;
    case SendOutcome::ConnectionLost:
        return tx(texts, "{1} closed the connection before it confirmed that {2} arrived whole.", {host, fileName})
            + whatArrived + details;
    case SendOutcome::TimedOut:
        return tx(texts,
                  "The connection to {1} timed out: the server did not answer within 30 seconds. {2} may not have "
                  "arrived whole.",
                  {host, fileName});
    case SendOutcome::Cancelled:
        return tx(texts, "Sending {1} was cancelled. The copy on {2} may be incomplete.", {fileName, host});
    case SendOutcome::Failed:
        break;
    }
    return (details.empty() ? tx(texts,
                                 "{1} could not be sent to {2} because of a fault this program has no plainer words "
                                 "for. Send it again; if it keeps failing, ask the server's owner.",
                                 {fileName, host})
                            : tx(texts,
                                 "{1} could not be sent to {2} because of a fault this program has no plainer words "
                                 "for. Send it again; if it keeps failing, ask the server's owner, with the details "
                                 "below.",
                                 {fileName, host}))
        + whatArrived + details;
}

} // namespace defib
