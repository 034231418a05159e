#pragma once
// Ends the process on the event-loop turn after the first paint of the widget
// named `name`, printing how long that took: from the launch (the time the
// starter put into BENCH_LAUNCH_US, microseconds since the epoch), from the
// process start the kernel recorded (whole clock ticks) and from main().

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

namespace tessary::bench {

inline double NowMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The process start in milliseconds of CLOCK_BOOTTIME: field 22 of
// /proc/self/stat, counted after the command name's closing parenthesis.
inline double ProcessStartMs() {
    std::ifstream in("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto after = stat.rfind(')');
    if (after == std::string::npos) return 0;
    const char* field = stat.c_str() + after + 2;  // field 3
    for (int n = 3; n < 22; ++n) field = std::strchr(field, ' ') + 1;
    return double(std::strtoull(field, nullptr, 10)) * 1e3 / double(sysconf(_SC_CLK_TCK));
}

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QString name)
        : name_(std::move(name)), entryMs_(NowMs(CLOCK_BOOTTIME)), startMs_(ProcessStartMs()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            watched->objectName() == name_) {
            seen_ = true;
            QTimer::singleShot(0, [this] { Report(); });
        }
        return false;
    }

private:
    // Runs once the paint and its flush to the window system are done.
    void Report() const {
        const double now = NowMs(CLOCK_BOOTTIME), nowReal = NowMs(CLOCK_REALTIME);
        const char* launch = std::getenv("BENCH_LAUNCH_US");
        const double fromLaunch = launch ? nowReal - std::strtod(launch, nullptr) / 1e3 : -1;
        std::printf("launch %.2f start %.2f main %.2f\n", fromLaunch, now - startMs_, now - entryMs_);
        std::fflush(stdout);
        std::_Exit(0);
    }

    QString name_;
    double entryMs_;
    double startMs_;
    bool seen_ = false;
};

}  // namespace tessary::bench
