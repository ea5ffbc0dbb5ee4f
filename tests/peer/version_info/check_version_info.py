#!/usr/bin/python3
"""The version reader against python3-pefile on real PE files.

For every PE file of a Wine system folder and of our own program folder, the
reader (tekoinfo --version-info, run under Wine, prints what it offers) and
pefile must agree on whether there is version information, on the fixed file
version and on every key=value entry of the first string table.

A file can carry one version resource per language. GetFileVersionInfoW
takes the one the resource loader picks (neutral, then US English, then the
first); pefile is given that same one.

Exit codes: 0 all agree, 1 disagreement, 77 pefile missing (test skipped).
"""
import argparse
import os
import subprocess
import sys
import tempfile

try:
    import pefile
except ImportError:
    print("python3-pefile is not installed: peer check skipped")
    sys.exit(77)

RT_VERSION = 16
# Resource languages in the order the loader tries them when no language is asked for.
LANGUAGE_PREFERENCE = [0x0000, 0x0409, 0x0400, 0x0800, 0x0009]
BATCH = 60


def escaped(text):
    out = []
    for c in text:
        if c == "\r":
            out.append("\\r")
        elif c == "\n":
            out.append("\\n")
        elif c == "\t":
            out.append("\\t")
        elif ord(c) < 0x20:
            out.append("\\x%02x" % ord(c))
        else:
            out.append(c)
    return "".join(out)


def version_text(ms, ls):
    return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def version_entries(pe):
    """Language id -> resource data entry, for every version resource."""
    found = {}
    resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for type_entry in resources.entries if resources else []:
        if type_entry.id != RT_VERSION:
            continue
        for name_entry in type_entry.directory.entries:
            for language_entry in name_entry.directory.entries:
                found.setdefault(language_entry.id, language_entry.data.struct)
        break
    return found


def chosen_language(languages):
    for language in LANGUAGE_PREFERENCE:
        if language in languages:
            return language
    return next(iter(languages))


def peer_view(path):
    """What pefile reads: None when not a PE file, else (fixed version or
    None, list of key=value of the first string table)."""
    try:
        pe = pefile.PE(path, fast_load=True)
        pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    except pefile.PEFormatError:
        return None
    entries = version_entries(pe)
    if not entries:
        return (None, [])
    # Parsing the resource directory already read every language's resource;
    # parse the chosen one once more, so it is the last in pefile's lists.
    parsed = len(getattr(pe, "VS_FIXEDFILEINFO", []))
    pe.parse_version_information(entries[chosen_language(entries)])
    if len(getattr(pe, "VS_FIXEDFILEINFO", [])) <= parsed:
        return (None, [])
    fixed = pe.VS_FIXEDFILEINFO[-1]
    strings = []
    for info in pe.FileInfo[-1] if len(pe.FileInfo) > parsed else []:
        if info.Key == b"StringFileInfo" and info.StringTable:
            for key, value in info.StringTable[0].entries.items():
                strings.append(escaped(key.decode("utf-8", "replace")) + "=" + escaped(value.decode("utf-8", "replace")))
            break
    return (version_text(fixed.FileVersionMS, fixed.FileVersionLS), strings)


def windows_path(linux_path, system_folder):
    if os.path.dirname(linux_path) == system_folder:
        return "C:\\windows\\system32\\" + os.path.basename(linux_path)
    return "Z:" + linux_path.replace("/", "\\")


def reader_views(tekoinfo, paths):
    """What our reader offers, per Windows path: (fixed version or None,
    entries, error text)."""
    views = {}
    for start in range(0, len(paths), BATCH):
        batch = paths[start:start + BATCH]
        # A file, not a pipe: a wineserver started by this run keeps the
        # handles it inherited until the prefix is idle.
        with tempfile.TemporaryFile() as output:
            subprocess.run(["wine", tekoinfo, "--version-info"] + batch, stdout=output, stderr=subprocess.DEVNULL,
                           timeout=600)
            output.seek(0)
            text = output.read().decode("utf-8", "replace")
        current = None
        for line in text.splitlines():
            line = line.rstrip("\r")
            if not line.startswith("  "):
                current = views.setdefault(line, [None, [], None])
            elif line.startswith("  Fixed file version: "):
                current[0] = line[len("  Fixed file version: "):]
            elif line.startswith("  Error: "):
                current[2] = line[len("  Error: "):]
            else:
                current[1].append(line[2:])
    return views


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tekoinfo", required=True,
                        help="tekoinfo.exe, whose --version-info prints what the reader offers")
    parser.add_argument("--system-folder", required=True)
    parser.add_argument("--programs", required=True, help="folder of our own .exe files")
    args = parser.parse_args()

    system_folder = os.path.realpath(args.system_folder)
    candidates = [os.path.join(system_folder, name) for name in sorted(os.listdir(system_folder))]
    programs = os.path.realpath(args.programs)
    candidates += [os.path.join(programs, name) for name in sorted(os.listdir(programs)) if name.endswith(".exe")]

    peers = {}
    for path in candidates:
        if not os.path.isfile(path):
            continue
        with open(path, "rb") as f:
            if f.read(2) != b"MZ":
                continue
        view = peer_view(path)
        if view is not None:
            peers[windows_path(path, system_folder)] = view

    ours = reader_views(args.tekoinfo, list(peers))
    disagreements = []
    with_version = 0
    for path, (peer_fixed, peer_strings) in peers.items():
        fixed, strings, error = ours.get(path, (None, [], "no output"))
        if peer_fixed is None:
            if fixed is not None:
                disagreements.append("%s: pefile finds no version information, the reader shows %s" % (path, fixed))
            continue
        with_version += 1
        if fixed is None:
            disagreements.append("%s: the reader failed (%s), pefile reads %s" % (path, error, peer_fixed))
        elif fixed != peer_fixed:
            disagreements.append("%s: fixed file version %s, pefile %s" % (path, fixed, peer_fixed))
        elif strings != peer_strings:
            only_ours = [s for s in strings if s not in peer_strings]
            only_peer = [s for s in peer_strings if s not in strings]
            disagreements.append("%s: strings differ; reader only %s; pefile only %s" % (path, only_ours, only_peer))

    print("compared %d PE files (%d with version information, %d without)" %
          (len(peers), with_version, len(peers) - with_version))
    for line in disagreements:
        print("DISAGREE " + line)
    print("%d disagreements" % len(disagreements))
    return 1 if disagreements else 0


if __name__ == "__main__":
    sys.exit(main())
