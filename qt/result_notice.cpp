#include "qt/result_notice.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace ohmcalc {
namespace {

// A leaf under the window, not among its focusable children: a screen reader
// hears it when it shows and never lands on it.
class NoticeAccessible : public QAccessibleObject {
 public:
  explicit NoticeAccessible(ResultNotice* notice) : QAccessibleObject(notice) {}

  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? static_cast<const ResultNotice*>(object())->text() : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = static_cast<const ResultNotice*>(object())->text().isEmpty();
    return state;
  }
};

}  // namespace

ResultNotice::ResultNotice(QWidget* window) : QObject(window) {
  setObjectName("ResultNotice");
  // Found by queryAccessibleInterface from now on; dropped with the object.
  QAccessible::registerAccessibleInterface(new NoticeAccessible(this));
}

void ResultNotice::Announce(const QString& text) {
  if (!QAccessible::isActive()) return;
  text_ = text;
  // The new name first, so that a reader's cached copy is not the last result.
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace ohmcalc
