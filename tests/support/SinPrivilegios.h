#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// For the life of the object, file permissions bind the calling thread even when the tests
// run as an administrator: the capabilities that override them leave the thread's effective
// set (they stay permitted and come back on the way out). A read-only file then refuses
// writes and a read-only folder refuses new files, as for any user.
class SinPrivilegios {
  public:
    SinPrivilegios() {
        if (syscall(SYS_capget, &m_cabecera, m_antes) != 0)
            return;
        __user_cap_data_struct sin[2] = {m_antes[0], m_antes[1]};
        for (unsigned c : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            sin[c / 32].effective &= ~(1u << (c % 32));
        m_activo = syscall(SYS_capset, &m_cabecera, sin) == 0;
    }
    ~SinPrivilegios() {
        if (m_activo)
            syscall(SYS_capset, &m_cabecera, m_antes);
    }
    SinPrivilegios(const SinPrivilegios&) = delete;
    SinPrivilegios& operator=(const SinPrivilegios&) = delete;

  private:
    __user_cap_header_struct m_cabecera{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_antes[2]{};
    bool m_activo = false;
};
