// The exception that ends a step the user has already been told about (a data-exchange field
// that failed). Catchers drop it without a further message.
#pragma once

#include "platform/core/CException.h"

class CUserException : public CException {
public:
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowUserException();
