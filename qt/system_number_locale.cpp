#include "window/system_number_locale.h"

#include <QLocale>

namespace ohmcalc {

NumberLocale SystemNumberLocale() { return NumberLocale{QLocale::system().decimalPoint().toStdString()}; }

}  // namespace ohmcalc
