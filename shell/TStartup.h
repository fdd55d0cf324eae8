#pragma once

#include <memory>
#include <string>

class TWindowSet;

// Starts the program in a program directory: the application title, the skin, the stand-in
// machine and every window with its lists loaded, in that order. The application object must
// exist already.
class TStartup {
public:
    explicit TStartup(const std::string& programDirectory);
    ~TStartup();

    TWindowSet& windows() const { return *windows_; }

    // Shows the Control Center and runs the event loop until the program ends; nothing is
    // written afterwards.
    int run();

private:
    std::unique_ptr<TWindowSet> windows_;
};
