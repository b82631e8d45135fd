#include "platform/wordrpt/wordrpt.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <utility>

#include "platform/wordrpt/automation_errors.h"
#include "platform/wordrpt/docx_writer.h"
#include "platform/wordrpt/viewer.h"
#include "platform/wordrpt/wordrpt_testing.h"

using namespace wordrpt;

namespace {

struct Application {
    bool visible = false;
};

struct DocumentState {
    Document doc;
    std::shared_ptr<Application> app;
};

// What a handle stands for; tables and pictures keep their document alive.
struct Object {
    enum class Kind { Application, Document, Table, Picture } kind;
    std::shared_ptr<Application> app;
    std::shared_ptr<DocumentState> doc;
    int table = 0;
};

struct Driver {
    std::map<int, Object> handles;
    int nextHandle = 1;
    int failAfter = 0;
    int failCode = 0;
    std::vector<std::string> viewerRequests;
};

Driver& State() {
    static Driver driver;
    return driver;
}

// Counts the call for FailNthCall; a non-zero result is the injected failure.
int Enter() {
    Driver& d = State();
    if (d.failAfter > 0 && --d.failAfter == 0) return d.failCode;
    return 0;
}

int NewHandle(Object object) {
    Driver& d = State();
    const int h = d.nextHandle++;
    d.handles.emplace(h, std::move(object));
    return h;
}

Object* Find(CAObjHandle handle, Object::Kind kind) {
    auto it = State().handles.find(handle);
    if (it == State().handles.end() || it->second.kind != kind) return nullptr;
    return &it->second;
}

Document* FindDocument(CAObjHandle handle) {
    Object* o = Find(handle, Object::Kind::Document);
    return o ? &o->doc->doc : nullptr;
}

Document* FindTable(CAObjHandle handle, int* table) {
    Object* o = Find(handle, Object::Kind::Table);
    if (o == nullptr) return nullptr;
    *table = o->table;
    return &o->doc->doc;
}

std::size_t Rows(Document* doc, int table) {
    return doc->tables.at(table).rows.size();
}
std::size_t Columns(Document* doc, int table) {
    return doc->tables.at(table).widths.size();
}

// Text as the document can hold it: UTF-8 kept, bytes that are no UTF-8 become U+FFFD,
// a carriage return (alone or before a line feed) a line feed, other control characters dropped.
std::string Clean(const char* text) {
    std::string out;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    const std::size_t n = std::char_traits<char>::length(text);
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            if (c == '\r') {
                out += '\n';
                i += (i + 1 < n && s[i + 1] == '\n') ? 2 : 1;
                continue;
            }
            if (c >= 0x20 || c == '\n' || c == '\t') out += static_cast<char>(c);
            ++i;
            continue;
        }
        const int len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
        bool valid = len > 0 && i + static_cast<std::size_t>(len) <= n;
        for (int k = 1; valid && k < len; ++k) valid = (s[i + static_cast<std::size_t>(k)] & 0xC0) == 0x80;
        if (valid && len >= 3) {
            // Overlong forms, surrogates, code points beyond U+10FFFF, and U+FFFE and U+FFFF,
            // which XML cannot hold.
            const unsigned char c1 = s[i + 1];
            if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) ||
                (c == 0xF4 && c1 >= 0x90) || (c == 0xEF && c1 == 0xBF && s[i + 2] >= 0xBE))
                valid = false;
        }
        if (valid) {
            out.append(text + i, static_cast<std::size_t>(len));
            i += static_cast<std::size_t>(len);
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

bool ValidBookmarkName(const char* name) {
    if (name == nullptr) return false;
    const std::string s = name;
    if (s.empty() || s.size() > 40 || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

constexpr std::int64_t kEmuPerPixel = kEmuPerInch / 96;

int Twips(float inches) {
    return static_cast<int>(std::lround(static_cast<double>(inches) * kTwipsPerInch));
}

int ErrnoCode(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return kWordRptPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return kWordRptAccessDenied;
        case ENOSPC:
        case EDQUOT:
            return kWordRptDiskFull;
        case ENAMETOOLONG:
            return kWordRptNameTooLong;
        case EFBIG:
            return kWordRptFileTooLarge;
        default:
            return kWordRptWriteFault;
    }
}

// 0 or an errno value.
int WriteAll(int fd, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) return errno;
        if (n == 0) return EIO;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Puts the rename itself on disk, where the folder and its file system allow it.
void SyncFolder(const std::filesystem::path& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Writes the bytes to a new file beside `path`, on disk, and renames it over `path`: a file
// already there stays whole until the new one is complete.
int ReplaceFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    const std::filesystem::path target(path);
    if (!target.has_filename()) return kWordRptBadArgument;
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    // Short: the document's own name may be as long as the file system allows.
    std::string temp = (dir / ".wordrpt-XXXXXX").string();
    const int fd = mkstemp(temp.data());
    if (fd < 0) return ErrnoCode(errno);
    struct stat old {};
    mode_t mode = 0;
    if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    int err = WriteAll(fd, bytes);
    if (err == 0 && fchmod(fd, mode) != 0) err = errno;
    if (err == 0 && fsync(fd) != 0) err = errno;
    if (close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        unlink(temp.c_str());
        return ErrnoCode(err);
    }
    // The rename is the save: a folder that cannot be synced leaves the new document in place.
    SyncFolder(dir);
    return 0;
}

// A picture file as the document stores it: PNG, one pixel a 96th of an inch, as the screen
// it was taken from shows it.
int ReadPicture(const char* path, Picture* picture) {
    if (path == nullptr || *path == '\0') return kWordRptPictureFile;
    // Only a regular file, opened without blocking: a pipe under the name must not stop the caller.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return kWordRptPictureFile;
    QFile file;
    struct stat status {};
    const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                         file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!regular) close(fd);
    const QImage image = regular ? QImage::fromData(file.readAll()) : QImage();
    if (image.isNull()) return kWordRptPictureFile;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return kWordRptPictureFile;
    const QByteArray& png = buffer.data();
    picture->png.assign(png.begin(), png.end());
    picture->widthEmu = image.width() * kEmuPerPixel;
    picture->heightEmu = image.height() * kEmuPerPixel;
    return 0;
}

int SetAttribute(CAObjHandle document, const FormatChange& change);

int SetFontSize(CAObjHandle document, double points) {
    if (!std::isfinite(points) || points < 1.0 || points > 1638.0) return kWordRptBadArgument;
    return SetAttribute(document, {WRConst_FontSize, static_cast<int>(std::lround(points * 2.0)), {}});
}

int SetAttribute(CAObjHandle document, const FormatChange& change) {
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    return FormatSelection(*doc, change);
}

}  // namespace

