#include "inspection/style_tables.h"

#include <iterator>

namespace zorvik {
namespace {

// The Win32 values of these constants; the explanations are ours.
constexpr StyleEntry kWindow[] = {
    {0x800000, "WS_BORDER", u"境界線を持つウィンドウを作成します。"},
    {0xC00000, "WS_CAPTION", u"タイトルバーを持つウィンドウを作成します。WS_BORDER と WS_DLGFRAME の組み合わせです。"},
    {0x40000000, "WS_CHILD", u"子ウィンドウを作成します。メニューバーは持てず、WS_POPUP とは併用できません。"},
    {0x2000000, "WS_CLIPCHILDREN", u"親ウィンドウを描画するとき、子ウィンドウの部分を描画領域から除きます。"},
    {0x4000000, "WS_CLIPSIBLINGS", u"兄弟ウィンドウと重なる部分を描画領域から除きます。"},
    {0x8000000, "WS_DISABLED", u"無効状態のウィンドウです。マウスやキーボードの入力を受け付けません。"},
    {0x400000, "WS_DLGFRAME", u"ダイアログボックスと同じ種類の枠を持つウィンドウを作成します。この枠だけではタイトルバーは付きません。"},
    {0x20000, "WS_GROUP", u"コントロールのグループの先頭を示します。グループの中は矢印キーで移動できます。"},
    {0x100000, "WS_HSCROLL", u"水平スクロールバーを持つウィンドウを作成します。"},
    {0x1000000, "WS_MAXIMIZE", u"最大化された状態のウィンドウです。"},
    {0x10000, "WS_MAXIMIZEBOX", u"最大化ボタンを持つウィンドウを作成します。WS_SYSMENU も必要です。"},
    {0x20000000, "WS_MINIMIZE", u"最小化された状態のウィンドウです。"},
    {0x20000, "WS_MINIMIZEBOX", u"最小化ボタンを持つウィンドウを作成します。WS_SYSMENU も必要です。"},
    {0x0, "WS_OVERLAPPED", u"オーバーラップウィンドウを作成します。タイトルバーと境界線を持ちます。"},
    {0xCF0000, "WS_OVERLAPPEDWINDOW",
     u"一般的なトップレベルウィンドウです。WS_OVERLAPPED、WS_CAPTION、WS_SYSMENU、WS_THICKFRAME、WS_MINIMIZEBOX、WS_MAXIMIZEBOX の組み合わせです。"},
    {0x80000000, "WS_POPUP", u"ポップアップウィンドウを作成します。WS_CHILD とは併用できません。"},
    {0x80880000, "WS_POPUPWINDOW", u"境界線とウィンドウメニューを持つポップアップウィンドウです。WS_POPUP、WS_BORDER、WS_SYSMENU の組み合わせです。"},
    {0x80000, "WS_SYSMENU", u"タイトルバーにウィンドウメニューを持つウィンドウを作成します。WS_CAPTION も必要です。"},
    {0x10000, "WS_TABSTOP", u"Tab キーでフォーカスを受け取るコントロールです。"},
    {0x40000, "WS_THICKFRAME", u"サイズ変更用の枠を持つウィンドウを作成します。"},
    {0x10000000, "WS_VISIBLE", u"表示されているウィンドウです。"},
    {0x200000, "WS_VSCROLL", u"垂直スクロールバーを持つウィンドウを作成します。"},
};

constexpr StyleEntry kExtended[] = {
    {0x10, "WS_EX_ACCEPTFILES", u"ドラッグ＆ドロップされたファイルを受け付けます。"},
    {0x40000, "WS_EX_APPWINDOW", u"表示されている間、トップレベルウィンドウをタスクバーに出します。"},
    {0x200, "WS_EX_CLIENTEDGE", u"クライアント領域の周りに沈んだ縁を付けます。"},
    {0x400, "WS_EX_CONTEXTHELP",
     u"タイトルバーに疑問符のボタンを付けます。押してから子ウィンドウをクリックすると、その子ウィンドウに WM_HELP が送られます。"},
    {0x10000, "WS_EX_CONTROLPARENT", u"Tab キーでのフォーカス移動で、このウィンドウの子ウィンドウも巡回の対象にします。"},
    {0x1, "WS_EX_DLGMODALFRAME", u"二重の枠を持つウィンドウを作成します。"},
    {0x400000, "WS_EX_LAYOUTRTL", u"右から左へのレイアウトです。水平座標の原点がウィンドウの右端になります。"},
    {0x0, "WS_EX_LEFT", u"左揃えの一般的な属性を持ちます。既定の値です。"},
    {0x4000, "WS_EX_LEFTSCROLLBAR", u"右から左へ書く言語のとき、垂直スクロールバーをクライアント領域の左側に置きます。"},
    {0x0, "WS_EX_LTRREADING", u"テキストを左から右への読み順で表示します。既定の値です。"},
    {0x80000, "WS_EX_LAYERED", u"レイヤードウィンドウです。ウィンドウ全体の不透明度や透過色を指定できます。"},
    {0x400000, "WS_EX_LAYOUTRTL", u"左右を反転したウィンドウです。WS_EX_NOINHERITLAYOUT がなければ子ウィンドウにも引き継がれます。"},
    {0x40, "WS_EX_MDICHILD", u"MDI 子ウィンドウを作成します。"},
    {0x8000000, "WS_EX_NOACTIVATE", u"クリックしてもアクティブにならないウィンドウです。タスクバーにも出ません。"},
    {0x100000, "WS_EX_NOINHERITLAYOUT", u"左右反転のレイアウトを子ウィンドウに引き継ぎません。"},
    {0x4, "WS_EX_NOPARENTNOTIFY", u"作成や破棄のとき、親ウィンドウに WM_PARENTNOTIFY を送りません。"},
    {0x300, "WS_EX_OVERLAPPEDWINDOW", u"WS_EX_WINDOWEDGE と WS_EX_CLIENTEDGE の組み合わせです。"},
    {0x188, "WS_EX_PALETTEWINDOW", u"パレットウィンドウです。WS_EX_WINDOWEDGE、WS_EX_TOOLWINDOW、WS_EX_TOPMOST の組み合わせです。"},
    {0x1000, "WS_EX_RIGHT", u"右揃えの一般的な属性を持ちます。意味はウィンドウクラスによって決まります。"},
    {0x0, "WS_EX_RIGHTSCROLLBAR", u"垂直スクロールバーをクライアント領域の右側に置きます。既定の値です。"},
    {0x2000, "WS_EX_RTLREADING", u"右から左へ書く言語のとき、テキストを右から左への読み順で表示します。"},
    {0x20000, "WS_EX_STATICEDGE", u"入力を受け付けない項目に使う、立体的な縁を付けます。"},
    {0x80, "WS_EX_TOOLWINDOW", u"ツールウィンドウです。タイトルバーが低く、タスクバーや Alt+Tab の一覧に出ません。"},
    {0x8, "WS_EX_TOPMOST", u"最前面ウィンドウです。アクティブでなくても、最前面でないウィンドウより上に表示されます。"},
    {0x20, "WS_EX_TRANSPARENT", u"同じスレッドの兄弟ウィンドウが描画されてから描画されます。下のウィンドウが透けて見えます。"},
    {0x100, "WS_EX_WINDOWEDGE", u"盛り上がった縁の枠を持つウィンドウを作成します。"},
};

constexpr StyleEntry kButton[] = {
    {0x5, "BS_3STATE", u"3 状態のチェックボックスを作成します。状態はアプリケーションが切り替えます。"},
    {0x6, "BS_AUTO3STATE", u"クリックするたびに状態が自動で切り替わる 3 状態のチェックボックスを作成します。"},
    {0x3, "BS_AUTOCHECKBOX", u"クリックするたびにチェックが自動で切り替わるチェックボックスを作成します。"},
    {0x9, "BS_AUTORADIOBUTTON", u"自動ラジオボタンを作成します。クリックすると選択され、同じグループの他のボタンの選択が外れます。"},
    {0x80, "BS_BITMAP", u"テキストの代わりにビットマップを表示するボタンです。"},
    {0x800, "BS_BOTTOM", u"テキストをボタンの下端に揃えます。"},
    {0x300, "BS_CENTER", u"テキストを水平方向の中央に揃えます。"},
    {0x2, "BS_CHECKBOX", u"チェックボックスを作成します。チェックはアプリケーションが切り替えます。"},
    {0x1, "BS_DEFPUSHBUTTON", u"既定のプッシュボタンを作成します。太い枠で表示され、Enter キーで押されます。"},
    {0x8000, "BS_FLAT", u"立体的な陰影のない平らなボタンです。"},
    {0x7, "BS_GROUPBOX", u"コントロールをまとめて囲む枠を作成します。"},
    {0x40, "BS_ICON", u"テキストの代わりにアイコンを表示するボタンです。"},
    {0x100, "BS_LEFT", u"テキストを左揃えにします。"},
    {0x20, "BS_LEFTTEXT", u"チェックボックスやラジオボタンのテキストを左側に置きます。"},
    {0x2000, "BS_MULTILINE", u"長いテキストを複数行に折り返して表示します。"},
    {0x4000, "BS_NOTIFY", u"BN_DBLCLK、BN_SETFOCUS、BN_KILLFOCUS も親ウィンドウに通知します。"},
    {0xB, "BS_OWNERDRAW", u"オーナー描画のボタンです。描画が必要になるたびに親ウィンドウに WM_DRAWITEM が送られます。"},
    {0xA, "BS_PUSHBOX", u"枠を描かないプッシュボタンです。"},
    {0x0, "BS_PUSHBUTTON", u"プッシュボタンを作成します。押されると親ウィンドウに BN_CLICKED が通知されます。"},
    {0x1000, "BS_PUSHLIKE", u"チェックボックスやラジオボタンをプッシュボタンの外観にします。"},
    {0x4, "BS_RADIOBUTTON", u"ラジオボタンを作成します。選択はアプリケーションが切り替えます。"},
    {0x200, "BS_RIGHT", u"テキストを右揃えにします。"},
    {0x20, "BS_RIGHTBUTTON", u"チェックボックスやラジオボタンの印をテキストの右側に置きます。BS_LEFTTEXT と同じ値です。"},
    {0x0, "BS_TEXT", u"テキストを表示するボタンです。既定の値です。"},
    {0x400, "BS_TOP", u"テキストをボタンの上端に揃えます。"},
    {0x8, "BS_USERBUTTON", u"旧式のユーザー定義ボタンです。今は BS_OWNERDRAW を使います。"},
    {0xC00, "BS_VCENTER", u"テキストを垂直方向の中央に揃えます。"},
};

constexpr StyleEntry kEdit[] = {
    {0x80, "ES_AUTOHSCROLL", u"入力が右端に達すると自動で水平方向にスクロールします。"},
    {0x40, "ES_AUTOVSCROLL", u"最終行で Enter キーを押すと自動で垂直方向にスクロールします。"},
    {0x1, "ES_CENTER", u"テキストを中央揃えにします。"},
    {0x0, "ES_LEFT", u"テキストを左揃えにします。既定の値です。"},
    {0x10, "ES_LOWERCASE", u"入力された英字をすべて小文字にします。"},
    {0x4, "ES_MULTILINE", u"複数行のエディットコントロールです。"},
    {0x100, "ES_NOHIDESEL", u"フォーカスを失っても選択範囲を反転表示したままにします。"},
    {0x2000, "ES_NUMBER", u"数字だけを入力できます。"},
    {0x400, "ES_OEMCONVERT", u"入力されたテキストを OEM 文字セットに変換して戻します。ファイル名の入力に使います。"},
    {0x20, "ES_PASSWORD", u"入力された文字を伏せ字で表示します。"},
    {0x800, "ES_READONLY", u"読み取り専用です。テキストを変更できません。"},
    {0x2, "ES_RIGHT", u"テキストを右揃えにします。"},
    {0x8, "ES_UPPERCASE", u"入力された英字をすべて大文字にします。"},
    {0x1000, "ES_WANTRETURN", u"ダイアログボックスの中でも Enter キーで改行します。複数行のときだけ働きます。"},
};

constexpr StyleEntry kStatic[] = {
    {0xE, "SS_BITMAP", u"ビットマップを表示します。テキストはリソースのビットマップ名です。"},
    {0x7, "SS_BLACKFRAME", u"ウィンドウ枠の色 (通常は黒) で枠を描きます。"},
    {0x4, "SS_BLACKRECT", u"ウィンドウ枠の色 (通常は黒) で塗りつぶした四角形を描きます。"},
    {0x1, "SS_CENTER", u"テキストを中央揃えにし、行末で折り返します。"},
    {0x200, "SS_CENTERIMAGE", u"画像やテキストをコントロールの中央に置きます。"},
    {0x4000, "SS_ENDELLIPSIS", u"収まらないテキストの末尾を省略記号に置き換えます。"},
    {0xF, "SS_ENHMETAFILE", u"拡張メタファイルを表示します。"},
    {0x12, "SS_ETCHEDFRAME", u"彫り込んだ線で枠を描きます。"},
    {0x10, "SS_ETCHEDHORZ", u"上下の辺を彫り込んだ線で描きます。水平の区切り線に使います。"},
    {0x11, "SS_ETCHEDVERT", u"左右の辺を彫り込んだ線で描きます。垂直の区切り線に使います。"},
    {0x8, "SS_GRAYFRAME", u"画面の背景色 (通常は灰色) で枠を描きます。"},
    {0x5, "SS_GRAYRECT", u"画面の背景色 (通常は灰色) で塗りつぶした四角形を描きます。"},
    {0x3, "SS_ICON", u"アイコンを表示します。テキストはリソースのアイコン名です。"},
    {0x0, "SS_LEFT", u"テキストを左揃えにし、行末で折り返します。既定の値です。"},
    {0xC, "SS_LEFTNOWORDWRAP", u"テキストを左揃えにし、折り返しません。はみ出した部分は切り取られます。"},
    {0x80, "SS_NOPREFIX", u"テキストの & をアクセスキーの印として扱いません。"},
    {0x100, "SS_NOTIFY", u"クリックやダブルクリックを親ウィンドウに通知します。"},
    {0xD, "SS_OWNERDRAW", u"オーナー描画のスタティックコントロールです。描画のたびに親ウィンドウに WM_DRAWITEM が送られます。"},
    {0x8000, "SS_PATHELLIPSIS", u"収まらないパスの途中を省略記号に置き換え、ファイル名を残します。"},
    {0x800, "SS_REALSIZEIMAGE", u"アイコンやビットマップを拡大縮小せず、元の大きさで表示します。"},
    {0x2, "SS_RIGHT", u"テキストを右揃えにし、行末で折り返します。"},
    {0x400, "SS_RIGHTJUST", u"画像に合わせて大きさを変えるとき、右下の角を動かしません。"},
    {0xB, "SS_SIMPLE", u"1 行のテキストを左揃えで表示します。"},
    {0x1000, "SS_SUNKEN", u"沈んだ縁を付けます。"},
    {0xA, "SS_USERITEM", u"ユーザー定義の項目です。"},
    {0x9, "SS_WHITEFRAME", u"ウィンドウの背景色 (通常は白) で枠を描きます。"},
    {0x6, "SS_WHITERECT", u"ウィンドウの背景色 (通常は白) で塗りつぶした四角形を描きます。"},
    {0xC000, "SS_WORDELLIPSIS", u"収まらないテキストを単語の切れ目で省略記号に置き換えます。"},
};

constexpr StyleEntry kComboBox[] = {
    {0x40, "CBS_AUTOHSCROLL", u"入力が右端に達すると自動で水平方向にスクロールします。"},
    {0x800, "CBS_DISABLENOSCROLL", u"項目が少なくても垂直スクロールバーを無効状態で表示します。"},
    {0x2, "CBS_DROPDOWN", u"入力欄と、ボタンで開くドロップダウンリストを持つコンボボックスです。"},
    {0x3, "CBS_DROPDOWNLIST", u"入力欄のないドロップダウンリストです。選んだ項目を表示します。"},
    {0x200, "CBS_HASSTRINGS", u"オーナー描画のコンボボックスで、項目が文字列を持ちます。"},
    {0x4000, "CBS_LOWERCASE", u"入力された英字をすべて小文字にします。"},
    {0x400, "CBS_NOINTEGRALHEIGHT", u"リストの高さを項目の高さの整数倍に合わせず、指定のとおりにします。"},
    {0x80, "CBS_OEMCONVERT", u"入力されたテキストを OEM 文字セットに変換して戻します。"},
    {0x10, "CBS_OWNERDRAWFIXED", u"項目の高さがそろったオーナー描画のコンボボックスです。"},
    {0x20, "CBS_OWNERDRAWVARIABLE", u"項目ごとに高さの違うオーナー描画のコンボボックスです。"},
    {0x1, "CBS_SIMPLE", u"リストを常に表示するコンボボックスです。"},
    {0x100, "CBS_SORT", u"追加された文字列を自動で並べ替えます。"},
    {0x2000, "CBS_UPPERCASE", u"入力された英字をすべて大文字にします。"},
};

constexpr StyleEntry kListBox[] = {
    {0x1000, "LBS_DISABLENOSCROLL", u"項目が少なくても垂直スクロールバーを無効状態で表示します。"},
    {0x800, "LBS_EXTENDEDSEL", u"Shift キーや Ctrl キーを使って複数の項目を選択できます。"},
    {0x40, "LBS_HASSTRINGS", u"オーナー描画のリストボックスで、項目が文字列を持ちます。"},
    {0x200, "LBS_MULTICOLUMN", u"複数の列を持ち、水平方向にスクロールするリストボックスです。"},
    {0x8, "LBS_MULTIPLESEL", u"クリックするたびに項目の選択が切り替わり、複数の項目を選択できます。"},
    {0x2000, "LBS_NODATA", u"項目のデータを持たないリストボックスです。項目の多いオーナー描画で使います。"},
    {0x100, "LBS_NOINTEGRALHEIGHT", u"高さを項目の高さの整数倍に合わせず、指定のとおりにします。"},
    {0x4, "LBS_NOREDRAW", u"内容が変わっても自動で再描画しません。"},
    {0x4000, "LBS_NOSEL", u"項目を表示するだけで、選択はできません。"},
    {0x1, "LBS_NOTIFY", u"項目のクリックやダブルクリックを親ウィンドウに通知します。"},
    {0x10, "LBS_OWNERDRAWFIXED", u"項目の高さがそろったオーナー描画のリストボックスです。"},
    {0x20, "LBS_OWNERDRAWVARIABLE", u"項目ごとに高さの違うオーナー描画のリストボックスです。"},
    {0x2, "LBS_SORT", u"文字列をアルファベット順に並べ替えます。"},
    {0xA00003, "LBS_STANDARD", u"並べ替えと通知をし、境界線とスクロールバーを持つ標準のリストボックスです。LBS_NOTIFY、LBS_SORT、WS_VSCROLL、WS_BORDER の組み合わせです。"},
    {0x80, "LBS_USETABSTOPS", u"文字列の中のタブ文字を展開して表示します。"},
    {0x400, "LBS_WANTKEYBOARDINPUT", u"キーが押されるたびに親ウィンドウに WM_VKEYTOITEM を送ります。"},
};

constexpr StyleClass kClasses[] = {
    {kSwitchButton, StyleFamily::kButton, u"ボタンコントロール"},
    {kSwitchEdit, StyleFamily::kEdit, u"エディットコントロール"},
    {kSwitchStatic, StyleFamily::kStatic, u"スタティックコントロール"},
    {kSwitchComboBox, StyleFamily::kComboBox, u"コンボボックスコントロール"},
    {kSwitchListBox, StyleFamily::kListBox, u"リストボックスコントロール"},
};

constexpr size_t kValueColumns = 10;
constexpr size_t kNameColumns = 23;

std::u16string Hex(uint32_t v, int minDigits) {
  static const char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string s;
  do {
    s.insert(s.begin(), kDigits[v & 0xF]);
    v >>= 4;
  } while (v != 0);
  while (static_cast<int>(s.size()) < minDigits) s.insert(s.begin(), u'0');
  return s;
}

std::u16string Decimal(int64_t v) {
  const bool negative = v < 0;
  uint64_t m = negative ? static_cast<uint64_t>(-v) : static_cast<uint64_t>(v);
  std::u16string s;
  do {
    s.insert(s.begin(), static_cast<char16_t>(u'0' + m % 10));
    m /= 10;
  } while (m != 0);
  if (negative) s.insert(s.begin(), u'-');
  return s;
}

std::u16string PadLeft(std::u16string s, size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), u' ');
  return s;
}

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && s.front() <= u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= u' ') s.remove_suffix(1);
  return s;
}

}  // namespace

