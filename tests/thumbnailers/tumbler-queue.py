"""Asks the session's thumbnail service over D-Bus as a file manager does: one Queue call with
the files' URIs and their types from GIO, then the Ready and Error signals until Finished.
Prints one line a file, tab-separated: "thumbnail PATH THUMBNAIL", "failed PATH MESSAGE" or
"unanswered PATH"; exits 1 when the service does not finish within a minute.
Usage: tumbler-queue.py normal|large FILE..."""
import hashlib
import os
import sys

from gi.repository import Gio, GLib

flavor, paths = sys.argv[1], sys.argv[2:]
uris = [Gio.File.new_for_path(path).get_uri() for path in paths]
types = [Gio.File.new_for_path(path).query_info("standard::content-type", Gio.FileQueryInfoFlags.NONE,
                                                None).get_content_type() for path in paths]
name = "org.freedesktop.thumbnails.Thumbnailer1"
service = Gio.DBusProxy.new_for_bus_sync(Gio.BusType.SESSION, Gio.DBusProxyFlags.NONE, None, name,
                                         "/" + name.replace(".", "/"), name, None)
answers, loop, handle = {}, GLib.MainLoop(), None


def on_signal(_proxy, _sender, signal, parameters):
    values = parameters.unpack()
    if values[0] != handle:
        return
    if signal == "Ready":
        answers.update((uri, None) for uri in values[1])
    elif signal == "Error":
        answers.update((uri, values[3]) for uri in values[1])
    elif signal == "Finished":
        loop.quit()


service.connect("g-signal", on_signal)
(handle,) = service.call_sync("Queue", GLib.Variant("(asasssu)", (uris, types, flavor, "default", 0)),
                              Gio.DBusCallFlags.NONE, 10000, None).unpack()
timed_out = []
GLib.timeout_add_seconds(60, lambda: timed_out.append(True) or loop.quit())
loop.run()
cache = os.path.join(GLib.get_user_cache_dir(), "thumbnails", flavor)
for path, uri in zip(paths, uris):
    if uri not in answers:
        print("unanswered", path, sep="\t")
    elif answers[uri] is None:
        print("thumbnail", path, os.path.join(cache, hashlib.md5(uri.encode()).hexdigest() + ".png"), sep="\t")
    else:
        print("failed", path, answers[uri], sep="\t")
sys.exit(1 if timed_out else 0)
