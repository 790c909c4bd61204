#include "shell/startup/Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWindow>

#include "shell/panel/ControlPanel.h"
#include "shell/startup/ToolWindow.h"
#include "view/FieldView.h"

namespace orvalis {

Program::Program(platform::MessageBoxes& messages)
    : messages_(messages), mainWindow_(std::make_unique<FieldView>(field_)) {
  controlPanel_ = new ControlPanel(mainWindow_.get());
  stepWindow_ = new ToolWindow(mainWindow_.get(), QStringLiteral("Life Schritt"), QSize(55, 40));
  accelerators_ = std::make_unique<AcceleratorFilter>(
      [this](GadgetId id) { controlPanel_->command(id, CommandSource::Accelerator); });
  qApp->installEventFilter(accelerators_.get());
}

Program::~Program() {
  qApp->removeEventFilter(accelerators_.get());
}

void Program::show() {
  mainWindow_->show();
  controlPanel_->show();
  controlPanel_->activateWindow();
}

namespace {

void showStartupFailure(platform::MessageBoxes& messages, const char* text) {
  messages.show(nullptr,
                {text, "Fehler", platform::MessageIcon::None, platform::MessageButtons::Ok});
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

int runProgram() {
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
  QApplication::exec();
  return 0;
}

}  // namespace orvalis
