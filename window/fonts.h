#pragma once

#include <QFont>

#include "window/form_controls.h"

namespace ohmcalc {

// 宋体 where it is installed, else the nearest CJK font, so Chinese text never
// shows as empty boxes.
QFont SongFont(double point_size);

// The font of every control that names none.
QFont WindowFont();

QFont FontFor(ControlFont font);

}  // namespace ohmcalc
