#include "fuzz/FuzzFile.h"

#include "fuzz/FuzzHost.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace {
class TempFolder
{
public:
    TempFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/kelvra-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            FuzzFail("cannot make the temporary folder");
        }
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

TempFolder& Folder()
{
    static TempFolder folder;
    return folder;
}
} // namespace

namespace FuzzFile {
const std::string& Path(const std::string& strExtension)
{
    static std::map<std::string, std::string> paths;
    auto it = paths.find(strExtension);
    if (it == paths.end()) {
        it = paths.emplace(strExtension, Folder().Path() + "/input." + strExtension).first;
    }
    return it->second;
}

void Write(const std::string& strPath, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        FuzzFail("cannot write the input file");
    }
}

std::string ProgramDir()
{
    const char* dir = std::getenv("KELVRA_FUZZ_PROGRAM_DIR");
    return dir != nullptr && *dir != '\0' ? std::string(dir) : std::string(KELVRA_FUZZ_DATA_DIR);
}
} // namespace FuzzFile
