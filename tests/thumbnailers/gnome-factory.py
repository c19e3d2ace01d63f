"""Asks GNOME's thumbnail factory for thumbnails as the Files app does: the file's type from
GIO, generate (which runs the thumbnailer entry in the factory's sandbox), then save, or record
the failure so the file is not tried again. Prints one line a file, tab-separated:
"thumbnail PATH THUMBNAIL" or "failed PATH MESSAGE RECORDED".
Usage: gnome-factory.py normal|large FILE..."""
import sys

import gi

gi.require_version("GnomeDesktop", "3.0")
from gi.repository import Gio, GLib, GnomeDesktop  # noqa: E402

size = getattr(GnomeDesktop.DesktopThumbnailSize, sys.argv[1].upper())
factory = GnomeDesktop.DesktopThumbnailFactory.new(size)
for path in sys.argv[2:]:
    file = Gio.File.new_for_path(path)
    info = file.query_info("standard::content-type,time::modified", Gio.FileQueryInfoFlags.NONE, None)
    uri, mime = file.get_uri(), info.get_content_type()
    mtime = info.get_attribute_uint64("time::modified")
    if not factory.can_thumbnail(uri, mime, mtime):
        # Refused as well when an earlier failure is recorded, so the file is not tried again.
        failed_before = factory.has_valid_failed_thumbnail(uri, mtime)
        why = "it failed before" if failed_before else f"no thumbnailer for {mime}"
        print("failed", path, why, "yes" if failed_before else "no", sep="\t")
        continue
    try:
        factory.save_thumbnail(factory.generate_thumbnail(uri, mime, None), uri, mtime, None)
        print("thumbnail", path, GnomeDesktop.desktop_thumbnail_path_for_uri(uri, size), sep="\t")
    except GLib.Error as error:
        factory.create_failed_thumbnail(uri, mtime, None)
        recorded = "yes" if factory.has_valid_failed_thumbnail(uri, mtime) else "no"
        print("failed", path, error.message, recorded, sep="\t")
