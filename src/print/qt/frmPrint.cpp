#include "print/qt/frmPrint.h"

#include "base/basText.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtFileDialog.h"
#include "base/qt/clsQtModalGuard.h"
#include "print/clsPrinterIni.h"
#include "print/clsTPrint.h"
#include "print/clsTPrintList.h"
#include "print/qt/clsQtPrintDevice.h"
#include "store/clsXmlSchedule.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <filesystem>
#include <limits>

using basQtText::FromQ;
using basQtText::ToQ;

namespace {
const QString kGroupA = QStringLiteral("Ａ組");
const QString kGroupB = QStringLiteral("Ｂ組");

// A field that is not a number counts as 0.
Currency NumberOf(const QLineEdit* edit)
{
    return Currency::Parse(basText::Trim(FromQ(edit->text()))).value_or(Currency());
}

// Whole pages, halves to even; far beyond any card count is as good as the largest.
std::int32_t PageOf(const QLineEdit* edit)
{
    const std::int64_t n = NumberOf(edit).ToInt64();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

QString ShiftText(const std::optional<Currency>& value)
{
    return value ? ToQ(value->FormatNumber(2, false)) : QString();
}
} // namespace

frmPrint::Printers frmPrint::Printers::Installed()
{
    return Printers{clsQtPrintDevice::InstalledPrinters(), clsQtPrintDevice::DefaultPrinter()};
}

QString frmPrint::PdfEntry()
{
    return QStringLiteral("PDF ファイル");
}

frmPrint::frmPrint(const PrintJobInput& input, const clsHost& host, QWidget* parent)
    : frmPrint(input, host, Printers::Installed(), parent)
{}

frmPrint::frmPrint(const PrintJobInput& input, const clsHost& host, const Printers& printers,
                   QWidget* parent)
    : QDialog(parent)
    , m_input(input)
    , m_host(host)
    , m_err(host.Message, "frmPrint")
    , m_pageCount(clsTPrint::PageCount(static_cast<std::int32_t>(input.Singles.size())))
{
    Build();
    try {
        Open(printers);
    } catch (const std::exception& e) {
        m_err.ReportException("ShowForm", e);
    }
}

frmPrint::~frmPrint() = default;

void frmPrint::ShowForm(const PrintJobInput& input, const clsHost& host, QWidget* parent)
{
    frmPrint dialog(input, host, parent);
    clsQtModalGuard::Exec(dialog);
}

void frmPrint::Build()
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral(" 印刷"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    BuildPrinterRows(root);
    BuildKind(root);
    BuildPageRange(root);
    BuildShifts(root);
    BuildRoundRow(root);
    BuildSwitchesAndButtons(root);

    connect(m_cmbPrinters, &QComboBox::activated, this, &frmPrint::OnPrinterChosen);
    connect(m_optPages, &QButtonGroup::idToggled, this, [this] { OnPagesOption(); });
    connect(m_optKind, &QButtonGroup::idToggled, this, [this](int, bool blnOn) {
        if (blnOn) {
            OnKindChosen();
        }
    });
    connect(m_chkOpenNo, &QCheckBox::toggled, m_txtOpenNo, &QLineEdit::setEnabled);
    connect(m_cmbKumi, &QComboBox::activated, this, &frmPrint::OnKumiChosen);
    connect(m_cmdPrint, &QPushButton::clicked, this, &frmPrint::OnPrint);
    connect(m_cmdTest, &QPushButton::clicked, this, &frmPrint::OnTest);
    connect(m_cmdPrinterOptions, &QPushButton::clicked, this, &frmPrint::OnPrinterOptions);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Numbers only: digits, a point and a sign; what they mean is checked when printing.
QLineEdit* frmPrint::NumberField(const char* strName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(strName));
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.\\-]*")), edit));
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    return edit;
}

