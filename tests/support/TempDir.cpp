#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "kelvra-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void TempDir::Write(const std::string& strRelative, const std::string& strBytes) const
{
    const auto p = m_path / strRelative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
}

std::string TempDir::Read(const std::string& strRelative) const
{
    std::ifstream f(m_path / strRelative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}
