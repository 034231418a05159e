#include "front/posix/tree_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "front/posix/file_descriptor.h"

namespace tessary {

namespace {

constexpr int kFolderOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK;
// Folder descriptors kept open for opening the folders inside them; past
// this many, those are opened by their whole path.
constexpr int kMaxOpenFolders = 64;
constexpr std::size_t kNoRoot = static_cast<std::size_t>(-1);  // a thread not reading

// File systems that hold no files of their own but views of the system and
// of other processes (their working folders, their open files): never entered.
bool IsPseudoFileSystem(int fd) {
    struct statfs info {};
    if (::fstatfs(fd, &info) != 0) return true;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x9fa0UL:      // proc
    case 0x62656572UL:  // sysfs
    case 0x1cd1UL:      // devpts
    case 0x27e0ebUL:    // cgroup
    case 0x63677270UL:  // cgroup2
    case 0x64626720UL:  // debugfs
    case 0x74726163UL:  // tracefs
    case 0x73636673UL:  // securityfs
    case 0xcafe4a11UL:  // bpf
    case 0x6165676cUL:  // pstore
    case 0xf97cff8cUL:  // selinuxfs
    case 0x62656570UL:  // configfs
    case 0x65735543UL:  // fusectl
    case 0x42494e4dUL:  // binfmt_misc
    case 0x19800202UL:  // mqueue
    case 0xde5e81e4UL:  // efivarfs
    case 0x6e736673UL:  // nsfs
        return true;
    default: return false;
    }
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// A folder's place in the walks' order, as bytes compared in byte order:
// its root's index, then at each level down the rank of the folder's name
// among the names in its parent folder, each as four bytes, most
// significant first. A folder comes before the folders in it, and folders
// side by side come in byte order of their names.
using OrderKey = std::string;

void AppendRank(OrderKey& key, std::size_t rank) {
    for (int shift = 24; shift >= 0; shift -= 8) key.push_back(static_cast<char>((rank >> shift) & 0xff));
}

// A folder descriptor that the folders inside it are opened from; it is
// closed when the last of them has been opened.
struct OpenFolder {
    OpenFolder(FileDescriptor descriptor, std::atomic<int>& count) : fd(std::move(descriptor)), openCount(count) {}
    ~OpenFolder() { --openCount; }
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    FileDescriptor fd;
    std::atomic<int>& openCount;
};

// A folder waiting to be read.
struct Visit {
    OrderKey key;
    std::size_t root = 0;
    std::string path;           // ends with '/'
    std::size_t nameStart = 0;  // its own name's place in path; 0 for a root
    std::shared_ptr<OpenFolder> parent;
    dev_t parentDevice = 0;
};

// For the heap: the visit that comes first is at its top.
struct ComesLater {
    bool operator()(const Visit& a, const Visit& b) const { return b.key < a.key; }
};

struct Hit {
    std::size_t root = 0;
    OrderKey key;
    std::string file;
};

// What one thread needs to read folders: room for the raw entries, for the
// names of the folders inside and for their visits.
struct Reader {
    alignas(dirent64) std::array<char, 32 * 1024> entries;
    std::string names;  // each followed by '\0'
    std::vector<std::string_view> sorted;
    std::string sortedNames;
    std::vector<Visit> inside;
    std::optional<FolderId> listing;  // the folder read, its listing not yet kept
};

// A mutex that spins a little before it sleeps: the threads hold it for
// far less time than a sleep and a wake-up take.
class BriefMutex {
public:
    void lock() {
        for (int i = 0; i < 200; ++i) {
            if (mutex_.try_lock()) return;
#if defined(__x86_64__) || defined(__i386__)
            __builtin_ia32_pause();
#endif
        }
        mutex_.lock();
    }
    bool try_lock() { return mutex_.try_lock(); }
    void unlock() { mutex_.unlock(); }

private:
    std::mutex mutex_;
};

class RowSearch {
private:
    // Who read each folder, by its place in the order; in shards, each with
    // its own lock.
    struct Claim {
        OrderKey key;
        // ReadNotKept: read when no visit before it could come any more.
        enum class State { Reading, Read, ReadNotKept, Unreadable } state = State::Reading;
        struct Listing {
            std::string names;  // its folders' names in byte order, each followed by '\0'
            std::string match;
        };
        std::unique_ptr<Listing> listing;  // while a visit before this one can still come
    };
    struct ClaimShard {
        std::mutex mutex;
        std::condition_variable listed;
        std::unordered_map<FolderId, Claim, FolderIdHash> owners;
    };
    ClaimShard& ShardOf(const FolderId& id) { return claims_[FolderIdHash()(id) % claims_.size()]; }

public:
    RowSearch(const std::vector<std::string>& roots, const std::string& fileName,
              const std::unordered_set<FolderId, FolderIdHash>* earlier)
        : name_(fileName), earlier_(earlier), shared_(earlier != nullptr) {
        for (char& c : name_) c = LowerAscii(c);
        for (std::size_t i = 0; i < roots.size(); ++i) {
            if (roots[i].empty()) continue;
            Visit visit;
            AppendRank(visit.key, i);
            visit.root = i;
            visit.path = roots[i];
            if (visit.path.back() != '/') visit.path += '/';
            queue_.push_back(std::move(visit));
        }
        std::make_heap(queue_.begin(), queue_.end(), ComesLater());
    }

