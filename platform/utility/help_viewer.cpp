#include "platform/utility/help_viewer.h"

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace utility_detail {
namespace {

constexpr int kViewerWidth = 720;
constexpr int kViewerHeight = 560;

QPointer<QTextBrowser>& Viewer() {
    static QPointer<QTextBrowser> viewer;
    return viewer;
}

}  // namespace

bool ShowHelpFile(const QString& htmlFile) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    auto& viewer = Viewer();
    if (!viewer) {
        viewer = new QTextBrowser();
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(true);
        viewer->resize(kViewerWidth, kViewerHeight);
        // Closed with the application, so it never outlives the widgets it belongs with.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
    }
    viewer->setSource(QUrl::fromLocalFile(htmlFile));
    viewer->setWindowTitle(viewer->documentTitle().isEmpty() ? QStringLiteral("Help")
                                                             : viewer->documentTitle());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

QWidget* HelpViewerWindow() {
    return Viewer().data();
}

}  // namespace utility_detail