const StyleEntry* StyleEntries(StyleFamily family, size_t* count) {
  switch (family) {
    case StyleFamily::kWindow: *count = std::size(kWindow); return kWindow;
    case StyleFamily::kExtended: *count = std::size(kExtended); return kExtended;
    case StyleFamily::kButton: *count = std::size(kButton); return kButton;
    case StyleFamily::kEdit: *count = std::size(kEdit); return kEdit;
    case StyleFamily::kStatic: *count = std::size(kStatic); return kStatic;
    case StyleFamily::kComboBox: *count = std::size(kComboBox); return kComboBox;
    case StyleFamily::kListBox: *count = std::size(kListBox); return kListBox;
  }
  *count = 0;
  return nullptr;
}

const std::vector<std::u16string>& StyleTableLines(StyleFamily family) {
  static const auto kLines = [] {
    std::vector<std::vector<std::u16string>> all;
    for (int f = 0; f <= static_cast<int>(StyleFamily::kListBox); ++f) {
      size_t n = 0;
      const StyleEntry* e = StyleEntries(static_cast<StyleFamily>(f), &n);
      std::vector<std::u16string> lines;
      for (size_t i = 0; i < n; ++i) lines.push_back(StyleLine(e[i].value, e[i].name, e[i].explanation));
      all.push_back(std::move(lines));
    }
    return all;
  }();
  return kLines[static_cast<size_t>(family)];
}