void frmPrint::BuildPrinterRows(QVBoxLayout* root)
{
    auto* top = new QGridLayout();
    root->addLayout(top);
    m_cmbPrinters = new QComboBox(this);
    m_cmbPrinters->setObjectName(QStringLiteral("cmbPrinters"));
    m_cmbPrinters->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* lblPrinters = new QLabel(QStringLiteral("プリンタ(&P)："), this);
    lblPrinters->setBuddy(m_cmbPrinters);
    top->addWidget(lblPrinters, 0, 0);
    top->addWidget(m_cmbPrinters, 0, 1);
    m_cmdPrinterOptions = new QPushButton(QStringLiteral("プリンタの設定(&S)..."), this);
    m_cmdPrinterOptions->setObjectName(QStringLiteral("cmdPrinterOptions"));
    m_cmdPrinterOptions->setEnabled(false);
    top->addWidget(m_cmdPrinterOptions, 0, 2);
    m_cmbDirection = new QComboBox(this);
    m_cmbDirection->setObjectName(QStringLiteral("cmbDirection"));
    auto* lblDirection = new QLabel(QStringLiteral("印刷方向："), this);
    lblDirection->setBuddy(m_cmbDirection);
    top->addWidget(lblDirection, 1, 0);
    top->addWidget(m_cmbDirection, 1, 1, Qt::AlignLeft);
    top->setColumnStretch(1, 1);
}

void frmPrint::BuildKind(QVBoxLayout* root)
{
    auto* kind = new QGroupBox(QStringLiteral("印刷するもの"), this);
    auto* kindLayout = new QHBoxLayout(kind);
    m_optCards = new QRadioButton(QStringLiteral("カード(&C)"), kind);
    m_optCards->setObjectName(QStringLiteral("optKind0"));
    m_optList = new QRadioButton(QStringLiteral("一覧(&L)"), kind);
    m_optList->setObjectName(QStringLiteral("optKind1"));
    m_optList->setToolTip(QStringLiteral("開催回・対戦カード・購入した組み合わせと予想配当の一覧"));
    m_optKind = new QButtonGroup(this);
    m_optKind->setObjectName(QStringLiteral("optKind"));
    m_optKind->addButton(m_optCards, 0);
    m_optKind->addButton(m_optList, 1);
    m_optCards->setChecked(true);
    kindLayout->addWidget(m_optCards);
    kindLayout->addWidget(m_optList);
    kindLayout->addStretch(1);
    root->addWidget(kind);
}

void frmPrint::BuildPageRange(QVBoxLayout* root)
{
    auto* pages = new QGroupBox(QStringLiteral("印刷範囲"), this);
    auto* pagesLayout = new QGridLayout(pages);
    m_optAll = new QRadioButton(QStringLiteral("全て(&A)"), pages);
    m_optAll->setObjectName(QStringLiteral("optPages0"));
    m_optRange = new QRadioButton(QStringLiteral("ページ指定(&G)"), pages);
    m_optRange->setObjectName(QStringLiteral("optPages1"));
    m_optPages = new QButtonGroup(this);
    m_optPages->setObjectName(QStringLiteral("optPages"));
    m_optPages->addButton(m_optAll, 0);
    m_optPages->addButton(m_optRange, 1);
    m_txtStart = NumberField("txtStart");
    m_txtEnd = NumberField("txtEnd");
    auto* lblStart = new QLabel(QStringLiteral("ページから(&F)"), pages);
    lblStart->setBuddy(m_txtStart);
    auto* lblEnd = new QLabel(QStringLiteral("ページまで(&T)"), pages);
    lblEnd->setBuddy(m_txtEnd);
    pagesLayout->addWidget(m_optAll, 0, 0, 1, 5);
    pagesLayout->addWidget(m_optRange, 1, 0);
    pagesLayout->addWidget(m_txtStart, 1, 1);
    pagesLayout->addWidget(lblStart, 1, 2);
    pagesLayout->addWidget(m_txtEnd, 1, 3);
    pagesLayout->addWidget(lblEnd, 1, 4);
    pagesLayout->setColumnStretch(5, 1);
    root->addWidget(pages);
}

