#include "tools/CliArguments.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "files/FileFormats.h"
#include "settings/Text.h"
#include "tools/PatternFiles.h"

namespace orvalis::cli {
namespace {

constexpr long long maxGenerations = 1'000'000'000;
// GIF counts a frame's time in hundredths of a second, in 16 bits.
constexpr long long maxDelayMs = 655'350;

// A whole decimal number within [minimum, maximum], nothing else.
std::optional<long long> wholeNumber(std::string_view text, long long minimum, long long maximum) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < minimum ||
      value > maximum) {
    return std::nullopt;
  }
  return value;
}

// COLUMNSxROWS, each 1 to 500.
std::optional<FieldSize> fieldSize(std::string_view text) {
  const std::size_t separator = text.find_first_of("xX");
  if (separator == std::string_view::npos) {
    return std::nullopt;
  }
  const auto columns = wholeNumber(text.substr(0, separator), 1, gridColumns);
  const auto rows = wholeNumber(text.substr(separator + 1), 1, gridRows);
  if (!columns || !rows) {
    return std::nullopt;
  }
  return FieldSize{static_cast<int>(*columns), static_cast<int>(*rows)};
}

std::optional<CliCommand> commandNamed(std::string_view name) {
  if (name == "convert") {
    return CliCommand::Convert;
  }
  if (name == "run") {
    return CliCommand::Run;
  }
  if (name == "render") {
    return CliCommand::Render;
  }
  if (name == "animate") {
    return CliCommand::Animate;
  }
  if (name == "info") {
    return CliCommand::Info;
  }
  if (name == "help" || name == "--help" || name == "-h") {
    return CliCommand::Help;
  }
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  std::variant<CliArguments, std::string> parse() {
    if (args_.empty()) {
      return std::string("no command given");
    }
    const auto command = commandNamed(args_[0]);
    if (!command) {
      return "unknown command '" + args_[0] + "'";
    }
    result_.command = *command;
    if (*command == CliCommand::Help) {
      return result_;
    }
    std::vector<std::string> files;
    for (next_ = 1; next_ < args_.size();) {
      const std::string& arg = args_[next_++];
      if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
        if (auto problem = option(arg)) {
          return *problem;
        }
      } else {
        files.push_back(arg);
      }
    }
    return finish(files);
  }

 private:
  // The value of an option, given as --name=value or as the next argument.
  std::optional<std::string> value(const std::string& arg, std::string_view name) {
    if (arg.size() > name.size() && arg[name.size()] == '=') {
      return arg.substr(name.size() + 1);
    }
    if (arg.size() == name.size() && next_ < args_.size()) {
      return args_[next_++];
    }
    return std::nullopt;
  }

  static bool named(const std::string& arg, std::string_view name) {
    return arg.rfind(name, 0) == 0 && (arg.size() == name.size() || arg[name.size()] == '=');
  }

  std::optional<std::string> option(const std::string& arg) {
    if (arg == "--invert") {
      result_.invert = true;
    } else if (named(arg, "--threshold")) {
      const auto text = value(arg, "--threshold");
      const auto threshold = text ? wholeNumber(*text, 0, 255) : std::nullopt;
      if (!threshold) {
        return std::string("--threshold needs a number from 0 to 255");
      }
      result_.threshold = static_cast<int>(*threshold);
    } else if (named(arg, "--size")) {
      const auto text = value(arg, "--size");
      result_.size = text ? fieldSize(*text) : std::nullopt;
      if (!result_.size) {
        return std::string("--size needs COLUMNSxROWS, each from 1 to 500");
      }
    } else if (named(arg, "--cell-size") && draws()) {
      const auto text = value(arg, "--cell-size");
      const auto size =
          text ? wholeNumber(*text, minPictureCellSize, maxPictureCellSize) : std::nullopt;
      if (!size) {
        return std::string("--cell-size needs a number from 1 to 64");
      }
      result_.cellSize = static_cast<int>(*size);
    } else if (arg == "--grid" && draws()) {
      result_.gridLines = true;
    } else if (arg == "--preview" && result_.command == CliCommand::Render) {
      result_.preview = true;
    } else if (named(arg, "--delay") && result_.command == CliCommand::Animate) {
      const auto text = value(arg, "--delay");
      const auto delay = text ? wholeNumber(*text, 1, maxDelayMs) : std::nullopt;
      if (!delay) {
        return std::string("--delay needs a number of milliseconds from 1 to 655350");
      }
      result_.delayMs = static_cast<int>(*delay);
    } else if (named(arg, "--generations") && runs()) {
      const auto text = value(arg, "--generations");
      const auto generations = text ? wholeNumber(*text, 0, maxGenerations) : std::nullopt;
      if (!generations) {
        return std::string("--generations needs a number from 0 to 1000000000");
      }
      generationsGiven_ = true;
      result_.generations = *generations;
    } else if (named(arg, "--population") && result_.command == CliCommand::Run) {
      const auto text = value(arg, "--population");
      if (!text || text->empty()) {
        return std::string("--population needs a file name");
      }
      result_.populationPath = *text;
    } else if (arg == "--until-stable" && searchesRepeats()) {
      result_.untilStable = true;
    } else {
      return "unknown option '" + arg + "'";
    }
    return std::nullopt;
  }

  bool draws() const {
    return result_.command == CliCommand::Render || result_.command == CliCommand::Animate;
  }
  bool steps() const {
    return result_.command == CliCommand::Run || result_.command == CliCommand::Animate;
  }
  // info runs the field only to answer --until-stable.
  bool runs() const { return steps() || result_.command == CliCommand::Info; }
  bool searchesRepeats() const {
    return result_.command == CliCommand::Run || result_.command == CliCommand::Info;
  }

  // What the output file's name must end in, or nothing when that is wrong.
  std::optional<std::string> outputProblem() const {
    const std::string kind = lowerCase(pathExtension(result_.output));
    switch (result_.command) {
      case CliCommand::Render:
        return kind == "png" ? std::nullopt
                             : std::optional<std::string>("the output file must end in .png");
      case CliCommand::Animate:
        return kind == "gif" ? std::nullopt
                             : std::optional<std::string>("the output file must end in .gif");
      default:
        return namesPatternFile(result_.output)
                   ? std::nullopt
                   : std::optional<std::string>(
                         "the output file must end in .lif, .lxm, .rle or .cells");
    }
  }

  std::variant<CliArguments, std::string> finish(const std::vector<std::string>& files) {
    const std::size_t wanted = result_.command == CliCommand::Info ? 1 : 2;
    if (files.size() != wanted) {
      return std::string(wanted == 1 ? "info needs one input file"
                                     : "convert, run, render and animate need an input and an "
                                       "output file");
    }
    result_.input = files[0];
    if (wanted == 2) {
      result_.output = files[1];
      if (auto problem = outputProblem()) {
        return *problem;
      }
    }
    if (steps() && !generationsGiven_) {
      return std::string("run and animate need --generations N");
    }
    if (result_.command == CliCommand::Info && result_.untilStable != generationsGiven_) {
      return std::string("info takes --until-stable and --generations N together");
    }
    if (result_.gridLines && result_.cellSize == 1) {
      return std::string("--grid needs a --cell-size of at least 2");
    }
    return result_;
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  CliArguments result_;
  bool generationsGiven_ = false;
};

