#pragma once

#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <grp.h>

namespace defib::testing {

// The user and group an ordinary user's files get when the tests run as root: nobody, nogroup.
inline constexpr uid_t ordinaryUid = 65534;
inline constexpr gid_t ordinaryGid = 65534;

// Runs `work` in a child process as an ordinary user: nobody when the tests run as root, the
// user running them otherwise. Returns what `work` returned (0 for success), or 100 and more when
// the child could not become that user or did not end by itself. `work` must not use the test
// framework's assertions; it reports by its result.
inline int asOrdinaryUser(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(ordinaryGid) != 0 || ::setuid(ordinaryUid) != 0))
            ::_exit(100);
        ::_exit(work());
    }
    if (child < 0)
        return 101;
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return 102;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 103;
}

// Gives a file or folder to the ordinary user of asOrdinaryUser when the tests run as root.
inline void giveToOrdinaryUser(const std::string& path)
{
    if (::geteuid() == 0)
        (void)!::lchown(path.c_str(), ordinaryUid, ordinaryGid);
}

} // namespace defib::testing
