#include "shell/startup/Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <algorithm>

#include "dialogs/AboutDialog.h"
#include "screen/PresentationCommand.h"
#include "shell/driver/SimulationDriver.h"
#include "shell/editing/EditingKeys.h"
#include "shell/editing/FieldEditing.h"
#include "shell/filecommands/FileCommands.h"
#include "shell/metadata/DateNow.h"
#include "shell/metadata/SourceLink.h"
#include "shell/panel/ControlPanel.h"
#include "shell/panel/ToolWindow.h"
#include "shell/population/RunReport.h"
#include "shell/startup/FileDrops.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

// Room for the frames and title bars that the window manager adds.
constexpr int frameRoom = 32;

// A square field view near the top left of the screen, unless the window
// was sized or placed already, and the panel to its right, on the screen.
void placeWindows(QWidget& mainWindow, QWidget& panel) {
  const QScreen* screen = mainWindow.screen();
  const QRect area = screen->availableGeometry();
  if (!mainWindow.testAttribute(Qt::WA_Resized)) {
    const int side =
        std::clamp(std::min(area.height(), area.width() - panel.width()) - 3 * frameRoom, 200, 720);
    mainWindow.resize(side, side);
  }
  if (!mainWindow.testAttribute(Qt::WA_Moved)) {
    mainWindow.move(area.topLeft() + QPoint(frameRoom, frameRoom));
  }
  const int panelX = std::min(mainWindow.x() + mainWindow.width() + frameRoom,
                              area.right() - panel.width() - frameRoom / 2);
  const int panelY =
      std::max(area.top(), std::min(mainWindow.y(), area.bottom() - panel.height() - frameRoom));
  panel.move(panelX, panelY);
}

}  // namespace

Program::Program(platform::MessageBoxes& messages, platform::DesktopServices& desktop,
                 platform::FileDialogs& fileDialogs)
    : messages_(messages), mainWindow_(std::make_unique<FieldView>(field_)) {
  controlPanel_ = new ControlPanel(*mainWindow_, field_, random_);
  mainWindow_->attachSettings(controlPanel_->gadgets());
  PanelHooks& hooks = controlPanel_->hooks();
  hooks.about = [this] { showAboutDialog(mainWindow_.get()); };
  hooks.restorePanel = [this] { mainWindow_->middleButton(); };
  hooks.presentation = [this] {
    startPresentation(field_, controlPanel_->gadgets(), *mainWindow_, random_,
                      [this](bool suspended) {
                        accelerators_->setSuspended(suspended);
                        editingKeys_->setSuspended(suspended);
                      });
  };
  hooks.openSource = [this, &desktop] { openOrCopySource(controlPanel_->gadgets(), desktop); };
  hooks.dateNow = [this] { setDateToNow(controlPanel_->gadgets()); };
  stepWindow_ = new ToolWindow(mainWindow_.get(), QStringLiteral("Life Schritt"), QSize(55, 40));
  driver_ = std::make_unique<SimulationDriver>(*controlPanel_, *stepWindow_, *mainWindow_, field_);
  editing_ = std::make_unique<FieldEditing>(field_, *controlPanel_, *mainWindow_, random_, desktop,
                                            messages_);
  hooks.commandDone = [this](GadgetId id) { editing_->recordCommand(id); };
  hooks.startStop = [this] {
    if (controlPanel_->gadgets().gadgetValue(GadgetId::StartToggle) != 0) {
      editing_->simulationStarted();
    }
    driver_->startOrStop();
  };
  driver_->setTickHandler([this](bool startsRun) { editing_->recordGeneration(startsRun); });
  hooks.step = [this] { driver_->step(); };
  mainWindow_->setRestoreHandler([this] { driver_->restore(); });
  mainWindow_->setEditHandler([this] { controlPanel_->showFieldStatus(); });
  mainWindow_->setEditDoneHandler([this] {
    editing_->recordEdit();
    controlPanel_->showFieldStatus();
  });
  accelerators_ = std::make_unique<AcceleratorFilter>(
      [this](GadgetId id) { controlPanel_->command(id, CommandSource::Accelerator); });
  qApp->installEventFilter(accelerators_.get());
  runReport_ = std::make_unique<RunReport>(field_, *controlPanel_, editing_->history(),
                                           *mainWindow_, fileDialogs, messages_);
  editing_->setRecordHandler([this](HistoryKind kind) { runReport_->recorded(kind); });
  editingKeys_ = std::make_unique<EditingKeyFilter>([this](EditCommand command) {
    if (command == EditCommand::ShowPopulation) {
      runReport_->showWindow();
    } else {
      editing_->run(command);
    }
  });
  qApp->installEventFilter(editingKeys_.get());
  fileCommands_ = std::make_unique<FileCommands>(field_, controlPanel_->gadgets(), *mainWindow_,
                                                 fileDialogs, messages_);
  hooks.save = [this] { fileCommands_->saveCommand(); };
  hooks.load = [this] { fileCommands_->loadCommand(); };
  // As after the load command, the main window is active after a drop.
  fileDrops_ = std::make_unique<FileDropFilter>(
      std::vector<QWidget*>{mainWindow_.get(), controlPanel_}, [this](const std::string& path) {
        openFile(path);
        mainWindow_->activateWindow();
      });
  qApp->installEventFilter(fileDrops_.get());
  fileCommands_->readSettingsAtStartup();
  editing_->startHistory();
}

Program::~Program() {
  qApp->removeEventFilter(fileDrops_.get());
  qApp->removeEventFilter(editingKeys_.get());
  qApp->removeEventFilter(accelerators_.get());
}

void Program::show() {
  placeWindows(*mainWindow_, *controlPanel_);
  mainWindow_->show();
  controlPanel_->show();
  controlPanel_->activateWindow();
}

void Program::openFile(const std::string& path) {
  fileCommands_->openFile(path);
  editing_->recordEdit();
  controlPanel_->showFieldStatus();
}

namespace {

void showStartupFailure(platform::MessageBoxes& messages, const char* text) {
  messages.show(nullptr, {text, "Fehler", MessageIcon::None, MessageButtons::Ok});
}

// Qt's own texts (dialog buttons, file dialogs) in German, as the program's.
void installGermanQtTexts(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace

int runProgram(const std::string& file) {
  auto& application = *qApp;
  installGermanQtTexts(static_cast<QApplication&>(application));
  platform::DialogMessageBoxes messages;
  if (QGuiApplication::primaryScreen() == nullptr) {
    showStartupFailure(messages, "Fensterklasse nicht registriert");
    return 0;
  }
  Program program(messages);
  program.mainWindow().winId();
  if (program.mainWindow().windowHandle() == nullptr) {
    showStartupFailure(messages, "Fenster konnte nicht geöffnet werden");
    return 0;
  }
  program.show();
  if (!file.empty()) {
    // From the running event loop, so that a message about the file stands
    // above the shown windows.
    QTimer::singleShot(0, [&program, &file] { program.openFile(file); });
  }
  QApplication::exec();
  return 0;
}

}  // namespace orvalis
