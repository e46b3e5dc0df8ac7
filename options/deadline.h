#pragma once

namespace defib {

// How long the upload may wait for a server: a kernel timer that poll() can wait on beside the
// socket. Waiting for a network peer is real time whatever clock a scenario runs on, as it is
// for the network library's own time-outs; nothing here reads the time of day.
class Deadline {
public:
    Deadline();
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

    // False when the system gave no timer.
    bool valid() const { return fd_ >= 0; }
    // Passes `milliseconds` from now; a restart forgets an earlier pass.
    void restart(long milliseconds);
    bool passed();
    // Readable once the deadline has passed.
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    bool passed_ = false;
};

} // namespace defib
