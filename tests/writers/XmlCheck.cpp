#include "tests/writers/XmlCheck.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <functional>
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

// Runs body on the nodes that path selects in the fragment; false when it cannot be parsed.
bool WithNodes(const std::string& fragment, const std::string& path, const std::function<void(xmlNodeSet*)>& body)
{
    Doc doc = Parse(AsDocument(fragment));
    if (!doc)
        return false;
    xmlXPathContext* context = xmlXPathNewContext(doc.get());
    xmlXPathObject* result = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(path.c_str()), context);
    body(result ? result->nodesetval : nullptr);
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return true;
}

} // namespace

bool IsWellFormed(const std::string& bytes) { return Parse(bytes) != nullptr; }

bool IsWellFormedFragment(const std::string& bytes) { return IsWellFormed(AsDocument(bytes)); }

std::string FragmentText(const std::string& bytes, const std::string& path)
{
    std::string text;
    bool parsed = WithNodes(bytes, path, [&text](xmlNodeSet* nodes) {
        if (!nodes || nodes->nodeNr == 0)
            return;
        xmlChar* content = xmlNodeGetContent(nodes->nodeTab[0]);
        text = reinterpret_cast<const char*>(content);
        xmlFree(content);
    });
    return parsed ? text : "<none>";
}

int FragmentCount(const std::string& bytes, const std::string& path)
{
    int count = 0;
    bool parsed = WithNodes(bytes, path, [&count](xmlNodeSet* nodes) { count = nodes ? nodes->nodeNr : 0; });
    return parsed ? count : -1;
}

} // namespace xmlcheck
