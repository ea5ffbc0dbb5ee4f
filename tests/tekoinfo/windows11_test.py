#!/usr/bin/env python3
"""Windows 11 keeps "Windows 10 ..." as the registry's product name; the
System page must name Windows 11 from build 22000 on. Stages the machine in
a Wine prefix of its own. Usage: windows11_test.py TEKOINFO_EXE WINE_PREFIX_SCRIPT ROOT."""
import json
import os
import subprocess
import sys

EXE, PREFIX_SCRIPT, ROOT = sys.argv[1:4]
KEY = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion"
subprocess.run([PREFIX_SCRIPT, ROOT], check=True)


def stage(build, product_name):
    for name, value in (("CurrentVersion", "10.0"), ("CurrentBuildNumber", build), ("CurrentBuild", build),
                        ("CSDVersion", ""), ("ProductName", product_name)):
        subprocess.run(["wine", "reg", "add", KEY, "/v", name, "/d", value, "/f"], check=True, capture_output=True)
    subprocess.run(["wineserver", "-k"])  # the version is read when the Wine session starts


def system_page():
    result = subprocess.run(["wine", EXE, "--json-controls", "--page", "System"], capture_output=True, timeout=120)
    return json.loads(result.stdout)["System"]


failures = []
for build, registry_name, shown in (("22631", "Windows 10 Pro", "Windows 11 Pro"),
                                    ("22000", "Windows 10 Home", "Windows 11 Home"),
                                    ("19045", "Windows 10 Pro", "Windows 10 Pro")):
    stage(build, registry_name)
    page = system_page()
    got = (page.get("LabelName"), page.get("LabelVersionM"), page.get("LabelBuild"))
    if got != (shown, "10", build):
        failures.append(f"build {build}, registry {registry_name!r}: shown {got}")
subprocess.run(["wineserver", "-k"])
for failure in failures:
    print("FAILED:", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
