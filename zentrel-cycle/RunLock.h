#pragma once

#include <string>

// An advisory lock on a file, held from construction to destruction, so that two runs on the same
// program folder (a double login) take their turns instead of interleaving their writes. The file
// itself stays: removing it would let a third run lock a new file while the second holds the old.
class RunLock {
public:
    enum class Wait { UntilFree, No };

    // Throws "Cannot create file %s" when the lock file can't be opened or created.
    RunLock(const std::string& path, Wait wait = Wait::UntilFree);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // False only with Wait::No when another run holds the lock.
    bool held() const { return m_held; }

private:
    int m_descriptor = -1;
    bool m_held = false;
};
