#pragma once

#include <QImage>
#include <QTest>

#include "settings/SettingsRecord.h"
#include "tests/support/WindowPixels.h"
#include "view/FieldView.h"

namespace orvalis::test {

// A shown field view with a client area of the given size, showing a field
// of the given size, and settings that the test changes like the panel.
// The size comes last, as the panel passes it to a window already shown, so
// the view must place the cells itself.
struct ShownView {
  ShownView(QSize client, FieldSize size) : view(field) {
    view.attachSettings(settings);
    view.resize(client);
    view.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&view));
    settings.setGadgetValue(GadgetId::SizeXSpin, size.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, size.rows);
    view.setFieldSize(size.columns, size.rows);
    settlePaints();
  }

  // The pixels a full paint gives now.
  QImage picture() { return freshPixels(view); }
  // The pixels the window shows, as repainted event by event.
  QImage shown() { return shownPixels(view); }
  // Top-left pixel of a cell's fill.
  QPoint fillOrigin(int x, int y) const {
    const Cell& cell = field.cells.at(x, y);
    return {cell.pixelX, cell.pixelY};
  }
  // A point well inside a cell, for the pointer.
  QPoint inside(int x, int y) const { return fillOrigin(x, y) + QPoint(1, 1); }

  LifeField field;
  SettingsRecord settings;
  FieldView view;
};

}  // namespace orvalis::test
