#include "platform/wordrpt/docx_writer.h"

#include <zip.h>

#include <array>
#include <cstdio>
#include <memory>
#include <pugixml.hpp>
#include <sstream>

#include "platform/wordrpt/automation_errors.h"

namespace wordrpt {

namespace {

constexpr const char* kNsW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kNsR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kNsWp = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr const char* kNsA = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kNsPic = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr const char* kNsRels = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kRelBase = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kMainType = "application/vnd.openxmlformats-officedocument.wordprocessingml.";

constexpr std::array<const char*, 17> kColors{"auto",   "000000", "0000FF", "00FFFF", "00FF00", "FF00FF",
                                              "FF0000", "FFFF00", "FFFFFF", "000080", "008080", "008000",
                                              "800080", "800000", "808000", "808080", "C0C0C0"};
constexpr std::array<const char*, 4> kAlign{"left", "center", "right", "both"};

std::string Num(long long v) {
    return std::to_string(v);
}

pugi::xml_document NewPart() {
    pugi::xml_document d;
    pugi::xml_node decl = d.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    decl.append_attribute("standalone") = "yes";
    return d;
}

pugi::xml_node Add(pugi::xml_node parent, const char* name) {
    return parent.append_child(name);
}

// <w:name w:val="value"/>
pugi::xml_node AddVal(pugi::xml_node parent, const char* name, const std::string& value) {
    pugi::xml_node n = parent.append_child(name);
    n.append_attribute("w:val") = value.c_str();
    return n;
}

void WriteRunFormat(pugi::xml_node rPr, const CharFormat& f) {
    pugi::xml_node fonts = Add(rPr, "w:rFonts");
    for (const char* a : {"w:ascii", "w:hAnsi", "w:cs"}) fonts.append_attribute(a) = f.font.c_str();
    if (f.bold) {
        Add(rPr, "w:b");
        Add(rPr, "w:bCs");
    }
    AddVal(rPr, "w:color", ColorOfIndex(f.colorIndex));
    AddVal(rPr, "w:sz", Num(f.halfPoints));
    AddVal(rPr, "w:szCs", Num(f.halfPoints));
}

void WriteTabs(pugi::xml_node pPr, const std::vector<int>& tabs) {
    if (tabs.empty()) return;
    pugi::xml_node list = Add(pPr, "w:tabs");
    for (size_t i = 0; i < tabs.size(); ++i) {
        pugi::xml_node tab = AddVal(list, "w:tab", i + 1 == tabs.size() ? "right" : "center");
        tab.append_attribute("w:pos") = Num(tabs[i]).c_str();
    }
}

class PartWriter {
  public:
    PartWriter(const Document& doc, pugi::xml_node rels)
        : used(doc.pictures.size()), doc_(doc), rels_(rels) {}

    void Paragraph(pugi::xml_node parent, const wordrpt::Paragraph& p) {
        pugi::xml_node para = Add(parent, "w:p");
        pugi::xml_node pPr = Add(para, "w:pPr");
        pugi::xml_node spacing = Add(pPr, "w:spacing");
        spacing.append_attribute("w:after") = "0";
        spacing.append_attribute("w:line") = p.format.lineSpacing == 2   ? "480"
                                             : p.format.lineSpacing == 3 ? "360"
                                                                         : "240";
        spacing.append_attribute("w:lineRule") = "auto";
        AddVal(pPr, "w:jc", kAlign[static_cast<size_t>(p.format.align)]);
        WriteRunFormat(Add(pPr, "w:rPr"), p.mark);
        for (const Piece& piece : p.pieces) {
            switch (piece.kind) {
                case Piece::Kind::Bookmark: {
                    const std::string id = Num(nextBookmark_++);
                    pugi::xml_node start = Add(para, "w:bookmarkStart");
                    start.append_attribute("w:id") = id.c_str();
                    start.append_attribute("w:name") = piece.text.c_str();
                    Add(para, "w:bookmarkEnd").append_attribute("w:id") = id.c_str();
                    break;
                }
                case Piece::Kind::Text:
                    TextRun(para, piece);
                    break;
                case Piece::Kind::Picture:
                    PictureRun(para, piece);
                    break;
            }
        }
    }

