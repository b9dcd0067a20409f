#include "support/MainWindowFixture.h"

#include "support/TestPaths.h"

#include <QAbstractButton>
#include <QTest>

#include <filesystem>

MainWindowFixture::MainWindowFixture(Data data, const std::string& strIni)
{
    if (data == Data::Shipped) {
        std::filesystem::copy(std::filesystem::path(kelvra_test::SourceDataDir()), dir.Path(),
                              std::filesystem::copy_options::recursive);
        dir.Write("SysData/Kelvra.ini", strIni);
    }
}

void MainWindowFixture::Open()
{
    Open(std::make_unique<frmMain>(host.Host(), dir.Str()));
}

void MainWindowFixture::Open(std::unique_ptr<frmMain> made)
{
    window = std::move(made);
    window->SetMenuChooser(&chooser);
    window->SetFileDialog(&dialog);
    window->show();
}

void MainWindowFixture::Click(const char* strName) const
{
    QTest::mouseClick(Find<QAbstractButton>(strName), Qt::LeftButton);
}

void MainWindowFixture::Missing(const char* strName)
{
    qFatal("no widget %s", strName);
}
