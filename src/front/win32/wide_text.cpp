#include "front/win32/wide_text.h"

#include <windows.h>

#include <climits>

#include "platform/failure.h"

namespace tessary {

namespace {

int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) throw RuntimeFailure(kOverflow, "Text too long");
    return static_cast<int>(size);
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = Length(utf8.size());
    const int needed = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (needed <= 0) throw RuntimeFailure(kInvalidProcedureCall, "Text that is not UTF-8");
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), needed);
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = Length(utf16.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

std::optional<std::string> ToAnsiExactly(std::wstring_view text) {
    if (text.empty()) return std::string();
    const int size = Length(text.size());
    const UINT codePage = GetACP();
    // A UTF-8 system code page holds everything; it takes neither the flag
    // nor the default-character report.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* reportDefault = utf8 ? nullptr : &usedDefault;
    const int needed =
        WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, reportDefault);
    if (needed <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), needed, nullptr, reportDefault);
    if (usedDefault) return std::nullopt;
    const std::optional<std::wstring> back = FromAnsi(bytes);
    if (!back || *back != text) return std::nullopt;
    return bytes;
}

std::optional<std::wstring> FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return std::wstring();
    const int size = Length(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (needed <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), needed);
    return wide;
}

}  // namespace tessary
