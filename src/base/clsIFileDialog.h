#pragma once
// The file dialogs the window's file commands ask: which file to open, or where to save. The
// window gives the Qt one; tests script the answers.

#include <string>
#include <vector>

class clsIFileDialog
{
public:
    virtual ~clsIFileDialog() = default;
    // strFilter as "条件ファイル(*.drj)"; strProposedName without folder, empty for none. The
    // chosen path, or empty when cancelled.
    virtual std::string Open(const std::string& strCaption, const std::string& strFilter,
                             const std::string& strProposedName,
                             const std::string& strStartFolder) = 0;
    virtual std::string Save(const std::string& strCaption, const std::string& strFilter,
                             const std::string& strProposedName,
                             const std::string& strStartFolder) = 0;
    // Several existing files at once, as full paths in the order chosen; empty when cancelled.
    virtual std::vector<std::string> OpenMany(const std::string& strCaption,
                                              const std::string& strFilter,
                                              const std::string& strStartFolder) = 0;
};
