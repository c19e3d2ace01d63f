// The gallery's thumbnails, made in this worker with a module instance of its own (the npm
// package's) so that the page answers clicks while hundreds are made. Takes {id, bytes} of a
// track; answers {id, bitmap}, the bitmap null for a track the module could not draw.
import { openTrack } from "./tarmaxion-track.js";

const kSide = 128;

self.addEventListener("message", async ({ data }) => {
  let bitmap = null;
  try {
    const track = await openTrack(data.bytes);
    try {
      // The map area without its caption, as a PNG file the browser decodes off this thread.
      if (track.status === "read") bitmap = await createImageBitmap(new Blob([track.mapPng({ size: kSide, mapOnly: true })], { type: "image/png" }));
    } finally {
      track.close();
    }
  } finally {
    self.postMessage({ id: data.id, bitmap }, bitmap ? [bitmap] : []);
  }
});
