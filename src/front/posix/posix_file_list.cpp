#include "front/posix/posix_file_list.h"

#include "front/posix/folder_listing.h"

namespace tessary {

PosixFileList::PosixFileList() : ListedFiles(ListMatchingFiles, "/") {}

}  // namespace tessary
