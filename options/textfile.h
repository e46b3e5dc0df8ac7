#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace defib {

// Plain text files with CR LF line ends, as every file of the program is written. Only regular
// files are read or written: a device, a pipe or a folder in a file's place is refused at once,
// never waited on, and every kind of file has a size the program reads at most.

// Far above what the program writes: an option file is a few hundred bytes.
inline constexpr std::uintmax_t largestOptionFile = 64u * 1024u;
// A board gains one place holder of 3 bytes per entry pushed off, and only a score above the
// tenth pushes one off, so the sum of the ten scores grows with every push. Scores stay within
// -32768..32767, so a board of ours has at most 655,350 place holders (under 2 MiB) after its
// ten entries: twice that can never be reached by a board the program wrote.
inline constexpr std::uintmax_t largestScoreboard = 4u * 1024u * 1024u;

enum class ReadStatus {
    Ok,
    Missing,
    // A folder, device, pipe or socket where the file should be.
    NotAFile,
    TooLarge,
    Unreadable,
};

struct ReadResult {
    bool ok = false;
    ReadStatus status = ReadStatus::Missing;
    std::vector<std::string> lines;
    // Why the file could not be read, as a message can say it.
    std::string error;
};

struct ReadBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
    std::string error;
};

// Splits on CR LF, LF or CR; a line end at the very end does not start another line.
std::vector<std::string> splitLines(const std::string& text);
// The whole file when it is a regular file of at most `limit` bytes that may be read.
ReadBytes readBytes(const std::string& path, std::uintmax_t limit);
ReadResult readLines(const std::string& path, std::uintmax_t limit);
// A regular file (or a link to one) is there.
bool fileExists(const std::string& path);
// Something, whatever it is, is there under that name (a dangling link too).
bool nameTaken(const std::string& path);

// Who may read a file once it is rewritten: whoever could before (a new file as the umask has
// it), or its owner alone, for a file that holds a password: created 0600 and kept without any
// permission for the group or others.
enum class FileAccess { Kept, OwnerOnly };

// Replaces the file whole: a temporary file of a name no other copy of the program uses, in the
// same folder, then a rename over the old one, so a crash or a full disk never leaves half a
// file. A file with no write permission (made read-only, or another user's) is refused, not
// replaced, also for root; an allowed rewrite keeps the file's mode and owner, and a link stays a
// link to the rewritten file. A link to nothing is refused rather than replaced by a file. On
// failure `error` says why and the file is as it was.
bool writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                      FileAccess access = FileAccess::Kept);

// The file an append is about to extend, for a format that must look at what it holds first.
struct AppendTarget {
    int fd = -1;
    // Bytes in the file before the append.
    std::uintmax_t size = 0;
    // False for a file this user may write but not read: its bytes cannot be looked at.
    bool readable = false;
};
// Returns the bytes to append to the file as it is, or false with `error` saying why nothing
// may be appended.
using AppendComposer = std::function<bool(const AppendTarget& file, std::string& text, std::string& error)>;

// Appends what `compose` makes of the file, creating it when missing. A read-only file is refused
// as a rewrite refuses it (also for root, who may write anything), a device, pipe or folder at
// once. A write that stops half-way (a full disk) is cut back to what the file held before.
bool appendComposed(const std::string& path, const AppendComposer& compose, std::string& error);

// Appends lines (each with CR LF) as appendComposed does. A file whose last line has no line end
// gets one first, so the new lines start on a line of their own.
bool appendLines(const std::string& path, const std::vector<std::string>& lines, std::string& error);

// Reads the first `size` bytes of an open file in pieces, for a composer that scans the whole
// file without holding it in memory; false with `error` set when a read fails.
bool readPieces(int fd, std::uintmax_t size, const std::function<void(const char* bytes, std::size_t count)>& take,
                std::string& error);

// An advisory lock (flock) on a folder, held while the object lives: copies of the program that
// share the folder take turns at reading and rewriting a file there. Without a lock (a folder
// that cannot be opened, a file system without locks) work goes on unlocked.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

std::string joinPath(const std::string& directory, const std::string& name);
// The last part of a path: "/usr/share/defibrio/scenarios/vf.json" -> "vf.json".
std::string fileNameOf(const std::string& path);

// Whole decimal number with an optional sign; anything else (empty, "12a", overflow) reads as 0.
int parseNumber(const std::string& text);
bool isNumber(const std::string& text);

} // namespace defib
