#pragma once
// The print device of the window front end: replays the card's drawing operations with a
// QPainter on a QPrinter, A4 with no margins, the origin at the paper's corner and one painter
// unit per millimetre. Either an installed printer (through the system's print service) or a
// PDF file. The print dialog makes one for each print or test print.
//
// A PDF job is written to a temporary file beside its target and renamed over it only once the
// job ended and the file is whole, so a job that failed (a full disk, a page that could not be
// started) leaves no file, and an older file of that name as it was.

#include "print/clsIPrintDevice.h"

#include <QPainter>
#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

class clsQtPrintDevice final : public clsIPrintDevice
{
public:
    // An installed printer by name; "" prints to the system's default printer.
    explicit clsQtPrintDevice(const QString& strPrinterName);
    // An installed printer with the options the user set in the queue's own dialog (tray,
    // copies, quality); the caller keeps it for the next print, and it outlives the device.
    explicit clsQtPrintDevice(QPrinter& printer);
    // A PDF file. With blnFilePerJob every job gets its own file, named after the path with
    // "-" and the job's first page before ".pdf" (cards.pdf: cards-1.pdf, cards-2.pdf, ...),
    // so that one job per card never overwrites the card before it.
    clsQtPrintDevice(const QString& strPdfPath, bool blnFilePerJob);
    ~clsQtPrintDevice() override;
    clsQtPrintDevice(const clsQtPrintDevice&) = delete;
    clsQtPrintDevice& operator=(const clsQtPrintDevice&) = delete;

    // The installed printers in the system's order, and the default one ("" when none).
    static QStringList InstalledPrinters();
    static QString DefaultPrinter();
    // The file of the job that starts at page lngPage when each job has its own file.
    static QString JobFileName(const QString& strPath, std::int32_t lngPage);

    // The name print queues and PDF readers show for the jobs.
    void SetJobTitle(const QString& strTitle);

    bool SetScaleMillimetre() override;
    bool SetPaperA4() override;
    bool SetLandscape(bool blnLandscape) override;
    bool StartPage(std::int32_t lngPage) override;
    void Draw(const PrintOp& op) override;
    bool EndJob() override;

    // The files written so far (PDF only), in order.
    const QStringList& WrittenFiles() const { return m_written; }
    // Whether a job of this device failed: then its output is not to be reported as written.
    bool Failed() const { return m_failed; }

    // Whether a PDF file is whole: its header at the start, its trailer at the end.
    static bool IsCompletePdf(const QString& strPath);

private:
    void SetUpPage();
    void ApplyScale();
    bool OpenJobFile(std::int32_t lngPage);
    void DiscardJobFile();
    bool PlaceJobFile();

    // m_printer is m_ownPrinter, or the caller's printer.
    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter* m_printer = nullptr;
    QPainter m_painter;
    QString m_pdfPath;
    bool m_filePerJob = false;
    QString m_jobFile;
    // Where the open PDF job is written until it is complete.
    QString m_tempFile;
    bool m_jobFailed = false;
    bool m_failed = false;
    QStringList m_written;
};
