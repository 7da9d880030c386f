// Checks on the XML files that the writers make, through libxml2.
#pragma once

#include <string>

namespace xmlcheck {

// True when the bytes are one well-formed XML document; libxml2's complaint goes to the log.
bool IsWellFormed(const std::string& bytes);
// True when the bytes are a sequence of well-formed elements (such as faces without their root):
// they are parsed inside a root element of their own.
bool IsWellFormedFragment(const std::string& bytes);
// The text of the first node that a path (UTF-8, over the fragment's own root "r") selects in a
// fragment, "" when none does; "<none>" when the fragment is not well-formed.
std::string FragmentText(const std::string& bytes, const std::string& path);
// The number of nodes that a path selects in a fragment; -1 when it is not well-formed.
int FragmentCount(const std::string& bytes, const std::string& path);

} // namespace xmlcheck
