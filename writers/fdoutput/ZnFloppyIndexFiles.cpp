#include "writers/fdoutput/ZnFloppyIndexFiles.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppSemiStr.h"
#include "model/ZnModelAppStruct.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinStdio.h"
#include "storage/ZnShellState.h"
#include "writers/ReadStoredDocument.h"
#include "writers/ZnValueTexts.h"
#include "writers/ZnWrittenFiles.h"
#include "writers/zip/ZipPacking.h"

#include <cstdlib>
#include <initializer_list>

namespace {

const char kFormListFile[] = "filename";
const char kInfoFile[] = "filename.iba";
const int kConfirmationDocType = 1000;
const int kInterimDocType = 1002;
const int kCompletionDocType = 1005;
const int kPlanChangeDocType = 1008;
const int kBuildingObjKind = 1023;
const int kSemiStructureObjKind = 1018;

template <typename Model> Model* ActiveModel(int slot)
{
    return dynamic_cast<Model*>(ZnShellState::Current()->GetModel(slot));
}

CString Number(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

// The submission code of the output page's choice: 今回申請 "1", 修正申請 "3".
CString SubmissionCode(int index) { return index == 0 ? "1" : (index == 1 ? "3" : ""); }

// The form number of a plan change of another form than the building's: base + 260.
CString PlanChangeForm(const CString& baseFormNo)
{
    CString text;
    text.Format("%3d", atoi(baseFormNo) + 260);
    return text;
}

// One record: the mark "#" + form, then each field in double quotes, as it is.
CString Record(const CString& form, std::initializer_list<CString> fields)
{
    CString record = "#" + form;
    for (const CString& field : fields)
        record += ",\"" + field + "\"";
    return record + "\n";
}

// The entry of a form for a number group (null: none): the era date and the text of its first number.
CString Entry(const CString& form, const CString& code, const ZnModelNumGroup* group)
{
    CString date, number;
    if (group) {
        date = ZnValueTexts::FormatEraDate6(group->GetFirstNum().GetDate());
        number = group->GetFirstNum().GetNumber();
    }
    return Record(form, {code, "6.00", date, number, ""});
}

// One entry per group of a list, in order; absent groups are skipped.
void AddEntries(CString& text, const CString& form, const CString& code, const ZnModelNumGroupList& groups)
{
    for (POSITION pos = groups.GetHeadPosition(); pos;) {
        if (const ZnModelNumGroup* group = groups.GetNext(pos))
            text += Entry(form, code, group);
    }
}

// The first group of a list that is there, or null.
const ZnModelNumGroup* FirstGroup(const ZnModelNumGroupList& groups)
{
    for (POSITION pos = groups.GetHeadPosition(); pos;) {
        if (const ZnModelNumGroup* group = groups.GetNext(pos))
            return group;
    }
    return nullptr;
}

const ZnModelNumGroupList& BuildingGroups(const ZnModelApp& app)
{
    return app.GetHeader().GetLocalData().GetNumGroupList();
}

// The number of items beside the first that the active document's kind covers, each of which
// needs a building number group of its own.
int FurtherItemCount()
{
    int code = ZnShellState::Current()->GetDocKindCode();
    if (code == 100002 || code == 100005) {
        const ZnModelAppLift* lifts = ActiveModel<ZnModelAppLift>(ZnShellState::formModelSlot);
        return lifts ? lifts->GetLiftList().GetCount() : 0;
    }
    if (code == 100004) {
        // The further structures, which the structure page counts as "他 N 件".
        const ZnModelAppStruct* structures = ActiveModel<ZnModelAppStruct>(ZnShellState::formModelSlot);
        return structures ? structures->GetStructList().GetCount() : 0;
    }
    if ((code >= 100102 && code <= 100105) || (code >= 100202 && code <= 100206)) {
        const ZnModelAppInspConf* inspection = ActiveModel<ZnModelAppInspConf>(ZnShellState::formModelSlot);
        return inspection ? inspection->m_confCertList.GetCount() : 0;
    }
    return 0;
}

// Appends empty building number groups, numbered by their position, until the application has
// one for each item of its document.
void CompleteBuildingGroups(ZnModelApp& app)
{
    ZnModelNumGroupList& groups = app.m_header.m_localData.m_buildingNumGroups;
    int required = 1 + FurtherItemCount();
    while (groups.GetCount() < required) {
        ZnModelNumGroup* group = new ZnModelNumGroup;
        group->m_itemNumber = groups.GetCount() + 1;
        groups.AddTail(group);
    }
}

// Opens an index file in text mode; null after telling that it cannot be opened.
FILE* OpenIndexFile(const CString& path, LPCTSTR name)
{
    FILE* file = WinFopen(path, "w");
    if (!file)
        AfxMessageBox(CString("出力ファイル(") + name + ")のオープンに失敗しました。", MB_OK | MB_ICONSTOP);
    return file;
}

// Writes the text into an index file opened by OpenIndexFile and closes it; false after telling
// that it could not be written whole (the cut-off file is removed).
bool FinishIndexFile(FILE* file, const CString& text, const CString& path)
{
    std::fwrite(text.Bytes().data(), 1, text.Bytes().size(), file);
    if (ZnWrittenFiles::CloseWrittenFile(file, path) == ZnWriteOutcome::written)
        return true;
    ZnWrittenFiles::ShowWriteFailed(path);
    return false;
}

// The entries "#110" to "#130", and "#140" with floorOutline, of the application's first building
// number group; "#410" before them for a plan change.
void WriteBuildIndexEntries(CString& text, int floorOutline, const CString& code, const ZnModelApp& app)
{
    const ZnModelNumGroup* group = FirstGroup(BuildingGroups(app));
    if (ZnShellState::Current()->GetDocType() == kPlanChangeDocType)
        text += Entry("410", code, group);
    for (LPCTSTR form : {"110", "120", "130"})
        text += Entry(form, code, group);
    if (floorOutline)
        text += Entry("140", code, group);
}

// The entries that accompany a building confirmation: "#240" of the property's stored
// construction notification, then one per lift, equipment, structure and second lift group.
void WriteAccompanyIndexEntries(CString& text, const CString& code, const ZnModelApp& app)
{
    // The notification's application root is read into an object of its own: the active
    // document, with its unsaved changes, stays as it is.
    ZnModelApp notification;
    ZnModel* models[] = {&notification};
    if (ReadStoredDocument(240, models, 1) == storedDocumentRead)
        text += Entry("240", code, FirstGroup(BuildingGroups(notification)));
    const ZnModelAppLocalData& data = app.GetHeader().GetLocalData();
    AddEntries(text, "161", code, data.m_liftNumGroups);
    AddEntries(text, "171", code, data.m_equipmentNumGroups);
    AddEntries(text, "181", code, data.m_structureNumGroups);
    AddEntries(text, "162", code, data.m_secondLiftNumGroups);
}

// The entries of a form other than the building's: one per number group, or for the groupIndex-th
// group alone; a plan change's form before each.
void AddFormEntries(CString& text, const CString& base, const CString& code, int groupIndex,
                    const ZnModelNumGroupList& groups)
{
    ZnShellState* shell = ZnShellState::Current();
    if (groupIndex != -1) {
        if (const ZnModelNumGroup* group = groups.GetAtIndex(groupIndex - 1))
            text += Entry(base, code, group);
        return;
    }
    // A building's inspection has one entry; its building's forms follow.
    bool first = shell->GetObjKind() == kBuildingObjKind &&
                 (shell->GetDocType() == kInterimDocType || shell->GetDocType() == kCompletionDocType);
    for (POSITION pos = groups.GetHeadPosition(); pos;) {
        const ZnModelNumGroup* group = groups.GetNext(pos);
        if (!group)
            continue;
        if (shell->GetDocType() == kPlanChangeDocType)
            text += Entry(PlanChangeForm(base), code, group);
        text += Entry(base, code, group);
        if (first)
            break;
    }
}

// The entries of the application that an inspection rests on: the building forms for a building,
// "#190" per number group for a structure under Article 88(2). Nothing when it is of another
// family than the object kind needs.
void AddInspectedApplicationEntries(CString& text, const CString& code)
{
    ZnShellState* shell = ZnShellState::Current();
    const ZnModelAppInspConf* inspection = ActiveModel<ZnModelAppInspConf>(ZnShellState::subFormModelSlot);
    const ZnModelApp* baseApp = inspection ? inspection->m_baseApp.Get() : nullptr;
    int docType = shell->GetDocType(), objKind = shell->GetObjKind();
    const ZnModelAppBuild* building = dynamic_cast<const ZnModelAppBuild*>(baseApp);
    if ((docType == kInterimDocType || docType == kCompletionDocType) && objKind == kBuildingObjKind && building)
        WriteBuildIndexEntries(text, ZnFloppyIndexFiles::HasFloorOutline(*building), code, *building);
    if (docType == kCompletionDocType && objKind == kSemiStructureObjKind &&
        dynamic_cast<const ZnModelAppSemiStr*>(baseApp))
        AddEntries(text, "190", code, BuildingGroups(*baseApp));
}

// Sinsei\filename: the base form, then the building's further forms or a plan change's form.
CString FormList(const CString& base, int floorOutline)
{
    int docType = ZnShellState::Current()->GetDocType();
    CString forms = "#" + base + "\n";
    if (base != "110")
        return docType == kPlanChangeDocType ? forms + "#" + PlanChangeForm(base) + "\n" : forms;
    forms += "#120\n#130\n";
    if (floorOutline)
        forms += "#140\n";
    if (docType == kConfirmationDocType)
        forms += "#240\n";
    else if (docType == kPlanChangeDocType)
        forms += "#410\n";
    return forms;
}

} // namespace

ZnFloppyIndexFiles::ZnFloppyIndexFiles(int submissionIndex, LPCTSTR baseFormNo, int groupIndex)
    : m_base(baseFormNo), m_code(SubmissionCode(submissionIndex)), m_groupIndex(groupIndex)
{
}

int ZnFloppyIndexFiles::HasFloorOutline(const ZnModelAppBuild& build)
{
    const ZnModelAppBuildPageList& pages = build.GetBuildPageList();
    for (POSITION pos = pages.GetHeadPosition(); pos;) {
        const ZnModelAppBuildPage* page = pages.GetNext(pos);
        if (page && !page->GetFloorOutlineList().IsEmpty())
            return 1;
    }
    return 0;
}

bool ZnFloppyIndexFiles::Write(LPCTSTR root) const
{
    ZnShellState* shell = ZnShellState::Current();
    bool building = m_base == "110";
    const ZnModelAppBuild* build = ActiveModel<ZnModelAppBuild>(ZnShellState::formModelSlot);
    int floorOutline = building && build ? HasFloorOutline(*build) : 0;
    CString formListPath = CString(root) + "\\Sinsei\\" + kFormListFile;
    FILE* file = OpenIndexFile(formListPath, kFormListFile);
    if (!file || !FinishIndexFile(file, FormList(m_base, floorOutline), formListPath))
        return false;

    CString infoPath = CString(root) + "\\Info\\" + kInfoFile;
    file = OpenIndexFile(infoPath, kInfoFile);
    if (!file)
        return false;
    // Without an application root the head is that of an empty one, and nothing is kept.
    ZnModelApp emptyApp;
    ZnModelApp* activeApp = ActiveModel<ZnModelApp>(ZnShellState::appModelSlot);
    ZnModelApp& app = activeApp ? *activeApp : emptyApp;
    CompleteBuildingGroups(app);
    const ZnModelAppLocalData& data = app.GetHeader().GetLocalData();
    int itemCount = m_groupIndex != -1 ? 1
                    : building         ? (build ? build->GetBuildPageList().GetCount() : 0)
                                       : data.GetNumGroupList().GetCount();
    CString text = Record(
        "000", {shell->GetBukkenName(), GetLocalTimeStamp().Left(8), "6.40", Number(app.GetHeader().m_headerNumber),
                m_code, data.GetDocKindCode().GetCode(), Number(itemCount), Number(data.m_liftNumGroups.GetCount()),
                Number(data.m_equipmentNumGroups.GetCount()), Number(data.m_structureNumGroups.GetCount()),
                Number(data.m_secondLiftNumGroups.GetCount())});
    if (building) {
        WriteBuildIndexEntries(text, floorOutline, m_code, app);
        if (shell->GetDocType() == kConfirmationDocType)
            WriteAccompanyIndexEntries(text, m_code, app);
    } else {
        AddFormEntries(text, m_base, m_code, m_groupIndex, data.GetNumGroupList());
        AddInspectedApplicationEntries(text, m_code);
    }
    return FinishIndexFile(file, text, infoPath);
}
