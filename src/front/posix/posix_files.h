#pragma once
// File operations and whole-file text access on a POSIX file system.

#include "platform/files.h"

namespace tessary {

class PosixFiles : public Files, public TextFiles {
public:
    void Copy(const std::string& from, const std::string& to) override;
    void Delete(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
    // O_CREAT|O_EXCL|O_NOFOLLOW: never over or through anything at the
    // path; the bytes are flushed (fsync) before the file is closed.
    std::unique_ptr<NewFile> CreateNewFile(const std::string& path) override;
    void RemoveFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) const override;
    bool FileExists(const std::string& path) const override;
    bool NameTaken(const std::string& path) const override;
    // There is no desktop trash without a desktop toolkit: always fails. The
    // front that has one wraps these files and moves to its trash itself.
    std::string MoveToTrash(const std::string& path) override;
    void Move(const std::string& from, const std::string& to) override;
    FileStamp Stamp(const std::string& path) const override;
    void RemoveTemporaryFiles(const std::string& folder) override;
    // A file ".tessary-journal-<process>-<n>", locked (flock) while open.
    // While one is open, SIGTERM, SIGINT and SIGHUP wait for its end.
    std::unique_ptr<Journal> StartJournal(const std::string& folder) override;
    std::vector<AbandonedJournal> AbandonedJournals(const std::string& folder) override;
    std::vector<std::string> NamesIn(const std::string& folder) const override;
    // Equal once both are in Unicode normal form C (GLib's normaliser); a
    // name that is not UTF-8 is alike only to its own bytes.
    bool LookAlike(std::string_view a, std::string_view b) const override;

    std::string ReadStart(const std::string& path, std::size_t maxBytes) override;
    void WriteWhole(const std::string& path, const std::string& bytes) override;
};

}  // namespace tessary