    std::optional<Hit> Run(unsigned threads, const std::function<void(std::size_t)>& reached) {
        if (name_.empty()) return std::nullopt;
        current_.assign(std::max(threads, 1u), kNoRoot);
        currentKeys_.assign(current_.size(), nullptr);
        std::vector<std::thread> helpers;
        for (unsigned i = 1; i < current_.size(); ++i) {
            try {
                helpers.emplace_back([this, i] { Work(i, nullptr); });
            } catch (const std::exception&) {
                break;  // fewer threads, same result
            }
        }
        Work(0, reached ? &reached : nullptr);
        for (std::thread& helper : helpers) helper.join();
        if (tellFailure_) std::rethrow_exception(tellFailure_);
        return std::move(best_);
    }

    std::size_t FoldersRead() const { return foldersRead_; }

    // The folders entered before the hit's, or all of them when there is
    // none: those a single walk in order would have entered.
    template <typename Add>
    void ForEachWalked(const Add& add) const {
        for (const ClaimShard& shard : claims_) {
            for (const auto& [id, claim] : shard.owners) {
                if (!best_ || claim.key <= best_->key) add(id);
            }
        }
    }

private:
    void Work(unsigned worker, const std::function<void(std::size_t)>* reached) {
        Reader reader;
        std::size_t told = 0;
        Visit visit;
        std::unique_lock lock(mutex_);
        currentKeys_[worker] = &visit.key;
        bool reading = TakeNext(lock, worker, visit);
        while (reading) {
            lock.unlock();
            if (reached != nullptr && !tellFailure_) {
                try {
                    for (const std::size_t upTo = reachedRoot_.load(); told <= upTo; ++told) (*reached)(told);
                } catch (...) {
                    tellFailure_ = std::current_exception();
                }
            }
            std::string match;
            bool read = false;
            reader.inside.clear();
            try {
                read = Read(visit, reader, match);
            } catch (const std::exception&) {
                reader.inside.clear();  // passed over, as a folder that cannot be read
            }
            lock.lock();
            foldersRead_ += read ? 1 : 0;
            if (reader.listing) {
                const bool last = NothingBefore(worker, visit.key);
                if (!KeepListing(*reader.listing, visit.key, last ? Claim::State::ReadNotKept : Claim::State::Read,
                                 reader.sortedNames, match)) {
                    // A visit before this one took the folder over meanwhile
                    // and goes on from it.
                    match.clear();
                    reader.inside.clear();
                }
                reader.listing.reset();
            }
            if (!match.empty() && (!best_ || visit.key < best_->key)) {
                best_ = Hit{visit.root, std::move(visit.key), visit.path + match};
            }
            // The thread goes on into the first folder inside, which comes
            // next in the order; the others wait for whichever thread is
            // free first.
            const bool goOn = !reader.inside.empty() && (!best_ || reader.inside.front().key < best_->key);
            for (std::size_t i = goOn ? 1 : 0; i < reader.inside.size(); ++i) {
                queue_.push_back(std::move(reader.inside[i]));
                std::push_heap(queue_.begin(), queue_.end(), ComesLater());
            }
            if (idle_ > 0 && reader.inside.size() > (goOn ? 1u : 0u)) wake_.notify_all();
            if (goOn) {
                visit = std::move(reader.inside.front());
                continue;
            }
            current_[worker] = kNoRoot;
            --busy_;
            reading = TakeNext(lock, worker, visit);
        }
    }

