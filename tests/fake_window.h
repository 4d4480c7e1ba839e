// A recording stand-in for the main window: keeps what was drawn, played and asked; scripts the answers.
#pragma once

#include <deque>
#include <vector>

#include "shell/window.h"

class FakeWindow : public Window {
 public:
  struct Played {
    QString path;
    bool wait;
  };

  void DrawFigure(const DisplayList& list) override {
    drawn.push_back(list);
    for (const Primitive& p : list) {
      if (const auto* b = std::get_if<BackgroundPrim>(&p)) background = b->colour;
    }
  }
  Rgb FigureBackground() const override { return background; }
  void PlayWave(const QString& path, bool wait) override { played.push_back({path, wait}); }
  MessageAnswer ShowMessage(const Message& m) override {
    messages.push_back(m);
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  QString ProgramFolder() const override { return programFolder; }

  std::vector<DisplayList> drawn;
  std::vector<Played> played;
  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  Rgb background = kDarkGreen;
  QString programFolder = QStringLiteral(".");
};
