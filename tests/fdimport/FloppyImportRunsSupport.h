// Imports of the application floppy fixtures in a started application: the fixture that checks
// what an import made (folder, files, register and document rows, the documents loaded back), the
// table of the fixtures and what each gives, and the messages the import ends with.
#pragma once

#include "tests/fdimport/FloppyImportSupport.h"
#include "tests/support/SqliteRows.h"

#include "model/ZnModelAppConstNotif.h"

#include <memory>
#include <string>
#include <vector>

namespace importtest {

using testsupport::ReadFileBytes;
using testsupport::StoreToBytes;
using testsupport::WriteFileBytes;

const char kSaved[] = u8"FDの内容は正常に保存されました。";
const char kExists[] = u8"指定の物件は既に存在しています。";
const char kNothingRead[] = u8"申請FDから読み込める書類がありません。物件は作成されませんでした。";

inline std::string ClassOf(const ZnModel* model) { return model ? model->GetRuntimeClass()->m_lpszClassName : "-"; }
std::string Bytes(const ZnModel* model);

// What the floppy's readers return, read apart from the import: one object per reader that read.
std::vector<std::unique_ptr<ZnModelApp>> ReadFloppy(const CString& floppyPath);

// One floppy fixture and what its import gives.
struct FloppyCase {
    std::string fixture;
    std::string name;
    int kubun; // ShinseiKubun
    int heigan;
    // Per document: file name, code, kind name, and the classes of its three slots.
    struct Document {
        std::string fileName;
        int code;
        std::string kindName;
        std::string classes;
    };
    std::vector<Document> documents;
    std::vector<std::string> bitmaps; // copied from the floppy, byte for byte
};

extern const std::vector<FloppyCase> floppyCases;

class FloppyImportRuns : public FloppyImport {
protected:
    FloppyImportRuns() { Start(); }

    // The property's files, sorted.
    std::vector<std::string> PropertyFiles(const std::string& destination, const std::string& name) const
    {
        return Names(destination + "/" + name);
    }
    // Loads a document of the current property through the application's loader.
    bool Load(int bukkenIndex, int shousaiIndex)
    {
        m_app.m_nBukkenIndex = bukkenIndex;
        m_app.m_nBukkenShousaiIndex = shousaiIndex;
        return m_app.LoadBukkenDocument() != FALSE;
    }
    std::string LoadedClasses() const
    {
        return ClassOf(Document().GetAppModel()) + "|" + ClassOf(Document().GetFormModel()) + "|" +
               ClassOf(Document().GetSubFormModel());
    }
    // The header texts that the import gives the common part of a document.
    std::string HeaderTexts() const
    {
        const auto* app = static_cast<const ZnModelApp*>(Document().GetAppModel());
        const ZnModelAppHeader& header = app->m_header;
        return Line(header.m_firstText, header.m_secondText, header.m_thirdText, header.m_localData.m_localText,
                    header.m_localData.m_thirdLocalText);
    }
    // The import of the fixture into destination must have made exactly what the case says;
    // index is the property's expected BukkenIndex.
    void ExpectImported(const FloppyCase& c, const std::string& destination, int index)
    {
        SCOPED_TRACE(c.fixture + " into " + destination);
        EXPECT_EQ(kSaved, MessageTexts().back());
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_ui.messageBoxes.back().type);
        std::vector<std::string> files;
        for (const auto& document : c.documents)
            files.push_back(document.fileName);
        for (const std::string& bitmap : c.bitmaps)
            files.push_back(bitmap.substr(bitmap.find('/') + 1));
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, PropertyFiles(destination, c.name));
        for (const std::string& bitmap : c.bitmaps)
            EXPECT_EQ(
                ReadFileBytes(m_folder.Path("floppy/" + bitmap)),
                ReadFileBytes(m_folder.Path(destination + "/" + c.name + "/" + bitmap.substr(bitmap.find('/') + 1))));

        std::vector<std::string> registerRows = RegisterRows(destination + "/APP_BUKKEN.mdb");
        ASSERT_FALSE(registerRows.empty());
        std::string folder = cp932::ToUtf8(Windows(destination).Bytes());
        EXPECT_EQ(std::to_string(index) + "|" + c.name + "|2026-03-04 00:00:00|1|" + std::to_string(c.kubun) + "|" +
                      folder + "|",
                  registerRows.back());
        std::vector<std::string> rows;
        for (size_t i = 0; i < c.documents.size(); ++i)
            rows.push_back(std::to_string(i + 1) + "|" + std::to_string(index) + "|" + c.documents[i].kindName + "|" +
                           std::to_string(c.documents[i].code) + "|" + std::to_string(c.heigan) +
                           "|0|2026-03-04 00:00:00||||" + c.documents[i].fileName + "|");
        std::vector<std::string> stored = DocumentRows(destination + "/APP_BUKKEN.mdb");
        stored.erase(std::remove_if(stored.begin(), stored.end(),
                                    [&](const std::string& row) {
                                        return row.compare(row.find('|') + 1, std::to_string(index).size() + 1,
                                                           std::to_string(index) + "|") != 0;
                                    }),
                     stored.end());
        EXPECT_EQ(rows, stored);
        // Other programs read the register file too: what the import sets to 0 holds 0 there, not null.
        std::string registerFile = m_folder.Path(destination + "/APP_BUKKEN.mdb");
        std::string ofProperty = " WHERE BukkenIndex = " + std::to_string(index);
        std::string kubun = "SELECT quote(ShinseiKubun) FROM AppBukkenKanriTbl" + ofProperty;
        EXPECT_EQ(std::vector<std::string>{std::to_string(c.kubun)}, testsupport::SqliteRows(registerFile, kubun));
        std::string zeros = "SELECT quote(HeiganCode), quote(ShinseiKaisuu) FROM AppBukkenShousaiTbl" + ofProperty;
        EXPECT_EQ(std::vector<std::string>(c.documents.size(), std::to_string(c.heigan) + "|0"),
                  testsupport::SqliteRows(registerFile, zeros));

        // The property is the current one, and each document loads back as its reader gave it,
        // with the header texts of the import in its common part.
        EXPECT_EQ(Windows(destination), m_app.GetObjFolder());
        EXPECT_EQ(c.name, cp932::ToUtf8(m_app.GetBukkenName().Bytes()));
        EXPECT_EQ(index, Frame().GetBukkenIndex());
        std::vector<std::unique_ptr<ZnModelApp>> read = ReadFloppy(Windows("floppy") + "\\");
        ASSERT_EQ(c.documents.size(), read.size());
        for (size_t i = 0; i < c.documents.size(); ++i) {
            SCOPED_TRACE(c.documents[i].fileName);
            ASSERT_TRUE(Load(index, i + 1));
            EXPECT_EQ(c.documents[i].classes, LoadedClasses());
            EXPECT_EQ(c.name + u8"|2026/3/4|" + folder + u8"|2026/3/4|" + c.documents[i].fileName, HeaderTexts());
            ZnModel* whole = Document().GetSubFormModel() ? Document().GetSubFormModel() : Document().GetFormModel();
            if (dynamic_cast<ZnModelAppConstNotif*>(whole))
                continue; // its usage names are filled in: UsageNamesComeFromTheCodeTables
            EXPECT_EQ(Bytes(read[i].get()), Bytes(whole));
        }
    }
};

} // namespace importtest