    // Under the lock: the first waiting folder, unless it comes after the
    // best hit so far; false when nothing is left to read.
    bool TakeNext(std::unique_lock<BriefMutex>& lock, unsigned worker, Visit& visit) {
        for (;;) {
            if (!queue_.empty() && best_ && !(queue_.front().key < best_->key)) queue_.clear();
            if (!queue_.empty()) {
                std::pop_heap(queue_.begin(), queue_.end(), ComesLater());
                visit = std::move(queue_.back());
                queue_.pop_back();
                ++busy_;
                current_[worker] = visit.root;
                NoteReachedRoot();
                return true;
            }
            if (busy_ == 0) {
                wake_.notify_all();
                return false;
            }
            ++idle_;
            wake_.wait(lock);
            --idle_;
        }
    }

    // Under the lock: the first root not yet finished (never past the
    // hit's), which every thread has come to.
    void NoteReachedRoot() {
        std::size_t first = queue_.empty() ? kNoRoot : queue_.front().root;
        for (const std::size_t root : current_) first = std::min(first, root);
        if (best_) first = std::min(first, best_->root);
        if (first != kNoRoot && first > reachedRoot_.load()) reachedRoot_.store(first);
    }

    // Opens and reads one folder; the folders inside go to reader.inside
    // in order, and the best matching file to match. False when it was not
    // read. A folder that a visit later in the order has read is taken
    // over with what that visit found in it, not read again.
    bool Read(const Visit& visit, Reader& reader, std::string& match) {
        const bool hasParent = visit.parent && visit.parent->fd.Valid();
        FileDescriptor fd(hasParent ? ::openat(visit.parent->fd.Get(), visit.path.c_str() + visit.nameStart,
                                               kFolderOpenFlags)
                                    : ::open(visit.path.c_str(), kFolderOpenFlags));
        if (!fd.Valid()) return false;
        struct stat info {};
        if (::fstat(fd.Get(), &info) != 0) return false;
        if ((visit.nameStart == 0 || info.st_dev != visit.parentDevice) && IsPseudoFileSystem(fd.Get())) return false;

        const FolderId id{info.st_dev, info.st_ino, shared_ ? 0 : visit.root};
        reader.sortedNames.clear();
        bool readHere = false;
        switch (ClaimFolder(id, visit.key, reader.sortedNames, match)) {
        case Claimed::No: return false;
        case Claimed::TakenOver: break;
        case Claimed::Yes:
            readHere = true;
            reader.names.clear();
            bool read = false;
            try {
                read = ReadEntries(fd.Get(), reader, match);
                if (read) SortNames(reader);
            } catch (...) {
                KeepListing(id, visit.key, Claim::State::Unreadable, {}, {});  // none waits for it in vain
                throw;
            }
            if (!read) {
                KeepListing(id, visit.key, Claim::State::Unreadable, {}, {});
                match.clear();
                return false;
            }
            // Kept for a visit that may take the folder over, once the
            // thread knows whether one still can.
            reader.listing = id;
        }
        if (reader.sortedNames.empty()) return readHere;

        std::shared_ptr<OpenFolder> open;
        if (openFolders_.fetch_add(1) < kMaxOpenFolders) {
            open = std::make_shared<OpenFolder>(std::move(fd), openFolders_);
        } else {
            --openFolders_;
        }
        std::size_t rank = 0;
        for (std::size_t at = 0; at < reader.sortedNames.size(); ++rank) {
            const std::size_t end = reader.sortedNames.find('\0', at);
            const std::string_view name(reader.sortedNames.data() + at, end - at);
            at = end + 1;
            Visit& inside = reader.inside.emplace_back();
            inside.key.reserve(visit.key.size() + 4);
            inside.key = visit.key;
            AppendRank(inside.key, rank);
            inside.root = visit.root;
            inside.path.reserve(visit.path.size() + name.size() + 1);
            inside.path.append(visit.path).append(name).push_back('/');
            inside.nameStart = visit.path.size();
            inside.parent = open;
            inside.parentDevice = info.st_dev;
        }
        return readHere;
    }

