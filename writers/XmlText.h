// The text of an XML file, or of a piece of one, as a writer builds it in memory: CP932 bytes
// that are converted to UTF-8 once, when the whole is written (ZnWrittenFiles::WriteWholeFile).
// Every line feed of markup and values is stored as CR LF, as the file holds it; a piece for a
// stream in text mode keeps LF alone, for the stream adds the CR.
//
// The text is counted in characters as cp932::CharLength counts them. Each append is a piece that
// converts as it would on its own: a lead byte that ends a piece, cut off from its second byte, is
// stored as A0, a byte that is no character either, so that it too becomes one U+FFFD and never
// pairs with the first byte of the next piece.
//
// Elements stand one tab deeper per depth: a container is a start-tag line and an end-tag line,
// a leaf is its start tag, its values and its end tag on one line.
#pragma once

#include "platform/core/CString.h"

#include <string>

class XmlText {
public:
    enum LineEnds { CrLf, Lf };

    explicit XmlText(LineEnds lineEnds = CrLf) : m_crlf(lineEnds == CrLf) {}

    // Fixed markup, such as "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", as it stands.
    void Literal(LPCTSTR text);
    // A data value without the characters that XML cannot hold (IsNonXmlByte; LostChars tells
    // that some were dropped) and with "&", "<", ">", the double quote and the apostrophe escaped
    // (EntityOf): each of these bytes is a character of its own, also after a lead byte, which
    // then is one character of no code (one U+FFFD). Dropping a character joins nothing: a lead
    // byte before it stays such a character. An empty value appends nothing.
    void Value(const CString& value);

    // "<tag>" and "</tag>" of a container, each on a line of its own.
    void OpenTag(int depth, LPCTSTR tag);
    void CloseTag(int depth, LPCTSTR tag);
    // The start tag of a leaf, and its end tag with the end of the line: its values go between.
    void StartLeaf(int depth, LPCTSTR tag);
    void EndLeaf(LPCTSTR tag);
    // A leaf holding one value; an empty value leaves the tags side by side.
    void Leaf(int depth, LPCTSTR tag, const CString& value);

    // True when a value lost bytes that XML cannot hold.
    bool LostChars() const { return m_lostChars; }
    // The text in UTF-8, converted as cp932::ToUtf8 converts.
    std::string Utf8() const;

    // The text made safe as XML character data: every byte "&", "<", ">", the double quote and the
    // apostrophe replaced by its entity (EntityOf), in one pass, so that no entity is escaped
    // twice. Each of these bytes is a character of its own (cp932::CharLength), also after a lead
    // byte. Nothing else changes: unlike Value, it keeps control characters.
    static CString Escape(const CString& text);
    // The entity that stands for a byte in a value: "&amp;", "&lt;", "&gt;", "&quot;" or
    // "&apos;"; null for any other byte.
    static LPCTSTR EntityOf(char byte);
    // True for a byte that XML 1.0 allows in no document: a control character other than tab,
    // line feed and carriage return (a NUL included). No such byte is a second byte of a CP932
    // character.
    static bool IsNonXmlByte(char byte);

private:
    // Appends bytes of a piece, keeping track of the pair that a lead byte starts.
    void Put(char byte);
    void PutAll(const char* bytes, size_t length);
    void PutAll(LPCTSTR text);
    // Depth tabs at the start of a piece.
    void PutIndent(int depth);
    // Ends a piece: a lead byte that waits for its second byte becomes A0.
    void EndPiece();

    std::string m_bytes;
    bool m_crlf;
    bool m_pairOpen = false; // the last byte is a lead byte waiting for its second byte
    bool m_lostChars = false;
};
