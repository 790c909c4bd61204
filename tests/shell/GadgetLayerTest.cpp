#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <climits>

#include "settings/GadgetTable.h"
#include "settings/SettingsRecord.h"
#include "tests/shell/ProgramFixture.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

struct Expected {
  int id;
  const char* caption;  // UTF-8; empty for controls without a caption
  QRect rectangle;
};

// The panel as a user sees it, first control to last.
const Expected expectedPanel[] = {
    {0, "&Start", {2, 2, 55, 25}},
    {1, "Sc&reen", {57, 2, 55, 25}},
    {4, "Schritt", {112, 2, 55, 25}},
    {2, "Inter&vall", {2, 28, 55, 15}},
    {3, "", {2, 43, 55, 20}},
    {5, "Größe X", {57, 28, 60, 15}},
    {6, "Y", {112, 28, 60, 15}},
    {7, "", {57, 43, 54, 20}},
    {8, "", {112, 43, 54, 20}},
    {9, "&Gitter", {2, 68, 55, 15}},
    {10, "&Infinit", {57, 68, 55, 15}},
    {11, "&Hide", {112, 68, 55, 15}},
    {12, "Zu&fall", {2, 88, 55, 25}},
    {13, "", {2, 113, 55, 20}},
    {14, "&Leeren", {57, 88, 55, 25}},
    {15, "&Zurück", {112, 88, 55, 25}},
    {16, "&Merken", {112, 113, 55, 20}},
    {17, "O", {32, 140, 25, 25}},
    {18, "R", {57, 152, 25, 25}},
    {19, "U", {32, 165, 25, 25}},
    {20, "L", {7, 152, 25, 25}},
    {21, "Normal", {95, 140, 65, 15}},
    {23, "Statisch", {95, 155, 65, 15}},
    {22, "Leer", {95, 170, 65, 15}},
    {24, "S&peichern", {57, 200, 55, 25}},
    {25, "La&den", {2, 200, 55, 25}},
    {26, "Über", {112, 200, 55, 25}},
    {27, "Schwelle", {2, 232, 55, 15}},
    {28, "", {57, 230, 50, 20}},
    {29, "Invers", {112, 230, 50, 20}},
    {30, "Datei", {2, 255, 55, 15}},
    {31, "", {2, 270, 165, 20}},
    {32, "&Kommentar", {2, 295, 55, 15}},
    {33, "", {2, 310, 165, 120}},
    {34, "&Autor", {2, 435, 60, 15}},
    {35, "", {2, 450, 165, 20}},
    {36, "&Quelle", {2, 475, 55, 15}},
    {38, "", {2, 490, 145, 20}},
    {37, ">", {147, 490, 20, 20}},
    {39, "Datum", {2, 515, 55, 15}},
    {40, "", {2, 530, 145, 20}},
    {41, "&N", {147, 530, 20, 20}},
    {43, "", {2, 552, 165, 16}},
};

GadgetId gadget(int number) {
  return static_cast<GadgetId>(number);
}

std::string latin1(const char* utf8) {
  return QString::fromUtf8(utf8).toLatin1().toStdString();
}

// The control as a whole (the spin field around its edit).
QWidget* control(GadgetLayer& gadgets, GadgetId id) {
  QWidget* handle = gadgets.gadgetHandle(id);
  return gadgetKind(id) == GadgetKind::Spin ? handle->parentWidget() : handle;
}

}  // namespace

class GadgetLayerTest : public QObject, test::ProgramFixture {
  Q_OBJECT

 private slots:
  void init() { startProgram(); }
  void cleanup() { endProgram(); }

