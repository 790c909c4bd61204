#include "tools/Cli.h"

#include <optional>
#include <variant>

#include "files/FileMessages.h"
#include "files/io/SafeSave.h"
#include "files/picture/PngWriter.h"
#include "settings/GadgetAccess.h"
#include "settings/SettingsRecord.h"
#include "tools/CliArguments.h"
#include "tools/FieldPictures.h"
#include "tools/HeadlessRun.h"
#include "tools/PatternFiles.h"
#include "tools/PatternInfo.h"
#include "tools/PopulationFile.h"
#include "tools/ProgressLine.h"
#include "tools/Session.h"
#include "tools/StopRequest.h"

namespace orvalis::cli {
namespace {

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

PictureStyle pictureStyle(const CliArguments& arguments) {
  return {arguments.cellSize, arguments.gridLines};
}

int fail(std::ostream& err, const std::string& path, const std::string& message) {
  err << "orvalis-cli: " << path << ": " << message << '\n';
  return exitFileFailed;
}

int interrupted(std::ostream& err) {
  err << "orvalis-cli: interrupted, nothing written\n";
  return exitInterrupted;
}

// The generations of run and of info --until-stable on bit planes, with the
// progress line, the population lines and the answer of --until-stable when
// they are asked for; the exit code when it is stopped.
std::optional<int> runField(const CliArguments& arguments, Session& session,
                            std::optional<PopulationFile>& population, std::ostream* terminal,
                            const StopRequest& stop, std::ostream& out, std::ostream& err) {
  ProgressLine progress(terminal, arguments.generations);
  const GenerationObserver observer = [&](long long generation, const BitField& field) {
    if (population) {
      population->add(generation, field);
    }
    progress.update(generation);
    return true;
  };
  const RunOutcome outcome =
      runHeadless(session.field, fieldStepSettings(session.settings), arguments.generations,
                  arguments.untilStable, observer, stop);
  if (outcome.interrupted) {
    return interrupted(err);
  }
  if (arguments.untilStable) {
    if (outcome.repeat) {
      out << "stabil nach " << outcome.repeat->generation << " Generationen, Periode "
          << outcome.repeat->period << '\n';
    } else {
      out << "keine Wiederholung nach " << outcome.generation << " Generationen\n";
    }
  }
  return std::nullopt;
}

// The info lines and, with --until-stable, the line that run --until-stable
// prints for the same file.
int infoCommand(const CliArguments& arguments, Session& session, std::ostream* terminal,
                const StopRequest& stop, std::ostream& out, std::ostream& err) {
  printPatternInfo(out, session.settings, session.field.cells);
  if (!arguments.untilStable) {
    return exitSuccess;
  }
  std::optional<PopulationFile> noPopulation;
  return runField(arguments, session, noPopulation, terminal, stop, out, err).value_or(exitSuccess);
}

// Writes the session's field to the output file unless the command was
// stopped.
int writePattern(const CliArguments& arguments, Session& session, const StopRequest& stop,
                 std::ostream& err) {
  if (stop.requested()) {
    return interrupted(err);
  }
  if (const auto problem = savePattern(arguments.output, session.settings, session.field.cells)) {
    return fail(err, arguments.output, *problem);
  }
  return exitSuccess;
}

// The population file takes its place only after the pattern file, so that
// a run that fails or is stopped leaves both as they were.
int runCommand(const CliArguments& arguments, Session& session, std::ostream* terminal,
               const StopRequest& stop, std::ostream& out, std::ostream& err) {
  std::optional<PopulationFile> population;
  if (arguments.populationPath) {
    population.emplace(*arguments.populationPath);
    if (!population->isOpen()) {
      return fail(err, *arguments.populationPath, lifeFileSaveFailedMessage().text);
    }
  }
  if (const auto stopped = runField(arguments, session, population, terminal, stop, out, err)) {
    return *stopped;
  }
  if (const int code = writePattern(arguments, session, stop, err); code != exitSuccess) {
    return code;
  }
  if (population && !population->commit()) {
    return fail(err, *arguments.populationPath, lifeFileSaveFailedMessage().text);
  }
  return exitSuccess;
}

// The animation goes into its file frame by frame, which replaces the old
// file only when it is complete.
int animateCommand(const CliArguments& arguments, Session& session, std::ostream* terminal,
                   const StopRequest& stop, std::ostream& err) {
  ReplacingFile gif(arguments.output);
  if (!gif.isOpen()) {
    return fail(err, arguments.output, pictureSaveFailedMessage().text);
  }
  std::optional<std::string> problem;
  {
    ProgressLine progress(terminal, arguments.generations);
    problem = animateField(
        session, {pictureStyle(arguments), arguments.generations, arguments.delayMs},
        [&gif](std::string_view bytes) { return gif.write(bytes); }, progress, stop);
  }
  if (stop.requested()) {
    return interrupted(err);
  }
  if (problem) {
    return fail(err, arguments.output, *problem);
  }
  return gif.commit() ? exitSuccess : fail(err, arguments.output, pictureSaveFailedMessage().text);
}

// Writes what the command made of the loaded session to the output file.
int writeOutput(const CliArguments& arguments, Session& session, std::ostream* terminal,
                const StopRequest& stop, std::ostream& out, std::ostream& err) {
  switch (arguments.command) {
    case CliCommand::Render: {
      const auto picture = renderPicture(session, pictureStyle(arguments), arguments.preview);
      if (const auto* problem = std::get_if<std::string>(&picture)) {
        return fail(err, arguments.output, *problem);
      }
      if (stop.requested()) {
        return interrupted(err);
      }
      return writePng(arguments.output, std::get<QImage>(picture))
                 ? exitSuccess
                 : fail(err, arguments.output, pictureSaveFailedMessage().text);
    }
    case CliCommand::Animate:
      return animateCommand(arguments, session, terminal, stop, err);
    case CliCommand::Run:
      return runCommand(arguments, session, terminal, stop, out, err);
    default:
      return writePattern(arguments, session, stop, err);
  }
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal) {
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

  // From here on Ctrl+C lets the command end cleanly: a save under way
  // finishes, nothing is written after it.
  const StopRequest stop;
  Session session;
  applyPictureOptions(arguments, session.settings);
  if (const auto problem = loadPattern(arguments.input, session.settings, session.field)) {
    return fail(err, arguments.input, *problem);
  }
  std::ostream* terminal = errIsTerminal ? &err : nullptr;
  if (arguments.command == CliCommand::Info) {
    return infoCommand(arguments, session, terminal, stop, out, err);
  }
  return writeOutput(arguments, session, terminal, stop, out, err);
}

}  // namespace orvalis::cli
