#pragma once
// The files of one real folder whose names match a file-list pattern.

#include <string>
#include <string_view>
#include <vector>

#include "lists/natural_order.h"
#include "lists/pattern.h"

namespace tessary {

// The regular files directly in the folder (links followed to files) whose
// names match, as the file system's raw bytes, in the order a player expects
// (see NaturalLess). Fails with kPathNotFound when the folder does not exist
// or is not a folder; other failures as FailureFromErrno gives them.
std::vector<std::string> ListMatchingFiles(const std::string& folder, const FilePattern& pattern);

}  // namespace tessary
