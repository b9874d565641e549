#pragma once

#include <QWidget>
#include <array>

#include "core/calc_rows.h"
#include "window/click_routes.h"

class QLineEdit;

namespace ohmcalc {

class ResultNotice;

// The main window: seventy controls placed from kFormControls, the routed
// buttons wired from kClickRoutes, designer aids on every result box.
class Form1 : public QWidget {
 public:
  explicit Form1(NumberLocale locale, QWidget* parent = nullptr);

  QLineEdit* Box(int number) const;  // 1..kBoxCount

 private:
  void BuildControls();
  void KeepDesignerAidsInStep();
  void ShowDesignerAids(const CalcRow& row);
  void RunRowAction(const ClickRoute& route);

  NumberLocale locale_;
  ResultNotice* notice_ = nullptr;
  std::array<QLineEdit*, kBoxCount> boxes_{};
};

}  // namespace ohmcalc
