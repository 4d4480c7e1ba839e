// The two operations that discard the figure: quit, and new figure.
#pragma once

#include <cstdint>
#include <string_view>

struct Context;

inline constexpr std::u16string_view kWaitTitle = u"ちょっとまってね";
inline constexpr std::u16string_view kSaveQuestion = u"データが変更されています。保存しますか？";
inline constexpr std::u16string_view kQuitQuestion = u"ほんとうに終わりますか？";
inline constexpr std::u16string_view kQuitTitle = u"立体ぬぼろの終了確認です";
inline constexpr std::u16string_view kNewFigureQuestion = u"作成中のデータが失われますがよろしいですか？";

// Only while the figure is modified: asks whether to save it, and saves on Yes.
void OfferToSave(Context& c);

// Offers to save, asks for confirmation, stores the settings and ends the program. Every close request
// ends up here.
void Quit(Context& c);
// Shift+Esc: the rotation stops also when the user stays.
void QuitThenStopTurning(Context& c, int16_t shift);

void NewFigure(Context& c);
