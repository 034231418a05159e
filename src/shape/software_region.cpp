// Set operations and queries of the software region.
#include "shape/software_region.h"

#include <algorithm>
#include <limits>

namespace tessary {
namespace {

// Spans of one row, sorted; the result never has touching or empty spans.
void UniteSpans(std::span<const PixelSpan> a, std::span<const PixelSpan> b, std::vector<PixelSpan>& out) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        const bool takeA = j == b.size() || (i < a.size() && a[i].left <= b[j].left);
        const PixelSpan next = takeA ? a[i++] : b[j++];
        if (!out.empty() && next.left <= out.back().right) {
            out.back().right = std::max(out.back().right, next.right);
        } else {
            out.push_back(next);
        }
    }
}

void SubtractSpans(std::span<const PixelSpan> a, std::span<const PixelSpan> b, std::vector<PixelSpan>& out) {
    std::size_t j = 0;
    for (const PixelSpan& span : a) {
        std::int32_t left = span.left;
        while (j < b.size() && b[j].right <= left) {
            ++j;
        }
        for (std::size_t k = j; k < b.size() && b[k].left < span.right && left < span.right; ++k) {
            if (b[k].left > left) {
                out.push_back({left, b[k].left});
            }
            left = std::max(left, b[k].right);
        }
        if (left < span.right) {
            out.push_back({left, span.right});
        }
    }
}

}  // namespace

void SoftwareRegionBuilder::AddBand(std::int32_t top, std::int32_t bottom, std::span<const PixelSpan> spans) {
    if (bottom <= top || spans.empty()) {
        return;
    }
    auto& bands = region_.bands_;
    auto& allSpans = region_.spans_;
    if (!bands.empty() && bands.back().bottom == top) {
        const std::span<const PixelSpan> previous = region_.SpansOf(bands.back());
        if (std::equal(previous.begin(), previous.end(), spans.begin(), spans.end())) {
            bands.back().bottom = bottom;
            return;
        }
    }
    bands.push_back(
        {top, bottom, static_cast<std::uint32_t>(allSpans.size()), static_cast<std::uint32_t>(spans.size())});
    allSpans.insert(allSpans.end(), spans.begin(), spans.end());
}

SoftwareRegion SoftwareRegion::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                                         std::int32_t bottom) {
    SoftwareRegionBuilder builder;
    if (right > left) {
        const PixelSpan span{left, right};
        builder.AddBand(top, bottom, std::span<const PixelSpan>(&span, 1));
    }
    return builder.Finish();
}

std::span<const PixelSpan> SoftwareRegion::SpansOf(const Band& band) const {
    return std::span<const PixelSpan>(spans_).subspan(band.first, band.count);
}

SoftwareRegion SoftwareRegion::Combine(const SoftwareRegion& a, const SoftwareRegion& b, bool subtract) {
    SoftwareRegionBuilder builder;
    std::vector<PixelSpan> row;
    std::size_t i = 0;
    std::size_t j = 0;
    std::int64_t y = std::numeric_limits<std::int64_t>::min();
    while (i < a.bands_.size() || j < b.bands_.size()) {
        while (i < a.bands_.size() && a.bands_[i].bottom <= y) {
            ++i;
        }
        while (j < b.bands_.size() && b.bands_[j].bottom <= y) {
            ++j;
        }
        const Band* bandA = i < a.bands_.size() ? &a.bands_[i] : nullptr;
        const Band* bandB = j < b.bands_.size() ? &b.bands_[j] : nullptr;
        if (bandA == nullptr && bandB == nullptr) {
            break;
        }
        const bool inA = bandA != nullptr && bandA->top <= y;
        const bool inB = bandB != nullptr && bandB->top <= y;
        std::int64_t next = std::numeric_limits<std::int64_t>::max();
        if (bandA != nullptr) {
            next = std::min<std::int64_t>(next, inA ? bandA->bottom : bandA->top);
        }
        if (bandB != nullptr) {
            next = std::min<std::int64_t>(next, inB ? bandB->bottom : bandB->top);
        }
        if (inA || inB) {
            const std::span<const PixelSpan> spansA = inA ? a.SpansOf(*bandA) : std::span<const PixelSpan>();
            const std::span<const PixelSpan> spansB = inB ? b.SpansOf(*bandB) : std::span<const PixelSpan>();
            row.clear();
            if (subtract) {
                SubtractSpans(spansA, spansB, row);
            } else {
                UniteSpans(spansA, spansB, row);
            }
            builder.AddBand(static_cast<std::int32_t>(y), static_cast<std::int32_t>(next), row);
        }
        y = next;
    }
    return builder.Finish();
}

SoftwareRegion SoftwareRegion::United(const SoftwareRegion& other) const {
    return Combine(*this, other, false);
}

SoftwareRegion SoftwareRegion::Subtracted(const SoftwareRegion& other) const {
    return Combine(*this, other, true);
}

const SoftwareRegion::Band* SoftwareRegion::BandAt(std::int32_t y) const {
    const auto after =
        std::upper_bound(bands_.begin(), bands_.end(), y,
                         [](std::int32_t value, const Band& band) { return value < band.top; });
    if (after == bands_.begin()) {
        return nullptr;
    }
    const Band& band = *(after - 1);
    return y < band.bottom ? &band : nullptr;
}

bool SoftwareRegion::Contains(std::int32_t x, std::int32_t y) const {
    const Band* band = BandAt(y);
    if (band == nullptr) {
        return false;
    }
    const std::span<const PixelSpan> spans = SpansOf(*band);
    const auto after =
        std::upper_bound(spans.begin(), spans.end(), x,
                         [](std::int32_t value, const PixelSpan& span) { return value < span.left; });
    return after != spans.begin() && x < (after - 1)->right;
}

PixelRect SoftwareRegion::BoundingBox() const {
    if (bands_.empty()) {
        return {0, 0, 0, 0};
    }
    PixelRect box{std::numeric_limits<std::int32_t>::max(), bands_.front().top,
                  std::numeric_limits<std::int32_t>::min(), bands_.back().bottom};
    for (const Band& band : bands_) {
        const std::span<const PixelSpan> spans = SpansOf(band);
        box.left = std::min(box.left, spans.front().left);
        box.right = std::max(box.right, spans.back().right);
    }
    return box;
}

std::vector<PixelSpan> SoftwareRegion::RowSpans(std::int32_t y) const {
    const Band* band = BandAt(y);
    if (band == nullptr) {
        return {};
    }
    const std::span<const PixelSpan> spans = SpansOf(*band);
    return {spans.begin(), spans.end()};
}

std::vector<PixelRect> SoftwareRegion::Rectangles() const {
    std::vector<PixelRect> rects;
    rects.reserve(spans_.size());
    for (const Band& band : bands_) {
        for (const PixelSpan& span : SpansOf(band)) {
            rects.push_back({span.left, band.top, span.right, band.bottom});
        }
    }
    return rects;
}

std::int64_t SoftwareRegion::Area() const {
    std::int64_t area = 0;
    for (const Band& band : bands_) {
        const std::int64_t height = std::int64_t{band.bottom} - band.top;
        for (const PixelSpan& span : SpansOf(band)) {
            area += height * (std::int64_t{span.right} - span.left);
        }
    }
    return area;
}

int RegionComplexity(const SoftwareRegion& region) {
    if (region.Empty()) {
        return kNullRegion;
    }
    return region.IsRectangle() ? kSimpleRegion : kComplexRegion;
}

}  // namespace tessary
