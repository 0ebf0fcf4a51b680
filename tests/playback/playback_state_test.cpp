// The command protocol on one thread: a command issued between a fill's start and its write-back
// stands, and a fill without one writes its result back. (A stop during a fill waits for the fill, so
// it needs a second thread: see the threaded tests.)
#include <gtest/gtest.h>

#include <functional>

#include "playback/playback_control.h"
#include "playback_fixture.h"

namespace corvane::testing {
namespace {

using PlaybackStateTest = PlaybackTest;

TEST_F(PlaybackStateTest, CommandsSetTheFieldsAtOnce) {
  setPlaybackState({12000, true});
  stopPlayback();
  EXPECT_EQ(playbackState(), (PlaybackState{12000, false})) << "a stop leaves the cursor alone";
  rewindAndPlay();
  EXPECT_EQ(playbackState(), (PlaybackState{0, true}));
  rewindAndPlay();
  EXPECT_EQ(playbackState(), (PlaybackState{0, true}));
}

TEST_F(PlaybackStateTest, ACommandDuringAFillIsNotOverwrittenByItsWriteBack) {
  const struct {
    const char* name;
    PlaybackState start;              // what the fill starts from
    std::function<void()> command;    // lands during the fill; none when empty
    PlaybackState written;            // what the fill would write back
    PlaybackState expected;
  } cases[] = {
      {"no command: the fill's result", {6000, true}, {}, {12000, true}, {12000, true}},
      {"Play during an idle fill", {0, false}, rewindAndPlay, {0, false}, {0, true}},
      {"Play during a fill of a play-through", {6000, true}, rewindAndPlay, {12000, true}, {0, true}},
      {"Play during the last fill", {42000, true}, rewindAndPlay, {0, false}, {0, true}},
      {"Play while the state is already rewound", {0, true}, rewindAndPlay, {6000, true}, {0, true}},
      {"a set state during a fill", {0, false}, [] { setPlaybackState({30000, true}); }, {0, false},
       {30000, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    setPlaybackState(c.start);
    const FillTicket ticket = beginFill();
    EXPECT_EQ(ticket.start, c.start);
    if (c.command) c.command();
    finishFill(ticket, c.written);
    EXPECT_EQ(playbackState(), c.expected);
    // The next fill starts from it.
    const FillTicket next = beginFill();
    EXPECT_EQ(next.start, c.expected);
    finishFill(next, next.start);
  }
}

}  // namespace
}  // namespace corvane::testing
