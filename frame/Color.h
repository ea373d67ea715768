#pragma once
#include <cstdint>

// A colour value 0x00BBGGRR (red in the low byte). System colours and the two
// special values live above the RGB range and are resolved when painting.
using TColor = std::uint32_t;
// A resolved pixel: 0x00RRGGBB, the canvas's layout.
using Rgb = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clAqua = 0xFFFF00;

constexpr TColor kSystemColor = 0x80000000;
constexpr TColor clBackground = kSystemColor | 1;
constexpr TColor clWindow = kSystemColor | 5;
constexpr TColor clWindowText = kSystemColor | 8;
constexpr TColor clBtnFace = kSystemColor | 15;
constexpr TColor clBtnShadow = kSystemColor | 16;
constexpr TColor clBtnText = kSystemColor | 18;
constexpr TColor clBtnHighlight = kSystemColor | 20;
constexpr TColor clInfoText = kSystemColor | 23;
constexpr TColor clInfoBk = kSystemColor | 24;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clNone = 0x1FFFFFFF;

// The desktop scheme this program paints with.
Rgb colorToRgb(TColor color);
