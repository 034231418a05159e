#include "intake/intake_plan.h"

#include <algorithm>
#include <map>

#include "intake/intake_names.h"
#include "intake/intake_pairing.h"
#include "intake/safe_name.h"
#include "platform/failure.h"
#include "platform/path.h"

namespace tessary {

namespace {

constexpr std::string_view kEmpty = "it is empty (an unfinished download or a placeholder)";

class Planner {
public:
    Planner(const DropReader& reader, const IntakeLimits& limits) : reader_(reader), limits_(limits) {}

    void Dropped(const std::string& path) {
        switch (KindOf(path)) {
        case PathKind::Folder: Walk(path, 0); break;
        case PathKind::File: LooseFile(path, LooseGroup(std::string(FolderOfPath(path)))); break;
        default: break;  // skipped by KindOf
        }
    }

    // A map dropped on its own brings its picture from beside it, as moving
    // it between the lists would.
    void AddPicturesBeside(const NamesLookAlike& alike) {
        for (const auto& [folder, group] : looseGroups_) {
            std::vector<std::string> dropped;
            for (const auto& found : found_) {
                if (found.group == group) dropped.push_back(found.file.name);
            }
            try {
                const std::vector<std::string> beside = folder.empty() ? dropped : reader_.NamesIn(folder);
                for (const auto& map : dropped) {
                    if (!IsMapFileName(map) || FindPictureName(dropped, map, alike)) continue;
                    const auto picture = FindPictureName(beside, map, alike);
                    if (!picture || std::find(dropped.begin(), dropped.end(), *picture) != dropped.end())
                        continue;
                    const std::string path = JoinPath(folder, *picture);
                    if (reader_.KindOf(path) == PathKind::File) LooseFile(path, group);
                }
            } catch (const RuntimeFailure&) {
                // No picture beside it to be had: the map comes alone.
            }
        }
    }

    IntakePlan Finish(const NamesLookAlike& alike) {
        AddPicturesBeside(alike);
        IntakePlan plan;
        plan.skipped = std::move(skipped_);
        PairFound(std::move(found_), archiveGroups_, alike, plan);
        return plan;
    }

private:
    PathKind KindOf(const std::string& path) {
        try {
            const PathKind kind = reader_.KindOf(path);
            if (kind == PathKind::Missing) Skip(path, "it is no longer there");
            if (kind == PathKind::Link) Skip(path, "it is a link");
            if (kind == PathKind::Other) Skip(path, "it is not a regular file");
            return kind;
        } catch (const RuntimeFailure& failure) {
            Skip(path, failure.Description());
            return PathKind::Missing;
        }
    }

    void Walk(const std::string& folder, int depth) {
        if (depth > limits_.maxFolderDepth) {
            return Skip(folder, "it lies more than " + std::to_string(limits_.maxFolderDepth) +
                                    " folders deep in a dropped folder");
        }
        std::vector<std::string> names;
        try {
            names = reader_.NamesIn(folder);
        } catch (const RuntimeFailure& failure) {
            return Skip(folder, failure.Description());
        }
        std::sort(names.begin(), names.end());
        const std::size_t group = NewGroup(false);
        for (const auto& name : names) {
            if (++folderEntries_ > limits_.maxFolderFiles) {
                return Skip(folder, "the dropped folders hold more than " +
                                        std::to_string(limits_.maxFolderFiles) +
                                        " entries; the rest were not looked at");
            }
            const std::string path = JoinPath(folder, name);
            const PathKind kind = KindOf(path);
            if (kind == PathKind::File) LooseFile(path, group);
            if (kind == PathKind::Folder) Walk(path, depth + 1);
        }
    }

    void LooseFile(const std::string& path, std::size_t group) {
        const std::string name(NameOfPath(path));
        try {
            if (IsUnfinishedDownload(name)) throw IntakeRefused("it is an unfinished download");
            const ArchiveType type = ArchiveTypeOf(name);
            const std::uint64_t size = reader_.SizeOf(path);
            if (type != ArchiveType::None) {
                if (size == 0) throw IntakeRefused(std::string(kEmpty));
                const PlannedFile archive{name, path, {}, path};
                return Archive(archive, OpenArchive(type, reader_.Open(path), reader_, limits_), 0);
            }
            Check(name);
            if (size == 0) throw IntakeRefused(std::string(kEmpty));
            if (size > limits_.maxFileBytes) throw IntakeRefused(TooBigText(limits_.maxFileBytes));
            Count(size);
            Take(PlannedFile{name, path, {}, path}, group);
        } catch (const IntakeRefused& refused) {
            Skip(path, refused.what());
        } catch (const RuntimeFailure& failure) {
            Skip(path, failure.Description());
        }
    }

