#include "engines/qt/frmKouseiBunseki.h"

#include "base/qt/basQtText.h"
#include "widgets/clsGridView.h"

#include <QVBoxLayout>

frmKouseiBunseki::frmKouseiBunseki(clsIMessage& message, QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , m_bunseki(message)
{
    setObjectName(QStringLiteral("frmKouseiBunseki"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_bunseki.Initialize();
    m_bunseki.Clear();

    m_grid = new clsGridView(this);
    m_grid->setObjectName(QStringLiteral("picBunseki"));
    m_grid->setAccessibleName(QStringLiteral("構成分析"));
    m_grid->SetSource(m_bunseki);
    m_grid->SetGeometry96(clsTKouseiBunseki::Geometry96());
    m_grid->SetFitToCells(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    FitToGrid();
}

void frmKouseiBunseki::SetTitle(const std::string& strTitle)
{
    m_bunseki.SetTitle(strTitle);
    setWindowTitle(basQtText::ToQ(strTitle));
    setAccessibleName(windowTitle());
}

void frmKouseiBunseki::SetValue(const clsTKouseiBunseki::Histogram& lngValue)
{
    m_bunseki.SetValue(lngValue);
    m_grid->Refresh();
}

void frmKouseiBunseki::SetMarkMax(std::int32_t lngValue)
{
    m_bunseki.SetMarkMax(lngValue);
    m_grid->Refresh();
}

void frmKouseiBunseki::Show(const clsTKouseiBunseki::Analysis& analysis)
{
    SetTitle(analysis.Title);
    SetValue(analysis.Counts);
    SetMarkMax(analysis.MarkMax);
}

void frmKouseiBunseki::FitToGrid()
{
    // The window is as large as the grid: nothing to scroll, nothing to stretch.
    layout()->activate();
    setFixedSize(m_grid->size());
}
