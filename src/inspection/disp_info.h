// One snapshot of everything the information area reports.
#pragma once
#include <cstdint>
#include <string>

namespace zorvik {

struct T_DispInfo {
  uint8_t R = 0, G = 0, B = 0;
  int32_t Html = 0;      // 0xRRGGBB
  int32_t ColorRef = 0;  // 0x00BBGGRR
  int32_t InspectedX = 0, InspectedY = 0;
  int32_t LengthOriginX = 0, LengthOriginY = 0;
  int32_t ClientOriginX = 0, ClientOriginY = 0;
  int32_t CursorCellX = 0, CursorCellY = 0;
  uintptr_t Handle = 0;
  std::u16string ClassName, Text;
  int32_t PosLeft = 0, PosTop = 0, PosWidth = 0, PosHeight = 0;
  int32_t ClientLeft = 0, ClientTop = 0, ClientWidth = 0, ClientHeight = 0;
  int32_t RectLeft = 0, RectTop = 0, RectRight = 0, RectBottom = 0;
  int32_t ControlId = 0, Style = 0, ExStyle = 0;
  bool Enabled = false;
  uintptr_t ParentHandle = 0;
  std::u16string ParentClassName, ParentText;
  uint32_t ProcessId = 0;
  std::u16string Executable, FileVersion;
  uint32_t BrushColour = 0xFFFFFF, HatchBackColour = 0;
  uint8_t FlipMode = 0;
  uint32_t RasterOp = 0x00CC0020;  // SRCCOPY

  void SetColour(uint32_t colorRef) {
    ColorRef = static_cast<int32_t>(colorRef & 0xFFFFFF);
    R = static_cast<uint8_t>(colorRef & 0xFF);
    G = static_cast<uint8_t>((colorRef >> 8) & 0xFF);
    B = static_cast<uint8_t>((colorRef >> 16) & 0xFF);
    Html = R * 65536 + G * 256 + B;
  }
};

}  // namespace zorvik
