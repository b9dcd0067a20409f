#pragma once
// The version box of the help menu: the program's name, version, copyright, licence and the
// Qt version it runs on.

#include <QDialog>

class frmVersion : public QDialog
{
    Q_OBJECT

public:
    explicit frmVersion(QWidget* parent);
};
