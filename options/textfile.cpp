#include "options/textfile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "options/catalogue.h"

namespace defib {

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(text, start, i - start);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text, start, std::string::npos);
    return lines;
}

namespace {
// The reasons a file is refused are marked for the catalogue: the messages that show them give
// them in the trainer's language (Catalogue::text of the reason); a system's own reason stays as
// the system gives it.
const char* const danglingLink = TX("it is a link to a file that does not exist");
const char* const readOnly = TX("it is read-only");

// A folder is named as the system names it; a device, pipe or socket all alike.
std::string notAFile(mode_t mode)
{
    return S_ISDIR(mode) ? std::strerror(EISDIR) : TX("it is not a regular file");
}

std::string tooLarge(std::uintmax_t limit)
{
    return "it is larger than any such file of this program (" + std::to_string(limit) + " bytes at most)";
}

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}
} // namespace

ReadBytes readBytes(const std::string& path, std::uintmax_t limit)
{
    ReadBytes result;
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            result.status = ReadStatus::Unreadable;
            result.error = std::strerror(errno);
        } else if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
            // A link to nothing is a file someone meant to be there, not a first start.
            result.status = ReadStatus::Unreadable;
            result.error = danglingLink;
        }
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = ReadStatus::NotAFile;
        result.error = notAFile(info.st_mode);
        return result;
    }
    // No read permission for anyone is the owner's word, also for a user who could read it anyway.
    if ((info.st_mode & 0444) == 0) {
        result.status = ReadStatus::Unreadable;
        result.error = std::strerror(EACCES);
        return result;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        result.status = ReadStatus::TooLarge;
        result.error = tooLarge(limit);
        return result;
    }
    // Not blocking: should a pipe take the file's place after the check, opening it does not wait.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        result.error = std::strerror(errno);
        return result;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = ReadStatus::NotAFile;
        result.error = notAFile(info.st_mode);
        return result;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = ReadStatus::Unreadable;
            result.error = std::strerror(errno);
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) {
            ::close(fd);
            result.status = ReadStatus::TooLarge;
            result.error = tooLarge(limit);
            return result;
        }
    }
    ::close(fd);
    result.status = ReadStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

ReadResult readLines(const std::string& path, std::uintmax_t limit)
{
    ReadBytes bytes = readBytes(path, limit);
    ReadResult result;
    result.status = bytes.status;
    result.error = std::move(bytes.error);
    result.ok = bytes.status == ReadStatus::Ok;
    if (result.ok)
        result.lines = splitLines(bytes.bytes);
    return result;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool nameTaken(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0;
}

namespace {
// A file we may not give our own owner to is rewritten where it is, after the temporary copy
// showed that the new text could be written at all; should that fail, the old text goes back.
bool rewriteInPlace(const std::string& target, const std::string& text, std::string& error)
{
    ReadBytes old = readBytes(target, std::numeric_limits<std::uintmax_t>::max());
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool written
        = ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0;
    int savedErrno = errno;
    if (!written && old.status == ReadStatus::Ok) {
        if (::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, old.bytes))
            (void)!::ftruncate(fd, static_cast<off_t>(old.bytes.size()));
    }
    if (::close(fd) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written)
        error = std::strerror(savedErrno ? savedErrno : EIO);
    return written;
}
} // namespace

namespace {
// No write permission for anyone is the owner's word, also for root, who could write it anyway.
bool refusesWriting(const std::string& path, const struct stat& info)
{
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}
} // namespace

bool writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                      FileAccess access)
{
    std::string target = path;
    struct stat info { };
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        } else if (errno == ENOENT) {
            error = danglingLink;
            return false;
        }
    }
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        error = std::strerror(errno);
        return false;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        error = notAFile(info.st_mode);
        return false;
    }
    if (exists && refusesWriting(target, info)) {
        error = readOnly;
        return false;
    }
    const bool ownerOnly = access == FileAccess::OwnerOnly;

    // A name of this process and this write alone: two copies of the program never share one.
    static unsigned long serial = 0;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(++serial);
        // Created with no more than its final permissions: a password is never readable by
        // others, not even for a moment.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, ownerOnly ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            error = std::strerror(errno);
            return false;
        }
    }
    if (fd < 0) {
        error = std::strerror(EEXIST);
        return false;
    }
    const std::string text = joined(lines);
    bool written = writeAll(fd, text);
    int savedErrno = errno;
    bool inPlace = false;
    if (written && exists) {
        (void)::fchmod(fd, ownerOnly ? info.st_mode & 0700 : info.st_mode & 07777);
        if ((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) && ::fchown(fd, info.st_uid, info.st_gid) != 0)
            inPlace = true;
    }
    if (::close(fd) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written) {
        error = std::strerror(savedErrno ? savedErrno : EIO);
        ::unlink(temporary.c_str());
        return false;
    }
    if (inPlace) {
        ::unlink(temporary.c_str());
        // Another user's file keeps its permissions, which only its owner could narrow.
        if (ownerOnly && (info.st_mode & 077) != 0) {
            error = TX("it belongs to another user and may be read by others, so a password is not kept in it");
            return false;
        }
        return rewriteInPlace(target, text, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool appendComposed(const std::string& path, const AppendComposer& compose, std::string& error)
{
    struct stat info { };
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            error = notAFile(info.st_mode);
            return false;
        }
        if (refusesWriting(path, info)) {
            error = readOnly;
            return false;
        }
    }
    const int flags = O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    bool readable = true;
    int fd = ::open(path.c_str(), O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES) {
        readable = false;
        fd = ::open(path.c_str(), O_WRONLY | flags, 0666);
    }
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = notAFile(info.st_mode);
        return false;
    }
    const off_t before = info.st_size;
    std::string text;
    if (!compose(AppendTarget{fd, static_cast<std::uintmax_t>(before), readable}, text, error)) {
        ::close(fd);
        return false;
    }
    bool written = writeAll(fd, text);
    int savedErrno = errno;
    if (!written)
        (void)!::ftruncate(fd, before);
    if (::close(fd) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written) {
        error = std::strerror(savedErrno ? savedErrno : EIO);
        return false;
    }
    return true;
}

bool appendLines(const std::string& path, const std::vector<std::string>& lines, std::string& error)
{
    return appendComposed(
        path,
        [&lines](const AppendTarget& file, std::string& text, std::string&) {
            text = joined(lines);
            char last = '\n';
            if (file.readable && file.size > 0 && ::pread(file.fd, &last, 1, static_cast<off_t>(file.size - 1)) == 1
                && last != '\n' && last != '\r')
                text.insert(0, "\r\n");
            return true;
        },
        error);
}

bool readPieces(int fd, std::uintmax_t size, const std::function<void(const char* bytes, std::size_t count)>& take,
                std::string& error)
{
    char buffer[65536];
    std::uintmax_t done = 0;
    while (done < size) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uintmax_t>(sizeof buffer, size - done));
        const ssize_t n = ::pread(fd, buffer, want, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n == 0 ? TX("it became shorter while it was read") : std::strerror(errno);
            return false;
        }
        take(buffer, static_cast<std::size_t>(n));
        done += static_cast<std::uintmax_t>(n);
    }
    return true;
}

FolderLock::FolderLock(const std::string& folder)
{
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    int result = 0;
    do
        result = ::flock(fd_, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::string joinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    return (std::filesystem::path(directory) / name).string();
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isNumber(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return false;
    }
    return true;
}

int parseNumber(const std::string& text)
{
    if (!isNumber(text))
        return 0;
    return std::stoi(text);
}

} // namespace defib
