#include "commands/menu_table.h"

#include <iterator>

namespace zorvik {

namespace {

constexpr MenuKind kCmd = MenuKind::Command;
constexpr MenuKind kSub = MenuKind::Submenu;
constexpr MenuKind kSep = MenuKind::Separator;

// Columns: id, name, depth, kind, command, own caption, visible, default,
// radio, group. Items that are hidden at design time have visible = false.
// MenuItem_Copy_All is visible itself but its command starts hidden, so it
// does not show until the command is made visible.
const MenuItemDef kMenu[] = {
    {1000, "MenuItem_Zoom", 0, kSub, "Action_Menu_Zoom", nullptr, true, false, false, 0},
    {1001, "MenuItem_Zoom_1", 1, kCmd, "Action_Zoom_1", nullptr, true, false, true, 1},
    {1002, "MenuItem_Zoom_2", 1, kCmd, "Action_Zoom_2", nullptr, true, false, true, 1},
    {1003, "MenuItem_Zoom_3", 1, kCmd, "Action_Zoom_3", nullptr, true, false, true, 1},
    {1004, "MenuItem_Zoom_4", 1, kCmd, "Action_Zoom_4", nullptr, true, false, true, 1},
    {1006, "MenuItem_Zoom_6", 1, kCmd, "Action_Zoom_6", nullptr, true, true, true, 1},
    {1008, "MenuItem_Zoom_8", 1, kCmd, "Action_Zoom_8", nullptr, true, false, true, 1},
    {1010, "MenuItem_Zoom_10", 1, kCmd, "Action_Zoom_10", nullptr, true, false, true, 1},
    {1012, "MenuItem_Zoom_12", 1, kCmd, "Action_Zoom_12", nullptr, true, false, true, 1},
    {1016, "MenuItem_Zoom_16", 1, kCmd, "Action_Zoom_16", nullptr, true, false, true, 1},
    {1020, "MenuItem_Zoom_20", 1, kCmd, "Action_Zoom_20", nullptr, true, false, true, 1},
    {2000, "MenuItem_Grid", 0, kSub, "Action_Menu_Grid", nullptr, true, false, false, 0},
    {2001, "MenuItem_Grid_Disp", 1, kCmd, "Action_Grid_Disp", nullptr, true, true, false, 0},
    {2002, "MenuItem_Grid_LineGrid", 1, kSep, nullptr, "-", true, false, false, 0},
    {2003, "MenuItem_Grid_Gray", 1, kCmd, "Action_Grid_Gray", nullptr, true, false, true, 2},
    {2004, "MenuItem_Grid_Black", 1, kCmd, "Action_Grid_Black", nullptr, false, false, true, 2},
    {2005, "MenuItem_Grid_White", 1, kCmd, "Action_Grid_White", nullptr, false, false, true, 2},
    {2006, "MenuItem_Grid_Invert", 1, kCmd, "Action_Grid_Invert", nullptr, true, false, true, 2},
    {2007, "MenuItem_Grid_Transparent", 1, kCmd, "Action_Grid_Transparent", nullptr, true, false, true, 2},
    {2008, "MenuItem_Grid_SelColor", 1, kCmd, "Action_Grid_SelColor", nullptr, true, false, true, 2},
    {2009, "MenuItem_Grid_LineSubGrid", 1, kSep, nullptr, "-", true, false, false, 0},
    {2010, "MenuItem_Grid_SubNone", 1, kCmd, "Action_Grid_SubNone", nullptr, true, false, true, 3},
    {2011, "MenuItem_Grid_SubBlue", 1, kCmd, "Action_Grid_SubBlue", nullptr, true, false, true, 3},
    {2012, "MenuItem_Grid_SubRed", 1, kCmd, "Action_Grid_SubRed", nullptr, false, false, true, 3},
    {2013, "MenuItem_Grid_SelSubColor", 1, kCmd, "Action_Grid_SelSubColor", nullptr, true, false, true, 3},
    {2014, "MenuItem_Grid_LineSubGrid2", 1, kSep, nullptr, "-", true, false, false, 0},
    {2015, "MenuItem_Grid_UseSubElseColor", 1, kCmd, "Action_Grid_UseSubElseColor", nullptr, true, false, false, 0},
    {2016, "MenuItem_Grid_SelSubElseColor", 1, kCmd, "Action_Grid_SelSubElseColor", nullptr, true, false, false, 0},
    {1, "MenuItem_Main_Line1", 0, kSep, nullptr, "-", true, false, false, 0},
    {3000, "MenuItem_Color", 0, kSub, "Action_Menu_Color", nullptr, true, false, false, 0},
    {3001, "MenuItem_Color_RGB", 1, kCmd, "Action_Color_RGB", nullptr, true, false, false, 0},
    {3002, "MenuItem_Color_HTML", 1, kCmd, "Action_Color_HTML", nullptr, true, false, false, 0},
    {3003, "MenuItem_Color_ColorRef", 1, kCmd, "Action_Color_COLORREF", nullptr, true, false, false, 0},
    {3004, "MenuItem_Color_HSV", 1, kCmd, "Action_Color_HSV", nullptr, false, false, false, 0},
    {3005, "MenuItem_Color_HLS", 1, kCmd, "Action_Color_HLS", nullptr, false, false, false, 0},
    {3006, "MenuItem_Color_HLSWin", 1, kCmd, "Action_Color_HLSWin", nullptr, false, false, false, 0},
    {3007, "MenuItem_Color_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {3099, "MenuItem_Color_InfoOnOff", 1, kCmd, "Action_Color_InfoOnOff", nullptr, true, true, false, 0},
    {4000, "MenuItem_Pos", 0, kSub, nullptr, "カーソル位置情報(&P)", true, false, false, 0},
    {4001, "MenuItem_Pos_Screen", 1, kCmd, "Action_Pos_Screen", nullptr, true, false, false, 0},
    {4002, "MenuItem_Pos_Monitor", 1, kCmd, "Action_Pos_Monitor", nullptr, true, false, false, 0},
    {4003, "MenuItem_Pos_Client", 1, kCmd, "Action_Pos_Client", nullptr, true, false, false, 0},
    {4004, "MenuItem_Pos_Length", 1, kCmd, "Action_Pos_Length", nullptr, true, false, false, 0},
    {4005, "MenuItem_Pos_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {4099, "MenuItem_Pos_InfoOnOff", 1, kCmd, "Action_Pos_InfoOnOff", nullptr, true, true, false, 0},
    {5000, "MenuItem_WinInfo", 0, kSub, "Action_Menu_WinInfo", nullptr, true, false, false, 0},
    {5001, "MenuItem_WinInfo_Handle", 1, kCmd, "Action_WinInfo_Handle", nullptr, true, false, false, 0},
    {5002, "MenuItem_WinInfo_ClassName", 1, kCmd, "Action_WinInfo_ClassName", nullptr, true, false, false, 0},
    {5003, "MenuItem_WinInfo_Text", 1, kCmd, "Action_WinInfo_Text", nullptr, true, false, false, 0},
    {5004, "MenuItem_WinInfo_WindowSize", 1, kCmd, "Action_WinInfo_WindowSize", nullptr, true, false, false, 0},
    {5005, "MenuItem_WinInfo_ClientSize", 1, kCmd, "Action_WinInfo_ClientSize", nullptr, true, false, false, 0},
    {5006, "MenuItem_WinInfo_Rect", 1, kCmd, "Action_WinInfo_Rect", nullptr, true, false, false, 0},
    {5007, "MenuItem_WinInfo_ControlID", 1, kCmd, "Action_WinInfo_ControlID", nullptr, false, false, false, 0},
    {5008, "MenuItem_WinInfo_Style", 1, kCmd, "Action_WinInfo_Style", nullptr, false, false, false, 0},
    {0, "MenuItem_WinInfo_Enabled", 1, kCmd, "Action_WinInfo_Enabled", nullptr, true, false, false, 0},
    {5009, "MenuItem_WinInfo_ParentWindow", 1, kCmd, "Action_WinInfo_ParentWindow", nullptr, true, false, false, 0},
    {5010, "MenuItem_WinInfo_PID", 1, kCmd, "Action_WinInfo_PID", nullptr, false, false, false, 0},
    {5011, "MenuItem_WinInfo_ExeName", 1, kCmd, "Action_WinInfo_ExeName", nullptr, true, false, false, 0},
    {5012, "MenuItem_WinInfo_FileVersion", 1, kCmd, "Action_WinInfo_FileVersion", nullptr, false, false, false, 0},
    {5013, "MenuItem_WinInfo_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {5014, "MenuItem_WinInfo_StyleVerbose", 1, kCmd, "Action_WinInfo_StyleVerbose", nullptr, true, false, false, 0},
    {5016, "MenuItem_WinInfo_Line2", 1, kSep, nullptr, "-", true, false, false, 0},
    {5099, "MenuItem_WinInfo_InfoOnOff", 1, kCmd, "Action_WinInfo_InfoOnOff", nullptr, true, true, false, 0},
    {2, "MenuItem_Main_Line2", 0, kSep, nullptr, "-", true, false, false, 0},
    {6000, "MenuItem_Copy", 0, kSub, "Action_Menu_Copy", nullptr, true, false, false, 0},
    {6001, "MenuItem_Copy_Picture", 1, kCmd, "Action_Copy_Picture", nullptr, true, false, false, 0},
    {6002, "MenuItem_Copy_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {6003, "MenuItem_Copy_ColorRGB", 1, kCmd, "Action_Copy_ColorRGB", nullptr, true, false, false, 0},
    {6004, "MenuItem_Copy_ColorRGBRed", 1, kCmd, "Action_Copy_ColorRGBRed", nullptr, true, false, false, 0},
    {6005, "MenuItem_Copy_ColorRGBGreen", 1, kCmd, "Action_Copy_ColorRGBGreen", nullptr, true, false, false, 0},
    {6006, "MenuItem_Copy_ColorRGBBlue", 1, kCmd, "Action_Copy_ColorRGBBlue", nullptr, true, false, false, 0},
    {6007, "MenuItem_Copy_ColorHTML", 1, kCmd, "Action_Copy_ColorHTML", nullptr, true, false, false, 0},
    {6008, "MenuItem_Copy_ColorColorRef", 1, kCmd, "Action_Copy_ColorCOLORREF", nullptr, true, false, false, 0},
    {6009, "MenuItem_Copy_ColorHSV", 1, kCmd, "Action_Copy_ColorHSV", nullptr, false, false, false, 0},
    {6100, "MenuItem_Copy_ColorHSVHue", 1, kCmd, "Action_Copy_ColorHSVHue", nullptr, false, false, false, 0},
    {6101, "MenuItem_Copy_ColorHSVSaturation", 1, kCmd, "Action_Copy_ColorHSVSaturation", nullptr, false, false, false, 0},
    {6102, "MenuItem_Copy_ColorHSVValue", 1, kCmd, "Action_Copy_ColorHSVValue", nullptr, false, false, false, 0},
    {6010, "MenuItem_Copy_ColorHLS", 1, kCmd, "Action_Copy_ColorHLS", nullptr, false, false, false, 0},
    {6104, "MenuItem_Copy_ColorHLSHue", 1, kCmd, "Action_Copy_ColorHLSHue", nullptr, false, false, false, 0},
    {6105, "MenuItem_Copy_ColorHLSSaturation", 1, kCmd, "Action_Copy_ColorHLSSaturation", nullptr, false, false, false, 0},
    {6106, "MenuItem_Copy_ColorHLSLightness", 1, kCmd, "Action_Copy_ColorHLSLightness", nullptr, false, false, false, 0},
    {6011, "MenuItem_Copy_ColorHLSWin", 1, kCmd, "Action_Copy_ColorHLSWin", nullptr, false, false, false, 0},
    {6108, "MenuItem_Copy_ColorHLSWinHue", 1, kCmd, "Action_Copy_ColorHLSWinHue", nullptr, false, false, false, 0},
    {6110, "MenuItem_Copy_ColorHLSWinSaturation", 1, kCmd, "Action_Copy_ColorHLSWinSaturation", nullptr, false, false, false, 0},
    {6111, "MenuItem_Copy_ColorHLSWinLightness", 1, kCmd, "Action_Copy_ColorHLSWinLightness", nullptr, false, false, false, 0},
    {6012, "MenuItem_Copy_Line2", 1, kSep, nullptr, "-", true, false, false, 0},
    {6013, "MenuItem_Copy_PosScreen", 1, kCmd, "Action_Copy_PosScreen", nullptr, true, false, false, 0},
    {6201, "MenuItem_Copy_PosScreenX", 1, kCmd, "Action_Copy_PosScreenX", nullptr, false, false, false, 0},
    {6202, "MenuItem_Copy_PosScreenY", 1, kCmd, "Action_Copy_PosScreenY", nullptr, false, false, false, 0},
    {6014, "MenuItem_Copy_PosMonitor", 1, kCmd, "Action_Copy_PosMonitor", nullptr, true, false, false, 0},
    {6203, "MenuItem_Copy_PosMonitorX", 1, kCmd, "Action_Copy_PosMonitorX", nullptr, false, false, false, 0},
    {6204, "MenuItem_Copy_PosMonitorY", 1, kCmd, "Action_Copy_PosMonitorY", nullptr, false, false, false, 0},
    {6015, "MenuItem_Copy_PosClient", 1, kCmd, "Action_Copy_PosClient", nullptr, true, false, false, 0},
    {6205, "MenuItem_Copy_PosClientX", 1, kCmd, "Action_Copy_PosClientX", nullptr, false, false, false, 0},
    {6206, "MenuItem_Copy_PosClientY", 1, kCmd, "Action_Copy_PosClientY", nullptr, false, false, false, 0},
    {6016, "MenuItem_Copy_PosUser", 1, kCmd, "Action_Copy_PosLength", nullptr, true, false, false, 0},
    {6207, "MenuItem_Copy_PosUserWidth", 1, kCmd, "Action_Copy_PosLengthWidth", nullptr, false, false, false, 0},
    {6208, "MenuItem_Copy_PosUserHeight", 1, kCmd, "Action_Copy_PosLengthHeight", nullptr, false, false, false, 0},
    {6017, "MenuItem_Copy_Line3", 1, kSep, nullptr, "-", true, false, false, 0},
    {6018, "MenuItem_Copy_WinInfoHandle", 1, kCmd, "Action_Copy_WinInfoHandle", nullptr, true, false, false, 0},
    {6019, "MenuItem_Copy_WinInfoClassName", 1, kCmd, "Action_Copy_WinInfoClassName", nullptr, true, false, false, 0},
    {6020, "MenuItem_Copy_WinInfoText", 1, kCmd, "Action_Copy_WinInfoText", nullptr, true, false, false, 0},
    {6021, "MenuItem_Copy_WinInfoWindowSize", 1, kCmd, "Action_Copy_WinInfoWindowSize", nullptr, true, false, false, 0},
    {6211, "MenuItem_Copy_WinInfoWindowSizeLeft", 1, kCmd, "Action_Copy_WinInfoWindowSizeLeft", nullptr, false, false, false, 0},
    {6212, "MenuItem_Copy_WinInfoWindowSizeTop", 1, kCmd, "Action_Copy_WinInfoWindowSizeTop", nullptr, false, false, false, 0},
    {6213, "MenuItem_Copy_WinInfoWindowSizeWidth", 1, kCmd, "Action_Copy_WinInfoWindowSizeWidth", nullptr, false, false, false, 0},
    {6214, "MenuItem_Copy_WinInfoWindowSizeHeight", 1, kCmd, "Action_Copy_WinInfoWindowSizeHeight", nullptr, false, false, false, 0},
    {6022, "MenuItem_Copy_WinInfoClientSize", 1, kCmd, "Action_Copy_WinInfoClientSize", nullptr, true, false, false, 0},
    {6215, "MenuItem_Copy_WinInfoClientSizeWidth", 1, kCmd, "Action_Copy_WinInfoClientSizeWidth", nullptr, false, false, false, 0},
    {6216, "MenuItem_Copy_WinInfoClientSizeHeight", 1, kCmd, "Action_Copy_WinInfoClientSizeHeight", nullptr, false, false, false, 0},
    {6023, "MenuItem_Copy_WinInfoRect", 1, kCmd, "Action_Copy_WinInfoRect", nullptr, true, false, false, 0},
    {6217, "MenuItem_Copy_WinInfoRectLeft", 1, kCmd, "Action_Copy_WinInfoRectLeft", nullptr, false, false, false, 0},
    {6218, "MenuItem_Copy_WinInfoRectTop", 1, kCmd, "Action_Copy_WinInfoRectTop", nullptr, false, false, false, 0},
    {6219, "MenuItem_Copy_WinInfoRectRight", 1, kCmd, "Action_Copy_WinInfoRectRight", nullptr, false, false, false, 0},
    {6220, "MenuItem_Copy_WinInfoRectBottom", 1, kCmd, "Action_Copy_WinInfoRectBottom", nullptr, false, false, false, 0},
    {6024, "MenuItem_Copy_WinInfoControlID", 1, kCmd, "Action_Copy_WinInfoControlID", nullptr, true, false, false, 0},
    {6025, "MenuItem_Copy_WinInfoStyle", 1, kCmd, "Action_Copy_WinInfoStyle", nullptr, true, false, false, 0},
    {6026, "MenuItem_Copy_WinInfoStyleEx", 1, kCmd, "Action_Copy_WinInfoStyleEx", nullptr, true, false, false, 0},
    {6027, "MenuItem_Copy_WinInfoPID", 1, kCmd, "Action_Copy_WinInfoPID", nullptr, true, false, false, 0},
    {6028, "MenuItem_Copy_WinInfoExeName", 1, kCmd, "Action_Copy_WinInfoExeName", nullptr, true, false, false, 0},
    {6029, "MenuItem_Copy_WinInfoFileVersion", 1, kCmd, "Action_Copy_WinInfoFileVersion", nullptr, true, false, false, 0},
    {6031, "MenuItem_Copy_Line4", 1, kSep, nullptr, "-", true, false, false, 0},
    {6099, "MenuItem_Copy_All", 1, kCmd, "Action_Copy_All", nullptr, true, true, false, 0},
    {14000, "MenuItem_Write", 0, kSub, "Action_Menu_Write", nullptr, false, false, false, 0},
    {14001, "MenuItem_Write_InfoCash", 1, kCmd, "Action_Write_InfoCash", nullptr, true, false, false, 0},
    {14400, "MenuItem_Write_ClearCash", 1, kCmd, "Action_Write_ClearCash", nullptr, true, false, false, 0},
    {14002, "MenuItem_Write_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {14402, "MenuItem_Write_TextClear", 1, kCmd, "Action_Write_TextClear", nullptr, true, false, false, 0},
    {14401, "MenuItem_Write_ClipboardText", 1, kCmd, "Action_Write_ClipboardText", nullptr, true, false, false, 0},
    {14003, "MenuItem_Write_ColorRGB", 1, kCmd, "Action_Write_ColorRGB", nullptr, true, false, false, 0},
    {14004, "MenuItem_Write_ColorRGBRed", 1, kCmd, "Action_Write_ColorRGBRed", nullptr, true, false, false, 0},
    {14005, "MenuItem_Write_ColorRGBGreen", 1, kCmd, "Action_Write_ColorRGBGreen", nullptr, true, false, false, 0},
    {14006, "MenuItem_Write_ColorRGBBlue", 1, kCmd, "Action_Write_ColorRGBBlue", nullptr, true, false, false, 0},
    {14007, "MenuItem_Write_ColorHTML", 1, kCmd, "Action_Write_ColorHTML", nullptr, true, false, false, 0},
    {14008, "MenuItem_Write_ColorCOLORREF", 1, kCmd, "Action_Write_ColorCOLORREF", nullptr, true, false, false, 0},
    {14009, "MenuItem_Write_ColorHSV", 1, kCmd, "Action_Write_ColorHSV", nullptr, true, false, false, 0},
    {14100, "MenuItem_Write_ColorHSVHue", 1, kCmd, "Action_Write_ColorHSVHue", nullptr, true, false, false, 0},
    {14101, "MenuItem_Write_ColorHSVSaturation", 1, kCmd, "Action_Write_ColorHSVSaturation", nullptr, true, false, false, 0},
    {14102, "MenuItem_Write_ColorHSVValue", 1, kCmd, "Action_Write_ColorHSVValue", nullptr, true, false, false, 0},
    {14010, "MenuItem_Write_ColorHLS", 1, kCmd, "Action_Write_ColorHLS", nullptr, true, false, false, 0},
    {14104, "MenuItem_Write_ColorHLSHue", 1, kCmd, "Action_Write_ColorHLSHue", nullptr, true, false, false, 0},
    {14105, "MenuItem_Write_ColorHLSSaturation", 1, kCmd, "Action_Write_ColorHLSSaturation", nullptr, true, false, false, 0},
    {14106, "MenuItem_Write_ColorHLSLightness", 1, kCmd, "Action_Write_ColorHLSLightness", nullptr, true, false, false, 0},
    {14011, "MenuItem_Write_ColorHLSWin", 1, kCmd, "Action_Write_ColorHLSWin", nullptr, true, false, false, 0},
    {14108, "MenuItem_Write_ColorHLSWinHue", 1, kCmd, "Action_Write_ColorHLSWinHue", nullptr, true, false, false, 0},
    {14110, "MenuItem_Write_ColorHLSWinSaturation", 1, kCmd, "Action_Write_ColorHLSWinSaturation", nullptr, true, false, false, 0},
    {14111, "MenuItem_Write_ColorHLSWinLightness", 1, kCmd, "Action_Write_ColorHLSWinLightness", nullptr, true, false, false, 0},
    {14200, "MenuItem_Write_Line2", 1, kSep, nullptr, "-", true, false, false, 0},
    {14201, "MenuItem_Write_PosScreen", 1, kCmd, "Action_Write_PosScreen", nullptr, true, false, false, 0},
    {14202, "MenuItem_Write_PosScreenX", 1, kCmd, "Action_Write_PosScreenX", nullptr, true, false, false, 0},
    {14203, "MenuItem_Write_PosScreenY", 1, kCmd, "Action_Write_PosScreenY", nullptr, true, false, false, 0},
    {14204, "MenuItem_Write_PosMonitor", 1, kCmd, "Action_Write_PosMonitor", nullptr, true, false, false, 0},
    {14205, "MenuItem_Write_PosMonitorX", 1, kCmd, "Action_Write_PosMonitorX", nullptr, true, false, false, 0},
    {14206, "MenuItem_Write_PosMonitorY", 1, kCmd, "Action_Write_PosMonitorY", nullptr, true, false, false, 0},
    {14207, "MenuItem_Write_PosClient", 1, kCmd, "Action_Write_PosClient", nullptr, true, false, false, 0},
    {14208, "MenuItem_Write_PosClientX", 1, kCmd, "Action_Write_PosClientX", nullptr, true, false, false, 0},
    {14209, "MenuItem_Write_PosClientY", 1, kCmd, "Action_Write_PosClientY", nullptr, true, false, false, 0},
    {14210, "MenuItem_Write_PosUser", 1, kCmd, "Action_Write_PosLength", nullptr, true, false, false, 0},
    {14211, "MenuItem_Write_PosUserWidth", 1, kCmd, "Action_Write_PosLengthWidth", nullptr, true, false, false, 0},
    {14212, "MenuItem_Write_PosUserHeight", 1, kCmd, "Action_Write_PosLengthHeight", nullptr, true, false, false, 0},
    {14300, "MenuItem_Write_Line3", 1, kSep, nullptr, "-", true, false, false, 0},
    {14301, "MenuItem_Write_WinInfoHandle", 1, kCmd, "Action_Write_WinInfoHandle", nullptr, true, false, false, 0},
    {14302, "MenuItem_Write_WinInfoClassName", 1, kCmd, "Action_Write_WinInfoClassName", nullptr, true, false, false, 0},
    {14303, "MenuItem_Write_WinInfoText", 1, kCmd, "Action_Write_WinInfoText", nullptr, true, false, false, 0},
    {14310, "MenuItem_Write_WinInfoWindowSize", 1, kCmd, "Action_Write_WinInfoWindowSize", nullptr, true, false, false, 0},
    {14311, "MenuItem_Write_WinInfoWindowSizeLeft", 1, kCmd, "Action_Write_WinInfoWindowSizeLeft", nullptr, true, false, false, 0},
    {14312, "MenuItem_Write_WinInfoWindowSizeTop", 1, kCmd, "Action_Write_WinInfoWindowSizeTop", nullptr, true, false, false, 0},
    {14313, "MenuItem_Write_WinInfoWindowSizeWidth", 1, kCmd, "Action_Write_WinInfoWindowSizeWidth", nullptr, true, false, false, 0},
    {14314, "MenuItem_Write_WinInfoWindowSizeHeight", 1, kCmd, "Action_Write_WinInfoWindowSizeHeight", nullptr, true, false, false, 0},
    {14315, "MenuItem_Write_WinInfoClientSize", 1, kCmd, "Action_Write_WinInfoClientSize", nullptr, true, false, false, 0},
    {14316, "MenuItem_Write_WinInfoClientSizeWidth", 1, kCmd, "Action_Write_WinInfoClientSizeWidth", nullptr, true, false, false, 0},
    {14317, "MenuItem_Write_WinInfoClientSizeHeight", 1, kCmd, "Action_Write_WinInfoClientSizeHeight", nullptr, true, false, false, 0},
    {14320, "MenuItem_Write_WinInfoRect", 1, kCmd, "Action_Write_WinInfoRect", nullptr, true, false, false, 0},
    {14321, "MenuItem_Write_WinInfoRectLeft", 1, kCmd, "Action_Write_WinInfoRectLeft", nullptr, true, false, false, 0},
    {14322, "MenuItem_Write_WinInfoRectTop", 1, kCmd, "Action_Write_WinInfoRectTop", nullptr, true, false, false, 0},
    {14323, "MenuItem_Write_WinInfoRectRight", 1, kCmd, "Action_Write_WinInfoRectRight", nullptr, true, false, false, 0},
    {14324, "MenuItem_Write_WinInfoRectBottom", 1, kCmd, "Action_Write_WinInfoRectBottom", nullptr, true, false, false, 0},
    {14330, "MenuItem_Write_WinInfoControlID", 1, kCmd, "Action_Write_WinInfoControlID", nullptr, true, false, false, 0},
    {14331, "MenuItem_Write_WinInfoStyle", 1, kCmd, "Action_Write_WinInfoStyle", nullptr, true, false, false, 0},
    {14332, "MenuItem_Write_WinInfoStyleEx", 1, kCmd, "Action_Write_WinInfoStyleEx", nullptr, true, false, false, 0},
    {14334, "MenuItem_Write_WinInfoPID", 1, kCmd, "Action_Write_WinInfoPID", nullptr, true, false, false, 0},
    {14335, "MenuItem_Write_WinInfoExeName", 1, kCmd, "Action_Write_WinInfoExeName", nullptr, true, false, false, 0},
    {14336, "MenuItem_Write_WinInfoFileVersion", 1, kCmd, "Action_Write_WinInfoFileVersion", nullptr, true, false, false, 0},
    {7000, "MenuItem_Capture", 0, kSub, "Action_Menu_Capture", nullptr, true, false, false, 0},
    {7001, "MenuItem_Capture_Pause", 1, kCmd, "Action_Capture_Pause", nullptr, true, true, false, 0},
    {7006, "MenuItem_Capture_Update", 1, kCmd, "Action_Capture_Update", nullptr, true, false, false, 0},
    {7002, "MenuItem_Capture_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {7003, "MenuItem_Capture_Lupe", 1, kCmd, "Action_Capture_Lupe", nullptr, true, false, true, 4},
    {7004, "MenuItem_Capture_Fixed", 1, kCmd, "Action_Capture_Fixed", nullptr, true, false, true, 4},
    {7005, "MenuItem_Capture_Line2", 1, kSep, nullptr, "-", true, false, false, 0},
    {8005, "MenuItem_Capture_NoSelfCapture", 1, kCmd, "Action_Capture_NoSelfCapture", nullptr, true, false, false, 0},
    {8006, "MenuItem_Capture_SmoothCapture", 1, kCmd, "Action_Capture_SmoothCapture", nullptr, true, false, false, 0},
    {8000, "MenuItem_Customize", 0, kSub, "Action_Menu_Setting", nullptr, true, false, false, 0},
    {8001, "MenuItem_Opt_StayOnTop", 1, kCmd, "Action_Opt_StayOnTop", nullptr, true, false, false, 0},
    {8002, "MenuItem_Opt_TitleBar", 1, kCmd, "Action_Opt_TitleBar", nullptr, true, false, false, 0},
    {8003, "MenuItem_Opt_ToolBar", 1, kCmd, "Action_Opt_ToolBar", nullptr, true, false, false, 0},
    {8011, "MenuItem_Opt_LargeIcon", 1, kCmd, "Action_Opt_LargeIcon", nullptr, true, false, false, 0},
    {8010, "MenuItem_Opt_ZoomWheel", 1, kCmd, "Action_Opt_ZoomWheel", "ホイール操作の向きを換える(&W)", true, false, false, 0},
    {8015, "MenuItem_Opt_LineTo", 1, kCmd, "Action_Opt_LineTo", nullptr, true, false, false, 0},
    {8004, "MenuItem_Opt_SelFont", 1, kCmd, "Action_Opt_SelFont", nullptr, true, false, false, 0},
    {8013, "MenuItem_Opt_Line1", 1, kSep, nullptr, "-", true, false, false, 0},
    {8014, "MenuItem_Test", 1, kSub, "Action_Menu_Test", nullptr, true, false, false, 0},
    {0, "MenuItem_Test_DispAPITest", 2, kCmd, "Action_Test_APITest", nullptr, true, false, false, 0},
    {0, "MenuItem_Test_AeroThemeOnOff", 2, kCmd, "Action_Test_AeroThemeOnOff", nullptr, true, false, false, 0},
    {0, "MenuItem_Test_Line1", 2, kSep, nullptr, "-", true, false, false, 0},
    {7010, "MenuItem_Test_Flip", 2, kSub, nullptr, "画像の反転・回転(&R)", true, false, false, 0},
    {7011, "Menuitem_Test_FlipNone", 3, kCmd, "Action_Test_FlipNone", nullptr, true, false, true, 5},
    {7012, "MenuItem_Test_FlipHorizontal", 3, kCmd, "Action_Test_FlipHorizontal", nullptr, true, false, true, 5},
    {7013, "MenuItem_Test_FlipVertical", 3, kCmd, "Action_Test_FlipVertical", nullptr, true, false, true, 5},
    {7014, "MenuItem_Test_Rotate90", 3, kCmd, "Action_Test_Rotate90", nullptr, true, false, true, 5},
    {7016, "MenuItem_Test_Rotate180", 3, kCmd, "Action_Test_Rotate180", nullptr, true, false, true, 5},
    {7015, "MenuItem_Test_Rotate270", 3, kCmd, "Action_Test_Rotate270", nullptr, true, false, true, 5},
    {0, "MenuItem_Test_Flip_Line1", 3, kSep, nullptr, "-", true, false, false, 0},
    {0, "MenuItem_Move_OptMoveBitmap", 3, kCmd, "Action_Move_OptMoveBitmap", nullptr, true, false, false, 0},
    {0, "MenuItem_Test_ROP", 2, kSub, nullptr, "ラスタオペレーション(&O)", true, false, false, 0},
    {0, "MenuItem_Test_Rop_SRCCOPY", 3, kCmd, "Action_Test_Rop_SRCCOPY", nullptr, true, true, true, 6},
    {0, "MenuItem_Test_Rop_NOTSRCCOPY", 3, kCmd, "Action_Test_Rop_NOTSRCCOPY", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_SRCINVERT", 3, kCmd, "Action_Test_Rop_SRCINVERT", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_SRCAND", 3, kCmd, "Action_Test_Rop_SRCAND", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_SRCPAINT", 3, kCmd, "Action_Test_Rop_SRCPAINT", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_MERGECOPY", 3, kCmd, "Action_Test_Rop_MERGECOPY", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_MERGEPAINT", 3, kCmd, "Action_Test_Rop_MERGEPAINT", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_NOTSRCERASE", 3, kCmd, "Action_Test_Rop_NOTSRCERASE", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_SRCERASE", 3, kCmd, "Action_Test_Rop_SRCERASE", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_PATCOPY", 3, kCmd, "Action_Test_Rop_PATCOPY", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_PATINVERT", 3, kCmd, "Action_Test_Rop_PATINVERT", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_PATPAINT", 3, kCmd, "Action_Test_Rop_PATPAINT", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_DSTINVERT", 3, kCmd, "Action_Test_Rop_DSTINVERT", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_BLACKNESS", 3, kCmd, "Action_Test_Rop_BLACKNESS", nullptr, true, false, true, 6},
    {0, "MenuItem_Test_Rop_WHITENESS", 3, kCmd, "Action_Test_Rop_WHITENESS", nullptr, true, false, true, 6},
    {0, "MenuItem_Brush", 2, kSub, nullptr, "背景ブラシ(&B)", true, false, false, 0},
    {0, "MenuItem_Capture_Brush_Solid", 3, kCmd, "Action_Test_Brush_Solid", nullptr, true, true, true, 7},
    {0, "MenuItem_Capture_Brush_Clear", 3, kCmd, "Action_Test_Brush_Clear", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_Horizontal", 3, kCmd, "Action_Test_Brush_Horizontal", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_Vertical", 3, kCmd, "Action_Test_Brush_Vertical", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_FDiagonal", 3, kCmd, "Action_Test_Brush_FDiagonal", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_BDiagonal", 3, kCmd, "Action_Test_Brush_BDiagonal", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_Cross", 3, kCmd, "Action_Test_Brush_Cross", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_DiagCross", 3, kCmd, "Action_Test_Brush_DiagCross", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_Bitmap", 3, kCmd, "Action_Test_Brush_Bitmap", nullptr, true, false, true, 7},
    {0, "MenuItem_Capture_Brush_Line1", 3, kSep, nullptr, "-", true, false, false, 0},
    {0, "MenuItem_Capture_Brush_SelColor", 3, kCmd, "Action_Test_Brush_SelColor", nullptr, true, false, false, 0},
    {0, "MenuItem_Capture_Brush_SelBkColor", 3, kCmd, "Action_Test_Brush_SelBkColor", nullptr, true, false, false, 0},
    {8007, "MenuItem_Opt_Line2", 1, kSep, nullptr, "-", true, false, false, 0},
    {9000, "MenuItem_Customize_Setting", 1, kCmd, "Action_Custom_Setting", nullptr, true, true, false, 0},
    {9001, "MenuItem_Customize_Menu", 1, kCmd, "Action_Custom_Menu", nullptr, true, false, false, 0},
    {9002, "MenuItem_Customize_ToolBar", 1, kCmd, "Action_Custom_ToolBar", nullptr, true, false, false, 0},
    {9003, "MenuItem_Customize_ShortCut", 1, kCmd, "Action_Custom_ShortCut", nullptr, true, false, false, 0},
    {9004, "MenuItem_Customize_Copy", 1, kCmd, "Action_Custom_Copy", nullptr, true, false, false, 0},
    {3, "MenuItem_Main_Line3", 0, kSep, nullptr, "-", true, false, false, 0},
    {13001, "MenuItem_Help", 0, kCmd, "Action_Help", nullptr, true, false, false, 0},
    {12001, "MenuItem_File_Minimize", 0, kCmd, "Action_File_Minimize", nullptr, false, false, false, 0},
    {4, "MenuItem_Main_Line4", 0, kSep, nullptr, "-", true, false, false, 0},
    {12002, "MenuItem_File_Exit", 0, kCmd, "Action_File_Exit", nullptr, true, false, false, 0},
};

const MenuItemDef kToolBarMenu[] = {
    {0, "MenuItem_ToolBar_Opt_ToolBar", 0, kCmd, "Action_Opt_ToolBar", nullptr, true, false, false, 0},
    {0, "MenuItem_ToolBar_Opt_LargeIcon", 0, kCmd, "Action_Opt_LargeIcon", nullptr, true, false, false, 0},
    {0, "MenuItem_ToolBar_Line1", 0, kSep, nullptr, "-", true, false, false, 0},
    {0, "MenuItem_ToolBar_Opt_Customize", 0, kCmd, "Action_Custom_ToolBar", nullptr, true, false, false, 0},
};

const MenuSectionCopy kSectionCopies[] = {
    {"PopupMenu_Zoom", "MenuItem_Zoom"},       {"PopupMenu_Grid", "MenuItem_Grid"},
    {"PopupMenu_Color", "MenuItem_Color"},     {"PopupMenu_Pos", "MenuItem_Pos"},
    {"PopupMenu_WinInfo", "MenuItem_WinInfo"}, {"PopupMenu_Copy", "MenuItem_Copy"},
    {"PopupMenu_Capture", "MenuItem_Capture"}, {"PopupMenu_Setting", "MenuItem_Customize"},
    {"PopupMenu_Test", "MenuItem_Test"},
};

const char* const kDefaultToolBar[] = {
    "Action_Grid_Disp", "Action_Menu_Color", "Action_Menu_Pos", "Action_Menu_WinInfo", "Action_Menu_Setting",
};

}  // namespace

const MenuItemDef* MenuTable() { return kMenu; }
size_t MenuItemCount() { return std::size(kMenu); }

const MenuItemDef* MenuItemById(uint16_t id) {
  if (id == 0) return nullptr;
  for (const MenuItemDef& m : kMenu)
    if (m.id == id) return &m;
  return nullptr;
}

const MenuItemDef* MenuItemByName(std::string_view name) {
  for (const MenuItemDef& m : kMenu)
    if (name == m.name) return &m;
  return nullptr;
}

uint16_t MenuItemIdOf(std::string_view name) { return MenuItemIdOf(MenuItemByName(name)); }
uint16_t MenuItemIdOf(const MenuItemDef* item) { return item ? item->id : 0; }

int MenuIndexOf(const MenuItemDef* item) {
  if (item < std::begin(kMenu) || item >= std::end(kMenu)) return -1;
  return static_cast<int>(item - std::begin(kMenu));
}

int MenuParentIndex(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kMenu))) return -1;
  const int depth = kMenu[index].depth;
  for (int i = index - 1; i >= 0; --i)
    if (kMenu[i].depth < depth) return i;
  return -1;
}

const CommandDef* MenuItemCommand(const MenuItemDef& item) {
  return item.command ? CommandByName(item.command) : nullptr;
}

const char* MenuItemCaption(const MenuItemDef& item) {
  if (item.ownCaption) return item.ownCaption;
  if (const CommandDef* c = MenuItemCommand(item)) return c->caption;
  return "";
}

const MenuItemDef* ToolBarMenuTable() { return kToolBarMenu; }
size_t ToolBarMenuItemCount() { return std::size(kToolBarMenu); }

const MenuSectionCopy* MenuSectionCopies() { return kSectionCopies; }
size_t MenuSectionCopyCount() { return std::size(kSectionCopies); }

const char* const* DefaultToolBar() { return kDefaultToolBar; }
size_t DefaultToolBarCount() { return std::size(kDefaultToolBar); }

}  // namespace zorvik
