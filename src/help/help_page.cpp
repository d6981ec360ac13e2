#include "help/help_page.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "commands/command_text.h"
#include "commands/keys.h"
#include "format/format_engine.h"
#include "inspection/info_text.h"
#include "help/version_list.h"
#include "platform/text.h"

namespace zorvik {

namespace {

// What each information line shows, by its line slot.
struct SlotText {
  int slot;
  const char* text;
};

const SlotText kLineTexts[] = {
    {1, "カーソル位置のピクセルの赤・緑・青 (各 0～255)"},
    {5, "HTML 形式の色 (#RRGGBB) と、名前のある色ならその名前"},
    {6, "COLORREF 値 (0x00BBGGRR) の 16 進と 10 進"},
    {7, "色相 (度)・彩度 (%)・明度 (%)"},
    {11, "色相 (度)・彩度 (%)・輝度 (%)"},
    {15, "Windows の色の設定と同じ 0～240 の尺度の色あい・鮮やかさ・明るさ"},
    {19, "スクリーン座標 (プライマリモニターの左上が原点、物理ピクセル)"},
    {20, "カーソルのあるモニターの左上からの座標と、そのモニターの番号"},
    {21, "カーソルの下のウィンドウのクライアント領域の左上からの座標"},
    {22, "長さの原点からの幅と高さ、および原点の座標"},
    {24, "カーソルの下のウィンドウのハンドル (16 進と 10 進)"},
    {25, "ウィンドウクラス名"},
    {26, "ウィンドウテキスト"},
    {27, "ウィンドウの左上の位置と幅・高さ"},
    {28, "クライアント領域の幅と高さ"},
    {29, "ウィンドウの矩形 (Left, Top, Right, Bottom)"},
    {30, "コントロール ID"},
    {31, "ウィンドウスタイルと拡張ウィンドウスタイル (2 行)"},
    {33, "ウィンドウが有効 (Enabled) かどうか"},
    {34, "親ウィンドウのハンドル、クラス名、テキスト"},
    {35, "ウィンドウを作ったプロセスの ID"},
    {36, "そのプロセスの実行ファイル名"},
    {37, "実行ファイルのファイルバージョン"},
};

// The arguments a copy format receives, by copy slot.
const SlotText kCopyArgs[] = {
    {0, "書式ではなく 2 文字のオプション: 1 文字目 グリッド・カーソルポイント、2 文字目 情報表示欄 (\"0\" でオフ)"},
    {1, "赤, 緑, 青 (整数)"},
    {2, "赤"},
    {3, "緑"},
    {4, "青"},
    {5, "HTML 形式の色 0xRRGGBB (整数)"},
    {6, "COLORREF 値 0x00BBGGRR (整数)"},
    {7, "色相, 彩度, 明度"},
    {8, "色相"},
    {9, "彩度"},
    {10, "明度"},
    {11, "色相, 彩度, 輝度"},
    {12, "色相"},
    {13, "彩度"},
    {14, "輝度"},
    {15, "色あい, 鮮やかさ, 明るさ (0～240)"},
    {16, "色あい"},
    {17, "鮮やかさ"},
    {18, "明るさ"},
    {19, "X, Y"},
    {20, "モニター内の X, Y"},
    {21, "クライアント座標の X, Y"},
    {22, "幅, 高さ, 原点 X, 原点 Y"},
    {24, "ウィンドウハンドル (下位 32 ビット)"},
    {25, "クラス名 (文字列)"},
    {26, "ウィンドウテキスト (文字列)"},
    {27, "Left, Top, Width, Height"},
    {28, "Width, Height"},
    {29, "Left, Top, Right, Bottom"},
    {30, "コントロール ID"},
    {31, "スタイル"},
    {32, "拡張スタイル"},
    {35, "プロセス ID"},
    {36, "実行ファイルのフルパス, ファイル名のみ (ともに文字列)"},
    {37, "ファイルバージョン (文字列)"},
    {38, "Left"},
    {39, "Top"},
    {40, "Width"},
    {41, "Height"},
    {42, "Width"},
    {43, "Height"},
    {44, "Left"},
    {45, "Top"},
    {46, "Right"},
    {47, "Bottom"},
    {48, "X"},
    {49, "Y"},
    {50, "X"},
    {51, "Y"},
    {52, "X"},
    {53, "Y"},
    {54, "幅"},
    {55, "高さ"},
};

// What a status-row icon tells while it is shown, by the command whose
// caption names it (icon order).
const char* const kStatusIconMeanings[kStatusIconCount] = {
    "書き込み用のキャッシュが値を保持している。書き込みコマンドはこの値を書き込む",
    "ウィンドウを常に前面に表示している",
    "キャプチャ点が止まっていても毎回キャプチャしている",
    "キャプチャを一時停止している。表示と値は停止した時点のもの",
    "ルーペモード。ウィンドウの中央の下を拡大している",
    "定点キャプチャ。決めた点を拡大し続けている (右にその座標)",
};

const char* Find(const SlotText* table, size_t count, int slot) {
  for (size_t i = 0; i < count; ++i)
    if (table[i].slot == slot) return table[i].text;
  return "";
}

std::string U8(const std::u16string& s) { return ToUtf8(s); }

// Small builder for the page's markup; every text goes through Text().
class Html {
public:
  Html& Raw(std::string_view s) {
    out_ += s;
    return *this;
  }
  Html& Text(std::string_view s) {
    out_ += HtmlEscape(s);
    return *this;
  }
  Html& Tag(std::string_view tag, std::string_view text) {
    return Raw("<").Raw(tag).Raw(">").Text(text).Raw("</").Raw(tag.substr(0, tag.find(' '))).Raw(">");
  }
  Html& Kbd(std::string_view key) { return Tag("kbd", key); }
  Html& Code(std::string_view code) { return Tag("code", code); }
  Html& Row(std::initializer_list<std::string_view> cells) {
    Raw("<tr>");
    for (std::string_view c : cells) Tag("td", c);
    return Raw("</tr>\n");
  }
  std::string Take() { return std::move(out_); }

private:
  std::string out_;
};

std::vector<std::string> Categories() {
  std::vector<std::string> out;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const std::string category = CommandTable()[i].category;
    bool seen = false;
    for (const std::string& c : out) seen = seen || c == category;
    if (!seen) out.push_back(category);
  }
  return out;
}

void Intro(Html& h, std::string_view version) {
  h.Raw("<h1>Zorvik <span class=\"ver\">").Text(version).Raw("</span></h1>\n");
  h.Raw("<p>Zorvik はプログラマ向けのデスクトップ拡大鏡です。マウスカーソルの周りの画面を 1～20 倍に拡大して表示し、"
        "その下の情報表示欄に、カーソル位置のピクセルの色、カーソルの座標、カーソルの下にあるウィンドウの情報を表示します。"
        "表示している値はクリップボードにコピーでき、その形式は書式文字列で変えられます。</p>\n");
  h.Raw("<p class=\"note\">このページはビルド時にプログラムのコマンド表・キー表・書式表から作られます。"
        "キーとジェスチャは既定の割り当てです。現在の割り当ては「バージョン情報」ページ (")
      .Kbd("F1")
      .Raw(") で確認できます。</p>\n");
  h.Raw("<nav><a href=\"#areas\">ウィンドウの各部</a> | <a href=\"#input\">キーとマウス</a> | "
        "<a href=\"#commands\">コマンド一覧</a> | <a href=\"#keys\">割り当てできるキー</a> | "
        "<a href=\"#formats\">コピー形式</a></nav>\n");
}

void Areas(Html& h) {
  h.Raw("<h2 id=\"areas\">ウィンドウの各部</h2>\n<dl>\n");
  h.Raw("<dt>ツールバー</dt><dd>ウィンドウ上端のボタン列。ボタンはコマンドと 1 対 1 に対応し、並びはツールバーのカスタマイズで変えられます。"
        "分類ごとのメニューを持つボタンは、右クリックでその分類のメニューを開きます。</dd>\n");
  h.Raw("<dt>拡大表示</dt><dd>キャプチャ点 (通常はカーソル位置) を中心とする範囲を、拡大倍率の大きさのブロックで表示します。"
        "中央のセルがキャプチャ点のピクセルで、枠で示されます。1 ピクセルごとのグリッド、サブグリッド、ルーラーを重ねて表示できます。"
        "キャプチャは 60 ms ごとに行われ、キャプチャ点が動かないときは間引かれます。</dd>\n");
  h.Raw("<dt>ステータス欄</dt><dd>情報表示欄の先頭行。色の見本、拡大倍率、そして次の状態のあいだだけ表示されるアイコンが並びます。"
        "コピーなどの後の 2 秒間は、代わりにメッセージが表示されます。</dd>\n</dl>\n");
  h.Raw("<table><tr><th>#</th><th>状態</th><th>表示されているとき</th></tr>\n");
  for (int i = 0; i < kStatusIconCount; ++i) {
    const CommandDef* c = CommandByName(StatusIconCommands()[i]);
    if (!c) continue;
    h.Row({std::to_string(i + 1), CaptionWithoutAccelerator(c->caption), kStatusIconMeanings[i]});
  }
  h.Raw("</table>\n");
  h.Raw("<dl><dt>情報行</dt><dd>ステータス欄の下に、メニューで表示を選んだ行が次の順に並びます。"
        "ラベルの右が値で、その書式は次のとおりです (指定子は「コピー形式」を参照)。</dd></dl>\n");
  h.Raw("<table><tr><th>ラベル</th><th>表示書式</th><th>内容</th></tr>\n");
  for (int i = 0; i < InfoLineItemCount(); ++i) {
    const InfoLineItem& item = InfoLineItems()[i];
    for (int slot : {item.lineSlot, item.secondLineSlot}) {
      if (slot < 0) continue;
      h.Raw("<tr>").Tag("td", U8(DisplayLabel(slot))).Raw("<td>").Code(U8(DisplayFormat(slot))).Raw("</td>");
      h.Tag("td", slot == item.lineSlot ? InfoLineDescription(slot) : "").Raw("</tr>\n");
    }
  }
  h.Raw("</table>\n");
}

void Input(Html& h) {
  h.Raw("<h2 id=\"input\">キーとマウス</h2>\n<ul>\n");
  h.Raw("<li>割り当てたキーは単独で押して使います。")
      .Kbd("Shift")
      .Raw(" や ")
      .Kbd("Ctrl")
      .Raw(" を押しながらでも同じように働き、")
      .Kbd("Alt")
      .Raw(" を押している間は働きません。コマンドはキーを離したときに実行されます (移動コマンドと実寸表示は押したときから)。</li>\n");
  h.Raw("<li>右ボタンを押したまま上下左右にドラッグするとジェスチャになり、方向ごとに割り当てたコマンドが実行されます。"
        "動かさずに、または短いドラッグで右ボタンを離すとメインメニューが開きます。</li>\n");
  h.Raw("<li>").Kbd("Apps").Raw(" キーまたはタイトルバーのアイコンのクリックでメインメニューが開きます。</li>\n");
  h.Raw("<li>マウスホイールで拡大倍率が変わります。</li>\n");
  h.Raw("<li>起動時に押しているキー: ")
      .Kbd("Shift")
      .Raw("+")
      .Kbd("Ctrl")
      .Raw(" で設定ファイルを読まずに起動、")
      .Kbd("Shift")
      .Raw(" のみでウィンドウを (0, 0) に置く、")
      .Kbd("Ctrl")
      .Raw(" のみで画面外に出たウィンドウを画面内に戻さない。</li>\n");
  h.Raw("<li>設定は実行ファイルと同じフォルダーの、拡張子を .bin にしたファイルに終了時に保存されます。</li>\n</ul>\n");
  h.Raw("<table><tr><th>ジェスチャ</th><th>既定のコマンド</th></tr>\n");
  for (int slot = 0; slot < kGestureSlotCount; ++slot) {
    const CommandDef* c = CommandByName(DefaultGestureCommand(slot));
    h.Row({GestureName(slot), c ? CommandDisplayText(*c) : std::string()});
  }
  h.Raw("</table>\n");
}

void Commands(Html& h) {
  const BindingList defaults = BindingList::Defaults();
  h.Raw("<h2 id=\"commands\">コマンド一覧</h2>\n");
  h.Raw("<p>ID は設定ファイルがキー・ジェスチャ・ツールバーを記録する番号です。ID のないコマンド (—) はメニューから使えますが、"
        "キーやツールバーに割り当てても次の起動では消えます。</p>\n");
  for (const std::string& category : Categories()) {
    h.Raw("<h3>").Text(category).Raw("</h3>\n");
    h.Raw("<table class=\"cmd\"><tr><th>コマンド</th><th>既定のキー</th><th>ジェスチャ</th><th>ID</th><th>説明</th></tr>\n");
    for (size_t i = 0; i < CommandCount(); ++i) {
      const CommandDef& c = CommandTable()[i];
      if (category != c.category || c.caption[0] == '\0') continue;
      h.Raw("<tr id=\"cmd-").Text(c.name).Raw("\">").Tag("td", CaptionWithoutAccelerator(c.caption)).Raw("<td>");
      bool first = true;
      for (uint16_t key : defaults.KeysOf(&c)) {
        if (!first) h.Raw(" ");
        h.Kbd(KeyToKeyName(key));
        first = false;
      }
      if (c.fixedShortcut) {
        if (!first) h.Raw(" ");
        h.Kbd(c.fixedShortcut);
      }
      h.Raw("</td><td>");
      for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (c.name == std::string_view(DefaultGestureCommand(slot))) h.Text(GestureName(slot));
      h.Raw("</td>").Tag("td", c.id ? std::to_string(c.id) : std::string("—")).Tag("td", c.hint).Raw("</tr>\n");
    }
    h.Raw("</table>\n");
  }
}

void Keys(Html& h) {
  h.Raw("<h2 id=\"keys\">割り当てできるキー</h2>\n<p>ショートカットのカスタマイズで割り当てられ、設定ファイルに残るのは次の ")
      .Text(std::to_string(kKeyCount))
      .Raw(" キーです。</p>\n<p class=\"keys\">");
  for (int row = 0; row < kKeyCount; ++row) h.Kbd(KeyTable()[row].shown).Raw(" ");
  h.Raw("</p>\n");
}

void Formats(Html& h) {
  h.Raw("<h2 id=\"formats\">コピー形式</h2>\n");
  h.Raw("<p>コピーと書き込みの各項目は書式文字列で値を文字列にします。書式は文字列の中の指定子を値に置き換えたものです。</p>\n");
  h.Raw("<pre>%[引数番号:][-][幅][.精度]型</pre>\n<table><tr><th>要素</th><th>意味</th></tr>\n");
  h.Row({"d", "符号付き 10 進。精度は最小桁数 (足りない桁は 0)"});
  h.Row({"u", "32 ビット符号なし 10 進"});
  h.Row({"x", "16 進 (大文字 A～F)。負の値は 32 ビットの 2 の補数。精度は最小桁数"});
  h.Row({"s", "文字列。精度は最大文字数"});
  h.Row({"e f g n m p", "実数・通貨・ポインタ用。このプログラムの値には使えません"});
  h.Row({"引数番号:", "使う引数を 0 から数えて指定。次の指定子はその次の引数から続く"});
  h.Row({"-", "幅に満たないとき右側を空白で埋める (既定は左側)"});
  h.Row({"幅, 精度", "10 進の数字、または * (その位置の引数の値を使い、引数を 1 つ進める)"});
  h.Row({"%%", "% そのもの。書式の末尾の % 1 つも文字として残る"});
  h.Raw("</table>\n");
  h.Raw("<p>引数に合わない指定子 (数値に s、文字列に d など) はエラーです。クラス名・ウィンドウテキスト・実行ファイル名の項目と情報行は寛容に扱い、"
        "存在しない引数や数値への s は空文字列になります。コピー形式のページは各項目で使える指定子 (大文字小文字は区別しない) だけを受け付けます。</p>\n");
  h.Raw("<table><tr><th>項目</th><th>既定の書式</th><th>引数</th><th>使える指定子</th></tr>\n");
  for (int slot = 0; slot < kCopySlotCount; ++slot) {
    const CommandDef* c = CommandByName(CopyCommandOfSlot(slot));
    if (!c) continue;
    std::string allowed;
    for (const std::u16string& a : AllowedSpecifiers(slot)) allowed += (allowed.empty() ? "" : " ") + U8(a);
    h.Raw("<tr>").Tag("td", CaptionWithoutAccelerator(c->caption)).Raw("<td>").Code(U8(DefaultCopyFormat(slot)));
    h.Raw("</td>").Tag("td", CopyArgumentDescription(slot)).Raw("<td>").Code(allowed).Raw("</td></tr>\n");
  }
  h.Raw("</table>\n");
}

constexpr char kStyle[] =
    "body{font-family:sans-serif;margin:1.5em auto;max-width:60em;line-height:1.5;color:#222}"
    "h1 .ver{font-size:60%;color:#666}h2{border-bottom:1px solid #aaa;margin-top:2em}"
    "table{border-collapse:collapse;margin:.5em 0}td,th{border:1px solid #bbb;padding:.15em .5em;vertical-align:top}"
    "th{background:#eee}kbd{border:1px solid #999;border-radius:3px;padding:0 .3em;background:#f6f6f6;white-space:nowrap}"
    "code,pre{font-family:monospace;background:#f4f4f4}.note{color:#555}.keys kbd{display:inline-block;margin:.1em}";

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

const char* InfoLineDescription(int lineSlot) { return Find(kLineTexts, std::size(kLineTexts), lineSlot); }
const char* CopyArgumentDescription(int copySlot) { return Find(kCopyArgs, std::size(kCopyArgs), copySlot); }

std::string HelpPageHtml(std::string_view version) {
  Html h;
  h.Raw("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>Zorvik ヘルプ</title>\n<style>");
  h.Raw(kStyle).Raw("</style>\n</head>\n<body>\n");
  Intro(h, version);
  Areas(h);
  Input(h);
  Commands(h);
  Keys(h);
  Formats(h);
  h.Raw("</body>\n</html>\n");
  return h.Take();
}

}  // namespace zorvik
