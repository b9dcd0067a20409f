#include "base/qt/clsQtOpener.h"

#include "base/qt/basQtText.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool clsQtOpener::Open(std::string_view strFile, std::string_view strParameters)
{
    const QString file = basQtText::ToQ(strFile);
    if (file.isEmpty()) {
        return false;
    }
    if (!strParameters.empty()) {
        return QProcess::startDetached(file, QProcess::splitCommand(basQtText::ToQ(strParameters)));
    }
    // "https://...", "mailto:..." go to their handlers as addresses; anything else is a path.
    const QUrl url(file);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1 && !QFileInfo::exists(file)) {
        return QDesktopServices::openUrl(url);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}
