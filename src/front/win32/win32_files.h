#pragma once
// File operations and the 8-bit text files on the Windows API. Paths are
// UTF-8 and reach the system as UTF-16 long paths, so every name works.
// Text files hold text in the system's ANSI code page; a text that the code
// page cannot hold exactly is written as UTF-8 after a byte order mark.

#include <windows.h>

#include "platform/files.h"

namespace tessary {

// True while the process of that id runs (never for this process or id 0).
bool ProcessRuns(DWORD process);

class Win32Files : public Files, public TextFiles {
public:
    void Copy(const std::string& from, const std::string& to) override;
    void Delete(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
    // CREATE_NEW, never over anything at the path; FlushFileBuffers before
    // the file is closed. A file not finished is deleted through its own
    // handle, so only this very file goes.
    std::unique_ptr<NewFile> CreateNewFile(const std::string& path) override;
    // A folder, not a junction or other reparse point.
    void RemoveFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) const override;
    bool FileExists(const std::string& path) const override;
    bool NameTaken(const std::string& path) const override;
    // GetFullPathNameW's reading of the path.
    std::string SystemPath(const std::string& path) const override;
    // Same volume only; never replaces a file already there.
    void Move(const std::string& from, const std::string& to) override;
    // Always fails: the Recycle Bin deletes for good on drives without one and
    // still reports success, so a replaced map is kept in "Replaced Maps".
    std::string MoveToTrash(const std::string& path) override;
    FileStamp Stamp(const std::string& path) const override;
    void RemoveTemporaryFiles(const std::string& folder) override;
    // A hidden file ".tessary-journal-<process>-<n>", open without write
    // sharing while its program runs.
    std::unique_ptr<Journal> StartJournal(const std::string& folder) override;
    std::vector<AbandonedJournal> AbandonedJournals(const std::string& folder) override;
    std::vector<std::string> NamesIn(const std::string& folder) const override;
    // Equal without regard to letter case, as Windows compares file names.
    // Unicode forms are left as they are: Windows keeps such names apart.
    bool LookAlike(std::string_view a, std::string_view b) const override;

    // The file's first bytes as UTF-8: after a UTF-8 byte order mark (which
    // is not part of the text), or when they are valid UTF-8, they are taken
    // as they are, else they are read as ANSI text. Fails when they are not
    // valid text of that kind.
    std::string ReadStart(const std::string& path, std::size_t maxBytes) override;
    // Writes UTF-8 text as ANSI text, or, when the code page cannot hold it
    // exactly or its ANSI bytes would read as UTF-8, as UTF-8 after a byte
    // order mark; either reads back as the very same text. Fails, writing
    // nothing, on bytes that are not UTF-8.
    void WriteWhole(const std::string& path, const std::string& bytes) override;
};

}  // namespace tessary
