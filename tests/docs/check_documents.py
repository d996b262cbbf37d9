#!/usr/bin/python3
"""Reads the documents written by vicania-cli back with python-docx, an
independent reader, and checks their content, fonts, sizes, tables and
alignment. With --pdf it also converts them with LibreOffice and checks that
the text survives. Usage: check_documents.py VICANIA_CLI [--pdf]"""
import os
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path
from xml.etree import ElementTree

from docx import Document
from docx.enum.text import WD_ALIGN_PARAGRAPH

CLI = sys.argv[1]
PDF = "--pdf" in sys.argv
# The WordprocessingML schema of ISO/IEC 29500-4 (wml.xsd); without it the
# parts are not validated.
SCHEMA = os.environ.get("VICANIA_WML_SCHEMA", "")
failures = []


def page_breaks(paragraph):
    return len(paragraph._p.xpath(".//w:br[@w:type='page']"))


def check_guide_page(path, title):
    """One printed guide page: name 20 pt, description 16, title 16, text 12, justified, A4."""
    d = Document(path)
    t = texts(d)
    check(t[0] == "Vicania" and sizes(d.paragraphs[0]) == {20}, "page: program name at 20 pt")
    check(sizes(d.paragraphs[1]) == {16} and t[2:4] == ["", ""], "page: description and two empty paragraphs")
    check(t[4] == "Guida: " + title and sizes(d.paragraphs[4]) == {16}, f"page: title {t[4]}")
    check(t[5] == "" and len(t[6]) > 900 and sizes(d.paragraphs[6]) == {12}, "page: the text at 12 pt")
    check(all(p.alignment == WD_ALIGN_PARAGRAPH.JUSTIFY for p in d.paragraphs), "page: justified")
    check(abs(d.sections[0].page_height.mm - 297) < 1, "page: A4")
    check_footer(path, cover=False)


W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"
R = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
TEXT_WIDTH = {"portrait": 11906 - 2 * 1134, "landscape": 16838 - 2 * 1134}


def part(path, name):
    with zipfile.ZipFile(path) as z:
        return ElementTree.fromstring(z.read(name))


def footer(path, kind):
    """The footer part of this kind ("default", "first"), None without one."""
    ids = [r.get(R + "id") for r in part(path, "word/document.xml").iter(W + "footerReference")
           if r.get(W + "type") == kind]
    rels = part(path, "word/_rels/document.xml.rels")
    targets = [r.get("Target") for r in rels if ids and r.get("Id") == ids[0]]
    return part(path, "word/" + targets[0]) if targets else None


def fields(element):
    return [i.text.split()[0] for i in element.iter(W + "instrText")]


def check_footer(path, cover, pages=None):
    """"Pagina N di M" at the foot of the pages, the numbers being fields; a
    report's cover without one."""
    name = Path(path).name
    numbered = footer(path, "default")
    check(numbered is not None, f"{name}: no footer")
    if numbered is None:
        return
    text = "".join(t.text for t in numbered.iter(W + "t"))
    check(fields(numbered) == ["PAGE", "NUMPAGES"] and re.fullmatch(r"Pagina 1 di [1-9]\d*", text),
          f"{name}: footer {text!r} {fields(numbered)}")
    check(pages is None or text == f"Pagina 1 di {pages}", f"{name}: footer holds {text!r}, not {pages} pages")
    first = footer(path, "first")
    titled = part(path, "word/document.xml").find(f"{W}body/{W}sectPr/{W}titlePg") is not None
    check(titled == cover and (first is not None) == cover and (first is None or not fields(first)),
          f"{name}: the cover's footer")
    types = {o.get("PartName") for o in part(path, "[Content_Types].xml")
             if o.get("ContentType", "").endswith("wordprocessingml.footer+xml")}
    check(len(types) == (2 if cover else 1), f"{name}: footer content types {types}")


