#pragma once
// Makes a QApplication Japanese: Qt's own texts (standard buttons, file dialogs) from Qt's
// Japanese catalogue, and the Windows font faces the views name mapped to the installed font.

class QApplication;

namespace basQtLocale {
// False when Qt's Japanese catalogue is not installed (the standard texts stay English).
bool InstallQtTranslation(QApplication& app);
// Call before the first widget is built: fonts resolved earlier keep their old face.
void SubstituteWindowsFonts();
} // namespace basQtLocale
