// The text forms of the floppy medium (Ksq001.220 to .260): each form byte for byte against an
// expected file worked out by hand, its number formats, and how an output ends on each failure.
#include "tests/writers/FloppyTestSupport.h"
#include "tests/writers/TextFormFixtures.h"

#include "writers/forms/ZnAppDocFDOut51.h"
#include "writers/forms/ZnAppDocFDOut53.h"
#include "writers/forms/ZnAppDocFDOut54.h"
#include "writers/forms/ZnAppDocFDOut55.h"

#include <cstdio>

using namespace floppytest;
using testsupport::Hex;
using testsupport::WriteFileBytes;
using ziptest::Snapshot;
using namespace textformtest;

namespace {

const UINT kInfo = MB_OK | MB_ICONINFORMATION;
const UINT kStop = MB_OK | MB_ICONSTOP;
const char kOpenFailed[] = "様式ファイルのオープンに失敗しました。";

std::string Form(const std::string& name) { return writertest::Expected("forms/" + name); }

class TextFormsTest : public FloppyTest {
protected:
    TextFormsTest()
    {
        shell_.ReplaceModel(0, app_ = new ZnModelApp);
        shell_.docMode = 32787;
    }
    template <typename Model> Model& Put()
    {
        Model* model = new Model;
        shell_.ReplaceModel(1, model);
        return *model;
    }
    std::string Written(const std::string& relative) { return Snapshot(RootPath())[relative]; }
    // The files of the root below its folders.
    std::map<std::string, std::string> Files() { return Snapshot(RootPath()); }
    std::vector<CString> ConverterRuns() { return shell_.converterRuns; }
    std::vector<CString> RootRun() { return {Root()}; }
    // Scripts OK for the next count message boxes.
    void AnswerOk(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            ui_.AnswerMessageBox(IDOK);
    }

    ZnModelApp* app_;
};

// True when the form's text holds the value between the texts before and after it.
bool Holds(const TextForm& form, const char* before, const char* value, const char* after)
{
    return form.Text().Bytes().find(std::string(before) + value + after) != std::string::npos;
}

// A writer whose form file cannot be opened.
template <typename Writer> class ClosedFormWriter : public Writer {
protected:
    FILE* OpenFormFile(const CString& path) override { return nullptr; }
};

} // namespace

