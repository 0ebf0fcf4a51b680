// The argument parser on good input: forms of each option, grouping, values that look like options.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "tools/render/render_options.h"

namespace corvane::testing {
namespace {

ParsedArguments parse(std::vector<std::string_view> args) { return parseRenderArguments(args); }

TEST(RenderOptionsTest, NoArgumentsMeanOneClockSeededPcm16SoundHere) {
  const ParsedArguments p = parse({});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.request, RenderRequest::Render);
  EXPECT_FALSE(p.options.state);
  EXPECT_EQ(p.options.count, 1u);
  EXPECT_FALSE(p.options.output);
  EXPECT_EQ(p.options.format, SampleFormat::Pcm16);
  EXPECT_FALSE(p.options.voice);
  EXPECT_FALSE(p.options.force);
  EXPECT_FALSE(p.options.quiet);
}

TEST(RenderOptionsTest, StatesAreDecimalOrHexAcrossTheWhole32Bits) {
  struct Case {
    std::vector<std::string_view> args;
    std::uint32_t state;
  };
  const Case cases[] = {
      {{"-s", "0"}, 0},
      {{"-s", "4294967295"}, 0xFFFFFFFFu},
      {{"--state=0xFFFFFFFF"}, 0xFFFFFFFFu},
      {{"--state", "0x6a99B44C"}, 0x6A99B44Cu},
      {{"-s0X10"}, 16},
      {{"-s", "010"}, 10},  // decimal, not octal
      {{"-s", "0x0000000000000001"}, 1},
      {{"-s", "5", "-s", "6"}, 6},  // the last one counts
  };
  for (const Case& c : cases) {
    const ParsedArguments p = parse(c.args);
    EXPECT_EQ(p.error, "") << c.args.back();
    EXPECT_EQ(p.options.state, c.state) << c.args.back();
  }
}

TEST(RenderOptionsTest, EveryOptionInEachOfItsForms) {
  const ParsedArguments p = parse({"-qn5", "-ff64", "--output=dir/x.f64", "--force", "--voice", "SpringVoice"});
  ASSERT_EQ(p.error, "");
  EXPECT_TRUE(p.options.quiet);
  EXPECT_EQ(p.options.count, 5u);
  EXPECT_EQ(p.options.format, SampleFormat::F64);
  EXPECT_EQ(p.options.output, std::filesystem::path("dir/x.f64"));
  EXPECT_TRUE(p.options.force);
  EXPECT_EQ(p.options.voice, VoiceId::Spring);

  const ParsedArguments q = parse({"--quiet", "--count", "4294967295", "--format=float32", "--voice=SweptOscVoice"});
  ASSERT_EQ(q.error, "");
  EXPECT_TRUE(q.options.quiet);
  EXPECT_EQ(q.options.count, 4294967295u);
  EXPECT_EQ(q.options.format, SampleFormat::Float32);
  EXPECT_EQ(q.options.voice, VoiceId::SweptOsc);
}

TEST(RenderOptionsTest, AValueMayStartWithADash) {
  const ParsedArguments p = parse({"-o", "-odd name.wav"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.output, std::filesystem::path("-odd name.wav"));
}

TEST(RenderOptionsTest, HelpAndVersionStopTheParse) {
  EXPECT_EQ(parse({"--help", "--bogus"}).request, RenderRequest::Help);
  EXPECT_EQ(parse({"--help", "--bogus"}).error, "");
  EXPECT_EQ(parse({"-s", "1", "--version", "-n", "0"}).request, RenderRequest::Version);
  EXPECT_EQ(parse({"-n", "0", "--help"}).error, "count must be at least 1");
}

}  // namespace
}  // namespace corvane::testing
