"""Tables of integers for the folder "Ida": generated from their rule,
checked row by row when written and again by the bank check."""
import os
import re
from pathlib import Path

from . import pictures


class TableError(ValueError):
    pass


class Row(tuple):
    """One row: r[0] ... as a tuple, and r.c1 ... r.cN, numbered like the
    columns of the question's card."""

    def __getattr__(self, name):
        m = re.fullmatch(r"c(\d+)", name)
        if m and 1 <= int(m.group(1)) <= len(self):
            return self[int(m.group(1)) - 1]
        raise AttributeError(name)


class Table:
    """Table(file, columns, min_rows, rows, relation, rule)

    rows: a function returning the rows (tuples of ints), or a list of them;
    relation(row) -> bool must hold for every row (row.c1 ... or row[0] ...);
    rule: the relation in words, printed when a row breaks it.
    """

    def __init__(self, file, columns, min_rows, rows, relation, rule):
        self.file = pictures.bare(file)
        if not re.fullmatch(r"[A-Za-z0-9_]+\.txt", self.file):
            raise TableError("%r: a table is a bare file name ending in .txt" % (file,))
        self.columns = int(columns)
        self.min_rows = int(min_rows)
        self.rows = rows
        self.relation = relation
        self.rule = rule
        self.module = pictures._origin["module"]
        self._made = None

    def __repr__(self):
        return "Table(%r)" % self.file

    def check_row(self, i, values):
        """Raises TableError unless row i (1-based) has the columns and the relation."""
        if len(values) != self.columns:
            raise TableError("%s row %d: %d integers, expected %d: %r"
                             % (self.file, i, len(values), self.columns, tuple(values)))
        for v in values:
            if isinstance(v, bool) or not isinstance(v, int):
                raise TableError("%s row %d: %r is not an integer" % (self.file, i, v))
        row = Row(values)
        try:
            ok = self.relation(row)
        except Exception as e:  # a relation that cannot be evaluated is broken
            raise TableError("%s row %d %r: relation raised %s: %s"
                             % (self.file, i, tuple(values), type(e).__name__, e))
        if not ok:
            raise TableError("%s row %d %r breaks the rule: %s"
                             % (self.file, i, tuple(values), self.rule))

    def generate(self):
        if self._made is None:
            rows = self.rows() if callable(self.rows) else self.rows
            rows = [tuple(r) for r in rows]
            for i, r in enumerate(rows, 1):
                self.check_row(i, r)
            if len(rows) < self.min_rows:
                raise TableError("%s: %d rows, at least %d needed"
                                 % (self.file, len(rows), self.min_rows))
            self._made = rows
        return self._made

    def text(self):
        return "".join(" ".join(str(v) for v in r) + "\r\n" for r in self.generate()).encode("ascii")

    def write(self, folder):
        """Writes <folder>/Ida/<file> when its bytes changed. Returns
        (path, rewritten, size)."""
        path = Path(folder) / "Ida" / self.file
        data = self.text()
        return (path,) + write_if_changed(path, data)

    def check_file(self, path):
        """Re-reads a written table and checks every row. Returns the row count."""
        data = Path(path).read_bytes()
        lines = data.split(b"\r\n")
        if lines and lines[-1] == b"":
            lines.pop()
        for i, line in enumerate(lines, 1):
            if b"\n" in line or b"\r" in line:
                raise TableError("%s row %d: lines must end with CR LF" % (self.file, i))
            tokens = line.split(b" ")
            try:
                values = [int(t) for t in tokens]
            except ValueError:
                raise TableError("%s row %d: not integers separated by single spaces: %r"
                                 % (self.file, i, line[:80]))
            self.check_row(i, values)
        if len(lines) < self.min_rows:
            raise TableError("%s: %d rows, at least %d needed" % (self.file, len(lines), self.min_rows))
        return len(lines)


def write_if_changed(path, data):
    path = Path(path)
    if path.exists() and path.read_bytes() == data:
        return False, len(data)
    path.parent.mkdir(parents=True, exist_ok=True)
    tmp = path.with_name(path.name + ".tmp")
    tmp.write_bytes(data)
    os.replace(tmp, path)
    return True, len(data)
