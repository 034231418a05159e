#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// Which file a path names and how it stood: two stamps of a path are equal
// only when it named the very same file, unchanged in between.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    bool operator==(const FileStamp&) const = default;
};

// The record a transfer keeps of itself while it runs: a small hidden file of
// this program's own in a maps folder, each line on the disk before Append
// returns. While it is open no other program counts it as abandoned, and the
// program is not ended by a request to quit (it ends once the record is
// finished).
class Journal {
public:
    virtual ~Journal() = default;
    // Adds one line (no line break inside) and flushes it to the disk.
    virtual void Append(const std::string& line) = 0;
    // The transfer is over: the record goes.
    virtual void Finish() = 0;
};

// A record left behind by a transfer that was cut off (its program is gone).
struct AbandonedJournal {
    std::string path;
    std::string text;
};

// A new file being written (Files::CreateNewFile). Every failure is a
// RuntimeFailure; a file that is gone without Finish is removed, as a file
// cut short is no file.
class NewFile {
public:
    virtual ~NewFile() = default;
    // Writes all the bytes at the end of the file.
    virtual void Write(const char* data, std::size_t size) = 0;
    // Flushes the bytes to the disk and closes the file, which stays.
    virtual void Finish() = 0;
};

// File operations. Every failure is a RuntimeFailure.
class Files {
public:
    virtual ~Files() = default;
    // Copy a file to a new full path; fails when a file of that name is
    // already there, and never replaces it. The destination is either the
    // complete copy or not there: the bytes go to a new file in the
    // destination folder, are flushed, and then take the name in one step.
    // Copying a file onto itself fails, and so does a copy whose source
    // changed while it was read.
    virtual void Copy(const std::string& from, const std::string& to) = 0;
    // Delete a file; fails when it does not exist.
    virtual void Delete(const std::string& path) = 0;
    // Create a folder; fails when its parent does not exist.
    virtual void CreateFolder(const std::string& path) = 0;
    // Creates a new, empty file at the full path for the caller to write.
    // Fails when anything at all stands at the path (a file, a folder, a
    // link even one that leads nowhere): nothing there is replaced or
    // followed.
    virtual std::unique_ptr<NewFile> CreateNewFile(const std::string& path) = 0;
    // Removes an empty folder; fails when it holds anything, or is a link or
    // no folder at all.
    virtual void RemoveFolder(const std::string& path) = 0;
    // True when a folder itself, not a link to one, is at the path.
    virtual bool FolderExists(const std::string& path) const = 0;
    // True when a file (not a folder) exists at the path.
    virtual bool FileExists(const std::string& path) const = 0;
    // True when anything at all stands at the path: a file, a folder, a
    // link (even one that leads nowhere) or any other entry.
    virtual bool NameTaken(const std::string& path) const = 0;
    // Move a file into the desktop's trash, from where the user can put it
    // back; fails when the trash cannot take it (none on that file system).
    // Returns the file's path inside the trash, or "" when the trash does
    // not tell.
    virtual std::string MoveToTrash(const std::string& path) = 0;
    // The path as every call of the file system reads it. Windows makes it
    // full and drops the blanks and dots that end its last name (so
    // "C:\Maps. " is "C:\Maps"); elsewhere it stays as it is. Fails when it
    // is no path at all.
    virtual std::string SystemPath(const std::string& path) const { return path; }
    // Give a file (or a link, itself) a new full path on the same file
    // system in one step. Fails when anything of the new name is already
    // there (never replaces it) and when the two paths are on different file
    // systems.
    virtual void Move(const std::string& from, const std::string& to) = 0;
    // The stamp of the file at path (of a link, the link itself); fails when
    // there is none.
    virtual FileStamp Stamp(const std::string& path) const = 0;
    // Puts a file that MoveToTrash put at inTrash back at path (never
    // replacing a file there), and clears the trash's record of it.
    virtual void RestoreFromTrash(const std::string& inTrash, const std::string& path) {
        Move(inTrash, path);
    }
    // Removes what an interrupted copy left in the folder: only files of
    // this program's own temporary names that no running program is still
    // writing, never anything else.
    virtual void RemoveTemporaryFiles(const std::string& folder) = 0;
    // Starts a new journal in the folder (see Journal).
    virtual std::unique_ptr<Journal> StartJournal(const std::string& folder) = 0;
    // The journals in the folder whose programs are gone; delete one with
    // Delete once it has been dealt with.
    virtual std::vector<AbandonedJournal> AbandonedJournals(const std::string& folder) = 0;
    // The names of the entries directly in the folder, as the file system
    // spells them; fails when the folder cannot be read.
    virtual std::vector<std::string> NamesIn(const std::string& folder) const = 0;
    // True when the two names, as a player reads them, are one name: the
    // same bytes, or on Linux the same text in another Unicode form ("e"
    // with a combining accent for an accented "e"), on Windows the same but
    // for letter case, as Windows compares names.
    virtual bool LookAlike(std::string_view a, std::string_view b) const { return a == b; }
    // Where MoveToTrash put the file that stood at path with this stamp;
    // "" when it is not found in the trash.
    virtual std::string FindInTrash(const std::string& /*path*/, const FileStamp& /*stamp*/) const {
        return {};
    }
};

// Whole-file text access for small files such as the location cache.
class TextFiles {
public:
    virtual ~TextFiles() = default;
    // Read at most maxBytes from the start of the file; fails when it cannot be opened.
    virtual std::string ReadStart(const std::string& path, std::size_t maxBytes) = 0;
    // Replace the file with exactly these bytes, whole or not at all.
    virtual void WriteWhole(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace tessary
