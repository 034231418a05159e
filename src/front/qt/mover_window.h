#pragma once
// The map window "Mover" on Qt: a frameless tool window cut to its shape,
// or, where top-level windows cannot be placed or cut (Wayland), a window
// inside its parent's client area; it hosts the two file lists and paints
// the form. The form and its behaviour are the same on every front; this
// class only shows them and hands the events over.

#include <QPoint>
#include <QWidget>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "front/qt/qt_canvas.h"
#include "front/qt/qt_file_list.h"
#include "front/qt/qt_folder_watch.h"
#include "front/qt/qt_region_ops.h"
#include "front/qt/window_memory.h"
#include "mapwindow/mover_form.h"

namespace tessary {

class QtMoverWindow final : public QWidget, public MoverWindow {
    Q_OBJECT
public:
    // Where the window lives: a window of its own (kept in front of its
    // parent), or inside its parent, which shows wherever it is cut away.
    enum class Host { OwnWindow, InsideParent };

    // services.screen is the area the window is centred on: for a window
    // inside its parent, that parent's inside.
    QtMoverWindow(GameMapsPlace game, MoverWindowServices services, QWidget* parent = nullptr,
                  Host host = Host::OwnWindow);
    ~QtMoverWindow() override;

    // Loads the window (its load step runs to its end) and shows it.
    void LoadAndShow();

    // From now on the window takes files dropped on it, read through reader;
    // until then it refuses them.
    void TakeDrops(const DropReader& reader);
    // The files (full paths) are added as a drop on target once the events
    // being handled now are done; a drop waits for the one before it.
    void AddDropLater(std::vector<std::string> paths, DropTarget target);

    Mover& Behaviour() { return form_.Behaviour(); }
    QtFileList& GameList() { return *gameList_; }
    QtFileList& StoredList() { return *storedList_; }
    LayoutPictureArea& Picture(MapControl control) { return form_.Picture(control); }
    const MoverLayoutState& Layout() const { return form_.Layout(); }
    LayoutScale Scale() const { return form_.Scale(); }

    // MoverWindow
    void SetWindowRgn(RegionHandle region, bool redraw) override;
    RegionOps& Regions() override { return regions_; }
    void SetTopLeft(double topTwips, double leftTwips) override;
    void BeginDrag() override;
    // QWidget::repaint.
    void PaintNow() override { repaint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Local files dragged over the window, as a copy: on the game list they
    // go to the game's maps folder, on the stored list to "Stored Maps",
    // anywhere else to the game's maps folder.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A window inside its parent stays inside when the parent shrinks.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Screen& screen_;
    QtRegionOps regions_;
    QtMoverPictures pictures_;
    // The lists are the window's children; they go first (see the destructor).
    QtFileList* gameList_;
    QtFileList* storedList_;
    MoverForm form_;
    // Both lists follow their folders; F5 re-reads them as well.
    QtFolderWatch folderWatch_;
    // The window follows the mouse while it is dragged by hand, where the
    // window system offers no move of its own: for a window of its own, the
    // mouse's offset from its top-left on the screen; inside a parent, the
    // point of the window under the mouse.
    std::optional<QPoint> dragOffset_;
    QPoint pressedAt_;

    struct WaitingDrop {
        std::vector<std::string> paths;
        DropTarget target;
    };
    void AddWaitingDrops();
    const DropReader* dropReader_ = nullptr;
    // Drops not added yet: the one being added asks the player in a modal
    // box, and meanwhile more can come (a later start, another drop).
    std::deque<WaitingDrop> waitingDrops_;
    bool addingDrops_ = false;
    // The drag over the window carries local files that may be copied.
    bool dragTaken_ = false;
    // Of a window of its own: mapped when it is first shown. It never
    // changes size.
    WindowMemory memory_;
};

}  // namespace tessary
