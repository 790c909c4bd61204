#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "shell/metadata/DateNow.h"
#include "shell/metadata/SourceLink.h"
#include "tests/shell/ProgramFixture.h"
#include "view/FieldView.h"

using namespace orvalis;

using Texts = std::vector<std::string>;

class MetadataTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  void openSource(const std::string& source) {
    gadgets().setGadgetText(GadgetId::SourceField, source);
    QTest::mouseClick(gadgets().gadgetHandle(GadgetId::OpenSourceButton), Qt::LeftButton);
  }

 private slots:
  void init() { startProgram(); }
  void cleanup() { endProgram(); }

  void webAddressesAreOpenedWithoutTheirBlanks() {
    openSource("  www.example.org  ");
    openSource("HTTP://EXAMPLE.ORG/Muster");
    openSource("https://conwaylife.com/wiki/Glider");
    openSource("HtTpS:x");
    openSource("WWW.Example.org");
    QCOMPARE(desktop->opened,
             (Texts{"www.example.org", "HTTP://EXAMPLE.ORG/Muster",
                    "https://conwaylife.com/wiki/Glider", "HtTpS:x", "WWW.Example.org"}));
    QVERIFY(desktop->copied.empty());
  }

  void anyOtherTextIsCopied() {
    openSource("  Winning Ways, Band 2 \xE0 jour ");
    openSource("");
    openSource("   ");
    openSource("http");
    openSource("www");
    openSource("ftp://example.org");
    openSource("\twww.example.org");  // only spaces count as blanks
    QCOMPARE(desktop->copied, (Texts{"Winning Ways, Band 2 \xE0 jour", "", "", "http", "www",
                                     "ftp://example.org", "\twww.example.org"}));
    QVERIFY(desktop->opened.empty());
  }

  void ctrlReturnOpensWhileThePanelIsHidden() {
    program->show();
    panel().hide();
    gadgets().setGadgetText(GadgetId::SourceField, "www.example.org");
    QTest::keyClick(&program->mainWindow(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(desktop->opened, Texts{"www.example.org"});
  }

  // A LifeXML file cannot hold them; typed keys never produce them.
  void pastedControlCharactersStayOutOfThePatternTexts() {
    const auto paste = [this](GadgetId id, const QString& text) {
      QWidget* field = gadgets().gadgetHandle(id);
      QGuiApplication::clipboard()->setText(text);
      if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setText(QStringLiteral("[]"));
        line->setCursorPosition(1);
        line->paste();
        QTest::keyClicks(line, "x");  // the caret stands after the pasted text
      } else {
        auto* editor = static_cast<QPlainTextEdit*>(field);
        editor->setPlainText(QStringLiteral("[]"));
        editor->moveCursor(QTextCursor::NextCharacter);
        editor->paste();
        QTest::keyClicks(editor, "x");
      }
      return gadgets().gadgetText(id);
    };
    const QString pasted = QStringLiteral("G\u0001r\u001b\u00fc\u007f\tn\u0008");
    QCOMPARE(paste(GadgetId::AuthorField, pasted), "[Gr\xFC\x7F\tnx]");
    QCOMPARE(paste(GadgetId::SourceField, pasted), "[Gr\xFC\x7F\tnx]");
    QCOMPARE(paste(GadgetId::CommentEditor, pasted + QStringLiteral("\r\n\u000b")),
             "[Gr\xFC\x7F\tn\r\nx]");
  }

  void theBrowserGetsHttpAddressesOnly() {
    QCOMPARE(platform::webAddressUrl("www.example.org"), QUrl("http://www.example.org"));
    QCOMPARE(platform::webAddressUrl("www.example.org:8080/a"),
             QUrl("http://www.example.org:8080/a"));
    QCOMPARE(platform::webAddressUrl("HTTPS://Example.org/Muster").scheme(), "https");
    QVERIFY(platform::webAddressUrl("file:///etc/passwd").isEmpty());
    QVERIFY(platform::webAddressUrl("/usr/bin/xterm").isEmpty());
  }

  void dateValueIsTheWallClockMinuteAsUtc() {
    const QDate day(2024, 5, 17);
    const long long minute = QDateTime(day, QTime(12, 34), Qt::UTC).toSecsSinceEpoch();
    QCOMPARE(wallClockMinute(QDateTime(day, QTime(12, 34, 5))), minute);
    QCOMPARE(wallClockMinute(QDateTime(day, QTime(12, 34, 59, 999))), minute);
    QCOMPARE(wallClockMinute(QDateTime(day, QTime(12, 35))), minute + 60);
  }

  void dateNowTwiceInAMinuteGivesTheSameDate() {
    QCOMPARE(gadgets().gadgetValue(GadgetId::DateField), 0);
    const long long before = wallClockMinute(QDateTime::currentDateTime());
    QTest::mouseClick(gadgets().gadgetHandle(GadgetId::DateNowButton), Qt::LeftButton);
    const long long first = gadgets().gadgetValue(GadgetId::DateField);
    const std::string shown = gadgets().gadgetText(GadgetId::DateField);
    QTest::keyClick(&program->mainWindow(), Qt::Key_N, Qt::ControlModifier);
    const long long second = gadgets().gadgetValue(GadgetId::DateField);
    const long long after = wallClockMinute(QDateTime::currentDateTime());
    if (before == after) {
      QCOMPARE(first, before);
      QCOMPARE(second, before);
      QCOMPARE(shown, QDateTime::fromSecsSinceEpoch(before, Qt::UTC)
                          .toString(QStringLiteral("dd.MM.yy HH:mm"))
                          .toStdString());
    } else {  // a minute began in between
      QVERIFY(first == before || first == after);
      QVERIFY(second == first || second == after);
    }
  }
};

QTEST_MAIN(MetadataTest)
#include "MetadataTest.moc"
