#include <QImage>
#include <QTest>
#include <utility>

#include "resources/ProgramResources.h"

using namespace orvalis;

namespace {

bool isDashLine(const QByteArray& line) {
  return line.size() >= 10 && line.count('-') == line.size();
}

}  // namespace

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutTextIsLatin1WithCrLfLineEnds() {
    const QByteArray text = aboutTextResource();
    QVERIFY(text.endsWith("\r\n"));
    for (qsizetype at = 0; at < text.size(); ++at) {
      if (text[at] == '\n') {
        QVERIFY2(at > 0 && text[at - 1] == '\r', "line feed without carriage return");
      }
      if (text[at] == '\r') {
        QVERIFY2(at + 1 < text.size() && text[at + 1] == '\n', "lone carriage return");
      }
      // Ä, Ö, Ü, ä, ö, ü and ß saved as UTF-8 would start with 0xC3.
      QVERIFY2(static_cast<unsigned char>(text[at]) != 0xC3, "UTF-8 where ISO-8859-1 belongs");
    }
    QVERIFY(text.contains("Gew\xE4hrleistung"));
    QVERIFY(text.contains("Freeware"));
  }

  void aboutTextHasAHeadedSectionForEveryLibrary() {
    QList<QByteArray> lines = aboutTextResource().split('\n');
    for (QByteArray& line : lines) {
      line = line.trimmed();
    }
    // Each library with where its licence text is, or the words that quote it.
    // The LGPL-3 incorporates the GPL-3, so Qt's section names both.
    const std::pair<QByteArray, QByteArrayList> libraries[] = {
        {"Qt", {"/usr/share/common-licenses/LGPL-3", "/usr/share/common-licenses/GPL-3"}},
        {"expat", {"Permission is"}},
        {"libjpeg-turbo", {"/usr/share/doc/libjpeg62-turbo/copyright"}},
        {"libpng", {"/usr/share/doc/libpng16-16/copyright"}},
        {"zlib", {"Permission is"}}};
    for (const auto& [library, licenceTexts] : libraries) {
      qsizetype heading = 1;
      while (heading + 1 < lines.size() &&
             !(lines[heading].contains(": " + library) && isDashLine(lines[heading - 1]) &&
               isDashLine(lines[heading + 1]))) {
        ++heading;
      }
      QVERIFY2(heading + 1 < lines.size(), library.constData());
      qsizetype end = heading + 2;
      while (end < lines.size() && !isDashLine(lines[end])) {
        ++end;
      }
      const QByteArray section = lines.mid(heading + 2, end - heading - 2).join('\n');
      QVERIFY2(section.contains("Copyright (C)"), library.constData());
      QVERIFY2(section.contains("Lizenz"), library.constData());
      for (const QByteArray& licenceText : licenceTexts) {
        QVERIFY2(section.contains(licenceText), (library + ": " + licenceText).constData());
      }
    }
  }

  void programIconIs48By48() {
    const QImage image(QStringLiteral(":/orvalis/orvalis.png"));
    QCOMPARE(image.size(), QSize(48, 48));
    QVERIFY(!programIcon().isNull());
    QCOMPARE(programIcon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
  }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
