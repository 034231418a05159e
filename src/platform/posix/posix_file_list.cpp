#include "platform/posix/posix_file_list.h"

#include "platform/posix/folder_listing.h"

namespace tessary {

PosixFileList::PosixFileList() : ListedFiles(ListMatchingFiles, "/") {}

}  // namespace tessary
