#include "front/qt/qt_file_list.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "forms/mover_layout.h"
#include "front/qt/qt_canvas.h"

namespace tessary {

QtFileList::QtFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::StrongFocus);
    // A click on the entry that was already selected; a click that selects
    // an entry is reported by the change of the selection.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const auto selected = model_.SelectedIndex();
        if (!selected || static_cast<int>(*selected) != row(item) || row(item) != selectedAtPress_) return;
        if (onClick) onClick();
    });
    connect(this, &QListWidget::itemSelectionChanged, this, &QtFileList::SelectionChanged);
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
    setAccessibleName(
        QString::fromUtf8(look.accessibleName.data(), static_cast<qsizetype>(look.accessibleName.size())));
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

void QtFileList::mousePressEvent(QMouseEvent* event) {
    const auto selected = model_.SelectedIndex();
    selectedAtPress_ = selected ? static_cast<int>(*selected) : -1;
    QListWidget::mousePressEvent(event);
}

void QtFileList::SelectionChanged() {
    // The chosen map always names the highlighted entry, so every move of
    // the highlight counts as a click on its new entry, whatever moved it.
    // (The list's own re-reads restore the highlight with the signals blocked.)
    const QList<QListWidgetItem*> items = selectedItems();
    const int selected = items.isEmpty() ? -1 : row(items.first());
    const auto before = model_.SelectedIndex();
    model_.Select(selected >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(selected))
                                : std::nullopt);
    if (selected >= 0 && (!before || static_cast<int>(*before) != selected) && onClick) onClick();
}

void QtFileList::keyPressEvent(QKeyEvent* event) {
    // Return, and Enter on the keypad, move the highlighted map, once for
    // each press: a held key does not go on moving maps. The list keeps
    // every other key.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat() && onActivate) onActivate();
        return;
    }
    QListWidget::keyPressEvent(event);
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
