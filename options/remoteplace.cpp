#include "options/remoteplace.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <set>

#include "options/remotename.h"
#include "options/textfile.h"
#include "options/transfer.h"

namespace defib {

namespace {

// A listing larger than this is no folder of reports.
constexpr std::size_t largestListing = 16u * 1024u * 1024u;

struct Listing {
    std::string text;
    bool tooLarge = false;
};

// The server refused a question (SIZE, the folder's listing) as a command it does not serve, as
// against a connection that failed.
bool refusedQuestion(CURLcode code)
{
    return code == CURLE_FTP_COULDNT_RETR_FILE || code == CURLE_REMOTE_ACCESS_DENIED
        || code == CURLE_FTP_COULDNT_USE_REST;
}

std::size_t discard(char*, std::size_t size, std::size_t count, void*)
{
    return size * count;
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* into)
{
    auto* listing = static_cast<Listing*>(into);
    if (listing->text.size() + size * count > largestListing) {
        listing->tooLarge = true;
        return 0;
    }
    listing->text.append(data, size * count);
    return size * count;
}

bool holdsControlCharacter(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// A handle made like the upload's that asks instead of uploading.
void prepareQuestions(CURL* curl, char* error)
{
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    // Every path is given from the login folder, so the claims' commands and the look-ups mean
    // the same folder whatever the connection did before.
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
}

class Probe {
public:
    Probe(CURL* curl, const FtpSettings& settings)
        : curl_(curl)
        , settings_(settings)
        , folder_(remoteFolder(settings.remotePath))
    {
        error_[0] = '\0';
        prepareQuestions(curl_, error_);
    }

    const char* error() const { return error_; }

    std::string urlOf(const std::string& name) const
    {
        FtpSettings at = settings_;
        at.remoteFile = name;
        return remoteUrl(at);
    }

    std::string folderUrl() const
    {
        const std::string url = urlOf("x");
        return url.substr(0, url.size() - 1);
    }

    // The path of a name in the folder as a command of the server takes it: from the login
    // folder.
    std::string commandPath(const std::string& name) const
    {
        return (folder_.empty() ? std::string() : folder_ + "/") + name;
    }

    // Runs one command of the server; `done` is false when the server refused it.
    CURLcode command(const std::string& text, bool& done)
    {
        curl_slist* list = curl_slist_append(nullptr, text.c_str());
        curl_easy_setopt(curl_, CURLOPT_URL, folderUrl().c_str());
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(curl_, CURLOPT_QUOTE, list);
        const CURLcode code = curl_easy_perform(curl_);
        curl_easy_setopt(curl_, CURLOPT_QUOTE, nullptr);
        curl_slist_free_all(list);
        done = code == CURLE_OK;
        return code == CURLE_QUOTE_ERROR ? CURLE_OK : code;
    }

    std::string makeFolder(const std::string& name) const { return "MKD " + commandPath(name); }
    std::string removeFolder(const std::string& name) const { return "RMD " + commandPath(name); }

    CURLcode lookUp(const std::string& name, bool& present)
    {
        curl_easy_setopt(curl_, CURLOPT_URL, urlOf(name).c_str());
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
        const CURLcode code = curl_easy_perform(curl_);
        present = true;
        if (code == CURLE_REMOTE_FILE_NOT_FOUND) {
            present = false;
            return CURLE_OK;
        }
        if (code != CURLE_OK && !refusedQuestion(code))
            return code;
        curl_off_t length = -1;
        if (code == CURLE_OK)
            curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        if (length >= 0)
            return CURLE_OK;
        // The server did not answer SIZE: its listing of the folder says.
        if (!listed_ && !unlisted_) {
            const CURLcode listed = list();
            if (refusedQuestion(listed))
                unlisted_ = true;
            else if (listed != CURLE_OK)
                return listed;
        }
        // A server that answers neither question cannot be asked: the file goes under the name,
        // as every send did before names were looked up.
        present = listed_ && names_.count(name) > 0;
        return CURLE_OK;
    }

private:
    CURLcode list()
    {
        Listing listing;
        curl_easy_setopt(curl_, CURLOPT_URL, folderUrl().c_str());
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 0L);
        curl_easy_setopt(curl_, CURLOPT_DIRLISTONLY, 1L);
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, collect);
        curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &listing);
        const CURLcode code = curl_easy_perform(curl_);
        curl_easy_setopt(curl_, CURLOPT_DIRLISTONLY, 0L);
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, discard);
        curl_easy_setopt(curl_, CURLOPT_WRITEDATA, nullptr);
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
        if (listing.tooLarge) {
            std::snprintf(error_, CURL_ERROR_SIZE, "the server's listing of the folder is larger than %zu bytes",
                          largestListing);
            return CURLE_FILESIZE_EXCEEDED;
        }
        if (code != CURLE_OK)
            return code;
        // Some servers name each file with the folder before it.
        for (const std::string& line : splitLines(listing.text))
            names_.insert(line.substr(line.find_last_of('/') == std::string::npos ? 0 : line.find_last_of('/') + 1));
        listed_ = true;
        return CURLE_OK;
    }

    CURL* curl_;
    const FtpSettings& settings_;
    std::string folder_;
    char error_[CURL_ERROR_SIZE];
    bool listed_ = false;
    bool unlisted_ = false;
    std::set<std::string> names_;
};

