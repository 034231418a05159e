#include "front/posix/seven_zip_reader.h"

#include <archive.h>
#include <archive_entry.h>
#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string_view>
#include <type_traits>

#include "intake/intake_names.h"
#include "intake/name_text.h"

namespace tessary {

namespace {

// libarchive's functions, loaded when a 7z archive is first read: few runs
// of the program read one, and linking libarchive (with the compression,
// XML and crypto libraries under it) would make every start slower.
struct LibArchive {
    decltype(&archive_read_new) readNew = nullptr;
    decltype(&archive_read_support_format_7zip) supportSevenZip = nullptr;
    decltype(&archive_read_set_read_callback) setReadCallback = nullptr;
    decltype(&archive_read_set_seek_callback) setSeekCallback = nullptr;
    decltype(&archive_read_set_callback_data) setCallbackData = nullptr;
    decltype(&archive_read_open1) open = nullptr;
    decltype(&archive_read_next_header) nextHeader = nullptr;
    decltype(&archive_read_data_block) dataBlock = nullptr;
    decltype(&archive_read_free) free = nullptr;
    decltype(&archive_error_string) errorString = nullptr;
    decltype(&archive_set_error) setError = nullptr;
    decltype(&archive_entry_pathname_utf8) pathnameUtf8 = nullptr;
    decltype(&archive_entry_pathname) pathname = nullptr;
    decltype(&archive_entry_filetype) filetype = nullptr;
    decltype(&archive_entry_is_encrypted) isEncrypted = nullptr;
};

// Every function from the library file, or nothing when it or any of the
// functions is missing. The library stays loaded for the rest of the run.
std::optional<LibArchive> LoadLibArchive(const char* libraryFile) {
    void* library = ::dlopen(libraryFile, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    bool complete = true;
    auto find = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
        complete = complete && function != nullptr;
    };
    LibArchive lib;
    find(lib.readNew, "archive_read_new");
    find(lib.supportSevenZip, "archive_read_support_format_7zip");
    find(lib.setReadCallback, "archive_read_set_read_callback");
    find(lib.setSeekCallback, "archive_read_set_seek_callback");
    find(lib.setCallbackData, "archive_read_set_callback_data");
    find(lib.open, "archive_read_open1");
    find(lib.nextHeader, "archive_read_next_header");
    find(lib.dataBlock, "archive_read_data_block");
    find(lib.free, "archive_read_free");
    find(lib.errorString, "archive_error_string");
    find(lib.setError, "archive_set_error");
    find(lib.pathnameUtf8, "archive_entry_pathname_utf8");
    find(lib.pathname, "archive_entry_pathname");
    find(lib.filetype, "archive_entry_filetype");
    find(lib.isEncrypted, "archive_entry_is_encrypted");
    if (!complete) {
        ::dlclose(library);
        return std::nullopt;
    }
    return lib;
}

LibArchive LibArchiveFrom(const char* libraryFile) {
    std::optional<LibArchive> loaded;
    if (std::string_view(libraryFile) == kLibArchiveFile) {
        // Loaded once, by whichever thread reads the first 7z archive.
        static const std::optional<LibArchive> installed = LoadLibArchive(kLibArchiveFile);
        loaded = installed;
    } else {
        loaded = LoadLibArchive(libraryFile);
    }
    if (!loaded) throw IntakeRefused("7z archives cannot be read: the libarchive library cannot be loaded");
    return *loaded;
}

// One pass of libarchive over the bytes, from the start.
class Session {
public:
    Session(const LibArchive& lib, const ByteSource& bytes)
        : lib_(lib), bytes_(bytes), archive_(lib.readNew()) {
        if (!archive_) throw IntakeRefused("there is not enough memory to read it");
        lib_.supportSevenZip(archive_);
        lib_.setReadCallback(archive_, &Session::ReadMore);
        lib_.setSeekCallback(archive_, &Session::Seek);
        lib_.setCallbackData(archive_, this);
        if (lib_.open(archive_) != ARCHIVE_OK) Fail();
    }
    ~Session() { lib_.free(archive_); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The next entry; nothing at the end.
    archive_entry* Next() {
        archive_entry* entry = nullptr;
        const int status = lib_.nextHeader(archive_, &entry);
        if (status == ARCHIVE_EOF) return nullptr;
        if (status != ARCHIVE_OK) Fail();
        return entry;
    }

    void ReadData(std::uint64_t limit, const ByteSink& sink) {
        std::uint64_t count = 0;
        while (true) {
            const void* data = nullptr;
            std::size_t size = 0;
            la_int64_t offset = 0;
            const int status = lib_.dataBlock(archive_, &data, &size, &offset);
            if (status == ARCHIVE_EOF) return;
            if (status != ARCHIVE_OK) Fail();
            if (offset < 0 || static_cast<std::uint64_t>(offset) != count) {
                throw IntakeRefused("the archive is damaged (an entry has gaps)");
            }
            if (size > limit - count) throw IntakeRefused(TooBigText(limit) + " once unpacked");
            count += size;
            sink(static_cast<const char*>(data), size);
        }
    }

private:
    [[noreturn]] void Fail() {
        const char* why = lib_.errorString(archive_);
        throw IntakeRefused(std::string("the archive cannot be read (") + (why ? why : "damaged") + ")");
    }

    static la_ssize_t ReadMore(archive* a, void* self, const void** buffer) {
        auto& session = *static_cast<Session*>(self);
        const std::uint64_t left = session.bytes_.Size() - std::min(session.bytes_.Size(), session.position_);
        const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(left, session.buffer_.size()));
        try {
            session.bytes_.ReadAt(session.position_, session.buffer_.data(), size);
        } catch (const std::exception& failure) {
            session.lib_.setError(a, EIO, "%s", failure.what());
            return -1;
        }
        session.position_ += size;
        *buffer = session.buffer_.data();
        return static_cast<la_ssize_t>(size);
    }