    // reader.names in byte order, into reader.sortedNames.
    static void SortNames(Reader& reader) {
        reader.sorted.clear();
        for (std::size_t at = 0; at < reader.names.size();) {
            const std::size_t end = reader.names.find('\0', at);
            reader.sorted.emplace_back(reader.names.data() + at, end - at);
            at = end + 1;
        }
        std::sort(reader.sorted.begin(), reader.sorted.end());
        for (const std::string_view name : reader.sorted) reader.sortedNames.append(name).push_back('\0');
    }

    enum class Claimed { No, Yes, TakenOver };

    // Yes when this visit is the first to come to the folder: it reads it.
    // No when a visit earlier in the order came to it. TakenOver when only
    // later visits did: the folder's names and match are then those the
    // one that read it found (waiting for them if it is still reading).
    Claimed ClaimFolder(const FolderId& id, const OrderKey& key, std::string& names, std::string& match) {
        if (earlier_ != nullptr && earlier_->count(id) != 0) return Claimed::No;
        ClaimShard& shard = ShardOf(id);
        std::unique_lock lock(shard.mutex);
        const auto [it, added] = shard.owners.try_emplace(id);
        Claim& claim = it->second;
        if (added) {
            claim.key = key;
            return Claimed::Yes;
        }
        if (!(key < claim.key)) return Claimed::No;
        claim.key = key;
        shard.listed.wait(lock, [&claim] { return claim.state != Claim::State::Reading; });
        if (claim.state == Claim::State::Unreadable) return Claimed::No;
        if (claim.state == Claim::State::ReadNotKept) {
            claim.state = Claim::State::Reading;  // cannot happen; read again rather than guess
            return Claimed::Yes;
        }
        names = claim.listing->names;
        match = claim.listing->match;
        return Claimed::TakenOver;
    }

    // Keeps what the reading found for a visit that takes the folder over;
    // true when this visit still owns it.
    bool KeepListing(const FolderId& id, const OrderKey& key, Claim::State state, const std::string& names,
                     const std::string& match) {
        ClaimShard& shard = ShardOf(id);
        std::lock_guard lock(shard.mutex);
        Claim& claim = shard.owners[id];
        claim.state = state;
        if (state == Claim::State::Read) {
            claim.listing = std::make_unique<Claim::Listing>(Claim::Listing{names, match});
        }
        shard.listed.notify_all();
        return claim.key == key;
    }

    // Under the lock: true when no folder before `key` waits or is being
    // read by another thread, so that no visit before it can come any more.
    bool NothingBefore(unsigned worker, const OrderKey& key) const {
        if (!queue_.empty() && queue_.front().key < key) return false;
        for (unsigned other = 0; other < current_.size(); ++other) {
            if (other != worker && current_[other] != kNoRoot && *currentKeys_[other] < key) return false;
        }
        return true;
    }

