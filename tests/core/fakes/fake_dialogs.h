// A recording stand-in for message boxes and dialogs: answers come from scripts, and a box answers OK,
// a file dialog cancel, once its script has run out.
#pragma once

#include <deque>
#include <vector>

#include "call_log.h"
#include "shell/dialogs.h"

class FakeDialogs : public Dialogs, public CallLog {
 public:
  MessageAnswer ShowMessage(const Message& m) override {
    messages.push_back(m);
    Log() << QStringLiteral("ShowMessage");
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  struct FileDialogUse {
    QString mode, folder;
    QStringList filters;
    QString proposed;
  };
  std::optional<QString> RunOpenDialog(const QString& folder, const QStringList& filters) override {
    return RunFileDialog(QStringLiteral("open"), folder, filters);
  }
  std::optional<QString> RunSaveDialog(const QString& folder, const QStringList& filters) override {
    return RunFileDialog(QStringLiteral("save"), folder, filters);
  }
  QString DialogFileName() const override { return dialogFileName; }
  void SetDialogFileName(const QString& path) override { dialogFileName = path; }

  void PrepareOtherOptions() override { Log() << QStringLiteral("PrepareOtherOptions"); }
  void OpenOtherOptions() override { Log() << QStringLiteral("OpenOtherOptions"); }
  DataPathChoice RunDataPathDialog(const QString& current) override {
    Log() << QStringLiteral("RunDataPathDialog ") + current;
    return dataPathChoice;
  }

  void ShowAboutWindow(const QString& picture, bool ok) override {
    Log() << QStringLiteral("ShowAboutWindow %1 %2").arg(picture).arg(ok ? "ok" : "no-ok");
  }
  void LoadAboutWindow() override { Log() << QStringLiteral("LoadAboutWindow"); }
  void UnloadAboutWindow() override { Log() << QStringLiteral("UnloadAboutWindow"); }
  void OpenHelpFile(const QString& path) override { Log() << QStringLiteral("OpenHelpFile ") + path; }

  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  std::vector<FileDialogUse> fileDialogs;
  std::deque<std::optional<QString>> fileAnswers;
  QString dialogFileName;
  DataPathChoice dataPathChoice;

 private:
  std::optional<QString> RunFileDialog(const QString& mode, const QString& folder,
                                       const QStringList& filters) {
    fileDialogs.push_back({mode, folder, filters, dialogFileName});
    Log() << QStringLiteral("FileDialog ") + mode;
    if (fileAnswers.empty()) return std::nullopt;
    const std::optional<QString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer) dialogFileName = *answer;
    return answer;
  }
};
