#include "platform/database/JetDialect.h"

#include "platform/core/Cp932.h"
#include "platform/database/DaoConstants.h"

#include <cctype>
#include <cstdlib>
#include <vector>

const char* const JetDialect::RowIdColumn = "zn_dao_rowid";

namespace {

struct Token {
    enum Kind { Space, Word, Name, String, Symbol };
    Kind kind;
    std::string text; // a name or string without its quotes; anything else as written
    size_t begin;     // offset in the text
};

bool IsWordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// The content of the quoted run that opens at text[i]; a doubled closing quote stands for one
// (not in brackets). Leaves i after the closing quote, or at the end when there is none.
std::string ReadQuoted(const std::string& text, size_t& i, char close)
{
    std::string content;
    for (++i; i < text.size(); ++i) {
        if (text[i] != close) {
            content += text[i];
        } else if (close != ']' && i + 1 < text.size() && text[i + 1] == close) {
            content += close;
            ++i;
        } else {
            ++i;
            break;
        }
    }
    return content;
}

// Splits UTF-8 SQL into tokens. Double quotes delimit a string in Jet's dialect and a name in
// SQLite's.
std::vector<Token> Tokenize(const std::string& text, bool jet)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        Token token{Token::Symbol, std::string(), i};
        unsigned char c = text[i];
        if (std::isspace(c) || IsWordByte(c)) {
            bool space = std::isspace(c);
            token.kind = space ? Token::Space : Token::Word;
            while (i < text.size() && (space ? std::isspace(static_cast<unsigned char>(text[i]))
                                             : IsWordByte(static_cast<unsigned char>(text[i]))))
                ++i;
            token.text = text.substr(token.begin, i - token.begin);
        } else if (c == '[') {
            token.kind = Token::Name;
            token.text = ReadQuoted(text, i, ']');
        } else if (c == '\'' || c == '"') {
            token.kind = (c == '"' && !jet) ? Token::Name : Token::String;
            token.text = ReadQuoted(text, i, c);
        } else {
            token.text = text.substr(i++, 1);
        }
        tokens.push_back(token);
    }
    return tokens;
}

std::vector<Token> Significant(const std::vector<Token>& tokens)
{
    std::vector<Token> result;
    for (const Token& token : tokens)
        if (token.kind != Token::Space && !(token.kind == Token::Symbol && token.text == ";"))
            result.push_back(token);
    return result;
}

bool IsWord(const Token& token, const char* word)
{
    return token.kind == Token::Word && JetDialect::SameName(token.text, word);
}

