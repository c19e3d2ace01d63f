/* What a C program gets from the installed library for each track named on the command line,
 * written as files for scripts/test-library to hold against trkconv's outputs:
 * OUT/N.info (info lines), N.json, N.status (status and message), N.trk (the 1.05 copy),
 * N.png (the whole map), N-map-128.png (128 pixels without the caption band), N.rgba. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tarmaxion/track.h>

static unsigned char* read_file(const char* path, size_t* size) {
  FILE* file = fopen(path, "rb");
  if (file == NULL) return NULL;
  size_t capacity = 1 << 20, used = 0;
  unsigned char* bytes = malloc(capacity + 1);
  size_t got;
  while (bytes != NULL && (got = fread(bytes + used, 1, capacity + 1 - used, file)) > 0) {
    used += got;
    if (used == capacity + 1) {
      unsigned char* more = realloc(bytes, 2 * capacity + 1);
      if (more == NULL) break;
      bytes = more;
      capacity *= 2;
    }
  }
  fclose(file);
  *size = used;
  return bytes;
}

static int write_file(const char* out, int index, const char* suffix, const void* bytes, size_t size) {
  char path[4096];
  snprintf(path, sizeof path, "%s/%d%s", out, index, suffix);
  FILE* file = fopen(path, "wb");
  if (file == NULL) return 1;
  const int failed = fwrite(bytes, 1, size, file) != size;
  return fclose(file) != 0 || failed;
}

static int write_text(const char* out, int index, const char* suffix, const char* text) {
  size_t size = 0;
  while (text[size] != '\0') ++size;
  return write_file(out, index, suffix, text, size);
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: c-client OUT_FOLDER TRACK...\n");
    return 2;
  }
  /* The installed headers must be of the library that the program loads. */
  if (strcmp(tmx_version(), TMX_VERSION_STRING) != 0) {
    fprintf(stderr, "c-client: headers of %s, library %s\n", TMX_VERSION_STRING, tmx_version());
    return 1;
  }
  int failed = 0;
  for (int i = 2; i < argc; ++i) {
    size_t size = 0;
    unsigned char* bytes = read_file(argv[i], &size);
    if (bytes == NULL) continue;
    const char* name = argv[i];
    for (const char* c = argv[i]; *c != '\0'; ++c)
      if (*c == '/') name = c + 1;
    tmx_track* track = tmx_open(bytes, size, name);
    free(bytes);
    if (track == NULL) return 1;
    char status[64];
    snprintf(status, sizeof status, "%d ", tmx_status(track));
    failed |= write_file(argv[1], i, ".status", status, 2) | write_text(argv[1], i, ".message", tmx_message(track));
    failed |= write_text(argv[1], i, ".info", tmx_info_lines(track)) | write_text(argv[1], i, ".json", tmx_info_json(track));
    const unsigned char* made;
    size_t made_size;
    int width, height;
    if (tmx_copy_as_105(track, &made, &made_size) == TMX_OK) failed |= write_file(argv[1], i, ".trk", made, made_size);
    if (tmx_map_png(track, 0, 0, &made, &made_size) == TMX_OK) failed |= write_file(argv[1], i, ".png", made, made_size);
    if (tmx_map_png(track, 128, 1, &made, &made_size) == TMX_OK) failed |= write_file(argv[1], i, "-map-128.png", made, made_size);
    if (tmx_map_rgba(track, &made, &width, &height) == TMX_OK)
      failed |= write_file(argv[1], i, ".rgba", made, (size_t)width * (size_t)height * 4);
    tmx_close(track);
  }
  return failed;
}
