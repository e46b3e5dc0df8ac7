#include "options/deadline.h"

#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace defib {

Deadline::Deadline()
    : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
}

Deadline::~Deadline()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void Deadline::restart(long milliseconds)
{
    passed_ = false;
    if (fd_ < 0)
        return;
    if (milliseconds < 1)
        milliseconds = 1;
    itimerspec when{};
    when.it_value.tv_sec = milliseconds / 1000;
    when.it_value.tv_nsec = (milliseconds % 1000) * 1000000L;
    timerfd_settime(fd_, 0, &when, nullptr);
}

bool Deadline::passed()
{
    if (passed_ || fd_ < 0)
        return passed_;
    std::uint64_t expirations = 0;
    passed_ = ::read(fd_, &expirations, sizeof expirations) == static_cast<ssize_t>(sizeof expirations);
    return passed_;
}

} // namespace defib
