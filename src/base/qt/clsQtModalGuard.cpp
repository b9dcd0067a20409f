#include "base/qt/clsQtModalGuard.h"

#include <QDialog>
#include <QEvent>
#include <QWidget>

#include <algorithm>

clsQtModalGuard::clsQtModalGuard(QDialog& dialog)
    : m_dialog(&dialog)
{
    for (QWidget* w = dialog.parentWidget(); w != nullptr; w = w->parentWidget()) {
        m_owners.emplace_back(w);
        w->installEventFilter(this);
    }
}

clsQtModalGuard::~clsQtModalGuard()
{
    for (const QPointer<QWidget>& owner : m_owners) {
        if (owner) {
            owner->removeEventFilter(this);
        }
    }
    // Posted from the caller's frame, so it runs once the caller is back in an event loop.
    for (const QPointer<QWidget>& owner : m_deferred) {
        if (owner) {
            owner->deleteLater();
        }
    }
}

int clsQtModalGuard::Exec(QDialog& dialog)
{
    const clsQtModalGuard guard(dialog);
    return dialog.exec();
}

bool clsQtModalGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DeferredDelete) {
        return false;
    }
    const auto owner = std::find(m_owners.begin(), m_owners.end(), watched);
    if (owner == m_owners.end()) {
        return false;
    }
    m_deferred.push_back(*owner);
    if (m_dialog && m_dialog->isVisible() && !m_dialog->close()) {
        // A box that will not close without an answer (no escape button) is rejected.
        m_dialog->reject();
    }
    return true;
}
