#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/CellGrid.h"

namespace orvalis::cli {

enum class CliCommand { Convert, Run, Info, Help };

struct CliArguments {
  CliCommand command = CliCommand::Help;
  std::string input;
  std::string output;  // convert and run only
  // How a picture becomes a pattern; the panel's start values otherwise.
  std::optional<int> threshold;
  bool invert = false;
  std::optional<FieldSize> size;
  long long generations = 0;  // run only
  // run only: where the population of every generation goes, and whether
  // the run ends at the first repeated field.
  std::optional<std::string> populationPath;
  bool untilStable = false;
};

// The arguments after the program name, or the reason they are wrong.
std::variant<CliArguments, std::string> parseCliArguments(const std::vector<std::string>& args);

// What orvalis-cli prints for --help and after wrong arguments.
std::string usageText();

}  // namespace orvalis::cli
