#pragma once

// The program's help viewer: one window that shows an HTML help file and follows its links.
#include <QString>
#include <QWidget>

namespace utility_detail {

// Shows the HTML file in the viewer, making the window on first use and raising it after.
// False when there is no application to show a window in.
bool ShowHelpFile(const QString& htmlFile);
// The viewer window, or nullptr when none is open.
QWidget* HelpViewerWindow();

}  // namespace utility_detail
