#!/usr/bin/env python3
"""Packs a folder into a zip that two builds of one commit make byte for byte alike: the entries
in sorted order under the folder's own name, every time stamp SOURCE_DATE_EPOCH (1980-01-01
without it, the earliest a zip holds), modes 644 or 755 whatever the umask was, no extra fields.
Usage: pack_zip.py ZIP FOLDER"""
import os
import sys
import time
import zipfile


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    archive, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
    stamp = time.gmtime(epoch)[:6]
    paths = []
    for top, folders, files in os.walk(folder):
        paths += [os.path.join(top, name) for name in files]
    root = os.path.dirname(folder)
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as packed:
        for path in sorted(paths, key=lambda p: os.path.relpath(p, root).replace(os.sep, "/")):
            entry = zipfile.ZipInfo(os.path.relpath(path, root).replace(os.sep, "/"), stamp)
            executable = os.access(path, os.X_OK)
            entry.external_attr = (0o100755 if executable else 0o100644) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as file:
                packed.writestr(entry, file.read())


if __name__ == "__main__":
    main()
