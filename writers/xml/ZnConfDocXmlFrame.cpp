#include "writers/xml/ZnConfDocXmlFrame.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppPersons.h"
#include "model/ZnModelInspDate.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinStdio.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

const LPCTSTR openFailedMessage = "様式ファイルのオープンに失敗しました。";
// There is no message of the system for a document without its models; the writer says so
// rather than read a model that is not there.
const LPCTSTR missingModelMessage = "申請書データの出力に必要な文書のデータがありません。";

CString Indent(int level) { return CString('\t', level); }

} // namespace

// Element writers.

void ZnConfDocXmlFrame::OpenElement(FILE* file, int level, LPCTSTR tag)
{
    WriteXmlLiteral(file, Indent(level) + "<" + tag + ">\n");
}

void ZnConfDocXmlFrame::CloseElement(FILE* file, int level, LPCTSTR tag)
{
    WriteXmlLiteral(file, Indent(level) + "</" + tag + ">\n");
}

void ZnConfDocXmlFrame::WriteLeaf(FILE* file, int level, LPCTSTR tag, const CString& value)
{
    WriteXmlLiteral(file, Indent(level) + "<" + tag + ">");
    WriteXmlValue(file, value);
    WriteXmlLiteral(file, CString("</") + tag + ">\n");
}

void ZnConfDocXmlFrame::WriteFixedLeaf(FILE* file, int level, LPCTSTR tag, LPCTSTR fixed)
{
    WriteXmlLiteral(file, Indent(level) + "<" + tag + ">" + fixed + "</" + tag + ">\n");
}

void ZnConfDocXmlFrame::WriteNumberLeaf(FILE* file, int level, LPCTSTR tag, int number)
{
    CString text;
    text.Format("%d", number);
    WriteLeaf(file, level, tag, text);
}

// Value texts.

CString ZnConfDocXmlFrame::FormatDate(const ZnModelDate& date)
{
    CString text;
    text.Format("%4d%02d%02d", date.GetYearCode().GetEraYear(0), date.GetMonth(), date.GetDay());
    return text;
}

CString ZnConfDocXmlFrame::FormatDateZeroPadded(const ZnModelDate& date)
{
    CString text;
    text.Format("%04d%02d%02d", date.GetYearCode().GetEraYear(0), date.GetMonth(), date.GetDay());
    return text;
}

CString ZnConfDocXmlFrame::FormatProcessCount(const ZnModelInspDate& record)
{
    int weight = record.GetDate().GetDateString().GetLength() + record.GetName().GetLength() + record.GetCount();
    CString text;
    if (weight > 0)
        text.Format("%d", record.GetCount());
    return text;
}

// Shared pieces.

