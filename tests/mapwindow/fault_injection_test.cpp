// Every transfer under every failure the file services and lists can raise,
// at every step: nothing that existed before is lost, nothing half-written
// is left, and a destination that held a map still holds one.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "fakes/fake_mover.h"
#include "mapwindow/replaced_file.h"
#include "platform/path.h"

namespace tessary {
namespace {

using fakes::FakeDisk;
using fakes::MoverFakes;

struct Scenario {
    bool install;
    bool picture;        // the moving map has a picture
    bool sameName;       // the destination holds a map and a picture of that name
    bool trash;          // the desktop trash takes files
    bool replacedTaken;  // "Replaced Maps" already holds files of that name
    bool otherDisk;      // the stored maps folder is on another disk: copies, not renames
    std::vector<std::string> failures;
    int number;

    std::string Describe() const {
        std::string text = install ? "install" : "store";
        text += picture ? ", picture" : ", no picture";
        text += sameName ? ", same name at destination" : "";
        text += trash ? ", trash" : ", no trash";
        text += replacedTaken ? ", replaced name taken" : "";
        text += otherDisk ? ", other disk" : "";
        for (const auto& failure : failures) text += ", fail '" + failure + "'";
        return text + " (" + std::to_string(number) + ")";
    }
};

struct TransferRun : MoverFakes {
    explicit TransferRun(const Scenario& s) : scenario(s) {
        disk.AddFolder(kStored);
        sourceFolder = s.install ? kStored : kGame;
        destinationFolder = s.install ? kGame : kStored;
        replacedFolder = JoinPath(kStored, kReplacedMapsName);
        disk.AddFile(SourceMap(), "new map");
        if (s.picture) disk.AddFile(SourcePicture(), "BM new picture");
        if (s.sameName) {
            disk.AddFile(DestinationMap(), "old map");
            disk.AddFile(DestinationPicture(), "BM old picture");
        }
        if (s.replacedTaken) {
            disk.AddFolder(replacedFolder);
            disk.AddFile(JoinPath(replacedFolder, "Lake.gmx"), "older map");
            disk.AddFile(JoinPath(replacedFolder, "Lake.bmp"), "BM older picture");
        }
        disk.trashAvailable = s.trash;
        if (s.otherDisk) disk.otherDisks.insert(kStored);
        mover.Load();
        if (s.install) {
            storedList.selected = "Lake.gmx";
            mover.ChooseStoredMap();
        } else {
            gameList.selected = "Lake.gmx";
            mover.ChooseGameMap();
        }
        before = disk.files;
        for (const auto& failure : s.failures) disk.FailOn(failure, s.number);
    }

    std::string SourceMap() const { return JoinPath(sourceFolder, "Lake.gmx"); }
    std::string SourcePicture() const { return JoinPath(sourceFolder, "Lake.bmp"); }
    std::string DestinationMap() const { return JoinPath(destinationFolder, "Lake.gmx"); }
    std::string DestinationPicture() const { return JoinPath(destinationFolder, "Lake.bmp"); }

    void Transfer() {
        if (scenario.install) {
            mover.Install();
        } else {
            mover.Store();
        }
    }

    // A move that could not take back every step left its journal: the next
    // start (the failures gone) finishes taking it back.
    void NextStartIfNeeded() {
        const bool journalLeft = std::any_of(disk.files.begin(), disk.files.end(), [](const auto& file) {
            return file.first.find(".tessary-journal-") != std::string::npos;
        });
        if (!journalLeft) return;
        disk.failures.clear();
        MoverFakes next;
        next.disk = disk;
        next.mover.Load();
        disk = next.disk;
        EXPECT_LE(next.messages.shown.size(), 1u);
    }

    // The files of the two maps folders among files.
    std::map<std::string, std::string> InFolders(const std::map<std::string, std::string>& files) const {
        std::map<std::string, std::string> kept;
        for (const auto& [path, bytes] : files) {
            const std::string folder = FakeDisk::Parent(path);
            if (folder == sourceFolder || folder == destinationFolder) kept[path] = bytes;
        }
        return kept;
    }

    // True when bytes are found at one of the paths or anywhere in the
    // trash or the replaced maps folder.
    bool Kept(const std::string& bytes, std::initializer_list<std::string> paths) const {
        for (const auto& path : paths) {
            if (disk.HasFile(path) && disk.files.at(path) == bytes) return true;
        }
        for (const auto& [path, held] : disk.files) {
            const std::string folder = FakeDisk::Parent(path);
            if ((folder == FakeDisk::kTrash || folder == replacedFolder) && held == bytes) return true;
        }
        return false;
    }

