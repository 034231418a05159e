#include "platform/posix/listed_file_list.h"

#include "platform/posix/folder_listing.h"

namespace tessary {

ListedFileList::ListedFileList() : ListedFiles(ListMatchingFiles, "/") {}

}  // namespace tessary
