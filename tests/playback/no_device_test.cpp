// Without a usable sound device: openAudio says so, and the commands still work, silent.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/audio_device.h"
#include "playback/playback_control.h"
#include "playback_fixture.h"

namespace corvane::testing {
namespace {

using NoDeviceTest = PlaybackTest;

TEST_F(NoDeviceTest, OpenAudioFailsAndCommandsStillWork) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_FALSE(openAudio());
  EXPECT_EQ(audioBytesPlayed(), 0u);
  keepAudioDeviceOpen();  // nothing to keep: stays silent, opens nothing
  rewindAndPlay();
  EXPECT_EQ(playbackState(), (PlaybackState{0, true}));
  stopPlayback();  // no fill runs: returns at once
  EXPECT_FALSE(playbackState().playing);
  closeAudio();  // nothing to close
}

}  // namespace
}  // namespace corvane::testing
