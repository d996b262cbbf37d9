#!/usr/bin/python3
"""The shape of src/: folders depend one way, core sources use no widgets,
and no two units include each other, directly or round a circle.

    check_layers.py SRC_DIR QT_INCLUDE_DIRS

The folder order is the one src/CMakeLists.txt builds them in; each folder's
CMakeLists.txt says which of its sources are CORE and which GUI."""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def folder_order(src):
    text = open(os.path.join(src, 'CMakeLists.txt')).read()
    m = re.search(r'foreach\(folder ([^)]*)\)', text)
    return m.group(1).split()


def guide_order(src):
    """The folders in the order of the layers' table of docs/architecture.md."""
    guide = os.path.join(src, os.pardir, 'docs', 'architecture.md')
    if not os.path.exists(guide):
        return None
    return re.findall(r'^\| `(\w+)/` \|', open(guide, encoding='utf-8').read(), re.M)


def sources(src, folder):
    """(core, gui) file names of a folder, as its CMakeLists.txt lists them."""
    text = open(os.path.join(src, folder, 'CMakeLists.txt')).read()
    m = re.search(r'vicania_sources\((.*?)\)', text, re.S)
    core, gui, kind = set(), set(), None
    words = m.group(1).split() if m else []
    if not m:  # a folder with its own targets (cli): all core
        words = ['CORE'] + [f for f in os.listdir(os.path.join(src, folder)) if f.endswith(('.h', '.cpp'))]
    for w in words:
        if w in ('CORE', 'GUI'):
            kind = w
        elif kind == 'CORE':
            core.add(w)
        elif kind == 'GUI':
            gui.add(w)
    return core, gui


def qt_gui_headers(qt):
    names = set()
    for module in ('QtGui', 'QtWidgets', 'QtSvg', 'QtSvgWidgets'):
        d = os.path.join(qt, module)
        if os.path.isdir(d):
            names.update(n for n in os.listdir(d) if not n.endswith('.h') or n.startswith('q'))
            names.add(module)
    return names


def includes(path):
    return INCLUDE.findall(open(path, encoding='utf-8').read())


def resolve(src, folder, quoted):
    """Our file an include names (folder/name), or None."""
    if '/' in quoted:
        return quoted if os.path.exists(os.path.join(src, quoted)) else None
    local = f'{folder}/{quoted}'
    return local if os.path.exists(os.path.join(src, local)) else None


def unit(path):
    return os.path.splitext(path)[0]


def circles(graph):
    """Every group of units that reach each other (Tarjan's components)."""
    index, low, on, stack, groups = {}, {}, set(), [], []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return groups


def main():
    src = sys.argv[1]
    # Qt's include folders, as CMake gives them: the one holding QtCore.
    qt = next((d for d in sys.argv[2].split(';') if os.path.isdir(os.path.join(d, 'QtCore'))), '')
    order = folder_order(src)
    rank = {f: i for i, f in enumerate(order)}
    gui_qt = qt_gui_headers(qt)
    problems = []
    gui_files, core_files = set(), set()
    for folder in order:
        core, gui = sources(src, folder)
        core_files.update(f'{folder}/{n}' for n in core)
        gui_files.update(f'{folder}/{n}' for n in gui)
    units = {}
    for folder in order:
        for name in sorted(os.listdir(os.path.join(src, folder))):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = f'{folder}/{name}'
            for kind, inc in includes(os.path.join(src, path)):
                if kind == '<':
                    if path in core_files and inc.split('/')[0] in gui_qt:
                        problems.append(f'{path}: a core source includes the GUI header <{inc}>')
                    continue
                target = resolve(src, folder, inc)
                if target is None:
                    continue
                other = target.split('/')[0]
                if rank.get(other, -1) > rank[folder]:
                    problems.append(f'{path}: includes {target}, but {other}/ comes after {folder}/')
                if path in core_files and target in gui_files:
                    problems.append(f'{path}: a core source includes the GUI header {target}')
                if unit(target) != unit(path):
                    units.setdefault(unit(path), set()).add(unit(target))
    documented = guide_order(src)
    if documented is not None and documented != order:
        problems.append(f'docs/architecture.md lists the folders as {documented}, src/CMakeLists.txt builds {order}')
    for group in circles(units):
        problems.append('units include each other round a circle: ' + ', '.join(group))
    known_file = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'known-problems.txt')
    known = {l.strip() for l in open(known_file) if l.strip() and not l.startswith('#')}
    new = [p for p in problems if p not in known]
    mended = sorted(known - set(problems))
    for p in new:
        print('new:', p)
    for p in mended:
        print('mended, remove it from known-problems.txt:', p)
    print(f'{len(order)} folders, {len(units)} units checked, {len(problems)} problems, {len(known)} known')
    return 1 if new or mended else 0


if __name__ == '__main__':
    sys.exit(main())
