#include "win/readiness_ring.h"

#include <poll.h>

namespace zrxhost::watch {

namespace {

// A poll that stays armed posts at most a few completions between two looks.
constexpr unsigned kRingEntries = 8;

}  // namespace

bool ReadinessRing::follow(int fd)
{
    stop();
    if (fd < 0) return false;
    io_uring_params params{};
    // Completions are left for the process's next pass through the kernel; the flag in the
    // shared ring says at once that one is owed.
    params.flags = IORING_SETUP_COOP_TASKRUN | IORING_SETUP_TASKRUN_FLAG;
    if (io_uring_queue_init_params(kRingEntries, &m_ring, &params) < 0) return false;
    m_on = true;
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
    io_uring_prep_poll_multishot(sqe, m_fd, POLLIN);
    m_armed = io_uring_submit(&m_ring) == 1;
    return m_armed;
}

bool ReadinessRing::maybeReadable() const
{
    if (!m_on || !m_armed) return true;
    const unsigned flags = IO_URING_READ_ONCE(*m_ring.sq.kflags);
    if ((flags & (IORING_SQ_TASKRUN | IORING_SQ_CQ_OVERFLOW)) != 0) return true;
    return io_uring_cq_ready(&m_ring) > 0;
}

void ReadinessRing::take()
{
    if (!m_on) return;
    // Completions held back for a full ring come in first.
    if ((IO_URING_READ_ONCE(*m_ring.sq.kflags) & IORING_SQ_CQ_OVERFLOW) != 0) io_uring_get_events(&m_ring);
    unsigned head = 0;
    unsigned seen = 0;
    io_uring_cqe* cqe = nullptr;
    io_uring_for_each_cqe(&m_ring, head, cqe)
    {
        // The poll ended (an error, or the kernel gave up on it): it is armed again below.
        if ((cqe->flags & IORING_CQE_F_MORE) == 0) m_armed = false;
        ++seen;
    }
    io_uring_cq_advance(&m_ring, seen);
    if (!m_armed && !arm()) stop();
}

}  // namespace zrxhost::watch
