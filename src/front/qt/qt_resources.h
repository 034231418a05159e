#pragma once

namespace tessary {

// Registers the pictures built into the program. Call once after the
// QApplication exists.
void InitResources();

}  // namespace tessary
