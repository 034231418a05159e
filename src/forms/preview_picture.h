#pragma once
// Reading a map's preview picture (the ".bmp" beside the map) from its file.
// Each front reads the bytes its own way and draws the decoded pixels its
// own way; what lies between (how much to read, which files to refuse and
// why) is here.

#include <cstddef>
#include <functional>
#include <string>

#include "forms/bmp_picture.h"

namespace tessary {

// Reads at most maxBytes from the start of the file at path, byte for byte.
// Fails with a RuntimeFailure when the path names no plain file (a pipe or a
// device could hold up the window for good) or the file cannot be read.
using ReadFileStart = std::function<std::string(const std::string& path, std::size_t maxBytes)>;

// The decoded preview picture at path, never reading more than any
// acceptable picture can need. Fails with what readStart raises, or with
// kInvalidPicture for a file that is too large, corrupt, truncated or of
// another format.
Picture ReadPreviewPicture(const std::string& path, const ReadFileStart& readStart);

}  // namespace tessary
