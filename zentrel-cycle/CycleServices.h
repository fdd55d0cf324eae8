#pragma once

#include <memory>
#include <string>

class LineFiles;
class RandomSource;
class Registry;
class System;

// What the modules' apply steps reach when the lists are cycled without a window.
struct CycleServices {
    std::string programDirectory; // ends in "/"
    std::shared_ptr<Registry> registry;
    std::shared_ptr<LineFiles> files;
    std::shared_ptr<System> system;
    std::shared_ptr<RandomSource> random; // null: the clock-seeded source
};
