// The gallery's thumbnails, made in this worker with a module instance of its own so that the
// page answers clicks while hundreds are made. Takes {id, bytes} of a track; answers {id, bitmap},
// the bitmap null for a track the module could not draw.
import TarmaxionModule from "./tarmaxion.js";

const kSide = 128;
const thumbnails = TarmaxionModule().then((wasm) => new wasm.Thumbnails());

self.addEventListener("message", async ({ data }) => {
  let bitmap = null;
  try {
    const maker = await thumbnails;
    maker.receive(data.bytes.length).set(data.bytes);
    const picture = maker.thumbnail(kSide);
    // The pixels are copied out of the module's memory before anything else can call into it.
    if (picture !== null) bitmap = await createImageBitmap(new ImageData(new Uint8ClampedArray(picture.pixels), picture.width, picture.height));
  } finally {
    self.postMessage({ id: data.id, bitmap }, bitmap ? [bitmap] : []);
  }
});
