// Reading a 7z archive where libarchive cannot be loaded.
#include <gtest/gtest.h>

#include "front/posix/seven_zip_reader.h"

namespace tessary {
namespace {

// A missing library, or one without libarchive's functions, refuses the
// archive with the reason instead of calling through a missing function.
TEST(SevenZipReaderTest, RefusesWhenLibArchiveCannotBeLoaded) {
    const auto bytes = std::make_shared<MemoryBytes>("7z\xBC\xAF\x27\x1C");
    for (const char* library : {"libarchive-missing.so.0", "libz.so.1"}) {
        SCOPED_TRACE(library);
        try {
            OpenSevenZipArchive(bytes, IntakeLimits{}, library);
            ADD_FAILURE() << "the archive was read";
        } catch (const IntakeRefused& refused) {
            EXPECT_STREQ(refused.what(),
                         "7z archives cannot be read: the libarchive library cannot be loaded");
        }
    }
}

}  // namespace
}  // namespace tessary
