// Times whole builds of the window outline on the software and the Qt regions.
#include <chrono>
#include <cstdio>

#include "shape/software_region.h"
#include "shape/window_shape.h"
#ifdef TESSARY_BENCH_QT
#include "front/qt/qt_region_ops.h"
#endif

namespace {

template <typename Ops>
void Time(const char* name, int rounds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        Ops ops;
        tessary::RegionHandle shape = tessary::kNoRegion;
        tessary::BuildWindowShape(ops, {15.0, 15.0}, shape);
    }
    const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    std::printf("%-8s %8.1f us a build (%d builds)\n", name, micros / rounds, rounds);
}

}  // namespace

int main() {
    Time<tessary::SoftwareRegionOps>("software", 500);
#ifdef TESSARY_BENCH_QT
    Time<tessary::QtRegionOps>("Qt", 500);
#endif
    return 0;
}
