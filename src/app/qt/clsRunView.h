#pragma once
// The run controls of the multi page: 検索開始 / 一時停止 / 検索再開 and 検索終了, the run log
// (the document's log sink), its percentage bar, and the count grid and breakdown of the
// ticket set the last run left.

#include "app/clsDocument.h"
#include "conditions/clsTMeisaiGrid.h"
#include "conditions/clsTMsgLog.h"
#include "lottery/clsTCount.h"
#include "lottery/clsTCountGrid.h"

#include <QWidget>

class QListWidget;
class QProgressBar;
class QPushButton;
class clsGridView;

class clsRunView : public QWidget, public clsIMsgSink
{
    Q_OBJECT

public:
    clsRunView(clsDocument& doc, QWidget* parent);
    ~clsRunView() override;

    void LogCleared() override;
    void LogLine(std::int32_t lngIndex, std::string_view strText) override;
    void BarChanged(std::int32_t lngValue, std::int32_t lngMax) override;

    // The buttons' captions and enabling, from the document.
    void RefreshButtons();

private:
    void ReloadLog();
    void RecountSingles();

    clsDocument& m_doc;
    clsTMeisaiGrid m_meisaiSource;
    // The set's frame as the count grid shows it, in percent when the document says so.
    clsTCount m_count;
    clsTCountGrid m_countSource;
    QPushButton* m_cmdRun = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QListWidget* m_lstMsg = nullptr;
    QProgressBar* m_bar = nullptr;
    clsGridView* m_countGrid = nullptr;
    clsGridView* m_meisai = nullptr;
    clsSubscription m_changed;
};
