#pragma once
// Owners of GDI objects and device contexts: each is released once, when
// its owner goes out of scope.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tessary {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};

// A brush, bitmap, region or other GDI object: GdiObject<HBRUSH> and so on.
template <typename Object>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Object>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};

// A device context made with CreateCompatibleDC.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

struct ScreenDcReleaser {
    void operator()(HDC dc) const { ::ReleaseDC(nullptr, dc); }
};

// The screen's device context, from GetDC(nullptr).
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcReleaser>;

// An object selected into a device context until the end of the scope, when
// the one it replaced is selected again.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(::SelectObject(dc, object)) {}
    ~SelectedObject() { ::SelectObject(dc_, replaced_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ replaced_;
};

}  // namespace tessary
