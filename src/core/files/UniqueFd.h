#pragma once
// Owns a POSIX file descriptor and closes it when it goes.

#include <unistd.h>
#include <utility>

namespace Files {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd)
        : m_fd(fd)
    {
    }
    ~UniqueFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    UniqueFd(UniqueFd&& other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {
    }
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            if (m_fd >= 0)
                ::close(m_fd);
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

    // Closes now and gives close's own result (0, or -1 with errno set): a write can fail only here.
    int close()
    {
        const int fd = std::exchange(m_fd, -1);
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int m_fd = -1;
};

} // namespace Files