def check_schema(path):
    """The body and the footers valid for the schema."""
    if not SCHEMA:
        return
    with zipfile.ZipFile(path) as z, tempfile.TemporaryDirectory() as folder:
        files = []
        for name in z.namelist():
            if name == "word/document.xml" or re.fullmatch(r"word/footer\d+\.xml", name):
                files.append(Path(folder) / name.replace("/", "-"))
                files[-1].write_bytes(z.read(name))
        done = subprocess.run(["xmllint", "--noout", "--schema", SCHEMA, *map(str, files)], capture_output=True,
                              text=True)
        check(done.returncode == 0, f"{Path(path).name}: not valid for the schema: {done.stderr[-400:]}")


def check_package(path, title, author):
    """What Word needs to open the file as a current document in Italian."""
    name = Path(path).name
    settings = part(path, "word/settings.xml")
    modes = [c.get(W + "val") for c in settings.iter(W + "compatSetting") if c.get(W + "name") == "compatibilityMode"]
    check(modes == ["15"], f"{name}: compatibility mode {modes}")
    check(settings.find(W + "defaultTabStop") is not None, f"{name}: no default tab stop")
    styles = part(path, "word/styles.xml")
    lang = styles.find(f"{W}docDefaults/{W}rPrDefault/{W}rPr/{W}lang")
    check(lang is not None and lang.get(W + "val") == "it-IT", f"{name}: default language not Italian")
    fonts = part(path, "word/fontTable.xml")
    gothic = [f for f in fonts.iter(W + "font") if f.get(W + "name") == "Century Gothic"]
    check(len(gothic) == 1 and gothic[0].find(W + "family").get(W + "val") == "swiss"
          and gothic[0].find(W + "pitch").get(W + "val") == "variable", f"{name}: font table")
    core = Document(path).core_properties
    check(core.title == title, f"{name}: title {core.title!r}, not {title!r}")
    check(core.author == author and core.language == "it-IT", f"{name}: author {core.author!r}, {core.language}")
    check(core.created is not None and core.modified is not None, f"{name}: no times")
    body = part(path, "word/document.xml")
    names = {f.get(W + "ascii") for f in body.iter(W + "rFonts")}
    check(names == {"Century Gothic"}, f"{name}: fonts {names}")
    marks = [p for p in body.iter(W + "p") if p.find(f"{W}pPr/{W}rPr/{W}rFonts") is None]
    check(not marks, f"{name}: {len(marks)} paragraph marks without the font")
    orientation = "landscape" if body.find(f"{W}body/{W}sectPr/{W}pgSz").get(W + "orient") else "portrait"
    margins = body.find(f"{W}body/{W}sectPr/{W}pgMar")
    check([margins.get(W + k) for k in ("top", "bottom", "left", "right")] == ["1417", "1134", "1134", "1134"],
          f"{name}: margins")
    for table in body.iter(W + "tbl"):
        grid = [int(g.get(W + "w")) for g in table.iter(W + "gridCol")]
        check(sum(grid) == TEXT_WIDTH[orientation], f"{name}: table grid {sum(grid)} wide")
        check(table.find(f"{W}tblPr/{W}tblLayout").get(W + "type") == "fixed", f"{name}: table layout not fixed")
        rows = table.findall(W + "tr")
        check(all(r.find(f"{W}trPr/{W}cantSplit") is not None for r in rows), f"{name}: rows may split")
        styled = table.find(f"{W}tblPr/{W}tblStyle").get(W + "val") == "VicaniaColori"
        check(not styled or rows[0].find(f"{W}trPr/{W}tblHeader") is not None, f"{name}: heading not repeated")


def check(condition, message):
    if not condition:
        failures.append(message)


def study(folder, name, start, target, share="25", immigr="10", emigr="4", title=None, known="10000"):
    line1 = [start, known, "1,5", share, "14", "49", "5", "80", immigr, emigr, target]
    line2 = title or ["Ricerca di prova", "Borgo", "analisi", "Comune", "Borgo", "lunedì, 7 dic 2026",
                      "grafici", "Studio del file", "Via del file, 1"]
    text = ",".join(f'"{f}"' for f in line1) + "\r\n" + ",".join(f'"{f}"' for f in line2) + "\r\n"
    path = Path(folder) / name
    path.write_bytes(text.encode("cp1252"))
    return path


