// A started application with an application folder (the register template and code tables), a
// register in obj/ holding two properties, and the floppy fixtures of tests/data/fdimport/ copied
// into the work folder; the import's clock is fixed.
#pragma once

#include "tests/support/RecordsetRows.h"
#include "tests/support/ShellTestSupport.h"

#include "fdimport/ZnAppFDImporter.h"
#include "fdimport/ZnDlgAppFDImport.h"
#include "fdimport/ZnDlgAppFDImportSave.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyImportIds.h"
#include "res/MainFrameIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <algorithm>
#include <filesystem>

class FloppyImport : public ShellTest {
protected:
    // Usage codes of the construction and demolition notification fixtures, each with a short
    // name that differs from its formal one.
    static constexpr const char* kUsageRows =
        u8"INSERT INTO ShuyouyoutoKubunKoujitodokeTbl (TblCode, Bangou, Code, Hyoujijun, SeishikiMeishou, "
        u8"TanshukuMeishou) VALUES ('10040', 31, '08410', 31, '主要用途正式一', '主要短一');\n"
        u8"INSERT INTO ShuyouyoutoKubunKoujitodokeTbl (TblCode, Bangou, Code, Hyoujijun, SeishikiMeishou, "
        u8"TanshukuMeishou) VALUES ('10040', 32, '08990', 32, '主要用途正式二', '主要短二');\n"
        u8"INSERT INTO ShuyouyoutoKubunKoujitodokeTbl (TblCode, Bangou, Code, Hyoujijun, SeishikiMeishou, "
        u8"TanshukuMeishou) VALUES ('10040', 33, '08010', 33, '主要用途正式三', '主要短三');\n"
        u8"INSERT INTO TatemonoYoutoKoujitodokeTbl (TblCode, Bangou, Code, Hyoujijun, SeishikiMeishou, "
        u8"TanshukuMeishou) VALUES ('10041', 31, '08010', 31, '建物用途正式', '建物短');\n";

    FloppyImport()
    {
        MakeFolders({"app", "com", "obj", "dst", "floppy"});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), Windows("floppy"));
        DaoCreateDatabase(Windows("app/APP_BUKKEN.mdb"), appBukkenSchema);
        MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
        CDaoDatabase codes;
        codes.Open(Windows("app/COM_CODE.mdb"));
        for (const std::string& row : SplitLines(kUsageRows))
            codes.Execute(cp932::FromUtf8(row).c_str());
        codes.Close();
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"),
                          std::string(appBukkenSchema) +
                              u8"INSERT INTO AppBukkenKanriTbl VALUES (2, '南町の家', '2010-09-03 00:00:00', 3, 0, "
                              u8"'X', NULL);\n"
                              u8"INSERT INTO AppBukkenKanriTbl VALUES (7, '北町の家', '2011-01-20 00:00:00', 2, 1, "
                              u8"'X', NULL);\n"
                              u8"INSERT INTO AppBukkenShousaiTbl (BukkenShousaiIndex, BukkenIndex, "
                              u8"ShinseiShoruiName, ShinseiShubetuCode, FileName) VALUES (5, 7, '前の書類', 100001, "
                              u8"'Ka001.110');\n");
        m_previousClock = ZnAppFDImporter::SetClock(&FixedClock);
    }
    ~FloppyImport() override { ZnAppFDImporter::SetClock(m_previousClock); }

    static COleDateTime FixedClock() { return COleDateTime(2026, 3, 4, 15, 16, 17); }

    static std::vector<std::string> SplitLines(const std::string& text)
    {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    // The names in a folder below the work folder, sorted, UTF-8.
    std::vector<std::string> Names(const std::string& relative) const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path(relative)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Opens the floppy contents dialog through the main frame's command and runs script in it; a
    // dialog that the script leaves open is cancelled.
    void OpenImport(std::function<void(ZnDlgAppFDImport&)> script)
    {
        m_ui.ScriptModal([script](CDialog& dialog) {
            auto& import = dynamic_cast<ZnDlgAppFDImport&>(dialog);
            script(import);
            if (import.ContinueModal())
                import.EndDialog(IDCANCEL);
        });
        Command(ID_FD_LOAD);
    }
    // The next destination dialog runs script; one that the script leaves open is cancelled.
    void ScriptSave(std::function<void(ZnDlgAppFDImportSave&)> script)
    {
        m_ui.ScriptModal([script](CDialog& dialog) {
            auto& save = dynamic_cast<ZnDlgAppFDImportSave&>(dialog);
            script(save);
            if (save.ContinueModal())
                save.EndDialog(IDCANCEL);
        });
    }
    // Reads the floppy of the work folder's floppy/ and saves it into destination (relative to the
    // work folder) under its own name, answering every message box with OK.
    void Import(const std::string& destination, int messageBoxes = 1)
    {
        for (int i = 0; i < messageBoxes; ++i)
            m_ui.AnswerMessageBox(IDOK);
        CString folder = Windows(destination);
        OpenImport([&](ZnDlgAppFDImport& import) {
            ASSERT_TRUE(UserInput::Click(import, IDC_FI_BTN_READ));
            ScriptSave([folder](ZnDlgAppFDImportSave& save) {
                save.SetDlgItemText(IDC_FS_EDIT_FOLDER, folder);
                EXPECT_TRUE(UserInput::Click(save, IDOK));
            });
            ASSERT_TRUE(UserInput::Click(import, IDOK));
        });
    }

    std::vector<std::string> DocumentRows(const std::string& relative)
    {
        ZnAppBukkenShousaiTblDAO set;
        set.SetDBPath(Windows(relative));
        return ReadRows(set, [](ZnAppBukkenShousaiTblDAO& s) {
            return Line(s.m_BukkenShousaiIndex, s.m_BukkenIndex, s.m_ShinseiShoruiName, s.m_ShinseiShubetuCode,
                        s.m_HeiganCode, s.m_ShinseiKaisuu, s.m_Koushinbi, s.m_UketukeBangou, s.m_ZadazezBangou,
                        s.m_GoukakuBangou, s.m_FileName, s.m_Bikou);
        });
    }
    // The text of a dialog item, UTF-8.
    static std::string Text(const CWnd& dialog, int nID)
    {
        CString text;
        dialog.GetDlgItemText(nID, text);
        return cp932::ToUtf8(text.Bytes());
    }
    // The Windows form of a path below the work folder, UTF-8 as Text gives it.
    std::string WindowsUtf8(const std::string& relative) const { return cp932::ToUtf8(Windows(relative).Bytes()); }
    static bool Enabled(const CWnd& dialog, int nID) { return dialog.GetDlgItem(nID)->IsWindowEnabled() != FALSE; }

    ZnAppFDImporter::Clock m_previousClock = nullptr;
};
