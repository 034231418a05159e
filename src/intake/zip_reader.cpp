#include "intake/zip_reader.h"

#include <algorithm>
#include <array>

#include <zlib.h>

#include "intake/intake_names.h"
#include "intake/zip_layout.h"

namespace tessary {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Counts and checks what comes out of one entry before the sink sees it.
class CheckedOutput {
public:
    CheckedOutput(const ByteSink& sink, std::uint64_t limit) : sink_(sink), limit_(limit) {}
    void Put(const unsigned char* data, std::size_t size) {
        if (size == 0) return;
        if (size > limit_ - std::min(limit_, count_))
            throw IntakeRefused(TooBigText(limit_) + " once unpacked");
        count_ += size;
        crc_ = crc32(crc_, data, static_cast<uInt>(size));
        sink_(reinterpret_cast<const char*>(data), size);
    }
    void Finish(const ZipItem& item) const {
        if (count_ != item.size || crc_ != item.crc) {
            throw IntakeRefused("the archive is damaged (its check sum does not match)");
        }
    }

private:
    const ByteSink& sink_;
    std::uint64_t limit_;
    std::uint64_t count_ = 0;
    uLong crc_ = crc32(0, nullptr, 0);
};

class Inflater {
public:
    Inflater() {
        if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK)
            throw IntakeRefused("there is not enough memory to unpack it");
    }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
    z_stream& Stream() { return stream_; }

private:
    z_stream stream_{};
};

class ZipReader final : public ArchiveReader {
public:
    ZipReader(std::shared_ptr<const ByteSource> bytes, const IntakeLimits& limits)
        : bytes_(std::move(bytes)), limits_(limits), items_(ReadZipLayout(*bytes_, limits)) {
        for (const auto& item : items_) entries_.push_back(item.entry);
    }

    const std::vector<ArchiveEntry>& Entries() const override { return entries_; }

    void Read(std::size_t index, const ByteSink& sink) override {
        const ZipItem& item = items_.at(index);
        if (item.entry.encrypted) throw IntakeRefused("it is encrypted");
        if (!item.entry.problem.empty()) throw IntakeRefused(item.entry.problem);
        if (item.entry.kind != EntryKind::File) throw IntakeRefused("it is not a file");
        CheckedOutput output(sink, limits_.maxFileBytes);
        if (item.method == 0) {
            Copy(item, output);
        } else {
            Inflate(item, output);
        }
        output.Finish(item);
    }

private:
    void Copy(const ZipItem& item, CheckedOutput& output) const {
        std::array<unsigned char, kChunk> buffer;
        for (std::uint64_t done = 0; done < item.packedSize;) {
            const auto size =
                static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, item.packedSize - done));
            bytes_->ReadAt(item.dataStart + done, buffer.data(), size);
            output.Put(buffer.data(), size);
            done += size;
        }
    }

    void Inflate(const ZipItem& item, CheckedOutput& output) const {
        std::array<unsigned char, kChunk> in, out;
        Inflater inflater;
        z_stream& stream = inflater.Stream();
        std::uint64_t fed = 0;
        for (int status = Z_OK; status != Z_STREAM_END;) {
            if (stream.avail_in == 0) {
                const auto size =
                    static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, item.packedSize - fed));
                if (size == 0) throw IntakeRefused("the archive is damaged (an entry ends too early)");
                bytes_->ReadAt(item.dataStart + fed, in.data(), size);
                fed += size;
                stream.next_in = in.data();
                stream.avail_in = static_cast<uInt>(size);
            }
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            status = inflate(&stream, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END) {
                throw IntakeRefused("the archive is damaged (an entry cannot be unpacked)");
            }
            output.Put(out.data(), out.size() - stream.avail_out);
        }
    }

    std::shared_ptr<const ByteSource> bytes_;
    IntakeLimits limits_;
    std::vector<ZipItem> items_;
    std::vector<ArchiveEntry> entries_;
};

}  // namespace

std::unique_ptr<ArchiveReader> OpenZip(std::shared_ptr<const ByteSource> bytes, const IntakeLimits& limits) {
    return std::make_unique<ZipReader>(std::move(bytes), limits);
}

}  // namespace tessary
