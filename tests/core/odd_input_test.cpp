#include <gtest/gtest.h>

#include <string>

#include "core/calc_rows.h"
#include "tests/core/recording_field_store.h"

namespace ohmcalc {
namespace {

int ErrorOf(std::string_view text) {
  try {
    ParseNumber(text);
    return 0;
  } catch (const RunTimeError& error) {
    return error.number();
  }
}

TEST(OddInput, StrangeCharactersAreTypeMismatches) {
  const std::string cases[] = {
      std::string("1\0"
                  "2",
                  3),  // embedded NUL
      std::string("\0", 1),
      "\xC3\x28",  // invalid UTF-8
      "1\xFF",     // stray byte
      "\xED\xA0\x80"
      "1",           // an encoded lone surrogate
      "\xEF\xBC",    // cut-off full-width character
      "5\xE3@\x80",  // a lead byte without its continuations
      "1\xEF\xBCP",
      "\xE2\x80\x8F"
      "12",              // right-to-left mark
      "12\xE2\x80\x8E",  // left-to-right mark
      "1\xCC\x81"
      "2",  // combining acute accent
      "\xEF\xBB\xBF"
      "5",                 // byte-order mark
      "\xEF\xBF\xBD",      // replacement character
      "\xD9\xA1\xD9\xA2",  // Arabic-Indic digits
      "1\xC2\xA0"
      "5",  // no-break space inside
  };
  for (const std::string& text : cases) EXPECT_EQ(ErrorOf(text), kErrorTypeMismatch) << text;
}

TEST(OddInput, MegabyteTextsFinishWithANumberOrAnError) {
  const std::size_t megabyte = 1 << 20;
  EXPECT_EQ(ErrorOf(std::string(megabyte, '9')), kErrorOverflow);
  EXPECT_EQ(ErrorOf(std::string(megabyte, ' ')), kErrorTypeMismatch);
  EXPECT_EQ(ErrorOf(std::string(megabyte, 'x')), kErrorTypeMismatch);
  EXPECT_EQ(ErrorOf(std::string(megabyte, '-')), kErrorTypeMismatch);
  EXPECT_EQ(ParseNumber(std::string(megabyte, ' ') + "7" + std::string(megabyte, ' ')), 7.0);
  EXPECT_EQ(ParseNumber("0." + std::string(megabyte, '3')), 1.0 / 3.0);
  EXPECT_EQ(ParseNumber(std::string(megabyte, '0') + "4k7"), 4700.0);
  std::string full_width_digits;
  for (std::size_t i = 0; i < megabyte / 3; ++i) full_width_digits += "\uFF10";  // ０
  EXPECT_EQ(ParseNumber(full_width_digits + "\uFF11"), 1.0);
  EXPECT_EQ(FormatResult("0." + std::string(megabyte, '9')), "1.");

  RecordingFieldStore boxes;
  boxes.Type(4, std::string(megabyte, '1'));
  boxes.Type(5, "3");
  EXPECT_THROW(EvaluateRow(kCalcRows[1], boxes), RunTimeError);
  EXPECT_TRUE(boxes.writes().empty());
}

}  // namespace
}  // namespace ohmcalc