void frmPrint::BuildShifts(QVBoxLayout* root)
{
    auto* shifts = new QGroupBox(QStringLiteral("位置調整"), this);
    auto* shiftsLayout = new QGridLayout(shifts);
    m_txtLeft = NumberField("txtLeft");
    m_txtTop = NumberField("txtTop");
    auto* lblLeft = new QLabel(QStringLiteral("左側に"), shifts);
    lblLeft->setBuddy(m_txtLeft);
    auto* lblTop = new QLabel(QStringLiteral("上側に"), shifts);
    lblTop->setBuddy(m_txtTop);
    shiftsLayout->addWidget(lblLeft, 0, 0);
    shiftsLayout->addWidget(m_txtLeft, 0, 1);
    shiftsLayout->addWidget(new QLabel(QStringLiteral("mm"), shifts), 0, 2);
    shiftsLayout->addWidget(lblTop, 1, 0);
    shiftsLayout->addWidget(m_txtTop, 1, 1);
    shiftsLayout->addWidget(new QLabel(QStringLiteral("mm"), shifts), 1, 2);
    shiftsLayout->setColumnStretch(3, 1);
    m_txtLeft->setAccessibleName(QStringLiteral("左側に (mm)"));
    m_txtTop->setAccessibleName(QStringLiteral("上側に (mm)"));
    root->addWidget(shifts);
}

void frmPrint::BuildRoundRow(QVBoxLayout* root)
{
    auto* round = new QHBoxLayout();
    m_chkOpenNo = new QCheckBox(QStringLiteral("「開催回」を印刷"), this);
    m_chkOpenNo->setObjectName(QStringLiteral("chkOpenNo"));
    m_txtOpenNo = NumberField("txtOpenNo");
    m_txtOpenNo->setAccessibleName(QStringLiteral("開催回"));
    m_cmbKumi = new QComboBox(this);
    m_cmbKumi->setObjectName(QStringLiteral("cmbKumi"));
    m_cmbKumi->setAccessibleName(QStringLiteral("組"));
    // The check box names the round box but cannot be its label; the unit after it is.
    auto* lblOpenNo = new QLabel(QStringLiteral("回"), this);
    lblOpenNo->setBuddy(m_txtOpenNo);
    auto* lblKumi = new QLabel(QStringLiteral("組"), this);
    lblKumi->setBuddy(m_cmbKumi);
    round->addWidget(m_chkOpenNo);
    round->addWidget(m_txtOpenNo);
    round->addWidget(lblOpenNo);
    round->addWidget(lblKumi);
    round->addWidget(m_cmbKumi);
    round->addStretch(1);
    root->addLayout(round);
}

void frmPrint::BuildSwitchesAndButtons(QVBoxLayout* root)
{
    const auto check = [&](const char* name, const QString& text) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QString::fromLatin1(name));
        root->addWidget(box);
        return box;
    };
    m_chkOpenText = check("chkOpenText", QStringLiteral("「対戦カード」を印刷"));
    m_chkPageText = check("chkPageText", QStringLiteral("「ページ番号」を印刷"));
    m_chkFileText = check("chkFileText", QStringLiteral("「ファイル名」を印刷"));
    m_chkSendDataA = check("chkSendDataA", QStringLiteral(" プリンタにまとめてデータを送る"));
    m_chkPdfFilePerCard =
        check("chkPdfFilePerCard", QStringLiteral(" PDF ファイルをカードごとに分ける"));

    auto* buttons = new QHBoxLayout();
    m_cmdTest = new QPushButton(QStringLiteral("テスト印刷"), this);
    m_cmdTest->setObjectName(QStringLiteral("cmdTest"));
    m_cmdPrint = new QPushButton(QStringLiteral("OK"), this);
    m_cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    m_cmdPrint->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(m_cmdTest);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdPrint);
    buttons->addWidget(m_cmdCancel);
    root->addLayout(buttons);
}

void frmPrint::Open(const Printers& printers)
{
    m_installed = printers.Names;
    clsPrinterIni ini(m_host.Message, m_input.ProgramFolder, m_input.LegalNotice);
    const auto values = ini.Load(FromQ(printers.Default));

    m_cmbPrinters->addItems(m_installed);
    m_cmbPrinters->addItem(PdfEntry());
    m_cmbPrinters->setCurrentIndex(-1);
    m_cmbDirection->addItems({QStringLiteral("A4(縦)"), QStringLiteral("A4(横)")});
    m_cmbDirection->setCurrentIndex(-1);
    m_cmbKumi->addItems({kGroupA, kGroupB});
    m_cmbKumi->setCurrentIndex(-1);

    ApplyIni(values.value_or(PrinterIniValues{}));
    if (m_installed.isEmpty() && m_printerName != PdfEntry()) {
        // Printing would have nowhere to go: offer the PDF file instead of doing nothing.
        OnPrinterChosen(m_cmbPrinters->findText(PdfEntry()));
        m_host.Message.ShowMessage(
            MsgIcon::Information,
            "プリンタがインストールされていません。\n"
            "印刷の代わりに「PDF ファイル」へ出力できます（プリンタの一覧で選ばれています）。",
            m_err.Caption("ShowForm"));
    }

    m_optAll->setChecked(true);
    OnPagesOption();
    m_txtStart->setText(QStringLiteral("1"));
    m_txtEnd->setText(QString::number(m_pageCount));

    m_txtOpenNo->setText(QString::number(m_input.Kaisaikai));
    m_txtOpenNo->setEnabled(m_chkOpenNo->isChecked());
    if (m_input.Kumi == "A" || m_input.Kumi == "B") {
        OnKumiChosen(m_input.Kumi == "A" ? 0 : 1);
    }
    for (QLineEdit* edit : {m_txtStart, m_txtEnd, m_txtLeft, m_txtTop, m_txtOpenNo}) {
        edit->selectAll();
    }
}

