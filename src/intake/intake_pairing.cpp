#include "intake/intake_pairing.h"

#include <algorithm>

#include "intake/intake_names.h"

namespace tessary {

namespace {

bool SameButForCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Skips every file whose name is alike to another's: taking both, one would
// replace the other, and which one the player wants cannot be told.
std::vector<FoundFile> WithoutClashes(std::vector<FoundFile> found, const NamesLookAlike& alike,
                                      IntakePlan& plan) {
    std::vector<bool> clashes(found.size(), false);
    std::vector<bool> inOneArchive(found.size(), false);
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (std::size_t j = i + 1; j < found.size(); ++j) {
            const std::string& a = found[i].file.name;
            const std::string& b = found[j].file.name;
            if (a != b && !SameButForCase(a, b) && !alike(a, b)) continue;
            clashes[i] = clashes[j] = true;
            if (found[i].group == found[j].group) inOneArchive[i] = inOneArchive[j] = true;
        }
    }
    std::vector<FoundFile> kept;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!clashes[i]) {
            kept.push_back(std::move(found[i]));
        } else {
            plan.skipped.push_back(
                {found[i].file.shownAs, inOneArchive[i]
                                            ? "another file in the same archive or folder has the same name"
                                            : "another dropped file has the same name"});
        }
    }
    return kept;
}

void PairGroup(std::vector<FoundFile*> group, bool archive, const NamesLookAlike& alike, IntakePlan& plan) {
    std::vector<std::string> names;
    for (const auto* found : group) names.push_back(found->file.name);
    std::vector<bool> used(group.size(), false);
    std::vector<std::size_t> maps, pictures;
    for (std::size_t i = 0; i < group.size(); ++i) (IsMapFileName(names[i]) ? maps : pictures).push_back(i);
    for (const std::size_t m : maps) {
        PlannedMap planned{group[m]->file, std::nullopt};
        const auto picture = FindPictureName(names, names[m], alike);
        const auto at = picture ? std::find(names.begin(), names.end(), *picture) - names.begin() : -1;
        if (at >= 0 && !used[at] && IsPictureFileName(names[at])) {
            used[at] = true;
            planned.picture = group[at]->file;
        }
        plan.maps.push_back(std::move(planned));
    }
    // An archive of one map and one picture of another name: they belong together.
    if (archive && maps.size() == 1 && pictures.size() == 1 && !used[pictures[0]]) {
        used[pictures[0]] = true;
        plan.maps.back().picture = group[pictures[0]]->file;
    }
    for (const std::size_t p : pictures) {
        if (!used[p]) plan.lonePictures.push_back(group[p]->file);
    }
}

}  // namespace

void PairFound(std::vector<FoundFile> found, const std::vector<bool>& archiveGroups,
               const NamesLookAlike& alike, IntakePlan& plan) {
    std::vector<FoundFile> kept = WithoutClashes(std::move(found), alike, plan);
    std::vector<std::vector<FoundFile*>> groups(archiveGroups.size());
    for (auto& file : kept) groups[file.group].push_back(&file);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (!groups[g].empty()) PairGroup(groups[g], archiveGroups[g], alike, plan);
    }
}

}  // namespace tessary
