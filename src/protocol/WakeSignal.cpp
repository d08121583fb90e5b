#include "protocol/WakeSignal.h"

#include <cerrno>
#include <cstdint>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

WakeSignal::WakeSignal()
    : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

WakeSignal::~WakeSignal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void WakeSignal::raise()
{
    if (m_fd < 0)
        return;
    const std::uint64_t one = 1;
    // A full counter is still readable, which is all a waiter needs.
    [[maybe_unused]] const ssize_t n = ::write(m_fd, &one, sizeof one);
}

void WakeSignal::clear()
{
    if (m_fd < 0)
        return;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(m_fd, &count, sizeof count);
}

int waitAndReadReport(int fd, int wakeFd, unsigned char* data, unsigned long length)
{
    pollfd fds[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    const nfds_t count = wakeFd >= 0 ? 2 : 1;
    int rc;
    do {
        rc = ::poll(fds, count, -1);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0)
        return -1;
    if (count == 2 && (fds[1].revents & POLLIN))
        return 0;
    // Reports still queued are read before a hang-up is believed.
    if (fds[0].revents & POLLIN) {
        const ssize_t n = ::read(fd, data, length);
        if (n > 0)
            return static_cast<int>(n);
        if (n == 0) // end of file: nothing will ever come
            return -1;
        return errno == EAGAIN || errno == EINTR ? 0 : -1;
    }
    return (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) ? -1 : 0;
}
