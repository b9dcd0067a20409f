#include "support/ControlChecks.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>

namespace {
// The edit box inside a spin box or an editable combo box is part of that control, as are a
// tab bar's scroll arrows.
bool PartOfAnother(const QWidget& w)
{
    const QWidget* parent = w.parentWidget();
    if (parent == nullptr) {
        return false;
    }
    if (qobject_cast<const QTabBar*>(parent) != nullptr) {
        return true;
    }
    return qobject_cast<const QLineEdit*>(&w) != nullptr &&
           (qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
            qobject_cast<const QComboBox*>(parent) != nullptr);
}

bool IsBox(const QWidget& w)
{
    return (qobject_cast<const QLineEdit*>(&w) != nullptr ||
            qobject_cast<const QAbstractSpinBox*>(&w) != nullptr ||
            qobject_cast<const QComboBox*>(&w) != nullptr) &&
           !PartOfAnother(w);
}

QString Describe(const QWidget& w)
{
    return w.objectName() + QStringLiteral(" (") + kelvra_test::Caption(w) + QLatin1Char(')');
}

QList<QWidget*> Visible(const QWidget& root)
{
    QList<QWidget*> shown;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (w->isVisible() && !w->isWindow()) {
            shown << w;
        }
    }
    return shown;
}
} // namespace

namespace kelvra_test {
QString Caption(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (!button->text().isEmpty()) {
            return button->text();
        }
    }
    return control.accessibleName();
}

QStringList UnexplainedControls(const QWidget& root, const QStringList& strSelfExplaining)
{
    QStringList missing;
    for (QWidget* w : Visible(root)) {
        const bool control =
            (qobject_cast<const QAbstractButton*>(w) != nullptr && !PartOfAnother(*w)) || IsBox(*w);
        if (control && w->toolTip().isEmpty() && !strSelfExplaining.contains(Caption(*w))) {
            missing << Describe(*w);
        }
    }
    return missing;
}

QStringList UnlabelledBoxes(const QWidget& root)
{
    QStringList missing;
    for (QWidget* w : Visible(root)) {
        if (!IsBox(*w)) {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face == nullptr || face->relations(QAccessible::Label).isEmpty()) {
            missing << Describe(*w);
        }
    }
    return missing;
}
} // namespace kelvra_test
