#pragma once
#include <functional>
#include <string>

namespace tessary {

// A picture area or a label: something that can be shown and hidden.
class Visual {
public:
    virtual ~Visual() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
};

class Label : public Visual {};

// A picture area. Only the preview area ever gets a picture from a file.
class PictureArea : public Visual {
public:
    // Fails when the file is missing or holds no picture; the area is then
    // left as it was.
    virtual void LoadPicture(const std::string& path) = 0;
    virtual void ClearPicture() = 0;
};

// A file list: the files directly in one folder whose names match a pattern.
class FileList {
public:
    virtual ~FileList() = default;
    // Reads the folder; fails with kPathNotFound when it does not exist.
    virtual void SetFolder(const std::string& folder) = 0;
    virtual void SetPattern(const std::string& pattern) = 0;
    // Re-reads the folder, even when it is unchanged.
    virtual void Refresh() = 0;
    virtual std::string Folder() const = 0;
    // The selected entry's file name (name only), empty when none is selected.
    virtual std::string SelectedFileName() const = 0;
};

// What a file list control on a window reports.
struct FileListEvents {
    // A click on an entry: raised once for every change of the highlighted
    // entry however it came (click, keyboard, a press slid to another entry,
    // the right button), and for a click on the entry already highlighted.
    std::function<void()> onClick;
    // The focus moved to another control.
    std::function<void()> onLostFocus;
    // Return or Enter pressed while the list has the focus.
    std::function<void()> onActivate;
};

}  // namespace tessary