    void Table(pugi::xml_node parent, const wordrpt::Table& t) {
        pugi::xml_node tbl = Add(parent, "w:tbl");
        pugi::xml_node tblPr = Add(tbl, "w:tblPr");
        AddVal(tblPr, "w:tblStyle", "TableGrid");
        pugi::xml_node width = Add(tblPr, "w:tblW");
        width.append_attribute("w:w") = "0";
        width.append_attribute("w:type") = "auto";
        Add(tblPr, "w:tblLayout").append_attribute("w:type") = "fixed";
        pugi::xml_node grid = Add(tbl, "w:tblGrid");
        for (int w : t.widths) Add(grid, "w:gridCol").append_attribute("w:w") = Num(w).c_str();
        for (const auto& row : t.rows) {
            pugi::xml_node tr = Add(tbl, "w:tr");
            for (size_t c = 0; c < row.size(); ++c) {
                pugi::xml_node tc = Add(tr, "w:tc");
                pugi::xml_node tcPr = Add(tc, "w:tcPr");
                pugi::xml_node tcW = Add(tcPr, "w:tcW");
                tcW.append_attribute("w:w") = Num(t.widths[c]).c_str();
                tcW.append_attribute("w:type") = "dxa";
                if (row[c].verticalAlign != 0) {
                    AddVal(tcPr, "w:vAlign", row[c].verticalAlign == 1 ? "center" : "bottom");
                }
                for (const wordrpt::Paragraph& p : row[c].paragraphs) Paragraph(tc, p);
            }
        }
    }

  private:
    void TextRun(pugi::xml_node para, const Piece& piece) {
        pugi::xml_node run = Add(para, "w:r");
        WriteRunFormat(Add(run, "w:rPr"), piece.format);
        std::string chunk;
        auto flush = [&] {
            if (chunk.empty()) return;
            pugi::xml_node t = Add(run, "w:t");
            t.append_attribute("xml:space") = "preserve";
            t.text() = chunk.c_str();
            chunk.clear();
        };
        for (char ch : piece.text) {
            if (ch == '\n' || ch == '\t') {
                flush();
                Add(run, ch == '\n' ? "w:br" : "w:tab");
            } else {
                chunk += ch;
            }
        }
        flush();
    }

    void PictureRun(pugi::xml_node para, const Piece& piece) {
        const Picture& pic = doc_.pictures[static_cast<size_t>(piece.picture)];
        used[static_cast<size_t>(piece.picture)] = true;
        const std::string rid = "rIdPic" + Num(piece.picture + 1);
        const std::string name = "image" + Num(piece.picture + 1) + ".png";
        pugi::xml_node rel = Add(rels_, "Relationship");
        rel.append_attribute("Id") = rid.c_str();
        rel.append_attribute("Type") = (std::string(kRelBase) + "image").c_str();
        rel.append_attribute("Target") = ("media/" + name).c_str();

        const std::string cx = Num(pic.widthEmu);
        const std::string cy = Num(pic.heightEmu);
        pugi::xml_node run = Add(para, "w:r");
        WriteRunFormat(Add(run, "w:rPr"), piece.format);
        pugi::xml_node inl = Add(Add(run, "w:drawing"), "wp:inline");
        for (const char* d : {"distT", "distB", "distL", "distR"}) inl.append_attribute(d) = "0";
        pugi::xml_node extent = Add(inl, "wp:extent");
        extent.append_attribute("cx") = cx.c_str();
        extent.append_attribute("cy") = cy.c_str();
        pugi::xml_node effect = Add(inl, "wp:effectExtent");
        for (const char* d : {"l", "t", "r", "b"}) effect.append_attribute(d) = "0";
        pugi::xml_node docPr = Add(inl, "wp:docPr");
        docPr.append_attribute("id") = Num(++nextDrawing_).c_str();
        docPr.append_attribute("name") = ("Picture " + Num(nextDrawing_)).c_str();
        Add(Add(inl, "wp:cNvGraphicFramePr"), "a:graphicFrameLocks").append_attribute("noChangeAspect") = "1";
        pugi::xml_node data = Add(Add(inl, "a:graphic"), "a:graphicData");
        data.append_attribute("uri") = kNsPic;
        pugi::xml_node picNode = Add(data, "pic:pic");
        pugi::xml_node nv = Add(picNode, "pic:nvPicPr");
        pugi::xml_node cNvPr = Add(nv, "pic:cNvPr");
        cNvPr.append_attribute("id") = "0";
        cNvPr.append_attribute("name") = name.c_str();
        Add(nv, "pic:cNvPicPr");
        pugi::xml_node fill = Add(picNode, "pic:blipFill");
        Add(fill, "a:blip").append_attribute("r:embed") = rid.c_str();
        Add(Add(fill, "a:stretch"), "a:fillRect");
        pugi::xml_node spPr = Add(picNode, "pic:spPr");
        pugi::xml_node xfrm = Add(spPr, "a:xfrm");
        pugi::xml_node off = Add(xfrm, "a:off");
        off.append_attribute("x") = "0";
        off.append_attribute("y") = "0";
        pugi::xml_node ext = Add(xfrm, "a:ext");
        ext.append_attribute("cx") = cx.c_str();
        ext.append_attribute("cy") = cy.c_str();
        pugi::xml_node geom = Add(spPr, "a:prstGeom");
        geom.append_attribute("prst") = "rect";
        Add(geom, "a:avLst");
    }

