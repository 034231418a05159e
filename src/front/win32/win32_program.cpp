#include "front/win32/win32_program.h"

#include <utility>

namespace tessary {

Win32Program::Win32Program(std::vector<std::string> openedFiles)
    : splash_(screen_),
      mainFrame_([this](HWND frame, HWND client) { LoadMover(frame, client); }),
      start_(StartupServices{screen_, pointer_, application_, messages_, drives_, treeSearch_, splash_,
                             mainFrame_, locationCache_},
             GameFolderChoice{folderChooser_, files_}),
      openedFiles_(std::move(openedFiles)) {}

int Win32Program::Run() {
    start_.Run();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND client = mainFrame_.Client();
        if (client != nullptr && TranslateMDISysAccel(client, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Win32Program::LoadMover(HWND frame, HWND /*client*/) {
    // The map window lives in front of the frame and goes with it.
    mover_ = std::make_unique<Win32MoverWindow>(
        GameMapsPlace{start_.GameMapsFolder(), [this] { locationCache_.Delete(); }},
        MoverWindowServices{screen_, pointer_, messages_, files_, shell_, application_});
    mover_->LoadAndShow(frame);
    shell_.SetOwner(mover_->Window());
    mover_->AddFilesLater(std::exchange(openedFiles_, {}), DropTarget::GameMaps);
}

}  // namespace tessary
