"""What the tekoinfo tests share: running it under Wine, collecting failed
checks, and the closing lines with the exit code."""
import subprocess
import sys

failures = []


def run(exe, *arguments):
    return subprocess.run(["wine", exe, *arguments], capture_output=True, timeout=120)


def check(condition, message):
    if not condition:
        failures.append(message)


def finish():
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures)} failures")
    sys.exit(1 if failures else 0)
