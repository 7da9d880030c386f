// A test shell that answers document-kind names and form file names with the application's
// table, as the application object does.
#pragma once

#include "tests/support/TestShellState.h"

#include "shell/ZnDocKindNames.h"

class WriterShellState : public testsupport::TestShellState {
public:
    CString DocKindName(int code, int mode, int variant) const override
    {
        return ZnDocKindNames::DocKindName(code, mode, variant);
    }
    CString MakeFormFileName(int formNo) const override
    {
        return ZnDocKindNames::MakeFormFileName(formNo, GetDocMode(0));
    }
};
