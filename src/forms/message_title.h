#pragma once
// The title of the program's message boxes.

namespace tessary {

inline constexpr const char* kApplicationTitle = "Tessary --- Fennock Marrowby";

}  // namespace tessary
