#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ohmcalc {

// Tells a screen reader a row's result. Qt 6.4 has no announcement event, so
// the window holds an accessible object of role notification that is never
// drawn: each result becomes its name and the object is shown to the
// accessibility bus, which is how desktop notifications are spoken. Nothing
// happens while no assistive technology listens.
class ResultNotice : public QObject {
 public:
  explicit ResultNotice(QWidget* window);

  void Announce(const QString& text);
  const QString& text() const { return text_; }

 private:
  QString text_;
};

}  // namespace ohmcalc