// The two temporary-use forms: the .220 with every section, three further owners of which the
// middle is null, values holding the format's own separators and bytes 5C and 7C after a lead
// byte; the .230 without the planned dates and without further owners. The code of the selected
// kind and the form digit is stored in the document and written in the index files.
TEST_F(TextFormsTest, TemporaryUseApplications)
{
    struct {
        int objKind;
        bool furtherOwners;
        const char *form, *file, *title, *code;
    } cases[] = {
        {1028, true, "Keikaku/Ksq001.220", "temp_use_agency.220", "仮使用承認申請書（特定行政庁）", "100405"},
        {1024, false, "Keikaku/Ksq001.230", "temp_use_official.230", "仮使用承認申請書（建築主事）", "100415"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        shell_.ReplaceModel(0, app_ = new ZnModelApp);
        FillApp(*app_, c.furtherOwners);
        FillTempUse(Put<ZnModelAppTempUseConf>());
        shell_.objKind = c.objKind;
        shell_.converterRuns.clear();
        AnswerOk();
        if (c.objKind == 1028)
            ZnAppDocFDOut51().OutputFDTokuteiGyouseichou(Root(), 0);
        else
            ZnAppDocFDOut51().OutputFDKenchikuShuji(Root(), 0);
        EXPECT_EQ(Messages_t({{CString(c.title) + "のFD出力が終了しました", kInfo}}), TakeMessages());
        EXPECT_EQ(RootRun(), ConverterRuns());
        std::map<std::string, std::string> files = Files();
        EXPECT_EQ(Hex(Form(c.file)), Hex(files[c.form]));
        EXPECT_EQ(c.code, app_->m_header.m_localData.m_documentKind.GetCode());
        EXPECT_EQ("#" + std::string(c.form).substr(15) + "\r\n", files["Sinsei/filename"]);
        EXPECT_NE(std::string::npos, files["Info/filename.iba"].find(std::string(",\"") + c.code + "\","));
    }
}

// A kind without a code (another panel, a digit outside 0 to 5) is told before the medium is
// touched: an earlier output stays as it was.
TEST_F(TextFormsTest, ATemporaryUseKindWithoutCodeLeavesTheMediumAlone)
{
    mkdir(RootPath("Keikaku").c_str(), 0777);
    WriteFileBytes(RootPath("Keikaku/Ksq001.220"), "earlier");
    struct {
        int objKind, digit;
    } cases[] = {{1023, 3}, {1028, 6}, {1024, -1}};
    for (const auto& c : cases) {
        FillTempUse(Put<ZnModelAppTempUseConf>());
        shell_.Get<ZnModelAppTempUseConf>(1).m_formDigit = c.digit;
        shell_.objKind = c.objKind;
        AnswerOk();
        ZnAppDocFDOut51().OutputFDTokuteiGyouseichou(Root(), 0);
        EXPECT_EQ(Messages_t({{"仮使用承認申請書の種類が正しくありません。", kStop}}), TakeMessages());
        EXPECT_EQ((std::map<std::string, std::string>{{"Keikaku", "<folder>"}, {"Keikaku/Ksq001.220", "earlier"}}),
                  Files());
        EXPECT_TRUE(ConverterRuns().empty());
        EXPECT_EQ("", app_->m_header.m_localData.m_documentKind.GetCode());
    }
}

// The construction notification with three buildings, with and without its demolition part, and
// the supervisor file beside it.
TEST_F(TextFormsTest, ConstructionNotification)
{
    FillApp(*app_, false);
    for (int demolition : {1, 0}) {
        SCOPED_TRACE(demolition);
        FillConstruction(Put<ZnModelAppConstNotif>(), demolition);
        shell_.converterRuns.clear();
        AnswerOk();
        ZnAppDocFDOut53().OutputFD(Root(), 1);
        EXPECT_EQ(Messages_t({{"建築工事届のFD出力が終了しました", kInfo}}), TakeMessages());
        EXPECT_EQ(RootRun(), ConverterRuns());
        std::map<std::string, std::string> files = Files();
        EXPECT_EQ(Hex(Form(demolition ? "construction_with_demolition.240" : "construction_without_demolition.240")),
                  Hex(files["Keikaku/Ksq001.240"]));
        EXPECT_EQ(Hex(Form("construction_supervisor.xml")), Hex(files["Keikaku/~002.xml"]));
        EXPECT_EQ("#240\r\n", files["Sinsei/filename"]);
    }
}

// WriteForm alone: a folder of the form's name in the way is told in the form's own words and
// nothing is written; a supervisor file in the way is told and the form finished all the same.
TEST_F(TextFormsTest, TheConstructionFormAlone)
{
    FillApp(*app_, false);
    FillConstruction(Put<ZnModelAppConstNotif>(), 1);
    mkdir(RootPath("Keikaku").c_str(), 0777);
    mkdir(RootPath("Keikaku/Ksq001.240").c_str(), 0777);
    AnswerOk();
    EXPECT_FALSE(ZnAppDocFDOut53().WriteForm(Root()));
    EXPECT_EQ(Messages_t({{"様式ファイル（建築工事届）のオープンに失敗しました。", kStop}}), TakeMessages());
    EXPECT_EQ(0u, Files().count("Keikaku/~002.xml"));

    rmdir(RootPath("Keikaku/Ksq001.240").c_str());
    mkdir(RootPath("Keikaku/~002.xml").c_str(), 0777);
    AnswerOk();
    EXPECT_TRUE(ZnAppDocFDOut53().WriteForm(Root()));
    EXPECT_EQ(Messages_t({{"様式ファイルのオープン(~002.xml)に失敗しました。", kStop}}), TakeMessages());
    EXPECT_EQ(Hex(Form("construction_with_demolition.240")), Hex(Files()["Keikaku/Ksq001.240"]));
    EXPECT_TRUE(ConverterRuns().empty());
}

// The demolition notification, new and empty, and filled.
TEST_F(TextFormsTest, DemolitionNotification)
{
    Put<ZnModelAppDemNotif>();
    AnswerOk();
    ZnAppDocFDOut54().OutputFD(Root(), 0);
    EXPECT_EQ(Messages_t({{"建築物除却届のFD出力が終了しました", kInfo}}), TakeMessages());
    EXPECT_EQ(Hex(Form("demolition_empty.250")), Hex(Written("Keikaku/Ksq001.250")));
    EXPECT_EQ("#250\r\n", Written("Sinsei/filename"));

    FillDemolition(Put<ZnModelAppDemNotif>());
    AnswerOk();
    ZnAppDocFDOut54().OutputFD(Root(), 0);
    EXPECT_EQ(Messages_t({{"建築物除却届のFD出力が終了しました", kInfo}}), TakeMessages());
    EXPECT_EQ(Hex(Form("demolition_populated.250")), Hex(Written("Keikaku/Ksq001.250")));
    EXPECT_EQ(std::vector<CString>({Root(), Root()}), ConverterRuns());
}

// The safety-measures plan notification, its further-owner list holding only null elements.
TEST_F(TextFormsTest, SafetyPlanNotification)
{
    FillApp(*app_, false);
    app_->m_furtherOwners.AddTail(static_cast<CObject*>(nullptr));
    app_->m_furtherOwners.AddTail(static_cast<CObject*>(nullptr));
    FillSafetyPlan(Put<ZnModelAppSafeNotif>());
    AnswerOk();
    ZnAppDocFDOut55().OutputFD(Root(), 0);
    EXPECT_EQ(Messages_t({{"安全上の措置等に関する計画届のFD出力が終了しました", kInfo}}), TakeMessages());
    EXPECT_EQ(Hex(Form("safety_plan.260")), Hex(Written("Keikaku/Ksq001.260")));
    EXPECT_EQ(RootRun(), ConverterRuns());
}

// Each form's own number rule: .240 areas half up, .250 the Windows formatter's rounding (0.125
// gives 0.13 where glibc gives 0.12), .260 quantities cut.
TEST_F(TextFormsTest, EachFormRoundsByItsOwnRule)
{
    struct {
        double value;
        const char *area240, *area250, *quantity260;
    } cases[] = {
        {12.346, "12.35", "12.35", "12.34"},
        {12.344, "12.34", "12.34", "12.34"},
        {0.004, "", "", ""},
        {12.345, "12.35", "12.35", "12.34"},
        {99.999, "100.00", "100.00", "99.99"},
        {12.35, "12.35", "12.35", "12.35"},
        {0.005, "0.01", "0.01", ""},
        {0.125, "0.13", "0.13", "0.12"},
        {0.001, "", "", ""},
        {123.456, "123.46", "123.46", "123.45"},
    };
    ZnModelApp app;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ZnModelAppConstNotif construction;
        construction.m_siteArea = c.value;
        EXPECT_TRUE(Holds(ZnAppDocFDOut53::ComposeForm(app, construction), "#24070,;\n\"", c.area240, "\"\n"));
        ZnModelAppDemNotif demolition;
        demolition.m_floorArea = c.value;
        EXPECT_TRUE(Holds(ZnAppDocFDOut54::ComposeForm(demolition), "#25090,;\n\"", c.area250, "\"\n"));
        ZnModelAppSafeNotif safety;
        safety.m_area3 = c.value;
        EXPECT_TRUE(Holds(ZnAppDocFDOut55::ComposeForm(app, safety), ",\"", c.quantity260, "\"\n/* 4."));
    }
}

