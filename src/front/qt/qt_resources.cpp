#include "front/qt/qt_resources.h"

#include <QtCore/QtGlobal>

// Outside the namespace: the resource's registration function is a global.
static void InitAssets() { Q_INIT_RESOURCE(assets); }

namespace tessary {

void InitResources() { InitAssets(); }

}  // namespace tessary
