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
    Log() << u"ShowMessage";
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  struct FileDialogUse {
    std::u16string mode;
    std::u16string folder;
    std::vector<std::u16string> filters;
    std::u16string proposed;
  };
  std::optional<std::u16string> RunOpenDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override {
    return RunFileDialog(u"open", folder, filters);
  }
  std::optional<std::u16string> RunSaveDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override {
    return RunFileDialog(u"save", folder, filters);
  }
  std::u16string DialogFileName() const override { return dialogFileName; }
  void SetDialogFileName(const std::u16string& path) override { dialogFileName = path; }

  void PrepareOtherOptions() override { Log() << u"PrepareOtherOptions"; }
  void OpenOtherOptions() override { Log() << u"OpenOtherOptions"; }
  DataPathChoice RunDataPathDialog(const std::u16string& current) override {
    Log() << u"RunDataPathDialog " + current;
    return dataPathChoice;
  }

  void ShowAboutWindow(const std::u16string& picture, bool ok) override {
    Log() << u"ShowAboutWindow " + picture + (ok ? u" ok" : u" no-ok");
  }
  void LoadAboutWindow() override { Log() << u"LoadAboutWindow"; }
  void UnloadAboutWindow() override { Log() << u"UnloadAboutWindow"; }
  void OpenHelpFile(const std::u16string& path) override { Log() << u"OpenHelpFile " + path; }

  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
  std::vector<FileDialogUse> fileDialogs;
  std::deque<std::optional<std::u16string>> fileAnswers;
  std::u16string dialogFileName;
  DataPathChoice dataPathChoice;

 private:
  std::optional<std::u16string> RunFileDialog(const std::u16string& mode, const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) {
    fileDialogs.push_back({mode, folder, filters, dialogFileName});
    Log() << u"FileDialog " + mode;
    if (fileAnswers.empty()) return std::nullopt;
    const std::optional<std::u16string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer) dialogFileName = *answer;
    return answer;
  }
};
