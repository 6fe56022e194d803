#pragma once

// While a FileSizeLimit lives, no file of this process may grow past the given size: writing
// past it fails with EFBIG, the way a full disk makes a write fail part way with ENOSPC.

#include <csignal>
#include <sys/resource.h>

namespace mirune::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_ok = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool ok() const { return m_ok; }

  private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace mirune::test