void frmPrint::ApplyIni(const PrinterIniValues& v)
{
    if (v.PrinterName) {
        const int i = m_installed.indexOf(ToQ(*v.PrinterName));
        if (i >= 0 || ToQ(*v.PrinterName) == PdfEntry()) {
            OnPrinterChosen(i >= 0 ? i : m_cmbPrinters->findText(PdfEntry()));
        }
    }
    if (v.Orientation == PrintSettings::kPortrait || v.Orientation == PrintSettings::kLandscape) {
        m_cmbDirection->setCurrentIndex(v.Orientation - 1);
    }
    m_txtLeft->setText(ShiftText(v.LeftShift));
    m_txtTop->setText(ShiftText(v.TopShift));
    m_chkOpenNo->setChecked(v.PrintOpenNo);
    m_chkOpenText->setChecked(v.PrintOpenText);
    m_chkPageText->setChecked(v.PrintPageText);
    m_chkFileText->setChecked(v.PrintFileText);
    m_chkSendDataA->setChecked(v.SendDataA);
    m_chkPdfFilePerCard->setChecked(v.PdfFilePerCard);
}

void frmPrint::OnPrinterChosen(int lngIndex)
{
    if (lngIndex < 0 || lngIndex >= m_cmbPrinters->count()) {
        return;
    }
    m_cmbPrinters->setCurrentIndex(lngIndex);
    m_printerName = m_cmbPrinters->itemText(lngIndex);
    // A PDF file has no queue to set up.
    m_cmdPrinterOptions->setEnabled(m_printerName != PdfEntry());
}

void frmPrint::OnPrinterOptions()
{
    if (m_printerName.isEmpty() || m_printerName == PdfEntry()) {
        return;
    }
    if (!m_queuePrinter || m_queuePrinterFor != m_printerName) {
        m_queuePrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_queuePrinter->setPrinterName(m_printerName);
        m_queuePrinterFor = m_printerName;
    }
    // Which pages and where they go stay this dialog's business.
    QPrintDialog dialog(m_queuePrinter.get(), this);
    dialog.setObjectName(QStringLiteral("dlgPrinterOptions"));
    dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Another printer chosen in there is the one this dialog prints to.
    const int i = m_installed.indexOf(m_queuePrinter->printerName());
    if (i >= 0) {
        m_queuePrinterFor = m_installed[i];
        OnPrinterChosen(i);
    }
}

QString frmPrint::JobTitle() const
{
    return m_input.FileName.empty() ? QStringLiteral("Kelvra") : ToQ(m_input.FileName);
}

void frmPrint::OnPagesOption()
{
    const bool range = m_optRange->isChecked();
    m_txtStart->setEnabled(range);
    m_txtEnd->setEnabled(range);
}

bool frmPrint::ListChosen() const
{
    return m_optList->isChecked();
}

void frmPrint::OnKindChosen()
{
    // The range counts the pages of what is printed; the test print is the card's alone.
    const std::int32_t count =
        ListChosen() ? clsTPrintList::PageCount(static_cast<std::int32_t>(m_input.Singles.size()))
                     : m_pageCount;
    m_txtStart->setText(QStringLiteral("1"));
    m_txtEnd->setText(QString::number(count));
    m_cmdTest->setEnabled(!ListChosen());
}

