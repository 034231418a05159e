#include "front/qt/mover_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QWindow>

#include "front/qt/asset_picture.h"
#include "front/qt/window_geometry.h"
#include "platform/screen.h"

namespace tessary {

namespace {

QtFileList* NewList(QWidget* window, MapControl control, const FileListLook& look) {
    auto* list = new QtFileList(window);
    list->setObjectName(ToQString(MoverControl(control).purpose));
    list->SetLook(look);
    return list;
}

}  // namespace

QtMoverWindow::QtMoverWindow(GameMapsPlace game, MoverWindowServices services, QWidget* parent, Host host)
    // A tool window of the frame: the window system keeps it in front of the
    // frame and minimises it with the frame. Inside the frame it is in front
    // of the frame's backdrop anyway.
    : QWidget(parent, host == Host::OwnWindow ? Qt::Tool | Qt::FramelessWindowHint : Qt::Widget),
      screen_(services.screen),
      // Keyboard order: the game maps list first, then the stored maps list.
      gameList_(NewList(this, MapControl::GameList, kGameListLook)),
      storedList_(NewList(this, MapControl::StoredList, kStoredListLook)),
      form_(std::move(game), services, *this, HostedList::Of(*gameList_), HostedList::Of(*storedList_),
            pictures_, [this] { update(); }),
      folderWatch_([this] { Behaviour().FollowFolders(); }) {
    setObjectName(QStringLiteral("Mover"));
    setWindowTitle(ToQString(kMoverCaption));
    setWindowIcon(ProgramIcon());
    // The painted surface never takes the keyboard focus from a list.
    setFocusPolicy(Qt::NoFocus);
    const PixelSize client = form_.ClientPixels();
    setFixedSize(client.width, client.height);
    gameList_->setGeometry(ToQRect(form_.Place(MapControl::GameList)));
    storedList_->setGeometry(ToQRect(form_.Place(MapControl::StoredList)));
    setTabOrder(gameList_, storedList_);
    auto* reread = new QShortcut(QKeySequence(Qt::Key_F5), this);
    reread->setContext(Qt::WidgetWithChildrenShortcut);
    connect(reread, &QShortcut::activated, this, [this] { Behaviour().FollowFolders(); });
    if (host == Host::InsideParent && parent != nullptr) parent->installEventFilter(this);
}

QtMoverWindow::~QtMoverWindow() {
    // The lists go while the form is still there: a list that loses the
    // focus on its way out still reports it to the behaviour.
    delete storedList_;
    delete gameList_;
}

void QtMoverWindow::LoadAndShow() {
    form_.Load();
    // The folders the load step could list (none when the game is gone).
    folderWatch_.Watch({gameList_->Folder(), storedList_->Folder()});
    show();
    raise();
    activateWindow();
    gameList_->setFocus(Qt::OtherFocusReason);
}

void QtMoverWindow::SetWindowRgn(RegionHandle region, bool redraw) {
    setMask(regions_.ToQRegion(region));
    if (redraw) update();
}

void QtMoverWindow::SetTopLeft(double topTwips, double leftTwips) {
    // Centred, but never partly off its area where it fits there, and
    // otherwise with its top-left part on the area.
    MoveToTwipsOnArea(*this, screen_, topTwips, leftTwips);
}

void QtMoverWindow::BeginDrag() {
    // The window system's own move where it has one; otherwise the window
    // follows the mouse until the button is released.
    QWindow* window = windowHandle();
    if (isWindow() && window != nullptr && window->startSystemMove()) return;
    dragOffset_ = isWindow() ? QCursor::pos() - pos() : pressedAt_;
}

void QtMoverWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QtCanvas canvas(painter, font(), event->region());
    form_.Paint(canvas);
    canvas.Finish();
}

void QtMoverWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    pressedAt_ = at;
    form_.Press(at.x(), at.y());
}

void QtMoverWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset_ || event->buttons() == Qt::NoButton) return;
    if (isWindow()) {
        move(event->globalPosition().toPoint() - *dragOffset_);
    } else {
        // Kept inside the parent, where it can be taken hold of again.
        move(mapToParent(event->position().toPoint()) - *dragOffset_);
        KeepOnItsArea(*this);
    }
}

void QtMoverWindow::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    const QPoint at = event->position().toPoint();
    form_.Release(at.x(), at.y());
}

void QtMoverWindow::closeEvent(QCloseEvent* event) {
    // An ordinary unload: the window's unload step releases its shape.
    form_.Unload();
    event->accept();
    // Closing the map window (the window manager's close, Alt+F4) ends the
    // program as closing the frame does; the frame closing closes this
    // window again, which is then already closing.
    if (QWidget* frame = parentWidget()) frame->close();
}

bool QtMoverWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) KeepOnItsArea(*this);
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessary
