#!/usr/bin/env python3
"""Packs the tarmaxion_track package and the shared library into a wheel with the standard
library alone: no package index and no build backend, and the same inputs give the same bytes
(entries in a fixed order, every time stamp SOURCE_DATE_EPOCH, 1980-01-01 without it).
Usage: make_wheel.py --version V --library FILE --out DIR [--platform TAG]
The library keeps its file name in the wheel (libtarmaxion-track.so.1, tarmaxion-track.dll)."""
import argparse
import base64
import hashlib
import os
import sysconfig
import time
import zipfile

PACKAGE = "tarmaxion_track"
METADATA = """\
Metadata-Version: 2.1
Name: tarmaxion-track
Version: {version}
Summary: Tarmaxion track files: their fields, version-1.05 copies and maps, over libtarmaxion-track
Requires-Python: >=3.8
"""
WHEEL = """\
Wheel-Version: 1.0
Generator: tarmaxion make_wheel.py
Root-Is-Purelib: false
Tag: py3-none-{platform}
"""


def package_files(library):
    """(name in the wheel, bytes, executable) for the package's sources and the library."""
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), PACKAGE)
    files = []
    for name in sorted(os.listdir(folder)):
        if name.endswith(".py") or name == "py.typed":
            with open(os.path.join(folder, name), "rb") as file:
                files.append((f"{PACKAGE}/{name}", file.read(), False))
    with open(library, "rb") as file:
        files.append((f"{PACKAGE}/{os.path.basename(library)}", file.read(), True))
    return sorted(files)


def record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return f"{name},sha256={digest},{len(data)}\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--library", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--platform", default=sysconfig.get_platform().replace("-", "_").replace(".", "_"))
    arguments = parser.parse_args()

    info = f"{PACKAGE}-{arguments.version}.dist-info"
    files = package_files(arguments.library)
    files.append((f"{info}/METADATA", METADATA.format(version=arguments.version).encode(), False))
    files.append((f"{info}/WHEEL", WHEEL.format(platform=arguments.platform).encode(), False))
    record = "".join(record_line(name, data) for name, data, _ in files) + f"{info}/RECORD,,\n"
    files.append((f"{info}/RECORD", record.encode(), False))

    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
    stamp = time.gmtime(epoch)[:6]
    os.makedirs(arguments.out, exist_ok=True)
    path = os.path.join(arguments.out, f"{PACKAGE}-{arguments.version}-py3-none-{arguments.platform}.whl")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as wheel:
        for name, data, executable in files:
            entry = zipfile.ZipInfo(name, stamp)
            entry.external_attr = (0o100755 if executable else 0o100644) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            wheel.writestr(entry, data)
    print(path)


if __name__ == "__main__":
    main()