  public:
    std::vector<bool> used;  // pictures the text refers to

  private:
    const Document& doc_;
    pugi::xml_node rels_;
    int nextBookmark_ = 0;
    int nextDrawing_ = 0;
};

pugi::xml_node Relationship(pugi::xml_node rels, const char* id, const char* type, const char* target) {
    pugi::xml_node rel = Add(rels, "Relationship");
    rel.append_attribute("Id") = id;
    rel.append_attribute("Type") = (std::string(kRelBase) + type).c_str();
    rel.append_attribute("Target") = target;
    return rel;
}

pugi::xml_node WordRoot(pugi::xml_document& d, const char* name) {
    pugi::xml_node root = d.append_child(name);
    root.append_attribute("xmlns:w") = kNsW;
    root.append_attribute("xmlns:r") = kNsR;
    return root;
}

// Header or footer: one empty paragraph with the page's tab stops.
pugi::xml_document HeaderFooter(const char* root, const std::vector<int>& tabs) {
    pugi::xml_document d = NewPart();
    pugi::xml_node p = Add(WordRoot(d, root), "w:p");
    pugi::xml_node pPr = Add(p, "w:pPr");
    AddVal(pPr, "w:pStyle", root[2] == 'h' ? "Header" : "Footer");
    WriteTabs(pPr, tabs);
    return d;
}

pugi::xml_document Styles() {
    pugi::xml_document d = NewPart();
    pugi::xml_node root = WordRoot(d, "w:styles");
    pugi::xml_node defaults = Add(root, "w:docDefaults");
    pugi::xml_node rPr = Add(Add(defaults, "w:rPrDefault"), "w:rPr");
    WriteRunFormat(rPr, CharFormat{});
    AddVal(rPr, "w:lang", "en-GB");
    pugi::xml_node spacing = Add(Add(Add(defaults, "w:pPrDefault"), "w:pPr"), "w:spacing");
    spacing.append_attribute("w:after") = "0";
    spacing.append_attribute("w:line") = "240";
    spacing.append_attribute("w:lineRule") = "auto";

    auto style = [&](const char* type, const char* id, const char* name, bool isDefault) {
        pugi::xml_node s = Add(root, "w:style");
        s.append_attribute("w:type") = type;
        if (isDefault) s.append_attribute("w:default") = "1";
        s.append_attribute("w:styleId") = id;
        AddVal(s, "w:name", name);
        return s;
    };
    style("paragraph", "Normal", "Normal", true);
    pugi::xml_node plain = style("table", "TableNormal", "Normal Table", true);
    pugi::xml_node margins = Add(Add(plain, "w:tblPr"), "w:tblCellMar");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
        pugi::xml_node m = Add(margins, side);
        const bool horizontal = side[2] == 'l' || side[2] == 'r';
        m.append_attribute("w:w") = horizontal ? Num(kCellMarginTwips).c_str() : "0";
        m.append_attribute("w:type") = "dxa";
    }
    pugi::xml_node grid = style("table", "TableGrid", "Table Grid", false);
    AddVal(grid, "w:basedOn", "TableNormal");
    pugi::xml_node borders = Add(Add(grid, "w:tblPr"), "w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        pugi::xml_node b = AddVal(borders, side, "single");
        b.append_attribute("w:sz") = "4";
        b.append_attribute("w:space") = "0";
        b.append_attribute("w:color") = "auto";
    }
    for (const char* id : {"Header", "Footer"}) {
        pugi::xml_node s = style("paragraph", id, id[0] == 'H' ? "header" : "footer", false);
        AddVal(s, "w:basedOn", "Normal");
    }
    return d;
}

pugi::xml_document Settings(const Document& doc) {
    pugi::xml_document d = NewPart();
    pugi::xml_node root = WordRoot(d, "w:settings");
    if (doc.page.printLayout) AddVal(root, "w:view", "print");
    Add(root, "w:zoom").append_attribute("w:percent") = "100";
    AddVal(root, "w:defaultTabStop", "720");
    AddVal(root, "w:characterSpacingControl", "doNotCompress");
    return d;
}

pugi::xml_document ContentTypes() {
    pugi::xml_document d = NewPart();
    pugi::xml_node root = d.append_child("Types");
    root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/content-types";
    auto byExtension = [&](const char* ext, const char* type) {
        pugi::xml_node n = Add(root, "Default");
        n.append_attribute("Extension") = ext;
        n.append_attribute("ContentType") = type;
    };
    byExtension("rels", "application/vnd.openxmlformats-package.relationships+xml");
    byExtension("xml", "application/xml");
    byExtension("png", "image/png");
    for (const auto& [part, kind] : {std::pair{"/word/document.xml", "document.main+xml"},
                                     {"/word/styles.xml", "styles+xml"},
                                     {"/word/settings.xml", "settings+xml"},
                                     {"/word/header1.xml", "header+xml"},
                                     {"/word/footer1.xml", "footer+xml"}}) {
        pugi::xml_node n = Add(root, "Override");
        n.append_attribute("PartName") = part;
        n.append_attribute("ContentType") = (std::string(kMainType) + kind).c_str();
    }
    return d;
}

pugi::xml_document MainDocument(const Document& doc, pugi::xml_node rels, std::vector<bool>* used) {
    pugi::xml_document d = NewPart();
    pugi::xml_node root = WordRoot(d, "w:document");
    root.append_attribute("xmlns:wp") = kNsWp;
    root.append_attribute("xmlns:a") = kNsA;
    root.append_attribute("xmlns:pic") = kNsPic;
    pugi::xml_node body = Add(root, "w:body");
    PartWriter writer(doc, rels);
    for (const Block& b : doc.body) {
        if (b.table < 0) {
            writer.Paragraph(body, b.paragraph);
        } else {
            writer.Table(body, doc.tables.at(b.table));
        }
    }
    *used = writer.used;
    const PageSetup& page = doc.page;
    pugi::xml_node sect = Add(body, "w:sectPr");
    pugi::xml_node header = Add(sect, "w:headerReference");
    header.append_attribute("w:type") = "default";
    header.append_attribute("r:id") = "rIdHeader";
    pugi::xml_node footer = Add(sect, "w:footerReference");
    footer.append_attribute("w:type") = "default";
    footer.append_attribute("r:id") = "rIdFooter";
    pugi::xml_node size = Add(sect, "w:pgSz");
    size.append_attribute("w:w") = Num(page.width).c_str();
    size.append_attribute("w:h") = Num(page.height).c_str();
    if (page.landscape) size.append_attribute("w:orient") = "landscape";
    pugi::xml_node margins = Add(sect, "w:pgMar");
    margins.append_attribute("w:top") = Num(page.margins[0]).c_str();
    margins.append_attribute("w:right") = Num(page.margins[3]).c_str();
    margins.append_attribute("w:bottom") = Num(page.margins[1]).c_str();
    margins.append_attribute("w:left") = Num(page.margins[2]).c_str();
    for (const char* a : {"w:header", "w:footer"}) margins.append_attribute(a) = "709";
    margins.append_attribute("w:gutter") = "0";
    return d;
}

std::string Serialise(const pugi::xml_document& d) {
    std::ostringstream out;
    d.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    return out.str();
}

struct ZipSourceFree {
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};

}  // namespace