namespace wordrpt_testing {

void FailNthCall(int n, int code) {
    State().failAfter = n;
    State().failCode = code;
}

void CancelFailure() {
    State().failAfter = 0;
}

std::vector<std::string> TakeViewerRequests() {
    return std::exchange(State().viewerRequests, {});
}

int LiveHandles() {
    return static_cast<int>(State().handles.size());
}

}  // namespace wordrpt_testing

int WordRpt_ApplicationNew(int visible, CAObjHandle* application) {
    if (const int r = Enter(); r < 0) return r;
    if (application == nullptr) return kWordRptBadArgument;
    auto app = std::make_shared<Application>();
    app->visible = visible != 0;
    *application = NewHandle(Object{Object::Kind::Application, app, nullptr, 0});
    return 0;
}

int WordRpt_DocumentNew(CAObjHandle application, CAObjHandle* document) {
    if (const int r = Enter(); r < 0) return r;
    Object* app = Find(application, Object::Kind::Application);
    if (app == nullptr) return kWordRptBadHandle;
    if (document == nullptr) return kWordRptBadArgument;
    auto state = std::make_shared<DocumentState>();
    state->app = app->app;
    *document = NewHandle(Object{Object::Kind::Document, app->app, state, 0});
    return 0;
}

int WordRpt_PageOrientation(CAObjHandle document, int orientation) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    if (orientation != 0 && orientation != 1) return kWordRptBadArgument;
    PageSetup& page = doc->page;
    const int shorter = std::min(page.width, page.height);
    const int longer = std::max(page.width, page.height);
    page.landscape = orientation == 1;
    page.width = page.landscape ? longer : shorter;
    page.height = page.landscape ? shorter : longer;
    return 0;
}

