#!/usr/bin/python3
"""tekoinfo's typed inventory under Wine against its published schema, and
the HTML report in a real browser. Usage: inventory_test.py TEKOINFO_EXE
SCHEMA SCREENSHOT_FOLDER (Wine environment set). Debian's python3 holds
jsonschema."""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

EXE, SCHEMA, SHOTS = sys.argv[1:4]
failures = []


def run(*arguments):
    return subprocess.run(["wine", EXE, *arguments], capture_output=True, timeout=120)


def check(condition, message):
    if not condition:
        failures.append(message)


schema = json.load(open(SCHEMA, encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema, format_checker=jsonschema.Draft202012Validator.FORMAT_CHECKER)

result = run("--json")
check(result.returncode == 0, f"--json exit code {result.returncode}: {result.stderr!r}")
inventory = json.loads(result.stdout.decode("utf-8"))
for error in validator.iter_errors(inventory):
    failures.append(f"schema: {'/'.join(map(str, error.absolute_path))}: {error.message}")

# What this machine certainly has, typed as the schema promises.
for section in ("system", "cpu", "folders", "network", "memory", "display", "apm", "bios", "mainboard"):
    check(section in inventory, f"{section} missing")
memory = inventory.get("memory", {})
check(isinstance(memory.get("totalPhysicalBytes"), int) and memory["totalPhysicalBytes"] > 1 << 20,
      f"totalPhysicalBytes {memory.get('totalPhysicalBytes')!r}")
check(memory.get("freePhysicalBytes", 0) <= memory.get("totalPhysicalBytes", 0), f"free above total: {memory}")
check(isinstance(inventory.get("cpu", {}).get("l1DataCacheKB"), int), f"cpu {inventory.get('cpu')}")
check(isinstance(inventory.get("system", {}).get("build"), int), f"system {inventory.get('system')}")
check(inventory.get("bios", {}).get("releaseDate", "")[4:5] == "-", f"bios {inventory.get('bios')}")
modules = inventory.get("memoryModules", [])
check(modules and all(isinstance(m.get("capacityBytes"), int) for m in modules), f"memoryModules {modules}")
check(any(p["name"] == "tekoinfo.exe" and p["id"] > 0 for p in inventory.get("processes", [])), "tekoinfo.exe missing")
check(inventory.get("computerName") == inventory.get("network", {}).get("computerName"), "two computer names")

one = json.loads(run("--json", "--page", "bios").stdout.decode("utf-8"))
check(set(one) == {"schema", "program", "created", "computerName", "bios"}, f"--page bios: {sorted(one)}")
check(not list(validator.iter_errors(one)), "--page bios does not validate")

# The HTML is one page that a browser renders without fetching anything.
html = run("--html").stdout.decode("utf-8")
check(html.startswith("<!DOCTYPE html>") and html.count("<table>") >= 10, "not a page of tables")
for outside in ("<script", "src=", "href=", "url(", "@import"):
    check(outside not in html, f"{outside} in the HTML")
with tempfile.TemporaryDirectory() as folder:
    page = os.path.join(folder, "report.html")
    with open(page, "w", encoding="utf-8") as out:
        out.write(html)
    os.makedirs(SHOTS, exist_ok=True)
    shot = os.path.join(SHOTS, "report-html.png")
    browser = subprocess.run(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         f"--user-data-dir={folder}/profile", "--window-size=1000,1400", f"--screenshot={shot}",
         "file://" + page], capture_output=True, timeout=120)
    check(browser.returncode == 0 and os.path.getsize(shot) > 10000, f"chromium: {browser.stderr[-600:]!r}")

for failure in failures:
    print("FAILED:", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
