#pragma once
// Keeps the windows a modal box or file dialog belongs to alive while it runs. A window that
// deletes itself on close, closed under its own box (by a program, an accessibility action or
// QDialog::done), would otherwise be deleted inside the box's event loop and take the box, which
// its caller still holds, with it. Instead the box is closed first, as Esc would close it, and
// the window goes once the box's caller has returned.

#include <QObject>
#include <QPointer>

#include <vector>

class QDialog;
class QWidget;

class clsQtModalGuard final : public QObject
{
public:
    explicit clsQtModalGuard(QDialog& dialog);
    ~clsQtModalGuard() override;
    clsQtModalGuard(const clsQtModalGuard&) = delete;
    clsQtModalGuard& operator=(const clsQtModalGuard&) = delete;

    // dialog.exec() under a guard: every modal box and file dialog of the window runs here.
    static int Exec(QDialog& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QDialog> m_dialog;
    // The dialog's parent and every widget above it.
    std::vector<QPointer<QWidget>> m_owners;
    // Owners whose deletion waits for the dialog's caller.
    std::vector<QPointer<QWidget>> m_deferred;
};
