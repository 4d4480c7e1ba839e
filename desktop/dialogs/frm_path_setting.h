// frmPathSetting: picks the data folder from a drive list and a folder tree.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include "shell/dialogs.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// A drive of the drive list: the root folder of a mounted volume and its name.
struct DriveEntry {
  QString root;
  QString name;
};

// Modal while used; "これでよい" only hides it so that the caller can still read the pick, the close box
// and "やっぱりやめる" report no pick. Create it for one use and destroy it afterwards.
class FrmPathSetting : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 319;
  static constexpr int kClientHeight = 397;

  // The drives are the mounted volumes that can be read now.
  explicit FrmPathSetting(QWidget* parent = nullptr);
  // The drives as given, in this order.
  explicit FrmPathSetting(const QList<DriveEntry>& drives, QWidget* parent = nullptr);

  // The valid, ready volumes whose root is a folder.
  static QList<DriveEntry> MountedDrives();

  void SetCurrentDataPath(const QString& path);
  QString DataPath() const { return dataPath_; }
  bool PathChanged() const { return pathChanged_; }

  // Reports no pick however the dialog was closed.
  void reject() override;

  // The drive list's entry shown now, and the folder a drive change shows for it.
  int ShownDrive() const { return shownDrive_; }
  QString DriveFolder(int index) const;
  QFileSystemModel* DirModel() const { return model_; }

  QLabel* Label1 = nullptr;
  QLabel* lblCurrentDataPath = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* Drive1 = nullptr;
  QTreeView* Dir1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lblDataPath = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

 protected:
  // Whether a drive's root can be listed now; a drive can lose its medium after the list was made.
  virtual bool VolumeReadable(const QString& root) const;
  // Tells the user that a drive cannot be read; modal.
  virtual void ReportUnreadableDrive(const QString& text);

 private:
  // The drive that holds the process's current folder, or -1.
  int CurrentDrive() const;
  void Drive1_Change(int index);
  void Drive1_Activated(int index);
  void ChooseDrive(int index);
  void Dir1_Change(const QModelIndex& current);
  void cmdOK_Click();
  // Opens the tree at a folder of the drive `index`.
  void ShowFolder(int index, const QString& folder);
  void Pick(const QString& folder);
  void DirModel_Changed();
  void StopFollowing();

  QFileSystemModel* model_ = nullptr;
  int shownDrive_ = -1;
  // The folder kept in view while the background listing adds and sorts rows, until the user moves.
  QString scrollTarget_;
  QString dataPath_;
  bool pathChanged_ = false;
  // Set when a drive change was refused, until the `activated` that follows it.
  bool refusedChoice_ = false;
};

// Change data folder's dialog from creation to destruction: shows `current`, runs modally and hands back
// the confirmed pick.
DataPathChoice RunPathSettingDialog(QWidget* parent, const QString& current);
