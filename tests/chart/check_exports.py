#!/usr/bin/python3
"""Reads what vicania-cli exports back with independent readers: the XLSX with
openpyxl, the CSV with Python's csv module and through LibreOffice Calc, the
chart files by their headers, the SVG as XML, the PDF with poppler, and the
documents with a chart with python-docx, LibreOffice and pdfimages. With
--ostili only the hostile texts and the locales, every XML part parsed.
Usage: check_exports.py VICANIA_CLI [--ostili]"""
import csv
import os
import re
import struct
import subprocess
import sys
import tempfile
import zipfile
import zlib
from pathlib import Path
from xml.etree import ElementTree

import openpyxl
from docx import Document

CLI = sys.argv[1]
failures = []
TITLE = ["Piano dei servizi", "Borgo", "analisi", "Comune", "Borgo", "lunedì, 7 dic 2026", "grafici", "Studio Verdi",
         "Via Po 2"]
INPUTS = ["1,5", "25", "14", "49", "5", "80"]
HEADINGS = ["Anno", "Abitanti", "Immigrati", "Emigrati", "Donne", "Nascite", "Mortalità", "Morti", "+/- abit."]
DRAWING = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}drawing"


def check(condition, message):
    if not condition:
        failures.append(message)


def study(folder, name, start, target, immigr="4", emigr="2"):
    line1 = [str(start), "10000", *INPUTS, immigr, emigr, str(target)]
    text = ",".join(f'"{f}"' for f in line1) + "\r\n" + ",".join(f'"{f}"' for f in TITLE) + "\r\n"
    path = Path(folder) / name
    path.write_bytes(text.encode("cp1252"))
    return path


def run(path, *options, env=None):
    done = subprocess.run([CLI, "esegui", str(path), *options], capture_output=True, text=True, env=env)
    return done.returncode, done.stdout, done.stderr


def grid(stdout):
    """The grid vicania-cli prints: its heading and its rows, as the window shows them."""
    lines = stdout.splitlines()
    start = next(i for i, l in enumerate(lines) if l.startswith("Anno;"))
    return [l.split(";") for l in lines[start:]]


def soffice(folder, target, files, infilter=None):
    command = ["soffice", "--headless", "--convert-to", target, "--outdir", str(folder)]
    if infilter:
        command.append(f"--infilter={infilter}")
    done = subprocess.run(command + [str(f) for f in files], capture_output=True, text=True, timeout=600)
    check(done.returncode == 0, f"LibreOffice failed: {done.stderr[-300:]}")


def pdf_pages(pdf):
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True).stdout
    found = re.search(r"^Pages:\s+(\d+)", info, re.M)
    return int(found.group(1)) if found else 0


def pdf_images(pdf):
    listing = subprocess.run(["pdfimages", "-list", str(pdf)], capture_output=True, text=True).stdout
    return [l for l in listing.splitlines()[2:] if l.strip()]


def check_xlsx(path, rows, name):
    book = openpyxl.load_workbook(path)
    check(book.sheetnames == ["Dati", "Risultati"], f"{name}: sheets {book.sheetnames}")
    sheet = book["Risultati"]
    check([c.value for c in sheet[1]] == HEADINGS, f"{name}: headings {[c.value for c in sheet[1]]}")
    check(sheet.freeze_panes == "A2", f"{name}: headings not frozen ({sheet.freeze_panes})")
    check(sheet.max_row == len(rows) + 1, f"{name}: {sheet.max_row - 1} rows, the grid has {len(rows)}")
    wrong = []
    for r, row in enumerate(rows, 2):
        for c, text in enumerate(row, 1):
            cell = sheet.cell(r, c)
            if cell.data_type != "n" or cell.value != int(text):
                wrong.append((r, c, cell.value, text))
    check(not wrong, f"{name}: cells differ from the grid or are not numbers: {wrong[:5]}")
    check(sheet.column_dimensions["B"].width >= 10, f"{name}: narrow columns")
    cells = {row[0].value: row[1] for row in book["Dati"].iter_rows() if row[0].value}
    data = {caption: cell.value for caption, cell in cells.items()}
    numbers = {"Anno di partenza": (rows[0][0], "0"), "Numero di abitanti nell'anno di partenza": (10000, "#,##0"),
               "Tasso di fecondità (%)": (1.5, "#,##0.0"), "Anno di arrivo": (rows[-1][0], "0")}
    for caption, (value, shown) in numbers.items():
        cell = cells.get(caption)
        read = cell and (cell.data_type, cell.value, cell.number_format)
        check(read == ("n", float(value), shown), f"{name}: {caption} on Dati reads {read}")
    # Printed on A4, one page wide, the heading row on each page; Dati is wider than tall.
    for sheet, turned in ((book["Dati"], "landscape"), (book["Risultati"], "portrait")):
        setup = sheet.page_setup
        read = (str(setup.paperSize), setup.fitToWidth in (None, 1, "1"), str(setup.fitToHeight),
                sheet.sheet_properties.pageSetUpPr.fitToPage, sheet.print_title_rows, setup.orientation)
        check(read == ("9", True, "0", True, "$1:$1", turned), f"{name}: {sheet.title} prints as {read}")
    check(data.get("ricerca") == "Piano dei servizi" and data.get("località") == "Borgo", f"{name}: title page")
    # No office set in the program: the study's own, as on the full report.
    office = [data.get("studio professionale"), data.get("indirizzo dello studio")]
    check(office == ["Studio Verdi", "Via Po 2"], f"{name}: office on Dati {office}")
    with zipfile.ZipFile(path) as z:
        chart = z.read("xl/charts/chart1.xml").decode()
    check("<c:lineChart>" in chart, f"{name}: no line chart")
    check(f"Risultati!$B$2:$B${len(rows) + 1}" in chart, f"{name}: chart does not plot the inhabitants")


def csv_rows(path, name):
    """The CSV's fields, the invisible space that keeps a text from passing for a formula taken away."""
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = list(csv.reader(f, delimiter=";"))
    texts = [t for t in rows[0] if not re.fullmatch(r"-?\d+(,\d+)?", t)]
    formulas = [t for t in texts if t[:1] in "=+-@"]
    check(not formulas, f"{name}: texts a spreadsheet takes for formulas {formulas}")
    return [[t.removeprefix("\u200b") for t in row] for row in rows]


def check_csv(path, printed, name, folder):
    raw = path.read_bytes()
    check(raw.startswith(b"\xef\xbb\xbf"), f"{name}: no byte-order mark")
    check(b"\r\n" in raw, f"{name}: lines not ended by CR LF")
    check(csv_rows(path, name) == printed, f"{name}: the CSV is not the grid")
    # As Calc opens it in Italian: ";" separated, UTF-8, numbers as numbers,
    # formulas evaluated (the thirteenth option).
    calc = Path(folder) / "calc"
    calc.mkdir(exist_ok=True)
    soffice(calc, "xlsx", [path], "CSV:59,34,76,1,,1040,false,false,false,false,false,-1,true")
    converted = calc / path.with_suffix(".xlsx").name
    sheet = openpyxl.load_workbook(converted).active
    cells = [sheet.cell(r, c) for r in range(2, sheet.max_row + 1) for c in range(1, 10)]
    check(cells and all(c.data_type == "n" for c in cells), f"{name}: Calc reads text, not numbers")
    shown = [(c.data_type, c.value.removeprefix("\u200b")) for c in sheet[1]]
    check(shown == [("s", h) for h in HEADINGS], f"{name}: Calc headings {shown}")
    check(sheet.cell(2, 2).value == int(printed[1][1]), f"{name}: Calc reads {sheet.cell(2, 2).value}")