  void controlsStandInOrderWithCaptionsAndRectangles() {
    program->show();
    std::vector<QWidget*> inOrder;
    for (QObject* child : panel().children()) {
      if (auto* widget = qobject_cast<QWidget*>(child)) {
        inOrder.push_back(widget);
      }
    }
    QCOMPARE(inOrder.size(), std::size(expectedPanel));
    for (size_t i = 0; i < std::size(expectedPanel); ++i) {
      const Expected& expected = expectedPanel[i];
      const GadgetId id = gadget(expected.id);
      QWidget* widget = control(gadgets(), id);
      QCOMPARE(inOrder[i], widget);
      QCOMPARE(widget->geometry(), expected.rectangle);
      QVERIFY(widget->isVisibleTo(&panel()));
      if (*expected.caption != '\0') {
        QCOMPARE(gadgets().gadgetText(id), latin1(expected.caption));
      }
    }
    // A spin field's edit takes the width less half the height.
    QWidget* interval = gadgets().gadgetHandle(GadgetId::IntervalSpin);
    QCOMPARE(interval->geometry(), QRect(0, 0, 45, 20));
    QCOMPARE(gadgets().gadgetHandle(GadgetId::ThresholdSpin)->width(), 40);
    QCOMPARE(gadgets().gadgetHandle(GadgetId::RestorePanelCommand), nullptr);
  }

  // The panel and the plain settings record start alike and keep to the
  // same rules; the file code relies on either.
  void startValuesMatchTheSettingsRecord() {
    SettingsRecord record;
    for (int number = 0; number <= 42; ++number) {
      const GadgetId id = gadget(number);
      QCOMPARE(gadgets().gadgetValue(id), record.gadgetValue(id));
      const GadgetKind kind = gadgetKind(id);
      if (kind == GadgetKind::Spin || kind == GadgetKind::TextField || kind == GadgetKind::Editor) {
        QCOMPARE(gadgets().gadgetText(id), record.gadgetText(id));
      }
    }
    const auto sameAfter = [&](GadgetId id, long long value) {
      record.setGadgetValue(id, value);
      gadgets().setGadgetValue(id, value);
      return gadgets().gadgetValue(id) == record.gadgetValue(id) &&
             (gadgetKind(id) != GadgetKind::Spin ||
              gadgets().gadgetText(id) == record.gadgetText(id));
    };
    QVERIFY(sameAfter(GadgetId::IntervalSpin, 0));
    QVERIFY(sameAfter(GadgetId::ThresholdSpin, -5));
    QVERIFY(sameAfter(GadgetId::RandomPercentSpin, LLONG_MAX));
    QVERIFY(sameAfter(GadgetId::StaticOption, 1));
    QVERIFY(sameAfter(GadgetId::NormalOption, 0));
    QVERIFY(sameAfter(GadgetId::DateField, 1700000059));
  }

  void numbersWithoutControlDoNothing() {
    for (int number : {42, 44, -1, 1000}) {
      const GadgetId id = gadget(number);
      gadgets().setGadgetValue(id, 5);
      gadgets().setGadgetText(id, "x");
      gadgets().focusGadget(id);
      gadgets().enableGadget(id, false);
      gadgets().moveGadget(id, 3, 3);
      QCOMPARE(gadgets().gadgetValue(id), 0);
      QCOMPARE(gadgets().gadgetText(id), std::string());
      QCOMPARE(gadgets().gadgetHandle(id), nullptr);
    }
    // Controls without a value read 0 and ignore values.
    gadgets().setGadgetValue(GadgetId::AuthorField, 1);
    QCOMPARE(gadgets().gadgetValue(GadgetId::AuthorField), 0);
    QCOMPARE(gadgets().gadgetText(GadgetId::AuthorField), std::string());
  }

