#!/usr/bin/python3
"""vicania-cli's printout and every part of every file it writes, for four
studies, against the fingerprints kept in tests/golden/*.sha256.

A change to what the program writes shows here as the parts that differ; when
the change is meant, `check_golden.py CLI --write` records the new
fingerprints, and the commit shows which outputs moved.
"""
import hashlib
import os
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
EXAMPLE = HERE.parent.parent / "resources" / "Vicania-dati-esempio-Roccaventosa"

TITLE = ["Ricerca di prova", "Borgo", "analisi", "Comune", "Borgo", "lunedì, 7 dic 2026",
         "grafici", "Studio del file", "Via del file, 1"]
# start, known, fertility, fertile from, to, infant deaths, median age, immigration, emigration, target, share
STUDIES = {
    "forward": ["2024", "10000", "1,5", "15", "49", "5", "80", "10", "4", "2044", "25"],
    "backward": ["2021", "4873", "1,32", "15", "49", "4", "81", "", "", "2001", "23"],
    "span199": ["1900", "2500", "2,1", "16", "45", "30", "70", "3", "8", "2099", "30"],
}
DOCUMENTS = [("--risultati", "risultati.docx"), ("--modello", "modello.docx"), ("--relazione", "relazione.docx"),
             ("--relazione-grafico", "relazione-grafico.docx"), ("--solo-dati", "solo-dati.docx"),
             ("--xlsx", "tabella.xlsx"), ("--csv", "tabella.csv"), ("--grafico", "grafico.svg")]
# Zip parts that carry the moment of writing rather than the study.
MOMENTS = {"docProps/core.xml"}


def study_file(folder, name, fields):
    line1 = fields[:3] + [fields[10]] + fields[3:10]
    text = ",".join(f'"{f}"' for f in line1) + "\r\n" + ",".join(f'"{f}"' for f in TITLE) + "\r\n"
    path = Path(folder) / f"Vicania-dati-{name}"
    path.write_bytes(text.encode("cp1252"))
    return path


def digest(data):
    return hashlib.sha256(data).hexdigest()


def fingerprints(cli, study, folder):
    env = dict(os.environ, HOME=str(folder), XDG_CONFIG_HOME=str(Path(folder) / "config"), LC_ALL="C.UTF-8")
    rows = []
    for commands in (["calcola"], ["calcola", "verifica", "riequilibra"]):
        options = []
        for option, name in DOCUMENTS:
            options += [option, str(Path(folder) / name)]
        done = subprocess.run([cli, "esegui", str(study), *commands, *options], capture_output=True, env=env)
        key = "+".join(commands)
        rows.append(f"{key} exit {done.returncode}")
        rows.append(f"{key} stdout {digest(done.stdout)}")
        rows.append(f"{key} stderr {digest(done.stderr.replace(str(folder).encode(), b'DIR'))}")
        for _, name in DOCUMENTS:
            path = Path(folder) / name
            if not path.exists():
                rows.append(f"{key} {name} absent")
                continue
            if zipfile.is_zipfile(path):
                with zipfile.ZipFile(path) as z:
                    for part in sorted(z.namelist()):
                        if part not in MOMENTS:
                            rows.append(f"{key} {name}:{part} {digest(z.read(part))}")
            else:
                rows.append(f"{key} {name} {digest(path.read_bytes())}")
            path.unlink()
    return rows


def main():
    cli = sys.argv[1]
    write = "--write" in sys.argv
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        cases = {"example": EXAMPLE}
        for name, fields in STUDIES.items():
            cases[name] = study_file(tmp, name, fields)
        for name, study in cases.items():
            rows = fingerprints(cli, study, tmp)
            kept = HERE / f"{name}.sha256"
            if write:
                kept.write_text("\n".join(rows) + "\n")
                continue
            expected = kept.read_text().splitlines()
            for row in sorted(set(rows) ^ set(expected)):
                failures.append(f"{name}: {'now' if row in rows else 'was'} {row}")
    for f in failures:
        print("FAIL:", f)
    print("golden outputs:", "recorded" if write else f"{len(failures)} differences")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