def png_ink(data, width, height):
    """The share of pixels that are not white, read by zlib from the IDAT chunks."""
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        if kind == b"IDAT":
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 3 + 1
    if len(raw) != stride * height:
        return 0.0
    rows, above, inked = [], bytearray(stride - 1), 0
    for y in range(height):
        line = bytearray(raw[y * stride + 1:(y + 1) * stride])
        kind = raw[y * stride]
        if kind == 2:
            line = bytearray((a + b) & 0xFF for a, b in zip(line, above))
        elif kind != 0:
            return 0.0  # the writer uses None or Up only
        inked += sum(1 for x in range(0, len(line), 3) if line[x:x + 3] != b"\xff\xff\xff")
        above = line
    return inked / (width * height)


def check_chart_files(folder, png, svg, pdf):
    head = png.read_bytes()
    check(head[:8] == b"\x89PNG\r\n\x1a\n", "png: not a PNG")
    width, height = struct.unpack(">II", head[16:24])
    check((width, height) == (2006, 2413), f"png: {width} x {height} pixels")
    phys = head.find(b"pHYs")
    check(phys > 0 and struct.unpack(">II", head[phys + 4:phys + 12]) == (11811, 11811), "png: not 300 dpi")
    ink = png_ink(head, width, height)
    check(0.02 < ink < 0.5, f"png: {ink:.3f} of the pixels drawn, blank or smeared")
    texts = [e.text for e in ElementTree.parse(svg).iter() if e.tag.endswith("text") and e.text]
    check(any("Numero di abitanti" in t for t in texts), "svg: no title")
    check(any("." in t and t.replace(".", "").isdigit() for t in texts), "svg: no number in thousands")
    check(pdf_pages(pdf) == 1, f"pdf: {pdf_pages(pdf)} pages")
    words = subprocess.run(["pdftotext", str(pdf), "-"], capture_output=True, text=True).stdout
    check("Movimento annuo della popolazione" in words and "Anno" in words, "pdf: the charts' texts are missing")


def check_year_labels(folder):
    """Both charts of the SVG label whole years, increasing, the first and the last
    year among them, and no text is cut short."""
    for years in (1, 2, 5, 10, 11, 14, 20, 28, 29, 60, 120, 199):
        for backward in (False, True):
            name = f"{'indietro' if backward else 'avanti'}-{years}"
            start, target = (2000 + years, 2000) if backward else (2000, 2000 + years)
            svg = Path(folder) / f"anni-{name}.svg"
            code, _, err = run(study(folder, f"Vicania-dati-{name}", start, target), "--grafico", svg)
            check(code == 0, f"years {name}: exit {code} {err}")
            texts = [e.text for e in ElementTree.parse(svg).iter() if e.tag.endswith("text") and e.text]
            check(not [t for t in texts if t.endswith(("…", "..."))], f"years {name}: cut texts")
            runs = []
            for label in (int(t) for t in texts if re.fullmatch(r"\d{4}", t)):
                if not runs or label <= runs[-1][-1]:
                    runs.append([])
                runs[-1].append(label)
            check(len(runs) == 2 and all(r[0] == 2000 and r[-1] == 2000 + years for r in runs),
                  f"years {name}: labels {runs}")


def picture_after_tables(path, name):
    """The inline picture, its place after the last table, its width."""
    d = Document(path)
    check(len(d.inline_shapes) == 1, f"{name}: {len(d.inline_shapes)} pictures")
    body = list(d.element.body)
    tables = [i for i, e in enumerate(body) if e.tag.endswith("}tbl")]
    drawings = [i for i, e in enumerate(body) if e.iter(DRAWING) and any(True for _ in e.iter(DRAWING))]
    check(drawings and drawings[0] > tables[-1], f"{name}: the picture is not after the tables")
    section = d.sections[0]
    text_width = section.page_width - section.left_margin - section.right_margin
    if d.inline_shapes:
        check(abs(d.inline_shapes[0].width - text_width) < 700, f"{name}: picture not as wide as the text")
    return d