def run(path, *options):
    out = subprocess.run([CLI, "esegui", str(path), *options], capture_output=True, text=True)
    return out.returncode, out.stdout, out.stderr


def sizes(paragraph):
    return {run.font.size.pt for run in paragraph.runs if run.font.size is not None}


def fonts(paragraph):
    return {run.font.name for run in paragraph.runs}


def texts(document):
    return [p.text for p in document.paragraphs]


def result_tables(document, first_index):
    return document.tables[first_index:]


def check_report(folder, g_plus_1, tables_expected, data_rows, pages):
    start = 2000
    path = study(folder, f"Vicania-dati-{g_plus_1}", str(start), str(start + g_plus_1 - 1), immigr="0", emigr="0")
    out = Path(folder) / f"relazione-{g_plus_1}.docx"
    code, _, err = run(path, "--relazione", str(out))
    check(code == 0, f"report {g_plus_1}: exit {code} {err}")
    d = Document(str(out))
    results = d.tables[2:]
    check(len(results) == tables_expected, f"report {g_plus_1}: {len(results)} result tables")
    for i, table in enumerate(results):
        rows = 30 if i == 0 else 40
        check(len(table.rows) == rows and len(table.columns) == 9, f"report {g_plus_1}: table {i} shape")
        filled = sum(1 for row in table.rows[2:] if row.cells[0].text)
        check(filled == data_rows[i], f"report {g_plus_1}: table {i} has {filled} years, not {data_rows[i]}")
        for column in range(9):
            for row in table.rows[2:4]:
                alignment = row.cells[column].paragraphs[0].alignment
                check(alignment == WD_ALIGN_PARAGRAPH.RIGHT, f"report {g_plus_1}: column {column} not right-aligned")
    sentence = f"La presente relazione è composta di n. {pages} pagine."
    check(sentence in texts(d), f"report {g_plus_1}: no '{sentence}'")
    check_footer(str(out), cover=True, pages=pages)
    return d


def check_source(folder):
    """A study imported from ISTAT's tables: "Fonte dei dati" after the criteria
    in the report, after the data table in the results, and in the workbook."""
    data = Path(__file__).resolve().parent.parent / "istat" / "data"
    path = Path(folder) / "Vicania-dati-fonte"
    done = subprocess.run([CLI, "importa", "--comune", "Roccaventosa", "--anno-arrivo", "2030", "--studio", str(path),
                           str(data / "P2_2022_it_099_Roccaventosa.zip"), str(data / "P2_2023_it_099_Roccaventosa.csv")],
                          capture_output=True, text=True)
    check(done.returncode == 0, f"source: import failed {done.stderr}")
    report, results, book = (Path(folder) / n for n in ("relazione-fonte.docx", "risultati-fonte.docx", "fonte.xlsx"))
    code, _, err = run(path, "--relazione", str(report), "--risultati", str(results), "--xlsx", str(book))
    check(code == 0, f"source: exit {code} {err}")
    t = texts(Document(str(report)))
    at = t.index("Fonte dei dati") if "Fonte dei dati" in t else -1
    check(t.index("Criteri di calcolo per la simulazione") < at, "source: heading after the criteria")
    check(sizes(Document(str(report)).paragraphs[at]) == {14}, "source: heading at 14 pt")
    check(t[at + 1].startswith("I dati di partenza sono ricavati dalle tabelle dell'ISTAT") and
          "degli anni 2022–2023" in t[at + 1] and "I dati del 2023 sono provvisori." in t[at + 1],
          f"source: the tables {t[at + 1]}")
    check("Età mediana di morte: Pm ÷ (D – B × m ÷ 1000) = " in "\n".join(t), "source: the median age's formula")
    check(any(p.startswith("Verifica sul passato: partendo da 11.990 abitanti al 1° gennaio 2022") for p in t),
          "source: the check on the past")
    check("Fonte dei dati" in texts(Document(str(results))), "source: not in the results document")
    import openpyxl
    sheet = openpyxl.load_workbook(str(book))["Dati"]
    captions = [row[0] for row in sheet.iter_rows(values_only=True)]
    check("Fonte dei dati" in captions and "Verifica sul passato" in captions, "source: not in the workbook")


