// What the operations need of the main window; the Qt window implements it and tests fake it.
#pragma once

#include <QString>

#include "view/display_list.h"

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Question, Exclamation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  QString text;
  QString title;  // empty: the application title
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

class Window {
 public:
  virtual ~Window() = default;

  // Rasterise into the back buffer, copy it to the display canvas in one block, repaint both.
  virtual void DrawFigure(const DisplayList& list) = 0;
  // The back buffer's background colour, which persists between redraws.
  virtual Rgb FigureBackground() const = 0;

  // Plays a wave file given relative to the program's folder; `wait` returns only when it has ended.
  virtual void PlayWave(const QString& path, bool wait) = 0;

  virtual MessageAnswer ShowMessage(const Message& m) = 0;

  // The folder that holds the program and its assets.
  virtual QString ProgramFolder() const = 0;
};