def check_reports(folder):
    """Chart pages counted as the layout makes them, for spans full and not."""
    written = []
    for years in (10, 27, 28, 199):
        path = study(folder, f"Vicania-dati-{years}", 2000, 2000 + years, "0", "0")
        out = Path(folder) / f"relazione-grafico-{years}.docx"
        code, _, err = run(path, "--relazione-grafico", str(out))
        check(code == 0 and out.exists(), f"report {years}: exit {code} {err}")
        d = Document(str(out))
        check(len(d.inline_shapes) == 1, f"report {years}: {len(d.inline_shapes)} pictures")
        closing = next((i for i, p in enumerate(d.paragraphs) if "composta di n." in p.text), -1)
        shape = next((i for i, p in enumerate(d.paragraphs) if list(p._p.iter(DRAWING))), -1)
        check(0 <= shape < closing, f"report {years}: the chart is not before the closing block")
        written.append((years, out, d.paragraphs[closing].text if closing >= 0 else ""))
    soffice(folder, "pdf", [w[1] for w in written])
    for years, docx, sentence in written:
        pdf = docx.with_suffix(".pdf")
        said = re.search(r"n\. (\d+) pagine", sentence)
        check(said and int(said.group(1)) == pdf_pages(pdf), f"report {years}: '{sentence}', {pdf_pages(pdf)} pages")
        check(len(pdf_images(pdf)) >= 1, f"report {years}: no image in the PDF")


# What a user may type: markup, quotes, controls, non-characters, a lone
# surrogate. XML 1.0 forbids the controls but tab, U+FFFE, U+FFFF and surrogates.
HOSTILE = "Stima Rossi & Figli <b>\"x\"</b> 'y' ]]> \x01\x08\x0b\x0c\x1b\x1f\ufffe\uffff\ud800 a\tb è €"
FORBIDDEN = re.compile("[\x00-\x08\x0b\x0c\x0e-\x1f\ufffe\uffff\ud800-\udfff]")
TITLE_FIELDS = ["ricerca", "località", "tipologia di studio", "committente", "luogo di elaborazione",
                "data della elaborazione", "allegati alla relazione", "studio", "indirizzo"]


def hostile_study(folder):
    """Every title-page field hostile, the committente 10,000 characters long; UTF-16 holds them all."""
    titles = [f"{name} {HOSTILE}" for name in TITLE_FIELDS]
    titles[3] += " " + "x" * 10000
    titles[4] = "=SOMMA(1;2) " + titles[4]  # a formula for a spreadsheet, were it not text
    line1 = ["2000", "10000", *INPUTS, "4", "2", "2030"]
    text = "\ufeff" + ",".join(f'"{f}"' for f in line1) + "\r\n" + ",".join(titles) + "\r\n"
    path = Path(folder) / "Vicania-dati-ostile"
    path.write_bytes(text.encode("utf-16-le", "surrogatepass"))
    return path, [FORBIDDEN.sub("", t) for t in titles]


def hostile_office(folder):
    """The office as the program keeps it, in a settings file of the test's own."""
    config = Path(folder) / "config"
    (config / "Vicania").mkdir(parents=True, exist_ok=True)
    escaped = "Studio & Figli <i>\\\"q\\\"</i> 'z' \\x1\\x1b\\xffff\\xd800 fine"
    (config / "Vicania" / "Vicania.ini").write_text(f'[studio]\nnome="{escaped}"\nindirizzo="Via <Roma> & 1"\n')
    return dict(os.environ, XDG_CONFIG_HOME=str(config)), ["Studio & Figli <i>\"q\"</i> 'z'  fine", "Via <Roma> & 1"]


def xml_parts(path, name):
    """Every XML part of a package, each parsed; the parsed trees by part name."""
    trees = {}
    with zipfile.ZipFile(path) as z:
        for part in z.namelist():
            if part.endswith((".xml", ".rels")):
                try:
                    trees[part] = ElementTree.fromstring(z.read(part))
                except ElementTree.ParseError as e:
                    check(False, f"{name}: {part} is not XML ({e})")
    return trees


