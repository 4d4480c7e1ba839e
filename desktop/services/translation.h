// Japanese texts and formats for Qt's own dialogs and buttons.
#pragma once

class QTranslator;

// Makes Japanese the default locale for numbers, sizes and dates, whatever the machine's locale; then
// loads Qt's Japanese translation into `translator` and installs it. False when the translation is not
// on this system.
bool InstallToolkitJapanese(QTranslator& translator);
