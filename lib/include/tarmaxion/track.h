/* Tarmaxion track files from C (and from anything that calls C): open a track's bytes, list its
 * fields, make its version-1.05 copy and draw its map, exactly as the converter's window and
 * trkconv do.
 *
 * Lifetimes: a tmx_track keeps its own copy of the bytes. Every pointer a function returns
 * through a track stays valid until the next call on the same track, or tmx_close. Threads:
 * different tracks may be used from different threads at once; one track from one thread at a
 * time. Texts are UTF-8 and end with a NUL. */
#ifndef TARMAXION_TRACK_H
#define TARMAXION_TRACK_H

#include <stddef.h>

/* TMX_VERSION_MAJOR, _MINOR, _PATCH and TMX_VERSION_STRING: the version these headers are of. */
#include "tarmaxion/track-version.h"

#if defined(_WIN32)
#if defined(TMX_BUILDING_LIBRARY)
#define TMX_API __declspec(dllexport)
#else
#define TMX_API __declspec(dllimport)
#endif
#else
#define TMX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct tmx_track tmx_track;

/* What tmx_status says of a track. */
enum {
  TMX_READ = 0,      /* a track of version 1.05 or 1.10 that passed every check */
  TMX_REFUSED = 1,   /* not a track of those versions (version word or magic) */
  TMX_DAMAGED = 2,   /* the version is right, but a region lies outside the file */
  TMX_TOO_LARGE = 3  /* more bytes than any track has (1,000,000) */
};

/* What the functions that make something return. */
enum {
  TMX_OK = 0,
  TMX_NOT_READ = -1,      /* the track's status is not TMX_READ: nothing to copy or draw */
  TMX_BAD_ARGUMENT = -2,  /* a null pointer or a size out of range */
  TMX_NO_MEMORY = -3      /* the memory for the result could not be had */
};

/* The loaded library's version, as "MAJOR.MINOR.PATCH"; TMX_VERSION_STRING is the headers'. */
TMX_API const char* tmx_version(void);

/* Opens a track: copies the size bytes and checks them. utf8_name is the file's name (the
 * caption and the info list show it; NULL for none). More than 1,000,000 bytes give
 * TMX_TOO_LARGE without being copied or read (bytes may then be NULL). NULL only when memory
 * runs out. */
TMX_API tmx_track* tmx_open(const unsigned char* bytes, size_t size, const char* utf8_name);

/* As tmx_open, with the track's author, driver and car names read in the Windows code page
 * codepage (1250, 1251, 1252, 1253, 1254 or 1257; tmx_open reads them in 1252): the info
 * lines, the JSON, the map name and the caption. NULL also for any other code page, which
 * tmx_codepage_problem explains. */
TMX_API tmx_track* tmx_open_codepage(const unsigned char* bytes, size_t size, const char* utf8_name, int codepage);

/* "" for a code page tracks can be read in; else why not, with the ones they can. */
TMX_API const char* tmx_codepage_problem(int codepage);

/* TMX_READ, TMX_REFUSED, TMX_DAMAGED or TMX_TOO_LARGE. */
TMX_API int tmx_status(const tmx_track* track);

/* The window's log line for a track that was not read ("Caution: Version <> 1.05"); "" when
 * it was read. */
TMX_API const char* tmx_message(const tmx_track* track);

/* The info list as `trkconv info` prints it, each line ending "\n". */
TMX_API const char* tmx_info_lines(const tmx_track* track);

/* The JSON object `trkconv info --json` prints, without "path" (and "path_bytes"). */
TMX_API const char* tmx_info_json(const tmx_track* track);

/* The version-1.05 copy: the bytes with object types 25 to 32 rewritten and byte 0 set to 5. */
TMX_API int tmx_copy_as_105(tmx_track* track, const unsigned char** bytes, size_t* size);

/* The map: 512 x 560 pixels, top row first, 4 bytes a pixel (R G B A, A always 255). */
TMX_API int tmx_map_rgba(tmx_track* track, const unsigned char** pixels, int* width, int* height);

/* The map as a PNG file. size 0 keeps the full size; otherwise the map is scaled down by area
 * averaging to size pixels on its longer side (never up). map_only non-zero leaves out the
 * caption band (rows 512 to 559), as desktop thumbnails do. */
TMX_API int tmx_map_png(tmx_track* track, int size, int map_only, const unsigned char** png, size_t* png_size);

/* The name the window logs for the map ("monza_4567_Bob"); "" for a track that was not read. */
TMX_API const char* tmx_map_name(tmx_track* track);

/* The name the window offers for the copy: the track's name with "_c.trk" in place of ".trk". */
TMX_API const char* tmx_copy_name(const tmx_track* track);

/* Frees the track and everything it returned. NULL does nothing. */
TMX_API void tmx_close(tmx_track* track);

#ifdef __cplusplus
}
#endif

#endif /* TARMAXION_TRACK_H */
