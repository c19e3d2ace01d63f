// The gallery of dropped tracks: a card for each, with its map as a thumbnail, the lines the
// model gives (version, length, author, best lap; or why it was not converted), a button that
// opens it in the main view and one that saves its copy. The model orders and filters the cards;
// the thumbnails come from a worker with a module of its own, so hundreds of them never hold up
// the page.
const element = (id) => document.getElementById(id);

export class Gallery {
  // order(by, filter) gives the indices of the cards to show; noMatch(filter) what to say when
  // it gives none; save(index) hands over a copy.
  constructor({ order, noMatch, save }) {
    this.order = order;
    this.noMatch = noMatch;
    this.save = save;
    this.list = element("gallery");
    this.note = element("gallery-note");
    this.orderBy = element("gallery-order");
    this.filter = element("gallery-filter");
    this.cards = [];
    this.canvases = new Map();  // thumbnails on their way, by request
    this.requests = 0;
    this.drawn = 0;
    this.worker = null;
    this.orderBy.addEventListener("change", () => this.arrange());
    this.filter.addEventListener("input", () => this.arrange());
  }

  // A card for a track the model has just taken: {index, name, state, lines, copyName}; bytes
  // (or nothing for a file that could not be read) for its thumbnail; open loads it.
  add(card, bytes, open) {
    const item = document.createElement("li");
    item.className = `card ${card.state}`;
    const opener = document.createElement("button");
    opener.type = "button";
    opener.className = "card-open";
    opener.setAttribute("aria-label", `Open ${card.name}`);
    const canvas = document.createElement("canvas");
    canvas.width = canvas.height = 128;
    canvas.setAttribute("aria-hidden", "true");
    const name = document.createElement("span");
    name.textContent = card.name;
    opener.append(canvas, name);
    opener.addEventListener("click", open);
    item.append(opener);
    for (const line of card.lines) {
      const text = document.createElement("p");
      text.textContent = line;
      item.append(text);
    }
    if (card.state === "converted") {
      const saver = document.createElement("button");
      saver.type = "button";
      saver.className = "card-save";
      saver.textContent = card.copyName;
      saver.setAttribute("aria-label", `Save ${card.copyName}`);
      saver.addEventListener("click", () => this.save(card.index));
      item.append(saver);
      this.thumbnail(canvas, bytes);
    }
    this.cards[card.index] = item;
    this.list.append(item);
  }

  // New lines for every card, in the order of the cards (after the texts were read in another
  // code page); the order and the filter then follow them.
  relist(lines) {
    lines.forEach((card, i) => this.cards[i].querySelectorAll("p").forEach((text, j) => (text.textContent = card[j])));
    this.arrange();
  }

  // Shows the cards the model picks, in its order.
  arrange() {
    const indices = this.order(this.orderBy.value, this.filter.value);
    this.list.replaceChildren(...indices.map((i) => this.cards[i]));
    this.note.textContent = indices.length === 0 && this.cards.length > 0 ? this.noMatch(this.filter.value) : "";
  }

  clear() {
    this.cards = [];
    this.canvases.clear();
    this.list.replaceChildren();
    this.note.textContent = "";
  }

  thumbnail(canvas, bytes) {
    if (this.worker === null) {
      this.worker = new Worker("thumbnails.js", { type: "module" });
      this.worker.addEventListener("message", ({ data }) => this.draw(data));
    }
    this.requests += 1;
    this.canvases.set(this.requests, canvas);
    this.worker.postMessage({ id: this.requests, bytes });
  }

  draw({ id, bitmap }) {
    const canvas = this.canvases.get(id);
    this.canvases.delete(id);
    if (canvas && bitmap) canvas.getContext("bitmaprenderer").transferFromImageBitmap(bitmap);
    this.drawn += 1;
  }
}
