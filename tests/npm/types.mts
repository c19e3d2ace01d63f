// The package's types as a TypeScript program uses them; scripts/test-npm compiles it with
// --strict and runs nothing.
import { openTrack, version, type MapRgba, type Track, type TrackStatus } from "tarmaxion-track";

const track: Track = await openTrack(new Uint8Array(0), "empty.trk");
const status: TrackStatus = track.status;
const lines: string[] = track.infoLines;
const author: string | undefined = track.info.author;
const copy: Uint8Array = track.copyAs105();
const map: MapRgba = track.mapRgba();
const thumbnail: Uint8Array = track.mapPng({ size: 128, mapOnly: true });
const whole: Uint8Array = track.mapPng();
track.close();
const named: string = (await version()) + track.message + track.copyName + track.mapName;
// @ts-expect-error: the bytes are a Uint8Array, not a string
await openTrack("lakeside.trk");
export { status, lines, author, copy, map, thumbnail, whole, named };
