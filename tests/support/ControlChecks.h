#pragma once
// Checks over every control a window shows, as a user who cannot see the screen or does not
// know the program meets them: each names what it does, and each box has its label.

#include <QString>
#include <QStringList>

class QWidget;

namespace kelvra_test {
// "objectName (caption)" of each visible button, combo, number or edit box under root that
// has no tooltip and whose caption is not one of strSelfExplaining.
QStringList UnexplainedControls(const QWidget& root, const QStringList& strSelfExplaining);
// The same for the edit, number and combo boxes that no label names (QLabel::setBuddy, as a
// screen reader finds it: a label beside the box).
QStringList UnlabelledBoxes(const QWidget& root);
// What a user reads as the control's caption: its text, else its accessible name.
QString Caption(const QWidget& control);
} // namespace kelvra_test