    void Archive(const PlannedFile& archive, std::unique_ptr<ArchiveReader> reader, int level) {
        const std::size_t group = NewGroup(true);
        const auto& entries = reader->Entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const ArchiveEntry& entry = entries[i];
            if (entry.kind == EntryKind::Folder) continue;
            PlannedFile file{std::string(BareEntryName(entry.name)), archive.path, archive.entries,
                             archive.shownAs + " \xE2\x80\xBA " + entry.name};
            file.entries.push_back(i);
            try {
                Entry(*reader, entry, file, group, level);
            } catch (const IntakeRefused& refused) {
                Skip(file.shownAs, refused.what());
            } catch (const RuntimeFailure& failure) {
                Skip(file.shownAs, failure.Description());
            }
        }
    }

    void Entry(ArchiveReader& reader, const ArchiveEntry& entry, const PlannedFile& file, std::size_t group,
               int level) {
        if (entry.kind == EntryKind::Link) throw IntakeRefused("it is a link");
        if (entry.kind == EntryKind::Other) throw IntakeRefused("it is not a regular file");
        if (entry.encrypted) throw IntakeRefused("it is encrypted");
        if (!entry.problem.empty()) throw IntakeRefused(entry.problem);
        if (IsUnfinishedDownload(file.name)) throw IntakeRefused("it is an unfinished download");
        const ArchiveType type = ArchiveTypeOf(file.name);
        if (type != ArchiveType::None && level > 0) {
            throw IntakeRefused("it is an archive inside an archive inside an archive, which is not opened");
        }
        if (type == ArchiveType::None) Check(file.name);
        std::string bytes;
        std::uint64_t size = 0;
        reader.Read(file.entries.back(), [&](const char* data, std::size_t length) {
            Count(length);
            size += length;
            if (type != ArchiveType::None) bytes.append(data, length);
        });
        if (size == 0) throw IntakeRefused(std::string(kEmpty));
        if (type == ArchiveType::None) return Take(file, group);
        Archive(file, OpenArchive(type, std::make_shared<MemoryBytes>(std::move(bytes)), reader_, limits_),
                level + 1);
    }

    // A map or picture name that Windows takes.
    static void Check(const std::string& name) {
        if (!IsMapFileName(name) && !IsPictureFileName(name)) {
            throw IntakeRefused("it is neither a map (.gmx) nor a picture (.bmp)");
        }
        if (auto why = WhyUnsafeName(name)) throw IntakeRefused(*why);
    }

    void Count(std::uint64_t size) {
        if (size > limits_.maxTotalBytes - total_) {
            throw IntakeRefused("the dropped files together are bigger than " +
                                std::to_string(limits_.maxTotalBytes >> 20) + " MB");
        }
        total_ += size;
    }

    void Take(const PlannedFile& file, std::size_t group) {
        if (found_.size() >= limits_.maxTakenFiles) {
            throw IntakeRefused("more than " + std::to_string(limits_.maxTakenFiles) +
                                " maps and pictures were dropped at once");
        }
        found_.push_back({file, group});
    }

    std::size_t NewGroup(bool archive) {
        archiveGroups_.push_back(archive);
        return archiveGroups_.size() - 1;
    }

    std::size_t LooseGroup(const std::string& folder) {
        const auto [at, made] = looseGroups_.try_emplace(folder, archiveGroups_.size());
        if (made) NewGroup(false);
        return at->second;
    }

    void Skip(const std::string& shownAs, const std::string& reason) {
        skipped_.push_back({shownAs, reason});
    }

    const DropReader& reader_;
    IntakeLimits limits_;
    std::vector<FoundFile> found_;
    std::vector<bool> archiveGroups_;
    std::map<std::string, std::size_t> looseGroups_;
    std::vector<SkippedItem> skipped_;
    std::uint64_t total_ = 0;
    std::size_t folderEntries_ = 0;
};

}  // namespace

IntakePlan PlanIntake(const std::vector<std::string>& dropped, const DropReader& reader,
                      const IntakeLimits& limits, const NamesLookAlike& alike) {
    Planner planner(reader, limits);
    for (const auto& path : dropped) planner.Dropped(path);
    return planner.Finish(alike);
}

}  // namespace tessary
