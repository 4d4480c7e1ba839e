// A recording stand-in for the main window: keeps what was drawn, played, shown and asked;
// scripts the answers of message boxes.
#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "fake_settings.h"
#include "shell/window.h"

// Test messages name a control as the design does.
inline std::ostream& operator<<(std::ostream& out, Control c) { return out << ControlName(c); }

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
    calls << QStringLiteral("DrawFigure");
  }
  Rgb FigureBackground() const override { return background; }
  void EraseFigureBox() override { calls << QStringLiteral("EraseFigureBox"); }
  void PlayWave(const QString& path, bool wait) override {
    played.push_back({path, wait});
    calls << QStringLiteral("PlayWave ") + path;
  }
  MessageAnswer ShowMessage(const Message& m) override {
    messages.push_back(m);
    calls << QStringLiteral("ShowMessage");
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  QString ProgramFolder() const override { return programFolder; }
  QString OwnFiguresFolder() override { return ownFiguresFolder; }

  void LoadMainWindow() override { calls << QStringLiteral("LoadMainWindow"); }
  void SetEnabled(Control c, bool on) override { on ? (void)disabled.erase(c) : (void)disabled.insert(c); }
  bool IsEnabled(Control c) const override { return !disabled.contains(c); }
  void SetChecked(Control c, bool on) override { on ? (void)checked.insert(c) : (void)checked.erase(c); }
  bool IsChecked(Control c) const override { return checked.contains(c); }
  void SetVisible(Control c, bool on) override { on ? (void)hidden.erase(c) : (void)hidden.insert(c); }
  void Place(Control c, const QRect& r) override { placed[c] = r; }
  QRect Placement(Control c) const override { return PlacedAt(c); }
  QRect PlacedAt(Control c) const {
    const auto at = placed.find(c);
    return at == placed.end() ? QRect() : at->second;
  }

  void SetClientSize(const QSize& s) override { clientSize = s; }
  void CentreOnScreen() override { calls << QStringLiteral("CentreOnScreen"); }
  QSize ScreenSize() const override { return screen; }
  int ToolbarHeight() const override { return toolbarHeight; }
  int StatusBarHeight() const override { return statusBarHeight; }
  QString Title() const override { return title; }
  void SetTitle(const QString& t) override { title = t; }

  void SetExplanationText(const QString& t) override { explanation = t; }
  void SetAngleText(const QString& t) override { angleText = t; }
  void SetPanelWidths(int e, int a) override { panelWidths = {e, a}; }
  QString DialogFileName() const override { return dialogFileName; }

  void SetTimerInterval(Control t, int ms) override { timerIntervals[t] = ms; }
  void SetTimerRunning(Control t, bool on) override {
    on ? (void)runningTimers.insert(t) : (void)runningTimers.erase(t);
  }

  void SetKeyPreview(bool on) override { keyPreview = on; }
  void ProcessPendingEvents() override {
    calls << QStringLiteral("ProcessPendingEvents");
    if (onProcessEvents) onProcessEvents();
  }
  void FocusFigureBox() override { calls << QStringLiteral("FocusFigureBox"); }

  void ShowAboutWindow(const QString& picture, bool ok) override {
    calls << QStringLiteral("ShowAboutWindow %1 %2").arg(picture).arg(ok ? "ok" : "no-ok");
  }
  void LoadAboutWindow() override { calls << QStringLiteral("LoadAboutWindow"); }
  void UnloadAboutWindow() override { calls << QStringLiteral("UnloadAboutWindow"); }
  void OpenHelpFile(const QString& path) override { calls << QStringLiteral("OpenHelpFile ") + path; }
  SettingsStore& Settings() override { return settings; }
  void PrepareOtherOptions() override { calls << QStringLiteral("PrepareOtherOptions"); }
  void OpenOtherOptions() override { calls << QStringLiteral("OpenOtherOptions"); }
  DataPathChoice RunDataPathDialog(const QString& current) override {
    calls << QStringLiteral("RunDataPathDialog ") + current;
    return dataPathChoice;
  }
  void SetWaitCursor(bool on) override {
    calls << (on ? QStringLiteral("Hourglass on") : QStringLiteral("Hourglass off"));
  }
  void ShowMainWindow() override { calls << QStringLiteral("ShowMainWindow"); }
  void EndProgram() override { calls << QStringLiteral("EndProgram"); }

  // Draw mode: the back buffer's background colour.
  void SetFigureBackground(Rgb colour) override {
    background = colour;
    calls << QStringLiteral("SetFigureBackground %1,%2,%3").arg(colour.r).arg(colour.g).arg(colour.b);
  }
  std::vector<DisplayList> drawn;
  std::vector<Played> played;
  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  QStringList calls;
  Rgb background = kDarkGreen;
  QString programFolder = QStringLiteral(".");
  QString ownFiguresFolder;  // none, unless a test gives one
  std::set<Control> disabled, checked, hidden, runningTimers;
  std::map<Control, QRect> placed;
  std::map<Control, int> timerIntervals;
  QSize clientSize, screen{1024, 768};
  int toolbarHeight = 28, statusBarHeight = 20;
  QString title, explanation, angleText, dialogFileName;
  std::pair<int, int> panelWidths{0, 0};
  bool keyPreview = true;
  std::function<void()> onProcessEvents;
  FakeSettings settings;
  DataPathChoice dataPathChoice;

  // View glides and the three-view display.
  void CopyFigureBoxTo(Control canvas, const QSize& size) override {
    calls << QStringLiteral("CopyFigureBoxTo %1 %2x%3")
                 .arg(QString::fromLatin1(ControlName(canvas)))
                 .arg(size.width())
                 .arg(size.height());
  }
  void RepaintCanvas(Control canvas) override {
    calls << QStringLiteral("RepaintCanvas ") + QString::fromLatin1(ControlName(canvas));
  }
  void AwaitGlideFrame() override { calls << QStringLiteral("AwaitGlideFrame"); }
  void PresentGlideFrame() override { calls << QStringLiteral("PresentGlideFrame"); }

  // Files and the clipboard: dialogs answer from `fileAnswers` (cancelled when it runs out); the clipboard
  // keeps the canvas's last picture and size.
  struct FileDialogUse {
    QString mode, folder;
    QStringList filters;
    QString proposed;
  };
  struct ClipboardPicture {
    DisplayList picture;
    QSize size;
  };
  std::optional<QString> RunOpenDialog(const QString& folder, const QStringList& filters) override {
    return RunFileDialog(QStringLiteral("open"), folder, filters);
  }
  std::optional<QString> RunSaveDialog(const QString& folder, const QStringList& filters) override {
    return RunFileDialog(QStringLiteral("save"), folder, filters);
  }
  void SetDialogFileName(const QString& path) override { dialogFileName = path; }
  void PutFigureBoxOnClipboard() override {
    clipboard.push_back({drawn.empty() ? DisplayList{} : drawn.back(), PlacedAt(Control::picFigBox).size()});
    calls << QStringLiteral("PutFigureBoxOnClipboard");
  }
  std::optional<QString> RunFileDialog(const QString& mode, const QString& folder,
                                       const QStringList& filters) {
    fileDialogs.push_back({mode, folder, filters, dialogFileName});
    calls << QStringLiteral("FileDialog ") + mode;
    if (fileAnswers.empty()) return std::nullopt;
    const std::optional<QString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer) dialogFileName = *answer;
    return answer;
  }
  std::vector<FileDialogUse> fileDialogs;
  std::deque<std::optional<QString>> fileAnswers;
  std::vector<ClipboardPicture> clipboard;
};

// What the fake records for `n` glide frames, each drawn, sounded and shown in turn.
inline QStringList GlideFrameCalls(int n) {
  QStringList out;
  for (int i = 0; i < n; ++i)
    out << "AwaitGlideFrame"
        << "DrawFigure"
        << "PlayWave ./sound/turn.wav"
        << "PresentGlideFrame";
  return out;
}
