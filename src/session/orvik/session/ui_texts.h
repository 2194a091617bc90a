#pragma once
// The window's fixed texts, UTF-8. Texts that travel to the host live in
// the exchange library as Shift-JIS.

namespace orvik::session::text {

inline constexpr char kApplicationTitle[] = "kx52_Orvik";
inline constexpr char kCaption[] = "Orvik";

inline constexpr char kModeGroup[] = "モード(&M)";
inline constexpr const char *kModeItems[] = {"画面操作", "目盛基準点",
                                             "線の作図", "円弧作図"};
inline constexpr char kColourLabel[] = "線色";
inline constexpr char kLineTypeLabel[] = "線種";
inline constexpr char kGridCheck[] = "目盛";
inline constexpr char kSpacingHint[] =
    "作図直前まで指定可能です。作図をすると指定出来ません。";
inline constexpr char kDefaultUnit[] = "mm";
inline constexpr char kSheetUnit[] = "図寸mm";
inline constexpr char kRealUnit[] = "実寸mm";
inline constexpr char kOkButton[] = "ＯＫ(&Y)";
inline constexpr char kCancelButton[] = "キャンセル(&N)";
inline constexpr char kCounterHint[] =
    "現在の作図要素数です。[ESC]キーを押すと直前作図要素を削除します。";
inline constexpr char kEmptyStatus[] = "　";

// The notice in the panel, one line each; the last line is empty.
inline constexpr const char *kNoticeLines[] = {
    "◆ブロック図形内のものは", "　処理出来ませんので",
    "　御注意下さい。",        "　ブロック編集内で行う",
    "　場合には、本ソフトを",  "　Jw_cadのインストール・",
    "　フォルダに配置して",    "　実行を行う必要がある",
    "　場合があります。",      ""};

// Status texts by mode, and the further texts of the arc mode.
inline constexpr const char *kModeStatus[] = {
    "【画面操作】マウス左ドラッグ／ペンでの拡大縮小移動が出来ます",
    "【目盛基準点】目盛の基準点を指定して下さい",
    "【線の作図】マウス左ドラッグ／ペンで線の作図を行って下さい（Esc：直前削除"
    "）",
    "【円弧作図】マウス左ドラッグ／ペンで円弧始点～円弧通過点を指定して下さい"
    "（Esc：直前削除）"};
inline constexpr char kArcAfterClick[] =
    "【円弧作図】マウス左ドラッグ／ペンで円弧通過点～円弧終点を指定して下さい"
    "（Esc：直前削除）";
inline constexpr char kArcAfterDrag[] =
    "【円弧作図】マウス左ドラッグ／ペンで円弧終点を指定して下さい（Esc：直前削"
    "除）";

inline constexpr char kWorking[] = "処理中です";
inline constexpr char kWritingFile[] = "ファイル生成中です";

// When the exchange file cannot be written: what happened, why, and (after
// OK, when the strokes are still there) what the user can do.
inline constexpr char kHandBackFailed[] =
    "図面を Jw_cad に戻せませんでした。JWC_TEMP.TXT を書き込めません：";
inline constexpr char kDiskFull[] = "ディスクの空き容量が足りません。";
inline constexpr char kNotWritable[] =
    "フォルダーまたはファイルへの書き込みが許可されていません。";
inline constexpr char kOtherCause[] = "原因：";
inline constexpr char kTryAgain[] =
    "作図した要素はそのまま残っています。原因を取り除いてから、もう一度"
    "「ＯＫ」を押してください。「キャンセル」で終了することもできます。";

// The counter: "線:n　点:n", and "　円弧:n" once the arc count is shown.
inline constexpr char kCounterLines[] = "線:";
inline constexpr char kCounterPoints[] = "　点:";
inline constexpr char kCounterArcs[] = "　円弧:";

} // namespace orvik::session::text
