#pragma once
#include <string>

namespace tessary {

// Process-wide services of the platform.
class Application {
public:
    virtual ~Application() = default;
    // Let the queued window events run once, then return.
    virtual void ProcessPendingEvents() = 0;
    // End the process at once: no unload step of any window runs.
    [[noreturn]] virtual void EndProcess() = 0;
    // The folder that holds the program's own executable (no trailing separator).
    virtual std::string ProgramFolder() const = 0;
};

}  // namespace tessary
