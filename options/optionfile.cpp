#include "options/optionfile.h"

#include "options/filetexts.h"

namespace defib {

OptionFileRead readOptionFile(const std::string& directory, const std::string& fileName, const Catalogue& texts)
{
    OptionFileRead result;
    ReadBytes read = readBytes(joinPath(directory, fileName), largestOptionFile);
    switch (read.status) {
    case ReadStatus::Missing:
        return result;
    case ReadStatus::Ok:
        break;
    case ReadStatus::NotAFile:
    case ReadStatus::TooLarge:
        result.problem = tx(texts, "cannot be used: {1}", {texts.text(read.error)});
        return result;
    case ReadStatus::Unreadable:
        result.problem = tx(texts, "exists but cannot be read ({1})", {texts.text(read.error)});
        return result;
    }
    std::string& bytes = read.bytes;
    // Editors that add a mark may add it again in front of one already there.
    std::size_t marks = 0;
    while (bytes.compare(marks, 3, "\xEF\xBB\xBF") == 0)
        marks += 3;
    bytes.erase(0, marks);
    result.found = true;
    result.lines = splitLines(bytes);
    return result;
}

std::string optionFileProblem(const std::string& fileName, const std::string& problem, const std::string& what,
                              const Catalogue& texts)
{
    // One whole sentence for each kind of options, so that a translation need not join pieces.
    const char* sentence = nullptr;
    if (what == "default program")
        sentence = TX("The option file {1} {2}. The default program options are used instead of what it could not "
                      "give.");
    else if (what == "default protocol")
        sentence = TX("The option file {1} {2}. The default protocol options are used instead of what it could not "
                      "give.");
    else if (what == "default send")
        sentence = TX("The option file {1} {2}. The default send options are used instead of what it could not "
                      "give.");
    if (sentence)
        return tx(texts, sentence, {fileName, problem});
    return "The option file " + fileName + " " + problem + ". The " + what
        + " options are used instead of what it could not give.";
}

bool writeOptionFile(const std::string& directory, const std::string& fileName, const std::vector<std::string>& lines,
                     std::string& error, FileAccess access)
{
    const FolderLock lock(directory);
    return writeLinesAtomic(joinPath(directory, fileName), lines, error, access);
}

} // namespace defib
