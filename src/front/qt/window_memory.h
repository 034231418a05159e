#pragma once
// A window's pixel memory, mapped ahead of its first paint: a new window's
// memory comes from the system page by page as the first paint writes to
// it, which costs a large window a millisecond or more. Mapped on a thread
// of its own while the program goes on building its windows, it is there by
// the time the first paint needs it.

#include <thread>

class QWidget;

namespace tessary {

class WindowMemory {
public:
    WindowMemory() = default;
    ~WindowMemory() { Wait(); }
    WindowMemory(const WindowMemory&) = delete;
    WindowMemory& operator=(const WindowMemory&) = delete;

    // Gives the shown window its memory at its present size and starts
    // mapping it. Nothing is done where the window has no memory of its own
    // (a window inside another) or the system cannot map memory ahead.
    void Prepare(QWidget& window);
    // Returns once the mapping is over (at once when it is). The window's
    // memory must not be given up before: call it before the window is
    // resized or painted.
    void Wait();

private:
    std::thread mapping_;
};

}  // namespace tessary
