#include "front/qt/asset_picture.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QResource>

#include <link.h>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>

#include "forms/bmp_picture.h"

namespace tessary {

namespace {

std::uint32_t U32(const uchar* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t U16(const uchar* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

void Put32(uchar* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uchar>(value >> (8 * i));
}

// Whether the bytes lie in a read-only segment that a program file or
// library maps: pages there always come back as they were from the file.
bool InReadOnlyFileSegment(std::uintptr_t start, std::uintptr_t end) {
    struct Range {
        std::uintptr_t start, end;
        bool found = false;
    } range{start, end};
    ::dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& range = *static_cast<Range*>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W) != 0) continue;
                const std::uintptr_t from = info->dlpi_addr + segment.p_vaddr;
                if (range.start >= from && range.end <= from + segment.p_filesz) range.found = true;
            }
            return range.found ? 1 : 0;
        },
        &range);
    return range.found;
}

// Gives the memory pages that lie wholly inside the stored bytes of a
// large picture back to the system: the bytes stay in the program's file and
// are read in again if they are ever needed. Those of a picture already
// decoded, or drawn and not needed until the next paint, would only weigh on
// the program's memory. A small picture's few pages are not worth the call,
// nor reading them in again; bytes held anywhere else are left alone.
void ReleaseStoredBytes(const uchar* data, qint64 size) {
    constexpr qint64 kSmallestReleased = 64 * 1024;
    if (size < kSmallestReleased) return;
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + static_cast<std::uintptr_t>(size)) / page * page;
    if (end > first && InReadOnlyFileSegment(start, start + static_cast<std::uintptr_t>(size)))
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

// The one picture of an icon file held in memory, when it is an opaque
// 24-bit bitmap as the program's own icon is: an info header whose height
// counts the transparency mask's rows as well, the rows, then the mask.
// Read as a .bmp file with a file header put in front and the height
// halved; a null image for anything else.
QImage ReadIconFilePicture(const uchar* data, qint64 size) {
    constexpr qint64 kDirectoryBytes = 6 + 16;  // the header and one entry
    constexpr std::uint32_t kFileHeaderBytes = 14, kInfoHeaderBytes = 40;
    if (data == nullptr || size < kDirectoryBytes || U16(data) != 0 || U16(data + 2) != 1 ||
        U16(data + 4) != 1)
        return {};
    const std::uint32_t bytes = U32(data + 14), offset = U32(data + 18);
    if (offset > size || bytes > size - offset || bytes < kInfoHeaderBytes) return {};
    const uchar* info = data + offset;
    if (U32(info) != kInfoHeaderBytes || U16(info + 14) != 24 || U32(info + 8) % 2 != 0) return {};
    QByteArray file(kFileHeaderBytes, '\0');
    file.append(reinterpret_cast<const char*>(info), bytes);
    auto* out = reinterpret_cast<uchar*>(file.data());
    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, kFileHeaderBytes + bytes);
    Put32(out + 10, kFileHeaderBytes + kInfoHeaderBytes);
    Put32(out + kFileHeaderBytes + 8, U32(info + 8) / 2);
    Put32(out + kFileHeaderBytes + 20, 0);  // the rows' size: left to be worked out
    return ReadArtworkBmp(out, file.size());
}

#if defined(__x86_64__) || defined(__i386__)
// Four pixels a step with one byte shuffle: twelve bytes in, sixteen out.
// It reads sixteen bytes a step, so it stops where fewer than that are left
// of the row's pixels; returns how many pixels it made.
__attribute__((target("ssse3"))) int CopyBgrRowShuffled(const uchar* from, QRgb* to, int width) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4, from += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, spread), opaque));
    }
    return x;
}
#endif

#if defined(__x86_64__) || defined(__i386__)
bool HasByteShuffles() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// Byte shuffles in the three-operand form, which need no copies of the
// tables they look up.
bool HasThreeOperandShuffles() {
    static const bool has = __builtin_cpu_supports("avx");
    return has;
}
#endif

#if defined(__x86_64__) || defined(__i386__)
// Sixteen pixels of four bits (eight bytes, the left pixel of each in its
// high half) a step: each colour channel looked up for all sixteen at once.
// Returns how many pixels it made, a multiple of sixteen.
// A 4-bit palette as four tables of sixteen bytes: blue, green, red, alpha.
struct NibbleChannels {
    alignas(16) uchar channel[4][16];
    explicit NibbleChannels(const QRgb* palette) {
        for (int i = 0; i < 16; ++i) {
            for (int c = 0; c < 4; ++c) channel[c][i] = static_cast<uchar>(palette[i] >> (8 * c));
        }
    }
};

