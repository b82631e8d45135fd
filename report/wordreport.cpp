// The report of the hue page that the main window shows, written as a Word document.
#include "report/wordreport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "platform/toolbox/toolbox.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "platform/wordrpt/wordrpt.h"
#include "shell_state/shell_state.h"

namespace {

constexpr int kPathLen = 260;
// The document's path and the snapshot's beside it: any path the file system accepts.
constexpr int kDocumentPathLen = PATH_MAX;
constexpr int kLineLen = 512;

constexpr const char* kMakerBlock =
    "Kelbrant Farben GmbH, capital EUR 250,000 - Register court Bielefeld HRB 40217 - Activity code (NACE) "
    "20.30\n"
    "Head office: Am Farbenhof 12, D-33602 Bielefeld, Germany\n"
    "Colour laboratory: Industriestrasse 105, 33719 Bielefeld, Germany\n"
    "Tel. +49 521 555 0100 - Fax +49 521 555 0199 - E-mail: lab@kelbrant.example - Web: www.kelbrant.example";

constexpr const char* kHeaderPictures[] = {"kelbrant.bmp", "chart3d.bmp", "ostrel.bmp"};
constexpr const char* kColumnHeaders[] = {"CHART", "H", "L", "C", "a*", "b*", "X", "Y", "Z", "RGB"};
constexpr double kColumnWidths[] = {30, 20, 20, 20, 20, 20, 20, 20, 20, 30};

char lastPopupDirectory[kPathLen] = "";

// What one report works on; all of it goes when the report ends.
struct Report {
    char documentPath[kDocumentPathLen] = "";
    char fileName[kPathLen] = "";
    CAObjHandle application = 0;
    CAObjHandle document = 0;
    std::string missing;  // the pictures left out of the document and why, a line each
};

const char* GetLastPopupDirectory() {
    const int breakSetting = SetBreakOnProtectionErrors(0);
    int count = 0;
    char** list = nullptr;
    GetFilePopupDirHistory(&count, &list);
    // A directory too long for the buffer is no place to start from: the dialog's own default.
    if (count >= 1 && std::strlen(list[0]) < sizeof lastPopupDirectory) {
        std::strcpy(lastPopupDirectory, list[0]);
    } else {
        lastPopupDirectory[0] = '\0';
    }
    for (int i = count - 1; i >= 0; --i) std::free(list[i]);
    std::free(list);
    SetBreakOnProtectionErrors(breakSetting);
    return lastPopupDirectory;
}

double MmToInch(double millimetres) {
    return millimetres / 25.4;
}

float Inches(double millimetres) {
    return static_cast<float>(MmToInch(millimetres));
}

void Release(CAObjHandle& handle) {
    if (handle != 0) CA_DiscardObjHandle(handle);
    handle = 0;
}

// The document path with the extension of its file name replaced by `extension`; a name
// without one gets it appended. False when it does not fit.
bool ReplaceExtension(const char* path, const char* extension, char out[kDocumentPathLen]) {
    const char* name = std::strrchr(path, '/');
    name = name ? name + 1 : path;
    const char* dot = std::strrchr(name, '.');
    const int stem = static_cast<int>(dot != nullptr && dot != name ? dot - path : std::strlen(path));
    return std::snprintf(out, kDocumentPathLen, "%.*s%s", stem, path, extension) < kDocumentPathLen;
}

// Claims a snapshot file beside the document that no file of the user's holds: the document's
// name with ".bmp", else a short name of the report's own, which also serves a document name
// as long as the file system allows. The empty file made here is the report's, to be
// overwritten by the snapshot and deleted after it. 0, or an errno value and no path.
int ClaimSnapshotPath(const char* documentPath, char snapshotPath[kDocumentPathLen]) {
    if (ReplaceExtension(documentPath, ".bmp", snapshotPath)) {
        const int fd = open(snapshotPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            return 0;
        }
        if (errno != EEXIST && errno != ENAMETOOLONG) {
            const int err = errno;
            snapshotPath[0] = '\0';
            return err;
        }
    }
    const char* slash = std::strrchr(documentPath, '/');
    const int folder = slash ? static_cast<int>(slash - documentPath) + 1 : 0;
    int err = ENAMETOOLONG;
    if (std::snprintf(snapshotPath, kDocumentPathLen, "%.*s.ostrel-XXXXXX.bmp", folder, documentPath) <
        kDocumentPathLen) {
        const int fd = mkstemps(snapshotPath, 4);
        if (fd >= 0) {
            close(fd);
            return 0;
        }
        err = errno;
    }
    snapshotPath[0] = '\0';
    return err;
}

// Why a picture file did not go into the document, as the user can act on it; `code` is the
// driver's answer.
std::string WhyLeftOut(const char* path, int code) {
    // Non-blocking: a pipe under the name must not stop the report.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? "not found" : std::strerror(errno);
    struct stat status {};
    const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    close(fd);
    if (!regular) return "not a regular file";
    char text[kLineLen];
    CA_GetAutomationErrorString(code, text, kLineLen);
    return text;
}

void NoteMissing(Report& report, const std::string& picture, const std::string& why) {
    report.missing += "- " + picture + ": " + why + "\n";
}

void WriteRow(CAObjHandle table, int row, const RalDesignColor& entry) {
    const ColorTriple lab{entry.L, entry.a, entry.b};
    const ColorTriple hlc = Lab__HLC(lab);
    const ColorTriple xyz = Lab__XYZ(lab, whiteRef);
    const ColorTriple rgb = XYZ__RGB(xyz);
    char lineText[kLineLen];
    WordRpt_WriteToCell(table, row, 1, entry.code);
    const double values[] = {hlc.c1, hlc.c2, hlc.c3, lab.c2, lab.c3, xyz.c1, xyz.c2, xyz.c3};
    for (int c = 2; c <= 9; ++c) {
        const double v = values[c - 2];
        if (c <= 4) {
            std::snprintf(lineText, sizeof lineText, "%3d", RoundRealToNearestInteger(v));
        } else {
            std::snprintf(lineText, sizeof lineText, "%.2f", v);
        }
        WordRpt_WriteToCell(table, row, c, lineText);
    }
    std::snprintf(lineText, sizeof lineText, "0x%06X", static_cast<unsigned>(RGB__int(rgb)));
    WordRpt_WriteToCell(table, row, 10, lineText);
}

// The save dialog, and the file name of the path chosen. False when there is no report to make.
bool ChooseDocument(Report& report) {
    const int chosen = FileSelectPopup(GetLastPopupDirectory(), "*.doc", "*.doc", title, VAL_SAVE_BUTTON, 0,
                                       1, 1, 0, report.documentPath);
    if (chosen == UIE_BUFFER_TOO_SMALL) {
        char message[kLineLen];
        std::snprintf(message, sizeof message,
                      "The report was not made: the path chosen is longer than the %d characters a "
                      "path can have.",
                      kDocumentPathLen - 1);
        MessagePopup(title, message);
    }
    if (chosen <= 0) return false;
    // An existing file chosen stays until the saved report replaces it whole.
    SplitPath(report.documentPath, nullptr, nullptr, report.fileName);
    return true;
}

bool StartWord(Report& report) {
    if (const int started = WordRpt_ApplicationNew(-1, &report.application); started != 0) {
        char errorText[kLineLen];
        CA_GetAutomationErrorString(started, errorText, kLineLen);
        MessagePopup(title, errorText);
        return false;
    }
    WordRpt_DocumentNew(report.application, &report.document);
    return true;
}

void SetUpPage(CAObjHandle document) {
    WordRpt_PageOrientation(document, 1);
    WordRpt_SetReportLineSpacing(document, 2);
    WordRpt_SetMargins(document, 0.8f, 0.8f, 1.0f, 0.6f);
}

void WriteTitle(CAObjHandle document) {
    WordRpt_SetTextAttribute(document, WRConst_Alignment, 1);
    WordRpt_SetTextAttribute(document, WRConst_FontColor, 9);
    WordRpt_SetTextAttribute(document, WRConst_FontName, "Arial Black");
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 16.0);
    WordRpt_SetTextAttribute(document, WRConst_Bold, 1);
    char lineText[kLineLen];
    std::snprintf(lineText, sizeof lineText, "Kelbrant - %s", title);
    WordRpt_AppendLine(document, lineText);
}