def check_hypotheses(folder):
    """The chapter "Ipotesi a confronto" before the closing block: the values of
    the three, every fifth year past thirty, the results; the workbook's sheet."""
    path = study(folder, "Vicania-dati-ipotesi", "2000", "2040", immigr="3", emigr="1")
    report, book = Path(folder) / "relazione-ipotesi.docx", Path(folder) / "ipotesi.xlsx"
    code, _, err = run(path, "--ipotesi-valori", "tassofert=1,2:1,8;aspvita=76:84", "--relazione", str(report),
                       "--xlsx", str(book))
    check(code == 0, f"hypotheses: exit {code} {err}")
    d = Document(str(report))
    t = texts(d)
    at = t.index("Ipotesi a confronto") if "Ipotesi a confronto" in t else len(t)
    check(at < t.index("il professionista"), "hypotheses: chapter before the closing block")
    values, years = d.tables[-2], d.tables[-1]
    check([c.text for c in values.rows[1].cells] == ["Tasso di fecondità (%)", "1,2", "1,5", "1,8"],
          f"hypotheses: values {[c.text for c in values.rows[1].cells]}")
    shown = [row.cells[0].text for row in years.rows[1:]]
    check(shown == [str(y) for y in range(2000, 2041, 5)], f"hypotheses: years shown {shown}")
    check(any(p.startswith("Nell'anno 2040 gli abitanti stimati sono ") for p in t), "hypotheses: the results")
    import openpyxl
    sheet = openpyxl.load_workbook(str(book))["Ipotesi"]
    rows = list(sheet.iter_rows(values_only=True))
    check(rows[0][:4] == ("Anno", "Bassa", "Centrale", "Alta"), f"hypotheses: sheet heading {rows[0]}")
    check(rows[1][0] == 2000 and all(isinstance(v, (int, float)) for v in rows[41][:4]),
          "hypotheses: the years as numbers")
    with zipfile.ZipFile(str(book)) as z:
        charts = [n for n in z.namelist() if n.startswith("xl/charts/chart")]
    check(len(charts) == 2, f"hypotheses: {len(charts)} charts in the workbook")


def check_sizing(folder):
    """The chapter "Dimensionamento del piano" after the hypotheses' and before
    the closing block: each figure with its source, the results, the formulas;
    the workbook's sheet."""
    path = study(folder, "Vicania-dati-piano", "2000", "2030", immigr="3", emigr="1")
    report, book = Path(folder) / "relazione-piano.docx", Path(folder) / "piano.xlsx"
    code, _, err = run(path, "--ipotesi-valori", "tassofert=1,2:1,8", "--dimensionamento-valori",
                       "famiglia=2,21;variazione=-0,01;std_verde=12", "--relazione", str(report), "--xlsx", str(book))
    check(code == 0, f"sizing: exit {code} {err}")
    d = Document(str(report))
    t = texts(d)
    at = t.index("Dimensionamento del piano") if "Dimensionamento del piano" in t else -1
    check(t.index("Ipotesi a confronto") < at < t.index("il professionista"), "sizing: chapter in its place")
    figures = {row.cells[0].text: [c.text for c in row.cells[1:]] for row in d.tables[-2].rows[1:]}
    check(figures.get("Standard per l'istruzione") == ["4,50", "m² per abitante", "D.M. 1444/1968, art. 3"],
          "sizing: the decree's figure")
    check(figures.get("Standard per il verde, il gioco e lo sport", [""] * 3)[2] == "valore scelto dall'ufficio",
          "sizing: the office's own figure")
    results = d.tables[-1]
    check([c.text for c in results.rows[0].cells] == ["Voce", "Bassa", "Centrale", "Alta"], "sizing: three columns")
    check([c.text for c in results.rows[4].cells][:3] == ["Componenti per famiglia nell'anno di arrivo", "1,91", "1,91"],
          f"sizing: household size {[c.text for c in results.rows[4].cells]}")
    check(any(p.startswith("Famiglie nell'anno di partenza: 10.000 abitanti ÷ 2,21 componenti = 4.525") for p in t),
          "sizing: the formulas in words")
    import openpyxl
    sheet = openpyxl.load_workbook(str(book))["Dimensionamento"]
    rows = list(sheet.iter_rows(values_only=True))
    check(rows[0][:4] == ("Dato", "Valore", "Unità", "Fonte") and rows[1][1] == 2.21, f"sizing: sheet {rows[:2]}")


