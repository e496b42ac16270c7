#pragma once
// One open file descriptor and its single owner, which closes it when it goes:
// the locked data file, a temporary copy, a folder to sync. Moving hands it on;
// gibAb() hands it on without closing.
#include <unistd.h>
#include <utility>

class Deskriptor {
public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : m_fd(fd) {}
    Deskriptor(Deskriptor&& d) noexcept : m_fd(d.gibAb()) {}
    Deskriptor& operator=(Deskriptor&& d) noexcept
    {
        if (this != &d) {
            schliesse();
            m_fd = d.gibAb();
        }
        return *this;
    }
    ~Deskriptor() { schliesse(); }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;

    int fd() const { return m_fd; }
    bool offen() const { return m_fd >= 0; }
    int gibAb() { return std::exchange(m_fd, -1); }
    void schliesse()
    {
        if (m_fd >= 0)
            ::close(gibAb());
    }

private:
    int m_fd = -1;
};
