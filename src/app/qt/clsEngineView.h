#pragma once
// The compression strip of the multi page: 削減圧縮 with the engine options and the chosen
// engine's panel, 抽出圧縮 with the extraction after compression. It shows the document's
// compression panels and changes them only through EditEngineSettings.

#include "app/clsConditionsFacet.h"
#include "app/clsRoundFacet.h"
#include "app/clsSearchFacet.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QButtonGroup;
class QRadioButton;
class QTabWidget;
class clsNumberBox;

class clsEngineView : public QWidget
{
    Q_OBJECT

public:
    clsEngineView(clsConditionsFacet& conditions, clsRoundFacet& round,
                  const clsSearchFacet& search, QWidget* parent);

    // Draws the panels, their visibility and enabling from the document.
    void Refresh();

private:
    QWidget* BuildSakugenPage();
    QWidget* BuildChushutsuPage();
    clsNumberBox* AddBox(QWidget* parent, int lngField, const char* strName,
                         const QString& strCaption);
    void Edit(const std::function<void(clsEnginePanels&)>& fnEdit);

    clsConditionsFacet& m_conditions;
    clsRoundFacet& m_round;
    const clsSearchFacet& m_search;
    QTabWidget* m_tabs = nullptr;
    std::array<QRadioButton*, clsEnginePanels::kEngines> m_optEngine{};
    QButtonGroup* m_engineGroup = nullptr;
    QWidget* m_fraTrial = nullptr;
    QLabel* m_lblEndTime = nullptr;
    QLabel* m_lblEndTimeNote = nullptr;
    QWidget* m_fraOptimisation = nullptr;
    QLabel* m_lblSeBeginCount = nullptr;
    QLabel* m_lblYen = nullptr;
    QLabel* m_lblSeEndTimeNote = nullptr;
    QWidget* m_fraGrade = nullptr;
    QButtonGroup* m_gradeGroup = nullptr;
    std::array<clsNumberBox*, clsTXSakugen::kFields> m_boxes{};
    QCheckBox* m_chkExGrade2 = nullptr;
    QCheckBox* m_chkExGrade3 = nullptr;
    QCheckBox* m_chkChushutsu = nullptr;
    std::array<QRadioButton*, clsEnginePanels::kChushutsuTypes> m_optChushutsu{};
    QButtonGroup* m_chushutsuGroup = nullptr;
    bool m_refreshing = false;
    clsSubscription m_changed;
};
