#pragma once

#include <QFont>

#include "window/form_controls.h"

namespace ohmcalc {

// 宋体 where it is installed, else an installed CJK font, so Chinese text
// never shows as empty boxes.
QString SongFamily();
QFont SongFont(double point_size);

// The window's own font: a CJK sans face.
QString WindowFamily();

// The font of every control that names none.
QFont WindowFont();

QFont FontFor(ControlFont font);

}  // namespace ohmcalc
