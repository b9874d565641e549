#include <QLocale>

#include "window/system_number_locale.h"

namespace ohmcalc {

NumberLocale SystemNumberLocale() { return NumberLocale{QLocale::system().decimalPoint().toStdString()}; }

}  // namespace ohmcalc
