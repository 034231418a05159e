// Tessary on Linux: the Qt front.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "front/posix/command_line.h"
#include "front/qt/fonts_ahead.h"
#include "front/qt/qt_front.h"
#include "front/qt/qt_resources.h"
#include "startup/second_start.h"

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler defaultHandler = nullptr;
std::vector<HeldMessage> heldMessages;

// While the application is being made, its messages are held back: a
// display that cannot be opened ends the program with one line and status
// 1 instead of the toolkit's lines and an abort.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, QByteArray(context.category ? context.category : ""), message});
        return;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    if (platform != nullptr && *platform != '\0') {
        std::fprintf(stderr, "tessary: cannot open a window with QT_QPA_PLATFORM=%s\n", platform);
    } else {
        std::fprintf(stderr, "tessary: cannot open a window on the display \"%s\"\n", display ? display : "");
    }
    std::fflush(stderr);
    std::_Exit(1);
}

// The application is made: what it said meanwhile goes out as usual.
void ReleaseHeldMessages() {
    qInstallMessageHandler(defaultHandler);
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        defaultHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

int Print(std::FILE* stream, const std::string& text, int status) {
    std::fputs(text.c_str(), stream);
    return status;
}

// The folder the program was started in; "" when it is gone.
std::string WorkingFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.native();
}

}  // namespace

int main(int argc, char** argv) {
    const tessary::CommandLine commandLine = tessary::ReadCommandLine(argc, argv, WorkingFolder());
    switch (commandLine.request) {
    case tessary::CommandLineRequest::Usage: return Print(stdout, tessary::UsageText(), 0);
    case tessary::CommandLineRequest::Version: return Print(stdout, tessary::VersionText(), 0);
    case tessary::CommandLineRequest::Misuse: return Print(stderr, tessary::UsageText(), 2);
    case tessary::CommandLineRequest::Run: break;
    }
    if (const std::string missing = tessary::MissingDisplayText(); !missing.empty()) {
        return Print(stderr, missing, 1);
    }

    // Read while the application is made; the thread ends before main does.
    const std::jthread fontConfiguration = tessary::ReadFontConfigurationAhead();
    defaultHandler = qInstallMessageHandler(StartupMessageHandler);
    // The arguments are the program's own: the toolkit sees none, so a
    // file named like one of its options is never taken for that option.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    ReleaseHeldMessages();
    tessary::InitResources();
    // A second start hands over to the copy already running and ends.
    tessary::QtRunningCopy runningCopy;
    tessary::QtMessageBoxes messages;
    if (const auto status = tessary::EndIfAlreadyRunning(runningCopy, messages, commandLine.files)) {
        return *status;
    }
    tessary::QtProgram program(commandLine.files);
    runningCopy.OnShowRequest(
        [&program](const std::vector<std::string>& files) { return program.BringToFront(files); });
    return program.Run();
}
