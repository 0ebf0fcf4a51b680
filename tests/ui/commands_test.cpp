// The line Generate prints: the state in eight upper-case hex digits and the voice's name.
#include "ui/commands.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SoundLine, StateInEightUpperCaseHexDigitsThenTheVoice) {
  EXPECT_EQ(soundLine(0x0000ABCDu, VoiceId::FmMatrix), "0x0000ABCD FmMatrixVoice");
  EXPECT_EQ(soundLine(0u, VoiceId::SweptOsc), "0x00000000 SweptOscVoice");
  EXPECT_EQ(soundLine(0xFFFFFFFFu, VoiceId::Spring), "0xFFFFFFFF SpringVoice");
}

}  // namespace
}  // namespace corvane
