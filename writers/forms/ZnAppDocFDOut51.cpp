#include "writers/forms/ZnAppDocFDOut51.h"

#include "model/ZnModelAppTempUseConf.h"
#include "platform/core/AfxMessageBox.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut51, ZnTextFormWriter)

namespace {

// The records of both forms in their order, each with its section name and its item codes in
// the two forms (0: not in that form); the section numbers count the records of the form.
struct Section {
    const char* name;
    int itemCode220, itemCode230;
};
const Section kSections[] = {
    {"建築主、設置者又は築造主", 22010, 23010},
    {"代理者", 22020, 23020},
    {"建築確認", 22030, 23030},
    {"敷地の位置", 22040, 23040},
    {"設置する建築物又は工作物", 22050, 23050},
    {"仮使用の用途", 22060, 23060},
    {"工事着手予定年月日", 22070, 0},
    {"工事完了予定年月日", 22080, 0},
    {"仮使用期間", 22090, 23070},
    {"申請の理由", 22100, 23080},
    {"備考", 22110, 23090},
};

// The field lines of each section, in the order of kSections.
std::vector<std::vector<TextForm::Line>> SectionLines(const ZnModelApp& app, const ZnModelAppTempUseConf& t)
{
    return {
        TextForm::OwnerLines(app.GetOwner().GetIndividualData(), false),
        TextForm::AgentLines(app.GetDesigner()),
        {{t.m_confirmation.GetNumber(), t.m_confirmation.GetDate().GetDateString(), t.m_confirmation.GetFurtherText()}},
        {{t.m_siteAddress1.m_address}, {t.m_siteAddress2.m_address}},
        {{t.m_objectAddress.m_address}, {t.m_objectName.GetFurigana()}, {t.m_objectName.GetName()}},
        {{t.m_useText}},
        {{t.m_plannedStart.GetDateString()}},
        {{t.m_plannedEnd.GetDateString()}},
        {{t.m_useFrom.GetDateString(), t.m_useTo.GetDateString()}},
        {{t.m_reason}},
        {{ZnAppDocFDOut00::RemoveLineBreaks(t.m_remarks)}},
    };
}

} // namespace

TextForm ZnAppDocFDOut51::ComposeForm(int formNo, const CString& title, const ZnModelApp& app,
                                      const ZnModelAppTempUseConf& application)
{
    CString header;
    header.Format("#%d0%1d", formNo, application.m_formDigit);
    TextForm form(title, header);
    std::vector<std::vector<TextForm::Line>> lines = SectionLines(app, application);
    int sectionNo = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        int itemCode = formNo == 220 ? kSections[i].itemCode220 : kSections[i].itemCode230;
        if (itemCode == 0)
            continue;
        CString comment;
        comment.Format("%d.%s", ++sectionNo, kSections[i].name);
        form.AddRecord({comment, itemCode, lines[i]});
    }
    form.AddFurtherOwners(formNo, app.GetOwnerList());
    form.AddSigner("申請者名", formNo, app.GetApplicantName());
    return form;
}

void ZnAppDocFDOut51::OutputFDTokuteiGyouseichou(CString root, int submissionIndex)
{
    OutputFD(220, root, submissionIndex);
}

void ZnAppDocFDOut51::OutputFDKenchikuShuji(CString root, int submissionIndex) { OutputFD(230, root, submissionIndex); }

void ZnAppDocFDOut51::OutputFD(int formNo, CString root, int submissionIndex)
{
    const ZnModelAppTempUseConf* application = ActiveForm<ZnModelAppTempUseConf>();
    // The kind is checked before the medium is emptied, so that a wrong one loses nothing there.
    if (!ZnAppDocFDOut00::SetTempUseDocKindCode(application)) {
        AfxMessageBox("仮使用承認申請書の種類が正しくありません。", MB_OK | MB_ICONSTOP);
        return;
    }
    CString formText;
    formText.Format("%d", formNo);
    const ZnModelApp& app = *ActiveApp();
    ZnShellState* shell = ZnShellState::Current();
    int code = std::atoi(app.GetHeader().GetLocalData().m_documentKind.GetCode());
    CString title = shell->DocKindName(code, shell->GetDocMode(0), 1);
    OutputForm(root, submissionIndex, formText, title, [&](const CString& path) {
        return WriteFormFile(path, "様式ファイルのオープンに失敗しました。",
                             ComposeForm(formNo, title, app, *application));
    });
}
