#pragma once
// The single page: the ticket sheet, the figure list beside it, the page buttons and label,
// the count, the edit lock and the add, delete and sort buttons. Every control is a document
// operation; what the page shows comes from the document's sheet. The sort button asks its
// owner for the menu (the window owns the sort menu's rules and its chooser).

#include "app/clsDocument.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class clsGridView;
class clsIGridSource;
class clsSheetView;
class clsValueFigures;

class clsSinglePage : public QWidget
{
    Q_OBJECT

public:
    clsSinglePage(clsDocument& doc, clsIMessage& message, QWidget* parent = nullptr);
    ~clsSinglePage() override;

    clsSheetView* Sheet() const { return m_sheet; }
    clsGridView* FigureList() const { return m_figures; }
    QLabel* PageLabel() const { return m_lblPage; }
    // The edit lock box follows the document.
    void Refresh();
    // The figure list of the page shown, with the worth rows while there are probabilities.
    void RefreshFigures();

signals:
    void SortRequested();

private:
    clsDocument& m_doc;
    std::unique_ptr<clsValueFigures> m_values;
    std::unique_ptr<clsIGridSource> m_figureSource;
    clsSheetView* m_sheet = nullptr;
    clsGridView* m_figures = nullptr;
    QLabel* m_lblPage = nullptr;
    QLabel* m_lblCount = nullptr;
    QPushButton* m_cmdPrevious = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QCheckBox* m_chkLock = nullptr;
    clsSubscription m_changed;
};
