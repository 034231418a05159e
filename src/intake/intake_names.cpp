#include "intake/intake_names.h"

#include "intake/zip_reader.h"

namespace tessary {

bool EndsWithNoCase(std::string_view name, std::string_view end) {
    if (name.size() < end.size()) return false;
    const std::string_view tail = name.substr(name.size() - end.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != end[i]) return false;
    }
    return true;
}

ArchiveType ArchiveTypeOf(std::string_view name) {
    if (EndsWithNoCase(name, ".zip")) return ArchiveType::Zip;
    if (EndsWithNoCase(name, ".7z")) return ArchiveType::SevenZip;
    return ArchiveType::None;
}

std::string_view BareEntryName(std::string_view entryName) {
    const auto separator = entryName.find_last_of("/\\");
    return separator == std::string_view::npos ? entryName : entryName.substr(separator + 1);
}

std::unique_ptr<ArchiveReader> OpenArchive(ArchiveType type, std::shared_ptr<const ByteSource> bytes,
                                           const DropReader& reader, const IntakeLimits& limits) {
    if (type == ArchiveType::Zip) return OpenZip(std::move(bytes), limits);
    if (type == ArchiveType::SevenZip) {
        if (auto archive = reader.OpenSevenZip(std::move(bytes), limits)) return archive;
        throw IntakeRefused("7z archives are not read on this system");
    }
    throw IntakeRefused("it is no archive");
}

}  // namespace tessary
