#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/CellGrid.h"

namespace orvalis::cli {

enum class CliCommand { Convert, Run, Render, Animate, Info, Help };

// Cell sizes of pictures and animations, in pixels.
inline constexpr int minPictureCellSize = 1;
inline constexpr int maxPictureCellSize = 64;
inline constexpr int defaultPictureCellSize = 4;

struct CliArguments {
  CliCommand command = CliCommand::Help;
  std::string input;
  std::string output;  // all but info
  // How a picture becomes a pattern; the panel's start values otherwise.
  std::optional<int> threshold;
  bool invert = false;
  std::optional<FieldSize> size;
  long long generations = 0;  // run, animate and info --until-stable
  // How render and animate draw the field.
  int cellSize = defaultPictureCellSize;
  bool gridLines = false;
  bool preview = false;        // render only
  std::optional<int> delayMs;  // animate only; the file's interval otherwise
  // run only: where the population of every generation goes.
  std::optional<std::string> populationPath;
  // run and info: whether the run ends at the first repeated field.
  bool untilStable = false;
};

// The arguments after the program name, or the reason they are wrong.
std::variant<CliArguments, std::string> parseCliArguments(const std::vector<std::string>& args);

// What orvalis-cli prints for --help and after wrong arguments.
std::string usageText();

}  // namespace orvalis::cli