void ZnConfDocXmlFrame::WriteDocumentHead(FILE* file)
{
    WriteXmlLiteral(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    WriteXmlLiteral(file, "<申請書データ>\n");
    OpenElement(file, 1, "管理情報");
    WriteFixedLeaf(file, 2, "バージョン", "1.1");
    CloseElement(file, 1, "管理情報");
}

void ZnConfDocXmlFrame::WriteArchitectBlock(FILE* file, int level, const ZnModelDesigner& architect)
{
    const JkModelIndividualData& office = architect.GetOfficeData();
    OpenElement(file, level, "建築士基本情報");
    OpenElement(file, level + 1, "資格");
    WriteLeaf(file, level + 2, "建築士種別",
              ZnAppDocFDOut00::GetArchitectClassName(architect.m_qualificationClass.GetCode()));
    WriteLeaf(
        file, level + 2, "資格発行元",
        CodeName(ZnAppComTblAccess::slotKenchikushiTourokuShubetsu, architect.m_qualificationAuthority.GetCode()));
    WriteLeaf(file, level + 2, "登録番号", architect.m_qualificationRegistrationNumber);
    CloseElement(file, level + 1, "資格");
    WriteLeaf(file, level + 1, "氏名", architect.GetName().GetName());
    OpenElement(file, level + 1, "建築士事務所");
    WriteLeaf(file, level + 2, "建築士種別",
              ZnAppDocFDOut00::GetArchitectClassName(architect.GetOfficeKind().GetCode()));
    WriteLeaf(file, level + 2, "許可交付元",
              CodeName(ZnAppComTblAccess::slotJimushoTourokuShubetsu, architect.m_officeAuthority.GetCode()));
    WriteLeaf(file, level + 2, "登録番号", architect.GetOfficeRegNo());
    WriteLeaf(file, level + 2, "建築士事務所名", office.GetName().GetName());
    CloseElement(file, level + 1, "建築士事務所");
    WriteContact(file, level + 1, office, "所在地");
    CloseElement(file, level, "建築士基本情報");
}

void ZnConfDocXmlFrame::WriteEntryOrder(FILE* file, int level, int order)
{
    WriteFixedLeaf(file, level, "代表区分", order == 1 ? "1" : "2");
    WriteNumberLeaf(file, level, "表示順", order);
}

void ZnConfDocXmlFrame::WriteOwnerFields(FILE* file, int level, const ZnModelOwner& owner)
{
    const JkModelIndividualData& person = owner.GetIndividualData();
    WriteLeaf(file, level, "氏名フリガナ", person.GetName().GetFurigana());
    WriteLeaf(file, level, "氏名", person.GetName().GetName());
    WriteContact(file, level, person, "住所");
}

void ZnConfDocXmlFrame::WriteContact(FILE* file, int level, const JkModelIndividualData& person, LPCTSTR addressTag)
{
    WriteLeaf(file, level, "郵便番号", person.GetAddress().GetPostalCode());
    WriteLeaf(file, level, addressTag, person.GetAddress().m_address);
    WriteLeaf(file, level, "電話番号", person.GetTelNumber().GetTelNumber());
}

void ZnConfDocXmlFrame::WriteApplicant(FILE* file, const ZnModelApp& root)
{
    WriteLeaf(file, 2, "申請者氏名", ZnAppDocFDOut00::RemoveLineBreaks(root.GetApplicantName().GetName()));
    WriteXmlLiteral(file, Indent(2) + "<申請日>");
    for (int part = 0; part < 3; ++part)
        WriteXmlValue(file, ZnAppDocFDOut00::GetShinseiDatePart(&root, part));
    WriteXmlLiteral(file, "</申請日>\n");
    WriteLeaf(file, 2, "申請先", root.GetApplyTo());
}

void ZnConfDocXmlFrame::WriteAgentBlock(FILE* file, const ZnModelDesigner& agent)
{
    OpenElement(file, 2, "代理者");
    WriteArchitectBlock(file, 3, agent);
    CloseElement(file, 2, "代理者");
}

void ZnConfDocXmlFrame::WriteConstructorFields(FILE* file, int level, const ZnModelConstructor& constructor, int order)
{
    const JkModelIndividualData& office = constructor.GetIndividualData();
    WriteEntryOrder(file, level, order);
    WriteLeaf(file, level, "氏名", constructor.GetName().GetName());
    OpenElement(file, level, "営業所");
    WriteLeaf(file, level + 1, "許可交付元",
              CodeName(ZnAppComTblAccess::slotKensetsugyouKyoka, constructor.GetCode().GetCode()));
    WriteLeaf(file, level + 1, "登録番号", constructor.GetText());
    WriteLeaf(file, level + 1, "営業所名", office.GetName().GetName());
    CloseElement(file, level, "営業所");
    WriteContact(file, level, office, "所在地");
}

void ZnConfDocXmlFrame::WriteInstallationSite(FILE* file, const JkModelAddress& address, const JkModelName& name,
                                              const CString& usage)
{
    OpenElement(file, 2, "設置する建築物又は工作物");
    WriteLeaf(file, 3, "所在地", address.m_address);
    WriteLeaf(file, 3, "名称のフリガナ", name.GetFurigana());
    WriteLeaf(file, 3, "名称", name.GetName());
    OpenElement(file, 3, "用途");
    WriteLeaf(file, 4, "用途内容", usage);
    CloseElement(file, 3, "用途");
    CloseElement(file, 2, "設置する建築物又は工作物");
}

CString ZnConfDocXmlFrame::CodeName(ZnAppComTblAccess::Slot slot, const CString& code)
{
    ZnAppComTblAccess* access = ZnShellState::Current()->GetComTblAccess();
    return access ? ZnAppComTblAccess::GetNameByCode(access->m_pRset[slot], code) : CString();
}

// The whole file.

void ZnConfDocXmlFrame::Write(const CString& path)
{
    if (!TakeModels()) {
        ReportMissingModel();
        return;
    }
    FILE* file = OpenOutput(path);
    if (!file)
        return;
    WriteDocumentHead(file);
    WriteSecondFace(file);
    WriteFirstFace(file);
    WriteXmlLiteral(file, EndsWithNewline() ? "</申請書データ>\n" : "</申請書データ>");
    ZnAppDocFDOut00::CloseWrittenFile(file, path);
}

FILE* ZnConfDocXmlFrame::OpenOutput(const CString& path)
{
    FILE* file = WinFopen(path, "w");
    if (!file)
        AfxMessageBox(openFailedMessage, MB_ICONSTOP | MB_OK);
    return file;
}

void ZnConfDocXmlFrame::ReportMissingModel() { AfxMessageBox(missingModelMessage, MB_ICONSTOP | MB_OK); }

bool ZnConfDocXmlFrame::TakeModels()
{
    m_root = dynamic_cast<const ZnModelApp*>(ZnShellState::Current()->GetModel(ZnShellState::appModelSlot));
    m_fields = FormFields();
    if (!m_root || !TakeForm())
        return false;
    // The plan-change block reads the third model, which only a plan change needs.
    return !IsPlanChange() || m_fields.prevConf;
}

bool ZnConfDocXmlFrame::IsPlanChange() const { return ZnShellState::Current()->GetDocType() == planChangeDocType; }

void ZnConfDocXmlFrame::WriteSecondFace(FILE* file) const
{
    OpenElement(file, 1, "第二面");
    WriteOwners(file);
    WriteAgentBlock(file, m_root->GetDesigner());
    WriteDesigners(file);
    WriteConstructors(file);
    WriteSiteBlock(file);
    WriteObjectBlock(file);
    WriteSchedule(file);
    WriteSpecifiedProcess(file);
    WriteBeforeRemarks(file);
    WriteRemarks(file);
    CloseElement(file, 1, "第二面");
}

void ZnConfDocXmlFrame::WriteOwners(FILE* file) const
{
    // The first owner carries 代表区分 and 表示順 last, every further owner first.
    OpenElement(file, 2, "建築主リスト");
    OpenElement(file, 3, "建築主");
    WriteOwnerFields(file, 4, m_root->GetOwner());
    WriteEntryOrder(file, 4, 1);
    CloseElement(file, 3, "建築主");
    ForEachFurtherEntry(m_root->GetOwnerList(), [file](const ZnModelOwner& owner, int order) {
        OpenElement(file, 3, "建築主");
        WriteEntryOrder(file, 4, order);
        WriteOwnerFields(file, 4, owner);
        CloseElement(file, 3, "建築主");
    });
    CloseElement(file, 2, "建築主リスト");
}

void ZnConfDocXmlFrame::WriteDesigners(FILE* file) const
{
    auto designer = [file](const ZnModelDesigner& entry, int order) {
        OpenElement(file, 3, "設計者");
        WriteArchitectBlock(file, 4, entry);
        WriteLeaf(file, 4, "設計図書", entry.GetDesignDocs());
        WriteEntryOrder(file, 4, order);
        CloseElement(file, 3, "設計者");
    };
    OpenElement(file, 2, "設計者リスト");
    designer(m_fields.persons->GetDesigner(), 1);
    ForEachFurtherEntry(m_fields.persons->GetDesignerList(), designer);
    CloseElement(file, 2, "設計者リスト");
}

void ZnConfDocXmlFrame::WriteConstructors(FILE* file) const
{
    auto constructor = [file](const ZnModelConstructor& entry, int order) {
        OpenElement(file, 3, "工事施工者");
        WriteConstructorFields(file, 4, entry, order);
        CloseElement(file, 3, "工事施工者");
    };
    OpenElement(file, 2, "工事施工者リスト");
    constructor(m_fields.persons->GetConstructor(), 1);
    ForEachFurtherEntry(m_fields.persons->GetConstructorList(), constructor);
    CloseElement(file, 2, "工事施工者リスト");
}

void ZnConfDocXmlFrame::WriteSchedule(FILE* file) const
{
    WriteLeaf(file, 2, "工事着手予定日", FormatDate(*m_fields.plannedStart));
    WriteLeaf(file, 2, "工事完了予定日", FormatDate(*m_fields.plannedEnd));
}

void ZnConfDocXmlFrame::WriteSpecifiedProcess(FILE* file) const
{
    const ZnModelInspDate& record = *m_fields.specProcess;
    OpenElement(file, 2, "特定工程工事終了予定日リスト");
    OpenElement(file, 3, "特定工程工事終了予定日");
    WriteLeaf(file, 4, "実施回数", FormatProcessCount(record));
    WriteLeaf(file, 4, "実施日", FormatDate(record.GetDate()));
    WriteLeaf(file, 4, "特定工程名称", record.GetName());
    WriteFixedLeaf(file, 4, "表示順", "1");
    CloseElement(file, 3, "特定工程工事終了予定日");
    CloseElement(file, 2, "特定工程工事終了予定日リスト");
}

void ZnConfDocXmlFrame::WriteRemarks(FILE* file) const
{
    OpenElement(file, 2, "備考");
    if (const JkModelName* name = RemarksStructureName()) {
        WriteLeaf(file, 3, "工作物の名称", name->GetName());
        WriteLeaf(file, 3, "工作物フリガナ", name->GetFurigana());
    }
    WriteLeaf(file, 3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(*m_fields.remarks));
    if (IsPlanChange())
        WriteLeaf(file, 3, "変更概要", *m_fields.changeOutline);
    CloseElement(file, 2, "備考");
}

void ZnConfDocXmlFrame::WriteFirstFace(FILE* file) const
{
    ZnShellState* shell = ZnShellState::Current();
    OpenElement(file, 1, "第一面");
    if (IsPlanChange())
        WritePlanChange(file);
    if (shell->GetDocMode(0) == notificationMode) {
        // The number of the first number group that is there.
        CString number;
        const ZnModelNumGroupList& groups = m_root->GetHeader().GetLocalData().GetNumGroupList();
        for (POSITION pos = groups.GetHeadPosition(); pos;) {
            if (const ZnModelNumGroup* group = groups.GetNext(pos)) {
                number = group->GetFirstNum().GetNumber();
                break;
            }
        }
        WriteLeaf(file, 2, "申請番号", number);
    }
    WriteApplicant(file, *m_root);
    CloseElement(file, 1, "第一面");
}

void ZnConfDocXmlFrame::WritePlanChange(FILE* file) const
{
    const ZnModelNum& prevConf = *m_fields.prevConf;
    OpenElement(file, 2, "計画を変更する直前の確認");
    WriteLeaf(file, 3, "計画変更の概要", *m_fields.planChangeOutline);
    WriteLeaf(file, 3, "確認済証交付者", prevConf.GetFurtherText());
    WriteLeaf(file, 3, "確認済証交付日", FormatDateZeroPadded(prevConf.GetDate()));
    WriteLeaf(file, 3, "確認済証番号", prevConf.GetNumber());
    CloseElement(file, 2, "計画を変更する直前の確認");
}
