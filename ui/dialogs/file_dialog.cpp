#include "ui/dialogs/file_dialog.h"

#include "ui/widgets/window_geometry.h"

#include <QFileDialog>
#include <QListView>
#include <QScrollBar>
#include <QSplitter>

#include <numeric>

namespace quarvel::ui {

void fitFileDialog(QFileDialog& dialog) {
    // Run once the dialog's own event loop has shown it, when its splitter has its sizes.
    QMetaObject::invokeMethod(
        &dialog,
        [&dialog] {
            fitToScreen(&dialog, dialog.size());
            auto* sideBar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
            auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
            if (sideBar == nullptr || splitter == nullptr || splitter->count() < 2) {
                return; // the desktop's own dialog
            }
            const int needed = sideBar->sizeHintForColumn(0) + 2 * sideBar->frameWidth() +
                               sideBar->verticalScrollBar()->sizeHint().width();
            QList<int> sizes = splitter->sizes();
            const int total = std::accumulate(sizes.cbegin(), sizes.cend(), 0);
            if (sizes.at(0) < needed && total > needed) {
                sizes[1] += sizes.at(0) - needed;
                sizes[0] = needed;
                splitter->setSizes(sizes);
            }
        },
        Qt::QueuedConnection);
}

} // namespace quarvel::ui
