// frmPathSetting: a drive list and a folder tree pick the data folder, handed back on "これでよい".
#include "dialogs/frm_path_setting.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <utility>

#include "dialogs/message_box.h"
#include "qt_convert.h"

namespace {
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& at, bool border) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(at);
  if (border) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  return label;
}

// Whether `path` lies on the volume mounted at `root` (or below a mount point nested in it).
bool IsUnder(const QString& path, const QString& root) {
  if (root.endsWith(u'/')) return path.startsWith(root);
  return path == root || path.startsWith(root + u'/');
}

QString FullPath(const QString& folder) {
  return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}
}  // namespace

FrmPathSetting::FrmPathSetting(QWidget* parent) : FrmPathSetting(MountedDrives(), parent) {}

FrmPathSetting::FrmPathSetting(const QList<DriveEntry>& drives, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("frmPathSetting"));
  setWindowTitle(QStringLiteral("データ保存パスの変更"));
  setFixedSize(kClientWidth, kClientHeight);

  Label1 = MakeLabel(this, "Label1", QStringLiteral("現在のデータパス"), {24, 24, 145, 17}, false);
  lblCurrentDataPath = MakeLabel(this, "lblCurrentDataPath", QString(), {24, 48, 265, 25}, true);
  Label2 =
      MakeLabel(this, "Label2", QStringLiteral("適当なパスを指定してください"), {24, 88, 265, 17}, false);

  Drive1 = new QComboBox(this);
  Drive1->setObjectName(QStringLiteral("Drive1"));
  Drive1->setGeometry(24, 112, 273, 20);
  for (const DriveEntry& d : drives) {
    const QString root = QDir::toNativeSeparators(d.root);
    Drive1->addItem(d.name.isEmpty() ? root : root + QStringLiteral(" [") + d.name + u']', d.root);
  }

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  Dir1 = new QTreeView(this);
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setGeometry(24, 136, 273, 146);
  Dir1->setModel(model_);
  Dir1->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) Dir1->hideColumn(column);

  Label3 = MakeLabel(this, "Label3", QStringLiteral("選択されたパス"), {24, 288, 265, 17}, false);
  lblDataPath = MakeLabel(this, "lblDataPath", QStringLiteral("未選択です"), {24, 312, 265, 25}, true);

  cmdOK = new QPushButton(QStringLiteral("これでよい"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(24, 344, 129, 49);
  cmdCancel = new QPushButton(QStringLiteral("やっぱりやめる"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(168, 344, 121, 49);

  // The lists open at the process's current folder, which is not yet a pick: connected only afterwards.
  const QString here = QDir::currentPath();
  int current = CurrentDrive();
  if (current < 0) {
    const QStorageInfo volume(here);
    const QString root = volume.isValid() ? volume.rootPath() : here;
    Drive1->addItem(QDir::toNativeSeparators(root), root);
    current = Drive1->count() - 1;
  }
  Drive1->setCurrentIndex(current);
  shownDrive_ = current;
  ShowFolder(current, here);

  connect(Drive1, &QComboBox::currentIndexChanged, this, &FrmPathSetting::Drive1_Change);
  connect(Drive1, &QComboBox::activated, this, &FrmPathSetting::Drive1_Activated);
  connect(model_, &QFileSystemModel::rowsInserted, this, &FrmPathSetting::DirModel_Changed);
  connect(model_, &QFileSystemModel::layoutChanged, this, &FrmPathSetting::DirModel_Changed);
  // A folder above ours vanishing (another program's temporary folder) shifts ours up out of view.
  connect(model_, &QFileSystemModel::rowsRemoved, this, &FrmPathSetting::DirModel_Changed);
  connect(Dir1, &QTreeView::expanded, this, &FrmPathSetting::StopFollowing);
  connect(Dir1->verticalScrollBar(), &QScrollBar::actionTriggered, this, &FrmPathSetting::StopFollowing);
  connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, &FrmPathSetting::Dir1_Change);
  connect(cmdOK, &QPushButton::clicked, this, &FrmPathSetting::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &FrmPathSetting::reject);
}

QList<DriveEntry> FrmPathSetting::MountedDrives() {
  QList<DriveEntry> drives;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Some mounts are single files bound into place, not folders to browse.
    if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir()) continue;
    drives.append({volume.rootPath(), volume.name()});
  }
  return drives;
}

