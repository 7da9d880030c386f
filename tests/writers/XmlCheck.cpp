#include "tests/writers/XmlCheck.h"

#include <libxml/parser.h>

#include <memory>

namespace xmlcheck {

namespace {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

Doc Parse(const std::string& bytes)
{
    return Doc(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "written.xml", nullptr, XML_PARSE_NONET));
}

std::string AsDocument(const std::string& fragment)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<r>" + fragment + "</r>";
}

} // namespace

bool IsWellFormed(const std::string& bytes) { return Parse(bytes) != nullptr; }

bool IsWellFormedFragment(const std::string& bytes) { return IsWellFormed(AsDocument(bytes)); }

bool ReadRootText(const std::string& bytes, std::string& text)
{
    Doc doc = Parse(bytes);
    if (!doc)
        return false;
    xmlChar* content = xmlNodeGetContent(xmlDocGetRootElement(doc.get()));
    text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return true;
}

} // namespace xmlcheck
