#pragma once

#include <QFontMetrics>
#include <QRect>

namespace orvalis {

// Dialog layouts are drawn up in dialog units so that they grow with the
// font: one unit across is a quarter of the font's average character width,
// one unit down an eighth of its height.
class DialogUnits {
 public:
  DialogUnits(int averageCharWidth, int fontHeight);
  explicit DialogUnits(const QFontMetrics& metrics);

  QRect toPixels(const QRect& units) const;

 private:
  int across(int units) const;
  int down(int units) const;

  int averageCharWidth_;
  int fontHeight_;
};

}  // namespace orvalis
