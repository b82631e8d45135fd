// Help files are HTML. The program names its help "HELP/<prog>.hlp" beside the executable;
// SystemHelp shows the file of that very name when it exists and holds text, and otherwise,
// for a name ending in ".hlp", the file of the same name ending in ".html" (so
// "HELP/Ostrel.hlp" opens "HELP/Ostrel.html", the file the build places there).
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <optional>
#include <string>

#include "platform/ui/call_log.h"
#include "platform/utility/help_viewer.h"
#include "platform/utility/utility.h"

namespace {

constexpr qint64 kSniffBytes = 4096;

// A readable file whose first bytes hold no NUL: text, which the viewer can show as HTML.
// A binary help file of another system is not.
bool IsReadableText(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile()) return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return false;
    return !in.read(kSniffBytes).contains('\0');
}

std::optional<QString> HtmlHelpFor(const QString& helpFile) {
    if (IsReadableText(helpFile)) return helpFile;
    if (helpFile.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive)) {
        const QString html = helpFile.left(helpFile.size() - 4) + QStringLiteral(".html");
        if (IsReadableText(html)) return html;
    }
    return std::nullopt;
}

}  // namespace

int SystemHelp(const char* helpFile, int command, unsigned long contextId, const char* keyword) {
    const int entered =
        ui_detail::EnterCall("SystemHelp", {ui_detail::Arg(helpFile), ui_detail::Arg(command),
                                            ui_detail::Arg(contextId), ui_detail::Arg(keyword)});
    if (entered < 0 || !helpFile || !*helpFile) return 0;
    const auto html = HtmlHelpFor(QString::fromLocal8Bit(helpFile));
    if (!html) return 0;
    return utility_detail::ShowHelpFile(*html) ? 1 : 0;
}
