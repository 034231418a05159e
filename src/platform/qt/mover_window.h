#pragma once
// The map window "Mover" on Qt: a frameless window cut to its shape, painted
// from the layout model, hosting the two file lists. The behaviour is Mover's;
// this class only shows it and hands the events over.

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

#include "forms/layout_label.h"
#include "forms/mover_layout_state.h"
#include "mapwindow/mover.h"
#include "mapwindow/mover_events.h"
#include "mapwindow/mover_window.h"
#include "platform/qt/qt_file_list.h"
#include "platform/qt/qt_picture_area.h"
#include "platform/qt/qt_region_ops.h"

namespace tessary {

class QtMoverWindow final : public QWidget, public MoverWindow {
    Q_OBJECT
public:
    QtMoverWindow(Module1& program, MoverWindowServices services, QWidget* parent = nullptr);
    ~QtMoverWindow() override;

    // Loads the window (its load step runs to its end) and shows it.
    void LoadAndShow();

    Mover& Behaviour() { return *mover_; }
    QtFileList& File1() { return *file1_; }
    QtFileList& File2() { return *file2_; }
    QtPictureArea& Image(std::size_t k) { return *images_.at(k); }
    const MoverLayoutState& Layout() const { return state_; }
    LayoutScale Scale() const { return scale_; }

    // MoverWindow
    void SetWindowRgn(RegionHandle region, bool redraw) override;
    RegionOps& Regions() override { return regions_; }
    void SetTopLeft(double topTwips, double leftTwips) override;
    void BeginDrag() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void PaintControl(QPainter& painter, std::size_t row);
    std::size_t RowOf(std::string_view name) const;

    MoverWindowServices services_;
    LayoutScale scale_;
    MoverLayoutState state_;
    QtRegionOps regions_;
    QPixmap background_;
    QtFileList* file1_ = nullptr;
    QtFileList* file2_ = nullptr;
    std::array<std::unique_ptr<QtPictureArea>, kImageSlotCount> images_;
    std::unique_ptr<LayoutLabel> label1_;
    std::unique_ptr<Mover> mover_;
    MoverLoadSteps loadSteps_;
    MoverClicks clicks_;
    // The window follows the mouse while it is dragged by hand, where the
    // window system offers no move of its own.
    std::optional<QPoint> dragOffset_;
};

}  // namespace tessary
