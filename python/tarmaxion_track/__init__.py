"""Tarmaxion track files from Python: open a track, list its fields, make its version-1.05 copy
and draw its map, with the same bytes as the converter's window and trkconv.

    with tarmaxion_track.open("lakeside.trk") as track:
        print("\\n".join(track.info_lines))
        copy = track.copy_as_105()

A Track may be shared between threads; its calls then take turns."""
from __future__ import annotations

import contextlib
import ctypes
import io
import json
import os
import threading
import weakref
from typing import Any, Callable, Dict, Iterator, List, Optional, Tuple, Union

from ._library import NO_MEMORY, NOT_READ, OK, STATUS_NAMES, library as _c

__all__ = ["Track", "TrackError", "open", "__version__"]
__version__: str = _c.tmx_version().decode()

Source = Union[str, "os.PathLike[str]", "os.PathLike[bytes]", bytes, bytearray, memoryview]


class TrackError(Exception):
    """Asked for the copy or the map of a track that was not read; the text is the track's message."""


def _encode(text: str) -> bytes:
    # surrogateescape carries a file name that is not UTF-8 through unchanged, as the system has it.
    return text.encode("utf-8", "surrogateescape")


def _decode(text: bytes) -> str:
    return text.decode("utf-8", "surrogateescape")


def open(source: Source, name: Optional[str] = None, codepage: int = 1252) -> Track:
    """Opens a track from a path (read at once; name defaults to the file's name) or from its
    bytes (bytes, bytearray or memoryview). The name is what the caption and the info list show;
    codepage is the Windows code page its author, driver and car names are read in (1250, 1251,
    1252, 1253, 1254 or 1257; another raises ValueError)."""
    if isinstance(source, (bytes, bytearray, memoryview)):
        data = bytes(source)
    else:
        path = os.fspath(source)
        with io.open(path, "rb") as file:
            data = file.read()
        if name is None:
            name = os.path.basename(os.fsdecode(path))
    return Track(data, name, codepage)


class Track:
    """One opened track. The library keeps its own copy of the bytes until close(), which a with
    block calls; a track that is not closed is freed when it is collected."""

    def __init__(self, data: bytes, name: Optional[str] = None, codepage: int = 1252) -> None:
        problem = _c.tmx_codepage_problem(codepage)
        if problem:
            raise ValueError(problem.decode())
        handle = _c.tmx_open_codepage(data, len(data), None if name is None else _encode(name), codepage)
        if not handle:
            raise MemoryError("no memory for the track")
        self._handle: int = handle
        self._lock = threading.Lock()
        self._closer = weakref.finalize(self, _c.tmx_close, handle)

    def __enter__(self) -> Track:
        return self

    def __exit__(self, *exception: object) -> None:
        self.close()

    def close(self) -> None:
        """Frees the track; closing again does nothing, any other use raises ValueError."""
        with self._lock:
            self._closer()

    @contextlib.contextmanager
    def _using(self) -> Iterator[int]:
        # What a C function returns stays valid only until the next call on the same track: each
        # call and the copy of its result happen under the lock.
        with self._lock:
            if not self._closer.alive:
                raise ValueError("the track is closed")
            yield self._handle

    def _text(self, function: Callable[[int], bytes]) -> str:
        with self._using() as handle:
            return _decode(function(handle))

    def _check(self, handle: int, code: int) -> None:
        if code == NOT_READ:
            raise TrackError(_decode(_c.tmx_message(handle)))
        if code == NO_MEMORY:
            raise MemoryError("no memory for the track's result")
        if code != OK:
            raise ValueError(f"the library refused the arguments (code {code})")

    def _made(self, function: Callable[..., int], *arguments: int) -> bytes:
        made = ctypes.POINTER(ctypes.c_ubyte)()
        size = ctypes.c_size_t()
        with self._using() as handle:
            self._check(handle, function(handle, *arguments, ctypes.byref(made), ctypes.byref(size)))
            return ctypes.string_at(made, size.value)

    @property
    def status(self) -> str:
        """"read", "refused", "damaged" or "too_large"."""
        with self._using() as handle:
            return STATUS_NAMES[_c.tmx_status(handle)]

    @property
    def message(self) -> str:
        """The window's log line for a track that was not read; "" when it was read."""
        return self._text(_c.tmx_message)

    @property
    def info_lines(self) -> List[str]:
        """The info list as `trkconv info` prints it, one string a line."""
        return self._text(_c.tmx_info_lines).split("\n")[:-1]

    @property
    def info(self) -> Dict[str, Any]:
        """The object `trkconv info --json` prints, without the path."""
        parsed: Dict[str, Any] = json.loads(self._text(_c.tmx_info_json))
        return parsed

    @property
    def map_name(self) -> str:
        """The name the window logs for the map ("monza_4567_Bob"); "" for a track not read."""
        return self._text(_c.tmx_map_name)

    @property
    def copy_name(self) -> str:
        """The name the window offers for the copy: "_c.trk" in place of ".trk"."""
        return self._text(_c.tmx_copy_name)

    def copy_as_105(self) -> bytes:
        """The copy that declares version 1.05, with object types 25 to 32 rewritten."""
        return self._made(_c.tmx_copy_as_105)

    def map_rgba(self) -> Tuple[int, int, bytes]:
        """The map as (width, height, pixels): top row first, R G B A a pixel, A always 255."""
        pixels = ctypes.POINTER(ctypes.c_ubyte)()
        width, height = ctypes.c_int(), ctypes.c_int()
        with self._using() as handle:
            self._check(handle, _c.tmx_map_rgba(handle, ctypes.byref(pixels), ctypes.byref(width), ctypes.byref(height)))
            return width.value, height.value, ctypes.string_at(pixels, width.value * height.value * 4)

    def map_png(self, size: Optional[int] = None, map_only: bool = False) -> bytes:
        """The map as a PNG file: the full 512 x 560 pixels, or scaled down by area averaging to
        size pixels on its longer side (never up); map_only leaves out the caption band."""
        if size is not None and not 0 < size < 2**31:
            raise ValueError(f"size must be a positive number of pixels, not {size}")
        return self._made(_c.tmx_map_png, size or 0, int(map_only))