    // Sorts a folder's entries into folders (their names into
    // reader.names) and the best matching file. The entries are read
    // straight from the folder's descriptor.
    bool ReadEntries(int fd, Reader& reader, std::string& match) const {
        bool winePrefix = false;
        for (;;) {
            const ssize_t size = ::getdents64(fd, reader.entries.data(), reader.entries.size());
            if (size < 0) return false;
            if (size == 0) break;
            for (ssize_t offset = 0; offset < size;) {
                const auto* entry = reinterpret_cast<const dirent64*>(reader.entries.data() + offset);
                offset += entry->d_reclen;
                const char* name = entry->d_name;
                if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
                unsigned char type = entry->d_type;
                if (type == DT_LNK || type == DT_UNKNOWN) type = TypeBehind(fd, name);
                if (type == DT_DIR) {
                    reader.names.append(name).push_back('\0');
                } else if (type == DT_REG) {
                    if (Matches(name) && (match.empty() || match > name)) match = name;
                    winePrefix = winePrefix || std::strcmp(name, "system.reg") == 0;
                }
            }
        }
        if (winePrefix) RemoveName(reader.names, "dosdevices");
        return true;
    }

    static void RemoveName(std::string& names, std::string_view name) {
        for (std::size_t at = 0; at < names.size();) {
            const std::size_t end = names.find('\0', at);
            if (std::string_view(names).substr(at, end - at) == name) {
                names.erase(at, end - at + 1);
                return;
            }
            at = end + 1;
        }
    }

    // What a link or an entry of unknown type leads to, links followed.
    static unsigned char TypeBehind(int folderFd, const char* name) {
        struct stat info {};
        if (::fstatat(folderFd, name, &info, 0) != 0) return DT_UNKNOWN;
        if (S_ISDIR(info.st_mode)) return DT_DIR;
        if (S_ISREG(info.st_mode)) return DT_REG;
        return DT_UNKNOWN;
    }

    bool Matches(const char* name) const {
        const std::size_t length = std::strlen(name);
        if (length != name_.size()) return false;
        for (std::size_t i = 0; i < length; ++i) {
            if (LowerAscii(name[i]) != name_[i]) return false;
        }
        return true;
    }


    std::string name_;
    const std::unordered_set<FolderId, FolderIdHash>* earlier_;
    bool shared_;
    std::array<ClaimShard, 16> claims_;

    BriefMutex mutex_;
    std::condition_variable_any wake_;
    // Under mutex_: the folders waiting, as a heap; the best hit; the
    // threads reading and waiting; the root each thread is in.
    std::vector<Visit> queue_;
    std::optional<Hit> best_;
    int busy_ = 0;
    int idle_ = 0;
    std::vector<std::size_t> current_;
    std::vector<const OrderKey*> currentKeys_;  // each thread's visit's, valid while it reads
    std::size_t foldersRead_ = 0;

    std::atomic<std::size_t> reachedRoot_{0};
    // What `reached` raised, on the calling thread.
    std::exception_ptr tellFailure_;
    std::atomic<int> openFolders_{0};
};

unsigned ThreadsFor(unsigned wanted) {
    if (wanted != 0) return wanted;
    return std::max(std::thread::hardware_concurrency(), 1u);
}

}  // namespace

std::string PosixTreeSearch::Find(const std::string& root, const std::string& fileName) {
    const std::optional<FoundInRow> found = FindFirst({root}, fileName, {});
    return found ? found->path : std::string();
}

std::optional<FoundInRow> PosixTreeSearch::FindFirst(const std::vector<std::string>& roots,
                                                     const std::string& fileName,
                                                     const std::function<void(std::size_t)>& reached) {
    RowSearch search(roots, fileName, walkEachFolderOnce_ ? &visited_ : nullptr);
    std::optional<Hit> hit = search.Run(ThreadsFor(threads_), reached);
    foldersRead_ += search.FoldersRead();
    if (walkEachFolderOnce_) search.ForEachWalked([this](const FolderId& id) { visited_.insert(id); });
    if (!hit) return std::nullopt;
    return FoundInRow{hit->root, std::move(hit->file)};
}

}  // namespace tessary