void WriteMakerBlock(CAObjHandle document) {
    WordRpt_SetTextAttribute(document, WRConst_Alignment, 1);
    WordRpt_SetTextAttribute(document, WRConst_FontName, "Arial Narrow");
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 8.0);
    WordRpt_SetTextAttribute(document, WRConst_FontColor, 15);
    WordRpt_AppendLine(document, kMakerBlock);
    WordRpt_NewLine(document);
}

// The three pictures from the program's folder, side by side; one that cannot be read leaves
// its cell empty and is noted.
void InsertHeaderPictures(Report& report) {
    CAObjHandle table = 0;
    CAObjHandle picture = 0;
    WordRpt_AddTable(report.document, 1, 3, &table);
    for (int c = 1; c <= 3; ++c) WordRpt_SetColumnWidth(table, c, Inches(73.33));
    WordRpt_SelectRow(table, 1);
    WordRpt_SetTextAttribute(report.document, WRConst_Alignment, 1);
    for (int c = 1; c <= 3; ++c) {
        char picturePath[kMaxPathnameLen] = "";
        WordRpt_GoToCell(table, 1, c);
        GetProjectDir(picturePath);
        MakePathname(picturePath, kHeaderPictures[c - 1], picturePath);
        if (const int inserted = WordRpt_InsertImageInCell(table, picturePath, &picture); inserted != 0) {
            if (picturePath[0] == '\0') {
                NoteMissing(report, kHeaderPictures[c - 1],
                            "no path to it can be made (the program's folder unknown, or its path too long)");
            } else {
                NoteMissing(report, picturePath, WhyLeftOut(picturePath, inserted));
            }
        }
        Release(picture);
    }
    WordRpt_CellAlignVertical(table, 1);
    WordRpt_GoToLineAfterTable(table);
    Release(table);
    WordRpt_NewLine(report.document);
}