    Scenario scenario;
    std::string sourceFolder, destinationFolder, replacedFolder;
    std::map<std::string, std::string> before;
};

std::vector<std::string> FailureSites(const TransferRun& r) {
    const std::string trashed = JoinPath(FakeDisk::kTrash, "Lake.gmx");
    const std::string trashedPicture = JoinPath(FakeDisk::kTrash, "Lake.bmp");
    return {"move " + r.SourceMap(),
            "move " + r.SourcePicture(),
            "stamp " + r.SourceMap(),
            "stamp " + r.SourcePicture(),
            "restore " + trashed,
            "restore " + trashedPicture,
            "delete " + r.DestinationMap(),
            "delete " + r.DestinationPicture(),
            "copy " + r.DestinationPicture(),
            "move to " + r.SourcePicture(),
            "copy " + r.SourceMap(),
            "copy to " + r.DestinationMap(),
            "copy " + r.SourcePicture(),
            "copy to " + r.DestinationPicture(),
            "delete " + r.SourceMap(),
            "delete " + r.SourcePicture(),
            "trash " + r.DestinationMap(),
            "trash " + r.DestinationPicture(),
            "move " + r.DestinationMap(),
            "move " + r.DestinationPicture(),
            "move to " + r.DestinationMap(),
            "move to " + r.DestinationPicture(),
            "copy " + trashed,
            "create " + r.replacedFolder,
            "list " + std::string(r.kGame),
            "list " + std::string(r.kStored)};
}

// Every failure alone, and the pairs where the copy fails and so does
// putting the replaced file back.
std::vector<std::vector<std::string>> FailureSets(const TransferRun& r) {
    std::vector<std::vector<std::string>> sets{{}};
    for (const auto& site : FailureSites(r)) sets.push_back({site});
    const std::string trashedMap = JoinPath(FakeDisk::kTrash, "Lake.gmx");
    const std::string trashedPicture = JoinPath(FakeDisk::kTrash, "Lake.bmp");
    sets.push_back({"copy " + r.SourceMap(), "copy " + trashedMap});
    sets.push_back({"copy " + r.SourceMap(), "move to " + r.DestinationMap()});
    sets.push_back({"copy " + r.SourcePicture(), "copy " + trashedPicture});
    sets.push_back({"copy " + r.SourcePicture(), "move to " + r.DestinationPicture()});
    // A later step fails and so does taking back an earlier one.
    sets.push_back({"move " + r.SourcePicture(), "move " + r.DestinationMap()});
    sets.push_back({"copy " + r.SourcePicture(), "delete " + r.DestinationMap()});
    sets.push_back({"delete " + r.SourceMap(), "copy " + r.DestinationPicture()});
    sets.push_back({"copy " + r.SourceMap(), "restore " + trashedMap});
    return sets;
}

void Check(const TransferRun& r) {
    const Scenario& s = r.scenario;
    // Nothing lost: the moving files are at their source or destination,
    // the replaced ones at the destination, in the trash or set aside.
    EXPECT_TRUE(r.Kept("new map", {r.SourceMap(), r.DestinationMap()}));
    if (s.picture) {
        EXPECT_TRUE(r.Kept("BM new picture", {r.SourcePicture(), r.DestinationPicture()}));
    }
    if (s.sameName) {
        EXPECT_TRUE(r.Kept("old map", {r.DestinationMap()}));
        EXPECT_TRUE(r.Kept("BM old picture", {r.DestinationPicture()}));
    }
    if (s.replacedTaken) {
        EXPECT_TRUE(r.Kept("older map", {}));
        EXPECT_TRUE(r.Kept("BM older picture", {}));
    }
    // Nothing half-written: every file holds the whole bytes of a file from before.
    std::set<std::string> known;
    for (const auto& [path, bytes] : r.before) known.insert(bytes);
    for (const auto& [path, bytes] : r.disk.files) EXPECT_EQ(known.count(bytes), 1u) << path;
    // The map and its picture moved together, or both folders hold what
    // they held (unless taking a step back failed as well).
    const bool moved = r.disk.HasFile(r.DestinationMap()) && r.disk.files.at(r.DestinationMap()) == "new map";
    if (s.failures.size() >= 2) {
        // Only that nothing is lost (above and below).
    } else if (moved) {
        EXPECT_FALSE(r.disk.HasFile(r.SourceMap()));
        if (s.picture) {
            EXPECT_FALSE(r.disk.HasFile(r.SourcePicture()));
            EXPECT_TRUE(r.disk.HasFile(r.DestinationPicture()) &&
                        r.disk.files.at(r.DestinationPicture()) == "BM new picture");
        }
        // A replaced map never leaves its picture to pass as the new one's.
        if (s.sameName && !s.picture) {
            EXPECT_FALSE(r.disk.HasFile(r.DestinationPicture()));
        }
    } else {
        EXPECT_EQ(r.InFolders(r.disk.files), r.InFolders(r.before));
    }
    // The moving map never sits only in the trash or the replaced maps folder.
    EXPECT_TRUE(r.disk.HasFile(r.SourceMap()) || r.disk.files.at(r.DestinationMap()) == "new map");
    // A destination that held a map still holds a whole one, unless putting
    // the replaced map back failed as well (it is then kept as above).
    if (s.sameName && s.failures.size() < 2) {
        EXPECT_TRUE(r.disk.HasFile(r.DestinationMap()));
    }
    // A move that did not happen is explained once; one that did is not.
    EXPECT_EQ(r.messages.shown.size(), moved && !r.disk.HasFile(r.SourceMap()) ? 0u : 1u);
    EXPECT_EQ(r.pointer.current, PointerShape::Default);
    EXPECT_EQ(r.Looks(), "idle");
}

TEST(FaultInjection, EveryTransferUnderEveryFailureKeepsEveryFile) {
    int scenarios = 0;
    for (const bool install : {true, false}) {
        for (const bool picture : {true, false}) {
            for (const bool sameName : {true, false}) {
                for (const bool trash : {true, false}) {
                    for (const bool replacedTaken : {false, true}) {
                        for (const bool otherDisk : {false, true}) {
                            const Scenario plain{install,       picture,   sameName, trash,
                                                 replacedTaken, otherDisk, {},       0};
                            for (const auto& failures : FailureSets(TransferRun(plain))) {
                                for (const int number : {kPermissionDenied, kPathNotFound, kDiskFull}) {
                                    const Scenario s{install,       picture,   sameName, trash,
                                                     replacedTaken, otherDisk, failures, number};
                                    SCOPED_TRACE(s.Describe());
                                    TransferRun run(s);
                                    run.Transfer();
                                    run.NextStartIfNeeded();
                                    Check(run);
                                    ++scenarios;
                                    if (::testing::Test::HasFailure()) return;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    std::cout << "Fault injection: " << scenarios << " scenarios\n";
    ::testing::Test::RecordProperty("scenarios", scenarios);
}

// The program stopped dead (a kill, a power cut) at every step of every kind
// of transfer: the next start leaves both folders as they were before the
// transfer or as they are after it, never a mix, and loses nothing.
TEST(FaultInjection, ATransferCutOffAtAnyStepIsFinishedOrTakenBackAtTheNextStart) {
    int cuts = 0;
    for (const bool install : {true, false}) {
        for (const bool picture : {true, false}) {
            for (const bool sameName : {true, false}) {
                for (const bool trash : {true, false}) {
                    for (const bool otherDisk : {false, true}) {
                        for (int step = 1;; ++step) {
                            const Scenario s{install, picture, sameName, trash, false, otherDisk, {}, 0};
                            SCOPED_TRACE(s.Describe() + ", cut off at step " + std::to_string(step));
                            TransferRun run(s);
                            run.disk.steps = 0;
                            run.disk.crashAt = step;
                            try {
                                run.Transfer();
                                break;  // it ended before that step
                            } catch (const FakeDisk::SimulatedCrash&) {}
                            run.disk.crashAt = 0;
                            run.NextStartIfNeeded();
                            ++cuts;
                            auto after = run.InFolders(run.before);
                            after.erase(run.SourceMap());
                            after.erase(run.SourcePicture());
                            after.erase(run.DestinationPicture());
                            after[run.DestinationMap()] = "new map";
                            if (picture) after[run.DestinationPicture()] = "BM new picture";
                            const auto now = run.InFolders(run.disk.files);
                            EXPECT_TRUE(now == run.InFolders(run.before) || now == after);
                            if (sameName) {
                                EXPECT_TRUE(run.Kept("old map", {run.DestinationMap()}));
                                EXPECT_TRUE(run.Kept("BM old picture", {run.DestinationPicture()}));
                            }
                            if (::testing::Test::HasFailure()) return;
                        }
                    }
                }
            }
        }
    }
    std::cout << "Cut off: " << cuts << " transfers\n";
}

}  // namespace
}  // namespace tessary
