#include "apitest/api_lists.h"

#include <algorithm>
#include <cstring>

namespace zorvik {

namespace {

const ApiIndex kMetrics[] = {
    {"SM_ARRANGE", 56, "最小化ウィンドウの並べ方。"},
    {"SM_CLEANBOOT", 67, "起動モード。0 通常、1 セーフモード、2 ネットワーク付きセーフモード。"},
    {"SM_CMONITORS", 80, "デスクトップ上のディスプレイモニタの数。"},
    {"SM_CMOUSEBUTTONS", 43, "マウスのボタン数。マウスが無いときは0。"},
    {"SM_CXBORDER", 5, "ウィンドウ境界線の幅(ピクセル)。"},
    {"SM_CYBORDER", 6, "ウィンドウ境界線の高さ(ピクセル)。"},
    {"SM_CXCURSOR", 13, "カーソルの幅。"},
    {"SM_CYCURSOR", 14, "カーソルの高さ。"},
    {"SM_CXDLGFRAME", 7, "ダイアログ枠の横の太さ。SM_CXFIXEDFRAMEと同じ。"},
    {"SM_CYDLGFRAME", 8, "ダイアログ枠の縦の太さ。SM_CYFIXEDFRAMEと同じ。"},
    {"SM_CXDOUBLECLK", 36, "ダブルクリックと認める領域の幅。"},
    {"SM_CYDOUBLECLK", 37, "ダブルクリックと認める領域の高さ。"},
    {"SM_CXDRAG", 68, "ドラッグ開始と認めるまでの横の移動量。"},
    {"SM_CYDRAG", 69, "ドラッグ開始と認めるまでの縦の移動量。"},
    {"SM_CXEDGE", 45, "3D境界線の幅。"},
    {"SM_CYEDGE", 46, "3D境界線の高さ。"},
    {"SM_CXFIXEDFRAME", 7, "サイズ変更できないウィンドウの枠の横の太さ。"},
    {"SM_CYFIXEDFRAME", 8, "サイズ変更できないウィンドウの枠の縦の太さ。"},
    {"SM_CXFRAME", 32, "サイズ変更できるウィンドウの枠の横の太さ。SM_CXSIZEFRAMEと同じ。"},
    {"SM_CYFRAME", 33, "サイズ変更できるウィンドウの枠の縦の太さ。SM_CYSIZEFRAMEと同じ。"},
    {"SM_CXFULLSCREEN", 16, "プライマリモニタで最大化したウィンドウのクライアント領域の幅。"},
    {"SM_CYFULLSCREEN", 17, "プライマリモニタで最大化したウィンドウのクライアント領域の高さ。"},
    {"SM_CXHSCROLL", 21, "水平スクロールバーの矢印ボタンの幅。"},
    {"SM_CYHSCROLL", 3, "水平スクロールバーの高さ。"},
    {"SM_CXHTHUMB", 10, "水平スクロールバーのつまみの幅。"},
    {"SM_CXICON", 11, "アイコンの既定の幅。"},
    {"SM_CYICON", 12, "アイコンの既定の高さ。"},
    {"SM_CXICONSPACING", 38, "大きいアイコン表示でのアイコンの横の間隔。"},
    {"SM_CYICONSPACING", 39, "大きいアイコン表示でのアイコンの縦の間隔。"},
    {"SM_CXMAXIMIZED", 61, "最大化したトップレベルウィンドウの既定の幅。"},
    {"SM_CYMAXIMIZED", 62, "最大化したトップレベルウィンドウの既定の高さ。"},
    {"SM_CXMAXTRACK", 59, "サイズ変更でウィンドウを広げられる最大の幅。"},
    {"SM_CYMAXTRACK", 60, "サイズ変更でウィンドウを広げられる最大の高さ。"},
    {"SM_CXMENUCHECK", 71, "メニューのチェックマークの幅。"},
    {"SM_CYMENUCHECK", 72, "メニューのチェックマークの高さ。"},
    {"SM_CXMENUSIZE", 54, "メニューバーのボタンの幅。"},
    {"SM_CYMENUSIZE", 55, "メニューバーのボタンの高さ。"},
    {"SM_CXMIN", 28, "ウィンドウの最小の幅。"},
    {"SM_CYMIN", 29, "ウィンドウの最小の高さ。"},
    {"SM_CXMINIMIZED", 57, "最小化したウィンドウの幅。"},
    {"SM_CYMINIMIZED", 58, "最小化したウィンドウの高さ。"},
    {"SM_CXMINSPACING", 47, "最小化したウィンドウを並べる枠の幅。"},
    {"SM_CYMINSPACING", 48, "最小化したウィンドウを並べる枠の高さ。"},
    {"SM_CXMINTRACK", 34, "サイズ変更で縮められる最小の幅。"},
    {"SM_CYMINTRACK", 35, "サイズ変更で縮められる最小の高さ。"},
    {"SM_CXSCREEN", 0, "プライマリモニタの画面の幅。"},
    {"SM_CYSCREEN", 1, "プライマリモニタの画面の高さ。"},
    {"SM_CXSIZE", 30, "タイトルバーのボタンの幅。"},
    {"SM_CYSIZE", 31, "タイトルバーのボタンの高さ。"},
    {"SM_CXSIZEFRAME", 32, "サイズ変更できるウィンドウの枠の横の太さ。"},
    {"SM_CYSIZEFRAME", 33, "サイズ変更できるウィンドウの枠の縦の太さ。"},
    {"SM_CXSMICON", 49, "小さいアイコンの既定の幅。"},
    {"SM_CYSMICON", 50, "小さいアイコンの既定の高さ。"},
    {"SM_CXSMSIZE", 52, "小さいタイトルバーのボタンの幅。"},
    {"SM_CYSMSIZE", 53, "小さいタイトルバーのボタンの高さ。"},
    {"SM_CXVIRTUALSCREEN", 78, "仮想画面(全モニタを囲む矩形)の幅。"},
    {"SM_CYVIRTUALSCREEN", 79, "仮想画面(全モニタを囲む矩形)の高さ。"},
    {"SM_CXVSCROLL", 2, "垂直スクロールバーの幅。"},
    {"SM_CYVSCROLL", 20, "垂直スクロールバーの矢印ボタンの高さ。"},
    {"SM_CYCAPTION", 4, "タイトルバーの高さ。"},
    {"SM_CYKANJIWINDOW", 18, "画面下端の漢字ウィンドウの高さ。"},
    {"SM_CYMENU", 15, "1行のメニューバーの高さ。"},
    {"SM_CYSMCAPTION", 51, "小さいタイトルバーの高さ。"},
    {"SM_CYVTHUMB", 9, "垂直スクロールバーのつまみの高さ。"},
    {"SM_DBCSENABLED", 42, "2バイト文字を扱えるときTRUE。"},
    {"SM_DEBUG", 22, "デバッグ版のUSER.EXEが入っているときTRUE。"},
    {"SM_IMMENABLED", 82, "IMEを使えるときTRUE。"},
    {"SM_IMMENABLED", 82, "IMEを使えるときTRUE。"},
    {"SM_MENUDROPALIGNMENT", 40, "ドロップダウンメニューがメニューバーの項目の右端に揃うときTRUE。"},
    {"SM_MIDEASTENABLED", 74, "ヘブライ語とアラビア語を扱えるときTRUE。"},
    {"SM_MOUSEPRESENT", 19, "マウスが接続されているときTRUE。"},
    {"SM_MOUSEWHEELPRESENT", 75, "ホイール付きマウスが接続されているときTRUE。"},
    {"SM_NETWORK", 63, "ネットワークがあるとき最下位ビットが1。"},
    {"SM_PENWINDOWS", 41, "ペン拡張が入っているときTRUE。"},
    {"SM_REMOTESESSION", 0x1000, "リモートデスクトップのセッションで動いているときTRUE。"},
    {"SM_SECURE", 44, "セキュリティが有効なときTRUE。"},
    {"SM_SAMEDISPLAYFORMAT", 81, "すべてのモニタの色形式が同じときTRUE。"},
    {"SM_SHOWSOUNDS", 70, "音を視覚的に示す設定のときTRUE。"},
    {"SM_SLOWMACHINE", 73, "処理の遅いコンピュータのときTRUE。"},
    {"SM_SWAPBUTTON", 23, "マウスの左右のボタンが入れ替えられているときTRUE。"},
    {"SM_XVIRTUALSCREEN", 76, "仮想画面の左端のX座標。"},
    {"SM_YVIRTUALSCREEN", 77, "仮想画面の上端のY座標。"},
};

const ApiIndex kCapIndices[] = {
    {"DRIVERVERSION", 0, "デバイスドライバのバージョン。"},
    {"TECHNOLOGY", 2, "デバイスの種類。"},
    {"HORZSIZE", 4, "画面の物理的な幅(mm)。"},
    {"VERTSIZE", 6, "画面の物理的な高さ(mm)。"},
    {"HORZRES", 8, "画面の幅(ピクセル)。"},
    {"VERTRES", 10, "画面の高さ(ピクセル)。"},
    {"LOGPIXELSX", 88, "論理インチあたりの横のピクセル数。"},
    {"LOGPIXELSY", 90, "論理インチあたりの縦のピクセル数。"},
    {"BITSPIXEL", 12, "1ピクセルあたりのビット数。"},
    {"PLANES", 14, "カラープレーンの数。"},
    {"NUMBRUSHES", 16, "デバイス固有のブラシの数。"},
    {"NUMPENS", 18, "デバイス固有のペンの数。"},
    {"NUMFONTS", 22, "デバイス固有のフォントの数。"},
    {"NUMCOLORS", 24, "カラーテーブルの項目数。1ピクセルが8ビットを超えると-1。"},
    {"ASPECTX", 40, "線を引くときの横の相対的な幅。"},
    {"ASPECTY", 42, "線を引くときの縦の相対的な高さ。"},
    {"ASPECTXY", 44, "線を引くときの斜めの相対的な長さ。"},
    {"PDEVICESIZE", 26, "予約済み。"},
    {"CLIPCAPS", 36, "クリッピングの能力。矩形でクリップできるとき1。"},
    {"SIZEPALETTE", 104, "システムパレットの項目数。パレットを使うデバイスだけで有効。"},
    {"NUMRESERVED", 106, "システムパレットの予約済み項目数。パレットを使うデバイスだけで有効。"},
    {"COLORRES", 108, "実際の色解像度(ビット/ピクセル)。パレットを使うデバイスだけで有効。"},
    {"PHYSICALWIDTH", 110, "印刷デバイスの用紙の幅(デバイス単位)。"},
    {"PHYSICALHEIGHT", 111, "印刷デバイスの用紙の高さ(デバイス単位)。"},
    {"PHYSICALOFFSETX", 112, "印刷デバイスの用紙左端から印刷可能領域までの距離。"},
    {"PHYSICALOFFSETY", 113, "印刷デバイスの用紙上端から印刷可能領域までの距離。"},
    {"VREFRESH", 116, "ディスプレイの垂直リフレッシュレート(Hz)。0と1はハードウェアの既定値。"},
    {"SCALINGFACTORX", 114, "印刷デバイスの横の拡大率。"},
    {"SCALINGFACTORY", 115, "印刷デバイスの縦の拡大率。"},
    {"BLTALIGNMENT", 119, "描画の推奨される横の揃え(ピクセル)。0はハードウェアの加速があることを示す。"},
};

const ApiFlag kShade[] = {
    {"SB_CONST_ALPHA", 0x1, "全体に一定のアルファ値を掛けて合成できます。"},
    {"SB_GRAD_RECT", 0x10, "矩形をグラデーションで塗れます。"},
    {"SB_GRAD_TRI", 0x20, "三角形をグラデーションで塗れます。"},
    {"SB_PIXEL_ALPHA", 0x2, "ピクセルごとのアルファ値で合成できます。"},
    {"SB_PREMULT_ALPHA", 0x4, "乗算済みアルファ値で合成できます。"},
};
const ApiFlag kRaster[] = {
    {"RC_BANDING", 0x2, "バンディングが必要です。"},
    {"RC_BITBLT", 0x1, "ビットマップを転送できます。"},
    {"RC_BITMAP64", 0x8, "64KBを超えるビットマップを扱えます。"},
    {"RC_DI_BITMAP", 0x80, "SetDIBitsとGetDIBitsを使えます。"},
    {"RC_DIBTODEV", 0x200, "SetDIBitsToDeviceを使えます。"},
    {"RC_FLOODFILL", 0x1000, "塗りつぶしができます。"},
    {"RC_GDI20_OUTPUT", 0x10, "Windows 2.0の機能を持ちます。"},
    {"RC_PALETTE", 0x100, "パレットを使うデバイスです。"},
    {"RC_SCALING", 0x4, "拡大縮小ができます。"},
    {"RC_STRETCHBLT", 0x800, "StretchBltを使えます。"},
    {"RC_STRETCHDIB", 0x2000, "StretchDIBitsを使えます。"},
};
const ApiFlag kCurve[] = {
    {"CC_CHORD", 0x4, "弦を描画できます。"},
    {"CC_CIRCLES", 0x1, "円を描画できます。"},
    {"CC_ELLIPSES", 0x8, "楕円を描画できます。"},
    {"CC_INTERIORS", 0x80, "内部を塗りつぶせます。"},
    {"CC_PIE", 0x2, "扇形を描画できます。"},
    {"CC_ROUNDRECT", 0x100, "角の丸い矩形を描画できます。"},
    {"CC_STYLED", 0x20, "スタイル付きの線で描画できます。"},
    {"CC_WIDE", 0x10, "太い線で描画できます。"},
    {"CC_WIDESTYLED", 0x40, "スタイル付きの太い線で描画できます。"},
};
const ApiFlag kLine[] = {
    {"LC_INTERIORS", 0x80, "内部を塗りつぶせます。"},
    {"LC_MARKER", 0x4, "マーカーを描画できます。"},
    {"LC_POLYLINE", 0x2, "折れ線を描画できます。"},
    {"LC_POLYMARKER", 0x8, "複数のマーカーを描画できます。"},
    {"LC_STYLED", 0x20, "スタイル付きの線を描画できます。"},
    {"LC_WIDE", 0x10, "太い線を描画できます。"},
    {"LC_WIDESTYLED", 0x40, "スタイル付きの太い線を描画できます。"},
};
const ApiFlag kPolygon[] = {
    {"PC_INTERIORS", 0x80, "内部を塗りつぶせます。"},
    {"PC_POLYGON", 0x1, "交互モードで多角形を描画できます。"},
    {"PC_RECTANGLE", 0x2, "矩形を描画できます。"},
    {"PC_SCANLINE", 0x8, "1本の走査線を描画できます。"},
    {"PC_STYLED", 0x20, "スタイル付きの枠線を描画できます。"},
    {"PC_WIDE", 0x10, "太い枠線を描画できます。"},
    {"PC_WIDESTYLED", 0x40, "スタイル付きの太い枠線を描画できます。"},
    {"PC_WINDPOLYGON", 0x4, "ワインディングモードで多角形を描画できます。"},
};
const ApiFlag kText[] = {
    {"TC_OP_CHARACTER", 0x1, "文字単位で出力位置を決められます。"},
    {"TC_OP_STROKE", 0x2, "ストローク単位で出力位置を決められます。"},
    {"TC_CP_STROKE", 0x4, "ストローク単位でクリップできます。"},
    {"TC_CR_90", 0x8, "文字を90度単位で回転できます。"},
    {"TC_CR_ANY", 0x10, "文字を任意の角度で回転できます。"},
    {"TC_SF_X_YINDEP", 0x20, "縦と横を別々に拡大縮小できます。"},
    {"TC_SA_DOUBLE", 0x40, "文字を2倍に拡大できます。"},
    {"TC_SA_INTEGER", 0x80, "文字を整数倍に拡大できます。"},
    {"TC_SA_CONTIN", 0x100, "文字を任意の倍率で拡大できます。"},
    {"TC_EA_DOUBLE", 0x200, "太字にできます。"},
    {"TC_IA_ABLE", 0x400, "斜体にできます。"},
    {"TC_UA_ABLE", 0x800, "下線を引けます。"},
    {"TC_SO_ABLE", 0x1000, "取り消し線を引けます。"},
    {"TC_RA_ABLE", 0x2000, "ラスタフォントを使えます。"},
    {"TC_VA_ABLE", 0x4000, "ベクタフォントを使えます。"},
    {"TC_SCROLLBLT", 0x10000, "ビット転送でスクロールできません。"},
};
const ApiFlag kColorMgmt[] = {
    {"CM_CMYK_COLOR", 0x4, "CMYKの色空間のICCプロファイルを受け付けます。"},
    {"CM_DEVICE_ICM", 0x1, "デバイスドライバが色を管理できます。"},
    {"CM_GAMMA_RAMP", 0x2, "ガンマランプを設定できます。"},
};

#define ZORVIK_FLAGS(a) a, sizeof(a) / sizeof(a[0])
const ApiCapGroup kGroups[] = {
    {"SHADEBLENDCAPS", 120, "このデバイスコンテキストはアルファ合成とグラデーションをサポートしていません。",
     "アルファ合成とグラデーションの能力。", ZORVIK_FLAGS(kShade)},
    {"RASTERCAPS", 38, nullptr, "ラスタ操作の能力。", ZORVIK_FLAGS(kRaster)},
    {"CURVECAPS", 28, "このデバイスコンテキストは曲線をサポートしていません。", "曲線を描く能力。",
     ZORVIK_FLAGS(kCurve)},
    {"LINECAPS", 30, "このデバイスコンテキストは直線をサポートしていません。", "直線を描く能力。",
     ZORVIK_FLAGS(kLine)},
    {"POLYGONALCAPS", 32, "このデバイスコンテキストは多角形をサポートしていません。", "多角形を描く能力。",
     ZORVIK_FLAGS(kPolygon)},
    {"TEXTCAPS", 34, nullptr, "文字を出力する能力。", ZORVIK_FLAGS(kText)},
    {"COLORMGMTCAPS", 121, "このデバイスコンテキストはカラーマネジメントをサポートしていません。",
     "カラーマネジメントの能力。", ZORVIK_FLAGS(kColorMgmt)},
};
#undef ZORVIK_FLAGS

}  // namespace

const ApiIndex* SystemMetricList(size_t& count) {
  count = sizeof kMetrics / sizeof kMetrics[0];
  return kMetrics;
}

const ApiIndex* DeviceCapIndices(size_t& count) {
  count = sizeof kCapIndices / sizeof kCapIndices[0];
  return kCapIndices;
}

const ApiCapGroup* DeviceCapGroups(size_t& count) {
  count = sizeof kGroups / sizeof kGroups[0];
  return kGroups;
}

std::string CapFlagRow(const ApiCapGroup& group, const ApiFlag& flag) {
  size_t width = 0;
  for (size_t i = 0; i < group.flagCount; ++i) width = std::max(width, std::strlen(group.flags[i].name));
  std::string out = flag.name;
  out.append(width - out.size() + 1, ' ');
  return out + flag.note;
}

std::string MetricValueText(const ApiIndex& metric, int value) {
  const std::string head = "(" + std::to_string(value) + ") ";
  const std::string name = metric.name;
  if (name == "SM_ARRANGE") {
    static const char* const corner[] = {
        "スクリーンの左下隅から開始し、左から右へ水平方向に配置します。",
        "スクリーンの右下隅から開始し、右から左へ水平方向に配置します。",
        "スクリーンの左上隅から開始し、上から下へ垂直方向に配置します。",
        "スクリーンの右上隅から開始し、上から下へ垂直方向に配置します。",
    };
    if (value >= 0 && value <= 7) return head + corner[value & 3];
    return head + (value == 8 ? "画面の外へ移動し、非表示にします。" : "不明");
  }
  if (name == "SM_CLEANBOOT") {
    static const char* const boot[] = {"通常の起動。", "Safe モードでの起動。", "ネットワークを使ったSafeモードでの起動。"};
    return head + (value >= 0 && value <= 2 ? boot[value] : "不明");
  }
  static const char* const yesNo[] = {"SM_DBCSENABLED",   "SM_DEBUG",         "SM_IMMENABLED",   "SM_MENUDROPALIGNMENT",
                                      "SM_MIDEASTENABLED", "SM_MOUSEPRESENT",  "SM_MOUSEWHEELPRESENT",
                                      "SM_NETWORK",       "SM_PENWINDOWS",    "SM_REMOTESESSION", "SM_SECURE",
                                      "SM_SAMEDISPLAYFORMAT", "SM_SHOWSOUNDS", "SM_SLOWMACHINE",  "SM_SWAPBUTTON"};
  for (const char* y : yesNo)
    if (name == y) return head + (value ? "TRUE" : "FALSE");
  return std::to_string(value);
}

}  // namespace zorvik