void WriteFileAndDateLines(const Report& report, const HuePage& page) {
    const CAObjHandle document = report.document;
    WordRpt_SetTextAttribute(document, WRConst_FontColor, 0);
    WordRpt_SetTextAttribute(document, WRConst_FontName, "Arial Narrow");
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 12.0);
    WordRpt_SetTextAttribute(document, WRConst_Bold, 0);
    WordRpt_SetTextAttribute(document, WRConst_Alignment, 0);
    char lineText[kLineLen];
    std::snprintf(lineText, sizeof lineText, "FILE : %s - CHART Design (c) data for HUE = %03d",
                  report.fileName, static_cast<int>(page.hue));
    WordRpt_AppendLine(document, lineText);
    int month = 0;
    int day = 0;
    int year = 0;
    GetSystemDate(&month, &day, &year);
    std::snprintf(lineText, sizeof lineText, "%02d - %02d - %04d\t\tOPERATOR :", day, month, year);
    WordRpt_AppendLine(document, lineText);
    WordRpt_AddBookmark(document, "operator");
    WordRpt_NewLine(document);
}

void WriteColourTable(CAObjHandle document, const HuePage& page) {
    CAObjHandle table = 0;
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 10.0);
    WordRpt_AddTable(document, 2, 10, &table);
    for (int c = 1; c <= 10; ++c) WordRpt_SetColumnWidth(table, c, Inches(kColumnWidths[c - 1]));
    for (int c = 1; c <= 10; ++c) WordRpt_WriteToCell(table, 1, c, kColumnHeaders[c - 1]);
    int row = 3;
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 12; ++j) {
            const RalDesignColor* entry = page.cells[j][i];
            if (entry == nullptr) continue;
            WordRpt_InsertRows(table, -1, 1);
            WriteRow(table, row, *entry);
            ++row;
        }
    }
    WordRpt_SelectColumn(table, 10);
    WordRpt_SetTextAttribute(document, WRConst_FontColor, 15);
    WordRpt_GoToLineAfterTable(table);
    WordRpt_NewLine(document);
    Release(table);
}

