#pragma once

#include <QImage>
#include <QTest>

#include "engine/SettingsRecord.h"
#include "view/FieldView.h"

namespace orvalis::test {

// A shown field view with a client area of the given size, showing a field
// of the given size, and settings that the test changes like the panel.
struct ShownView {
  ShownView(QSize client, FieldSize size) : view(field) {
    settings.setGadgetValue(GadgetId::SizeXSpin, size.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, size.rows);
    view.attachSettings(settings);
    view.setFieldSize(size.columns, size.rows);
    view.resize(client);
    view.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&view));
  }

  // The pixels a full paint gives now.
  QImage picture() { return view.grab().toImage(); }
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
