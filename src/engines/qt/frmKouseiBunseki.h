#pragma once
// The composition analysis window: a modeless tool window over its owner (the main window)
// showing one analysis in the 3 x 15 grid of its display object. Each request opens one; it
// is deleted when closed.

#include "engines/clsTKouseiBunseki.h"

#include <QWidget>

#include <string>

class clsGridView;
class clsIMessage;

class frmKouseiBunseki : public QWidget
{
    Q_OBJECT

public:
    frmKouseiBunseki(clsIMessage& message, QWidget* owner);

    void SetTitle(const std::string& strTitle);
    void SetValue(const clsTKouseiBunseki::Histogram& lngValue);
    void SetMarkMax(std::int32_t lngValue);
    // Title, counts and mark limit at once.
    void Show(const clsTKouseiBunseki::Analysis& analysis);

    const clsTKouseiBunseki& Bunseki() const { return m_bunseki; }
    clsGridView* Grid() const { return m_grid; }

private:
    void FitToGrid();

    clsTKouseiBunseki m_bunseki;
    clsGridView* m_grid = nullptr;
};
