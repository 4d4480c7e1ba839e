// The settings file's dialect, a Windows profile file: "[Section]" lines, then one "key=value" a line.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringView>
#include <optional>

// Keys are "Section/key" as QSettings names them; every value is a QString.
QSettings::SettingsMap ParseProfile(const QByteArray& bytes);

// The whole file for a map; nothing when a section, key or value cannot be written on one line.
std::optional<QByteArray> ProfileBytes(const QSettings::SettingsMap& map);

// What follows "key=" on a line, as a reader takes it.
QString ProfileValue(QStringView text);

// The text to put after "key=" so that the line reads back as the value; nothing when no line can hold it.
std::optional<QString> ProfileValueText(const QString& value);
