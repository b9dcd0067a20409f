#pragma once
// The version box of the help menu: the program's name and its version text.

#include <QDialog>

class frmVersion : public QDialog
{
    Q_OBJECT

public:
    explicit frmVersion(QWidget* parent);
};
