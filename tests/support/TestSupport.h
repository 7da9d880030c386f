// Helpers shared by the tests.
#pragma once

#include "platform/files/Afx.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

// Readable failures for CP932 strings: printed as UTF-8.
void PrintTo(const CString& value, std::ostream* os);

// Readable failures for a recording device context's calls: the call, its device points and the
// state in force, the text as UTF-8.
struct DcRecord;
void PrintTo(const DcRecord& record, std::ostream* os);

namespace testsupport {

// The UTF-8 form of a CP932 text, and the CP932 text of a UTF-8 one.
std::string Utf8(const CString& text);
CString Cp932(const std::string& utf8);

// Path of a file under tests/data.
std::string DataPath(const std::string& relative);

// Bytes of a hex fixture: pairs of hex digits, blanks ignored, "#" starts a comment to the line end.
std::string ReadHexFixture(const std::string& relative);

// Bytes as spaced hex, for failure messages.
std::string Hex(const std::string& bytes);

// Runs body and reports whether it threw a CArchiveException (which it deletes). Any other
// framework exception fails the test.
bool ThrowsArchiveException(const std::function<void()>& body);

// The bytes that an archive stores when body writes to it.
std::string StoreToBytes(const std::function<void(CArchive&)>& body);

// Runs body on a loading archive over bytes.
void LoadFromBytes(const std::string& bytes, const std::function<void(CArchive&)>& body);

// Calls body with damaged copies of bytes: every truncation shorter than the whole (or, when
// cuts is given and smaller, that many lengths spread evenly over it and the last 8 lengths),
// then `flips` copies with one to three bytes changed at random (fixed seed, so runs repeat).
void ForEachDamagedCopy(const std::string& bytes, int flips, const std::function<void(const std::string&)>& body,
                        size_t cuts = 0);

// The Jet error number that body raises (0 for none) and its description; the exception is
// deleted. Any other framework exception fails the test.
LONG DaoErrorOf(const std::function<void()>& body, CString* description = nullptr);

} // namespace testsupport
