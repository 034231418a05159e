#include "front/win32/win32_game_folder_chooser.h"

#include <windows.h>

#include <objbase.h>
#include <shobjidl.h>

#include "forms/message_text.h"
#include "front/win32/wide_text.h"

namespace tessary {

namespace {

// Releases a COM object when it goes out of scope.
template <typename T>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (object_ != nullptr) object_->Release();
    }
    T** Out() { return &object_; }
    T* operator->() const { return object_; }

private:
    T* object_ = nullptr;
};

// COM for the calling thread while it lives, when it was not there already.
class ComForThisThread {
public:
    ComForThisThread()
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComForThisThread(const ComForThisThread&) = delete;
    ComForThisThread& operator=(const ComForThisThread&) = delete;
    ~ComForThisThread() {
        if (initialised_) CoUninitialize();
    }

private:
    bool initialised_;
};

}  // namespace

bool Win32GameFolderChooser::AskToChoose(const std::string& text, const std::string& caption) {
    return MessageBoxW(GetActiveWindow(), Widen(FitMessageText(text)).c_str(), Widen(caption).c_str(),
                       MB_OKCANCEL) == IDOK;
}

std::string Win32GameFolderChooser::ChooseFolder(const std::string& title) {
    const ComForThisThread com;
    ComPointer<IFileDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileDialog,
                                reinterpret_cast<void**>(dialog.Out())))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(Widen(title).c_str());
    // Cancelled, or the dialog could not be shown.
    if (FAILED(dialog->Show(GetActiveWindow()))) return {};
    ComPointer<IShellItem> item;
    if (FAILED(dialog->GetResult(item.Out()))) return {};
    PWSTR path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)) || path == nullptr) return {};
    std::string folder = Narrow(path);
    CoTaskMemFree(path);
    return folder;
}

}  // namespace tessary
