#include "mapwindow/map_move.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "mapwindow/move_record.h"
#include "mapwindow/replaced_file.h"
#include "mapwindow/staging.h"
#include "platform/files.h"
#include "platform/path.h"

namespace tessary {

namespace {

template <typename Step>
bool Try(Step&& step) {
    try {
        step();
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

// The very file with this stamp stands at path.
bool IsStill(const Files& files, const std::string& path, const FileStamp& stamp) {
    try {
        return files.NameTaken(path) && files.Stamp(path) == stamp;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

// A hidden name for a copy on its way, never the same twice.
std::string StagedName() {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return ".tessary-staged-" + std::to_string(salt) + "-" + std::to_string(now) + "-" +
           std::to_string(counter.fetch_add(1));
}

// Keeps the record in memory and, line by line, in the journal. A step is
// written before it is taken, and what it did after.
class Recorder : public SetAsideSteps {
public:
    Recorder(MoveRecord& record, Journal& journal) : record_(record), journal_(journal) {}

    void Write(const std::string& line) { journal_.Append(line); }
    void Trying(std::size_t file, const SetAside& target) override {
        Write(AsideTryLine(file, target));
        record_.replaced[file].tried = target;
    }
    void Done(std::size_t file, const SetAside& where) override {
        record_.replaced[file].aside = where;
        Write(AsideLine(file, where));
    }
    void Back(std::size_t file) override {
        record_.replaced[file].aside.reset();
        record_.replaced[file].tried.reset();
        Write(BackLine(file));
    }

private:
    MoveRecord& record_;
    Journal& journal_;
};

// Puts moving file i at its destination: renamed there within one file
// system, else copied under a hidden name in the destination folder and then
// renamed to its place. Never over anything that stands there.
void Place(Files& files, MoveRecord& record, std::size_t i, Recorder& recorder) {
    MovingFile& file = record.moving[i];
    recorder.Write(RenameTryLine(i));
    file.method = MovingFile::Method::Rename;
    try {
        files.Move(file.from, file.to);
        return;
    } catch (const RuntimeFailure&) {
        if (files.NameTaken(file.to)) {
            throw RuntimeFailure(kFileAlreadyExists, "\"" + file.to + "\" appeared meanwhile");
        }
    }
    const std::string staged = JoinPath(FolderOfPath(file.to), StagedName());
    recorder.Write(CopyTryLine(i, staged));
    file.method = MovingFile::Method::Copy;
    file.staged = staged;
    files.Copy(file.from, file.staged);
    file.stagedStamp = files.Stamp(file.staged);
    recorder.Write(StagedLine(i, *file.stagedStamp));
    files.Move(file.staged, file.to);
}

// Where a replaced file is now, when it is not at its own path.
std::optional<SetAside> Locate(const Files& files, const ReplacedFile& old) {
    for (const auto& where : {old.aside, old.tried}) {
        if (where && !where->path.empty() && IsStill(files, where->path, old.stamp)) return where;
    }
    if ((old.aside && old.aside->place == SetAside::Place::Trash) ||
        (old.tried && old.tried->place == SetAside::Place::Trash)) {
        const std::string inTrash = files.FindInTrash(old.path, old.stamp);
        if (!inTrash.empty()) return SetAside{SetAside::Place::Trash, inTrash};
    }
    return std::nullopt;
}

// Takes back every step of the record: each file this transfer put
// somewhere goes back, but only while it is still the very file it put
// there; a copy goes only while its source is still whole. True when both
// folders hold again what they held.
bool TakeBack(Files& files, const MoveRecord& record) {
    bool complete = true;
    const auto step = [&](auto&& action) {
        if (!Try(action)) complete = false;
    };
    for (std::size_t i = record.moving.size(); i-- > 0;) {
        const MovingFile& file = record.moving[i];
        if (file.method == MovingFile::Method::Rename) {
            if (IsStill(files, file.to, file.stamp)) step([&] { files.Move(file.to, file.from); });
            continue;
        }
        if (file.method != MovingFile::Method::Copy) continue;
        for (const std::string* copy : {&file.to, &file.staged}) {
            // The hidden name is this transfer's own, whatever stands there.
            const bool ours = file.stagedStamp ? IsStill(files, *copy, *file.stagedStamp)
                                               : copy == &file.staged && files.NameTaken(*copy);
            if (!ours) continue;
            if (IsStill(files, file.from, file.stamp)) {
                step([&] { files.Delete(*copy); });
            } else if (!files.NameTaken(file.from)) {
                // Its source went already: back by a copy, and only then
                // does this one go.
                step([&] {
                    files.Copy(*copy, file.from);
                    files.Delete(*copy);
                });
            }
            // Else another file stands at the source now: both stay.
        }
    }
    for (std::size_t i = record.replaced.size(); i-- > 0;) {
        const ReplacedFile& old = record.replaced[i];
        if (IsStill(files, old.path, old.stamp) || (!old.aside && !old.tried)) continue;
        const std::optional<SetAside> where = Locate(files, old);
        // Not found (the trash emptied), or its place taken by another file:
        // it stays where it is, and trying again would not change that.
        if (!where || files.NameTaken(old.path)) continue;
        if (!PutBack(files, *where, old.path)) complete = false;
    }
    return complete;
}

// Finishes a transfer whose files all stand at their destinations: the
// sources of copies go, each only while it is still the file that was
// copied.
bool CompleteMove(Files& files, const MoveRecord& record) {
    bool complete = true;
    for (std::size_t i = record.moving.size(); i-- > 0;) {
        const MovingFile& file = record.moving[i];
        if (file.method != MovingFile::Method::Copy || !IsStill(files, file.from, file.stamp)) continue;
        if (!Try([&] { files.Delete(file.from); })) complete = false;
    }
    return complete;
}

}  // namespace

void MoveMapPair(Files& files, const MapMove& move) {
    if (!files.FileExists(move.map)) throw RuntimeFailure(kFileNotFound, "\"" + move.map + "\" is gone");
    MoveRecord record;
    record.moving.push_back({move.map, move.destinationMap, files.Stamp(move.map)});
    if (IsStill(files, move.destinationMap, record.moving[0].stamp)) {
        throw RuntimeFailure(kPathFileAccessError, "\"" + move.map + "\" is already at its destination");
    }
    if (move.picture && move.destinationPicture && files.FileExists(*move.picture)) {
        record.moving.push_back({*move.picture, *move.destinationPicture, files.Stamp(*move.picture)});
    }
    // A replaced map's picture goes with it, and never stays to pass as the
    // new map's picture.
    const bool replacesMap = files.NameTaken(move.destinationMap);
    if (replacesMap) record.replaced.push_back({move.destinationMap, files.Stamp(move.destinationMap)});
    if (record.moving.size() > 1 || replacesMap) {
        std::vector<std::string> pictures = move.picturesInTheWay;
        if (pictures.empty() && move.destinationPicture) pictures.push_back(*move.destinationPicture);
        for (const auto& picture : pictures) {
            const bool listed = std::any_of(record.replaced.begin(), record.replaced.end(),
                                            [&](const ReplacedFile& old) { return old.path == picture; });
            if (!listed && files.NameTaken(picture))
                record.replaced.push_back({picture, files.Stamp(picture)});
        }
    }

    const std::unique_ptr<Journal> journal = files.StartJournal(move.journalFolder);
    Recorder recorder(record, *journal);
    try {
        for (const auto& line : PlanLines(record)) recorder.Write(line);
        std::vector<std::string> replaced;
        for (const auto& old : record.replaced) replaced.push_back(old.path);
        SetAsideTogether(files, replaced, move.replacedFolder, &recorder);
        for (std::size_t i = 0; i < record.moving.size(); ++i) Place(files, record, i, recorder);
        recorder.Write(PlacedLine());
        record.placed = true;
        for (const auto& file : record.moving) {
            if (file.method == MovingFile::Method::Copy && !IsStill(files, file.from, file.stamp)) {
                throw RuntimeFailure(kChangedMeanwhile, "\"" + file.from + "\" was changed meanwhile");
            }
        }
        // The copies' sources go, the picture's first: when the map's cannot
        // go, the picture comes back from its copy.
        for (std::size_t i = record.moving.size(); i-- > 0;) {
            if (record.moving[i].method == MovingFile::Method::Copy) files.Delete(record.moving[i].from);
        }
    } catch (const RuntimeFailure& failure) {
        if (record.placed) {
            // The journal must say so first, or the next start would finish
            // what is being taken back.
            if (!Try([&] { recorder.Write(TakingBackLine()); })) throw MoveFailure(failure, false);
            record.takingBack = true;
        }
        const bool back = TakeBack(files, record);
        if (back) Try([&] { journal->Finish(); });
        throw MoveFailure(failure, back);
    }
    Try([&] { journal->Finish(); });
}

std::vector<Recovered> RecoverCutOffMoves(Files& files, const std::string& journalFolder) {
    std::vector<Recovered> recovered;
    for (const auto& journal : files.AbandonedJournals(journalFolder)) {
        const std::optional<MoveRecord> record = ReadMoveRecord(journal.text);
        if (!record) {
            // Cut off before its plan was whole: nothing had been done.
            if (journal.text.find("\nplan-end\n") == std::string::npos)
                Try([&] { files.Delete(journal.path); });
            continue;
        }
        const bool finished = record->placed && !record->takingBack;
        const bool complete = finished ? CompleteMove(files, *record) : TakeBack(files, *record);
        if (complete) Try([&] { files.Delete(journal.path); });
        const std::string& from = record->moving.front().from;
        recovered.push_back({std::string(NameOfPath(from)), finished, complete, IsStaged(from)});
    }
    return recovered;
}

}  // namespace tessary
