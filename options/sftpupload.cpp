#include "options/sftpupload.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <libssh2.h>
#include <libssh2_sftp.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <new>
#include <openssl/evp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <unordered_set>
#include <vector>

#include "options/deadline.h"
#include "options/remotename.h"

namespace defib {

namespace {

// Results of a step beyond libssh2's own codes.
constexpr int stepTimedOut = -1001;
constexpr int stepCancelled = -1002;
constexpr int stepClosedByServer = -1003;
// A step that got its answer, for steps that return something else than a code.
constexpr int stepDone = 0;

// Pieces of the file read ahead of what the server has confirmed.
constexpr std::size_t readAhead = 256 * 1024;
// How long the goodbye to a server may take once the file is confirmed or lost.
constexpr long goodbyeMilliseconds = 2000;

// Every block libssh2 takes for one session, so that a session broken off in the middle of a
// step (a time-out, a cancel, a server gone) leaves nothing behind.
struct Arena {
    std::unordered_set<void*> blocks;
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena()
    {
        for (void* block : blocks)
            std::free(block);
    }
};

struct Upload {
    Upload(const SendRequest& r, TransferProgress& p, std::FILE* f)
        : request(r)
        , progress(p)
        , file(f)
        , limit(static_cast<long>(r.timeoutSeconds) * 1000)
    {
    }
    const SendRequest& request;
    TransferProgress& progress;
    std::FILE* file;
    long limit;
    Arena arena;
    Deadline deadline;
    int sock = -1;
    LIBSSH2_SESSION* session = nullptr;
    LIBSSH2_SFTP* sftp = nullptr;
    LIBSSH2_SFTP_HANDLE* handle = nullptr;
};

Upload& uploadOf(void** abstract)
{
    return *static_cast<Upload*>(*abstract);
}

void* take(std::size_t count, void** abstract)
{
    void* block = std::malloc(count ? count : 1);
    if (!block)
        return nullptr;
    try {
        uploadOf(abstract).arena.blocks.insert(block);
    } catch (const std::bad_alloc&) {
        std::free(block);
        return nullptr;
    }
    return block;
}

void give(void* block, void** abstract)
{
    if (!block)
        return;
    uploadOf(abstract).arena.blocks.erase(block);
    std::free(block);
}

void* retake(void* block, std::size_t count, void** abstract)
{
    if (!block)
        return take(count, abstract);
    auto& blocks = uploadOf(abstract).arena.blocks;
    void* moved = std::realloc(block, count ? count : 1);
    if (!moved)
        return nullptr;
    if (moved != block) {
        blocks.erase(block);
        try {
            blocks.insert(moved);
        } catch (const std::bad_alloc&) {
            std::free(moved);
            return nullptr;
        }
    }
    return moved;
}

// Keyboard-interactive login: every prompt is answered with the password.
void answerPrompts(const char*, int, const char*, int, int count, const LIBSSH2_USERAUTH_KBDINT_PROMPT*,
                   LIBSSH2_USERAUTH_KBDINT_RESPONSE* responses, void** abstract)
{
    const std::string& password = uploadOf(abstract).request.settings.password;
    for (int i = 0; i < count; ++i) {
        responses[i].text = nullptr;
        responses[i].length = 0;
        if (auto* text = static_cast<char*>(take(password.size() + 1, abstract))) {
            std::memcpy(text, password.c_str(), password.size() + 1);
            responses[i].text = text;
            responses[i].length = static_cast<unsigned>(password.size());
        }
    }
}

// Waits until libssh2 can go on in the direction it waits for; 0, or why it cannot.
int waitForServer(Upload& u)
{
    const int directions = libssh2_session_block_directions(u.session);
    short events = 0;
    if (directions & LIBSSH2_SESSION_BLOCK_INBOUND)
        events |= POLLIN;
    if (directions & LIBSSH2_SESSION_BLOCK_OUTBOUND)
        events |= POLLOUT;
    pollfd fds[2] = {{u.sock, events ? events : static_cast<short>(POLLIN), 0}, {u.deadline.fd(), POLLIN, 0}};
    // Short waits, so that a cancel is seen at once.
    ::poll(fds, 2, 100);
    if (u.progress.cancel)
        return stepCancelled;
    if (u.deadline.passed())
        return stepTimedOut;
    // The subsystem ended: no answer will come.
    if (u.sftp && libssh2_channel_eof(libssh2_sftp_get_channel(u.sftp)) == 1)
        return stepClosedByServer;
    return 0;
}

// Runs a step until it no longer waits for the server: its code, or why it stopped waiting.
template <class Step> int drive(Upload& u, Step step)
{
    for (;;) {
        const int code = step();
        if (code != LIBSSH2_ERROR_EAGAIN)
            return code;
        if (const int stop = waitForServer(u))
            return stop;
    }
}

std::string printable(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (out.size() >= 200) {
            out += "...";
            break;
        }
        out += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return out;
}

const char* statusName(unsigned long status)
{
    static const char* const names[] = {"ok",
                                        "end of file",
                                        "no such file",
                                        "permission denied",
                                        "failure",
                                        "bad message",
                                        "no connection",
                                        "connection lost",
                                        "operation unsupported",
                                        "invalid handle",
                                        "no such path",
                                        "file already exists",
                                        "write protected",
                                        "no media",
                                        "no space on the file system",
                                        "quota exceeded",
                                        "unknown principal",
                                        "lock conflict",
                                        "folder not empty",
                                        "not a folder",
                                        "invalid file name",
                                        "link loop"};
    return status < std::size(names) ? names[status] : "unknown";
}

// The outcome of a failed step; `opening` for the open of the remote file, whose refusals are
// about the folder.
SendOutcome outcomeOf(Upload& u, int code, bool opening, std::string& detail)
{
    switch (code) {
    case stepTimedOut:
    case LIBSSH2_ERROR_TIMEOUT:
    case LIBSSH2_ERROR_SOCKET_TIMEOUT:
        return SendOutcome::TimedOut;
    case stepCancelled:
        return SendOutcome::Cancelled;
    case stepClosedByServer:
        detail = TX("the server ended the SFTP session");
        return SendOutcome::ConnectionLost;
    default:
        break;
    }
    char* message = nullptr;
    libssh2_session_last_error(u.session, &message, nullptr, 0);
    detail = "SSH error " + std::to_string(code) + (message && *message ? std::string(": ") + message : "");
    switch (code) {
    case LIBSSH2_ERROR_SFTP_PROTOCOL: {
        const unsigned long status = u.sftp ? libssh2_sftp_last_error(u.sftp) : LIBSSH2_FX_OK;
        if (status == LIBSSH2_FX_OK)
            return SendOutcome::NotAServer;
        detail = "SFTP status " + std::to_string(status) + " (" + statusName(status) + ")";
        switch (status) {
        case LIBSSH2_FX_NO_SUCH_FILE:
        case LIBSSH2_FX_PERMISSION_DENIED:
        case LIBSSH2_FX_NO_SUCH_PATH:
        case LIBSSH2_FX_WRITE_PROTECT:
        case LIBSSH2_FX_NOT_A_DIRECTORY:
        case LIBSSH2_FX_INVALID_FILENAME:
        case LIBSSH2_FX_LINK_LOOP:
            return opening ? SendOutcome::RemoteFolder : SendOutcome::NotStored;
        case LIBSSH2_FX_NO_CONNECTION:
        case LIBSSH2_FX_CONNECTION_LOST:
            return SendOutcome::ConnectionLost;
        default:
            return SendOutcome::NotStored;
        }
    }
    case LIBSSH2_ERROR_SOCKET_DISCONNECT:
    case LIBSSH2_ERROR_SOCKET_RECV:
    case LIBSSH2_ERROR_SOCKET_SEND:
    case LIBSSH2_ERROR_BAD_SOCKET:
    case LIBSSH2_ERROR_CHANNEL_CLOSED:
    case LIBSSH2_ERROR_CHANNEL_EOF_SENT:
        return SendOutcome::ConnectionLost;
    case LIBSSH2_ERROR_BANNER_RECV:
    case LIBSSH2_ERROR_BANNER_SEND:
    case LIBSSH2_ERROR_PROTO:
    case LIBSSH2_ERROR_OUT_OF_BOUNDARY:
    case LIBSSH2_ERROR_BUFFER_TOO_SMALL:
    case LIBSSH2_ERROR_CHANNEL_OUTOFORDER:
    case LIBSSH2_ERROR_CHANNEL_UNKNOWN:
    case LIBSSH2_ERROR_CHANNEL_PACKET_EXCEEDED:
    case LIBSSH2_ERROR_CHANNEL_WINDOW_EXCEEDED:
    case LIBSSH2_ERROR_CHANNEL_FAILURE:
    case LIBSSH2_ERROR_CHANNEL_REQUEST_DENIED:
    case LIBSSH2_ERROR_REQUEST_DENIED:
        return SendOutcome::NotAServer;
    case LIBSSH2_ERROR_KEX_FAILURE:
    case LIBSSH2_ERROR_KEY_EXCHANGE_FAILURE:
    case LIBSSH2_ERROR_HOSTKEY_INIT:
    case LIBSSH2_ERROR_HOSTKEY_SIGN:
    case LIBSSH2_ERROR_INVALID_MAC:
    case LIBSSH2_ERROR_DECRYPT:
    case LIBSSH2_ERROR_ENCRYPT:
    case LIBSSH2_ERROR_METHOD_NONE:
    case LIBSSH2_ERROR_METHOD_NOT_SUPPORTED:
    case LIBSSH2_ERROR_ZLIB:
    case LIBSSH2_ERROR_COMPRESS:
    case LIBSSH2_ERROR_RANDGEN:
        return SendOutcome::SecureConnectionFailed;
    case LIBSSH2_ERROR_AUTHENTICATION_FAILED:
    case LIBSSH2_ERROR_PUBLICKEY_UNVERIFIED:
    case LIBSSH2_ERROR_PASSWORD_EXPIRED:
    case LIBSSH2_ERROR_PUBLICKEY_PROTOCOL:
    case LIBSSH2_ERROR_AGENT_PROTOCOL:
    case LIBSSH2_ERROR_KEYFILE_AUTH_FAILED:
        return SendOutcome::LoginRefused;
    default:
        return SendOutcome::Failed;
    }
}

bool fails(SendResult& result, SendOutcome outcome, const std::string& detail = {})
{
    result.outcome = outcome;
    result.detail = printable(detail);
    return false;
}

bool fails(Upload& u, SendResult& result, int code, bool opening = false)
{
    std::string detail;
    const SendOutcome outcome = outcomeOf(u, code, opening, detail);
    return fails(result, outcome, detail);
}

bool connectToServer(Upload& u, SendResult& result)
{
    const FtpSettings& s = u.request.settings;
    std::string host = s.host;
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int lookup = getaddrinfo(host.c_str(), std::to_string(portNumber(s)).c_str(), &hints, &found);
    if (lookup != 0) {
        const bool unknown = lookup == EAI_NONAME || lookup == EAI_AGAIN || lookup == EAI_FAIL
#ifdef EAI_NODATA
            || lookup == EAI_NODATA
#endif
            ;
        return fails(result, unknown ? SendOutcome::HostNotFound : SendOutcome::Failed, gai_strerror(lookup));
    }
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, freeaddrinfo);
    u.deadline.restart(u.limit);
    int lastError = ECONNREFUSED;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        const int sock = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (sock < 0) {
            lastError = errno;
            continue;
        }
        int error = ::connect(sock, a->ai_addr, a->ai_addrlen) == 0 ? 0 : errno;
        if (error == EINPROGRESS) {
            for (;;) {
                pollfd fds[2] = {{sock, POLLOUT, 0}, {u.deadline.fd(), POLLIN, 0}};
                ::poll(fds, 2, 100);
                if (u.progress.cancel || u.deadline.passed()) {
                    ::close(sock);
                    return fails(result, u.progress.cancel ? SendOutcome::Cancelled : SendOutcome::TimedOut);
                }
                if (fds[0].revents)
                    break;
            }
            socklen_t length = sizeof error;
            if (getsockopt(sock, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
                error = errno;
        }
        if (error == 0) {
            u.sock = sock;
            return true;
        }
        lastError = error;
        ::close(sock);
    }
    return fails(result, SendOutcome::ConnectionRefused, std::strerror(lastError));
}

bool hasMethod(const std::string& methods, const std::string& method)
{
    std::size_t at = 0;
    while (at <= methods.size()) {
        const std::size_t end = std::min(methods.find(',', at), methods.size());
        if (methods.compare(at, end - at, method) == 0)
            return true;
        at = end + 1;
    }
    return false;
}

// Codes after which the next way of logging in is worth a try.
bool refusedLogin(int code)
{
    switch (code) {
    case LIBSSH2_ERROR_AUTHENTICATION_FAILED:
    case LIBSSH2_ERROR_PUBLICKEY_UNVERIFIED:
    case LIBSSH2_ERROR_PASSWORD_EXPIRED:
    case LIBSSH2_ERROR_PUBLICKEY_PROTOCOL:
    case LIBSSH2_ERROR_AGENT_PROTOCOL:
    case LIBSSH2_ERROR_METHOD_NOT_SUPPORTED:
        return true;
    default:
        return false;
    }
}

// Logs in with the keys of the user's ssh-agent, one after the other.
int loginByAgent(Upload& u, const std::string& user)
{
    LIBSSH2_AGENT* agent = libssh2_agent_init(u.session);
    if (!agent)
        return LIBSSH2_ERROR_AUTHENTICATION_FAILED;
    int code = LIBSSH2_ERROR_AUTHENTICATION_FAILED;
    if (libssh2_agent_connect(agent) == 0) {
        if (libssh2_agent_list_identities(agent) == 0) {
            libssh2_agent_publickey* identity = nullptr;
            libssh2_agent_publickey* previous = nullptr;
            while (libssh2_agent_get_identity(agent, &identity, previous) == 0) {
                u.deadline.restart(u.limit);
                code = drive(u, [&] { return libssh2_agent_userauth(agent, user.c_str(), identity); });
                if (!refusedLogin(code))
                    break;
                previous = identity;
            }
        }
        libssh2_agent_disconnect(agent);
    }
    libssh2_agent_free(agent);
    return code;
}

// As the server allows: the user's ssh-agent, the password, then keyboard-interactive with
// the password.
int login(Upload& u)
{
    const FtpSettings& s = u.request.settings;
    const auto userLength = static_cast<unsigned>(s.user.size());
    std::string methods;
    u.deadline.restart(u.limit);
    int code = drive(u, [&] {
        if (const char* list = libssh2_userauth_list(u.session, s.user.c_str(), userLength)) {
            methods = list;
            return stepDone;
        }
        if (libssh2_userauth_authenticated(u.session))
            return stepDone;
        return libssh2_session_last_errno(u.session);
    });
    if (code != stepDone || libssh2_userauth_authenticated(u.session))
        return code;
    code = LIBSSH2_ERROR_AUTHENTICATION_FAILED;
    if (hasMethod(methods, "publickey") && std::getenv("SSH_AUTH_SOCK")) {
        code = loginByAgent(u, s.user);
        if (!refusedLogin(code))
            return code;
    }
    if (hasMethod(methods, "password")) {
        u.deadline.restart(u.limit);
        code = drive(u, [&] {
            return libssh2_userauth_password_ex(u.session, s.user.c_str(), userLength, s.password.c_str(),
                                                static_cast<unsigned>(s.password.size()), nullptr);
        });
        if (!refusedLogin(code))
            return code;
    }
    if (hasMethod(methods, "keyboard-interactive")) {
        u.deadline.restart(u.limit);
        code = drive(u, [&] {
            return libssh2_userauth_keyboard_interactive_ex(u.session, s.user.c_str(), userLength, answerPrompts);
        });
        if (!refusedLogin(code))
            return code;
    }
    return LIBSSH2_ERROR_AUTHENTICATION_FAILED;
}

// Sends the file from its start; every piece counts as sent once the server has confirmed it.
bool writeFile(Upload& u, SendResult& result)
{
    std::string pending;
    std::vector<char> piece(readAhead);
    bool atEnd = false;
    u.deadline.restart(u.limit);
    for (;;) {
        if (!atEnd && pending.size() < readAhead) {
            const std::size_t got = std::fread(piece.data(), 1, piece.size(), u.file);
            pending.append(piece.data(), got);
            if (got < piece.size()) {
                if (std::ferror(u.file))
                    return fails(result, SendOutcome::ReportUnreadable, std::strerror(errno));
                atEnd = true;
            }
        }
        if (pending.empty())
            return true;
        // libssh2 takes the data from the first byte not yet confirmed on, on every call.
        const ssize_t written = libssh2_sftp_write(u.handle, pending.data(), pending.size());
        if (written > 0) {
            pending.erase(0, static_cast<std::size_t>(written));
            u.progress.sent += static_cast<std::uint64_t>(written);
            u.deadline.restart(u.limit);
            continue;
        }
        if (written == 0 || written == LIBSSH2_ERROR_EAGAIN) {
            if (const int stop = waitForServer(u))
                return fails(u, result, stop);
            continue;
        }
        return fails(u, result, static_cast<int>(written));
    }
}

// After an exclusive open failed with `code`: whether `path` is there already on the server.
bool nameTaken(Upload& u, int code, const std::string& path)
{
    if (code != LIBSSH2_ERROR_SFTP_PROTOCOL)
        return false;
    const unsigned long status = libssh2_sftp_last_error(u.sftp);
    if (status == LIBSSH2_FX_FILE_ALREADY_EXISTS)
        return true;
    if (status != LIBSSH2_FX_FAILURE && status != LIBSSH2_FX_PERMISSION_DENIED)
        return false;
    LIBSSH2_SFTP_ATTRIBUTES attributes;
    u.deadline.restart(u.limit);
    return drive(u,
                 [&] {
                     return libssh2_sftp_stat_ex(u.sftp, path.c_str(), static_cast<unsigned>(path.size()),
                                                 LIBSSH2_SFTP_LSTAT, &attributes);
                 })
        == 0;
}

bool upload(Upload& u, SendResult& result)
{
    const FtpSettings& s = u.request.settings;
    if (!connectToServer(u, result))
        return false;
    u.session = libssh2_session_init_ex(take, give, retake, &u);
    if (!u.session)
        return fails(result, SendOutcome::Failed, TX("no SSH session"));
    libssh2_session_set_blocking(u.session, 0);

    u.deadline.restart(u.limit);
    int code = drive(u, [&] { return libssh2_session_handshake(u.session, u.sock); });
    if (code != 0)
        return fails(u, result, code);

    // The host key is trusted only by its pinned fingerprint: there is no certificate store for
    // host keys, so the user confirms the fingerprint once, as with a self-signed certificate.
    std::size_t keyLength = 0;
    int keyType = 0;
    const char* key = libssh2_session_hostkey(u.session, &keyLength, &keyType);
    if (!key)
        return fails(result, SendOutcome::SecureConnectionFailed, TX("no host key"));
    result.fingerprint = sshFingerprint(key, keyLength);
    if (!s.trustCertificate || s.fingerprint.empty() || result.fingerprint != s.fingerprint)
        return fails(result, SendOutcome::CertificateNotTrusted);

    code = login(u);
    if (code != 0)
        return fails(u, result, code);

    u.deadline.restart(u.limit);
    code = drive(u, [&] {
        u.sftp = libssh2_sftp_init(u.session);
        return u.sftp ? stepDone : libssh2_session_last_errno(u.session);
    });
    if (code != stepDone)
        return fails(u, result, code);
    // What the server's SFTP program says on its error output is no part of the answers.
    drive(u, [&] {
        return libssh2_channel_handle_extended_data2(libssh2_sftp_get_channel(u.sftp),
                                                     LIBSSH2_CHANNEL_EXTENDED_DATA_IGNORE);
    });

    // Nothing on the server is replaced when the request says so: the file is made exclusively,
    // which the server refuses for a name that is there, and a taken name gets the next number.
    // The server's own refusal decides, so two sends to one name at one moment cannot both win.
    const bool keep = u.request.keepExisting;
    const std::string wanted = s.remoteFile.empty() ? FtpSettings().remoteFile : s.remoteFile;
    for (int number = 1;; ++number) {
        FtpSettings at = s;
        at.remoteFile = numberedName(wanted, number);
        const std::string path = sftpPath(at);
        const unsigned long flags
            = LIBSSH2_FXF_WRITE | LIBSSH2_FXF_CREAT | (keep ? LIBSSH2_FXF_EXCL : LIBSSH2_FXF_TRUNC);
        u.deadline.restart(u.limit);
        code = drive(u, [&] {
            u.handle = libssh2_sftp_open_ex(u.sftp, path.c_str(), static_cast<unsigned>(path.size()), flags, 0644,
                                            LIBSSH2_SFTP_OPENFILE);
            return u.handle ? stepDone : libssh2_session_last_errno(u.session);
        });
        if (code == stepDone) {
            result.remoteName = at.remoteFile;
            break;
        }
        if (!keep)
            return fails(u, result, code, true);
        // Servers of the older protocol answer an exclusive open of a name that is there with a
        // plain failure: a look at the name tells a taken name from a real refusal.
        std::string detail;
        const SendOutcome outcome = outcomeOf(u, code, true, detail);
        if (!nameTaken(u, code, path))
            return fails(result, outcome, detail);
        if (number == mostNumberedNames)
            return fails(result, SendOutcome::NotStored,
                         "every name from " + wanted + " to " + numberedName(wanted, mostNumberedNames)
                             + " is taken on the server");
    }
    result.started = true;

    if (!writeFile(u, result))
        return false;

    // The close is the server's word that the file is stored whole.
    u.deadline.restart(u.limit);
    code = drive(u, [&] { return libssh2_sftp_close_handle(u.handle); });
    if (code != 0)
        return fails(u, result, code);
    result.outcome = SendOutcome::Sent;
    return true;
}

// Says goodbye to a server that is still there, then lets go of everything.
void finish(Upload& u, bool politely)
{
    if (u.session && politely) {
        u.deadline.restart(goodbyeMilliseconds);
        if (u.sftp && drive(u, [&] { return libssh2_sftp_shutdown(u.sftp); }) == 0)
            u.sftp = nullptr;
        drive(u, [&] { return libssh2_session_disconnect(u.session, "Sent"); });
    }
    // From here on nothing waits for the server any more.
    if (u.sock >= 0)
        ::shutdown(u.sock, SHUT_RDWR);
    if (u.session) {
        if (u.sftp)
            libssh2_sftp_shutdown(u.sftp);
        libssh2_session_free(u.session);
    }
    if (u.sock >= 0)
        ::close(u.sock);
}

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { libssh2_init(0); });
}

} // namespace

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

std::string sftpPath(const FtpSettings& settings)
{
    // A relative path starts at the login folder.
    const std::string folder = remoteFolder(settings.remotePath);
    const std::string file = settings.remoteFile.empty() ? FtpSettings().remoteFile : settings.remoteFile;
    return folder.empty() ? file : folder + "/" + file;
}

SendResult sendBySftp(const SendRequest& request, TransferProgress& progress, std::FILE* file)
{
    initialiseOnce();
    SendResult result;
    Upload u(request, progress, file);
    if (!u.deadline.valid()) {
        result.detail = TX("no timer for the time-outs");
        return result;
    }
    const bool sent = upload(u, result);
    finish(u, sent);
    return result;
}

} // namespace defib
