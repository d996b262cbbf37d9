#!/usr/bin/python3
"""Lays the documents written by vicania-cli out with LibreOffice, reads the
pages back with poppler and checks what a reader of the printed pages sees:
the report has as many pages as its closing sentence says, also as stored
for readers that do not count again, and a cover of one page whatever its
texts; the pages are numbered; no page is without text, no table heading
breaks inside a word, the data sheet's rows can be written in by hand.
Usage: check_layout.py VICANIA_CLI"""
import os
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

from xml.etree import ElementTree

from docx import Document

CLI = sys.argv[1]
failures = []
SPANS = [2, 11, 12, 27, 28, 29, 30, 54, 65, 66, 67, 104, 142, 180, 181, 200]
BREAKS = {28, 66, 104, 142, 180}
CHART_SPANS = {2, 28, 29, 200}
SHORT = ["Stima di prova", "Borgo", "analisi", "Comune", "Borgo", "lunedì, 7 dic 2026", "tabelle", "", ""]
# A research name of 500 characters.
LONG = [("Stima degli abitanti della frazione di San Martino " + "e delle sue borgate montane " * 20)[:500],
        "Località di " + "nome lunghissimo " * 10, "studio " * 30, "Comune di " + "Esempio " * 20,
        "Borgo " * 15, "lunedì, 7 dic 2026", "allegato " * 40, "", ""]
HEADINGS = ["anno", "abitanti", "immigrati", "emigrati", "fecondità", "nascite", "mortalità", "età", "mediana",
            "aumento", "luogo", "nome", "inizio", "procreaz.", "fine", "mort.infantile", "morte", "stima",
            "Dati:", "tipo", "valore", "Risultati:", "colonna", "tipologia", "dati"]


W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"
ADDRESS = "Via Roma 1, 00100 Roma"


def check(condition, message):
    if not condition:
        failures.append(message)


def office():
    """A settings folder with an office, so that the cover ends with its address."""
    config = Path(tempfile.mkdtemp(prefix="vicania-config-"))
    (config / "Vicania").mkdir()
    (config / "Vicania" / "Vicania.ini").write_text(f'[studio]\nnome=Studio Tecnico Esempio\nindirizzo="{ADDRESS}"\n')
    return {**os.environ, "XDG_CONFIG_HOME": str(config)}


def stored_pages(docx):
    """The page count the footer holds for readers that do not count again."""
    with zipfile.ZipFile(docx) as z:
        if "word/footer1.xml" not in z.namelist():
            return None
        text = "".join(t.text or "" for t in ElementTree.fromstring(z.read("word/footer1.xml")).iter(W + "t"))
    found = re.fullmatch(r"Pagina 1 di (\d+)", text)
    return int(found.group(1)) if found else None


def check_numbers(name, pages, cover):
    """"Pagina k di N" at the foot of every page but a report's cover."""
    for number, page in enumerate(pages, 1):
        shown = re.findall(r"Pagina (\d+) di (\d+)", page)
        wanted = [] if cover and number == 1 else [(str(number), str(len(pages)))]
        check(shown == wanted, f"{name}: page {number} numbered {shown}")


def study(folder, name, start, target, title):
    line1 = [str(start), "10000", "1,5", "25", "14", "49", "5", "80", "3", "2", str(target)]
    text = ",".join(f'"{f}"' for f in line1) + "\r\n" + ",".join(f'"{f}"' for f in title) + "\r\n"
    path = Path(folder) / name
    path.write_bytes(text.encode("cp1252"))
    return path


def rule_pages(rows):
    tables = 1 if rows <= 28 else 1 + -(-(rows - 28) // 38)
    return 2 + tables + (1 if rows in BREAKS else 0)


def pages_of(pdf):
    """The text of each page, as pdftotext separates them."""
    text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True, text=True).stdout
    pages = text.split("\f")
    return pages[:-1] if pages and not pages[-1].strip() else pages


def words_of(pdf):
    text = subprocess.run(["pdftotext", str(pdf), "-"], capture_output=True, text=True).stdout
    return set(text.split())


def convert(folder, files):
    done = subprocess.run(["soffice", "--headless", "--convert-to", "pdf", "--outdir", folder, *map(str, files)],
                          capture_output=True, text=True, timeout=1200)
    check(done.returncode == 0, f"LibreOffice failed: {done.stderr[-300:]}")