void FrmPathSetting::SetCurrentDataPath(const QString& path) { lblCurrentDataPath->setText(path); }

void FrmPathSetting::reject() {
  pathChanged_ = false;
  dataPath_ = lblCurrentDataPath->text();
  QDialog::reject();
}

int FrmPathSetting::CurrentDrive() const {
  // Mounts nest: the deepest root that holds the current folder is its volume.
  const QString here = QDir::currentPath();
  int best = -1;
  for (int i = 0; i < Drive1->count(); ++i) {
    const QString root = Drive1->itemData(i).toString();
    if (IsUnder(here, root) && (best < 0 || root.size() > Drive1->itemData(best).toString().size())) best = i;
  }
  return best;
}

QString FrmPathSetting::DriveFolder(int index) const {
  return index == CurrentDrive() ? QDir::currentPath() : Drive1->itemData(index).toString();
}

bool FrmPathSetting::VolumeReadable(const QString& root) const {
  if (!QFileInfo(root).isDir()) return false;
  const QStorageInfo volume(root);
  return volume.isValid() && volume.isReady() && QDir(root).isReadable();
}

void FrmPathSetting::ReportUnreadableDrive(const QString& text) {
  ShowMessageBox(this, Message{FromQt(text), {}, MessageButtons::Ok, MessageIcon::Exclamation});
}

void FrmPathSetting::Drive1_Change(int index) {
  refusedChoice_ = false;
  if (index >= 0 && index != shownDrive_) ChooseDrive(index);
}

void FrmPathSetting::Drive1_Activated(int index) {
  // The user's refused choice still ends in `activated`, with the index the list was put back to: that
  // is no choice of the shown drive.
  if (std::exchange(refusedChoice_, false)) return;
  // Choosing the shown drive again is the only way back to its folder once the tree went deeper.
  if (index == shownDrive_) ChooseDrive(index);
}

void FrmPathSetting::ChooseDrive(int index) {
  if (!VolumeReadable(Drive1->itemData(index).toString())) {
    // Back to the drive whose folders the tree still shows, before the box holds the user up.
    {
      const QSignalBlocker block(Drive1);
      Drive1->setCurrentIndex(shownDrive_);
    }
    refusedChoice_ = true;
    ReportUnreadableDrive(QStringLiteral("ドライブ「%1」を読み取れません。").arg(Drive1->itemText(index)));
    return;
  }
  shownDrive_ = index;
  const QString folder = DriveFolder(index);
  ShowFolder(index, folder);
  Pick(folder);
}

void FrmPathSetting::Dir1_Change(const QModelIndex& current) {
  StopFollowing();
  if (current.isValid()) Pick(model_->filePath(current));
}

void FrmPathSetting::cmdOK_Click() {
  // Without a pick the label reads "未選択です", which is no folder.
  dataPath_ = pathChanged_ ? lblDataPath->text() : lblCurrentDataPath->text();
  accept();
}

void FrmPathSetting::ShowFolder(int index, const QString& folder) {
  const QString root = Drive1->itemData(index).toString();
  model_->setRootPath(root);
  Dir1->setRootIndex(model_->index(root));
  const QModelIndex at = model_->index(folder);
  Dir1->setCurrentIndex(at);
  Dir1->scrollTo(at, QAbstractItemView::PositionAtTop);
  Dir1->expand(at);
  scrollTarget_ = at == Dir1->rootIndex() ? QString() : model_->filePath(at);
}

void FrmPathSetting::DirModel_Changed() {
  if (!scrollTarget_.isEmpty())
    Dir1->scrollTo(model_->index(scrollTarget_), QAbstractItemView::PositionAtTop);
}

void FrmPathSetting::StopFollowing() { scrollTarget_.clear(); }

void FrmPathSetting::Pick(const QString& folder) {
  lblDataPath->setText(FullPath(folder));
  pathChanged_ = true;
}

DataPathChoice RunPathSettingDialog(QWidget* parent, const QString& current) {
  // Held by a guard: the parent's end during the modal loop takes the dialog with it.
  const QPointer<FrmPathSetting> dialog = new FrmPathSetting(parent);
  dialog->SetCurrentDataPath(current);
  dialog->exec();
  if (!dialog) return {};
  const DataPathChoice choice{dialog->PathChanged(), FromQt(dialog->DataPath())};
  delete dialog;
  return choice;
}