// The picture of the main window, through a file of the report's own beside the document. Only
// a file written whole goes in: a failed claim or write leaves the cell empty, noted.
void InsertSnapshot(Report& report) {
    CopyChartCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);
    int bitmap = 0;
    ClipboardGetBitmap(&bitmap, nullptr);
    char snapshotPath[kDocumentPathLen] = "";
    const char* written = "";
    std::string problem;
    if (bitmap != 0) {
        if (const int claimed = ClaimSnapshotPath(report.documentPath, snapshotPath); claimed != 0) {
            problem =
                std::string("no file can be made for it beside the document: ") + std::strerror(claimed);
        } else if (SaveBitmapToFile(snapshotPath, bitmap) != 0) {
            problem = std::string("its file cannot be written: ") + std::strerror(errno);
        } else {
            written = snapshotPath;
        }
        DiscardBitmap(bitmap);
    } else {
        problem = "the clipboard gives no picture of it";
    }
    CAObjHandle table = 0;
    CAObjHandle picture = 0;
    WordRpt_SetTextAttribute(report.document, WRConst_Alignment, 1);
    WordRpt_AddTable(report.document, 1, 1, &table);
    WordRpt_SetColumnWidth(table, 1, Inches(220.0));
    WordRpt_GoToCell(table, 1, 1);
    const int inserted = WordRpt_InsertImageInCell(table, written, &picture);
    if (inserted != 0 && problem.empty()) problem = WhyLeftOut(written, inserted);
    if (!problem.empty()) NoteMissing(report, "the picture of the main window", problem);
    Release(picture);
    if (snapshotPath[0] != '\0') CVI_DeleteFile(snapshotPath);
    WordRpt_GoToLineAfterTable(table);
    Release(table);
}

// With no application window left holding the document, a failed save must be told, and so
// must pictures left out of a report that looks whole.
void Save(Report& report) {
    const std::string path = report.documentPath;
    std::string message;
    if (const int saved = WordRpt_DocumentSaveAs(report.document, report.documentPath); saved != 0) {
        char errorText[kLineLen];
        CA_GetAutomationErrorString(saved, errorText, kLineLen);
        message = "The report could not be saved as\n" + path + "\n\n" + errorText;
        if (!report.missing.empty()) message += "\n\nIt also lacked these pictures:\n" + report.missing;
    } else if (!report.missing.empty()) {
        message = "The report was saved as\n" + path + "\nwithout these pictures:\n" + report.missing;
    }
    if (!message.empty()) MessagePopup(title, message.c_str());
    WordRpt_GoToBookmark(report.document, "operator");
}

}  // namespace

void ReportCallback(int, int, void*, int) {
    const int breakSetting = SetBreakOnLibraryErrors(0);
    const HuePage& page = chartOrg[actualIndex];
    Report report;
    if (ChooseDocument(report) && StartWord(report)) {
        SetUpPage(report.document);
        WriteTitle(report.document);
        WriteMakerBlock(report.document);
        InsertHeaderPictures(report);
        WriteFileAndDateLines(report, page);
        WriteColourTable(report.document, page);
        InsertSnapshot(report);
        Save(report);
    }
    Release(report.document);
    Release(report.application);
    SetBreakOnLibraryErrors(breakSetting);
}
