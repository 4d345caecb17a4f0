"""Finds and imports the content modules and collects what they describe."""
import importlib.util
import re
import sys
import traceback
from pathlib import Path

from . import checks, pictures, tables


class ContentError(RuntimeError):
    pass


class PicMap(dict):
    """File name -> description; lookups ignore case and a "SpS\\" prefix."""

    def _k(self, name):
        return pictures.bare(name).lower()

    def __setitem__(self, name, value):
        super().__setitem__(self._k(name), value)

    def __getitem__(self, name):
        try:
            return super().__getitem__(self._k(name))
        except KeyError:
            raise KeyError("no description of picture %r" % (name,)) from None

    def __contains__(self, name):
        return super().__contains__(self._k(name))

    def get(self, name, default=None):
        return super().get(self._k(name), default)


class Content:
    def __init__(self):
        self.modules = []      # (label, path)
        self.pictures = []     # descriptions, in module order
        self.tables = []
        self.refs = []         # shared() references
        self.pics = PicMap()
        self.table_map = {}

    @property
    def checks(self):
        return checks.REGISTRY


def repo_root():
    return Path(__file__).resolve().parents[3]


def label_of(path):
    """A module's label: "shared", "test3", or the file's stem."""
    path = Path(path)
    return path.parent.name if path.stem == "content" else path.stem


def content_files(root):
    root = Path(root)
    files = []
    shared = root / "data" / "shared.py"
    if shared.exists():
        files.append((label_of(shared), shared))

    def test_no(p):
        m = re.search(r"test(\d+)$", p.parent.name)
        return int(m.group(1)) if m else 999

    for p in sorted(root.glob("bank/test*/content.py"), key=test_no):
        files.append((label_of(p), p))
    return files


def _import(label, path):
    name = "vzt_content_%s" % re.sub(r"\W", "_", label)
    module_spec = importlib.util.spec_from_file_location(name, path)
    mod = importlib.util.module_from_spec(module_spec)
    sys.modules[name] = mod
    pictures._origin["module"] = label
    try:
        module_spec.loader.exec_module(mod)
    finally:
        pictures._origin["module"] = None
    return mod


def load(root=None, files=None):
    """Imports every content module; raises ContentError listing each broken
    module with its traceback, a file described twice, or a shared()
    reference that nothing describes."""
    root = Path(root) if root else repo_root()
    files = content_files(root) if files is None else files
    checks.REGISTRY.clear()
    c = Content()
    problems = []
    seen_pic, seen_tab = {}, {}
    for label, path in files:
        try:
            mod = _import(label, path)
        except Exception:
            problems.append("content module %s (%s) is broken:\n%s"
                            % (label, path, traceback.format_exc()))
            continue
        c.modules.append((label, path))
        def unique(item, key, seen, kind):
            """False (with a problem noted) when another module described it."""
            if key in seen:
                problems.append("%s %s is described twice: in %s and in %s"
                                % (kind, key, seen[key], label))
                return False
            seen[key] = label
            item.module = label
            return True

        for p in getattr(mod, "PICTURES", []):
            if isinstance(p, pictures.SharedRef):
                c.refs.append(p)
                continue
            if not isinstance(p, pictures.Picture):
                problems.append("%s: PICTURES holds %r, not a picture description" % (label, p))
                continue
            if unique(p, p.name.lower(), seen_pic, "picture"):
                c.pictures.append(p)
                c.pics[p.name] = p
        for t in getattr(mod, "TABLES", []):
            if not isinstance(t, tables.Table):
                problems.append("%s: TABLES holds %r, not a Table" % (label, t))
                continue
            if unique(t, t.file.lower(), seen_tab, "table"):
                c.tables.append(t)
                c.table_map[t.file.lower()] = t
    for r in c.refs:
        if r.name not in c.pics:
            problems.append("%s uses shared picture %s, which no module describes"
                            % (r.module, r.name))
    if problems:
        raise ContentError("\n".join(problems))
    return c


def load_for(tool, args):
    """The content a command-line tool works on (--root, --content), or None
    after printing why it cannot be loaded."""
    try:
        files = [(label_of(Path(f)), Path(f)) for f in args.content] or None
        return load(args.root or None, files)
    except ContentError as e:
        print("%s: %s" % (tool, e), file=sys.stderr)
        return None
