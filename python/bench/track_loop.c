/* The C side of scripts/bench-python: opens a track's bytes, lists its info, makes its 1.05 copy
 * and its full map PNG, over and over, and prints microseconds a track for each stage, from the
 * fastest of five rounds (the same loop as track_loop.py).
 * Usage: track_loop ITERATIONS < TRACK */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <tarmaxion/track.h>

static double now_us(void) {
  struct timespec time;
  clock_gettime(CLOCK_MONOTONIC, &time);
  return time.tv_sec * 1e6 + time.tv_nsec / 1e3;
}

int main(int argc, char** argv) {
  if (argc != 2) return fprintf(stderr, "usage: %s ITERATIONS < TRACK\n", argv[0]), 2;
  static unsigned char bytes[1000001];
  const size_t size = fread(bytes, 1, sizeof bytes, stdin);
  const int iterations = atoi(argv[1]);

  double best[4] = {0}, best_total = -1;
  for (int round = 0; round < 5; ++round) {
    double stages[4] = {0};
    for (int i = 0; i < iterations; ++i) {
      const unsigned char* made;
      size_t made_size;
      double at = now_us(), then;
      tmx_track* track = tmx_open(bytes, size, "lakeside.trk");
      if (track == NULL || tmx_status(track) != TMX_READ) return 1;
      stages[0] += (then = now_us()) - at;
      if (tmx_info_lines(track)[0] == '\0' || tmx_info_json(track)[0] == '\0') return 1;
      stages[1] += (at = now_us()) - then;
      if (tmx_copy_as_105(track, &made, &made_size) != TMX_OK) return 1;
      stages[2] += (then = now_us()) - at;
      if (tmx_map_png(track, 0, 0, &made, &made_size) != TMX_OK) return 1;
      tmx_close(track);
      stages[3] += now_us() - then;
    }
    const double total = stages[0] + stages[1] + stages[2] + stages[3];
    if (best_total < 0 || total < best_total) {
      best_total = total;
      for (int s = 0; s < 4; ++s) best[s] = stages[s];
    }
  }
  const char* names[4] = {"open", "info", "copy", "map"};
  for (int s = 0; s < 4; ++s) printf("%s %.1f\n", names[s], best[s] / iterations);
  printf("total %.1f\n", best_total / iterations);
  return 0;
}
