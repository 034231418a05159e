#pragma once

namespace tessary {

enum class PointerShape { Default, Busy };

// The application-wide mouse pointer: it stays as set until set again.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void Set(PointerShape shape) = 0;
};

}  // namespace tessary
