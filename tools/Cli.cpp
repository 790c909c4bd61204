#include "tools/Cli.h"

#include <optional>
#include <variant>

#include "engine/Gadgets.h"
#include "engine/SettingsRecord.h"
#include "files/FileMessages.h"
#include "tools/CliArguments.h"
#include "tools/HeadlessRun.h"
#include "tools/PatternFiles.h"
#include "tools/PatternInfo.h"
#include "tools/PopulationFile.h"

namespace orvalis::cli {
namespace {

// The settings and the field of one run, starting as the desktop program
// starts.
struct Session {
  SettingsRecord settings;
  LifeField field;
};

void applyPictureOptions(const CliArguments& arguments, GadgetAccess& gadgets) {
  if (arguments.threshold) {
    gadgets.setGadgetValue(GadgetId::ThresholdSpin, *arguments.threshold);
  }
  gadgets.setGadgetValue(GadgetId::InvertCheck, arguments.invert ? 1 : 0);
  if (arguments.size) {
    gadgets.setGadgetValue(GadgetId::SizeXSpin, arguments.size->columns);
    gadgets.setGadgetValue(GadgetId::SizeYSpin, arguments.size->rows);
  }
}

StepSettings stepSettings(SettingsRecord& settings) {
  return {visibleFieldSize(settings), settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
}

int fail(std::ostream& err, const std::string& path, const std::string& message) {
  err << "orvalis-cli: " << path << ": " << message << '\n';
  return exitFileFailed;
}

// The run command's generations, with the population file and the answer
// of --until-stable when they are asked for; the exit code of a failure.
std::optional<int> runGenerations(const CliArguments& arguments, Session& session,
                                  std::ostream& out, std::ostream& err) {
  std::optional<PopulationFile> population;
  if (arguments.populationPath) {
    population.emplace(*arguments.populationPath);
    if (!population->isOpen()) {
      return fail(err, *arguments.populationPath, lifeFileSaveFailedMessage().text);
    }
  }
  const GenerationObserver observer = [&](long long generation, const BitField& field) {
    if (population) {
      population->add(generation, field);
    }
    return true;
  };
  const RunOutcome outcome = runHeadless(session.field, stepSettings(session.settings),
                                         arguments.generations, arguments.untilStable, observer);
  if (arguments.untilStable) {
    if (outcome.repeat) {
      out << "stabil nach " << outcome.repeat->generation << " Generationen, Periode "
          << outcome.repeat->period << '\n';
    } else {
      out << "keine Wiederholung nach " << outcome.generation << " Generationen\n";
    }
  }
  if (population && !population->finish()) {
    return fail(err, *arguments.populationPath, lifeFileSaveFailedMessage().text);
  }
  return std::nullopt;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = parseCliArguments(args);
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    err << "orvalis-cli: " << *problem << "\n\n" << usageText();
    return exitBadArguments;
  }
  const auto& arguments = std::get<CliArguments>(parsed);
  if (arguments.command == CliCommand::Help) {
    out << usageText();
    return exitSuccess;
  }

  Session session;
  applyPictureOptions(arguments, session.settings);
  if (const auto problem = loadPattern(arguments.input, session.settings, session.field)) {
    return fail(err, arguments.input, *problem);
  }
  if (arguments.command == CliCommand::Info) {
    printPatternInfo(out, session.settings, session.field.cells);
    return exitSuccess;
  }
  if (arguments.command == CliCommand::Run) {
    if (const auto failed = runGenerations(arguments, session, out, err)) {
      return *failed;
    }
  }
  if (const auto problem = savePattern(arguments.output, session.settings, session.field.cells)) {
    return fail(err, arguments.output, *problem);
  }
  return exitSuccess;
}

}  // namespace orvalis::cli