// One line a file type of the format table, so that a format added there
// is named here too.
std::string formatLines() {
  std::vector<std::pair<std::string, const FileFormat*>> rows;
  std::size_t width = 0;
  for (const FileFormat* format : loadFormats()) {
    std::string extensions;
    for (const std::string& extension : format->extensions) {
      extensions += (extensions.empty() ? "." : " .") + extension;
    }
    width = std::max(width, extensions.size());
    rows.emplace_back(std::move(extensions), format);
  }
  std::string lines;
  for (const auto& [extensions, format] : rows) {
    lines += "  " + extensions + std::string(width + 3 - extensions.size(), ' ') + format->label +
             (format->write ? ", in and out\n" : ", in only\n");
  }
  return lines;
}

}  // namespace

std::variant<CliArguments, std::string> parseCliArguments(const std::vector<std::string>& args) {
  return Parser(args).parse();
}

std::string usageText() {
  return "Usage:\n"
         "  orvalis-cli convert IN OUT [--threshold N] [--invert] [--size COLUMNSxROWS]\n"
         "  orvalis-cli run IN OUT --generations N [--population FILE.csv] [--until-stable]\n"
         "                  [picture options]\n"
         "  orvalis-cli render IN OUT.png [--cell-size N] [--grid] [--preview]\n"
         "  orvalis-cli animate IN OUT.gif --generations N [--cell-size N] [--grid]\n"
         "                                 [--delay MS]\n"
         "  orvalis-cli info IN [--until-stable --generations N] [picture options]\n"
         "\n"
         "IN, and OUT of convert and run, are read and written by their extension, in\n"
         "any case, as these file types:\n" +
         formatLines() +
         "IN may be packed with gzip (x.rle.gz). Any other IN is read as its content shows\n"
         "(LifeXML, RLE, Life 1.05/1.06 text, macrocell, a picture), as is a .lif that\n"
         "holds one of these. A picture becomes a field of --size (default 50x50):\n"
         "pixels brighter than --threshold (0 to 255, default 128) live; --invert makes\n"
         "the darker ones live. run advances N generations with\n"
         "the file's settings; --population writes the living and static cells of every\n"
         "generation as CSV, --until-stable ends the run at the first field that repeats\n"
         "an earlier one. info --until-stable adds the line that run --until-stable\n"
         "prints for IN.\n"
         "\n"
         "RLE and plaintext are the Life community's formats (Conway's rule only). A\n"
         "pattern without Golly's bounded grid (rule suffix :Tc,r torus or :Pc,r plane)\n"
         "is centred in a field of --size, grown to fit. Written RLE holds the whole\n"
         "field with B3/S23:Tc,r or :Pc,r by the infinite option; static cells are\n"
         "written as living, blocked ones as dead.\n"
         "\n"
         "render draws the field as the program shows it, cells of --cell-size pixels\n"
         "(1 to 64, default 4; from 2 on, one of them is the line between cells), with\n"
         "--grid lines or a frame; --preview shows the coming births (light grey) and deaths\n"
         "(dark red). animate writes a looping GIF of the field and the N generations\n"
         "after it, each shown for --delay milliseconds (default the file's interval,\n"
         "at least 20). Ctrl+C stops run and animate without writing anything.\n";
}

}  // namespace orvalis::cli
