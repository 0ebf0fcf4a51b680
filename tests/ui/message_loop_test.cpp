// The idle repaint rule: more than 90 ms, measured as an unsigned 32-bit difference.
#include "ui/message_loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace corvane {
namespace {

struct IdleCase {
  std::uint32_t now;
  std::uint32_t lastRepaint;
  bool due;
};

void PrintTo(const IdleCase& c, std::ostream* out) {
  *out << "now " << c.now << ", last repaint " << c.lastRepaint;
}

class IdleRepaint : public ::testing::TestWithParam<IdleCase> {};

TEST_P(IdleRepaint, DueOnlyAfterMoreThan90Milliseconds) {
  const IdleCase& c = GetParam();
  EXPECT_EQ(idleRepaintDue(c.now, c.lastRepaint), c.due) << c.now << " after " << c.lastRepaint;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdleRepaint,
    ::testing::Values(IdleCase{1000, 1000, false}, IdleCase{1090, 1000, false},
                      IdleCase{1091, 1000, true},
                      // The first idle pass repaints at once: lastRepaint starts at 0.
                      IdleCase{123456, 0, true},
                      // Across the wrap of the tick count after 2^32 ms.
                      IdleCase{10, 0xFFFFFFF0u, false}, IdleCase{74, 0xFFFFFFF0u, false},
                      IdleCase{75, 0xFFFFFFF0u, true}, IdleCase{0, 0xFFFFFFA6u, false},
                      IdleCase{0, 0xFFFFFFA5u, true}),
    [](const ::testing::TestParamInfo<IdleCase>& info) {
      return "Now" + std::to_string(info.param.now) + "Last" + std::to_string(info.param.lastRepaint);
    });

}  // namespace
}  // namespace corvane
