#!/usr/bin/env python3
"""Writes the report of one hue page with report_fixture and reads it back with programs of
its own: python-docx (mode docx) or LibreOffice converting it to PDF (mode pdf).

    check_report.py docx|pdf <report_fixture> <hue> <rgb space> <work dir> [<faked date>]
"""
import json
import math
import os
import re
import shutil
import subprocess
import sys

MM = 1440 / 25.4  # twips per millimetre
HEADERS = ["CHART", "H", "L", "C", "a*", "b*", "X", "Y", "Z", "RGB"]
WIDTHS_MM = [30, 20, 20, 20, 20, 20, 20, 20, 20, 30]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def rounded(v):
    """Nearest integer, halves away from zero."""
    return int(math.copysign(math.floor(abs(v) + 0.5), v))


def twips(mm):
    # The driver takes inches as 32-bit floats: allow the last twip either way.
    return round(mm * MM)


def run_fixture(fixture, hue, space, work, date):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    doc = os.path.join(work, f"Hue report {hue}.doc")
    expect = os.path.join(work, "expect.json")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    cmd = [fixture, str(int(hue)), space, doc, expect]
    if date:
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0"
        cmd = ["faketime", date + " 12:00:00"] + cmd
    subprocess.run(cmd, check=True, env=env)
    with open(expect) as f:
        return doc, json.load(f)


def row_texts(r):
    h, l, c = r["hlc"]
    return ([r["code"]] + ["%3d" % rounded(v) for v in (h, l, c)] +
            ["%.2f" % v for v in r["lab"] + r["xyz"]] + ["0x%06X" % r["rgb"]])


def check_order(rows, hue):
    keys = [tuple(int(x) for x in r["code"].split()) for r in rows]
    check(all(k[0] == hue for k in keys), "every colour of the page's hue")
    if hue == 0:
        check([k[1] for k in keys] == list(range(15, 95, 5)), "the sixteen greys from 15 up to 90")
    else:
        check(keys == sorted(keys, key=lambda k: -k[1]), "lightness 90 down")


