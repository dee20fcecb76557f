#include "win/readiness_ring.h"

#include <poll.h>

namespace zrxhost::watch {

namespace {

// One poll at a time: its completion is the only entry the queue ever holds.
constexpr unsigned kRingEntries = 2;

}  // namespace

bool ReadinessRing::follow(int fd)
{
    stop();
    if (fd < 0) return false;
    io_uring_params params{};
    // The poll's work waits in the ring until this thread asks for it, and the flag in the
    // shared ring says at once that some is waiting.
    params.flags = IORING_SETUP_SINGLE_ISSUER | IORING_SETUP_DEFER_TASKRUN | IORING_SETUP_TASKRUN_FLAG;
    if (io_uring_queue_init_params(kRingEntries, &m_ring, &params) < 0) return false;
    m_on = true;
    m_owner = pthread_self();
    m_fd = fd;
    if (!arm()) {
        stop();
        return false;
    }
    return true;
}

void ReadinessRing::stop()
{
    if (!m_on) return;
    io_uring_queue_exit(&m_ring);
    m_ring = io_uring{};
    m_on = false;
    m_armed = false;
    m_fd = -1;
}

bool ReadinessRing::arm()
{
    io_uring_sqe* sqe = io_uring_get_sqe(&m_ring);
    if (sqe == nullptr) return false;
    io_uring_prep_poll_add(sqe, m_fd, POLLIN);
    m_armed = io_uring_submit(&m_ring) == 1;
    return m_armed;
}

bool ReadinessRing::maybeReadable() const
{
    if (!mine() || !m_armed) return true;
    const unsigned flags = IO_URING_READ_ONCE(*m_ring.sq.kflags);
    if ((flags & (IORING_SQ_TASKRUN | IORING_SQ_CQ_OVERFLOW)) != 0) return true;
    return io_uring_cq_ready(&m_ring) > 0;
}

void ReadinessRing::takeNotices()
{
    if (!mine()) return;
    // Runs the poll's waiting work: a poll that sees the descriptor readable completes.
    if ((IO_URING_READ_ONCE(*m_ring.sq.kflags) & (IORING_SQ_TASKRUN | IORING_SQ_CQ_OVERFLOW)) != 0) {
        io_uring_get_events(&m_ring);
    }
    unsigned head = 0;
    unsigned seen = 0;
    io_uring_cqe* cqe = nullptr;
    io_uring_for_each_cqe(&m_ring, head, cqe)
    {
        // Readable, or the poll failed: either way it is over.
        m_armed = false;
        ++seen;
    }
    io_uring_cq_advance(&m_ring, seen);
}

void ReadinessRing::rearm()
{
    // A poll armed on a descriptor that is readable already completes at once, so nothing
    // that arrived since the read is lost.
    if (mine() && !m_armed && !arm()) stop();
}

}  // namespace zrxhost::watch
