#!/usr/bin/python3
"""Self-test of the picture and table generator and of check_content.py,
on the sample module beside this file."""
import json
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
sys.path.insert(0, str(ROOT / "tools" / "gen"))

from vztgen import (PictureError, Table, TableError, figure, formula, layout,  # noqa: E402
                    loader, style)
from vztgen.render import ink_bbox, read_bmp, rgb255  # noqa: E402

SAMPLE = [("shared", ROOT / "data" / "shared.py"), ("sample", HERE / "sample_content.py")]


def bmp_header(data):
    """(width, height, bits per pixel, colours used) of a BMP."""
    w, h, _, bits, _, _, _, _, used = struct.unpack("<iiHHIIiiI", data[18:50])
    return w, h, bits, used


class Pictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.content = loader.load(files=SAMPLE)
        cls.bmps = {p.name: p.bmp() for p in cls.content.pictures}

    def test_every_picture_is_a_small_palette_bmp_within_its_box(self):
        for p in self.content.pictures:
            data = self.bmps[p.name]
            w, h, bits, used = bmp_header(data)
            self.assertEqual(data[:2], b"BM", p.name)
            self.assertEqual((bits, used <= style.COLOURS), (8, True), p.name)
            self.assertTrue(w <= p.box[0] and h <= p.box[1], "%s %dx%d in %s" % (p.name, w, h, p.box))
            self.assertEqual(read_bmp(data).size, (w, h), p.name)

    def test_same_descriptions_give_the_same_bytes(self):
        again = loader.load(files=SAMPLE)
        for p in again.pictures:
            self.assertEqual(p.bmp(), self.bmps[p.name], p.name)

    def test_trimmed_pictures_keep_a_margin_of_paper(self):
        for p in self.content.pictures:
            if getattr(p, "trim", True) is False:
                continue
            img = read_bmp(self.bmps[p.name])
            l, t, r, b = ink_bbox(img, p.paper)
            # trimmed before the palette is made: a faint edge may become paper
            for m in (l, t, img.width - r, img.height - b):
                self.assertIn(m, (style.MARGIN, style.MARGIN + 1), p.name)

    def test_signs_are_label_blue_on_the_window_grey(self):
        for name in ("sqrt.bmp", "Pi.bmp"):
            img = read_bmp(self.bmps[name])
            colours = {c for _, c in img.getcolors()}
            self.assertIn(rgb255(style.BLUE), colours, name)
            self.assertIn(rgb255(style.WINDOW), colours, name)
        # the fraction bar: three solid rows of 30 px
        bar = read_bmp(self.bmps["chdr4.bmp"])
        self.assertEqual(bar.size, (30, 3))
        self.assertEqual({c for _, c in bar.getcolors()}, {(0, 0, 255)})

    def test_a_formula_shrinks_to_fit_and_fails_below_its_least_size(self):
        f = formula("x.bmp", r"x^2+2x+1=(x+1)^2", box=(150, 40))
        f.bmp()
        self.assertLess(f.used_size, style.FORMULA_PT)
        self.assertLessEqual(f.size[0], 150)
        with self.assertRaises(PictureError):
            formula("y.bmp", r"x^2+2x+1=(x+1)^2\quad x^2+2x+1=(x+1)^2", box=(150, 40)).bmp()
        ok = formula("z.bmp", r"x^2+2x+1=(x+1)^2\ \ x+1", box=(150, 40), proportional=True)
        ok.bmp()
        self.assertTrue(0 < ok.scale < 1)
        self.assertGreaterEqual(ok.text_px * ok.scale, style.MIN_TEXT_PX)

    def test_figure_labels_stand_clear_of_the_lines(self):
        # labels of a right triangle's vertices lie outside it
        pts = {"A": (0, 0), "B": (4, 0), "C": (0, 3)}
        obst = layout.Obstacles()
        for a, b in (("A", "B"), ("B", "C"), ("C", "A")):
            obst.segment(pts[a], pts[b])
        hull = layout.hull(pts.values())
        for name, p in pts.items():
            c = layout.place(p, 0.3, 0.3, obst, region=hull, cap=0.2)
            self.assertFalse(layout.inside(hull, *c), name)
            self.assertGreater(obst.clearance(c[0], c[1], 0.3, 0.3), 0.0, name)

    def test_a_figure_exposes_its_geometry(self):
        f = figure("f.bmp", {"A": (0, 0), "B": (3, 0), "C": (0, 4)}, [("A", "B"), ("B", "C")])
        self.assertAlmostEqual(f.dist("B", "C"), 5.0)
        self.assertAlmostEqual(f.angle("B", "A", "C"), 90.0)


