// PlaybackState: the play cursor and the playing flag, shared without locks by the commands on the
// user-interface thread and the fills on RefillThread.
//
// Both fields live in one atomic 64-bit word together with a command number and a fill-in-progress
// mark, and every change to the word is a read-modify-write:
//  - A command (rewindAndPlay, stopPlayback, setPlaybackState) sets the fields and bumps the command
//    number. It takes effect at the start of the next fill, as it always did.
//  - A fill takes its snapshot and sets the mark in one step (beginFill), works on private copies, and
//    writes its result back only if the command number is still the one it started with (finishFill).
//    A command that lands during a fill is therefore never overwritten: the next fill starts from it.
//  - stopPlayback, having set `playing` to false, waits until the fill it found in progress (if any) has
//    finished. Every later fill sees `playing` false and leaves sampleBuffer alone, so the caller may
//    rewrite the buffer; the wait's acquire pairs with the fill's release, which orders the fill's reads
//    before those writes. A later rewindAndPlay (release) and the next beginFill (acquire) order the new
//    samples before the fill reads them.
// RefillThread never waits: its steps are compare-and-swap loops that retry only when a command lands at
// that very moment.
#pragma once

#include <cstdint>

namespace corvane {

struct PlaybackState {
  std::int32_t cursor = 0;  // index of the sampleBuffer element most recently sent
  bool playing = false;     // true while a play-through is under way
};

inline bool operator==(PlaybackState a, PlaybackState b) {
  return a.cursor == b.cursor && a.playing == b.playing;
}

// Both fields as one consistent snapshot.
PlaybackState playbackState();

// Sets both fields, as a command: never lost, seen by the next fill. For start-up and tests; cursor in
// 0..44,099.
void setPlaybackState(PlaybackState state);

// What a fill started from; handed back to finishFill.
struct FillTicket {
  std::uint64_t word = 0;
  PlaybackState start;
};

// The fill side of the protocol; RefillThread's fillSegment is the only user.
FillTicket beginFill();
void finishFill(const FillTicket& ticket, PlaybackState end);

}  // namespace corvane
