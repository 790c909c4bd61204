#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "screen/FieldPicture.h"
#include "screen/PresentationCommand.h"
#include "screen/QtScreenLayer.h"
#include "screen/ScreenLayout.h"
#include "settings/SettingsRecord.h"
#include "view/FieldPalette.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

QWidget* presentationWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == QStringLiteral("LifeScreen")) {
      return widget;
    }
  }
  return nullptr;
}

struct Parts {
  Parts() {
    view.resize(500, 400);
    view.setFieldSize(50, 50);
    view.show();
  }
  LifeField field;
  SettingsRecord settings;
  FieldView view{field};
  Random random{3};
  std::vector<bool> suspended;
  void start() {
    startPresentation(field, settings, view, random,
                      [this](bool suspend) { suspended.push_back(suspend); });
  }
};

}  // namespace

class QtScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void nothingStartsWhileTheSimulationRuns() {
    Parts parts;
    parts.settings.setGadgetValue(GadgetId::StartToggle, 1);
    parts.start();
    QVERIFY(parts.suspended.empty());
    QCOMPARE(parts.field.cells.at(0, 0).pixelX, 51);
  }

  void presentationCoversTheScreenAndEndsWithEscape() {
    Parts parts;
    parts.field.cells.at(0, 0).state = CellState::Alive;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const ScreenLayout layout =
        screenLayout(screen->size().width(), screen->size().height(), {50, 50});
    bool seen = false;
    Qt::WindowStates states;
    Qt::WindowFlags flags;
    QTimer::singleShot(300, [&] {
      QWidget* window = presentationWindow();
      if (!window) {
        qFatal("no presentation window, so no way to end the presentation");
      }
      seen = true;
      QCOMPARE(window->geometry(), screen->geometry());
      states = window->windowState();
      flags = window->windowFlags();
      QCOMPARE(window->cursor().shape(), Qt::BlankCursor);
      QVERIFY(!window->windowIcon().isNull());
      QCOMPARE(window->windowModality(), Qt::ApplicationModal);
      QVERIFY(window->isActiveWindow());
      const QImage shown = window->grab().toImage();
      const QPoint cell(layout.pixelX(0), layout.pixelY(0));
      QCOMPARE(shown.pixel(cell), palette::alive);
      QCOMPARE(shown.pixel(cell - QPoint(1, 0)), palette::line);
      QCOMPARE(shown.pixel(layout.pixelX(1), cell.y()), palette::background);
      QTest::keyPress(window, Qt::Key_Escape);
    });
    parts.start();
    QVERIFY(seen);
    // The window manager's full-screen state, which puts the window above
    // every panel, rather than a plain window the size of the screen.
    QVERIFY(states.testFlag(Qt::WindowFullScreen));
    QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
    QCOMPARE(parts.suspended, (std::vector<bool>{true, false}));
    QVERIFY(!presentationWindow());
    QCOMPARE(parts.field.cells.at(0, 0).pixelX, 51);
    QCOMPARE(parts.field.cells.at(0, 0).pixelY, 1);
  }
};

QTEST_MAIN(QtScreenTest)
#include "QtScreenTest.moc"