def all_text(tree):
    return "".join(tree.itertext())


def check_hostile_texts(folder):
    path, titles = hostile_study(folder)
    env, office = hostile_office(folder)
    out = {k: folder / f"ostile-{k}" for k in ("t.xlsx", "g.svg", "r.docx", "m.docx", "rel.docx", "relg.docx",
                                               "d.docx")}
    code, _, err = run(path, "--xlsx", out["t.xlsx"], "--grafico", out["g.svg"], "--risultati", out["r.docx"],
                       "--modello", out["m.docx"], "--relazione", out["rel.docx"], "--relazione-grafico",
                       out["relg.docx"], "--solo-dati", out["d.docx"], env=env)
    check(code == 0, f"hostile: exit {code} {err}")
    try:
        svg = ElementTree.parse(out["g.svg"]).getroot()
        desc = [e.text for e in svg.iter() if e.tag.endswith("}desc")]
        check(desc and desc[0] == titles[0] + "\n" + titles[1], f"hostile svg: description {desc[:1]!r:.80}")
    except ElementTree.ParseError as e:
        check(False, f"hostile svg: not XML ({e})")
    book = xml_parts(out["t.xlsx"], "hostile xlsx")
    if "xl/sharedStrings.xml" in book and "xl/charts/chart1.xml" in book:
        cells = {r[0].value: r[1] for r in openpyxl.load_workbook(out["t.xlsx"])["Dati"].iter_rows() if r[0].value}
        data = {caption: cell.value for caption, cell in cells.items()}
        for caption, text in zip(TITLE_FIELDS[:7], titles):
            read = cells.get(caption) and (cells[caption].data_type, cells[caption].value)
            check(read == ("s", text), f"hostile xlsx: {caption} reads {read!r:.80}")
        read = [data.get("studio professionale"), data.get("indirizzo dello studio")]
        check(read == office, f"hostile xlsx: office {read!r}")
        chart = all_text(book["xl/charts/chart1.xml"])
        check("Abitanti anno per anno: " + titles[1] in chart, "hostile xlsx: the chart's title is not the place")
    for key in ("r.docx", "m.docx", "rel.docx", "relg.docx", "d.docx"):
        parts = xml_parts(out[key], f"hostile {key}")
        text = all_text(parts.get("word/document.xml", ElementTree.Element("x")))
        wanted = titles if key == "d.docx" else office if key == "rel.docx" else []
        for t in wanted:
            check(t.replace("\t", "") in text, f"hostile {key}: {t[:30]!r} does not read back")


def italian_locale(folder):
    """LC_ALL=it_IT.UTF-8 with the locale compiled into the test's folder when the system lacks it."""
    env = dict(os.environ, LC_ALL="it_IT.UTF-8")
    probe = [sys.executable, "-c",
             "import locale; locale.setlocale(locale.LC_ALL, ''); print(locale.localeconv()['decimal_point'])"]
    if subprocess.run(probe, env=env, capture_output=True, text=True).stdout.strip() == ",":
        return env
    env["LOCPATH"] = str(Path(folder) / "locales")
    Path(env["LOCPATH"]).mkdir(exist_ok=True)
    subprocess.run(["localedef", "-i", "it_IT", "-f", "UTF-8", Path(env["LOCPATH"]) / "it_IT.UTF-8"],
                   capture_output=True)
    if subprocess.run(probe, env=env, capture_output=True, text=True).stdout.strip() == ",":
        return env
    return None


