#pragma once

#include <csignal>
#include <sys/resource.h>

// Limits the size of files this process may write, for the life of the object: writes past
// the limit fail as on a full disk, whoever runs the test (also with privileges that ignore
// file permissions).
class LimiteEscritura {
  public:
    explicit LimiteEscritura(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_antes);
        m_senal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_antes;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteEscritura() {
        setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_senal);
    }
    LimiteEscritura(const LimiteEscritura&) = delete;
    LimiteEscritura& operator=(const LimiteEscritura&) = delete;

  private:
    rlimit m_antes{};
    void (*m_senal)(int) = nullptr;
};
