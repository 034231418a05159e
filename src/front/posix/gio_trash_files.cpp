#include "front/posix/gio_trash_files.h"

#include <dirent.h>
#include <dlfcn.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/failure.h"
#include "front/posix/replacing_file.h"

namespace tessary {

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size;
}

// The path in folder of the entry that is the file described by original;
// empty when there is none.
std::string FindIn(const std::string& folder, const struct stat& original) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return {};
    std::string found;
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_ino != original.st_ino) continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && SameFile(info, original)) {
            found = path;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

// The folders where the trash may have put a file of this device: the home
// trash, and the trash folders at the top of the file system that holds the
// file's folder.
std::vector<std::string> TrashFolders(const std::string& path, const struct stat& original) {
    std::vector<std::string> folders{std::string(g_get_user_data_dir()) + "/Trash/files"};
    std::string top = FolderOfPosixPath(path);
    char* real = ::realpath(top.c_str(), nullptr);
    if (real != nullptr) {
        top = real;
        ::free(real);
    }
    // Up to the last folder still on the file's device.
    while (top != "/") {
        const std::string parent = FolderOfPosixPath(top);
        struct stat info {};
        if (::stat(parent.c_str(), &info) != 0 || info.st_dev != original.st_dev) break;
        top = parent;
    }
    const std::string base = top == "/" ? "" : top;
    const std::string uid = std::to_string(::getuid());
    folders.push_back(base + "/.Trash/" + uid + "/files");
    folders.push_back(base + "/.Trash-" + uid + "/files");
    return folders;
}

// GIO's file functions, loaded when a file first goes to the trash: most
// runs of the program trash nothing, and linking GIO (with GObject and the
// libraries under them) would make every start slower. GLib itself is
// loaded with the toolkit anyway.
struct GioTrash {
    decltype(&g_file_new_for_path) newForPath = nullptr;
    decltype(&g_file_trash) trash = nullptr;
    decltype(&g_object_unref) unref = nullptr;
};

const GioTrash* LoadGio() {
    static const GioTrash loaded = [] {
        GioTrash gio;
        void* library = ::dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) return gio;
        // The library's dependencies (GObject) are searched as well.
        gio.newForPath = reinterpret_cast<decltype(gio.newForPath)>(::dlsym(library, "g_file_new_for_path"));
        gio.trash = reinterpret_cast<decltype(gio.trash)>(::dlsym(library, "g_file_trash"));
        gio.unref = reinterpret_cast<decltype(gio.unref)>(::dlsym(library, "g_object_unref"));
        return gio;
    }();
    const bool complete = loaded.newForPath != nullptr && loaded.trash != nullptr && loaded.unref != nullptr;
    return complete ? &loaded : nullptr;
}

}  // namespace

std::string GioTrashFiles::MoveToTrash(const std::string& path) {
    struct stat original {};
    if (::lstat(path.c_str(), &original) != 0) {
        throw RuntimeFailure(kFileNotFound, "Cannot move \"" + path + "\" to the trash: file not found");
    }
    if (!S_ISREG(original.st_mode)) {
        throw RuntimeFailure(kPathFileAccessError,
                             "Cannot move \"" + path + "\" to the trash: not a plain file");
    }
    const GioTrash* gio = LoadGio();
    if (gio == nullptr) {
        throw RuntimeFailure(
            kPathFileAccessError,
            "Cannot move \"" + path + "\" to the trash: GLib's GIO library cannot be loaded");
    }
    GFile* file = gio->newForPath(path.c_str());
    GError* error = nullptr;
    const bool trashed = gio->trash(file, nullptr, &error) != FALSE;
    gio->unref(file);
    const std::string reason = error != nullptr ? error->message : "no trash";
    if (error != nullptr) g_error_free(error);
    if (!trashed)
        throw RuntimeFailure(kPathFileAccessError, "Cannot move \"" + path + "\" to the trash: " + reason);

    // Trust only what can be seen: the file has left its path and is whole
    // among the trashed files.
    struct stat now {};
    if (::lstat(path.c_str(), &now) == 0 && SameFile(now, original)) {
        throw RuntimeFailure(kPathFileAccessError,
                             "Cannot move \"" + path + "\" to the trash: it is still there");
    }
    for (const auto& folder : TrashFolders(path, original)) {
        std::string found = FindIn(folder, original);
        if (!found.empty()) return found;
    }
    throw RuntimeFailure(kPathFileAccessError, "\"" + path + "\" was not found in the trash");
}

std::string GioTrashFiles::FindInTrash(const std::string& path, const FileStamp& stamp) const {
    struct stat original {};
    original.st_dev = static_cast<dev_t>(stamp.device);
    original.st_ino = static_cast<ino_t>(stamp.file);
    original.st_size = static_cast<off_t>(stamp.size);
    for (const auto& folder : TrashFolders(path, original)) {
        std::string found = FindIn(folder, original);
        if (!found.empty()) return found;
    }
    return {};
}

void GioTrashFiles::RestoreFromTrash(const std::string& inTrash, const std::string& path) {
    inner_.Move(inTrash, path);
    // <trash>/files/NAME is described by <trash>/info/NAME.trashinfo.
    const std::string files = FolderOfPosixPath(inTrash);
    const std::string suffix = "/files";
    if (files.size() <= suffix.size() ||
        files.compare(files.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return;
    }
    const std::string info = files.substr(0, files.size() - suffix.size()) + "/info/" +
                             inTrash.substr(files.size() + 1) + ".trashinfo";
    ::unlink(info.c_str());
}

}  // namespace tessary
