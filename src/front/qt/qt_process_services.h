#pragma once
// The process-wide platform services on Qt: message boxes, the pointer, the
// screen, pending events, process end, the program's and the user's cache
// folders and web pages.

#include <QPointer>
#include <QWidget>

#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/shell.h"

namespace tessary {

class QtMessageBoxes final : public MessageBoxes {
public:
    void ShowOk(const std::string& text, const std::string& caption) override;
    bool AskOkCancel(const std::string& text, const std::string& caption) override;
};

class QtPointer final : public Pointer {
public:
    void Set(PointerShape shape) override;
};

// Twips per pixel come from the screen's logical dots per inch, here only.
class QtScreen final : public Screen {
public:
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
};

// The inside of a window, as the screen of a window placed inside it; twips
// per pixel as on the screen.
class QtInsideOfWindow final : public Screen {
public:
    void SetWindow(const QWidget* window) { window_ = window; }
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override { return screen_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return screen_.TwipsPerPixelY(); }

private:
    QtScreen screen_;
    QPointer<const QWidget> window_;
};

class QtApplication final : public Application {
public:
    void ProcessPendingEvents() override;
    [[noreturn]] void EndProcessWithStatus(int status) override;
    std::string ProgramFolder() const override;
    // UserCacheFolderFor(ProgramFolder()).
    std::string UserCacheFolder() const override;
    // tessary::InstalledForAllUsers(ProgramFolder()).
    bool InstalledForAllUsers() const override;
};

// Hands the address to the desktop; never blocks and never shows a message.
class QtShell final : public Shell {
public:
    void Open(const std::string& address, const std::string& workingFolder) override;
};

}  // namespace tessary