// A failing preparation ends the output with its own message and no form file; a form file that
// cannot be opened is told, the index files stay, and neither converter nor completion follows.
TEST_F(TextFormsTest, FailuresEndTheOutput)
{
    FillApp(*app_, false);
    FillConstruction(Put<ZnModelAppConstNotif>(), 0);
    WriteFileBytes(RootPath("Sinsei"), "a file in the way");
    AnswerOk();
    ZnAppDocFDOut53().OutputFD(Root(), 0);
    Messages_t messages = TakeMessages();
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(0u, Files().count("Keikaku/Ksq001.240"));
    unlink(RootPath("Sinsei").c_str());

    AnswerOk(4);
    ClosedFormWriter<ZnAppDocFDOut53>().OutputFD(Root(), 0);
    FillTempUse(Put<ZnModelAppTempUseConf>());
    shell_.objKind = 1028;
    ClosedFormWriter<ZnAppDocFDOut51>().OutputFDTokuteiGyouseichou(Root(), 0);
    ClosedFormWriter<ZnAppDocFDOut54>().OutputFD(Root(), 0);
    ClosedFormWriter<ZnAppDocFDOut55>().OutputFD(Root(), 0);
    EXPECT_EQ(Messages_t({{"様式ファイル（建築工事届）のオープンに失敗しました。", kStop},
                          {kOpenFailed, kStop},
                          {kOpenFailed, kStop},
                          {kOpenFailed, kStop}}),
              TakeMessages());
    std::map<std::string, std::string> files = Files();
    EXPECT_EQ("#260\r\n", files["Sinsei/filename"]);
    EXPECT_EQ(1u, files.count("Info/filename.iba"));
    EXPECT_EQ(0u, files.count("Keikaku/Ksq001.260"));
    EXPECT_TRUE(ConverterRuns().empty());
}

// A full medium: the cut-off form file is removed and told, with no converter run and no
// completion message. A construction notification's supervisor file that the medium cannot hold
// ends its output the same way, before the form file is written.
TEST_F(TextFormsTest, AFullMediumLeavesNoCutOffForm)
{
    FillApp(*app_, true);
    FillSafetyPlan(Put<ZnModelAppSafeNotif>());
    {
        ziptest::FileSizeLimit limit(600);
        AnswerOk();
        ZnAppDocFDOut55().OutputFD(Root(), 0);
    }
    EXPECT_EQ(Messages_t({{"ファイルの書き込み(Ksq001.260)に失敗しました。", kStop}}), TakeMessages());
    EXPECT_EQ(0u, Files().count("Keikaku/Ksq001.260"));
    EXPECT_TRUE(ConverterRuns().empty());

    FillApp(*app_, false);
    FillConstruction(Put<ZnModelAppConstNotif>(), 0);
    shell_.Get<ZnModelAppConstNotif>(1).m_supervisor.m_architectName.m_name = CString(std::string(2000, 'x'));
    {
        ziptest::FileSizeLimit limit(1500); // the form's 1059 bytes, not the supervisor's 2000
        AnswerOk();
        ZnAppDocFDOut53().OutputFD(Root(), 0);
    }
    EXPECT_EQ(Messages_t({{"ファイルの書き込み(~002.xml)に失敗しました。", kStop}}), TakeMessages());
    EXPECT_EQ(0u, Files().count("Keikaku/Ksq001.240"));
    EXPECT_EQ(0u, Files().count("Keikaku/~002.xml"));
    EXPECT_TRUE(ConverterRuns().empty());
}
