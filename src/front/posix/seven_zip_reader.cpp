#include "front/posix/seven_zip_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <cstdio>

#include "intake/intake_names.h"
#include "intake/name_text.h"

namespace tessary {

namespace {

// One pass of libarchive over the bytes, from the start.
class Session {
public:
    explicit Session(const ByteSource& bytes) : bytes_(bytes), archive_(archive_read_new()) {
        if (!archive_) throw IntakeRefused("there is not enough memory to read it");
        archive_read_support_format_7zip(archive_);
        archive_read_set_read_callback(archive_, &Session::ReadMore);
        archive_read_set_seek_callback(archive_, &Session::Seek);
        archive_read_set_callback_data(archive_, this);
        if (archive_read_open1(archive_) != ARCHIVE_OK) Fail();
    }
    ~Session() { archive_read_free(archive_); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The next entry; nothing at the end.
    archive_entry* Next() {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(archive_, &entry);
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
            const int status = archive_read_data_block(archive_, &data, &size, &offset);
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
        const char* why = archive_error_string(archive_);
        throw IntakeRefused(std::string("the archive cannot be read (") + (why ? why : "damaged") + ")");
    }

    static la_ssize_t ReadMore(archive* a, void* self, const void** buffer) {
        auto& session = *static_cast<Session*>(self);
        const std::uint64_t left = session.bytes_.Size() - std::min(session.bytes_.Size(), session.position_);
        const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(left, session.buffer_.size()));
        try {
            session.bytes_.ReadAt(session.position_, session.buffer_.data(), size);
        } catch (const std::exception& failure) {
            archive_set_error(a, EIO, "%s", failure.what());
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

    const ByteSource& bytes_;
    archive* archive_;
    std::uint64_t position_ = 0;
    std::array<char, 64 * 1024> buffer_{};
};

ArchiveEntry EntryOf(archive_entry* entry) {
    ArchiveEntry listed;
    const char* utf8 = archive_entry_pathname_utf8(entry);
    const char* raw = archive_entry_pathname(entry);
    listed.name = utf8 ? utf8 : raw ? raw : "";
    if (!IsUtf8(listed.name)) listed.problem = "its name is not readable text (not UTF-8)";
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG: listed.kind = EntryKind::File; break;
    case AE_IFDIR: listed.kind = EntryKind::Folder; break;
    case AE_IFLNK: listed.kind = EntryKind::Link; break;
    default: listed.kind = EntryKind::Other; break;
    }
    listed.encrypted = archive_entry_is_encrypted(entry) != 0;
    return listed;
}

class SevenZipReader final : public ArchiveReader {
public:
    SevenZipReader(std::shared_ptr<const ByteSource> bytes, const IntakeLimits& limits)
        : bytes_(std::move(bytes)), limits_(limits) {
        // Every file is unpacked once here, counted: libarchive unpacks what
        // comes before an entry to reach it (solid archives), so an archive
        // that unpacks to more than a whole drop may hold is refused now.
        Session session(*bytes_);
        std::uint64_t unpacked = 0;
        while (archive_entry* entry = session.Next()) {
            if (entries_.size() == limits_.maxEntries) {
                throw IntakeRefused("it holds more than " + std::to_string(limits_.maxEntries) + " entries");
            }
            entries_.push_back(EntryOf(entry));
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
        Session session(*bytes_);
        for (std::size_t i = 0;; ++i) {
            if (!session.Next()) throw IntakeRefused("the archive changed while it was read");
            if (i == index) return session.ReadData(limits_.maxFileBytes, sink);
        }
    }

private:
    std::shared_ptr<const ByteSource> bytes_;
    IntakeLimits limits_;
    std::vector<ArchiveEntry> entries_;
};

}  // namespace

std::unique_ptr<ArchiveReader> OpenSevenZipArchive(std::shared_ptr<const ByteSource> bytes,
                                                   const IntakeLimits& limits) {
    return std::make_unique<SevenZipReader>(std::move(bytes), limits);
}

}  // namespace tessary
