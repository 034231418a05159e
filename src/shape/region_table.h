#pragma once
// Regions kept by handle, for region operations without a window system
// behind them: handle numbering, look-up and the combine of two regions.

#include <cstddef>
#include <map>
#include <utility>

#include "platform/region_ops.h"

namespace tessary {

// The values CombineRgn returns, as the window system numbers them.
inline constexpr int kRegionError = 0;
inline constexpr int kNullRegion = 1;
inline constexpr int kSimpleRegion = 2;
inline constexpr int kComplexRegion = 3;

template <typename Region>
class RegionTable {
public:
    RegionHandle Keep(Region region) {
        const RegionHandle handle = next_++;
        regions_.emplace(handle, std::move(region));
        return handle;
    }
    bool Erase(RegionHandle handle) { return regions_.erase(handle) != 0; }
    // The region behind a live handle, or nullptr.
    const Region* Find(RegionHandle handle) const {
        const auto found = regions_.find(handle);
        return found == regions_.end() ? nullptr : &found->second;
    }
    bool IsLive(RegionHandle handle) const { return regions_.count(handle) != 0; }
    std::size_t Size() const { return regions_.size(); }

    // destination := source1 combined with source2 (Copy ignores source2).
    // Returns complexity(result), or kRegionError when a handle it needs is
    // not live.
    template <typename Unite, typename Subtract, typename Complexity>
    int Combine(RegionHandle destination, RegionHandle source1, RegionHandle source2, CombineMode mode,
                Unite unite, Subtract subtract, Complexity complexity) {
        const auto target = regions_.find(destination);
        const auto first = regions_.find(source1);
        if (target == regions_.end() || first == regions_.end()) return kRegionError;
        if (mode == CombineMode::Copy) {
            target->second = first->second;
            return complexity(target->second);
        }
        const auto second = regions_.find(source2);
        if (second == regions_.end()) return kRegionError;
        switch (mode) {
        case CombineMode::Or: target->second = unite(first->second, second->second); break;
        case CombineMode::Diff: target->second = subtract(first->second, second->second); break;
        default: return kRegionError;
        }
        return complexity(target->second);
    }

private:
    std::map<RegionHandle, Region> regions_;
    RegionHandle next_ = 1;
};

}  // namespace tessary