def check_report(name, kind, docx, rule):
    pdf = docx.with_suffix(".pdf")
    if not pdf.exists():
        check(False, f"{name}: no PDF")
        return
    pages = pages_of(pdf)
    shown = re.search(r"composta di n\. (\d+) pagine\.", "".join(pages))
    stored = [re.search(r"n\. (\d+) pagine", p.text).group(1) for p in Document(str(docx)).paragraphs
              if "composta di n." in p.text]
    # The pages, the number printed, the one stored in the sentence and in the
    # footer: one and the same.
    check(shown is not None and stored == [shown.group(1)] and int(shown.group(1)) == len(pages)
          and stored_pages(docx) == len(pages),
          f"{name}: {len(pages)} pages, printed {shown and shown.group(1)}, stored {stored} and {stored_pages(docx)}")
    if kind == "corti":
        # With ordinary texts the layout itself makes the count true.
        check(len(pages) == rule, f"{name}: {len(pages)} pages, the rule gives {rule}")
    check(ADDRESS in pages[0] and pages[1].lstrip().startswith("Criteri di calcolo"),
          f"{name}: the cover runs over one page")
    check_numbers(name, pages, cover=True)
    for number, page in enumerate(pages, 1):
        check(len(page.split()) > 3, f"{name}: page {number} is (nearly) empty")
    words = words_of(pdf)
    for word in HEADINGS[:10] + HEADINGS[18:24]:
        check(word in words, f"{name}: heading word '{word}' broken or missing")


def write_reports(folder, env):
    """Both kinds of report, with short and long title-page texts."""
    reports = []
    for rows in SPANS:
        for direction in (1, -1):
            for kind, title in (("corti", SHORT), ("lunghi", LONG)):
                name = f"{rows}-{'avanti' if direction > 0 else 'indietro'}-{kind}"
                start = 2000 if direction > 0 else 2300
                path = study(folder, f"Vicania-dati-{name}", start, start + direction * (rows - 1), title)
                variants = [("", "--relazione", rule_pages(rows))]
                if direction > 0 and rows in CHART_SPANS:
                    # The chart's page shares the closing block's after a full table.
                    variants.append(("-grafico", "--relazione-grafico", rule_pages(rows) + (rows not in BREAKS)))
                for suffix, option, rule in variants:
                    out = Path(folder) / f"relazione-{name}{suffix}.docx"
                    run = subprocess.run([CLI, "esegui", str(path), option, str(out)], capture_output=True,
                                         text=True, env=env)
                    check(run.returncode == 0 and out.exists(), f"{name}{suffix}: report not written ({run.stderr})")
                    reports.append((name + suffix, kind, out, rule))
    return reports


ISTAT = Path(__file__).resolve().parent.parent / "istat" / "data"


def write_imported(folder, env):
    """Reports of studies imported from ISTAT's tables: the source takes a page
    or more before the data table, and the count stays true."""
    three = [str(ISTAT / f) for f in ("P2_2021_it_099_Roccaventosa.csv", "P2_2022_it_099_Roccaventosa.zip",
                                      "P2_2023_it_099_Roccaventosa.csv")]
    ages = ["--posas", str(ISTAT / "POSAS_2024_it_099_Roccaventosa.zip")]
    reports, others = [], []
    for name, target, files, option in (("fonte-1", 2034, three[2:], "--relazione"),
                                         ("fonte-3", 2051, ages + three, "--relazione"),
                                         ("fonte-3-29", 2052, ages + three, "--relazione-grafico")):
        path = Path(folder) / f"Vicania-dati-{name}"
        run = subprocess.run([CLI, "importa", "--comune", "099001", "--anno-arrivo", str(target), "--studio",
                              str(path), *files], capture_output=True, text=True, env=env)
        check(run.returncode == 0, f"{name}: not imported ({run.stderr})")
        out = Path(folder) / f"relazione-{name}.docx"
        results = Path(folder) / f"risultati-{name}.docx"
        run = subprocess.run([CLI, "esegui", str(path), option, str(out), "--risultati", str(results)],
                             capture_output=True, text=True, env=env)
        check(run.returncode == 0 and out.exists(), f"{name}: report not written ({run.stderr})")
        reports.append((name, "fonte", out, None))
        others.append(results)
    return reports, others


