// Message boxes, file choice, the option dialogs, the About window and help.
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the data path dialog hands back: a folder only when one was picked and confirmed.
struct DataPathChoice {
  bool pathChanged = false;
  std::u16string dataPath;
};

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Question, Exclamation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::u16string text;
  std::u16string title;  // empty: the application title
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual MessageAnswer ShowMessage(const Message& m) = 0;

  // The dialog CommonDialog1 starts in `folder`, proposes the file part of the name it holds, and
  // offers filters ("desc (pattern)"); it returns the chosen path and holds it as its name, or
  // nothing when cancelled.
  virtual std::optional<std::u16string> RunOpenDialog(const std::u16string& folder,
                                                      const std::vector<std::u16string>& filters) = 0;
  virtual std::optional<std::u16string> RunSaveDialog(const std::u16string& folder,
                                                      const std::vector<std::u16string>& filters) = 0;
  // The file name held by the open/save dialog: the figure file last loaded or saved.
  virtual std::u16string DialogFileName() const = 0;
  virtual void SetDialogFileName(const std::u16string& path) = 0;

  // The other-options dialog: prepared hidden once at start-up, then shown modally; its "確認"
  // applies through ApplyOtherOptions.
  virtual void PrepareOtherOptions() = 0;
  virtual void OpenOtherOptions() = 0;
  // Runs the data path dialog modally, showing `current` as the folder in use.
  virtual DataPathChoice RunDataPathDialog(const std::u16string& current) = 0;

  // The About window: shown with a picture (relative to the program's folder), with or without OK.
  virtual void ShowAboutWindow(const std::u16string& picture, bool withOkButton) = 0;
  // Creates and fits the About window without showing it.
  virtual void LoadAboutWindow() = 0;
  virtual void UnloadAboutWindow() = 0;
  // Opens a help file (relative to the current folder) at its contents page.
  virtual void OpenHelpFile(const std::u16string& path) = 0;
};
