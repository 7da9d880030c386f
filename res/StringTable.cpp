// The string table: the document strings of the templates, the status-bar indicators and the
// command prompts.
#include "platform/wnd/Resources.h"

#include <iterator>

namespace {
const StringResource strings[] = {
    // Only template 101 names a new file, so a new document opens without asking which kind.
    {101, u8"\nZnAppP\nZnAppP\n\n\nZnAppPro.Document\nZnAppP Document"},
    {102, u8"\nZnAppP\n\n\nZnAppPro.Document\nZnAppP Document"},
    {32790, u8"HTMLを表示します"},
    {59137, u8"CAP"},
    {59138, u8"NUM"},
    {59139, u8"SCRL"},
    {59142, u8"ｶﾅ"},
};

const AfxResourceSet registration(nullptr, 0, nullptr, 0, strings, std::size(strings));
} // namespace
