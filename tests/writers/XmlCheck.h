// Checks on the XML files that the writers make, through libxml2.
#pragma once

#include <string>

namespace xmlcheck {

// True when the bytes are one well-formed XML document; libxml2's complaint goes to the log.
bool IsWellFormed(const std::string& bytes);
// True when the bytes are a sequence of well-formed elements (such as faces without their root):
// they are parsed inside a root element of their own.
bool IsWellFormedFragment(const std::string& bytes);
// The text that the root element of a well-formed document holds, as an XML reader gives it
// (entities replaced, line ends read as LF); false when the bytes are no such document.
bool ReadRootText(const std::string& bytes, std::string& text);

} // namespace xmlcheck
