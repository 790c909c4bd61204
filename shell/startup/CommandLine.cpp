#include "shell/startup/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace orvalis {
namespace {

// The options that QGuiApplication, QApplication and the X11 platform take
// from the command line themselves.
constexpr const char* qtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "geometry",
                                              "qwindowtitle",
                                              "title",
                                              "qwindowicon",
                                              "icon",
                                              "session",
                                              "display",
                                              "name",
                                              "style",
                                              "stylesheet",
                                              "qmljsdebugger"};
constexpr const char* qtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addQtOption(QCommandLineParser& parser, const char* name, bool takesValue) {
  QCommandLineOption option(QString::fromLatin1(name), QString(),
                            takesValue ? QStringLiteral("value") : QString());
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(option);
}

std::string terminalText(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

CommandLine endWith(int exitCode, std::string text) {
  return {false, {}, exitCode, std::move(text)};
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // As Qt's own options are written: -platform xcb, -style=fusion.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Draw patterns for Conway's Game of Life and watch them run."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Displays the version."));
  parser.addOption(help);
  parser.addOption(version);
  for (const char* name : qtOptionsWithValue) {
    addQtOption(parser, name, true);
  }
  for (const char* name : qtSwitches) {
    addQtOption(parser, name, false);
  }
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("The pattern to open: LifeXML (.lxm), Life file (.lif), RLE (.rle), "
                     "plaintext (.cells), or a picture (JPEG, PNG, BMP) to turn into cells."),
      QStringLiteral("[FILE]"));

  // Without an application object the parser does not know the program's
  // name.
  const QString program = QFileInfo(arguments.value(0, QStringLiteral("orvalis"))).fileName();
  const std::string usage =
      terminalText(parser.helpText().replace(QStringLiteral("<executable_name>"), program));
  const auto wrong = [&](const QString& problem) {
    return endWith(2, terminalText(program + QStringLiteral(": ") + problem) + "\n\n" + usage);
  };

  if (!parser.parse(arguments)) {
    return wrong(parser.errorText());
  }
  if (parser.isSet(help)) {
    return endWith(0, usage);
  }
  if (parser.isSet(version)) {
    return endWith(0, terminalText(QCoreApplication::applicationName() + QLatin1Char(' ') +
                                   QCoreApplication::applicationVersion()) +
                          "\n");
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    return wrong(QStringLiteral("Only one FILE can be opened."));
  }
  CommandLine commandLine;
  commandLine.platformOption = parser.isSet(QStringLiteral("platform"));
  if (!files.isEmpty()) {
    const std::filesystem::path file = QFile::encodeName(files.first()).toStdString();
    std::error_code error;
    commandLine.file = std::filesystem::absolute(file, error).string();
  }
  return commandLine;
}

}  // namespace orvalis
