#pragma once
// The print device of the window front end: replays the card's drawing operations with a
// QPainter on a QPrinter, A4 with no margins, the origin at the paper's corner and one painter
// unit per millimetre. Either an installed printer (through the system's print service) or a
// PDF file. The print dialog makes one for each print or test print.

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

    bool SetScaleMillimetre() override;
    bool SetPaperA4() override;
    bool SetLandscape(bool blnLandscape) override;
    bool StartPage(std::int32_t lngPage) override;
    void Draw(const PrintOp& op) override;
    bool EndJob() override;

    // The files written so far (PDF only), in order.
    const QStringList& WrittenFiles() const { return m_written; }

private:
    void SetUpPage();
    void ApplyScale();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QString m_pdfPath;
    bool m_filePerJob = false;
    QString m_jobFile;
    QStringList m_written;
};
