#include "window/fonts.h"

#include <QStringList>

namespace ohmcalc {
namespace {

constexpr double kWindowPointSize = 9.0;

QFont WithFamilies(const QStringList& families, double point_size) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

QFont SongFont(double point_size) {
  // Song (serif) faces first, then sans ones that at least carry the glyphs.
  return WithFamilies({"SimSun", QString::fromUtf8("宋体"), "NSimSun", "Noto Serif CJK SC", "Noto Sans CJK SC",
                       "WenQuanYi Zen Hei", "AR PL UMing CN"},
                      point_size);
}

QFont WindowFont() {
  return WithFamilies({"Noto Sans CJK SC", "Microsoft YaHei", "WenQuanYi Zen Hei", "SimSun", "Noto Serif CJK SC"},
                      kWindowPointSize);
}

QFont FontFor(ControlFont font) {
  switch (font) {
    case ControlFont::kSong1575:
      return SongFont(15.75);
    case ControlFont::kSong15:
      return SongFont(15.0);
    case ControlFont::kDefault:
      break;
  }
  return WindowFont();
}

}  // namespace ohmcalc
