#pragma once

#include <csignal>
#include <sys/resource.h>

// While one exists, no file of this process can grow past a few bytes: a write fails part-way, as
// on a full disk, also for root. The signal such a write raises is ignored, so that the write
// returns an error instead of ending the process.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit lowered{16, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};
