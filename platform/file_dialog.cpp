// QFileDialog set up as the figure commands need it.
#include "platform/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> RunFileDialog(QWidget* parent, FileDialogMode mode, const QString& folder,
                                     const QStringList& filters, const QString& proposedName) {
  const bool save = mode == FileDialogMode::Save;
  QFileDialog dialog(parent, QString::fromUtf8(save ? kSaveDialogTitle : kOpenDialogTitle));
  dialog.setObjectName(QStringLiteral("CommonDialog1"));
  // The platform's dialog would speak the system's language; the filters show their own descriptions.
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  // The data folder may be relative to the current folder; the caller gets full paths in any case.
  dialog.setDirectory(QFileInfo(folder).absoluteFilePath());
  if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}
