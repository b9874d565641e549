#include "qt/box_field_store.h"

#include <QLineEdit>

namespace ohmcalc {

QLineEdit* BoxFieldStore::At(int box) const { return boxes_.at(static_cast<std::size_t>(box - 1)); }

std::string BoxFieldStore::Get(int box) const { return At(box)->text().toStdString(); }

void BoxFieldStore::Set(int box, std::string_view text) {
  At(box)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace ohmcalc
