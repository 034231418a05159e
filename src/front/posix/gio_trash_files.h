#pragma once
// File operations with the desktop's trash: GLib's freedesktop trash (the
// home trash, or the trash at the top of another file system) over another
// Files, which does everything else.

#include "platform/files.h"

namespace tessary {

class GioTrashFiles : public Files {
public:
    explicit GioTrashFiles(Files& inner) : inner_(inner) {}

    void Copy(const std::string& from, const std::string& to) override { inner_.Copy(from, to); }
    void Delete(const std::string& path) override { inner_.Delete(path); }
    void CreateFolder(const std::string& path) override { inner_.CreateFolder(path); }
    std::unique_ptr<NewFile> CreateNewFile(const std::string& path) override {
        return inner_.CreateNewFile(path);
    }
    void RemoveFolder(const std::string& path) override { inner_.RemoveFolder(path); }
    bool FolderExists(const std::string& path) const override { return inner_.FolderExists(path); }
    bool FileExists(const std::string& path) const override { return inner_.FileExists(path); }
    bool NameTaken(const std::string& path) const override { return inner_.NameTaken(path); }
    void Move(const std::string& from, const std::string& to) override { inner_.Move(from, to); }
    FileStamp Stamp(const std::string& path) const override { return inner_.Stamp(path); }
    void RemoveTemporaryFiles(const std::string& folder) override { inner_.RemoveTemporaryFiles(folder); }
    std::unique_ptr<Journal> StartJournal(const std::string& folder) override {
        return inner_.StartJournal(folder);
    }
    std::vector<AbandonedJournal> AbandonedJournals(const std::string& folder) override {
        return inner_.AbandonedJournals(folder);
    }
    std::vector<std::string> NamesIn(const std::string& folder) const override {
        return inner_.NamesIn(folder);
    }
    bool LookAlike(std::string_view a, std::string_view b) const override { return inner_.LookAlike(a, b); }
    std::string FindInTrash(const std::string& path, const FileStamp& stamp) const override;
    // Takes the path's own bytes, whatever their encoding. Succeeds only when
    // the file has left its path and was found again, the same file, among
    // the trashed files; fails when the file is missing or not a plain file,
    // or no trash on its file system takes it.
    std::string MoveToTrash(const std::string& path) override;
    // Moves the file back and removes its entry from the trash's records.
    void RestoreFromTrash(const std::string& inTrash, const std::string& path) override;

private:
    Files& inner_;
};

}  // namespace tessary
