#include "intake/byte_source.h"

#include <cstring>

#include "intake/archive_reader.h"

namespace tessary {

void MemoryBytes::ReadAt(std::uint64_t offset, void* into, std::size_t size) const {
    if (offset > bytes_.size() || size > bytes_.size() - offset)
        throw IntakeRefused("the archive ends too early");
    if (size != 0) std::memcpy(into, bytes_.data() + offset, size);
}

}  // namespace tessary
