// The report of the hue page that the main window shows, written as a Word document.
#include "report/wordreport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "platform/toolbox/toolbox.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "platform/wordrpt/wordrpt.h"
#include "shell_state/shell_state.h"

namespace {

constexpr int kPathLen = 260;
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
// Attempts at a free snapshot name before the snapshot is left out.
constexpr int kSnapshotNames = 100;

char lastPopupDirectory[kPathLen] = "";

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
bool ReplaceExtension(const char* path, const char* extension, char out[kPathLen]) {
    const char* name = std::strrchr(path, '/');
    name = name ? name + 1 : path;
    const char* dot = std::strrchr(name, '.');
    const int stem = static_cast<int>(dot != nullptr && dot != name ? dot - path : std::strlen(path));
    return std::snprintf(out, kPathLen, "%.*s%s", stem, path, extension) < kPathLen;
}

// Claims a snapshot file beside the document that no file of the user's holds: the document's
// name with ".bmp", else with "-1.bmp", "-2.bmp", ... The empty file made here is the report's
// own, to be overwritten by the snapshot and deleted after it.
bool ClaimSnapshotPath(const char* documentPath, char snapshotPath[kPathLen]) {
    for (int n = 0; n < kSnapshotNames; ++n) {
        char extension[16];
        std::snprintf(extension, sizeof extension, n == 0 ? ".bmp" : "-%d.bmp", n);
        if (!ReplaceExtension(documentPath, extension, snapshotPath)) return false;
        const int fd = open(snapshotPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
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

}  // namespace

void ReportCallback(int, int, void*, int) {
    const int breakSetting = SetBreakOnLibraryErrors(0);
    const HuePage& page = chartOrg[actualIndex];

    char documentPath[kPathLen] = "";
    const int chosen = FileSelectPopup(GetLastPopupDirectory(), "*.doc", "*.doc", title, VAL_SAVE_BUTTON, 0,
                                       1, 1, 0, documentPath);
    if (chosen <= 0) {
        SetBreakOnLibraryErrors(breakSetting);
        return;
    }
    // An existing file chosen stays until the saved report replaces it whole.

    char fileName[kPathLen] = "";
    SplitPath(documentPath, nullptr, nullptr, fileName);

    CAObjHandle application = 0;
    CAObjHandle document = 0;
    CAObjHandle table = 0;
    CAObjHandle picture = 0;
    char lineText[kLineLen];
    char errorText[kLineLen];
    if (const int started = WordRpt_ApplicationNew(-1, &application); started != 0) {
        CA_GetAutomationErrorString(started, errorText, kLineLen);
        MessagePopup(title, errorText);
        Release(application);
        SetBreakOnLibraryErrors(breakSetting);
        return;
    }

    WordRpt_DocumentNew(application, &document);
    WordRpt_PageOrientation(document, 1);
    WordRpt_SetReportLineSpacing(document, 2);
    WordRpt_SetMargins(document, 0.8f, 0.8f, 1.0f, 0.6f);

    WordRpt_SetTextAttribute(document, WRConst_Alignment, 1);
    WordRpt_SetTextAttribute(document, WRConst_FontColor, 9);
    WordRpt_SetTextAttribute(document, WRConst_FontName, "Arial Black");
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 16.0);
    WordRpt_SetTextAttribute(document, WRConst_Bold, 1);
    std::snprintf(lineText, sizeof lineText, "Kelbrant - %s", title);
    WordRpt_AppendLine(document, lineText);

    WordRpt_SetTextAttribute(document, WRConst_Alignment, 1);
    WordRpt_SetTextAttribute(document, WRConst_FontName, "Arial Narrow");
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 8.0);
    WordRpt_SetTextAttribute(document, WRConst_FontColor, 15);
    WordRpt_AppendLine(document, kMakerBlock);
    WordRpt_NewLine(document);

    WordRpt_AddTable(document, 1, 3, &table);
    for (int c = 1; c <= 3; ++c) WordRpt_SetColumnWidth(table, c, Inches(73.33));
    WordRpt_SelectRow(table, 1);
    WordRpt_SetTextAttribute(document, WRConst_Alignment, 1);
    for (int c = 1; c <= 3; ++c) {
        char picturePath[kPathLen] = "";
        WordRpt_GoToCell(table, 1, c);
        GetProjectDir(picturePath);
        MakePathname(picturePath, kHeaderPictures[c - 1], picturePath);
        WordRpt_InsertImageInCell(table, picturePath, &picture);
        Release(picture);
    }
    WordRpt_CellAlignVertical(table, 1);
    WordRpt_GoToLineAfterTable(table);
    Release(table);
    WordRpt_NewLine(document);

    WordRpt_SetTextAttribute(document, WRConst_FontColor, 0);
    WordRpt_SetTextAttribute(document, WRConst_FontName, "Arial Narrow");
    WordRpt_SetTextAttribute(document, WRConst_FontSize, 12.0);
    WordRpt_SetTextAttribute(document, WRConst_Bold, 0);
    WordRpt_SetTextAttribute(document, WRConst_Alignment, 0);
    std::snprintf(lineText, sizeof lineText, "FILE : %s - CHART Design (c) data for HUE = %03d", fileName,
                  static_cast<int>(page.hue));
    WordRpt_AppendLine(document, lineText);
    int month = 0;
    int day = 0;
    int year = 0;
    GetSystemDate(&month, &day, &year);
    std::snprintf(lineText, sizeof lineText, "%02d - %02d - %04d\t\tOPERATOR :", day, month, year);
    WordRpt_AppendLine(document, lineText);
    WordRpt_AddBookmark(document, "operator");
    WordRpt_NewLine(document);

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

    CopyChartCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);
    int bitmap = 0;
    ClipboardGetBitmap(&bitmap, nullptr);
    char snapshotPath[kPathLen] = "";
    bool snapshotOurs = false;
    if (bitmap != 0) {
        snapshotOurs = ClaimSnapshotPath(documentPath, snapshotPath);
        if (snapshotOurs) SaveBitmapToFile(snapshotPath, bitmap);
        DiscardBitmap(bitmap);
    }
    WordRpt_SetTextAttribute(document, WRConst_Alignment, 1);
    WordRpt_AddTable(document, 1, 1, &table);
    WordRpt_SetColumnWidth(table, 1, Inches(220.0));
    WordRpt_GoToCell(table, 1, 1);
    WordRpt_InsertImageInCell(table, snapshotPath, &picture);
    Release(picture);
    if (snapshotOurs) CVI_DeleteFile(snapshotPath);
    WordRpt_GoToLineAfterTable(table);
    Release(table);

    // With no application window left holding the document, a failed save must be told.
    if (const int saved = WordRpt_DocumentSaveAs(document, documentPath); saved != 0) {
        CA_GetAutomationErrorString(saved, errorText, kLineLen);
        char message[kPathLen + kLineLen + 64];
        std::snprintf(message, sizeof message, "The report could not be saved as\n%s\n\n%s", documentPath,
                      errorText);
        MessagePopup(title, message);
    }
    WordRpt_GoToBookmark(document, "operator");

    Release(document);
    Release(application);
    SetBreakOnLibraryErrors(breakSetting);
}
