// What the commands need from playback. Every call is safe from the user-interface thread while
// RefillThread fills segments; none of them is lost when it lands during a fill.
#pragma once

namespace corvane {

// Opens the sound device once and starts RefillThread; false when there is no device (the program
// then runs silent and every command still works).
bool openAudio();

// Optional, at the very end: ends RefillThread's use of the device and closes it, so that the program
// may then quit SDL (SDL_Quit). Without it the process end releases the device. Commands keep working,
// silent; openAudio may open the device again.
void closeAudio();

// Rewinds to the start of the sample and plays it (Play, and the end of Generate).
void rewindAndPlay();

// Stops the play-through and returns only once no fill can still be reading sampleBuffer, so the
// caller may rewrite it.
void stopPlayback();

}  // namespace corvane
