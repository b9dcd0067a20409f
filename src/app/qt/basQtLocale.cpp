#include "app/qt/basQtLocale.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace basQtLocale {
bool InstallQtTranslation(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    translator->setParent(&app);
    return QApplication::installTranslator(translator.release());
}

namespace {
QString Pick(const QStringList& installed, const QString& strWanted, const QString& strFallback)
{
    if (installed.contains(strWanted)) {
        return strWanted;
    }
    if (installed.contains(strFallback)) {
        return strFallback;
    }
    return installed.isEmpty() ? strWanted : installed.front();
}
} // namespace

void SubstituteWindowsFonts()
{
    // fontconfig knows none of these names; without the mapping Qt picks a Latin face with
    // proportional digits, which breaks the fixed-width columns of the ticket views.
    const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
    const QString fixed =
        Pick(installed, QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"));
    const QString proportional =
        Pick(installed, QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"));
    for (const QString& face : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                                QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho")}) {
        QFont::insertSubstitution(face, fixed);
    }
    for (const QString& face : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho")}) {
        QFont::insertSubstitution(face, proportional);
    }
}
} // namespace basQtLocale
