#include "qt/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <limits>

#include "core/designer_aids.h"
#include "qt/box_field_store.h"
#include "qt/error_report.h"
#include "qt/fonts.h"
#include "qt/result_notice.h"
#include "qt/window_icon.h"
#include "window/aids_readers.h"
#include "window/control_names.h"
#include "window/form_controls.h"
#include "window/look.h"
#include "window/row_actions.h"
#include "window/tab_order.h"

namespace ohmcalc {
namespace {

QRect PixelRect(const TwipRect& rect) {
  return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width), TwipsToPixels(rect.height)};
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QWidget* MakeLabel(const ControlSpec& entry, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(entry.caption), parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (entry.kind == ControlKind::kBar) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(kBarColour.red, kBarColour.green, kBarColour.blue));
    label->setPalette(palette);
    label->setBackgroundRole(QPalette::Window);
    label->setAutoFillBackground(true);
  }
  return label;
}

QWidget* MakeTextBox(const ControlSpec& entry, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  // CJK fonts carry more line height than the box has room for; centring that
  // line would push the digits onto the bottom frame, so its bottom is aligned
  // instead. With a tighter font such as SimSun the two differ by a pixel.
  box->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setAccessibleName(Utf8(AccessibleName(entry)));
  return box;
}

QWidget* MakeButton(const ControlSpec& entry, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(entry.caption), parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setAccessibleName(Utf8(AccessibleName(entry)));
  return button;
}

QWidget* MakeControl(const ControlSpec& entry, QWidget* parent) {
  switch (entry.kind) {
    case ControlKind::kTextBox:
      return MakeTextBox(entry, parent);
    case ControlKind::kButton:
      return MakeButton(entry, parent);
    case ControlKind::kLabel:
    case ControlKind::kBar:
      break;
  }
  return MakeLabel(entry, parent);
}

}  // namespace

Form1::Form1(NumberLocale locale, QWidget* parent) : QWidget(parent), locale_(std::move(locale)) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kFormTitle));
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  BuildControls();
  notice_ = new ResultNotice(this);
  KeepDesignerAidsInStep();
}

QLineEdit* Form1::Box(int number) const { return boxes_.at(static_cast<std::size_t>(number - 1)); }

void Form1::BuildControls() {
  std::array<QWidget*, kFormControls.size()> controls{};
  // Qt stacks each new child above the others: made from the end of the
  // creation order, the controls stack as it says.
  for (auto index = kCreationOrder.rbegin(); index != kCreationOrder.rend(); ++index) {
    const ControlSpec& entry = kFormControls[*index];
    QWidget* control = MakeControl(entry, this);
    control->setObjectName(entry.name);
    control->setGeometry(PixelRect(entry.rect));
    if (entry.font != ControlFont::kDefault) control->setFont(FontFor(entry.font));
    if (entry.kind == ControlKind::kTextBox) {
      boxes_.at(static_cast<std::size_t>(BoxNumber(entry) - 1)) = static_cast<QLineEdit*>(control);
    }
    if (const ClickRoute* route = kRouteOfControl[*index]) {
      connect(static_cast<QPushButton*>(control), &QPushButton::clicked, this, [this, route] { RunRowAction(*route); });
    }
    controls[*index] = control;
  }
  for (std::size_t i = 1; i < kTabOrder.size(); ++i)
    QWidget::setTabOrder(controls[kTabOrder[i - 1]], controls[kTabOrder[i]]);
  controls[kFirstInTabOrder]->setFocus();
  const QString accepted_forms = QString::fromUtf8(kOperandToolTip);
  for (const CalcRow& row : kCalcRows) {
    Box(row.a)->setToolTip(accepted_forms);
    Box(row.b)->setToolTip(accepted_forms);
  }
}

void Form1::ShowDesignerAids(const CalcRow& row) {
  BoxFieldStore store(boxes_);
  const QString aids = QString::fromStdString(DesignerAids(row, store, locale_));
  Box(row.c)->setToolTip(aids);
  Box(row.c)->setAccessibleDescription(aids);
}

void Form1::KeepDesignerAidsInStep() {
  // Rebuilt from the boxes on every change of a box they read, whoever makes it.
  for (int box = 1; box <= kBoxCount; ++box) {
    for (const CalcRow* row : RowsReadingBox(box)) {
      connect(Box(box), &QLineEdit::textChanged, this, [this, row] { ShowDesignerAids(*row); });
    }
  }
}

void Form1::RunRowAction(const ClickRoute& route) {
  BoxFieldStore store(boxes_);
  auto failure = RunClickRoute(route, store, locale_);
  if (!failure) {
    // A report speaks for itself and a clear has nothing to say.
    if (route.action == RowAction::kEvaluate) {
      const std::string result = store.Get(CalcRowNumbered(route.row).c);
      notice_->Announce(Utf8(ResultAnnouncement(route.row, result)));
    }
    return;
  }
  ReportRunTimeError(this, failure->error);
  if (failure->culprit != 0) {
    QLineEdit* culprit = Box(failure->culprit);
    activateWindow();
    culprit->setFocus(Qt::OtherFocusReason);
    culprit->selectAll();
  }
}

}  // namespace ohmcalc
