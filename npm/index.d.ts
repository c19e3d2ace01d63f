/** What a track turned out to be when it was opened. */
export type TrackStatus = "read" | "refused" | "damaged" | "too_large";

/** One of the seven best laps the track records. */
export interface TrackRecord {
  record: string;
  driver: string;
  lap_time: number;
  car: string;
}

/** The track's fields, as `trkconv info --json` prints them without "path". */
export interface TrackInfo {
  file: string;
  size: number;
  version?: string;
  /** The Windows code page the texts were read in, for a track that was read. */
  codepage?: 1250 | 1251 | 1252 | 1253 | 1254 | 1257;
  world_size?: number;
  water_level?: number;
  angel?: number;
  rotation?: number;
  zoom?: number;
  start_finish_line?: number;
  landmap_size?: number;
  object_count?: number;
  track_length?: number;
  author?: string;
  record_date?: string;
  records?: TrackRecord[];
  ghost_frames?: number;
  error?: string;
  [field: string]: unknown;
}

export interface MapRgba {
  width: number;
  height: number;
  /** width * height pixels, top row first, 4 bytes each (R, G, B, A; A is always 255). */
  pixels: Uint8Array;
}

export interface MapPngOptions {
  /** Pixels on the longer side, scaled down by area averaging; 0 (the default) keeps 512 x 560. */
  size?: number;
  /** Leaves out the caption band (rows 512 to 559), as desktop thumbnails do. */
  mapOnly?: boolean;
}

export interface Track {
  readonly status: TrackStatus;
  /** The converter window's log line for a track that was not read; "" when it was read. */
  readonly message: string;
  /** The info list, as `trkconv info` prints it. */
  readonly infoLines: string[];
  readonly info: TrackInfo;
  /** The name the window offers for the copy: ".trk" becomes "_c.trk". */
  readonly copyName: string;
  /** The name the window gives the map ("monza_4567_Bob"); "" for a track that was not read. */
  readonly mapName: string;
  /** The version-1.05 copy. Throws unless status is "read". */
  copyAs105(): Uint8Array;
  /** The map, 512 x 560 pixels with its caption. Throws unless status is "read". */
  mapRgba(): MapRgba;
  /** The map as a PNG file. Throws unless status is "read". */
  mapPng(options?: MapPngOptions): Uint8Array;
  /** Frees the track's memory; the track can do nothing after it. */
  close(): void;
}

/** How a track is opened. */
export interface OpenOptions {
  /**
   * The Windows code page of the track's author, driver and car names: 1250, 1251, 1252 (the
   * default), 1253, 1254 or 1257. Another number is refused with a RangeError.
   */
  codepage?: 1250 | 1251 | 1252 | 1253 | 1254 | 1257;
}

/**
 * Opens a track from its bytes; name is its file name, which the caption and the info list
 * show. Bytes of a file larger than any track (1,000,000 bytes) are not read: status "too_large".
 */
export function openTrack(bytes: Uint8Array, name?: string, options?: OpenOptions): Promise<Track>;

/** The library's version, "MAJOR.MINOR.PATCH" (the package's own). */
export function version(): Promise<string>;
