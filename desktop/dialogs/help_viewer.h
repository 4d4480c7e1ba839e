// The help viewer: a separate top-level window that browses the help file and the pages it links to.
#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class HelpViewer : public QWidget {
  Q_OBJECT
 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Opens `path` (relative paths are taken from the current folder) at its first page as HTML,
  // then shows the window and brings it to the front. A missing file is reported in the window.
  void OpenContents(const QString& path);

  QTextBrowser* Browser() const { return browser_; }
  // The contents page last opened; empty when the file was missing.
  QUrl Contents() const { return contents_; }

  QPushButton* cmdBack = nullptr;
  QPushButton* cmdForward = nullptr;
  QPushButton* cmdContents = nullptr;

 private:
  void GoToContents();
  void ShowNotFound(const QString& path, const QString& folder);

  QTextBrowser* browser_ = nullptr;
  QUrl contents_;
};
