// The frame of "申請書データ.xml" that the confirmation and plan-change confirmation documents of
// lifts, building equipment and structures share: the head, the second face (owners, agent,
// designers, constructors, the family's site and object blocks, schedule, specified process,
// remarks) and the first face (plan change, application number, applicant, date, addressee).
//
// How a family plugs in: derive a small document class from ZnConfDocXmlFrame and
//   - in TakeForm, call BindForm<Form>() with the family's application class (the plan-change
//     model is then looked for as ZnModelAppPlanChange<Form>) and keep the typed form it returns;
//   - write the site block (WriteSiteBlock; lifts and equipment call WriteInstallationSite) and
//     the object block (WriteObjectBlock) with the element writers below;
//   - where the family departs from the frame, override WriteBeforeRemarks (a block between the
//     specified process and the remarks), RemarksStructureName (the structure's name and reading
//     at the start of the remarks) or EndsWithNewline.
// The writer class's WriteXml then calls Write(path) on such an object, which builds the file in
// memory (XmlText) and writes it whole. Writers of other documents use the public pieces (head,
// agent and architect blocks, constructor entry, dates, code names) alone.
//
// Everything reads the active document of the current shell (ZnShellState::Current()); models
// are only read. A model that the document needs but lacks is reported and nothing is written.
#pragma once

#include "model/ZnModelAppPlanChange.h"
#include "platform/core/CString.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnShellState.h"
#include "writers/XmlText.h"
#include "writers/ZnWriteOutcome.h"

#include <cstdio>

class JkModelAddress;
class JkModelIndividualData;
class JkModelName;
class ZnModel;
class ZnModelApp;
class ZnModelAppPersons;
class ZnModelConstructor;
class ZnModelDate;
class ZnModelDesigner;
class ZnModelInspDate;
class ZnModelOwner;

class ZnConfDocXmlFrame {
public:
    // The document type of a plan-change confirmation application, and the notification mode.
    static const int planChangeDocType = 1008;
    static const int notificationMode = 32787;

    virtual ~ZnConfDocXmlFrame() = default;

    // Writes the whole file at the Windows path (OpenOutput). A path that cannot be opened
    // gives "様式ファイルのオープンに失敗しました。" with the stop icon; a missing root, form or
    // (for a plan change) plan-change model is reported with the stop icon before the file is
    // opened. Either way nothing is written (told). With append the document is added at the
    // file's end; cut off by a full medium, the file is removed, what stood in it before included.
    ZnWriteOutcome Write(const CString& path, bool append = false);

    // Elements are written with XmlText's element writers, one tab per level: values escaped, tags
    // as they stand; a fixed word (有, 新築, "1.1") as a value, which gives the same bytes.

    // A leaf holding a number as "%d", such as 番号 or the 表示順 of a further entry.
    static void WriteNumberLeaf(XmlText& xml, int level, LPCTSTR tag, int number);

    // Value texts.

    // "%4d%02d%02d" of the western year, month and day: an unset date gives "   00000".
    static CString FormatDate(const ZnModelDate& date);
    // "%04d%02d%02d" of the same: an unset date gives "00000000".
    static CString FormatDateZeroPadded(const ZnModelDate& date);
    // The count of a specified-process record as "%d" when the length of its date's era text
    // plus the length of its name plus the count is above 0; "" otherwise.
    static CString FormatProcessCount(const ZnModelInspDate& record);

    // Calls entry(element, order) for every element of a typed list in list order, nulls passed
    // over, with order counting from 2: the further entries of a repeated group, whose first
    // entry (order 1) comes from the record that the model holds itself.
    template <typename List, typename Entry> static void ForEachFurtherEntry(const List& list, Entry entry)
    {
        ForEachFurtherEntryWhere(
            list, [](const auto&) { return true; }, entry);
    }
    // The same for the elements that keep(element) accepts; the others take no order.
    template <typename List, typename Keep, typename Entry>
    static void ForEachFurtherEntryWhere(const List& list, Keep keep, Entry entry)
    {
        int order = 2;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            const auto* element = list.GetNext(pos);
            if (element && keep(*element))
                entry(*element, order++);
        }
    }

    // Shared pieces.

    // The XML declaration, "<申請書データ>" and the management information with version 1.1.
    static void WriteDocumentHead(XmlText& xml);
    // "<建築士基本情報>" at level with the architect's qualification, name, office and the
    // office's postal code, address and telephone below it.
    static void WriteArchitectBlock(XmlText& xml, int level, const ZnModelDesigner& architect);
    // "<代理者>" at level 2 holding the agent's architect block.
    static void WriteAgentBlock(XmlText& xml, const ZnModelDesigner& agent);
    // 代表区分 ("1" for order 1, else "2"), 表示順, 氏名, 営業所 (licence issuer, number, office
    // name), postal code, address and telephone of one constructor, at level.
    static void WriteConstructorFields(XmlText& xml, int level, const ZnModelConstructor& constructor, int order);
    // 代表区分 ("1" for order 1, else "2") and 表示順 of an entry, at level.
    static void WriteEntryOrder(XmlText& xml, int level, int order);
    // The reading, name, postal code, address and telephone of an owner, at level.
    static void WriteOwnerFields(XmlText& xml, int level, const ZnModelOwner& owner);
    // 郵便番号, the address line under addressTag and 電話番号 of a person or office, at level.
    static void WriteContact(XmlText& xml, int level, const JkModelIndividualData& person, LPCTSTR addressTag);
    // 申請者氏名 (line breaks removed), 申請日 and 申請先 of the application root, at level 2.
    static void WriteApplicant(XmlText& xml, const ZnModelApp& root);
    // "<設置する建築物又は工作物>" at level 2 with the address line, the name's reading, the name
    // and the use text.
    static void WriteInstallationSite(XmlText& xml, const JkModelAddress& address, const JkModelName& name,
                                      const CString& usage);

    // Opens the Windows path to be written whole (ZnWrittenFiles::OpenWholeFile); null, after
    // "様式ファイルのオープンに失敗しました。" with the stop icon, when it cannot be opened.
    static FILE* OpenOutput(const CString& path, bool append = false);
    // Says, with the stop icon, that the active document lacks a model that the file needs.
    static void ReportMissingModel();

    // The formal name of a code in a code table of the application's code-table access (the
    // slot's table); "" when the table has no row for it or the application has no access.
    static CString CodeName(ZnAppComTblAccess::Slot slot, const CString& code);

