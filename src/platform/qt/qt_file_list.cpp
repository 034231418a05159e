#include "platform/qt/qt_file_list.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>

#include "forms/mover_layout.h"

namespace tessary {

namespace {

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

QtFileList::QtFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.Select(static_cast<std::size_t>(row(item)));
        if (onClick) onClick();
    });
    connect(this, &QListWidget::currentRowChanged, this, &QtFileList::CurrentRowChanged);
}

void QtFileList::SetLook(const FileListLook& look) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(look.backColour));
    colours.setColor(QPalette::Window, ToQColor(look.backColour));
    colours.setColor(QPalette::Text, ToQColor(look.textColour));
    setPalette(colours);
    setAutoFillBackground(true);
    if (look.flat) {
        setFrameShape(QFrame::Box);
        setFrameShadow(QFrame::Plain);
        setLineWidth(1);
    }
    setToolTip(QString::fromUtf8(look.toolTip.data(), static_cast<qsizetype>(look.toolTip.size())));
}

void QtFileList::SetFolder(const std::string& folder) {
    model_.SetFolder(folder);
    ShowEntries();
}

void QtFileList::SetPattern(const std::string& pattern) {
    model_.SetPattern(pattern);
    ShowEntries();
}

void QtFileList::Refresh() {
    model_.Refresh();
    ShowEntries();
}

std::string QtFileList::Folder() const { return model_.Folder(); }

std::string QtFileList::SelectedFileName() const { return model_.SelectedFileName(); }

void QtFileList::ShowEntries() {
    const QSignalBlocker blocker(this);
    const auto& entries = model_.Entries();
    // Re-reading an unchanged folder leaves the shown entries alone.
    if (shown_ != entries) {
        QStringList names;
        names.reserve(static_cast<qsizetype>(entries.size()));
        for (const auto& name : entries) {
            // Names that are not valid text are shown as well as they can be;
            // the entry's own bytes come from the model.
            names.append(QFile::decodeName(QByteArray::fromStdString(name)));
        }
        clear();
        addItems(names);
        shown_ = entries;
    }
    const auto selected = model_.SelectedIndex();
    setCurrentRow(selected ? static_cast<int>(*selected) : -1);
}

void QtFileList::keyPressEvent(QKeyEvent* event) {
    keyboardMove_ = true;
    QListWidget::keyPressEvent(event);
    keyboardMove_ = false;
}

void QtFileList::CurrentRowChanged(int row) {
    // The model follows the selection however it moved; a mouse click
    // arrives through itemClicked, so here only keyboard moves count as one.
    model_.Select(row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt);
    if (keyboardMove_ && row >= 0 && onClick) onClick();
}

void QtFileList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    // Only a move of the focus to another control of this program counts;
    // switching to another window or program does not.
    const auto reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    if (onLostFocus) onLostFocus();
}

}  // namespace tessary
