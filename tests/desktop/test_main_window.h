// The real main window for offscreen tests: assets from the source tree, settings in memory,
// answers scripted for message boxes and file dialogs, and a way out that only counts.
#pragma once

#include <gtest/gtest.h>

#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QKeyEvent>
#include <chrono>
#include <deque>
#include <thread>
#include <vector>

#include "fake_settings.h"
#include "figure/app_state.h"
#include "shell/startup.h"
#include "window/frm_nubo_win.h"
#include "window/picture_box.h"

// Queued for the event loop, the way the display server delivers a learner's keys.
inline void Type(QWindow* window, const std::vector<QKeyCombination>& keys) {
  for (const QKeyCombination k : keys) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
      QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
          window, type, k.key(), k.keyboardModifiers());
  }
}

// Runs the event loop until `done`, or until a generous time has passed.
template <class Done>
void RunEventsUntil(Done done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    QApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

class TestWindow : public FrmNuboWin {
 public:
  using FrmNuboWin::FrmNuboWin;
  std::u16string ProgramFolder() const override {
    return QStringLiteral(NUBORO_SOURCE_DIR "/assets").toStdU16String();
  }
  // Never the user's own settings file.
  SettingsStore& Settings() override { return settings; }
  // Nor the user's documents folder.
  std::u16string OwnFiguresFolder() override { return {}; }
  void EndProgram() override { ++endRequests; }

  // Files and endings: nobody sits in front of the boxes and dialogs; each answers from its script,
  // a box with OK and a dialog with cancel when the script has run out.
  MessageAnswer ShowMessage(const Message& m) override {
    messages.push_back(m);
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer next = answers.front();
    answers.pop_front();
    return next;
  }
  std::optional<std::u16string> RunOpenDialog(const std::u16string&,
                                              const std::vector<std::u16string>&) override {
    return Chosen();
  }
  std::optional<std::u16string> RunSaveDialog(const std::u16string&,
                                              const std::vector<std::u16string>&) override {
    return Chosen();
  }

  FakeSettings settings;
  int endRequests = 0;
  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  std::deque<std::optional<QString>> fileAnswers;

 private:
  std::optional<std::u16string> Chosen() {
    if (fileAnswers.empty()) return std::nullopt;
    const std::optional<QString> path = fileAnswers.front();
    fileAnswers.pop_front();
    if (!path) return std::nullopt;
    SetDialogFileName(path->toStdU16String());
    return path->toStdU16String();
  }
};

// The window as the program opens it, and keys pressed at it as the learner presses them.
class StartedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    StartUp(window.Ctx());
    QApplication::processEvents();
  }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* target = nullptr) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target ? target : window.picFigBox, &press);
  }
  AppState state;
  TestWindow window{state};
};
