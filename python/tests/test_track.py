"""The installed package against trkconv on the example track, and its handling of tracks that
were not read, of its inputs and of its lifetime."""
import json
import os
import pathlib
import subprocess

import pytest

import tarmaxion_track

REPO = pathlib.Path(__file__).resolve().parents[2]
TRKCONV = os.environ.get("TARMAXION_TRKCONV", str(REPO / "build/release/programs/trkconv/trkconv"))
LAKESIDE = REPO / "examples/lakeside.trk"


def trkconv(*arguments):
    return subprocess.run([TRKCONV, *map(str, arguments)], capture_output=True, check=True).stdout


def trkconv_output(tmp_path, name, *arguments):
    out = tmp_path / name
    trkconv(*arguments, "-o", out, LAKESIDE)
    return out.read_bytes()


@pytest.fixture
def lakeside():
    with tarmaxion_track.open(LAKESIDE) as track:
        yield track


def test_the_library_is_the_one_the_package_carries():
    package = pathlib.Path(tarmaxion_track.__file__).parent
    assert pathlib.Path(tarmaxion_track._library.library._name).parent == package
    assert tarmaxion_track.__version__ == trkconv("--version").decode().split()[1]


class TestReadTrack:
    def test_lists_what_trkconv_lists(self, lakeside):
        assert lakeside.status == "read" and lakeside.message == ""
        assert lakeside.info_lines == trkconv("info", LAKESIDE).decode().split("\n")[:-1]
        expected = json.loads(trkconv("info", "--json", LAKESIDE))
        del expected["path"]
        assert lakeside.info == expected

    def test_makes_trkconvs_copy_and_maps(self, lakeside, tmp_path):
        assert lakeside.copy_as_105() == trkconv_output(tmp_path, "copy.trk", "convert")
        assert lakeside.map_png() == trkconv_output(tmp_path, "map.png", "preview")
        thumbnail = trkconv_output(tmp_path, "map-128.png", "preview", "--size", 128, "--map-only")
        assert lakeside.map_png(128, map_only=True) == thumbnail

    def test_pixels_have_the_pngs_size(self, lakeside):
        width, height, pixels = lakeside.map_rgba()
        png = lakeside.map_png()
        assert (width, height) == (int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big"))
        assert len(pixels) == width * height * 4 and pixels[3::4] == b"\xff" * (width * height)

    def test_names_its_copy_and_map(self, lakeside):
        assert lakeside.copy_name == "lakeside_c.trk"
        assert lakeside.map_name.startswith("lakeside_")


@pytest.mark.parametrize("data, status, message", [
    (b"not a track at all", "refused", "Caution: Version <> 1.05"),
    (LAKESIDE.read_bytes()[:12000], "damaged", "Damaged track: "),
    (bytes(1_000_001), "too_large", "Track too large: "),
])
def test_a_track_not_read_has_no_copy_and_no_map(data, status, message):
    with tarmaxion_track.open(data, name="x.trk") as track:
        assert track.status == status and track.message.startswith(message)
        for make in (track.copy_as_105, track.map_png, track.map_rgba):
            with pytest.raises(tarmaxion_track.TrackError, match=message):
                make()


@pytest.mark.parametrize("wrap", [bytes, bytearray, memoryview])
def test_bytes_read_as_the_file_does(wrap):
    data = LAKESIDE.read_bytes()
    from_path = tarmaxion_track.open(str(LAKESIDE))
    from_bytes = tarmaxion_track.open(wrap(data), name="lakeside.trk")
    assert from_bytes.info_lines == from_path.info_lines
    assert from_bytes.copy_as_105() == from_path.copy_as_105()


def test_a_closed_track_refuses_every_use():
    with tarmaxion_track.open(LAKESIDE) as track:
        assert track.status == "read"
    track.close()
    for use in (lambda: track.status, lambda: track.info_lines, track.copy_as_105, track.map_png):
        with pytest.raises(ValueError, match="closed"):
            use()


def test_names_read_in_the_code_page_asked_for():
    # Lakeside with its author written on a Russian Windows.
    data = LAKESIDE.read_bytes().replace(b"Example Crew", b"\xc2\xe0\xf1\xff" + bytes(8))
    with tarmaxion_track.open(data, name="lakeside.trk", codepage=1251) as track:
        assert track.info["codepage"] == 1251 and track.info["author"] == "Вася"
    with tarmaxion_track.open(data, name="lakeside.trk") as track:
        assert track.info["codepage"] == 1252 and track.info["author"] == "Âàñÿ"
    with pytest.raises(ValueError, match=r"code page 1255 is not supported \(supported: 1250, 1251, 1252, 1253, 1254, 1257\)"):
        tarmaxion_track.open(data, codepage=1255)
