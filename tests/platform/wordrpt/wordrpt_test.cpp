#include "platform/wordrpt/wordrpt.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QImage>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/wordrpt/automation_errors.h"
#include "platform/wordrpt/wordrpt_testing.h"
#include "tests/platform/toolbox/file_limits.h"
#include "tests/platform/wordrpt/docx_reader.h"

namespace fs = std::filesystem;

namespace {
// While set, syncing a folder fails, as it does on some file systems.
bool folderSyncFails = false;
}  // namespace

extern "C" int fsync(int fd) {
    struct stat status {};
    if (folderSyncFails && fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

class WordRptTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("wordrpt_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        live_ = wordrpt_testing::LiveHandles();
        ASSERT_EQ(WordRpt_ApplicationNew(-1, &app_), 0);
        ASSERT_EQ(WordRpt_DocumentNew(app_, &doc_), 0);
    }
    void TearDown() override {
        wordrpt_testing::CancelFailure();
        for (CAObjHandle h : {doc_, app_}) CA_DiscardObjHandle(h);
        wordrpt_testing::TakeViewerRequests();
        EXPECT_EQ(wordrpt_testing::LiveHandles(), live_);
        fs::remove_all(dir_);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Picture(const std::string& name, int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(0x336699);
        image.save(QString::fromStdString(Path(name)), "BMP");
        return Path(name);
    }
    // document.xml of the document as saved now.
    std::string Saved(const std::string& name = "probe.docx") {
        EXPECT_EQ(WordRpt_DocumentSaveAs(doc_, Path(name).c_str()), 0);
        return ReadDocx(Path(name)).parts["word/document.xml"];
    }

    fs::path dir_;
    int live_ = 0;
    CAObjHandle app_ = 0;
    CAObjHandle doc_ = 0;
};

pugi::xml_node Body(const pugi::xml_document& d) {
    return d.child("w:document").child("w:body");
}

std::string Attr(pugi::xml_node n, const char* path, const char* attr = "w:val") {
    return n.select_node(path).node().attribute(attr).value();
}

// The report's shape: page set-up, formatted lines, a bookmark, a table of pictures and a
// grown table, read back from the saved package.
TEST_F(WordRptTest, BuildsPagesLinesTablesAndPicturesAsSaved) {
    ASSERT_EQ(WordRpt_PageOrientation(doc_, 1), 0);
    ASSERT_EQ(WordRpt_SetReportLineSpacing(doc_, 2), 0);
    ASSERT_EQ(WordRpt_SetMargins(doc_, 0.8f, 0.8f, 1.0f, 0.6f), 0);
    WordRpt_SetTextAttribute(doc_, WRConst_Alignment, 1);
    WordRpt_SetTextAttribute(doc_, WRConst_FontColor, 9);
    WordRpt_SetTextAttribute(doc_, WRConst_FontName, "Arial Black");
    WordRpt_SetTextAttribute(doc_, WRConst_FontSize, 16.0);
    WordRpt_SetTextAttribute(doc_, WRConst_Bold, 1);
    ASSERT_EQ(WordRpt_AppendLine(doc_, "Title <&>"), 0);
    WordRpt_SetTextAttribute(doc_, WRConst_FontSize, 8.0);
    WordRpt_AppendLine(doc_, "one\ntwo\tthree");
    WordRpt_SetTextAttribute(doc_, WRConst_Alignment, 0);
    WordRpt_SetTextAttribute(doc_, WRConst_Bold, 0);
    WordRpt_SetTextAttribute(doc_, WRConst_FontColor, 0);
    WordRpt_AppendLine(doc_, "date\t\tOPERATOR :");
    ASSERT_EQ(WordRpt_AddBookmark(doc_, "operator"), 0);
    WordRpt_NewLine(doc_);

    CAObjHandle pics = 0;
    CAObjHandle pic = 0;
    ASSERT_EQ(WordRpt_AddTable(doc_, 1, 2, &pics), 0);
    ASSERT_EQ(WordRpt_SetColumnWidth(pics, 1, static_cast<float>(73.33 / 25.4)), 0);
    ASSERT_EQ(WordRpt_SetColumnWidth(pics, 2, 1.0f), 0);
    ASSERT_EQ(WordRpt_GoToCell(pics, 1, 1), 0);
    ASSERT_EQ(WordRpt_InsertImageInCell(pics, Picture("small.bmp", 96, 48).c_str(), &pic), 0);
    CA_DiscardObjHandle(pic);
    ASSERT_EQ(WordRpt_GoToCell(pics, 1, 2), 0);
    ASSERT_EQ(WordRpt_InsertImageInCell(pics, Picture("wide.bmp", 960, 480).c_str(), &pic), 0);
    CA_DiscardObjHandle(pic);
    ASSERT_EQ(WordRpt_CellAlignVertical(pics, 1), 0);  // the cell holding the picture only
    ASSERT_EQ(WordRpt_GoToLineAfterTable(pics), 0);
    CA_DiscardObjHandle(pics);

    WordRpt_SetTextAttribute(doc_, WRConst_FontSize, 10.0);
    CAObjHandle grid = 0;
    ASSERT_EQ(WordRpt_AddTable(doc_, 2, 3, &grid), 0);
    ASSERT_EQ(WordRpt_SetColumnWidth(grid, 3, static_cast<float>(30 / 25.4)), 0);
    ASSERT_EQ(WordRpt_WriteToCell(grid, 1, 1, "A"), 0);
    ASSERT_EQ(WordRpt_WriteToCell(grid, 1, 3, "C"), 0);
    ASSERT_EQ(WordRpt_InsertRows(grid, -1, 1), 0);
    ASSERT_EQ(WordRpt_WriteToCell(grid, 3, 3, "0x0000FF"), 0);
    ASSERT_EQ(WordRpt_SelectColumn(grid, 3), 0);
    ASSERT_EQ(WordRpt_SetTextAttribute(doc_, WRConst_FontColor, 15), 0);
    ASSERT_EQ(WordRpt_GoToLineAfterTable(grid), 0);
    CA_DiscardObjHandle(grid);
    WordRpt_AppendLine(doc_, "after");
    ASSERT_EQ(WordRpt_GoToBookmark(doc_, "operator"), 0);
    WordRpt_AppendLine(doc_, "Jo");  // typed where the operator's name goes

    ASSERT_EQ(WordRpt_DocumentSaveAs(doc_, Path("r.doc").c_str()), 0);
    const DocxPackage pkg = ReadDocx(Path("r.doc"));
    ASSERT_TRUE(pkg.ok);
    for (const char* part :
         {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels", "word/styles.xml",
          "word/settings.xml", "word/header1.xml", "word/footer1.xml"}) {
        EXPECT_TRUE(pkg.Xml(part).first_child()) << part;
    }
    const pugi::xml_document d = pkg.Xml("word/document.xml");
    const pugi::xml_node body = Body(d);

    // Header and footer tab stops at half and the whole landscape text width; print layout.
    for (const char* part : {"word/header1.xml", "word/footer1.xml"}) {
        const pugi::xml_document hf = pkg.Xml(part);
        const auto tabs = hf.select_nodes("//w:tabs/w:tab");
        ASSERT_EQ(tabs.size(), 2u) << part;
        EXPECT_STREQ(tabs[0].node().attribute("w:pos").value(), "7267");
        EXPECT_STREQ(tabs[1].node().attribute("w:pos").value(), "14534");
    }
    EXPECT_EQ(Attr(pkg.Xml("word/settings.xml"), "//w:view"), "print");

    // Lines: attributes carried from one line to the next until set again.
    const auto paras = body.select_nodes("w:p");
    ASSERT_GE(paras.size(), 6u);
    const pugi::xml_node title = paras[0].node();
    EXPECT_EQ(TextOf(title), "Title <&>");
    EXPECT_EQ(Attr(title, "w:pPr/w:jc"), "center");
    EXPECT_EQ(Attr(title, "w:pPr/w:spacing", "w:line"), "480");
    const pugi::xml_node block = paras[1].node();
    EXPECT_EQ(TextOf(block), "one\ntwo\tthree");
    EXPECT_EQ(Attr(block, "w:r/w:rPr/w:sz"), "16");
    EXPECT_EQ(Attr(block, "w:r/w:rPr/w:rFonts", "w:ascii"), "Arial Black");
    EXPECT_TRUE(block.select_node("w:r/w:rPr/w:b"));
    EXPECT_EQ(Attr(block, "w:pPr/w:jc"), "center");
    const pugi::xml_node date = paras[2].node();
    EXPECT_EQ(TextOf(date), "date\t\tOPERATOR :");
    EXPECT_EQ(Attr(date, "w:pPr/w:jc"), "left");
    EXPECT_FALSE(date.select_node("w:r/w:rPr/w:b"));
    // The bookmark opens the paragraph below the date line; text typed there follows it.
    const pugi::xml_node marked = paras[3].node();
    EXPECT_EQ(Attr(marked, "w:bookmarkStart", "w:name"), "operator");
    EXPECT_EQ(TextOf(marked), "Jo");
    EXPECT_EQ(std::string(marked.first_child().next_sibling().name()), "w:bookmarkStart");

    // Picture table: widths in twips, pictures stored as PNG, the wide one shrunk to its cell.
    const auto tables = body.select_nodes("w:tbl");
    ASSERT_EQ(tables.size(), 2u);
    const pugi::xml_node t1 = tables[0].node();
    EXPECT_EQ(Attr(t1, "w:tblGrid/w:gridCol[2]", "w:w"), "1440");
    EXPECT_EQ(Attr(t1, "w:tr/w:tc[1]//wp:extent", "cx"), "914400");
    EXPECT_EQ(Attr(t1, "w:tr/w:tc[1]//wp:extent", "cy"), "457200");
    EXPECT_EQ(Attr(t1, "w:tr/w:tc[2]//wp:extent", "cx"), std::to_string((1440 - 2 * 108) * 635));
    EXPECT_EQ(Attr(t1, "w:tr/w:tc[2]//wp:extent", "cy"), std::to_string((1440 - 2 * 108) * 635 / 2));
    EXPECT_FALSE(t1.select_node("w:tr/w:tc[1]/w:tcPr/w:vAlign"));
    EXPECT_EQ(Attr(t1, "w:tr/w:tc[2]/w:tcPr/w:vAlign"), "center");
    const pugi::xml_document rels = pkg.Xml("word/_rels/document.xml.rels");
    const std::string rid = Attr(t1, "w:tr/w:tc[1]//a:blip", "r:embed");
    const std::string target =
        rels.select_node(("//Relationship[@Id='" + rid + "']").c_str()).node().attribute("Target").value();
    ASSERT_EQ(target, "media/image1.png");
    const std::string& png = pkg.parts.at("word/media/" + target.substr(6));
    QImage stored;
    ASSERT_TRUE(
        stored.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
    EXPECT_EQ(stored.size(), QSize(96, 48));
    EXPECT_EQ(stored.pixel(5, 5) & 0xFFFFFF, 0x336699u);

    // Grown table: an appended row, text in the cells, the third column grey header included,
    // cells formatted as the insertion point was (10 pt, left).
    const pugi::xml_node t2 = tables[1].node();
    ASSERT_EQ(t2.select_nodes("w:tr").size(), 3u);
    EXPECT_EQ(TextOf(t2.select_node("w:tr[1]/w:tc[1]").node()), "A");
    EXPECT_EQ(TextOf(t2.select_node("w:tr[2]").node()), "");
    EXPECT_EQ(TextOf(t2.select_node("w:tr[3]/w:tc[3]").node()), "0x0000FF");
    EXPECT_EQ(Attr(t2, "w:tr[1]/w:tc[3]//w:r/w:rPr/w:color"), "808080");
    EXPECT_EQ(Attr(t2, "w:tr[3]/w:tc[3]//w:r/w:rPr/w:color"), "808080");
    EXPECT_EQ(Attr(t2, "w:tr[1]/w:tc[1]//w:r/w:rPr/w:color"), "auto");
    EXPECT_EQ(Attr(t2, "w:tr[1]/w:tc[1]//w:r/w:rPr/w:sz"), "20");
    // Below each table the line the insertion point went to; text typed after the second.
    EXPECT_EQ(std::string(t2.next_sibling().name()), "w:p");
    EXPECT_EQ(TextOf(t2.next_sibling()), "after");

    // A visible application shows what it saved; offscreen nothing is opened.
    EXPECT_EQ(wordrpt_testing::TakeViewerRequests(), std::vector<std::string>{Path("r.doc")});
}

// Every refused call returns its code and leaves the saved document as it was.
TEST_F(WordRptTest, RefusedCallsChangeNothing) {
    CAObjHandle table = 0;
    ASSERT_EQ(WordRpt_AddTable(doc_, 2, 2, &table), 0);
    WordRpt_WriteToCell(table, 1, 1, "kept");
    WordRpt_GoToLineAfterTable(table);
    std::ofstream(Path("text.bmp")) << "not a picture";
    CAObjHandle gone = 0;
    ASSERT_EQ(WordRpt_AddTable(doc_, 1, 1, &gone), 0);
    const std::string withSecond = Saved("second.docx");
    CA_DiscardObjHandle(gone);

    CAObjHandle out = 0;
    const struct {
        const char* what;
        int result;
        int expected;
    } cases[] = {
        {"null handle", WordRpt_AppendLine(0, "x"), kWordRptBadHandle},
        {"released handle", WordRpt_WriteToCell(gone, 1, 1, "x"), kWordRptBadHandle},
        {"table handle as document", WordRpt_NewLine(table), kWordRptBadHandle},
        {"row out of range", WordRpt_WriteToCell(table, 3, 1, "x"), kWordRptBadIndex},
        {"column 0", WordRpt_SelectColumn(table, 0), kWordRptBadIndex},
        {"row past the end", WordRpt_SelectRow(table, 3), kWordRptBadIndex},
        {"insert before a missing row", WordRpt_InsertRows(table, 5, 1), kWordRptBadIndex},
        {"missing picture", WordRpt_InsertImageInCell(table, Path("none.bmp").c_str(), &out),
         kWordRptPictureFile},
        {"text as picture", WordRpt_InsertImageInCell(table, Path("text.bmp").c_str(), &out),
         kWordRptPictureFile},
        {"colour index 17", WordRpt_SetTextAttribute(doc_, WRConst_FontColor, 17), kWordRptBadArgument},
        {"font size 0", WordRpt_SetTextAttribute(doc_, WRConst_FontSize, 0.0), kWordRptBadArgument},
        {"size given as text", WordRpt_SetTextAttribute(doc_, WRConst_FontSize, "10"), kWordRptBadArgument},
        {"bookmark name with blank", WordRpt_AddBookmark(doc_, "op erator"), kWordRptBadArgument},
        {"no such bookmark", WordRpt_GoToBookmark(doc_, "nowhere"), kWordRptNoBookmark},
        {"margins wider than the page", WordRpt_SetMargins(doc_, 1, 1, 4, 4), kWordRptBadArgument},
        {"orientation 2", WordRpt_PageOrientation(doc_, 2), kWordRptBadArgument},
        {"vertical alignment 2", WordRpt_CellAlignVertical(table, 2), kWordRptBadArgument},
        {"release twice", CA_DiscardObjHandle(gone), kWordRptBadHandle},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
    EXPECT_EQ(out, 0);
    EXPECT_EQ(Saved("after.docx"), withSecond);

    // A picture goes only into the table that holds the selection; a table never into a table.
    ASSERT_EQ(WordRpt_GoToCell(table, 1, 1), 0);
    EXPECT_EQ(WordRpt_AddTable(doc_, 1, 1, &out), kWordRptNoSelection);
    CA_DiscardObjHandle(table);
}

TEST_F(WordRptTest, InjectedFailureRunsNothingAndCodesHaveTexts) {
    wordrpt_testing::FailNthCall(2, kWordRptServerFailed);
    EXPECT_EQ(WordRpt_AppendLine(doc_, "first"), 0);
    EXPECT_EQ(WordRpt_AppendLine(doc_, "second"), kWordRptServerFailed);
    EXPECT_EQ(WordRpt_AppendLine(doc_, "third"), 0);
    const std::string xml = Saved();
    EXPECT_NE(xml.find("first"), std::string::npos);
    EXPECT_EQ(xml.find("second"), std::string::npos);

    char text[512];
    ASSERT_EQ(CA_GetAutomationErrorString(kWordRptPictureFile, text, sizeof text), 0);
    EXPECT_STREQ(text, "The picture file cannot be read.");
    ASSERT_EQ(CA_GetAutomationErrorString(-1, text, 12), 0);
    EXPECT_STREQ(text, "Unknown err");  // cut to the buffer, terminated
}

// Text that is no valid UTF-8 or holds control characters still gives well-formed XML.
TEST_F(WordRptTest, ForeignBytesAndControlsBecomeWellFormedText) {
    WordRpt_AppendLine(doc_,
                       "a\x01"
                       "b\xff"
                       "c\r\nd\xc3\xa9\xef\xbf\xbf");
    const std::string xml = Saved();
    pugi::xml_document d;
    ASSERT_TRUE(d.load_string(xml.c_str()));
    EXPECT_EQ(TextOf(Body(d).child("w:p")),
              "ab\xEF\xBF\xBD"
              "c\nd\xc3\xa9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

// A save replaces the file only when the new one is complete; a failed one leaves all as it was.
TEST_F(WordRptTest, SaveReplacesWholeOrNotAtAll) {
    const std::string path = Path("old.doc");
    std::ofstream(path) << "old report";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WordRpt_AppendLine(doc_, "new");
    {
        FileSizeLimit limit(1024);  // the write cut short, as on a full disk
        EXPECT_EQ(WordRpt_DocumentSaveAs(doc_, path.c_str()), kWordRptFileTooLarge);
    }
    EXPECT_FALSE(ReadDocx(path).ok) << "the old file kept";
    ASSERT_EQ(WordRpt_DocumentSaveAs(doc_, path.c_str()), 0);
    EXPECT_NE(ReadDocx(path).parts["word/document.xml"].find("new"), std::string::npos);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // The rename is the save: a folder that cannot be synced afterwards does not undo it.
    folderSyncFails = true;
    WordRpt_AppendLine(doc_, "synced");
    EXPECT_EQ(WordRpt_DocumentSaveAs(doc_, path.c_str()), 0);
    folderSyncFails = false;
    EXPECT_NE(ReadDocx(path).parts["word/document.xml"].find("synced"), std::string::npos);

    fs::create_directory(Path("taken.doc"));
    std::ofstream(Path("taken.doc/inside")) << "x";
    EXPECT_EQ(WordRpt_DocumentSaveAs(doc_, Path("taken.doc").c_str()), kWordRptAccessDenied);
    EXPECT_TRUE(fs::exists(Path("taken.doc/inside")));
    EXPECT_EQ(WordRpt_DocumentSaveAs(doc_, Path("missing/r.doc").c_str()), kWordRptPathNotFound);
    EXPECT_EQ(WordRpt_DocumentSaveAs(doc_, Path(std::string(251, 'n') + ".doc").c_str()), 0)
        << "a name as long as the file system allows";
    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir_)) entries += e.path().filename().string()[0] == '.';
    EXPECT_EQ(entries, 0) << "no half-written file left behind";

    // Only successful saves are shown; an invisible application shows none.
    EXPECT_EQ(wordrpt_testing::TakeViewerRequests().size(), 3u);
    CAObjHandle quiet = 0;
    CAObjHandle doc = 0;
    ASSERT_EQ(WordRpt_ApplicationNew(0, &quiet), 0);
    ASSERT_EQ(WordRpt_DocumentNew(quiet, &doc), 0);
    ASSERT_EQ(WordRpt_DocumentSaveAs(doc, Path("quiet.doc").c_str()), 0);
    EXPECT_TRUE(wordrpt_testing::TakeViewerRequests().empty());
    CA_DiscardObjHandle(doc);
    CA_DiscardObjHandle(quiet);
}

}  // namespace
