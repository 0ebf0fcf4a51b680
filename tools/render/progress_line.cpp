#include "tools/render/progress_line.h"

#include <cstdio>
#include <string>

namespace corvane {

namespace {

constexpr int kLineWidth = 60;  // wide enough to cover any earlier, longer line

std::string clockText(double seconds) {
  const auto whole = static_cast<long long>(seconds + 0.5);
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
  }
  return text;
}

}  // namespace

std::string progressText(std::uint32_t done, std::uint32_t total, double seconds) {
  std::string text = std::to_string(done) + "/" + std::to_string(total) + " sounds";
  if (done == 0 || seconds <= 0.0) return text;
  const double rate = done / seconds;
  char rateText[32];
  std::snprintf(rateText, sizeof rateText, "%.1f", rate);
  text += std::string(", ") + rateText + " per second, " + clockText((total - done) / rate) + " left";
  return text;
}

ProgressLine::ProgressLine(std::ostream& out, bool enabled, std::uint32_t total, Clock::duration interval)
    : out_(out), enabled_(enabled), total_(total), interval_(interval), start_(Clock::now()) {}

void ProgressLine::update(std::uint32_t done, Clock::time_point now) {
  if (!enabled_ || (drawn_ && now - lastDrawn_ < interval_ && done < total_)) return;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  std::string text = "corvane-render: " + progressText(done, total_, seconds);
  if (text.size() < kLineWidth) text.resize(kLineWidth, ' ');
  out_ << '\r' << text << std::flush;
  lastDrawn_ = now;
  drawn_ = true;
}

void ProgressLine::clear() {
  if (!drawn_) return;
  out_ << '\r' << std::string(kLineWidth + 16, ' ') << '\r' << std::flush;
  drawn_ = false;
}

}  // namespace corvane
