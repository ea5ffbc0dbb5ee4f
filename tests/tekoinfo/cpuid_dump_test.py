#!/usr/bin/env python3
"""tekoinfo --cpuid-dump under Wine: the CPU page of each recorded PC equals the
true figures of its comment lines; this machine's `cpuid -r -1` output gives
what the live page gives; bad dumps end with a message and exit code 1.
Usage: cpuid_dump_test.py TEKOINFO_EXE DATA_DIR (Wine environment set)."""
import glob
import json
import os
import re
import shutil
import subprocess
import sys

import tekoinfo_run
from tekoinfo_run import check, finish
import tempfile

EXE, DATA = sys.argv[1], sys.argv[2]


def run(*arguments):
    return tekoinfo_run.run(EXE, *arguments)


def windows(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def truth(path):
    """The true figures of a recorded PC's comment lines."""
    text = open(path, encoding="utf-8").read()
    cores = re.search(r"physical cores: (\d+)(?: \((\d+) performance \+ (\d+) efficient\))?; logical processors: (\d+)", text)
    caches = re.search(r"L1D (\d+) KB, L1I (\d+) KB, L2U (\d+) KB, L3U (\d+) KB", text)
    return {"cores": int(cores[1]), "hybrid": cores[2] is not None, "logical": int(cores[4]),
            "l1d": caches[1], "l1i": caches[2], "l2": caches[3], "l3": int(caches[4])}


# Every recorded PC in one run, as JSON.
files = sorted(glob.glob(os.path.join(DATA, "*.txt")))
check(len(files) >= 8, f"recorded PCs: {files}")
result = run("--cpuid-dump", *[windows(f) for f in files], "--json-controls")
check(result.returncode == 0, f"--cpuid-dump of the recorded PCs: exit {result.returncode}, {result.stderr[:300]!r}")
report = json.loads(result.stdout.decode("utf-8") or "{}")
for path in files:
    page = report.get(f"CPU ({windows(path)})", {})
    t = truth(path)
    name = os.path.basename(path)
    amd = page.get("LabelModel") == "AMD"
    check(page.get("LabelDCache") == t["l1d"] and page.get("LabelCCache") == t["l1i"] and page.get("LabelL2") == t["l2"],
          f"{name}: level 1 and 2 {page}")
    check(page.get("LabelL3") == str(t["l3"] // 1024 if amd else t["l3"]), f"{name}: level 3 {page.get('LabelL3')}")
    # A hybrid PC's split is not in one logical processor's registers: 0, and a note says why.
    check(page.get("LabelCore") == ("0" if t["hybrid"] else str(t["cores"])), f"{name}: cores {page.get('LabelCore')}")
    notes = " ".join(page.get("Notes", []))
    check(f"logical processors per package: {t['logical']}" in notes, f"{name}: notes {notes!r}")
    check(page.get("LabelGHZ", "").startswith("not shown"), f"{name}: clock row {page.get('LabelGHZ')!r}")
    check("LabelVolt" not in page and "LabelSocket" not in page, f"{name}: WMI rows of this machine {page}")

# The text form, as the window's rows.
text = run("--cpuid-dump", windows(os.path.join(DATA, "intel-coffee-lake.txt"))).stdout.decode("utf-8")
check("\n  L3Cache:" in text and "12288\n" in text, f"text report: {text!r}")
check(re.search(r"\n  Cur Clock Speed +not shown: the clock is measured on a running processor\n", text), f"clock row: {text!r}")

# This machine: the tool's dump and the live page show the same rows.
if shutil.which("cpuid"):
    with tempfile.TemporaryDirectory() as folder:
        dump = os.path.join(folder, "this-machine.txt")
        with open(dump, "wb") as out:
            subprocess.run(["cpuid", "-r", "-1"], stdout=out, check=True)
        recorded = run("--cpuid-dump", windows(dump), "--json-controls")
        live = run("--page", "CPU", "--json-controls")
        check(recorded.returncode == 0, f"this machine's dump: exit {recorded.returncode} {recorded.stderr!r}")
        check(live.returncode == 0, f"live CPU page: exit {live.returncode} {live.stderr!r}")
        ours = json.loads(recorded.stdout.decode("utf-8") or "{}").get(f"CPU ({windows(dump)})", {})
        shown = json.loads(live.stdout.decode("utf-8") or "{}").get("CPU", {})
        for control in ("LabelCPU", "LabelModel", "LabelVendor", "LabelCCache", "LabelDCache", "LabelL2", "LabelL3",
                        "Image64bit1", "ImageHyper1", "ImageMMX1", "ImageNow1"):
            check(control in ours and ours.get(control) == shown.get(control),
                  f"this machine, {control}: dump {ours.get(control)!r}, live {shown.get(control)!r}")
            print(f"compared: {control}: {ours.get(control)!r}")
        # The live page counts cores through the system (Wine reads the kernel's);
        # a hypervisor may show CPUID another topology, which the dump decodes.
        if ours.get("LabelCore") == shown.get("LabelCore"):
            print(f"compared: LabelCore: {ours.get('LabelCore')!r}")
        else:
            print(f"skipped: LabelCore: the dump's CPUID topology gives {ours.get('LabelCore')!r}, the system "
                  f"{shown.get('LabelCore')!r}: this hypervisor's CPUID topology is not the kernel's")
            check(ours.get("LabelCore") not in (None, ""), f"this machine's dump: no core row {ours}")
else:
    print("skipped: this machine's dump: the cpuid tool is not installed")

# Bad dumps: a message naming the file on stderr, exit code 1, the good ones still printed.
with tempfile.TemporaryDirectory() as folder:
    def staged(name, content):
        path = os.path.join(folder, name)
        with open(path, "wb") as out:
            out.write(content)
        return path

    bad = {
        "garbage.txt": (b"00000000 00 00000016 756E6547 6C65746E 49656E69\nthis is not a register line\n",
                        "line 2 is not a register line"),
        "empty.txt": (b"", "holds no CPUID register line"),
        "decoded.txt": (subprocess.run(["cpuid", "-1"], capture_output=True).stdout[:4000] if shutil.which("cpuid")
                        else b"CPU:\n   vendor_id = \"GenuineIntel\"\n", "is not a register line"),
        "missing.txt": (b"00000000 00 00000016 756E6547 6C65746E 49656E69\n", "the dump lacks leaves 0x00000001"),
        "huge.txt": (b"# padding\n" * 200000, "larger than 1024 KB"),
        "binary.txt": (bytes(range(256)) * 4, "holds NUL bytes"),
    }
    good = windows(os.path.join(DATA, "amd-zen4-raphael.txt"))
    for name, (content, message) in bad.items():
        path = windows(staged(name, content))
        result = run("--cpuid-dump", path, good)
        err = result.stderr.decode("utf-8", "replace")
        check(result.returncode == 1, f"{name}: exit code {result.returncode}")
        check(f"tekoinfo: {path}: " in err and message in err, f"{name}: message {err!r}")
        check(f"CPU ({good})" in result.stdout.decode("utf-8"), f"{name}: the good dump beside it was not printed")
    missing = run("--cpuid-dump", windows(os.path.join(folder, "nowhere.txt")))
    check(missing.returncode == 1 and b"cannot be opened" in missing.stderr, f"a missing file: {missing.stderr!r}")

for bad_arguments in (["--cpuid-dump"], ["--cpuid-dump", "a.txt", "--page", "CPU"],
                      ["--cpuid-dump", "a.txt", "--version-info", "b.exe"]):
    result = run(*bad_arguments)
    check(result.returncode == 2 and b"Usage: tekoinfo" in result.stderr, f"{bad_arguments}: exit {result.returncode}")

finish()
