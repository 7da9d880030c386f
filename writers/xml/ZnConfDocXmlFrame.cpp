#include "writers/xml/ZnConfDocXmlFrame.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppPersons.h"
#include "model/ZnModelInspDate.h"
#include "platform/core/AfxMessageBox.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/ZnWrittenFiles.h"

namespace {

const LPCTSTR openFailedMessage = "様式ファイルのオープンに失敗しました。";
// There is no message of the system for a document without its models; the writer says so
// rather than read a model that is not there.
const LPCTSTR missingModelMessage = "申請書データの出力に必要な文書のデータがありません。";

} // namespace

// Element writers.

void ZnConfDocXmlFrame::WriteNumberLeaf(XmlText& xml, int level, LPCTSTR tag, int number)
{
    CString text;
    text.Format("%d", number);
    xml.Leaf(level, tag, text);
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

void ZnConfDocXmlFrame::WriteDocumentHead(XmlText& xml)
{
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.Literal("<申請書データ>\n");
    xml.OpenTag(1, "管理情報");
    xml.Leaf(2, "バージョン", "1.1");
    xml.CloseTag(1, "管理情報");
}

void ZnConfDocXmlFrame::WriteArchitectBlock(XmlText& xml, int level, const ZnModelDesigner& architect)
{
    const JkModelIndividualData& office = architect.GetOfficeData();
    xml.OpenTag(level, "建築士基本情報");
    xml.OpenTag(level + 1, "資格");
    xml.Leaf(level + 2, "建築士種別", ZnAppDocFDOut00::GetArchitectClassName(architect.m_qualificationClass.GetCode()));
    xml.Leaf(level + 2, "資格発行元",
             CodeName(ZnAppComTblAccess::slotKenchikushiTourokuShubetsu, architect.m_qualificationAuthority.GetCode()));
    xml.Leaf(level + 2, "登録番号", architect.m_qualificationRegistrationNumber);
    xml.CloseTag(level + 1, "資格");
    xml.Leaf(level + 1, "氏名", architect.GetName().GetName());
    xml.OpenTag(level + 1, "建築士事務所");
    xml.Leaf(level + 2, "建築士種別", ZnAppDocFDOut00::GetArchitectClassName(architect.GetOfficeKind().GetCode()));
    xml.Leaf(level + 2, "許可交付元",
             CodeName(ZnAppComTblAccess::slotJimushoTourokuShubetsu, architect.m_officeAuthority.GetCode()));
    xml.Leaf(level + 2, "登録番号", architect.GetOfficeRegNo());
    xml.Leaf(level + 2, "建築士事務所名", office.GetName().GetName());
    xml.CloseTag(level + 1, "建築士事務所");
    WriteContact(xml, level + 1, office, "所在地");
    xml.CloseTag(level, "建築士基本情報");
}

void ZnConfDocXmlFrame::WriteEntryOrder(XmlText& xml, int level, int order)
{
    xml.Leaf(level, "代表区分", order == 1 ? "1" : "2");
    WriteNumberLeaf(xml, level, "表示順", order);
}

void ZnConfDocXmlFrame::WriteOwnerFields(XmlText& xml, int level, const ZnModelOwner& owner)
{
    const JkModelIndividualData& person = owner.GetIndividualData();
    xml.Leaf(level, "氏名フリガナ", person.GetName().GetFurigana());
    xml.Leaf(level, "氏名", person.GetName().GetName());
    WriteContact(xml, level, person, "住所");
}

void ZnConfDocXmlFrame::WriteContact(XmlText& xml, int level, const JkModelIndividualData& person, LPCTSTR addressTag)
{
    xml.Leaf(level, "郵便番号", person.GetAddress().GetPostalCode());
    xml.Leaf(level, addressTag, person.GetAddress().m_address);
    xml.Leaf(level, "電話番号", person.GetTelNumber().GetTelNumber());
}

void ZnConfDocXmlFrame::WriteApplicant(XmlText& xml, const ZnModelApp& root)
{
    xml.Leaf(2, "申請者氏名", ZnAppDocFDOut00::RemoveLineBreaks(root.GetApplicantName().GetName()));
    xml.StartLeaf(2, "申請日");
    for (int part = 0; part < 3; ++part)
        xml.Value(ZnAppDocFDOut00::GetShinseiDatePart(&root, part));
    xml.EndLeaf("申請日");
    xml.Leaf(2, "申請先", root.GetApplyTo());
}

void ZnConfDocXmlFrame::WriteAgentBlock(XmlText& xml, const ZnModelDesigner& agent)
{
    xml.OpenTag(2, "代理者");
    WriteArchitectBlock(xml, 3, agent);
    xml.CloseTag(2, "代理者");
}

void ZnConfDocXmlFrame::WriteConstructorFields(XmlText& xml, int level, const ZnModelConstructor& constructor,
                                               int order)
{
    const JkModelIndividualData& office = constructor.GetIndividualData();
    WriteEntryOrder(xml, level, order);
    xml.Leaf(level, "氏名", constructor.GetName().GetName());
    xml.OpenTag(level, "営業所");
    xml.Leaf(level + 1, "許可交付元",
             CodeName(ZnAppComTblAccess::slotKensetsugyouKyoka, constructor.GetCode().GetCode()));
    xml.Leaf(level + 1, "登録番号", constructor.GetText());
    xml.Leaf(level + 1, "営業所名", office.GetName().GetName());
    xml.CloseTag(level, "営業所");
    WriteContact(xml, level, office, "所在地");
}

void ZnConfDocXmlFrame::WriteInstallationSite(XmlText& xml, const JkModelAddress& address, const JkModelName& name,
                                              const CString& usage)
{
    xml.OpenTag(2, "設置する建築物又は工作物");
    xml.Leaf(3, "所在地", address.m_address);
    xml.Leaf(3, "名称のフリガナ", name.GetFurigana());
    xml.Leaf(3, "名称", name.GetName());
    xml.OpenTag(3, "用途");
    xml.Leaf(4, "用途内容", usage);
    xml.CloseTag(3, "用途");
    xml.CloseTag(2, "設置する建築物又は工作物");
}

CString ZnConfDocXmlFrame::CodeName(ZnAppComTblAccess::Slot slot, const CString& code)
{
    ZnAppComTblAccess* access = ZnShellState::Current()->GetComTblAccess();
    return access ? ZnAppComTblAccess::GetNameByCode(access->m_pRset[slot], code) : CString();
}

// The whole file.

ZnWriteOutcome ZnConfDocXmlFrame::Write(const CString& path, bool append)
{
    if (!TakeModels()) {
        ReportMissingModel();
        return ZnWriteOutcome::told;
    }
    FILE* file = OpenOutput(path, append);
    if (!file)
        return ZnWriteOutcome::told;
    XmlText xml;
    WriteDocumentHead(xml);
    WriteSecondFace(xml);
    WriteFirstFace(xml);
    xml.Literal(EndsWithNewline() ? "</申請書データ>\n" : "</申請書データ>");
    return ZnWrittenFiles::WriteWholeFile(file, xml, path);
}

FILE* ZnConfDocXmlFrame::OpenOutput(const CString& path, bool append)
{
    FILE* file = ZnWrittenFiles::OpenWholeFile(path, append);
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

void ZnConfDocXmlFrame::WriteSecondFace(XmlText& xml) const
{
    xml.OpenTag(1, "第二面");
    WriteOwners(xml);
    WriteAgentBlock(xml, m_root->GetDesigner());
    WriteDesigners(xml);
    WriteConstructors(xml);
    WriteSiteBlock(xml);
    WriteObjectBlock(xml);
    WriteSchedule(xml);
    WriteSpecifiedProcess(xml);
    WriteBeforeRemarks(xml);
    WriteRemarks(xml);
    xml.CloseTag(1, "第二面");
}

void ZnConfDocXmlFrame::WriteOwners(XmlText& xml) const
{
    // The first owner carries 代表区分 and 表示順 last, every further owner first.
    xml.OpenTag(2, "建築主リスト");
    xml.OpenTag(3, "建築主");
    WriteOwnerFields(xml, 4, m_root->GetOwner());
    WriteEntryOrder(xml, 4, 1);
    xml.CloseTag(3, "建築主");
    ForEachFurtherEntry(m_root->GetOwnerList(), [&xml](const ZnModelOwner& owner, int order) {
        xml.OpenTag(3, "建築主");
        WriteEntryOrder(xml, 4, order);
        WriteOwnerFields(xml, 4, owner);
        xml.CloseTag(3, "建築主");
    });
    xml.CloseTag(2, "建築主リスト");
}

void ZnConfDocXmlFrame::WriteDesigners(XmlText& xml) const
{
    auto designer = [&xml](const ZnModelDesigner& entry, int order) {
        xml.OpenTag(3, "設計者");
        WriteArchitectBlock(xml, 4, entry);
        xml.Leaf(4, "設計図書", entry.GetDesignDocs());
        WriteEntryOrder(xml, 4, order);
        xml.CloseTag(3, "設計者");
    };
    xml.OpenTag(2, "設計者リスト");
    designer(m_fields.persons->GetDesigner(), 1);
    ForEachFurtherEntry(m_fields.persons->GetDesignerList(), designer);
    xml.CloseTag(2, "設計者リスト");
}

void ZnConfDocXmlFrame::WriteConstructors(XmlText& xml) const
{
    auto constructor = [&xml](const ZnModelConstructor& entry, int order) {
        xml.OpenTag(3, "工事施工者");
        WriteConstructorFields(xml, 4, entry, order);
        xml.CloseTag(3, "工事施工者");
    };
    xml.OpenTag(2, "工事施工者リスト");
    constructor(m_fields.persons->GetConstructor(), 1);
    ForEachFurtherEntry(m_fields.persons->GetConstructorList(), constructor);
    xml.CloseTag(2, "工事施工者リスト");
}

void ZnConfDocXmlFrame::WriteSchedule(XmlText& xml) const
{
    xml.Leaf(2, "工事着手予定日", FormatDate(*m_fields.plannedStart));
    xml.Leaf(2, "工事完了予定日", FormatDate(*m_fields.plannedEnd));
}

void ZnConfDocXmlFrame::WriteSpecifiedProcess(XmlText& xml) const
{
    const ZnModelInspDate& record = *m_fields.specProcess;
    xml.OpenTag(2, "特定工程工事終了予定日リスト");
    xml.OpenTag(3, "特定工程工事終了予定日");
    xml.Leaf(4, "実施回数", FormatProcessCount(record));
    xml.Leaf(4, "実施日", FormatDate(record.GetDate()));
    xml.Leaf(4, "特定工程名称", record.GetName());
    xml.Leaf(4, "表示順", "1");
    xml.CloseTag(3, "特定工程工事終了予定日");
    xml.CloseTag(2, "特定工程工事終了予定日リスト");
}

void ZnConfDocXmlFrame::WriteRemarks(XmlText& xml) const
{
    xml.OpenTag(2, "備考");
    if (const JkModelName* name = RemarksStructureName()) {
        xml.Leaf(3, "工作物の名称", name->GetName());
        xml.Leaf(3, "工作物フリガナ", name->GetFurigana());
    }
    xml.Leaf(3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(*m_fields.remarks));
    if (IsPlanChange())
        xml.Leaf(3, "変更概要", *m_fields.changeOutline);
    xml.CloseTag(2, "備考");
}

void ZnConfDocXmlFrame::WriteFirstFace(XmlText& xml) const
{
    ZnShellState* shell = ZnShellState::Current();
    xml.OpenTag(1, "第一面");
    if (IsPlanChange())
        WritePlanChange(xml);
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
        xml.Leaf(2, "申請番号", number);
    }
    WriteApplicant(xml, *m_root);
    xml.CloseTag(1, "第一面");
}

void ZnConfDocXmlFrame::WritePlanChange(XmlText& xml) const
{
    const ZnModelNum& prevConf = *m_fields.prevConf;
    xml.OpenTag(2, "計画を変更する直前の確認");
    xml.Leaf(3, "計画変更の概要", *m_fields.planChangeOutline);
    xml.Leaf(3, "確認済証交付者", prevConf.GetFurtherText());
    xml.Leaf(3, "確認済証交付日", FormatDateZeroPadded(prevConf.GetDate()));
    xml.Leaf(3, "確認済証番号", prevConf.GetNumber());
    xml.CloseTag(2, "計画を変更する直前の確認");
}