protected:
    // Takes the active document's form model (BindForm<Form>()); false when it is missing or of
    // another class.
    virtual bool TakeForm() = 0;
    // Block 7: the installation site, or a structure family's site position.
    virtual void WriteSiteBlock(XmlText& xml) const = 0;
    // Block 8: the family's object block.
    virtual void WriteObjectBlock(XmlText& xml) const = 0;
    // A block between the specified process and the remarks; none by default.
    virtual void WriteBeforeRemarks(XmlText& xml) const {}
    // The name record whose name and reading open the remarks; none by default.
    virtual const JkModelName* RemarksStructureName() const { return nullptr; }
    // Whether "</申請書データ>" is followed by a newline; not by default.
    virtual bool EndsWithNewline() const { return false; }

    // Binds the frame to the active document's form model of class Form and, for a plan change,
    // to its plan-change model (ZnModelAppPlanChange<Form>). Form must have the schedule fields
    // of every family (m_constStartDate, m_constEndDate, m_specStageDate, m_note,
    // m_changeSummary). Returns the typed form, or null when the form model is missing or of
    // another class; a missing plan-change model is found by Write.
    template <typename Form> const Form* BindForm();

private:
    // The form's fields that the frame reads, and the plan-change model's.
    struct FormFields {
        const ZnModelAppPersons* persons = nullptr;
        const ZnModelDate* plannedStart = nullptr;
        const ZnModelDate* plannedEnd = nullptr;
        const ZnModelInspDate* specProcess = nullptr;
        const CString* remarks = nullptr;
        const CString* changeOutline = nullptr;
        const ZnModelNum* prevConf = nullptr;
        const CString* planChangeOutline = nullptr;
    };

    // True when the models the document type needs are bound; reports it otherwise.
    bool TakeModels();
    void WriteSecondFace(XmlText& xml) const;
    void WriteOwners(XmlText& xml) const;
    void WriteDesigners(XmlText& xml) const;
    void WriteConstructors(XmlText& xml) const;
    void WriteSchedule(XmlText& xml) const;
    void WriteSpecifiedProcess(XmlText& xml) const;
    void WriteRemarks(XmlText& xml) const;
    void WriteFirstFace(XmlText& xml) const;
    // Block 13a: 計画を変更する直前の確認 from the plan-change model.
    void WritePlanChange(XmlText& xml) const;
    bool IsPlanChange() const;

    const ZnModelApp* m_root = nullptr;
    FormFields m_fields;
};

template <typename Form> const Form* ZnConfDocXmlFrame::BindForm()
{
    ZnShellState* shell = ZnShellState::Current();
    const Form* form = dynamic_cast<const Form*>(shell->GetModel(ZnShellState::formModelSlot));
    if (!form)
        return nullptr;
    m_fields.persons = form;
    m_fields.plannedStart = &form->m_constStartDate;
    m_fields.plannedEnd = &form->m_constEndDate;
    m_fields.specProcess = &form->m_specStageDate;
    m_fields.remarks = &form->m_note;
    m_fields.changeOutline = &form->m_changeSummary;
    typedef ZnModelAppPlanChange<Form> PlanChange;
    if (const PlanChange* planChange =
            dynamic_cast<const PlanChange*>(shell->GetModel(ZnShellState::subFormModelSlot))) {
        m_fields.prevConf = &planChange->m_prevConfNum;
        m_fields.planChangeOutline = &planChange->m_planChangeSummary;
    }
    return form;
}
