#pragma once

// File permissions as a student meets them: while an AsOrdinaryUser is alive, a test run as root
// (CI's) acts as the user nobody, whom a read-only folder stops; root ignores permissions. Other
// users are ordinary already. Windows has no such switch: `supported` is false there.
#ifndef _WIN32
#include <unistd.h>
#endif

namespace vestor::test {

class AsOrdinaryUser {
public:
#ifdef _WIN32
    static constexpr bool supported = false;
    bool ok() const { return false; }
#else
    static constexpr bool supported = true;
    AsOrdinaryUser()
    {
        if (m_wasRoot)
            // Real and effective ids both, as a student's program has them: Qt asks the real
            // one whether a file may be written. Root stays the saved id, to come back to.
            m_ok = setresgid(kNobody, kNobody, 0) == 0 && setresuid(kNobody, kNobody, 0) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (m_wasRoot && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
            _exit(3);
    }
    bool ok() const { return m_ok; }

private:
    static constexpr int kNobody = 65534;
    bool m_wasRoot = geteuid() == 0;
    bool m_ok = true;
#endif
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
};

}  // namespace vestor::test
