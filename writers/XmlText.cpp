#include "writers/XmlText.h"

#include "platform/core/Cp932.h"

#include <algorithm>
#include <cstring>

namespace {

// Stands for a lead byte cut off at the end of a piece: no character either, one U+FFFD alone.
const char kCutOffLead = '\xA0';

} // namespace

void XmlText::Put(char byte) { PutAll(&byte, 1); }

void XmlText::PutAll(const char* bytes, size_t length)
{
    // Appended in runs: a CR goes in before every line feed, which is never the second byte of a
    // pair. A lead byte opens a pair that only a byte that can follow it closes.
    size_t run = 0;
    for (size_t i = 0; i < length; ++i) {
        unsigned char byte = static_cast<unsigned char>(bytes[i]);
        m_pairOpen = !(m_pairOpen && cp932::IsTrailByte(byte)) && cp932::IsLeadByte(byte);
        if (byte == '\n' && m_crlf) {
            m_bytes.append(bytes + run, i - run);
            m_bytes += '\r';
            run = i;
        }
    }
    m_bytes.append(bytes + run, length - run);
}

void XmlText::PutAll(LPCTSTR text) { PutAll(text, std::strlen(text)); }

void XmlText::PutIndent(int depth)
{
    // A piece starts with no pair open: tabs go in as they are.
    if (depth > 0)
        m_bytes.append(depth, '\t');
}

void XmlText::EndPiece()
{
    if (!m_pairOpen)
        return;
    m_bytes.back() = kCutOffLead;
    m_pairOpen = false;
}

void XmlText::Literal(LPCTSTR text)
{
    PutAll(text);
    EndPiece();
}

void XmlText::Value(const CString& value)
{
    const std::string& bytes = value.Bytes();
    // Most values have nothing to drop or escape: they go in whole.
    auto special = [](char byte) { return IsNonXmlByte(byte) || EntityOf(byte); };
    if (std::none_of(bytes.begin(), bytes.end(), special)) {
        PutAll(bytes.data(), bytes.size());
    } else {
        // Byte by byte, which is character by character here: none of these bytes is ever the
        // second byte of a pair. A dropped character ends a piece, so that a lead byte before it
        // stays one character and never pairs with the byte after it.
        for (char byte : bytes) {
            if (IsNonXmlByte(byte)) {
                m_lostChars = true;
                EndPiece();
            } else if (LPCTSTR entity = EntityOf(byte)) {
                PutAll(entity);
            } else {
                Put(byte);
            }
        }
    }
    EndPiece();
}

void XmlText::OpenTag(int depth, LPCTSTR tag)
{
    PutIndent(depth);
    Put('<');
    PutAll(tag);
    PutAll(">\n");
    EndPiece();
}

void XmlText::CloseTag(int depth, LPCTSTR tag)
{
    PutIndent(depth);
    PutAll("</");
    PutAll(tag);
    PutAll(">\n");
    EndPiece();
}

void XmlText::StartLeaf(int depth, LPCTSTR tag)
{
    PutIndent(depth);
    Put('<');
    PutAll(tag);
    Put('>');
    EndPiece();
}

void XmlText::EndLeaf(LPCTSTR tag)
{
    PutAll("</");
    PutAll(tag);
    PutAll(">\n");
    EndPiece();
}

void XmlText::Leaf(int depth, LPCTSTR tag, const CString& value)
{
    StartLeaf(depth, tag);
    Value(value);
    EndLeaf(tag);
}

std::string XmlText::Utf8() const { return cp932::ToUtf8(m_bytes); }

CString XmlText::Escape(const CString& text)
{
    // Byte by byte, which is character by character: none of the five can follow a lead byte in a
    // pair, so each is a character of its own wherever it stands.
    const std::string& bytes = text.Bytes();
    if (bytes.find_first_of("&<>\"'") == std::string::npos)
        return text; // nothing to escape, as with most values
    std::string escaped;
    for (char byte : bytes) {
        if (LPCTSTR entity = EntityOf(byte))
            escaped += entity;
        else
            escaped += byte;
    }
    return CString(escaped);
}

LPCTSTR XmlText::EntityOf(char byte)
{
    switch (byte) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&apos;";
    default:
        return nullptr;
    }
}

bool XmlText::IsNonXmlByte(char byte)
{
    unsigned char c = static_cast<unsigned char>(byte);
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}
