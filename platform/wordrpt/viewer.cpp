#include "platform/wordrpt/viewer.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>
#include <cstdlib>

void ShowInViewer(const std::string& path) {
    if (QGuiApplication::instance() == nullptr || std::getenv("OSTREL_NO_VIEWER") != nullptr) return;
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal") return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}
