#!/usr/bin/python3
"""Lays the documents written by vicania-cli out with LibreOffice, reads the
pages back with poppler and checks what a reader of the printed pages sees:
the report has as many pages as its closing sentence says, no page is
without text, no table heading breaks inside a word, the data sheet's rows
can be written in by hand. Usage: check_layout.py VICANIA_CLI"""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

from docx import Document

CLI = sys.argv[1]
failures = []
SPANS = [2, 11, 12, 27, 28, 29, 30, 54, 65, 66, 67, 104, 142, 180, 181, 200]
BREAKS = {28, 66, 104, 142, 180}
SHORT = ["Stima di prova", "Borgo", "analisi", "Comune", "Borgo", "lunedì, 7 dic 2026", "tabelle", "", ""]
LONG = ["Stima degli abitanti della frazione " + "e delle sue borgate " * 12,
        "Località di " + "nome lunghissimo " * 10, "studio " * 30, "Comune di " + "Esempio " * 20,
        "Borgo " * 15, "lunedì, 7 dic 2026", "allegato " * 40, "", ""]
HEADINGS = ["anno", "abitanti", "immigrati", "emigrati", "fecondità", "nascite", "mortalità", "età", "mediana",
            "aumento", "luogo", "nome", "inizio", "procreaz.", "fine", "mort.infantile", "morte", "stima",
            "Dati:", "tipo", "valore", "Risultati:", "colonna", "tipologia", "dati"]


def check(condition, message):
    if not condition:
        failures.append(message)


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


def main():
    folder = tempfile.mkdtemp(prefix="vicania-layout-")
    reports = []
    for rows in SPANS:
        for direction in (1, -1):
            for kind, title in (("corti", SHORT), ("lunghi", LONG)):
                name = f"{rows}-{'avanti' if direction > 0 else 'indietro'}-{kind}"
                start = 2000 if direction > 0 else 2300
                path = study(folder, f"Vicania-dati-{name}", start, start + direction * (rows - 1), title)
                out = Path(folder) / f"relazione-{name}.docx"
                run = subprocess.run([CLI, "esegui", str(path), "--relazione", str(out)], capture_output=True,
                                     text=True)
                check(run.returncode == 0 and out.exists(), f"{name}: report not written ({run.stderr})")
                reports.append((name, rows, kind, out))
    others = []
    for rows in (1, 11, 12, 55, 200):
        path = study(folder, f"Vicania-dati-risultati-{rows}", 2000, 2000 + rows - 1, SHORT)
        out = Path(folder) / f"risultati-{rows}.docx"
        subprocess.run([CLI, "esegui", str(path), "--risultati", str(out)], capture_output=True)
        others.append(out)
    path = study(folder, "Vicania-dati-altri", 2000, 2010, LONG)
    extra = {"modello": "--modello", "solo-dati": "--solo-dati", "guida": "--guida",
             "pagina": "--pagina-guida"}
    for name, option in extra.items():
        out = Path(folder) / f"{name}.docx"
        arguments = [option, "guidadati", str(out)] if option == "--pagina-guida" else [option, str(out)]
        run = subprocess.run([CLI, "esegui", str(path), *arguments], capture_output=True, text=True)
        check(run.returncode == 0 and out.exists(), f"{name}: not written ({run.stderr})")
        others.append(out)
    convert(folder, [r[3] for r in reports] + others)

    for name, rows, kind, docx in reports:
        pdf = docx.with_suffix(".pdf")
        if not pdf.exists():
            check(False, f"{name}: no PDF")
            continue
        pages = pages_of(pdf)
        shown = re.search(r"composta di n\. (\d+) pagine\.", "".join(pages))
        check(shown is not None, f"{name}: no page-count sentence in the PDF")
        if shown:
            check(int(shown.group(1)) == len(pages), f"{name}: says {shown.group(1)} pages, has {len(pages)}")
        stored = [p.text for p in Document(str(docx)).paragraphs if "composta di n." in p.text]
        check(stored == [f"La presente relazione è composta di n. {rule_pages(rows)} pagine."],
              f"{name}: stored sentence {stored}")
        if kind == "corti":
            # With ordinary texts the layout itself makes the count true.
            check(len(pages) == rule_pages(rows), f"{name}: {len(pages)} pages, the rule gives {rule_pages(rows)}")
        for number, page in enumerate(pages, 1):
            check(len(page.split()) > 3, f"{name}: page {number} is (nearly) empty")
        words = words_of(pdf)
        for word in HEADINGS[:10] + HEADINGS[18:24]:
            check(word in words, f"{name}: heading word '{word}' broken or missing")

    for docx in others:
        pdf = docx.with_suffix(".pdf")
        if not pdf.exists():
            check(False, f"{docx.name}: no PDF")
            continue
        for number, page in enumerate(pages_of(pdf), 1):
            check(len(page.split()) > 3, f"{docx.name}: page {number} is (nearly) empty")
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