std::string StringLiteral(const std::string& content)
{
    std::string out = "'";
    for (char c : content)
        out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

size_t Utf8Length(unsigned char lead) { return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

// A Jet LIKE pattern as a SQLite LIKE literal with "\" as escape: * and ? become % and _; a
// bracketed single character is that character; SQLite's own wildcards are escaped.
std::string LikeLiteral(const std::string& jetPattern)
{
    auto literal = [](const std::string& ch) { return (ch == "%" || ch == "_" || ch == "\\") ? "\\" + ch : ch; };
    std::string pattern;
    for (size_t i = 0; i < jetPattern.size();) {
        char c = jetPattern[i];
        size_t close = c == '[' ? jetPattern.find(']', i + 1) : std::string::npos;
        if (c == '*' || c == '?') {
            pattern += c == '*' ? '%' : '_';
            ++i;
        } else if (close != std::string::npos && close > i + 1 &&
                   close - i - 1 == Utf8Length(static_cast<unsigned char>(jetPattern[i + 1]))) {
            pattern += literal(jetPattern.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            size_t length = Utf8Length(static_cast<unsigned char>(c));
            pattern += literal(jetPattern.substr(i, length));
            i += length;
        }
    }
    return StringLiteral(pattern) + " ESCAPE '\\'";
}

std::string TranslateText(const std::string& text)
{
    std::string out;
    bool afterLike = false;
    for (const Token& token : Tokenize(text, true)) {
        if (token.kind == Token::Space) {
            out += token.text;
            continue;
        }
        if (IsWord(token, "True"))
            out += "-1";
        else if (IsWord(token, "False"))
            out += "0";
        else if (token.kind == Token::Name)
            out += JetDialect::Quote(token.text);
        else if (token.kind == Token::String)
            out += afterLike ? LikeLiteral(token.text) : StringLiteral(token.text);
        else
            out += token.text;
        afterLike = IsWord(token, "LIKE");
    }
    return out;
}

bool IsBlank(const std::string& text)
{
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::string WithoutTrailingSemicolons(std::string text)
{
    while (!text.empty() && (text.back() == ';' || std::isspace(static_cast<unsigned char>(text.back()))))
        text.pop_back();
    return text;
}

std::string ToUtf8(LPCTSTR text) { return cp932::ToUtf8(text ? text : ""); }

// Declared column types, one per supported DAO field type.
struct ColumnType {
    int daoType;
    const char* declared;
    LONG size; // fixed size in bytes; 0 for text, memo and binary
};

const ColumnType columnTypes[] = {
    {dbBoolean, "BIT", 1},        {dbByte, "BYTE", 1},       {dbInteger, "SMALLINT", 2},
    {dbLong, "INTEGER", 4},       {dbCurrency, "CURRENCY", 8}, {dbSingle, "REAL", 4},
    {dbDouble, "DOUBLE", 8},      {dbDate, "DATETIME", 8},   {dbText, "VARCHAR", 0},
    {dbLongBinary, "LONGBINARY", 0}, {dbMemo, "LONGTEXT", 0},
};

const LONG maxTextSize = 255; // also the size of a text column declared without one

} // namespace

std::string JetDialect::Translate(LPCTSTR jetText) { return TranslateText(ToUtf8(jetText)); }

std::string JetDialect::TranslateUtf8(const std::string& jetText) { return TranslateText(jetText); }

std::string JetDialect::BareName(LPCTSTR source)
{
    std::vector<Token> tokens = Significant(Tokenize(ToUtf8(source), true));
    if (tokens.size() != 1 || (tokens[0].kind != Token::Name && tokens[0].kind != Token::Word))
        return std::string();
    return tokens[0].text;
}

std::string JetDialect::Select(LPCTSTR source)
{
    std::string name = BareName(source);
    if (!name.empty())
        return "SELECT * FROM " + Quote(name);
    return WithoutTrailingSemicolons(Translate(source));
}

std::string JetDialect::Filtered(const std::string& select, LPCTSTR filter, LPCTSTR sort)
{
    std::string where = Translate(filter);
    std::string order = Translate(sort);
    if (IsBlank(where) && IsBlank(order))
        return select;
    std::string sql = "SELECT * FROM (" + select + ")";
    if (!IsBlank(where))
        sql += " WHERE (" + where + ")";
    if (!IsBlank(order))
        sql += " ORDER BY " + order;
    return sql;
}

bool JetDialect::WithRowId(const std::string& select, std::string& table, std::string& withRowId)
{
    std::vector<Token> tokens = Significant(Tokenize(select, false));
    if (tokens.size() < 4 || !IsWord(tokens[0], "SELECT") || tokens[1].text != "*" || !IsWord(tokens[2], "FROM") ||
        (tokens[3].kind != Token::Name && tokens[3].kind != Token::Word))
        return false;
    if (tokens.size() > 4 && !IsWord(tokens[4], "WHERE") && !IsWord(tokens[4], "ORDER"))
        return false;
    int depth = 0;
    for (size_t i = 4; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        depth += token.text == "(" ? 1 : token.text == ")" ? -1 : 0;
        if (depth == 0 && (IsWord(token, "UNION") || IsWord(token, "INTERSECT") || IsWord(token, "EXCEPT") ||
                           IsWord(token, "GROUP") || IsWord(token, "HAVING") || IsWord(token, "JOIN")))
            return false;
    }
    table = tokens[3].text;
    withRowId = "SELECT rowid AS " + Quote(RowIdColumn) + ", * " + select.substr(tokens[2].begin);
    return true;
}

std::string JetDialect::ColumnDefinition(int daoType, LONG size, bool required, const std::string& defaultValue)
{
    std::string definition;
    for (const ColumnType& type : columnTypes)
        if (type.daoType == daoType)
            definition = type.declared;
    if (definition.empty())
        return definition;
    if (daoType == dbText)
        definition += "(" + std::to_string(size > 0 && size <= maxTextSize ? size : maxTextSize) + ")";
    if (daoType == dbText || daoType == dbMemo)
        definition += " COLLATE NOCASE";
    std::string initial = defaultValue;
    if (daoType == dbBoolean) {
        required = true;
        initial = initial.empty() ? "0" : initial;
    }
    if (required)
        definition += " NOT NULL";
    if (!initial.empty())
        definition += " DEFAULT " + initial; // a literal: SQLite adds no column with an expression default
    return definition;
}

bool JetDialect::ParseDeclaredType(const std::string& declared, int& daoType, LONG& size)
{
    std::string upper;
    for (char c : declared)
        if (!std::isspace(static_cast<unsigned char>(c)))
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.rfind("VARCHAR(", 0) == 0 && upper.size() > 9 && upper.back() == ')') {
        std::string digits = upper.substr(8, upper.size() - 9);
        char* end = nullptr;
        long value = std::strtol(digits.c_str(), &end, 10);
        if (digits.empty() || *end || value <= 0 || value > maxTextSize)
            return false;
        daoType = dbText;
        size = static_cast<LONG>(value);
        return true;
    }
    for (const ColumnType& type : columnTypes)
        if (type.daoType != dbText && upper == type.declared) {
            daoType = type.daoType;
            size = type.size;
            return true;
        }
    return false;
}

std::string JetDialect::Quote(const std::string& name)
{
    std::string out = "\"";
    for (char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string JetDialect::NameKey(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

bool JetDialect::SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
