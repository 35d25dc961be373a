#pragma once

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

// Limits the size of files this process may write, for the life of the object: writes past
// the limit fail as on a full disk, whoever runs the test (also with privileges that ignore
// file permissions). What the test prints meanwhile (failures, warnings) waits in a pipe and
// reaches the log once the limit is lifted: a log file already past the limit would refuse it.
class LimiteEscritura {
  public:
    explicit LimiteEscritura(rlim_t bytes) {
        for (int fd : {1, 2}) {
            std::fflush(fd == 1 ? stdout : stderr);
            int tubo[2];
            if (pipe2(tubo, O_NONBLOCK) != 0)
                continue;
            fcntl(tubo[1], F_SETPIPE_SZ, 1 << 20);
            m_salida[fd - 1] = {dup(fd), tubo[0]};
            dup2(tubo[1], fd);
            close(tubo[1]);
        }
        getrlimit(RLIMIT_FSIZE, &m_antes);
        m_senal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_antes;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteEscritura() {
        setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_senal);
        for (int fd : {1, 2}) {
            const auto [original, tubo] = m_salida[fd - 1];
            if (original < 0)
                continue;
            std::fflush(fd == 1 ? stdout : stderr);
            dup2(original, fd);
            close(original);
            char buf[4096];
            for (ssize_t n; (n = read(tubo, buf, sizeof buf)) > 0 && write(fd, buf, size_t(n)) == n;) {
            }
            close(tubo);
        }
    }
    LimiteEscritura(const LimiteEscritura&) = delete;
    LimiteEscritura& operator=(const LimiteEscritura&) = delete;

  private:
    rlimit m_antes{};
    void (*m_senal)(int) = nullptr;
    std::pair<int, int> m_salida[2] = {{-1, -1}, {-1, -1}}; // saved output, pipe's read end
};
