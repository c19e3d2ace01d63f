/* Prints a track's info list and writes its version-1.05 copy and its map beside it.
 *   cc track-info.c $(pkg-config --cflags --libs tarmaxion-track) -o track-info
 *   ./track-info examples/lakeside.trk */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tarmaxion/track.h>

static int save(const char* path, const unsigned char* bytes, size_t size) {
  FILE* file = fopen(path, "wb");
  if (file == NULL || fwrite(bytes, 1, size, file) != size) return perror(path), 1;
  return fclose(file) != 0;
}

int main(int argc, char** argv) {
  if (argc != 2) return fprintf(stderr, "usage: %s TRACK\n", argv[0]), 2;
  static unsigned char bytes[1000001];
  FILE* file = fopen(argv[1], "rb");
  if (file == NULL) return perror(argv[1]), 1;
  const size_t size = fread(bytes, 1, sizeof bytes, file);
  fclose(file);

  tmx_track* track = tmx_open(bytes, size, strrchr(argv[1], '/') ? strrchr(argv[1], '/') + 1 : argv[1]);
  if (track == NULL) return 1;
  fputs(tmx_info_lines(track), stdout);
  if (tmx_status(track) != TMX_READ) {
    fprintf(stderr, "%s: %s\n", argv[1], tmx_message(track));
    tmx_close(track);
    return 1;
  }
  const unsigned char* made;
  size_t made_size;
  int failed = tmx_copy_as_105(track, &made, &made_size) != TMX_OK || save(tmx_copy_name(track), made, made_size);
  failed |= tmx_map_png(track, 0, 0, &made, &made_size) != TMX_OK || save("map.png", made, made_size);
  printf("%s and map.png (%s)\n", tmx_copy_name(track), tmx_map_name(track));
  tmx_close(track);
  return failed;
}
