#include "print/qt/clsQtPrintDevice.h"

#include "base/qt/basQtText.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

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
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setOutputFormat(QPrinter::NativeFormat);
    if (!strPrinterName.isEmpty()) {
        m_printer->setPrinterName(strPrinterName);
    }
    SetUpPage();
}

clsQtPrintDevice::clsQtPrintDevice(const QString& strPdfPath, bool blnFilePerJob)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_pdfPath(strPdfPath)
    , m_filePerJob(blnFilePerJob)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    SetUpPage();
}

clsQtPrintDevice::~clsQtPrintDevice()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
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
            return false;
        }
        ApplyScale();
        return true;
    }
    if (m_printer->outputFormat() == QPrinter::PdfFormat) {
        m_jobFile = m_filePerJob ? JobFileName(m_pdfPath, lngPage) : m_pdfPath;
        m_printer->setOutputFileName(m_jobFile);
    }
    if (!m_painter.begin(m_printer.get())) {
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
        const QFontMetricsF metrics(font, m_printer.get());
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
    const bool ended = m_painter.end();
    if (ended && !m_jobFile.isEmpty()) {
        if (!QFileInfo(m_jobFile).isFile()) {
            return false;
        }
        m_written << m_jobFile;
    }
    return ended;
}
