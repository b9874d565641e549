// Writes the row and error cases as JSON, for the browser tests to run as
// the Qt and Windows tests do; each error with its culprit box's name and the
// text its report gives.
// Usage: ohmcalc_cases_json CASES_JSON
#include <fstream>
#include <string>

#include "tests/window/error_cases.h"
#include "tests/window/row_cases.h"
#include "web/json_string.h"
#include "window/control_names.h"
#include "window/report_wording.h"

namespace ohmcalc {
namespace {

std::string CasesJson() {
  std::string json = "{\"rows\": [";
  for (const RowCase& row : kRowCases) {
    json += std::string(&row == kRowCases.data() ? "\n" : ",\n") + "{\"row\": " + std::to_string(row.row) +
            ", \"a\": " + JsonString(row.a_text) + ", \"b\": " + JsonString(row.b_text) +
            ", \"c\": " + JsonString(row.c_text) + "}";
  }
  json += "\n], \"errors\": [";
  for (const ErrorCase& error : kErrorCases) {
    json += std::string(&error == kErrorCases.data() ? "\n" : ",\n") + "{\"row\": " + std::to_string(error.row) +
            ", \"a\": " + JsonString(error.a_text) + ", \"b\": " + JsonString(error.b_text) +
            ", \"number\": " + std::to_string(error.number) +
            ", \"culprit\": " + JsonString(BoxControl(CulpritBox(error)).name) +
            ", \"report\": " + JsonString(ReportText(error.number)) + "}";
  }
  return json + "\n]}\n";
}

}  // namespace
}  // namespace ohmcalc

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::ofstream out(argv[1], std::ios::binary);
  out << ohmcalc::CasesJson();
  return out ? 0 : 1;
}
