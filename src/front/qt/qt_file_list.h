#pragma once
// A file list as a list widget. The state (folder, pattern, entries,
// selection) is a PosixFileList; the widget shows it. Each entry keeps the
// file system's own bytes of its name, so what is shown can always be found
// again on disk.

#include <QListWidget>

#include <functional>
#include <string>

#include "platform/controls.h"
#include "front/posix/posix_file_list.h"

namespace tessary {

struct FileListLook;

class QtFileList final : public QListWidget, public FileList, public FileListEvents {
    Q_OBJECT
public:
    explicit QtFileList(QWidget* parent = nullptr);

    // Colours, flat border, tooltip and the name a screen reader gives it.
    void SetLook(const FileListLook& look);

    void SetFolder(const std::string& folder) override;
    void SetPattern(const std::string& pattern) override;
    void Refresh() override;
    std::string Folder() const override;
    std::string SelectedFileName() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowEntries();
    void SelectionChanged();

    PosixFileList model_;
    std::vector<std::string> shown_;
    int selectedAtPress_ = -1;
};

}  // namespace tessary
