// Whether a descriptor may have become readable, told without a system call: the kernel
// marks a ring shared with the process (io_uring, a poll on the descriptor) at the moment it
// wakes the descriptor's readers, before the call that caused the wake-up returns. Looking
// at an idle queue then costs a few loads instead of a read that finds nothing. Where the
// kernel offers no ring, and on any thread but the one that made it, every question
// answers "maybe".
//
// The ring defers the poll's work to the ring itself (DEFER_TASKRUN): the mark is the
// ring's own, set when the first piece of work for it arrives, whatever other rings the
// thread uses. One poll at a time, armed again after each look that found it ended, so
// the completion queue never holds more than one entry.
#pragma once

#include <liburing.h>
#include <pthread.h>

namespace zrxhost::watch {

class ReadinessRing {
public:
    ReadinessRing() = default;
    ~ReadinessRing() { stop(); }
    ReadinessRing(const ReadinessRing&) = delete;
    ReadinessRing& operator=(const ReadinessRing&) = delete;

    // Follows fd from now on, for the calling thread; false when the kernel refuses
    // (questions then answer "maybe").
    bool follow(int fd);
    // Lets go of the ring. In a child process after fork the ring is the parent's: only the
    // child's mapping and descriptor go.
    void stop();
    bool following() const { return m_on; }

    // False only when nothing may have arrived since the last look.
    bool maybeReadable() const;
    // A look at the descriptor: takeNotices() before it is read until empty, rearm() after.
    // What arrives after takeNotices() marks the ring again, or is found by the read.
    void takeNotices();
    void rearm();

private:
    bool arm();
    bool mine() const { return m_on && pthread_equal(pthread_self(), m_owner) != 0; }

    io_uring m_ring{};
    pthread_t m_owner{};
    int m_fd = -1;
    bool m_on = false;
    bool m_armed = false;
};

}  // namespace zrxhost::watch