def write_hypotheses(folder, env):
    """Reports with the chapter of the hypotheses after tables of every kind:
    short, full to the break, and long enough to show every fifth year."""
    reports = []
    for rows in (11, 28, 31, 66, 200):
        for option in ("--relazione", "--relazione-grafico"):
            name = f"ipotesi-{rows}{option[11:]}"
            path = study(folder, f"Vicania-dati-{name}", 2000, 2000 + rows - 1, SHORT)
            out = Path(folder) / f"relazione-{name}.docx"
            # Every other one with the plan's sizing too, after the hypotheses.
            sizing = ["--dimensionamento-valori", "famiglia=2,3;variazione=-0,01"] if rows % 2 else []
            run = subprocess.run([CLI, "esegui", str(path), "--ipotesi-valori", "tassofert=1,2:1,9;emigr=1:3",
                                  *sizing, option, str(out)], capture_output=True, text=True, env=env)
            check(run.returncode == 0 and out.exists(), f"{name}: report not written ({run.stderr})")
            reports.append((name, "ipotesi", out, None))
    for rows in (12, 28, 29):
        name = f"dimensionamento-{rows}"
        path = study(folder, f"Vicania-dati-{name}", 2000, 2000 + rows - 1, SHORT)
        out = Path(folder) / f"relazione-{name}.docx"
        run = subprocess.run([CLI, "esegui", str(path), "--dimensionamento-valori", "famiglia=2,5", "--relazione",
                              str(out)], capture_output=True, text=True, env=env)
        check(run.returncode == 0 and out.exists(), f"{name}: report not written ({run.stderr})")
        reports.append((name, "dimensionamento", out, None))
    return reports


def main():
    folder = tempfile.mkdtemp(prefix="vicania-layout-")
    env = office()
    reports = write_reports(folder, env)
    imported, others = write_imported(folder, env)
    reports += imported + write_hypotheses(folder, env)
    for rows in (2, 11, 12, 55, 200):
        path = study(folder, f"Vicania-dati-risultati-{rows}", 2000, 2000 + rows - 1, SHORT)
        out = Path(folder) / f"risultati-{rows}.docx"
        subprocess.run([CLI, "esegui", str(path), "--risultati", str(out)], capture_output=True, env=env)
        others.append(out)
    path = study(folder, "Vicania-dati-altri", 2000, 2010, LONG)
    extra = {"modello": "--modello", "solo-dati": "--solo-dati", "guida": "--guida",
             "pagina": "--pagina-guida"}
    for name, option in extra.items():
        out = Path(folder) / f"{name}.docx"
        arguments = [option, "guidadati", str(out)] if option == "--pagina-guida" else [option, str(out)]
        run = subprocess.run([CLI, "esegui", str(path), *arguments], capture_output=True, text=True, env=env)
        check(run.returncode == 0 and out.exists(), f"{name}: not written ({run.stderr})")
        others.append(out)
    convert(folder, [r[2] for r in reports] + others)

    for name, kind, docx, rule in reports:
        check_report(name, kind, docx, rule)

    for docx in others:
        pdf = docx.with_suffix(".pdf")
        if not pdf.exists():
            check(False, f"{docx.name}: no PDF")
            continue
        pages = pages_of(pdf)
        for number, page in enumerate(pages, 1):
            check(len(page.split()) > 3, f"{docx.name}: page {number} is (nearly) empty")
        if docx.name.startswith(("risultati", "guida", "pagina")):
            check_numbers(docx.name, pages, cover=False)
            check(stored_pages(docx) == len(pages), f"{docx.name}: footer stores {stored_pages(docx)} pages")
        else:
            check(not re.search(r"Pagina \d+ di", "".join(pages)), f"{docx.name}: numbered pages")
        words = words_of(pdf)
        if docx.name.startswith("risultati"):
            for word in HEADINGS[:10]:
                check(word in words, f"{docx.name}: heading word '{word}' broken or missing")
        if docx.name == "modello.docx":
            for word in HEADINGS[:1] + HEADINGS[2:4] + HEADINGS[10:18]:
                check(word in words, f"{docx.name}: heading word '{word}' broken or missing")
            sheet = Document(str(docx)).tables[1]
            heights = {round(r.height.cm, 2) for r in sheet.rows[2:]}
            check(heights == {0.8}, f"sheet: writing rows {heights} cm high")
            widths = [c.width for c in sheet.columns]
            check(widths[0] == max(widths), "sheet: the place's name is not the widest column")

    for f in failures:
        print("FAIL:", f)
    print(f"{len(reports) + len(others)} documents laid out in {folder}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