int WordRpt_SetReportLineSpacing(CAObjHandle document, int spacing) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    if (spacing < 1 || spacing > 3) return kWordRptBadArgument;
    for (Block& b : doc->body) {
        if (b.table < 0) {
            b.paragraph.format.lineSpacing = spacing;
            continue;
        }
        for (auto& row : doc->tables.at(b.table).rows) {
            for (Cell& cell : row) {
                for (Paragraph& p : cell.paragraphs) p.format.lineSpacing = spacing;
            }
        }
    }
    return 0;
}

int WordRpt_SetMargins(CAObjHandle document, float top, float bottom, float left, float right) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    for (float m : {top, bottom, left, right}) {
        if (!std::isfinite(m) || m < 0.0f || m > 22.0f) return kWordRptBadArgument;
    }
    PageSetup& page = doc->page;
    const std::array<int, 4> margins{Twips(top), Twips(bottom), Twips(left), Twips(right)};
    // At least an inch of text each way.
    if (margins[0] + margins[1] > page.height - kTwipsPerInch ||
        margins[2] + margins[3] > page.width - kTwipsPerInch) {
        return kWordRptBadArgument;
    }
    page.margins = margins;
    page.printLayout = true;
    const int width = TextWidth(*doc);
    page.headerTabs = {width / 2, width};
    page.footerTabs = {width / 2, width};
    return 0;
}

int WordRpt_SetTextAttribute(CAObjHandle document, int attribute, int value) {
    if (const int r = Enter(); r < 0) return r;
    switch (attribute) {
        case WRConst_Bold:
            return SetAttribute(document, {attribute, value != 0 ? 1 : 0, {}});
        case WRConst_FontSize:
            return SetFontSize(document, value);
        case WRConst_FontColor:
            if (value < 0 || value > 16) return kWordRptBadArgument;
            return SetAttribute(document, {attribute, value, {}});
        case WRConst_Alignment:
            if (value < 0 || value > 3) return kWordRptBadArgument;
            return SetAttribute(document, {attribute, value, {}});
        default:
            return kWordRptBadArgument;
    }
}

int WordRpt_SetTextAttribute(CAObjHandle document, int attribute, double value) {
    if (const int r = Enter(); r < 0) return r;
    if (attribute != WRConst_FontSize) return kWordRptBadArgument;
    return SetFontSize(document, value);
}

int WordRpt_SetTextAttribute(CAObjHandle document, int attribute, const char* value) {
    if (const int r = Enter(); r < 0) return r;
    if (attribute != WRConst_FontName || value == nullptr) return kWordRptBadArgument;
    const std::string font = Clean(value);
    if (font.empty() || font.find_first_of("\n\t") != std::string::npos) return kWordRptBadArgument;
    return SetAttribute(document, {attribute, 0, font});
}

int WordRpt_AppendLine(CAObjHandle document, const char* text) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    if (text == nullptr) return kWordRptBadArgument;
    TypeText(*doc, Clean(text));
    return TypeParagraphMark(*doc);
}

int WordRpt_NewLine(CAObjHandle document) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    return TypeParagraphMark(*doc);
}

int WordRpt_AddBookmark(CAObjHandle document, const char* name) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    if (!ValidBookmarkName(name)) return kWordRptBadArgument;
    return AddBookmark(*doc, name);
}

int WordRpt_GoToBookmark(CAObjHandle document, const char* name) {
    if (const int r = Enter(); r < 0) return r;
    Document* doc = FindDocument(document);
    if (doc == nullptr) return kWordRptBadHandle;
    if (name == nullptr) return kWordRptBadArgument;
    return GoToBookmark(*doc, name);
}

