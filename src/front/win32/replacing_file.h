#pragma once
// A new file that takes a target path in one step: the bytes go to a
// temporary file in the target's folder (named after this process, and open
// without sharing while it is written), and Commit flushes it to the disk and
// moves it to the target (MoveFileExW, write-through). Without Commit the
// temporary file is removed and the target is untouched.

#include <string>

#include "front/win32/handle.h"

namespace tessary {

// True for the names Win32ReplacingFile gives its temporary files.
bool IsTemporaryName(const std::wstring& name);
// The process that wrote a temporary file of that name (0 when none).
DWORD TemporaryFileOwner(const std::wstring& name);

class Win32ReplacingFile {
public:
    // Fails (RuntimeFailure) when no file can be made in the target's folder.
    explicit Win32ReplacingFile(std::string target);
    ~Win32ReplacingFile();
    Win32ReplacingFile(const Win32ReplacingFile&) = delete;
    Win32ReplacingFile& operator=(const Win32ReplacingFile&) = delete;

    void WriteAll(const char* data, std::size_t size);
    enum class Existing { Replace, Keep };
    // Puts the file in place: over a file already at the target, or, with
    // Existing::Keep, only when the target is free (else it fails).
    void Commit(Existing existing);

private:
    // Fails when the target is a read-only file.
    void RefuseReadOnlyTarget() const;

    std::string target_;
    std::wstring targetLong_;
    std::wstring temporary_;
    Handle file_;
    bool committed_ = false;
};

}  // namespace tessary
