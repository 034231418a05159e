#include "platform/qt/mover_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "mapwindow/mover_events.h"
#include "platform/qt/asset_picture.h"
#include "platform/qt/window_geometry.h"
#include "platform/screen.h"

namespace tessary {

namespace {

QRect ToQRect(const LayoutRect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }
QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

QtMoverWindow::QtMoverWindow(Module1& program, MoverWindowServices services, QWidget* parent)
    // A tool window of the frame: the window system keeps it in front of the
    // frame and minimises it with the frame.
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      services_(services),
      scale_{services.screen.TwipsPerPixelX(), services.screen.TwipsPerPixelY()},
      background_(AssetPicture(ToQString(kMoverBackgroundPicture))) {
    setObjectName(QStringLiteral("Mover"));
    setWindowTitle(ToQString(kMoverCaption));
    setWindowIcon(ProgramIcon());
    // The painted surface never takes the keyboard focus from a list.
    setFocusPolicy(Qt::NoFocus);
    const PixelSize client = MoverClientPixels(scale_);
    setFixedSize(client.width, client.height);
    CreateControls();

    std::array<PictureArea*, kImageSlotCount> images{};
    for (std::size_t k = 1; k < images.size(); ++k) images[k] = images_[k].get();
    mover_ = std::make_unique<Mover>(program, MoverControls{*file1_, *file2_, images, *label1_},
                                     services.For(*this));
    file1_->onClick = [this] { mover_->File1_Click(); };
    file2_->onClick = [this] { mover_->File2_Click(); };
    file2_->onLostFocus = [this] { mover_->File2_LostFocus(); };
}

QtMoverWindow::~QtMoverWindow() {
    // The lists go first: a list that loses the focus on its way out still
    // calls into the behaviour, which must be there.
    delete file2_;
    delete file1_;
}

std::size_t QtMoverWindow::RowOf(std::string_view name) const { return *MoverControlIndex(name); }

void QtMoverWindow::CreateControls() {
    const auto repaint = [this] { update(); };
    const auto& table = MoverControlTable();
    for (std::size_t row = 0; row < table.size(); ++row) {
        const ControlRow& control = table[row];
        if (control.kind == ControlKind::PictureArea) {
            const std::size_t k = ImageNumber(control.name);
            auto area = std::make_unique<QtPictureArea>(state_, row, repaint);
            if (!control.picture.empty()) {
                area->SetSkinPicture(AssetPicture(ToQString(control.picture)));
            }
            images_.at(k) = std::move(area);
        } else if (control.kind == ControlKind::Label) {
            label1_ = std::make_unique<LayoutLabel>(state_, row, repaint);
        }
    }
    // Keyboard order: File1 first, then File2.
    file1_ = new QtFileList(this);
    file2_ = new QtFileList(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file2_->setObjectName(QStringLiteral("File2"));
    file1_->SetLook(kFile1Look);
    file2_->SetLook(kFile2Look);
    file1_->setGeometry(ToQRect(state_.RowPixels(RowOf("File1"), scale_)));
    file2_->setGeometry(ToQRect(state_.RowPixels(RowOf("File2"), scale_)));
    setTabOrder(file1_, file2_);
}

void QtMoverWindow::LoadAndShow() {
    loadSteps_.Load(*mover_);
    show();
    raise();
    activateWindow();
    file1_->setFocus(Qt::OtherFocusReason);
}

void QtMoverWindow::SetWindowRgn(RegionHandle region, bool redraw) {
    setMask(regions_.ToQRegion(region));
    if (redraw) update();
}

void QtMoverWindow::SetTopLeft(double topTwips, double leftTwips) {
    MoveToTwips(*this, services_.screen, topTwips, leftTwips);
}

void QtMoverWindow::BeginDrag() {
    // The window system's own move where it has one; otherwise the window
    // follows the mouse until the button is released.
    QWindow* window = windowHandle();
    if (window != nullptr && window->startSystemMove()) return;
    dragOffset_ = QCursor::pos() - pos();
}

void QtMoverWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const PaintStep& step : PaintOrder(state_)) {
        switch (step.layer) {
        case PaintStep::Layer::BackColour: painter.fillRect(rect(), ToQColor(kMoverBackColour)); break;
        case PaintStep::Layer::BackgroundPicture: painter.drawPixmap(0, 0, background_); break;
        case PaintStep::Layer::Control: PaintControl(painter, step.row); break;
        case PaintStep::Layer::ChildList: break;  // the lists paint themselves
        }
    }
}

void QtMoverWindow::PaintControl(QPainter& painter, std::size_t row) {
    const ControlRow& control = MoverControlTable()[row];
    const QRect place = ToQRect(state_.RowPixels(row, scale_));
    if (control.kind == ControlKind::Label) {
        painter.setPen(ToQColor(kLabel1TextColour));
        painter.setFont(font());
        // The caption starts at the label's left edge; the default font may need
        // a little more room than the label has, so it is not cut off.
        painter.drawText(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         ToQString(kLabel1Caption));
        return;
    }
    if (control.kind != ControlKind::PictureArea) return;
    const QPixmap& picture = images_.at(ImageNumber(control.name))->Picture();
    // Pictures are drawn pixel for pixel from the area's top-left corner,
    // cut to the area.
    if (!picture.isNull()) {
        painter.save();
        painter.setClipRect(place);
        painter.drawPixmap(place.topLeft(), picture);
        painter.restore();
    }
    if (control.name == "Image1") {
        painter.setPen(QPen(ToQColor(kImage1BorderColour), kImage1BorderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(place.adjusted(0, 0, -1, -1));
    }
}

void QtMoverWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    MoverClicks::MouseDown(*mover_, clicks_.Press(state_, at.x(), at.y(), scale_));
}

void QtMoverWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && event->buttons() != Qt::NoButton)
        move(event->globalPosition().toPoint() - *dragOffset_);
}

void QtMoverWindow::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    const QPoint at = event->position().toPoint();
    clicks_.Release(*mover_, state_, at.x(), at.y(), scale_);
}

void QtMoverWindow::closeEvent(QCloseEvent* event) {
    // An ordinary unload: the window's unload step releases its shape.
    loadSteps_.Unload(*mover_);
    event->accept();
    // Closing the map window (the window manager's close, Alt+F4) ends the
    // program as closing the frame does; the frame closing closes this
    // window again, which is then already closing.
    if (QWidget* frame = parentWidget()) frame->close();
}

}  // namespace tessary