std::string lockName(const std::string& name)
{
    return "." + name + ".lock";
}

// A name no other send uses, to learn whether this account may make folders here at all.
std::string uniqueName()
{
    std::random_device device;
    std::mt19937_64 draw((static_cast<std::uint64_t>(device()) << 32) ^ device());
    char text[32];
    std::snprintf(text, sizeof text, ".defibrio-%016llx.lock", static_cast<unsigned long long>(draw()));
    return text;
}

CURLcode failed(CURLcode code, const char* why, char* error)
{
    if (why && *why)
        std::snprintf(error, CURL_ERROR_SIZE, "%s", why);
    return code;
}

} // namespace

RemoteClaim::~RemoteClaim()
{
    release();
}

void RemoteClaim::release()
{
    if (removal.empty() || !upload)
        return;
    if (CURL* session = curl_easy_duphandle(upload)) {
        prepareQuestions(session, nullptr);
        // A send that was cancelled gives its claim back all the same, in a bounded time.
        curl_easy_setopt(session, CURLOPT_NOPROGRESS, 1L);
        curl_easy_setopt(session, CURLOPT_TIMEOUT, 10L);
        curl_slist* list = curl_slist_append(nullptr, removal.c_str());
        curl_easy_setopt(session, CURLOPT_QUOTE, list);
        curl_easy_setopt(session, CURLOPT_URL, folderUrl.c_str());
        curl_easy_perform(session);
        curl_easy_cleanup(session);
        curl_slist_free_all(list);
    }
    removal.clear();
}

CURLcode claimFreeName(CURL* upload, const FtpSettings& settings, RemoteClaim& claim, char* error)
{
    if (holdsControlCharacter(settings.remotePath) || holdsControlCharacter(settings.remoteFile))
        return failed(CURLE_URL_MALFORMAT, TX("the remote path or file name holds a control character"), error);
    CURL* session = curl_easy_duphandle(upload);
    if (!session)
        return failed(CURLE_OUT_OF_MEMORY, TX("the network library could not start"), error);
    // The questions' connection closes when they are answered, and the upload's when it ends.
    struct Closing {
        CURL* session;
        ~Closing() { curl_easy_cleanup(session); }
    } closing{session};
    curl_easy_setopt(upload, CURLOPT_FORBID_REUSE, 1L);
    Probe probe(session, settings);
    // Unknown until the first claim is made or refused.
    bool claimsWork = false;
    bool claimsKnown = false;
    const std::string wanted = settings.remoteFile.empty() ? std::string(oldRemoteFileName) : settings.remoteFile;
    for (int number = 1; number <= mostNumberedNames; ++number) {
        const std::string name = numberedName(wanted, number);
        bool claimed = false;
        if (!claimsKnown || claimsWork) {
            CURLcode code = probe.command(probe.makeFolder(lockName(name)), claimed);
            if (code != CURLE_OK)
                return failed(code, probe.error(), error);
            if (!claimed && !claimsKnown) {
                // Taken by another send, or no folder can be made here: a name nobody uses tells.
                const std::string test = uniqueName();
                bool made = false;
                code = probe.command(probe.makeFolder(test), made);
                if (code != CURLE_OK)
                    return failed(code, probe.error(), error);
                if (made) {
                    bool removed = false;
                    probe.command(probe.removeFolder(test), removed);
                }
                claimsKnown = true;
                claimsWork = made;
                if (made)
                    continue;
            } else if (!claimed) {
                continue;
            }
            if (claimed) {
                claimsKnown = true;
                claimsWork = true;
            }
        }
        bool present = true;
        const CURLcode code = probe.lookUp(name, present);
        if (code != CURLE_OK || present) {
            if (claimed) {
                bool removed = false;
                probe.command(probe.removeFolder(lockName(name)), removed);
            }
            if (code != CURLE_OK)
                return failed(code, probe.error(), error);
            continue;
        }
        claim.name = name;
        if (claimed) {
            claim.removal = probe.removeFolder(lockName(name));
            claim.upload = upload;
            claim.folderUrl = probe.folderUrl();
        }
        curl_easy_setopt(upload, CURLOPT_URL, probe.urlOf(name).c_str());
        return CURLE_OK;
    }
    const std::string why
        = "every name from " + wanted + " to " + numberedName(wanted, mostNumberedNames) + " is taken on the server";
    return failed(CURLE_REMOTE_FILE_EXISTS, why.c_str(), error);
}

} // namespace defib
