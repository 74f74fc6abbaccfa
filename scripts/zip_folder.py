#!/usr/bin/env python3
"""Packs the files named on standard input (paths relative to FOLDER, one a line) into the zip
archive ARCHIVE under the folder name TOP, in the order given, with fixed dates so the same
files give the same bytes. The archive is written beside its place and renamed into it: a
failed run leaves no half archive.

Usage: zip_folder.py FOLDER ARCHIVE TOP
"""
import os
import sys
import tempfile
import zipfile

FIXED_DATE = (2000, 1, 1, 0, 0, 0)


def main() -> int:
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    folder, archive, top = sys.argv[1:]
    names = [line.rstrip("\n") for line in sys.stdin if line.strip()]
    target = os.path.abspath(archive)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    handle, temporary = tempfile.mkstemp(dir=os.path.dirname(target), suffix=".part")
    os.close(handle)
    try:
        with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
            for name in names:
                source = os.path.join(folder, name)
                if not os.path.isfile(source):
                    print(f"zip_folder.py: {source} is missing", file=sys.stderr)
                    return 1
                entry = zipfile.ZipInfo(f"{top}/{name}", FIXED_DATE)
                entry.compress_type = zipfile.ZIP_DEFLATED
                entry.external_attr = 0o644 << 16
                with open(source, "rb") as f:
                    z.writestr(entry, f.read())
        os.chmod(temporary, 0o644)
        os.replace(temporary, target)
        temporary = None
    finally:
        if temporary is not None and os.path.exists(temporary):
            os.remove(temporary)
    print(f"{target}: {len(names)} files under {top}/")
    return 0


if __name__ == "__main__":
    sys.exit(main())
