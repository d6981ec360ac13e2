#include "apitest/api_table.h"

#include <algorithm>

#include "apitest/api_lists.h"
#include "apitest/api_text.h"

namespace zorvik {

namespace {

// Texts shared by many entries.
#define HWND_ROW "調べたいウィンドウのハンドルを指定します。"
#define TARGET_ROW "対象ウィンドウ\t調べたいウィンドウです。引数の値はこのウィンドウから求めます。\n"
#define RET_BOOL "関数が成功すると0以外の値(True)が、失敗すると0(False)が返ります。"
#define RET_BOOL_LINE "戻り値 " RET_BOOL
#define EXE_ROW "対象ウィンドウを作成したプロセスの実行ファイルのパスです。"
#define POINT_DEF "\n\ntypedef struct tagPOINT {\n  LONG x;  //X座標\n  LONG y;  //Y座標\n} POINT;"
#define RECT_DEF \
  "\n\ntypedef struct tagRECT {\n  LONG left;    //左上隅のX座標\n  LONG top;     //左上隅のY座標\n" \
  "  LONG right;   //右下隅のX座標\n  LONG bottom;  //右下隅のY座標\n} RECT;"

// List and combo box messages: one text per kind, built from the control word.
#define MSG_COUNT(word, name)                                                                     \
  name, "msg-" word##_KEY, name,                                                                  \
      word##_JA "のアイテム数を取得します。\nwParam 使用しません。\nlParam 使用しません。\n戻り値 " \
                word##_JA "のアイテム数が返ります。",                                               \
      "hwnd\t調べたい" word##_JA "のハンドルを指定します。\n戻り値\t" word##_JA "のアイテム数が返ります。"
#define MSG_CURSEL(word, name)                                                                          \
  name, "msg-" word##_KEY, name,                                                                        \
      word##_JA "の選択アイテムのインデックスを取得します。\nwParam 使用しません。\nlParam 使用しません。\n" \
                "戻り値 選択アイテムの0ベースのインデックスが返ります。",                                 \
      "hwnd\t調べたい" word##_JA "のハンドルを指定します。\n戻り値\t選択アイテムの0ベースのインデックスが返ります。"
#define MSG_TEXT(word, name)                                                                          \
  name, "msg-" word##_KEY, name,                                                                      \
      word##_JA "のアイテムの文字列を取得します。\nwParam アイテムのインデックスを指定。このテストでは選択行を指定。\n" \
                "lParam 文字列を受け取るバッファのアドレスを指定。\n戻り値 取得したアイテムの文字数が返ります。", \
      "hwnd\t調べたい" word##_JA "のハンドルを指定します。\n"                                          \
      "wParam\tアイテムの0ベースのインデックスです。選択アイテムが無いときは0を使います。\n"           \
      "lParam\tバッファに受け取ったアイテムの文字列です。\n"                                          \
      "戻り値\t取得したアイテムの文字数が返ります。失敗するとエラー値が返ります。"
#define MSG_TEXTLEN(word, name)                                                                          \
  name, "msg-" word##_KEY, name,                                                                         \
      word##_JA "のアイテムの文字数を取得します。\nwParam アイテムのインデックスを指定。このテストでは選択行を指定。\n" \
                "lParam 使用しません。\n戻り値 アイテムの文字数が返ります。",                             \
      "hwnd\t調べたい" word##_JA "のハンドルを指定します。\n"                                             \
      "wParam\tアイテムの0ベースのインデックスです。選択アイテムが無いときは0を使います。\n"              \
      "戻り値\tアイテムの文字数(終端のNULL文字を含まない)が返ります。失敗するとエラー値が返ります。"
#define CB_JA "コンボボックス"
#define CB_KEY "ComboBox"
#define LB_JA "リストボックス"
#define LB_KEY "ListBox"

// Trackbar messages: wParam and lParam unused unless said.
#define TBM(name, summary, ret)                                                                                 \
  {name, "msg-TrackBar", name, summary "\nwParam 使用しません。\nlParam 使用しません。\n戻り値 " ret,             \
   "hwnd\t調べたいトラックバーのハンドルを指定します。\n戻り値\t" ret}

#define SBI_BLOCK(obj, what)                                                                               \
  "idObject: " obj "\t" what "を調べます。値は関数の戻り値です。\n"                       \
  " psbi.rcScrollBar\tスクロールバーの矩形(スクリーン座標)です。\n"                                       \
  " psbi.dxyLineButton\t矢印ボタンの高さまたは幅です。\n"                                                 \
  " psbi.xyThumbTop\tつまみの上端または左端の位置(rcScrollBarからの相対位置)です。\n"                      \
  " psbi.xyThumbBottom\tつまみの下端または右端の位置(rcScrollBarからの相対位置)です。\n"                   \
  " psbi.rgstate[0]\tスクロールバー全体の状態です。\n"                                                    \
  " psbi.rgstate[1]\t上または右の矢印ボタンの状態です。\n"                                                 \
  " psbi.rgstate[2]\tページアップエリアの状態です。\n"                                                     \
  " psbi.rgstate[3]\tつまみの状態です。\n"                                                                 \
  " psbi.rgstate[4]\tページダウンエリアの状態です。\n"                                                     \
  " psbi.rgstate[5]\t下または左の矢印ボタンの状態です。\n"
#define SI_BLOCK(bar, what)                                                       \
  "fnBar: " bar "\t" what "を調べます。値は関数の戻り値です。\n"                  \
  " lpsi.nMin\tスクロール範囲の最小値です。\n"                                    \
  " lpsi.nMax\tスクロール範囲の最大値です。\n"                                    \
  " lpsi.nPage\tページの大きさです。\n"                                           \
  " lpsi.nPos\tつまみの位置です。\n"                                              \
  " lpsi.nTrackPos\tドラッグ中のつまみの位置です。\n"
#define SR_BLOCK(bar, what)                                        \
  "nBar: " bar "\t" what "を調べます。値は関数の戻り値です。\n"    \
  " lpMinPos\tスクロール範囲の最小値です。\n"                      \
  " lpMaxPos\tスクロール範囲の最大値です。\n"
#define BAR_CTL "スクロールバーコントロール自身"
#define BAR_HORZ "ウィンドウの標準の水平スクロールバー"
#define BAR_VERT "ウィンドウの標準の垂直スクロールバー"
#define POINT_ENTRY_ROWS(what)                                                                       \
  "hwnd\t親ウィンドウのハンドルを指定します。\n"                                                    \
  "Point\tカーソル位置を親ウィンドウのクライアント座標に変換した値です。\n"                          \
  "戻り値\t" what "\n"                                                                                \
  "参考値\tカーソル位置で一番手前に見えるウィンドウ(子ウィンドウを含む)です。比較のために示します。"

const ApiEntryInfo kEntries[] = {
    {"GetDeviceCaps", "api-info", "int GetDeviceCaps(HDC hdc, int nIndex)",
     "デバイスコンテキストの能力と設定値を取得します。このテストでは対象ウィンドウのデバイスコンテキスト(GetDC)を調べます。\n"
     "hdc    調べたいデバイスコンテキストのハンドルを指定します。\n"
     "nIndex 取得したい項目のインデックスを指定します。\n"
     "戻り値 指定した項目の値が返ります。...CAPSの項目ではビットの組み合わせが返ります。",
     TARGET_ROW},
    {"GetSystemMetrics", "api-info", "int GetSystemMetrics(int nIndex);",
     "システムの各部の寸法と設定を取得します。寸法はピクセル単位です。\n"
     "nIndex 取得したい項目のインデックスを指定します。\n"
     "戻り値 指定した項目の値が返ります。失敗すると0が返ります。",
     ""},
    {"ExtractIcon", "api-graphic", "HICON ExtractIcon(HINSTANCE hInst, LPCTSTR lpszExeFileName, UINT nIconIndex);",
     "実行ファイル、DLL、アイコンファイルからアイコンを取り出します。\n"
     "hInst           関数を呼び出すアプリケーションのインスタンスハンドルを指定します。\n"
     "lpszExeFileName アイコンを取り出すファイルの名前を指定します。\n"
     "nIconIndex      取り出すアイコンの0ベースのインデックスを指定します。-1を指定するとファイル内のアイコンの数が返ります。\n"
     "戻り値 アイコンのハンドルが返ります。nIconIndexが-1のときはアイコンの数が返ります。アイコンが無いときはNULLが返ります。",
     TARGET_ROW "lpszExeFileName\t" EXE_ROW "\n"
     "nIconIndex: -1\tファイルに含まれるアイコンの数です。"},
    {"GetAncestor", "api", "HWND GetAncestor(HWND hwnd, UINT gaFlags);",
     "指定されたウィンドウの祖先のウィンドウを取得します。\n"
     "hwnd    " HWND_ROW "\n"
     "gaFlags 取得する祖先の種類を指定します。\n"
     "戻り値 祖先のウィンドウのハンドルが返ります。",
     "hwnd\t" HWND_ROW "\n"
     "gaFlags: GA_PARENT\t親ウィンドウです。親をたどるだけでオーナーはたどりません。\n"
     "gaFlags: GA_ROOT\t親をたどって行き着くルートウィンドウです。\n"
     "gaFlags: GA_ROOTOWNER\t親とオーナーをたどって行き着くウィンドウです。"},
    {"GetNextWindow", "api", "HWND GetNextWindow(HWND hWnd, UINT wCmd);",
     "Zオーダーで隣にあるウィンドウを取得します。GetWindowのマクロです。\n"
     "hWnd 基準にするウィンドウのハンドルを指定します。\n"
     "wCmd GW_HWNDNEXT(下のウィンドウ)かGW_HWNDPREV(上のウィンドウ)を指定します。\n"
     "戻り値 見つかったウィンドウのハンドルが返ります。無いときはNULLが返ります。",
     "hwnd\t" HWND_ROW "\n"
     "wCmd: GW_HWNDNEXT\tZオーダーで1つ下のウィンドウです。\n"
     "wCmd: GW_HWNDPREV\tZオーダーで1つ上のウィンドウです。"},
    {"GetParent", "api", "HWND GetParent(HWND hWnd);",
     "指定されたウィンドウの親ウィンドウまたはオーナーウィンドウを取得します。\n"
     "hWnd   " HWND_ROW "\n"
     "戻り値 子ウィンドウでは親、ポップアップウィンドウではオーナーのハンドルが返ります。無いときはNULLが返ります。",
     "hwnd\t" HWND_ROW "\n"
     "戻り値\t子ウィンドウでは親、ポップアップウィンドウではオーナーのハンドルです。"},
    {"GetTopWindow", "api", "HWND GetTopWindow(HWND hWnd);",
     "指定されたウィンドウの子ウィンドウのうち、Zオーダーが一番上のものを取得します。\n"
     "hWnd   親ウィンドウのハンドルを指定します。NULLならデスクトップの子を調べます。\n"
     "戻り値 一番上の子ウィンドウのハンドルが返ります。子が無いときはNULLが返ります。",
     "hwnd\t親ウィンドウのハンドルを指定します。\n"
     "戻り値\tZオーダーが一番上の子ウィンドウです。"},
    {"GetWindow", "api", "HWND GetWindow(HWND hWnd, UINT uCmd);",
     "指定されたウィンドウと関係(Zオーダー、オーナー、子)のあるウィンドウを取得します。\n"
     "hWnd   基準にするウィンドウのハンドルを指定します。\n"
     "uCmd   関係の種類を指定します。\n"
     "戻り値 見つかったウィンドウのハンドルが返ります。無いときはNULLが返ります。",
     "hwnd\t" HWND_ROW "\n"
     "uCmd: GW_CHILD\tZオーダーが一番上の子ウィンドウです。\n"
     "uCmd: GW_ENABLEDPOPUP\tこのウィンドウが持つ有効なポップアップウィンドウです。\n"
     "uCmd: GW_HWNDFIRST\t同じ種類のウィンドウのうちZオーダーが一番上のものです。\n"
     "uCmd: GW_HWNDLAST\t同じ種類のウィンドウのうちZオーダーが一番下のものです。\n"
     "uCmd: GW_HWNDNEXT\tZオーダーで1つ下のウィンドウです。\n"
     "uCmd: GW_HWNDPREV\tZオーダーで1つ上のウィンドウです。\n"
     "uCmd: GW_OWNER\tオーナーウィンドウです。"},
    {"EnumChildWindows", "api", "BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam);",
     "指定されたウィンドウの子ウィンドウ(孫以下を含む)を列挙し、1つずつコールバック関数に渡します。\n"
     "hWndParent 親ウィンドウのハンドルを指定します。NULLならトップレベルウィンドウを列挙します。\n"
     "lpEnumFunc コールバック関数のアドレスを指定します。\n"
     "lParam     コールバック関数に渡す値を指定します。\n"
     "戻り値 使われません。",
     "hWndParent\t親ウィンドウのハンドルです。デスクトップウィンドウを調べるときはNULLを渡し、トップレベルウィンドウを列挙します。\n"
     "戻り値\t使われません。この下に列挙されたウィンドウを列挙の順に示します。"},
    {"GetWindowPlacement", "api", "BOOL GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT *lpwndpl);",
     "指定されたウィンドウの表示状態と、通常表示・最小化・最大化のときの位置を取得します。\n"
     "hWnd    " HWND_ROW "\n"
     "lpwndpl 値を受け取るWINDOWPLACEMENT構造体の変数のポインタを指定します。lengthメンバを設定してから呼び出します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagWINDOWPLACEMENT {\n"
     "  UINT  length;            //構造体のサイズ\n"
     "  UINT  flags;             //最小化時の位置などのフラグ\n"
     "  UINT  showCmd;           //表示状態\n"
     "  POINT ptMinPosition;     //最小化したときの左上隅の位置\n"
     "  POINT ptMaxPosition;     //最大化したときの左上隅の位置\n"
     "  RECT  rcNormalPosition;  //通常表示のときの位置と大きさ\n"
     "} WINDOWPLACEMENT;",
     "hwnd\t" HWND_ROW "\n"
     "length\t構造体のサイズです。呼び出す前に設定します。\n"
     "ptMinPosition\t最小化したときのウィンドウの左上隅の位置です。\n"
     "ptMaxPosition\t最大化したときのウィンドウの左上隅の位置です。\n"
     "rcNormalPosition\t通常表示のときのウィンドウの位置と大きさです。ワークエリア座標です。\n"
     "戻り値\t" RET_BOOL},
    {"GetWindowRect", "api", "BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);",
     "指定されたウィンドウの左上端と右下端の座標をスクリーン座標で取得します。\n"
     "hwnd   " HWND_ROW "\n"
     "lpRect 値を受け取るRECT構造体の変数のポインタを指定します。\n"
     RET_BOOL_LINE RECT_DEF,
     "hwnd\t" HWND_ROW "\n"
     "lpRect\t値を受け取るRECT構造体の変数のポインタを指定します。|"
     "この構造体のleftメンバとtopメンバにスクリーン座標でのウィンドウの左上端の座標が入ります。"
     "rightメンバとbottomメンバにはウィンドウの右下端の座標が入ります。\n"
     "戻り値\t" RET_BOOL},
    {"GetClientRect", "api", "BOOL GetClientRect(HWND hWnd, LPRECT lpRect);",
     "指定されたウィンドウのクライアント領域の座標をクライアント座標で取得します。\n"
     "hwnd   " HWND_ROW "\n"
     "lpRect 値を受け取るRECT構造体の変数のポインタを指定します。\n"
     RET_BOOL_LINE RECT_DEF,
     "hwnd\t" HWND_ROW "\n"
     "lpRect\t値を受け取るRECT構造体の変数のポインタを指定します。|"
     "leftメンバとtopメンバは常に0で、rightメンバとbottomメンバにクライアント領域の幅と高さが入ります。\n"
     "戻り値\t" RET_BOOL},
    {"IsWindowEnabled", "api", "BOOL IsWindowEnabled(HWND hWnd);",
     "指定されたウィンドウがマウスとキーボードの入力を受け付けるか(有効か)を調べます。\n"
     "hWnd   " HWND_ROW "\n"
     "戻り値 有効なら0以外の値(True)が、無効なら0(False)が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "戻り値\t有効ならTrue、無効ならFalseです。"},
    {"IsWindowUnicode", "api", "BOOL IsWindowUnicode(HWND hWnd);",
     "指定されたウィンドウがUnicodeのウィンドウかを調べます。\n"
     "hWnd   " HWND_ROW "\n"
     "戻り値 Unicodeのウィンドウなら0以外の値(True)が、ANSIのウィンドウなら0(False)が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "戻り値\tUnicodeのウィンドウならTrue、ANSIのウィンドウならFalseです。"},
    {"IsZoomed", "api", "BOOL IsZoomed(HWND hWnd);",
     "指定されたウィンドウが最大化されているかを調べます。\n"
     "hWnd   " HWND_ROW "\n"
     "戻り値 最大化されていれば0以外の値(True)が、そうでなければ0(False)が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "戻り値\t最大化されていればTrue、そうでなければFalseです。"},
    {"DwmGetWindowAttribute", "api",
     "HRESULT DwmGetWindowAttribute(HWND hwnd, DWORD dwAttribute, pvAttribute, DWORD cbAttribute);",
     "デスクトップウィンドウマネージャ(DWM)がウィンドウに適用している属性の値を取得します。\n"
     "hwnd        " HWND_ROW "\n"
     "dwAttribute 取得する属性(DWMWINDOWATTRIBUTEの値)を指定します。\n"
     "pvAttribute 値を受け取る変数のポインタを指定します。\n"
     "cbAttribute pvAttributeの指す変数のサイズを指定します。\n"
     "戻り値 成功するとS_OKが、失敗するとエラーコードが返ります。Dwmapi.dllが無いときはE_NOTIMPLとして示します。",
     "hwnd\t" HWND_ROW "\n"
     "dwAttribute: DWMWA_NCRENDERING_ENABLED\t非クライアント領域をDWMが描画しているか(BOOL)です。\n"
     "dwAttribute: DWMWA_CAPTION_BUTTON_BOUNDS\tタイトルバーのボタンのある領域(RECT、ウィンドウ座標)です。\n"
     "dwAttribute: DWMWA_EXTENDED_FRAME_BOUNDS\t影などを除いた見た目のウィンドウの矩形(RECT、スクリーン座標)です。\n"
     "dwAttribute: DWMWA_CLOAK\tウィンドウを隠す指定がされているか(BOOL)です。\n"
     "dwAttribute: DWMWA_CLOAKED\tウィンドウが隠されている理由(DWORD)です。1 アプリ、2 シェル、4 継承。"},
    {"GetLayeredWindowAttributes", "api",
     "BOOL WINAPI GetLayeredWindowAttributes(HWND hwnd, COLORREF *pcrKey, BYTE *pbAlpha, DWORD *pdwFlags);",
     "レイヤードウィンドウの透過色と不透明度を取得します。\n"
     "hwnd     調べたいレイヤードウィンドウのハンドルを指定します。\n"
     "pcrKey   透過色を受け取る変数のポインタを指定します。\n"
     "pbAlpha  不透明度(0 透明～255 不透明)を受け取る変数のポインタを指定します。\n"
     "pdwFlags どちらが有効かを示すフラグを受け取る変数のポインタを指定します。\n"
     RET_BOOL_LINE,
     "hwnd\t" HWND_ROW "\n"
     "pcrKey\t透過色です。pdwFlagsにLWA_COLORKEYがあるときだけ有効です。\n"
     "pbAlpha\t不透明度(0 透明～255 不透明)です。pdwFlagsにLWA_ALPHAがあるときだけ有効です。\n"
     "pdwFlags\tLWA_COLORKEY(1) 透過色が有効、LWA_ALPHA(2) 不透明度が有効。\n"
     "戻り値\t" RET_BOOL},
    {"GetClassInfoEx", "api", "BOOL GetClassInfoEx(HINSTANCE hinst, LPCTSTR lpszClass, LPWNDCLASSEX lpwcx);",
     "ウィンドウクラスの登録情報を取得します。このテストでは対象ウィンドウのクラスを調べます。\n"
     "hinst     クラスを登録したモジュールのインスタンスハンドルを指定します。\n"
     "lpszClass クラス名を指定します。\n"
     "lpwcx     値を受け取るWNDCLASSEX構造体の変数のポインタを指定します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagWNDCLASSEX {\n"
     "  UINT      cbSize;         //構造体のサイズ\n"
     "  UINT      style;          //クラススタイル\n"
     "  WNDPROC   lpfnWndProc;    //ウィンドウプロシージャ\n"
     "  int       cbClsExtra;     //クラスの追加メモリのバイト数\n"
     "  int       cbWndExtra;     //ウィンドウの追加メモリのバイト数\n"
     "  HINSTANCE hInstance;      //クラスを登録したモジュール\n"
     "  HICON     hIcon;          //アイコン\n"
     "  HCURSOR   hCursor;        //カーソル\n"
     "  HBRUSH    hbrBackground;  //背景のブラシ\n"
     "  LPCTSTR   lpszMenuName;   //メニューのリソース名\n"
     "  LPCTSTR   lpszClassName;  //クラス名\n"
     "  HICON     hIconSm;        //小さいアイコン\n"
     "} WNDCLASSEX;",
     TARGET_ROW
     "hinst\t対象ウィンドウのインスタンスハンドル(GWL_HINSTANCE)です。\n"
     "lpszClass\t対象ウィンドウのクラス名です。\n"
     "lpwcx.cbSize\t構造体のサイズです。呼び出す前に設定します。\n"
     "lpwcx.style\tクラススタイル(CS_で始まる定数の組み合わせ)です。\n"
     "lpwcx.lpfnWndProc\tウィンドウプロシージャのアドレスです。\n"
     "lpwcx.cbClsExtra\tクラスごとに確保される追加メモリのバイト数です。\n"
     "lpwcx.cbWndExtra\tウィンドウごとに確保される追加メモリのバイト数です。\n"
     "lpwcx.hInstance\tクラスを登録したモジュールのインスタンスハンドルです。\n"
     "lpwcx.hIcon\tクラスのアイコンのハンドルです。\n"
     "lpwcx.hCursor\tクラスのカーソルのハンドルです。\n"
     "lpwcx.hbrBackground\t背景を塗るブラシのハンドルです。1から始まる小さな値はシステムカラーの番号+1です。\n"
     "lpwcx.lpszMenuName\tメニューのリソース名です。|値が65536未満のときは文字列ではなく整数のリソースIDなので、16進数で示します。\n"
     "lpwcx.lpszClassName\tクラス名です。\n"
     "lpwcx.hIconSm\tクラスの小さいアイコンのハンドルです。\n"
     "戻り値\t" RET_BOOL "\n"
     "lpwcxダンプ\t受け取った構造体の中身を16進数で示します。"},
    {"GetClassLong", "api", "DWORD GetClassLong(HWND hWnd, int nIndex);",
     "指定されたウィンドウのクラスの情報を取得します。\n"
     "hWnd   " HWND_ROW "\n"
     "nIndex 取得する値のオフセット(GCL_またはGCW_で始まる定数)を指定します。\n"
     "戻り値 指定した値が返ります。失敗すると0が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "nIndex: GCW_ATOM\tクラスを表すアトムです。\n"
     "nIndex: GCL_CBCLSEXTRA\tクラスの追加メモリのバイト数です。\n"
     "nIndex: GCL_CBWNDEXTRA\tウィンドウの追加メモリのバイト数です。\n"
     "nIndex: GCL_HBRBACKGROUND\t背景のブラシのハンドルです。\n"
     "nIndex: GCL_HCURSOR\tカーソルのハンドルです。\n"
     "nIndex: GCL_HICON\tアイコンのハンドルです。\n"
     "nIndex: GCL_HICONSM\t小さいアイコンのハンドルです。\n"
     "nIndex: GCL_HMODULE\tクラスを登録したモジュールのハンドルです。\n"
     "nIndex: GCL_MENUNAME\tメニューのリソース名のアドレスです。\n"
     "nIndex: GCL_STYLE\tクラススタイルです。\n"
     "nIndex: GCL_WNDPROC\tウィンドウプロシージャのアドレスです。"},
    {"GetWindowInfo", "api", "BOOL GetWindowInfo(HWND hwnd, PWINDOWINFO pwi);",
     "指定されたウィンドウの位置、スタイル、枠の太さなどをまとめて取得します。\n"
     "hwnd " HWND_ROW "\n"
     "pwi  値を受け取るWINDOWINFO構造体の変数のポインタを指定します。cbSizeメンバを設定してから呼び出します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagWINDOWINFO {\n"
     "  DWORD cbSize;           //構造体のサイズ\n"
     "  RECT  rcWindow;         //ウィンドウの矩形(スクリーン座標)\n"
     "  RECT  rcClient;         //クライアント領域の矩形(スクリーン座標)\n"
     "  DWORD dwStyle;          //スタイル\n"
     "  DWORD dwExStyle;        //拡張スタイル\n"
     "  DWORD dwWindowStatus;   //アクティブならWS_ACTIVECAPTION(1)\n"
     "  UINT  cxWindowBorders;  //枠の幅\n"
     "  UINT  cyWindowBorders;  //枠の高さ\n"
     "  ATOM  atomWindowType;   //クラスのアトム\n"
     "  WORD  wCreatorVersion;  //作成したアプリケーションのバージョン\n"
     "} WINDOWINFO;",
     "hwnd\t" HWND_ROW "\n"
     "pwi.cbSize\t構造体のサイズです。呼び出す前に設定します。\n"
     "pwi.rcWindow\tウィンドウの矩形(スクリーン座標)です。\n"
     "pwi.rcClient\tクライアント領域の矩形(スクリーン座標)です。\n"
     "pwi.dwStyle\tウィンドウスタイルです。\n"
     "pwi.dwExStyle\t拡張ウィンドウスタイルです。\n"
     "pwi.dwWindowStatus\tアクティブなウィンドウならWS_ACTIVECAPTION(1)、そうでなければ0です。\n"
     "pwi.cxWindowBorders\tウィンドウの枠の幅(ピクセル)です。\n"
     "pwi.cyWindowBorders\tウィンドウの枠の高さ(ピクセル)です。\n"
     "pwi.atomWindowType\tウィンドウクラスのアトムです。\n"
     "pwi.wCreatorVersion\tウィンドウを作成したアプリケーションのWindowsのバージョンです。\n"
     "戻り値\t" RET_BOOL},
    {"GetWindowLong", "api", "LONG GetWindowLong(HWND hWnd, int nIndex);",
     "指定されたウィンドウの情報を取得します。\n"
     "hWnd   " HWND_ROW "\n"
     "nIndex 取得する値のオフセット(GWL_で始まる定数)を指定します。\n"
     "戻り値 指定した値が返ります。失敗すると0が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "nIndex: GWL_EXSTYLE\t拡張ウィンドウスタイルです。\n"
     "nIndex: GWL_STYLE\tウィンドウスタイルです。\n"
     "nIndex: GWL_WNDPROC\tウィンドウプロシージャのアドレスです。\n"
     "nIndex: GWL_HINSTANCE\tアプリケーションのインスタンスハンドルです。\n"
     "nIndex: GWL_HWNDPARENT\t親ウィンドウ(子ウィンドウのとき)またはオーナーウィンドウのハンドルです。\n"
     "nIndex: GWL_ID\tウィンドウのID(子ウィンドウのとき)です。\n"
     "nIndex: GWL_USERDATA\tアプリケーションがウィンドウに持たせた32ビットの値です。"},
    {"GetClassName", "api", "int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);",
     "指定されたウィンドウが属するクラスの名前を取得します。\n"
     "hWnd        " HWND_ROW "\n"
     "lpClassName クラス名を受け取るバッファのアドレスを指定します。\n"
     "nMaxCount   バッファの大きさ(文字数)を指定します。\n"
     "戻り値 バッファにコピーした文字数が返ります。失敗すると0が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "lpClassName\tクラス名です。このテストではANSI版(GetClassNameA)で取得します。\n"
     "戻り値\tバッファにコピーした文字数です。"},
    {"RealGetWindowClass", "api", "UINT RealGetWindowClass(HWND hwnd, LPTSTR pszType, UINT cchType);",
     "指定されたウィンドウの元になったクラスの名前を取得します。サブクラス化されたコントロールでは元のシステムクラスの名前が返ります。\n"
     "hwnd    " HWND_ROW "\n"
     "pszType クラス名を受け取るバッファのアドレスを指定します。\n"
     "cchType バッファの大きさ(文字数)を指定します。\n"
     "戻り値 バッファにコピーした文字数が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "pszType\t元になったクラスの名前です。\n"
     "戻り値\tバッファにコピーした文字数です。"},
    {"GetScrollBarInfo", "api", "BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, PSCROLLBARINFO psbi);",
     "スクロールバーの位置、つまみの位置と各部の状態を取得します。\n"
     "hwnd     " HWND_ROW "\n"
     "idObject 調べるスクロールバー(OBJID_CLIENT、OBJID_HSCROLL、OBJID_VSCROLL)を指定します。\n"
     "psbi     値を受け取るSCROLLBARINFO構造体の変数のポインタを指定します。cbSizeメンバを設定してから呼び出します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagSCROLLBARINFO {\n"
     "  DWORD cbSize;          //構造体のサイズ\n"
     "  RECT  rcScrollBar;     //スクロールバーの矩形(スクリーン座標)\n"
     "  int   dxyLineButton;   //矢印ボタンの高さまたは幅\n"
     "  int   xyThumbTop;      //つまみの上端または左端\n"
     "  int   xyThumbBottom;   //つまみの下端または右端\n"
     "  int   reserved;\n"
     "  DWORD rgstate[6];      //各部の状態\n"
     "} SCROLLBARINFO;",
     "hwnd\t" HWND_ROW "\n" SBI_BLOCK("OBJID_CLIENT", BAR_CTL)
         SBI_BLOCK("OBJID_HSCROLL", BAR_HORZ) SBI_BLOCK("OBJID_VSCROLL", BAR_VERT)
     "戻り値\t各idObjectの行に関数の戻り値を示します。"},
    {"GetScrollInfo", "api", "BOOL GetScrollInfo(HWND hwnd, int fnBar, LPSCROLLINFO lpsi);",
     "スクロールバーの範囲、ページの大きさ、つまみの位置を取得します。\n"
     "hwnd  " HWND_ROW "\n"
     "fnBar 調べるスクロールバー(SB_CTL、SB_HORZ、SB_VERT)を指定します。\n"
     "lpsi  値を受け取るSCROLLINFO構造体の変数のポインタを指定します。cbSizeとfMaskを設定してから呼び出します。このテストではSIF_ALLを指定します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagSCROLLINFO {\n"
     "  UINT cbSize;     //構造体のサイズ\n"
     "  UINT fMask;      //取得する値の指定\n"
     "  int  nMin;       //範囲の最小値\n"
     "  int  nMax;       //範囲の最大値\n"
     "  UINT nPage;      //ページの大きさ\n"
     "  int  nPos;       //つまみの位置\n"
     "  int  nTrackPos;  //ドラッグ中のつまみの位置\n"
     "} SCROLLINFO;",
     "hwnd\t" HWND_ROW "\n" SI_BLOCK("SB_CTL", BAR_CTL) SI_BLOCK("SB_HORZ", BAR_HORZ) SI_BLOCK("SB_VERT", BAR_VERT)},
    {"GetScrollPos", "api", "int GetScrollPos(HWND hWnd, int nBar);",
     "スクロールバーのつまみの位置を取得します。\n"
     "hWnd   " HWND_ROW "\n"
     "nBar   調べるスクロールバー(SB_CTL、SB_HORZ、SB_VERT)を指定します。\n"
     "戻り値 つまみの位置が返ります。失敗すると0が返ります。",
     "hWnd\t" HWND_ROW "\n"
     "nBar: SB_CTL\t" BAR_CTL "のつまみの位置です。\n"
     "nBar: SB_HORZ\t" BAR_HORZ "のつまみの位置です。\n"
     "nBar: SB_VERT\t" BAR_VERT "のつまみの位置です。"},
    {"GetScrollRange", "api", "BOOL GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos);",
     "スクロールバーの範囲の最小値と最大値を取得します。\n"
     "hWnd     " HWND_ROW "\n"
     "nBar     調べるスクロールバー(SB_CTL、SB_HORZ、SB_VERT)を指定します。\n"
     "lpMinPos 最小値を受け取る変数のポインタを指定します。\n"
     "lpMaxPos 最大値を受け取る変数のポインタを指定します。\n"
     RET_BOOL_LINE,
     "hWnd\t" HWND_ROW "\n" SR_BLOCK("SB_CTL", BAR_CTL) SR_BLOCK("SB_HORZ", BAR_HORZ) SR_BLOCK("SB_VERT", BAR_VERT)},
    {"GetTitleBarInfo", "api", "BOOL GetTitleBarInfo(HWND hwnd, PTITLEBARINFO pti);",
     "タイトルバーの矩形と、タイトルバーの各ボタンの状態を取得します。\n"
     "hwnd " HWND_ROW "\n"
     "pti  値を受け取るTITLEBARINFO構造体の変数のポインタを指定します。cbSizeメンバを設定してから呼び出します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagTITLEBARINFO {\n"
     "  DWORD cbSize;       //構造体のサイズ\n"
     "  RECT  rcTitleBar;   //タイトルバーの矩形(スクリーン座標)\n"
     "  DWORD rgstate[6];   //タイトルバーと各ボタンの状態\n"
     "} TITLEBARINFO;",
     "hwnd\t" HWND_ROW "\n"
     "pti.cbSize\t構造体のサイズです。呼び出す前に設定します。\n"
     "pti.rcTitleBar\tタイトルバーの矩形(スクリーン座標)です。\n"
     "pti.rgstate[0]\tタイトルバー全体の状態です。\n"
     "pti.rgstate[1]\t予備です。\n"
     "pti.rgstate[2]\t最小化ボタンの状態です。\n"
     "pti.rgstate[3]\t最大化ボタンの状態です。\n"
     "pti.rgstate[4]\tヘルプボタンの状態です。\n"
     "pti.rgstate[5]\t閉じるボタンの状態です。\n"
     "戻り値\t" RET_BOOL},
    {"OpenProcess", "api", "HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId);",
     "プロセスを開き、そのハンドルを取得します。\n"
     "dwDesiredAccess 求めるアクセス権を指定します。このテストではPROCESS_ALL_ACCESSを指定します。\n"
     "bInheritHandle  子プロセスにハンドルを継承させるかを指定します。このテストではFALSEを指定します。\n"
     "dwProcessId     開くプロセスのIDを指定します。\n"
     "戻り値 プロセスのハンドルが返ります。失敗するとNULLが返ります。ハンドルは使い終わったらCloseHandleで閉じます。",
     "ウィンドウ\t調べたいウィンドウです。このウィンドウを作成したプロセスを開きます。\n"
     "dwProcessId\t対象ウィンドウを作成したプロセスのIDです。\n"
     "戻り値\tプロセスのハンドルです。0は失敗を示します。"},
    {"GetPriorityClass", "api", "DWORD GetPriorityClass(HANDLE hProcess);",
     "プロセスの優先度クラスを取得します。\n"
     "hProcess 調べたいプロセスのハンドルを指定します。PROCESS_QUERY_INFORMATIONのアクセス権が必要です。\n"
     "戻り値 優先度クラスが返ります。失敗すると0が返ります。",
     "ウィンドウ\t調べたいウィンドウです。このウィンドウを作成したプロセスを調べます。\n"
     "hProcess\tPROCESS_QUERY_INFORMATIONで開いたプロセスのハンドルです。\n"
     "戻り値\tプロセスの優先度クラスです。"},
    {"GetWindowThreadProcessId", "api", "DWORD GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId);",
     "指定されたウィンドウを作成したスレッドとプロセスのIDを取得します。\n"
     "hWnd          " HWND_ROW "\n"
     "lpdwProcessId プロセスIDを受け取る変数のポインタを指定します。\n"
     "戻り値 スレッドのIDが返ります。",
     "hwnd\t" HWND_ROW "\n"
     "lpdwProcessId\tウィンドウを作成したプロセスのIDです。\n"
     "戻り値\tウィンドウを作成したスレッドのIDです。"},
    {"EnumThreadWindows", "api", "BOOL EnumThreadWindows(DWORD dwThreadId, WNDENUMPROC lpfn, LPARAM lParam);",
     "指定されたスレッドが持つ、子でないウィンドウを列挙し、1つずつコールバック関数に渡します。\n"
     "dwThreadId 列挙するスレッドのIDを指定します。\n"
     "lpfn       コールバック関数のアドレスを指定します。\n"
     "lParam     コールバック関数に渡す値を指定します。\n"
     "戻り値 コールバック関数が最後までTRUEを返すと0以外の値(True)が、途中で止めるか該当するウィンドウが無いと0(False)が返ります。",
     TARGET_ROW
     "dwThreadId\t対象ウィンドウを作成したスレッドのIDです。\n"
     "戻り値\t" RET_BOOL "この下に列挙されたウィンドウを列挙の順に示します。"},
    {"GetBinaryType", "api", "BOOL GetBinaryType (LPCTSTR lpApplicationName, LPDWORD lpBinaryType);",
     "ファイルが実行ファイルかどうかと、実行ファイルならその種類を調べます。\n"
     "lpApplicationName 調べたいファイルのパスを指定します。\n"
     "lpBinaryType      種類を受け取る変数のポインタを指定します。\n"
     "戻り値 実行ファイルなら0以外の値(True)が、そうでなければ0(False)が返ります。",
     TARGET_ROW "lpFileName\t" EXE_ROW "\n"
     "戻り値\t" RET_BOOL "この下に実行ファイルの種類を示します。"},
    {"GetFileAttributes", "api", "DWORD GetFileAttributes(LPCTSTR lpFileName);",
     "ファイルまたはディレクトリの属性を取得します。\n"
     "lpFileName 調べたいファイルのパスを指定します。\n"
     "戻り値 属性(FILE_ATTRIBUTE_で始まる定数の組み合わせ)が返ります。失敗すると-1(INVALID_FILE_ATTRIBUTES)が返ります。",
     TARGET_ROW "lpFileName\t" EXE_ROW "\n"
     "戻り値\t属性の値です。この下に立っている属性を1行ずつ示します。"},
    {"GetWindowModuleFileName", "api",
     "UINT WINAPI GetWindowModuleFileName(HWND hwnd, LPTSTR lpszFileName, UINT cchFileNameMax);",
     "指定されたウィンドウを作成したモジュールのパスを取得します。他のプロセスのウィンドウでは取得できないことがあります。\n"
     "hwnd           " HWND_ROW "\n"
     "lpszFileName   パスを受け取るバッファのアドレスを指定します。\n"
     "cchFileNameMax バッファの大きさ(文字数)を指定します。\n"
     "戻り値 バッファにコピーした文字数が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "lpszFileName\tウィンドウを作成したモジュールのパスです。\n"
     "cchFileNameMax\tバッファの大きさ(文字数)です。\n"
     "戻り値\tバッファにコピーした文字数です。0は失敗を示します。"},
    {"GetFileVersionInfo", "api", "BOOL GetFileVersionInfo(LPTSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData);",
     "ファイルのバージョン情報リソースを取得します。\n"
     "lptstrFilename 調べたいファイルのパスを指定します。\n"
     "dwHandle       使用しません。0を指定します。\n"
     "dwLen          バッファの大きさ(GetFileVersionInfoSizeの戻り値)を指定します。\n"
     "lpData         バージョン情報を受け取るバッファのアドレスを指定します。\n"
     RET_BOOL_LINE,
     TARGET_ROW "lptstrFilename\t" EXE_ROW "\n"
     "dwLen\tバージョン情報の大きさ(バイト数)です。\n"
     "戻り値\t" RET_BOOL "\n"
     "lpData\t受け取ったバージョン情報の中身を16進数で示します。"},
    {"GetFileVersionInfoSize", "api", "DWORD GetFileVersionInfoSize(LPTSTR lptstrFilename, LPDWORD lpdwHandle);",
     "ファイルのバージョン情報リソースの大きさを取得します。\n"
     "lptstrFilename 調べたいファイルのパスを指定します。\n"
     "lpdwHandle     0を受け取る変数のポインタを指定します。\n"
     "戻り値 バージョン情報の大きさ(バイト数)が返ります。情報が無いときは0が返ります。",
     TARGET_ROW "lptstrFilename\t" EXE_ROW "\n"
     "戻り値\tバージョン情報の大きさ(バイト数)です。"},
    {"VerQueryValue", "api", "BOOL VerQueryValue(const LPVOID pBlock, LPTSTR lpSubBlock, LPVOID *lplpBuffer, PUINT puLen);",
     "GetFileVersionInfoで取得したバージョン情報から、指定した項目を取り出します。\n"
     "pBlock     GetFileVersionInfoで取得したバージョン情報を指定します。\n"
     "lpSubBlock 取り出す項目のパスを指定します。\"\\\"は固定情報、\"\\VarFileInfo\\Translation\"は言語とコードページの一覧、"
     "\"\\StringFileInfo\\言語コードページ\\キー\"は文字列情報です。\n"
     "lplpBuffer 項目の値のアドレスを受け取る変数のポインタを指定します。\n"
     "puLen      項目の大きさを受け取る変数のポインタを指定します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagVS_FIXEDFILEINFO {\n"
     "  DWORD dwSignature;         //0xFEEF04BD\n"
     "  DWORD dwStrucVersion;      //構造体のバージョン\n"
     "  DWORD dwFileVersionMS;     //ファイルバージョンの上位32ビット\n"
     "  DWORD dwFileVersionLS;     //ファイルバージョンの下位32ビット\n"
     "  DWORD dwProductVersionMS;  //製品バージョンの上位32ビット\n"
     "  DWORD dwProductVersionLS;  //製品バージョンの下位32ビット\n"
     "  DWORD dwFileFlagsMask;     //dwFileFlagsの有効なビット\n"
     "  DWORD dwFileFlags;         //デバッグ版などのフラグ\n"
     "  DWORD dwFileOS;            //対象のOS\n"
     "  DWORD dwFileType;          //ファイルの種類\n"
     "  DWORD dwFileSubtype;       //ファイルの詳しい種類\n"
     "  DWORD dwFileDateMS;        //日付の上位32ビット\n"
     "  DWORD dwFileDateLS;        //日付の下位32ビット\n"
     "} VS_FIXEDFILEINFO;",
     TARGET_ROW "lptstrFilename\t" EXE_ROW "\n"
     "lpSubBlock:\\\t固定情報(VS_FIXEDFILEINFO構造体)を取り出します。\n"
     "戻り値\t" RET_BOOL "\n"
     "puLen\t取り出した項目の大きさです。\n"
     " VS_FIXEDFILEINFO.dwSignature\t署名です。常に0xFEEF04BDです。\n"
     " VS_FIXEDFILEINFO.dwStrucVersion\t構造体のバージョンです。\n"
     " VS_FIXEDFILEINFO.dwFileVersionMS\tファイルバージョンの上位32ビットです。上位と下位の16ビットを並べて示します。\n"
     " VS_FIXEDFILEINFO.dwFileVersionLS\tファイルバージョンの下位32ビットです。上位と下位の16ビットを並べて示します。\n"
     " VS_FIXEDFILEINFO.dwProductVersionMS\t製品バージョンの上位32ビットです。\n"
     " VS_FIXEDFILEINFO.dwProductVersionLS\t製品バージョンの下位32ビットです。\n"
     " VS_FIXEDFILEINFO.dwFileFlagsMask\tdwFileFlagsのうち有効なビットです。\n"
     " VS_FIXEDFILEINFO.dwFileFlags\tデバッグ版、プレリリース版などを示すフラグです。\n"
     " VS_FIXEDFILEINFO.dwFileOS\tファイルが対象とするOSです。\n"
     " VS_FIXEDFILEINFO.dwFileType\tファイルの種類です。1 アプリケーション、2 DLL、3 ドライバ、4 フォント。\n"
     " VS_FIXEDFILEINFO.dwFileSubtype\tドライバやフォントの詳しい種類です。\n"
     " VS_FIXEDFILEINFO.dwFileDateMS\tファイルの日付の上位32ビットです。\n"
     " VS_FIXEDFILEINFO.dwFileDateLS\tファイルの日付の下位32ビットです。\n"
     "lpSubBlock:\\VarFileInfo\\Translation\t言語とコードページの組の一覧を取り出します。\n"
     "言語/コードページ\t言語ID(下位16ビット)とコードページ(上位16ビット)の組です。\n"
     " lpSubBlock:\tこの言語とコードページの文字列情報のパスです。この下にある項目を示します。\n"
     " Comments\tコメント\n"
     " CompanyName\t会社名\n"
     " FileDescription\t説明\n"
     " FileVersion\tファイルバージョン\n"
     " InternalName\t内部名\n"
     " LegalCopyright\t著作権\n"
     " LegalTrademarks\t商標\n"
     " OriginalFilename\t正式ファイル名\n"
     " PrivateBuild\tプライベートビルド情報\n"
     " ProductName\t製品名\n"
     " ProductVersion\t製品バージョン\n"
     " SpecialBuild\tスペシャルビルド情報"},
    {"ChildWindowFromPoint", "api", "HWND ChildWindowFromPoint(HWND hWndParent, POINT Point);",
     "親ウィンドウのクライアント座標で指定した点にある子ウィンドウを取得します。非表示や無効の子も対象です。\n"
     "hWndParent 親ウィンドウのハンドルを指定します。\n"
     "Point      親ウィンドウのクライアント座標で点を指定します。\n"
     "戻り値 点にある子ウィンドウのハンドルが返ります。子が無ければ親ウィンドウ自身、点が親の外ならNULLが返ります。" POINT_DEF,
     POINT_ENTRY_ROWS("点にある子ウィンドウです。子が無ければ親ウィンドウ自身です。")},
    {"ChildWindowFromPointEx", "api", "HWND ChildWindowFromPointEx(HWND hwndParent, POINT pt, UINT uFlags);",
     "親ウィンドウのクライアント座標で指定した点にある子ウィンドウを、飛ばす子の種類を指定して取得します。\n"
     "hwndParent 親ウィンドウのハンドルを指定します。\n"
     "pt         親ウィンドウのクライアント座標で点を指定します。\n"
     "uFlags     飛ばす子ウィンドウの種類を指定します。\n"
     "戻り値 点にある子ウィンドウのハンドルが返ります。子が無ければ親ウィンドウ自身、点が親の外ならNULLが返ります。" POINT_DEF,
     "hwnd\t親ウィンドウのハンドルを指定します。\n"
     "Point\tカーソル位置を親ウィンドウのクライアント座標に変換した値です。\n"
     "uFlags: CWP_ALL\tどの子ウィンドウも飛ばしません。\n"
     "uFlags: CWP_SKIPINVISIBLE\t非表示の子ウィンドウを飛ばします。\n"
     "uFlags: CWP_SKIPDISABLED\t無効の子ウィンドウを飛ばします。\n"
     "uFlags: CWP_SKIPTRANSPARENT\tWS_EX_TRANSPARENTの子ウィンドウを飛ばします。\n"
     "参考値\tカーソル位置で一番手前に見えるウィンドウ(子ウィンドウを含む)です。比較のために示します。"},
    {"RealChildWindowFromPoint", "api", "HWND RealChildWindowFromPoint(HWND hwndParent, POINT ptParentClientCoords);",
     "親ウィンドウのクライアント座標で指定した点にある子ウィンドウを取得します。グループボックスは飛ばし、非表示の子も飛ばします。\n"
     "hwndParent           親ウィンドウのハンドルを指定します。\n"
     "ptParentClientCoords 親ウィンドウのクライアント座標で点を指定します。\n"
     "戻り値 点にある子ウィンドウのハンドルが返ります。子が無ければ親ウィンドウ自身が返ります。" POINT_DEF,
     POINT_ENTRY_ROWS("点にある子ウィンドウです。子が無ければ親ウィンドウ自身です。")},
    {"WindowFromPoint", "api", "HWND WindowFromPoint(POINT Point);",
     "スクリーン座標で指定した点にあるウィンドウを取得します。非表示、無効、透過のウィンドウは対象外です。\n"
     "Point  スクリーン座標で点を指定します。\n"
     "戻り値 点にあるウィンドウのハンドルが返ります。無いときはNULLが返ります。" POINT_DEF,
     "Point\tキャプチャ位置(スクリーン座標)です。\n"
     "戻り値\t点にあるウィンドウです。\n"
     "参考値\tカーソル位置で一番手前に見えるウィンドウ(子ウィンドウを含む)です。比較のために示します。"},
    {"ScreenToClient", "api", "BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);",
     "スクリーン座標をウィンドウのクライアント座標に変換します。\n"
     "hWnd    基準にするウィンドウのハンドルを指定します。\n"
     "lpPoint 変換する座標を入れたPOINT構造体の変数のポインタを指定します。変換した座標で上書きされます。\n"
     RET_BOOL_LINE POINT_DEF,
     "スクリーン座標\tカーソル位置(GetCursorPos)です。\n"
     "hWnd\t調べたいウィンドウです。\n"
     "lpPoint\tクライアント座標に変換したカーソル位置です。\n"
     "戻り値\t" RET_BOOL},
    {"GetCursorPos", "api", "BOOL GetCursorPos(LPPOINT lpPoint);",
     "マウスカーソルの位置をスクリーン座標で取得します。DPIに対応していないプログラムでは論理座標です。\n"
     "lpPoint 値を受け取るPOINT構造体の変数のポインタを指定します。\n"
     RET_BOOL_LINE POINT_DEF,
     "lpPoint\tカーソルの位置(スクリーン座標)です。\n"
     "戻り値\t" RET_BOOL},
    {"GetPhysicalCursorPos", "api", "BOOL GetPhysicalCursorPos(LPPOINT lpPoint);",
     "マウスカーソルの位置を物理スクリーン座標(実際のピクセル)で取得します。\n"
     "lpPoint 値を受け取るPOINT構造体の変数のポインタを指定します。\n"
     RET_BOOL_LINE "User32.dllにこの関数が無いときは未実装と示します。" POINT_DEF,
     "lpPoint\tカーソルの位置(物理スクリーン座標)です。\n"
     "戻り値\t" RET_BOOL "\n"
     "(論理座標)\t比較のためにGetCursorPosで取得した位置です。"},
    {"LogicalToPhysicalPoint", "api", "BOOL LogicalToPhysicalPoint(HWND hWnd, LPPOINT lpPoint);",
     "ウィンドウの論理座標を物理座標に変換します。\n"
     "hWnd    基準にするウィンドウのハンドルを指定します。\n"
     "lpPoint 変換する座標を入れたPOINT構造体の変数のポインタを指定します。変換した座標で上書きされます。\n"
     RET_BOOL_LINE "User32.dllにこの関数が無いときは未実装と示します。" POINT_DEF,
     "論理スクリーン座標\tカーソル位置(GetCursorPos)です。\n"
     "hWnd\t調べたいウィンドウです。\n"
     "lpPoint\t物理座標に変換したカーソル位置です。\n"
     "戻り値\t" RET_BOOL "\n"
     "物理スクリーン座標\t比較のためにGetPhysicalCursorPosで取得した位置です。"},
    {"PhysicalToLogicalPoint", "api", "BOOL PhysicalToLogicalPoint(HWND hWnd, LPPOINT lpPoint);",
     "ウィンドウの物理座標を論理座標に変換します。\n"
     "hWnd    基準にするウィンドウのハンドルを指定します。\n"
     "lpPoint 変換する座標を入れたPOINT構造体の変数のポインタを指定します。変換した座標で上書きされます。\n"
     RET_BOOL_LINE "User32.dllにこの関数が無いときは未実装と示します。" POINT_DEF,
     "物理スクリーン座標\tカーソル位置(GetPhysicalCursorPos)です。\n"
     "hWnd\t調べたいウィンドウです。\n"
     "lpPoint\t論理座標に変換したカーソル位置です。\n"
     "戻り値\t" RET_BOOL},
    {"GetComboBoxInfo", "api", "BOOL GetComboBoxInfo(HWND hwndCombo, PCOMBOBOXINFO pcbi);",
     "コンボボックスの各部の位置とハンドルを取得します。\n"
     "hwndCombo 調べたいコンボボックスのハンドルを指定します。\n"
     "pcbi      値を受け取るCOMBOBOXINFO構造体の変数のポインタを指定します。cbSizeメンバを設定してから呼び出します。\n"
     RET_BOOL_LINE "\n\n"
     "typedef struct tagCOMBOBOXINFO {\n"
     "  DWORD cbSize;       //構造体のサイズ\n"
     "  RECT  rcItem;       //エディット部分の矩形\n"
     "  RECT  rcButton;     //ボタンの矩形\n"
     "  DWORD stateButton;  //ボタンの状態\n"
     "  HWND  hwndCombo;    //コンボボックス\n"
     "  HWND  hwndItem;     //エディット部分\n"
     "  HWND  hwndList;     //ドロップダウンリスト\n"
     "} COMBOBOXINFO;",
     "hwnd\t調べたいコンボボックスのハンドルを指定します。\n"
     "pcbi.cbSize\t構造体のサイズです。呼び出す前に設定します。\n"
     "pcbi.rcItem\tエディット部分の矩形(クライアント座標)です。関数が失敗したときは空欄です。\n"
     "pcbi.rcButton\tドロップダウンボタンの矩形(クライアント座標)です。関数が失敗したときは空欄です。\n"
     "pcbi.stateButton\tドロップダウンボタンの状態です。関数が失敗したときは空欄です。\n"
     "pcbi.hwndCombo\tコンボボックス自身のハンドルです。関数が失敗したときは空欄です。\n"
     "pcbi.hwndItem\tエディット部分のハンドルです。関数が失敗したときは空欄です。\n"
     "pcbi.hwndList\tドロップダウンリストのハンドルです。関数が失敗したときは空欄です。\n"
     "戻り値\t" RET_BOOL},
    {MSG_COUNT(CB, "CB_GETCOUNT")},
    {MSG_CURSEL(CB, "CB_GETCURSEL")},
    {MSG_TEXT(CB, "CB_GETLBTEXT")},
    {MSG_TEXTLEN(CB, "CB_GETLBTEXTLEN")},
    {"GetListBoxInfo", "api", "DWORD GetListBoxInfo(HWND hwnd);",
     "リストボックスのアイテム数を取得します。\n"
     "hwnd   調べたいリストボックスのハンドルを指定します。\n"
     "戻り値 アイテム数が返ります。",
     "hwnd\t調べたいリストボックスのハンドルを指定します。\n"
     "戻り値\tリストボックスのアイテム数です。"},
    {MSG_COUNT(LB, "LB_GETCOUNT")},
    {MSG_CURSEL(LB, "LB_GETCURSEL")},
    {MSG_TEXT(LB, "LB_GETTEXT")},
    {MSG_TEXTLEN(LB, "LB_GETTEXTLEN")},
    TBM("TBM_GETLINESIZE", "トラックバーの矢印キー1回分の移動量を取得します。", "矢印キー1回分の移動量が返ります。"),
    TBM("TBM_GETNUMTICS", "トラックバーの目盛りの数を取得します。", "両端を含む目盛りの数が返ります。目盛りが無いスタイルでは0が返ります。"),
    TBM("TBM_GETPAGESIZE", "トラックバーのPage Up/Page Down 1回分の移動量を取得します。", "Page Up/Page Down 1回分の移動量が返ります。"),
    TBM("TBM_GETPOS", "トラックバーのつまみの位置を取得します。", "つまみの位置が返ります。"),
    TBM("TBM_GETRANGEMAX", "トラックバーの範囲の最大値を取得します。", "範囲の最大値が返ります。"),
    TBM("TBM_GETRANGEMIN", "トラックバーの範囲の最小値を取得します。", "範囲の最小値が返ります。"),
    TBM("TBM_GETTHUMBLENGTH", "トラックバーのつまみの長さ(ピクセル)を取得します。", "つまみの長さが返ります。"),
    {"TBM_GETTIC", "msg-TrackBar", "TBM_GETTIC",
     "トラックバーの目盛りの位置を取得します。\n"
     "wParam 目盛りの0ベースのインデックスを指定。このテストではつまみのすぐ手前の目盛りを指定。\n"
     "lParam 使用しません。\n"
     "戻り値 目盛りの位置(論理位置)が返ります。無効なインデックスでは-1が返ります。",
     "hwnd\t調べたいトラックバーのハンドルを指定します。\n"
     "戻り値\tつまみのすぐ手前の目盛りの位置です。つまみが範囲の端にあるときは調べません。"},
    {"TBM_GETTICPOS", "msg-TrackBar", "TBM_GETTICPOS",
     "トラックバーの目盛りの位置をクライアント座標で取得します。\n"
     "wParam 目盛りの0ベースのインデックスを指定。このテストではつまみのすぐ手前の目盛りを指定。\n"
     "lParam 使用しません。\n"
     "戻り値 目盛りのクライアント座標での位置(ピクセル)が返ります。無効なインデックスでは-1が返ります。",
     "hwnd\t調べたいトラックバーのハンドルを指定します。\n"
     "戻り値\tつまみのすぐ手前の目盛りのクライアント座標での位置です。つまみが範囲の端にあるときは調べません。"},
    TBM("TBM_GETTOOLTIPS", "トラックバーが使うツールチップコントロールのハンドルを取得します。", "ツールチップのハンドルが返ります。無いときは0が返ります。"),
    TBM("TBM_GETUNICODEFORMAT", "トラックバーがUnicodeで通知するかを取得します。", "Unicodeなら0以外の値が、ANSIなら0が返ります。"),
    {"GetWindowText", "api", "int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount);",
     "指定されたウィンドウのタイトルバーの文字列(コントロールではその文字列)を取得します。他のプロセスのコントロールの文字列は取得できません。\n"
     "hWnd      " HWND_ROW "\n"
     "lpString  文字列を受け取るバッファのアドレスを指定します。\n"
     "nMaxCount バッファの大きさ(終端のNULL文字を含む文字数)を指定します。\n"
     "戻り値 バッファにコピーした文字数(終端のNULL文字を含まない)が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "ANSI版\tGetWindowTextAの結果です。\n"
     "lpString\t取得した文字列です。\n"
     "nMaxCount\tGetWindowTextLengthAで求めた長さ(バイト数)です。バッファはこれに1を足した大きさです。\n"
     "戻り値\tバッファにコピーしたバイト数です。\n"
     "Unicode版\tGetWindowTextWの結果です。\n"
     "lpString\t取得した文字列です。\n"
     "nMaxCount\tGetWindowTextLengthWで求めた文字数です。バッファはこれに1を足した大きさです。\n"
     "戻り値\tバッファにコピーした文字数です。"},
    {"GetWindowTextLength", "api", "int GetWindowTextLength(HWND hWnd);",
     "指定されたウィンドウのタイトルバーの文字列(コントロールではその文字列)の長さを取得します。\n"
     "hWnd   " HWND_ROW "\n"
     "戻り値 文字数(終端のNULL文字を含まない)が返ります。ANSI版ではバイト数です。",
     "hwnd\t" HWND_ROW "\n"
     "ANSI版\tGetWindowTextLengthAの結果です。\n"
     "戻り値\t文字列の長さ(バイト数)です。\n"
     "Unicode版\tGetWindowTextLengthWの結果です。\n"
     "戻り値\t文字列の長さ(文字数)です。"},
    {"WM_GETTEXT", "msg-WindowText", "WM_GETTEXT",
     "ウィンドウの文字列を取得します。他のプロセスのコントロールの文字列も取得できます。\n"
     "wParam バッファの大きさ(終端のNULL文字を含む文字数)を指定。このテストではWM_GETTEXTLENGTHで求めた文字数を指定。\n"
     "lParam 文字列を受け取るバッファのアドレスを指定。\n"
     "戻り値 バッファにコピーした文字数(終端のNULL文字を含まない)が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "wParam\tWM_GETTEXTLENGTHで求めた文字数です。バッファはこれに1を足した大きさです。\n"
     "戻り値\t取得した文字列です。この下にバッファにコピーした文字数を示します。"},
    {"WM_GETTEXTLENGTH", "msg-WindowText", "WM_GETTEXTLENGTH",
     "ウィンドウの文字列の長さを取得します。\n"
     "wParam 使用しません。\n"
     "lParam 使用しません。\n"
     "戻り値 文字数(終端のNULL文字を含まない)が返ります。",
     "hwnd\t" HWND_ROW "\n"
     "戻り値\t文字列の長さです。"},
};

std::vector<ApiRowText> ParseRows(const char* rows) {
  std::vector<ApiRowText> out;
  std::string_view text = rows ? rows : "";
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty()) continue;
    const size_t tab = line.find('\t');
    ApiRowText row;
    row.label = std::string(line.substr(0, tab));
    if (tab != std::string_view::npos) {
      for (char c : line.substr(tab + 1)) row.description += c == '|' ? std::string("\r\n") : std::string(1, c);
    }
    out.push_back(std::move(row));
  }
  return out;
}

bool Is(const ApiEntryInfo& e, const char* name) { return std::string_view(e.name) == name; }

}  // namespace

const std::vector<std::string>& ApiGroups() {
  static const std::vector<std::string> groups = {"api",         "api-graphic",  "api-info",      "msg-ComboBox",
                                                  "msg-ListBox", "msg-TrackBar", "msg-WindowText"};
  return groups;
}

size_t ApiEntryCount() { return sizeof kEntries / sizeof kEntries[0]; }

const ApiEntryInfo& ApiEntryAt(size_t index) { return kEntries[index]; }

const ApiEntryInfo* FindApiEntry(std::string_view name) {
  for (const ApiEntryInfo& e : kEntries)
    if (name == e.name) return &e;
  return nullptr;
}

std::vector<size_t> SortedApiEntries() {
  std::vector<size_t> order(ApiEntryCount());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [](size_t a, size_t b) {
    return CompareEntries(kEntries[a].group, kEntries[a].name, kEntries[b].group, kEntries[b].name) < 0;
  });
  return order;
}

std::string ApiEntryDescription(const ApiEntryInfo& entry) {
  std::string text = CrLf(entry.description);
  if (Is(entry, "GetSystemMetrics")) {
    size_t n = 0;
    const ApiIndex* metrics = SystemMetricList(n);
    text += "\r\n";
    for (size_t i = 0; i < n; ++i) {
      if (i > 0 && std::string_view(metrics[i].name) == metrics[i - 1].name) continue;
      std::string name = metrics[i].name;
      name.resize(std::max<size_t>(name.size() + 1, 21), ' ');
      text += "\r\n" + name + metrics[i].note;
    }
  }
  return text;
}

std::vector<ApiRowText> ApiEntryRows(const ApiEntryInfo& entry) {
  std::vector<ApiRowText> rows;
  size_t n = 0;
  if (Is(entry, "GetSystemMetrics")) {
    const ApiIndex* metrics = SystemMetricList(n);
    for (size_t i = 0; i < n; ++i) rows.push_back({std::string("nIndex: ") + metrics[i].name, metrics[i].note});
    return rows;
  }
  if (Is(entry, "VerQueryValue")) return rows;  // built as it runs
  std::vector<ApiRowText> table = ParseRows(entry.rows);
  if (Is(entry, "GetDeviceCaps")) {
    rows.push_back(table.front());  // the target; the group rows follow the results
    const ApiIndex* caps = DeviceCapIndices(n);
    for (size_t i = 0; i < n; ++i) rows.push_back({std::string("nIndex: ") + caps[i].name, caps[i].note});
    return rows;
  }
  return table;
}

std::string ApiRowDescription(const ApiEntryInfo& entry, std::string_view label) {
  for (const ApiRowText& r : ParseRows(entry.rows))
    if (r.label == label) return r.description;
  for (const ApiRowText& r : ParseRows(entry.rows))
    if (!r.label.empty() && label.substr(0, r.label.size()) == r.label) return r.description;
  return "";
}

}  // namespace zorvik