const char* ColorOfIndex(int index) {
    return index >= 0 && index < static_cast<int>(kColors.size()) ? kColors[static_cast<size_t>(index)]
                                                                  : "auto";
}

int WriteDocx(const Document& doc, std::vector<unsigned char>* package) {
    pugi::xml_document docRels = NewPart();
    pugi::xml_node rels = docRels.append_child("Relationships");
    rels.append_attribute("xmlns") = kNsRels;
    Relationship(rels, "rIdStyles", "styles", "styles.xml");
    Relationship(rels, "rIdSettings", "settings", "settings.xml");
    Relationship(rels, "rIdHeader", "header", "header1.xml");
    Relationship(rels, "rIdFooter", "footer", "footer1.xml");

    pugi::xml_document packageRels = NewPart();
    pugi::xml_node top = packageRels.append_child("Relationships");
    top.append_attribute("xmlns") = kNsRels;
    Relationship(top, "rId1", "officeDocument", "word/document.xml");

    // Every text part, then the pictures; libzip reads the buffers when the archive closes.
    std::vector<std::pair<std::string, std::string>> parts;
    parts.emplace_back("[Content_Types].xml", Serialise(ContentTypes()));
    parts.emplace_back("_rels/.rels", Serialise(packageRels));
    std::vector<bool> used;
    parts.emplace_back("word/document.xml", Serialise(MainDocument(doc, rels, &used)));
    parts.emplace_back("word/_rels/document.xml.rels", Serialise(docRels));
    parts.emplace_back("word/styles.xml", Serialise(Styles()));
    parts.emplace_back("word/settings.xml", Serialise(Settings(doc)));
    parts.emplace_back("word/header1.xml", Serialise(HeaderFooter("w:hdr", doc.page.headerTabs)));
    parts.emplace_back("word/footer1.xml", Serialise(HeaderFooter("w:ftr", doc.page.footerTabs)));

    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, ZipSourceFree> buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) return kWordRptWriteFault;
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (archive == nullptr) return kWordRptWriteFault;
    zip_source_keep(buffer.get());  // the archive's close would free it otherwise

    bool ok = true;
    auto add = [&](const std::string& name, const void* data, size_t size, bool compress) {
        zip_source_t* src = zip_source_buffer(archive, data, size, 0);
        if (src == nullptr) {
            ok = false;
            return;
        }
        const zip_int64_t index = zip_file_add(archive, name.c_str(), src, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(src);
            ok = false;
            return;
        }
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    };
    for (const auto& [name, text] : parts) add(name, text.data(), text.size(), true);
    for (size_t i = 0; i < doc.pictures.size(); ++i) {
        if (!used[i]) continue;  // its text was written over
        const auto& png = doc.pictures[i].png;
        add("word/media/image" + Num(static_cast<long long>(i) + 1) + ".png", png.data(), png.size(), false);
    }
    if (!ok) {
        zip_discard(archive);
        return kWordRptWriteFault;
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return kWordRptWriteFault;
    }

    zip_source_t* src = buffer.get();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(src, &st) != 0 || zip_source_open(src) != 0) return kWordRptWriteFault;
    package->resize(static_cast<size_t>(st.size));
    const zip_int64_t got = zip_source_read(src, package->data(), st.size);
    zip_source_close(src);
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) return kWordRptWriteFault;
    return 0;
}

}  // namespace wordrpt