  void spinValuesStayInRangeWhileTheTextMayNot() {
    GadgetLayer& g = gadgets();
    g.setGadgetValue(GadgetId::IntervalSpin, 20000);
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 10000);
    QCOMPARE(g.gadgetText(GadgetId::IntervalSpin), "10000");
    g.setGadgetValue(GadgetId::IntervalSpin, LLONG_MIN);
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 1);

    // A number typed on the way to one beyond the range never becomes the
    // value: "20001" passes 2000, "150" passes 15.
    auto* interval = static_cast<QLineEdit*>(g.gadgetHandle(GadgetId::IntervalSpin));
    g.setGadgetValue(GadgetId::IntervalSpin, 4000);
    interval->selectAll();
    QTest::keyClicks(interval, "20001");
    QCOMPARE(g.gadgetText(GadgetId::IntervalSpin), "20001");
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 4000);
    auto* percent = static_cast<QLineEdit*>(g.gadgetHandle(GadgetId::RandomPercentSpin));
    percent->clear();
    QTest::keyClicks(percent, "150");
    QCOMPARE(g.gadgetValue(GadgetId::RandomPercentSpin), 50);
    QTest::keyClick(percent, Qt::Key_Backspace);
    QCOMPARE(g.gadgetValue(GadgetId::RandomPercentSpin), 15);

    interval->clear();
    QTest::keyClicks(interval, "2500");
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 2500);
    QTest::keyClicks(interval, "0");
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 2500);
    g.setGadgetText(GadgetId::IntervalSpin, "12abc");
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 2500);
    g.setGadgetText(GadgetId::IntervalSpin, "0");
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 2500);
    g.setGadgetText(GadgetId::IntervalSpin, "9999");
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 9999);

    // The arrow keys step from the last valid value and write it.
    g.setGadgetText(GadgetId::IntervalSpin, "junk");
    QTest::keyClick(interval, Qt::Key_Up);
    QCOMPARE(g.gadgetText(GadgetId::IntervalSpin), "10000");
    QTest::keyClick(interval, Qt::Key_Up);
    QCOMPARE(g.gadgetValue(GadgetId::IntervalSpin), 10000);
  }

  void sizeFieldsTakeNoTypingAndReachTheView() {
    GadgetLayer& g = gadgets();
    const FieldLayout& layout = program->mainWindow().fieldLayout();
    QCOMPARE(layout.columns, 50);
    QCOMPARE(layout.rows, 50);

    auto* sizeX = static_cast<QLineEdit*>(g.gadgetHandle(GadgetId::SizeXSpin));
    QTest::keyClicks(sizeX, "7");
    QCOMPARE(g.gadgetText(GadgetId::SizeXSpin), "50");
    QTest::keyClick(sizeX, Qt::Key_Up);
    QCOMPARE(layout.columns, 51);

    const auto arrows = sizeX->parentWidget()->findChildren<QToolButton*>();
    QCOMPARE(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    QCOMPARE(layout.columns, 52);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    QCOMPARE(g.gadgetValue(GadgetId::SizeXSpin), 50);
    QCOMPARE(layout.columns, 50);

    g.setGadgetValue(GadgetId::SizeYSpin, 120);
    QCOMPARE(layout.rows, 120);
    QCOMPARE(layout.columns, 50);
    g.setGadgetValue(GadgetId::SizeYSpin, 0);
    QCOMPARE(layout.rows, 1);
    QTest::mouseClick(sizeX->parentWidget()->findChildren<QToolButton*>()[1], Qt::LeftButton);
    g.setGadgetValue(GadgetId::SizeXSpin, 1);
    QTest::keyClick(sizeX, Qt::Key_Down);
    QCOMPARE(g.gadgetText(GadgetId::SizeXSpin), "1");
    QCOMPARE(layout.columns, 1);
  }

  void settingValuesRunsNoCommand() {
    GadgetLayer& g = gadgets();
    int starts = 0;
    panel().hooks().startStop = [&] { ++starts; };
    g.setGadgetValue(GadgetId::StartToggle, 7);
    g.setGadgetValue(GadgetId::InfiniteCheck, -1);
    QCOMPARE(g.gadgetValue(GadgetId::StartToggle), 1);
    QCOMPARE(g.gadgetValue(GadgetId::InfiniteCheck), 1);
    QCOMPARE(starts, 0);
    QVERIFY(!program->field().fieldEdited);
  }

  void optionsFormOneGroup() {
    GadgetLayer& g = gadgets();
    auto value = [&](GadgetId id) { return g.gadgetValue(id); };
    g.setGadgetValue(GadgetId::StaticOption, 1);
    QCOMPARE(value(GadgetId::NormalOption), 0);
    QCOMPARE(value(GadgetId::StaticOption), 1);
    g.setGadgetValue(GadgetId::StaticOption, 0);  // clears only this one
    QCOMPARE(value(GadgetId::NormalOption) + value(GadgetId::StaticOption) +
                 value(GadgetId::BlockedOption),
             0);
    g.setGadgetValue(GadgetId::NormalOption, 1);
    auto* blocked = static_cast<QAbstractButton*>(g.gadgetHandle(GadgetId::BlockedOption));
    QTest::mouseClick(blocked, Qt::LeftButton, {}, QPoint(6, 7));
    QCOMPARE(value(GadgetId::BlockedOption), 1);
    QCOMPARE(value(GadgetId::NormalOption), 0);
    // A click on an option selects it again after it was cleared.
    g.setGadgetValue(GadgetId::BlockedOption, 0);
    QTest::mouseClick(blocked, Qt::LeftButton, {}, QPoint(6, 7));
    QCOMPARE(value(GadgetId::BlockedOption), 1);
  }

  void textsCrossAsLatin1() {
    GadgetLayer& g = gadgets();
    g.setGadgetText(GadgetId::AuthorField, "M\xfcller");
    auto* author = static_cast<QLineEdit*>(g.gadgetHandle(GadgetId::AuthorField));
    QCOMPARE(author->text(), QStringLiteral("Müller"));
    QCOMPARE(g.gadgetText(GadgetId::AuthorField), "M\xfcller");
    author->setText(QStringLiteral("Łódź €"));
    QCOMPARE(g.gadgetText(GadgetId::AuthorField),
             "?\xf3"
             "d? ?");
    g.setGadgetText(GadgetId::FileNameField, "glider.lxm");
    QCOMPARE(g.gadgetText(GadgetId::FileNameField), "glider.lxm");
    QVERIFY(static_cast<QLineEdit*>(g.gadgetHandle(GadgetId::FileNameField))->isReadOnly());
    g.setGadgetText(GadgetId::SourceField, std::string("a\0b", 3));
    QCOMPARE(g.gadgetText(GadgetId::SourceField), std::string("a\0b", 3));
  }

  void commentKeepsItsTextWithCrLf() {
    GadgetLayer& g = gadgets();
    const std::string comment =
        "Zeile 1\r\nZeile\xa0"
        "2\tmit Tab\r\n\r\n\xe4nde \xff";
    g.setGadgetText(GadgetId::CommentEditor, comment);
    QCOMPARE(g.gadgetText(GadgetId::CommentEditor), comment);
    g.setGadgetText(GadgetId::CommentEditor, "a\nb\rc\r\n");
    QCOMPARE(g.gadgetText(GadgetId::CommentEditor), "a\r\nb\r\nc\r\n");

    auto* editor = static_cast<QPlainTextEdit*>(g.gadgetHandle(GadgetId::CommentEditor));
    editor->clear();
    QTest::keyClicks(editor, "ab");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "c");
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(editor, "d");
    QCOMPARE(g.gadgetText(GadgetId::CommentEditor), "ab\r\nc\r\nd");
    QCOMPARE(editor->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  }

  void caretLineIsShadedWhileTheEditorHasFocus() {
    auto* editor = static_cast<QPlainTextEdit*>(gadgets().gadgetHandle(GadgetId::CommentEditor));
    QVERIFY(showWithActivePanel());
    gadgets().focusGadget(GadgetId::CommentEditor);
    QTRY_VERIFY(editor->hasFocus());
    QCOMPARE(editor->extraSelections().size(), 1);
    QCOMPARE(editor->extraSelections()[0].format.background().color(), QColor(240, 240, 240));
    gadgets().focusGadget(GadgetId::AuthorField);
    QTRY_VERIFY(editor->extraSelections().isEmpty());
  }

  void dateFieldHoldsMinutesOfUtcWallClockOrNoDate() {
    GadgetLayer& g = gadgets();
    QCOMPARE(g.gadgetValue(GadgetId::DateField), 0);
    QCOMPARE(g.gadgetText(GadgetId::DateField), "");
    g.setGadgetValue(GadgetId::DateField, 1700000059);
    QCOMPARE(g.gadgetValue(GadgetId::DateField), 1700000040);
    QCOMPARE(g.gadgetText(GadgetId::DateField), "14.11.23 22:14");
    g.setGadgetValue(GadgetId::DateField, -90);
    QCOMPARE(g.gadgetValue(GadgetId::DateField), -120);
    QCOMPARE(g.gadgetText(GadgetId::DateField), "31.12.69 23:58");
    g.setGadgetValue(GadgetId::DateField, LLONG_MAX);
    QCOMPARE(g.gadgetText(GadgetId::DateField), "31.12.99 23:59");
    QCOMPARE(g.gadgetValue(GadgetId::DateField) % 60, 0);
    QVERIFY(g.gadgetValue(GadgetId::DateField) > 253402000000LL);
    g.setGadgetValue(GadgetId::DateField, 0);
    QCOMPARE(g.gadgetValue(GadgetId::DateField), 0);
    QCOMPARE(g.gadgetText(GadgetId::DateField), "");
  }

  void altLettersAreNoShortcuts() {
    QVERIFY(showWithActivePanel());
    for (Qt::Key key :
         {Qt::Key_S, Qt::Key_G, Qt::Key_I, Qt::Key_H, Qt::Key_L, Qt::Key_Z, Qt::Key_N}) {
      QTest::keyClick(&panel(), key, Qt::AltModifier);
    }
    QTest::qWait(300);  // a mnemonic clicks with a delay
    QCOMPARE(gadgets().gadgetValue(GadgetId::StartToggle), 0);
    QCOMPARE(gadgets().gadgetValue(GadgetId::GridCheck), 0);
    QCOMPARE(gadgets().gadgetValue(GadgetId::InfiniteCheck), 0);
    QCOMPARE(gadgets().gadgetValue(GadgetId::HideCheck), 0);
    // The letters are still marked for underlining.
    QCOMPARE(gadgets().gadgetText(GadgetId::GridCheck), "&Gitter");
    gadgets().setGadgetText(GadgetId::GridCheck, "&Raster");
    QTest::keyClick(&panel(), Qt::Key_R, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(gadgets().gadgetValue(GadgetId::GridCheck), 0);
  }

  void tabDoesNotMoveBetweenControls() {
    for (QWidget* widget : panel().findChildren<QWidget*>()) {
      QVERIFY2(!(widget->focusPolicy() & Qt::TabFocus),
               qPrintable(widget->metaObject()->className()));
    }
    QVERIFY(showWithActivePanel());
    gadgets().focusGadget(GadgetId::AuthorField);
    QWidget* author = gadgets().gadgetHandle(GadgetId::AuthorField);
    QTRY_COMPARE(QApplication::focusWidget(), author);
    QTest::keyClick(author, Qt::Key_Tab);
    QTest::keyClick(author, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), author);
  }

  void everyCaptionFitsItsRectangle() {
    for (const Expected& expected : expectedPanel) {
      const GadgetId id = gadget(expected.id);
      const GadgetKind kind = gadgetKind(id);
      QWidget* widget = gadgets().gadgetHandle(id);
      const QString caption = QString::fromUtf8(expected.caption).remove(u'&');
      const QFontMetrics metrics(widget->font());
      QStyle* style = widget->style();
      int room = widget->width();
      if (kind == GadgetKind::Check) {
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
      } else if (kind == GadgetKind::Option) {
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      } else if (kind == GadgetKind::Button || kind == GadgetKind::Toggle) {
        room -= 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
      }
      QVERIFY2(metrics.horizontalAdvance(caption) <= room, expected.caption);
      QVERIFY2(metrics.height() <= widget->height(), expected.caption);
    }
  }

  // The step button can be hooked from outside and can change windows.
  void stepButtonMovesBetweenWindowsAndCanBeWatched() {
    struct PressWatch : QObject {
      int presses = 0;
      bool eventFilter(QObject*, QEvent* event) override {
        presses += event->type() == QEvent::MouseButtonPress;
        return false;
      }
    } watch;
    int steps = 0;
    panel().hooks().step = [&] { ++steps; };
    QWidget* step = gadgets().gadgetHandle(GadgetId::StepButton);
    step->installEventFilter(&watch);
    QTest::mouseClick(step, Qt::LeftButton);
    step->setParent(&program->stepWindow());
    gadgets().moveGadget(GadgetId::StepButton, 0, 0);
    step->show();
    QCOMPARE(step->geometry(), QRect(0, 0, 55, 25));
    QTest::mouseClick(step, Qt::LeftButton);
    QCOMPARE(steps, 2);
    QCOMPARE(watch.presses, 2);
    QCOMPARE(step->font(), gadgets().gadgetHandle(GadgetId::SaveButton)->font());
    gadgets().enableGadget(GadgetId::StepButton, false);
    QTest::mouseClick(step, Qt::LeftButton);
    QCOMPARE(steps, 2);
  }
};

QTEST_MAIN(GadgetLayerTest)
#include "GadgetLayerTest.moc"
