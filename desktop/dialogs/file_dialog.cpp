// QFileDialog set up as the figure commands need it.
#include "dialogs/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace {
// Qt's file list writes sizes and dates in the machine's locale, which may well be English; these two
// columns follow the program's own default locale instead, as the others already do.
class DefaultLocaleColumns : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    if (index.column() == kSizeColumn && !files->isDir(file))
      return QLocale().formattedDataSize(files->size(file));
    if (index.column() == kDateColumn)
      return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
  }

 private:
  static constexpr int kSizeColumn = 1, kDateColumn = 3;
};
}  // namespace

std::optional<QString> RunFileDialog(QWidget* parent, FileDialogMode mode, const QString& folder,
                                     const QStringList& filters, const QString& proposedName) {
  const bool save = mode == FileDialogMode::Save;
  QFileDialog dialog(parent, QString::fromUtf8(save ? kSaveDialogTitle : kOpenDialogTitle));
  dialog.setObjectName(QStringLiteral("CommonDialog1"));
  // The platform's dialog would speak the system's language; the filters show their own descriptions.
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setProxyModel(new DefaultLocaleColumns(&dialog));
  // Japanese sizes, types and dates are wider than the columns Qt starts with; cut short they read as
  // nothing at all. The name takes the room that is left.
  if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (const int column : {1, 2, 3})
      list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  // The data folder may be relative to the current folder; the caller gets full paths in any case.
  dialog.setDirectory(QFileInfo(folder).absoluteFilePath());
  if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}