std::u16string StyleLine(uint32_t value, std::string_view name, std::u16string_view explanation) {
  std::u16string line = PadLeft(u"0x" + Hex(value, 1), kValueColumns);
  line += u' ';
  line.append(name.begin(), name.end());  // ASCII
  if (name.size() < kNameColumns) line.append(kNameColumns - name.size(), u' ');
  line += explanation;
  return line;
}

uint32_t StyleLineValue(std::u16string_view line) {
  std::u16string_view v = Trim(line.substr(0, kValueColumns));
  if (v.size() < 3 || v[0] != u'0' || (v[1] != u'x' && v[1] != u'X')) return 0;
  v.remove_prefix(2);
  if (v.size() > 8) return 0;
  uint32_t value = 0;
  for (char16_t c : v) {
    int digit;
    if (c >= u'0' && c <= u'9') digit = c - u'0';
    else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    else return 0;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

bool StyleMatches(uint32_t lineValue, uint32_t tested) {
  if (lineValue == 0) return (tested & 1u) == 0;
  return (tested & lineValue) == lineValue;
}

std::vector<std::u16string> MatchingStyleLines(StyleFamily family, uint32_t tested) {
  std::vector<std::u16string> out;
  for (const std::u16string& line : StyleTableLines(family)) {
    if (Trim(line).empty()) continue;
    if (StyleMatches(StyleLineValue(line), tested)) out.push_back(line);
  }
  return out;
}

const StyleClass* StyleClasses(size_t* count) {
  *count = std::size(kClasses);
  return kClasses;
}

std::u16string StyleWindowLine(uintptr_t handle, std::u16string_view className, std::u16string_view text) {
  const uint32_t low = static_cast<uint32_t>(handle & 0xFFFFFFFFu);
  std::u16string line = u"0x" + Hex(low, 8) + u' ' + Decimal(static_cast<int32_t>(low)) + u' ';
  line += className;
  line += u" \"";
  line += text;
  line += u'"';
  return line;
}

std::u16string StyleSectionLine(uint32_t value, std::u16string_view title) {
  std::u16string line = u"\t" + PadLeft(u"0x" + Hex(value, 8) + u' ' + Decimal(value), kValueColumns);
  line += u' ';
  line += title;
  return line;
}

std::u16string StyleClassSectionLine(std::u16string_view title) {
  std::u16string line = u"\t" + std::u16string(kValueColumns, u' ') + u' ';
  line += title;
  return line;
}

std::vector<std::u16string> StyleListing(uintptr_t handle, int32_t exStyle, int32_t style,
                                         std::u16string_view text, std::u16string_view className,
                                         uint32_t classMask) {
  const uint32_t s = static_cast<uint32_t>(style), ex = static_cast<uint32_t>(exStyle);
  std::vector<std::u16string> out;
  auto add = [&out](std::vector<std::u16string> lines) {
    for (auto& l : lines) out.push_back(std::move(l));
  };
  out.push_back(StyleWindowLine(handle, className, text));
  out.push_back(StyleSectionLine(s, u"ウィンドウスタイル"));
  add(MatchingStyleLines(StyleFamily::kWindow, s));
  out.push_back(StyleSectionLine(ex, u"拡張ウィンドウスタイル"));
  add(MatchingStyleLines(StyleFamily::kExtended, ex));
  for (const StyleClass& c : kClasses) {
    if (!(classMask & c.bit)) continue;
    out.push_back(StyleClassSectionLine(c.title));
    add(MatchingStyleLines(c.family, s));
  }
  return out;
}

std::u16string StyleHint(std::u16string_view line) {
  if (line.empty() || IsStyleSectionLine(line)) return {};
  const size_t nameStart = kValueColumns + 1;
  std::u16string hint(Trim(line.size() > nameStart ? line.substr(nameStart, kNameColumns) : std::u16string_view()));
  hint += u' ';
  const size_t explanationStart = nameStart + kNameColumns;
  std::u16string explanation(line.size() > explanationStart ? line.substr(explanationStart) : std::u16string_view());
  const size_t stop = explanation.find(u'。');
  if (stop != std::u16string::npos) explanation.insert(stop + 1, u"\r\n");
  return hint + explanation;
}

std::u16string StyleDetailsText(const std::vector<std::u16string>& listing) {
  std::u16string text = kStyleDetailsHeading;
  for (const std::u16string& line : listing) {
    text += u"\r\n";
    text += line;
  }
  size_t n = text.size();
  while (n > 0 && text[n - 1] <= u' ') --n;
  text.resize(n);
  return text;
}

}  // namespace zorvik
