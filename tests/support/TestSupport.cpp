#include "tests/support/TestSupport.h"

#include "platform/wnd/CRecordingDC.h"

#include "platform/core/Cp932.h"
#include "platform/database/AfxDao.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <random>
#include <sstream>

void PrintTo(const CString& value, std::ostream* os) { *os << '"' << cp932::ToUtf8(value.Bytes()) << '"'; }

void PrintTo(const DcRecord& record, std::ostream* os) { *os << cp932::ToUtf8(record.ToString()); }

namespace testsupport {

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }

CString Cp932(const std::string& utf8) { return CString(cp932::FromUtf8(utf8)); }

std::string DataPath(const std::string& relative) { return std::string(ZN_TEST_DATA) + "/" + relative; }

std::string ReadHexFixture(const std::string& relative)
{
    std::ifstream in(DataPath(relative));
    if (!in)
        throw std::runtime_error("missing fixture " + relative);
    std::string bytes;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::string digits;
        for (char c : line)
            if (std::isxdigit(static_cast<unsigned char>(c)))
                digits += c;
            else if (!std::isspace(static_cast<unsigned char>(c)))
                throw std::runtime_error("bad character in fixture " + relative);
        if (digits.size() % 2)
            throw std::runtime_error("odd hex digits in fixture " + relative + ": " + line);
        for (size_t i = 0; i < digits.size(); i += 2)
            bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::string Hex(const std::string& bytes)
{
    std::ostringstream out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char buffer[4];
        snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned char>(bytes[i]));
        out << (i ? " " : "") << buffer;
    }
    return out.str();
}

bool ThrowsArchiveException(const std::function<void()>& body)
{
    try {
        body();
    } catch (CArchiveException* e) {
        e->Delete();
        return true;
    } catch (CException* e) {
        ADD_FAILURE() << "unexpected exception: " << e->Describe().Bytes();
        e->Delete();
    }
    return false;
}

std::string StoreToBytes(const std::function<void(CArchive&)>& body)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        body(ar);
        ar.Close();
    }
    return file.Data();
}

void LoadFromBytes(const std::string& bytes, const std::function<void(CArchive&)>& body)
{
    CMemFile file(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    body(ar);
}

void ForEachDamagedCopy(const std::string& bytes, int flips, const std::function<void(const std::string&)>& body,
                        size_t cuts)
{
    if (cuts == 0 || bytes.size() <= cuts) {
        for (size_t cut = 0; cut < bytes.size(); ++cut)
            body(bytes.substr(0, cut));
    } else {
        for (size_t i = 0; i < cuts; ++i)
            body(bytes.substr(0, i * bytes.size() / cuts));
        for (size_t missing = std::min<size_t>(8, bytes.size()); missing > 0; --missing)
            body(bytes.substr(0, bytes.size() - missing));
    }
    if (bytes.empty())
        return;
    std::mt19937 random(20261206);
    for (int i = 0; i < flips; ++i) {
        std::string copy = bytes;
        int changes = 1 + static_cast<int>(random() % 3);
        for (int c = 0; c < changes; ++c)
            copy[random() % copy.size()] = static_cast<char>(random() & 0xFF);
        body(copy);
    }
}

LONG DaoErrorOf(const std::function<void()>& body, CString* description)
{
    try {
        body();
    } catch (CDaoException* e) {
        LONG code = e->m_pErrorInfo->m_lErrorCode;
        if (description)
            *description = e->m_pErrorInfo->m_strDescription;
        e->Delete();
        return code;
    } catch (CException* e) {
        ADD_FAILURE() << "unexpected exception: " << e->Describe().Bytes();
        e->Delete();
    }
    return 0;
}

} // namespace testsupport
