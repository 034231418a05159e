// The transfer journals of Win32Files: hidden files, open without write
// sharing while their program runs, each line flushed before the next step.
#include <atomic>
#include <string>

#include "front/win32/handle.h"
#include "front/win32/long_path.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_failure.h"
#include "front/win32/win32_files.h"

namespace tessary {

namespace {

constexpr const wchar_t* kJournalPrefix = L".tessary-journal-";

std::atomic<unsigned> journalCounter{0};

std::wstring FolderPrefix(const std::string& folder) {
    std::wstring prefix = LongPath(folder);
    if (!prefix.empty() && prefix.back() != L'\\') prefix += L'\\';
    return prefix;
}

class Win32Journal : public Journal {
public:
    Win32Journal(std::string path, std::wstring longPath, Handle file)
        : path_(std::move(path)), longPath_(std::move(longPath)), file_(std::move(file)) {}

    void Append(const std::string& line) override {
        const std::string bytes = line + "\n";
        DWORD written = 0;
        if (!WriteFile(file_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size() || !FlushFileBuffers(file_.Get())) {
            throw LastFailure("Cannot write", path_);
        }
    }

    void Finish() override {
        file_.Close();
        if (!DeleteFileW(longPath_.c_str())) throw LastFailure("Cannot delete", path_);
    }

private:
    std::string path_;
    std::wstring longPath_;
    Handle file_;
};

}  // namespace

std::unique_ptr<Journal> Win32Files::StartJournal(const std::string& folder) {
    const std::wstring name = kJournalPrefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(journalCounter.fetch_add(1));
    const std::wstring longPath = FolderPrefix(folder) + name;
    const std::string path = folder + "\\" + Narrow(name);
    Handle file(CreateFileW(longPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_WRITE_THROUGH, nullptr));
    if (!file.Valid()) throw LastFailure("Cannot create", path);
    return std::make_unique<Win32Journal>(path, longPath, std::move(file));
}

std::vector<AbandonedJournal> Win32Files::AbandonedJournals(const std::string& folder) {
    const std::wstring prefix = FolderPrefix(folder);
    const std::wstring pattern = prefix + kJournalPrefix + L"*";
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    do {
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::vector<AbandonedJournal> abandoned;
    for (const auto& name : names) {
        // Refusing to share writing fails while its program holds it open.
        Handle file(CreateFileW((prefix + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) continue;
        std::string text;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
            text.append(buffer, got);
        abandoned.push_back({folder + "\\" + Narrow(name), text});
    }
    return abandoned;
}

}  // namespace tessary
