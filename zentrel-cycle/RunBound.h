#pragma once

// A time bound on the part of a run that holds the run lock: a file that never answers (a
// network folder that hangs, say) must not keep the next login waiting for good. When the bound
// passes, the process says so on standard error and ends with exit status 1; the lock goes with
// it. Files are replaced whole or not at all, so an end at any moment leaves each one whole.
class RunBound {
public:
    explicit RunBound(unsigned seconds);
    ~RunBound();
    RunBound(const RunBound&) = delete;
    RunBound& operator=(const RunBound&) = delete;
};
