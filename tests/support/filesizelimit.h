#pragma once

// A real failing write: while a FileSizeLimit is alive, files this process writes may not grow
// past the given size, and a write beyond fails with EFBIG instead of raising SIGXFSZ. File
// permissions cannot give that to a test run as root. Windows has no such limit: `supported` is
// false there, and the tests that need it skip.
#include <cstdint>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace vestor::test {

class FileSizeLimit {
public:
#ifdef _WIN32
    static constexpr bool supported = false;
    explicit FileSizeLimit(std::uint64_t) {}
    bool ok() const { return false; }
#else
    static constexpr bool supported = true;
    explicit FileSizeLimit(std::uint64_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
#endif
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};

}  // namespace vestor::test
