#include "app/qt/frmRenzoku.h"

#include "app/basFileCommand.h"
#include "app/clsDocument.h"
#include "engines/qt/clsRenzokuModel.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {
// The host's gate follows the batch for as long as it runs, whatever way it ends.
class BatchScope
{
public:
    explicit BatchScope(clsIBatchHost& host)
        : m_host(host)
    {
        m_host.SetBatch(true);
    }
    ~BatchScope() { m_host.SetBatch(false); }
    BatchScope(const BatchScope&) = delete;
    BatchScope& operator=(const BatchScope&) = delete;

private:
    clsIBatchHost& m_host;
};
} // namespace

frmRenzoku::frmRenzoku(clsIBatchHost& host, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_host(host)
    , m_err(host.BatchDocument().Host().Message, "frmRenzoku")
    , m_batch(host.BatchDocument().Host().Pump, MainTarget())
{
    setObjectName(QStringLiteral("frmRenzoku"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" 連続実行"));
    setAccessibleName(QStringLiteral("連続実行"));

    auto* picMain = new QWidget(this);
    picMain->setObjectName(QStringLiteral("picMain"));
    auto* layout = new QVBoxLayout(picMain);
    layout->setContentsMargins(0, 0, 0, 0);
    m_model = new clsRenzokuModel(m_batch, this);
    m_list = new QTableView(picMain);
    m_list->setObjectName(QStringLiteral("lvwFile"));
    m_list->setAccessibleName(QStringLiteral("ファイル一覧"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->verticalHeader()->hide();
    // One line of text per file, as a list shows it.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_list->horizontalHeader()->setSectionResizeMode(clsRenzokuModel::ColumnFile,
                                                     QHeaderView::Stretch);
    m_list->horizontalHeader()->setSectionResizeMode(clsRenzokuModel::ColumnStatus,
                                                     QHeaderView::Fixed);
    m_list->horizontalHeader()->resizeSection(
        clsRenzokuModel::ColumnStatus,
        fontMetrics().horizontalAdvance(QStringLiteral("　実行中　")) + 16);
    layout->addWidget(m_list);
    setCentralWidget(picMain);

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_mnuFileAdd = mnuFile->addAction(QStringLiteral("ファイルを追加"));
    m_mnuFileAdd->setObjectName(QStringLiteral("mnuFile_Add"));
    m_mnuFileAdd->setShortcut(QKeySequence(Qt::Key_Insert));
    m_mnuFileDel = mnuFile->addAction(QStringLiteral("ファイルを削除"));
    m_mnuFileDel->setObjectName(QStringLiteral("mnuFile_Del"));
    m_mnuFileDel->setShortcut(QKeySequence::Delete);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile_S1"));
    m_mnuFileEnd = mnuFile->addAction(QStringLiteral("終了(&X)"));
    m_mnuFileEnd->setObjectName(QStringLiteral("mnuFile_End"));
    QMenu* mnuRun = menuBar()->addMenu(QStringLiteral("実行(&R)"));
    mnuRun->setObjectName(QStringLiteral("mnuRun"));
    m_mnuRunBegin = mnuRun->addAction(QStringLiteral("実行開始(&S)"));
    m_mnuRunBegin->setObjectName(QStringLiteral("mnuRun_Begin"));
    m_mnuRunCancel = mnuRun->addAction(QStringLiteral("実行中止(&E)"));
    m_mnuRunCancel->setObjectName(QStringLiteral("mnuRun_Cancel"));

    connect(m_mnuFileAdd, &QAction::triggered, this, &frmRenzoku::AddFiles);
    connect(m_mnuFileDel, &QAction::triggered, this, &frmRenzoku::RemoveSelected);
    connect(m_mnuFileEnd, &QAction::triggered, this, &QWidget::close);
    connect(m_mnuRunBegin, &QAction::triggered, this, &frmRenzoku::RunBatch);
    connect(m_mnuRunCancel, &QAction::triggered, this, &frmRenzoku::StopBatch);

    m_batch.RowChanged = [this](std::size_t lngRow) {
        m_model->RowChanged(static_cast<int>(lngRow));
    };
    m_batch.RunningChanged = [this](bool blnRunning) { SetMenus(blnRunning); };
    SetMenus(false);
    resize(640, 320);
    m_list->setFocus();
}

frmRenzoku::~frmRenzoku()
{
    // Nothing the batch reports may reach the model from here on.
    m_batch.RowChanged = nullptr;
    m_batch.RunningChanged = nullptr;
}

void frmRenzoku::SetFileDialog(clsIFileDialog* objDialog)
{
    m_fileDialog = objDialog != nullptr ? objDialog : &m_qtFileDialog;
}

template <typename F> void frmRenzoku::Guarded(const char* strOperation, F&& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        m_err.ReportException(strOperation, e);
    }
}

clsTRenzoku::Target frmRenzoku::MainTarget()
{
    // Loads and saves go without dialogs: a file that fails only shows 失敗 in its row.
    return clsTRenzoku::Target{
        [this](const std::string& strPath) {
            return m_host.BatchDocument().FileLoadDRD(strPath, true, false);
        },
        [this] { return m_host.BatchDocument().Search().Run(); },
        [this] { m_host.BatchDocument().Search().Cancel(); },
        [this](const std::string& strPath) {
            return m_host.BatchDocument().FileSaveDRD(strPath, true, false);
        },
        [this] { return m_host.BatchDocument().Search().RunStoppedInExtraction(); },
    };
}

void frmRenzoku::SetMenus(bool blnRunning)
{
    m_mnuRunCancel->setEnabled(blnRunning);
    m_mnuFileAdd->setEnabled(!blnRunning);
    m_mnuFileDel->setEnabled(!blnRunning);
    m_mnuRunBegin->setEnabled(!blnRunning);
    m_mnuFileEnd->setEnabled(!blnRunning);
}

void frmRenzoku::AddFiles()
{
    Guarded("mnuFile_Add_Click", [this] {
        if (m_batch.Running()) {
            return;
        }
        const std::vector<std::string> files =
            m_fileDialog->OpenMany(std::string(basFileCommand::kOpenCaption),
                                   std::string(basFileCommand::kDataFilter), m_host.BatchFolder());
        if (files.empty()) {
            return;
        }
        m_model->ChangeList([&] {
            for (const std::string& file : files) {
                m_batch.AddFile(file);
            }
        });
    });
}

void frmRenzoku::RemoveSelected()
{
    Guarded("mnuFile_Del_Click", [this] {
        if (m_batch.Running()) {
            return;
        }
        std::vector<bool> selected(m_batch.Rows().size(), false);
        bool any = false;
        for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
            if (index.row() >= 0 && static_cast<std::size_t>(index.row()) < selected.size()) {
                selected[static_cast<std::size_t>(index.row())] = true;
                any = true;
            }
        }
        if (any) {
            m_model->ChangeList([&] { m_batch.RemoveRows(selected); });
        }
    });
}

void frmRenzoku::RunBatch()
{
    Guarded("mnuRun_Begin_Click", [this] {
        if (m_batch.Running()) {
            return;
        }
        const auto& rows = m_batch.Rows();
        if (std::none_of(rows.begin(), rows.end(),
                         [](const clsTRenzoku::Row& r) { return r.Status.empty(); })) {
            return; // every row done already
        }
        // A search the user started in the main window has the document; so has a pumped load
        // or save (refused silently). Unsaved work there would be replaced by the first file.
        if (!m_host.MayStartBatch()) {
            return;
        }
        m_host.ShowBatchWork();
        const BatchScope batch(m_host);
        m_batch.RunBatch();
    });
}

void frmRenzoku::StopBatch()
{
    Guarded("mnuRun_Cancel_Click", [this] { m_batch.StopBatch(); });
}

void frmRenzoku::closeEvent(QCloseEvent* event)
{
    if (!m_batch.QueryClose(m_host.BatchDocument().Host().Message)) {
        event->ignore();
        return;
    }
    event->accept();
}
