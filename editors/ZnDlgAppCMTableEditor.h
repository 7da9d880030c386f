// A reference-data editor over the recordset class DAO: its fields, each an edit control with its
// input settings and the recordset's text member it shows and stores, with the address block the
// member of the prefecture's number, and its code lists with the members of their codes. Only these members are ever
// written: the display order, the initial-selection flag and the remarks of a row keep the table's defaults on new rows
// and their values on edited ones.
#pragma once

#include "editors/ZnDlgAppCMEditor.h"

#include <initializer_list>

template <class DAO> class ZnDlgAppCMTableEditor : public ZnDlgAppCMEditor {
public:
    struct Field {
        UINT id;
        CString DAO::*member;
        ZnCMInput input;
    };
    struct CodeField {
        ZnCMCodeList list;
        CString DAO::*member;
    };

protected:
    ZnDlgAppCMTableEditor(UINT nIDTemplate, const ZnCMEditorSpec& spec, std::initializer_list<Field> fields,
                          LONG DAO::*todoufuken = nullptr, std::initializer_list<CodeField> codes = {})
        : ZnDlgAppCMEditor(nIDTemplate, spec, Setups(fields), CodeLists(codes)), m_todoufuken(todoufuken)
    {
        for (const Field& field : fields)
            m_members.push_back(field.member);
        for (const CodeField& code : codes)
            m_codeMembers.push_back(code.member);
    }

    std::unique_ptr<ZnAppKeyedTblDAO> NewRecordset() const override { return std::make_unique<DAO>(); }

    void ReadRecord(ZnAppKeyedTblDAO& recordset, ZnCMRecord& record) const override
    {
        const DAO& row = static_cast<const DAO&>(recordset);
        record.texts.clear();
        for (CString DAO::*member : m_members)
            record.texts.push_back(row.*member);
        if (m_todoufuken)
            record.todoufuken = row.*m_todoufuken;
        record.codes.clear();
        for (CString DAO::*member : m_codeMembers)
            record.codes.push_back(row.*member);
    }

    void WriteRecord(const ZnCMRecord& record, ZnAppKeyedTblDAO& recordset) const override
    {
        DAO& row = static_cast<DAO&>(recordset);
        for (size_t i = 0; i < m_members.size(); ++i)
            row.*m_members[i] = record.texts[i];
        if (m_todoufuken)
            row.*m_todoufuken = record.todoufuken;
        for (size_t i = 0; i < m_codeMembers.size(); ++i)
            row.*m_codeMembers[i] = record.codes[i];
    }

private:
    static std::vector<ZnCMField> Setups(std::initializer_list<Field> fields)
    {
        std::vector<ZnCMField> setups;
        for (const Field& field : fields)
            setups.push_back({field.id, field.input});
        return setups;
    }

    static std::vector<ZnCMCodeList> CodeLists(std::initializer_list<CodeField> codes)
    {
        std::vector<ZnCMCodeList> lists;
        for (const CodeField& code : codes)
            lists.push_back(code.list);
        return lists;
    }

    std::vector<CString DAO::*> m_members;
    std::vector<CString DAO::*> m_codeMembers;
    LONG DAO::*m_todoufuken;
};
