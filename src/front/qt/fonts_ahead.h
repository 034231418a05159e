#pragma once
// The fonts are read when a window first needs text: the font configuration,
// then the list of the installed fonts, several milliseconds before the
// first list can be laid out. Read on threads of their own while the
// program starts, they are there when the map window's lists need them.
// Each returns the reading thread (none where no thread could be had); it
// is joined when it goes.

#include <thread>

namespace tessary {

// The font configuration; started before the application is made.
std::jthread ReadFontConfigurationAhead();

// The toolkit's list of the installed fonts; started once the application
// is made, and ended before it goes.
std::jthread ReadFontListAhead();

}  // namespace tessary
