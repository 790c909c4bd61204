#include "tools/Cli.h"

#include <variant>

#include "engine/Gadgets.h"
#include "engine/GenerationStep.h"
#include "engine/SettingsRecord.h"
#include "tools/CliArguments.h"
#include "tools/PatternFiles.h"
#include "tools/PatternInfo.h"

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

// The simulation driver's protocol: the first step after a load only
// computes the marks, each further step applies one generation.
void advance(Session& session, long long generations) {
  const StepSettings settings{visibleFieldSize(session.settings),
                              session.settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
  for (long long step = 0; step <= generations; ++step) {
    advanceGeneration(session.field, settings, nullptr);
  }
}

int fail(std::ostream& err, const std::string& path, const std::string& message) {
  err << "orvalis-cli: " << path << ": " << message << '\n';
  return exitFileFailed;
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
    advance(session, arguments.generations);
  }
  if (const auto problem = savePattern(arguments.output, session.settings, session.field.cells)) {
    return fail(err, arguments.output, *problem);
  }
  return exitSuccess;
}

}  // namespace orvalis::cli
