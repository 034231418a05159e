#pragma once
// The map window "Mover" on Qt: a frameless tool window cut to its shape,
// hosting the two file lists and painting the form. The form and its
// behaviour are the same on every front; this class only shows them and
// hands the events over.

#include <QPoint>
#include <QWidget>

#include <optional>

#include "mapwindow/mover_form.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_file_list.h"
#include "platform/qt/qt_region_ops.h"

namespace tessary {

class QtMoverWindow final : public QWidget, public MoverWindow {
    Q_OBJECT
public:
    QtMoverWindow(Module1& program, MoverWindowServices services, QWidget* parent = nullptr);
    ~QtMoverWindow() override;

    // Loads the window (its load step runs to its end) and shows it.
    void LoadAndShow();

    Mover& Behaviour() { return form_.Behaviour(); }
    QtFileList& File1() { return *file1_; }
    QtFileList& File2() { return *file2_; }
    LayoutPictureArea& Image(std::size_t k) { return form_.Image(k); }
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

private:
    Screen& screen_;
    QtRegionOps regions_;
    QtMoverPictures pictures_;
    // The lists are the window's children; they go first (see the destructor).
    QtFileList* file1_;
    QtFileList* file2_;
    MoverForm form_;
    // The window follows the mouse while it is dragged by hand, where the
    // window system offers no move of its own.
    std::optional<QPoint> dragOffset_;
};

}  // namespace tessary
