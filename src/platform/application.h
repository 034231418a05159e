#pragma once
#include <cstdlib>
#include <string>

namespace tessary {

// Process-wide services of the platform.
class Application {
public:
    virtual ~Application() = default;
    // Let the queued window events run once, then return.
    virtual void ProcessPendingEvents() = 0;
    // End the process at once: no unload step of any window runs. The exit
    // status is 0 for a normal end.
    [[noreturn]] void EndProcess() {
        EndProcessWithStatus(0);
        std::abort();  // not reached
    }
    // The same with the given exit status; any other than 0 tells whoever
    // started the program that it could not do its job.
    [[noreturn]] virtual void EndProcessWithStatus(int status) = 0;
    // The folder that holds the program's own executable (no trailing separator).
    virtual std::string ProgramFolder() const = 0;
    // This user's own folder for the program's cached files, for when the
    // program's folder is no place for them (it cannot be written, or the
    // program is installed for every user): "" when they are kept beside the
    // program. The folder, and its parent, may not exist yet.
    virtual std::string UserCacheFolder() const = 0;
    // True for a program installed for every user of the machine: nothing
    // beside it is read as its cache, whoever runs it.
    virtual bool InstalledForAllUsers() const { return false; }
};

}  // namespace tessary
