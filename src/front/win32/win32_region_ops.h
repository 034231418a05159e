#pragma once
// Region operations on GDI regions (HRGN), the regions that cut a Windows
// window to shape. A handle of the builder names one HRGN kept in the table.

#include <windows.h>

#include "front/win32/gdi_object.h"
#include "platform/region_ops.h"
#include "shape/region_table.h"

namespace tessary {

class Win32RegionOps final : public RegionOps {
public:
    RegionHandle CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) override;
    RegionHandle CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom) override;
    RegionHandle CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) override;
    int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                   CombineMode mode) override;
    bool DeleteObject(RegionHandle region) override;

    // The GDI region behind a live handle, or null.
    HRGN Get(RegionHandle region) const;
    // A new GDI region with the same pixels, for whoever takes it over (such
    // as SetWindowRgn); null for a handle that is not live.
    GdiObject<HRGN> Copy(RegionHandle region) const;
    std::size_t LiveRegionCount() const { return regions_.Size(); }

private:
    RegionHandle Keep(HRGN region);

    RegionTable<GdiObject<HRGN>> regions_;
};

}  // namespace tessary