__attribute__((target("avx"))) int CopyNibbleRowShuffled(const uchar* pairs, const NibbleChannels& palette,
                                                         QRgb* to, int width) {
    const __m128i blue = _mm_load_si128(reinterpret_cast<const __m128i*>(palette.channel[0]));
    const __m128i green = _mm_load_si128(reinterpret_cast<const __m128i*>(palette.channel[1]));
    const __m128i red = _mm_load_si128(reinterpret_cast<const __m128i*>(palette.channel[2]));
    const __m128i alpha = _mm_load_si128(reinterpret_cast<const __m128i*>(palette.channel[3]));
    const __m128i low = _mm_set1_epi8(0x0f);
    int x = 0;
    for (; x + 16 <= width; x += 16, pairs += 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pairs));
        const __m128i index =
            _mm_unpacklo_epi8(_mm_and_si128(_mm_srli_epi16(bytes, 4), low), _mm_and_si128(bytes, low));
        const __m128i b = _mm_shuffle_epi8(blue, index), g = _mm_shuffle_epi8(green, index);
        const __m128i r = _mm_shuffle_epi8(red, index), a = _mm_shuffle_epi8(alpha, index);
        const __m128i bgLow = _mm_unpacklo_epi8(b, g), bgHigh = _mm_unpackhi_epi8(b, g);
        const __m128i raLow = _mm_unpacklo_epi8(r, a), raHigh = _mm_unpackhi_epi8(r, a);
        auto* out = reinterpret_cast<__m128i*>(to + x);
        _mm_storeu_si128(out, _mm_unpacklo_epi16(bgLow, raLow));
        _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(bgLow, raLow));
        _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(bgHigh, raHigh));
        _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(bgHigh, raHigh));
    }
    return x;
}
#endif

// One row of blue-green-red pixels as opaque RGB32: by byte shuffles where
// the processor has them, else four pixels (twelve bytes, three
// little-endian words) at a time.
void CopyBgrRow(const uchar* from, QRgb* to, int width) {
    int x = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (HasByteShuffles()) {
        x = CopyBgrRowShuffled(from, to, width);
        from += 3 * x;
    }
#endif
    for (; x + 4 <= width; x += 4, from += 12) {
        const std::uint32_t a = U32(from), b = U32(from + 4), c = U32(from + 8);
        to[x] = 0xff000000u | (a & 0xffffffu);
        to[x + 1] = 0xff000000u | a >> 24 | (b & 0xffffu) << 8;
        to[x + 2] = 0xff000000u | b >> 16 | (c & 0xffu) << 16;
        to[x + 3] = 0xff000000u | c >> 8;
    }
    for (; x < width; ++x, from += 3) to[x] = qRgb(from[2], from[1], from[0]);
}

}  // namespace

QImage ReadArtworkBmp(const uchar* data, qint64 size, QSize part) {
    return ReadArtworkBmp(data, size,
                          part.isEmpty() ? QRect(0, 0, INT_MAX, INT_MAX) : QRect(QPoint(0, 0), part));
}

QImage ReadArtworkBmp(const uchar* data, qint64 size, const QRect& part) {
    if (data == nullptr || size <= 0) return {};
    const auto layout = ReadPlainBmpLayout({data, static_cast<std::size_t>(size)});
    // Bottom-up rows of 4, 8 or 24 bits are read here; Qt reads the rest.
    if (!layout || layout->topDown || layout->bitCount == 1) return {};
    const int width = layout->width;
    const int height = layout->height;
    const int bits = layout->bitCount;
    const qint64 stride = static_cast<qint64>(layout->stride);
    const qint64 offset = static_cast<qint64>(layout->pixelsAt);

    QRgb palette[256] = {};
    if (bits < 24) {
        for (std::size_t i = 0; layout->paletteAt + i * 4 < layout->paletteEnd; ++i) {
            const uchar* entry = data + layout->paletteAt + i * 4;
            palette[i] = qRgb(entry[2], entry[1], entry[0]);
        }
    }

    // Four bits a pixel: each byte holds two pixels, the left one in its high half.
    std::array<std::array<QRgb, 2>, 256> pairOf{};
    if (bits == 4) {
        for (int byte = 0; byte < 256; ++byte) pairOf[byte] = {palette[byte >> 4], palette[byte & 0x0f]};
    }

    const QRect out = part.intersected(QRect(0, 0, width, height));
    if (out.isEmpty()) return {};
#if defined(__x86_64__) || defined(__i386__)
    const bool shuffles = bits == 4 && HasThreeOperandShuffles();
    const NibbleChannels channels(palette);
#endif
    QImage image(out.size(), QImage::Format_RGB32);
    if (image.isNull()) return {};
    const int left = out.left();
    for (int y = 0; y < out.height(); ++y) {
        const uchar* row = data + offset + stride * (height - 1 - (out.top() + y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (bits == 24) {
            CopyBgrRow(row + 3 * left, to, out.width());
        } else if (bits == 8) {
            for (int x = 0; x < out.width(); ++x) to[x] = palette[row[left + x]];
        } else {
            // From an odd column the first pixel is the low half of its byte.
            int x = 0;
            if (left % 2) to[x++] = palette[row[left / 2] & 0x0f];
            const uchar* pairs = row + (left + x) / 2;
#if defined(__x86_64__) || defined(__i386__)
            if (shuffles) {
                const int made = CopyNibbleRowShuffled(pairs, channels, to + x, out.width() - x);
                x += made;
                pairs += made / 2;
            }
#endif
            for (; x + 2 <= out.width(); x += 2)
                std::memcpy(to + x, pairOf[*pairs++].data(), sizeof(QRgb) * 2);
            if (x < out.width()) to[x] = palette[*pairs >> 4];
        }
    }
    return image;
}

QImage AssetImage(const QString& name, QSize part) {
    const QString path = QStringLiteral(":/assets/") + name;
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QImage image = ReadArtworkBmp(resource.data(), resource.size(), part);
        if (!image.isNull()) {
            ReleaseStoredBytes(resource.data(), resource.size());
            return image;
        }
    }
    QImageReader reader(path);
    const QSize whole = reader.size();
    if (!part.isEmpty() && whole.isValid()) reader.setClipRect(QRect(QPoint(0, 0), part.boundedTo(whole)));
    return reader.read();
}

QPixmap AssetPicture(const QString& name, QSize part) { return QPixmap::fromImage(AssetImage(name, part)); }

namespace {

// The size of a built-in picture stored in the form ReadArtworkBmp reads.
std::optional<QSize> PlainSizeOf(const QResource& resource) {
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() <= 0)
        return std::nullopt;
    const auto layout = ReadPlainBmpLayout({resource.data(), static_cast<std::size_t>(resource.size())});
    if (!layout || layout->topDown || layout->bitCount == 1) return std::nullopt;
    return QSize(layout->width, layout->height);
}

}  // namespace

