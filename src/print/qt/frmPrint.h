#pragma once
// The print dialog: prints the document's tickets onto the operator's mark cards, or as a
// ticket list to keep, on a printer or into a PDF file (one for the whole print, or one per
// card when asked), and the test print that helps find the shifts. The main window's 印刷
// command opens it modally:
//     frmPrint::ShowForm(input, host, this);
// It keeps its own copy of the input while open, reads SysData/Printer.ini below
// input.ProgramFolder when it opens and writes it whenever it closes. It may print any number
// of times before it is closed.

#include "base/clsErrorReporter.h"
#include "base/clsHost.h"
#include "print/PrintJobInput.h"
#include "print/PrintSettings.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QPrinter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QVBoxLayout;
class QPushButton;
class QRadioButton;
class clsQtPrintDevice;
struct PrinterIniValues;
struct ScheduleRecord;

class frmPrint : public QDialog
{
    Q_OBJECT

public:
    // The printers the dialog offers, in the system's order, and the system's default one.
    struct Printers
    {
        QStringList Names;
        QString Default;
        static Printers Installed();
    };
    // Where a PDF print goes; "" cancels the print. strSuggested is a proposed path.
    using PdfPathChooser = std::function<QString(const QString& strSuggested)>;

    // The entry of the printer list that writes PDF files instead of printing.
    static QString PdfEntry();

    frmPrint(const PrintJobInput& input, const clsHost& host, QWidget* parent = nullptr);
    // The same over a given printer list (tests, or a caller that has one already).
    frmPrint(const PrintJobInput& input, const clsHost& host, const Printers& printers,
             QWidget* parent);
    ~frmPrint() override;

    // Opens the dialog modally over parent and returns when it is closed.
    static void ShowForm(const PrintJobInput& input, const clsHost& host, QWidget* parent);

    // The title print queues and PDF readers show for a job: the work's file name, or
    // "Kelvra" for unsaved work.
    QString JobTitle() const;

    // Replaces the save dialog that asks for a PDF path.
    void SetPdfPathChooser(PdfPathChooser chooser) { m_choosePdf = std::move(chooser); }

    std::int32_t PageCount() const { return m_pageCount; }
    // What the dialog was opened with (its own copy).
    const PrintJobInput& Input() const { return m_input; }
    // Whether the ticket list (一覧) is chosen rather than the cards.
    bool ListChosen() const;
    // The settings as the dialog's fields give them now (what a print would use).
    PrintSettings TakeSettings() const;

public slots:
    void done(int r) override;

private:
    void Build();
    QLineEdit* NumberField(const char* strName);
    void BuildPrinterRows(QVBoxLayout* root);
    void BuildKind(QVBoxLayout* root);
    void BuildPageRange(QVBoxLayout* root);
    void BuildShifts(QVBoxLayout* root);
    void BuildRoundRow(QVBoxLayout* root);
    void BuildSwitchesAndButtons(QVBoxLayout* root);
    void Open(const Printers& printers);
    void ApplyIni(const PrinterIniValues& v);
    void OnPrinterChosen(int lngIndex);
    void OnPagesOption();
    void OnKindChosen();
    void PrintList(const PrintSettings& settings);
    void OnKumiChosen(int lngIndex);
    void OnPrint();
    void OnTest();
    // The chosen printer's own dialog (copies, tray, quality and the queue's options); what is
    // set there holds for every print to that printer while this dialog is open.
    void OnPrinterOptions();
    // The round the fields ask for; nullopt (reported) when it is not a whole number from 0.
    std::optional<std::int32_t> RoundToPrint() const;
    std::optional<ScheduleRecord> LoadSchedule(std::int32_t lngKaisaikai,
                                               const std::string& kumi) const;
    // The device of the chosen destination; null when there is none or the user cancelled.
    std::unique_ptr<clsQtPrintDevice> MakeDevice(const PrintSettings& settings, bool blnFilePerJob);
    void ReportPdf(const QStringList& strFiles) const;

    PrintJobInput m_input;
    clsHost m_host;
    clsErrorReporter m_err;
    std::int32_t m_pageCount = 1;
    QStringList m_installed;
    // The printer chosen in the list; "" until one is chosen.
    QString m_printerName;
    QString m_kumiToPrint;
    PdfPathChooser m_choosePdf;
    // The printer as its own dialog left it, and the printer of the list it was made for;
    // null until that dialog was opened.
    std::unique_ptr<QPrinter> m_queuePrinter;
    QString m_queuePrinterFor;

    QComboBox* m_cmbPrinters = nullptr;
    QComboBox* m_cmbDirection = nullptr;
    QButtonGroup* m_optKind = nullptr;
    QRadioButton* m_optCards = nullptr;
    QRadioButton* m_optList = nullptr;
    QButtonGroup* m_optPages = nullptr;
    QRadioButton* m_optAll = nullptr;
    QRadioButton* m_optRange = nullptr;
    QLineEdit* m_txtStart = nullptr;
    QLineEdit* m_txtEnd = nullptr;
    QLineEdit* m_txtLeft = nullptr;
    QLineEdit* m_txtTop = nullptr;
    QCheckBox* m_chkOpenNo = nullptr;
    QLineEdit* m_txtOpenNo = nullptr;
    QComboBox* m_cmbKumi = nullptr;
    QCheckBox* m_chkOpenText = nullptr;
    QCheckBox* m_chkPageText = nullptr;
    QCheckBox* m_chkFileText = nullptr;
    QCheckBox* m_chkSendDataA = nullptr;
    QCheckBox* m_chkPdfFilePerCard = nullptr;
    QPushButton* m_cmdPrinterOptions = nullptr;
    QPushButton* m_cmdTest = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
