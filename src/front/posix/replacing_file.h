#pragma once
// A new file that takes a target path in one step: the bytes go to a hidden
// temporary file in the target's folder, and Commit flushes it and renames it
// to the target. Without Commit the temporary file is removed. The file is
// locked (flock) while it is written, so that another program tidying the
// folder knows it is in use.

#include <sys/types.h>

#include <string>

#include "front/posix/file_descriptor.h"

namespace tessary {

class ReplacingFile {
public:
    // Fails (RuntimeFailure) when no file can be made in the target's folder.
    explicit ReplacingFile(std::string target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Writes all the bytes, going on after short writes and interruptions.
    void WriteAll(const char* data, std::size_t size);
    enum class Existing { Replace, Keep };
    // Gives the file these permissions, flushes it and puts it in place:
    // over a file already at the target, or, with Existing::Keep, only when
    // the target is free (else it fails and the temporary file goes).
    void Commit(mode_t mode, Existing existing);

private:
    std::string target_;
    std::string folder_;
    std::string temporary_;
    FileDescriptor fd_;
    bool committed_ = false;
};

// Renames from to to in one step, never replacing a file at to: 0, or the
// errno of the failure (EEXIST when to is taken).
int RenameWithoutReplacing(const std::string& from, const std::string& to);

// Writes all the bytes to the open file at path, going on after short
// writes and interruptions.
void WriteAllTo(int fd, const char* data, std::size_t size, const std::string& path);

// True for the names ReplacingFile gives its temporary files.
bool IsTemporaryName(const std::string& name);

// The folder part of a path ("." for a bare name, "/" for "/name").
std::string FolderOfPosixPath(const std::string& path);

}  // namespace tessary
