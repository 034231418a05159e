// Tessary started as src/main.cpp starts it (the running copy claimed first,
// then the program), ended once the map window has painted for the first
// time.
#include <QApplication>

#include "first_paint.h"
#include "front/qt/fonts_ahead.h"
#include "front/qt/qt_process_services.h"
#include "front/qt/qt_program.h"
#include "front/qt/qt_resources.h"
#include "front/qt/qt_running_copy.h"
#include "startup/second_start.h"

int main(int /*argc*/, char** argv) {
    tessary::bench::FirstPaint firstPaint(QStringLiteral("Mover"));
    const std::jthread fontConfiguration = tessary::ReadFontConfigurationAhead();
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    app.installEventFilter(&firstPaint);
    tessary::InitResources();
    tessary::QtRunningCopy runningCopy;
    tessary::QtMessageBoxes messages;
    if (const auto status = tessary::EndIfAlreadyRunning(runningCopy, messages)) return *status;
    tessary::QtProgram program(std::vector<std::string>{});
    runningCopy.OnShowRequest(
        [&program](const std::vector<std::string>& files) { return program.BringToFront(files); });
    return program.Run();
}
