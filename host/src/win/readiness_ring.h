// Whether a descriptor may have become readable, told without a system call: the kernel
// marks a ring shared with the process (io_uring, a multishot poll on the descriptor) at
// the moment it wakes the descriptor's readers, before the call that caused the wake-up
// returns. Looking at an idle queue then costs a few loads instead of a read that finds
// nothing. Where the kernel offers no ring, every question answers "maybe".
#pragma once

#include <liburing.h>

namespace zrxhost::watch {

class ReadinessRing {
public:
    ReadinessRing() = default;
    ~ReadinessRing() { stop(); }
    ReadinessRing(const ReadinessRing&) = delete;
    ReadinessRing& operator=(const ReadinessRing&) = delete;

    // Follows fd from now on; false when the kernel refuses (questions then answer "maybe").
    bool follow(int fd);
    // Lets go of the ring. In a child process after fork the ring is the parent's: only the
    // child's mapping and descriptor go.
    void stop();
    bool following() const { return m_on; }

    // False only when nothing may have arrived since the last take().
    bool maybeReadable() const;
    // Takes every notice so far. Called before the descriptor is read until empty: a
    // notice for what arrives after this call stays for the next question.
    void take();

private:
    bool arm();

    io_uring m_ring{};
    int m_fd = -1;
    bool m_on = false;
    bool m_armed = false;
};

}  // namespace zrxhost::watch
