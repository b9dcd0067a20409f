#include "app/clsSessionFile.h"

#include "base/clsAtomicSave.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace {
void Line(std::string& out, const char* strKey, const std::string& strValue)
{
    if (strValue.empty() || strValue.find_first_of("\r\n") != std::string::npos) {
        return;
    }
    out += strKey;
    out += '=';
    out += strValue;
    out += '\n';
}
} // namespace

std::string clsSessionFile::ToText() const
{
    std::string out = "# Kelvra session\n";
    for (const std::string& file : Recent) {
        Line(out, "Recent", file);
    }
    for (const std::string& file : Bought) {
        Line(out, "Bought", file);
    }
    Line(out, "LastFolder", LastFolder);
    Line(out, "Geometry", Geometry);
    Line(out, "WindowState", WindowState);
    return out;
}

void clsSessionFile::FromText(const std::string& strText)
{
    *this = clsSessionFile();
    std::istringstream in(strText);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        std::string value = line.substr(eq + 1);
        if (key == "Recent") {
            Recent.push_back(std::move(value));
        } else if (key == "Bought") {
            Bought.push_back(std::move(value));
        } else if (key == "LastFolder") {
            LastFolder = std::move(value);
        } else if (key == "Geometry") {
            Geometry = std::move(value);
        } else if (key == "WindowState") {
            WindowState = std::move(value);
        }
    }
}

bool clsSessionFile::Load(const std::string& strFileName)
{
    *this = clsSessionFile();
    std::error_code ec;
    if (!std::filesystem::exists(strFileName, ec)) {
        return !ec;
    }
    std::ifstream in(strFileName, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    FromText(text.str());
    return true;
}

bool clsSessionFile::Save(const std::string& strFileName, std::string& strError) const
{
    clsAtomicSave::Outcome outcome;
    if (clsAtomicSave::SaveBytes(strFileName, ToText(), outcome)) {
        return true;
    }
    strError = clsAtomicSave::WriteError(strFileName, outcome).Description;
    return false;
}
