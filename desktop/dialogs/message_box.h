// Modal message boxes with Japanese buttons.
#pragma once

#include "shell/dialogs.h"

class QWidget;

inline constexpr char kMessageBoxTitle[] = "立体ヌボロ for Windows Ver.3.1";

MessageAnswer ShowMessageBox(QWidget* parent, const Message& m);
