#pragma once
// What a transfer of a map and its picture has done so far, kept in memory
// and, line by line, in its journal on the disk, so that a transfer cut off
// (a crash, a kill, a power cut) can be finished or taken back at the next
// start from the same record.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mapwindow/replaced_file.h"
#include "platform/files.h"

namespace tessary {

// A file that moves: the map, then its picture.
struct MovingFile {
    enum class Method { None, Rename, Copy };
    std::string from;
    std::string to;
    // The file at from when the transfer began.
    FileStamp stamp;
    Method method = Method::None;
    // A copy is written under this hidden name in the destination folder,
    // then renamed to its place.
    std::string staged;
    std::optional<FileStamp> stagedStamp;

    // A file about to move, as it stood when the transfer began.
    static MovingFile Planned(std::string from, std::string to, FileStamp stamp) {
        MovingFile file;
        file.from = std::move(from);
        file.to = std::move(to);
        file.stamp = stamp;
        return file;
    }
};

// A file that stood at a destination and is set aside for the moving one.
struct ReplacedFile {
    std::string path;
    FileStamp stamp;
    // Where it is being put (its path is "" for the trash), and where it is.
    std::optional<SetAside> tried;
    std::optional<SetAside> aside;

    // A file in the way, as it stood when the transfer began.
    static ReplacedFile Planned(std::string path, FileStamp stamp) {
        ReplacedFile file;
        file.path = std::move(path);
        file.stamp = stamp;
        return file;
    }
};

struct MoveRecord {
    std::vector<MovingFile> moving;
    std::vector<ReplacedFile> replaced;
    // Every moving file stands at its destination: from here on the
    // transfer is finished, not taken back...
    bool placed = false;
    // ...unless it was taken back all the same (a source could not go).
    bool takingBack = false;
};

// The journal's lines: the plan first, then one line a step.
std::vector<std::string> PlanLines(const MoveRecord& record);
std::string RenameTryLine(std::size_t file);
std::string CopyTryLine(std::size_t file, const std::string& staged);
std::string StagedLine(std::size_t file, const FileStamp& stamp);
std::string AsideTryLine(std::size_t file, const SetAside& target);
std::string AsideLine(std::size_t file, const SetAside& where);
std::string BackLine(std::size_t file);
std::string PlacedLine();
std::string TakingBackLine();

// The record a journal's text describes. Nothing when the text is not a
// journal of this program's (or its plan was never written whole); a last
// line cut off before its end is ignored.
std::optional<MoveRecord> ReadMoveRecord(const std::string& text);

}  // namespace tessary
