#include "tools/render/render_options.h"

#include <array>

#include "tools/render/argument_values.h"
#include "tools/render/path_text.h"

namespace corvane {

namespace {

// Applies an option's value to the result; returns the problem, or an empty string.
using ApplyOption = std::string (*)(ParsedArguments& parsed, std::string_view value);

struct OptionSpec {
  char shortName;  // 0: long form only
  std::string_view longName;
  bool takesValue;
  ApplyOption apply;
};

std::string voiceNameList() {
  std::string list;
  for (int i = 0; i < kVoiceCount; ++i) {
    if (i > 0) list += ", ";
    list += voiceName(static_cast<VoiceId>(i));
  }
  return list;
}

std::string applyState(ParsedArguments& parsed, std::string_view value) {
  const ParsedNumber n = parseWholeNumber(value, 0xFFFFFFFFu);
  switch (n.status) {
    case NumberStatus::Ok:
      parsed.options.state = static_cast<std::uint32_t>(n.value);
      return {};
    case NumberStatus::TooLarge:
      return "state " + inQuotes(value) + " does not fit in 32 bits (0 to 4294967295)";
    case NumberStatus::NotANumber:
      break;
  }
  return "state " + inQuotes(value) + " is not a number (decimal or 0x hex, 0 to 4294967295)";
}

std::string applyCount(ParsedArguments& parsed, std::string_view value) {
  const ParsedNumber n = parseWholeNumber(value, kMaxSoundCount);
  if (n.status == NumberStatus::Ok && n.value == 0) return "count must be at least 1";
  if (n.status == NumberStatus::TooLarge) return "count " + inQuotes(value) + " is too large (at most 4294967295)";
  if (n.status != NumberStatus::Ok) return "count " + inQuotes(value) + " is not a positive whole number";
  parsed.options.count = static_cast<std::uint32_t>(n.value);
  return {};
}

std::string applyOutput(ParsedArguments& parsed, std::string_view value) {
  if (value.empty()) return "output path is empty";
  parsed.options.output = pathFromArgument(value);
  return {};
}

std::string applyPicture(ParsedArguments& parsed, std::string_view value) {
  if (value.empty()) return "picture path is empty";
  parsed.options.picture = pathFromArgument(value);
  return {};
}

std::string applyFormat(ParsedArguments& parsed, std::string_view value) {
  const auto format = sampleFormatFromName(value);
  if (!format) return "unknown format " + inQuotes(value) + " (pcm16, float32 or f64)";
  parsed.options.format = *format;
  return {};
}

std::string applyVoice(ParsedArguments& parsed, std::string_view value) {
  const auto voice = voiceFromName(value);
  if (!voice) return "unknown voice " + inQuotes(value) + " (" + voiceNameList() + ")";
  parsed.options.voice = *voice;
  return {};
}

std::string applyForce(ParsedArguments& parsed, std::string_view) {
  parsed.options.force = true;
  return {};
}

std::string applyQuiet(ParsedArguments& parsed, std::string_view) {
  parsed.options.quiet = true;
  return {};
}

std::string applyHelp(ParsedArguments& parsed, std::string_view) {
  parsed.request = RenderRequest::Help;
  return {};
}

std::string applyVersion(ParsedArguments& parsed, std::string_view) {
  parsed.request = RenderRequest::Version;
  return {};
}

constexpr std::array<OptionSpec, 10> kOptions = {{
    {'s', "state", true, applyState},
    {'n', "count", true, applyCount},
    {'o', "output", true, applyOutput},
    {'f', "format", true, applyFormat},
    {0, "voice", true, applyVoice},
    {0, "picture", true, applyPicture},
    {0, "force", false, applyForce},
    {'q', "quiet", false, applyQuiet},
    {0, "help", false, applyHelp},
    {0, "version", false, applyVersion},
}};

const OptionSpec* findLong(std::string_view name) {
  for (const OptionSpec& spec : kOptions) {
    if (spec.longName == name) return &spec;
  }
  return nullptr;
}

const OptionSpec* findShort(char name) {
  for (const OptionSpec& spec : kOptions) {
    if (spec.shortName != 0 && spec.shortName == name) return &spec;
  }
  return nullptr;
}

// Walks the arguments; each parse step consumes one argument, plus the next when it is a value.
class ArgumentParser {
 public:
  explicit ArgumentParser(std::span<const std::string_view> args) : args_(args) {}

  ParsedArguments run() {
    while (next_ < args_.size() && parsed_.error.empty() && parsed_.request == RenderRequest::Render) {
      const std::string_view arg = args_[next_++];
      if (arg == "--") {
        if (next_ < args_.size()) parsed_.error = "unexpected argument " + inQuotes(args_[next_]);
        break;
      }
      if (arg.starts_with("--")) {
        parseLong(arg.substr(2));
      } else if (arg.size() > 1 && arg[0] == '-') {
        parseShortGroup(arg.substr(1));
      } else {
        parsed_.error = "unexpected argument " + inQuotes(arg);
      }
    }
    return parsed_;
  }

 private:
  void parseLong(std::string_view body) {
    const std::size_t equals = body.find('=');
    const std::string_view name = body.substr(0, equals);
    const OptionSpec* spec = findLong(name);
    if (!spec) {
      parsed_.error = "unknown option " + inQuotes("--" + std::string(name));
      return;
    }
    const std::string shown = "--" + std::string(name);
    if (!spec->takesValue) {
      if (equals != std::string_view::npos) {
        parsed_.error = "option " + inQuotes(shown) + " takes no value";
        return;
      }
      parsed_.error = spec->apply(parsed_, {});
      return;
    }
    if (equals != std::string_view::npos) {
      parsed_.error = spec->apply(parsed_, body.substr(equals + 1));
    } else {
      applyNextArgument(*spec, shown);
    }
  }

  void parseShortGroup(std::string_view group) {
    for (std::size_t i = 0; i < group.size(); ++i) {
      const OptionSpec* spec = findShort(group[i]);
      if (!spec) {
        parsed_.error = "unknown option " + inQuotes(std::string("-") + group[i]);
        return;
      }
      if (!spec->takesValue) {
        parsed_.error = spec->apply(parsed_, {});
        if (!parsed_.error.empty()) return;
        continue;
      }
      // The rest of the group is the value; when nothing is left, the next argument is.
      if (i + 1 < group.size()) {
        parsed_.error = spec->apply(parsed_, group.substr(i + 1));
      } else {
        applyNextArgument(*spec, std::string("-") + group[i]);
      }
      return;
    }
  }

  void applyNextArgument(const OptionSpec& spec, const std::string& shown) {
    if (next_ >= args_.size()) {
      parsed_.error = "option " + inQuotes(shown) + " needs a value";
      return;
    }
    parsed_.error = spec.apply(parsed_, args_[next_++]);
  }

  std::span<const std::string_view> args_;
  std::size_t next_ = 0;
  ParsedArguments parsed_;
};

}  // namespace

ParsedArguments parseRenderArguments(std::span<const std::string_view> args) {
  return ArgumentParser(args).run();
}

}  // namespace corvane
