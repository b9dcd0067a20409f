#pragma once
// Opens documents and addresses with the desktop's default handler; a program with
// parameters is started directly (nobody waits for it).

#include "base/clsIOpener.h"

class clsQtOpener final : public clsIOpener
{
public:
    bool Open(std::string_view strFile, std::string_view strParameters) override;
};
