#include "front/qt/qt_resources.h"

#include <QtCore/QtGlobal>

#ifdef TESSARY_HAVE_ASSETS
static void InitAssets() { Q_INIT_RESOURCE(assets); }
#endif

namespace tessary {

void InitResources() {
#ifdef TESSARY_HAVE_ASSETS
    InitAssets();
#endif
}

}  // namespace tessary
