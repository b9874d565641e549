#include "qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "window/look.h"

namespace ohmcalc {
namespace {

// A list of families makes the font system look up each missing one on every
// use, and so does asking for a missing family by name; picking the first
// installed one from the plain list of families, once, keeps start-up fast.
QString FirstInstalled(const QStringList& wanted) {
  static const QStringList installed = QFontDatabase::families();
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return wanted.back();
}

QFont Normal(const QString& family, double point_size) {
  QFont font(family);
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

QString SongFamily() {
  // Song (serif) faces first, then the CJK faces Debian installs.
  static const QString family = FirstInstalled({"SimSun", QString::fromUtf8("宋体"), "NSimSun", "Noto Sans CJK SC",
                                                "Noto Serif CJK SC", "WenQuanYi Zen Hei", "AR PL UMing CN"});
  return family;
}

QString WindowFamily() {
  static const QString family =
      FirstInstalled({"Noto Sans CJK SC", "Microsoft YaHei", "WenQuanYi Zen Hei", "SimSun", "Noto Serif CJK SC"});
  return family;
}

QFont SongFont(double point_size) { return Normal(SongFamily(), point_size); }

QFont WindowFont() { return Normal(WindowFamily(), FontSize(ControlFont::kDefault) / 100.0); }

QFont FontFor(ControlFont font) {
  if (font == ControlFont::kDefault) return WindowFont();
  return SongFont(FontSize(font) / 100.0);
}

}  // namespace ohmcalc
