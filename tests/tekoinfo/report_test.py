#!/usr/bin/env python3
"""tekoinfo under Wine: the control form of the JSON (--json-controls) with
every page, --page, --version-info, --help and bad arguments. Usage: report_test.py TEKOINFO_EXE (Wine
environment set)."""
import json
import sys

import tekoinfo_run
from tekoinfo_run import check, finish

EXE = sys.argv[1]
PAGES = ["System", "CPU", "Folders", "Network", "Memory", "Display", "APM", "Process"]
ORDER = ["System", "CPU", "Folders", "Network", "Memory", "Display", "APM", "Bios", "MainBoard", "Process"]


def run(*arguments):
    return tekoinfo_run.run(EXE, *arguments)


every = run("--json-controls")
check(every.returncode == 0, f"--json-controls exit code {every.returncode}: {every.stderr!r}")
report = json.loads(every.stdout.decode("utf-8"))
pages = [p for p in report if " / " not in p]
check(set(PAGES) <= set(report) and pages == [p for p in ORDER if p in report], f"pages {list(report)}")
# Every entry of the bank list follows the MainBoard page with its module.
board = report.get("MainBoard", {})
banks = [p for p in report if p.startswith("MainBoard / ")]
check(banks and banks == [f"MainBoard / {b}" for b in board.get("ComboBox1", [])], f"banks {banks} of {board}")
keys = list(report)
check(banks and keys[keys.index("MainBoard") + 1:keys.index("MainBoard") + 1 + len(banks)] == banks, f"order {keys}")
for bank in banks:
    module = report[bank]
    check(module.get("ComboBox1") == bank.split(" / ", 1)[1], f"{bank}: {module}")
    check(module.get("LabelMemCapacity", "").endswith(" MB"), f"{bank}: {module}")
system = report.get("System", {})
check(system.get("LabelVersionM", "").isdigit(), f"LabelVersionM {system.get('LabelVersionM')!r}")
check(system.get("LabelBuild", "").isdigit(), f"LabelBuild {system.get('LabelBuild')!r}")
check(system.get("LabelDefBrowser", "").lower().endswith(".exe"), f"LabelDefBrowser {system.get('LabelDefBrowser')!r}")
check(len(report.get("Folders", {})) == 12, f"Folders {report.get('Folders')}")
for name, value in report.get("Folders", {}).items():
    check(isinstance(value, str) and value[1:3] == ":\\" and not value.endswith("\\"), f"{name} {value!r}")
network = report.get("Network", {})
check(isinstance(network.get("ImageOnline"), bool), f"ImageOnline {network.get('ImageOnline')!r}")
check("ImageOffline" not in network, "the yes/no pair is one boolean")
cpu = report.get("CPU", {})
check(cpu.get("LabelGHZ", "").endswith(" GHZ") and cpu.get("LabelGHZ") != "0.00 GHZ", f"LabelGHZ {cpu.get('LabelGHZ')!r}")
check(len(cpu.get("LabelVendor", "")) == 12, f"LabelVendor {cpu.get('LabelVendor')!r}")
check(cpu.get("Image64bit1") is True and cpu.get("ImageMMX1") is True, f"CPU flags {cpu}")
memory = report.get("Memory", {})
check(memory.get("LabelTotalPhysMem", "").endswith(" MB"), f"LabelTotalPhysMem {memory.get('LabelTotalPhysMem')!r}")
check(0 <= memory.get("ProgressBarLoad", -1) <= 100, f"ProgressBarLoad {memory.get('ProgressBarLoad')!r}")
display = report.get("Display", {})
check(display.get("LabelSWidth", "").endswith(" Pixel"), f"LabelSWidth {display.get('LabelSWidth')!r}")
apm = report.get("APM", {})
check([apm.get(p) for p in ("ImageLineOff", "ImageLineOn", "ImageUnKnown")].count(True) == 1, f"APM {apm}")

one = run("--page", "folders", "--json-controls")
check(one.returncode == 0 and list(json.loads(one.stdout)) == ["Folders"], f"--page folders: {one.stdout[:200]!r}")

text = run().stdout.decode("utf-8")
for page in PAGES:
    check(f"\n{page}\n" in "\n" + text, f"heading {page} missing from the text report")
check("  Product Name:" in text and "  Temp:" in text and "  Currently online:" in text, "captions missing")
check("\nMainBoard / BANK 0\n  Bank:" in text, "the first bank's heading missing from the text report")

processes = report.get("Process", {}).get("ListBox1", [])
check(any(line.startswith("tekoinfo.exe ") and "tekoinfo.exe" in line[len("tekoinfo.exe"):] for line in processes),
      f"tekoinfo.exe with its ID and path in the process list: {processes}")
check("\n  Processes  " in text, "the process list missing from the text report")

exe_windows = "Z:" + EXE.replace("/", "\\")
versions = run("--version-info", exe_windows, "kernel32.dll")
lines = versions.stdout.decode("utf-8").splitlines()
check(versions.returncode == 0, f"--version-info exit code {versions.returncode}")
check(len(lines) > 1 and lines[0] == exe_windows and lines[1].startswith("  Fixed file version: "), f"--version-info: {lines[:3]}")
check("kernel32.dll" in lines and "  CompanyName=Microsoft Corporation" in lines, "kernel32.dll by its bare name")
missing = run("--version-info", exe_windows + ".missing")
check(missing.returncode == 1 and missing.stdout.decode("utf-8").endswith(
    "\n  Error: File contains no version information\n"), f"a file without version information: {missing.stdout!r}")

usage = run("--help")
check(usage.returncode == 0 and b"--page NAME" in usage.stdout, f"--help: {usage.returncode} {usage.stdout!r}")

for bad in (["--verbose"], ["--page"], ["--page", "Nowhere"], ["System"], ["--version-info"],
            ["--version-info", "a.exe", "--json"]):
    result = run(*bad)
    check(result.returncode == 2, f"{bad}: exit code {result.returncode}")
    check(b"Usage: tekoinfo" in result.stderr and not result.stdout, f"{bad}: usage on stderr only")

finish()
