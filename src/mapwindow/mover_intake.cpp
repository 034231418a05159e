#include "mapwindow/mover.h"

namespace tessary {

// Adding dropped maps is being built; until then a drop does nothing.
void Mover::AddDroppedFiles(const std::vector<std::string>& /*paths*/, DropTarget /*target*/,
                            const DropReader& /*reader*/) {}

}  // namespace tessary