void frmPrint::OnKumiChosen(int lngIndex)
{
    if (lngIndex < 0) {
        return;
    }
    m_cmbKumi->setCurrentIndex(lngIndex);
    // A document without a group has no group mark to print, whatever the list shows.
    if (m_input.Kumi == "A" || m_input.Kumi == "B") {
        m_kumiToPrint = lngIndex == 0 ? QStringLiteral("A") : QStringLiteral("B");
    }
}

PrintSettings frmPrint::TakeSettings() const
{
    PrintSettings s;
    s.PrinterName = FromQ(m_printerName);
    s.Orientation = m_cmbDirection->currentIndex() + 1;
    s.AllPages = m_optAll->isChecked();
    s.StartPage = PageOf(m_txtStart);
    s.EndPage = PageOf(m_txtEnd);
    s.LeftShift = NumberOf(m_txtLeft);
    s.TopShift = NumberOf(m_txtTop);
    s.PrintOpenNo = m_chkOpenNo->isChecked();
    s.PrintOpenText = m_chkOpenText->isChecked();
    s.PrintPageText = m_chkPageText->isChecked();
    s.PrintFileText = m_chkFileText->isChecked();
    s.SendDataA = m_chkSendDataA->isChecked();
    s.PdfFilePerCard = m_chkPdfFilePerCard->isChecked();
    return s;
}

std::optional<std::int32_t> frmPrint::RoundToPrint() const
{
    const std::string text = basText::Trim(FromQ(m_txtOpenNo->text()));
    if (text.empty()) {
        return 0;
    }
    // A round is a count from 1 (0: none); a sign or a fraction would mark some other round.
    const auto value = Currency::Parse(text);
    if (!value || *value < Currency() || value->Raw() % Currency::Scale != 0 ||
        value->Truncate() > std::numeric_limits<std::int32_t>::max()) {
        m_err.Report("cmdPrint_Click", "開催回には0以上の整数を入力して下さい。");
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value->Truncate());
}

std::optional<ScheduleRecord> frmPrint::LoadSchedule(std::int32_t lngKaisaikai,
                                                     const std::string& kumi) const
{
    if (lngKaisaikai <= 0) {
        return std::nullopt;
    }
    clsXmlSchedule xml(m_host.Message, m_input.ProgramFolder);
    const std::string file = xml.GetFileName(lngKaisaikai, kumi);
    std::error_code ec;
    // A round without a schedule file prints no match lines; that is no error.
    if (!std::filesystem::is_regular_file(file, ec) || !xml.XmlLoad(file)) {
        return std::nullopt;
    }
    const ScheduleRecord& rec = xml.GetRecord();
    if (!rec.IsValid() || rec.Kaisaikai != lngKaisaikai) {
        return std::nullopt;
    }
    return rec;
}

std::unique_ptr<clsQtPrintDevice> frmPrint::MakeDevice(const PrintSettings& settings,
                                                       bool blnFilePerJob)
{
    if (m_printerName == PdfEntry()) {
        const QString base = m_input.FileName.empty()
                                 ? QStringLiteral("Kelvra")
                                 : QFileInfo(ToQ(m_input.FileName)).completeBaseName();
        const QString suggested = QDir::home().filePath(base + QStringLiteral(".pdf"));
        // The shared file dialog, so that closing the print window under it cannot free it.
        QString path = m_choosePdf
                           ? m_choosePdf(suggested)
                           : ToQ(clsQtFileDialog(this).Save(
                                 "PDF ファイルに出力", "PDF ファイル (*.pdf)",
                                 FromQ(base + QStringLiteral(".pdf")), FromQ(QDir::homePath())));
        if (path.isEmpty()) {
            return nullptr;
        }
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            path += QStringLiteral(".pdf");
        }
        auto device = std::make_unique<clsQtPrintDevice>(path, blnFilePerJob);
        device->SetJobTitle(JobTitle());
        return device;
    }
    if (m_installed.isEmpty()) {
        m_err.Report("cmdPrint_Click", "プリンタがインストールされていません。\n"
                                       "プリンタの一覧で「PDF ファイル」を選ぶと、"
                                       "PDF ファイルに出力できます。");
        return nullptr;
    }
    auto device = m_queuePrinter && m_queuePrinterFor == ToQ(settings.PrinterName)
                      ? std::make_unique<clsQtPrintDevice>(*m_queuePrinter)
                      : std::make_unique<clsQtPrintDevice>(ToQ(settings.PrinterName));
    device->SetJobTitle(JobTitle());
    return device;
}

