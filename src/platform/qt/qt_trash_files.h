#pragma once
// File operations with the desktop's trash: Qt's trash (the freedesktop
// trash on Linux) over another Files, which does everything else.

#include "platform/files.h"

namespace tessary {

class QtTrashFiles : public Files {
public:
    explicit QtTrashFiles(Files& inner) : inner_(inner) {}

    void Copy(const std::string& from, const std::string& to) override { inner_.Copy(from, to); }
    void Delete(const std::string& path) override { inner_.Delete(path); }
    void CreateFolder(const std::string& path) override { inner_.CreateFolder(path); }
    bool FileExists(const std::string& path) const override { return inner_.FileExists(path); }
    void Move(const std::string& from, const std::string& to) override { inner_.Move(from, to); }
    // Fails when the file is missing or no trash on its file system takes it.
    std::string MoveToTrash(const std::string& path) override;

private:
    Files& inner_;
};

}  // namespace tessary
