#include "widgets/clsLoadingWindow.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

clsLoadingWindow::clsLoadingWindow(const QString& strVersion, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmLoading"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(24, 20, 24, 20);
    auto* title = new QLabel(QStringLiteral("Drovane  Kelvra"), frame);
    title->setObjectName(QStringLiteral("lblLoadingTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(strVersion, frame);
    version->setObjectName(QStringLiteral("lblLoadingVersion"));
    auto* text = new QLabel(QStringLiteral("起動しています。しばらくお待ち下さい..."), frame);
    text->setObjectName(QStringLiteral("lblLoadingText"));
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(360, 160)));
}

void clsLoadingWindow::ShowNow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    repaint();
    // Let the window system map and paint the window before the long load begins.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
