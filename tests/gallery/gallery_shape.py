"""The gallery's bank.json keeps the shape other checks read (with each
question's worked solution as plain text), and a seed
fixes every question: two runs with one seed describe the same bank.

Usage: gallery_shape.py GALLERY RUN_FOLDER"""
import json
import os
import subprocess
import sys
import tempfile


def run(gallery, run_folder, seed, work):
    os.makedirs(work)
    for sub in ("SpS", "Ida"):
        os.symlink(os.path.join(run_folder, sub), os.path.join(work, sub))
    out = os.path.join(work, "out")
    subprocess.run([gallery, "--seed", str(seed), "--out", out, "--only", "4,30"],
                   cwd=work, check=True, capture_output=True)
    with open(os.path.join(out, "bank.json"), encoding="utf-8") as f:
        return json.load(f), sorted(os.listdir(out))


def main():
    gallery, run_folder = sys.argv[1], os.path.abspath(sys.argv[2])
    with tempfile.TemporaryDirectory() as tmp:
        bank, files = run(gallery, run_folder, 7, os.path.join(tmp, "a"))
        again, _ = run(gallery, run_folder, 7, os.path.join(tmp, "b"))
    assert files == ["TForm30.png", "TForm4.png", "bank.json"], files
    assert bank["seed"] == 7
    assert bank == again, "one seed gave two different banks"
    windows = {w["class"]: w for w in bank["windows"]}
    assert len(windows) == 212, len(windows)
    q1 = windows["TForm4"]
    assert (q1["unit"], q1["test"], q1["question"]) == ("QN1", 1, 1)
    assert sorted(q1["deal"]) == [1, 2, 3, 4, 5] and q1["key"] == q1["deal"].index(4) + 1
    label = next(l for l in q1["labels"] if l["name"] == "Label1")
    assert label == {"name": "Label1", "text": "Укажіть натуральне число", "left": 10,
                     "top": 16, "visible": True, "px": 24, "bold": True, "italic": False,
                     "color": "#0000ff"}, label
    # The worked solution, as plain text, ends with the keyed letter.
    steps = q1["solution"]
    assert 2 <= len(steps) <= 6 and all(isinstance(t, str) and t for t in steps), steps
    assert steps[-1].startswith("Відповідь: " + "АБВГД"[q1["key"] - 1] + ") "), steps
    assert not any("<" in t and ">" in t for t in steps), steps
    bar = next(i for i in q1["images"] if i["name"] == "Image1")
    assert bar["file"] == "SpS\\chdr4.bmp" and (bar["width"], bar["height"]) == (30, 10), bar
    assert all(isinstance(bar[k], int) for k in ("left", "top", "width", "height"))
    # Button 4 of Test 2 opens TForm30, which keys question 4.
    assert (windows["TForm30"]["unit"], windows["TForm30"]["question"]) == ("SS5", 4)
    # Windows without a question carry no deal or key.
    assert "deal" not in windows["TForm1"] and "key" not in windows["TForm3"]
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
