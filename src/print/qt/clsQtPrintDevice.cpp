#include "print/qt/clsQtPrintDevice.h"

#include "base/qt/basQtText.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

namespace {
// Thin enough not to smear a 1 mm mark, thick enough to show on a 300 dpi scan.
constexpr qreal kPenMm = 0.1;

// Coordinates reach the printer in single precision, as the card was always drawn.
qreal Mm(Currency value)
{
    return static_cast<qreal>(static_cast<float>(value.ToDouble()));
}

QColor ColourOf(const PrintOp& op)
{
    return op.HasColour ? QColor(op.Colour.R, op.Colour.G, op.Colour.B) : QColor(Qt::black);
}
} // namespace

void clsQtPrintDevice::SetUpPage()
{
    m_printer->setFullPage(true);
    m_printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

clsQtPrintDevice::clsQtPrintDevice(const QString& strPrinterName)
    : m_ownPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_printer(m_ownPrinter.get())
{
    m_printer->setOutputFormat(QPrinter::NativeFormat);
    if (!strPrinterName.isEmpty()) {
        m_printer->setPrinterName(strPrinterName);
    }
    SetUpPage();
}

clsQtPrintDevice::clsQtPrintDevice(QPrinter& printer)
    : m_printer(&printer)
{
    // The queue's dialog may have been switched to a file; this device prints.
    m_printer->setOutputFormat(QPrinter::NativeFormat);
    m_printer->setOutputFileName(QString());
    SetUpPage();
}

clsQtPrintDevice::clsQtPrintDevice(const QString& strPdfPath, bool blnFilePerJob)
    : m_ownPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_printer(m_ownPrinter.get())
    , m_pdfPath(strPdfPath)
    , m_filePerJob(blnFilePerJob)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    SetUpPage();
}

clsQtPrintDevice::~clsQtPrintDevice()
{
    // A job still open here was abandoned: it is not a file anyone asked for.
    if (m_painter.isActive()) {
        m_painter.end();
    }
    DiscardJobFile();
}

bool clsQtPrintDevice::IsCompletePdf(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-")) {
        return false;
    }
    const qint64 tail = std::min<qint64>(file.size(), 1024);
    if (!file.seek(file.size() - tail)) {
        return false;
    }
    const QByteArray end = file.read(tail).trimmed();
    return end.endsWith("%%EOF") && end.contains("startxref");
}

bool clsQtPrintDevice::OpenJobFile(std::int32_t lngPage)
{
    m_jobFile = m_filePerJob ? JobFileName(m_pdfPath, lngPage) : m_pdfPath;
    m_jobFailed = false;
    // Beside the target, so that the rename cannot cross devices.
    QTemporaryFile temp(m_jobFile + QStringLiteral(".kelvra-new-XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open()) {
        return false;
    }
    m_tempFile = temp.fileName();
    m_printer->setOutputFileName(m_tempFile);
    return true;
}

void clsQtPrintDevice::DiscardJobFile()
{
    if (!m_tempFile.isEmpty()) {
        QFile::remove(m_tempFile);
        m_tempFile.clear();
    }
}

bool clsQtPrintDevice::PlaceJobFile()
{
    if (!IsCompletePdf(m_tempFile)) {
        return false;
    }
    // The temporary file is private; the PDF gets the mode of the file it replaces, or that of
    // any new file.
    struct stat st
    {
    };
    mode_t mode = 0;
    if (::stat(QFile::encodeName(m_jobFile).constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(022);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const QByteArray from = QFile::encodeName(m_tempFile);
    if (::chmod(from.constData(), mode) != 0 ||
        std::rename(from.constData(), QFile::encodeName(m_jobFile).constData()) != 0) {
        return false;
    }
    m_tempFile.clear();
    return true;
}

QStringList clsQtPrintDevice::InstalledPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

QString clsQtPrintDevice::DefaultPrinter()
{
    return QPrinterInfo::defaultPrinterName();
}

QString clsQtPrintDevice::JobFileName(const QString& strPath, std::int32_t lngPage)
{
    QString base = strPath;
    if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        base.chop(4);
    }
    return base + QStringLiteral("-%1.pdf").arg(lngPage);
}

void clsQtPrintDevice::SetJobTitle(const QString& strTitle)
{
    m_printer->setDocName(strTitle);
}

bool clsQtPrintDevice::SetScaleMillimetre()
{
    m_printer->setFullPage(true);
    return m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool clsQtPrintDevice::SetPaperA4()
{
    return m_printer->setPageSize(QPageSize(QPageSize::A4));
}

bool clsQtPrintDevice::SetLandscape(bool blnLandscape)
{
    return m_printer->setPageOrientation(blnLandscape ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait);
}

void clsQtPrintDevice::ApplyScale()
{
    const qreal s = m_printer->resolution() / 25.4;
    m_painter.resetTransform();
    m_painter.scale(s, s);
}

bool clsQtPrintDevice::StartPage(std::int32_t lngPage)
{
    if (m_painter.isActive()) {
        if (!m_printer->newPage()) {
            m_jobFailed = true;
            return false;
        }
        ApplyScale();
        return true;
    }
    if (m_printer->outputFormat() == QPrinter::PdfFormat && !OpenJobFile(lngPage)) {
        m_failed = true;
        return false;
    }
    if (!m_painter.begin(m_printer)) {
        DiscardJobFile();
        m_failed = true;
        return false;
    }
    ApplyScale();
    return true;
}

void clsQtPrintDevice::Draw(const PrintOp& op)
{
    if (!m_painter.isActive()) {
        return;
    }
    const QRectF box(QPointF(Mm(op.X1), Mm(op.Y1)), QPointF(Mm(op.X2), Mm(op.Y2)));
    switch (op.Kind) {
    case PrintOpKind::Line:
        m_painter.setPen(QPen(ColourOf(op), kPenMm));
        m_painter.drawLine(QPointF(Mm(op.X1), Mm(op.Y1)), QPointF(Mm(op.X2), Mm(op.Y2)));
        break;
    case PrintOpKind::Rect:
        m_painter.setPen(QPen(ColourOf(op), kPenMm));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(box.normalized());
        break;
    case PrintOpKind::FillRect:
        m_painter.fillRect(box.normalized(), ColourOf(op));
        break;
    case PrintOpKind::Text: {
        // Font sizes count in the device's own dots; the painter's millimetre scale is undone.
        const qreal s = m_printer->resolution() / 25.4;
        QFont font(basQtText::ToQ(op.Font));
        font.setPointSizeF(Mm(op.PointSize) / s);
        m_painter.setFont(font);
        m_painter.setPen(ColourOf(op));
        const QFontMetricsF metrics(font, m_printer);
        const qreal top = Mm(op.Y1) - metrics.height() / 2;
        m_painter.drawText(QPointF(Mm(op.X1), top + metrics.ascent()), basQtText::ToQ(op.Text));
        break;
    }
    }
}

bool clsQtPrintDevice::EndJob()
{
    if (!m_painter.isActive()) {
        return false;
    }
    // The PDF writer reports no write error, even on a full disk: the file itself is checked.
    bool ended = m_painter.end() && !m_jobFailed;
    if (!m_tempFile.isEmpty()) {
        ended = ended && PlaceJobFile();
        if (ended) {
            m_written << m_jobFile;
        }
        DiscardJobFile();
    }
    if (!ended) {
        m_failed = true;
    }
    return ended;
}