def main():
    folder = tempfile.mkdtemp(prefix="vicania-docs-")

    # The full report, with the worked example's data over several spans.
    check_report(folder, 11, 1, [11], 3)
    check_report(folder, 28, 1, [28], 4)
    check_report(folder, 29, 2, [28, 1], 4)
    d = check_report(folder, 200, 6, [28, 38, 38, 38, 38, 20], 8)
    t = texts(d)
    check(t[:3] == ["", "", ""], "report: the cover opens with three empty paragraphs")
    check(t[3] == "Vicania" and sizes(d.paragraphs[3]) == {24}, "report: program name at 24 pt")
    check(t[4] == "stima del numero di abitanti in una località" and sizes(d.paragraphs[4]) == {18},
          "report: description at 18 pt")
    check("ricerca: Ricerca di prova" in t and "località: Borgo" in t, "report: cover lines")
    check("Borgo: lunedì, 7 dic 2026" in t, "report: place and date")
    # Without a program-wide office (none here) the report is signed by the file's one.
    check("professionista: Studio del file" in t, "report: the study's office")
    heading = t.index("Criteri di calcolo per la simulazione")
    check(sizes(d.paragraphs[heading]) == {16}, "report: chapter title at 16 pt")
    check(all(p.alignment == WD_ALIGN_PARAGRAPH.JUSTIFY for p in d.paragraphs if p.text),
          "report: every paragraph justified")
    check(all(f == {"Century Gothic"} for f in map(fonts, d.paragraphs) if f), "report: Century Gothic throughout")
    header = [c.text for c in d.tables[2].rows[1].cells]
    check(header == ["", "n.", "n.", "n.", "n.", "n.", "n.", "n", "n."], f"report: second header row {header}")
    check(d.tables[0].rows[2].cells[0].text == "Numero di abitanti nell'anno di partenza", "report: data table")
    check(d.tables[0].rows[4].cells[1].text == "25", "report: share in the data table")
    check(t[-1] == "(Studio del file)" and "il professionista" in t, "report: signature")
    check(d.sections[0].page_width.mm > 209 and d.sections[0].page_width.mm < 211, "report: A4")

    # Migration: emigrants without sign going backwards, decrease with a minus.
    path = study(folder, "Vicania-dati-indietro", "2003", "2000", immigr="10", emigr="4", known="10065")
    out = Path(folder) / "risultati-indietro.docx"
    code, _, err = run(path, "--risultati", str(out))
    check(code == 0, f"results: exit {code} {err}")
    d = Document(str(out))
    years = d.tables[2]
    check(len(d.tables) == 3 and len(years.rows) == 13, "results: one year table of 13 rows")
    row = [c.text for c in years.rows[3].cells]
    check(row[0] == "2002" and row[2] == "101" and row[3] == "40", f"results: backward row {row}")
    check(years.rows[2].cells[8].text == "19", f"results: natural change {years.rows[2].cells[8].text}")
    check(texts(d)[3] == "DATI E RISULTATI", "results: heading")
    check(texts(d)[5] == "Ricerca: Ricerca di prova", "results: research line")

    # Twelve rows: two year tables, the second holding only the target year.
    path = study(folder, "Vicania-dati-12", "2000", "2011", immigr="0", emigr="0")
    out = Path(folder) / "risultati-12.docx"
    run(path, "--risultati", str(out))
    d = Document(str(out))
    check(len(d.tables) == 4 and len(d.tables[3].rows) == 45, "results 12: a second table of 45 rows")
    check(d.tables[3].rows[2].cells[0].text == "2011" and d.tables[3].rows[3].cells[0].text == "",
          "results 12: only the target year in the second table")

    # No calculation (no target year): neither the results nor the report.
    path = study(folder, "Vicania-dati-vuoto", "2000", "")
    out = Path(folder) / "risultati-vuoto.docx"
    report = Path(folder) / "relazione-vuota.docx"
    code, _, err = run(path, "--risultati", str(out), "--relazione", str(report))
    check(code == 1, "no calculation: exit status 1")
    check("La simulazione non è stata effettuata." in err, "no calculation: the report's refusal")
    check(not report.exists(), "no calculation: no report written")
    check(not out.exists(), "no calculation: no results document written")

    # The data sheet and the data-only document.
    path = study(folder, "Vicania-dati-altri", "2000", "2005")
    sheet = Path(folder) / "modello.docx"
    only = Path(folder) / "solo-dati.docx"
    run(path, "--modello", str(sheet), "--solo-dati", str(only))
    d = Document(str(sheet))
    check([len(t.rows) for t in d.tables] == [4, 27] and len(d.tables[1].columns) == 11, "sheet: tables")
    check(d.tables[1].rows[0].cells[10].text == "stima" and d.tables[1].rows[1].cells[10].text == "anno",
          "sheet: headings")
    d = Document(str(only))
    rows = [[c.text for c in r.cells] for r in d.tables[0].rows]
    check(rows[8] == ["studio professionale", "Studio del file"], f"data only: office of the file {rows[8]}")
    check(texts(d)[3] == "Dati generali", "data only: heading")

    # The package of every kind of document.
    check_package(str(sheet), "Modello acquisizione dati", "Vicania")
    check_package(str(only), "Dati generali: Ricerca di prova", "Vicania")
    check_package(str(Path(folder) / "relazione-29.docx"), "Relazione: Ricerca di prova", "Studio del file")
    check_package(str(Path(folder) / "risultati-12.docx"), "Dati e risultati: Ricerca di prova", "Vicania")

    # Page numbers: the results, both reports (the cover without one), the guide.
    chart_report = Path(folder) / "relazione-grafico-29.docx"
    code, _, err = run(Path(folder) / "Vicania-dati-29", "--relazione-grafico", str(chart_report))
    check(code == 0, f"report with chart: exit {code} {err}")
    check_footer(str(chart_report), cover=True, pages=5)
    check_footer(str(Path(folder) / "risultati-12.docx"), cover=False)
    for unnumbered in (sheet, only):
        check(footer(str(unnumbered), "default") is None, f"{unnumbered.name}: a footer")

    # The office set in the program signs what vicania-cli writes too.
    config = Path(tempfile.mkdtemp(prefix="vicania-config-"))
    (config / "Vicania").mkdir()
    (config / "Vicania" / "Vicania.ini").write_text("[studio]\nnome=Studio Rossi\nindirizzo=Via Roma 1\n")
    report = Path(folder) / "relazione-ufficio.docx"
    subprocess.run([CLI, "esegui", str(path), "--relazione", str(report)], capture_output=True,
                   env={**os.environ, "XDG_CONFIG_HOME": str(config)})
    t = texts(Document(str(report)))
    check("professionista: Studio Rossi" in t and t[-1] == "(Studio Rossi)" and "Via Roma 1" in t,
          "report: the office of the settings")
    check(Document(str(report)).core_properties.author == "Studio Rossi", "report: the office as author")

    # Hostile texts still make valid documents.
    hostile = ["A & B <c> 'e' \x01\x02\x0b fine", "x" * 10000, "]]> &amp; <!--", "€ “virgolette”",
               "", "", "", "", ""]
    path = study(folder, "Vicania-dati-ostile", "2000", "2003", title=hostile)
    for option in ("--relazione", "--solo-dati", "--risultati"):
        out = Path(folder) / f"ostile{option}.docx"
        code, _, err = run(path, option, str(out))
        check(code == 0, f"hostile {option}: exit {code} {err}")
        d = Document(str(out))
        joined = "\n".join(texts(d)) + "".join(c.text for t in d.tables for r in t.rows for c in r.cells)
        check("A & B <c> 'e'  fine" in joined, f"hostile {option}: text kept, controls dropped")
        check("x" * 10000 in joined or option == "--risultati", f"hostile {option}: long field kept")

    # All the guide pages together: six page breaks, first title 16 pt, others 12.
    guide = Path(folder) / "guida.docx"
    code, _, err = run(study(folder, "Vicania-dati-guida", "2000", "2005"), "--guida", str(guide))
    check(code == 0, f"guide: exit {code} {err}")
    d = Document(str(guide))
    titles = [p for p in d.paragraphs if p.text.lstrip("\n").startswith("Guida: ")]
    check(len(titles) == 7, f"guide: {len(titles)} titles")
    check(titles[0].text == "Guida: MANUALE D'USO RAPIDO" and sizes(titles[0]) == {16}, "guide: first title 16 pt")
    check(all(sizes(p) == {12} for p in titles[1:]), "guide: later titles 12 pt")
    check(sum(page_breaks(p) for p in d.paragraphs) == 6, "guide: six page breaks")
    check_package(str(guide), "Guida di Vicania", "Vicania")
    check_footer(str(guide), cover=False, pages=7)
    page = Path(folder) / "pagina.docx"
    code, _, err = run(study(folder, "Vicania-dati-pagina", "2000", "2005"), "--pagina-guida", "guidadati", str(page))
    check(code == 0, f"guide page: exit {code} {err}")
    check_guide_page(str(page), "Dati di calcolo")
    code, _, err = run(study(folder, "Vicania-dati-pagina", "2000", "2005"), "--pagina-guida", "nessuna", str(page))
    check(code == 3 and "Pagina della guida sconosciuta: nessuna" in err, f"guide page: unknown name, exit {code}")
    check(sizes(d.paragraphs[0]) == {20} and d.paragraphs[0].text == "Vicania", "guide: name at 20 pt")
    check(all(p.alignment == WD_ALIGN_PARAGRAPH.JUSTIFY for p in d.paragraphs), "guide: justified")
    check(d.paragraphs[-1].text != "" and page_breaks(d.paragraphs[-1]) == 0 or d.paragraphs[-1].text == "",
          "guide: the last text ends with a paragraph mark only")

    check_source(folder)
    check_hypotheses(folder)
    check_sizing(folder)

    for docx in sorted(Path(folder).glob("*.docx")):
        check_schema(str(docx))

    if PDF:
        # One LibreOffice for all of them: starting it is most of the cost.
        documents = sorted(Path(folder).glob("*.docx"))
        done = subprocess.run(["soffice", "--headless", "--convert-to", "pdf", "--outdir", folder, *map(str, documents)],
                              capture_output=True, text=True, timeout=900)
        check(done.returncode == 0, f"pdf: LibreOffice failed: {done.stderr[-300:]}")
        for docx in documents:
            pdf = docx.with_suffix(".pdf")
            check(pdf.exists(), f"pdf: {docx.name} not converted")
            if pdf.exists():
                text = subprocess.run(["pdftotext", str(pdf), "-"], capture_output=True, text=True).stdout
                check("Vicania" in text, f"pdf: {docx.name} lost its text")
        print("PDF in", folder)

    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--guide-page":
        check_guide_page(sys.argv[2], sys.argv[3])
        for f in failures:
            print("FAIL:", f)
        sys.exit(1 if failures else 0)
    sys.exit(main())
