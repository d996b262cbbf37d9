#!/usr/bin/python3
"""The shape of src/: folders depend one way, core sources use no widgets,
no unit is too big to read (400 lines a file, 40 public methods a class),
documents and exports are built only in output/ on the writers of word/, no
test double lives among the program's sources,
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


MAX_LINES = 400
MAX_PUBLIC_METHODS = 40
# What builds a document or an export: word/'s writer and its parts, and the
# file formats' own libraries. Outside word/ and output/ only the delivery
# (DocumentOutput) and the in-memory document it hands on are seen.
BUILDING = re.compile(r'^(word/(?!DocumentOutput\.h|DocumentModel\.h)\w+\.(h|inc)|xlsxwriter\.h|zip\.h)$')
# Folders that only read a format the builders write: istat/ opens the ZIP
# files ISTAT publishes and writes none.
READS_ONLY = {'istat': re.compile(r'^zip\.h$')}
TEST_DOUBLE = re.compile(r'(Recorder|Fake|Mock|Stub|Dummy|Spy)\w*$')


def strip_comments(text):
    text = re.sub(r'/\*.*?\*/', ' ', text, flags=re.S)
    text = re.sub(r'//[^\n]*', '', text)
    return re.sub(r'"(\\.|[^"\\])*"', '""', text)


def class_bodies(text):
    """(name, body, struct?) of every class or struct defined in the text."""
    for m in re.finditer(r'\b(class|struct)\s+(\w+)\s*(final\s*)?(:[^;{()]*)?\{', text):
        depth, i = 1, m.end()
        while depth and i < len(text):
            depth += {'{': 1, '}': -1}.get(text[i], 0)
            i += 1
        yield m.group(2), text[m.end():i - 1], m.group(1) == 'struct'


def public_methods(body, struct):
    """The member functions declared public at the top level of a class body."""
    public, count, depth, statement = struct, 0, 0, ''
    for ch in body:
        if depth == 0 and ch in ';{':
            count += public and is_method(statement)
            statement = ''
        if ch == '{':
            depth += 1
        elif ch == '}':
            depth -= 1
        elif depth == 0 and ch != ';':
            statement += ch
            access = re.search(r'\b(public|protected|private|signals)\s*(slots\s*)?:\s*$', statement)
            if access and not statement.rstrip().endswith('::'):
                public = access.group(1) == 'public'
                statement = ''
    return count


def is_method(statement):
    s = ' '.join(statement.split())
    if not s or '(' not in s or s.startswith(('using ', 'friend ', 'Q_', 'static_assert', 'typedef ')):
        return False
    head = s.split('(')[0]
    return '=' not in head and not re.search(r'\b(class|struct|enum)\b', head)


def unit_problems(src, order):
    problems = []
    for folder in order:
        for name in sorted(os.listdir(os.path.join(src, folder))):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = f'{folder}/{name}'
            text = open(os.path.join(src, path), encoding='utf-8').read()
            if text.count('\n') > MAX_LINES:
                problems.append(f'{path}: {text.count(chr(10))} lines, more than {MAX_LINES}')
            if TEST_DOUBLE.search(os.path.splitext(name)[0]):
                problems.append(f"{path}: a test double among the program's sources")
            for cls, body, struct in class_bodies(strip_comments(text)):
                n = public_methods(body, struct)
                if n > MAX_PUBLIC_METHODS:
                    problems.append(f'{path}: class {cls} has {n} public methods, more than {MAX_PUBLIC_METHODS}')
                if TEST_DOUBLE.search(cls):
                    problems.append(f"{path}: class {cls} is a test double among the program's sources")
            if folder not in ('word', 'output'):
                for _, inc in includes(os.path.join(src, path)):
                    if BUILDING.match(inc) and not (folder in READS_ONLY and READS_ONLY[folder].match(inc)):
                        problems.append(f'{path}: builds an output with {inc}, which only word/ and output/ do')
    return problems


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
    problems += unit_problems(src, order)
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
