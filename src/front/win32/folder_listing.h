#pragma once
// The files of one folder whose names match a file-list pattern, read with
// the Windows API.

#include <string>
#include <vector>

#include "lists/pattern.h"

namespace tessary {

// The regular files directly in the folder (no folders, no devices) whose
// UTF-8 names match without regard to case (as Windows compares names),
// sorted with NaturalLess. Fails with kPathNotFound when the folder does not
// exist or is not a folder.
std::vector<std::string> ListMatchingWindowsFiles(const std::string& folder, const FilePattern& pattern);

}  // namespace tessary
