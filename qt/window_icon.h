#pragma once

#include <QIcon>

namespace ohmcalc {

// The program's 32 x 32, 256-colour icon, from its raw pixels in the
// resources: no image decoder plugins are loaded at start-up for it.
QIcon WindowIcon();

}  // namespace ohmcalc
