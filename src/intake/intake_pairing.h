#pragma once
// The last step of planning an intake: files of one name dropped twice are
// skipped, and each map takes its picture.

#include <cstddef>
#include <vector>

#include "intake/intake_plan.h"

namespace tessary {

// A file to take, and the folder or archive it was found in (its group).
struct FoundFile {
    PlannedFile file;
    std::size_t group = 0;
};

// archiveGroups[g] tells whether group g is an archive. Fills plan.maps and
// plan.lonePictures, and adds to plan.skipped the files whose names clash.
void PairFound(std::vector<FoundFile> found, const std::vector<bool>& archiveGroups,
               const NamesLookAlike& alike, IntakePlan& plan);

}  // namespace tessary
