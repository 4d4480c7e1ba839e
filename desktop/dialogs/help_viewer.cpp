// The help window: browses the help file as HTML, and says so itself when the file is missing.
#include "dialogs/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("helpViewer"));
  setWindowTitle(QStringLiteral("立体ヌボロ ヘルプ"));

  cmdBack = new QPushButton(QStringLiteral("戻る"), this);
  cmdForward = new QPushButton(QStringLiteral("進む"), this);
  cmdContents = new QPushButton(QStringLiteral("目次"), this);
  cmdBack->setEnabled(false);
  cmdForward->setEnabled(false);
  cmdContents->setEnabled(false);

  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  // Web links go to the desktop's browser instead of being shown as raw HTML here.
  browser_->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdForward);
  buttons->addWidget(cmdContents);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  connect(cmdBack, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(cmdForward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(cmdContents, &QPushButton::clicked, this, &HelpViewer::GoToContents);
  connect(browser_, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);

  resize(560, 480);
}

void HelpViewer::OpenContents(const QString& path) {
  const QDir folder = QDir::current();
  const QFileInfo file(folder.absoluteFilePath(path));
  if (file.isFile() && file.isReadable()) {
    contents_ = QUrl::fromLocalFile(file.absoluteFilePath());
    // One style for every page, kept beside the help file.
    QFile style(file.dir().filePath(QStringLiteral("help.css")));
    if (style.open(QIODevice::ReadOnly))
      browser_->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    GoToContents();
  } else {
    contents_.clear();
    ShowNotFound(path, folder.absolutePath());
  }
  browser_->clearHistory();
  cmdContents->setEnabled(contents_.isValid());
  show();
  raise();
  activateWindow();
}

void HelpViewer::GoToContents() {
  if (!contents_.isValid()) return;
  // The help file has no HTML extension, so its type is given.
  browser_->setSource(contents_, QTextDocument::HtmlResource);
}

void HelpViewer::ShowNotFound(const QString& path, const QString& folder) {
  browser_->setHtml(QStringLiteral("<h2>ヘルプファイルが見つかりません</h2>"
                                   "<p>ヘルプファイル「%1」が見つかりませんでした。</p>"
                                   "<p>探したフォルダ：%2</p>")
                        .arg(path.toHtmlEscaped(), QDir::toNativeSeparators(folder).toHtmlEscaped()));
}