def check_docx(path, exp):
    import docx
    from docx.enum.section import WD_ORIENT
    from docx.enum.text import WD_ALIGN_PARAGRAPH
    from docx.shared import Inches, RGBColor

    d = docx.Document(path)
    s = d.sections[0]
    check(s.orientation == WD_ORIENT.LANDSCAPE and s.page_width > s.page_height, "landscape")
    check((s.top_margin, s.bottom_margin, s.left_margin, s.right_margin) ==
          (Inches(0.8), Inches(0.8), Inches(1.0), Inches(0.6)), "margins")

    body = list(d.element.body.iterchildren())
    kinds = [e.tag.split("}")[1] for e in body]
    check(kinds[:10] == ["p", "p", "p", "tbl", "p", "p", "p", "p", "tbl", "p"], f"block order {kinds}")
    paras = d.paragraphs
    check(all(p.paragraph_format.line_spacing == 2.0 for p in paras), "double line spacing")

    def runs_are(p, font, size, bold, color, what):
        runs = [r for r in p.runs if r.text]
        check(runs, what + ": has text")
        for r in runs:
            check(r.font.name == font and r.font.size.pt == size and bool(r.font.bold) == bold and
                  r.font.color.rgb == color, f"{what}: {r.font.name} {r.font.size} {r.font.bold} {r.font.color.rgb}")

    title = paras[0]
    check(title.text == "Kelbrant - " + exp["title"], "title line")
    check(title.alignment == WD_ALIGN_PARAGRAPH.CENTER, "title centred")
    runs_are(title, "Arial Black", 16, True, RGBColor(0, 0, 0x80), "title")
    maker = paras[1]
    check(len(maker.text) == 334 and maker.text.count("\n") == 3, "maker block of four lines, 334 characters")
    check(maker.alignment == WD_ALIGN_PARAGRAPH.CENTER, "maker block centred")
    runs_are(maker, "Arial Narrow", 8, True, RGBColor(0x80, 0x80, 0x80), "maker block")
    check(paras[2].text == "", "empty paragraph after the maker block")

    header = d.tables[0]
    check(len(header.rows) == 1 and len(header.columns) == 3, "header table 1 x 3")
    check([c.width.twips for c in header.rows[0].cells] == [twips(73.33)] * 3, "header widths 73.33 mm")
    check(all(len(c._tc.xpath(".//pic:pic")) == 1 for c in header.rows[0].cells), "a picture in each header cell")
    check(all(c.paragraphs[0].alignment == WD_ALIGN_PARAGRAPH.CENTER for c in header.rows[0].cells),
          "header row centred")
    check([c._tc.xpath("string(./w:tcPr/w:vAlign/@w:val)") for c in header.rows[0].cells] == ["", "", "center"],
          "only the third header cell centred vertically")

    file_line, date_line, marked = paras[4], paras[5], paras[6]
    name = os.path.basename(path)
    check(file_line.text == "FILE : %s - CHART Design (c) data for HUE = %03d" % (name, exp["hue"]),
          f"file line: {file_line.text!r}")
    day, month, year = exp["date"]
    check(date_line.text == "%02d - %02d - %04d\t\tOPERATOR :" % (day, month, year), f"date line {date_line.text!r}")
    for p, what in ((file_line, "file line"), (date_line, "date line")):
        check(p.alignment == WD_ALIGN_PARAGRAPH.LEFT, what + " left")
        runs_are(p, "Arial Narrow", 12, False, None, what)
    check(marked._p.xpath("./w:bookmarkStart/@w:name") == ["operator"], "bookmark after the date line")

    table = d.tables[1]
    rows = exp["rows"]
    check(len(table.rows) == len(rows) + 2, f"{len(table.rows)} rows for {len(rows)} colours")
    check([c.width.twips for c in table.rows[0].cells] == [twips(w) for w in WIDTHS_MM], "colour table widths")
    check([c.text for c in table.rows[0].cells] == HEADERS, "headers")
    check(all(c.text == "" for c in table.rows[1].cells), "row 2 empty")
    for i, r in enumerate(rows):
        got = [c.text for c in table.rows[i + 2].cells]
        check(got == row_texts(r), f"row {i + 3}: {got} != {row_texts(r)}")
        check(all(re.fullmatch(r"[ \d]{2}\d", t) for t in got[1:4]), f"row {i + 3}: H, L, C three wide")
        check(re.fullmatch(r"0x[0-9A-F]{6}", got[9]) is not None, f"row {i + 3}: RGB")
    for i, row in enumerate(table.rows):
        for j, cell in enumerate(row.cells):
            for run in (r for p in cell.paragraphs for r in p.runs if r.text):
                grey = RGBColor(0x80, 0x80, 0x80) if j == 9 else None
                check(run.font.color.rgb == grey and run.font.size.pt == 10 and run.font.name == "Arial Narrow",
                      f"cell {i + 1},{j + 1} format")
    check_order(rows, exp["hue"])
    if exp["hue"] in (0, 360):
        check(all(table.rows[i + 2].cells[1].text == "  0" for i in range(len(rows))), "H of 0")
    if exp["hue"] == 0:
        check(all(table.rows[i + 2].cells[3].text == "  0" for i in range(len(rows))), "C of 0 for the greys")

    snap = d.tables[2]
    check(len(snap.rows) == 1 and len(snap.columns) == 1, "snapshot table 1 x 1")
    check(snap.rows[0].cells[0].width.twips == twips(220), "snapshot width 220 mm")
    check(snap.rows[0].cells[0].paragraphs[0].alignment == WD_ALIGN_PARAGRAPH.CENTER, "snapshot centred")
    check(len(d.inline_shapes) == 4, f"{len(d.inline_shapes)} pictures")
    images = [p for p in d.part.related_parts.values() if p.partname.startswith("/word/media/")]
    check(len(images) == 4 and all(p.content_type == "image/png" for p in images), "pictures stored as PNG")
    check(os.path.getsize(path) < 1 << 20, "document under 1 MB")


def check_pdf(path, exp, work):
    profile = "file://" + os.path.abspath(os.path.join(work, "profile"))
    subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to", "pdf",
                    "--outdir", work, path], check=True, stdout=subprocess.DEVNULL, timeout=150)
    pdf = os.path.splitext(path)[0] + ".pdf"
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True, text=True).stdout
    check(("Kelbrant - " + exp["title"]) in text, "title in the PDF")
    file_line = "FILE : %s - CHART Design (c) data for HUE = %03d" % (os.path.basename(path), exp["hue"])
    check(file_line in text, "file line in the PDF")
    missing = [r["code"] for r in exp["rows"] if r["code"] not in text]
    check(not missing, f"codes missing from the PDF: {missing}")
    check(all(("0x%06X" % r["rgb"]) in text for r in exp["rows"]), "RGB column in the PDF")


def main():
    mode, fixture, hue, space, work = sys.argv[1:6]
    date = sys.argv[6] if len(sys.argv) > 6 else ""
    doc, exp = run_fixture(fixture, hue, space, work, date)
    check(exp["hue"] == int(hue), "the page asked for")
    if date:
        y, m, d = (int(x) for x in date.split("-"))
        check(exp["date"] == [d, m, y], "faked date")
    if mode == "docx":
        check_docx(doc, exp)
    else:
        check_pdf(doc, exp, work)
    for f in failures:
        print("FAILED:", f)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