QSize AssetPictureSize(const QString& name) {
    const QString path = QStringLiteral(":/assets/") + name;
    if (const auto size = PlainSizeOf(QResource(path))) return *size;
    const QSize size = QImageReader(path).size();
    return size.isValid() ? size : QSize();
}

ClippedTo::ClippedTo(QPainter& painter, const QRect& rect) : painter_(painter) {
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
}

ClippedTo::~ClippedTo() { painter_.restore(); }

StoredPicture::StoredPicture(const QString& name) : name_(name) {
    const QResource resource(QStringLiteral(":/assets/") + name);
    if (const auto size = PlainSizeOf(resource)) {
        data_ = resource.data();
        bytes_ = resource.size();
        size_ = *size;
    } else {
        size_ = AssetPictureSize(name);
    }
}

bool StoredPicture::DrawsWhole() const {
    if (data_ != nullptr) return true;  // opaque rows, checked when it was found
    if (whole_.isNull()) whole_ = AssetPicture(name_);
    return !whole_.isNull() && !whole_.hasAlphaChannel();
}

void StoredPicture::Draw(QPainter& painter, const QRegion& area) const {
    const QRegion shown = area.intersected(QRect(QPoint(0, 0), size_));
    if (shown.isEmpty()) return;
    if (data_ == nullptr && whole_.isNull()) whole_ = AssetPicture(name_);
    for (const QRect& part : shown) {
        const ClippedTo clipped(painter, part);
        if (data_ == nullptr) {
            painter.drawPixmap(part.topLeft(), whole_, part);
            continue;
        }
        // Bands small enough to come from the heap's free memory each time.
        const int bandRows = qMax(1, 64 * 1024 / (4 * part.width()));
        for (int top = part.top(); top <= part.bottom(); top += bandRows) {
            const QRect band(part.left(), top, part.width(), qMin(bandRows, part.bottom() + 1 - top));
            const QImage rows = ReadArtworkBmp(data_, bytes_, band);
            if (!rows.isNull()) painter.drawImage(band.topLeft(), rows);
        }
    }
    if (data_ != nullptr) ReleaseStoredBytes(data_, bytes_);
}

QIcon ProgramIcon() {
    // From the icon file's plain bitmap; else read as the PNG it is: left to
    // guess, the reader would load every image format plugin first.
    static const QIcon icon = [] {
        const QResource file(QStringLiteral(":/assets/tessary.ico"));
        if (file.isValid() && file.compressionAlgorithm() == QResource::NoCompression) {
            QImage image = ReadIconFilePicture(file.data(), file.size());
            if (!image.isNull()) return QIcon(QPixmap::fromImage(std::move(image)));
        }
        QImageReader reader(QStringLiteral(":/assets/tessary_icon.png"), "png");
        reader.setAutoDetectImageFormat(false);
        return QIcon(QPixmap::fromImage(reader.read()));
    }();
    return icon;
}

}  // namespace tessary
