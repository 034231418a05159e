#pragma once
// The map window's outline: builds the region that cuts the window to shape.

#include "platform/region_ops.h"
#include "shape/shape_steps.h"
#include "shape/shape_transform.h"

namespace tessary {

// Builds the window shape into ShapeRegion and returns it. Throws RuntimeFailure on a bad coordinate
// (then no region is returned; the scratch region and the point buffer are released all the same).
//
// ShapeRegion is overwritten with a fresh region, never released here: the caller owns it, also the
// partial shape it holds after a failure. Each primitive is released right after it is combined; the
// results of the region operations are not inspected.
RegionHandle BuildWindowShape(RegionOps& ops, TwipsPerPixel twips, RegionHandle& ShapeRegion);

// The same outline through any transform (scaled or shifted), as the outline
// tools draw it.
RegionHandle BuildShape(RegionOps& ops, const ShapeTransform& transform, RegionHandle& ShapeRegion);

}  // namespace tessary
