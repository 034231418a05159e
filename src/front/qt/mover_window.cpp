#include "front/qt/mover_window.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "front/qt/asset_picture.h"
#include "front/qt/window_geometry.h"
#include "front/qt/window_memory.h"
#include "platform/screen.h"

namespace tessary {

namespace {

QtFileList* NewList(QWidget* window, MapControl control, const FileListLook& look) {
    auto* list = new QtFileList(window);
    list->setObjectName(ToQString(MoverControl(control).purpose));
    list->SetLook(look);
    return list;
}

// The full paths of the files a drag carries, their bytes as the file system
// spells them (also where they are not UTF-8); none unless every entry is a
// file on this machine.
std::vector<std::string> LocalFiles(const QMimeData& data) {
    if (!data.hasUrls()) return {};
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls()) {
        const QString host = url.host();
        if (!url.isLocalFile() || !(host.isEmpty() || host == QStringLiteral("localhost"))) return {};
        // Percent-decoded by hand: QUrl would decode the bytes as UTF-8.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!path.startsWith('/') || path.contains('\0')) return {};
        paths.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
    }
    return paths;
}

// Accepts the drag as a copy when it carries local files and may be copied:
// a drag that can only be moved would have the dragging program delete its
// files once dropped.
bool AcceptAsCopy(QDropEvent& event, std::vector<std::string>& paths) {
    paths = LocalFiles(*event.mimeData());
    if (paths.empty() || !(event.possibleActions() & Qt::CopyAction)) {
        event.ignore();
        return false;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
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
    memory_.Prepare(*this);
    raise();
    activateWindow();
    gameList_->setFocus(Qt::OtherFocusReason);
}

void QtMoverWindow::TakeDrops(const DropReader& reader) {
    dropReader_ = &reader;
    setAcceptDrops(true);
    // The lists take no drops of their own: a drop on them reaches the window.
    gameList_->setAcceptDrops(false);
    storedList_->setAcceptDrops(false);
}

void QtMoverWindow::AddDropLater(std::vector<std::string> paths, DropTarget target) {
    if (dropReader_ == nullptr || paths.empty()) return;
    waitingDrops_.push_back({std::move(paths), target});
    QTimer::singleShot(0, this, [this] { AddWaitingDrops(); });
}

void QtMoverWindow::AddWaitingDrops() {
    // A drop that came while another one's box is open waits for that drop:
    // the loop below takes it up afterwards.
    if (addingDrops_) return;
    addingDrops_ = true;
    const QPointer<QtMoverWindow> alive(this);
    while (!waitingDrops_.empty()) {
        const WaitingDrop drop = std::move(waitingDrops_.front());
        waitingDrops_.pop_front();
        Behaviour().AddDroppedFiles(drop.paths, drop.target, *dropReader_);
        // Closed and deleted while the player was asked.
        if (alive.isNull()) return;
    }
    addingDrops_ = false;
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
    memory_.Wait();
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

void QtMoverWindow::dragEnterEvent(QDragEnterEvent* event) {
    std::vector<std::string> paths;
    dragTaken_ = dropReader_ != nullptr && AcceptAsCopy(*event, paths);
    if (!dragTaken_) event->ignore();
}

void QtMoverWindow::dragMoveEvent(QDragMoveEvent* event) {
    // As on entering: the drag's data is not fetched again at every move.
    if (!dragTaken_ || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void QtMoverWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    if (dropReader_ == nullptr || !AcceptAsCopy(*event, paths)) return;
    const QPoint at = event->position().toPoint();
    const DropTarget target =
        storedList_->geometry().contains(at) ? DropTarget::StoredMaps : DropTarget::GameMaps;
    // The dragging program waits until the drop returns: the player is asked
    // afterwards, from the event loop.
    AddDropLater(std::move(paths), target);
}

bool QtMoverWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) KeepOnItsArea(*this);
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessary
