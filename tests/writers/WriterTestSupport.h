// Shared by the writer tests: a shell holding a stored document of tests/data/writers/documents.txt,
// the writers by the names that table gives them, and a folder for what they write.
#pragma once

#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/WriterShellState.h"

#include "writers/ZnWriteOutcome.h"

#include <memory>
#include <string>

namespace writertest {

// A test shell with the sample code tables open and the application root alone in its slots.
class WriterShell : public WriterShellState {
public:
    WriterShell();
    // Puts a stored document (a row of documents.txt) into the slots, with its selections.
    void Install(const std::string& document);
    // Puts a new object of a class (null for "") into a slot.
    void Put(int slot, const std::string& className);
    template <typename Model> Model& Get(int slot) { return *static_cast<Model*>(GetModel(slot)); }

    std::unique_ptr<SampleCodeTables> codeTables{new SampleCodeTables(*this)};
};

// Runs a writer of documents.txt ("FDOut12", "FDOut30 2", "faces 1 2", "entries 1", ...) on a file,
// with its outcome: the first face's that is not written; written for the lists, which are written
// to a stream that this opens and closes.
ZnWriteOutcome Write(const std::string& writer, const CString& path);

// A temporary folder, with the Windows paths that the writers are given.
class OutputFolder {
public:
    CString WinPath(LPCTSTR name) const;
    std::string Written(LPCTSTR name) const;

private:
    testsupport::TempFolder m_folder;
};

// The bytes of an expected file under tests/data/writers.
std::string Expected(const std::string& name);

} // namespace writertest