class Tables(unittest.TestCase):
    def test_rows_are_written_with_single_spaces_and_crlf_and_checked(self):
        t = Table("T.txt", 3, 2, lambda: [(1, 2, 3), (-4, 5, 1)], lambda r: r.c1 + r.c2 == r.c3,
                  "c3 = c1 + c2")
        with tempfile.TemporaryDirectory() as d:
            path, rewritten, size = t.write(d)
            self.assertEqual(path.read_bytes(), b"1 2 3\r\n-4 5 1\r\n")
            self.assertTrue(rewritten)
            self.assertFalse(t.write(d)[1])  # unchanged bytes are not rewritten
            self.assertEqual(t.check_file(path), 2)
            path.write_bytes(b"1 2 3\r\n-4 5 2\r\n")
            with self.assertRaisesRegex(TableError, "row 2"):
                t.check_file(path)

    def test_a_breaking_row_or_too_few_rows_fail(self):
        bad = Table("B.txt", 2, 1, [(1, 2), (2, 2)], lambda r: r[0] < r[1], "c1 < c2")
        with self.assertRaisesRegex(TableError, r"row 2 \(2, 2\)"):
            bad.generate()
        few = Table("F.txt", 1, 5, [(1,)], lambda r: True, "any")
        with self.assertRaisesRegex(TableError, "at least 5"):
            few.generate()


class Loading(unittest.TestCase):
    def write(self, folder, name, text):
        p = Path(folder) / name
        p.write_text(text)
        return (p.stem, p)

    def test_broken_duplicate_and_unknown_shared_are_reported_together(self):
        with tempfile.TemporaryDirectory() as d:
            files = [
                self.write(d, "a.py", "from vztgen import formula\n"
                                      "PICTURES = [formula('X.bmp', 'x', (50, 50))]\n"),
                self.write(d, "b.py", "from vztgen import formula, shared\n"
                                      "PICTURES = [formula('x.bmp', 'y', (50, 50)), shared('nobody.bmp')]\n"),
                self.write(d, "c.py", "import nonexistent_module\n"),
            ]
            with self.assertRaises(loader.ContentError) as e:
                loader.load(files=files)
            text = str(e.exception)
            self.assertIn("X.bmp is described twice", text.replace("x.bmp", "X.bmp"))
            self.assertIn("nobody.bmp", text)
            self.assertIn("ModuleNotFoundError", text)


class CheckContent(unittest.TestCase):
    """check_content.py on a hand-made dump of the sample's question."""

    @classmethod
    def setUpClass(cls):
        cls.tmp = Path(tempfile.mkdtemp())
        cls.content_args = sum((["--content", str(p)] for _, p in SAMPLE), [])
        gen = subprocess.run([sys.executable, str(ROOT / "tools/gen/generate.py"), "--out",
                              str(cls.tmp), "--jobs", "1"] + cls.content_args,
                             capture_output=True, text=True)
        assert gen.returncode == 0, gen.stderr

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def run_check(self, variants):
        dump = {"seeds": 1, "questions": [
            {"unit": "FAKE2", "test": 1, "question": 2, "form": 5, "variants_seen": len(variants),
             "variants": variants}]}
        (self.tmp / "dump.json").write_text(json.dumps(dump))
        return subprocess.run([sys.executable, str(ROOT / "tools/gen/check_content.py"), "--run",
                               str(self.tmp), "--bank", str(self.tmp / "dump.json")]
                              + self.content_args, capture_output=True, text=True)

    def variant(self, options, right):
        return {"options": options, "forms": options, "right": right, "picture_options": True,
                "deal": [1, 2, 3, 4, 5], "key": right, "labels": {"Label14": "Розв`яжіть"},
                "images": {"Image1": "SpS\\t_ineq.bmp"}}

    def test_a_right_key_passes_and_a_wrong_key_or_missing_picture_is_a_breach(self):
        opts = ["SpS\\t_set2.bmp", "SpS\\t_set1.bmp", "SpS\\t_set3.bmp", "SpS\\t_words.bmp",
                "SpS\\t_drawing.bmp"]
        good = self.run_check([self.variant(opts, 2)])
        self.assertEqual(good.returncode, 0, good.stdout + good.stderr)
        self.assertIn("check FAKE2", good.stdout)
        self.assertIn("T_half.txt", good.stdout)
        wrong = self.run_check([self.variant(opts, 1)])
        self.assertEqual(wrong.returncode, 1)
        self.assertIn("keyed picture", wrong.stdout)
        missing = self.run_check([self.variant(opts[:4] + ["SpS\\T_DRAWING.bmp"], 2)])
        self.assertEqual(missing.returncode, 1)
        self.assertIn("T_DRAWING.bmp is missing", missing.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=1)