int WordRpt_AddTable(CAObjHandle document, int rows, int columns, CAObjHandle* table) {
    if (const int r = Enter(); r < 0) return r;
    Object* o = Find(document, Object::Kind::Document);
    if (o == nullptr) return kWordRptBadHandle;
    if (table == nullptr || rows < 1 || rows > 32767 || columns < 1 || columns > 63)
        return kWordRptBadArgument;
    int id = 0;
    if (const int r = InsertTable(o->doc->doc, rows, columns, &id); r < 0) return r;
    *table = NewHandle(Object{Object::Kind::Table, o->app, o->doc, id});
    return 0;
}

int WordRpt_SetColumnWidth(CAObjHandle table, int column, float width) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    if (!std::isfinite(width) || width <= 0.0f || width > 22.0f) return kWordRptBadArgument;
    if (const int r = SelectCells(*doc, id, 0, static_cast<int>(Rows(doc, id)) - 1, column - 1, column - 1);
        r < 0)
        return r;
    doc->tables.at(id).widths[static_cast<std::size_t>(column - 1)] = Twips(width);
    return 0;
}

int WordRpt_SelectRow(CAObjHandle table, int row) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    return SelectCells(*doc, id, row - 1, row - 1, 0, static_cast<int>(Columns(doc, id)) - 1);
}

int WordRpt_SelectColumn(CAObjHandle table, int column) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    return SelectCells(*doc, id, 0, static_cast<int>(Rows(doc, id)) - 1, column - 1, column - 1);
}

int WordRpt_GoToCell(CAObjHandle table, int row, int column) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    return SelectCells(*doc, id, row - 1, row - 1, column - 1, column - 1);
}

int WordRpt_WriteToCell(CAObjHandle table, int row, int column, const char* text) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    if (text == nullptr) return kWordRptBadArgument;
    return WriteCell(*doc, id, row - 1, column - 1, Clean(text));
}

int WordRpt_InsertRows(CAObjHandle table, int before, int count) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    return InsertRows(*doc, id, before, count);
}

int WordRpt_InsertImageInCell(CAObjHandle table, const char* pictureFile, CAObjHandle* picture) {
    if (const int r = Enter(); r < 0) return r;
    Object* o = Find(table, Object::Kind::Table);
    if (o == nullptr) return kWordRptBadHandle;
    if (picture == nullptr) return kWordRptBadArgument;
    Picture pic;
    if (const int r = ReadPicture(pictureFile, &pic); r < 0) return r;
    if (const int r = InsertPicture(o->doc->doc, o->table, std::move(pic)); r < 0) return r;
    *picture = NewHandle(Object{Object::Kind::Picture, o->app, o->doc, o->table});
    return 0;
}

int WordRpt_CellAlignVertical(CAObjHandle table, int alignment) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    if (alignment != 0 && alignment != 1 && alignment != 3) return kWordRptBadArgument;
    return AlignCellsVertically(*doc, id, alignment);
}

int WordRpt_GoToLineAfterTable(CAObjHandle table) {
    if (const int r = Enter(); r < 0) return r;
    int id = 0;
    Document* doc = FindTable(table, &id);
    if (doc == nullptr) return kWordRptBadHandle;
    return GoBelowTable(*doc, id);
}

int WordRpt_DocumentSaveAs(CAObjHandle document, const char* path) {
    if (const int r = Enter(); r < 0) return r;
    Object* o = Find(document, Object::Kind::Document);
    if (o == nullptr) return kWordRptBadHandle;
    if (path == nullptr || *path == '\0') return kWordRptBadArgument;
    std::vector<unsigned char> package;
    if (const int r = WriteDocx(o->doc->doc, &package); r < 0) return r;
    if (const int r = ReplaceFile(path, package); r < 0) return r;
    if (o->app->visible) {
        State().viewerRequests.emplace_back(path);
        ShowInViewer(path);
    }
    return 0;
}

int CA_DiscardObjHandle(CAObjHandle handle) {
    if (const int r = Enter(); r < 0) return r;
    return State().handles.erase(handle) == 1 ? 0 : kWordRptBadHandle;
}
