#pragma once
// Fixed texts that travel to the host or to the panel, as Shift-JIS bytes.
// The source file is UTF-8, so each text is spelled out byte by byte with
// its Japanese form in the comment.

namespace orvik::exchange {

// <ＭＳ ゴシック>: the font the host assumes when a file names none.
inline constexpr char kDefaultFont[] =
    "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>";

// ペン作図は行いませんでした。 ("no pen drawing was done"), the message
// that OK hands back when the user drew nothing.
inline constexpr char kNoPenDrawingMessage[] =
    "\x83\x79\x83\x93\x8D\xEC\x90\x7D\x82\xCD\x8D\x73\x82\xA2\x82\xDC\x82\xB9"
    "\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42";

// 処理中(ESC:中断)： ("working (Esc: stop)"), the writer's progress prefix.
inline constexpr char kProgressPrefix[] =
    "\x8F\x88\x97\x9D\x92\x86(ESC:\x92\x86\x92\x66)\x81\x46";

// ／ (full-width slash) between the progress count and the total.
inline constexpr char kProgressSlash[] = "\x81\x5E";

} // namespace orvik::exchange
