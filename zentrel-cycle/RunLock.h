#pragma once

#include <cstdint>
#include <string>

// An advisory lock on the program folder itself, held from construction to destruction, so that two
// runs on the same folder (a double login) take their turns instead of interleaving their writes.
// No file is made for it: a folder in which no file may be created can still be locked, and its
// writable files still written in place.
class RunLock {
public:
    enum class Wait { UntilFree, No };

    // Throws "Cannot lock the folder %s" when the folder can't be opened or locked.
    explicit RunLock(const std::string& folder, Wait wait = Wait::UntilFree);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // False only with Wait::No when another run holds the lock.
    bool held() const { return m_held; }

private:
    std::intptr_t m_handle = -1; // the folder's descriptor, or the Windows mutex
    bool m_held = false;
};
