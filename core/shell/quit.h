// The two operations that discard the figure: quit, and new figure.
#pragma once

#include <cstdint>

struct Context;

inline constexpr char kWaitTitle[] = "ちょっとまってね";
inline constexpr char kSaveQuestion[] = "データが変更されています。保存しますか？";
inline constexpr char kQuitQuestion[] = "ほんとうに終わりますか？";
inline constexpr char kQuitTitle[] = "立体ぬぼろの終了確認です";
inline constexpr char kNewFigureQuestion[] = "作成中のデータが失われますがよろしいですか？";

// Only while the figure is modified: asks whether to save it, and saves on Yes.
void OfferToSave(Context& c);

// Offers to save, asks for confirmation, stores the settings and ends the program. Every close request
// ends up here.
void Quit(Context& c);
// Shift+Esc: the rotation stops also when the user stays.
void QuitThenStopTurning(Context& c, int16_t shift);

void NewFigure(Context& c);
