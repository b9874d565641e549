#pragma once

#include <array>

namespace ohmcalc {

enum class ControlKind { kTextBox, kButton, kLabel, kBar };  // a bar is a solid red separator label
enum class ControlFont { kDefault, kSong, kSongSmall };      // the window's font, or 宋体 in two sizes (look.h)

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

// One control of the main window. Positions are in twips from the client
// area's top-left corner. `row` is the calculation row (0 for the bars);
// `label` names the unit label that describes a text box.
struct ControlSpec {
  const char* name;
  ControlKind kind;
  int row;
  const char* caption;
  TwipRect rect;
  int tab_index;
  ControlFont font;
  const char* label;
};

// From the build (CMakeLists.txt), which also names the installer's product by it.
inline constexpr const char* kFormTitle = OHMCALC_TITLE;
inline constexpr int kClientWidthTwips = 10530;
inline constexpr int kClientHeightTwips = 7140;
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// Top to bottom; within a row, the unit labels first.
inline constexpr std::array<ControlSpec, 70> kFormControls = {{
    {"Label2", ControlKind::kLabel, 1, "电阻  Ω", {360, 120, 1335, 255}, 3, ControlFont::kDefault, nullptr},
    {"Label3", ControlKind::kLabel, 1, "电流  A", {3720, 120, 1335, 375}, 4, ControlFont::kDefault, nullptr},
    {"Label4", ControlKind::kLabel, 1, "电压  v", {6960, 120, 1335, 255}, 5, ControlFont::kDefault, nullptr},
    {"Text1", ControlKind::kTextBox, 1, "", {360, 360, 2415, 435}, 0, ControlFont::kSong, "Label2"},
    {"Command3", ControlKind::kButton, 1, "×", {3000, 360, 495, 435}, 8, ControlFont::kDefault, nullptr},
    {"Text2", ControlKind::kTextBox, 1, "", {3720, 360, 2175, 435}, 1, ControlFont::kSong, "Label3"},
    {"Command1", ControlKind::kButton, 1, "等于", {6120, 360, 735, 435}, 6, ControlFont::kDefault, nullptr},
    {"Text3", ControlKind::kTextBox, 1, "", {6960, 360, 2535, 435}, 2, ControlFont::kSong, "Label4"},
    {"Command2", ControlKind::kButton, 1, "清除", {9720, 360, 615, 425}, 7, ControlFont::kDefault, nullptr},
    {"Label1", ControlKind::kBar, 0, "Label1", {0, 840, 10575, 35}, 9, ControlFont::kDefault, nullptr},
    {"Label8", ControlKind::kLabel, 2, "电压  v", {360, 1080, 1335, 255}, 10, ControlFont::kDefault, nullptr},
    {"Label5", ControlKind::kLabel, 2, "电阻  Ω", {3720, 1080, 1335, 255}, 11, ControlFont::kDefault, nullptr},
    {"Label6", ControlKind::kLabel, 2, "电流  A", {6960, 1080, 1335, 375}, 12, ControlFont::kDefault, nullptr},
    {"Text4", ControlKind::kTextBox, 2, "", {360, 1320, 2415, 435}, 13, ControlFont::kSong, "Label8"},
    {"Command4", ControlKind::kButton, 2, "÷", {3000, 1320, 495, 435}, 16, ControlFont::kDefault, nullptr},
    {"Text5", ControlKind::kTextBox, 2, "", {3720, 1320, 2175, 435}, 14, ControlFont::kSong, "Label5"},
    {"Command5", ControlKind::kButton, 2, "等于", {6120, 1320, 735, 435}, 17, ControlFont::kDefault, nullptr},
    {"Text6", ControlKind::kTextBox, 2, "", {6960, 1320, 2535, 435}, 15, ControlFont::kSong, "Label6"},
    {"Command6", ControlKind::kButton, 2, "清除", {9720, 1320, 615, 435}, 18, ControlFont::kDefault, nullptr},
    {"Label7", ControlKind::kBar, 0, "", {0, 1800, 10575, 35}, 19, ControlFont::kDefault, nullptr},
    {"Label9", ControlKind::kLabel, 3, "电压  v", {360, 2040, 1335, 255}, 20, ControlFont::kDefault, nullptr},
    {"Label16", ControlKind::kLabel, 3, "电流  A", {3720, 2040, 1335, 255}, 27, ControlFont::kDefault, nullptr},
    {"Label13", ControlKind::kLabel, 3, "电阻  Ω", {7080, 2040, 1335, 255}, 24, ControlFont::kDefault, nullptr},
    {"Text7", ControlKind::kTextBox, 3, "", {360, 2280, 2415, 435}, 29, ControlFont::kSong, "Label9"},
    {"Command7", ControlKind::kButton, 3, "÷", {3000, 2280, 495, 435}, 32, ControlFont::kDefault, nullptr},
    {"Text8", ControlKind::kTextBox, 3, "", {3720, 2280, 2175, 435}, 30, ControlFont::kSong, "Label16"},
    {"Command8", ControlKind::kButton, 3, "等于", {6120, 2280, 735, 435}, 33, ControlFont::kDefault, nullptr},
    {"Text9", ControlKind::kTextBox, 3, "", {6960, 2280, 2535, 435}, 31, ControlFont::kSong, "Label13"},
    {"Command9", ControlKind::kButton, 3, "清除", {9720, 2280, 615, 435}, 34, ControlFont::kDefault, nullptr},
    {"Label18", ControlKind::kBar, 0, "", {0, 2760, 10575, 135}, 35, ControlFont::kDefault, nullptr},
    {"Label19", ControlKind::kLabel, 4, "功率  W", {360, 3000, 1215, 375}, 41, ControlFont::kDefault, nullptr},
    {"Label17", ControlKind::kLabel, 4, "电流  A", {3720, 3000, 1335, 375}, 28, ControlFont::kDefault, nullptr},
    {"Label11", ControlKind::kLabel, 4, "电压  v", {7080, 3000, 1335, 255}, 22, ControlFont::kDefault, nullptr},
    {"Text10", ControlKind::kTextBox, 4, "", {360, 3240, 2415, 435}, 36, ControlFont::kSong, "Label19"},
    {"Command10", ControlKind::kButton, 4, "÷", {3000, 3240, 495, 435}, 39, ControlFont::kDefault, nullptr},
    {"Text11", ControlKind::kTextBox, 4, "", {3720, 3240, 2175, 435}, 37, ControlFont::kSong, "Label17"},
    {"Command11", ControlKind::kButton, 4, "等于", {6120, 3240, 735, 435}, 50, ControlFont::kDefault, nullptr},
    {"Text12", ControlKind::kTextBox, 4, "", {7080, 3240, 2415, 435}, 38, ControlFont::kSong, "Label11"},
    {"Command12", ControlKind::kButton, 4, "清除", {9720, 3240, 615, 435}, 40, ControlFont::kDefault, nullptr},
    {"Label20", ControlKind::kBar, 0, "Label20", {0, 3720, 10575, 35}, 42, ControlFont::kDefault, nullptr},
    {"Label21", ControlKind::kLabel, 5, "功率  W", {360, 3960, 1215, 255}, 43, ControlFont::kDefault, nullptr},
    {"Label12", ControlKind::kLabel, 5, "电压  v", {3720, 3960, 1335, 255}, 23, ControlFont::kDefault, nullptr},
    {"Label14", ControlKind::kLabel, 5, "电流  A", {7080, 3960, 1335, 255}, 25, ControlFont::kDefault, nullptr},
    {"Text13", ControlKind::kTextBox, 5, "", {360, 4200, 2415, 435}, 45, ControlFont::kSong, "Label21"},
    {"Command13", ControlKind::kButton, 5, "÷", {3000, 4200, 495, 435}, 49, ControlFont::kDefault, nullptr},
    {"Text14", ControlKind::kTextBox, 5, "", {3720, 4200, 2175, 435}, 46, ControlFont::kSong, "Label12"},
    {"Command14", ControlKind::kButton, 5, "等于", {6120, 4200, 735, 435}, 51, ControlFont::kDefault, nullptr},
    {"Text15", ControlKind::kTextBox, 5, "", {7080, 4200, 2415, 435}, 47, ControlFont::kSong, "Label14"},
    {"Command15", ControlKind::kButton, 5, "清除", {9720, 4200, 615, 435}, 52, ControlFont::kDefault, nullptr},
    {"Label24", ControlKind::kBar, 0, "Label24", {0, 4680, 10575, 35}, 55, ControlFont::kDefault, nullptr},
    {"Label10", ControlKind::kLabel, 6, "电压  v", {360, 4800, 1335, 255}, 21, ControlFont::kDefault, nullptr},
    {"Label15", ControlKind::kLabel, 6, "电流  A", {3720, 4800, 1335, 375}, 26, ControlFont::kDefault, nullptr},
    {"Label23", ControlKind::kLabel, 6, "功率  W", {7080, 4800, 1215, 375}, 48, ControlFont::kDefault, nullptr},
    {"Text16", ControlKind::kTextBox, 6, "", {360, 5040, 2415, 435}, 56, ControlFont::kSong, "Label10"},
    {"Command22", ControlKind::kButton, 6, "×", {3000, 5040, 495, 435}, 67, ControlFont::kDefault, nullptr},
    {"Text17", ControlKind::kTextBox, 6, "", {3720, 5040, 2175, 435}, 57, ControlFont::kSong, "Label15"},
    {"Command19", ControlKind::kButton, 6, "等于", {6120, 5040, 855, 435}, 60, ControlFont::kDefault, nullptr},
    {"Text18", ControlKind::kTextBox, 6, "", {7080, 5040, 2415, 435}, 58, ControlFont::kSong, "Label23"},
    {"Command16", ControlKind::kButton, 6, "清除", {9720, 5040, 615, 435}, 53, ControlFont::kDefault, nullptr},
    {"Label25", ControlKind::kBar, 0, "", {0, 5520, 10575, 135}, 62, ControlFont::kDefault, nullptr},
    {"Label26", ControlKind::kLabel, 7, "公式 （V×V）÷Ω=W", {240, 5640, 3495, 495}, 69, ControlFont::kSong, nullptr},
    {"Label27", ControlKind::kLabel, 7, "电压  v", {240, 6240, 1335, 255}, 66, ControlFont::kDefault, nullptr},
    {"Label34", ControlKind::kLabel, 7, "电阻  Ω", {3600, 6240, 1335, 255}, 68, ControlFont::kDefault, nullptr},
    {"Label22", ControlKind::kLabel, 7, "功率  W", {7200, 6240, 1215, 375}, 44, ControlFont::kDefault, nullptr},
    {"Text19", ControlKind::kTextBox, 7, "", {240, 6480, 2535, 435}, 63, ControlFont::kSong, "Label27"},
    {"Command18", ControlKind::kButton, 7, "÷", {3000, 6480, 495, 435}, 59, ControlFont::kDefault, nullptr},
    {"Text20", ControlKind::kTextBox, 7, "", {3720, 6480, 2175, 435}, 64, ControlFont::kSong, "Label34"},
    {"Command21", ControlKind::kButton, 7, "等于", {6120, 6480, 855, 435}, 61, ControlFont::kDefault, nullptr},
    {"Text21", ControlKind::kTextBox, 7, "", {7080, 6480, 2415, 435}, 65, ControlFont::kSongSmall, "Label22"},
    {"Command17", ControlKind::kButton, 7, "清除", {9720, 6480, 615, 435}, 54, ControlFont::kDefault, nullptr},
}};

}  // namespace ohmcalc
