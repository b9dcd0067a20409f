#pragma once
// The batch-run window (連続実行): a list of data files that it runs, one after another, through
// its host's document: load, search, save back. Modeless, owned by the main window, which opens
// at most one; deleted when closed, so the list lasts one opening.

#include "app/clsIBatchHost.h"
#include "base/clsErrorReporter.h"
#include "base/qt/clsQtFileDialog.h"
#include "engines/clsTRenzoku.h"

#include <QMainWindow>

class QAction;
class QTableView;
class clsRenzokuModel;

class frmRenzoku : public QMainWindow
{
    Q_OBJECT

public:
    // parent: the host's window, which the batch window stays over.
    frmRenzoku(clsIBatchHost& host, QWidget* parent);
    ~frmRenzoku() override;

    // The dialog ファイルを追加 asks; tests put a scripted one, nullptr restores Qt's.
    void SetFileDialog(clsIFileDialog* objDialog);

    // The menu commands.
    void AddFiles();
    void RemoveSelected();
    void RunBatch();
    void StopBatch();

    const clsTRenzoku& Batch() const { return m_batch; }
    QTableView* List() const { return m_list; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    clsTRenzoku::Target MainTarget();
    void SetMenus(bool blnRunning);
    template <typename F> void Guarded(const char* strOperation, F&& fn);

    clsIBatchHost& m_host;
    clsErrorReporter m_err;
    clsTRenzoku m_batch;
    clsQtFileDialog m_qtFileDialog{this};
    clsIFileDialog* m_fileDialog = &m_qtFileDialog;
    clsRenzokuModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    QAction* m_mnuFileAdd = nullptr;
    QAction* m_mnuFileDel = nullptr;
    QAction* m_mnuFileEnd = nullptr;
    QAction* m_mnuRunBegin = nullptr;
    QAction* m_mnuRunCancel = nullptr;
};
