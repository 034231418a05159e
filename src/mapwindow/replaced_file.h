#pragma once
// A file that a transfer is about to replace is never destroyed: it goes to
// the desktop's trash, or, where there is none, into the "Replaced Maps"
// folder inside the stored maps folder, which the lists never show (they
// show only the files directly in their own folder).

#include <cstddef>
#include <string>
#include <vector>

namespace tessary {

class Files;

inline constexpr const char* kReplacedMapsName = "Replaced Maps";

// Where a replaced file was put.
struct SetAside {
    enum class Place { Trash, ReplacedMaps };
    Place place;
    // Its path there; empty when the trash did not say.
    std::string path;
};

// What SetAsideTogether tells as it goes (files by their index in paths),
// so that a transfer cut off meanwhile can find them again.
class SetAsideSteps {
public:
    virtual ~SetAsideSteps() = default;
    // Before a file is moved to target (whose path is "" for the trash).
    virtual void Trying(std::size_t file, const SetAside& target) = 0;
    // The file is now there.
    virtual void Done(std::size_t file, const SetAside& where) = 0;
    // The file is back at its own path.
    virtual void Back(std::size_t file) = 0;
};

// Sets aside the files of a replaced map and its picture together (one file
// alone as well): all in the trash, else all in replacedFolder (made when
// missing) under their own names, or under one number when a name is taken
// ("Golf (2).gmx" with "Golf (2).bmp"). A RuntimeFailure when they cannot all
// be set aside; those already moved are then put back as far as they can be.
std::vector<SetAside> SetAsideTogether(Files& files, const std::vector<std::string>& paths,
                                       const std::string& replacedFolder, SetAsideSteps* steps = nullptr);

// Puts a set-aside file back at path after the copy meant to replace it
// failed: moved back, or, out of the trash, copied back when it cannot be
// moved. True when the file is at path again; when not, it is still where
// it was put.
bool PutBack(Files& files, const SetAside& aside, const std::string& path);

// "name (n).ext" for the n-th file of the name "name.ext" (n >= 2); a name
// without an extension gets " (n)" at its end.
std::string NumberedName(const std::string& name, int n);

}  // namespace tessary
