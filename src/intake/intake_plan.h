#pragma once
// What is taken from the files, folders and archives a player drops: the
// maps with their pictures, the pictures without a map among them, and what
// is skipped and why. Nothing is written and nothing dropped is changed.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "intake/archive_reader.h"
#include "intake/drop_reader.h"
#include "mapwindow/picture_name.h"

namespace tessary {

// One file to take, by its bare name.
struct PlannedFile {
    std::string name;                  // the name it is taken by
    std::string path;                  // the file on the disk, or the archive on the disk that holds it
    std::vector<std::size_t> entries;  // in that archive: the entry, then the entry in the archive inside it
    std::string shownAs;               // where it comes from, for the player: "Maps.zip › Forest/Lake.gmx"
};

struct PlannedMap {
    PlannedFile map;
    std::optional<PlannedFile> picture;
};

struct SkippedItem {
    std::string shownAs;
    std::string reason;  // "it is encrypted"
};

struct IntakePlan {
    std::vector<PlannedMap> maps;
    std::vector<PlannedFile> lonePictures;  // pictures of no map that was dropped
    std::vector<SkippedItem> skipped;
};

// Looks through the dropped paths. Only regular files whose names end in
// ".gmx" or ".bmp" (any letter case) and are safe on Windows are taken; zip
// and 7z archives are opened, and an archive in an archive as well, but no
// deeper; folders are walked within limits' bounds. A map's picture is the
// one FindPictureName finds among the names of its folder or archive (a
// map dropped without its picture takes the one beside it on the disk); an
// archive with just one map and one picture of other names pairs them. Every
// file taken from an archive is read through once, so its check sum and
// size are known good. Two files whose names are alike (or the same but
// for letter case) are both skipped: one would replace the other.
IntakePlan PlanIntake(const std::vector<std::string>& dropped, const DropReader& reader,
                      const IntakeLimits& limits, const NamesLookAlike& alike);

// Hands the bytes of a planned file to sink, reading them again from where
// the plan found them, checked as Read checks them. Throws IntakeRefused
// (or RuntimeFailure from the disk) when they cannot be had.
void ReadPlannedFile(const PlannedFile& file, const DropReader& reader, const IntakeLimits& limits,
                     const ByteSink& sink);

}  // namespace tessary
