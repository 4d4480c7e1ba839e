// Japanese texts for Qt's own dialogs and buttons.
#pragma once

class QTranslator;

// Loads Qt's Japanese translation into `translator` and installs it; false when it is not on this system.
bool InstallToolkitJapanese(QTranslator& translator);
