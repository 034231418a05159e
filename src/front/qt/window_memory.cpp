#include "front/qt/window_memory.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <system_error>

namespace tessary {

void WindowMemory::Prepare(QWidget& window) {
#ifdef MADV_POPULATE_WRITE
    Wait();
    // On X the window's memory is one image that stays from paint to paint;
    // elsewhere (Wayland) each paint may be given other memory.
    QBackingStore* store = window.backingStore();
    if (store == nullptr || !window.isWindow() || QGuiApplication::platformName() != QStringLiteral("xcb")) return;
    // The size the first paint gives it, so that paint keeps this memory.
    store->resize(window.size());
    store->beginPaint(QRegion());
    const QPaintDevice* device = store->paintDevice();
    std::uintptr_t start = 0, end = 0;
    if (device != nullptr && device->devType() == QInternal::Image) {
        const auto& image = *static_cast<const QImage*>(device);
        static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const auto bits = reinterpret_cast<std::uintptr_t>(image.constBits());
        start = bits / page * page;
        end = bits + static_cast<std::uintptr_t>(image.sizeInBytes());
    }
    store->endPaint();
    if (end <= start) return;
    try {
        // The pages are mapped, not written: what the window holds is not
        // touched.
        mapping_ = std::thread([start, end] {
            ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
        });
    } catch (const std::system_error&) {
        // No thread to spare: the first paint maps the pages itself.
    }
#else
    (void)window;
#endif
}

void WindowMemory::Wait() {
    if (mapping_.joinable()) mapping_.join();
}

}  // namespace tessary
