#include "commands/command_table.h"

#include <iterator>

namespace zorvik {

const char kCategoryCopy[] = "コピー";
const char kCategoryMenu[] = "メニュー";
const char kCategorySeparator[] = "区切り";

namespace {

constexpr const char* kCatZoom = "拡大倍率";
constexpr const char* kCatGrid = "グリッド";
constexpr const char* kCatColor = "カラー情報";
constexpr const char* kCatPos = "カーソル位置情報";
constexpr const char* kCatWinInfo = "ウィンドウ情報";
constexpr const char* kCatCopy = kCategoryCopy;
constexpr const char* kCatCapture = "キャプチャ";
constexpr const char* kCatTest = "テスト";
constexpr const char* kCatOption = "オプション";
constexpr const char* kCatCustom = "カスタマイズ";
constexpr const char* kCatMenu = kCategoryMenu;
constexpr const char* kCatMove = "移動";
constexpr const char* kCatFile = "ファイル";
constexpr const char* kCatHelp = "ヘルプ";
constexpr const char* kCatWrite = "テキスト書き換え";

constexpr uint8_t T = kToggle;
constexpr uint8_t C = kChecked;
constexpr uint8_t D = kDisabled;
constexpr uint8_t H = kHidden;

// Action-list order. Columns: id, name, category, caption, hint, icon, flags,
// group, tag, default key, fixed shortcut. Commands without an identifier sit
// next to their family: Action_WinInfo_Enabled among the window lines, the
// raster-operation and brush commands after the flip commands, the picture
// move option after the pointer moves, Action_Menu_Write after the menus.
// Tags: zoom factor, grid colour (COLORREF), flip mode, raster-operation
// code, brush colour.
const CommandDef kCommands[] = {
    {1001, "Action_Zoom_1", kCatZoom, " 1倍", "", 0, 0, 1, 1, nullptr, nullptr},
    {1002, "Action_Zoom_2", kCatZoom, " 2倍", "", 1, 0, 1, 2, nullptr, nullptr},
    {1003, "Action_Zoom_3", kCatZoom, " 3倍", "", 2, 0, 1, 3, nullptr, nullptr},
    {1004, "Action_Zoom_4", kCatZoom, " 4倍", "", 3, 0, 1, 4, nullptr, nullptr},
    {1006, "Action_Zoom_6", kCatZoom, " 6倍", "", 4, 0, 1, 6, nullptr, nullptr},
    {1008, "Action_Zoom_8", kCatZoom, " 8倍", "", 5, C, 1, 8, nullptr, nullptr},
    {1010, "Action_Zoom_10", kCatZoom, "10倍", "", 6, 0, 1, 10, nullptr, nullptr},
    {1012, "Action_Zoom_12", kCatZoom, "12倍", "", 7, 0, 1, 12, nullptr, nullptr},
    {1016, "Action_Zoom_16", kCatZoom, "16倍", "", 8, 0, 1, 16, nullptr, nullptr},
    {1020, "Action_Zoom_20", kCatZoom, "20倍", "", 9, 0, 1, 20, nullptr, nullptr},
    {1090, "Action_Zoom_Up", kCatZoom, "ズームアップ", "", 10, 0, 0, 0, "PgUp", nullptr},
    {1091, "Action_Zoom_Down", kCatZoom, "ズームダウン", "", 11, 0, 0, 0, "PgDn", nullptr},
    {2001, "Action_Grid_Gray", kCatGrid, "灰色(&G)", "", 12, C, 2, 0x999999, nullptr, nullptr},
    {2002, "Action_Grid_Black", kCatGrid, "黒(&B)", "", 13, 0, 2, 0x000000, nullptr, nullptr},
    {2003, "Action_Grid_White", kCatGrid, "白(&W)", "", 14, 0, 2, 0xFFFFFF, nullptr, nullptr},
    {2004, "Action_Grid_Invert", kCatGrid, "反転(&I)", "", 15, 0, 2, 0x000000, nullptr, nullptr},
    {2005, "Action_Grid_Transparent", kCatGrid, "半透明(&H)", "", 16, 0, 2, 0xCCCCCC, nullptr, nullptr},
    {2006, "Action_Grid_SelColor", kCatGrid, "グリッド色選択(&U)...", "", 17, 0, 2, 0x999999, "U", nullptr},
    {2010, "Action_Grid_Disp", kCatGrid, "グリッド表示(&D)", "グリッドとルーラを表示", 18, C, 0, 0, nullptr, nullptr},
    {2011, "Action_Grid_SubNone", kCatGrid, "サブグリッド - なし(&N)", "", 19, 0, 3, 0, nullptr, nullptr},
    {2012, "Action_Grid_SubBlue", kCatGrid, "サブグリッド - 青(&B)", "", 20, C, 3, 0xFF0000, nullptr, nullptr},
    {2013, "Action_Grid_SubRed", kCatGrid, "サブグリッド - 赤(&R)", "", 21, 0, 3, 0x0000FF, nullptr, nullptr},
    {2014, "Action_Grid_SelSubColor", kCatGrid, "サブグリッド色選択(&S)...", "", 22, 0, 3, 0xFF0000, "I", nullptr},
    {2021, "Action_Grid_UseSubElseColor", kCatGrid, "サブグリッドに二色使う", "グリッドの5ますと10ますごとに違う色を使ってサブグリッドを引く", 23, T|C, 0, 0, nullptr, nullptr},
    {2022, "Action_Grid_SelSubElseColor", kCatGrid, "サブグリッド二色目選択(&E)...", "", 24, 0, 0, 0x008000, nullptr, nullptr},
    {3001, "Action_Color_RGB", kCatColor, "RGB(&R)", "", 25, T|C, 0, 0, nullptr, nullptr},
    {3002, "Action_Color_HTML", kCatColor, "HTML(&H)", "", 26, T|C, 0, 0, nullptr, nullptr},
    {3003, "Action_Color_COLORREF", kCatColor, "COLORREF(&C)", "", 27, T, 0, 0, nullptr, nullptr},
    {3004, "Action_Color_HSV", kCatColor, "HSV(&V)", "", 28, T, 0, 0, nullptr, nullptr},
    {3005, "Action_Color_HLS", kCatColor, "HLS(&L)", "", 29, T, 0, 0, nullptr, nullptr},
    {3006, "Action_Color_HLSWin", kCatColor, "HLS Windows(&W)", "", 30, T, 0, 0, nullptr, nullptr},
    {3099, "Action_Color_InfoOnOff", kCatColor, "表示の一括ON/OFF(&O)", "", 31, 0, 0, 0, nullptr, nullptr},
    {4001, "Action_Pos_Screen", kCatPos, "スクリーン座標(&S)", "", 32, T|C, 0, 0, nullptr, nullptr},
    {4002, "Action_Pos_Monitor", kCatPos, "モニター座標(&M)", "", 33, T, 0, 0, nullptr, nullptr},
    {4003, "Action_Pos_Client", kCatPos, "クライアント座標(&C)", "", 34, T, 0, 0, nullptr, nullptr},
    {4004, "Action_Pos_Length", kCatPos, "長さ(&L)", "", 35, T, 0, 0, nullptr, nullptr},
    {4010, "Action_Pos_LengthPosSet", kCatPos, "長さの原点指定", "", 36, 0, 0, 0, "Space", nullptr},
    {4099, "Action_Pos_InfoOnOff", kCatPos, "表示の一括ON/OFF(&O)", "", 37, 0, 0, 0, nullptr, nullptr},
    {5001, "Action_WinInfo_Handle", kCatWinInfo, "ハンドル(&H)", "", 38, T|C, 0, 0, nullptr, nullptr},
    {5002, "Action_WinInfo_ClassName", kCatWinInfo, "クラス名(&N)", "", 39, T|C, 0, 0, nullptr, nullptr},
    {5003, "Action_WinInfo_Text", kCatWinInfo, "テキスト(&T)", "", 40, T|C, 0, 0, nullptr, nullptr},
    {5004, "Action_WinInfo_WindowSize", kCatWinInfo, "ウィンドウサイズ(&W)", "", 41, T, 0, 0, nullptr, nullptr},
    {5005, "Action_WinInfo_ClientSize", kCatWinInfo, "クライアントサイズ(&C)", "", 42, T, 0, 0, nullptr, nullptr},
    {5006, "Action_WinInfo_Rect", kCatWinInfo, "RECT(&R)", "", 43, T, 0, 0, nullptr, nullptr},
    {5007, "Action_WinInfo_ControlID", kCatWinInfo, "コントロールID(&I)", "", 44, T, 0, 0, nullptr, nullptr},
    {5008, "Action_WinInfo_Style", kCatWinInfo, "ウィンドウスタイル(&S)", "", 45, T, 0, 0, nullptr, nullptr},
    {0, "Action_WinInfo_Enabled", kCatWinInfo, "Enabled(&E)", "", 46, T, 0, 0, nullptr, nullptr},
    {5021, "Action_WinInfo_ParentWindow", kCatWinInfo, "親ウィンドウ(&P)", "", 47, T, 0, 0, nullptr, nullptr},
    {5022, "Action_WinInfo_PID", kCatWinInfo, "プロセスID(&D)", "", 48, T, 0, 0, nullptr, nullptr},
    {5023, "Action_WinInfo_ExeName", kCatWinInfo, "実行ファイル名(&X)", "", 49, T, 0, 0, nullptr, nullptr},
    {5024, "Action_WinInfo_FileVersion", kCatWinInfo, "ファイルバージョン(&F)", "", 50, T, 0, 0, nullptr, nullptr},
    {5031, "Action_WinInfo_StyleVerbose", kCatWinInfo, "ウィンドウスタイル詳細表示(&V)", "カーソル位置のウィンドウのウィンドウスタイルと拡張ウィンドウスタイルを説明つきで表示", 51, T, 0, 0, nullptr, nullptr},
    {5099, "Action_WinInfo_InfoOnOff", kCatWinInfo, "表示の一括ON/OFF(&O)", "", 52, 0, 0, 0, nullptr, nullptr},
    {6001, "Action_Copy_Picture", kCatCopy, "ズーム画像", "", 53, 0, 0, 0, "Z", nullptr},
    {6002, "Action_Copy_ColorRGB", kCatCopy, "カラー情報/RGB", "", 54, 0, 0, 0, nullptr, nullptr},
    {6003, "Action_Copy_ColorRGBRed", kCatCopy, "カラー情報/RGB - 赤", "", 55, 0, 0, 0, nullptr, nullptr},
    {6004, "Action_Copy_ColorRGBGreen", kCatCopy, "カラー情報/RGB - 緑", "", 56, 0, 0, 0, nullptr, nullptr},
    {6005, "Action_Copy_ColorRGBBlue", kCatCopy, "カラー情報/RGB - 青", "", 57, 0, 0, 0, nullptr, nullptr},
    {6006, "Action_Copy_ColorHTML", kCatCopy, "カラー情報/HTML", "", 58, 0, 0, 0, "H", nullptr},
    {6007, "Action_Copy_ColorCOLORREF", kCatCopy, "カラー情報/COLORREF", "", 59, 0, 0, 0, "C", nullptr},
    {6008, "Action_Copy_ColorHSV", kCatCopy, "カラー情報/HSV", "", 60, 0, 0, 0, nullptr, nullptr},
    {6009, "Action_Copy_ColorHSVHue", kCatCopy, "カラー情報/HSV - 色相", "", 61, 0, 0, 0, nullptr, nullptr},
    {6010, "Action_Copy_ColorHSVSaturation", kCatCopy, "カラー情報/HSV - 彩度", "", 62, 0, 0, 0, nullptr, nullptr},
    {6011, "Action_Copy_ColorHSVValue", kCatCopy, "カラー情報/HSV - 明度", "", 63, 0, 0, 0, nullptr, nullptr},
    {6012, "Action_Copy_ColorHLS", kCatCopy, "カラー情報/HLS", "", 64, 0, 0, 0, nullptr, nullptr},
    {6013, "Action_Copy_ColorHLSHue", kCatCopy, "カラー情報/HLS - 色相", "", 65, 0, 0, 0, nullptr, nullptr},
    {6014, "Action_Copy_ColorHLSSaturation", kCatCopy, "カラー情報/HLS - 彩度", "", 66, 0, 0, 0, nullptr, nullptr},
    {6015, "Action_Copy_ColorHLSLightness", kCatCopy, "カラー情報/HLS - 輝度", "", 67, 0, 0, 0, nullptr, nullptr},
    {6016, "Action_Copy_ColorHLSWin", kCatCopy, "カラー情報/HLS Windows", "", 68, 0, 0, 0, nullptr, nullptr},
    {6017, "Action_Copy_ColorHLSWinHue", kCatCopy, "カラー情報/HLS Windows - 色合い", "", 69, 0, 0, 0, nullptr, nullptr},
    {6018, "Action_Copy_ColorHLSWinSaturation", kCatCopy, "カラー情報/HLS Windows - 鮮やかさ", "", 70, 0, 0, 0, nullptr, nullptr},
    {6019, "Action_Copy_ColorHLSWinLightness", kCatCopy, "カラー情報/HLS Windows - 明るさ", "", 71, 0, 0, 0, nullptr, nullptr},
    {6020, "Action_Copy_PosScreen", kCatCopy, "カーソル位置/スクリーン座標", "", 72, 0, 0, 0, nullptr, nullptr},
    {6021, "Action_Copy_PosMonitor", kCatCopy, "カーソル位置/モニター座標", "", 73, 0, 0, 0, nullptr, nullptr},
    {6022, "Action_Copy_PosClient", kCatCopy, "カーソル位置/クライアント座標", "", 74, 0, 0, 0, nullptr, nullptr},
    {6023, "Action_Copy_PosLength", kCatCopy, "カーソル位置/長さ", "", 75, 0, 0, 0, nullptr, nullptr},
    {6024, "Action_Copy_WinInfoHandle", kCatCopy, "ウィンドウ情報/ハンドル", "", 76, 0, 0, 0, nullptr, nullptr},
    {6025, "Action_Copy_WinInfoClassName", kCatCopy, "ウィンドウ情報/クラス名", "", 77, 0, 0, 0, nullptr, nullptr},
    {6026, "Action_Copy_WinInfoText", kCatCopy, "ウィンドウ情報/テキスト", "", 78, 0, 0, 0, nullptr, nullptr},
    {6027, "Action_Copy_WinInfoWindowSize", kCatCopy, "ウィンドウ情報/ウィンドウサイズ", "", 79, 0, 0, 0, nullptr, nullptr},
    {6028, "Action_Copy_WinInfoClientSize", kCatCopy, "ウィンドウ情報/クライアントサイズ", "", 80, 0, 0, 0, nullptr, nullptr},
    {6029, "Action_Copy_WinInfoRect", kCatCopy, "ウィンドウ情報/RECT", "", 81, 0, 0, 0, nullptr, nullptr},
    {6030, "Action_Copy_WinInfoControlID", kCatCopy, "ウィンドウ情報/コントロールID", "", 82, 0, 0, 0, nullptr, nullptr},
    {6031, "Action_Copy_WinInfoStyle", kCatCopy, "ウィンドウ情報/ウィンドウスタイル", "", 83, 0, 0, 0, nullptr, nullptr},
    {6032, "Action_Copy_WinInfoStyleEx", kCatCopy, "ウィンドウ情報/拡張ウィンドウスタイル", "", 84, 0, 0, 0, nullptr, nullptr},
    {6033, "Action_Copy_WinInfoStyleVerbose", kCatCopy, "ウィンドウ情報/ウィンドウスタイルの詳細", "", 85, 0, 0, 0, nullptr, nullptr},
    {6034, "Action_Copy_WinInfoPID", kCatCopy, "ウィンドウ情報/プロセスID", "", 86, 0, 0, 0, nullptr, nullptr},
    {6035, "Action_Copy_WinInfoExeName", kCatCopy, "ウィンドウ情報/実行ファイル名", "", 87, 0, 0, 0, nullptr, nullptr},
    {6036, "Action_Copy_WinInfoFileVersion", kCatCopy, "ウィンドウ情報/ファイルバージョン", "", 88, 0, 0, 0, nullptr, nullptr},
    {6041, "Action_Copy_WinInfoWindowSizeLeft", kCatCopy, "ウィンドウ情報/ウィンドウサイズ - Left", "", 89, 0, 0, 0, nullptr, nullptr},
    {6042, "Action_Copy_WinInfoWindowSizeTop", kCatCopy, "ウィンドウ情報/ウィンドウサイズ - Top", "", 90, 0, 0, 0, nullptr, nullptr},
    {6043, "Action_Copy_WinInfoWindowSizeWidth", kCatCopy, "ウィンドウ情報/ウィンドウサイズ - 幅", "", 91, 0, 0, 0, nullptr, nullptr},
    {6044, "Action_Copy_WinInfoWindowSizeHeight", kCatCopy, "ウィンドウ情報/ウィンドウサイズ - 高さ", "", 92, 0, 0, 0, nullptr, nullptr},
    {6045, "Action_Copy_WinInfoClientSizeWidth", kCatCopy, "ウィンドウ情報/クライアントサイズ - 幅", "", 93, 0, 0, 0, nullptr, nullptr},
    {6046, "Action_Copy_WinInfoClientSizeHeight", kCatCopy, "ウィンドウ情報/クライアントサイズ - 高さ", "", 94, 0, 0, 0, nullptr, nullptr},
    {6047, "Action_Copy_WinInfoRectLeft", kCatCopy, "ウィンドウ情報/RECT - Left", "", 95, 0, 0, 0, nullptr, nullptr},
    {6048, "Action_Copy_WinInfoRectTop", kCatCopy, "ウィンドウ情報/RECT - Top", "", 96, 0, 0, 0, nullptr, nullptr},
    {6049, "Action_Copy_WinInfoRectRight", kCatCopy, "ウィンドウ情報/RECT - Right", "", 97, 0, 0, 0, nullptr, nullptr},
    {6050, "Action_Copy_WinInfoRectBottom", kCatCopy, "ウィンドウ情報/RECT - Bottom", "", 98, 0, 0, 0, nullptr, nullptr},
    {6090, "Action_Copy_All", kCatCopy, "すべてのテキスト情報をコピー", "", 99, H, 0, 0, "F2", nullptr},
    {6101, "Action_Copy_PosScreenX", kCatCopy, "カーソル位置/スクリーン座標 - X", "", 100, 0, 0, 0, nullptr, nullptr},
    {6102, "Action_Copy_PosScreenY", kCatCopy, "カーソル位置/スクリーン座標 - Y", "", 101, 0, 0, 0, nullptr, nullptr},
    {6103, "Action_Copy_PosMonitorX", kCatCopy, "カーソル位置/モニター座標 - X", "", 102, 0, 0, 0, nullptr, nullptr},
    {6104, "Action_Copy_PosMonitorY", kCatCopy, "カーソル位置/モニター座標 - Y", "", 103, 0, 0, 0, nullptr, nullptr},
    {6105, "Action_Copy_PosClientX", kCatCopy, "カーソル位置/クライアント座標 - X", "", 104, 0, 0, 0, nullptr, nullptr},
    {6106, "Action_Copy_PosClientY", kCatCopy, "カーソル位置/クライアント座標 - Y", "", 105, 0, 0, 0, nullptr, nullptr},
    {6108, "Action_Copy_PosLengthWidth", kCatCopy, "カーソル位置/長さ - 幅", "", 106, 0, 0, 0, nullptr, nullptr},
    {6109, "Action_Copy_PosLengthHeight", kCatCopy, "カーソル位置/長さ - 高さ", "", 107, 0, 0, 0, nullptr, nullptr},
    {7001, "Action_Capture_Lupe", kCatCapture, "ルーペモード(&L)", "", 108, T, 4, 0, nullptr, nullptr},
    {7002, "Action_Capture_Fixed", kCatCapture, "定点キャプチャ(&F)", "", 109, 0, 4, 0, "F", nullptr},
    {7011, "Action_Capture_Pause", kCatCapture, "一時停止(&P)", "キャプチャの一時停止", 110, 0, 0, 0, "Esc", nullptr},
    {7012, "Action_Capture_Update", kCatCapture, "更新(&U)", "", 111, D, 0, 0, nullptr, nullptr},
    {7013, "Action_Capture_Disp_x1", kCatCapture, "実寸表示 (1:1)", "", 112, 0, 0, 0, "1", nullptr},
    {7014, "Action_Capture_MoveCursorToPoint", kCatCapture, "キャプチャポイントへカーソルを移動", "", 113, 0, 0, 0, nullptr, nullptr},
    {7015, "Action_Capture_PointFromCursor", kCatCapture, "カーソル位置をキャプチャポイントにする", "", 114, 0, 0, 0, nullptr, nullptr},
    {7020, "Action_Test_FlipNone", kCatTest, "通常(&N)", "", 115, C, 5, 0, nullptr, nullptr},
    {7021, "Action_Test_FlipHorizontal", kCatTest, "左右反転(&H)", "", 116, 0, 5, 1, nullptr, nullptr},
    {7022, "Action_Test_FlipVertical", kCatTest, "上下反転(&V)", "", 117, 0, 5, 2, nullptr, nullptr},
    {7023, "Action_Test_Rotate90", kCatTest, "時計まわりに90度回転(&R)", "", 118, 0, 5, 4, nullptr, nullptr},
    {7024, "Action_Test_Rotate270", kCatTest, "反時計まわりに90度回転(&L)", "", 119, 0, 5, 6, nullptr, nullptr},
    {7025, "Action_Test_Rotate180", kCatTest, "180度回転(&I)", "", 120, 0, 5, 5, nullptr, nullptr},
    {0, "Action_Test_Rop_SRCCOPY", kCatTest, "SRCCOPY dest = source", "", -1, C, 6, 0x00CC0020, nullptr, nullptr},
    {0, "Action_Test_Rop_NOTSRCCOPY", kCatTest, "NOTSRCCOPY dest = (NOT source)", "", -1, 0, 6, 0x00330008, nullptr, nullptr},
    {0, "Action_Test_Rop_SRCINVERT", kCatTest, "SRCINVERT dest = source XOR dest", "", -1, 0, 6, 0x00660046, nullptr, nullptr},
    {0, "Action_Test_Rop_SRCAND", kCatTest, "SRCAND dest = source AND dest", "", -1, 0, 6, 0x008800C6, nullptr, nullptr},
    {0, "Action_Test_Rop_SRCPAINT", kCatTest, "SRCPAINT dest = source OR dest", "", -1, 0, 6, 0x00EE0086, nullptr, nullptr},
    {0, "Action_Test_Rop_MERGECOPY", kCatTest, "MERGECOPY dest = (source AND pattern)", "", -1, 0, 6, 0x00C000CA, nullptr, nullptr},
    {0, "Action_Test_Rop_MERGEPAINT", kCatTest, "MERGEPAINT dest = (NOT source) OR dest", "", -1, 0, 6, 0x00BB0226, nullptr, nullptr},
    {0, "Action_Test_Rop_NOTSRCERASE", kCatTest, "NOTSRCERASE dest = NOT(src OR dest)", "", -1, 0, 6, 0x001100A6, nullptr, nullptr},
    {0, "Action_Test_Rop_SRCERASE", kCatTest, "SRCERASE dest = source AND (NOT dest)", "", -1, 0, 6, 0x00440328, nullptr, nullptr},
    {0, "Action_Test_Rop_PATCOPY", kCatTest, "PATCOPY dest = pattern", "", -1, 0, 6, 0x00F00021, nullptr, nullptr},
    {0, "Action_Test_Rop_PATINVERT", kCatTest, "PATINVERT dest = pattern XOR dest", "", -1, 0, 6, 0x005A0049, nullptr, nullptr},
    {0, "Action_Test_Rop_PATPAINT", kCatTest, "PATPAINT dest = (patter OR dest) OR dest", "", -1, 0, 6, 0x00FB0A09, nullptr, nullptr},
    {0, "Action_Test_Rop_DSTINVERT", kCatTest, "DSTINVERT dest = (NOT dest)", "", -1, 0, 6, 0x00550009, nullptr, nullptr},
    {0, "Action_Test_Rop_BLACKNESS", kCatTest, "BLACKNESS dest = BLACK", "", -1, 0, 6, 0x00000042, nullptr, nullptr},
    {0, "Action_Test_Rop_WHITENESS", kCatTest, "WHITENESS dest = WHITE", "", -1, 0, 6, 0x00FF0062, nullptr, nullptr},
    {0, "Action_Test_Brush_Solid", kCatTest, "ソリッド(&S)", "", -1, C, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_Clear", kCatTest, "クリア(&L)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_Horizontal", kCatTest, "水平ハッチ(&H)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_Vertical", kCatTest, "垂直ハッチ(&V)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_FDiagonal", kCatTest, "右下がり斜めハッチ(&F)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_BDiagonal", kCatTest, "右上がり斜めハッチ(&B)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_Cross", kCatTest, "クロスハッチ(&C)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_DiagCross", kCatTest, "斜めクロスハッチ(&D)", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_Bitmap", kCatTest, "ビットマップ(&M)...", "", -1, 0, 7, 0, nullptr, nullptr},
    {0, "Action_Test_Brush_SelColor", kCatTest, "ブラシの色を選択(&F)...", "", -1, 0, 0, 0xFFFFFF, nullptr, nullptr},
    {0, "Action_Test_Brush_SelBkColor", kCatTest, "ブラシの背景色を選択(&S)...", "", -1, 0, 0, 0x000000, nullptr, nullptr},
    {8001, "Action_Opt_StayOnTop", kCatOption, "常に前面に表示(&A)", "", 121, T, 0, 0, nullptr, nullptr},
    {8002, "Action_Opt_TitleBar", kCatOption, "タイトルバー(&T)", "", 122, T|C, 0, 0, nullptr, nullptr},
    {8004, "Action_Opt_ToolBar", kCatOption, "ツールバー(&B)", "", 123, T|C, 0, 0, nullptr, nullptr},
    {8006, "Action_Capture_NoSelfCapture", kCatCapture, "自身をキャプチャしない(&N)", "", 124, T, 0, 0, nullptr, nullptr},
    {8007, "Action_Capture_SmoothCapture", kCatCapture, "スムーズキャプチャ(&S)", "", 125, T, 0, 0, "S", nullptr},
    {8008, "Action_Test_AeroThemeOnOff", kCatTest, "Aero テーマのOn/Off(&A)", "", 126, 0, 0, 0, nullptr, nullptr},
    {8009, "Action_Test_APITest", kCatTest, "APIテスト(&P)", "APIのテスト", 127, T, 0, 0, nullptr, nullptr},
    {8010, "Action_Opt_ZoomWheel", kCatOption, "ホイールでの拡大の向きを換える(&W)", "", 128, T, 0, 0, nullptr, nullptr},
    {8011, "Action_Opt_LargeIcon", kCatOption, "大きいアイコン(&I)", "", 129, T, 0, 0, nullptr, nullptr},
    {8012, "Action_Opt_LineTo", kCatOption, "情報欄に罫線を引く(&L)", "", 130, T|C, 0, 0, nullptr, nullptr},
    {8013, "Action_Opt_SelFont", kCatOption, "フォント(&F)...", "", 131, 0, 0, 0, nullptr, nullptr},
    {9001, "Action_Custom_Setting", kCatCustom, "一覧設定(&O)", "", 132, 0, 0, 0, nullptr, "Alt+F10"},
    {9002, "Action_Custom_Menu", kCatCustom, "メニューカスタマイズ(&M)", "", 133, 0, 0, 0, nullptr, nullptr},
    {9003, "Action_Custom_ToolBar", kCatCustom, "ツールバーカスタマイズ(&B)", "", 134, 0, 0, 0, nullptr, nullptr},
    {9004, "Action_Custom_ShortCut", kCatCustom, "ショートカットカスタマイズ(&S)", "", 135, 0, 0, 0, nullptr, nullptr},
    {9005, "Action_Custom_Copy", kCatCustom, "コピーカスタマイズ(&Y)", "", 136, 0, 0, 0, nullptr, nullptr},
    {10001, "Action_Menu_Main", kCatMenu, "メニュー表示(&M)", "", 137, 0, 0, 0, "F10", nullptr},
    {10002, "Action_Menu_Zoom", kCatMenu, "拡大倍率(&Z)", "", 138, 0, 0, 0, nullptr, nullptr},
    {10003, "Action_Menu_Grid", kCatMenu, "グリッド(&G)", "", 139, 0, 0, 0, nullptr, nullptr},
    {10004, "Action_Menu_Color", kCatMenu, "カラー情報(&R)", "", 140, 0, 0, 0, nullptr, nullptr},
    {10005, "Action_Menu_Pos", kCatMenu, "カーソル位置情報(&P)", "", 141, 0, 0, 0, nullptr, nullptr},
    {10006, "Action_Menu_WinInfo", kCatMenu, "ウィンドウ情報(&W)", "", 142, 0, 0, 0, nullptr, nullptr},
    {10007, "Action_Menu_Copy", kCatMenu, "コピー(&C)", "", 143, 0, 0, 0, nullptr, nullptr},
    {10008, "Action_Menu_Setting", kCatMenu, "オプション(&O)", "", 144, 0, 0, 0, nullptr, nullptr},
    {10009, "Action_Menu_Capture", kCatMenu, "キャプチャ(&P)", "", 145, 0, 0, 0, nullptr, nullptr},
    {10010, "Action_Menu_Test", kCatMenu, "テスト(&E)", "", 146, 0, 0, 0, nullptr, nullptr},
    {0, "Action_Menu_Write", kCatMenu, "テキスト書き換え(&T)", "", -1, 0, 0, 0, nullptr, nullptr},
    {11001, "Action_Move_Up", kCatMove, "マウスカーソルを上に移動", "", 147, 0, 0, 0, "Up", nullptr},
    {11002, "Action_Move_Down", kCatMove, "マウスカーソルを下に移動", "", 148, 0, 0, 0, "Down", nullptr},
    {11003, "Action_Move_Left", kCatMove, "マウスカーソルを左に移動", "", 149, 0, 0, 0, "Left", nullptr},
    {11004, "Action_Move_Right", kCatMove, "マウスカーソルを右に移動", "", 150, 0, 0, 0, "Right", nullptr},
    {11005, "Action_Move_Monitor", kCatMove, "モニター間移動", "モニター間を移動する", 151, 0, 0, 0, "Q", nullptr},
    {0, "Action_Move_OptMoveBitmap", kCatMove, "カーソルキーと画像の移動方向を同じにする", "", -1, T|C, 0, 0, nullptr, nullptr},
    {12001, "Action_File_Minimize", kCatFile, "最小化(&N)", "", 152, 0, 0, 0, nullptr, nullptr},
    {12002, "Action_File_Exit", kCatFile, "終了(&X)", "", 153, 0, 0, 0, nullptr, "Alt+F4"},
    {13001, "Action_Help", kCatHelp, "バージョン情報(&V)", "バージョン情報表示", 154, 0, 0, 0, "F1", nullptr},
    {14000, "Action_Write_InfoCash", kCatWrite, "情報をキャッシュ(&C)", "", 155, 0, 0, 0, nullptr, nullptr},
    {14003, "Action_Write_ColorRGB", kCatWrite, "カラー情報/RGB", "", 156, D, 0, 0, nullptr, nullptr},
    {14004, "Action_Write_ColorRGBRed", kCatWrite, "カラー情報/RGB - 赤", "", 157, D, 0, 0, nullptr, nullptr},
    {14005, "Action_Write_ColorRGBGreen", kCatWrite, "カラー情報/RGB - 緑", "", 158, D, 0, 0, nullptr, nullptr},
    {14006, "Action_Write_ColorRGBBlue", kCatWrite, "カラー情報/RGB - 青", "", 159, D, 0, 0, nullptr, nullptr},
    {14007, "Action_Write_ColorHTML", kCatWrite, "カラー情報/HTML", "", 160, D, 0, 0, nullptr, nullptr},
    {14008, "Action_Write_ColorCOLORREF", kCatWrite, "カラー情報/COLORREF", "", 161, D, 0, 0, nullptr, nullptr},
    {14009, "Action_Write_ColorHSV", kCatWrite, "カラー情報/HSV", "", 162, D, 0, 0, nullptr, nullptr},
    {14010, "Action_Write_ColorHLS", kCatWrite, "カラー情報/HLS", "", 163, D, 0, 0, nullptr, nullptr},
    {14011, "Action_Write_ColorHLSWin", kCatWrite, "カラー情報/HLS Windows", "", 164, D, 0, 0, nullptr, nullptr},
    {14100, "Action_Write_ColorHSVHue", kCatWrite, "カラー情報/HSV - 色相", "", 165, D, 0, 0, nullptr, nullptr},
    {14101, "Action_Write_ColorHSVSaturation", kCatWrite, "カラー情報/HSV - 彩度", "", 166, D, 0, 0, nullptr, nullptr},
    {14102, "Action_Write_ColorHSVValue", kCatWrite, "カラー情報/HSV - 明度", "", 167, D, 0, 0, nullptr, nullptr},
    {14104, "Action_Write_ColorHLSHue", kCatWrite, "カラー情報/HLS - 色相", "", 168, D, 0, 0, nullptr, nullptr},
    {14105, "Action_Write_ColorHLSSaturation", kCatWrite, "カラー情報/HLS - 彩度", "", 169, D, 0, 0, nullptr, nullptr},
    {14106, "Action_Write_ColorHLSLightness", kCatWrite, "カラー情報/HLS - 輝度", "", 170, D, 0, 0, nullptr, nullptr},
    {14108, "Action_Write_ColorHLSWinHue", kCatWrite, "カラー情報/HLS Windows - 色合い", "", 171, D, 0, 0, nullptr, nullptr},
    {14110, "Action_Write_ColorHLSWinSaturation", kCatWrite, "カラー情報/HLS Windows - 鮮やかさ", "", 172, D, 0, 0, nullptr, nullptr},
    {14111, "Action_Write_ColorHLSWinLightness", kCatWrite, "カラー情報/HLS Windows - 明るさ", "", 173, D, 0, 0, nullptr, nullptr},
    {14201, "Action_Write_PosScreen", kCatWrite, "カーソル位置/スクリーン座標", "", 174, D, 0, 0, nullptr, nullptr},
    {14202, "Action_Write_PosScreenX", kCatWrite, "カーソル位置/スクリーン座標 - X", "", 175, D, 0, 0, nullptr, nullptr},
    {14203, "Action_Write_PosScreenY", kCatWrite, "カーソル位置/スクリーン座標 - Y", "", 176, D, 0, 0, nullptr, nullptr},
    {14204, "Action_Write_PosMonitor", kCatWrite, "カーソル位置/モニター座標", "", 177, D, 0, 0, nullptr, nullptr},
    {14205, "Action_Write_PosMonitorX", kCatWrite, "カーソル位置/モニター座標 - X", "", 178, D, 0, 0, nullptr, nullptr},
    {14206, "Action_Write_PosMonitorY", kCatWrite, "カーソル位置/モニター座標 - Y", "", 179, D, 0, 0, nullptr, nullptr},
    {14207, "Action_Write_PosClient", kCatWrite, "カーソル位置/クライアント座標", "", 180, D, 0, 0, nullptr, nullptr},
    {14208, "Action_Write_PosClientX", kCatWrite, "カーソル位置/クライアント座標 - X", "", 181, D, 0, 0, nullptr, nullptr},
    {14209, "Action_Write_PosClientY", kCatWrite, "カーソル位置/クライアント座標 - Y", "", 182, D, 0, 0, nullptr, nullptr},
    {14210, "Action_Write_PosLength", kCatWrite, "カーソル位置/長さ", "", 183, D, 0, 0, nullptr, nullptr},
    {14211, "Action_Write_PosLengthWidth", kCatWrite, "カーソル位置/長さ - 幅", "", 184, D, 0, 0, nullptr, nullptr},
    {14212, "Action_Write_PosLengthHeight", kCatWrite, "カーソル位置/長さ - 高さ", "", 185, D, 0, 0, nullptr, nullptr},
    {14301, "Action_Write_WinInfoHandle", kCatWrite, "ウィンドウ情報/ウィンドウハンドル", "", 186, D, 0, 0, nullptr, nullptr},
    {14302, "Action_Write_WinInfoClassName", kCatWrite, "ウィンドウ情報/クラス名", "", 187, D, 0, 0, nullptr, nullptr},
    {14303, "Action_Write_WinInfoText", kCatWrite, "ウィンドウ情報/ウィンドウテキスト", "", 188, D, 0, 0, nullptr, nullptr},
    {14310, "Action_Write_WinInfoWindowSize", kCatWrite, "ウィンドウ情報/ウィンドウサイズ", "", 189, D, 0, 0, nullptr, nullptr},
    {14311, "Action_Write_WinInfoWindowSizeLeft", kCatWrite, "ウィンドウ情報/ウィンドウサイズ - Left", "", 190, D, 0, 0, nullptr, nullptr},
    {14312, "Action_Write_WinInfoWindowSizeTop", kCatWrite, "ウィンドウ情報/ウィンドウサイズ - Top", "", 191, D, 0, 0, nullptr, nullptr},
    {14313, "Action_Write_WinInfoWindowSizeWidth", kCatWrite, "ウィンドウ情報/ウィンドウサイズ - 幅", "", 192, D, 0, 0, nullptr, nullptr},
    {14314, "Action_Write_WinInfoWindowSizeHeight", kCatWrite, "ウィンドウ情報/ウィンドウサイズ - 高さ", "", 193, D, 0, 0, nullptr, nullptr},
    {14315, "Action_Write_WinInfoClientSize", kCatWrite, "ウィンドウ情報/クライアントサイズ", "", 194, D, 0, 0, nullptr, nullptr},
    {14316, "Action_Write_WinInfoClientSizeWidth", kCatWrite, "ウィンドウ情報/クライアントサイズ - 幅", "", 195, D, 0, 0, nullptr, nullptr},
    {14317, "Action_Write_WinInfoClientSizeHeight", kCatWrite, "ウィンドウ情報/クライアントサイズ - 高さ", "", 196, D, 0, 0, nullptr, nullptr},
    {14320, "Action_Write_WinInfoRect", kCatWrite, "ウィンドウ情報/RECT", "", 197, D, 0, 0, nullptr, nullptr},
    {14321, "Action_Write_WinInfoRectLeft", kCatWrite, "ウィンドウ情報/RECT - Left", "", 198, D, 0, 0, nullptr, nullptr},
    {14322, "Action_Write_WinInfoRectTop", kCatWrite, "ウィンドウ情報/RECT - Top", "", 199, D, 0, 0, nullptr, nullptr},
    {14323, "Action_Write_WinInfoRectRight", kCatWrite, "ウィンドウ情報/RECT - Right", "", 200, D, 0, 0, nullptr, nullptr},
    {14324, "Action_Write_WinInfoRectBottom", kCatWrite, "ウィンドウ情報/RECT - Bottom", "", 201, D, 0, 0, nullptr, nullptr},
    {14330, "Action_Write_WinInfoControlID", kCatWrite, "ウィンドウ情報/コントロールlID", "", 202, D, 0, 0, nullptr, nullptr},
    {14331, "Action_Write_WinInfoStyle", kCatWrite, "ウィンドウ情報/ウィンドウスタイル", "", 203, D, 0, 0, nullptr, nullptr},
    {14332, "Action_Write_WinInfoStyleEx", kCatWrite, "ウィンドウ情報/拡張ウィンドウスタイル", "", 204, D, 0, 0, nullptr, nullptr},
    {14334, "Action_Write_WinInfoPID", kCatWrite, "ウィンドウ情報/プロセスID", "", 205, D, 0, 0, nullptr, nullptr},
    {14335, "Action_Write_WinInfoExeName", kCatWrite, "ウィンドウ情報/実行ファイル名", "", 206, D, 0, 0, nullptr, nullptr},
    {14336, "Action_Write_WinInfoFileVersion", kCatWrite, "ウィンドウ情報/ファイルバージョン", "", 207, D, 0, 0, nullptr, nullptr},
    {14400, "Action_Write_ClearCash", kCatWrite, "情報キャッシュをクリア(&R)", "", 208, 0, 0, 0, nullptr, nullptr},
    {14401, "Action_Write_ClipboardText", kCatWrite, "クリップボードのテキスト(&P)", "", 209, D, 0, 0, nullptr, nullptr},
    {14402, "Action_Write_TextClear", kCatWrite, "テキストをクリア(&D)", "", 210, 0, 0, 0, nullptr, nullptr},
};

const CommandDef kSeparatorCommand = {
    0, "actSpc", kCategorySeparator, "-", "", -1, 0, 0, 0, nullptr, nullptr};

// Copy format slot -> menu item identifier of its copy item.
struct SlotLink {
  int slot;
  uint16_t menuId;
};
const SlotLink kSlotLinks[] = {
    {0, 6001},  {1, 6003},  {2, 6004},  {3, 6005},  {4, 6006},  {5, 6007},  {6, 6008},
    {7, 6009},  {8, 6100},  {9, 6101},  {10, 6102}, {11, 6010}, {12, 6104}, {13, 6105},
    {14, 6106}, {15, 6011}, {16, 6108}, {17, 6110}, {18, 6111}, {19, 6013}, {20, 6014},
    {21, 6015}, {22, 6016}, {24, 6018}, {25, 6019}, {26, 6020}, {27, 6021}, {28, 6022},
    {29, 6023}, {30, 6024}, {31, 6025}, {32, 6026}, {35, 6027}, {36, 6028}, {37, 6029},
};

struct NameMenu {
  const char* key;
  const char* menu;
};
// Category -> context menu of a toolbar button.
const NameMenu kCategoryMenus[] = {
    {kCatZoom, "PopupMenu_Zoom"},       {kCatGrid, "PopupMenu_Grid"},
    {kCatColor, "PopupMenu_Color"},     {kCatPos, "PopupMenu_Pos"},
    {kCatWinInfo, "PopupMenu_WinInfo"}, {kCatCopy, "PopupMenu_Copy"},
    {kCatCapture, "PopupMenu_Capture"}, {kCatOption, "PopupMenu_Setting"},
    {kCatCustom, "PopupMenu_Setting"},
};
// Commands of the category "メニュー" -> the menu they drop down.
const NameMenu kMenuCommandMenus[] = {
    {"Action_Menu_Main", "PopupMenu_Main"},       {"Action_Menu_Zoom", "PopupMenu_Zoom"},
    {"Action_Menu_Grid", "PopupMenu_Grid"},       {"Action_Menu_Color", "PopupMenu_Color"},
    {"Action_Menu_Pos", "PopupMenu_Pos"},         {"Action_Menu_WinInfo", "PopupMenu_WinInfo"},
    {"Action_Menu_Copy", "PopupMenu_Copy"},       {"Action_Menu_Setting", "PopupMenu_Setting"},
    {"Action_Menu_Capture", "PopupMenu_Capture"}, {"Action_Menu_Test", "PopupMenu_Test"},
};

bool Same(const char* a, std::string_view b) { return a != nullptr && b == a; }

}  // namespace

const CommandDef* CommandTable() { return kCommands; }
size_t CommandCount() { return std::size(kCommands); }
const CommandDef& SeparatorCommand() { return kSeparatorCommand; }

const CommandDef* CommandById(uint16_t id) {
  if (id == 0) return nullptr;
  for (const CommandDef& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

const CommandDef* CommandByName(std::string_view name) {
  for (const CommandDef& c : kCommands)
    if (Same(c.name, name)) return &c;
  if (Same(kSeparatorCommand.name, name)) return &kSeparatorCommand;
  return nullptr;
}

uint16_t CommandIdOf(std::string_view name) { return CommandIdOf(CommandByName(name)); }
uint16_t CommandIdOf(const CommandDef* command) { return command ? command->id : 0; }

int CommandIndexOf(const CommandDef* command) {
  if (command < std::begin(kCommands) || command >= std::end(kCommands)) return -1;
  return static_cast<int>(command - std::begin(kCommands));
}

int CommandIconCount() {
  int n = 0;
  for (const CommandDef& c : kCommands)
    if (c.icon >= 0) ++n;
  return n;
}

int CopySlotOfMenuId(uint16_t menuId) {
  for (const SlotLink& l : kSlotLinks)
    if (l.menuId == menuId) return l.slot;
  return -1;
}

int MenuIdOfCopySlot(int slot) {
  for (const SlotLink& l : kSlotLinks)
    if (l.slot == slot) return l.menuId;
  return -1;
}

ToolButtonMenus ToolButtonMenusOf(const CommandDef& command) {
  if (Same(kCatMenu, command.category)) {
    for (const NameMenu& m : kMenuCommandMenus)
      if (Same(m.key, command.name)) return {m.menu, m.menu};
    return {nullptr, nullptr};
  }
  for (const NameMenu& m : kCategoryMenus)
    if (Same(m.key, command.category)) return {m.menu, nullptr};
  return {nullptr, nullptr};
}

bool IsCheckToolButton(const CommandDef& command) {
  return command.Toggles() || command.group > 0 ||
         Same(command.name, "Action_Capture_Pause") || Same(command.name, "Action_Capture_Fixed");
}

}  // namespace zorvik
