#pragma once

#include "cycle/ModuleParameters.h"

#include <cstddef>

// What cycling one list from its stored settings did, or, in a dry run, would do.
struct StoredCycle {
    enum class Outcome {
        Disabled, // the stored switch code leaves the panel's enable switch unticked
        EmptyList,
        Skipped, // the apply step's `prepare` declined (a missing registry key, for instance)
        Applied,
    };
    Outcome outcome = Outcome::Disabled;
    AppliedEntry entry;
    std::size_t count = 0;
    std::size_t next = 0; // in a dry run with random cycling, 0: the draw is not made
    bool random = false;
};
