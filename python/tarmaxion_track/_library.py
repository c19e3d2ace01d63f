"""Loads libtarmaxion-track and declares the C functions' signatures.

The wheel carries the library beside this file; without it (a source checkout, a distribution
package that installs the library on its own) the system's copy is used."""
from __future__ import annotations

import ctypes
import ctypes.util
import os
import sys

_FILE_NAME = "tarmaxion-track.dll" if sys.platform == "win32" else "libtarmaxion-track.so.1"


def _load() -> ctypes.CDLL:
    beside = os.path.join(os.path.dirname(os.path.abspath(__file__)), _FILE_NAME)
    candidates = [beside, ctypes.util.find_library("tarmaxion-track"), _FILE_NAME]
    errors = []
    for candidate in candidates:
        if candidate is None:
            continue
        try:
            return ctypes.CDLL(candidate)
        except OSError as error:
            errors.append(str(error))
    raise ImportError("libtarmaxion-track could not be loaded: " + "; ".join(errors))


library = _load()

_bytes_out = ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))
_handle = ctypes.c_void_p

library.tmx_version.argtypes = []
library.tmx_version.restype = ctypes.c_char_p
library.tmx_open.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_char_p]
library.tmx_open.restype = _handle
library.tmx_open_codepage.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_char_p, ctypes.c_int]
library.tmx_open_codepage.restype = _handle
library.tmx_codepage_problem.argtypes = [ctypes.c_int]
library.tmx_codepage_problem.restype = ctypes.c_char_p
library.tmx_status.argtypes = [_handle]
library.tmx_status.restype = ctypes.c_int
for _text in (library.tmx_message, library.tmx_info_lines, library.tmx_info_json, library.tmx_map_name,
              library.tmx_copy_name):
    _text.argtypes = [_handle]
    _text.restype = ctypes.c_char_p
library.tmx_copy_as_105.argtypes = [_handle, _bytes_out, ctypes.POINTER(ctypes.c_size_t)]
library.tmx_copy_as_105.restype = ctypes.c_int
library.tmx_map_rgba.argtypes = [_handle, _bytes_out, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
library.tmx_map_rgba.restype = ctypes.c_int
library.tmx_map_png.argtypes = [_handle, ctypes.c_int, ctypes.c_int, _bytes_out, ctypes.POINTER(ctypes.c_size_t)]
library.tmx_map_png.restype = ctypes.c_int
library.tmx_close.argtypes = [_handle]
library.tmx_close.restype = None

# The codes of tmx_status and of the functions that make something, as the header numbers them.
STATUS_NAMES = ("read", "refused", "damaged", "too_large")
OK, NOT_READ, BAD_ARGUMENT, NO_MEMORY = 0, -1, -2, -3
