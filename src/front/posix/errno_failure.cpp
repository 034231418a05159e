#include "front/posix/errno_failure.h"

#include <cerrno>
#include <cstring>

namespace tessary {

RuntimeFailure FailureFromErrno(int error, const std::string& what, const std::string& path) {
    int number = kDeviceIOError;
    switch (error) {
    case ENOENT:
    case ENOTDIR: number = kPathNotFound; break;
    case EACCES:
    case EPERM:
    case EROFS: number = kPermissionDenied; break;
    case EBUSY:
    case ETXTBSY: number = kFileInUse; break;
    case ENOSPC:
    case EDQUOT: number = kDiskFull; break;
    case EEXIST: number = kFileAlreadyExists; break;
    case EISDIR:
    case ELOOP:
    case ENAMETOOLONG: number = kPathFileAccessError; break;
    default: break;
    }
    return RuntimeFailure(number, what + " \"" + path + "\": " + std::strerror(error));
}

}  // namespace tessary
