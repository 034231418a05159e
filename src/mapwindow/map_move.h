#pragma once
// Moving a map and its picture between the two maps folders together or not
// at all, with a journal that lets the next start finish or take back a
// transfer that was cut off.

#include <optional>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace tessary {

class Files;

struct MapMove {
    std::string map;
    std::optional<std::string> picture;
    std::string destinationMap;
    std::optional<std::string> destinationPicture;
    // The files at the destination, each under its own name, that would
    // pass for the moved map's picture: set aside with a replaced map, or
    // for the moving picture. Empty: destinationPicture, when it is taken.
    std::vector<std::string> picturesInTheWay;
    // Where replaced files go when there is no trash.
    std::string replacedFolder;
    // Where the journal is kept.
    std::string journalFolder;
};

// How a transfer that did not happen ended.
class MoveFailure : public RuntimeFailure {
public:
    MoveFailure(const RuntimeFailure& cause, bool everythingBack)
        : RuntimeFailure(cause), everythingBack_(everythingBack) {}
    // True when both folders hold again what they held before; false when
    // taking back stopped short (the next start tries again).
    bool EverythingBack() const { return everythingBack_; }

private:
    bool everythingBack_;
};

// Moves the map, and its picture when it has one, to their destinations.
// Files that stand there are first set aside together (trash, else the
// replaced maps folder). Nothing at a destination is ever replaced, and a
// file is taken away only when it is the very file this transfer put there.
// When any step fails, what was done is taken back and a MoveFailure names
// the cause.
void MoveMapPair(Files& files, const MapMove& move);

// What the start did with one transfer that was cut off.
struct Recovered {
    std::string map;
    bool finished;  // else taken back
    bool complete;  // every step could be done
    bool adding;    // the map came from a staging folder: it was being added
};

// Finishes or takes back every transfer whose journal in the folder was left
// by a program that is gone: one that had put every file in place is
// finished, any other is taken back.
std::vector<Recovered> RecoverCutOffMoves(Files& files, const std::string& journalFolder);

}  // namespace tessary