    static la_int64_t Seek(archive*, void* self, la_int64_t offset, int whence) {
        auto& session = *static_cast<Session*>(self);
        const auto size = static_cast<la_int64_t>(session.bytes_.Size());
        const la_int64_t base = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? static_cast<la_int64_t>(session.position_)
                                                     : size;
        const la_int64_t target = base + offset;
        if (target < 0 || target > size) return ARCHIVE_FATAL;
        session.position_ = static_cast<std::uint64_t>(target);
        return target;
    }

    const LibArchive& lib_;
    const ByteSource& bytes_;
    archive* archive_;
    std::uint64_t position_ = 0;
    std::array<char, 64 * 1024> buffer_{};
};

ArchiveEntry EntryOf(const LibArchive& lib, archive_entry* entry) {
    ArchiveEntry listed;
    const char* utf8 = lib.pathnameUtf8(entry);
    const char* raw = lib.pathname(entry);
    listed.name = utf8 ? utf8 : raw ? raw : "";
    if (!IsUtf8(listed.name)) listed.problem = "its name is not readable text (not UTF-8)";
    switch (lib.filetype(entry)) {
    case AE_IFREG: listed.kind = EntryKind::File; break;
    case AE_IFDIR: listed.kind = EntryKind::Folder; break;
    case AE_IFLNK: listed.kind = EntryKind::Link; break;
    default: listed.kind = EntryKind::Other; break;
    }
    listed.encrypted = lib.isEncrypted(entry) != 0;
    return listed;
}

class SevenZipReader final : public ArchiveReader {
public:
    SevenZipReader(const LibArchive& lib, std::shared_ptr<const ByteSource> bytes, const IntakeLimits& limits)
        : lib_(lib), bytes_(std::move(bytes)), limits_(limits) {
        // Every file is unpacked once here, counted: libarchive unpacks what
        // comes before an entry to reach it (solid archives), so an archive
        // that unpacks to more than a whole drop may hold is refused now.
        Session session(lib_, *bytes_);
        std::uint64_t unpacked = 0;
        while (archive_entry* entry = session.Next()) {
            if (entries_.size() == limits_.maxEntries) {
                throw IntakeRefused("it holds more than " + std::to_string(limits_.maxEntries) + " entries");
            }
            entries_.push_back(EntryOf(lib_, entry));
            const ArchiveEntry& listed = entries_.back();
            if (listed.kind != EntryKind::File || listed.encrypted) continue;
            session.ReadData(limits_.maxTotalBytes - unpacked,
                             [&](const char*, std::size_t size) { unpacked += size; });
        }
    }

    const std::vector<ArchiveEntry>& Entries() const override { return entries_; }

    void Read(std::size_t index, const ByteSink& sink) override {
        const ArchiveEntry& wanted = entries_.at(index);
        if (wanted.encrypted) throw IntakeRefused("it is encrypted");
        if (wanted.kind != EntryKind::File) throw IntakeRefused("it is not a file");
        Session session(lib_, *bytes_);
        for (std::size_t i = 0;; ++i) {
            if (!session.Next()) throw IntakeRefused("the archive changed while it was read");
            if (i == index) return session.ReadData(limits_.maxFileBytes, sink);
        }
    }

private:
    LibArchive lib_;
    std::shared_ptr<const ByteSource> bytes_;
    IntakeLimits limits_;
    std::vector<ArchiveEntry> entries_;
};

}  // namespace

std::unique_ptr<ArchiveReader> OpenSevenZipArchive(std::shared_ptr<const ByteSource> bytes,
                                                   const IntakeLimits& limits, const char* libraryFile) {
    return std::make_unique<SevenZipReader>(LibArchiveFrom(libraryFile), std::move(bytes), limits);
}

}  // namespace tessary
