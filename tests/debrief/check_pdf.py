#!/usr/bin/env python3
"""Opens the debrief that Save Debrief writes with a real PDF reader (poppler's pdfinfo and
pdftoppm): one A4 landscape page whose picture shows the timeline (the CPR spans' green)."""
import os
import pathlib
import shutil
import subprocess
import sys
import unicodedata


def main():
    test_summary, work = sys.argv[1], pathlib.Path(sys.argv[2])
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", DEFIB_KEEP_PICTURES=str(work))
    subprocess.run([test_summary, "savesTheDebriefAsPngOrPdf", "emptyListsSaySoOnScreenAndOnThePage"], env=env,
                   check=True, capture_output=True, timeout=120)
    pdf = work / "debrief.pdf"
    info = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True, text=True).stdout
    fields = dict(line.split(":", 1) for line in info.splitlines() if ":" in line)
    assert fields["Pages"].strip() == "1", info
    assert fields["Page size"].strip().startswith("842 x 595 pts"), info
    subprocess.run(["pdftoppm", "-r", "40", str(pdf), str(work / "page")], check=True, timeout=60)
    ppm = next(work.glob("page*.ppm")).read_bytes()
    # P6 header: magic, width, height, maximum, then RGB bytes.
    parts = ppm.split(maxsplit=4)
    assert parts[0] == b"P6", parts[0]
    width, height, pixels = int(parts[1]), int(parts[2]), parts[4]
    assert width > height, (width, height)
    green = sum(1 for i in range(0, len(pixels) - 2, 3)
                if pixels[i + 1] > pixels[i] + 60 and pixels[i + 1] > pixels[i + 2] + 40)
    assert green > 200, green
    # The page's words as a reader extracts them: the protocol in use, what the first-shock figures
    # count from, and lists that say when they are empty instead of standing empty under a heading.
    def words_of(path):
        # NFKC undoes the ligatures ("ﬁ") a PDF may hold.
        out = subprocess.run(["pdftotext", "-layout", str(path), "-"], check=True, capture_output=True, text=True)
        return " ".join(unicodedata.normalize("NFKC", out.stdout).split())

    text = words_of(pdf)
    for words in ("Protocol Stacked shocks", "Speed of First Shock counts from 0:07", "Time to first shock",
                  "within 2:07", "Penalties", "Protocol Errors/Notes"):
        assert words in text, f"{words!r} not on the page: {text}"
    empty = words_of(work / "debrief-empty.pdf")
    for words in ("Protocol Single shock", "Penalties", "No penalties.", "Protocol Errors/Notes",
                  "No protocol errors or notes."):
        assert words in empty, f"{words!r} not on the empty page: {empty}"
    print(f"debrief.pdf: one A4 landscape page, rendered {width}x{height} with {green} green pixels of CPR, "
          f"naming its protocol; an empty debrief's lists say they are empty")


if __name__ == "__main__":
    main()
