#pragma once

#include <csignal>
#include <sys/resource.h>

// The process's file-size limit lowered to `bytes` while this lives: a
// write beyond it fails (EFBIG), which permissions cannot make a write do
// for root, instead of the signal stopping the tests.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_got = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = m_saved;
        small.rlim_cur = bytes;
        m_set = m_got && setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    ~FileSizeLimit()
    {
        if (m_got)
            setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    // Whether the limit was lowered.
    bool set() const { return m_set; }

private:
    struct rlimit m_saved {};
    void (*m_signal)(int) = SIG_DFL;
    bool m_got = false;
    bool m_set = false;
};
