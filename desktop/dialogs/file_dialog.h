// The open and save dialog CommonDialog1: Qt's own file dialog, so its texts are Japanese everywhere.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

inline constexpr char kOpenDialogTitle[] = "開く";
inline constexpr char kSaveDialogTitle[] = "名前を付けて保存";

enum class FileDialogMode { Open, Save };

// Starts in `folder` and proposes `proposedName` (a file name without folder, may be empty); returns the
// chosen path, or nothing when cancelled.
std::optional<QString> RunFileDialog(QWidget* parent, FileDialogMode mode, const QString& folder,
                                     const QStringList& filters, const QString& proposedName);
