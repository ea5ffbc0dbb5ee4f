#!/usr/bin/env python3
"""scripts/check-layers on planted trees: an upward include and one between
two subsystems fail with their line named; includes downward, within a room
and of the standard library pass. Usage: check_layers_test.py CHECK_LAYERS"""
import pathlib
import subprocess
import sys
import tempfile

CHECK = sys.argv[1]
failures = []


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            path = pathlib.Path(root, "src", name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        return subprocess.run([CHECK, root], capture_output=True, text=True)


good = run({
    "core/text.h": "#include <string>\n",
    "platform/files.cpp": '#include "core/text.h"\n#include "platform/files.h"\n',
    "cleaner/engine.cpp": '#include "system/recycle_bin.h"\n#include "ui/form.h"\n#include "cleaner/rule.h"\n',
    "app/main.cpp": '#include "cleaner/engine.h"\n#include "tools/launch.h"\n',
})
if good.returncode != 0:
    failures.append(f"a tree in order failed: {good.stdout}")

for planted, expected in {
    "core/paths.cpp": ('#include "core/text.h"\n#include "app/forms.h"\n', "paths.cpp:2: core includes app"),
    "cleaner/window.cpp": ('  #  include "tools/clipboard.h"\n', "window.cpp:1: cleaner includes tools"),
    "ui/sink.h": ('#include "sysinfo/info.h"\n', "sink.h:1: ui includes sysinfo"),
    "newroom/x.cpp": ("\n", "room 'newroom' is not in the order"),
}.items():
    result = run({planted: expected[0]})
    if result.returncode != 1 or expected[1] not in result.stdout:
        failures.append(f"{planted}: exit {result.returncode}, {result.stdout!r}")

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
