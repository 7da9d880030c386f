// The register rows and the inspection documents that the inspection floppy-output pages are
// opened on, shared by the tests that run the pages headless and those that show them.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "model/ZnModelNum.h"

namespace inspectiontest {

// Structure applications 3 (confirmation) and 4, 6 (plan changes); inspections of a building
// (100201), of an Article 88(2) structure (100106, 100206) and of a lift (100102).
inline const char kRegister[] =
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (3, 5, '工作物確認', 100006, 0, 1, '2010-09-03 00:00:00', 'U3', '', "
    u8"'', 'Ka003.190', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 5, '工作物変更六', 100306, 0, 1, '2011-02-01 00:00:00', '', '', "
    u8"'', 'Ka006.450', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 5, '工作物変更四', 100306, 0, 1, '2011-01-01 00:00:00', 'U4', "
    u8"'', 'G4', 'Ka004.450', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 5, '完了検査', 100201, 0, 1, '2012-03-09 00:00:00', 'U7', '', "
    u8"'', 'Ka007.211', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (8, 5, '中間検査', 100106, 0, 1, '2012-03-10 00:00:00', '', '', "
    u8"'', 'Ka008.286', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (9, 5, '昇降機中間', 100102, 0, 1, '2012-03-11 00:00:00', '', '', "
    u8"'', 'Ka009.282', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (10, 5, '工作物完了', 100206, 0, 1, '2012-03-12 00:00:00', '', '', "
    u8"'', 'Ka010.216', NULL);\n";

// An inspection of the type with two further confirmation numbers, carrying application (or none).
struct Inspection {
    Inspection(int docType, ZnModelApp* application)
    {
        app.m_firstOwner.m_person.m_name.m_name = "山田";
        form.m_confCert.SetNumber("第1号");
        for (const char* number : {"第2号", "第3号"}) {
            form.m_confCertList.AddTail(new ZnModelNum);
            form.m_confCertList.GetTail()->SetNumber(number);
        }
        if (docType == 1005)
            completion.m_baseApp.Reset(application);
        else
            interim.m_baseApp.Reset(application);
        this->docType = docType;
    }
    ZnModel& SubForm() { return docType == 1005 ? static_cast<ZnModel&>(completion) : interim; }

    int docType;
    ZnModelApp app;
    ZnModelAppInspConf form;
    ZnModelAppRegInspConf interim;
    ZnModelAppCompInspConf completion;
};

} // namespace inspectiontest
