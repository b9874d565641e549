#include "qt/window_icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

namespace ohmcalc {

QIcon WindowIcon() {
  constexpr int kSide = 32;
  const QByteArray pixels = QResource(":/ohmcalc/ohmcalc-32.rgba").uncompressedData();
  if (pixels.size() != kSide * kSide * 4) return {};
  QImage image(reinterpret_cast<const uchar*>(pixels.constData()), kSide, kSide, QImage::Format_RGBA8888);
  return QIcon(QPixmap::fromImage(image.copy()));
}

}  // namespace ohmcalc