def check_locales(folder):
    """Every exported file the same under an Italian locale as under C, but the stamps of the moment."""
    italian = italian_locale(folder)
    if italian is None:
        print("SKIPPED: the it_IT.UTF-8 locale cannot be made here (localedef)")
        return
    path = study(folder, "Vicania-dati-locale", 2000, 2030)
    files = {}
    for name, env in (("c", dict(os.environ, LC_ALL="C.UTF-8")), ("it", italian)):
        out = [folder / f"{name}-{k}" for k in ("t.xlsx", "t.csv", "g.svg", "g.png", "r.docx")]
        code, _, err = run(path, "--xlsx", out[0], "--csv", out[1], "--grafico", out[2], "--grafico", out[3],
                           "--risultati", out[4], env=env)
        check(code == 0, f"locale {name}: exit {code} {err}")
        files[name] = [f.read_bytes() for f in out[1:4]]
        for package in (out[0], out[4]):
            with zipfile.ZipFile(package) as z:
                files[name] += [z.read(p) for p in z.namelist() if p != "docProps/core.xml"]
    check(files["c"] == files["it"], "it_IT.UTF-8: the exported files differ from C's")
    commas = [w for w in re.findall(rb'width="([^"]*)"', b"".join(files["it"])) if b"," in w]
    check(not commas, f"it_IT.UTF-8: widths with a decimal comma {commas[:3]}")


def main():
    folder = Path(tempfile.mkdtemp(prefix="vicania-exports-"))
    check_hostile_texts(folder)
    check_locales(folder)
    if "--ostili" in sys.argv:
        return report(folder)
    forwards = study(folder, "Vicania-dati-avanti", 2000, 2199)
    names = {k: folder / k for k in ("t.xlsx", "t.csv", "g.png", "g.svg", "g.pdf", "risultati.docx")}
    code, out, err = run(forwards, "--xlsx", names["t.xlsx"], "--csv", names["t.csv"], "--grafico", names["g.png"],
                         "--grafico", names["g.svg"], "--grafico", names["g.pdf"], "--risultati", names["risultati.docx"])
    check(code == 0 and not err, f"exports: exit {code} {err}")
    printed = grid(out)
    check(len(printed) == 201, f"exports: {len(printed) - 1} grid rows")
    check_xlsx(names["t.xlsx"], printed[1:], "xlsx")
    check_csv(names["t.csv"], printed, "csv", folder)
    check_chart_files(folder, names["g.png"], names["g.svg"], names["g.pdf"])
    picture_after_tables(str(names["risultati.docx"]), "results")
    soffice(folder, "pdf", [names["risultati.docx"]])
    check(len(pdf_images(names["risultati.docx"].with_suffix(".pdf"))) >= 1, "results: no image in the PDF")

    # Backwards: the same numbers as the grid, in the grid's order.
    backwards = study(folder, "Vicania-dati-indietro", 2030, 2000, "10", "4")
    code, out, err = run(backwards, "--xlsx", folder / "b.xlsx", "--csv", folder / "b.csv")
    check(code == 0, f"backwards: exit {code} {err}")
    check_xlsx(folder / "b.xlsx", grid(out)[1:], "backwards xlsx")
    check(csv_rows(folder / "b.csv", "backwards csv") == grid(out), "backwards csv: not the grid")

    # Refused without a calculation, and nothing written; an unknown chart format.
    empty = study(folder, "Vicania-dati-vuoto", 2000, "")
    code, _, err = run(empty, "--xlsx", folder / "v.xlsx", "--grafico", folder / "v.png", "--csv", folder / "v.csv")
    check(code == 1 and "Non c'è una tabella da esportare" in err, f"no calculation: exit {code} {err}")
    check("Non c'è un grafico da esportare" in err, f"no calculation: chart not refused ({err})")
    check(not any((folder / n).exists() for n in ("v.xlsx", "v.png", "v.csv")), "no calculation: files written")
    code, _, err = run(forwards, "--grafico", folder / "g.gif")
    check(code == 3 and "Formato del grafico sconosciuto" in err, f"gif: exit {code} {err}")

    check_year_labels(folder)
    check_reports(folder)
    return report(folder)


def report(folder):
    for f in failures:
        print("FAIL:", f)
    print("exports in", folder)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