void frmPrint::ReportPdf(const QStringList& strFiles) const
{
    if (strFiles.isEmpty()) {
        return;
    }
    QString text = QStringLiteral("PDF ファイルに出力しました。\n") + strFiles.first();
    if (strFiles.size() > 1) {
        text +=
            QStringLiteral("\n…\n%1\n（%2 ファイル）").arg(strFiles.last()).arg(strFiles.size());
    }
    m_host.Message.ShowMessage(MsgIcon::Information, FromQ(text), m_err.Caption("cmdPrint_Click"));
}

void frmPrint::OnPrint()
{
    if (m_input.Singles.empty()) {
        return;
    }
    try {
        const PrintSettings s = TakeSettings();
        if (ListChosen()) {
            PrintList(s);
            return;
        }
        PrintCardExtras extras;
        if (s.PrintOpenNo || s.PrintOpenText) {
            const auto round = RoundToPrint();
            if (!round) {
                return;
            }
            extras.Kaisaikai = *round;
        }
        extras.Kumi = FromQ(m_kumiToPrint);
        extras.FileName = m_input.FileName;
        clsTPrint print(m_host.Message);
        // A wrong range is told before anything is asked or opened.
        if (!print.PageRange(s, static_cast<std::int32_t>(m_input.Singles.size()))) {
            return;
        }
        const PrintTarget target =
            m_printerName == PdfEntry() ? PrintTarget::PdfFile : PrintTarget::Printer;
        auto device = MakeDevice(s, clsTPrint::JobPerCard(s, target));
        if (!device) {
            return;
        }
        BusyScope busy(m_host.Busy);
        if (s.PrintOpenText) {
            extras.Schedule = LoadSchedule(extras.Kaisaikai, extras.Kumi);
        }
        print.Print(*device, m_input.Singles, s, extras, target);
        // A failed job has been reported; the cards written before it are not told as a success.
        if (!device->Failed()) {
            ReportPdf(device->WrittenFiles());
        }
    } catch (const std::exception& e) {
        m_err.ReportException("cmdPrint_Click", e);
    }
}

void frmPrint::PrintList(const PrintSettings& settings)
{
    clsTPrint print(m_host.Message);
    const auto count = static_cast<std::int32_t>(m_input.Singles.size());
    if (!print.ListPageRange(settings, count)) {
        return;
    }
    auto device = MakeDevice(settings, false);
    if (!device) {
        return;
    }
    BusyScope busy(m_host.Busy);
    PrintListInput list;
    list.Kaisaikai = m_input.Kaisaikai;
    list.Kumi = m_input.Kumi;
    list.FileName = m_input.FileName;
    list.Singles = m_input.Singles;
    // The schedule names the teams as the operator does; the vote status is the fallback.
    if (const auto schedule = LoadSchedule(m_input.Kaisaikai, m_input.Kumi)) {
        clsTPrintList::SetTeams(list, *schedule);
    } else {
        clsTPrintList::SetTeams(list, m_input.Vote);
    }
    clsTPrintList::EstimatePayouts(m_host.Message, m_input.Vote, list);
    print.PrintList(*device, list, settings);
    if (!device->Failed()) {
        ReportPdf(device->WrittenFiles());
    }
}

void frmPrint::OnTest()
{
    if (!m_host.Ask.YesNo("テスト印刷しますがよろしいですか？", m_err.Caption("cmdTest_Click"),
                          false)) {
        return;
    }
    try {
        const PrintSettings s = TakeSettings();
        auto device = MakeDevice(s, false);
        if (!device) {
            return;
        }
        BusyScope busy(m_host.Busy);
        clsTPrint(m_host.Message).TestPrint(*device, s, FromQ(m_kumiToPrint));
        ReportPdf(device->WrittenFiles());
    } catch (const std::exception& e) {
        m_err.ReportException("cmdTest_Click", e);
    }
}

void frmPrint::done(int r)
{
    try {
        clsPrinterIni ini(m_host.Message, m_input.ProgramFolder, m_input.LegalNotice);
        ini.Save(TakeSettings());
    } catch (const std::exception& e) {
        m_err.ReportException("Form_Unload", e);
    }
    QDialog::done(r);
}
