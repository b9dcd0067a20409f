#include "base/qt/clsQtClipboard.h"

#include "base/qt/basQtText.h"

#include <QClipboard>
#include <QGuiApplication>

std::string clsQtClipboard::GetText()
{
    return basQtText::FromQ(QGuiApplication::clipboard()->text());
}

void clsQtClipboard::SetText(std::string_view strText)
{
    QGuiApplication::clipboard()->setText(basQtText::ToQ(strText));
}
