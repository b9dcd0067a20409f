#include "base/qt/clsQtBusy.h"

#include <QCursor>
#include <QGuiApplication>

clsQtBusy::~clsQtBusy()
{
    if (m_depth > 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void clsQtBusy::BeginBusy()
{
    if (m_depth++ == 0) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

void clsQtBusy::EndBusy()
{
    if (m_depth == 0) {
        return;
    }
    if (--m_depth == 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}
