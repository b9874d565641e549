#include "win32/fonts.h"

#include "window/look.h"

namespace ohmcalc {
namespace {

HFONT MakeFont(const wchar_t* face, int hundredths_of_point, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(hundredths_of_point, static_cast<int>(dpi), 7200);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace

Fonts::Fonts(UINT dpi)
    : window_(MakeFont(L"Microsoft YaHei UI", FontSize(ControlFont::kDefault), dpi)),
      song_(MakeFont(L"SimSun", FontSize(ControlFont::kSong), dpi)),
      song_small_(MakeFont(L"SimSun", FontSize(ControlFont::kSongSmall), dpi)) {}

Fonts::~Fonts() {
  for (HFONT font : {window_, song_, song_small_}) DeleteObject(font);
}

HFONT Fonts::For(ControlFont font) const {
  switch (font) {
    case ControlFont::kSong:
      return song_;
    case ControlFont::kSongSmall:
      return song_small_;
    case ControlFont::kDefault:
      break;
  }
  return window_;
}

}  // namespace ohmcalc
