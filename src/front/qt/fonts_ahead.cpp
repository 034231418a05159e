#include "front/qt/fonts_ahead.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <utility>

namespace tessary {

namespace {

template <typename Read>
std::jthread ReadAhead(Read read) {
    try {
        return std::jthread(std::move(read));
    } catch (const std::system_error&) {
        return {};  // read on first use instead
    }
}

}  // namespace

std::jthread ReadFontConfigurationAhead() {
    return ReadAhead([] { FcInit(); });
}

std::jthread ReadFontListAhead() {
    return ReadAhead([] { QFontDatabase::families(); });
}

}  // namespace tessary
